#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/ColorFill.h"
#include "ChartEngine/foundation/EmptyFill.h"
#include "ChartEngine/foundation/ImageFill.h"
#include "ChartEngine/foundation/LayerFill.h"
#include "ChartEngine/foundation/LinearGradientFill.h"
#include "ChartEngine/foundation/RadialGradientFill.h"

#include "support/QtPrinters.h"

#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <gtest/gtest.h>

#include <limits>

using namespace Charts;

namespace {

const QRectF content(0, 0, 200, 100);

QImage whiteCanvas()
{
    QImage canvas(200, 100, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    return canvas;
}

QPainterPath rectPath(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

// Paints `fill` over `path` on a white canvas.
QImage paint(const Fill& fill, const QPainterPath& path, const QRectF& rect = content)
{
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    fill.fillPath(painter, path, rect);
    painter.end();
    return canvas;
}

const QGradientStops blackToWhite {{0.0, Qt::black}, {1.0, Qt::white}};

int grey(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

}

TEST(Fills, EmptyFillPaintsNothing)
{
    const QImage canvas = paint(EmptyFill(), rectPath(content));
    EXPECT_EQ(canvas, whiteCanvas());
}

TEST(Fills, ColorFillPaintsThePathAndRestoresThePainter)
{
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    painter.setBrush(Qt::green);
    painter.setClipRect(QRectF(0, 0, 150, 100));
    const QRegion clipBefore = painter.clipRegion();
    ColorFill(QColor(Qt::red)).fillPath(painter, rectPath(QRectF(100, 20, 100, 60)), QRectF());
    EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
    EXPECT_EQ(painter.clipRegion(), clipBefore);
    painter.end();
    EXPECT_EQ(canvas.pixelColor(120, 50), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(160, 50), QColor(Qt::white)); // outside the painter's clip
    EXPECT_EQ(canvas.pixelColor(90, 50), QColor(Qt::white));
}

TEST(Fills, AreasUseTheNonZeroWindingRule)
{
    // Two overlapping squares drawn the same way round: their overlap is inside.
    QPainterPath path;
    path.addRect(QRectF(10, 10, 60, 60));
    path.addRect(QRectF(40, 40, 50, 50));
    path.setFillRule(Qt::OddEvenFill);
    const QImage coloured = paint(ColorFill(QColor(Qt::red)), path);
    EXPECT_EQ(coloured.pixelColor(55, 55), QColor(Qt::red));
    const QImage gradient = paint(LinearGradientFill(blackToWhite, 0), path);
    EXPECT_LT(grey(gradient, 55, 55), 200);
}

TEST(Fills, ColorFillHonoursThePainterOpacity)
{
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    painter.setOpacity(0.5);
    ColorFill(QColor(Qt::black)).fillPath(painter, rectPath(content), content);
    painter.end();
    EXPECT_NEAR(grey(canvas, 100, 50), 128, 2);
}

TEST(Fills, LinearGradientEnds)
{
    const LinearGradientFill across(blackToWhite, 0);
    EXPECT_EQ(across.gradientLine(content), std::make_pair(QPointF(0, 50), QPointF(200, 50)));
    const auto up = LinearGradientFill(blackToWhite, 90).gradientLine(content);
    EXPECT_NEAR(up.first.x(), 100, 1e-12);
    EXPECT_NEAR(up.first.y(), 100, 1e-12);
    EXPECT_NEAR(up.second.x(), 100, 1e-12);
    EXPECT_NEAR(up.second.y(), 0, 1e-12);
}

TEST(Fills, LinearGradientPaintsAcrossTheRectangleInsideThePath)
{
    const QImage across
        = paint(LinearGradientFill(blackToWhite, 0), rectPath(QRectF(0, 0, 200, 60)));
    EXPECT_LT(grey(across, 1, 30), 8);
    EXPECT_NEAR(grey(across, 100, 30), 128, 4);
    EXPECT_GT(grey(across, 198, 30), 247);
    EXPECT_EQ(across.pixelColor(2, 80), QColor(Qt::white)); // outside the path

    // 90 degrees runs from the bottom (first colour) to the top.
    const QImage up = paint(LinearGradientFill(blackToWhite, 90), rectPath(content));
    EXPECT_LT(grey(up, 100, 99), 8);
    EXPECT_GT(grey(up, 100, 0), 247);
}

TEST(Fills, LinearGradientExtendsItsEndColours)
{
    // The gradient spans the rectangle; the area reaches beyond it on both sides.
    QImage canvas(300, 100, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    const QGradientStops redToBlue {{0.0, Qt::red}, {1.0, Qt::blue}};
    LinearGradientFill(redToBlue, 0)
        .fillPath(painter, rectPath(QRectF(0, 0, 300, 100)), QRectF(100, 0, 100, 100));
    painter.end();
    EXPECT_EQ(canvas.pixelColor(20, 50), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(280, 50), QColor(Qt::blue));
}

TEST(Fills, RadialGradientCircles)
{
    const RadialGradientFill plain(blackToWhite);
    const auto [start, end] = plain.gradientCircles(content);
    EXPECT_EQ(start.center, QPointF(100, 50));
    EXPECT_EQ(start.radius, 0);
    EXPECT_EQ(end.center, QPointF(100, 50));
    EXPECT_EQ(end.radius, 100);

    const RadialGradientFill offset(blackToWhite, QPointF(-0.25, 0.1), QPointF(0.5, 0), 0.5, 2);
    const auto [from, to] = offset.gradientCircles(content);
    EXPECT_EQ(from.center, QPointF(50, 60));
    EXPECT_EQ(from.radius, 50);
    EXPECT_EQ(to.center, QPointF(200, 50));
    EXPECT_EQ(to.radius, 200);
}

TEST(Fills, RadialGradientRunsFromTheStartCircleOutward)
{
    const QImage canvas = paint(RadialGradientFill(blackToWhite), rectPath(content));
    EXPECT_LT(grey(canvas, 100, 50), 8);
    EXPECT_NEAR(grey(canvas, 150, 50), 128, 6);
    EXPECT_GT(grey(canvas, 199, 50), 245);
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::white)); // beyond the end circle: last colour
}

TEST(Fills, ImageFillStretchesOrTiles)
{
    // 20 by 20: red on the left half, blue on the right.
    QImage tile(20, 20, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::blue);
    QPainter tilePainter(&tile);
    tilePainter.fillRect(QRect(0, 0, 10, 20), Qt::red);
    tilePainter.end();
    const auto image = ChartImage::create(tile);
    const QPainterPath area = rectPath(QRectF(0, 0, 200, 80));

    const QImage stretched = paint(*ImageFill::create(image, false), area);
    EXPECT_EQ(stretched.pixelColor(35, 40), QColor(Qt::red));
    EXPECT_EQ(stretched.pixelColor(80, 40), QColor(Qt::red));
    EXPECT_EQ(stretched.pixelColor(120, 40), QColor(Qt::blue));
    EXPECT_EQ(stretched.pixelColor(105, 90), QColor(Qt::white)); // outside the area

    const QImage tiled = paint(*ImageFill::create(image, true), area);
    EXPECT_EQ(tiled.pixelColor(25, 40), QColor(Qt::red));
    EXPECT_EQ(tiled.pixelColor(35, 40), QColor(Qt::blue));
    EXPECT_EQ(tiled.pixelColor(195, 5), QColor(Qt::blue));
    EXPECT_EQ(tiled.pixelColor(185, 5), QColor(Qt::red));
    EXPECT_EQ(tiled.pixelColor(25, 90), QColor(Qt::white));
}

TEST(Fills, ImageFillTilesAtTheImagesSizeInPoints)
{
    // 20 by 20 pixels at two pixels a point: tiles of 10 points.
    QImage tile(20, 20, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::blue);
    QPainter tilePainter(&tile);
    tilePainter.fillRect(QRect(0, 0, 10, 20), Qt::red);
    tilePainter.end();
    tile.setDevicePixelRatio(2.0);
    const QImage tiled = paint(*ImageFill::create(ChartImage::create(tile), true),
                               rectPath(content), QRectF(10, 0, 190, 100));
    EXPECT_EQ(tiled.pixelColor(12, 50), QColor(Qt::red));
    EXPECT_EQ(tiled.pixelColor(17, 50), QColor(Qt::blue));
    EXPECT_EQ(tiled.pixelColor(22, 50), QColor(Qt::red));
}

TEST(Fills, ImageFillNeedsAnImage)
{
    EXPECT_EQ(ImageFill::create(nullptr, false), nullptr);
    EXPECT_EQ(ImageFill::create(ChartImage::create(QImage()), true), nullptr);
}

TEST(Fills, LayerFillStretchesThePictureOverTheRectangle)
{
    QPicture layer;
    QPainter recorder(&layer);
    recorder.fillRect(QRectF(0, 0, 5, 10), Qt::red);
    recorder.fillRect(QRectF(5, 0, 5, 10), Qt::blue);
    recorder.end();
    const QImage canvas = paint(LayerFill(layer), rectPath(QRectF(0, 0, 200, 50)));
    EXPECT_EQ(canvas.pixelColor(90, 25), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(110, 25), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(110, 75), QColor(Qt::white));

    EXPECT_EQ(paint(LayerFill(QPicture()), rectPath(content)), whiteCanvas());
}

TEST(Fills, NonFiniteRectanglesPaintNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QRectF broken(0, 0, nan, 100);
    const QPainterPath area = rectPath(content);
    EXPECT_EQ(paint(LinearGradientFill(blackToWhite, 0), area, broken), whiteCanvas());
    EXPECT_EQ(paint(LinearGradientFill(blackToWhite, nan), area), whiteCanvas());
    EXPECT_EQ(paint(RadialGradientFill(blackToWhite), area, broken), whiteCanvas());
    EXPECT_EQ(paint(RadialGradientFill(blackToWhite, QPointF(nan, 0), QPointF(), 0, 1), area),
              whiteCanvas());
    QImage tile(4, 4, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::red);
    EXPECT_EQ(paint(*ImageFill::create(ChartImage::create(tile), true), area, broken),
              whiteCanvas());
}
