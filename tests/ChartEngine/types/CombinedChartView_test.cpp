#include "ChartEngine/types/CombinedChartView.h"

#include "ChartEngine/components/CombinedHighlighter.h"
#include "ChartEngine/data/DefaultFillFormatter.h"
#include "ChartEngine/types/BarChartRenderer.h"
#include "ChartEngine/types/CombinedChartRenderer.h"
#include "ChartEngine/views/LineChartRenderer.h"

#include "ChartEngine/views/ViewTestChart.h"
#include "CombinedTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace CombinedTesting;
using DrawOrder = CombinedChartView::DrawOrder;

namespace {

// The kinds of the renderer's sub-renderers, in order.
QStringList subRendererKinds(const CombinedChartView& view)
{
    QStringList kinds;
    for (const auto& renderer : std::dynamic_pointer_cast<CombinedChartRenderer>(view.renderer())->subRenderers()) {
        if (dynamic_cast<BarChartRenderer*>(renderer.get())) {
            kinds << QStringLiteral("bar");
        } else if (dynamic_cast<LineChartRenderer*>(renderer.get())) {
            kinds << QStringLiteral("line");
        } else {
            kinds << QStringLiteral("other");
        }
    }
    return kinds;
}

template <typename Interface>
bool answers(QObject* object)
{
    return dynamic_cast<Interface*>(object) != nullptr;
}

}

TEST(CombinedChartView, InstallsItsOwnPartsAndRenewsTheHighlighterWithTheData)
{
    CombinedChartView view(QRect(0, 0, 300, 200));
    const auto renderer = std::dynamic_pointer_cast<CombinedChartRenderer>(view.renderer());
    ASSERT_TRUE(renderer);
    EXPECT_EQ(renderer->chart(), &view);
    const auto first = view.highlighter();
    EXPECT_TRUE(std::dynamic_pointer_cast<CombinedHighlighter>(first));
    EXPECT_TRUE(view.isHighlightFullBarEnabled());
    EXPECT_TRUE(std::dynamic_pointer_cast<DefaultFillFormatter>(view.fillFormatter()));

    // The bar switches live on the renderer, which setData keeps; the highlighter is new.
    view.setDrawBarShadowEnabled(true);
    view.setData(lineAndBars());
    EXPECT_EQ(view.renderer(), renderer);
    EXPECT_TRUE(renderer->isDrawBarShadowEnabled());
    EXPECT_NE(view.highlighter(), first);

    view.setFillFormatter(nullptr);
    EXPECT_TRUE(std::dynamic_pointer_cast<DefaultFillFormatter>(view.fillFormatter()));
}

// Each kind's provider shares the one x-y base: every cast from the view object succeeds.
TEST(CombinedChartView, AnswersEveryDataProviderInterface)
{
    const QList<std::pair<const char*, bool (*)(QObject*)>> cases = {
        {"chart", answers<ChartDataProvider>},
        {"x-y", answers<BarLineScatterCandleBubbleChartDataProvider>},
        {"line", answers<LineChartDataProvider>},
        {"bar", answers<BarChartDataProvider>},
        {"scatter", answers<ScatterChartDataProvider>},
        {"bubble", answers<BubbleChartDataProvider>},
        {"candle", answers<CandleChartDataProvider>},
        {"combined", answers<CombinedChartDataProvider>},
    };
    CombinedChartView view;
    for (const auto& [name, cast] : cases) {
        EXPECT_TRUE(cast(&view)) << name;
    }
}

TEST(CombinedChartView, DrawOrderFromRawValues)
{
    const QList<std::pair<int, std::optional<DrawOrder>>> cases = {
        {-1, std::nullopt},          {0, DrawOrder::bar},    {1, DrawOrder::bubble}, {2, DrawOrder::line},
        {3, DrawOrder::candle},      {4, DrawOrder::scatter}, {5, std::nullopt},
    };
    for (const auto& [raw, kind] : cases) {
        EXPECT_EQ(CombinedChartView::drawOrderFromRaw(raw), kind) << raw;
    }
}

// Sub-renderers are built at setData only, for the kinds of the order that have data.
TEST(CombinedChartView, ADrawOrderTakesEffectAtTheNextSetData)
{
    struct Case {
        QList<DrawOrder> order;
        QList<DrawOrder> kept;
        QStringList built;
    };
    const QList<DrawOrder> all{DrawOrder::bar, DrawOrder::bubble, DrawOrder::line, DrawOrder::candle,
                               DrawOrder::scatter};
    const QList<Case> cases = {
        {{}, all, {"bar", "line"}},
        {{DrawOrder::line, DrawOrder::bar}, {DrawOrder::line, DrawOrder::bar}, {"line", "bar"}},
        {{DrawOrder::candle, DrawOrder::line, DrawOrder::line},
         {DrawOrder::candle, DrawOrder::line, DrawOrder::line},
         {"line", "line"}},
    };
    for (const Case& c : cases) {
        const auto data = lineAndBars();
        const auto view = fixtureView(data);
        view->setDrawOrder(c.order);
        EXPECT_EQ(view->drawOrder(), c.kept);
        EXPECT_EQ(subRendererKinds(*view), (QStringList{"bar", "line"}));
        view->setData(data);
        EXPECT_EQ(subRendererKinds(*view), c.built);
    }
}

// The touch lands on the top segment (3 ... 6) of the stack at x 2, the line's value lying far.
TEST(CombinedChartView, ATouchOnAStackedBarSelectsTheWholeBarUnlessSwitchedOff)
{
    const QList<std::pair<bool, qint64>> cases = {{true, -1}, {false, 2}};
    for (const auto& [fullBar, stackIndex] : cases) {
        auto data = std::make_shared<CombinedChartData>();
        data->setLineData(std::make_shared<LineChartData>(
            ChartDataSetList{lineSet({QPointF(6, 9)}, QStringLiteral("Line"))}));
        data->setBarData(bars());
        const auto view = fixtureView(data);
        view->setHighlightFullBarEnabled(fullBar);
        const auto high = view->getHighlightByTouchPoint(pixel(2, 4.5));
        ASSERT_TRUE(high);
        EXPECT_EQ(high->x(), 2);
        EXPECT_EQ(high->y(), 6);
        EXPECT_EQ(high->dataIndex(), 1);
        EXPECT_EQ(high->stackIndex(), stackIndex);
        EXPECT_EQ(high->yPx(), pixel(2, 6).y());
    }
}

// A highlight naming no data of the combined data, or no set of it, draws no marker; the others
// still do. At phaseX 0.5 the x animation has revealed the first two entries of each set: the
// stack at x 2, the bar set's third entry, is not (its index in the line set would be none).
TEST(CombinedChartView, MarkersFindTheirSetThroughTheDataIndex)
{
    const auto view = fixtureView(lineAndBars());
    auto marker = std::make_shared<ViewTesting::RecordingMarker>();
    view->setMarker(marker);
    view->chartAnimator()->setPhaseX(0.5);
    HighlightList highlights;
    for (const auto& [x, y, dataSetIndex, dataIndex] : QList<std::tuple<double, double, qint64, qint64>>{
             {1, 2, 0, 1}, {1, 2, 0, 5}, {2, 3, 3, 0}, {2, 6, 0, 1}, {2, 3, 0, 0}}) {
        auto highlight = std::make_shared<Highlight>(x, y, dataSetIndex, dataIndex);
        highlight->setDraw(pixel(x, y));
        highlights << highlight;
    }
    view->highlightValues(highlights);
    QImage canvas(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    view->drawMarkers(painter);
    EXPECT_EQ(marker->entries, (QList<double>{1, 2}));
}
