#include "ChartEngine/types/BarChartView.h"

#include "ChartEngine/components/BarHighlighter.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/types/BarChartRenderer.h"
#include "ChartEngine/views/ChartViewDelegate.h"

#include "BarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace Charts;
using namespace BarTesting;

namespace {

// Collects the console's lines while it lives.
class ConsoleCapture {
public:
    ConsoleCapture() { ChartConsole::setCapture([this](const QString& line) { lines << line; }); }
    ~ConsoleCapture() { ChartConsole::setCapture({}); }
    QStringList lines;
};

class CountingDelegate : public QObject, public ChartViewDelegate {
public:
    void chartValueSelected(ChartViewBase&, const std::shared_ptr<ChartDataEntry>&,
                            const std::shared_ptr<Highlight>&) override
    {
        ++calls;
    }
    int calls = 0;
};

}

TEST(BarChartView, InstallsItsOwnRendererAndHighlighterAndAnswersTheProviderInterfaces)
{
    BarChartView view;
    EXPECT_NE(std::dynamic_pointer_cast<BarChartRenderer>(view.renderer()), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<BarHighlighter>(view.highlighter()), nullptr);
    QObject* object = &view;
    EXPECT_NE(dynamic_cast<ChartDataProvider*>(object), nullptr);
    EXPECT_NE(dynamic_cast<BarLineScatterCandleBubbleChartDataProvider*>(object), nullptr);
    EXPECT_EQ(view.xAxis()->spaceMin(), 0.5);
    EXPECT_EQ(view.xAxis()->spaceMax(), 0.5);
}

TEST(BarChartView, FitBarsWidensTheXRangeByHalfABarBeforeTheAxisSpaces)
{
    struct Case {
        bool fitBars;
        double min;
        double max;
    };
    // x 0..4, bar width 0.85, axis spaces 0.5 on each side.
    for (const Case& c : {Case{true, -0.925, 4.925}, Case{false, -0.5, 4.5}}) {
        BarChartView view(QRect(0, 0, 300, 200));
        view.setFitBars(c.fitBars);
        view.setData(barData({barSet({1.0, 2.0, 3.0, 4.0, 5.0})}, 0.85));
        EXPECT_DOUBLE_EQ(view.xAxis()->axisMinimum(), c.min) << c.fitBars;
        EXPECT_DOUBLE_EQ(view.xAxis()->axisMaximum(), c.max) << c.fitBars;
    }
}

TEST(BarChartView, BarBoundsSpanFromZeroToTheValueIgnoringStacks)
{
    // x 0..10 at 23 px a unit from 35; y -5..5 at 12.5 px a unit, 0 at 77.5.
    auto dataSet = barSet({1.0, 1.0, -3.0, 0.0, QList<double>{2.0, 1.0}});
    auto view = fixtureView<BarChartView>(barData({dataSet}), -5, 5);
    view->notifyDataSetChanged();
    const auto entry = [&](qint64 i) { return std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(i)); };
    struct Case {
        qint64 index;
        QRectF rect;
    };
    for (const Case& c : {Case{2, QRectF(75.25, 77.5, 11.5, 37.5)}, Case{3, QRectF(98.25, 77.5, 11.5, 0)},
                          Case{4, QRectF(121.25, 40, 11.5, 37.5)}}) {
        const auto bounds = view->getBarBounds(entry(c.index));
        ASSERT_TRUE(bounds.has_value()) << c.index;
        EXPECT_NEAR(bounds->x(), c.rect.x(), 1e-9) << c.index;
        EXPECT_NEAR(bounds->y(), c.rect.y(), 1e-9) << c.index;
        EXPECT_NEAR(bounds->width(), c.rect.width(), 1e-9) << c.index;
        EXPECT_NEAR(bounds->height(), c.rect.height(), 1e-9) << c.index;
    }
    EXPECT_FALSE(view->getBarBounds(std::make_shared<BarChartDataEntry>(2.0, -3.0)).has_value());
}

TEST(BarChartView, WithoutDataBoundsGroupingAndTouchOnlyReport)
{
    struct Case {
        const char* name;
        std::function<void(BarChartView&)> act;
        QStringList lines;
    };
    const Case cases[] = {
        {"bounds", [](BarChartView& v) { EXPECT_FALSE(v.getBarBounds(std::make_shared<BarChartDataEntry>(1.0, 2.0))); }, {}},
        {"group", [](BarChartView& v) { v.groupBars(0, 0.5, 0.1); },
         {QStringLiteral("You need to set data for the chart before grouping bars.")}},
        {"touch", [](BarChartView& v) { EXPECT_EQ(v.getHighlightByTouchPoint(QPointF(50, 50)), nullptr); },
         {QStringLiteral("Can't select by touch. No data set.")}},
    };
    for (const Case& c : cases) {
        BarChartView view(QRect(0, 0, 300, 200));
        ConsoleCapture console;
        c.act(view);
        EXPECT_EQ(console.lines, c.lines) << c.name;
    }
}

TEST(BarChartView, FullBarTouchCopiesTheSegmentHighlightWithoutItsStack)
{
    // A stack 0..2, 2..5 at x 1; a touch on its upper segment.
    for (const bool fullBar : {false, true}) {
        auto view = fixtureView<BarChartView>(barData({barSet({1.0, QList<double>{2.0, 3.0}})}));
        view->notifyDataSetChanged();
        view->setHighlightFullBarEnabled(fullBar);
        const auto high = view->getHighlightByTouchPoint(QPointF(35 + 23, 140 - 12.5 * 4));
        ASSERT_NE(high, nullptr);
        EXPECT_EQ(high->stackIndex(), fullBar ? -1 : 1);
        EXPECT_DOUBLE_EQ(high->x(), 1.0);
        EXPECT_DOUBLE_EQ(high->y(), 5.0);
        EXPECT_DOUBLE_EQ(high->xPx(), 58.0);
        EXPECT_DOUBLE_EQ(high->yPx(), 77.5);
        EXPECT_EQ(high->dataSetIndex(), 0);
        EXPECT_EQ(high->dataIndex(), 0);
    }
}

TEST(BarChartView, HighlightingAStackSegmentFromCodeTellsNoDelegate)
{
    auto view = fixtureView<BarChartView>(barData({barSet({1.0, QList<double>{2.0, 3.0}})}));
    CountingDelegate delegate;
    view->setDelegate(&delegate);
    view->highlightValueAtStack(1.0, 0, 1);
    ASSERT_EQ(view->highlighted().size(), 1);
    const auto high = view->highlighted().front();
    EXPECT_EQ(high->stackIndex(), 1);
    EXPECT_EQ(high->dataIndex(), -1);
    EXPECT_TRUE(std::isnan(high->y()));
    EXPECT_EQ(delegate.calls, 0);
}
