#include "Brisvale/shell/ViewController.h"

#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/CusContainView.h"
#include "Brisvale/shell/HelpManual.h"
#include "Brisvale/shell/ManualWindow.h"
#include "Brisvale/shell/ProfileController.h"
#include "Brisvale/shell/RegionController.h"
#include "Brisvale/shell/SettingsController.h"

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Each case is a new installation; console lines are captured, the clock is the system's.
class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        AppClock::reset();
        Console::setCapture([this](const QString& line) { lines.append(line); });
    }
    void TearDown() override
    {
        Console::setCapture({});
        closeViewContext();
        AppClock::reset();
    }

    static std::unique_ptr<ViewController> start() { return std::make_unique<ViewController>(nullptr); }

    // A store file, as an earlier run leaves it.
    static void createStoreFile()
    {
        viewContext();
        closeViewContext();
    }

    // A stored profile with readings at the given local times; no application state is written.
    static ProfilePtr storeProfile(const QString& email, const QString& name,
                                   std::initializer_list<QDateTime> readingDates = {})
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = email;
        profile->name = name;
        for (const QDateTime& date : readingDates) {
            PFMPtr reading = context.insertReading(profile);
            reading->pefValue = 400;
            reading->measureDate = Timestamp::fromDateTime(date);
        }
        EXPECT_TRUE(context.save().ok());
        return profile;
    }

    // The region and a named current user with one reading: the window opens on the overview.
    static void storeUsableUser()
    {
        storeProfile(QStringLiteral("ann@example.com"), QStringLiteral("Ann"),
                     {QDateTime(QDate(2026, 12, 1), QTime(8, 0))});
        UserDefaultHelper::setRegion(QStringLiteral("Other"));
        UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
    }

    static bool onlyObserverIs(RenewProcess& hub, const QWidget* page)
    {
        return hub.observers().size() == 1 && hub.observers().front().identity == page;
    }

    QStringList lines;
};

}

TEST_F(MainWindow, FirstRunOpensTheRegionPageWithMenuSyncAndHelpHidden)
{
    const auto window = start();
    EXPECT_EQ(window->currentPage(), ViewController::REGION_TABTAG);
    EXPECT_EQ(window->containView->subview(), window->regionPage());
    EXPECT_TRUE(window->menuBox->isHidden());
    EXPECT_TRUE(window->synceBtn->isHidden());
    EXPECT_TRUE(window->HelpBtn->isHidden());
    // The region page is never an observer of the window's hub.
    EXPECT_TRUE(window->condition().observers().empty());
    EXPECT_EQ(window->menuImage(ViewController::SETTINGS_TABTAG), QStringLiteral("main menu_01_4_1"));
    // The store is opened at once: its file is there for the next start.
    EXPECT_TRUE(StoreFile::exists());
    EXPECT_EQ(lines.mid(0, 3),
              (QStringList{QStringLiteral("DB Path -> ") + StoreFile::folderPath(),
                           QStringLiteral("資料庫檔案位置-> ") + StoreFile::filePath()
                               + QStringLiteral("\n檢查狀態：false"),
                           QStringLiteral("File isn't exist")}));
}

TEST_F(MainWindow, ChoosingARegionGoesToTheProfilePageWithTheMenuShown)
{
    const auto window = start();
    window->regionDidSelect(false, QStringLiteral("USA"));
    EXPECT_EQ(window->currentPage(), ViewController::REGION_TABTAG);
    EXPECT_FALSE(UserDefaultHelper::region());

    window->regionPage()->regionPopUp->setCurrentIndex(1);
    window->regionPage()->confirm();
    EXPECT_EQ(UserDefaultHelper::region(), QStringLiteral("USA"));
    EXPECT_TRUE(lines.contains(QStringLiteral("current regoin -> Optional(\"USA\")")));
    EXPECT_EQ(window->currentPage(), ViewController::PROFILE_TABTAG);
    EXPECT_EQ(window->containView->subview(), window->profilePage());
    EXPECT_FALSE(window->menuBox->isHidden());
    EXPECT_FALSE(window->synceBtn->isHidden());
    EXPECT_FALSE(window->HelpBtn->isHidden());
    EXPECT_TRUE(onlyObserverIs(window->condition(), window->profilePage()));
    EXPECT_EQ(window->menuImage(ViewController::PROFILE_TABTAG), QStringLiteral("main menu_01_3_1"));
    EXPECT_EQ(window->menuImage(ViewController::SETTINGS_TABTAG), QStringLiteral("main menu_01_4"));
    // No user yet: the profile page keeps the user.
    EXPECT_TRUE(window->currentlyStatus());
    EXPECT_TRUE(window->pagesHoldUnsavedChanges());
}

