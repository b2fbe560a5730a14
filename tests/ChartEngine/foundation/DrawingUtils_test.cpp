#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/DrawingUtils.h"

#include "support/QtPrinters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>

#include <limits>
#include <numbers>

using namespace Charts;

namespace {

constexpr double pi = std::numbers::pi;

TextAttributes labelAttributes()
{
    TextAttributes attributes;
    attributes.font = systemFont(20);
    attributes.color = Qt::black;
    return attributes;
}

QImage whiteCanvas()
{
    QImage canvas(400, 300, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    return canvas;
}

// The bounding box of the dark pixels, in pixel edges (left, top, right, bottom).
QRectF inkBounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return QRectF();
    }
    return QRectF(QPointF(left, top), QPointF(right + 1, bottom + 1));
}

// Where the ink of `text` lies when its line box's top-left corner is at `origin` (in the
// coordinates of `transform`): the text drawn by its baseline, one ascent below the corner.
QRectF expectedInk(const QString& text, QPointF origin, const TextAttributes& attributes,
                   const QTransform& transform = QTransform())
{
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    painter.setTransform(transform);
    painter.setFont(attributes.font);
    painter.setPen(Qt::black);
    painter.drawText(origin + QPointF(0.0, QFontMetricsF(attributes.font).ascent()), text);
    painter.end();
    return inkBounds(canvas);
}

void expectNear(const QRectF& actual, const QRectF& expected, double tolerance)
{
    SCOPED_TRACE(testing::Message() << "actual " << testing::PrintToString(actual) << ", expected "
                                    << testing::PrintToString(expected));
    EXPECT_NEAR(actual.left(), expected.left(), tolerance);
    EXPECT_NEAR(actual.top(), expected.top(), tolerance);
    EXPECT_NEAR(actual.right(), expected.right(), tolerance);
    EXPECT_NEAR(actual.bottom(), expected.bottom(), tolerance);
}

const QString label = QStringLiteral("HUH");

}

TEST(TextSize, IsTheLineBoxOfTheFont)
{
    const TextAttributes attributes = labelAttributes();
    const QFontMetricsF metrics(attributes.font);
    const QSizeF size = textSize(label, attributes);
    EXPECT_DOUBLE_EQ(size.width(), metrics.horizontalAdvance(label));
    EXPECT_DOUBLE_EQ(size.height(), metrics.height());
    EXPECT_GT(textSize("a\nb", attributes).height(), 2 * metrics.height() - 1);
}

TEST(TextSize, BoundingSizeWrapsWithinTheWidth)
{
    const TextAttributes attributes = labelAttributes();
    const QString words = QStringLiteral("one two three four");
    const QSizeF line = textBoundingSize(words, 0, attributes);
    EXPECT_EQ(line, textSize(words, attributes));
    const QSizeF wrapped = textBoundingSize(words, line.width() / 2, attributes);
    EXPECT_LE(wrapped.width(), line.width() / 2);
    EXPECT_GT(wrapped.height(), line.height());
    EXPECT_EQ(textBoundingSize(words, std::numeric_limits<double>::infinity(), attributes), line);
}

TEST(DrawText, TopLeftAnchorPutsTheLineBoxCornerOnThePoint)
{
    const TextAttributes attributes = labelAttributes();
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawText(painter, label, QPointF(40, 30), QPointF(0, 0), 0, attributes);
    painter.end();
    expectNear(inkBounds(canvas), expectedInk(label, QPointF(40, 30), attributes), 1.0);
}

TEST(DrawText, CentredAnchorCentresTheInkAndTheLineBox)
{
    const TextAttributes attributes = labelAttributes();
    const QPointF point(200, 150);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawText(painter, label, point, QPointF(0.5, 0.5), 0, attributes);
    painter.end();
    const QRectF ink = inkBounds(canvas);
    EXPECT_NEAR(ink.center().x(), point.x(), 1.0);
    // The line box (not the baseline) is centred: its top is half the font's height above.
    const QFontMetricsF metrics(attributes.font);
    const QPointF origin(point.x() - metrics.horizontalAdvance(label) / 2,
                         point.y() - metrics.height() / 2);
    expectNear(ink, expectedInk(label, origin, attributes), 1.0);
}

TEST(DrawText, RightMiddleAnchor)
{
    const TextAttributes attributes = labelAttributes();
    const QPointF point(300, 100);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawText(painter, label, point, QPointF(1, 0.5), 0, attributes);
    painter.end();
    const QSizeF size = textSize(label, attributes);
    expectNear(inkBounds(canvas),
               expectedInk(label, point - QPointF(size.width(), size.height() / 2), attributes),
               1.0);
}

