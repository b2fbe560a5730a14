#include "ChartEngine/views/LineChartRenderer.h"
#include "ChartEngine/components/Description.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/DefaultFillFormatter.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/LineChartView.h"

#include "../types/RecordingPaintDevice.h"
#include "LineTestChart.h"
#include "support/DrawnChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

using namespace Charts;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// A never-shown 300 x 200 line chart with offsets 35/15/35/60, content (35, 15, 230, 125), over
// x 0..10 and y 0..10 without grid, axis lines or legend: the value (x, y) lies at the pixel
// (35 + 23x, 140 - 12.5y).
std::unique_ptr<LineChartView> chartView(const ChartDataSetList& dataSets)
{
    auto view = std::make_unique<LineChartView>(QRect(0, 0, 300, 200));
    const QList<std::shared_ptr<AxisBase>> axes = {view->xAxis(), view->leftAxis(), view->rightAxis()};
    for (const auto& axis : axes) {
        axis->setAxisMinimum(0);
        axis->setAxisMaximum(10);
        axis->setDrawGridLinesEnabled(false);
        axis->setDrawAxisLineEnabled(false);
    }
    view->legend()->setEnabled(false);
    view->setData(std::make_shared<LineChartData>(dataSets));
    view->setViewPortOffsets(35, 15, 35, 60);
    return view;
}

using ChartTesting::drawn;

QPoint pixel(double x, double y)
{
    return QPoint(static_cast<int>(35 + 23 * x), static_cast<int>(140 - 12.5 * y));
}

// Each channel within the tolerance.
bool near(QRgb actual, const QColor& expected, int tolerance = 24)
{
    return std::abs(qRed(actual) - expected.red()) <= tolerance
        && std::abs(qGreen(actual) - expected.green()) <= tolerance
        && std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

std::shared_ptr<LineChartDataSet> blackLine(std::initializer_list<std::pair<double, double>> points)
{
    auto dataSet = lineSet(points);
    dataSet->setColor(Qt::black);
    dataSet->setLineWidth(2);
    dataSet->setDrawCirclesEnabled(false);
    dataSet->setDrawValuesEnabled(false);
    return dataSet;
}

}

// Entries (0, 2), (5, 8), (10, 2) drawn in each mode. On the way up: the straight line passes
// (2.5, 5); the cubic curve passes (2.125, 5.45); the horizontal bezier passes (1.484, 2.94);
// the step runs along y 2.
TEST(LineChartRenderer, LineModesAtKnownPixels)
{
    using Mode = LineChartDataSetMode;
    const QPointF straight(2.5, 5);
    const QPointF cubic(2.125, 5.45);
    const QPointF horizontal(1.484, 2.94);
    const QPointF step(2.5, 2);
    struct Case {
        Mode mode;
        std::vector<QPointF> ink;
        std::vector<QPointF> clear;
    };
    const std::vector<Case> cases = {
        {Mode::linear, {straight, {5, 8}}, {cubic, horizontal, step}},
        {Mode::stepped, {step, {5, 5}, {7.5, 8}}, {straight, cubic}},
        {Mode::cubicBezier, {cubic, {5, 8}}, {straight, horizontal, step}},
        {Mode::horizontalBezier, {horizontal, straight, {5, 8}}, {cubic, step}},
    };
    for (const Case& c : cases) {
        auto dataSet = blackLine({{0, 2}, {5, 8}, {10, 2}});
        dataSet->setMode(c.mode);
        const auto view = chartView({dataSet});
        const QImage image = drawn(*view);
        for (const QPointF& value : c.ink) {
            EXPECT_TRUE(near(image.pixel(pixel(value.x(), value.y())), Qt::black, 110))
                << static_cast<int>(c.mode) << " ink at " << value.x() << ", " << value.y();
        }
        for (const QPointF& value : c.clear) {
            EXPECT_TRUE(near(image.pixel(pixel(value.x(), value.y())), Qt::white, 8))
                << static_cast<int>(c.mode) << " clear at " << value.x() << ", " << value.y();
        }
    }
}

