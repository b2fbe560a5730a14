#include "ChartEngine/types/CombinedChartRenderer.h"

#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BarChartRenderer.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/views/LineChartRenderer.h"

#include "CombinedTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace CombinedTesting;
using DrawOrder = CombinedChartView::DrawOrder;

namespace {

// A sub-renderer of the given kind that writes down the highlights it is given.
template <typename Kind>
class HighlightSpy : public Kind {
public:
    using Kind::Kind;
    void drawHighlighted(QPainter&, const HighlightList& indices) override { received = indices; }
    HighlightList received;
};

std::shared_ptr<Highlight> highlightOfData(qint64 dataIndex)
{
    return std::make_shared<Highlight>(1.0, 2.0, 0, dataIndex);
}

CombinedChartRenderer& combinedRenderer(const CombinedChartView& view)
{
    return dynamic_cast<CombinedChartRenderer&>(*view.renderer());
}

}

// The data [line, bar] has the indices 0 and 1; -1 reaches every sub-renderer.
TEST(CombinedChartRenderer, HighlightsReachTheSubRendererOfTheirData)
{
    const auto view = fixtureView(lineAndBars());
    BarChartView otherBars;
    otherBars.setData(bars());
    const auto handler = view->viewPortHandler();
    const auto animator = view->chartAnimator();
    const auto bar = std::make_shared<HighlightSpy<BarChartRenderer>>(view.get(), animator, handler);
    const auto line = std::make_shared<HighlightSpy<LineChartRenderer>>(view.get(), animator, handler);
    // Its bars are not the combined data's.
    const auto elsewhere = std::make_shared<HighlightSpy<BarChartRenderer>>(&otherBars, animator, handler);
    const auto unknown = std::make_shared<HighlightSpy<BarLineScatterCandleBubbleRenderer>>(animator, handler);
    combinedRenderer(*view).setSubRenderers({bar, line, elsewhere, unknown});

    const HighlightList highlights{highlightOfData(1), highlightOfData(-1), highlightOfData(0), nullptr,
                                   highlightOfData(2)};
    QImage canvas(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    combinedRenderer(*view).drawHighlighted(painter, highlights);

    EXPECT_EQ(bar->received, (HighlightList{highlights[0], highlights[1]}));
    EXPECT_EQ(line->received, (HighlightList{highlights[1], highlights[2]}));
    EXPECT_EQ(elsewhere->received, HighlightList{highlights[1]});
    EXPECT_EQ(unknown->received, HighlightList{highlights[1]});
}

// The line crosses the stack at x 2: whichever kind comes later in the draw order covers it.
TEST(CombinedChartRenderer, LaterKindsDrawOverEarlierOnes)
{
    const QColor barColor(200, 0, 0);
    const QColor lineColor(0, 0, 200);
    struct Case {
        QList<DrawOrder> order;
        QColor crossing;
    };
    const QList<Case> cases = {
        {{DrawOrder::bar, DrawOrder::line}, lineColor},
        {{DrawOrder::line, DrawOrder::bar}, barColor},
    };
    for (const Case& c : cases) {
        const auto data = lineAndBars();
        data->barData()->dataSetAtIndex(0)->setColor(barColor);
        const auto line = std::dynamic_pointer_cast<LineChartDataSet>(data->lineData()->dataSetAtIndex(0));
        line->setColor(lineColor);
        line->setLineWidth(4);
        line->setDrawCirclesEnabled(false);
        const auto view = fixtureView(data);
        view->setDrawOrder(c.order);
        view->setData(data);
        const QImage image = BarTesting::drawn(*view);
        EXPECT_EQ(image.pixelColor(pixel(2, 3).toPoint()), c.crossing);
    }
}

// The header of the whole chart, then the sub-renderers' values in the order of their data sets
// in the combined data (the line first, though the bars are drawn first), none with a header.
// Every value names its set, though each kind has only one.
TEST(CombinedChartRenderer, TheChartsElementsAreItsHeaderThenItsValuesBySetEachNamingItsSet)
{
    const QStringList lineAndBarsLabels = {
        "0/0/-1 Line,  0: 3.00", "0/1/-1 Line,  2: 3.00", "0/2/-1 Line,  10: 3.00",
        "1/0/-1 Bars,  0: 1.00", "1/1/-1 Bars,  1: 2.00", "1/2/0 Bars,  2: 1.00", "1/2/1 Bars,  2: 2.00",
        "1/2/2 Bars,  2: 3.00",
    };
    struct Case {
        const char* name;
        bool withScatter;
        QStringList expected;
    };
    const QList<Case> cases = {
        {"line and bars", false, QStringList{"-1/-1/-1 Combined Chart. 2 datasets. Line, Bars"} + lineAndBarsLabels},
        // The scatter data comes after the bars in the combined data.
        {"with a scatter point", true,
         QStringList{"-1/-1/-1 Combined Chart. 3 datasets. Line, Bars, Dots"} + lineAndBarsLabels
             + QStringList{"2/0/-1 Dots,  4: 5.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto data = lineAndBars();
        if (c.withScatter) {
            data->setScatterData(std::make_shared<ScatterChartData>(ChartDataSetList{std::make_shared<ScatterChartDataSet>(
                ChartDataEntryList{std::make_shared<ChartDataEntry>(4, 5)}, QStringLiteral("Dots"))}));
        }
        const auto view = fixtureView(data);
        BarTesting::drawn(*view);
        QStringList labels;
        for (const auto& element : view->accessibilityChildren()) {
            labels << QStringLiteral("%1/%2/%3 %4")
                          .arg(element->dataSetIndex())
                          .arg(element->entryIndex())
                          .arg(element->stackIndex())
                          .arg(element->accessibilityLabel());
        }
        EXPECT_EQ(labels, c.expected);
    }
}

TEST(CombinedChartRenderer, AGoneChartBuildsNothingAndHasNoHeader)
{
    auto view = fixtureView(lineAndBars());
    const auto renderer = std::dynamic_pointer_cast<CombinedChartRenderer>(view->renderer());
    ASSERT_EQ(renderer->subRenderers().size(), 2);
    view.reset();
    renderer->createRenderers();
    QImage canvas(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    renderer->drawData(painter);
    EXPECT_TRUE(renderer->subRenderers().isEmpty());
    EXPECT_TRUE(renderer->accessibleChartElements().isEmpty());
}
