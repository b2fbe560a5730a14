#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/PieChartView.h"
#include "ChartEngine/types/RadarChartView.h"

#include "../views/ViewTestChart.h"
#include "BarTestChart.h"
#include "CombinedTestChart.h"
#include "PieTestChart.h"
#include "RadarTestChart.h"
#include "XYChartFixture.h"
#include "support/ChartAccessibilityEvents.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

using namespace Charts;

namespace {

using ElementKey = std::tuple<qint64, qint64, qint64>;

// The entry elements of the last drawing by data set, entry and stack segment (held, so that
// an element thrown away cannot be mistaken for a new one made at its address).
std::map<ElementKey, std::shared_ptr<NSUIAccessibilityElement>> entryElements(const ChartViewBase& view)
{
    std::map<ElementKey, std::shared_ptr<NSUIAccessibilityElement>> found;
    for (const auto& element : view.accessibilityChildren()) {
        if (element->isEntry()) {
            found[{element->dataSetIndex(), element->entryIndex(), element->stackIndex()}] = element;
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

std::unique_ptr<ChartViewBase> candleView()
{
    ChartDataEntryList entries;
    for (const double x : {2.0, 5.0, 8.0}) {
        entries << std::make_shared<CandleChartDataEntry>(x, 9, 2, 4, 7);
    }
    return XYChartFixture::fixtureView<CandleStickChartView>(
        std::make_shared<CandleChartData>(ChartDataSetList{std::make_shared<CandleChartDataSet>(entries, "A")}));
}

std::unique_ptr<ChartViewBase> stackedBarView()
{
    return BarTesting::fixtureView<BarChartView>(
        BarTesting::barData({BarTesting::barSet({1.0, QList<double>{1, 2, 3}, 2.0})}));
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

TEST(ChartTypesKeyboard, SteppedToElementIsTheSelectedOneInEveryChartType)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<ChartViewBase>()> make;
        QList<ElementKey> selected;
    };
    const QList<Case> cases = {
        {"pie", [] { return PieTesting::pieView({1, 2, 3}); }, {{0, 1, -1}}},
        {"radar", [] { return RadarTesting::radarView({RadarTesting::radarSet({4, 5, 6})}); }, {{0, 1, -1}}},
        {"bar", [] { return BarTesting::fixtureView<BarChartView>(BarTesting::barData({BarTesting::barSet({1.0, 2.0, 3.0})})); },
         {{0, 1, -1}}},
        {"candle", candleView, {{0, 1, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = c.make();
        QTest::keyClick(view.get(), Qt::Key_Right);
        QTest::keyClick(view.get(), Qt::Key_Right);
        ASSERT_EQ(view->highlighted().size(), 1);
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_GE(entryElements(*view).size(), 3u);
        EXPECT_EQ(selectedElements(*view), c.selected);
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
        {"the whole stack", view->highlightForEntry(0, 1), {{0, 1, 0}, {0, 1, 1}, {0, 1, 2}}},
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

TEST(ChartTypesKeyboard, ElementsKeepTheirIdentityUntilTheDataChanges)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<ChartViewBase>()> make;
        std::size_t entries;
    };
    const QList<Case> cases = {
        {"stacked bar", stackedBarView, 5},
        {"pie", [] { return PieTesting::pieView({1, 2, 3}); }, 3},
        {"radar", [] { return RadarTesting::radarView({RadarTesting::radarSet({4, 5, 6})}); }, 3},
        {"candle", candleView, 3},
        // Three line points and five bar segments.
        {"combined", [] { return CombinedTesting::fixtureView(CombinedTesting::lineAndBars()); }, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = c.make();
        // A highlighted entry keeps its element too.
        QTest::keyClick(view.get(), Qt::Key_Right);
        ASSERT_TRUE(view->getChartImage(true));
        const auto before = entryElements(*view);
        ASSERT_EQ(before.size(), c.entries);
        QTest::keyClick(view.get(), Qt::Key_Right);
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(entryElements(*view), before);

        ChartEventCapture capture;
        view->setData(view->data());
        EXPECT_TRUE(capture.sent(view.get(), QAccessible::ObjectReorder));
        ASSERT_TRUE(view->getChartImage(true));
        const auto after = entryElements(*view);
        ASSERT_EQ(after.size(), c.entries);
        for (const auto& [key, element] : after) {
            EXPECT_NE(element, before.at(key));
        }
    }
}

TEST(CombinedChartKeyboard, KeysStepThroughEveryKindsSetsAsClicksWould)
{
    // The line (0, 3), (2, 3), (10, 3) is set 0 of data 0; the bars 1, 2 and [1, 2, 3] at x 0, 1
    // and 2 are set 0 of data 1. A step highlights the whole stack, as a click does.
    struct Case {
        const char* name;
        QList<Qt::Key> keys;
        QString highlighted;
        QString lastCall;
    };
    const QList<Case> cases = {
        {"right starts at the line's first point", {Qt::Key_Right}, "data 0 set 0 stack -1 at 0, 3", "selected 0"},
        {"end goes to its last", {Qt::Key_End}, "data 0 set 0 stack -1 at 10, 3", "selected 10"},
        {"down goes to the bars", {Qt::Key_Down}, "data 1 set 0 stack -1 at 0, 1", "selected 0"},
        {"down keeps the position, held to the set's end", {Qt::Key_End, Qt::Key_Down},
         "data 1 set 0 stack -1 at 2, 6", "selected 2"},
        {"up goes back to the line", {Qt::Key_Down, Qt::Key_End, Qt::Key_Up}, "data 0 set 0 stack -1 at 10, 3",
         "selected 10"},
        {"escape clears", {Qt::Key_Down, Qt::Key_Escape}, "none", "nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = CombinedTesting::fixtureView(CombinedTesting::lineAndBars());
        ViewTesting::RecordingDelegate delegate;
        view->setDelegate(&delegate);
        auto marker = std::make_shared<ViewTesting::RecordingMarker>();
        view->setMarker(marker);
        for (const Qt::Key key : c.keys) {
            QTest::keyClick(view.get(), key);
        }
        EXPECT_EQ(highlightText(*view), c.highlighted);
        EXPECT_EQ(delegate.calls.value(delegate.calls.size() - 1), c.lastCall);
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(marker->points.size(), c.highlighted == "none" ? 0 : 1);
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
        ElementKey element;
    };
    const QList<Case> cases = {
        {"the line's first point", Qt::Key_Right, 0, {0, 0, -1}},
        {"its last, out of view", Qt::Key_End, 10, {0, 2, -1}},
        {"the bars' last, a stack", Qt::Key_Down, 2, {1, 2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartEventCapture capture;
        QTest::keyClick(view.get(), c.key);
        EXPECT_LE(view->lowestVisibleX(), c.x);
        EXPECT_GE(view->highestVisibleX(), c.x);
        view->repaint();
        const auto elements = entryElements(*view);
        ASSERT_TRUE(elements.contains(c.element));
        QObject* point = elements.at(c.element).get();
        EXPECT_TRUE(capture.sent(point, QAccessible::Focus));
        EXPECT_TRUE(capture.sent(point, QAccessible::Selection));
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(point)->state().selected);
    }
}
