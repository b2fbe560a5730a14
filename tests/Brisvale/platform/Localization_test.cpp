#include "Brisvale/platform/AlertDialog.h"
#include "Brisvale/platform/DialogueButtons.h"
#include "Brisvale/platform/Localization.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// Every key that the profile, user-list, create-user, settings and region pages, the main window,
// the meter download, the best-value and choose-user sheets and the backup name, and the choices
// of the lookup tables.
const QStringList pageKeys = {
    "OverviewController_User_Gender_Male", "OverviewController_User_Gender_Female",
    "OverviewController_SevenDay", "OverviewController_ThirtyDay", "OverviewController_ALL",
    "OverviewController_AM", "OverviewController_PM", "OverviewController_AllDay", "OK",
    "ViewController_AlertMessage_SystemNotUser", "ViewController_AlertMessage_PFMDifferentTime",
    "ViewController_AlertMessage_PFMDifferentTime_SyncTimeClear",
    "ViewController_AlertMessage_PFMDifferentTime_SyncTimeOnly",
    "ViewController_AlertMessage_PFMDifferentTime_No", "ViewController_AlertMessage_NoData",
    "ViewController_AlertMessage_PFMAsk", "ViewController_AlertMessage_PFMTransferSuccess",
    "ConnectionPFM_Title", "ConnectionPFM_Remind", "ConnectionPFM_Question",
    "ConnectionPFM_AlertMessage_SelectUser", "ConnectionPFM_ProfileColumn", "TrafficLightsController_Title",
    "TrafficLightsController_BestValue", "TrafficLightsController_AlertMessage_AskBestValue",
    // The best-value sheet's zone captions and button, and the readings a download could not read.
    "TrafficLightsController_EightyPercent", "TrafficLightsController_Send", "TrafficLightsController_Save",
    "TrafficLightsController_SixtyPercent", "ViewController_AlertMessage_PFMUnreadableReadings",
    "TrafficLightsController_AlertMessage_AskBestValueDone",
    "TrafficLightsController_AlertMessage_AskBestValueFailed", "ProfileController_PageTitle",
    "ProfileController_Email", "ProfileController_Name", "ProfileController_Gender",
    "ProfileController_Birth", "ProfileController_Height", "ProfileController_Weight",
    "ProfileController_AlertMessage_EmptyField", "ProfileController_AlertMessage_AskSaveUser",
    "ProfileController_AlertMessage_AskDeleteUser", "CreateUserController_Email",
    "CreateUserController_AlertMessage_EmptyEmail", "CreateUserController_AlertMessage_ExistEmail",
    "UserListController_AlertMessage_SelectUser", "SettingsController_PageTitle",
    "SettingsController_PageSubTitle", "SettingsController_DateFormat", "SettingsController_Unit",
    "SettingsController_TimeFormat", "SettingsController_Region", "SettingsController_Import",
    "SettingsController_Export", "RegionController_Confirm", "RegionController_PageTitle",
    "SettingsController_Save", "SettingsController_AlertMessage_AskSaveUser",
    "SettingsController_AlertMessage_ExportSuccess", "SettingsController_AlertMessage_ExportFailed",
    "SettingsController_AlertMessage_ImportSuccess", "SettingsController_AlertMessage_ImportFailed",
    "SettingsController_AlertMessage_ImportUnreadableReadings",
    "SettingsController_AlertMessage_ImportStoreReplaced",
    // The main window, its menu and the first data pages.
    "AppDelegate_AlertMessage_SaveFailed", "AppDelegate_AlertMessage_AlreadyRunning",
    "AppDelegate_AlertMessage_LockNotMade", "AppDelegate_AlertMessage_LockInTheWay",
    "AppDelegate_AlertMessage_RunningElsewhere", "AppDelegate_AlertMessage_SaveStoreReplaced",
    "DataController_PageTitle",
    // A store that can't be used at start: what is wrong, and the choices left.
    "StoreStartup_AlertMessage_NewerVersion", "StoreStartup_AlertMessage_NotWritable",
    "StoreStartup_AlertMessage_UpgradeFailed", "StoreStartup_AlertMessage_NoSpace",
    "StoreStartup_AlertMessage_CannotOpen", "StoreStartup_AlertMessage_DanglingLink",
    "StoreStartup_AlertMessage_NotARegularFile", "StoreStartup_AlertMessage_Unreadable",
    "StoreStartup_AlertMessage_Unusable", "StoreStartup_AlertMessage_MoveFailed",
    "StoreStartup_Problem_NotADatabase", "StoreStartup_Problem_CutShort",
    "StoreStartup_Problem_OtherApplication", "StoreStartup_Problem_TablesMissing",
    "StoreStartup_Problem_Damaged", "StoreStartup_Quit", "StoreStartup_StartEmpty",
    "DataController_TrafficLightSettings", "OverviewController_Measurements_Total",
    "OverviewController_PageTitle", "OverviewController_TimeRange_Title", "OverviewController_User_Title",
    "VersionController_Version", "ViewController_AlertMessage_Fatal",
    "ViewController_Data", "ViewController_Help",
    "ViewController_Menu_About", "ViewController_Menu_File", "ViewController_Menu_Help",
    "ViewController_Menu_Manual", "ViewController_Menu_Quit", "ViewController_Menu_Save",
    "ViewController_Overview", "ViewController_Profile", "ViewController_Settings", "ViewController_Sync",
    "ViewController_Sync_ToolTip", "ViewController_Help_ToolTip",
    // Why a control is greyed.
    "ViewController_Sync_NoMeter", "DataController_Download_NoReadings", "ConnectionPFM_Yes_NoProfile",
    "TrafficLightsController_BestValue_NoMeter",
    // The names that a screen reader speaks for icon-only buttons and fields without a caption.
    "DataController_Tab_Table", "DataController_Tab_PEF", "DataController_Tab_FEV1", "DataController_Download",
    "FilterControls_DayRange", "FilterControls_TimeOfDay", "TableController_DeleteReading",
    // The delete column's name, told to a reader.
    "TableController_Delete",
    // The best-value sheet's zone limits, told to a reader with its value field and plan pop-up.
    "TrafficLightsController_ZoneLimits", "TrafficLightsController_BestValue_Description",
    "TrafficLightsController_NoBestValue",
    "OverviewController_Average_PEF", "OverviewController_Average_FEV1",
    // What a reader hears of pop-ups, profiles' rows, the current profile and the calendar's month.
    "PopUpAccessible_Name", "CurrentUserRow_Spoken", "ProfileController_CurrentProfile",
    "BoundedDateEdit_CalendarMonth",
    // The buttons of the profile page, the create-user sheet and the user list.
    "CreateUserController_Create", "ProfileController_AddUser", "ProfileController_Delete",
    "ProfileController_Save", "ProfileController_UserList", "UserListController_Confirm",
    "ProfileController_Restore",
    // The overview, the Data page and the readings table.
    "DataController_From", "DataController_To", "DataController_Maximum_Pef",
    "DataController_Maximum_PefBest", "DataController_Maximum_Fev1", "DataController_Maximum_Unit",
    "DataController_Maximum_Measured", "TableController_Date", "TableController_Time",
    "TableController_PEF", "TableController_FEV1", "TableController_Notes",
    "TableController_AlertMessage_AskDelete", "TableController_AlertMessage_AskDelete_Reading",
    "OverviewController_TimeRange_From",
    "OverviewController_TimeRange_To", "OverviewController_Measurements_Title",
    "OverviewController_Measurements_Measurements", "OverviewController_Measurements_Last",
    "OverviewController_Average_Title", "OverviewController_BestValue_Title", "OverviewController_User_Age",
    // The overview's Insight card.
    "OverviewController_Insight_Title", "OverviewController_Insight_Note",
    "OverviewController_Insight_Latest", "OverviewController_Insight_Average",
    "OverviewController_Insight_Variability", "OverviewController_Insight_Predicted",
    "OverviewController_Insight_BestOfPredicted", "OverviewController_Insight_Percent",
    "OverviewController_Insight_LitresPerMinute", "OverviewController_Insight_None",
    "OverviewController_Insight_GreenZone", "OverviewController_Insight_YellowZone",
    "OverviewController_Insight_RedZone", "OverviewController_Insight_AboveAdultGuide",
    "OverviewController_Insight_AboveChildGuide", "OverviewController_Insight_NoReadings",
    "OverviewController_Insight_NoBest", "OverviewController_Insight_NeedsTwoReadings",
    "OverviewController_Insight_NeedsAgeAndHeight", "OverviewController_Insight_Keys",
    "OverviewController_Insight_NeedsAgeAndHeight_FtIn",
    "OverviewController_Insight_VariabilityOverOneDay",
    "OverviewController_Insight_VariabilityOverDays", "OverviewController_Insight_ZoneCounts",
    "OverviewController_Insight_ZoneCountsValue", "OverviewController_Insight_OnlyAboveRange",
    "OverviewController_Insight_WithRemark", "OverviewController_Insight_LeftOut",
    // What a reader hears of the overview's figures.
    "OverviewController_Litres", "Accessibility_Figure",
    // The standard dialogue buttons.
    "Yes", "No", "Cancel",
    // What failed and what was kept when the meter or the store fails, and refused values.
    "ViewController_AlertMessage_PFMClockReadFailed",
    "ViewController_AlertMessage_PFMMemoryReadFailed",
    "ViewController_AlertMessage_PFMClockWriteFailed",
    "ViewController_AlertMessage_PFMEraseFailed",
    "ViewController_AlertMessage_PFMClearFailed",
    "ViewController_AlertMessage_PFMStoreReplaced",
    "ViewController_AlertMessage_PFMStoreReplacedAfterSaving",
    "ViewController_AlertMessage_PFMBestValueWriteFailed",
    "ViewController_AlertMessage_PFMBestValueReadFailed",
    "ViewController_AlertMessage_PFMBestValueWriteFailed_Stored",
    // Clearing a meter that keeps unreadable readings, and a meter maximum not taken.
    "ViewController_AlertMessage_PFMUnreadableReadings_Clear", "ViewController_AlertMessage_PFMCleared",
    "ViewController_AlertMessage_PFMMaxOutOfRange", "ViewController_AlertMessage_PFMClockSetErased",
    "ViewController_AlertMessage_PFMClockSetOnly", "ViewController_AlertMessage_PFMClockNotChanged",
    "TrafficLightsController_AlertMessage_MeterFailed",
    "TrafficLightsController_AlertMessage_InvalidBestValue",
    // The best-value sheet's zone plans and the red limit's caption of the US plan.
    "TrafficLightsController_ZonePlan", "TrafficLightsController_ZonePlan_EightySixty",
    "TrafficLightsController_ZonePlan_EightyFifty", "TrafficLightsController_FiftyPercent",
    "ProfileController_HeightHint_KgCm",
    "ProfileController_HeightHint_FtIn",
    "ProfileController_WeightHint_KgCm",
    "ProfileController_WeightHint_FtIn", "ProfileController_HeightFormat_FtIn",
    "ProfileController_NameLimit", "CreateUserController_EmailLimit",
    // The download popover and the two reports.
    "ExportFileController_CSV", "ExportFileController_PDF", "CSVFile_Title", "CSVFile_Name", "CSVFile_Sex",
    "CSVFile_ReportDate", "CSVFile_Birth", "CSVFile_ReadingsRange", "CSVFile_Age", "CSVFile_Readings",
    "CSVFile_Date", "CSVFile_Time", "CSVFile_PEF", "CSVFile_FEV1", "CSVFile_Notes",
    "CSVFile_AlertMessage_Success", "CSVFile_AlertMessage_Failed", "PDFFile_Title", "PDFFile_SecondTitle",
    "PDFFile_Name", "PDFFile_ReportData", "PDFFile_ReadingsRange", "PDFFile_Sex", "PDFFile_Birth",
    "PDFFile_Age", "PDFFile_Summary_Title", "PDFFile_Summary_BestValue", "PDFFile_Summary_MaxPef",
    "PDFFile_Summary_MaxFev1", "PDFFile_Summary_AvgPEF", "PDFFile_Summary_AvgFEV1", "PDFFile_Botton_Title",
    "PDFFile_AlertMessage_Success", "PDFFile_AlertMessage_Failed", "PDFFile_ChooseFolder",
    "CSVFile_ChooseFolder", "SettingsController_ExportChooseFolder",
    // What a reader hears of the PEF and FEV1 charts.
    "PEFController_ChartName", "FEV1Controller_ChartName", "ReadingsChartPage_Point", "ReadingsChartPage_Summary",
    "ReadingsChartPage_Summary_NoReadings", "PEFController_SpokenValue", "PEFController_SpokenValueInZone",
    "PEFController_Zone_Green", "PEFController_Zone_Yellow", "PEFController_Zone_Red",
    "PEFController_Summary_BestValue", "PEFController_Summary_NoBestValue", "PEFController_Summary_Zones",
    "FEV1Controller_SpokenValue", "FEV1Controller_Summary_Highest",
};

