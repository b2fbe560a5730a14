#include "Brisvale/shell/ProfileController.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/ReaderNotice.h"
#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/records/BodyMeasures.h"
#include "Brisvale/shell/CreateUserController.h"
#include "Brisvale/shell/UserListController.h"

#include "ShellTestSupport.h"
#include "support/DateTyping.h"
#include "support/GermanLocale.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Dates and numbers here are shown in Europe/Berlin and en_US, as the test program pins them.
namespace {

const QString ann = QStringLiteral("ann@x");

QString text(const char* key)
{
    return Localization::text(QLatin1String(key));
}

QString withEmail(const char* key, const QString& email)
{
    return Localization::text(QLatin1String(key), Localization::Placeholder::email, email);
}

}

class ProfilePage : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        page = std::make_unique<ProfileController>();
        page->setDelegate(&status);
    }
    void TearDown() override
    {
        page.reset();
        PageTest::TearDown();
    }

    QLineEdit* field(const char* name) const { return child<QLineEdit>(*page, name); }
    QString label(const char* name) const { return child<QLabel>(*page, name)->text(); }
    QPushButton* button(const char* name) const { return child<QPushButton>(*page, name); }
    QComboBox* genderPopUp() const { return child<QComboBox>(*page, "GenderPopUp"); }
    QDateTimeEdit* birthPicker() const { return child<QDateTimeEdit>(*page, "BirthDatePicker"); }

    // The buttons and the box the page shows, in a fixed order.
    QStringList shownParts() const
    {
        QStringList shown;
        for (const char* name : {"InfoBox", "AddUserBtn", "RestoreBtn", "UserListBtn", "DeleteBtn", "SaveBtn"}) {
            if (child<QWidget>(*page, name)->isVisibleTo(page.get())) {
                shown << QLatin1String(name);
            }
        }
        return shown;
    }

    // Stores the profile, makes it the current user and shows the page.
    ProfilePtr showCurrentUser(const TestProfile& wanted)
    {
        ProfilePtr profile = saveProfile(wanted);
        UserDefaultHelper::setEmail(wanted.email);
        page->willAppear();
        return profile;
    }

    // Presses save and answers the ask-save sheet.
    void saveAnswering(int response)
    {
        AlertScript script;
        script.answer(response);
        button("SaveBtn")->click();
        script.settle();
    }

    StatusRecorder status;
    std::unique_ptr<ProfileController> page;
};

// ---- display ---------------------------------------------------------------------------------

TEST_F(ProfilePage, ShowsCentimetresAndKilogramsRoundedAsPrintf)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 172.5f, 70.25f});
    EXPECT_EQ(field("EmailField")->text(), ann);
    EXPECT_EQ(field("NameField")->text(), "Ann");
    EXPECT_EQ(field("HeightField")->text(), "172");
    EXPECT_EQ(field("WeightField")->text(), "70.2");
    EXPECT_EQ(label("HeightUnitLab"), "cm");
    EXPECT_EQ(label("WeightUnitLab"), "kg");
    EXPECT_EQ(label("PageTitleLab"), text("ProfileController_PageTitle"));
    EXPECT_EQ(label("BirthLab"), text("ProfileController_Birth"));
    EXPECT_TRUE(lines.contains("Profile Appear ann@x"));
    EXPECT_FALSE(status.last());

    page->userDidSelect(saveProfile({QStringLiteral("bo@x"), QStringLiteral("Bo"), true, 172.6f, 70.0f}),
                        false);
    EXPECT_EQ(field("HeightField")->text(), "173");
    EXPECT_EQ(field("WeightField")->text(), "70.0");
    EXPECT_EQ(UserDefaultHelper::email(), "bo@x");
}

TEST_F(ProfilePage, ShowsFeetAsWholeFeetAndInchesAndPounds)
{
    showCurrentUser({ann, QStringLiteral("Ann"), false, 5.5f, 150.0f});
    EXPECT_EQ(field("HeightField")->text(), "5/6.0");
    EXPECT_EQ(field("WeightField")->text(), "150.0");
    EXPECT_EQ(label("HeightUnitLab"), "ft/in");
    EXPECT_EQ(label("WeightUnitLab"), "lb");
    EXPECT_TRUE(lines.contains("資料庫中的值 -> 5.5"));

    const std::pair<float, const char*> heights[] = {{5.9f, "5/10.8"}, {5.75f, "5/9.0"}, {6.0f, "6/0.0"}};
    for (const auto& [height, shown] : heights) {
        const QString email = QString::number(height) + QStringLiteral("@x");
        page->userDidSelect(saveProfile({email, QStringLiteral("N"), false, height, 0.0f}), false);
        EXPECT_EQ(field("HeightField")->text(), shown);
    }
}

TEST_F(ProfilePage, ShowsGenderAndBirthdayOrNowWithoutOne)
{
    const QDateTime birthday(QDate(1980, 2, 3), QTime(0, 0));
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f, true, birthday});
    EXPECT_EQ(genderPopUp()->currentIndex(), 1);
    EXPECT_EQ(genderPopUp()->itemText(0), text("OverviewController_User_Gender_Male"));
    EXPECT_EQ(birthPicker()->dateTime(), birthday);

    page->userDidSelect(saveProfile({QStringLiteral("bo@x"), QStringLiteral("Bo")}), false);
    EXPECT_EQ(genderPopUp()->currentIndex(), 0);
    EXPECT_EQ(birthPicker()->dateTime(), now());
}

// ---- saving ----------------------------------------------------------------------------------

