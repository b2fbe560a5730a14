#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <string>

TEST(Console, CaptureTakesTheLinesExactly)
{
    QStringList lines;
    Console::setCapture([&](const QString& line) { lines << line; });
    Console::printLine(QStringLiteral("切換頁 發送通知值"));
    Console::setCapture({});
    EXPECT_EQ(lines, QStringList{QStringLiteral("切換頁 發送通知值")});
}

// The lines name users and readings: they reach standard output only when the user asks for
// them; a line that must be seen goes to standard error either way.
TEST(Console, LinesReachStandardOutputOnlyWhenAsked)
{
    struct Row {
        bool verbose;
        void (*print)(const QString&);
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {false, Console::printLine, "", ""},
        {true, Console::printLine, "email : 體驗@example.org\n", ""},
        {false, Console::printError, "", "email : 體驗@example.org\n"},
    };
    for (const Row& row : rows) {
        Console::setVerbose(row.verbose);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        row.print(QStringLiteral("email : 體驗@example.org"));
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), row.out) << row.verbose;
        EXPECT_EQ(err, row.err) << row.verbose;
    }
    Console::setVerbose(false);
}

// The message reaches standard error even on a quiet console, before the hook shows it.
TEST(FatalDeathTest, StopShowsTheMessageThroughTheHookAndExitsNonZero)
{
    EXPECT_EXIT(
        {
            Fatal::setHook([](const QString& message) {
                std::fprintf(stderr, "hook: %s\n", qPrintable(message));
            });
            Fatal::stop(QStringLiteral("Unresolved error disk full"));
        },
        testing::ExitedWithCode(EXIT_FAILURE), "Unresolved error disk full\nhook: Unresolved error disk full");
}