// Keys whose English text is the key itself.
const QStringList buttonKeys = {"OK", "Yes", "No", "Cancel"};

// The message ids and translations of the English table as written in the source tree.
QList<std::pair<QString, QString>> tableEntries()
{
    const QString path = QStringLiteral(BRISVALE_SOURCE_DIR)
                         + QStringLiteral("/Brisvale/resources/translations/brisvale_en.ts");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<std::pair<QString, QString>> entries;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QLatin1String("id")).toString();
        } else if (xml.name() == QLatin1String("translation")) {
            entries.append({id, xml.readElementText()});
        }
    }
    return entries;
}

}

TEST(Localization, TheTablesAreInstalledWhenTheApplicationStarts)
{
    // Nothing of Localization has been called in this program yet (each test runs on its own).
    EXPECT_EQ(qtTrId("ProfileController_PageTitle"), QStringLiteral("Profile"));
}

// The application reads its command line with an application object of its own that ends
// before the window's is made; the window's texts were once shown as their keys.
TEST(Localization, TheTablesAreInstalledInASecondApplicationObject)
{
    QProcess probe;
    probe.start(QStringLiteral(LOCALIZATION_PROBE), {QStringLiteral("RegionController_Confirm")});
    ASSERT_TRUE(probe.waitForFinished(-1));
    EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(), QStringLiteral("Continue"));
}