TEST_F(ProfilePage, UnderAGermanLocaleHeightsAndWeightsShowAndTakeADecimalComma)
{
    const GermanLocale german;
    const struct {
        QString email;
        bool metric;
        float height, weight;
        QString heightShown, weightShown, heightTyped, weightTyped;
        float heightStored, weightStored;
        QString heightSaved, weightSaved;
    } cases[] = {
        {"ann@x", true, 172.5f, 70.25f, "172", "70,2", "181,5", "72,25", 181.5f, 72.25f, "182", "72,2"},
        {"bo@x", false, 5.5f, 150.0f, "5/6,0", "150,0", "5/9,0", "150.5", 5.75f, 150.5f, "5/9,0", "150,5"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.heightShown.toStdString());
        showCurrentUser({test.email, QStringLiteral("Ann"), test.metric, test.height, test.weight});
        EXPECT_EQ(field("HeightField")->text(), test.heightShown);
        EXPECT_EQ(field("WeightField")->text(), test.weightShown);
        field("HeightField")->setText(test.heightTyped);
        field("WeightField")->setText(test.weightTyped);
        saveAnswering(Alert::firstButton);
        EXPECT_EQ(field("HeightField")->text(), test.heightSaved);
        EXPECT_EQ(field("WeightField")->text(), test.weightSaved);
        const ProfilePtr stored = profileOnDisk(test.email);
        EXPECT_EQ(stored->height, test.heightStored);
        EXPECT_EQ(stored->weight, test.weightStored);
    }
}

TEST_F(ProfilePage, SavingFeetAndInchesStoresExactFeet)
{
    showCurrentUser({ann, QStringLiteral("Ann"), false, 6.0f, 150.0f});
    field("HeightField")->setText(QStringLiteral("5/6"));
    EXPECT_TRUE(status.last());

    AlertScript script;
    script.answer(Alert::firstButton);
    button("SaveBtn")->click();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::questionmark);
    EXPECT_EQ(script.last().alert.buttons, (QStringList{"Yes", "No"}));
    EXPECT_EQ(script.last().alert.message, withEmail("ProfileController_AlertMessage_AskSaveUser", ann));
    script.settle();

    EXPECT_EQ(profileOnDisk(ann)->height, 5.5f);
    EXPECT_EQ(profileOnDisk(ann)->weight, 150.0f);
    EXPECT_EQ(field("HeightField")->text(), "5/6.0");
    EXPECT_FALSE(status.last());
    EXPECT_TRUE(lines.contains("Yes"));
}

TEST_F(ProfilePage, SavingStoresNameGenderBirthdayAndDecimalNumbers)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    field("NameField")->setText(QStringLiteral("Ann Lee"));
    genderPopUp()->setCurrentIndex(1);
    const QDateTime birthday(QDate(1990, 7, 8), QTime(0, 0));
    birthPicker()->setDateTime(birthday);
    field("HeightField")->setText(QStringLiteral("181.5"));
    field("WeightField")->setText(QStringLiteral("72.25"));
    saveAnswering(Alert::firstButton);

    const ProfilePtr stored = profileOnDisk(ann);
    EXPECT_EQ(stored->name, "Ann Lee");
    EXPECT_TRUE(stored->gender);
    EXPECT_EQ(stored->birthday, Timestamp::fromDateTime(birthday));
    EXPECT_EQ(stored->height, 181.5f);
    EXPECT_EQ(stored->weight, 72.25f);
    // A save makes the profile current afresh: the filters reset.
    EXPECT_EQ(UserDefaultHelper::date(), "ALL");
    EXPECT_EQ(UserDefaultHelper::time(), "All day");
}

TEST_F(ProfilePage, AnUntouchedBirthdayKeepsItsStoredMomentToTheLastBit)
{
    const ProfilePtr profile = saveProfile({ann, QStringLiteral("Ann")});
    const Timestamp precise{-965264400.000123};
    profile->birthday = precise;
    ASSERT_TRUE(viewContext().save().ok());
    UserDefaultHelper::setEmail(ann);
    page->willAppear();
    field("NameField")->setText(QStringLiteral("Anne"));
    saveAnswering(Alert::firstButton);
    EXPECT_EQ(profileOnDisk(ann)->name, "Anne");
    EXPECT_EQ(profileOnDisk(ann)->birthday, precise);

    // Also a birthday before the first day the picker offers.
    const Timestamp early = Timestamp::fromDateTime(QDateTime(QDate(1700, 1, 1), QTime(0, 0)));
    const ProfilePtr stored = viewContext().fetchProfile(ann).value();
    stored->birthday = early;
    ASSERT_TRUE(viewContext().save().ok());
    page->willAppear();
    field("NameField")->setText(QStringLiteral("Ann"));
    saveAnswering(Alert::firstButton);
    EXPECT_EQ(profileOnDisk(ann)->name, "Ann");
    EXPECT_EQ(profileOnDisk(ann)->birthday, early);
}

TEST_F(ProfilePage, UnparsableHeightsAndWeightsKeepTheStoredValues)
{
    showCurrentUser({ann, QStringLiteral("Ann"), false, 6.0f, 150.0f});
    int round = 0;
    // Half-typed feet and inches, non-numbers, not-a-number, infinities and overflows.
    for (const char* typed : {"abc", "5/", "/6", "/", "5/x", "x/6", "nan", "inf", "-inf", "1e39",
                              "nan/6", "5/inf", "1e300/1"}) {
        const QString name = QStringLiteral("Ann %1").arg(++round);
        field("NameField")->setText(name);
        field("HeightField")->setText(QLatin1String(typed));
        field("WeightField")->setText(QLatin1String(typed));
        saveAnswering(Alert::firstButton);
        const ProfilePtr stored = profileOnDisk(ann);
        EXPECT_EQ(stored->name, name) << typed;
        EXPECT_EQ(stored->height, 6.0f) << typed;
        EXPECT_EQ(stored->weight, 150.0f) << typed;
        EXPECT_EQ(field("HeightField")->text(), "6/0.0") << typed;
    }
}

