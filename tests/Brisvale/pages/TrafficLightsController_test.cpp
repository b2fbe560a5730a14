#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/platform/NotificationCenter.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/shell/ConnectionPFM.h"
#include "Brisvale/shell/MeterDialogue.h"

#include "Brisvale/pages/BestValueSheetSupport.h"
#include "Brisvale/records/StoreFiles.h"
#include "Brisvale/shell/MeterTestSupport.h"

#include "TavrendelPFMSDK/TavrendelPFMCommand.h"
#include "TavrendelPFMSDK/TavrendelPFMKey.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString email = QStringLiteral("anna@example.org");

// The Data page as the sheet sees it: its condition hub, with a data page listening.
class FakeDataPage : public QObject, public TrafficLight_Delegate, public ConditionObserver {
public:
    FakeDataPage() { hub.addObserver(this); }
    ConditionProcess& condition() override { return hub; }
    void onConditionChange() override { ++changes; }
    ConditionProcess hub;
    int changes = 0;
};

}

// The sheet over the simulated meter, with the meter dialogue handling the replies as the main
// window does (a best-value write is read back and posted as "GetPFMBestValue").
class TrafficLightsTest : public MeterTest {
protected:
    void SetUp() override
    {
        MeterTest::SetUp();
        dialogue = std::make_unique<MeterDialogue>(host, manager);
        dialogue->registerReplyBlock();
        dialogue->observeBestValueNotification();
    }
    void TearDown() override
    {
        sheet.reset();
        dialogue.reset();
        MeterTest::TearDown();
    }

    // The current user with that best value, and the sheet opened for it.
    ProfilePtr open(qint32 best)
    {
        const ProfilePtr profile = storeProfile(email, best);
        UserDefaultHelper::setEmail(email);
        sheet = std::make_unique<TrafficLightsController>(manager);
        sheet->setDelegate(&page);
        sheet->show();
        return profile;
    }

    QLineEdit* field() const { return sheet->findChild<QLineEdit*>(QStringLiteral("BestValueTextField")); }
    QString zone(const char* name) const { return sheet->findChild<QLabel*>(QLatin1String(name))->text(); }

    // Types the value and sends it, answering the question with the button.
    void send(const QString& value, int answer = Alert::firstButton)
    {
        field()->setText(value);
        script.answer(answer);
        sheet->findChild<QPushButton*>(QStringLiteral("SendBestValue_Btn"))->click();
        drain();
    }

    int writes() const { return static_cast<int>(meter->commandLog().filter(QStringLiteral("Best_Value_Write")).size()); }

    FakeDataPage page;
    std::unique_ptr<MeterDialogue> dialogue;
    std::unique_ptr<TrafficLightsController> sheet;
};

TEST_F(TrafficLightsTest, ZoneLimitsAreEightyAndSixtyPercentPrintedWithoutDecimals)
{
    open(401);
    EXPECT_EQ(field()->text(), QStringLiteral("401"));
    EXPECT_EQ(zone("EightyValue"), QStringLiteral("321"));
    EXPECT_EQ(zone("SixtyValue"), QStringLiteral("241"));
    const std::vector<std::tuple<qint32, const char*, const char*>> cases = {
        {450, "360", "270"}, {333, "266", "200"}, {50, "40", "30"}, {900, "720", "540"}, {0, "0", "0"}};
    for (const auto& [best, eighty, sixty] : cases) {
        sheet->updateZoneValues(best);
        EXPECT_EQ(zone("EightyValue"), QLatin1String(eighty)) << best;
        EXPECT_EQ(zone("SixtyValue"), QLatin1String(sixty)) << best;
    }
}

