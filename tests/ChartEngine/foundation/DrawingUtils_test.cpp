#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"

#include "support/ImageInk.h"
#include "support/QtPrinters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <optional>

using namespace Charts;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
const QString label = QStringLiteral("HUH");

TextAttributes labelAttributes()
{
    TextAttributes attributes;
    attributes.font = systemFont(20);
    return attributes;
}

using ImageInk::inkBounds;
using ImageInk::whiteCanvas;

template <typename Draw> QRectF inkOf(Draw draw)
{
    return inkBounds(ImageInk::painted(draw));
}

// The ink of the label whose line box's top-left corner is at `origin` (under `transform`):
// drawn by Qt at its baseline, one ascent below that corner.
QRectF expectedInk(QPointF origin, const QTransform& transform = QTransform())
{
    return inkOf([&](QPainter& painter) {
        painter.setTransform(transform);
        painter.setFont(labelAttributes().font);
        painter.drawText(origin + QPointF(0, QFontMetricsF(labelAttributes().font).ascent()),
                         label);
    });
}

void expectNear(const QRectF& actual, const QRectF& expected)
{
    SCOPED_TRACE(testing::Message() << "ink " << testing::PrintToString(actual) << ", expected "
                                    << testing::PrintToString(expected));
    EXPECT_NEAR(actual.left(), expected.left(), 1.0);
    EXPECT_NEAR(actual.top(), expected.top(), 1.0);
    EXPECT_NEAR(actual.right(), expected.right(), 1.0);
    EXPECT_NEAR(actual.bottom(), expected.bottom(), 1.0);
}

}

TEST(TextSize, IsTheLineBoxAndWrapsWithinAWidth)
{
    const TextAttributes attributes = labelAttributes();
    const QFontMetricsF metrics(attributes.font);
    EXPECT_EQ(textSize(label, attributes),
              QSizeF(metrics.horizontalAdvance(label), metrics.height()));
    const QString words = QStringLiteral("one two three four");
    const QSizeF line = textBoundingSize(words, 0, attributes); // no width: no wrapping
    EXPECT_EQ(line, textSize(words, attributes));
    const QSizeF wrapped = textBoundingSize(words, line.width() / 2, attributes);
    EXPECT_LE(wrapped.width(), line.width() / 2);
    EXPECT_GT(wrapped.height(), line.height());
}

TEST(DrawText, AnchorsPlaceTheLineBoxNotTheBaseline)
{
    const TextAttributes attributes = labelAttributes();
    const QSizeF size = textSize(label, attributes);
    const QPointF point(200, 150);
    for (const QPointF anchor : {QPointF(0, 0), QPointF(0.5, 0.5), QPointF(1, 0.5)}) {
        SCOPED_TRACE(testing::PrintToString(anchor));
        const QRectF ink = inkOf([&](QPainter& p) {
            drawText(p, label, point, anchor, 0, attributes);
        });
        expectNear(
            ink,
            expectedInk(point - QPointF(size.width() * anchor.x(), size.height() * anchor.y())));
    }
    // Centred: the ink on the point across, the line box (the font's height) on it up and down.
    const QRectF centred = inkOf([&](QPainter& p) {
        drawText(p, label, point, {0.5, 0.5}, 0, attributes);
    });
    EXPECT_NEAR(centred.center().x(), point.x(), 1.0);
    const double lineHeight = QFontMetricsF(attributes.font).height();
    EXPECT_NEAR(centred.top(), expectedInk(point - QPointF(0, lineHeight / 2)).top(), 1.0);
}