TEST_F(ProfilePage, HeightsAndWeightsBeyondAnyPersonAreRefusedWithAHint)
{
    struct Case {
        bool kgCm;
        const char* height;
        const char* weight;
        bool heightTaken;
        bool weightTaken;
    };
    const std::vector<Case> cases = {
        {true, "-170", "-70", false, false},   {true, "300", "650", true, true},
        {true, "300.1", "650.1", false, false}, {true, "0", "0", true, true},
        {true, "-0", "abc", false, false},      {false, "9/10", "1433", true, true},
        {false, "9/10.2", "1433.1", false, false}, {false, "49", "-5", false, false},
        {false, "6/-3", "150", false, true},    {false, "0/0", "0", true, true},
    };
    int round = 0;
    for (const Case& wanted : cases) {
        SCOPED_TRACE(std::string(wanted.height) + " " + wanted.weight);
        const QString email = QStringLiteral("user%1@x").arg(++round);
        // Stored values that show exactly, so that saving them again keeps them.
        const float storedHeight = wanted.kgCm ? 170.0f : 5.5f;
        showCurrentUser({email, QStringLiteral("Ann"), wanted.kgCm, storedHeight, 60.0f});
        field("HeightField")->setText(QLatin1String(wanted.height));
        field("WeightField")->setText(QLatin1String(wanted.weight));
        // The hints tell as soon as the value is typed, and again after the save kept the stored one.
        const QString heightHint = text(wanted.kgCm ? "ProfileController_HeightHint_KgCm" : "ProfileController_HeightHint_FtIn");
        const QString weightHint = text(wanted.kgCm ? "ProfileController_WeightHint_KgCm" : "ProfileController_WeightHint_FtIn");
        for (int pass = 0; pass < 2; ++pass) {
            // A height in feet that is taken shows how feet and inches are written.
            const QString format = wanted.kgCm ? QString() : text("ProfileController_HeightFormat_FtIn");
            EXPECT_EQ(label("HeightHintLab"), wanted.heightTaken ? format : heightHint) << pass;
            EXPECT_EQ(label("WeightHintLab"), wanted.weightTaken ? QString() : weightHint) << pass;
            saveAnswering(Alert::firstButton);
        }
        const ProfilePtr stored = profileOnDisk(email);
        const float typedHeight = *BodyMeasures::parseHeight(QLatin1String(wanted.height),
                                                             wanted.kgCm ? UnitType_DB::Defaults::KgCm : UnitType_DB::Defaults::FtIn);
        EXPECT_EQ(stored->height, wanted.heightTaken ? typedHeight : storedHeight);
        EXPECT_EQ(stored->weight, wanted.weightTaken ? QString::fromLatin1(wanted.weight).toFloat() : 60.0f);
    }
}

TEST_F(ProfilePage, FailedSavesShowTheStoreFailureAlertAndKeepWhatWasTyped)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    rawQuery(QStringLiteral("CREATE TRIGGER refuseUpdate BEFORE UPDATE ON Profile "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    rawQuery(QStringLiteral("CREATE TRIGGER refuseDelete BEFORE DELETE ON Profile "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    const QString failed = text("AppDelegate_AlertMessage_SaveFailed") + QStringLiteral("\n");
    field("NameField")->setText(QStringLiteral("Anne"));
    field("HeightField")->setText(QStringLiteral("171"));
    AlertScript script;
    script.answer(Alert::firstButton); // save the edits
    script.answer(Alert::firstButton); // the store-failure alert
    button("SaveBtn")->click();
    script.settle();
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_TRUE(script.last().alert.message.startsWith(failed));
    EXPECT_EQ(field("NameField")->text(), QStringLiteral("Anne"));
    EXPECT_EQ(field("HeightField")->text(), QStringLiteral("171"));
    EXPECT_TRUE(status.last());
    EXPECT_EQ(profileOnDisk(ann)->name, QStringLiteral("Ann"));

    script.answer(Alert::firstButton); // delete
    script.answer(Alert::firstButton); // the store-failure alert
    button("DeleteBtn")->click();
    script.settle();
    ASSERT_EQ(script.shown().size(), 4);
    EXPECT_TRUE(script.last().alert.message.startsWith(failed));
    EXPECT_EQ(profileCount(), 1);
    EXPECT_EQ(UserDefaultHelper::email(), ann);
    EXPECT_EQ(field("EmailField")->text(), ann);
}

TEST_F(ProfilePage, UnparsableCentimetresKeepTheStoredHeight)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 180.0f, 80.0f});
    for (const char* typed : {"abc", "nan", "inf", "1e39", " 170", "170cm", "5/6"}) {
        field("HeightField")->setText(QLatin1String(typed));
        field("WeightField")->setText(QStringLiteral("81"));
        saveAnswering(Alert::firstButton);
        EXPECT_EQ(profileOnDisk(ann)->height, 180.0f) << typed;
        EXPECT_EQ(profileOnDisk(ann)->weight, 81.0f) << typed;
    }
    field("HeightField")->setText(QStringLiteral("6"));
    saveAnswering(Alert::firstButton);
    EXPECT_EQ(profileOnDisk(ann)->height, 6.0f);
}

