#include "ChartEngine/views/BarLineScatterCandleBubbleRenderer.h"
#include "ChartEngine/foundation/ColorFill.h"
#include "ChartEngine/views/LineRadarRenderer.h"

#include "LineTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QPainterPath>

#include <limits>
#include <vector>

using namespace Charts;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

std::shared_ptr<LineChartDataSet> tenEntries()
{
    return lineSet({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}});
}

std::shared_ptr<Animator> animatorAt(double phaseX)
{
    auto animator = std::make_shared<Animator>();
    animator->setPhaseX(phaseX);
    return animator;
}

std::vector<qint64> visited(const XBounds& bounds)
{
    return std::vector<qint64>(bounds.begin(), bounds.end());
}

// Whether the pixel is more than half covered.
bool inked(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) > 128;
}

}

TEST(XBounds, VisitsTheVisibleEntriesAndOneBeyondEachEdge)
{
    struct Case {
        const char* name;
        std::shared_ptr<LineChartDataSet> dataSet;
        std::pair<double, double> visibleX;
        std::optional<double> phaseX;
        QString description;
        std::vector<qint64> visits;
    };
    const auto run = lineSet({{0, 0}, {1, 1}, {2, 5}, {2, 5}, {3, 3}});
    const std::vector<Case> cases = {
        {"phase 1", tenEntries(), {2.5, 6.5}, 1.0, "min:2, max:7, range:5", {2, 3, 4, 5, 6, 7}},
        {"no animator", tenEntries(), {2.5, 6.5}, std::nullopt, "min:2, max:7, range:5", {2, 3, 4, 5, 6, 7}},
        {"phase 0.5", tenEntries(), {2.5, 6.5}, 0.5, "min:2, max:7, range:2", {2, 3, 4}},
        {"phase below 0", tenEntries(), {2.5, 6.5}, -0.2, "min:2, max:7, range:0", {2}},
        {"phase above 1", tenEntries(), {2.5, 6.5}, 1.7, "min:2, max:7, range:5", {2, 3, 4, 5, 6, 7}},
        {"phase not a number", tenEntries(), {2.5, 6.5}, notANumber, "min:2, max:7, range:5", {2, 3, 4, 5, 6, 7}},
        {"empty set", lineSet({}), {2.5, 6.5}, 1.0, "min:0, max:0, range:0", {0}},
        // The edge entry found is the second (2, 5): its index is that of the first equal one.
        {"run of equal entries", run, {2.5, 3}, 1.0, "min:2, max:4, range:2", {2, 3, 4}},
        {"last before first", tenEntries(), {6.5, 2.5}, 1.0, "min:6, max:3, range:-3", {}},
    };
    for (const Case& c : cases) {
        LineTestChart chart({c.dataSet}, 0, 10, 0, 10);
        chart.visibleX = c.visibleX;
        const auto animator = c.phaseX ? animatorAt(*c.phaseX) : nullptr;
        const XBounds bounds(chart, *c.dataSet, animator.get());
        EXPECT_EQ(bounds.debugDescription(), c.description) << c.name;
        EXPECT_EQ(visited(bounds), c.visits) << c.name;
    }
}

TEST(BarLineScatterCandleBubbleRenderer, ValuesAreAllowedBelowTheVisibleCountTimesTheZoom)
{
    struct Case {
        qint64 entries;
        qint64 maxVisibleCount;
        double scaleX;
        bool allowed;
    };
    const std::vector<Case> cases = {
        {99, 100, 1.0, true},
        {100, 100, 1.0, false},
        {100, 100, 1.5, true},
        {150, 100, 1.509, false},
        {5, std::numeric_limits<qint64>::max(), 1.0, true},
        {5, 100, notANumber, false},
    };
    for (const Case& c : cases) {
        auto dataSet = lineSet({});
        for (qint64 i = 0; i < c.entries; ++i) {
            dataSet->addEntry(std::make_shared<ChartDataEntry>(i, 1));
        }
        LineTestChart chart({dataSet}, 0, 10, 0, 10);
        chart.visibleCount = c.maxVisibleCount;
        chart.handler->setScaleX(c.scaleX);
        const BarLineScatterCandleBubbleRenderer renderer(nullptr, chart.handler);
        EXPECT_EQ(renderer.isDrawingValuesAllowed(&chart), c.allowed) << c.entries << " at " << c.scaleX;
    }
    const BarLineScatterCandleBubbleRenderer renderer(nullptr, std::make_shared<ViewPortHandler>(10, 10));
    EXPECT_FALSE(renderer.isDrawingValuesAllowed(nullptr));
}