TEST(DrawText, RotatedTextTurnsAboutItsCentreAndAnchorsItsRotatedBox)
{
    const TextAttributes attributes = labelAttributes();
    const QSizeF size = textSize(label, attributes);
    const QPointF point(200, 150);
    const QRectF centred = inkOf([&](QPainter& p) {
        drawText(p, label, point, {0.5, 0.5}, pi / 2, attributes);
    });
    EXPECT_NEAR(centred.center().y(), point.y(), 1.0);
    expectNear(centred,
               expectedInk(QPointF(-size.width() / 2, -size.height() / 2),
                           QTransform().translate(point.x(), point.y()).rotate(90)));
    // Anchor (0.5, 0): the rotated box, as tall as the text is wide, hangs below the point.
    const QRectF hanging = inkOf([&](QPainter& p) {
        drawText(p, label, point, {0.5, 0}, pi / 2, attributes);
    });
    expectNear(hanging, centred.translated(0, size.width() / 2));
}

TEST(DrawText, LeavesThePainterAsItWasAndSkipsNonFiniteInput)
{
    const TextAttributes attributes = labelAttributes();
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    painter.setPen(Qt::red);
    drawText(painter, label, QPointF(50, 50), QPointF(0.3, 0.7), 0.4, attributes);
    EXPECT_TRUE(painter.transform().isIdentity());
    EXPECT_EQ(painter.pen().color(), QColor(Qt::red));

    const QRectF nothing = inkOf([&](QPainter& p) {
        drawText(p, label, QPointF(50, 50), QPointF(0.5, 0.5), notANumber, attributes);
        drawText(p, label, QPointF(notANumber, 50), QPointF(0, 0), 0, attributes);
        drawText(p, label, QPointF(50, 50), QPointF(0.5, std::numeric_limits<double>::infinity()),
                 0, attributes);
        drawMultilineText(p, label, QPointF(50, 50), QPointF(0, 0), QSizeF(notANumber, 20), 0,
                          attributes);
    });
    EXPECT_TRUE(nothing.isEmpty());
}

TEST(DrawAlignedText, AlignmentMovesTheOriginAndUnrotatedTextIgnoresTheAnchor)
{
    const TextAttributes attributes = labelAttributes();
    const double width = textSize(label, attributes).width();
    const QPointF point(300, 60);
    const std::pair<TextAlignment, double> cases[] = {{TextAlignment::Right, width},
                                                      {TextAlignment::Center, width / 2},
                                                      {TextAlignment::Left, 0},
                                                      {TextAlignment::Natural, 0}};
    for (const auto& [alignment, shift] : cases) {
        SCOPED_TRACE(int(alignment));
        EXPECT_EQ(alignedTextOrigin(label, point, alignment, attributes),
                  point - QPointF(shift, 0));
        expectNear(inkOf([&](QPainter& p) {
                       drawAlignedText(p, label, point, alignment, {1, 1}, 0, attributes);
                   }),
                   expectedInk(point - QPointF(shift, 0)));
    }
    // Rotated, the anchor applies at the aligned origin: half a turn centred there.
    const QRectF turned = inkOf([&](QPainter& p) {
        drawAlignedText(p, label, point, TextAlignment::Right, {0.5, 0.5}, pi, attributes);
    });
    EXPECT_NEAR(turned.center().x(), point.x() - width, 1.0);
}

TEST(DrawMultilineText, WrapsAndAlignsWithinTheGivenBox)
{
    TextAttributes attributes = labelAttributes();
    const QString words = QStringLiteral("HUH HUH HUH");
    const QSizeF box = textBoundingSize(words, textSize(label, attributes).width() + 2, attributes);
    const QRectF ink = inkOf([&](QPainter& p) {
        drawMultilineText(p, words, {200, 150}, {0.5, 0.5}, box, 0, attributes);
    });
    EXPECT_NEAR(ink.center().x(), 200, 1.0);
    EXPECT_NEAR(ink.top(), expectedInk(QPointF(0, 150 - box.height() / 2)).top(), 1.0);
    EXPECT_GT(ink.height(), 2 * QFontMetricsF(attributes.font).height());

    attributes.alignment = TextAlignment::Right;
    const QRectF right = inkOf([&](QPainter& p) {
        drawMultilineText(p, label, {50, 20}, {0, 0}, {300, 80}, 0, attributes);
    });
    expectNear(right, expectedInk(QPointF(350 - textSize(label, attributes).width(), 20)));
}

