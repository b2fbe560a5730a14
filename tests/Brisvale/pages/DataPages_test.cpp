#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/DataElementProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Each case starts as a new installation, its console lines captured.
class DataPages : public testing::Test {
protected:
    void SetUp() override
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        Console::setCapture([this](const QString& line) { lines.append(line); });
    }
    void TearDown() override
    {
        Console::setCapture({});
        closeViewContext();
    }

    // The current user "ann@example.com" with two readings on 1 December 2026 (local time), and
    // a date window holding both.
    static void storeCurrentUser()
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = QStringLiteral("ann@example.com");
        profile->name = QStringLiteral("Ann");
        for (const int hour : {8, 20}) {
            PFMPtr reading = context.insertReading(profile);
            reading->pefValue = 400;
            reading->measureDate =
                Timestamp::fromDateTime(QDateTime(QDate(2026, 12, 1), QTime(hour, 0)));
        }
        ASSERT_TRUE(context.save().ok());
        UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
        UserDefaultHelper::setFrom(QDateTime(QDate(2026, 11, 30), QTime(0, 0)));
        UserDefaultHelper::setTo(QDateTime(QDate(2026, 12, 2), QTime(0, 0)));
        UserDefaultHelper::setDate(QStringLiteral("ALL"));
        UserDefaultHelper::setTime(QStringLiteral("All day"));
    }

    QStringList lines;
};

}

TEST_F(DataPages, TheOverviewAnswersThePageSwitchWithItsLineAlone)
{
    OverviewController overview;
    overview.onPageSwitch();
    EXPECT_EQ(lines, QStringList{QStringLiteral("無需判斷切換頁")});
}

TEST_F(DataPages, TheOverviewReloadsTheStoredStateOnARefreshIgnoringItsArguments)
{
    OverviewController overview;
    overview.willAppear();
    EXPECT_TRUE(overview.userNameTextField->text().isEmpty());

    storeCurrentUser();
    lines.clear();
    overview.onDataRefresh(false, QStringLiteral("someone.else@example.com"));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("Overview 通知即時更新"));
    EXPECT_EQ(overview.userNameTextField->text(), QStringLiteral("Ann"));
    EXPECT_EQ(overview.totalMeasurementTextField->text(), QStringLiteral("2"));
    // The window in the user's date format (the first: year/month/day).
    EXPECT_EQ(overview.timeRangeTextField->text(), QStringLiteral("2026/11/30 – 2026/12/02"));
}

TEST_F(DataPages, TheDataPageFollowsTheMeterConnectionThroughItsHub)
{
    DataController data;
    DataElementProcess hub;
    hub.addObserver(&data);
    EXPECT_FALSE(data.TrifficBool);
    EXPECT_FALSE(data.TrafficLightSettings->isEnabled());

    hub.broadcastDataElement(true);
    EXPECT_TRUE(lines.contains(QStringLiteral("Data 我收到訊息如下：true")));
    EXPECT_TRUE(data.TrifficBool);
    EXPECT_TRUE(data.TrafficLightSettings->isEnabled());

    lines.clear();
    hub.broadcastDataElement(false);
    EXPECT_EQ(lines.last(), QStringLiteral("Data 我收到訊息如下：false"));
    EXPECT_FALSE(data.TrifficBool);
    EXPECT_FALSE(data.TrafficLightSettings->isEnabled());
}

TEST_F(DataPages, TheDataPageAnswersTheWindowsHubWithItsLines)
{
    storeCurrentUser();
    DataController data;
    data.willAppear();
    EXPECT_EQ(data.ReadingsCount_Lab->text(), QStringLiteral("Readings in the chosen range: 2"));

    RenewProcess hub;
    hub.addObserver(&data);
    lines.clear();
    hub.broadcastPageSwitch();
    EXPECT_EQ(lines, (QStringList{QStringLiteral("切換頁 發送通知值"), QStringLiteral("Data頁面切換 無通知需求")}));

    // A reading removed meanwhile disappears at the refresh.
    const ProfilePtr profile = viewContext().fetchProfile(QStringLiteral("ann@example.com")).value();
    viewContext().deleteReading(viewContext().pfmInfo(profile).value().first());
    ASSERT_TRUE(viewContext().save().ok());
    lines.clear();
    hub.broadcastDataRefresh(true, QString());
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.at(1), QStringLiteral("Data 通知即時更新"));
    EXPECT_EQ(data.ReadingsCount_Lab->text(), QStringLiteral("Readings in the chosen range: 1"));
}
