#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/TransformerHorizontalBarChart.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QList>

#include <vector>

using namespace Charts;

namespace {

void expectNear(const QPointF& actual, const QPointF& expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-9) << "x of " << actual.x() << ", " << actual.y();
    EXPECT_NEAR(actual.y(), expected.y(), 1e-9) << "y of " << actual.x() << ", " << actual.y();
}

// A 300 x 200 chart with offsets left 35, top 15, right 35, bottom 60: content (35, 15, 230, 125),
// x values 0..10 and y values 0..100.
std::shared_ptr<ViewPortHandler> preparedHandler()
{
    auto handler = std::make_shared<ViewPortHandler>(300, 200);
    handler->restrainViewPort(35, 15, 35, 60);
    return handler;
}

// A 300 x 200 chart whose content is (50, 20, 200, 100), so that the scales are whole numbers.
std::shared_ptr<ViewPortHandler> roundHandler()
{
    auto handler = std::make_shared<ViewPortHandler>(300, 200);
    handler->restrainViewPort(50, 20, 50, 80);
    return handler;
}

}

TEST(Transformer, NewTransformerHasIdentityMatrices)
{
    const Transformer transformer(preparedHandler());
    EXPECT_EQ(transformer.matrixValueToPx(), AffineTransform());
    EXPECT_EQ(transformer.matrixOffset(), AffineTransform());
    EXPECT_EQ(transformer.pixelForValues(3, 4), QPointF(3, 4));
}

TEST(Transformer, ValuesToPixelsOnAPreparedChart)
{
    Transformer transformer(preparedHandler());
    transformer.prepareMatrixValuePx(0, 10, 100, 0);
    transformer.prepareMatrixOffset(false);

    EXPECT_EQ(transformer.pixelForValues(0, 0), QPointF(35, 140));
    EXPECT_EQ(transformer.pixelForValues(10, 100), QPointF(265, 15));
    EXPECT_EQ(transformer.pixelForValues(5, 50), QPointF(150, 77.5));

    QPointF point(5, 50);
    transformer.valueToPixel(point);
    EXPECT_EQ(point, QPointF(150, 77.5));
}

TEST(Transformer, InvertedAxisPutsTheMinimumOnTop)
{
    Transformer transformer(preparedHandler());
    transformer.prepareMatrixValuePx(0, 10, 100, 0);
    transformer.prepareMatrixOffset(true);
    EXPECT_EQ(transformer.pixelForValues(0, 0), QPointF(35, 15));
    EXPECT_EQ(transformer.pixelForValues(10, 100), QPointF(265, 140));
    EXPECT_EQ(transformer.pixelForValues(5, 20), QPointF(150, 40));
}

TEST(Transformer, PixelsBackToValues)
{
    Transformer transformer(preparedHandler());
    transformer.prepareMatrixValuePx(-3, 10, 100, 20);
    transformer.prepareMatrixOffset(false);

    expectNear(transformer.valueForTouchPoint(transformer.pixelForValues(1.5, 77)), {1.5, 77});
    expectNear(transformer.valueForTouchPoint(35, 140), {-3, 20});
    QPointF pixel(265, 15);
    transformer.pixelPointToValue(pixel);
    expectNear(pixel, {7, 120});

    QList<QPointF> pixels{{35, 140}, {265, 15}};
    transformer.pixelPointsToValues(pixels);
    expectNear(pixels[0], {-3, 20});
    expectNear(pixels[1], {7, 120});
}

TEST(Transformer, ListsConvertInPlaceInOrder)
{
    Transformer transformer(preparedHandler());
    transformer.prepareMatrixValuePx(0, 10, 100, 0);
    transformer.prepareMatrixOffset(false);

    QList<QPointF> points{{10, 100}, {0, 0}, {5, 50}};
    transformer.valuesToPixels(points);
    EXPECT_EQ(points, (QList<QPointF>{{265, 15}, {35, 140}, {150, 77.5}}));

    std::vector<QPointF> vector{{0, 0}};
    transformer.valuesToPixels(vector);
    EXPECT_EQ(vector.front(), QPointF(35, 140));

    QList<QPointF> empty;
    transformer.valuesToPixels(empty);
    EXPECT_TRUE(empty.isEmpty());
    QList<QRectF> noRects;
    transformer.rectsToPixels(noRects);
    EXPECT_TRUE(noRects.isEmpty());
}

