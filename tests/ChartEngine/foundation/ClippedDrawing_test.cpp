#include "ChartEngine/foundation/ClippedDrawing.h"

#include "../types/RecordingPaintDevice.h"

#include <QPainter>
#include <QPolygonF>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>

using namespace Charts;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
const QRectF bounds(0, 0, 100, 100);

QPainterPath closedPath(const QList<QPointF>& corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

// 200 corners about (50, 50), 20 to 45 points from it, and `odd` after the hundredth when given.
QList<QPointF> manyCorners(std::optional<QPointF> odd = std::nullopt)
{
    QList<QPointF> corners;
    for (int i = 0; i < 200; ++i) {
        const double angle = 2 * std::numbers::pi * i / 200;
        const double radius = 20.0 + (i * 7 % 11) * 2.5;
        corners << QPointF(50, 50) + radius * QPointF(std::cos(angle), std::sin(angle));
        if (i == 99 && odd) {
            corners << *odd;
        }
    }
    return corners;
}

QPainterPath linePath(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPen wide(double width, const QList<qreal>& dashes = {})
{
    QPen pen(QColor(0, 0, 160), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    if (!dashes.isEmpty()) {
        pen.setDashPattern(dashes);
    }
    return pen;
}

QPen translucent(double width)
{
    QPen pen = wide(width);
    pen.setColor(QColor(0, 0, 160, 40));
    return pen;
}

}

// Geometry with points that are not numbers, reaching far beyond the bounds or stroked with a pen
// far wider than the view inks within the bounds what Qt inks of what it stands for (a point that
// is not a number cuts a line and is left out of an area), but for a few levels of antialiasing:
// a pen 10,000 points wide is held to what the view can show and inks there what Qt's pen does,
// across the view, beside it within the pen's reach, at a mitred corner and dashed.
TEST(ClippedDrawing, InksWithinTheBoundsWhatQtInks)
{
    using Draw = std::function<void(QPainter&)>;
    const QPointF spike[] = {{-300, 400}, {50, 60}, {400, 400}};
    // 80 lines about (50, 50), each stroked across the view in a band 40 points wide.
    QList<QLineF> fan;
    for (int i = 0; i < 80; ++i) {
        const QPointF along(std::cos(i * 0.3), std::sin(i * 0.3));
        fan << QLineF(QPointF(50, 50) + 5 * along, QPointF(50, 50) + 45 * along);
    }
    // Qt's own stroke of a curve strays by dozens of levels along it: the ellipse's reference is
    // its curves sampled at 8,000 points.
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(-2000, -750, 2000, 1600));
    QList<QPointF> ellipseSamples;
    for (int i = 0; i < 8000; ++i) {
        ellipseSamples << ellipse.pointAtPercent(i / 8000.0);
    }
    const struct {
        const char* name;
        QPen pen;
        Draw clipped;
        Draw whole;
        int strays = 2;  // pixels more than 4 levels of grey apart
    } cases[] = {
        {"a polyline cut at a point that is not a number", wide(6),
         [](QPainter& p) { drawClippedPolyline(p, {{10, 10}, {50, 80}, {notANumber, 3}, {60, 20}, {90, 90}}, bounds); },
         [](QPainter& p) {
             const QPointF runs[] = {{10, 10}, {50, 80}, {60, 20}, {90, 90}};
             p.drawPolyline(runs, 2);
             p.drawPolyline(runs + 2, 2);
         }},
        {"a polygon's outline without its infinite corner", wide(6),
         [](QPainter& p) { drawClippedPolygon(p, {{20, 20}, {80, 30}, {infinity, 50}, {50, 90}}, bounds); },
         [](QPainter& p) { p.drawPath(closedPath({{20, 20}, {80, 30}, {50, 90}})); }},
        {"an area without its corner that is not a number", QPen(Qt::NoPen),
         [](QPainter& p) {
             fillClippedPath(p, closedPath({{20, 20}, {80, 20}, {notANumber, 5}, {70, 80}}), Qt::black, bounds);
         },
         [](QPainter& p) { p.fillPath(closedPath({{20, 20}, {80, 20}, {70, 80}}), Qt::black); }},
        {"an area of many corners without its infinite one", QPen(Qt::NoPen),
         [](QPainter& p) {
             fillClippedPath(p, closedPath(manyCorners(QPointF(infinity, -infinity))), Qt::black, bounds);
         },
         [](QPainter& p) { p.fillPath(closedPath(manyCorners()), Qt::black); }},
        {"a rectangle a trillion points tall", QPen(Qt::NoPen),
         [](QPainter& p) { fillClippedRect(p, QRectF(30, -1e12, 40, 2e12), Qt::black, bounds); },
         [](QPainter& p) { p.fillRect(QRectF(30, -10, 40, 120), Qt::black); }},
        {"a rectangle's outline reaching a billion points left", wide(6),
         [](QPainter& p) { drawClippedRect(p, QRectF(QPointF(-1e9, 30), QPointF(70, 60)), bounds); },
         [](QPainter& p) { p.drawRect(QRectF(QPointF(-1000, 30), QPointF(70, 60))); }},
        {"a pen 10,000 points wide across the view", wide(10000),
         [](QPainter& p) { drawClippedPolyline(p, {{-20, 40}, {120, 60}}, bounds); },
         [](QPainter& p) { p.drawLine(QLineF(-20, 40, 120, 60)); }},
        {"a pen 10,000 points wide passing above the view", wide(10000),
         [](QPainter& p) { drawClippedLine(p, QLineF(-50, -4950, 150, -4950), bounds); },
         [](QPainter& p) { p.drawLine(QLineF(-50, -4950, 150, -4950)); }},
        {"a pen 10,000 points wide at a mitred corner", wide(10000),
         [&](QPainter& p) { drawClippedPolyline(p, {spike[0], spike[1], spike[2]}, bounds); },
         [&](QPainter& p) { p.drawPolyline(spike, 3); }},
        {"a dashed pen 10,000 points wide", wide(10000, {0.004, 0.003}),
         [](QPainter& p) { drawClippedPath(p, linePath({-300, 50}, {300, 60}), bounds); },
         [](QPainter& p) { p.drawLine(QLineF(-300, 50, 300, 60)); }},
        {"many translucent lines 10,000 points wide, each inked on its own", translucent(10000),
         [&](QPainter& p) { drawClippedLines(p, fan, bounds); }, [&](QPainter& p) { p.drawLines(fan); }},
        {"an ellipse's outline 100 points wide", wide(100),
         [](QPainter& p) { drawClippedEllipse(p, QRectF(-2000, -750, 2000, 1600), bounds); },
         [&](QPainter& p) { p.drawPath(closedPath(ellipseSamples)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto draw = [&](const Draw& steps) {
            QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(c.pen);
            steps(painter);
            return image;
        };
        const QImage clipped = draw(c.clipped);
        const QImage whole = draw(c.whole);
        int strays = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                strays += std::abs(qGray(clipped.pixel(x, y)) - qGray(whole.pixel(x, y))) > 4;
            }
        }
        EXPECT_LE(strays, c.strays);
        QImage blank(100, 100, QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::white);
        EXPECT_NE(whole, blank) << "nothing to compare";
    }
}

// What reaches Qt is finite and near the bounds: a far line's outline, of a pen 10,000 points
// wide, is filled within the bounds widened by a point, as are a far rectangle and an area with an
// infinite corner, and the lines of a polyline through points that are not numbers are finite.
TEST(ClippedDrawing, HandsQtOnlyFiniteGeometryNearTheBounds)
{
    const struct {
        const char* name;
        QPen pen;
        std::function<void(QPainter&)> draw;
        double reach;  // how far beyond the bounds what Qt is given may lie
    } cases[] = {
        {"a line 10,000 points wide from 1e133 points away", wide(10000),
         [](QPainter& p) { drawClippedPolyline(p, {{-4.3e133, -4.9e133}, {50, 50}, {1513661, 50}}, bounds); }, 1},
        {"a polyline through points that are not numbers", wide(6),
         [](QPainter& p) {
             drawClippedPolyline(p, {{10, 10}, {30, 40}, {infinity, 50}, {50, 50}, {70, 60}, {notANumber, 0}, {90, 90}},
                                 bounds);
         },
         31},
        {"an area with an infinite corner", QPen(Qt::NoPen),
         [](QPainter& p) { fillClippedPath(p, closedPath({{10, 10}, {-infinity, 50}, {90, 90}}), Qt::black, bounds); },
         1},
        {"a far rectangle", QPen(Qt::NoPen),
         [](QPainter& p) { fillClippedRect(p, QRectF(-1e300, 10, 2e300, 1e300), Qt::black, bounds); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDevice device;
        QPainter painter(&device);
        painter.setPen(c.pen);
        c.draw(painter);
        painter.end();
        const QRectF near = bounds.adjusted(-c.reach, -c.reach, c.reach, c.reach);
        ASSERT_FALSE(device.drawn().empty());
        for (const Drawn& drawn : device.drawn()) {
            const QRectF line = QRectF(drawn.line.p1(), drawn.line.p2()).normalized();
            const QRectF extent = drawn.kind == Drawn::Kind::path   ? drawn.path.boundingRect()
                                  : drawn.kind == Drawn::Kind::line ? line
                                                                    : drawn.rect;
            EXPECT_TRUE(near.contains(extent)) << testing::PrintToString(extent);
        }
    }
}

// A clip reaching far beyond the bounds, or not a number, is held to the bounds widened by a point:
// a clip to an ellipse a billion points wide took Qt seconds.
TEST(ClippedDrawing, ClipsAreHeldToTheBounds)
{
    const struct {
        const char* name;
        std::function<void(QPainter&)> clip;
        QRectF held;
    } cases[] = {
        {"an ellipse a billion points wide",
         [](QPainter& p) {
             QPainterPath ellipse;
             ellipse.addEllipse(QRectF(-5e8, -5e8, 1e9, 1e9));
             clipToPath(p, ellipse, bounds);
         },
         bounds.adjusted(-1, -1, 1, 1)},
        {"a rectangle 1e300 points wide", [](QPainter& p) { clipToRect(p, QRectF(-1e300, 20, 2e300, 30), bounds); },
         QRectF(-1, 20, 102, 30)},
        {"a rectangle that is not a number", [](QPainter& p) { clipToRect(p, QRectF(10, 10, notANumber, 5), bounds); },
         QRectF()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        c.clip(painter);
        EXPECT_EQ(painter.clipBoundingRect(), c.held);
    }
}
