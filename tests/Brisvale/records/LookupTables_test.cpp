#include "Brisvale/records/BestValueType_DB.h"
#include "Brisvale/records/DateFormat_DB.h"
#include "Brisvale/records/Gender_DB.h"
#include "Brisvale/records/Region_DB.h"
#include "Brisvale/records/SelectDateFormat_DB.h"
#include "Brisvale/records/SelectTimeFormat_DB.h"
#include "Brisvale/records/TableLookup.h"
#include "Brisvale/records/TimeFormat_DB.h"
#include "Brisvale/records/UnitType_DB.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(UnitTypeTable, RowsUseTheCapitalIPoundLabels)
{
    const auto& table = unitTypeTable();
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[0].id, UnitType_DB::Defaults::FtIn);
    EXPECT_FALSE(table[0].dbId);
    EXPECT_EQ(table[0].value, QStringLiteral("ft/lb"));
    EXPECT_EQ(table[0].height, QStringLiteral("ft/in"));
    EXPECT_EQ(table[0].weight, QStringLiteral("lb"));
    EXPECT_EQ(table[1].id, UnitType_DB::Defaults::KgCm);
    EXPECT_TRUE(table[1].dbId);
    EXPECT_EQ(table[1].value, QStringLiteral("cm/kg"));
    EXPECT_EQ(table[1].height, QStringLiteral("cm"));
    EXPECT_EQ(table[1].weight, QStringLiteral("kg"));
}

TEST(UnitTypeTable, Lookups)
{
    EXPECT_EQ(UnitType_DB::fromDbId(true)->id, UnitType_DB::Defaults::KgCm);
    EXPECT_EQ(UnitType_DB::fromDbId(false)->id, UnitType_DB::Defaults::FtIn);
    EXPECT_EQ(UnitType_DB::fromValue(QStringLiteral("ft/lb"))->id, UnitType_DB::Defaults::FtIn);
    EXPECT_FALSE(UnitType_DB::fromValue(QStringLiteral("ft/Ib")).has_value());
    EXPECT_EQ(UnitType_DB::row(UnitType_DB::Defaults::KgCm).value, QStringLiteral("cm/kg"));
}

TEST(DateFormatTable, DbIdIsThePositionAndValuesArePatterns)
{
    const auto& table = dateFormatTable();
    const QList<DateFormat_DB> expected{
        {0, QStringLiteral("YYYY/MM/DD"), QStringLiteral("yyyy/MM/dd")},
        {1, QStringLiteral("MM/DD/YY"), QStringLiteral("MM/dd/yy")},
        {2, QStringLiteral("DD.MM.YY"), QStringLiteral("dd.MM.yy")},
        {3, QStringLiteral("YYYY.MM.DD"), QStringLiteral("yyyy.MM.dd")},
    };
    EXPECT_EQ(table, expected);
    EXPECT_EQ(DateFormat_DB::row(DateFormat_DB::Defaults::YMD_diagonal).dbId, 0);
    EXPECT_EQ(DateFormat_DB::row(DateFormat_DB::Defaults::MDY_diagonal).dbId, 1);
    EXPECT_EQ(DateFormat_DB::row(DateFormat_DB::Defaults::DMY_Dot).dbId, 2);
    EXPECT_EQ(DateFormat_DB::row(DateFormat_DB::Defaults::YMD_Dot).dbId, 3);
}

TEST(DateFormatTable, Lookups)
{
    EXPECT_EQ(DateFormat_DB::fromDbId(3)->value, QStringLiteral("yyyy.MM.dd"));
    EXPECT_FALSE(DateFormat_DB::fromDbId(4).has_value());
    EXPECT_FALSE(DateFormat_DB::fromDbId(-1).has_value());
    EXPECT_EQ(DateFormat_DB::fromShowValue(QStringLiteral("DD.MM.YY"))->dbId, 2);
    EXPECT_FALSE(DateFormat_DB::fromShowValue(QStringLiteral("dd.MM.yy")).has_value());
}