TEST(Localization, EveryKeyOfThePagesHasItsOwnText)
{
    ASSERT_TRUE(Localization::install());
    for (const QString& key : pageKeys) {
        const QString text = Localization::text(key);
        EXPECT_FALSE(text.isEmpty()) << key.toStdString();
        if (!buttonKeys.contains(key)) {
            EXPECT_NE(text, key) << "no text for " << key.toStdString();
        }
        // The pages may also ask Qt directly.
        EXPECT_EQ(qtTrId(key.toUtf8().constData()), text);
    }
    EXPECT_EQ(DialogueButtons::ok(), QStringLiteral("OK"));
    EXPECT_EQ(DialogueButtons::yesNo(), (QStringList{"Yes", "No"}));
    EXPECT_EQ(DialogueButtons::cancel(), QStringLiteral("Cancel"));
}

TEST(Localization, EveryEntryOfTheTableIsCompiledIntoTheProgram)
{
    const auto entries = tableEntries();
    ASSERT_EQ(entries.size(), pageKeys.size());
    for (const auto& [id, translation] : entries) {
        EXPECT_TRUE(pageKeys.contains(id)) << id.toStdString();
        EXPECT_FALSE(translation.isEmpty()) << id.toStdString();
        EXPECT_EQ(Localization::text(id), translation);
    }
}

