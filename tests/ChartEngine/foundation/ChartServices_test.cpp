#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/MediaClock.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;

TEST(ChartServicesDeathTest, FatalPrintsTheExactMessageAndAborts)
{
    // The message goes to standard output; the dying child echoes its console to stderr, where
    // the death test looks.
    EXPECT_DEATH(
        {
            ChartConsole::setCapture([](const QString& line) {
                std::fprintf(stderr, "%s\n", qPrintable(line));
            });
            chartFatal(QStringLiteral("calcMinMax is not implemented in ChartBaseDataSet"));
        },
        "calcMinMax is not implemented in ChartBaseDataSet");
}

TEST(ChartServices, ConsoleCaptureReceivesLinesAndCanBeRemoved)
{
    QStringList lines;
    ChartConsole::setCapture([&](const QString& line) { lines << line; });
    ChartConsole::printLine(QStringLiteral("Data not set."));
    ChartConsole::setCapture({});
    EXPECT_EQ(lines, QStringList{QStringLiteral("Data not set.")});
}

TEST(ChartServices, MediaClockCanBePinnedAndReleased)
{
    MediaClock::setNow(12.5);
    EXPECT_EQ(MediaClock::now(), 12.5);
    MediaClock::setNow(std::nullopt);
    const double first = MediaClock::now();
    EXPECT_LE(first, MediaClock::now());
}

TEST(ChartServices, NamedColoursAndFont)
{
    EXPECT_EQ(ChartColors::gray(), QColor(128, 128, 128));
    EXPECT_NE(ChartColors::gray(), QColor(Qt::gray));
    EXPECT_EQ(ChartColors::dataSet(), QColor(140, 234, 255));
    EXPECT_EQ(systemFont(10).pixelSize(), 10);
    EXPECT_EQ(systemFont(10).family(), QStringLiteral("DejaVu Sans"));
}