TEST(TimeFormatTable, Rows)
{
    const auto& table = timeFormatTable();
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[0].id, TimeFormat_DB::Defaults::twelveHR);
    EXPECT_FALSE(table[0].dbId);
    EXPECT_EQ(table[0].showValue, QStringLiteral("12"));
    EXPECT_EQ(table[0].value, QStringLiteral("a hh:mm"));
    EXPECT_EQ(table[1].id, TimeFormat_DB::Defaults::twentyFourHR);
    EXPECT_TRUE(table[1].dbId);
    EXPECT_EQ(table[1].showValue, QStringLiteral("24"));
    EXPECT_EQ(table[1].value, QStringLiteral("HH:mm"));
    EXPECT_EQ(TimeFormat_DB::fromDbId(true)->value, QStringLiteral("HH:mm"));
    EXPECT_EQ(TimeFormat_DB::fromShowValue(QStringLiteral("12"))->dbId, false);
    EXPECT_FALSE(TimeFormat_DB::fromShowValue(QStringLiteral("13")).has_value());
}

TEST(RegionTable, RowsCarryCopiesOfTheFormatRows)
{
    const auto& table = regionTable();
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[0].id, Region_DB::Defaults::Other);
    EXPECT_FALSE(table[0].dbId);
    EXPECT_EQ(table[0].value, QStringLiteral("Other"));
    EXPECT_EQ(table[0].dateFormat, dateFormatTable()[2]);
    EXPECT_EQ(table[0].dateFormat.value, QStringLiteral("dd.MM.yy"));
    EXPECT_EQ(table[0].timeFormat, timeFormatTable()[1]);
    EXPECT_EQ(table[0].timeFormat.value, QStringLiteral("HH:mm"));

    EXPECT_EQ(table[1].id, Region_DB::Defaults::USA);
    EXPECT_TRUE(table[1].dbId);
    EXPECT_EQ(table[1].value, QStringLiteral("USA"));
    EXPECT_EQ(table[1].dateFormat, dateFormatTable()[0]);
    EXPECT_EQ(table[1].dateFormat.showValue, QStringLiteral("YYYY/MM/DD"));
    EXPECT_EQ(table[1].timeFormat, timeFormatTable()[0]);
    EXPECT_EQ(table[1].timeFormat.value, QStringLiteral("a hh:mm"));
}

TEST(RegionTable, Lookups)
{
    EXPECT_EQ(Region_DB::fromValue(QStringLiteral("USA"))->dbId, true);
    EXPECT_EQ(Region_DB::fromValue(QStringLiteral("Other"))->dbId, false);
    EXPECT_FALSE(Region_DB::fromValue(QStringLiteral("usa")).has_value());
    EXPECT_EQ(Region_DB::fromDbId(true)->value, QStringLiteral("USA"));
}

TEST(BestValueTypeTable, Rows)
{
    const auto& table = bestValueTypeTable();
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[0].id, BestValueType_DB::Defaults::Measure);
    EXPECT_FALSE(table[0].dbId);
    EXPECT_EQ(table[0].value, QStringLiteral("Measure"));
    EXPECT_EQ(table[1].id, BestValueType_DB::Defaults::Target);
    EXPECT_TRUE(table[1].dbId);
    EXPECT_EQ(table[1].value, QStringLiteral("Target"));
    EXPECT_EQ(BestValueType_DB::fromDbId(true)->value, QStringLiteral("Target"));
    EXPECT_EQ(BestValueType_DB::fromValue(QStringLiteral("Measure"))->dbId, false);
}

TEST(GenderTable, Rows)
{
    const auto& table = genderTable();
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[0].id, Gender_DB::Defaults::Male);
    EXPECT_FALSE(table[0].dbId);
    EXPECT_EQ(table[0].i18nKey, QStringLiteral("OverviewController_User_Gender_Male"));
    EXPECT_EQ(table[1].id, Gender_DB::Defaults::Female);
    EXPECT_TRUE(table[1].dbId);
    EXPECT_EQ(table[1].i18nKey, QStringLiteral("OverviewController_User_Gender_Female"));
    EXPECT_EQ(Gender_DB::fromDbId(true)->id, Gender_DB::Defaults::Female);
}