// The plan is chosen by keyboard in its labelled list. The limits follow it and the value as it
// is typed, before anything is stored; a value the sheet would refuse shows none.
TEST_F(TrafficLightsTest, TheLimitsFollowTheTypedValueAndThePlanChosenByKeyboard)
{
    const ProfilePtr profile = open(467);
    QComboBox* plans = sheet->findChild<QComboBox*>(QStringLiteral("ZonePlan_Box"));
    EXPECT_EQ(plans->accessibleName(), QStringLiteral("Zone plan"));
    EXPECT_EQ(sheet->findChild<QLabel*>(QStringLiteral("ZonePlan_Lab"))->buddy(), plans);
    const struct {
        const char* typed;
        Qt::Key key;
        const char* shown;
        const char* yellow; // empty: a value the sheet does not take
        const char* red;
        const char* redCaption;
    } cases[] = {
        {"450", Qt::Key_Down, "80 % / 50 %", "360", "225", "Red zone below (50 %)"},
        {"450", Qt::Key_Up, "80 % / 60 %", "360", "270", "Red zone below (60 %)"},
        {"45", Qt::Key_Up, "80 % / 60 %", "", "", "Red zone below (60 %)"},
        {"abc", Qt::Key_Down, "80 % / 50 %", "", "", "Red zone below (50 %)"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.typed);
        field()->selectAll();
        QTest::keyClicks(field(), QLatin1String(test.typed));
        QTest::keyClick(plans, test.key);
        EXPECT_EQ(plans->currentText(), QLatin1String(test.shown));
        EXPECT_EQ(zone("EightyValue"), QLatin1String(test.yellow));
        EXPECT_EQ(zone("SixtyValue"), QLatin1String(test.red));
        EXPECT_EQ(zone("Sixty_Lab"), QLatin1String(test.redCaption));
    }
    EXPECT_EQ(profile->best_Value, 467);
    EXPECT_TRUE(script.shown().isEmpty());
}

