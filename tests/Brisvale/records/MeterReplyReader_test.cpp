#include "Brisvale/records/MeterReplyReader.h"

#include "support/QtPrinters.h"

#include <QVariantList>
#include <gtest/gtest.h>
#include <limits>

// Dates are local: the test program runs in Europe/Berlin (spring forward on 29 March 2026 at
// 02:00, fall back on 25 October 2026 at 03:00).

namespace {

QVariantMap clockReply(int year, int month, int day, int hour, int minute, int second)
{
    return {{"year", year}, {"month", month}, {"day", day}, {"hour", hour}, {"minute", minute}, {"second", second}};
}

QVariantMap entry(QVariant pef, QVariant fev1, int year, int month, int day, int hour, int minute)
{
    return {{"PEF", pef}, {"FEV1", fev1}, {"year", year}, {"month", month}, {"day", day}, {"hour", hour}, {"minute", minute}};
}

QVariantMap memoryReply(const QVariantList& entries)
{
    return {{"historyMeasuremeNumber", entries.size()}, {"MData", entries}};
}

}

TEST(MeterReplyReader, IntegersAreAnyIntegerTypeAndNothingElse)
{
    EXPECT_EQ(MeterReplyReader::integer(QVariant(7)), 7);
    EXPECT_EQ(MeterReplyReader::integer(QVariant::fromValue<qint64>(-5'000'000'000)), -5'000'000'000);
    EXPECT_EQ(MeterReplyReader::integer(QVariant::fromValue<quint16>(9)), 9);
    EXPECT_EQ(MeterReplyReader::integer(QVariant::fromValue<quint64>(std::numeric_limits<quint64>::max())),
              std::numeric_limits<qint64>::max());
    for (const QVariant& other : {QVariant(7.0), QVariant(QStringLiteral("7")), QVariant(true), QVariant(), QVariant(QVariantList{7})}) {
        EXPECT_FALSE(MeterReplyReader::integer(other)) << other.typeName();
    }
}

TEST(MeterReplyReader, NumbersAreIntegersOrFloatingPoint)
{
    EXPECT_EQ(MeterReplyReader::number(QVariant(450)), 450.0);
    EXPECT_EQ(MeterReplyReader::number(QVariant(450.75)), 450.75);
    EXPECT_EQ(MeterReplyReader::number(QVariant::fromValue(2.5f)), 2.5);
    EXPECT_FALSE(MeterReplyReader::number(QVariant(QStringLiteral("450"))));
    EXPECT_FALSE(MeterReplyReader::number(QVariant()));
}

TEST(MeterReplyReader, TruncationTo32BitsNeverLeavesTheRange)
{
    EXPECT_EQ(MeterReplyReader::truncatedInt32(450.9), 450);
    EXPECT_EQ(MeterReplyReader::truncatedInt32(-450.9), -450);
    EXPECT_EQ(MeterReplyReader::truncatedInt32(2147483647.5), 2147483647);
    EXPECT_FALSE(MeterReplyReader::truncatedInt32(2147483648.0));
    EXPECT_FALSE(MeterReplyReader::truncatedInt32(-2147483649.0));
    EXPECT_FALSE(MeterReplyReader::truncatedInt32(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(MeterReplyReader::truncatedInt32(std::numeric_limits<double>::infinity()));
}

TEST(MeterReplyReader, LocalDatesComeFromTheirComponents)
{
    EXPECT_EQ(MeterReplyReader::localDate(2024, 3, 5, 7, 4, 9), QDateTime(QDate(2024, 3, 5), QTime(7, 4, 9)));
    EXPECT_EQ(MeterReplyReader::localDate(2024, 2, 29, 23, 59, 59), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));
    // Impossible components.
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 13, 1, 7, 0, 0));
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 2, 30, 7, 0, 0));
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 2, 29, 7, 0, 0));
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 11, 30, 24, 0, 0));
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 11, 30, 7, 60, 0));
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 11, 30, 7, 0, 60));
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 0, 30, 7, 0, 0));
    EXPECT_FALSE(MeterReplyReader::localDate(2026, 11, -1, 7, 0, 0));
    EXPECT_FALSE(MeterReplyReader::localDate(2026 + (qint64(1) << 32), 11, 30, 7, 0, 0));
}