TEST_F(MainWindow, ADeletedStoreFileWipesEveryStateKeyBeforeTheStoreIsOpened)
{
    storeUsableUser();
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    UserDefaultHelper::setTime(QStringLiteral("00:00-11:59"));
    UserDefaultHelper::setFrom(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    UserDefaultHelper::setLimitTo(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    closeViewContext();
    ASSERT_TRUE(QFile::remove(StoreFile::filePath()));

    const auto window = start();
    EXPECT_TRUE(lines.contains(QStringLiteral("File isn't exist")));
    EXPECT_FALSE(UserDefaultHelper::region());
    EXPECT_FALSE(UserDefaultHelper::email());
    EXPECT_FALSE(UserDefaultHelper::from());
    EXPECT_FALSE(UserDefaultHelper::limitTo());
    // Both filters were gone, so the defaults are written afresh.
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("ALL"));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
    EXPECT_EQ(window->currentPage(), ViewController::REGION_TABTAG);
}

TEST_F(MainWindow, ARegionChosenBeforeAnyProfileSurvivesTheRestartUnlessTheStoreFileIsGone)
{
    start()->regionDidSelect(true, QStringLiteral("USA"));
    closeViewContext();

    // The user quit without a profile: the next start keeps the region and asks for a profile.
    {
        const auto window = start();
        EXPECT_TRUE(lines.contains(QStringLiteral("File is exist")));
        EXPECT_EQ(UserDefaultHelper::region(), QStringLiteral("USA"));
        EXPECT_EQ(window->currentPage(), ViewController::PROFILE_TABTAG);
    }
    closeViewContext();

    // A store file deleted between two runs still takes the state with it.
    ASSERT_TRUE(QFile::remove(StoreFile::filePath()));
    const auto window = start();
    EXPECT_FALSE(UserDefaultHelper::region());
    EXPECT_EQ(window->currentPage(), ViewController::REGION_TABTAG);
}

TEST_F(MainWindow, AnExistingStoreFileKeepsTheState)
{
    storeUsableUser();
    closeViewContext();
    const auto window = start();
    EXPECT_TRUE(lines.contains(QStringLiteral("資料庫檔案位置-> ") + StoreFile::filePath()
                               + QStringLiteral("\n檢查狀態：true")));
    EXPECT_TRUE(lines.contains(QStringLiteral("File is exist")));
    EXPECT_EQ(UserDefaultHelper::region(), QStringLiteral("Other"));
    EXPECT_EQ(UserDefaultHelper::email(), QStringLiteral("ann@example.com"));
}

TEST_F(MainWindow, DefaultFiltersAreWrittenOnlyWhenBothAreAbsent)
{
    createStoreFile();
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    start();
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("7 day"));
    EXPECT_FALSE(UserDefaultHelper::time());

    UserDefaultHelper::removeAllKeys();
    UserDefaultHelper::setTime(QStringLiteral("12:00-23:59"));
    start();
    EXPECT_FALSE(UserDefaultHelper::date());
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("12:00-23:59"));

    UserDefaultHelper::removeAllKeys();
    start();
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("ALL"));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
}

TEST_F(MainWindow, TheStartupRangeIsTheUsersWholeReadingRangeWithTheFiltersReset)
{
    const QDateTime first(QDate(2026, 11, 16), QTime(7, 30));
    const QDateTime last(QDate(2026, 12, 6), QTime(20, 15));
    storeProfile(QStringLiteral("ann@example.com"), QStringLiteral("Ann"),
                 {QDateTime(QDate(2026, 11, 20), QTime(8, 0)), last, first});
    UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    UserDefaultHelper::setTime(QStringLiteral("00:00-11:59"));
    UserDefaultHelper::setFrom(QDateTime(QDate(2026, 12, 1), QTime(0, 0)));

    ASSERT_TRUE(ViewController::loadStartupRange());
    EXPECT_EQ(UserDefaultHelper::from(), first);
    EXPECT_EQ(UserDefaultHelper::to(), last);
    EXPECT_EQ(UserDefaultHelper::limitFrom(), first);
    EXPECT_EQ(UserDefaultHelper::limitTo(), last);
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("ALL"));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
    EXPECT_EQ(UserDefaultHelper::email(), QStringLiteral("ann@example.com"));
}

