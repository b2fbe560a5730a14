#include "ChartEngine/components/ChartHighlighter.h"
#include "ChartEngine/data/BubbleChartDataEntry.h"
#include "ChartEngine/data/BubbleChartDataSet.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BubbleChartRenderer.h"
#include "ChartEngine/types/BubbleChartView.h"
#include "ChartEngine/types/CandleStickChartRenderer.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/ScatterChartRenderer.h"
#include "ChartEngine/types/ScatterChartView.h"

#include "XYChartFixture.h"
#include "support/ImageInk.h"
#include "support/QtPrinters.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <functional>

using namespace Charts;
using namespace XYChartFixture;

namespace {

// What a kind's view shows.
struct Expected {
    double xSpace;
    // Elements after a drawing in its own view and in another chart.
    qsizetype elements;
    qsizetype elementsInOther;
    // A value label's top stands above its point by points + lines × the font's line height.
    double labelPoints;
    double labelLines;
    // The y value at which the entry at x 2 is highlighted, and whether lines cross it there.
    double highlightY;
    bool highlightLines;
};

// One kind of x-y chart: data of its kind with one set of black entries at x 1 ... 4 around
// y 5 (candles from 4 to 5), its view, and its renderer for another chart.
struct Kind {
    const char* name;
    std::function<std::shared_ptr<ChartData>()> data;
    std::function<std::unique_ptr<BarLineChartViewBase>(std::shared_ptr<ChartData>)> view;
    std::function<std::shared_ptr<DataRenderer>(OtherXYView&)> renderer;
    // Whether the view's renderer is its kind's with the view as provider that the view answers.
    std::function<bool(BarLineChartViewBase&)> ownsRenderer;
    Expected expected;
};

template <typename View, typename Renderer, typename Provider, typename Data, typename Set>
Kind kindOf(const char* name, std::function<std::shared_ptr<ChartDataEntry>(double)> entry, Expected expected)
{
    return {name,
            [entry] {
                ChartDataEntryList entries;
                for (int x = 1; x <= 4; ++x) {
                    entries << entry(x);
                }
                auto dataSet = std::make_shared<Set>(entries, QStringLiteral("A"));
                dataSet->setColor(Qt::black);
                dataSet->setValueTextColor(Qt::black);
                return std::make_shared<Data>(ChartDataSetList{dataSet});
            },
            [](std::shared_ptr<ChartData> data) -> std::unique_ptr<BarLineChartViewBase> {
                return fixtureView<View>(std::move(data));
            },
            [](OtherXYView& chart) {
                return std::make_shared<Renderer>(&chart, chart.chartAnimator(), chart.viewPortHandler());
            },
            [](BarLineChartViewBase& view) {
                const auto renderer = std::dynamic_pointer_cast<Renderer>(view.renderer());
                auto* provider = dynamic_cast<Provider*>(static_cast<QObject*>(&view));
                return renderer && provider && renderer->dataProvider() == provider;
            },
            expected};
}

QList<Kind> kinds()
{
    return {
        kindOf<ScatterChartView, ScatterChartRenderer, ScatterChartDataProvider, ScatterChartData, ScatterChartDataSet>(
            "scatter", [](double x) { return std::make_shared<ChartDataEntry>(x, 5); }, {0.5, 5, 4, 10, 1, 5, true}),
        kindOf<BubbleChartView, BubbleChartRenderer, BubbleChartDataProvider, BubbleChartData, BubbleChartDataSet>(
            "bubble", [](double x) { return std::make_shared<BubbleChartDataEntry>(x, 5, 1); }, {0, 5, 4, 0, 0.5, 5, false}),
        kindOf<CandleStickChartView, CandleStickChartRenderer, CandleChartDataProvider, CandleChartData, CandleChartDataSet>(
            "candle", [](double x) { return std::make_shared<CandleChartDataEntry>(x, 5, 4, 5, 4.6); },
            {0.5, 5, 4, 5, 1, 4.5, true}),
    };
}

}