TEST(DateRangeTable, RowsCountDaysInclusively)
{
    const auto& table = dateRangeTable();
    ASSERT_EQ(table.size(), 3);
    EXPECT_EQ(table[0].id, SelectDateFormat_DB::Defaults::SEVEN_DAY);
    EXPECT_EQ(table[0].showValue, QStringLiteral("7 day"));
    EXPECT_EQ(table[0].day, 6);
    EXPECT_EQ(table[0].i18nKey, QStringLiteral("OverviewController_SevenDay"));
    EXPECT_EQ(table[1].id, SelectDateFormat_DB::Defaults::THIRTY_DAY);
    EXPECT_EQ(table[1].showValue, QStringLiteral("30 day"));
    EXPECT_EQ(table[1].day, 29);
    EXPECT_EQ(table[1].i18nKey, QStringLiteral("OverviewController_ThirtyDay"));
    EXPECT_EQ(table[2].id, SelectDateFormat_DB::Defaults::ALL);
    EXPECT_EQ(table[2].showValue, QStringLiteral("ALL"));
    EXPECT_FALSE(table[2].day.has_value());
    EXPECT_EQ(table[2].i18nKey, QStringLiteral("OverviewController_ALL"));
    EXPECT_EQ(SelectDateFormat_DB::fromShowValue(QStringLiteral("30 day"))->day, 29);
}

TEST(TimeOfDayTable, RowsAndTheirClockValues)
{
    const auto& table = timeOfDayTable();
    ASSERT_EQ(table.size(), 3);
    struct Expected {
        SelectTimeFormat_DB::Defaults id;
        const char* showValue;
        const char* startTime;
        const char* endTime;
        int startHour;
        int endHour;
        const char* i18nKey;
    };
    const Expected rows[] = {
        {SelectTimeFormat_DB::Defaults::AM, "00:00-11:59", "00:00:00", "11:59:59", 0, 11,
         "OverviewController_AM"},
        {SelectTimeFormat_DB::Defaults::PM, "12:00-23:59", "12:00:00", "23:59:59", 12, 23,
         "OverviewController_PM"},
        {SelectTimeFormat_DB::Defaults::ALL, "All day", "00:00:00", "23:59:59", 0, 23,
         "OverviewController_AllDay"},
    };
    for (qsizetype i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& row = table[i];
        EXPECT_EQ(row.id, rows[i].id);
        EXPECT_EQ(row.showValue, QString::fromUtf8(rows[i].showValue));
        EXPECT_EQ(row.startTime, QString::fromUtf8(rows[i].startTime));
        EXPECT_EQ(row.endTime, QString::fromUtf8(rows[i].endTime));
        EXPECT_EQ(row.startTime_Int, rows[i].startHour);
        EXPECT_EQ(row.endTime_Int, rows[i].endHour);
        EXPECT_EQ(row.i18nKey, QString::fromUtf8(rows[i].i18nKey));
        // The clock values are the texts, to the second.
        EXPECT_EQ(row.startTimeOfDay.toString(QStringLiteral("HH:mm:ss")), row.startTime);
        EXPECT_EQ(row.endTimeOfDay.toString(QStringLiteral("HH:mm:ss")), row.endTime);
        EXPECT_EQ(row.startTimeOfDay.msec(), 0);
        EXPECT_EQ(row.endTimeOfDay.msec(), 0);
    }
}

TEST(FilterTables, TheTwoAllRowsDiffer)
{
    EXPECT_EQ(SelectDateFormat_DB::row(SelectDateFormat_DB::Defaults::ALL).showValue,
              QStringLiteral("ALL"));
    EXPECT_EQ(SelectTimeFormat_DB::row(SelectTimeFormat_DB::Defaults::ALL).showValue,
              QStringLiteral("All day"));
    EXPECT_FALSE(SelectTimeFormat_DB::fromShowValue(QStringLiteral("ALL")).has_value());
    EXPECT_FALSE(SelectDateFormat_DB::fromShowValue(QStringLiteral("All day")).has_value());
    EXPECT_EQ(SelectTimeFormat_DB::fromShowValue(QStringLiteral("12:00-23:59"))->id,
              SelectTimeFormat_DB::Defaults::PM);
}

TEST(TableLookup, PositionOutsideTheTableIsNone)
{
    EXPECT_EQ(TableLookup::at(timeOfDayTable(), 1)->id, SelectTimeFormat_DB::Defaults::PM);
    EXPECT_FALSE(TableLookup::at(timeOfDayTable(), 3).has_value());
    EXPECT_FALSE(TableLookup::at(timeOfDayTable(), -1).has_value());
}

TEST(LookupTables, AreBuiltOnceAndShared)
{
    EXPECT_EQ(&unitTypeTable(), &unitTypeTable());
    EXPECT_EQ(&regionTable(), &regionTable());
    EXPECT_EQ(&timeOfDayTable(), &timeOfDayTable());
}