TEST(Transformer, TheLiveTouchMatrixTakesEffectWithoutPreparing)
{
    auto handler = roundHandler();
    Transformer transformer(handler);
    transformer.prepareMatrixValuePx(0, 10, 100, 0);
    transformer.prepareMatrixOffset(false);
    EXPECT_EQ(transformer.pixelForValues(10, 0).x(), 250);

    // Zoomed in twice and panned to the right half: x 5 sits on the left edge, x 10 on the right.
    handler->refresh({2, 0, 0, 1, -200, 0}, nullptr, true);
    EXPECT_EQ(transformer.pixelForValues(5, 0).x(), 50);
    EXPECT_EQ(transformer.pixelForValues(10, 0).x(), 250);
    EXPECT_EQ(transformer.valueToPixelMatrix().a, 40); // pixels per x unit
    expectNear(transformer.valueForTouchPoint(150, 120), {7.5, 0});
}

TEST(Transformer, RectanglesAreNormalised)
{
    Transformer transformer(roundHandler());
    transformer.prepareMatrixValuePx(0, 10, 100, 0); // 20 px per x, 1 px per y
    transformer.prepareMatrixOffset(false);

    QRectF bar(1, 0, 1, 80);
    transformer.rectToPixels(bar);
    EXPECT_EQ(bar, QRectF(70, 40, 20, 80)); // a positive height although y is flipped

    QRectF backwards(2, 0, -1, 80);
    transformer.horizontalRectToPixels(backwards);
    EXPECT_EQ(backwards, QRectF(70, 40, 20, 80));

    QList<QRectF> bars{{1, 0, 1, 80}, {3, 10, 1, 10}};
    transformer.rectsToPixels(bars);
    EXPECT_EQ(bars, (QList<QRectF>{{70, 40, 20, 80}, {110, 100, 20, 10}}));

    Transformer inverted(roundHandler());
    inverted.prepareMatrixValuePx(0, 10, 100, 0);
    inverted.prepareMatrixOffset(true);
    QRectF hanging(1, 0, 1, 80);
    inverted.rectToPixels(hanging);
    EXPECT_EQ(hanging, QRectF(70, 20, 20, 80));
}

TEST(Transformer, PhaseFormsScaleTheValueAxisTowardZero)
{
    Transformer transformer(roundHandler());
    transformer.prepareMatrixValuePx(0, 10, 100, 0);
    transformer.prepareMatrixOffset(false);

    // (1, 0, 1, 80) at phase 0.5 converts (1, 0, 1, 40).
    QRectF growing(1, 0, 1, 80);
    transformer.rectToPixels(growing, 0.5);
    EXPECT_EQ(growing, QRectF(70, 80, 20, 40));

    // Both edges move: (1, 20, 1, 60) at phase 0.5 converts (1, 10, 1, 30).
    QRectF floating(1, 20, 1, 60);
    transformer.rectToPixels(floating, 0.5);
    EXPECT_EQ(floating, QRectF(70, 80, 20, 30));

    Transformer horizontal(roundHandler());
    horizontal.prepareMatrixValuePx(0, 100, 10, 0); // 2 px per x, 10 px per y
    horizontal.prepareMatrixOffset(false);
    // (0, 1, 80, 1) at phase 0.5 converts (0, 1, 40, 1).
    QRectF sideways(0, 1, 80, 1);
    horizontal.horizontalRectToPixels(sideways, 0.5);
    EXPECT_EQ(sideways, QRectF(50, 100, 80, 10));
    QRectF whole(0, 1, 80, 1);
    horizontal.horizontalRectToPixels(whole);
    EXPECT_EQ(whole, QRectF(50, 100, 160, 10));
}