TEST_F(ProfilePage, AnEmptyNameIsRefusedWithAWarning)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    field("NameField")->clear();
    EXPECT_TRUE(status.last());
    AlertScript script;
    script.answer(Alert::firstButton);
    button("SaveBtn")->click();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmarkTriangle);
    EXPECT_EQ(script.last().alert.buttons, QStringList{"OK"});
    EXPECT_EQ(script.last().alert.message, text("ProfileController_AlertMessage_EmptyField"));
    EXPECT_EQ(AlertPresenter::shared().sheetCount(page.get()), 0);
    EXPECT_EQ(profileOnDisk(ann)->name, "Ann");
}

TEST_F(ProfilePage, NoPutsTheStoredValuesBackAndRenewsTheFilters)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    field("NameField")->setText(QStringLiteral("Zed"));
    field("HeightField")->setText(QStringLiteral("190"));
    genderPopUp()->setCurrentIndex(1);
    saveAnswering(Alert::secondButton);

    EXPECT_TRUE(lines.contains("No"));
    EXPECT_EQ(field("NameField")->text(), "Ann");
    EXPECT_EQ(field("HeightField")->text(), "170");
    EXPECT_EQ(genderPopUp()->currentIndex(), 0);
    EXPECT_FALSE(status.last());
    EXPECT_EQ(profileOnDisk(ann)->name, "Ann");
    EXPECT_EQ(UserDefaultHelper::date(), "ALL");
}

TEST_F(ProfilePage, NoOnAProfileWithoutANameLeavesTheTypedValues)
{
    page->willAppear();
    page->userDidSelect(saveProfile({ann}), true);
    field("NameField")->setText(QStringLiteral("Bob"));
    saveAnswering(Alert::secondButton);
    EXPECT_EQ(field("NameField")->text(), "Bob");
    EXPECT_EQ(profileOnDisk(ann)->name, std::nullopt);
}

// ---- deleting --------------------------------------------------------------------------------

TEST_F(ProfilePage, DeletingTheLastProfileLeavesOnlyTheAddButton)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    AlertScript script;
    script.answer(Alert::firstButton);
    button("DeleteBtn")->click();
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmark);
    EXPECT_EQ(script.last().alert.buttons, (QStringList{"Yes", "No"}));
    EXPECT_EQ(script.last().alert.message, withEmail("ProfileController_AlertMessage_AskDeleteUser", ann));
    status.statuses.clear();
    script.settle();

    EXPECT_EQ(profileCount(), 0);
    EXPECT_EQ(UserDefaultHelper::email(), std::nullopt);
    EXPECT_EQ(shownParts(), (QStringList{"AddUserBtn", "RestoreBtn"}));
    EXPECT_EQ(status.statuses, QList<bool>{true});
}

TEST_F(ProfilePage, DeletingOneOfSeveralShowsTheFirstThatRemains)
{
    saveProfile({QStringLiteral("a@x"), QStringLiteral("A"), true, 160.0f, 50.0f});
    saveProfile({QStringLiteral("b@x"), QStringLiteral("B"), true, 170.0f, 60.0f});
    showCurrentUser({QStringLiteral("c@x"), QStringLiteral("C"), true, 180.0f, 70.0f});
    UserDefaultHelper::setTime(QStringLiteral("00:00-11:59"));
    AlertScript script;
    script.answer(Alert::firstButton);
    button("DeleteBtn")->click();
    script.settle();

    EXPECT_EQ(profileCount(), 2);
    EXPECT_EQ(profileOnDisk(QStringLiteral("c@x")), nullptr);
    EXPECT_EQ(field("EmailField")->text(), "a@x");
    EXPECT_EQ(field("HeightField")->text(), "160");
    EXPECT_EQ(UserDefaultHelper::email(), "a@x");
    EXPECT_EQ(UserDefaultHelper::time(), "All day");
    EXPECT_EQ(shownParts(), (QStringList{"InfoBox", "AddUserBtn", "UserListBtn", "DeleteBtn", "SaveBtn"}));
    EXPECT_FALSE(status.last());
}

TEST_F(ProfilePage, NoKeepsTheProfile)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    AlertScript script;
    script.answer(Alert::secondButton);
    button("DeleteBtn")->click();
    script.settle();
    EXPECT_EQ(profileCount(), 1);
    EXPECT_EQ(UserDefaultHelper::email(), ann);
}

// ---- leaving the page ------------------------------------------------------------------------

TEST_F(ProfilePage, LeavingWithoutAUserWarnsThatANamedProfileIsNeeded)
{
    page->willAppear();
    AlertScript script;
    script.answer(Alert::firstButton);
    page->onPageSwitch();
    EXPECT_TRUE(lines.contains("Profile 通知即將切換頁"));
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmarkTriangle);
    EXPECT_EQ(script.last().alert.buttons, QStringList{"OK"});
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_SystemNotUser"));
}

TEST_F(ProfilePage, LeavingANewProfileWithATypedButUnsavedNameWarnsInsteadOfAsking)
{
    page->willAppear();
    page->userDidSelect(saveProfile({ann}), true);
    field("NameField")->setText(QStringLiteral("Bob"));
    AlertScript script;
    script.answer(Alert::firstButton);
    page->onPageSwitch();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_SystemNotUser"));
}

