#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>

namespace Charts {

// The engine's 2 x 3 matrix (a, b, c, d, tx, ty), acting on a point as
// (x, y) -> (a·x + c·y + tx, b·x + d·y + ty).
//
// The compositions follow one convention everywhere in the engine:
// - translated(dx, dy) and scaled(sx, sy) pre-apply: the point is shifted or scaled first and
//   then this matrix applies;
// - a.concatenated(b) applies a first and then b.
// The arithmetic is exact: no term is dropped because it looks small, and a matrix with no
// inverse is left unchanged by inverted() (QTransform decides with a fuzzy test and answers the
// identity instead).
struct AffineTransform {
    double a = 1;
    double b = 0;
    double c = 0;
    double d = 1;
    double tx = 0;
    double ty = 0;

    constexpr AffineTransform() = default;
    constexpr AffineTransform(double a, double b, double c, double d, double tx, double ty)
        : a(a), b(b), c(c), d(d), tx(tx), ty(ty)
    {
    }

    static constexpr AffineTransform identity() { return {}; }
    static constexpr AffineTransform translation(double dx, double dy)
    {
        return {1, 0, 0, 1, dx, dy};
    }
    static constexpr AffineTransform scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }

    // A matrix that first shifts a point by (dx, dy) and then applies this one.
    constexpr AffineTransform translated(double dx, double dy) const
    {
        return {a, b, c, d, a * dx + c * dy + tx, b * dx + d * dy + ty};
    }

    // A matrix that first scales a point by (sx, sy) and then applies this one.
    constexpr AffineTransform scaled(double sx, double sy) const
    {
        return {a * sx, b * sx, c * sy, d * sy, tx, ty};
    }

    // A matrix that applies this one first and then `next`.
    constexpr AffineTransform concatenated(const AffineTransform& next) const
    {
        return {a * next.a + b * next.c,   a * next.b + b * next.d,
                c * next.a + d * next.c,   c * next.b + d * next.d,
                tx * next.a + ty * next.c + next.tx, tx * next.b + ty * next.d + next.ty};
    }

    // a·d − b·c; the matrix has an inverse exactly when this is finite and not zero.
    constexpr double determinant() const { return a * d - b * c; }
    bool isInvertible() const;

    // The inverse; a matrix without one is returned unchanged.
    AffineTransform inverted() const;

    constexpr QPointF map(const QPointF& point) const
    {
        return {a * point.x() + c * point.y() + tx, b * point.x() + d * point.y() + ty};
    }

    // Maps the point in place.
    constexpr void apply(QPointF& point) const
    {
        const double x = point.x();
        const double y = point.y();
        point.setX(a * x + c * y + tx);
        point.setY(b * x + d * y + ty);
    }

    // The smallest upright rectangle holding the images of the rectangle's four corners; its
    // width and height are never negative.
    QRectF mapRect(const QRectF& rect) const;

    // The same matrix for QPainter.
    QTransform toQTransform() const { return QTransform(a, b, c, d, tx, ty); }

    // Exact comparison, member by member.
    friend constexpr bool operator==(const AffineTransform&, const AffineTransform&) = default;
};

}