TEST(BarLineScatterCandleBubbleRenderer, EntryIsInBoundsWithinTheUncoveredShare)
{
    const auto dataSet = tenEntries();
    struct Case {
        double phaseX;
        qint64 index;
        bool inBounds;
    };
    for (const Case& c : std::vector<Case>{{0.35, 3, true}, {0.35, 4, false}, {1.0, 9, true}, {notANumber, 0, false}}) {
        const BarLineScatterCandleBubbleRenderer renderer(animatorAt(c.phaseX), std::make_shared<ViewPortHandler>(10, 10));
        EXPECT_EQ(renderer.isInBoundsX(*dataSet->entryForIndex(c.index), *dataSet), c.inBounds)
            << c.index << " at " << c.phaseX;
    }
}

// Content (35, 15, 230, 125); the point (100, 190) lies below the content.
TEST(LineScatterCandleRadarRenderer, IndicatorLinesCrossTheWholeContent)
{
    struct Case {
        bool vertical;
        bool horizontal;
        QPointF point;
        std::vector<QPoint> ink;
        std::vector<QPoint> clear;
    };
    const std::vector<Case> cases = {
        {false, false, {100, 50}, {}, {{100, 50}, {100, 20}, {40, 50}}},
        {false, true, {100, 50}, {{36, 50}, {263, 50}}, {{100, 20}, {33, 50}, {267, 50}}},
        {true, false, {100, 50}, {{100, 16}, {100, 138}}, {{40, 50}, {100, 12}, {100, 142}}},
        {true, true, {100, 190}, {{100, 16}, {100, 138}, {36, 190}, {263, 190}}, {{100, 150}}},
    };
    for (const Case& c : cases) {
        auto dataSet = lineSet({});
        dataSet->setDrawVerticalHighlightIndicatorEnabled(c.vertical);
        dataSet->setDrawHorizontalHighlightIndicatorEnabled(c.horizontal);
        LineTestChart chart({dataSet}, 0, 10, 0, 10);
        LineScatterCandleRadarRenderer renderer(nullptr, chart.handler);
        const QImage image = paintedChart(chart, [&](QPainter& painter) {
            painter.setPen(QPen(Qt::black, 2));
            renderer.drawHighlightLines(painter, c.point, *dataSet);
        });
        for (const QPoint& p : c.ink) {
            EXPECT_TRUE(inked(image, p.x(), p.y())) << p.x() << ", " << p.y();
        }
        for (const QPoint& p : c.clear) {
            EXPECT_FALSE(inked(image, p.x(), p.y())) << p.x() << ", " << p.y();
        }
    }
}

// A colour of alpha 0.5 at fill alpha 0.5 paints a quarter of full coverage; a Fill paints at the
// fill alpha, and the painter's opacity is restored.
TEST(LineRadarRenderer, FilledAreaTakesTheAlphaForEverything)
{
    LineTestChart chart({lineSet({})}, 0, 10, 0, 10);
    LineRadarRenderer renderer(nullptr, chart.handler);
    QPainterPath area;
    area.addRect(QRectF(0, 0, 300, 200));
    const QImage colored = paintedChart(chart, [&](QPainter& painter) {
        renderer.drawFilledPath(painter, area, QColor(255, 0, 0, 128), 0.5);
        EXPECT_EQ(painter.opacity(), 1.0);
    });
    EXPECT_NEAR(qAlpha(colored.pixel(5, 5)), 64, 1);
    const QImage filled = paintedChart(chart, [&](QPainter& painter) {
        renderer.drawFilledPath(painter, area, ColorFill(Qt::blue), 0.5);
    });
    EXPECT_NEAR(qAlpha(filled.pixel(100, 100)), 128, 1);
}