TEST_F(ProfilePage, LeavingWithEditsAsksToSaveThemAndWithoutEditsSaysNothing)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    {
        AlertScript script;
        page->onPageSwitch();
        EXPECT_TRUE(script.shown().isEmpty());
    }
    field("WeightField")->setText(QStringLiteral("61"));
    AlertScript script;
    script.answer(Alert::firstButton);
    page->onPageSwitch();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(script.last().alert.message, withEmail("ProfileController_AlertMessage_AskSaveUser", ann));
    script.settle();
    EXPECT_EQ(profileOnDisk(ann)->weight, 61.0f);
    EXPECT_FALSE(status.last());
}

// New Profile and Switch Profile ask about unsaved edits as leaving the page does, and open
// nothing: after the answer the user is still on the page and presses again.
TEST_F(ProfilePage, NewOrSwitchProfileAsksAboutUnsavedEditsFirstAndOpensNothing)
{
    const struct {
        const char* email;
        const char* button;
        std::optional<int> response; // none: the question is still open
        const char* nameAfter;
        const char* storedName;
    } cases[] = {
        {"a@x", "AddUserBtn", std::nullopt, "Annie", "Ann"},
        {"b@x", "AddUserBtn", Alert::firstButton, "Annie", "Annie"},
        {"c@x", "UserListBtn", Alert::secondButton, "Ann", "Ann"},
        {"d@x", "UserListBtn", std::nullopt, "Annie", "Ann"},
    };
    for (const auto& wanted : cases) {
        SCOPED_TRACE(wanted.email);
        const QString email = QLatin1String(wanted.email);
        showCurrentUser({email, QStringLiteral("Ann"), true, 170.0f, 60.0f});
        field("NameField")->setText(QStringLiteral("Annie"));
        AlertScript script;
        button(wanted.button)->click();
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
        EXPECT_EQ(script.last().alert.message, withEmail("ProfileController_AlertMessage_AskSaveUser", email));
        EXPECT_EQ(script.last().alert.buttons, (QStringList{"Yes", "No"}));
        EXPECT_EQ(script.last().alert.safeButton, Alert::firstButton);
        if (wanted.response) {
            script.answerSheet(*wanted.response);
        }
        deleteClosedWindows();
        EXPECT_EQ(page->findChild<CreateUserController*>(), nullptr);
        EXPECT_EQ(page->findChild<UserListController*>(), nullptr);
        EXPECT_EQ(field("NameField")->text(), wanted.nameAfter);
        EXPECT_EQ(profileOnDisk(email)->name, wanted.storedName);
        EXPECT_EQ(status.last(), !wanted.response);
        if (!wanted.response) {
            script.answerSheet(Alert::secondButton);
        }
    }
}

// ---- visibility and change tracking ----------------------------------------------------------

TEST_F(ProfilePage, ButtonsFollowTheUserAndItsName)
{
    page->willAppear();
    EXPECT_EQ(shownParts(), (QStringList{"AddUserBtn", "RestoreBtn"}));
    EXPECT_EQ(status.statuses, QList<bool>{true});

    // A new profile without a name: it must be named and saved before anything else.
    page->userDidSelect(saveProfile({ann}), true);
    EXPECT_EQ(shownParts(), (QStringList{"InfoBox", "DeleteBtn", "SaveBtn"}));
    EXPECT_TRUE(status.last());

    field("NameField")->setText(QStringLiteral("Ann"));
    saveAnswering(Alert::firstButton);
    EXPECT_EQ(shownParts(), (QStringList{"InfoBox", "AddUserBtn", "UserListBtn", "DeleteBtn", "SaveBtn"}));
    EXPECT_FALSE(status.last());
}

TEST_F(ProfilePage, EachFieldCountsAsChangedOnlyWhileItDiffersFromTheLoadedValue)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f, false,
                     QDateTime(QDate(1980, 1, 1), QTime(0, 0))});
    EXPECT_FALSE(status.last());
    field("NameField")->setText(QStringLiteral("Anna"));
    EXPECT_TRUE(status.last());
    field("NameField")->setText(QStringLiteral("Ann"));
    EXPECT_FALSE(status.last());

    genderPopUp()->setCurrentIndex(1);
    EXPECT_TRUE(status.last());
    genderPopUp()->setCurrentIndex(0);
    EXPECT_FALSE(status.last());

    birthPicker()->setDateTime(QDateTime(QDate(1980, 1, 2), QTime(0, 0)));
    EXPECT_TRUE(status.last());
    birthPicker()->setDateTime(QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
    EXPECT_FALSE(status.last());

    field("HeightField")->setText(QStringLiteral("170.0"));
    EXPECT_TRUE(status.last());
}

TEST_F(ProfilePage, ARefreshShowsTheCurrentUserAgain)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    field("NameField")->setText(QStringLiteral("Zed"));
    page->onDataRefresh(true, ann);
    EXPECT_TRUE(lines.contains("Profile 通知即時更新"));
    EXPECT_EQ(field("NameField")->text(), "Ann");
    EXPECT_FALSE(status.last());
    page->willDisappear();
    EXPECT_EQ(lines.last(), "Profile View will disappear");
}

// ---- mended faults ---------------------------------------------------------------------------