TEST(Transformer, HorizontalBarChartMirrorsXWhenInverted)
{
    TransformerHorizontalBarChart transformer(roundHandler());
    transformer.prepareMatrixValuePx(0, 100, 10, 0);

    transformer.prepareMatrixOffset(false);
    EXPECT_EQ(transformer.pixelForValues(0, 0), QPointF(50, 120));
    EXPECT_EQ(transformer.pixelForValues(100, 10), QPointF(250, 20));

    // Values grow leftward from the content's right edge.
    transformer.prepareMatrixOffset(true);
    EXPECT_EQ(transformer.pixelForValues(0, 0), QPointF(250, 120));
    EXPECT_EQ(transformer.pixelForValues(100, 10), QPointF(50, 20));
    expectNear(transformer.valueForTouchPoint(150, 70), {50, 5});

    // Reached through the base class as well.
    Transformer& base = transformer;
    base.prepareMatrixOffset(true);
    EXPECT_EQ(base.pixelForValues(25, 0), QPointF(200, 120));
}

TEST(Transformer, AnEmptyXRangeCollapsesOntoTheLeftEdge)
{
    Transformer transformer(preparedHandler());
    transformer.prepareMatrixValuePx(0, 0, 100, 0);
    transformer.prepareMatrixOffset(false);
    EXPECT_EQ(transformer.matrixValueToPx().a, 0);
    EXPECT_EQ(transformer.pixelForValues(123, 0), QPointF(35, 140));
    EXPECT_EQ(transformer.pixelForValues(-7, 100), QPointF(35, 15));

    // No inverse: the pixel-to-value operations apply the matrix itself, not the identity.
    EXPECT_FALSE(transformer.valueToPixelMatrix().isInvertible());
    EXPECT_EQ(transformer.pixelToValueMatrix(), transformer.valueToPixelMatrix());
    EXPECT_EQ(transformer.valueForTouchPoint(100, 80), QPointF(35, 40));
    QPointF pixel(100, 80);
    transformer.pixelPointToValue(pixel);
    EXPECT_EQ(pixel, QPointF(35, 40));
}

TEST(Transformer, OnlyAPositiveInfiniteScaleBecomesZero)
{
    auto empty = std::make_shared<ViewPortHandler>(0, 0);
    Transformer nothing(empty);
    nothing.prepareMatrixValuePx(0, 0, 0, 0); // 0 / 0
    EXPECT_TRUE(std::isnan(nothing.matrixValueToPx().a));
    EXPECT_TRUE(std::isnan(nothing.matrixValueToPx().d));

    auto squeezed = std::make_shared<ViewPortHandler>(100, 100);
    squeezed->restrainViewPort(80, 80, 80, 80); // content −60 x −60
    Transformer negative(squeezed);
    negative.prepareMatrixValuePx(0, 0, 0, 0);
    EXPECT_EQ(negative.matrixValueToPx().a, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(negative.matrixValueToPx().d, std::numeric_limits<double>::infinity());
}

TEST(Transformer, AHugeRangeStillConvertsBack)
{
    // One pixel per 1e13 units: a matrix QTransform's fuzzy test would call singular.
    auto handler = std::make_shared<ViewPortHandler>(230, 100);
    Transformer transformer(handler);
    transformer.prepareMatrixValuePx(0, 2.3e15, 100, 0);
    transformer.prepareMatrixOffset(false);
    const QPointF value = transformer.valueForTouchPoint(transformer.pixelForValues(1e15, 50));
    EXPECT_NEAR(value.x(), 1e15, 1);
    EXPECT_NEAR(value.y(), 50, 1e-9);
}

namespace {

// A transformer whose combined matrix comes from an override; every conversion must use it.
class ShiftedTransformer : public Transformer {
public:
    using Transformer::Transformer;
    AffineTransform valueToPixelMatrix() const override
    {
        return AffineTransform::translation(1000, 0);
    }
};

}

TEST(Transformer, ConversionsReadTheOverriddenMatrix)
{
    ShiftedTransformer transformer(preparedHandler());
    QList<QPointF> points{{1, 2}};
    transformer.valuesToPixels(points);
    EXPECT_EQ(points.front(), QPointF(1001, 2));
    QRectF rect(0, 0, 1, 1);
    transformer.rectToPixels(rect, 1);
    EXPECT_EQ(rect, QRectF(1000, 0, 1, 1));
    EXPECT_EQ(transformer.valueForTouchPoint(1001, 2), QPointF(1, 2));
}
