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

std::shared_ptr<BubbleChartDataSet> bubbleSet(const QList<Bubble>& bubbles, bool normalized = true)
{
    ChartDataEntryList entries;
    for (const Bubble& bubble : bubbles) {
        entries << std::make_shared<BubbleChartDataEntry>(bubble.x, bubble.y, bubble.size);
    }
    auto dataSet = std::make_shared<BubbleChartDataSet>(entries, QStringLiteral("A"));
    dataSet->setNormalizeSizeEnabled(normalized);
    dataSet->setColor(Qt::black);
    dataSet->setDrawValuesEnabled(false);
    dataSet->setValueFormatter(std::make_shared<RecordingFormatter>());
    return dataSet;
}

std::unique_ptr<BubbleChartView> bubbleView(const ChartDataSetList& dataSets)
{
    return fixtureView<BubbleChartView>(std::make_shared<BubbleChartData>(dataSets));
}

QRectF square(QPointF center, double diameter)
{
    return QRectF(center.x() - diameter / 2, center.y() - diameter / 2, diameter, diameter);
}

class NumberAxisFormatter : public AxisValueFormatter {
public:
    QString stringForValue(double value, const AxisBase*) const override { return QString::number(value); }
};

}

// One x unit is 23 pixels wide and the content 125 high: the reference size is 23. A bubble
// wholly left, above or below the content is skipped.
TEST(BubbleChartRendererTest, BubblesAreSizedAgainstTheReferenceSize)
{
    struct Case {
        const char* name;
        QList<Bubble> bubbles;
        bool normalized;
        double zoomX;
        // The centre x and diameter of each drawn bubble.
        QList<QPointF> drawn;
    };
    const Case cases[] = {
        {"normalised: the square root of size / maxSize", {{2, 5, 4}, {4, 5, 16}}, true, 1, {{2, 11.5}, {4, 23}}},
        {"normalised with maxSize 0: the reference size", {{2, 5, 0}, {4, 5, -3}}, true, 1, {{2, 23}, {4, 23}}},
        {"without normalisation: the size itself", {{2, 5, 2}, {4, 5, 0.5}}, false, 1, {{2, 46}, {4, 11.5}}},
        {"without normalisation every size 0: nothing to see", {{2, 5, 0}}, false, 1, {{2, 0}}},
        {"zoomed in: one x unit is wider", {{2, 5, 16}}, true, 2, {{2, 46}}},
        {"wholly left, above or below: skipped", {{-0.6, 5, 1}, {3, 12, 1}, {4, -2, 1}, {5, 5, 1}}, true, 1, {{5, 23}}},
        {"reaching into the content: drawn", {{-0.4, 5, 1}, {5, 10.8, 1}}, true, 1, {{-0.4, 23}, {5, 23}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto view = bubbleView({bubbleSet(c.bubbles, c.normalized)});
        view->zoom(c.zoomX, 1, 35, 0);
        QList<QRectF> expected;
        for (const QPointF& drawn : c.drawn) {
            const auto bubble = std::find_if(c.bubbles.begin(), c.bubbles.end(), [&](const Bubble& b) { return b.x == drawn.x(); });
            expected << square(view->pixelForValues(bubble->x, bubble->y, AxisDependency::left), drawn.y());
        }
        QList<QRectF> squares;
        for (const Drawn& d : recorded([&](QPainter& painter) { view->renderer()->drawData(painter); })) {
            squares << d.rect;
        }
        EXPECT_EQ(squares, expected);
    }
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

// The ring takes the set's colour for the entry's x value (not its index) at half brightness;
// an x beyond the 64-bit range takes the largest index, an x that is not a number draws nothing.
// The first highlighted bubble right of the content ends the pass; one above it is skipped.
TEST(BubbleChartRendererTest, AHighlightRingsTheBubbleInItsColourAtHalfBrightness)
{
    const QColor darkRed = QColor::fromHsvF(0, 1, 0.5);
    const QColor darkBlue = QColor::fromHsvF(2.0 / 3, 1, 0.5);
    struct Case {
        const char* name;
        QList<QPointF> highlights;
        double xMax;
        QList<QColor> rings;
    };
    const Case cases[] = {
        {"x 1.7 takes the second colour", {{1.7, 5}}, 10, {darkBlue}},
        {"x 0.2 takes the first colour", {{0.2, 5}}, 10, {darkRed}},
        {"grey stays grey", {{4, 5}}, 10, {QColor::fromHsvF(-1, 0, 100.0 / 255)}},
        {"above the content: skipped", {{3, 12}, {1.7, 5}}, 10, {darkBlue}},
        {"right of the content: the end", {{10.6, 5}, {1.7, 5}}, 10, {}},
        {"x not a number", {{std::nan(""), 5}}, 10, {}},
        {"x beyond the integer range: the largest index", {{1e300, 5}}, 1.1e300, {QColor::fromHsvF(1.0 / 3, 1, 0.5)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A bubble of x that is not finite, or beyond 10, stands alone in its set.
        const double x = c.highlights.first().x();
        auto dataSet = std::isfinite(x) && x < 1e10
            ? bubbleSet({{0.2, 5, 1}, {1.7, 5, 1}, {3, 12, 1}, {4, 5, 1}, {10.6, 5, 1}})
            : bubbleSet({{x, 5, 1}});
        dataSet->setColors({Qt::red, Qt::blue, Qt::green, Qt::red, QColor(200, 200, 200)});
        dataSet->setHighlightCircleWidth(3);
        auto view = bubbleView({dataSet});
        view->xAxis()->setAxisMinimum(c.xMax > 10 ? 0.9e300 : 0);
        view->xAxis()->setAxisMaximum(c.xMax);
        view->notifyDataSetChanged();
        HighlightList highlights;
        for (const QPointF& h : c.highlights) {
            highlights << std::make_shared<Highlight>(h.x(), h.y(), 0, -1);
        }
        QList<QColor> rings;
        for (const Drawn& d : recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, highlights); })) {
            rings << d.pen.color();
            EXPECT_EQ(d.pen.widthF(), 3);
            EXPECT_EQ(d.pen.capStyle(), Qt::FlatCap);
            EXPECT_EQ(d.pen.miterLimit(), 10);
            EXPECT_EQ(d.rect.center(), QPointF(highlights.last()->drawX(), highlights.last()->drawY()));
        }
        EXPECT_EQ(rings, c.rings);
    }
}