TEST(MeterReplyReader, ATimeInTheSpringForwardGapMovesForwardByTheGap)
{
    const std::optional<QDateTime> gap = MeterReplyReader::localDate(2026, 3, 29, 2, 30, 0);
    ASSERT_TRUE(gap);
    EXPECT_EQ(gap->time(), QTime(3, 30));
    EXPECT_EQ(gap->offsetFromUtc(), 7200);
    EXPECT_EQ(gap->toSecsSinceEpoch(), QDateTime(QDate(2026, 3, 29), QTime(1, 30), Qt::UTC).toSecsSinceEpoch());
    EXPECT_EQ(*MeterReplyReader::localDate(2026, 3, 29, 2, 0, 0), QDateTime(QDate(2026, 3, 29), QTime(3, 0)));
    EXPECT_EQ(*MeterReplyReader::localDate(2026, 3, 29, 1, 59, 0), QDateTime(QDate(2026, 3, 29), QTime(1, 59)));
    // A time that occurs twice in autumn gives one moment, the same every time.
    const std::optional<QDateTime> twice = MeterReplyReader::localDate(2026, 10, 25, 2, 30, 0);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->time(), QTime(2, 30));
    EXPECT_EQ(twice, MeterReplyReader::localDate(2026, 10, 25, 2, 30, 0));
}

TEST(MeterReplyReader, AClockReplyGivesTheMeterTime)
{
    const MeterReplyRead<QDateTime> read = MeterReplyReader::readClock(clockReply(2024, 3, 5, 7, 4, 9));
    ASSERT_TRUE(read.value) << read.fault.toStdString();
    EXPECT_EQ(*read.value, QDateTime(QDate(2024, 3, 5), QTime(7, 4, 9)));
}

TEST(MeterReplyReader, AClockReplyThatIsNotTheMetersIsRefusedWithTheReason)
{
    QVariantMap missing = clockReply(2024, 3, 5, 7, 4, 9);
    missing.remove("second");
    QVariantMap text = clockReply(2024, 3, 5, 7, 4, 9);
    text["year"] = QStringLiteral("2024");
    const std::vector<std::pair<QVariantMap, QString>> cases = {
        {missing, "the key \"second\" is missing"},
        {text, "the value of \"year\" is not of the meter's type"},
        {clockReply(2024, 2, 30, 7, 4, 9), "2024-2-30 7:4:9 is not a date"},
        {clockReply(2024, 3, 5, 24, 0, 0), "2024-3-5 24:0:0 is not a date"},
    };
    for (const auto& [reply, fault] : cases) {
        const MeterReplyRead<QDateTime> read = MeterReplyReader::readClock(reply);
        EXPECT_FALSE(read.value);
        EXPECT_EQ(read.fault, fault);
    }
}

TEST(MeterReplyReader, AMemoryReplyGivesItsReadingsInOrder)
{
    const MeterReplyRead<MeterMemory> read = MeterReplyReader::readMemory(memoryReply(
        {entry(300, QVariant::fromValue(2.51f), 2026, 11, 29, 7, 5), entry(450, 3.0, 2026, 11, 30, 20, 45)}));
    ASSERT_TRUE(read.value) << read.fault.toStdString();
    EXPECT_EQ(read.value->count, 2);
    EXPECT_EQ(read.value->unreadable, 0);
    ASSERT_EQ(read.value->readings.size(), 2);
    EXPECT_EQ(read.value->readings[0].pef, 300);
    EXPECT_EQ(read.value->readings[0].fev1, 2.51f);
    EXPECT_EQ(read.value->readings[0].measureDate, QDateTime(QDate(2026, 11, 29), QTime(7, 5)));
    EXPECT_EQ(read.value->readings[1].fev1, 3.0f);
}

TEST(MeterReplyReader, AnEmptyMemoryMayLeaveOutItsReadings)
{
    const MeterReplyRead<MeterMemory> read = MeterReplyReader::readMemory({{"historyMeasuremeNumber", 0}});
    ASSERT_TRUE(read.value);
    EXPECT_EQ(read.value->count, 0);
    EXPECT_TRUE(read.value->readings.isEmpty());
}