TEST(DrawText, RotatedTextTurnsAboutItsCentre)
{
    const TextAttributes attributes = labelAttributes();
    const QPointF point(200, 150);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawText(painter, label, point, QPointF(0.5, 0.5), pi / 2, attributes);
    painter.end();
    const QRectF ink = inkBounds(canvas);
    // A quarter turn clockwise: the text runs downward, centred on the point.
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_NEAR(ink.center().y(), point.y(), 1.0);
    const QSizeF size = textSize(label, attributes);
    expectNear(ink,
               expectedInk(label, QPointF(-size.width() / 2, -size.height() / 2), attributes,
                           QTransform().translate(point.x(), point.y()).rotate(90)),
               1.0);
}

TEST(DrawText, RotatedAnchorAppliesToTheRotatedBox)
{
    // A quarter turn with anchor (0.5, 0): the rotated box (as tall as the text is wide) hangs
    // below the point.
    const TextAttributes attributes = labelAttributes();
    const QPointF point(200, 50);
    const QSizeF size = textSize(label, attributes);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawText(painter, label, point, QPointF(0.5, 0), pi / 2, attributes);
    painter.end();
    const QRectF ink = inkBounds(canvas);
    EXPECT_NEAR(ink.center().y(), point.y() + size.width() / 2, 1.0);
    EXPECT_GE(ink.top(), point.y() - 1.0);
}

TEST(DrawText, LeavesThePainterAsItWasAndSkipsNonFiniteInput)
{
    const TextAttributes attributes = labelAttributes();
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    painter.setPen(Qt::red);
    const QTransform before = painter.transform();
    drawText(painter, label, QPointF(50, 50), QPointF(0.3, 0.7), 0.4, attributes);
    EXPECT_EQ(painter.transform(), before);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::red));

    QImage blank = whiteCanvas();
    QPainter other(&blank);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    drawText(other, label, QPointF(50, 50), QPointF(0.5, 0.5), nan, attributes);
    drawText(other, label, QPointF(nan, 50), QPointF(0, 0), 0, attributes);
    drawText(other, label, QPointF(50, 50), QPointF(0.5, std::numeric_limits<double>::infinity()),
             0, attributes);
    drawMultilineText(other, label, QPointF(50, 50), QPointF(0, 0), QSizeF(nan, 20), 0, attributes);
    other.end();
    EXPECT_TRUE(inkBounds(blank).isNull());
}

TEST(DrawAlignedText, OriginMovesByTheWidthOnly)
{
    const TextAttributes attributes = labelAttributes();
    const double width = textSize(label, attributes).width();
    const QPointF point(100, 40);
    EXPECT_EQ(alignedTextOrigin(label, point, TextAlignment::Right, attributes),
              point - QPointF(width, 0));
    EXPECT_EQ(alignedTextOrigin(label, point, TextAlignment::Center, attributes),
              point - QPointF(width / 2, 0));
    EXPECT_EQ(alignedTextOrigin(label, point, TextAlignment::Left, attributes), point);
    EXPECT_EQ(alignedTextOrigin(label, point, TextAlignment::Justified, attributes), point);
    EXPECT_EQ(alignedTextOrigin(label, point, TextAlignment::Natural, attributes), point);
}

TEST(DrawAlignedText, UnrotatedIgnoresTheAnchor)
{
    const TextAttributes attributes = labelAttributes();
    const QPointF point(300, 60);
    const double width = textSize(label, attributes).width();
    for (const auto& [alignment, shift] :
         {std::pair {TextAlignment::Right, width}, std::pair {TextAlignment::Center, width / 2},
          std::pair {TextAlignment::Left, 0.0}}) {
        SCOPED_TRACE(int(alignment));
        QImage canvas = whiteCanvas();
        QPainter painter(&canvas);
        drawAlignedText(painter, label, point, alignment, QPointF(1, 1), 0, attributes);
        painter.end();
        expectNear(inkBounds(canvas), expectedInk(label, point - QPointF(shift, 0), attributes),
                   1.0);
    }
}

TEST(DrawAlignedText, RotatedUsesTheAnchorAtTheAlignedOrigin)
{
    const TextAttributes attributes = labelAttributes();
    const QPointF point(250, 150);
    const double width = textSize(label, attributes).width();
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawAlignedText(painter, label, point, TextAlignment::Right, QPointF(0.5, 0.5), pi, attributes);
    painter.end();
    // Half a turn about the aligned origin: upside down, centred there.
    EXPECT_NEAR(inkBounds(canvas).center().x(), point.x() - width, 1.0);
}