// A sharp turn at (0.2, 5), the pixel (39.6, 77.5), is bevelled: a mitre of the 2 px line would
// reach up to 20 px above it.
TEST(LineChartRenderer, ASharpTurnIsBevelledNotSpiked)
{
    const auto view = chartView({blackLine({{0, 0}, {0.2, 5}, {0.4, 0}})});
    const QImage image = drawn(*view);
    EXPECT_TRUE(near(image.pixel(39, 78), Qt::black, 110));
    for (int y = 55; y <= 75; ++y) {
        for (int x = 36; x <= 44; ++x) {
            ASSERT_TRUE(near(image.pixel(x, y), Qt::white, 8)) << x << ", " << y;
        }
    }
}

// A line of width 10 through values a million times beyond its axis (0..10) is stroked only where
// it can be seen: within the view widened by the pen's reach, half its width times its mitre limit
// of 10, and a point, and by half its width more where the outline of a cut end is filled. Qt
// strokes a wide line over its whole length, seen or not.
TEST(LineChartRenderer, ALineFarBeyondTheViewIsStrokedOnlyWhereItCanBeSeen)
{
    struct Case {
        const char* name;
        LineChartDataSetMode mode;
        std::optional<QList<double>> dash;
        QList<QColor> colors;
    };
    const QList<Case> cases = {
        {"linear", LineChartDataSetMode::linear, std::nullopt, {Qt::black}},
        {"stepped", LineChartDataSetMode::stepped, std::nullopt, {Qt::black}},
        {"cubic", LineChartDataSetMode::cubicBezier, std::nullopt, {Qt::black}},
        {"horizontal bezier", LineChartDataSetMode::horizontalBezier, std::nullopt, {Qt::black}},
        {"dashed", LineChartDataSetMode::linear, QList<double>{6, 4}, {Qt::black}},
        {"a segment a colour", LineChartDataSetMode::stepped, std::nullopt, {Qt::red, Qt::blue}},
    };
    const QRectF reach = QRectF(0, 0, 300, 200).adjusted(-56, -56, 56, 56);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dataSet = blackLine({{0, 5}, {2, 1e6}, {4, 5}, {6, -1e6}, {8, 5}, {10, 5}});
        dataSet->setLineWidth(10);
        dataSet->setMode(c.mode);
        dataSet->setLineDashLengths(c.dash);
        dataSet->setColors(c.colors);
        const auto view = chartView({dataSet});
        RecordingDevice device(300, 200);
        QPainter painter(&device);
        view->renderer()->drawData(painter);
        painter.end();
        ASSERT_FALSE(device.drawn().empty());
        for (const Drawn& drawn : device.drawn()) {
            const QRectF extent = drawn.kind == Drawn::Kind::line ? QRectF(drawn.line.p1(), drawn.line.p2()).normalized()
                                                                  : drawn.path.boundingRect();
            EXPECT_TRUE(reach.contains(extent.topLeft()) && reach.contains(extent.bottomRight()))
                << testing::PrintToString(extent);
        }
    }
}

// A circle (radius 8, hole 4) at (0, 5) on the content's left edge, its centre at (35, 77.5):
// the part left of the content is drawn too. The hole is sampled at (33, 75), outside the
// clipped line.
TEST(LineChartRenderer, CirclesWithHolesAtTheContentEdge)
{
    const QColor red(220, 0, 0);
    struct Case {
        const char* name;
        double holeRadius;
        std::optional<QColor> holeColor;
        QColor inHole;
    };
    const std::vector<Case> cases = {
        {"no hole colour", 4, std::nullopt, Qt::white},
        {"clear hole", 4, QColor(0, 0, 0, 0), Qt::white},
        {"blue hole", 4, QColor(Qt::blue), Qt::blue},
        {"hole as large as the circle", 8, QColor(Qt::blue), red},
        {"hole of radius 0", 0, QColor(Qt::blue), red},
    };
    for (const Case& c : cases) {
        auto dataSet = blackLine({{0, 5}, {10, 5}});
        dataSet->setDrawCirclesEnabled(true);
        dataSet->setCircleColor(red);
        dataSet->setCircleRadius(8);
        dataSet->setCircleHoleRadius(c.holeRadius);
        dataSet->setCircleHoleColor(c.holeColor);
        const auto view = chartView({dataSet});
        const QImage image = drawn(*view);
        EXPECT_TRUE(near(image.pixel(29, 77), red)) << c.name;
        EXPECT_TRUE(near(image.pixel(33, 75), c.inHole)) << c.name;
    }
}