TEST_F(MainWindow, AUserWithoutReadingsGetsTheCurrentMomentForEveryBound)
{
    const QDateTime now(QDate(2026, 12, 24), QTime(9, 41, 5));
    AppClock::setNow(now);
    storeProfile(QStringLiteral("bob@example.com"), QStringLiteral("Bob"));
    UserDefaultHelper::setEmail(QStringLiteral("bob@example.com"));
    ASSERT_TRUE(ViewController::loadStartupRange());
    EXPECT_EQ(UserDefaultHelper::from(), now);
    EXPECT_EQ(UserDefaultHelper::to(), now);
    EXPECT_EQ(UserDefaultHelper::limitFrom(), now);
    EXPECT_EQ(UserDefaultHelper::limitTo(), now);
}

TEST_F(MainWindow, NoUsableUserMeansNoStartupRangeAndTheProfilePage)
{
    EXPECT_FALSE(ViewController::loadStartupRange());
    EXPECT_FALSE(StoreFile::exists()); // no e-mail: the store is not even opened

    storeProfile(QStringLiteral("ann@example.com"), QStringLiteral("Ann"));
    UserDefaultHelper::setEmail(QStringLiteral("gone@example.com"));
    UserDefaultHelper::setDate(QStringLiteral("30 day"));
    EXPECT_FALSE(ViewController::loadStartupRange());
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("30 day"));
    EXPECT_FALSE(UserDefaultHelper::from());

    UserDefaultHelper::setRegion(QStringLiteral("Other"));
    const auto window = start();
    EXPECT_EQ(window->currentPage(), ViewController::PROFILE_TABTAG);
    EXPECT_TRUE(window->currentlyStatus());
    EXPECT_TRUE(onlyObserverIs(window->condition(), window->profilePage()));
    EXPECT_FALSE(window->menuBox->isHidden());
}

TEST_F(MainWindow, AUsableUserOpensTheOverview)
{
    storeUsableUser();
    const auto window = start();
    EXPECT_EQ(window->currentPage(), ViewController::OVERVIEW_TABTAG);
    EXPECT_EQ(window->containView->subview(), window->overviewPage());
    EXPECT_TRUE(onlyObserverIs(window->condition(), window->overviewPage()));
    EXPECT_EQ(window->overviewPage()->totalMeasurementTextField->text(), QStringLiteral("1"));
    EXPECT_EQ(window->menuImage(0), QStringLiteral("main menu_01_1_1"));
    EXPECT_EQ(window->menuImage(1), QStringLiteral("main menu_01_2"));
    EXPECT_EQ(window->menuImage(2), QStringLiteral("main menu_01_3"));
    EXPECT_EQ(window->menuImage(3), QStringLiteral("main menu_01_4"));
    EXPECT_FALSE(window->pagesHoldUnsavedChanges());
}

TEST_F(MainWindow, TheMenuSwitchesPagesAndMovesTheOneObserver)
{
    storeUsableUser();
    const auto window = start();
    const std::array<QToolButton*, 4> buttons = {window->OverviewBtn, window->DataBtn,
                                                 window->ProfileBtn, window->SettingsBtn};
    const QStringList selected = {QStringLiteral("main menu_01_1_1"), QStringLiteral("main menu_01_2_1"),
                                  QStringLiteral("main menu_01_3_1"), QStringLiteral("main menu_01_4_1")};
    int now = 0;
    for (const int target : {1, 3, 2, 0, 2}) {
        SCOPED_TRACE(target);
        lines.clear();
        buttons.at(static_cast<std::size_t>(target))->click();
        EXPECT_EQ(lines.value(0), QStringLiteral("click page %1 / now page %2").arg(target).arg(now));
        EXPECT_EQ(window->currentPage(), target);
        EXPECT_EQ(window->containView->subview(), window->page(target));
        EXPECT_FALSE(window->page(now)->isVisibleTo(window.get()));
        EXPECT_TRUE(onlyObserverIs(window->condition(), window->page(target)));
        for (int tag = 0; tag < 4; ++tag) {
            EXPECT_EQ(window->menuImage(tag) == selected.at(tag), tag == target);
        }
        now = target;
    }
    // The Data page stays the one observer of the meter hub throughout.
    ASSERT_EQ(window->dataCondition().observers().size(), 1u);
    EXPECT_EQ(window->dataCondition().observers().front().identity, window->dataPage());
}