// Its own renderer and highlighter, the x-y provider interfaces, and its room on the x axis.
TEST(XYChartViewsTest, EachViewIsSetUpForItsKind)
{
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        auto view = kind.view(kind.data());
        EXPECT_TRUE(kind.ownsRenderer(*view));
        const auto highlighter = std::dynamic_pointer_cast<ChartHighlighter>(view->highlighter());
        ASSERT_TRUE(highlighter);
        EXPECT_EQ(highlighter->chart(), view.get());
        QObject* object = view.get();
        EXPECT_TRUE(dynamic_cast<ChartDataProvider*>(object));
        EXPECT_TRUE(dynamic_cast<BarLineScatterCandleBubbleChartDataProvider*>(object));
        view->xAxis()->resetCustomAxisMin();
        view->xAxis()->resetCustomAxisMax();
        view->notifyDataSetChanged();
        EXPECT_DOUBLE_EQ(view->xAxis()->axisMinimum(), 1 - kind.expected.xSpace);
        EXPECT_DOUBLE_EQ(view->xAxis()->axisMaximum(), 4 + kind.expected.xSpace);
    }
}

// Drawn through the view's image path; only the kind's own view gets the header, and every
// kind's renderer describes its values in any chart view.
TEST(XYChartViewsTest, TheDrawingShowsTheDataAndPublishesTheElements)
{
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        auto view = kind.view(kind.data());
        const auto image = view->getChartImage(false);
        ASSERT_TRUE(image);
        EXPECT_LT(qGray(image->pixel(pixel(2, 4.8).toPoint())), 100);
        const auto elements = view->renderer()->accessibleChartElements();
        ASSERT_EQ(elements.size(), kind.expected.elements);
        EXPECT_TRUE(elements.first()->isHeader());

        auto other = fixtureView<OtherXYView>(kind.data());
        other->setRenderer(kind.renderer(*other));
        other->getChartImage(false);
        const auto otherElements = other->renderer()->accessibleChartElements();
        ASSERT_EQ(otherElements.size(), kind.expected.elementsInOther);
        for (const auto& element : otherElements) {
            EXPECT_FALSE(element->isHeader());
            EXPECT_EQ(element->containerView(), other.get());
        }
    }
}

TEST(XYChartViewsTest, AValueLabelIsCentredOnItsPointAtItsDistanceAbove)
{
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        auto data = kind.data();
        data->dataSets().first()->setDrawValuesEnabled(true);
        auto view = kind.view(data);
        const QImage image = painted([&](QPainter& painter) { view->renderer()->drawValues(painter); });
        const QFont font = data->dataSets().first()->valueFont();
        const double top = pixel(2, 5).y() - kind.expected.labelPoints - kind.expected.labelLines * fontLineHeight(font);
        const QRect ink = ImageInk::inkBounds(image.copy(QRect(QPoint(35 + 23 + 12, 0), QSize(23, 200))));
        // The digits stand on the baseline, an ascent below the text's top.
        EXPECT_NEAR(ink.bottom() + 1, top + QFontMetricsF(font).ascent(), 1.0);
    }
}

// Scatter points at their value, candles at the middle of their range, bubbles at their centre;
// highlights that name no set are skipped.
TEST(XYChartViewsTest, AHighlightIsDrawnAtItsEntryAndStoresThePoint)
{
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        auto view = kind.view(kind.data());
        view->chartAnimator()->setPhaseY(0.5);
        auto highlight = std::make_shared<Highlight>(2, 5, 0, -1);
        const auto drawn = recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {highlight}); });
        const QPointF point = pixel(2, kind.expected.highlightY * 0.5);
        EXPECT_EQ(QPointF(highlight->drawX(), highlight->drawY()), point);
        ASSERT_EQ(drawn.size(), kind.expected.highlightLines ? 2U : 1U);
        if (kind.expected.highlightLines) {
            EXPECT_EQ(drawn[0].line, QLineF(point.x(), 15, point.x(), 140));
            EXPECT_EQ(drawn[1].line, QLineF(35, point.y(), 265, point.y()));
            EXPECT_EQ(drawn[0].pen.capStyle(), Qt::FlatCap);
        }
        for (const auto& skipped : HighlightList{nullptr, std::make_shared<Highlight>(2, 5, -1, -1),
                                                 std::make_shared<Highlight>(2, 5, 1, -1)}) {
            EXPECT_TRUE(recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {skipped}); }).empty());
        }
    }
}
