// Built by scripts/check-package against the unpacked engine package alone: one call of each
// kind of public member whose types live in headers of their own (images, the accessibility
// label provider and elements, the replaceable renderers and highlighter, a scatter set's shape
// renderer, the gesture recognisers, the view-port jobs). It compiles only when each of those
// types is complete in an installed header; run offscreen, it answers 0.
#include <ChartEngine/components/Highlight.h>
#include <ChartEngine/components/Highlighter.h>
#include <ChartEngine/components/LegendRenderer.h>
#include <ChartEngine/components/MarkerImage.h>
#include <ChartEngine/components/XAxisRenderer.h>
#include <ChartEngine/components/XAxisRendererRadarChart.h>
#include <ChartEngine/components/YAxisRenderer.h>
#include <ChartEngine/components/YAxisRendererRadarChart.h>
#include <ChartEngine/data/BarChartDataEntry.h>
#include <ChartEngine/data/LineChartData.h>
#include <ChartEngine/data/LineChartDataSet.h>
#include <ChartEngine/data/ScatterChartDataSet.h>
#include <ChartEngine/foundation/ChartImage.h>
#include <ChartEngine/foundation/ImageFill.h>
#include <ChartEngine/foundation/NSUIAccessibilityElement.h>
#include <ChartEngine/foundation/NSUIClickGestureRecognizer.h>
#include <ChartEngine/foundation/NSUIMagnificationGestureRecognizer.h>
#include <ChartEngine/foundation/NSUIPanGestureRecognizer.h>
#include <ChartEngine/foundation/NSUIRotationGestureRecognizer.h>
#include <ChartEngine/types/PieChartView.h>
#include <ChartEngine/types/RadarChartView.h>
#include <ChartEngine/types/ShapeRenderer.h>
#include <ChartEngine/views/ChartAccessibilityLabelProvider.h>
#include <ChartEngine/views/DataRenderer.h>
#include <ChartEngine/views/LineChartView.h>
#include <ChartEngine/views/MoveViewJob.h>

#include <QApplication>

#include <cmath>

namespace {

class Summary : public Charts::ChartAccessibilityLabelProvider {
public:
    std::optional<QString> summary(const Charts::ChartViewBase&) const override { return QStringLiteral("A"); }
    std::optional<QString> pointLabel(const Charts::ChartViewBase&, qint64, qint64) const override { return {}; }
};

class Dot : public Charts::ShapeRenderer {
public:
    void renderShape(QPainter&, const Charts::ScatterChartDataSetProtocol&, const Charts::ViewPortHandler&, QPointF,
                     const QColor&) override
    {
    }
};

bool callsWithImages()
{
    const auto icon = Charts::ChartImage::create(QImage(4, 4, QImage::Format_ARGB32));
    Charts::MarkerImage marker;
    marker.setImage(icon);
    const Charts::BarChartDataEntry entry(0, 1, icon);
    return marker.image()->size() == QSizeF(4, 4) && entry.icon() == icon
        && Charts::ImageFill::create(icon, true)->image() == icon;
}

bool callsOnLineView(Charts::LineChartView& view)
{
    view.setAccessibilityLabelProvider(std::make_shared<Summary>());
    view.resize(200, 100);
    (void)view.getChartImage(false);
    Charts::NSUIClickGestureRecognizer tap([](Charts::NSUIClickGestureRecognizer&) {});
    Charts::NSUIPanGestureRecognizer pan([](Charts::NSUIPanGestureRecognizer&) {});
    Charts::NSUIMagnificationGestureRecognizer pinch([](Charts::NSUIMagnificationGestureRecognizer&) {});
    view.tapGestureRecognized(tap);
    view.panGestureRecognized(pan);
    view.pinchGestureRecognized(pinch);
    view.legendRenderer()->computeLegend(*view.data());
    return view.renderer()->viewPortHandler() && view.highlighter()->getHighlight(100, 50)
        && view.xAxisRenderer()->transformer() && view.leftYAxisRenderer()->axis()
        && view.accessibilityDescription() == QStringLiteral("A") && view.accessibilityHeaderElement()->isHeader()
        && view.gestureRecognizers().first()->isEnabled();
}

bool callsOnRoundViews()
{
    Charts::RadarChartView radar;
    Charts::PieChartView pie;
    Charts::NSUIRotationGestureRecognizer turn([](Charts::NSUIRotationGestureRecognizer&) {});
    pie.rotationGestureRecognized(turn);
    Charts::ScatterChartDataSet points;
    points.setShapeRenderer(std::make_shared<Dot>());
    return radar.xAxisRenderer()->axis() && radar.yAxisRenderer()->axis() && points.shapeRenderer();
}

// A move the program makes waits in the view's queue until the view has its size; then x 5
// lies at the content's left edge.
bool callsWithJobs()
{
    Charts::ChartDataEntryList entries;
    for (int x = 0; x <= 10; ++x) {
        entries.push_back(std::make_shared<Charts::ChartDataEntry>(x, x));
    }
    Charts::LineChartView view;
    view.setData(std::make_shared<Charts::LineChartData>(
        Charts::ChartDataSetList{std::make_shared<Charts::LineChartDataSet>(entries, QStringLiteral("Set"))}));
    view.setVisibleXRangeMaximum(4);
    view.addViewportJob(std::make_shared<Charts::MoveViewJob>(
        view.viewPortHandler(), 5, 0, view.getTransformer(Charts::AxisDependency::left), &view));
    const bool queued = view.viewportJobs().size() == 1;
    view.setFrame(QRect(0, 0, 200, 100));
    return queued && view.viewportJobs().isEmpty() && std::abs(view.lowestVisibleX() - 5) < 1e-9;
}

}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Charts::ChartDataEntryList entries{std::make_shared<Charts::ChartDataEntry>(0, 1),
                                       std::make_shared<Charts::ChartDataEntry>(1, 2)};
    Charts::LineChartView view;
    view.setData(std::make_shared<Charts::LineChartData>(
        Charts::ChartDataSetList{std::make_shared<Charts::LineChartDataSet>(entries, QStringLiteral("Set"))}));
    return callsWithImages() && callsOnLineView(view) && callsOnRoundViews() && callsWithJobs() ? 0 : 1;
}