TEST(DrawMultilineText, WrapsWithinTheGivenBox)
{
    TextAttributes attributes = labelAttributes();
    const QString words = QStringLiteral("HUH HUH HUH");
    const double lineHeight = QFontMetricsF(attributes.font).height();
    const QSizeF box = textBoundingSize(words, textSize(label, attributes).width() + 2, attributes);
    ASSERT_NEAR(box.height(), 3 * lineHeight, 2.0);

    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawMultilineText(painter, words, QPointF(200, 150), QPointF(0.5, 0.5), box, 0, attributes);
    painter.end();
    const QRectF ink = inkBounds(canvas);
    EXPECT_NEAR(ink.center().x(), 200, 1.0);
    EXPECT_NEAR(ink.top(),
                expectedInk(label, QPointF(100, 150 - box.height() / 2), attributes).top(), 1.0);
    EXPECT_GT(ink.height(), 2 * lineHeight);
}

TEST(DrawMultilineText, AlignsLinesByTheAttributes)
{
    TextAttributes attributes = labelAttributes();
    attributes.alignment = TextAlignment::Right;
    const QSizeF box(300, 80);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawMultilineText(painter, label, QPointF(50, 20), QPointF(0, 0), box, 0, attributes);
    painter.end();
    const double width = textSize(label, attributes).width();
    expectNear(inkBounds(canvas),
               expectedInk(label, QPointF(50 + box.width() - width, 20), attributes), 1.0);
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
    drawImage(painter, *image, QPointF(100, 100), QSizeF(32, 64));
    painter.end();
    EXPECT_EQ(image->resizedCopyCount(), 0u);
    // Centred: from (84, 68) to (116, 132).
    EXPECT_EQ(canvas.pixelColor(86, 70), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(114, 130), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(82, 100), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(100, 134), QColor(Qt::white));
}

TEST(DrawImage, OtherSizesAreResizedOnceAndCached)
{
    const auto image = halves(32);
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    drawImage(painter, *image, QPointF(100, 100), QSizeF(16, 16));
    const QImage first = image->resizedCopy(QSizeF(16, 16), 1.0);
    drawImage(painter, *image, QPointF(200, 100), QSizeF(16, 16));
    painter.end();
    EXPECT_EQ(image->resizedCopyCount(), 1u);
    EXPECT_EQ(image->resizedCopy(QSizeF(16, 16), 1.0).cacheKey(), first.cacheKey());
    EXPECT_EQ(first.size(), QSize(16, 16));
    EXPECT_EQ(canvas.pixelColor(94, 100), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(206, 100), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(90, 100), QColor(Qt::white));

    QImage other = whiteCanvas();
    QPainter again(&other);
    drawImage(again, *image, QPointF(50, 50), QSizeF(8, 10));
    again.end();
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
    EXPECT_TRUE(inkBounds(canvas).isNull());
    for (int y = 0; y < canvas.height(); y += 7) {
        for (int x = 0; x < canvas.width(); x += 7) {
            ASSERT_EQ(canvas.pixelColor(x, y), QColor(Qt::white));
        }
    }
}

TEST(ChartImage, ResizedCopiesFollowTheScaleAndKeepTheirSize)
{
    const auto image = halves(40);
    EXPECT_EQ(image->size(), QSizeF(40, 40));
    const QImage sharp = image->resizedCopy(QSizeF(10, 20), 2.0);
    EXPECT_EQ(sharp.size(), QSize(20, 40));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(10, 20));
    EXPECT_EQ(sharp.pixelColor(2, 20), QColor(Qt::red));
    EXPECT_EQ(sharp.pixelColor(17, 20), QColor(Qt::blue));
    // Kept under its size: a later scale does not make another copy.
    EXPECT_EQ(image->resizedCopy(QSizeF(10, 20), 1.0).cacheKey(), sharp.cacheKey());
    EXPECT_TRUE(
        image->resizedCopy(QSizeF(std::numeric_limits<double>::quiet_NaN(), 1), 1.0).isNull());
    EXPECT_TRUE(image->resizedCopy(QSizeF(10, 10), 0.0).isNull());
    EXPECT_EQ(image->resizedCopyCount(), 1u);

    QImage doubled(80, 80, QImage::Format_ARGB32_Premultiplied);
    doubled.setDevicePixelRatio(2.0);
    EXPECT_EQ(ChartImage(doubled).size(), QSizeF(40, 40));
}