// The area between the line at y 5 and the fill line at y 2, in red at alpha 0.5 over white.
TEST(LineChartRenderer, FilledAreaDownToTheFillLine)
{
    const QColor halfRed(255, 128, 128);
    for (const auto mode : {LineChartDataSetMode::linear, LineChartDataSetMode::cubicBezier}) {
        auto dataSet = blackLine({{0, 5}, {10, 5}});
        dataSet->setMode(mode);
        dataSet->setDrawFilledEnabled(true);
        dataSet->setFillColor(Qt::red);
        dataSet->setFillAlpha(0.5);
        dataSet->setFillFormatter(DefaultFillFormatter::withBlock(
            [](const LineChartDataSetProtocol&, const ChartDataProvider&) { return 2.0; }));
        const auto view = chartView({dataSet});
        const QImage image = drawn(*view);
        EXPECT_TRUE(near(image.pixel(pixel(5, 3.5)), halfRed, 8)) << static_cast<int>(mode);
        EXPECT_TRUE(near(image.pixel(pixel(5, 1)), Qt::white, 8)) << static_cast<int>(mode);
        EXPECT_TRUE(near(image.pixel(pixel(5, 5)), Qt::black, 110)) << static_cast<int>(mode);
    }
}

// A zone band from y 0 to 5 lies under a line that crosses it.
TEST(LineChartRenderer, ZoneBandsLieUnderTheLine)
{
    const QColor green(0, 160, 0);
    auto dataSet = blackLine({{0, 2}, {10, 8}});
    const auto view = chartView({dataSet});
    view->leftAxis()->setDrawGridLinesBackgroungEnabled(true);
    view->leftAxis()->setBackgroundLimit({ZoneBand{0, 5, green}});
    const QImage image = drawn(*view);
    EXPECT_TRUE(near(image.pixel(pixel(5, 1)), green, 8));
    EXPECT_TRUE(near(image.pixel(pixel(2.5, 3.5)), Qt::black, 110));
    EXPECT_TRUE(near(image.pixel(pixel(2.5, 7)), Qt::white, 8));
}

// The lowest row of a value label's ink above the point (5, 5): with a label drawn at a
// distance of valOffset above its point, the ink rises by valOffset against a radius of 0.
TEST(LineChartRenderer, ValueLabelsStandAboveTheirPoints)
{
    const auto labelBottom = [](double radius, bool circles) {
        auto dataSet = lineSet({{5, 5}, {6, 5}});
        dataSet->setColor(Qt::transparent);
        dataSet->setCircleColor(Qt::transparent);
        dataSet->setCircleRadius(radius);
        dataSet->setDrawCirclesEnabled(circles);
        dataSet->setValueTextColor(Qt::black);
        const auto view = chartView({dataSet});
        const QImage image = drawn(*view);
        const QPoint point = pixel(5, 5);
        for (int y = point.y(); y > 0; --y) {
            for (int x = point.x() - 8; x <= point.x() + 8; ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    return y;
                }
            }
        }
        return 0;
    };
    const int reference = labelBottom(0, false);
    struct Case {
        double radius;
        bool circles;
        int valOffset;
    };
    for (const Case& c : std::vector<Case>{{8, true, 14}, {8, false, 7}, {2.5, true, 4}, {2.5, false, 2}, {infinity, false, 0}}) {
        EXPECT_EQ(reference - labelBottom(c.radius, c.circles), c.valOffset) << c.radius << ", " << c.circles;
    }
}

