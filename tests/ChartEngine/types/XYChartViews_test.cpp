#include "ChartEngine/components/ChartHighlighter.h"
#include "ChartEngine/data/BubbleChartDataEntry.h"
#include "ChartEngine/data/BubbleChartDataSet.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BubbleChartRenderer.h"
#include "ChartEngine/types/BubbleChartView.h"
#include "ChartEngine/types/CandleStickChartRenderer.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/ScatterChartRenderer.h"
#include "ChartEngine/types/ScatterChartView.h"

#include "XYChartFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Charts;
using namespace XYChartFixture;

namespace {

// One kind of x-y chart view, made with data of its own kind whose entries lie at x 1 ... 4.
struct Kind {
    const char* name;
    std::function<std::unique_ptr<BarLineChartViewBase>()> make;
    // Whether the view's renderer is its own kind's, with the view as its provider.
    std::function<bool(BarLineChartViewBase&)> ownsRenderer;
    // Whether the view answers its own kind's provider interface.
    std::function<bool(QObject*)> answersOwnProvider;
    double xSpace;
    // The renderer's elements after a drawing: the header, then one per drawn value.
    qsizetype elements;
};

template <typename View, typename Data, typename Set>
std::unique_ptr<BarLineChartViewBase> viewOf(ChartDataEntryList entries)
{
    auto dataSet = std::make_shared<Set>(entries, QStringLiteral("A"));
    dataSet->setColor(Qt::black);
    auto view = std::make_unique<View>(QRect(0, 0, 300, 200));
    view->setData(std::make_shared<Data>(ChartDataSetList{dataSet}));
    return view;
}

template <typename Renderer, typename Provider>
bool ownsRenderer(BarLineChartViewBase& view)
{
    const auto renderer = std::dynamic_pointer_cast<Renderer>(view.renderer());
    return renderer && renderer->dataProvider() == dynamic_cast<Provider*>(&view);
}

QList<Kind> kinds()
{
    ChartDataEntryList points;
    ChartDataEntryList bubbles;
    ChartDataEntryList candles;
    for (int x = 1; x <= 4; ++x) {
        points << std::make_shared<ChartDataEntry>(x, 5);
        bubbles << std::make_shared<BubbleChartDataEntry>(x, 5, 1);
        candles << std::make_shared<CandleChartDataEntry>(x, 6, 4, 5.5, 4.5);
    }
    return {
        {"scatter", [points] { return viewOf<ScatterChartView, ScatterChartData, ScatterChartDataSet>(points); },
         ownsRenderer<ScatterChartRenderer, ScatterChartDataProvider>,
         [](QObject* view) { return dynamic_cast<ScatterChartDataProvider*>(view) != nullptr; }, 0.5, 1},
        {"bubble", [bubbles] { return viewOf<BubbleChartView, BubbleChartData, BubbleChartDataSet>(bubbles); },
         ownsRenderer<BubbleChartRenderer, BubbleChartDataProvider>,
         [](QObject* view) { return dynamic_cast<BubbleChartDataProvider*>(view) != nullptr; }, 0, 5},
        {"candle", [candles] { return viewOf<CandleStickChartView, CandleChartData, CandleChartDataSet>(candles); },
         ownsRenderer<CandleStickChartRenderer, CandleChartDataProvider>,
         [](QObject* view) { return dynamic_cast<CandleChartDataProvider*>(view) != nullptr; }, 0.5, 5},
    };
}

}

TEST(XYChartViewsTest, EachViewHasItsOwnRendererAndHighlighterAndAnswersItsProviders)
{
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        auto view = kind.make();
        EXPECT_TRUE(kind.ownsRenderer(*view));
        const auto highlighter = std::dynamic_pointer_cast<ChartHighlighter>(view->highlighter());
        ASSERT_TRUE(highlighter);
        EXPECT_EQ(highlighter->chart(), view.get());
        QObject* object = view.get();
        EXPECT_TRUE(dynamic_cast<ChartDataProvider*>(object));
        EXPECT_TRUE(dynamic_cast<BarLineScatterCandleBubbleChartDataProvider*>(object));
        EXPECT_TRUE(kind.answersOwnProvider(object));
    }
}

TEST(XYChartViewsTest, TheXAxisKeepsTheViewsRoomAroundTheValues)
{
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        auto view = kind.make();
        EXPECT_DOUBLE_EQ(view->xAxis()->axisMinimum(), 1 - kind.xSpace);
        EXPECT_DOUBLE_EQ(view->xAxis()->axisMaximum(), 4 + kind.xSpace);
    }
}

TEST(XYChartViewsTest, AViewDrawnIntoAnImageShowsItsDataAndPublishesItsElements)
{
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        auto view = kind.make();
        const auto image = view->getChartImage(false);
        ASSERT_TRUE(image);
        const QPointF point = view->pixelForValues(2, 5, AxisDependency::left);
        EXPECT_TRUE(near(image->pixel(point.toPoint()), Qt::black, 80));
        const auto elements = view->renderer()->accessibleChartElements();
        ASSERT_EQ(elements.size(), kind.elements);
        EXPECT_TRUE(elements.first()->isHeader());
    }
}
