#pragma once

#include "ChartEngine/types/PieRadarChartViewBase.h"
#include "ChartEngine/views/RadarChartDataProvider.h"

#include <QColor>

#include <memory>

namespace Charts {

class XAxisRendererRadarChart;
class YAxis;
class YAxisRendererRadarChart;

// The radar (spider) chart: one spoke per entry index around the centre, a web of spokes and
// rings at the radial axis's label values, and one closed polygon per data set with its
// corners on the spokes, at a distance from the centre in proportion to the value. It owns its
// radial y axis (on the left side, labels 10 points right of the first spoke) with its renderer;
// its x axis labels the spokes around the web. The constructor's set-up step installs the radar
// renderer, both axis renderers and the radar highlighter on this view.
//
// The chart is drawn without a clip: the x labels stand beyond the outer ring.
class RadarChartView : public PieRadarChartViewBase, public virtual RadarChartDataProvider {
    Q_OBJECT

public:
    explicit RadarChartView(QWidget* parent = nullptr);
    explicit RadarChartView(const QRect& frame, QWidget* parent = nullptr);
    ~RadarChartView() override;

    // --- Web (stored only: no redraw) ---------------------------------------------------------
    // The spokes' width and colour, and the rings'; both drawn at webAlpha.
    virtual double webLineWidth() const { return m_webLineWidth; }
    virtual void setWebLineWidth(double width) { m_webLineWidth = width; }
    virtual double innerWebLineWidth() const { return m_innerWebLineWidth; }
    virtual void setInnerWebLineWidth(double width) { m_innerWebLineWidth = width; }
    virtual QColor webColor() const { return m_webColor; }
    virtual void setWebColor(const QColor& color) { m_webColor = color; }
    virtual QColor innerWebColor() const { return m_innerWebColor; }
    virtual void setInnerWebColor(const QColor& color) { m_innerWebColor = color; }
    virtual double webAlpha() const { return m_webAlpha; }
    virtual void setWebAlpha(double alpha) { m_webAlpha = alpha; }
    virtual bool drawWeb() const { return m_drawWeb; }
    virtual void setDrawWeb(bool enabled) { m_drawWeb = enabled; }
    // Spokes left out between two drawn ones; a negative count is 0, and the largest qint64 is one
    // less, so that the web can step past it.
    virtual qint64 skipWebLineCount() const { return m_skipWebLineCount; }
    virtual void setSkipWebLineCount(qint64 count);

    // --- Geometry ---------------------------------------------------------------------------------
    // The smaller half side of the content over the radial axis's range; not finite while that
    // range is 0.
    double factor() const override;
    // 360 over the largest data set's entry count; infinite without one.
    double sliceAngle() const override;
    double yRange() const override;
    double rotationAngle() const override { return PieRadarChartViewBase::rotationAngle(); }
    // The spoke whose half-slice-wide sector holds the angle taken relative to the rotation; the
    // last half sector before 360 belongs to spoke 0, and so does any angle without data.
    qint64 indexForAngle(double angle) const override;
    // The smaller half side of the content.
    double radius() const override;
    // The legend font's size four times.
    double requiredLegendOffset() const override;
    // The x labels' rotated width while they are drawn, else 10.
    double requiredBaseOffset() const override;

    // --- Parts --------------------------------------------------------------------------------------
    virtual std::shared_ptr<YAxis> yAxis() const { return m_yAxis; }
    virtual std::shared_ptr<YAxisRendererRadarChart> yAxisRenderer() const { return m_yAxisRenderer; }
    virtual std::shared_ptr<XAxisRendererRadarChart> xAxisRenderer() const { return m_xAxisRenderer; }

    // --- Chart view ---------------------------------------------------------------------------------
    // The axis ranges, both axes' label values, the legend unless it is custom, the offsets, a
    // redraw.
    void notifyDataSetChanged() override;
    // The y axis over the data's left-axis values, the x axis over 0 to the largest set's count.
    void calcMinMax() override;
    // The radial axis's ends.
    double chartYMax() const override;
    double chartYMin() const override;
    // x labels, web, limit lines behind the data, data, highlights, limit lines in front, y
    // labels, values, legend, description, markers.
    void drawRect(QPainter& painter) override;

protected:
    // The x labels' rotated width while they are drawn, at the least.
    double offsetFloor() const override;
    // A set's points in the order the keys step through them, spoke by spoke, and the sets in
    // theirs: the renderer lists a set's points by value, the largest first, and a reader heard
    // the first spoke as the sixth of fourteen when its value was the sixth largest.
    Elements accessibilityRowOrder(Elements rows) const override;

private:
    void setUp();
    bool drawsXLabels() const;

    double m_webLineWidth = 1.5;
    double m_innerWebLineWidth = 0.75;
    QColor m_webColor = QColor(122, 122, 122);
    QColor m_innerWebColor = QColor(122, 122, 122);
    double m_webAlpha = 150.0 / 255.0;
    bool m_drawWeb = true;
    qint64 m_skipWebLineCount = 0;
    std::shared_ptr<YAxis> m_yAxis;
    std::shared_ptr<YAxisRendererRadarChart> m_yAxisRenderer;
    std::shared_ptr<XAxisRendererRadarChart> m_xAxisRenderer;
};

}
