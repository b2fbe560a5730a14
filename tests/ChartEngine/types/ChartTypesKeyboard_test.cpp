#include "ChartEngine/components/Description.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/HorizontalBarChartView.h"
#include "ChartEngine/types/PieChartView.h"
#include "ChartEngine/types/RadarChartView.h"
#include "ChartEngine/types/ScatterChartView.h"

#include "../views/ViewTestChart.h"
#include "BarTestChart.h"
#include "CombinedTestChart.h"
#include "PieTestChart.h"
#include "RadarTestChart.h"
#include "XYChartFixture.h"
#include "support/ChartAccessibilityEvents.h"
#include "support/QtPrinters.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>

using namespace Charts;

namespace {

using ElementKey = std::tuple<qint64, qint64, qint64>;
using Element = std::shared_ptr<NSUIAccessibilityElement>;

// The entry elements of the last drawing by data set, entry and stack segment (held, so that
// an element thrown away cannot be mistaken for a new one made at its address).
std::map<ElementKey, Element> entryElements(const ChartViewBase& view)
{
    std::map<ElementKey, Element> found;
    for (const auto& element : view.accessibilityChildren()) {
        if (element->isEntry()) {
            found[{element->dataSetIndex(), element->entryIndex(), element->stackIndex()}] = element;
        }
    }
    return found;
}

// The header elements of the last drawing, in order.
QList<Element> headerElements(const ChartViewBase& view)
{
    QList<Element> found;
    for (const auto& element : view.accessibilityChildren()) {
        if (element->isHeader()) {
            found << element;
        }
    }
    return found;
}

// The keys of the entry elements whose interface has the selected state.
QList<ElementKey> selectedElements(const ChartViewBase& view)
{
    QList<ElementKey> selected;
    for (const auto& [key, element] : entryElements(view)) {
        if (QAccessible::queryAccessibleInterface(element.get())->state().selected) {
            selected << key;
        }
    }
    return selected;
}

// The keys of the elements a reader lists, in its order.
QList<ElementKey> listedKeys(const ChartViewBase& view)
{
    QList<ElementKey> keys;
    for (const auto& element : view.accessibilityRows()) {
        keys << ElementKey{element->dataSetIndex(), element->entryIndex(), element->stackIndex()};
    }
    return keys;
}

QList<ElementKey> keysOf(const std::map<ElementKey, Element>& elements)
{
    QList<ElementKey> keys;
    for (const auto& [key, element] : elements) {
        keys << key;
    }
    return keys;
}

// An x-y view of the kind with one set of three entries at x 2, 5 and 8.
template <typename View, typename Data, typename Set, typename Entry, typename... Values>
std::unique_ptr<ChartViewBase> xyView(Values... values)
{
    ChartDataEntryList entries;
    for (const double x : {2.0, 5.0, 8.0}) {
        entries << std::make_shared<Entry>(x, values...);
    }
    return XYChartFixture::fixtureView<View>(std::make_shared<Data>(ChartDataSetList{std::make_shared<Set>(entries, "A")}));
}

std::unique_ptr<ChartViewBase> stackedBarView()
{
    return BarTesting::fixtureView<BarChartView>(
        BarTesting::barData({BarTesting::barSet({1.0, QList<double>{1, 2, 3}, 2.0})}));
}

// One chart of each type with three entries in its first set: its entry and header elements
// once drawn, and the elements selected after two steps to the right.
struct ChartType {
    const char* name;
    std::function<std::unique_ptr<ChartViewBase>()> make;
    std::size_t entries;
    qsizetype headers;
    QList<ElementKey> secondSelected;
};

QList<ChartType> chartTypes()
{
    return {
        {"line", [] { return ViewTesting::fixtureView({{10, 30}, {50, 60}, {90, 20}}); }, 3, 1, {{0, 1, -1}}},
        // A step highlights a whole stack.
        {"stacked bar", stackedBarView, 5, 1, {{0, 1, 0}, {0, 1, 1}, {0, 1, 2}}},
        {"pie", [] { return PieTesting::pieView({1, 2, 3}); }, 3, 1, {{0, 1, -1}}},
        // The chart's header and its set's; the renderer lists the points by value (1, 0, 2).
        {"radar", [] { return RadarTesting::radarView({RadarTesting::radarSet({5, 6, 4})}); }, 3, 2, {{0, 1, -1}}},
        {"candle",
         [] {
             return xyView<CandleStickChartView, CandleChartData, CandleChartDataSet, CandleChartDataEntry>(9.0, 2.0,
                                                                                                            4.0, 7.0);
         },
         3, 1, {{0, 1, -1}}},
        {"scatter", [] { return xyView<ScatterChartView, ScatterChartData, ScatterChartDataSet, ChartDataEntry>(5.0); },
         3, 1, {{0, 1, -1}}},
        // Three line points and five bar segments.
        {"combined", [] { return CombinedTesting::fixtureView(CombinedTesting::lineAndBars()); }, 8, 1, {{0, 1, -1}}},
    };
}

QString highlightText(const ChartViewBase& view)
{
    const auto highlights = view.highlighted();
    if (highlights.isEmpty()) {
        return QStringLiteral("none");
    }
    const Highlight& h = *highlights.first();
    return QStringLiteral("data %1 set %2 stack %3 at %4, %5")
        .arg(h.dataIndex()).arg(h.dataSetIndex()).arg(h.stackIndex()).arg(h.x()).arg(h.y());
}

}

