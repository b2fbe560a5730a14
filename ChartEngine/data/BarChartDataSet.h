#pragma once

#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSet.h"
#include "ChartEngine/foundation/ChartColors.h"

namespace Charts {

// The data set of a bar chart, holding BarChartDataEntry objects. Its y bounds take a stacked
// bar from the bottom of its negative part to the top of its positive part. How many values the
// largest stack has, and how many bars all stacks make, is counted once when the set is made;
// later edits of the entries do not update the counts.
class BarChartDataSet : public BarLineScatterCandleBubbleChartDataSet, public virtual BarChartDataSetProtocol {
public:
    BarChartDataSet();
    explicit BarChartDataSet(const std::optional<QString>& label);
    explicit BarChartDataSet(ChartDataEntryList entries,
                             const std::optional<QString>& label = QStringLiteral("DataSet"));

    // Values in the largest stack: 1 without entries, 1 for a plain bar, 0 for an empty stack.
    qint64 stackSize() const override;
    // True when the largest stack has more than one value.
    bool isStacked() const override;
    // The bars of all entries, every stack value counted as a bar of its own.
    qint64 entryCountStacks() const;

    QStringList stackLabels() const override;
    void setStackLabels(const QStringList& labels) override;
    QColor barShadowColor() const override;
    void setBarShadowColor(const QColor& color) override;
    // A border is drawn only when greater than 0.
    double barBorderWidth() const override;
    void setBarBorderWidth(double width) override;
    QColor barBorderColor() const override;
    void setBarBorderColor(const QColor& color) override;
    double highlightAlpha() const override;
    void setHighlightAlpha(double alpha) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    // Entries that are not bar entries, or whose y is not a number, take no part.
    void calcMinMaxWithEntry(const ChartDataEntry& entry) override;
    void copyTo(ChartBaseDataSet& target) const override;

private:
    // What every constructor does once the bases are made.
    void initialize();
    void calcStackSize();
    void calcEntryCountIncludingStacks();

    qint64 m_stackSize = 1;
    qint64 m_entryCountStacks = 0;
    QStringList m_stackLabels;
    QColor m_barShadowColor{215, 215, 215};
    double m_barBorderWidth = 0.0;
    QColor m_barBorderColor = ChartColors::black();
    double m_highlightAlpha = 120.0 / 255.0;
};

}
