#pragma once

#include "ChartEngine/foundation/TextSizes.h"
#include "ChartEngine/views/LineRadarRenderer.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

namespace Charts {

class RadarChartDataSetProtocol;
class RadarChartView;

// Draws the data of a radar chart: the web (spokes and rings), one closed polygon per visible
// data set, filled and outlined, the value texts and icons, and the highlight lines and circle.
// A value v of entry j stands at (v - chartYMin) × factor from the centre, at sliceAngle × j +
// rotationAngle degrees, scaled by the animator's phases. It also publishes the chart's header,
// one element per outlined data set and one per drawn entry, the entries of a set from the
// largest value to the smallest.
//
// The chart is held weakly; once it is gone, or while its radial axis has no range, nothing is
// drawn.
class RadarChartRenderer : public LineRadarRenderer {
public:
    // `chart` is a RadarChartView, cast at each use.
    RadarChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                       std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~RadarChartRenderer() override;

    virtual RadarChartView* chart() const;
    virtual void setChart(QObject* chart) { m_chart = chart; }

    // The x axis's label of every spoke index, as of the last data drawing.
    virtual QStringList accessibilityXLabels() const { return m_accessibilityXLabels; }

    // The header, then each visible radar data set.
    void drawData(QPainter& painter) override;
    // The value texts above their points, and the icons; a text whose box lies wholly beyond the
    // chart is left out.
    void drawValues(QPainter& painter) override;
    // The web.
    void drawExtras(QPainter& painter) override;
    // Highlights whose data set, entry or x the data lacks are skipped.
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;

    // The set's polygon, through the centre when it has fewer entries than `mostEntries`. A set
    // with no drawable point draws nothing and makes no element.
    virtual void drawDataSet(QPainter& painter, const RadarChartDataSetProtocol& dataSet,
                             qint64 mostEntries);
    // The spokes from the centre to the outer ring, then the rings at the y axis's label values,
    // each segment stroked on its own at webAlpha.
    virtual void drawWeb(QPainter& painter);
    // A ring between the two radii (a disc when the inner one is 0) filled even-odd, and the
    // outer circle stroked; each only with its colour.
    virtual void drawHighlightCircle(QPainter& painter, QPointF point, double innerRadius,
                                     double outerRadius, std::optional<QColor> fillColor,
                                     std::optional<QColor> strokeColor, double strokeWidth);

private:
    QStringList computeAccessibilityXLabels(const RadarChartView& view) const;
    void drawHighlight(QPainter& painter, const RadarChartView& view, Highlight& highlight);

    QPointer<QObject> m_chart;
    QStringList m_accessibilityXLabels;
    // The sizes of the value texts drawn, by font and text.
    TextSizes m_textSizes;
};

}