TEST_F(TrafficLightsTest, TheSheetOpensOnTheStoredPlanAndAFailedSaveOfAnotherKeepsIt)
{
    const ProfilePtr profile = open(450);
    profile->zone_Plan = 1;
    ASSERT_TRUE(viewContext().save().ok());
    sheet = std::make_unique<TrafficLightsController>(manager);
    sheet->setDelegate(&page);
    sheet->show();
    QComboBox* plans = sheet->findChild<QComboBox*>(QStringLiteral("ZonePlan_Box"));
    EXPECT_EQ(plans->currentText(), QStringLiteral("80 % / 50 %"));
    EXPECT_EQ(zone("SixtyValue"), QStringLiteral("225"));

    rawQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Profile "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    script.answer(Alert::firstButton); // the store-failure alert
    QTest::keyClick(plans, Qt::Key_Up);
    sheet->findChild<QPushButton*>(QStringLiteral("SendBestValue_Btn"))->click();
    drain();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_TRUE(script.last().alert.message.startsWith(
        Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveFailed"))));
    EXPECT_EQ(plans->currentText(), QStringLiteral("80 % / 60 %")) << "the choice stays, unstored";
    EXPECT_EQ(profile->zone_Plan, 1);
    EXPECT_EQ(page.changes, 0);
}

// Nothing moves while the meter question is open; the value and the plan are stored together on
// "Yes" only. A plan changed alone is stored without the question and without writing the meter.
TEST_F(TrafficLightsTest, TheChoicesAreStoredTogetherOnlyWhenConfirmed)
{
    const struct {
        const char* name;
        const char* typed;
        std::optional<int> answer; // none: no question; -1: the sheet is closed instead
        const char* button;
        qint32 best;
        int plan;
        int bandChanges;
    } cases[] = {
        {"new value, yes", "450", Alert::firstButton, "TrafficLightsController_Send", 450, 1, 2}, // stored, confirmed
        {"new value, no", "450", Alert::secondButton, "TrafficLightsController_Send", 467, 0, 0},
        {"plan alone", "467", std::nullopt, "TrafficLightsController_Save", 467, 1, 1},
        {"closed", "450", -1, "TrafficLightsController_Send", 467, 0, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const ProfilePtr profile = open(467);
        meter->clearCommandLog();
        page.changes = 0;
        field()->setText(QLatin1String(test.typed));
        QComboBox* plans = sheet->findChild<QComboBox*>(QStringLiteral("ZonePlan_Box"));
        QTest::keyClick(plans, Qt::Key_Down);
        QPushButton* confirm = sheet->findChild<QPushButton*>(QStringLiteral("SendBestValue_Btn"));
        EXPECT_EQ(confirm->text(), Localization::text(QLatin1String(test.button)));
        const qsizetype shown = script.shown().size();
        if (test.answer == -1) {
            sheet->close();
        } else {
            confirm->click();
            drain();
        }
        if (test.answer > 0) {
            ASSERT_EQ(script.shown().size(), shown + 1) << "the question, still open";
            EXPECT_EQ(rawQuery(QStringLiteral("SELECT zone_Plan FROM Profile")).toInt(), 0);
            EXPECT_EQ(page.changes, 0);
            script.answer(Alert::firstButton); // the Done alert
            script.answerSheet(*test.answer, sheet.get());
            drain();
        } else {
            EXPECT_EQ(script.shown().size(), shown);
        }
        EXPECT_EQ(profile->best_Value, test.best);
        EXPECT_EQ(rawQuery(QStringLiteral("SELECT best_Value FROM Profile")).toInt(), test.best);
        EXPECT_EQ(rawQuery(QStringLiteral("SELECT zone_Plan FROM Profile")).toInt(), test.plan);
        EXPECT_EQ(writes(), test.best == 467 ? 0 : 1);
        EXPECT_EQ(page.changes, test.bandChanges);
        sheet.reset();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(TrafficLightsTest, AppearingSetsTheTextsAndObservesTheReadBackOnce)
{
    open(450);
    EXPECT_EQ(zone("Title_Lab"), Localization::text(QStringLiteral("TrafficLightsController_Title")));
    EXPECT_EQ(zone("BestValue_Lab"), Localization::text(QStringLiteral("TrafficLightsController_BestValue")));
    sheet->hide();
    sheet->show();
    EXPECT_EQ(NotificationCenter::shared().observerCount(QStringLiteral("GetPFMBestValue")), 2); // the sheet and the dialogue
}

TEST_F(TrafficLightsTest, AnEmptyFieldSendsNothing)
{
    open(450);
    field()->clear();
    sheet->SendBestValueHandler();
    EXPECT_TRUE(script.shown().isEmpty());
}

TEST_F(TrafficLightsTest, TheQuestionNamesTheTypedValueAndNoChangesNothing)
{
    const ProfilePtr profile = open(450);
    send(QStringLiteral("480"), Alert::secondButton);
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.message,
              Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValue"),
                                 Localization::Placeholder::bestValue, QStringLiteral("480")));
    EXPECT_EQ(script.last().alert.buttons, (QStringList{"Yes", "No"}));
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::questionmark);
    EXPECT_TRUE(printed(QStringLiteral("No")));
    EXPECT_EQ(profile->best_Value, 450);
    EXPECT_EQ(writes(), 0);
}

TEST_F(TrafficLightsTest, TextThatIsNotAWholeNumberWithinTheLimitsIsRefusedAtOnce)
{
    const ProfilePtr profile = open(450);
    const QString refusal = Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_InvalidBestValue"));
    const QStringList refused = {"49", "901", "-450", "0", "nan", "450.7", "4 50", "abc", "4.5e2", "99999999999"};
    for (const QString& value : refused) {
        send(value); // the answer goes to the refusal: no question is asked
        EXPECT_EQ(script.last().alert.message, refusal) << value.toStdString();
        EXPECT_EQ(field()->text(), value);
    }
    EXPECT_EQ(script.shown().size(), refused.size());
    EXPECT_EQ(profile->best_Value, 450);
    EXPECT_EQ(profile->best_Value_Type, false);
    EXPECT_EQ(writes(), 0);
}

TEST_F(TrafficLightsTest, TheLimitsAreAcceptedStoredAsTargetWrittenAndConfirmed)
{
    for (const qint32 value : {50, 900}) {
        const ProfilePtr profile = open(450);
        meter->clearCommandLog();
        script.answer(Alert::firstButton); // the Done alert
        send(QString::number(value));
        EXPECT_EQ(profile->best_Value, value);
        EXPECT_EQ(profile->best_Value_Type, true);
        EXPECT_EQ(meter->bestValue(), value);
        EXPECT_EQ(meter->commandLog(), (QStringList{QStringLiteral("Best_Value_Write %1").arg(value), "Best_Value_Read"}));
        EXPECT_EQ(zone("EightyValue"), NumberText::fixed(value * 0.8, 0));
        EXPECT_EQ(script.last().alert.message,
                  Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueDone"),
                                     Localization::Placeholder::bestValue, QString::number(value)));
        EXPECT_EQ(script.last().alert.buttons, QStringList{"OK"});
        EXPECT_TRUE(printed(QStringLiteral("Data接收訊息Best Value")));
        EXPECT_FALSE(sheet->isAwaitingReadBack());
        sheet.reset();
        ASSERT_TRUE(viewContext().save().ok());
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
    EXPECT_EQ(page.changes, 4); // each value stored, then confirmed
}

// The meter's confirmation ends the sheet's work: its OK closes the sheet, so that the focus goes
// back to the page and a reader does not hear the sheet named again. After a failure the sheet
// stays, for another try.
TEST_F(TrafficLightsTest, OKOnTheMetersConfirmationClosesTheSheetAndOnAFailureKeepsIt)
{
    const struct {
        const char* name;
        std::optional<int> readBack; // none: the meter reads back what was sent
        const char* message;
        bool shown;
    } cases[] = {
        {"confirmed", std::nullopt, "TrafficLightsController_AlertMessage_AskBestValueDone", false},
        {"not confirmed", 123, "TrafficLightsController_AlertMessage_AskBestValueFailed", true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        open(450);
        if (test.readBack) {
            meter->setReplyEdit(TavrendelPFMCommand::BestValueRead,
                                [value = *test.readBack](QVariantMap& reply) { reply[TavrendelPFMKey::BestValue] = value; });
        }
        const qsizetype before = script.shown().size();
        send(QStringLiteral("480"));
        ASSERT_EQ(script.shown().size(), before + 2); // the question, then the meter's answer
        EXPECT_EQ(script.last().alert.message,
                  Localization::text(QLatin1String(test.message), Localization::Placeholder::bestValue, QStringLiteral("480")));
        EXPECT_TRUE(sheet->isVisible());
        script.answerSheet(Alert::firstButton, sheet.get());
        EXPECT_EQ(sheet->isVisible(), test.shown);
        sheet.reset();
        meter->setReplyEdit(TavrendelPFMCommand::BestValueRead, {});
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(TrafficLightsTest, AFailedSaveShowsTheStoreFailureAlertAndSendsNothing)
{
    const ProfilePtr profile = open(450);
    rawQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Profile "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    script.answer(Alert::firstButton); // the store-failure alert
    send(QStringLiteral("480"));
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_TRUE(script.last().alert.message.startsWith(
        Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveFailed"))));
    EXPECT_EQ(field()->text(), QStringLiteral("480"));
    EXPECT_EQ(profile->best_Value, 450);
    EXPECT_EQ(writes(), 0);
}

// Another program replaced the store's file by a rename (a link's too, through which SQLite would
// write on into the file it led to) or removed it while the sheet was open: the value is stored
// in neither file, nothing reaches the meter, and the alert says the store was not changed.
TEST_F(TrafficLightsTest, AStoreFileReplacedWhileOpenTakesNoBestValueAndTheMeterNone)
{
    using StoreFiles::FileChange;
    const StoreFiles::OpenFileChange cases[] = {
        {"a link replaced by a rename", true, FileChange::renamedOver},
        {"the file removed", false, FileChange::removed},
    };
    const QString best = QStringLiteral("SELECT best_Value FROM Profile");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        sheet.reset();
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const QString opened = test.throughLink ? StoreFiles::linkToDrive() : StoreFile::filePath();
        const ProfilePtr profile = open(450);
        StoreFiles::changeFile(test.change);
        const qsizetype shownBefore = script.shown().size();
        script.answer(Alert::firstButton); // the store-failure alert
        send(QStringLiteral("480"));

        ASSERT_EQ(script.shown().size(), shownBefore + 2);
        EXPECT_EQ(script.last().alert.message,
                  Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveStoreReplaced"))
                      + QStringLiteral("\nThe store's file was replaced or removed since it was opened (")
                      + StoreFile::filePath() + QLatin1Char(')'));
        EXPECT_EQ(field()->text(), QStringLiteral("480"));
        EXPECT_EQ(profile->best_Value, 450);
        EXPECT_EQ(writes(), 0);
        if (test.throughLink) {
            EXPECT_EQ(rawFileQuery(opened, best).toInt(), 450);
        }
    }
}

TEST_F(TrafficLightsTest, AMismatchingReadBackIsWrittenOnceMoreBeforeTheFailedAlert)
{
    open(450);
    meter->setReplyEdit(TavrendelPFMCommand::BestValueRead, [](QVariantMap& reply) { reply[TavrendelPFMKey::BestValue] = 123; });
    script.answer(Alert::firstButton); // the Failed alert
    send(QStringLiteral("480"));
    EXPECT_EQ(meter->commandLog(),
              (QStringList{"Best_Value_Write 480", "Best_Value_Read", "Best_Value_Write 480", "Best_Value_Read"}));
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.last().alert.message, Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueFailed")));
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmarkTriangle);
    EXPECT_EQ(page.changes, 1); // stored, never confirmed
    EXPECT_FALSE(sheet->isAwaitingReadBack());
}

TEST_F(TrafficLightsTest, TheReadBackIsComparedWithTheValueSentWhateverTheFieldShows)
{
    open(450);
    field()->setText(QStringLiteral("480"));
    script.answer(Alert::firstButton); // the question
    sheet->SendBestValueHandler();
    script.settle();                   // answered: written
    field()->setText(QStringLiteral("abc"));
    script.answer(Alert::firstButton); // the Done alert
    drain();
    EXPECT_EQ(script.last().alert.message,
              Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueDone"),
                                 Localization::Placeholder::bestValue, QStringLiteral("480")));
    EXPECT_EQ(writes(), 1);
}

TEST_F(TrafficLightsTest, ADownloadsReadBackNeverMakesTheSheetWrite)
{
    const ProfilePtr profile = open(400);
    field()->setText(QStringLiteral("700")); // typed, not sent
    meter->setReadings({TavrendelPFMReading{450, 3.0f, 2026, 11, 30, 20, 45}});
    script.answer(Alert::firstButton); // the download's Done alert
    script.answer(Alert::firstButton); // transfer success
    dialogue->userDidSelect(profile, true);
    drain();
    EXPECT_EQ(meter->commandLog().filter(QStringLiteral("Best_Value_Write")), QStringList{"Best_Value_Write 450"});
    EXPECT_EQ(meter->bestValue(), 450);
    EXPECT_EQ(script.shown().size(), 2);
    EXPECT_EQ(page.changes, 0);
}

TEST_F(TrafficLightsTest, AWriteOrReadBackTheMeterFailsIsToldAndALaterReadBackIgnored)
{
    const QString told = Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_MeterFailed"),
                                            Localization::Placeholder::bestValue, QStringLiteral("480"));
    const std::vector<std::pair<const char*, std::function<void()>>> faults = {
        {"write fails", [this] { meter->setFailing(TavrendelPFMCommand::BestValueWrite, true); }},
        {"read-back fails", [this] { meter->setFailing(TavrendelPFMCommand::BestValueRead, true); }},
        {"read-back holds text", [this] {
             meter->setReplyEdit(TavrendelPFMCommand::BestValueRead,
                                 [](QVariantMap& reply) { reply[TavrendelPFMKey::BestValue] = QStringLiteral("480"); });
         }},
    };
    for (const auto& [name, fault] : faults) {
        const ProfilePtr profile = open(450);
        fault();
        const qsizetype before = script.shown().size();
        script.answer(Alert::firstButton); // the failure
        send(QStringLiteral("480"));
        ASSERT_EQ(script.shown().size(), before + 2) << name; // the question and the failure
        EXPECT_EQ(script.last().alert.message, told) << name;
        EXPECT_EQ(profile->best_Value, 480) << name;
        EXPECT_FALSE(sheet->isAwaitingReadBack()) << name;
        NotificationCenter::shared().post(QStringLiteral("GetPFMBestValue"), {{"BestValue", 999}});
        drain();
        EXPECT_EQ(script.shown().size(), before + 2) << name;
        sheet.reset();
        meter->setFailing(TavrendelPFMCommand::BestValueWrite, false);
        meter->setFailing(TavrendelPFMCommand::BestValueRead, false);
        meter->setReplyEdit(TavrendelPFMCommand::BestValueRead, {});
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(TrafficLightsTest, TypedValuesAreParsedStrictly)
{
    EXPECT_EQ(TrafficLightsController::parseBestValue(QStringLiteral("450")), 450);
    EXPECT_EQ(TrafficLightsController::parseBestValue(QStringLiteral("+450")), 450);
    EXPECT_EQ(TrafficLightsController::parseBestValue(QStringLiteral("-5")), -5);
    EXPECT_EQ(TrafficLightsController::parseBestValue(QStringLiteral("-2147483648")), std::numeric_limits<qint32>::min());
    EXPECT_EQ(TrafficLightsController::parseBestValue(QStringLiteral("0450")), 450);
    for (const char* refused : {"", "+", "-", " 450", "450 ", "450.0", "4.5e2", "0x1c2", "2147483648", "99999999999999999999",
                                "٤٥٠"}) {
        EXPECT_FALSE(TrafficLightsController::parseBestValue(QString::fromUtf8(refused))) << refused;
    }
}

TEST_F(TrafficLightsTest, ThePopoverAlignsItsTopWithTheAnchorAndStaysInsideTheWindow)
{
    storeProfile(email, 450);
    UserDefaultHelper::setEmail(email);
    host.window.resize(500, 400);
    auto* anchor = new QPushButton(&host.window);
    anchor->setGeometry(20, 10, 80, 30);
    host.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host.window));
    const QRect window(host.window.mapToGlobal(QPoint(0, 0)), host.window.size());

    // Room beside the anchor: tops aligned, not over the window's top edge.
    auto* popover = new TrafficLightsController(manager);
    popover->presentPopover(anchor);
    EXPECT_EQ(popover->geometry().top(), anchor->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_TRUE(window.contains(popover->geometry()));
    popover->close();

    // An anchor at the bottom right corner: the popover is moved back inside the window.
    // Placed at its final size, the one its texts need once shown.
    anchor->setGeometry(410, 360, 80, 30);
    popover = new TrafficLightsController(manager);
    popover->presentPopover(anchor);
    const QSize placed = popover->size();
    QCoreApplication::processEvents();
    EXPECT_EQ(popover->size(), placed);
    EXPECT_TRUE(window.contains(popover->geometry()));
    popover->close();
}

TEST_F(TrafficLightsTest, ThePopoverStandsRightOfItsAnchorAndClosesOnAClickOutsideOrEsc)
{
    storeProfile(email, 450);
    UserDefaultHelper::setEmail(email);
    host.window.resize(400, 300);
    auto* anchor = new QPushButton(&host.window);
    anchor->setGeometry(20, 40, 80, 30);
    host.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host.window));

    QPointer<TrafficLightsController> popover = new TrafficLightsController(manager);
    popover->presentPopover(anchor);
    EXPECT_TRUE(popover->isVisible());
    EXPECT_GE(popover->geometry().left(), anchor->mapToGlobal(QPoint(anchor->width(), 0)).x());
    // A click inside it keeps it; one in the window closes it, which deletes it.
    QTest::mouseClick(popover->findChild<QLineEdit*>(QStringLiteral("BestValueTextField")), Qt::LeftButton);
    EXPECT_TRUE(popover->isVisible());
    QTest::mouseClick(&host.window, Qt::LeftButton, {}, QPoint(300, 250));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popover.isNull());

    popover = new TrafficLightsController(manager);
    popover->presentPopover(anchor);
    QTest::keyClick(popover->findChild<QLineEdit*>(QStringLiteral("BestValueTextField")), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popover.isNull());
}

// A reader knows the sheet as a dialog named by its title (it was a nameless filler), and hears
// the zone limits, labels of their own, with the value field (after its whole text) and the plan
// pop-up, as they follow the typed value and the plan.
TEST_F(TrafficLightsTest, TheSheetIsADialogNamedByItsTitleWhoseFieldAndPlanDescribeTheLimits)
{
    open(467);
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(sheet.get());
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), QStringLiteral("Best Value and Zones"));
    QComboBox* plans = sheet->findChild<QComboBox*>(QStringLiteral("ZonePlan_Box"));
    const struct {
        const char* typed; // none: as opened
        std::optional<Qt::Key> planKey;
        const char* field;
        const char* plan;
    } cases[] = {
        {nullptr, std::nullopt, "467. Green zone from 374, red zone below 280 l/min",
         "Green zone from 374, red zone below 280 l/min"},
        {nullptr, Qt::Key_Down, "467. Green zone from 374, red zone below 234 l/min",
         "Green zone from 374, red zone below 234 l/min"},
        {"480", std::nullopt, "480. Green zone from 384, red zone below 240 l/min",
         "Green zone from 384, red zone below 240 l/min"},
        {"45", std::nullopt, "45", ""},
        {"450", Qt::Key_Up, "450. Green zone from 360, red zone below 270 l/min",
         "Green zone from 360, red zone below 270 l/min"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.field);
        if (test.typed) {
            field()->selectAll();
            QTest::keyClicks(field(), QLatin1String(test.typed));
        }
        if (test.planKey) {
            QTest::keyClick(plans, *test.planKey);
        }
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field())->text(QAccessible::Description),
                  QLatin1String(test.field));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(plans)->text(QAccessible::Description),
                  QLatin1String(test.plan));
    }
}

