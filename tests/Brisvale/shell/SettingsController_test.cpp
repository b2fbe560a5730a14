// The settings page over a fresh store, its alerts answered by a script.
#include "Brisvale/shell/SettingsController.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/records/StoreTestSupport.h"
#include "Brisvale/records/UserDefaultHelper.h"

#include "support/QtPrinters.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

namespace {

class RecordingWindow : public QObject, public SettingsStatusDelegate {
public:
    void settingsStatusDidChange(bool unsaved) override { reports << unsaved; }
    QList<bool> reports;
};

class SettingsPage : public FreshStore {
protected:
    void SetUp() override
    {
        FreshStore::SetUp();
        Console::setCapture([this](const QString& line) { console << line; });
        script = std::make_unique<AlertScript>();
        page = std::make_unique<SettingsController>();
        page->setDelegate(&window);
    }
    void TearDown() override
    {
        page.reset();
        script.reset();
        Console::setCapture({});
        FreshStore::TearDown();
    }

    // Saves the current user "ann@x" (feet and pounds, date format 0, 12-hour, region Other
    // unless changed) and shows the page.
    ProfilePtr showUser(float height = 5.5f, float weight = 150.0f)
    {
        ProfilePtr profile = viewContext().insertProfile();
        profile->email = QStringLiteral("ann@x");
        profile->height = height;
        profile->weight = weight;
        EXPECT_TRUE(viewContext().save().ok());
        UserDefaultHelper::setEmail(QStringLiteral("ann@x"));
        page->willAppear();
        return profile;
    }

    // The profile as the store holds it, read afresh from the file.
    static ProfilePtr stored()
    {
        closeViewContext();
        return viewContext().fetchProfile(QStringLiteral("ann@x")).value();
    }

    // A choice made by the user, as the pop-up reports it.
    static void choose(QComboBox* popUp, int index)
    {
        popUp->setCurrentIndex(index);
        emit popUp->activated(index);
    }

    // Presses save and answers the sheet.
    void saveAnswering(int response)
    {
        script->answer(response);
        page->Save_Btn->click();
        script->settle();
    }

    QList<int> shownIndexes() const
    {
        return {page->UnitPopUp->currentIndex(), page->DateFormatPopUp->currentIndex(),
                page->TimeFormatPopUp->currentIndex(), page->RegionPopUp->currentIndex()};
    }

    QStringList console;
    std::unique_ptr<AlertScript> script;
    RecordingWindow window;
    std::unique_ptr<SettingsController> page;
};

QStringList itemsOf(const QComboBox* popUp)
{
    QStringList items;
    for (int i = 0; i < popUp->count(); ++i) {
        items << popUp->itemText(i);
    }
    return items;
}

}

TEST_F(SettingsPage, PopUpsHoldThePlainRowTextsAndAppearingSetsTheCaptions)
{
    EXPECT_EQ(itemsOf(page->UnitPopUp), (QStringList{"ft/lb", "cm/kg"}));
    EXPECT_EQ(itemsOf(page->DateFormatPopUp),
              (QStringList{"YYYY/MM/DD", "MM/DD/YY", "DD.MM.YY", "YYYY.MM.DD"}));
    EXPECT_EQ(itemsOf(page->TimeFormatPopUp), (QStringList{"12", "24"}));
    EXPECT_EQ(itemsOf(page->RegionPopUp), (QStringList{"Other", "USA"}));
    for (const char* name : {"UnitPopUp", "DateFormatPopUp", "TimeFormatPopUp", "RegionPopUp",
                             "PageTitle_Lab", "SubTitle_Lab", "Unit_Lab", "ImportData_Btn",
                             "ExportData_Btn", "Save_Btn"}) {
        EXPECT_NE(page->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    }

    showUser();
    EXPECT_EQ(page->PageTitle_Lab->text(), QStringLiteral("Settings"));
    EXPECT_EQ(page->Unit_Lab->text(), QStringLiteral("Units"));
    EXPECT_EQ(page->ImportData_Btn->text(), QStringLiteral("Import backup"));
    EXPECT_EQ(page->ExportData_Btn->text(), QStringLiteral("Export backup"));
    EXPECT_EQ(console.first(), QStringLiteral("Settings Appear"));
    page->willDisappear();
    EXPECT_EQ(console.last(), QStringLiteral("Settings View will disappear"));
}

TEST_F(SettingsPage, LoadingSelectsTheStoredChoicesAndReportsNothingUnsaved)
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@x");
    profile->unit_type = true;
    profile->date_format = 2;
    profile->time_format = true;
    profile->region = true;
    ASSERT_TRUE(viewContext().save().ok());
    UserDefaultHelper::setEmail(QStringLiteral("ann@x"));
    page->willAppear();
    EXPECT_EQ(shownIndexes(), (QList<int>{1, 2, 1, 1}));
    EXPECT_EQ(window.reports, QList<bool>{false});
    EXPECT_FALSE(page->hasUnsavedChanges());
}