TEST_F(ProfilePage, AStoredEmailNamingNoProfileShowsNoUser)
{
    saveProfile({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    UserDefaultHelper::setEmail(QStringLiteral("gone@x"));
    page->willAppear();
    EXPECT_EQ(shownParts(), (QStringList{"AddUserBtn", "RestoreBtn"}));
    EXPECT_EQ(status.statuses, QList<bool>{true});
    EXPECT_EQ(UserDefaultHelper::email(), std::nullopt);
    EXPECT_EQ(field("EmailField")->text(), "");
}

TEST_F(ProfilePage, TheEmailCannotBeEditedSoASaveNeverReachesAnotherProfile)
{
    saveProfile({QStringLiteral("bo@x"), QStringLiteral("Bo"), true, 190.0f, 90.0f});
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    QLineEdit* email = field("EmailField");
    EXPECT_TRUE(email->isReadOnly());
    email->selectAll();
    QTest::keyClicks(email, QStringLiteral("bo@x"));
    EXPECT_EQ(email->text(), ann);

    field("NameField")->setText(QStringLiteral("Ann Lee"));
    saveAnswering(Alert::firstButton);
    EXPECT_EQ(profileOnDisk(ann)->name, "Ann Lee");
    EXPECT_EQ(profileOnDisk(QStringLiteral("bo@x"))->name, "Bo");
}

// ---- date limits and sheets ------------------------------------------------------------------

TEST_F(ProfilePage, TheFirstProfileOfAnAppearanceKeepsTheStoredDateWindow)
{
    const QDateTime from(QDate(2020, 1, 1), QTime(0, 0));
    const QDateTime to(QDate(2020, 12, 31), QTime(0, 0));
    UserDefaultHelper::setFrom(from);
    UserDefaultHelper::setTo(to);
    page->willAppear();
    page->userDidSelect(saveProfile({ann}), true);
    EXPECT_EQ(UserDefaultHelper::from(), from);
    EXPECT_EQ(UserDefaultHelper::to(), to);
    EXPECT_EQ(UserDefaultHelper::email(), ann);

    // Later loads start the window afresh from the profile's readings (none: now).
    page->userDidSelect(saveProfile({QStringLiteral("bo@x")}), true);
    ASSERT_TRUE(UserDefaultHelper::from().has_value());
    EXPECT_GE(*UserDefaultHelper::from(), now());
    EXPECT_EQ(UserDefaultHelper::email(), "bo@x");
}

TEST_F(ProfilePage, TheButtonsOpenTheSheetsWithThePageAsTheirDelegate)
{
    page->willAppear();
    button("AddUserBtn")->click();
    auto* create = page->findChild<CreateUserController*>();
    ASSERT_NE(create, nullptr);
    EXPECT_TRUE(create->isVisible());
    EXPECT_TRUE(create->isModal());
    child<QLineEdit>(*create, "EmailField")->setText(ann);
    child<QPushButton>(*create, "CreateBtn")->click();
    deleteClosedWindows();
    EXPECT_EQ(page->findChild<CreateUserController*>(), nullptr);
    EXPECT_EQ(field("EmailField")->text(), ann);
    EXPECT_EQ(shownParts(), (QStringList{"InfoBox", "DeleteBtn", "SaveBtn"}));

    field("NameField")->setText(QStringLiteral("Ann"));
    saveAnswering(Alert::firstButton);
    saveProfile({QStringLiteral("bo@x"), QStringLiteral("Bo"), true, 190.0f, 90.0f});
    button("UserListBtn")->click();
    auto* list = page->findChild<UserListController*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->users().size(), 2);
    list->shouldSelectRow(1);
    child<QPushButton>(*list, "ChangeUserBtn")->click();
    deleteClosedWindows();
    EXPECT_EQ(page->findChild<UserListController*>(), nullptr);
    EXPECT_EQ(field("EmailField")->text(), "bo@x");
    EXPECT_EQ(UserDefaultHelper::email(), "bo@x");
}

// ---- restore on first start ------------------------------------------------------------------

namespace {

Decode_Profile backupProfile(const QString& email, const QList<QDateTime>& readingDates)
{
    Decode_Profile record;
    record.birthday = Timestamp::fromDateTime(QDateTime(QDate(1980, 2, 3), QTime(0, 0)));
    record.email = email;
    record.name = QStringLiteral("Named");
    record.unit_type = true;
    for (const QDateTime& date : readingDates) {
        record.pfmInfo.append(Decode_PFM{3.1f, Timestamp::fromDateTime(date), std::nullopt, 420});
    }
    return record;
}

}

// Without a user the page runs the settings page's import; the file's first profile becomes the
// current user with its readings' date window, and the page can be left as after a save.
TEST_F(ProfilePage, ARestoredBackupsFirstProfileBecomesTheCurrentUser)
{
    const QDateTime first(QDate(2024, 4, 1), QTime(7, 30));
    const QDateTime last(QDate(2024, 4, 9), QTime(20, 0));
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("restore.bak"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*BackupDocument::write({backupProfile(QStringLiteral("cy@x"), {last, first}),
                                       backupProfile(ann, {now()})}));
    file.close();
    page->willAppear();
    AlertScript script;
    script.answerPath(path);
    script.answer(Alert::firstButton);
    button("RestoreBtn")->click();

    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.last().alert.message, text("SettingsController_AlertMessage_ImportSuccess"));
    EXPECT_EQ(profileCount(), 2);
    EXPECT_EQ(field("EmailField")->text(), "cy@x");
    EXPECT_EQ(UserDefaultHelper::email(), "cy@x");
    EXPECT_EQ(UserDefaultHelper::limitFrom(), first);
    EXPECT_EQ(UserDefaultHelper::to(), last);
    EXPECT_EQ(shownParts(), (QStringList{"InfoBox", "AddUserBtn", "UserListBtn", "DeleteBtn", "SaveBtn"}));
    EXPECT_FALSE(status.last());
}

