#include <QApplication>
#include <QFont>
#include <QLocale>
#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv)
{
    // Every test runs offscreen, in a pinned zone, locale and font, with its own data folders. A
    // program may give the offscreen platform its screens before main runs.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("TZ", "Europe/Berlin");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    TestEnvironment::isolateUserFolders();
    return RUN_ALL_TESTS();
}