// Circles of radius 8 at (2, 5) and (8, 5), pixels (81, 77.5) and (219, 77.5).
TEST(LineChartRenderer, AccessibilityElementsOfThePoints)
{
    struct Case {
        const char* name;
        bool secondSet;
        bool circles;
        QStringList labels;
    };
    const std::vector<Case> cases = {
        {"one set", false, true, {"Line Chart. 1 dataset. PEF", " 2: 5.00", " 8: 5.00"}},
        {"two sets", true, true,
         {"Line Chart. 2 datasets. PEF, ", "PEF,  2: 5.00", "PEF,  8: 5.00", ",  5: 1.00"}},
        {"a reader reaches the points without circles too", false, false,
         {"Line Chart. 1 dataset. PEF", " 2: 5.00", " 8: 5.00"}},
    };
    for (const Case& c : cases) {
        auto pef = lineSet({{2, 5}, {8, 5}});
        pef->setDrawCirclesEnabled(c.circles);
        ChartDataSetList sets = {pef};
        if (c.secondSet) {
            auto other = lineSet({{5, 1}});
            other->setLabel(std::nullopt);
            sets.append(other);
        }
        const auto view = chartView(sets);
        drawn(*view);
        QStringList labels;
        for (const auto& element : view->renderer()->accessibleChartElements()) {
            labels.append(element->accessibilityLabel());
        }
        EXPECT_EQ(labels, c.labels) << c.name;
    }
    const auto view = chartView({lineSet({{2, 5}, {8, 5}})});
    drawn(*view);
    std::weak_ptr<NSUIAccessibilityElement> old;
    {
        const auto elements = view->renderer()->accessibleChartElements();
        ASSERT_EQ(elements.size(), 3);
        EXPECT_TRUE(elements.at(0)->isHeader());
        EXPECT_EQ(elements.at(0)->accessibilityFrame(), QRectF(0, 0, 300, 200));
        EXPECT_EQ(elements.at(1)->accessibilityFrame(), QRectF(81 - 24, 77.5 - 24, 48, 48));
        old = elements.at(1);
    }
    // A new pass over unchanged data keeps the elements, so a reader's references stay valid.
    drawn(*view);
    ASSERT_FALSE(old.expired());
    EXPECT_EQ(view->renderer()->accessibleChartElements().at(1), old.lock());
}

TEST(AccessibilityHeader, LabelNamesTheChartAndItsDataSets)
{
    struct Case {
        std::optional<QString> description;
        QList<std::optional<QString>> labels;
        QString expected;
    };
    const std::vector<Case> cases = {
        {std::nullopt, {"A", "B"}, "Combined Chart. 2 datasets. A, B"},
        {std::nullopt, {std::nullopt}, "Combined Chart. 1 dataset. "},
        {std::nullopt, {}, "Combined Chart. 0 datasets. "},
        {QString(), {"A", "B"}, ". 2 datasets. A, B"},
        {"PEF readings", {std::nullopt, std::nullopt}, "PEF readings. 2 datasets. , "},
    };
    for (const Case& c : cases) {
        ChartDataSetList sets;
        for (const auto& label : c.labels) {
            auto dataSet = lineSet({});
            dataSet->setLabel(label);
            sets.append(dataSet);
        }
        const LineChartView view(QRect(0, 0, 120, 80));
        view.chartDescription()->setText(c.description);
        const auto header = makeAccessibilityHeader(view, LineChartData(sets), "Combined Chart");
        EXPECT_EQ(header->accessibilityLabel(), c.expected);
        EXPECT_EQ(header->accessibilityRole(), QAccessible::StaticText);
    }
}