// A refused or empty file, or a cancelled panel, leaves the page without a user and the store empty.
TEST_F(ProfilePage, ARefusedRestoreChangesNothing)
{
    Decode_Profile noBirthday = backupProfile(ann, {});
    noBirthday.birthday.reset();
    const struct {
        const char* name;
        std::optional<QByteArray> content; // none: the panel is cancelled
        const char* outcome;
    } cases[] = {
        {"not JSON", QByteArray("[{"), "SettingsController_AlertMessage_ImportFailed"},
        {"a profile without a birthday", BackupDocument::write({noBirthday}), "SettingsController_AlertMessage_ImportFailed"},
        {"no profile", QByteArray("[]"), "SettingsController_AlertMessage_ImportSuccess"},
        {"cancelled", std::nullopt, nullptr},
    };
    QTemporaryDir files;
    page->willAppear();
    for (const auto& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        AlertScript script;
        if (wanted.content) {
            const QString path = files.filePath(QLatin1String(wanted.name) + QStringLiteral(".bak"));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*wanted.content);
            file.close();
            script.answerPath(path);
            script.answer(Alert::firstButton);
        } else {
            script.answerCancel();
        }
        button("RestoreBtn")->click();
        EXPECT_EQ(script.last().alert.message, wanted.outcome ? text(wanted.outcome) : QString());
        EXPECT_EQ(profileCount(), 0);
        EXPECT_EQ(UserDefaultHelper::email(), std::nullopt);
        EXPECT_EQ(shownParts(), (QStringList{"AddUserBtn", "RestoreBtn"}));
        EXPECT_TRUE(status.last());
    }
}

// The page a new profile comes back to from the create-user sheet: its name is asked for first.
TEST_F(ProfilePage, ANewProfileComesBackWithTheFocusOnItsName)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    button("AddUserBtn")->setFocus();
    const ProfilePtr fresh = saveProfile(TestProfile(QStringLiteral("bo@x")));
    page->userDidSelect(fresh, true);
    EXPECT_EQ(QApplication::focusWidget(), field("NameField"));
}

// The birth date is picked like the Overview's dates: its calendar opens from the keyboard.
TEST_F(ProfilePage, TheBirthDateCalendarOpensFromTheKeyboard)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f});
    page->show();
    QTest::keyClick(birthPicker(), Qt::Key_F4);
    QWidget* popup = birthPicker()->calendarWidget()->window();
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
}

// A birth date typed as the field shows it is that date, with or without the separators, wherever
// the caret is when the typing begins. The field moved on by itself from a full section, and the
// typed "/" moved once more: 1985/03/14 gave 1985/03/03; after a click the digits went nowhere.
// Typed over 1985/03/14 after a click on the month, 1990/11/02 gave 1985/10/02, and after a click
// on the day or right of the text 1985/03/02. Digits that the section clicked takes stay that
// section's. The age feeds the predicted PEF.
TEST_F(ProfilePage, ABirthDateTypedAsItIsShownIsThatDate)
{
    showCurrentUser({ann, QStringLiteral("Ann"), true, 170.0f, 60.0f, false,
                     QDateTime(QDate(1970, 6, 1), QTime(0, 0))});
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    const struct {
        const char* name;
        DateEntry entry;
        const char* typed;
        QDate date;
    } cases[] = {
        {"with separators, after Tab", DateEntry::tab, "1985/03/14", QDate(1985, 3, 14)},
        {"without separators", DateEntry::tab, "19850314", QDate(1985, 3, 14)},
        {"with the year selected", DateEntry::firstSectionSelected, "1985/03/14", QDate(1985, 3, 14)},
        {"after a click into the field", DateEntry::click, "1985/03/14", QDate(1985, 3, 14)},
        {"a one-digit month that takes no more, then a separator", DateEntry::tab, "1985/3/14", QDate(1985, 3, 14)},
        {"a one-digit month that could take more, then a separator", DateEntry::tab, "1985/1/4", QDate(1985, 1, 4)},
        {"a one-digit day last", DateEntry::tab, "1985/11/1", QDate(1985, 11, 1)},
        {"by way of a date after today", DateEntry::tab, "2024/05/09", QDate(2024, 5, 9)},
        {"after today: not taken", DateEntry::tab, "2024/06/01", QDate(1970, 6, 1)},
        {"after a click on the year", DateEntry::clickFirstSection, "1990/11/02", QDate(1990, 11, 2)},
        {"after a click on the month", DateEntry::clickSecondSection, "1990/11/02", QDate(1990, 11, 2)},
        {"after a click on the day", DateEntry::clickThirdSection, "1990/11/02", QDate(1990, 11, 2)},
        {"after a click right of the text", DateEntry::clickRightOfText, "1990/11/02", QDate(1990, 11, 2)},
        {"after End", DateEntry::end, "1990/11/02", QDate(1990, 11, 2)},
        {"without separators, after a click on the month", DateEntry::clickSecondSection, "19901102",
         QDate(1990, 11, 2)},
        {"a month and a day after a click on the month", DateEntry::clickSecondSection, "11/02", QDate(1970, 11, 2)},
        {"a day after a click on the day", DateEntry::clickThirdSection, "02", QDate(1970, 6, 2)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        birthPicker()->setDate(QDate(1970, 6, 1));
        typeDate(*birthPicker(), *genderPopUp(), test.entry, QLatin1String(test.typed));
        field("HeightField")->setFocus();
        EXPECT_EQ(birthPicker()->date(), test.date);
        EXPECT_EQ(birthPicker()->maximumDateTime(), now()) << "the bounds are the page's again";
    }
}

// After a switch the focus comes back to the Switch Profile button, which names the profile now
// current for a reader; nothing said which profile was chosen before.
TEST_F(ProfilePage, TheSwitchProfileButtonNamesTheCurrentProfileForAReader)
{
    showCurrentUser({ann, QStringLiteral("Ann")});
    const struct {
        TestProfile profile;
        const char* spoken;
    } cases[] = {
        {{QStringLiteral("bo@x"), QStringLiteral("Bo")}, "Current profile: Bo, bo@x"},
        {{QStringLiteral("cy@x"), QStringLiteral("")}, "Current profile: cy@x"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.spoken);
        page->userDidSelect(saveProfile(test.profile), true);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button("UserListBtn"))->text(QAccessible::Description),
                  QLatin1String(test.spoken));
    }
}

