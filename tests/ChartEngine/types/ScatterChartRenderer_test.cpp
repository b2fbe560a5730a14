#include "ChartEngine/types/ScatterChartRenderer.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/ScatterChartView.h"
#include "ChartEngine/types/ShapeRenderer.h"

#include "XYChartFixture.h"
#include "support/ImageInk.h"
#include "support/QtPrinters.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>

using namespace Charts;
using namespace XYChartFixture;

namespace {

// Writes down where it is asked to draw and in which colour.
class RecordingShape : public ShapeRenderer {
public:
    void renderShape(QPainter&, const ScatterChartDataSetProtocol&, const ViewPortHandler&, QPointF point,
                     const QColor& color) override
    {
        points << point;
        colors << color;
    }

    QList<QPointF> points;
    QList<QColor> colors;
};

std::shared_ptr<ScatterChartDataSet> scatterSet(const QList<QPointF>& points, const QString& label = QStringLiteral("A"))
{
    ChartDataEntryList entries;
    for (const QPointF& point : points) {
        entries << std::make_shared<ChartDataEntry>(point.x(), point.y());
    }
    auto dataSet = std::make_shared<ScatterChartDataSet>(entries, label);
    dataSet->setColor(Qt::black);
    dataSet->setDrawValuesEnabled(false);
    return dataSet;
}

std::unique_ptr<ScatterChartView> scatterView(const ChartDataSetList& dataSets)
{
    return fixtureView<ScatterChartView>(std::make_shared<ScatterChartData>(dataSets));
}

QList<double> xValues(const QList<QPointF>& pixels)
{
    QList<double> values;
    for (const QPointF& point : pixels) {
        values << (point.x() - 35) / 23;
    }
    return values;
}

}

TEST(ScatterChartRendererTest, ShapesGoToTheShapeRendererUpToTheRightEdge)
{
    struct Case {
        const char* name;
        QList<QPointF> points;
        double phaseX;
        QList<double> drawnX;
    };
    const Case cases[] = {
        {"half the x phase over five entries considers three", {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}, 0.5, {1, 2, 3}},
        {"a point right of the content ends the set", {{1, 5}, {12, 5}, {3, 5}}, 1, {1}},
        {"points left, above or below are skipped", {{-1, 5}, {2, 12}, {3, -2}, {4, 5}}, 1, {4}},
        {"a phase that is not a number draws nothing", {{1, 5}}, std::nan(""), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dataSet = scatterSet(c.points);
        auto shape = std::make_shared<RecordingShape>();
        dataSet->setShapeRenderer(shape);
        auto view = scatterView({dataSet});
        view->chartAnimator()->setPhaseX(c.phaseX);
        painted([&](QPainter& painter) { view->renderer()->drawData(painter); });
        EXPECT_EQ(xValues(shape->points), c.drawnX);
    }
}

TEST(ScatterChartRendererTest, ShapesTakeTheSetColourOfTheirIndexAndTheYPhase)
{
    auto dataSet = scatterSet({{1, 4}, {2, 4}, {3, 4}});
    dataSet->setColors({Qt::red, Qt::blue});
    auto shape = std::make_shared<RecordingShape>();
    dataSet->setShapeRenderer(shape);
    auto view = scatterView({dataSet});
    view->chartAnimator()->setPhaseY(0.5);
    painted([&](QPainter& painter) { view->renderer()->drawData(painter); });
    EXPECT_EQ(shape->points, (QList<QPointF>{pixel(1, 2), pixel(2, 2), pixel(3, 2)}));
    EXPECT_EQ(shape->colors, (QList<QColor>{Qt::red, Qt::blue, Qt::red}));
}

TEST(ScatterChartRendererTest, ASetWithoutShapeRendererSaysSoOncePerDrawAndStillShowsItsValues)
{
    QStringList lines;
    ChartConsole::setCapture([&lines](const QString& line) { lines << line; });
    auto dataSet = scatterSet({{2, 3}, {4, 6}});
    dataSet->setShapeRenderer(nullptr);
    dataSet->setDrawValuesEnabled(true);
    auto formatter = std::make_shared<RecordingFormatter>();
    dataSet->setValueFormatter(formatter);
    auto view = scatterView({dataSet});
    const QImage image = painted([&](QPainter& painter) {
        view->renderer()->drawData(painter);
        view->renderer()->drawData(painter);
        view->renderer()->drawValues(painter);
    });
    ChartConsole::setCapture({});
    EXPECT_EQ(lines, QStringList(2, QStringLiteral("There's no ShapeRenderer specified for ScatterDataSet")));
    EXPECT_EQ(formatter->values, (QList<double>{3, 6}));
    EXPECT_FALSE(ImageInk::inkBounds(image).isEmpty());
}

TEST(ScatterChartRendererTest, AValueTextStandsAShapeSizeAndALineAboveItsPoint)
{
    struct Case {
        double shapeSize;
        double y;
    };
    for (const Case c : {Case{10, 5}, Case{20, 4}, Case{4, 6}}) {
        SCOPED_TRACE(c.shapeSize);
        auto dataSet = scatterSet({{5, c.y}});
        dataSet->setScatterShapeSize(c.shapeSize);
        dataSet->setDrawValuesEnabled(true);
        dataSet->setValueTextColor(Qt::black);
        auto view = scatterView({dataSet});
        const QImage image = painted([&](QPainter& painter) { view->renderer()->drawValues(painter); });
        // The digits stand on the baseline, an ascent below the text's top.
        const QFont font = dataSet->valueFont();
        const double top = pixel(5, c.y).y() - c.shapeSize - fontLineHeight(font);
        const QRect ink = ImageInk::inkBounds(image);
        EXPECT_NEAR(ink.bottom() + 1, top + QFontMetricsF(font).ascent(), 1.0);
        EXPECT_NEAR(ink.center().x(), pixel(5, c.y).x(), 1.0);
    }
}

TEST(ScatterChartRendererTest, AHighlightDrawsItsLinesThroughTheEntryAndStoresThePoint)
{
    for (const double phaseY : {1.0, 0.5}) {
        SCOPED_TRACE(phaseY);
        auto dataSet = scatterSet({{2, 3}, {4, 6}});
        dataSet->setHighlightColor(Qt::blue);
        dataSet->setHighlightLineWidth(2);
        auto view = scatterView({dataSet});
        view->chartAnimator()->setPhaseY(phaseY);
        auto highlight = std::make_shared<Highlight>(4, 6, 0, -1);
        const QImage image = painted([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {highlight}); });
        const QPointF point = pixel(4, 6 * phaseY);
        EXPECT_EQ(QPointF(highlight->drawX(), highlight->drawY()), point);
        EXPECT_TRUE(near(image.pixel(QPoint(static_cast<int>(point.x()), 30)), Qt::blue, 60));
        EXPECT_TRUE(near(image.pixel(QPoint(200, static_cast<int>(point.y()))), Qt::blue, 60));
    }
}

