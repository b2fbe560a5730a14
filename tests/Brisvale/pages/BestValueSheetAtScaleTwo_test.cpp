#include "Brisvale/pages/BestValueSheetSupport.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// This program runs at twice the scale: fixed here, before the test program's main makes the
// application object.
const bool scaledScreen = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" BRISVALE_SOURCE_DIR "/tests/support/screen-1600x1000.json");
    return true;
}();

}

using BestValueSheetAtScaleTwo = BestValueSheetTest;

TEST_F(BestValueSheetAtScaleTwo, TheNoMeterNoteIsShownWhole)
{
    ASSERT_TRUE(scaledScreen);
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    expectTheNoMeterNoteShownWhole();
}