namespace {
// A square image, red on the left half and blue on the right.
std::shared_ptr<ChartImage> halves(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::blue);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, side / 2, side), Qt::red);
    return ChartImage::create(image);
}
}

TEST(DrawImage, OwnWidthOrHeightDrawsTheImageWithoutCaching)
{
    const auto image = halves(32);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawImage(painter, *image, QPointF(100, 100), QSizeF(32, 64)); // from (84, 68) to (116, 132)
    painter.end();
    EXPECT_EQ(image->resizedCopyCount(), 0u);
    EXPECT_EQ(canvas.pixelColor(86, 70), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(114, 130), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(82, 100), QColor(Qt::white));
}

TEST(DrawImage, OtherSizesAreResizedOnceAndCached)
{
    const auto image = halves(32);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawImage(painter, *image, QPointF(100, 100), QSizeF(16, 16));
    const qint64 first = image->resizedCopy(QSizeF(16, 16), 1.0).cacheKey();
    drawImage(painter, *image, QPointF(200, 100), QSizeF(16, 16));
    EXPECT_EQ(image->resizedCopyCount(), 1u);
    EXPECT_EQ(image->resizedCopy(QSizeF(16, 16), 1.0).cacheKey(), first);
    EXPECT_EQ(canvas.pixelColor(94, 100), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(206, 100), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(90, 100), QColor(Qt::white));
    drawImage(painter, *image, QPointF(50, 50), QSizeF(8, 10));
    EXPECT_EQ(image->resizedCopyCount(), 2u);
}

TEST(DrawImage, NoCopyMeansNothingDrawn)
{
    const auto image = halves(32);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawImage(painter, *image, QPointF(100, 100), QSizeF(0.5, 0.5));
    drawImage(painter, *image, QPointF(100, 100),
              QSizeF(std::numeric_limits<double>::infinity(), 16));
    drawImage(painter, *image, QPointF(100, 100), QSizeF(1e9, 1e9));
    drawImage(painter, *ChartImage::create(QImage()), QPointF(100, 100), QSizeF(16, 16));
    painter.end();
    EXPECT_EQ(image->resizedCopyCount(), 0u);
    EXPECT_EQ(canvas, whiteCanvas());
}

TEST(ChartImage, ResizedCopiesFollowTheScaleAndAreKeptBySize)
{
    const auto image = halves(40);
    const QImage sharp = image->resizedCopy(QSizeF(10, 20), 2.0);
    EXPECT_EQ(sharp.size(), QSize(20, 40));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(10, 20));
    EXPECT_EQ(sharp.pixelColor(2, 20), QColor(Qt::red));
    EXPECT_EQ(sharp.pixelColor(17, 20), QColor(Qt::blue));
    EXPECT_EQ(image->resizedCopy(QSizeF(10, 20), 1.0).cacheKey(), sharp.cacheKey());
    EXPECT_TRUE(image->resizedCopy(QSizeF(notANumber, 1), 1.0).isNull());
    EXPECT_TRUE(image->resizedCopy(QSizeF(10, 10), 0.0).isNull());
    EXPECT_EQ(image->resizedCopyCount(), 1u);

    QImage doubled(80, 80, QImage::Format_ARGB32_Premultiplied);
    doubled.setDevicePixelRatio(2.0);
    EXPECT_EQ(ChartImage(doubled).size(), QSizeF(40, 40));
}