// Highlights of the set (0, 2), (5, 8), (10, 2) at x 0..10 on the test chart. Bad highlights are
// skipped without a draw position; a good one gets its pixel, indicator lines or not.
TEST(LineChartRenderer, HighlightsGetTheirDrawPosition)
{
    struct Case {
        const char* name;
        std::shared_ptr<Highlight> highlight;
        double phaseX;
        bool indicators;
        QPointF drawPosition;
    };
    const QPointF none(0, 0);
    const std::vector<Case> cases = {
        {"null", nullptr, 1.0, true, none},
        {"negative set index", std::make_shared<Highlight>(5, 8, -1, 0), 1.0, true, none},
        {"set index past the end", std::make_shared<Highlight>(5, 8, 1, 0), 1.0, true, none},
        {"found", std::make_shared<Highlight>(5, 8, 0, 0), 1.0, true, {150, 40}},
        {"indicators off", std::make_shared<Highlight>(5, 8, 0, 0), 1.0, false, {150, 40}},
        {"nearest x", std::make_shared<Highlight>(9, notANumber, 0, 0), 1.0, false, {265, 115}},
        {"not yet uncovered", std::make_shared<Highlight>(10, 2, 0, 0), 0.5, true, none},
        {"right of the animated x", std::make_shared<Highlight>(5, 8, 0, 0), 0.45, true, none},
    };
    for (const Case& c : cases) {
        auto dataSet = lineSet({{0, 2}, {5, 8}, {10, 2}});
        dataSet->setDrawHighlightIndicators(c.indicators);
        LineTestChart chart({dataSet}, 0, 10, 0, 10);
        auto animator = std::make_shared<Animator>();
        animator->setPhaseX(c.phaseX);
        LineChartRenderer renderer(&chart, animator, chart.handler);
        paintedChart(chart, [&](QPainter& painter) { renderer.drawHighlighted(painter, {c.highlight, c.highlight}); });
        if (c.highlight) {
            EXPECT_EQ(QPointF(c.highlight->drawX(), c.highlight->drawY()), c.drawPosition) << c.name;
        }
    }
}

// A line from (0, 0) to (10, 10) in a vertical gradient: the colour near its lower and upper end.
TEST(LineChartRenderer, GradientLinePairsColoursAndPositionsFromTheEnd)
{
    struct Case {
        const char* name;
        QList<QColor> colors;
        std::optional<QList<double>> positions;
        std::optional<QColor> bottom;
        std::optional<QColor> top;
    };
    const QColor red(255, 0, 0);
    const QColor green(0, 255, 0);
    const QColor blue(0, 0, 255);
    const std::vector<Case> cases = {
        {"no positions", {red, blue}, std::nullopt, std::nullopt, std::nullopt},
        {"two and two", {red, blue}, QList<double>{0, 10}, red, blue},
        {"more colours than positions", {red, green, blue}, QList<double>{0, 10}, green, blue},
        {"more positions than colours", {red, blue}, QList<double>{0, 5, 10}, red, blue},
        {"a position not a number", {red, green, blue}, QList<double>{0, notANumber, 10}, red, blue},
    };
    for (const Case& c : cases) {
        auto dataSet = lineSet({{0, 0}, {10, 10}});
        dataSet->setColors(c.colors);
        dataSet->setLineWidth(6);
        dataSet->setDrawLineWithGradientEnabled(true);
        dataSet->setGradientPositions(c.positions);
        LineTestChart chart({dataSet}, 0, 10, 0, 10);
        LineChartRenderer renderer(&chart, nullptr, chart.handler);
        const QImage image = paintedChart(chart, [&](QPainter& painter) { renderer.drawData(painter); });
        const QRgb bottom = image.pixel(pixel(0.5, 0.5));
        const QRgb top = image.pixel(pixel(9.5, 9.5));
        if (!c.bottom) {
            EXPECT_EQ(qAlpha(bottom), 0) << c.name;
            EXPECT_EQ(qAlpha(top), 0) << c.name;
            continue;
        }
        EXPECT_TRUE(near(bottom, *c.bottom, 40)) << c.name;
        EXPECT_TRUE(near(top, *c.top, 40)) << c.name;
    }
}