TEST_F(MainWindow, PressingTheVisiblePagesButtonDoesNothingAtAll)
{
    storeUsableUser();
    const auto window = start();
    lines.clear();
    window->OverviewBtn->click();
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(window->currentPage(), 0);
}

TEST_F(MainWindow, UnsavedProfileEditsKeepThePageAndTheQuestionShowsFirst)
{
    storeUsableUser();
    AlertScript script;
    const auto window = start();
    window->ProfileBtn->click();
    auto* name = window->profilePage()->findChild<QLineEdit*>(QStringLiteral("NameField"));
    ASSERT_NE(name, nullptr);
    name->setText(QStringLiteral("Anne"));
    ASSERT_TRUE(window->currentlyStatus());

    lines.clear();
    window->DataBtn->click();
    EXPECT_EQ(lines.value(0), QStringLiteral("click page 1 / now page 2"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Profile 通知即將切換頁")));
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(window->currentPage(), ViewController::PROFILE_TABTAG);
    EXPECT_TRUE(onlyObserverIs(window->condition(), window->profilePage()));

    // "No" restores the stored profile; the switch is not repeated by itself.
    script.answerSheet(1001);
    EXPECT_FALSE(window->currentlyStatus());
    EXPECT_EQ(name->text(), QStringLiteral("Ann"));
    EXPECT_EQ(window->currentPage(), ViewController::PROFILE_TABTAG);
    window->DataBtn->click();
    EXPECT_EQ(window->currentPage(), ViewController::DATA_TABTAG);
}

TEST_F(MainWindow, UnsavedSettingsKeepThePageUntilAnswered)
{
    storeUsableUser();
    AlertScript script;
    const auto window = start();
    window->SettingsBtn->click();
    ASSERT_EQ(window->currentPage(), ViewController::SETTINGS_TABTAG);
    QComboBox* unit = window->settingsPage()->UnitPopUp;
    const int other = unit->currentIndex() == 0 ? 1 : 0;
    unit->setCurrentIndex(other);
    emit unit->activated(other);
    ASSERT_TRUE(window->currentlySettingsStatus());

    window->OverviewBtn->click();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(window->currentPage(), ViewController::SETTINGS_TABTAG);
    EXPECT_EQ(window->menuImage(3), QStringLiteral("main menu_01_4_1"));

    script.answerSheet(1001);
    EXPECT_FALSE(window->currentlySettingsStatus());
    EXPECT_EQ(window->currentPage(), ViewController::SETTINGS_TABTAG);
    window->OverviewBtn->click();
    EXPECT_EQ(window->currentPage(), ViewController::OVERVIEW_TABTAG);
}

TEST_F(MainWindow, WithoutAUserThePagesCannotBeLeftAndTheWarningShows)
{
    createStoreFile();
    UserDefaultHelper::setRegion(QStringLiteral("Other"));
    AlertScript script;
    script.answer(1000);
    const auto window = start();
    window->SettingsBtn->click();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_EQ(window->currentPage(), ViewController::PROFILE_TABTAG);
}

TEST_F(MainWindow, TheSyncButtonStartsUnusableAndTakesTheImageItIsGiven)
{
    storeUsableUser();
    const auto window = start();
    EXPECT_FALSE(window->synceBtn->isEnabled());
    EXPECT_EQ(window->syncImage(), QStringLiteral("button_Sync_no"));
    window->setSyncButton(true, QStringLiteral("button_Sync_yes"));
    EXPECT_TRUE(window->synceBtn->isEnabled());
    EXPECT_EQ(window->syncImage(), QStringLiteral("button_Sync_yes"));
    EXPECT_EQ(window->sheetAnchor()->window(), window->window());
}

// Where no browser can be started, or the manual cannot be copied out for one, the manual opens
// in the application's own window: one at a time, read by keyboard, closed by Escape. No alert.
TEST_F(MainWindow, TheHelpButtonOpensTheManualInTheBrowserOrInAWindowOfItsOwn)
{
    struct Row {
        const char* what;
        bool browserStarts;
        bool copyBlocked; // a file stands where the manual's folder belongs
        int browserCalls;
        bool windowShown;
    };
    const Row rows[] = {
        {"a browser", true, false, 2, false},
        {"no browser", false, false, 2, true},
        {"no folder for the copy", true, true, 0, true},
    };
    storeUsableUser();
    const QString folder = QFileInfo(HelpManual::filePath()).absolutePath();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(folder);
        QDir(folder).removeRecursively();
        if (row.copyBlocked) {
            QFile blocker(folder);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        int calls = 0;
        HelpManual::setOpener([&](const QUrl& url) {
            ++calls;
            EXPECT_EQ(url, QUrl::fromLocalFile(HelpManual::filePath()));
            return row.browserStarts;
        });
        AlertScript script; // nothing answered: an alert would stop the test
        const auto window = start();
        window->HelpBtn->click();
        window->HelpBtn->click();
        EXPECT_EQ(calls, row.browserCalls);
        const QList<ManualWindow*> shown = window->findChildren<ManualWindow*>();
        ASSERT_EQ(shown.size(), row.windowShown ? 1 : 0);
        if (row.windowShown) {
            const QPointer<ManualWindow> manual = shown.first();
            EXPECT_TRUE(manual->isVisible());
            EXPECT_TRUE(manual->browser->toPlainText().startsWith(QStringLiteral("Brisvale user manual")));
            EXPECT_EQ(manual->browser->accessibleName(), manual->windowTitle());
            EXPECT_EQ(manual->focusWidget(), manual->browser);
            QTest::keyClick(manual->browser, Qt::Key_Escape);
            EXPECT_TRUE(!manual || manual->isHidden());
        }
    }
    HelpManual::setOpener({});
}

namespace {
AlertScript* deathScript = nullptr;

// Runs as the program ends: tells the parent process what the alerts said.
void reportAlerts()
{
    for (const Presentation& shown : deathScript->shown()) {
        std::fprintf(stderr, "ALERT[%s]\n", shown.alert.message.toUtf8().constData());
    }
}
}

// A window made without the start's opening answers a store it can't read as the start does:
// the user quits and the file stays, or it is moved aside and the window opens on a new store.
TEST_F(MainWindow, AStoreThatCannotBeReadIsAnsweredAsAtStart)
{
    const struct {
        int answer;
        int exitCode;
        bool movedAside;
    } cases[] = {
        {Alert::firstButton, EXIT_FAILURE, false},
        {Alert::secondButton, EXIT_SUCCESS, true},
    };
    AppClock::setNow(QDateTime(QDate(2024, 5, 10), QTime(12, 0)));
    const QString aside = StoreFile::filePath() + QStringLiteral(".unreadable-2024-05-10-120000");
    const QByteArray garbage("this is not a store, yet it is somebody's file");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.answer);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        UserDefaultHelper::setRegion(QStringLiteral("Other"));
        QDir().mkpath(StoreFile::folderPath());
        QFile file(StoreFile::filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
        file.close();
        EXPECT_EXIT(
            {
                auto* script = new AlertScript;
                script->answer(test.answer);
                deathScript = script;
                std::atexit(reportAlerts);
                ViewController window(nullptr);
                // A window that opened ends the child at once, as a killed process would: the
                // font caches that the application object frees as it goes are no leak here.
                reportAlerts();
                std::_Exit(StoreFile::exists() ? EXIT_SUCCESS : 3);
            },
            testing::ExitedWithCode(test.exitCode),
            "ALERT\\[Brisvale cannot open its store .*The file is not a database\\. The file was "
            "not changed\\.");
        EXPECT_EQ(QFile::exists(aside), test.movedAside);
        QFile kept(test.movedAside ? aside : StoreFile::filePath());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), garbage);
    }
}

TEST_F(MainWindow, TheWindowRemovesItsFatalHookWhenItGoes)
{
    {
        const auto window = start();
    }
    // Without the window a fatal stop prints and ends; no alert is attempted (none scripted).
    EXPECT_EXIT(
        {
            Console::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", line.toUtf8().constData()); });
            AlertScript script;
            Fatal::stop(QStringLiteral("Unresolved error test"));
        },
        testing::ExitedWithCode(EXIT_FAILURE), "Unresolved error test");
}