TEST(ClippedLine, KeepsThePartInsideAndEndsInsideExactly)
{
    const QRectF rect(0, 0, 100, 50);
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        QLineF line;
        std::optional<QLineF> part;
    } cases[] = {
        {QLineF(10, 10, 90, 40), QLineF(10, 10, 90, 40)},
        {QLineF(50, 25, 1e6, 25), QLineF(50, 25, 100, 25)},
        {QLineF(-100, -50, 200, 100), QLineF(0, 0, 100, 50)},
        {QLineF(150, 10, 150, 40), std::nullopt},
        {QLineF(-10, 60, 110, 60), std::nullopt},
        {QLineF(50, 25, inf, 25), std::nullopt},
        // A crossing is reckoned from the end nearer its side: from the far end, its digits would
        // swamp the crossing's, and the end beyond the rectangle would seem on its side.
        {QLineF(-1e300, -1e300, 150, 100), QLineF(50, 0, 100, 50)},
        {QLineF(150, 100, -1e300, -1e300), QLineF(100, 50, 50, 0)},
    };
    for (const auto& [line, part] : cases) {
        EXPECT_EQ(clippedLine(line, rect), part) << line.x1() << " " << line.y1() << " " << line.x2();
    }
}

// Far-reaching wide lines with a mitred bend draw the same pixels clipped as whole (but for a few
// along the edges, which Qt places less precisely at far coordinates).
TEST(DrawClippedPolyline, DrawsWhatTheWholeLineDrawsInsideTheBounds)
{
    const QList<QList<QPointF>> cases = {
        {{20, 20}, {80, 60}, {40, 90}},
        {{-5000, 30}, {50, 50}, {50, 9000}},
        {{50, 50}, {-30000, -20000}, {60000, -20000}},
    };
    for (const auto& points : cases) {
        QImage whole(100, 100, QImage::Format_ARGB32_Premultiplied);
        whole.fill(Qt::white);
        QImage clipped = whole;
        QPen pen(Qt::black, 12, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        {
            QPainter painter(&whole);
            painter.setPen(pen);
            painter.drawPolyline(points.constData(), int(points.size()));
        }
        {
            QPainter painter(&clipped);
            painter.setPen(pen);
            drawClippedPolyline(painter, points, QRectF(0, 0, 100, 100));
        }
        int differing = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                differing += clipped.pixel(x, y) != whole.pixel(x, y);
            }
        }
        EXPECT_LE(differing, 20) << testing::PrintToString(points.at(1));
        EXPECT_FALSE(ImageInk::inkBounds(clipped).isEmpty());
    }
}

// Far-reaching paths stroked with a wide mitred pen draw the same pixels clipped as whole, but for
// a level or two along edges (and a few pixels where Qt places far coordinates less precisely): a
// translucent pen inks the crossing of two visible runs once, a dashed pen's dashes go on where
// they were along the whole path, and a curve is flattened finely enough to keep to it (Qt's own
// stroke of a curve strays by a few levels along much of it: the curve's reference is the curve
// sampled at 2,000 points).
TEST(DrawClippedPath, StrokesWhatTheWholePathStrokesInsideTheBounds)
{
    const auto polyline = [](const QList<QPointF>& points) {
        QPainterPath path;
        path.addPolygon(QPolygonF(points));
        return path;
    };
    const QPointF curveFrom(20, 50), curveControl1(500, -300), curveControl2(-400, -300), curveTo(80, 60);
    QPainterPath curve(curveFrom);
    curve.cubicTo(curveControl1, curveControl2, curveTo);
    QList<QPointF> samples;
    for (int i = 0; i <= 2000; ++i) {
        const double t = i / 2000.0;
        const double u = 1 - t;
        samples << u * u * u * curveFrom + 3 * u * u * t * curveControl1 + 3 * u * t * t * curveControl2
                + t * t * t * curveTo;
    }
    const struct {
        const char* name;
        QPainterPath path;
        QColor ink;
        QList<double> dashes;
        std::optional<QPainterPath> whole;  // what Qt strokes in its place, when not the path
    } cases[] = {
        {"within the bounds", polyline({{20, 20}, {80, 60}, {40, 90}}), Qt::black, {}, {}},
        {"far beyond them", polyline({{-5000, 30}, {50, 50}, {50, 9000}}), Qt::black, {}, {}},
        {"runs that cross, translucent", polyline({{10, 50}, {5000, 50}, {60, -5000}, {60, 9000}}),
         QColor(0, 0, 160, 100), {}, {}},
        {"dashed", polyline({{-3000, 30}, {90, 70}, {40, 5000}}), Qt::black, {4, 3}, {}},
        {"a curve", curve, Qt::black, {}, polyline(samples)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto draw = [&](auto stroke) {
            return ImageInk::painted([&](QPainter& painter) {
                painter.setRenderHint(QPainter::Antialiasing);
                QPen pen(c.ink, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
                if (!c.dashes.isEmpty()) {
                    pen.setDashPattern(c.dashes);
                }
                painter.setPen(pen);
                stroke(painter);
            });
        };
        const QImage whole = draw([&](QPainter& painter) { painter.drawPath(c.whole.value_or(c.path)); });
        const QImage clipped = draw([&](QPainter& painter) { drawClippedPath(painter, c.path, QRectF(0, 0, 100, 100)); });
        int strays = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                strays += std::abs(qGray(clipped.pixel(x, y)) - qGray(whole.pixel(x, y))) > 4;
            }
        }
        EXPECT_LE(strays, 20);
        EXPECT_NE(clipped, ImageInk::whiteCanvas());
    }
}

