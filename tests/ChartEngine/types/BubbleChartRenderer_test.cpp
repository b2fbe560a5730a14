#include "ChartEngine/types/BubbleChartRenderer.h"
#include "ChartEngine/data/BubbleChartDataEntry.h"
#include "ChartEngine/data/BubbleChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/BubbleChartView.h"

#include "XYChartFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Charts;
using namespace XYChartFixture;

namespace {

// (x, y, size) of one bubble.
struct Bubble {
    double x;
    double y;
    double size;
};

std::shared_ptr<BubbleChartDataSet> bubbleSet(const QList<Bubble>& bubbles, bool normalized = true,
                                              const QString& label = QStringLiteral("A"))
{
    ChartDataEntryList entries;
    for (const Bubble& bubble : bubbles) {
        entries << std::make_shared<BubbleChartDataEntry>(bubble.x, bubble.y, bubble.size);
    }
    auto dataSet = std::make_shared<BubbleChartDataSet>(entries, label);
    dataSet->setNormalizeSizeEnabled(normalized);
    dataSet->setColor(Qt::black);
    dataSet->setDrawValuesEnabled(false);
    dataSet->setValueFormatter(std::make_shared<RecordingFormatter>());
    return dataSet;
}

std::unique_ptr<BubbleChartView> bubbleView(const ChartDataSetList& dataSets)
{
    auto view = fixtureView<BubbleChartView>(std::make_shared<BubbleChartData>(dataSets));
    view->chartAnimator()->setPhaseX(1);
    return view;
}

QRectF square(QPointF center, double diameter)
{
    return QRectF(center.x() - diameter / 2, center.y() - diameter / 2, diameter, diameter);
}

std::vector<Drawn> ellipses(const std::vector<Drawn>& drawn)
{
    std::vector<Drawn> found;
    std::copy_if(drawn.begin(), drawn.end(), std::back_inserter(found),
                 [](const Drawn& d) { return d.kind == Drawn::Kind::ellipse; });
    return found;
}

class NumberAxisFormatter : public AxisValueFormatter {
public:
    QString stringForValue(double value, const AxisBase*) const override { return QString::number(value); }
};

}

// One x unit is 23 pixels wide and the content 125 high: the reference size is 23.
TEST(BubbleChartRendererTest, TheDiameterFollowsTheSizeAndTheReferenceSize)
{
    struct Case {
        const char* name;
        QList<Bubble> bubbles;
        bool normalized;
        double zoomX;
        QList<double> diameters;
    };
    const Case cases[] = {
        {"normalised: the square root of size / maxSize", {{2, 5, 4}, {4, 5, 16}}, true, 1, {11.5, 23}},
        {"normalised with maxSize 0: the reference size", {{2, 5, 0}, {4, 5, -3}}, true, 1, {23, 23}},
        {"without normalisation: the size itself", {{2, 5, 2}, {4, 5, 0.5}}, false, 1, {46, 11.5}},
        {"without normalisation every size 0: nothing to see", {{2, 5, 0}}, false, 1, {0}},
        {"zoomed in: one x unit is wider", {{2, 5, 16}}, true, 2, {46}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto view = bubbleView({bubbleSet(c.bubbles, c.normalized)});
        view->zoom(c.zoomX, 1, 35, 0);
        const auto drawn = ellipses(recorded([&](QPainter& painter) { view->renderer()->drawData(painter); }));
        ASSERT_EQ(drawn.size(), static_cast<size_t>(c.diameters.size()));
        for (size_t k = 0; k < drawn.size(); ++k) {
            const Bubble& bubble = c.bubbles.at(static_cast<qsizetype>(k));
            const QPointF center = view->pixelForValues(bubble.x, bubble.y, AxisDependency::left);
            EXPECT_EQ(drawn[k].rect, square(center, c.diameters.at(static_cast<qsizetype>(k))));
            EXPECT_EQ(drawn[k].brush.color(), QColor(Qt::black));
        }
    }
}

TEST(BubbleChartRendererTest, BubblesOutsideTheContentAreSkippedAndOneRightOfItEndsTheHighlights)
{
    struct Case {
        const char* name;
        QList<Bubble> bubbles;
        QList<double> drawnX;
    };
    const Case cases[] = {
        {"wholly left is skipped", {{-0.6, 5, 1}, {5, 5, 1}}, {5}},
        {"wholly above and below are skipped", {{3, 12, 1}, {4, -2, 1}, {5, 5, 1}}, {5}},
        {"reaching into the content is drawn", {{-0.4, 5, 1}, {5, 10.8, 1}}, {-0.4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dataSet = bubbleSet(c.bubbles);
        auto view = bubbleView({dataSet});
        const auto drawn = ellipses(recorded([&](QPainter& painter) { view->renderer()->drawData(painter); }));
        QList<double> drawnX;
        for (const Drawn& d : drawn) {
            drawnX << std::round((d.rect.center().x() - 35) / 23 * 10) / 10;
        }
        EXPECT_EQ(drawnX, c.drawnX);
    }
    // Highlights: the bubble right of the content ends the pass; the one above is only skipped.
    auto view = bubbleView({bubbleSet({{3, 12, 1}, {5, 5, 1}, {10.6, 5, 1}})});
    const auto highlight = [](double x, double y) { return std::make_shared<Highlight>(x, y, 0, -1); };
    const auto rings = [&view](const HighlightList& highlights) {
        return ellipses(recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, highlights); })).size();
    };
    EXPECT_EQ(rings({highlight(3, 12), highlight(5, 5)}), 1U);
    EXPECT_EQ(rings({highlight(10.6, 5), highlight(5, 5)}), 0U);
}

