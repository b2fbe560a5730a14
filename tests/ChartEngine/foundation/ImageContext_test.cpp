#include "ChartEngine/foundation/ImageContext.h"
#include "ChartEngine/foundation/ImageRepresentation.h"

#include "support/QtPrinters.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>

#include <limits>

using namespace Charts;

namespace {

// Every test leaves the stack empty.
class ImageContextTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (int i = 0; i < 10; ++i) {
            endImageContext();
        }
    }
};

QImage currentImage()
{
    const std::optional<QImage> image = imageFromCurrentImageContext();
    return image ? *image : QImage();
}

}

TEST_F(ImageContextTest, SizeTimesScaleGivesThePixels)
{
    beginImageContext(QSizeF(100, 50), false, 2);
    ASSERT_NE(currentImageContext(), nullptr);
    const QImage image = currentImage();
    EXPECT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(100, 50));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::transparent));

    endImageContext();
    EXPECT_EQ(currentImageContext(), nullptr);
    EXPECT_EQ(imageFromCurrentImageContext(), std::nullopt);
}

TEST_F(ImageContextTest, PixelSidesAreTruncated)
{
    beginImageContext(QSizeF(10.6, 10.9), false, 1);
    EXPECT_EQ(currentImage().size(), QSize(10, 10));
    beginImageContext(QSizeF(3.3, 1), false, 1.5);
    // 4.95 x 1.5 pixels.
    EXPECT_EQ(currentImage().size(), QSize(4, 1));
    EXPECT_EQ(currentImage().deviceIndependentSize(), QSizeF(4 / 1.5, 1 / 1.5));
}

TEST_F(ImageContextTest, OpaqueContextsStartBlackWithoutAlpha)
{
    beginImageContext(QSizeF(4, 3), true, 1);
    const QImage image = currentImage();
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixelColor(3, 2), QColor(Qt::black));
}

TEST_F(ImageContextTest, DrawingIsInPointsWithYDown)
{
    beginImageContext(QSizeF(40, 20), false, 2);
    currentImageContext()->fillRect(QRectF(10, 2, 20, 5), QColor(Qt::red));
    const QImage image = currentImage();
    // Points (10, 2)-(30, 7) are pixels (20, 4)-(60, 14), counted from the top.
    EXPECT_EQ(image.pixelColor(20, 4), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(59, 13), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(60, 14), QColor(Qt::transparent));
    EXPECT_EQ(image.pixelColor(19, 3), QColor(Qt::transparent));
    EXPECT_EQ(image.pixelColor(20, 35), QColor(Qt::transparent));
}

TEST_F(ImageContextTest, TakenImageIsACopy)
{
    beginImageContext(QSizeF(4, 4), false, 1);
    const QImage before = currentImage();
    currentImageContext()->fillRect(QRectF(0, 0, 4, 4), QColor(Qt::blue));
    EXPECT_EQ(before.pixelColor(1, 1), QColor(Qt::transparent));
    EXPECT_EQ(currentImage().pixelColor(1, 1), QColor(Qt::blue));
}

TEST_F(ImageContextTest, LessThanOnePixelOpensNothing)
{
    // An outer context shows whether anything was pushed: one end closes it.
    beginImageContext(QSizeF(8, 8), false, 1);
    QPainter* outer = currentImageContext();

    beginImageContext(QSizeF(0.4, 10), true, 1);
    beginImageContext(QSizeF(10, 0.99), false, 1);
    beginImageContext(QSizeF(-10, 10), false, 1);
    beginImageContext(QSizeF(10, 10), false, -1);
    beginImageContext(QSizeF(std::numeric_limits<double>::quiet_NaN(), 10), false, 1);
    beginImageContext(QSizeF(10, 10), false, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(currentImageContext(), outer);
    EXPECT_EQ(currentImage().size(), QSize(8, 8));

    endImageContext();
    EXPECT_EQ(currentImageContext(), nullptr);
    // With nothing open, taking an image gives none and ending does nothing.
    EXPECT_EQ(imageFromCurrentImageContext(), std::nullopt);
    endImageContext();
}

TEST_F(ImageContextTest, ScaleZeroTakesTheScreenScale)
{
    const double screenScale = QGuiApplication::primaryScreen()->devicePixelRatio();
    beginImageContext(QSizeF(10, 10), false, 0);
    const QImage image = currentImage();
    EXPECT_EQ(image.devicePixelRatio(), screenScale);
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(10, 10));
}