namespace {

// What a reader hears of each item of the drawn chart, in the list's order.
QStringList itemNames(ChartViewBase& view)
{
    EXPECT_TRUE(view.getChartImage(true));
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(&view);
    QStringList names;
    for (int i = 0; i < chart->childCount(); ++i) {
        names << chart->child(i)->text(QAccessible::Name);
    }
    return names;
}

// Morning 1 and Evening 3 grouped as "Jan".
std::unique_ptr<ChartViewBase> groupedBars()
{
    const auto data = BarTesting::barData({BarTesting::barSet({1.0}, "Morning"), BarTesting::barSet({3.0}, "Evening")});
    auto view = BarTesting::fixtureView<BarChartView>(data);
    view->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(QStringList{"Jan"}));
    view->groupBars(0, 0.12, 0.04);
    return view;
}

}

// A slice says its share of the whole (or the percent sign on a value that is the share), and a
// grouped bar its group's x text in every set.
TEST(ChartTypesAccessibility, ASliceSaysItsShareAndAGroupedBarItsGroupsXText)
{
    const auto pie = [](bool percentValues) {
        return PieTesting::pieView({1, 3}, QRect(0, 0, 200, 200), [&](PieChartView& view, PieChartDataSet&) {
            view.setUsePercentValuesEnabled(percentValues);
        });
    };
    const QList<std::tuple<const char*, std::function<std::unique_ptr<ChartViewBase>()>, QStringList>> cases = {
        {"bars, grouped", groupedBars, {"Morning,  Jan: 1.00", "Evening,  Jan: 3.00"}},
        {"pie", [&] { return pie(false); }, {" : 1.00 (25 %)", " : 3.00 (75 %)"}},
        {"pie of percent values", [&] { return pie(true); }, {" : 25.00 % ", " : 75.00 % "}},
    };
    for (const auto& [name, make, names] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(itemNames(*make()), names);
    }
}

