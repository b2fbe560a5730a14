#include "ChartEngine/types/ScatterChartRenderer.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/types/ScatterChartView.h"
#include "ChartEngine/types/ShapeRenderer.h"

#include "XYChartFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Charts;
using namespace XYChartFixture;

namespace {

// Writes down where it is asked to draw.
class RecordingShape : public ShapeRenderer {
public:
    void renderShape(QPainter&, const ScatterChartDataSetProtocol&, const ViewPortHandler&, QPointF point,
                     const QColor&) override
    {
        points << point;
    }

    QList<QPointF> points;
};

std::unique_ptr<ScatterChartView> scatterView(const QList<QPointF>& points, std::shared_ptr<ShapeRenderer> shape)
{
    ChartDataEntryList entries;
    for (const QPointF& point : points) {
        entries << std::make_shared<ChartDataEntry>(point.x(), point.y());
    }
    auto dataSet = std::make_shared<ScatterChartDataSet>(entries, QStringLiteral("A"));
    dataSet->setShapeRenderer(std::move(shape));
    return fixtureView<ScatterChartView>(std::make_shared<ScatterChartData>(ChartDataSetList{dataSet}));
}

}

// The entries are taken in index order: the first point right of the content ends the set.
TEST(ScatterChartRendererTest, ShapesAreDrawnUpToTheRightEdgeOfTheContent)
{
    struct Case {
        const char* name;
        QList<QPointF> points;
        double phaseX;
        double phaseY;
        QList<QPointF> drawn;
    };
    const Case cases[] = {
        {"half the x phase over five entries considers three", {{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}}, 0.5, 0.5,
         {pixel(1, 2), pixel(2, 2), pixel(3, 2)}},
        {"a point right of the content ends the set", {{1, 5}, {12, 5}, {3, 5}}, 1, 1, {pixel(1, 5)}},
        {"points left, above or below are skipped", {{-1, 5}, {2, 12}, {3, -2}, {4, 5}}, 1, 1, {pixel(4, 5)}},
        {"an x phase that is not a number draws nothing", {{1, 5}}, std::nan(""), 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto shape = std::make_shared<RecordingShape>();
        auto view = scatterView(c.points, shape);
        view->chartAnimator()->setPhaseX(c.phaseX);
        view->chartAnimator()->setPhaseY(c.phaseY);
        recorded([&](QPainter& painter) { view->renderer()->drawData(painter); });
        EXPECT_EQ(shape->points, c.drawn);
    }
}

TEST(ScatterChartRendererTest, ASetWithoutShapeRendererSaysSoOncePerDrawAndStillShowsItsValues)
{
    QStringList lines;
    ChartConsole::setCapture([&lines](const QString& line) { lines << line; });
    auto view = scatterView({{2, 3}, {4, 6}}, nullptr);
    auto formatter = std::make_shared<RecordingFormatter>();
    view->data()->dataSets().first()->setValueFormatter(formatter);
    const auto drawn = recorded([&](QPainter& painter) {
        view->renderer()->drawData(painter);
        view->renderer()->drawData(painter);
        view->renderer()->drawValues(painter);
    });
    ChartConsole::setCapture({});
    EXPECT_EQ(lines, QStringList(2, QStringLiteral("There's no ShapeRenderer specified for ScatterDataSet")));
    EXPECT_EQ(formatter->values, (QList<double>{3, 6}));
}