// A dash pattern with a length that no dash can have draws the line solid, in every mode, as a
// plain and as a gradient line (whose outline is stroked apart from the pen).
TEST(LineChartRenderer, DashLengthsThatAreNoLengthDrawSolid)
{
    using Points = std::initializer_list<std::pair<double, double>>;
    const auto drawnLine = [](LineChartDataSetMode mode, bool gradient, std::optional<QList<double>> dash,
                              Points points = {{0, 2}, {5, 8}, {10, 2}}) {
        auto dataSet = blackLine(points);
        dataSet->setMode(mode);
        dataSet->setDrawLineWithGradientEnabled(gradient);
        dataSet->setColors({Qt::red, Qt::blue});
        dataSet->setGradientPositions(QList<double>{0, 10});
        dataSet->setLineDashLengths(std::move(dash));
        return drawn(*chartView({dataSet}));
    };
    for (const auto mode : {LineChartDataSetMode::linear, LineChartDataSetMode::stepped,
                            LineChartDataSetMode::cubicBezier, LineChartDataSetMode::horizontalBezier}) {
        for (const bool gradient : {false, true}) {
            const QImage solid = drawnLine(mode, gradient, std::nullopt);
            EXPECT_NE(drawnLine(mode, gradient, QList<double>{6, 4}), solid)
                << static_cast<int>(mode) << " gradient " << gradient;
            for (const double length : {notANumber, 0.0, -3.0, infinity}) {
                EXPECT_EQ(drawnLine(mode, gradient, QList<double>{6, length}), solid)
                    << static_cast<int>(mode) << " gradient " << gradient << " length " << length;
            }
        }
        // Dashes of a hair's length would make millions of dashes, which once took minutes to
        // stroke, on a plain line as on a gradient line's outline: such a line is solid.
        for (const bool gradient : {false, true}) {
            EXPECT_EQ(drawnLine(mode, gradient, QList<double>{1e-5, 1e-5}), drawnLine(mode, gradient, std::nullopt))
                << static_cast<int>(mode) << " gradient " << gradient;
        }
        // A curve through an x of 4e121 and a y of 1e115 is longer than any dashes can fill: solid.
        // Its length is that of its curves flattened as Qt draws them: Qt's own reckoning of the
        // length of such a curve took minutes.
        const Points far = {{0, 2}, {4e121, 2}, {5, 1e115}, {6, 2}, {7, 2}};
        if (mode == LineChartDataSetMode::cubicBezier || mode == LineChartDataSetMode::horizontalBezier) {
            EXPECT_EQ(drawnLine(mode, false, QList<double>{6, 4}, far), drawnLine(mode, false, std::nullopt, far))
                << static_cast<int>(mode);
        }
    }
}

// 400 entries zig-zagging between y 2 and 8 over x 0..10: drawn in batches from the copy of
// the values. After each edit, made without telling anyone, the renderer that drew before draws
// what a new renderer draws, and the edit shows.
TEST(LineChartRenderer, ValueCopyFollowsEveryEdit)
{
    using Edit = std::function<void(LineChartDataSet&)>;
    const auto entry = [](double x, double y) { return std::make_shared<ChartDataEntry>(x, y); };
    ChartDataEntryList rising;
    for (int i = 0; i < 300; ++i) {
        rising.append(entry(i / 30.0, i / 30.0));
    }
    struct Case {
        const char* name;
        Edit edit;
    };
    const std::vector<Case> cases = {
        {"addEntry", [&](LineChartDataSet& s) { s.addEntry(entry(10, 9.5)); }},
        {"addEntryOrdered", [&](LineChartDataSet& s) { s.addEntryOrdered(entry(5.01, 9.5)); }},
        {"removeEntry", [](LineChartDataSet& s) { s.removeEntry(s.entryForIndex(200)); }},
        {"removeEntryWithIndex", [](LineChartDataSet& s) { s.removeEntryWithIndex(200); }},
        {"removeFirst", [](LineChartDataSet& s) { s.removeFirst(); }},
        {"removeLast", [](LineChartDataSet& s) { s.removeLast(); }},
        {"removeFirst count", [](LineChartDataSet& s) { s.removeFirst(20); }},
        {"removeLast count", [](LineChartDataSet& s) { s.removeLast(20); }},
        {"setAt", [&](LineChartDataSet& s) { s.setAt(200, entry(s.entryForIndex(200)->x(), 9.5)); }},
        {"append", [&](LineChartDataSet& s) { s.append({entry(10, 9.5)}); }},
        {"insert", [&](LineChartDataSet& s) { s.insert(200, entry(s.entryForIndex(200)->x(), 9.5)); }},
        {"removeAt", [](LineChartDataSet& s) { s.removeAt(200); }},
        {"removeRange", [](LineChartDataSet& s) { s.removeRange(100, 120); }},
        {"replaceRange", [&](LineChartDataSet& s) { s.replaceRange(100, 120, {entry(2.6, 9.5)}); }},
        {"removeAll", [](LineChartDataSet& s) { s.removeAll([](const ChartDataEntry& e) { return e.x() > 5 && e.y() > 5; }); }},
        {"setEntries", [&](LineChartDataSet& s) { s.setEntries(rising); }},
        {"replaceEntries", [&](LineChartDataSet& s) { s.replaceEntries(rising); }},
        {"clear", [](LineChartDataSet& s) { s.clear(); }},
        {"entry x", [](LineChartDataSet& s) { s.entryForIndex(200)->setX(5.2); }},
        {"entry y", [](LineChartDataSet& s) { s.entryForIndex(200)->setY(9.5); }},
    };
    for (const Case& c : cases) {
        auto dataSet = lineSet({});
        for (int i = 0; i < 400; ++i) {
            dataSet->addEntry(std::make_shared<ChartDataEntry>(i * 0.025, i % 2 ? 8 : 2));
        }
        dataSet->setColor(Qt::black);
        LineTestChart chart({dataSet}, 0, 10, 0, 10);
        LineChartRenderer drawnBefore(&chart, nullptr, chart.handler);
        const auto drawData = [&chart](LineChartRenderer& renderer) {
            return paintedChart(chart, [&](QPainter& painter) { renderer.drawData(painter); });
        };
        const QImage before = drawData(drawnBefore);
        c.edit(*dataSet);
        LineChartRenderer fresh(&chart, nullptr, chart.handler);
        const QImage expected = drawData(fresh);
        EXPECT_FALSE(expected == before) << c.name;
        EXPECT_TRUE(drawData(drawnBefore) == expected) << c.name;
    }
}