TEST_F(SettingsPage, SwitchingUnitsConvertsHeightAndWeightBothWaysWithoutDrift)
{
    showUser(5.5f, 150.0f);
    choose(page->UnitPopUp, 1);
    saveAnswering(Alert::firstButton);
    ProfilePtr metric = stored();
    EXPECT_TRUE(metric->unit_type);
    EXPECT_EQ(static_cast<double>(metric->height), 167.63999938964844);
    EXPECT_EQ(metric->weight, static_cast<float>(150.0 * 0.45359237));
    EXPECT_NEAR(metric->weight, 68.038857, 1e-6);
    EXPECT_TRUE(console.contains(QStringLiteral("height = 167.64 / weight = 68.0389")));

    choose(page->UnitPopUp, 0);
    saveAnswering(Alert::firstButton);
    ProfilePtr imperial = stored();
    EXPECT_FALSE(imperial->unit_type);
    EXPECT_EQ(imperial->height, 5.5f);
    EXPECT_EQ(imperial->weight, 150.0f);
}

TEST_F(SettingsPage, AHeightTheNewUnitsCannotHoldKeepsTheUnitSystem)
{
    showUser(3.0e38f, 150.0f);
    choose(page->UnitPopUp, 1);
    choose(page->TimeFormatPopUp, 1);
    saveAnswering(Alert::firstButton);
    ProfilePtr profile = stored();
    EXPECT_FALSE(profile->unit_type);
    EXPECT_EQ(profile->height, 3.0e38f);
    EXPECT_EQ(profile->weight, 150.0f);
    EXPECT_TRUE(profile->time_format);
    EXPECT_EQ(page->UnitPopUp->currentIndex(), 0);
}

TEST_F(SettingsPage, YesStoresFormatsAndRegionAndLeavesUnitsAloneWhenUnchanged)
{
    UserDefaultHelper::setRegion(QStringLiteral("Other"));
    showUser(5.9f, 151.3f);
    choose(page->DateFormatPopUp, 3);
    choose(page->TimeFormatPopUp, 1);
    choose(page->RegionPopUp, 1);
    saveAnswering(Alert::firstButton);

    const Presentation& sheet = script->last();
    EXPECT_EQ(sheet.kind, Presentation::Kind::sheet);
    EXPECT_EQ(sheet.alert.symbol, AlertSymbol::questionmark);
    EXPECT_EQ(sheet.alert.buttons, (QStringList{"Yes", "No"}));
    EXPECT_EQ(sheet.alert.message, QStringLiteral("Save the settings of the profile ann@x?"));

    ProfilePtr profile = stored();
    EXPECT_EQ(profile->date_format, 3);
    EXPECT_TRUE(profile->time_format);
    EXPECT_TRUE(profile->region);
    EXPECT_FALSE(profile->unit_type);
    EXPECT_EQ(profile->height, 5.9f);
    EXPECT_EQ(profile->weight, 151.3f);
    // The region of the application state is the first-run choice; the profile's is separate.
    EXPECT_EQ(UserDefaultHelper::region(), QStringLiteral("Other"));
    EXPECT_EQ(shownIndexes(), (QList<int>{0, 3, 1, 1}));
    EXPECT_FALSE(page->hasUnsavedChanges());
    EXPECT_EQ(window.reports.last(), false);
}

TEST_F(SettingsPage, ChoosingTheLoadedItemAgainClearsItsFlag)
{
    showUser();
    window.reports.clear();
    choose(page->DateFormatPopUp, 2);
    choose(page->UnitPopUp, 1);
    choose(page->DateFormatPopUp, 0);
    EXPECT_TRUE(page->hasUnsavedChanges());
    choose(page->UnitPopUp, 0);
    EXPECT_EQ(window.reports, (QList<bool>{true, true, true, false}));
    EXPECT_FALSE(page->hasUnsavedChanges());
    EXPECT_TRUE(console.contains(QStringLiteral("日期格式 原本的選項 -> YYYY/MM/DD / 目前的選項 -> DD.MM.YY")));
}

TEST_F(SettingsPage, NoRestoresEveryPopUpAndStoresNothing)
{
    showUser();
    choose(page->UnitPopUp, 1);
    choose(page->DateFormatPopUp, 1);
    choose(page->TimeFormatPopUp, 1);
    choose(page->RegionPopUp, 1);
    window.reports.clear();
    saveAnswering(Alert::secondButton);
    EXPECT_EQ(shownIndexes(), (QList<int>{0, 0, 0, 0}));
    EXPECT_FALSE(page->hasUnsavedChanges());
    EXPECT_EQ(window.reports, QList<bool>{false});
    EXPECT_EQ(console.last(), QStringLiteral("No"));
    ProfilePtr profile = stored();
    EXPECT_FALSE(profile->unit_type);
    EXPECT_EQ(profile->date_format, 0);
    EXPECT_FALSE(profile->time_format);
    EXPECT_FALSE(profile->region);
}