TEST(Localization, TextsCarryThePlaceholdersTheirCallersFillIn)
{
    const QList<std::pair<const char*, const char*>> carriers = {
        {"ProfileController_AlertMessage_AskSaveUser", "[:EM]"},
        {"ProfileController_AlertMessage_AskDeleteUser", "[:EM]"},
        {"SettingsController_AlertMessage_AskSaveUser", "[:EM]"},
        {"ViewController_AlertMessage_PFMAsk", "[:BV]"},
        {"TrafficLightsController_AlertMessage_AskBestValue", "[:VB]"},
        {"TrafficLightsController_AlertMessage_AskBestValueDone", "[:BV]"},
        {"ViewController_AlertMessage_PFMUnreadableReadings", "[:NR]"},
        {"SettingsController_AlertMessage_ImportUnreadableReadings", "[:NR]"},
        {"ViewController_AlertMessage_PFMBestValueWriteFailed_Stored", "[:BV]"},
        {"ViewController_AlertMessage_PFMMaxOutOfRange", "[:BV]"},
        {"TrafficLightsController_AlertMessage_MeterFailed", "[:BV]"},
        {"OverviewController_Insight_Percent", "[:FI]"},
        {"OverviewController_Insight_LitresPerMinute", "[:FI]"},
        {"OverviewController_Insight_VariabilityOverDays", "[:NR]"},
        {"OverviewController_Insight_LeftOut", "[:NR]"},
        {"OverviewController_Insight_LeftOut", "[:FI]"},
        {"OverviewController_Litres", "[:FI]"},
        {"ProfileController_NameLimit", "[:NR]"},
        {"CreateUserController_EmailLimit", "[:NR]"},
    };
    for (const auto& [key, marker] : carriers) {
        EXPECT_TRUE(Localization::text(key).contains(QLatin1String(marker))) << key;
    }
    // No other text holds a marker that nobody would replace.
    for (const QString& key : pageKeys) {
        const bool carries = std::any_of(carriers.begin(), carriers.end(),
                                         [&](const auto& carrier) { return key == carrier.first; });
        if (!carries) {
            EXPECT_FALSE(Localization::text(key).contains(QLatin1String("[:"))) << key.toStdString();
        }
    }
}

