// The filtered readings query and the renewal of the date limits. The test program pins
// TZ=Europe/Berlin; the window and the hours are local times there.
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/StoreTestSupport.h"
#include "Brisvale/records/UserDefaultHelper.h"

#include "support/QtPrinters.h"

#include <ctime>

namespace {

QDateTime local(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::LocalTime);
}

Timestamp at(const QDateTime& moment)
{
    return Timestamp::fromDateTime(moment);
}

class ReadingsQuery : public FreshStore {
protected:
    // A stored profile "q@x" with readings at the given moments, in this order of insertion.
    ProfilePtr profileWith(const QList<QDateTime>& moments)
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = QStringLiteral("q@x");
        for (const QDateTime& moment : moments) {
            PFMPtr reading = context.insertReading(profile);
            reading->measureDate = at(moment);
            reading->pefValue = readingNumber++;
        }
        EXPECT_TRUE(context.save().ok());
        return profile;
    }

    static void storeState(const QDateTime& from, const QDateTime& to, const QString& time)
    {
        UserDefaultHelper::setEmail(QStringLiteral("q@x"));
        UserDefaultHelper::setFrom(from);
        UserDefaultHelper::setTo(to);
        UserDefaultHelper::setTime(time);
    }

    // The pefValues of the query's readings, which number the readings in insertion order.
    static QList<int> queried()
    {
        const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
        EXPECT_TRUE(info.has_value());
        QList<int> numbers;
        for (const PFMPtr& reading : info ? info->pfm : QList<PFMPtr>()) {
            numbers << reading->pefValue;
        }
        return numbers;
    }

    int readingNumber = 0;
};

}

TEST_F(ReadingsQuery, OneDayAllDayKeepsBothEndsToTheSecond)
{
    profileWith({local(2024, 3, 1, 0, 0, 0), local(2024, 3, 1, 23, 59, 59),
        local(2024, 3, 1, 23, 59, 59, 500), local(2024, 2, 29, 23, 59, 59),
        local(2024, 3, 2, 0, 0, 0), local(2024, 3, 1, 12, 0, 0)});
    // The times of day of "from" and "to" play no part, only their days.
    storeState(local(2024, 3, 1, 15, 0, 0), local(2024, 3, 1, 8, 0, 0), QStringLiteral("All day"));
    EXPECT_EQ(queried(), (QList<int>{1, 5, 0}));
}

TEST_F(ReadingsQuery, AfternoonOverThreeDaysCutsTheEndsAndEveryDay)
{
    QList<QDateTime> moments;
    for (int day = 1; day <= 3; ++day) {
        moments << local(2024, 3, day, 11, 59, 59) << local(2024, 3, day, 12, 0, 0)
                << local(2024, 3, day, 23, 59, 59);
    }
    moments << local(2024, 3, 4, 12, 0, 0);
    profileWith(moments);
    storeState(
        local(2024, 3, 1, 0, 0, 0), local(2024, 3, 3, 0, 0, 0), QStringLiteral("12:00-23:59"));
    EXPECT_EQ(queried(), (QList<int>{8, 7, 5, 4, 2, 1}));
}

TEST_F(ReadingsQuery, MorningKeepsTheLastSecondOfMiddleDaysOnly)
{
    profileWith({local(2024, 3, 1, 0, 0, 0), local(2024, 3, 2, 11, 59, 59, 500),
        local(2024, 3, 3, 11, 59, 59, 500), local(2024, 3, 3, 11, 59, 59),
        local(2024, 3, 2, 12, 0, 0), local(2024, 2, 29, 23, 59, 59)});
    storeState(
        local(2024, 3, 1, 0, 0, 0), local(2024, 3, 3, 0, 0, 0), QStringLiteral("00:00-11:59"));
    EXPECT_EQ(queried(), (QList<int>{3, 1, 0}));
}

TEST_F(ReadingsQuery, EqualDatesGoTogetherTheLaterInsertedFirst)
{
    const QDateTime noon = local(2024, 3, 1, 12, 0, 0);
    profileWith({noon, local(2024, 3, 1, 13, 0, 0), noon, noon});
    storeState(noon, noon, QStringLiteral("All day"));
    EXPECT_EQ(queried(), (QList<int>{1, 3, 2, 0}));
    storeState(noon, noon, QStringLiteral("00:00-11:59"));
    EXPECT_TRUE(queried().isEmpty());
}