TEST(MeterReplyReader, EntriesWithImpossibleDatesAreCountedNotRefused)
{
    const MeterReplyRead<MeterMemory> read = MeterReplyReader::readMemory(
        memoryReply({entry(300, 2.5, 2026, 13, 1, 7, 0), entry(310, 2.5, 2026, 11, 29, 7, 5), entry(320, 2.5, 2026, 2, 30, 7, 0)}));
    ASSERT_TRUE(read.value);
    EXPECT_EQ(read.value->unreadable, 2);
    ASSERT_EQ(read.value->readings.size(), 1);
    EXPECT_EQ(read.value->readings[0].pef, 310);
}

TEST(MeterReplyReader, AMemoryReplyThatIsNotTheMetersIsRefusedWithTheReason)
{
    const QVariantMap good = entry(300, 2.5, 2026, 11, 29, 7, 5);
    QVariantMap noMinute = good;
    noMinute.remove("minute");
    const std::vector<std::pair<QVariantMap, QString>> cases = {
        {{{"MData", QVariantList{good}}}, "the key \"historyMeasuremeNumber\" is missing"},
        {{{"historyMeasuremeNumber", 1}}, "the key \"MData\" is missing"},
        {{{"historyMeasuremeNumber", 2}, {"MData", QVariantList{good}}}, "\"historyMeasuremeNumber\" is 2 but \"MData\" holds 1 entries"},
        {{{"historyMeasuremeNumber", 1}, {"MData", QVariant(good)}}, "the value of \"MData\" is not of the meter's type"},
        {memoryReply({QVariant(300)}), "an entry of \"MData\" is not a dictionary"},
        {memoryReply({noMinute}), "the key \"minute\" is missing"},
        {memoryReply({entry(300.0, 2.5, 2026, 11, 29, 7, 5)}), "the value of \"PEF\" is not of the meter's type"},
        {memoryReply({entry(QVariant::fromValue<qint64>(3'000'000'000), 2.5, 2026, 11, 29, 7, 5)}),
         "the value of \"PEF\" is not of the meter's type"},
        {memoryReply({entry(300, QStringLiteral("2.5"), 2026, 11, 29, 7, 5)}), "the value of \"FEV1\" is not of the meter's type"},
        {memoryReply({entry(300, std::numeric_limits<double>::quiet_NaN(), 2026, 11, 29, 7, 5)}),
         "the value of \"FEV1\" is not of the meter's type"},
        {memoryReply({entry(300, 1e300, 2026, 11, 29, 7, 5)}), "the value of \"FEV1\" is not of the meter's type"},
    };
    for (const auto& [reply, fault] : cases) {
        const MeterReplyRead<MeterMemory> read = MeterReplyReader::readMemory(reply);
        EXPECT_FALSE(read.value) << fault.toStdString();
        EXPECT_EQ(read.fault, fault);
    }
}

// An entry holding what no meter can give is left unread like one with an impossible date; the
// entries around it are read. A PEF above 900 (shown "Hi") is the meter's own and is read.
TEST(MeterReplyReader, EntriesNoMeterCanGiveAreCountedNotRefused)
{
    const struct {
        qint64 pef;
        double fev1;
        int year;
        bool read;
    } cases[] = {
        {0, 2.5, 2026, false},    {1000, 2.5, 2026, false}, {300, 0.0, 2026, false}, {300, 20.01, 2026, false},
        {300, 2.5, 99, false},    {300, 2.5, 10000, false}, {1, 0.01, 100, true},   {999, 20.0, 9999, true},
    };
    for (const auto& c : cases) {
        const MeterReplyRead<MeterMemory> read = MeterReplyReader::readMemory(
            memoryReply({entry(310, 2.5, 2026, 11, 29, 7, 5), entry(c.pef, c.fev1, c.year, 11, 30, 7, 0),
                         entry(320, 2.6, 2026, 11, 30, 20, 0)}));
        ASSERT_TRUE(read.value) << read.fault.toStdString();
        EXPECT_EQ(read.value->unreadable, c.read ? 0 : 1) << c.pef << " " << c.fev1 << " " << c.year;
        EXPECT_EQ(read.value->readings.size(), c.read ? 3 : 2) << c.pef << " " << c.fev1 << " " << c.year;
    }
}