// Points on the top edge of the content (y from 50 to 900): at some chart heights (207 and 216
// among them, with either top offset) the value 900 lands a rounding error above the edge, at
// others (200, 208) on it or below. Each keeps its circle, its accessibility element and its
// value label: above it where the label fits in the view (top offset 40), else below it.
TEST(LineChartRenderer, PointsOnTheTopEdgeKeepTheirCirclesAndValuesAtEveryHeight)
{
    const struct {
        int top;
        int labelTop, labelBottom; // the rows the label's ink lies in
    } offsets[] = {{40, 10, 30}, {15, 28, 42}};
    for (const auto& offset : offsets) {
        for (const int height : {200, 207, 208, 216, 225, 250, 300, 301}) {
            LineChartView view(QRect(0, 0, 300, height));
            view.xAxis()->setAxisMinimum(0);
            view.xAxis()->setAxisMaximum(10);
            view.xAxis()->setDrawLabelsEnabled(false);
            for (const auto& axis : {view.leftAxis(), view.rightAxis()}) {
                axis->setAxisMinimum(50);
                axis->setAxisMaximum(900);
            }
            auto dataSet = lineSet({{2, 900}, {5, 900}, {8, 900}});
            dataSet->setColor(Qt::transparent);
            dataSet->setCircleColor(Qt::green);
            dataSet->setValueTextColor(Qt::black);
            view.legend()->setEnabled(false);
            view.setData(std::make_shared<LineChartData>(ChartDataSetList{dataSet}));
            view.setViewPortOffsets(35, offset.top, 35, 60);
            const QImage image = drawn(view, QSize(300, height));

            QStringList labels;
            for (const auto& element : view.renderer()->accessibleChartElements()) {
                labels.append(element->accessibilityLabel());
            }
            EXPECT_EQ(labels, (QStringList{"Line Chart. 1 dataset. PEF", " 2: 900", " 5: 900", " 8: 900"}))
                << offset.top << ", " << height;
            for (const double x : {2.0, 5.0, 8.0}) {
                const int centre = static_cast<int>(35 + 23 * x);
                EXPECT_TRUE(near(image.pixel(centre, offset.top + 6), Qt::green))
                    << offset.top << ", " << height << " circle at " << x;
                int labelInk = 0;
                for (int y = offset.labelTop; y < offset.labelBottom; ++y) {
                    for (int column = centre - 12; column <= centre + 12; ++column) {
                        labelInk += qGray(image.pixel(column, y)) < 100 ? 1 : 0;
                    }
                }
                EXPECT_GT(labelInk, 0) << offset.top << ", " << height << " value at " << x;
            }
        }
    }
}