TEST_F(ReadingsQuery, DaysWithAClockChangeKeepTheirWholeLength)
{
    // Europe/Berlin: 31 March 2024 lasts 23 hours, 27 October 2024 lasts 25 (02:30 twice).
    const QDateTime firstAt0230 =
        QDateTime::fromSecsSinceEpoch(local(2024, 10, 27, 0, 30, 0).toSecsSinceEpoch() + 2 * 3600);
    const QDateTime secondAt0230 = firstAt0230.addSecs(3600);
    ASSERT_EQ(secondAt0230.time(), QTime(2, 30));
    profileWith({local(2024, 3, 31, 0, 0, 0), local(2024, 3, 31, 1, 59, 59),
        local(2024, 3, 31, 3, 0, 0), local(2024, 3, 31, 23, 59, 59), local(2024, 3, 30, 23, 59, 59),
        firstAt0230, secondAt0230, local(2024, 10, 27, 12, 0, 0)});
    storeState(local(2024, 3, 31, 0, 0, 0), local(2024, 3, 31, 0, 0, 0), QStringLiteral("All day"));
    EXPECT_EQ(queried(), (QList<int>{3, 2, 1, 0}));
    storeState(
        local(2024, 10, 27, 0, 0, 0), local(2024, 10, 27, 0, 0, 0), QStringLiteral("00:00-11:59"));
    EXPECT_EQ(queried(), (QList<int>{6, 5}));
}

TEST_F(ReadingsQuery, AMidnightTheZoneSkipsStartsTheWindowAfterTheGap)
{
    // In São Paulo the clocks went from 00:00 to 01:00 on 4 November 2018.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "America/Sao_Paulo");
    tzset();
    ASSERT_FALSE(local(2018, 11, 4, 0, 0, 0).isValid());
    profileWith({local(2018, 11, 3, 23, 59, 59), local(2018, 11, 4, 1, 0, 0),
        local(2018, 11, 4, 23, 0, 0)});
    storeState(
        local(2018, 11, 4, 12, 0, 0), local(2018, 11, 4, 12, 0, 0), QStringLiteral("All day"));
    const QList<int> numbers = queried();
    qputenv("TZ", zone);
    tzset();
    EXPECT_EQ(numbers, (QList<int>{2, 1}));
}

TEST_F(ReadingsQuery, PrintsTheWindowInOneOutput)
{
    profileWith({});
    storeState(
        local(2024, 3, 1, 9, 0, 0), local(2024, 3, 2, 9, 0, 0), QStringLiteral("12:00-23:59"));
    QStringList lines;
    Console::setCapture([&](const QString& line) { lines << line; });
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    Console::setCapture({});
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->pfm.isEmpty());
    EXPECT_EQ(lines,
        QStringList{QStringLiteral("以下為搜尋時間\nstartDate -> 2024-03-01 11:00:00 +0000\n"
                                   "endDate -> 2024-03-02 22:59:59 +0000")});
}

TEST_F(ReadingsQuery, ReadsTheStoreAfreshAndIgnoresRowsWithoutDate)
{
    const ProfilePtr profile = profileWith({local(2024, 3, 1, 10, 0, 0)});
    storeState(local(2024, 3, 1, 0, 0, 0), local(2024, 3, 1, 0, 0, 0), QStringLiteral("All day"));
    EXPECT_EQ(queried(), QList<int>{0});
    // Rows written behind the context's back: one dated, one without date.
    rawQuery(QStringLiteral("INSERT INTO PFM (accountID, pefValue, measureDate) VALUES (%1, 7, %2)")
                 .arg(profile->objectID())
                 .arg(at(local(2024, 3, 1, 11, 0, 0)).seconds, 0, 'f', 3));
    rawQuery(QStringLiteral("INSERT INTO PFM (accountID, pefValue) VALUES (%1, 8)")
                 .arg(profile->objectID()));
    EXPECT_EQ(queried(), (QList<int>{7, 0}));
    EXPECT_EQ(ConditionProcess::queryReadings()->profile, profile);
}

TEST_F(ReadingsQuery, MissingStateGivesNoResultInsteadOfFailing)
{
    profileWith({local(2024, 3, 1, 10, 0, 0)});
    const QDateTime day = local(2024, 3, 1, 0, 0, 0);
    const auto noResultAfter = [&](const std::function<void()>& spoil) {
        storeState(day, day, QStringLiteral("All day"));
        spoil();
        return !ConditionProcess::queryReadings().has_value();
    };
    EXPECT_TRUE(noResultAfter([] { UserDefaultHelper::setEmail(std::nullopt); }));
    EXPECT_TRUE(noResultAfter([] { UserDefaultHelper::setEmail(QStringLiteral("Q@x")); }));
    EXPECT_TRUE(noResultAfter([] { UserDefaultHelper::setFrom(std::nullopt); }));
    EXPECT_TRUE(noResultAfter([] { UserDefaultHelper::setTo(std::nullopt); }));
    EXPECT_TRUE(noResultAfter([] { UserDefaultHelper::setTime(std::nullopt); }));
    EXPECT_TRUE(noResultAfter([] { UserDefaultHelper::setTime(QStringLiteral("ALL")); }));
    EXPECT_FALSE(noResultAfter([] {}));
}