TEST(Localization, ClearingTheMeterSaysTheReadingsAreErasedWithoutDownload)
{
    const QString text =
        Localization::text(QStringLiteral("ViewController_AlertMessage_PFMDifferentTime_SyncTimeClear"));
    EXPECT_TRUE(text.contains(QLatin1String("erase"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("without downloading"))) << text.toStdString();
}

TEST(Localization, AMissingKeyShowsTheKey)
{
    EXPECT_EQ(Localization::text(QStringLiteral("NoSuchController_Title")),
              QStringLiteral("NoSuchController_Title"));
    EXPECT_EQ(Localization::text(QString()), QString());
}

TEST(Localization, EveryOccurrenceOfAPlaceholderIsReplaced)
{
    using Localization::Placeholder;
    EXPECT_EQ(Localization::fill(QStringLiteral("[:EM] and [:EM], again [:EM]"), Placeholder::email,
                                 QStringLiteral("ann@x")),
              QStringLiteral("ann@x and ann@x, again ann@x"));
    // Both spellings of the best value, side by side and repeated.
    EXPECT_EQ(Localization::fill(QStringLiteral("[:BV][:VB] / [:VB] / [:BV]"), Placeholder::bestValue,
                                 QStringLiteral("450")),
              QStringLiteral("450450 / 450 / 450"));
    // Each placeholder leaves the others' markers and broken markers alone.
    EXPECT_EQ(Localization::fill(QStringLiteral("[:EM] [:BV] [:B [:em]"), Placeholder::bestValue,
                                 QStringLiteral("9")),
              QStringLiteral("[:EM] 9 [:B [:em]"));
    EXPECT_EQ(Localization::fill(QStringLiteral("[:EM] [:BV]"), Placeholder::email, QString()),
              QStringLiteral(" [:BV]"));
}

// A question names an e-mail of any length (from a backup) as the lists of profiles show it: as
// far as a line of the alert's text holds, ending in "…" when cut.
TEST(Localization, AnEmailInAQuestionEndsInAnEllipsisWhereALineOfTheAlertEnds)
{
    const std::pair<QString, bool> cases[] = {
        {QStringLiteral("ann@example.com"), false},
        {QString(242, QLatin1Char('a')) + QStringLiteral("@example.com"), true},
        {QString(99988, QLatin1Char('a')) + QStringLiteral("@example.com"), true},
    };
    for (const auto& [email, cut] : cases) {
        SCOPED_TRACE(email.size());
        const QString named = Localization::fill(QStringLiteral("Save [:EM]"), Localization::Placeholder::email, email);
        const QString shown = named.sliced(5);
        EXPECT_EQ(shown.endsWith(QStringLiteral("…")), cut);
        EXPECT_TRUE(email.startsWith(cut ? shown.chopped(1) : shown));
        EXPECT_LE(QFontMetricsF(QGuiApplication::font()).horizontalAdvance(shown), AlertDialog::textWidth);
    }
}

TEST(Localization, AValueHoldingAMarkerIsInsertedAsTyped)
{
    // A best value is sometimes the text a person typed; it is never scanned again.
    EXPECT_EQ(Localization::fill(QStringLiteral("Save [:VB]? ([:BV])"), Localization::Placeholder::bestValue,
                                 QStringLiteral("[:BV]")),
              QStringLiteral("Save [:BV]? ([:BV])"));
}

TEST(Localization, TextWithPlaceholderFillsTheLocalisedText)
{
    const QString text = Localization::text(QStringLiteral("ViewController_AlertMessage_PFMAsk"),
                                            Localization::Placeholder::bestValue, QStringLiteral("450"));
    EXPECT_EQ(text.count(QStringLiteral("450")), 2) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1String("[:")));
    const QString ask = Localization::text(QStringLiteral("ProfileController_AlertMessage_AskSaveUser"),
                                           Localization::Placeholder::email, QStringLiteral("ann@x"));
    EXPECT_TRUE(ask.contains(QLatin1String("ann@x")));
}

TEST(Localization, ACountFillsOnlyItsOwnMarker)
{
    EXPECT_EQ(Localization::fill(QStringLiteral("[:NR] of [:BV]"), Localization::Placeholder::count, QStringLiteral("3")),
              QStringLiteral("3 of [:BV]"));
    const QString unreadable = Localization::text(QStringLiteral("ViewController_AlertMessage_PFMUnreadableReadings"),
                                                  Localization::Placeholder::count, QStringLiteral("3"));
    EXPECT_TRUE(unreadable.contains(QLatin1String("3"))) << unreadable.toStdString();
    EXPECT_FALSE(unreadable.contains(QLatin1String("[:")));
}