TEST(ChartTypesKeyboard, AStackSegmentIsSelectedAloneWhenOnlyItIsHighlighted)
{
    const auto view = stackedBarView();
    struct Case {
        const char* name;
        std::shared_ptr<Highlight> highlight;
        QList<ElementKey> selected;
    };
    const QList<Case> cases = {
        {"its middle segment", std::make_shared<Highlight>(1.0, 0, 1), {{0, 1, 1}}},
        {"a plain bar", view->highlightForEntry(0, 2), {{0, 2, -1}}},
        {"nothing", nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view->highlightValue(c.highlight);
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(selectedElements(*view), c.selected);
    }
}

// The stepped-to entry's elements are the selected ones, and a reader's list holds every entry
// once in the order the keys step through them, a highlighted slice at its own place and a radar's
// points spoke by spoke. Entry elements stay through a step, a new size and a scroll, until the
// data changes, which a reader hears as a reorder and, where the bridge cannot carry that, as a
// new description; headers stay across data changes too.
TEST(ChartTypesKeyboard, SteppedToElementIsSelectedAndElementsKeepTheirIdentity)
{
    for (const ChartType& type : chartTypes()) {
        SCOPED_TRACE(type.name);
        const auto view = type.make();
        // A highlighted entry keeps its element too.
        QTest::keyClick(view.get(), Qt::Key_Right);
        ASSERT_TRUE(view->getChartImage(true));
        const auto before = entryElements(*view);
        const auto headers = headerElements(*view);
        ASSERT_EQ(before.size(), type.entries);
        ASSERT_EQ(headers.size(), type.headers);
        QTest::keyClick(view.get(), Qt::Key_Right);
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(selectedElements(*view), type.secondSelected);
        EXPECT_EQ(listedKeys(*view), keysOf(entryElements(*view))) << "a reader's list";
        view->setFrame(QRect(0, 0, 360, 240));
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(entryElements(*view), before) << "after a new size";
        if (auto* xy = dynamic_cast<BarLineChartViewBase*>(view.get())) {
            xy->zoom(3, 3, 40, 40);
            xy->performPanChange(QPointF(-60, 30));
        }
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(entryElements(*view), before) << "after a zoom and a scroll";
        EXPECT_EQ(headerElements(*view), headers);

        ChartEventCapture capture;
        view->setData(view->data());
        EXPECT_TRUE(capture.sent(view.get(), QAccessible::ObjectReorder));
        EXPECT_TRUE(capture.sent(view.get(), QAccessible::DescriptionChanged));
        ASSERT_TRUE(view->getChartImage(true));
        const auto after = entryElements(*view);
        ASSERT_EQ(after.size(), type.entries);
        for (const auto& [key, element] : after) {
            EXPECT_NE(element, before.at(key));
        }
        EXPECT_EQ(headerElements(*view), headers);
    }
}

TEST(ChartTypesKeyboard, AChangedHeaderTextKeepsItsElementAndIsAnnounced)
{
    for (const ChartType& type : chartTypes()) {
        SCOPED_TRACE(type.name);
        const auto view = type.make();
        ASSERT_TRUE(view->getChartImage(true));
        const Element header = headerElements(*view).value(0);
        ASSERT_TRUE(header);
        {
            ChartEventCapture unchanged;
            ASSERT_TRUE(view->getChartImage(true));
            EXPECT_FALSE(unchanged.sent(header.get(), QAccessible::NameChanged));
            EXPECT_FALSE(unchanged.sent(view.get(), QAccessible::DescriptionChanged));
        }
        ChartEventCapture capture;
        view->chartDescription()->setText(QStringLiteral("Peak flow"));
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(headerElements(*view).value(0), header);
        EXPECT_TRUE(header->accessibilityLabel().startsWith(QStringLiteral("Peak flow. ")))
            << header->accessibilityLabel().toStdString();
        EXPECT_TRUE(capture.sent(header.get(), QAccessible::NameChanged));
        // A reader meets the header's text as the chart's description.
        EXPECT_TRUE(capture.sent(view.get(), QAccessible::DescriptionChanged));
    }
}

// Up and Down pass through each segment of a stack on their way between sets: Down enters a
// stack whole (heard as its first segment) and climbs it, Up enters at its last segment and
// goes down it; Left and Right keep the segment as far as the next stack reaches.
TEST(ChartTypesKeyboard, UpAndDownReachEachSegmentOfAStack)
{
    const std::map<QChar, Qt::Key> keys = {
        {'R', Qt::Key_Right}, {'D', Qt::Key_Down}, {'U', Qt::Key_Up}, {'E', Qt::Key_End}};
    const QList<std::tuple<const char*, QString, QList<ElementKey>>> cases = {
        {"down enters a stack whole", "RD", {{1, 0, 0}, {1, 0, 1}, {1, 0, 2}}},
        {"and climbs it to its last segment", "RDDD", {{1, 0, 2}}},
        {"then to the next set, where it stays", "RDDDDD", {{2, 0, -1}}},
        {"up enters a stack at its last segment", "RDDDDU", {{1, 0, 2}}},
        {"and goes down it to its first", "RDDU", {{1, 0, 0}}},
        {"then to the set before", "RDDUU", {{0, 0, -1}}},
        {"right keeps the segment", "RDDR", {{1, 1, 1}}},
        {"held to a shorter stack", "RDDDR", {{1, 1, 1}}},
        {"a plain bar is whole", "RDDE", {{1, 2, -1}}},
    };
    for (const auto& [name, typed, selected] : cases) {
        SCOPED_TRACE(name);
        // Set 1 holds the stacks [1, 2, 3] and [4, 5] and the plain bar 6, between two plain sets.
        const auto view = BarTesting::fixtureView<BarChartView>(
            BarTesting::barData({BarTesting::barSet({1.0, 2.0, 3.0}),
                                 BarTesting::barSet({QList<double>{1, 2, 3}, QList<double>{4, 5}, 6.0}),
                                 BarTesting::barSet({7.0, 8.0, 9.0})}));
        for (const QChar key : typed) {
            QTest::keyClick(view.get(), keys.at(key));
        }
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(selectedElements(*view), selected);
    }
}

TEST(CombinedChartKeyboard, UpAndDownChangeTheSetAcrossKindsAsClicksWould)
{
    // The line (0, 3), (2, 3), (10, 3) is set 0 of data 0; the bars 1, 2 and [1, 2, 3] at x 0, 1
    // and 2 are set 0 of data 1. A step highlights the whole stack, as a click does, and the
    // marker shows it.
    struct Case {
        const char* name;
        QList<Qt::Key> keys;
        QString highlighted;
    };
    const QList<Case> cases = {
        {"down goes to the bars", {Qt::Key_Down}, "data 1 set 0 stack -1 at 0, 1"},
        {"down keeps the position, held to the set's end", {Qt::Key_End, Qt::Key_Down}, "data 1 set 0 stack -1 at 2, 6"},
        {"down stops at the last set", {Qt::Key_Down, Qt::Key_Down}, "data 1 set 0 stack -1 at 0, 1"},
        {"up goes back to the line", {Qt::Key_Down, Qt::Key_End, Qt::Key_Up}, "data 0 set 0 stack -1 at 10, 3"},
        {"up stops at the first set", {Qt::Key_Up}, "data 0 set 0 stack -1 at 0, 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = CombinedTesting::fixtureView(CombinedTesting::lineAndBars());
        auto marker = std::make_shared<ViewTesting::RecordingMarker>();
        view->setMarker(marker);
        for (const Qt::Key key : c.keys) {
            QTest::keyClick(view.get(), key);
        }
        EXPECT_EQ(highlightText(*view), c.highlighted);
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(marker->points.size(), 1);
    }
}

TEST(CombinedChartKeyboard, TheViewFollowsAndTheSteppedToPointIsAnnounced)
{
    const auto view = CombinedTesting::fixtureView(CombinedTesting::lineAndBars());
    view->setVisibleXRangeMaximum(3);
    view->moveViewToX(0);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->setFocus();
    struct Case {
        const char* name;
        Qt::Key key;
        double x;
        ElementKey announced;
        QList<ElementKey> selected;
    };
    const QList<Case> cases = {
        {"the line's first point", Qt::Key_Right, 0, {0, 0, -1}, {{0, 0, -1}}},
        {"its last, out of view", Qt::Key_End, 10, {0, 2, -1}, {{0, 2, -1}}},
        {"the bars' last, a stack", Qt::Key_Down, 2, {1, 2, 0}, {{1, 2, 0}, {1, 2, 1}, {1, 2, 2}}},
        {"their first, back at the start", Qt::Key_Home, 0, {1, 0, -1}, {{1, 0, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartEventCapture capture;
        QTest::keyClick(view.get(), c.key);
        EXPECT_LE(view->lowestVisibleX(), c.x);
        EXPECT_GE(view->highestVisibleX(), c.x);
        view->repaint();
        const auto elements = entryElements(*view);
        ASSERT_TRUE(elements.contains(c.announced));
        QObject* point = elements.at(c.announced).get();
        EXPECT_TRUE(capture.sent(point, QAccessible::Focus));
        EXPECT_TRUE(capture.sent(point, QAccessible::Selection));
        EXPECT_EQ(selectedElements(*view), c.selected);
    }
    QTest::keyClick(view.get(), Qt::Key_Escape);
    view->repaint();
    EXPECT_TRUE(selectedElements(*view).isEmpty());
}

// After a zoom about the content's bottom-left corner, every entry has an element: those drawn
// on screen, the others off screen, with no place there. A step to any of them reaches an item
// of the chart that a reader can hear.
TEST(ChartTypesKeyboard, EveryEntryHasAnElementOnScreenOrOff)
{
    // Zooms that leave some entries of each chart in view: along x, or along y for the stack.
    const std::map<std::string, QPointF> zooms = {{"stacked bar", {1, 4}}};
    for (const ChartType& type : chartTypes()) {
        const auto made = type.make();
        auto* view = dynamic_cast<BarLineChartViewBase*>(made.get());
        if (!view) {
            continue;
        }
        SCOPED_TRACE(type.name);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
        view->setFocus();
        const QPointF zoom = zooms.contains(type.name) ? zooms.at(type.name) : QPointF(4, 1);
        view->zoom(zoom.x(), zoom.y(), 0, 0);
        view->repaint();
        const auto elements = entryElements(*view);
        ASSERT_EQ(elements.size(), type.entries);
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view);
        EXPECT_EQ(chart->childCount(), int(type.entries));
        qsizetype offScreen = 0;
        for (const auto& [key, element] : elements) {
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(element.get());
            offScreen += item->state().offscreen ? 1 : 0;
            EXPECT_EQ(item->rect().isEmpty(), bool(item->state().offscreen));
        }
        EXPECT_GT(offScreen, 0);
        EXPECT_LT(offScreen, qsizetype(type.entries));
        for (int step = 0; step < 3; ++step) {
            ChartEventCapture capture;
            QTest::keyClick(view, Qt::Key_Right);
            view->repaint();
            const QList<ElementKey> selected = selectedElements(*view);
            ASSERT_FALSE(selected.isEmpty()) << step;
            QObject* point = entryElements(*view).at(selected.first()).get();
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(point);
            EXPECT_TRUE(capture.sent(point, QAccessible::Focus)) << step;
            EXPECT_GE(chart->indexOfChild(item), 0) << step;
            EXPECT_FALSE(item->text(QAccessible::Name).isEmpty()) << step;
        }
    }
}

// After a zoom and a drag, a step to an entry outside the visible x range moves the content
// along the x axis alone until the entry is in view: the zoom and the range of values across
// stay as the user left them.
TEST(ChartTypesKeyboard, AStepMovesAlongTheXAxisAloneKeepingTheZoomAndTheValueRange)
{
    // The values at the content's two edges across the x axis.
    using Across = std::function<std::pair<double, double>(const BarLineChartViewBase&)>;
    const Across upright = [](const BarLineChartViewBase& view) {
        const QRectF content = view.contentRect();
        return std::pair{view.valueForTouchPoint(content.topLeft(), AxisDependency::left).y(),
                         view.valueForTouchPoint(content.bottomLeft(), AxisDependency::left).y()};
    };
    const Across lying = [](const BarLineChartViewBase& view) {
        const QRectF content = view.contentRect();
        return std::pair{view.valueForTouchPoint(content.topLeft(), AxisDependency::left).x(),
                         view.valueForTouchPoint(content.topRight(), AxisDependency::left).x()};
    };
    QList<QPointF> wave;
    for (int x = 0; x <= 110; x += 5) {
        wave << QPointF(x, 10 + (x * 7) % 110);
    }
    struct Case {
        const char* name;
        std::function<std::unique_ptr<BarLineChartViewBase>()> make;
        Across across;
        double x; // the last entry's, which End steps to
    };
    const QList<Case> cases = {
        {"line", [&] { return ViewTesting::fixtureView(wave); }, upright, 110},
        {"horizontal bars",
         [] {
             return BarTesting::fixtureView<HorizontalBarChartView>(
                 BarTesting::barData({BarTesting::barSet({1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0})}));
         },
         lying, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = c.make();
        view->zoom(4, 2, 150, 80);
        view->performPanChange(QPointF(30, -20));
        const auto across = c.across(*view);
        const QPointF scales(view->scaleX(), view->scaleY());
        QTest::keyClick(view.get(), Qt::Key_End);
        EXPECT_LE(view->lowestVisibleX(), c.x);
        EXPECT_GE(view->highestVisibleX(), c.x);
        EXPECT_EQ(QPointF(view->scaleX(), view->scaleY()), scales);
        const auto after = c.across(*view);
        EXPECT_NEAR(after.first, across.first, 1e-9);
        EXPECT_NEAR(after.second, across.second, 1e-9);
    }
}
