#pragma once

#include "ChartEngine/components/AxisBase.h"
#include "ChartEngine/components/AxisDependency.h"
#include "ChartEngine/foundation/TextAttributes.h"

#include <QSizeF>

#include <limits>

namespace Charts {

// A y axis of one side of the chart: inversion, the zero line, the space above and below the
// data as fractions of its range, the side of the labels, the width limits of the label column,
// and its own range calculation.
class YAxis : public AxisBase {
public:
    using AxisDependency = Charts::AxisDependency;

    enum class LabelPosition : int {
        outside = 0, // in a column the layout reserves
        inside = 1,  // inside the content area
    };

    // An axis of the left side.
    YAxis();
    explicit YAxis(AxisDependency position);

    virtual bool drawBottomYLabelEntryEnabled() const { return m_drawBottomYLabelEntryEnabled; }
    virtual void setDrawBottomYLabelEntryEnabled(bool enabled)
    {
        m_drawBottomYLabelEntryEnabled = enabled;
    }
    virtual bool drawTopYLabelEntryEnabled() const { return m_drawTopYLabelEntryEnabled; }
    virtual void setDrawTopYLabelEntryEnabled(bool enabled) { m_drawTopYLabelEntryEnabled = enabled; }
    virtual bool inverted() const { return m_inverted; }
    virtual void setInverted(bool inverted) { m_inverted = inverted; }
    virtual bool drawZeroLineEnabled() const { return m_drawZeroLineEnabled; }
    virtual void setDrawZeroLineEnabled(bool enabled) { m_drawZeroLineEnabled = enabled; }
    // None: no zero line is drawn.
    virtual std::optional<QColor> zeroLineColor() const { return m_zeroLineColor; }
    virtual void setZeroLineColor(std::optional<QColor> color) { m_zeroLineColor = color; }
    virtual double zeroLineWidth() const { return m_zeroLineWidth; }
    virtual void setZeroLineWidth(double width) { m_zeroLineWidth = width; }
    virtual double zeroLineDashPhase() const { return m_zeroLineDashPhase; }
    virtual void setZeroLineDashPhase(double phase) { m_zeroLineDashPhase = phase; }
    virtual std::optional<QList<double>> zeroLineDashLengths() const { return m_zeroLineDashLengths; }
    virtual void setZeroLineDashLengths(std::optional<QList<double>> lengths)
    {
        m_zeroLineDashLengths = std::move(lengths);
    }
    // Fractions of the data range added above the maximum and below the minimum.
    virtual double spaceTop() const { return m_spaceTop; }
    virtual void setSpaceTop(double space) { m_spaceTop = space; }
    virtual double spaceBottom() const { return m_spaceBottom; }
    virtual void setSpaceBottom(double space) { m_spaceBottom = space; }
    virtual LabelPosition labelPosition() const { return m_labelPosition; }
    virtual void setLabelPosition(LabelPosition position) { m_labelPosition = position; }
    virtual TextAlignment labelAlignment() const { return m_labelAlignment; }
    virtual void setLabelAlignment(TextAlignment alignment) { m_labelAlignment = alignment; }
    virtual double labelXOffset() const { return m_labelXOffset; }
    virtual void setLabelXOffset(double offset) { m_labelXOffset = offset; }
    virtual double minWidth() const { return m_minWidth; }
    virtual void setMinWidth(double width) { m_minWidth = width; }
    // 0 or less: no limit.
    virtual double maxWidth() const { return m_maxWidth; }
    virtual void setMaxWidth(double width) { m_maxWidth = width; }

    virtual AxisDependency axisDependency() const { return m_axisDependency; }
    virtual bool isInverted() const { return inverted(); }
    virtual bool isDrawBottomYLabelEntryEnabled() const { return drawBottomYLabelEntryEnabled(); }
    virtual bool isDrawTopYLabelEntryEnabled() const { return drawTopYLabelEntryEnabled(); }

    // The room of the label column: the longest label in the label font, plus both offsets on
    // each side, limited by maxWidth (when positive) and at least minWidth wide.
    virtual QSizeF requiredSize();
    virtual double getRequiredHeightSpace();
    // Whether the layout reserves a label column on this axis's side.
    virtual bool needsOffset() const;

    // The range from the data's y extent: a lower end above the upper one is repaired from a
    // fixed end, equal ends move apart by 1 where not fixed, then spaceBottom and spaceTop
    // widen the ends that are not fixed.
    void calculate(double dataMin, double dataMax) override;

private:
    bool m_drawBottomYLabelEntryEnabled = true;
    bool m_drawTopYLabelEntryEnabled = true;
    bool m_inverted = false;
    bool m_drawZeroLineEnabled = false;
    std::optional<QColor> m_zeroLineColor = ChartColors::gray();
    double m_zeroLineWidth = 1.0;
    double m_zeroLineDashPhase = 0.0;
    std::optional<QList<double>> m_zeroLineDashLengths;
    double m_spaceTop = 0.1;
    double m_spaceBottom = 0.1;
    LabelPosition m_labelPosition = LabelPosition::outside;
    TextAlignment m_labelAlignment = TextAlignment::Left;
    double m_labelXOffset = 0.0;
    AxisDependency m_axisDependency = AxisDependency::left;
    double m_minWidth = 0.0;
    double m_maxWidth = std::numeric_limits<double>::infinity();
};

}