TEST(BubbleChartRendererTest, ValueTextsFadeInWithTheAnimation)
{
    struct Case {
        double phaseX;
        double phaseY;
        double alpha;
    };
    for (const Case c : {Case{0.4, 1, 0.4}, Case{1, 0.3, 0.3}, Case{1.5, 0.7, 0.7}}) {
        SCOPED_TRACE(c.phaseX);
        QList<Bubble> bubbles;
        for (int x = 1; x <= 10; ++x) {
            bubbles << Bubble{static_cast<double>(x), 5, 1};
        }
        auto dataSet = bubbleSet(bubbles);
        dataSet->setDrawValuesEnabled(true);
        auto view = bubbleView({dataSet});
        view->chartAnimator()->setPhaseX(c.phaseX);
        view->chartAnimator()->setPhaseY(c.phaseY);
        const auto drawn = recorded([&](QPainter& painter) { view->renderer()->drawValues(painter); });
        ASSERT_FALSE(drawn.empty());
        for (const Drawn& d : drawn) {
            EXPECT_NEAR(d.brush.color().alphaF(), c.alpha, 0.01);
        }
    }
}

TEST(BubbleChartRendererTest, EachDrawnBubbleIsDescribedWithItsSizeShare)
{
    struct Case {
        const char* name;
        QList<Bubble> bubbles;
        bool normalized;
        double zoomX;
        int sets;
        QString label;
    };
    const Case cases[] = {
        {"diameter 30 with maxSize 60", {{2, 5, 60}}, true, 30.0 / 23, 1, QStringLiteral(" 2: 5.0, bubble size: 50.00 %")},
        {"normalised with maxSize 0", {{2, 5, 0}}, true, 1, 1, QStringLiteral(" 2: 5.0, bubble size: inf %")},
        {"size 0 without normalisation", {{2, 5, 0}}, false, 1, 1, QStringLiteral(" 2: 5.0, bubble size: nan %")},
        {"a negative size without normalisation", {{2, 5, -1}}, false, 1, 1, QStringLiteral(" 2: 5.0, bubble size: -inf %")},
        {"two sets name the set", {{2, 5, 4}}, true, 1, 2, QStringLiteral("A,  2: 5.0, bubble size: 575.00 %")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartDataSetList dataSets;
        for (int k = 0; k < c.sets; ++k) {
            dataSets << bubbleSet(c.bubbles, c.normalized);
        }
        auto view = bubbleView(dataSets);
        view->xAxis()->setValueFormatter(std::make_shared<NumberAxisFormatter>());
        view->zoom(c.zoomX, 1, 35, 0);
        recorded([&](QPainter& painter) { view->renderer()->drawData(painter); });
        const auto elements = view->renderer()->accessibleChartElements();
        ASSERT_EQ(elements.size(), 1 + c.sets);
        EXPECT_EQ(elements.at(1)->accessibilityLabel(), c.label);
        const QPointF center = view->pixelForValues(2, 5, AxisDependency::left);
        EXPECT_EQ(elements.at(1)->accessibilityFrame().center(), center);
    }
}

TEST(BubbleChartRendererTest, InsideAnotherChartNoElementsAreMade)
{
    auto other = fixtureView<OtherXYView>(std::make_shared<BubbleChartData>(ChartDataSetList{bubbleSet({{2, 5, 1}})}));
    auto renderer = std::make_shared<BubbleChartRenderer>(other.get(), other->chartAnimator(), other->viewPortHandler());
    other->setRenderer(renderer);
    const auto drawn = ellipses(recorded([&](QPainter& painter) { renderer->drawData(painter); }));
    EXPECT_EQ(drawn.size(), 1U);
    EXPECT_TRUE(renderer->accessibleChartElements().isEmpty());
    EXPECT_TRUE(renderer->accessibilityOrderedElements().isEmpty());
}

// The ring takes the set's colour for the entry's x value (not its index) at half brightness.
TEST(BubbleChartRendererTest, AHighlightRingsTheBubbleInItsColourAtHalfBrightness)
{
    struct Case {
        const char* name;
        double x;
        QList<QColor> colors;
        QColor ring;
    };
    const Case cases[] = {
        {"x 1 takes the second colour", 1.7, {QColor(255, 0, 0), QColor(0, 0, 255)}, QColor::fromHsvF(2.0 / 3, 1, 0.5)},
        {"x 0 takes the first colour", 0.2, {QColor(255, 0, 0), QColor(0, 0, 255)}, QColor::fromHsvF(0, 1, 0.5)},
        {"grey stays grey", 2, {QColor(200, 200, 200)}, QColor::fromHsvF(-1, 0, 100.0 / 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dataSet = bubbleSet({{c.x, 5, 1}, {9, 5, 1}});
        dataSet->setColors(c.colors);
        dataSet->setHighlightCircleWidth(3);
        auto view = bubbleView({dataSet});
        auto highlight = std::make_shared<Highlight>(c.x, 5, 0, -1);
        const auto drawn = ellipses(recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {highlight}); }));
        ASSERT_EQ(drawn.size(), 1U);
        const QPointF center = view->pixelForValues(c.x, 5, AxisDependency::left);
        EXPECT_EQ(drawn[0].rect, square(center, 23));
        EXPECT_EQ(drawn[0].pen.color().rgba(), c.ring.rgba());
        EXPECT_EQ(drawn[0].pen.widthF(), 3);
        EXPECT_EQ(drawn[0].pen.capStyle(), Qt::FlatCap);
        EXPECT_EQ(drawn[0].pen.miterLimit(), 10);
        EXPECT_EQ(QPointF(highlight->drawX(), highlight->drawY()), center);
    }
}