// A profile without a best value (0) has no zones: the sheet says so where the limits stand, and
// a reader hears it with the field and the plan, until a value the sheet takes is typed. It once
// said "Green zone from 0, red zone below 0 l/min".
TEST_F(TrafficLightsTest, WithoutABestValueTheSheetSaysThatNoneIsSetInPlaceOfTheLimits)
{
    open(0);
    QComboBox* plans = sheet->findChild<QComboBox*>(QStringLiteral("ZonePlan_Box"));
    const QLabel* note = sheet->findChild<QLabel*>(QStringLiteral("NoBestValue_Lab"));
    ASSERT_NE(note, nullptr);
    // The rows above the note stay where they are as it hides and shows.
    sheet->layout()->activate();
    const QRect fieldAt = field()->geometry();
    const struct {
        const char* typed; // none: as opened
        bool noteShown;
        const char* yellow;
        const char* field;
        const char* plan;
    } cases[] = {
        {nullptr, true, "", "0. No best value is set", "No best value is set"},
        {"450", false, "360", "450. Green zone from 360, red zone below 270 l/min",
         "Green zone from 360, red zone below 270 l/min"},
        {"0", true, "", "0. No best value is set", "No best value is set"},
        {"45", false, "", "45", ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.field);
        if (test.typed) {
            field()->setText(QLatin1String(test.typed));
        }
        sheet->layout()->activate();
        EXPECT_EQ(field()->geometry(), fieldAt);
        EXPECT_EQ(note->isVisibleTo(sheet.get()), test.noteShown);
        EXPECT_EQ(note->text(), QStringLiteral("No best value is set"));
        EXPECT_EQ(zone("EightyValue"), QLatin1String(test.yellow));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field())->text(QAccessible::Description),
                  QLatin1String(test.field));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(plans)->text(QAccessible::Description),
                  QLatin1String(test.plan));
    }
}