TEST_F(SettingsPage, TheSheetStoresTheChoicesShownWhenSaveWasPressed)
{
    showUser();
    choose(page->DateFormatPopUp, 1);
    page->Save_Btn->click();
    choose(page->DateFormatPopUp, 2);
    script->answerSheet(Alert::firstButton);
    EXPECT_EQ(stored()->date_format, 1);
}

TEST_F(SettingsPage, LeavingAsksOnlyWithUnsavedChoices)
{
    showUser();
    page->onPageSwitch();
    EXPECT_TRUE(script->shown().isEmpty());
    EXPECT_EQ(console.last(), QStringLiteral("Settings 通知即將切換頁"));

    choose(page->TimeFormatPopUp, 1);
    page->onPageSwitch();
    ASSERT_EQ(script->shown().size(), 1);
    EXPECT_EQ(script->last().kind, Presentation::Kind::sheet);
    script->answerSheet(Alert::firstButton);
    EXPECT_TRUE(stored()->time_format);
    EXPECT_EQ(window.reports.last(), false);
}

TEST_F(SettingsPage, AFailedSaveShowsTheStoreFailureAlertAndKeepsTheChoicesUnsaved)
{
    ProfilePtr profile = showUser();
    // A reading without a date makes the store refuse the whole save.
    viewContext().insertReading(profile);
    choose(page->UnitPopUp, 1);
    script->answer(Alert::firstButton); // the store-failure alert
    saveAnswering(Alert::firstButton);
    EXPECT_FALSE(console.filter(QStringLiteral("Could not fetch. ")).isEmpty());
    ASSERT_EQ(script->shown().size(), 2);
    EXPECT_EQ(script->last().kind, Presentation::Kind::alert);
    EXPECT_TRUE(script->last().alert.message.startsWith(QStringLiteral("Your changes could not be saved.\n")));
    // The choice stays on screen, still unsaved; the profile keeps its stored values.
    EXPECT_EQ(shownIndexes(), (QList<int>{1, 0, 0, 0}));
    EXPECT_TRUE(page->hasUnsavedChanges());
    EXPECT_EQ(window.reports.last(), true);
    EXPECT_EQ(profile->height, 5.5f);
    ProfilePtr kept = stored();
    EXPECT_FALSE(kept->unit_type);
    EXPECT_EQ(kept->height, 5.5f);
}

TEST_F(SettingsPage, ADateFormatThatNamesNoRowShowsNoSelectionAndIsKeptBySaving)
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@x");
    profile->date_format = 7;
    ASSERT_TRUE(viewContext().save().ok());
    UserDefaultHelper::setEmail(QStringLiteral("ann@x"));
    page->willAppear();
    EXPECT_EQ(page->DateFormatPopUp->currentIndex(), -1);
    EXPECT_FALSE(page->hasUnsavedChanges());

    choose(page->TimeFormatPopUp, 1);
    saveAnswering(Alert::firstButton);
    EXPECT_EQ(stored()->date_format, 7);
    EXPECT_TRUE(stored()->time_format);

    // A date format chosen afterwards replaces it.
    choose(page->DateFormatPopUp, 2);
    EXPECT_TRUE(page->hasUnsavedChanges());
    saveAnswering(Alert::firstButton);
    EXPECT_EQ(stored()->date_format, 2);
}

TEST_F(SettingsPage, WithoutACurrentUserNothingIsSelectedAndYesStoresNothing)
{
    viewContext().insertProfile();
    ASSERT_TRUE(viewContext().save().ok());
    page->willAppear();
    EXPECT_EQ(shownIndexes(), (QList<int>{-1, -1, -1, -1}));
    choose(page->UnitPopUp, 1);
    saveAnswering(Alert::firstButton);
    closeViewContext();
    const QList<ProfilePtr> profiles = viewContext().fetchProfiles().value();
    ASSERT_EQ(profiles.size(), 1);
    EXPECT_FALSE(profiles.first()->unit_type);
}

TEST_F(SettingsPage, AnImportReloadsThePopUpsSoALaterYesKeepsTheImportedChoices)
{
    ProfilePtr profile = showUser();
    choose(page->TimeFormatPopUp, 1);

    Decode_Profile imported;
    imported.email = QStringLiteral("ann@x");
    imported.birthday = Timestamp{0.0};
    imported.unit_type = true;
    imported.date_format = 3;
    imported.height = 170.0f;
    imported.weight = 70.0f;
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("ann.bak"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(BackupDocument::write({imported}).value());
    file.close();

    script->answerPath(path);
    script->answer(Alert::firstButton);
    page->ImportData_Btn->click();
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup was imported."));
    EXPECT_EQ(shownIndexes(), (QList<int>{1, 3, 0, 0}));
    EXPECT_FALSE(page->hasUnsavedChanges());
    EXPECT_EQ(window.reports.last(), false);

    saveAnswering(Alert::firstButton);
    ProfilePtr kept = stored();
    EXPECT_TRUE(kept->unit_type);
    EXPECT_EQ(kept->date_format, 3);
    EXPECT_EQ(kept->height, 170.0f);
    EXPECT_EQ(kept->weight, 70.0f);
}