using RenewDateLimits = ReadingsQuery;

TEST_F(RenewDateLimits, TheReadingsBoundTheWindowAndTheFiltersReset)
{
    const ProfilePtr profile = profileWith({local(2024, 3, 5, 10, 0, 0),
        local(2024, 1, 2, 8, 30, 0, 250), local(2024, 2, 1, 12, 0, 0)});
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    UserDefaultHelper::setTime(QStringLiteral("00:00-11:59"));
    UserDefaultHelper::setFrom(local(2023, 1, 1, 0, 0, 0));
    RenewProcess::renewDateLimits(false, profile);
    EXPECT_EQ(UserDefaultHelper::email(), QStringLiteral("q@x"));
    EXPECT_EQ(UserDefaultHelper::limitFrom(), local(2024, 1, 2, 8, 30, 0, 250));
    EXPECT_EQ(UserDefaultHelper::limitTo(), local(2024, 3, 5, 10, 0, 0));
    EXPECT_EQ(UserDefaultHelper::from(), local(2024, 1, 2, 8, 30, 0, 250));
    EXPECT_EQ(UserDefaultHelper::to(), local(2024, 3, 5, 10, 0, 0));
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("ALL"));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
    EXPECT_EQ(queried(), (QList<int>{0, 2, 1}));
}

TEST_F(RenewDateLimits, KeepRangeKeepsEachStoredBoundButNotTheFilters)
{
    const ProfilePtr profile =
        profileWith({local(2024, 3, 5, 10, 0, 0), local(2024, 1, 2, 8, 0, 0)});
    UserDefaultHelper::setFrom(local(2020, 6, 1, 0, 0, 0));
    UserDefaultHelper::setTo(local(2020, 6, 2, 0, 0, 0));
    UserDefaultHelper::setTime(QStringLiteral("12:00-23:59"));
    RenewProcess::renewDateLimits(true, profile);
    EXPECT_EQ(UserDefaultHelper::from(), local(2020, 6, 1, 0, 0, 0)); // outside the limits, kept
    EXPECT_EQ(UserDefaultHelper::to(), local(2020, 6, 2, 0, 0, 0));
    EXPECT_EQ(UserDefaultHelper::limitFrom(), local(2024, 1, 2, 8, 0, 0));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("ALL"));

    UserDefaultHelper::setTo(std::nullopt);
    RenewProcess::renewDateLimits(true, profile);
    EXPECT_EQ(UserDefaultHelper::from(), local(2020, 6, 1, 0, 0, 0));
    EXPECT_EQ(UserDefaultHelper::to(), local(2024, 3, 5, 10, 0, 0));
}

TEST_F(RenewDateLimits, WithoutReadingsTheBoundsAreNow)
{
    const ProfilePtr profile = profileWith({});
    const QDateTime before = QDateTime::currentDateTime().addMSecs(-1);
    RenewProcess::renewDateLimits(true, profile);
    const QDateTime after = QDateTime::currentDateTime().addMSecs(1);
    const QDateTime first = UserDefaultHelper::limitFrom().value_or(QDateTime());
    const QDateTime last = UserDefaultHelper::limitTo().value_or(QDateTime());
    EXPECT_TRUE(before <= first && first <= last && last <= after)
        << first.toString(Qt::ISODateWithMs).toStdString();
    EXPECT_EQ(UserDefaultHelper::from(), first);
    EXPECT_EQ(UserDefaultHelper::to(), last);
    EXPECT_TRUE(queried().isEmpty());
}

TEST_F(RenewDateLimits, AProfileWithoutEmailRemovesTheStoredOne)
{
    const ProfilePtr profile = profileWith({local(2024, 3, 5, 10, 0, 0)});
    profile->email = std::nullopt;
    ASSERT_TRUE(viewContext().save().ok());
    UserDefaultHelper::setEmail(QStringLiteral("someone@else"));
    RenewProcess::renewDateLimits(false, profile);
    EXPECT_FALSE(UserDefaultHelper::email().has_value());
    EXPECT_FALSE(ConditionProcess::queryReadings().has_value());
}
