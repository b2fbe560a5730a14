#include "Brisvale/reports/ProfileTexts.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(ProfileTexts, TheAgeCountsWholeYearsAsTheCalendarDoes)
{
    const QDateTime now(QDate(2026, 3, 10), QTime(15, 20));
    const struct {
        std::optional<QDateTime> birthday;
        int age;
    } cases[] = {
        {std::nullopt, 0},
        {now.addYears(-30), 30},
        {now.addYears(-30).addDays(1), 29},
        {QDateTime(QDate(1996, 3, 10), QTime(15, 21)), 29},
        {QDateTime(QDate(2000, 2, 29), QTime(0, 0)), 26},
    };
    for (const auto& test : cases) {
        Profile profile;
        profile.birthday = test.birthday ? std::optional(Timestamp::fromDateTime(*test.birthday)) : std::nullopt;
        EXPECT_EQ(ProfileTexts::age(ProfileTexts::birth(profile, now), now), test.age);
    }
}

TEST(ProfileTexts, DatesAndTimesUseTheProfilesPatternsOrNone)
{
    const QDateTime moment(QDate(2026, 3, 1), QTime(15, 5));
    Profile profile;
    profile.date_format = 2;
    EXPECT_EQ(ProfileTexts::dateText(moment, ProfileTexts::datePattern(profile)), QStringLiteral("01.03.26"));
    EXPECT_EQ(ProfileTexts::dateText(moment, ProfileTexts::timePattern(profile)), QStringLiteral("PM 03:05"));
    profile.date_format = 7;
    profile.time_format = true;
    EXPECT_EQ(ProfileTexts::dateText(moment, ProfileTexts::datePattern(profile)), QString());
    EXPECT_EQ(ProfileTexts::dateText(moment, ProfileTexts::timePattern(profile)), QStringLiteral("15:05"));
}
