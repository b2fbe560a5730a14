#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/ChevronDownShapeRenderer.h"
#include "ChartEngine/types/ChevronUpShapeRenderer.h"
#include "ChartEngine/types/CircleShapeRenderer.h"
#include "ChartEngine/types/CrossShapeRenderer.h"
#include "ChartEngine/types/SquareShapeRenderer.h"
#include "ChartEngine/types/TriangleShapeRenderer.h"
#include "ChartEngine/types/XShapeRenderer.h"

#include "RecordingPaintDevice.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

using namespace Charts;

namespace {

const QColor red(200, 0, 0);
const QColor blue(0, 0, 200);
const QPointF point(20, 20);

std::shared_ptr<ScatterChartDataSet> shapeSet(double size, double holeRadius, std::optional<QColor> holeColor = {})
{
    auto set = std::make_shared<ScatterChartDataSet>();
    set->setScatterShapeSize(size);
    set->setScatterShapeHoleRadius(holeRadius);
    set->setScatterShapeHoleColor(holeColor);
    return set;
}

std::vector<Drawn> record(ShapeRenderer& renderer, const ScatterChartDataSet& set)
{
    RecordingDevice device;
    const ViewPortHandler viewPort(100, 100);
    QPainter painter(&device);
    renderer.renderShape(painter, set, viewPort, point, red);
    painter.end();
    return device.drawn();
}

QImage paint(ShapeRenderer& renderer, const ScatterChartDataSet& set)
{
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const ViewPortHandler viewPort(40, 40);
    QPainter painter(&image);
    renderer.renderShape(painter, set, viewPort, point, red);
    return image;
}

void expectFill(const Drawn& drawn, Drawn::Kind kind, const QRectF& rect, const QColor& color)
{
    EXPECT_EQ(drawn.kind, kind);
    EXPECT_EQ(drawn.rect, rect);
    EXPECT_EQ(drawn.pen.style(), Qt::NoPen);
    EXPECT_EQ(drawn.brush.color(), color);
}

void expectRing(const Drawn& drawn, Drawn::Kind kind)
{
    EXPECT_EQ(drawn.kind, kind);
    EXPECT_EQ(drawn.rect, QRectF(16.5, 16.5, 7, 7));
    EXPECT_EQ(drawn.pen.widthF(), 3.0);
    EXPECT_EQ(drawn.pen.color(), red);
    EXPECT_EQ(drawn.pen.joinStyle(), Qt::MiterJoin);
    EXPECT_EQ(drawn.brush.style(), Qt::NoBrush);
}

void expectLines(const std::vector<Drawn>& drawn, const QList<QLineF>& lines)
{
    ASSERT_EQ(drawn.size(), static_cast<size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(drawn[i].kind, Drawn::Kind::line);
        EXPECT_EQ(drawn[i].line, lines.at(i)) << "line " << i;
        EXPECT_EQ(drawn[i].pen.widthF(), 1.0);
        EXPECT_EQ(drawn[i].pen.color(), red);
    }
}

QList<QPolygonF> subpaths(const QPainterPath& path)
{
    return path.toSubpathPolygons();
}

}

TEST(ShapeRenderers, SquareAndCircleFillTheShapeWithoutAHole)
{
    SquareShapeRenderer square;
    auto drawn = record(square, *shapeSet(10, 0));
    ASSERT_EQ(drawn.size(), 1u);
    expectFill(drawn[0], Drawn::Kind::rect, QRectF(15, 15, 10, 10), red);

    CircleShapeRenderer circle;
    drawn = record(circle, *shapeSet(10, 0));
    ASSERT_EQ(drawn.size(), 1u);
    expectFill(drawn[0], Drawn::Kind::ellipse, QRectF(15, 15, 10, 10), red);
}

TEST(ShapeRenderers, SquareAndCircleStrokeARingAroundTheHole)
{
    SquareShapeRenderer square;
    auto drawn = record(square, *shapeSet(10, 2, blue));
    ASSERT_EQ(drawn.size(), 2u);
    expectRing(drawn[0], Drawn::Kind::rect);
    expectFill(drawn[1], Drawn::Kind::rect, QRectF(18, 18, 4, 4), blue);

    CircleShapeRenderer circle;
    drawn = record(circle, *shapeSet(10, 2, blue));
    ASSERT_EQ(drawn.size(), 2u);
    expectRing(drawn[0], Drawn::Kind::ellipse);
    expectFill(drawn[1], Drawn::Kind::ellipse, QRectF(18, 18, 4, 4), blue);

    // Without a hole colour the hole stays unfilled.
    EXPECT_EQ(record(square, *shapeSet(10, 2)).size(), 1u);

    // A hole as large as the shape leaves no ring to stroke (Qt would draw a hairline for width 0).
    drawn = record(square, *shapeSet(10, 6, blue));
    ASSERT_EQ(drawn.size(), 1u);
    expectFill(drawn[0], Drawn::Kind::rect, QRectF(14, 14, 12, 12), blue);
    EXPECT_TRUE(record(circle, *shapeSet(10, 5)).empty());
}