// A reader hears a height or a weight in full and with its unit in the field's description (the
// unit's label beside the field went unheard).
TEST_F(ProfilePage, AReaderHearsAHeightOrWeightInFullWithItsUnit)
{
    const struct {
        TestProfile profile;
        const char* height;
        const char* weight;
    } cases[] = {
        {{ann, QStringLiteral("Ann"), true, 172.6f, 70.0f}, "173 cm", "70.0 kg"},
        {{QStringLiteral("bo@x"), QStringLiteral("Bo"), false, 5.75f, 150.0f}, "5/9.0 ft/in", "150.0 lb"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.height);
        showCurrentUser(test.profile);
        EXPECT_EQ(field("HeightField")->accessibleDescription(), QLatin1String(test.height));
        EXPECT_EQ(field("WeightField")->accessibleDescription(), QLatin1String(test.weight));
    }
    field("WeightField")->setText(QStringLiteral("151.5"));
    EXPECT_EQ(field("WeightField")->accessibleDescription(), QStringLiteral("151.5 lb"));
}

// A name holds 100 typed characters; at 100 the note under the field says so, and a reader hears
// it too. A longer name from a backup is shown, and saved again, whole.
TEST_F(ProfilePage, ANameHoldsAHundredTypedCharactersAndSaysSoAtTheLimit)
{
    const struct {
        const char* name;
        QString stored;
        QString typed; // null: nothing typed
        qsizetype kept;
        bool noted;
    } cases[] = {
        {"99 typed", QStringLiteral("Ann"), QString(99, QLatin1Char('n')), 99, false},
        {"100 typed", QStringLiteral("Ann"), QString(100, QLatin1Char('n')), 100, true},
        {"101 typed", QStringLiteral("Ann"), QString(101, QLatin1Char('n')), 100, true},
        {"150 from a backup", QString(150, QLatin1Char('b')), QString(), 150, true},
    };
    const QString note = Localization::text(QStringLiteral("ProfileController_NameLimit"),
                                            Localization::Placeholder::count, QStringLiteral("100"));
    int round = 0;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QString email = QStringLiteral("user%1@x").arg(++round);
        showCurrentUser({email, test.stored});
        QLineEdit& name = *field("NameField");
        if (!test.typed.isNull()) {
            name.selectAll();
            name.insert(test.typed);
        }
        const QString expected = (test.typed.isNull() ? test.stored : test.typed).left(test.kept);
        EXPECT_EQ(name.text(), expected);
        EXPECT_EQ(name.maxLength(), std::max<qsizetype>(100, test.stored.size()));
        EXPECT_EQ(child<QLabel>(*page, "NameNoteLab")->isVisibleTo(page.get()), test.noted);
        EXPECT_EQ(label("NameNoteLab"), test.noted ? note : QString());
        EXPECT_EQ(name.accessibleDescription(), test.noted ? note : QString());
        const ReaderNotice* notice = page->findChild<ReaderNotice*>();
        EXPECT_EQ(notice ? notice->accessibleName() : QString(), test.noted && !test.typed.isNull() ? note : QString());
        field("WeightField")->setText(QStringLiteral("61.0"));
        saveAnswering(Alert::firstButton);
        EXPECT_EQ(profileOnDisk(email)->name, expected);
        delete notice;
    }
}

// A name of 150 characters from a backup is kept, and may be shortened, but typing never leaves a
// name longer than 100 characters, whatever the field showed before; what is saved is what it shows.
TEST_F(ProfilePage, TypingNeverMakesANameLongerThanAHundredAfterALongerOneIsShown)
{
    const QString kept(150, QLatin1Char('b'));
    const QString typed(150, QLatin1Char('n'));
    // Letters selected (from, count) and typed over.
    const struct {
        const char* name;
        int from;
        int count;
        QString keys;
        QString shown;
    } cases[] = {
        {"a letter typed after it", 150, 0, QStringLiteral("x"), kept},
        {"150 letters typed over it", 0, 150, typed, typed.left(100)},
        {"60 letters taken off", 90, 60, QString(), kept.left(90)},
        {"then 20 typed", 90, 60, typed.left(20), kept.left(90) + typed.left(10)},
    };
    int round = 0;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QString email = QStringLiteral("user%1@x").arg(++round);
        showCurrentUser({email, kept});
        QLineEdit& name = *field("NameField");
        name.setSelection(test.from, test.count);
        QTest::keyClick(&name, Qt::Key_Delete);
        QTest::keyClicks(&name, test.keys);
        EXPECT_EQ(name.text(), test.shown);
        field("WeightField")->setText(QStringLiteral("61.0"));
        saveAnswering(Alert::firstButton);
        EXPECT_EQ(profileOnDisk(email)->name, test.shown);
    }
}
