#pragma once

#include "ChartEngine/data/LineChartDataSetProtocol.h"
#include "ChartEngine/data/LineRadarChartDataSet.h"

namespace Charts {

// The data set of a line chart: line mode, curve intensity, gradient line, circles at the values
// with their holes and colours, dash, line cap, and the formatter that says where the fill ends.
class LineChartDataSet : public LineRadarChartDataSet, public virtual LineChartDataSetProtocol {
public:
    using Mode = LineChartDataSetMode;

    LineChartDataSet();
    explicit LineChartDataSet(const std::optional<QString>& label);
    explicit LineChartDataSet(ChartDataEntryList entries,
                              const std::optional<QString>& label = QStringLiteral("DataSet"));

    Mode mode() const override;
    void setMode(Mode mode) override;
    double cubicIntensity() const override;
    // Clamped to [0.05, 1].
    void setCubicIntensity(double intensity) override;
    bool isDrawLineWithGradientEnabled() const override;
    void setDrawLineWithGradientEnabled(bool enabled) override;
    std::optional<QList<double>> gradientPositions() const override;
    void setGradientPositions(std::optional<QList<double>> positions) override;

    double circleRadius() const override;
    void setCircleRadius(double radius) override;
    double circleHoleRadius() const override;
    void setCircleHoleRadius(double radius) override;
    QList<QColor> circleColors() const override;
    void setCircleColors(const QList<QColor>& colors) override;
    // The circle colours repeat along the line; a negative index counts as 0, and an empty list
    // answers the default data-set colour.
    QColor getCircleColorAtIndex(qint64 index) const override;
    void setCircleColor(const QColor& color) override;
    // Empties the list; the index is not consulted.
    void resetCircleColors(qint64 index) override;
    bool isDrawCirclesEnabled() const override;
    void setDrawCirclesEnabled(bool enabled) override;
    std::optional<QColor> circleHoleColor() const override;
    void setCircleHoleColor(std::optional<QColor> color) override;
    bool isDrawCircleHoleEnabled() const override;
    void setDrawCircleHoleEnabled(bool enabled) override;

    double lineDashPhase() const override;
    void setLineDashPhase(double phase);
    std::optional<QList<double>> lineDashLengths() const override;
    void setLineDashLengths(std::optional<QList<double>> lengths) override;
    Qt::PenCapStyle lineCapType() const override;
    void setLineCapType(Qt::PenCapStyle cap) override;

    std::shared_ptr<FillFormatter> fillFormatter() const override;
    // No formatter installs a new default fill formatter.
    void setFillFormatter(std::shared_ptr<FillFormatter> formatter) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    // Carries everything but the gradient switch and positions.
    void copyTo(ChartBaseDataSet& target) const override;

private:
    Mode m_mode = Mode::linear;
    double m_cubicIntensity = 0.2;
    bool m_drawLineWithGradientEnabled = false;
    std::optional<QList<double>> m_gradientPositions;
    double m_circleRadius = 8.0;
    double m_circleHoleRadius = 4.0;
    QList<QColor> m_circleColors;
    bool m_drawCirclesEnabled = true;
    std::optional<QColor> m_circleHoleColor = ChartColors::white();
    bool m_drawCircleHoleEnabled = true;
    double m_lineDashPhase = 0.0;
    std::optional<QList<double>> m_lineDashLengths;
    Qt::PenCapStyle m_lineCapType = Qt::FlatCap;
    std::shared_ptr<FillFormatter> m_fillFormatter;
};

}
