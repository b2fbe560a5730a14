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
const QGradientStops blackToWhite {{0.0, Qt::black}, {1.0, Qt::white}};

QImage whiteCanvas(int width = 200)
{
    QImage canvas(width, 100, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    return canvas;
}

QPainterPath rectPath(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QImage paint(const Fill& fill, const QPainterPath& path, const QRectF& rect = content,
             int width = 200)
{
    QImage canvas = whiteCanvas(width);
    QPainter painter(&canvas);
    fill.fillPath(painter, path, rect);
    painter.end();
    return canvas;
}

int grey(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

// 20 by 20 pixels: red on the left half, blue on the right.
std::shared_ptr<ChartImage> halves(double pixelRatio = 1.0)
{
    QImage tile(20, 20, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::blue);
    QPainter painter(&tile);
    painter.fillRect(QRect(0, 0, 10, 20), Qt::red);
    painter.end();
    tile.setDevicePixelRatio(pixelRatio);
    return ChartImage::create(tile);
}

}

TEST(Fills, ColorFillPaintsTheAreaWithNonZeroWindingAndRestoresThePainter)
{
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    painter.setBrush(Qt::green);
    painter.setClipRect(QRectF(0, 0, 150, 100));
    const QRegion clipBefore = painter.clipRegion();
    // Two overlapping squares drawn the same way round: their overlap is inside.
    QPainterPath area = rectPath(QRectF(10, 10, 60, 60));
    area.addRect(QRectF(40, 40, 120, 50));
    area.setFillRule(Qt::OddEvenFill);
    ColorFill(QColor(Qt::red)).fillPath(painter, area, QRectF());
    EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
    EXPECT_EQ(painter.clipRegion(), clipBefore);
    painter.end();
    EXPECT_EQ(canvas.pixelColor(55, 55), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(140, 80), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(155, 80), QColor(Qt::white)); // outside the painter's clip
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::white));

    EXPECT_EQ(paint(EmptyFill(), rectPath(content)), whiteCanvas());
}

TEST(Fills, LinearGradientRunsAlongItsAngle)
{
    EXPECT_EQ(LinearGradientFill(blackToWhite, 0).gradientLine(content),
              std::make_pair(QPointF(0, 50), QPointF(200, 50)));
    const auto [start, end] = LinearGradientFill(blackToWhite, 90).gradientLine(content);
    EXPECT_NEAR(QLineF(start, QPointF(100, 100)).length(), 0, 1e-12);
    EXPECT_NEAR(QLineF(end, QPointF(100, 0)).length(), 0, 1e-12);

    const QImage across
        = paint(LinearGradientFill(blackToWhite, 0), rectPath(QRectF(0, 0, 200, 60)));
    EXPECT_LT(grey(across, 1, 30), 8);
    EXPECT_NEAR(grey(across, 100, 30), 128, 4);
    EXPECT_GT(grey(across, 198, 30), 247);
    EXPECT_EQ(across.pixelColor(2, 80), QColor(Qt::white)); // outside the area
    const QImage up = paint(LinearGradientFill(blackToWhite, 90), rectPath(content));
    EXPECT_LT(grey(up, 100, 99), 8);
    EXPECT_GT(grey(up, 100, 0), 247);
}

TEST(Fills, GradientsExtendTheirEndColoursOverTheWholeArea)
{
    const QImage canvas = paint(LinearGradientFill({{0.0, Qt::red}, {1.0, Qt::blue}}, 0),
                                rectPath(QRectF(0, 0, 300, 100)), QRectF(100, 0, 100, 100), 300);
    EXPECT_EQ(canvas.pixelColor(20, 50), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(280, 50), QColor(Qt::blue));
}

TEST(Fills, RadialGradientRunsFromTheStartCircleToTheEndCircle)
{
    const auto [start, end] = RadialGradientFill(blackToWhite).gradientCircles(content);
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

    const QImage canvas = paint(RadialGradientFill(blackToWhite), rectPath(content));
    EXPECT_LT(grey(canvas, 100, 50), 8);
    EXPECT_NEAR(grey(canvas, 150, 50), 128, 6);
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::white)); // beyond the end circle
}

TEST(Fills, ImageFillStretchesOrTilesAtTheImagesSizeInPoints)
{
    const QPainterPath area = rectPath(QRectF(0, 0, 200, 80));
    const QImage stretched = paint(*ImageFill::create(halves(), false), area);
    EXPECT_EQ(stretched.pixelColor(80, 40), QColor(Qt::red));
    EXPECT_EQ(stretched.pixelColor(120, 40), QColor(Qt::blue));
    EXPECT_EQ(stretched.pixelColor(120, 90), QColor(Qt::white)); // outside the area

    const QImage tiled = paint(*ImageFill::create(halves(), true), area);
    for (const auto& [x, color] :
         {std::pair {25, Qt::red}, {35, Qt::blue}, {185, Qt::red}, {195, Qt::blue}}) {
        EXPECT_EQ(tiled.pixelColor(x, 5), QColor(color)) << x;
    }
    EXPECT_EQ(tiled.pixelColor(25, 90), QColor(Qt::white));

    // Two pixels a point: 10-point tiles, the first at the rectangle's corner.
    const QImage fine
        = paint(*ImageFill::create(halves(2.0), true), rectPath(content), QRectF(10, 0, 190, 100));
    for (const auto& [x, color] : {std::pair {12, Qt::red}, {17, Qt::blue}, {22, Qt::red}}) {
        EXPECT_EQ(fine.pixelColor(x, 50), QColor(color)) << x;
    }

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

TEST(Fills, NonFiniteGeometryPaintsNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QRectF broken(0, 0, nan, 100);
    const QPainterPath area = rectPath(content);
    EXPECT_EQ(paint(LinearGradientFill(blackToWhite, 0), area, broken), whiteCanvas());
    EXPECT_EQ(paint(LinearGradientFill(blackToWhite, nan), area), whiteCanvas());
    EXPECT_EQ(paint(RadialGradientFill(blackToWhite, QPointF(nan, 0), QPointF(), 0, 1), area),
              whiteCanvas());
    EXPECT_EQ(paint(*ImageFill::create(halves(), true), area, broken), whiteCanvas());
}
