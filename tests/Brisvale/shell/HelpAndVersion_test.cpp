#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/Region_DB.h"
#include "Brisvale/shell/HelpManual.h"
#include "Brisvale/shell/VersionController.h"

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// No case starts a browser: the opener records the address instead.
class HelpManualOpening : public testing::Test {
protected:
    void SetUp() override
    {
        TestEnvironment::clearUserFolders();
        HelpManual::setOpener([this](const QUrl& url) {
            opened.append(url);
            return openerSucceeds;
        });
    }
    void TearDown() override { HelpManual::setOpener({}); }

    QList<QUrl> opened;
    bool openerSucceeds = true;
};

}

TEST_F(HelpManualOpening, TheShippedManualIsCopiedOutAndItsFileOpened)
{
    ASSERT_TRUE(HelpManual::open());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl::fromLocalFile(HelpManual::filePath()));
    EXPECT_TRUE(HelpManual::filePath().startsWith(TestEnvironment::root()));
    QFile manual(HelpManual::filePath());
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(manual.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(text.contains(QStringLiteral("Brisvale user manual")));
}

TEST_F(HelpManualOpening, AnOutdatedCopyIsReplaced)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(HelpManual::filePath()).absolutePath()));
    QFile stale(HelpManual::filePath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("old");
    stale.close();
    ASSERT_TRUE(HelpManual::open());
    EXPECT_GT(QFileInfo(HelpManual::filePath()).size(), 1000);
}

TEST_F(HelpManualOpening, AFolderThatCannotBeWrittenOrABrowserThatFailsIsReported)
{
    openerSucceeds = false;
    EXPECT_FALSE(HelpManual::open());
    EXPECT_EQ(opened.size(), 1);

    // A file where the manual's folder belongs: nothing can be copied, nothing is opened.
    openerSucceeds = true;
    opened.clear();
    const QString folder = QFileInfo(HelpManual::filePath()).absolutePath();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(HelpManual::open());
    EXPECT_TRUE(opened.isEmpty());
}

// The manual speaks of the controls by the names the application shows, so a reader finds them.
TEST(HelpManualText, NamesTheControlsAsTheApplicationLabelsThem)
{
    const char* const keys[] = {
        "RegionController_Confirm", "ProfileController_AddUser", "ProfileController_Restore",
        "ProfileController_UserList", "ProfileController_Delete",
        "ViewController_AlertMessage_PFMDifferentTime_SyncTimeClear",
        "ViewController_AlertMessage_PFMDifferentTime_SyncTimeOnly",
        "ViewController_AlertMessage_PFMDifferentTime_No", "ViewController_AlertMessage_PFMUnreadableReadings_Clear",
        "DataController_TrafficLightSettings", "TrafficLightsController_Send",
        "TrafficLightsController_ZonePlan_EightySixty", "TrafficLightsController_ZonePlan_EightyFifty",
        "OverviewController_Insight_Title", "OverviewController_SevenDay", "OverviewController_ThirtyDay",
        "OverviewController_ALL", "OverviewController_AllDay", "ExportFileController_CSV",
        "ExportFileController_PDF", "SettingsController_Export", "SettingsController_Import",
        "OverviewController_Insight_Variability", "DataController_Maximum_PefBest",
        "DataController_Maximum_Measured", "DataController_Maximum_Fev1", "TrafficLightsController_Save",
        "DataController_Tab_Table", "DataController_Tab_PEF", "DataController_Tab_FEV1",
    };
    QTextDocument manual;
    manual.setHtml(HelpManual::text());
    const QString text = manual.toPlainText().simplified();
    for (const char* key : keys) {
        const QString label = Localization::text(QLatin1String(key));
        EXPECT_TRUE(text.contains(label)) << key << ": " << label.toStdString();
    }
    // The date formats a region gives, as the manual names them.
    for (const Region_DB::Defaults region : {Region_DB::Defaults::USA, Region_DB::Defaults::Other}) {
        const Region_DB& row = Region_DB::row(region);
        EXPECT_TRUE(text.contains(QStringLiteral("%1 gives ").arg(row.value))) << row.value.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("dates as %1").arg(row.dateFormat.showValue))) << row.value.toStdString();
    }
    // Passages that once said what the application does not do.
    for (const char* gone : {"Day-to-day variability", "that hold readings:", "and tells you so",
                             "the highest value of the chart or table shown", "the sync button does nothing",
                             "connected. Type your best value", "Until you confirm, nothing is stored",
                             "reports; the date of birth", "leave the page; Brisvale asks you which",
                             "Three tabs", "Beside the tabs"}) {
        EXPECT_FALSE(text.contains(QLatin1String(gone))) << gone;
    }
}

TEST(VersionPopover, ShowsTheApplicationsVersion)
{
    EXPECT_EQ(VersionController::version(), QStringLiteral("1.0.0"));
    VersionController popover;
    EXPECT_EQ(popover.Name_Lab->text(), QStringLiteral("Brisvale"));
    EXPECT_EQ(popover.Version_Lab->text(), QStringLiteral("Version 1.0.0"));
    EXPECT_TRUE(popover.windowFlags().testFlag(Qt::Popup));
}

TEST(VersionPopover, StandsCentredBelowTheTopEdgeInsideTheAnchor)
{
    // The offscreen platform may shift a shown window by its frame margin (2 px): allowed for.
    auto* popover = new VersionController;
    popover->showBelowTopEdge(QRect(100, 50, 600, 400));
    EXPECT_NEAR(popover->geometry().center().x(), 400, 2);
    EXPECT_NEAR(popover->geometry().top(), 58, 2);

    // An anchor narrower than the popover: their left edges meet, nothing sticks out to the left.
    auto* narrow = new VersionController;
    narrow->showBelowTopEdge(QRect(100, 50, 40, 400));
    EXPECT_NEAR(narrow->geometry().left(), 100, 2);
    EXPECT_GE(narrow->geometry().left(), 100);
    popover->close();
    narrow->close();
}