using BestValueSheet = BestValueSheetTest;

// The sheet opens with the value selected in its field, so what is typed replaces it ("480" typed
// onto 467 once gave 467480); a key that moves the cursor first keeps it.
TEST_F(BestValueSheet, TheValueOpensSelectedSoTypingReplacesIt)
{
    const struct {
        const char* name;
        std::optional<Qt::Key> first;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"typed at once", std::nullopt, "480", "480"},
        {"one digit", std::nullopt, "5", "5"},
        {"after End", Qt::Key_End, "0", "4670"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TrafficLightsController& shown = present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
        shown.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        auto* value = shown.findChild<QLineEdit*>(QStringLiteral("BestValueTextField"));
        ASSERT_EQ(QApplication::focusWidget(), value);
        if (test.first) {
            QTest::keyClick(value, *test.first);
        }
        QTest::keyClicks(value, QLatin1String(test.typed));
        EXPECT_EQ(value->text(), QLatin1String(test.shown));
        delete sheet.data();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(BestValueSheet, TheNoMeterNoteIsShownWholeAtTheSheetsSize)
{
    expectTheNoMeterNoteShownWhole();
}

// Closed, the sheet gives the focus back to the window it stood over: the window system gave it
// to no window, and the keyboard reached none. A click into another window of the program (the
// manual's) that took the focus leaves it there: the sheet took it back, and the click's window
// lost the keyboard.
TEST_F(BestValueSheet, ClosedItGivesTheFocusBackToItsWindow)
{
    enum class Close { escape, clickBeside, clickElsewhere, clickElsewhereTakingFocus };
    const struct {
        const char* name;
        Close close;
        bool keptByTheOther;
    } cases[] = {
        {"Escape", Close::escape, false},
        {"a click beside it", Close::clickBeside, false},
        {"a click into another window that took no focus", Close::clickElsewhere, false},
        {"a click into another window that took the focus", Close::clickElsewhereTakingFocus, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QWidget other;
        other.resize(300, 200);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        TrafficLightsController& shown = present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
        shown.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        if (test.close == Close::clickElsewhereTakingFocus) {
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        }
        if (test.close == Close::escape) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (test.close == Close::clickBeside) {
            QTest::mouseClick(&host.window, Qt::LeftButton, {}, QPoint(600, 400));
        } else {
            QTest::mouseClick(&other, Qt::LeftButton, {}, QPoint(150, 100));
        }
        QWidget* const keeper = test.keptByTheOther ? &other : &host.window;
        EXPECT_TRUE(QTest::qWaitFor([keeper] { return QApplication::activeWindow() == keeper; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), keeper);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(sheet.isNull());
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}
