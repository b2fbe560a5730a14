#include "ChartEngine/foundation/ImageContext.h"

#include "support/QtPrinters.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace Charts;

// This program runs on a screen of device pixel ratio 2: the scale factor must be in place
// before the application object is made.
static const bool doubleScaleScreen = qputenv("QT_SCALE_FACTOR", "2");

TEST(ImageContextOnAScaledScreen, ScaleZeroTakesTheScreensRatio)
{
    ASSERT_TRUE(doubleScaleScreen);
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    beginImageContext(QSizeF(10, 10), false, 0);
    const std::optional<QImage> image = imageFromCurrentImageContext();
    endImageContext();
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), QSize(20, 20));
    EXPECT_EQ(image->deviceIndependentSize(), QSizeF(10, 10));
}