TEST_F(ImageContextTest, NestedContextsRestoreTheOuterOne)
{
    beginImageContext(QSizeF(20, 20), false, 1);
    QPainter* outer = currentImageContext();
    outer->fillRect(QRectF(0, 0, 20, 20), QColor(Qt::blue));

    beginImageContext(QSizeF(10, 10), false, 3);
    ASSERT_NE(currentImageContext(), outer);
    currentImageContext()->fillRect(QRectF(0, 0, 10, 10), QColor(Qt::red));
    const QImage inner = currentImage();
    EXPECT_EQ(inner.size(), QSize(30, 30));
    EXPECT_EQ(inner.deviceIndependentSize(), QSizeF(10, 10));
    EXPECT_EQ(inner.pixelColor(29, 29), QColor(Qt::red));

    endImageContext();
    EXPECT_EQ(currentImageContext(), outer);
    const QImage restored = currentImage();
    EXPECT_EQ(restored.size(), QSize(20, 20));
    EXPECT_EQ(restored.devicePixelRatio(), 1.0);
    EXPECT_EQ(restored.pixelColor(5, 5), QColor(Qt::blue));
}

TEST_F(ImageContextTest, ABitmapThatCannotBeMadeOpensAnEmptyContext)
{
    beginImageContext(QSizeF(6, 6), true, 1);
    QPainter* outer = currentImageContext();
    outer->fillRect(QRectF(0, 0, 6, 6), QColor(Qt::green));

    // Wider than QImage allows, wider than an int, and more bytes than any address space.
    const QSizeF tooLarge[] = {QSizeF(70'000'000, 2), QSizeF(1e12, 1),
                               QSizeF(60'000'000, 60'000'000)};
    for (const QSizeF& size : tooLarge) {
        SCOPED_TRACE(size.width());
        beginImageContext(size, false, 1);
        EXPECT_EQ(currentImageContext(), nullptr);
        EXPECT_EQ(imageFromCurrentImageContext(), std::nullopt);

        // Closing it closes only it: the outer context is current again and whole.
        endImageContext();
        EXPECT_EQ(currentImageContext(), outer);
        const QImage image = currentImage();
        EXPECT_EQ(image.size(), QSize(6, 6));
        EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::green));
    }

    // An infinite scale cannot be made either.
    beginImageContext(QSizeF(1, 1), false, std::numeric_limits<double>::infinity());
    EXPECT_EQ(currentImageContext(), nullptr);
    endImageContext();
    EXPECT_EQ(currentImageContext(), outer);
}

TEST(ImageRepresentation, PngKeepsThePixels)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 128));
    image.setPixelColor(2, 1, QColor(250, 0, 0));
    const std::optional<QByteArray> png = imagePNGRepresentation(image);
    ASSERT_TRUE(png.has_value());
    EXPECT_TRUE(png->startsWith("\x89PNG"));
    const QImage decoded = QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(decoded.size(), QSize(3, 2));
    EXPECT_EQ(decoded.pixelColor(2, 1), QColor(250, 0, 0));
    EXPECT_EQ(decoded.pixelColor(0, 0), QColor(10, 20, 30, 128));

    EXPECT_EQ(imagePNGRepresentation(QImage()), std::nullopt);
}

TEST(ImageRepresentation, JpegQualityRunsFromZeroToOne)
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 91) % 256, (x * y) % 256));
        }
    }
    const std::optional<QByteArray> low = imageJPEGRepresentation(image, 0.0);
    const std::optional<QByteArray> high = imageJPEGRepresentation(image, 1.0);
    ASSERT_TRUE(low.has_value());
    ASSERT_TRUE(high.has_value());
    EXPECT_TRUE(low->startsWith("\xff\xd8"));
    EXPECT_LT(low->size(), high->size());
    EXPECT_EQ(QImage::fromData(*high, "JPEG").size(), QSize(64, 64));

    // Out of range is held to the range; not a number gives nothing.
    EXPECT_EQ(imageJPEGRepresentation(image, 7.0), high);
    EXPECT_EQ(imageJPEGRepresentation(image, -3.0), low);
    EXPECT_EQ(imageJPEGRepresentation(image, std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(imageJPEGRepresentation(image, std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(imageJPEGRepresentation(QImage(), 0.5), std::nullopt);
}