TEST(ScatterChartRendererTest, HighlightsThatNameNoDrawnEntryAreSkipped)
{
    auto dataSet = scatterSet({{2, 3}, {4, 6}});
    auto hidden = scatterSet({{2, 3}});
    hidden->setHighlightEnabled(false);
    auto view = scatterView({dataSet, hidden});
    view->chartAnimator()->setPhaseX(0.5);
    const HighlightList cases = {
        nullptr,
        std::make_shared<Highlight>(2, 3, -1, -1),
        std::make_shared<Highlight>(2, 3, 2, -1),
        std::make_shared<Highlight>(2, 3, 1, -1),
        std::make_shared<Highlight>(4, 6, 0, -1),
    };
    for (const auto& highlight : cases) {
        const QImage image = painted([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {highlight}); });
        EXPECT_TRUE(ImageInk::inkBounds(image).isEmpty());
    }
}

TEST(ScatterChartRendererTest, OnlyAScatterChartViewGetsTheHeader)
{
    const ChartDataSetList dataSets = {scatterSet({{2, 3}}, QStringLiteral("A")), scatterSet({{2, 3}}, QStringLiteral("B"))};
    auto view = scatterView(dataSets);
    auto other = fixtureView<OtherXYView>(std::make_shared<ScatterChartData>(dataSets));
    other->setRenderer(std::make_shared<ScatterChartRenderer>(other.get(), other->chartAnimator(), other->viewPortHandler()));
    painted([&](QPainter& painter) {
        view->renderer()->drawData(painter);
        other->renderer()->drawData(painter);
    });
    ASSERT_EQ(view->renderer()->accessibleChartElements().size(), 1);
    EXPECT_EQ(view->renderer()->accessibleChartElements().first()->accessibilityLabel(),
              QStringLiteral("Scatter Chart. 2 datasets. A, B"));
    EXPECT_TRUE(other->renderer()->accessibleChartElements().isEmpty());
}