// Far-reaching polygons, filled and outlined with a wide mitred pen, draw the same pixels clipped
// as whole within the bounds, but for a few levels of antialiasing along edges.
TEST(DrawClippedPolygon, FillsAndOutlinesWhatTheWholePolygonDoesInsideTheBounds)
{
    const QList<QList<QPointF>> cases = {
        {{20, 20}, {80, 30}, {50, 90}, {40, 50}},
        {{50, 50}, {9000, 40}, {60, 60}, {-7000, 70}, {40, 20}},
        {{30, 40}, {-20000, -30000}, {30000, -10000}, {90, 95}},
    };
    const QRectF bounds(0, 0, 100, 100);
    const QColor fill(0, 0, 255, 128);
    for (const auto& points : cases) {
        QPainterPath path;
        path.addPolygon(QPolygonF(points));
        path.closeSubpath();
        const auto draw = [](auto steps) {
            return ImageInk::painted([&](QPainter& painter) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(Qt::black, 12, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                steps(painter);
            });
        };
        const QImage whole = draw([&](QPainter& painter) {
            painter.fillPath(path, fill);
            painter.drawPath(path);
        });
        const QImage clipped = draw([&](QPainter& painter) {
            painter.fillPath(clippedPath(path, bounds), fill);
            drawClippedPolygon(painter, points, bounds);
        });
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                ASSERT_LE(std::abs(qGray(clipped.pixel(x, y)) - qGray(whole.pixel(x, y))), 4)
                    << testing::PrintToString(points.at(1)) << " at " << x << ", " << y;
            }
        }
    }
}

namespace {

// The corners with each one farther than 100,000 points from `center` stood in for by two points
// on its edges, 500 points from its neighbours: Qt draws a path that reaches a billion points away
// slowly, and the stand-ins change nothing within a view of 200 points.
QList<QPointF> withStandIns(const QList<QPointF>& corners, QPointF center)
{
    QList<QPointF> near;
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPointF corner = corners.at(i);
        if (QLineF(center, corner).length() <= 1e5) {
            near << corner;
            continue;
        }
        for (const QPointF neighbour : {corners.at((i + corners.size() - 1) % corners.size()),
                                        corners.at((i + 1) % corners.size())}) {
            QLineF edge(neighbour, corner);
            edge.setLength(500);
            near << edge.p2();
        }
    }
    return near;
}

}