// Highlights naming no drawn bubble draw nothing: a null one, a data-set index outside the data,
// an entry x that is not a number; an x beyond the 64-bit range picks its colour from the
// largest index.
TEST(BubbleChartRendererTest, HighlightsOutsideTheDataOrTheIntegerRangeAreHandled)
{
    auto view = bubbleView({bubbleSet({{2, 5, 1}}), bubbleSet({{std::nan(""), 5, 1}})});
    for (const auto& highlight : HighlightList{nullptr, std::make_shared<Highlight>(2, 5, -1, -1),
                                               std::make_shared<Highlight>(2, 5, 2, -1),
                                               std::make_shared<Highlight>(std::nan(""), 5, 1, -1)}) {
        EXPECT_TRUE(recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {highlight}); }).empty());
    }
    auto huge = bubbleSet({{1e300, 5, 1}});
    huge->setColors({Qt::red, Qt::blue});
    auto hugeView = bubbleView({huge});
    hugeView->xAxis()->setAxisMinimum(0.9e300);
    hugeView->xAxis()->setAxisMaximum(1.1e300);
    hugeView->notifyDataSetChanged();
    const auto drawn = ellipses(recorded([&](QPainter& painter) {
        hugeView->renderer()->drawHighlighted(painter, {std::make_shared<Highlight>(1e300, 5, 0, -1)});
    }));
    ASSERT_EQ(drawn.size(), 1U);
    // The largest 64-bit index is odd: the second colour.
    EXPECT_EQ(drawn[0].pen.color().rgba(), QColor::fromHsvF(2.0 / 3, 1, 0.5).rgba());
}