TEST(ShapeRenderers, SquareRingOnPixels)
{
    SquareShapeRenderer square;
    const QImage ring = paint(square, *shapeSet(10, 2));
    for (const QPoint inside : {QPoint(15, 15), QPoint(17, 20), QPoint(24, 24), QPoint(20, 22)}) {
        EXPECT_EQ(ring.pixelColor(inside), red) << inside.x() << "," << inside.y();
    }
    for (const QPoint outside : {QPoint(14, 14), QPoint(25, 20), QPoint(18, 18), QPoint(21, 21)}) {
        EXPECT_EQ(ring.pixelColor(outside).alpha(), 0) << outside.x() << "," << outside.y();
    }
    EXPECT_EQ(paint(square, *shapeSet(10, 2, blue)).pixelColor(20, 20), blue);
}

TEST(ShapeRenderers, TriangleApexAndBase)
{
    TriangleShapeRenderer triangle;
    auto drawn = record(triangle, *shapeSet(10, 0));
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].kind, Drawn::Kind::path);
    EXPECT_EQ(drawn[0].brush.color(), red);
    EXPECT_EQ(drawn[0].pen.style(), Qt::NoPen);
    const auto outer = subpaths(drawn[0].path);
    ASSERT_EQ(outer.size(), 1);
    EXPECT_EQ(outer[0], QPolygonF({{20, 15}, {25, 25}, {15, 25}, {20, 15}}));

    const QImage image = paint(triangle, *shapeSet(10, 0));
    EXPECT_EQ(image.pixelColor(20, 16), red);
    EXPECT_EQ(image.pixelColor(20, 14).alpha(), 0);
    EXPECT_EQ(image.pixelColor(15, 24), red);
    EXPECT_EQ(image.pixelColor(24, 24), red);
    EXPECT_EQ(image.pixelColor(20, 25).alpha(), 0);
    EXPECT_EQ(image.pixelColor(16, 17).alpha(), 0);
}

TEST(ShapeRenderers, HollowTriangleWindsItsHoleTheOtherWay)
{
    TriangleShapeRenderer triangle;
    const auto drawn = record(triangle, *shapeSet(10, 2, blue));
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].path.fillRule(), Qt::WindingFill);
    const auto rings = subpaths(drawn[0].path);
    ASSERT_EQ(rings.size(), 2);
    EXPECT_EQ(rings[0], QPolygonF({{20, 15}, {25, 25}, {15, 25}, {20, 15}}));
    EXPECT_EQ(rings[1], QPolygonF({{18, 22}, {22, 22}, {20, 18}, {18, 22}}));
    EXPECT_EQ(drawn[1].brush.color(), blue);
    EXPECT_EQ(subpaths(drawn[1].path)[0], QPolygonF({{20, 18}, {22, 22}, {18, 22}, {20, 18}}));

    const QImage hollow = paint(triangle, *shapeSet(10, 2));
    EXPECT_EQ(hollow.pixelColor(20, 21).alpha(), 0);
    EXPECT_EQ(hollow.pixelColor(20, 24), red);
    EXPECT_EQ(paint(triangle, *shapeSet(10, 2, blue)).pixelColor(20, 21), blue);
}

TEST(ShapeRenderers, CrossAndXReachHalfTheSize)
{
    CrossShapeRenderer cross;
    expectLines(record(cross, *shapeSet(10, 0)), {QLineF(15, 20, 25, 20), QLineF(20, 15, 20, 25)});
    XShapeRenderer x;
    expectLines(record(x, *shapeSet(10, 0)), {QLineF(15, 15, 25, 25), QLineF(25, 15, 15, 25)});
}

TEST(ShapeRenderers, ChevronsReachTheFullSize)
{
    ChevronUpShapeRenderer up;
    expectLines(record(up, *shapeSet(10, 0)), {QLineF(20, 10, 30, 20), QLineF(20, 10, 10, 20)});
    ChevronDownShapeRenderer down;
    expectLines(record(down, *shapeSet(10, 0)), {QLineF(20, 30, 30, 20), QLineF(20, 30, 10, 20)});
}