// A radar of many corners, filled and outlined with a wide pen, and its spokes, which go through
// coverage masks, paint what Qt paints of the whole paths within the bounds, but for a few levels
// along edges: a translucent pen inks each pixel of the outline once and each spoke on its own,
// as Qt does, corners far beyond the bounds, even beyond what a mask takes, change nothing within
// them, and twice as many device pixels are painted alike. Qt strokes each of many lines with a
// rasterizer of its own, a few levels coarser at a line's ends. Without antialiasing the masks
// paint the pixels Qt paints, but for a few next to an edge that was cut or next to a line's end
// (Qt walks an edge down from its upper end in steps of a 65,536th of a pixel, and its own
// rasterizer of lines places their ends and edges a little apart).
TEST(DrawClippedPolygon, ManyCornersPaintWhatTheWholePathsPaint)
{
    struct Case {
        const char* name;
        QColor ink;
        double reach;  // how far every fifth corner lies, in radii
        double scale;  // device pixels per point
        bool spokes;   // the spokes, else the filled and outlined polygon
        bool antialiased;
        int tolerance;  // in levels of grey
        int strays;     // pixels beyond the tolerance
    };
    const QColor translucent(0, 0, 160, 100);
    const Case cases[] = {{"opaque", QColor(0, 0, 160), 1, 1, false, true, 4, 0},
                          {"translucent", translucent, 1, 1, false, true, 4, 0},
                          {"far beyond the bounds", translucent, 8, 1, false, true, 4, 0},
                          {"beyond what a mask takes", translucent, 1e8, 1, false, true, 4, 0},
                          {"twice the pixels", translucent, 1, 2, false, true, 4, 0},
                          {"opaque spokes", QColor(0, 0, 160), 1, 1, true, true, 8, 0},
                          {"translucent spokes", translucent, 1, 2, true, true, 8, 0},
                          {"not antialiased", translucent, 1, 1, false, false, 0, 0},
                          {"not antialiased, twice the pixels", QColor(0, 0, 160), 1, 2, false, false, 0, 0},
                          {"not antialiased, far beyond the bounds", translucent, 8, 1, false, false, 0, 10},
                          {"not antialiased, beyond what a mask takes", translucent, 1e8, 1, false, false, 0, 40},
                          {"not antialiased, spokes", QColor(0, 0, 160), 1, 1, true, false, 0, 30}};
    const QRectF bounds(0, 0, 200, 200);
    const QPointF center(100, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QList<QPointF> corners;
        QList<QLineF> spokes;
        for (int i = 0; i < 300; ++i) {
            const double radius = 80.0 * (i % 5 == 0 ? c.reach : 0.25 + (i * 7 % 11) / 15.0);
            const double angle = 2 * pi * i / 300;
            corners << center + radius * QPointF(std::cos(angle), std::sin(angle));
            spokes << QLineF(center, corners.constLast());
        }
        const auto areaOf = [](const QList<QPointF>& points) {
            QPainterPath area;
            area.addPolygon(QPolygonF(points));
            area.closeSubpath();
            area.setFillRule(Qt::WindingFill);
            return area;
        };
        const QColor fill(0, 160, 0, 80);
        const auto draw = [&](auto steps) {
            QImage image(QSize(200, 200) * c.scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(c.scale);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, c.antialiased);
            QPen pen(c.ink, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
            pen.setMiterLimit(10);
            painter.setPen(pen);
            steps(painter);
            return image;
        };
        const QImage whole = draw([&](QPainter& painter) {
            if (c.spokes) {
                painter.drawLines(spokes);
                return;
            }
            const QPainterPath area = areaOf(withStandIns(corners, center));
            painter.fillPath(area, fill);
            painter.drawPath(area);
        });
        const QImage masked = draw([&](QPainter& painter) {
            if (c.spokes) {
                drawClippedLines(painter, spokes, bounds);
                return;
            }
            fillClippedPath(painter, areaOf(corners), fill, bounds);
            drawClippedPolygon(painter, corners, bounds);
        });
        int strays = 0;
        for (int y = 0; y < whole.height(); ++y) {
            for (int x = 0; x < whole.width(); ++x) {
                strays += std::abs(qGray(masked.pixel(x, y)) - qGray(whole.pixel(x, y))) > c.tolerance;
            }
        }
        EXPECT_LE(strays, c.strays);
    }
}
