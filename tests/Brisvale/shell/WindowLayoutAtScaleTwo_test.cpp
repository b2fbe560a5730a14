#include "Brisvale/shell/WindowLayoutSupport.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// This program runs at twice the scale on a 1600 x 1000 screen: both are fixed here, before the
// test program's main makes the application object.
const bool scaledLargeScreen = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" BRISVALE_SOURCE_DIR "/tests/support/screen-1600x1000.json");
    return true;
}();

}

TEST_F(WindowLayout, AtScaleTwoTheWindowFitsTheScreenAndHoldsEveryControlOnEveryPageAndTab)
{
    ASSERT_TRUE(scaledLargeScreen);
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->size() * screen->devicePixelRatio(), QSize(1600, 1000));
    ASSERT_EQ(screen->devicePixelRatio(), 2.0);
    EXPECT_TRUE(screen->availableGeometry().contains(window->frameGeometry()));
    expectEveryControlInsideOnEveryVisit();
}

TEST_F(WindowLayout, AtScaleTwoOrdinaryNamesAreShownWholeOnTheOverview)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    expectOrdinaryNamesShownWhole();
}
