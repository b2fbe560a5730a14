#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(Console, CaptureTakesTheLinesExactly)
{
    QStringList lines;
    Console::setCapture([&](const QString& line) { lines << line; });
    Console::printLine(QStringLiteral("切換頁 發送通知值"));
    Console::setCapture({});
    EXPECT_EQ(lines, QStringList{QStringLiteral("切換頁 發送通知值")});
}

TEST(FatalDeathTest, StopShowsTheMessageThroughTheHookAndExitsNonZero)
{
    EXPECT_EXIT(
        {
            Fatal::setHook([](const QString& message) {
                std::fprintf(stderr, "hook: %s\n", qPrintable(message));
            });
            Fatal::stop(QStringLiteral("Unresolved error disk full"));
        },
        testing::ExitedWithCode(EXIT_FAILURE), "hook: Unresolved error disk full");
}
