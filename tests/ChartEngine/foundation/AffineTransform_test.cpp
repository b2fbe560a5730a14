#include "ChartEngine/foundation/AffineTransform.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QTransform>

using namespace Charts;

namespace {

void expectSame(const AffineTransform& m, const QTransform& q)
{
    EXPECT_DOUBLE_EQ(m.a, q.m11());
    EXPECT_DOUBLE_EQ(m.b, q.m12());
    EXPECT_DOUBLE_EQ(m.c, q.m21());
    EXPECT_DOUBLE_EQ(m.d, q.m22());
    EXPECT_DOUBLE_EQ(m.tx, q.dx());
    EXPECT_DOUBLE_EQ(m.ty, q.dy());
}

}

TEST(AffineTransform, CompositionsPreApplyLikeQTransform)
{
    const AffineTransform m(2, 0.5, -1, 3, 7, -4);
    const QTransform q(2, 0.5, -1, 3, 7, -4);

    expectSame(m.translated(5, -6), QTransform(q).translate(5, -6));
    expectSame(m.scaled(1.5, -2), QTransform(q).scale(1.5, -2));

    const AffineTransform n(0.25, 1, 2, -0.5, -3, 9);
    const QTransform r(0.25, 1, 2, -0.5, -3, 9);
    expectSame(m.concatenated(n), q * r);
    expectSame(m.inverted(), q.inverted());
}

TEST(AffineTransform, TranslateShiftsThePointFirstConcatenateAppliesTheLeftFirst)
{
    // Scale by 2, then pre-translate by (10, 0): the point moves 10 before being doubled.
    const AffineTransform m = AffineTransform::scaling(2, 2).translated(10, 0);
    EXPECT_EQ(m.map({1, 1}), QPointF(22, 2));
    // Concatenation applies the left matrix first.
    const AffineTransform n =
        AffineTransform::scaling(2, 2).concatenated(AffineTransform::translation(10, 0));
    EXPECT_EQ(n.map({1, 1}), QPointF(12, 2));
}

TEST(AffineTransform, OnlyATrulySingularMatrixIsLeftUnchanged)
{
    const AffineTransform zeroScale(0, 0, 0, -1.25, 35, 140);
    EXPECT_FALSE(zeroScale.isInvertible());
    EXPECT_EQ(zeroScale.inverted(), zeroScale);

    const AffineTransform collapsed(1, 2, 2, 4, 0, 0); // rows are parallel
    EXPECT_EQ(collapsed.inverted(), collapsed);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(AffineTransform(nan, 0, 0, 1, 0, 0).isInvertible());

    // QTransform's fuzzy test calls this singular and answers the identity.
    const AffineTransform tiny(1e-13, 0, 0, 1, 0, 0);
    EXPECT_DOUBLE_EQ(tiny.inverted().map({1e-13, 0}).x(), 1);
}

TEST(AffineTransform, MappedRectangleIsTheUprightBoundingBox)
{
    const AffineTransform flip(1, 0, 0, -1, 0, 100);
    EXPECT_EQ(flip.mapRect({10, 20, 30, 40}), QRectF(10, 40, 30, 40));
    // A negative width comes out positive.
    EXPECT_EQ(AffineTransform().mapRect({10, 20, -5, 5}), QRectF(5, 20, 5, 5));
    // A rotation by a quarter turn (x, y) -> (−y, x).
    const AffineTransform quarter(0, 1, -1, 0, 0, 0);
    EXPECT_EQ(quarter.mapRect({0, 0, 4, 2}), QRectF(-2, 0, 2, 4));
}
