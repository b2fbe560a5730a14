#pragma once

#include "ChartEngine/data/ChartDataSetProtocol.h"

#include <limits>

namespace Charts {

// The style half of every data set: colours, value labels, legend form, visibility and axis side.
// The data half (bounds, entry access, search, editing) is left to ChartDataSet; here those
// members stop the program, naming the member.
class ChartBaseDataSet : public virtual ChartDataSetProtocol {
public:
    ChartBaseDataSet();
    explicit ChartBaseDataSet(const std::optional<QString>& label);
    ~ChartBaseDataSet() override = default;

    ChartBaseDataSet(const ChartBaseDataSet&) = delete;
    ChartBaseDataSet& operator=(const ChartBaseDataSet&) = delete;

    // Data members a subclass supplies.
    void notifyDataSetChanged() override;
    void calcMinMax() override;
    void calcMinMaxY(double fromX, double toX) override;
    double yMin() const override;
    double yMax() const override;
    double xMin() const override;
    double xMax() const override;
    qint64 entryCount() const override;
    std::shared_ptr<ChartDataEntry> entryForIndex(qint64 index) const override;
    std::shared_ptr<ChartDataEntry> entryForXValue(double x, double closestToY,
                                                   ChartDataSetRounding rounding) const override;
    std::shared_ptr<ChartDataEntry> entryForXValue(double x, double closestToY) const override;
    ChartDataEntryList entriesForXValue(double x) const override;
    qint64 entryIndex(double x, double closestToY, ChartDataSetRounding rounding) const override;
    qint64 entryIndex(const std::shared_ptr<ChartDataEntry>& entry) const override;
    bool addEntry(const std::shared_ptr<ChartDataEntry>& entry) override;
    bool addEntryOrdered(const std::shared_ptr<ChartDataEntry>& entry) override;
    bool removeEntry(const std::shared_ptr<ChartDataEntry>& entry) override;
    void clear() override;

    // Built on the members above.
    bool removeEntryWithIndex(qint64 index) override;
    bool removeEntryWithX(double x) override;
    bool removeFirst() override;
    bool removeLast() override;
    // Whether the set holds an entry equal to entry.
    bool contains(const std::shared_ptr<ChartDataEntry>& entry) const override;

    // Colours. An empty list answers the default data-set colour.
    QList<QColor> colors() const override;
    void setColors(const QList<QColor>& colors);
    QColor colorAtIndex(qint64 index) const override;
    void resetColors() override;
    void addColor(const QColor& color) override;
    void setColor(const QColor& color) override;
    // The colour with its alpha replaced by alpha.
    void setColor(const QColor& color, double alpha);
    void setColors(const QList<QColor>& colors, double alpha);

    // Value label colours. An empty list answers the label colour.
    QList<QColor> valueColors() const override;
    void setValueColors(const QList<QColor>& colors);
    QColor valueTextColor() const override;
    // Replaces the value colours by this one colour.
    void setValueTextColor(const QColor& color) override;
    QColor valueTextColorAt(qint64 index) const override;

    std::optional<QString> label() const override;
    void setLabel(const std::optional<QString>& label);
    AxisDependency axisDependency() const override;
    void setAxisDependency(AxisDependency axis);
    bool isHighlightEnabled() const override;
    void setHighlightEnabled(bool enabled) override;

    // Made on first read: a default value formatter, kept from then on.
    std::shared_ptr<ValueFormatter> valueFormatter() const override;
    void setValueFormatter(std::shared_ptr<ValueFormatter> formatter) override;

    QFont valueFont() const override;
    void setValueFont(const QFont& font) override;
    double valueLabelAngle() const override;
    void setValueLabelAngle(double degrees) override;
    LegendForm form() const override;
    void setForm(LegendForm form);
    // Not-a-number: the legend's own size.
    double formSize() const override;
    void setFormSize(double size);
    // Not-a-number: the legend's own width.
    double formLineWidth() const override;
    void setFormLineWidth(double width);
    double formLineDashPhase() const override;
    void setFormLineDashPhase(double phase);
    std::optional<QList<double>> formLineDashLengths() const override;
    void setFormLineDashLengths(std::optional<QList<double>> lengths);
    bool isDrawValuesEnabled() const override;
    void setDrawValuesEnabled(bool enabled) override;
    bool isDrawIconsEnabled() const override;
    void setDrawIconsEnabled(bool enabled) override;
    QPointF iconsOffset() const override;
    void setIconsOffset(const QPointF& offset) override;
    bool isVisible() const override;
    void setVisible(bool visible) override;

    // "<class>, label: <label>, <n> entries"
    QString description() const;
    // The description, ":", then each entry's description on a line of its own.
    QString debugDescription() const;

    // A new data set of this set's own class carrying this set's stored properties; what each
    // class carries is its own choice (the value label angle is not carried).
    std::shared_ptr<ChartBaseDataSet> copy() const;

    // A new, empty data set of this set's own class with its initial values. Every data set class
    // answers it.
    virtual std::shared_ptr<ChartBaseDataSet> makeEmpty() const;

protected:
    // Each class copies its own stored properties onto target (made by makeEmpty), after its base.
    virtual void copyTo(ChartBaseDataSet& target) const;

private:
    QList<QColor> m_colors;
    QList<QColor> m_valueColors;
    std::optional<QString> m_label = QStringLiteral("DataSet");
    AxisDependency m_axisDependency = AxisDependency::left;
    bool m_highlightEnabled = true;
    mutable std::shared_ptr<ValueFormatter> m_valueFormatter;
    QFont m_valueFont;
    double m_valueLabelAngle = 0.0;
    LegendForm m_form = LegendForm::legendDefault;
    double m_formSize = std::numeric_limits<double>::quiet_NaN();
    double m_formLineWidth = std::numeric_limits<double>::quiet_NaN();
    double m_formLineDashPhase = 0.0;
    std::optional<QList<double>> m_formLineDashLengths;
    bool m_drawValuesEnabled = true;
    bool m_drawIconsEnabled = true;
    QPointF m_iconsOffset;
    bool m_visible = true;
};

}
