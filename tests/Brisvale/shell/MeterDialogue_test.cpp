#include "Brisvale/platform/NotificationCenter.h"
#include "Brisvale/shell/ConnectionPFM.h"
#include "Brisvale/shell/MeterDialogue.h"

#include "MeterTestSupport.h"

#include "Brisvale/records/StoreFiles.h"

#include "TavrendelPFMSDK/TavrendelPFMCommand.h"
#include "TavrendelPFMSDK/TavrendelPFMKey.h"

namespace {

const QString email = QStringLiteral("anna@example.org");

QString text(const char* key)
{
    return Localization::text(QLatin1String(key));
}

TavrendelPFMReading reading(qint32 pef, float fev1, int day, int hour, int minute, int month = 11)
{
    return TavrendelPFMReading{pef, fev1, 2026, month, day, hour, minute};
}

}

// A dialogue wired as the main window wires it, over the simulated meter.
class MeterDialogueTest : public MeterTest {
protected:
    void SetUp() override
    {
        MeterTest::SetUp();
        dialogue = std::make_unique<MeterDialogue>(host, manager);
        dialogue->attachDelegate();
        dialogue->registerReplyBlock();
        dialogue->observeBestValueNotification();
        drain();
        lines.clear();
        meter->clearCommandLog();
    }
    void TearDown() override
    {
        dialogue.reset();
        MeterTest::TearDown();
    }

    // Sync, then the choose-user sheet's "Yes" for its preselected profile.
    void downloadInto(const ProfilePtr& profile)
    {
        UserDefaultHelper::setEmail(profile->email);
        dialogue->syncButtonPressed();
        drain();
        ConnectionPFM* sheet = dialogue->userSheet();
        ASSERT_NE(sheet, nullptr);
        sheet->YesHandler();
        drain();
    }

    // A stored best value at least as high as the meter's (450, "Target" so no question could
    // come): written to the meter, and the readings stored at once.
    void expectStoredBestValueWins(qint32 best)
    {
        const ProfilePtr profile = storeProfile(email, best, true);
        meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
        script.answer(Alert::firstButton);
        downloadInto(profile);
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(script.last().alert.message,
                  Localization::text(QStringLiteral("ViewController_AlertMessage_PFMTransferSuccess")));
        EXPECT_EQ(meter->bestValue(), best);
        EXPECT_EQ(profile->best_Value, best);
        EXPECT_EQ(readingsOf(profile).size(), 2);
        // The read-back that follows the write is not awaited: it shows nothing.
        EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read", QStringLiteral("Best_Value_Write %1").arg(best),
                                                    "Best_Value_Read", "Memory_Clear"}));
    }

    // The one alert shown is the store-failure alert, application-modal.
    void expectStoreFailureAlert() const
    {
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
        EXPECT_EQ(script.last().alert.symbol, AlertSymbol::xmark);
        EXPECT_TRUE(script.last().alert.message.startsWith(text("AppDelegate_AlertMessage_SaveFailed") + "\n"));
    }

    std::unique_ptr<MeterDialogue> dialogue;
};

TEST_F(MeterDialogueTest, ConnectionReportsSetTheSyncButtonAndTellTheDataPage)
{
    // Attaching the delegate reported the meter already there.
    ASSERT_EQ(host.syncButtons.size(), 1);
    EXPECT_EQ(host.syncButtons[0], std::make_pair(true, QStringLiteral("button_Sync_yes")));
    meter->disconnectMeter();
    drain();
    meter->connectMeter();
    drain();
    EXPECT_EQ(lines, (QStringList{"斷開", "更新Data畫面元件 發送通知值", "連接", "更新Data畫面元件 發送通知值"}));
    ASSERT_EQ(host.syncButtons.size(), 3);
    EXPECT_EQ(host.syncButtons[1], std::make_pair(false, QStringLiteral("button_Sync_no")));
    EXPECT_EQ(host.syncButtons[2], std::make_pair(true, QStringLiteral("button_Sync_yes")));
    EXPECT_EQ(host.dataPage.changes, (QList<bool>{true, false, true}));
}

TEST_F(MeterDialogueTest, SyncDoesNothingWhileNoMeterIsAttached)
{
    meter->disconnectMeter();
    drain();
    lines.clear();
    dialogue->syncButtonPressed();
    drain();
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_TRUE(meter->commandLog().isEmpty());
}

TEST_F(MeterDialogueTest, WithoutAMeterLibrarySyncOnlyPrints)
{
    MeterDialogue alone(host, nullptr);
    alone.attachDelegate();
    alone.registerReplyBlock();
    alone.syncButtonPressed();
    drain();
    EXPECT_EQ(lines, QStringList{"時間校準"});
}

TEST_F(MeterDialogueTest, AFailedReplyIsPrintedAndEndsTheStep)
{
    meter->setFailing(TavrendelPFMCommand::TimeRead, true);
    dialogue->syncButtonPressed();
    drain();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("時間校準"));
    EXPECT_EQ(lines[1], QStringLiteral("API呼叫Time_Read"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("ErrorAction:Time_Read\nSystem connect PFM Device Error Info:\n")));
    EXPECT_EQ(dialogue->userSheet(), nullptr);
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_PFMClockReadFailed"));
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::xmark);
}

// Every failed reply of a download or of the clock alert's choice ends its step with an alert of
// what failed and what was kept: the readings stored and those left in the meter.
TEST_F(MeterDialogueTest, MeterFailuresEndTheStepWithAnAlertOfWhatWasKept)
{
    struct Case {
        const char* failing;
        bool clockAlert; // the clock alert's "set the clock and erase" instead of a download
        qint32 best;     // 400: a higher meter value is adopted; 500: the stored value is written
        QStringList messages;
        int stored;
        int leftInMeter;
    };
    const QString done = text("ViewController_AlertMessage_PFMTransferSuccess");
    const QString clockAlert = text("ViewController_AlertMessage_PFMDifferentTime");
    const std::vector<Case> cases = {
        {"Memory_Read", false, 500, {text("ViewController_AlertMessage_PFMMemoryReadFailed")}, 0, 2},
        {"Best_Value_Write", false, 400, {text("ViewController_AlertMessage_PFMBestValueWriteFailed")}, 0, 2},
        {"Best_Value_Read", false, 400, {text("ViewController_AlertMessage_PFMBestValueReadFailed")}, 0, 2},
        {"Best_Value_Write", false, 500,
         {done, Localization::text(QStringLiteral("ViewController_AlertMessage_PFMBestValueWriteFailed_Stored"),
                                   Localization::Placeholder::bestValue, QStringLiteral("500"))},
         2, 0},
        {"Memory_Clear", false, 500, {done, text("ViewController_AlertMessage_PFMClearFailed")}, 2, 2},
        {"Time_Write", true, 500, {clockAlert, text("ViewController_AlertMessage_PFMClockWriteFailed")}, 0, 2},
        {"Memory_Clear", true, 500, {clockAlert, text("ViewController_AlertMessage_PFMEraseFailed")}, 0, 2},
    };
    int round = 0;
    for (const Case& wanted : cases) {
        const QString name = QString::fromLatin1(wanted.failing) + (wanted.clockAlert ? " after the clock alert" : "");
        SCOPED_TRACE(name.toStdString());
        const ProfilePtr profile = storeProfile(QStringLiteral("user%1@example.org").arg(++round), wanted.best);
        meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
        meter->setClockOffset(wanted.clockAlert ? 600 : 0);
        meter->setFailing(TavrendelPFMCommand::fromName(QLatin1String(wanted.failing)), true);
        const qsizetype before = script.shown().size();
        for (int answer = 0; answer < wanted.messages.size(); ++answer) {
            script.answer(Alert::firstButton);
        }
        if (wanted.clockAlert) {
            dialogue->syncButtonPressed();
            drain();
        } else {
            downloadInto(profile);
        }
        waitPastDelay();
        QStringList shown;
        for (qsizetype i = before; i < script.shown().size(); ++i) {
            shown << script.shown()[i].alert.message;
        }
        EXPECT_EQ(shown, wanted.messages);
        EXPECT_EQ(readingsOf(profile).size(), wanted.stored);
        EXPECT_EQ(meter->readings().size(), wanted.leftInMeter);
        EXPECT_FALSE(dialogue->isAwaitingReadBack());
        meter->setFailing(TavrendelPFMCommand::fromName(QLatin1String(wanted.failing)), false);
    }
}

// The clock check.

TEST_F(MeterDialogueTest, AMeterClock120SecondsApartGoesOnToTheUserChoice)
{
    for (const qint64 offset : {-120, 120}) {
        meter->setClockOffset(offset);
        dialogue->syncButtonPressed();
        drain();
        EXPECT_TRUE(printed(QStringLiteral("時間差 : 120"))) << offset;
        ASSERT_NE(dialogue->userSheet(), nullptr) << offset;
        EXPECT_TRUE(script.shown().isEmpty());
        dialogue->userSheet()->NoHandler();
        drain();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        lines.clear();
    }
    EXPECT_EQ(host.page.pageSwitches, 2);
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Time_Read"}));
}

TEST_F(MeterDialogueTest, AMeterClock121SecondsApartShowsTheClockAlert)
{
    meter->setClockOffset(-121);
    dialogue->syncButtonPressed();
    drain();
    EXPECT_TRUE(printed(QStringLiteral("時間差 : 121")));
    EXPECT_TRUE(printed(QStringLiteral("超過合理值,需校正儀器時間")));
    ASSERT_EQ(script.shown().size(), 1);
    const Presentation& alert = script.last();
    EXPECT_EQ(alert.kind, Presentation::Kind::sheet);
    EXPECT_EQ(alert.window, &host.window);
    EXPECT_EQ(alert.alert.symbol, AlertSymbol::questionmark);
    EXPECT_EQ(alert.alert.message, Localization::text(QStringLiteral("ViewController_AlertMessage_PFMDifferentTime")));
    EXPECT_EQ(alert.alert.buttons,
              (QStringList{Localization::text(QStringLiteral("ViewController_AlertMessage_PFMDifferentTime_SyncTimeClear")),
                           Localization::text(QStringLiteral("ViewController_AlertMessage_PFMDifferentTime_SyncTimeOnly")),
                           Localization::text(QStringLiteral("ViewController_AlertMessage_PFMDifferentTime_No"))}));
    EXPECT_EQ(alert.alert.safeButton, Alert::thirdButton);
    // The page is not asked and no user is chosen.
    EXPECT_EQ(host.page.pageSwitches, 0);
    EXPECT_EQ(dialogue->userSheet(), nullptr);
    script.answerSheet(Alert::thirdButton);
    EXPECT_TRUE(printed(QStringLiteral("No")));
}

TEST_F(MeterDialogueTest, ClockAlertFirstButtonSetsTheClockThenClearsTheMeterASecondLater)
{
    meter->setClockOffset(-600);
    meter->setReadings({reading(300, 2.5f, 30, 7, 0)});
    script.answer(Alert::firstButton);
    dialogue->syncButtonPressed();
    drain();
    EXPECT_TRUE(printed(QStringLiteral("Sync. date&time&data")));
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Time_Write 2026-12-01T08:00:00"}));
    EXPECT_EQ(meter->clockOffset(), 0);
    EXPECT_EQ(meter->readings().size(), 1);
    AppClock::advance(MeterDialogue::followUpDelay - 1);
    drain();
    EXPECT_EQ(meter->readings().size(), 1);
    AppClock::advance(1);
    drain();
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Time_Write 2026-12-01T08:00:00", "Memory_Clear"}));
    EXPECT_TRUE(meter->readings().isEmpty());
    // The user is told what became of the readings.
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_PFMClockSetErased"));
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::checkmark);
}

// "Set clock only" and "Not now" keep the readings in the meter, and the user hears what happened
// and what comes next (a clock the meter could not set is told as a failure, in the failed
// replies' table).
TEST_F(MeterDialogueTest, ClockAlertSecondAndThirdButtonsKeepTheReadingsAndSaySo)
{
    const struct {
        const char* name;
        int answer;
        QStringList commands;
        const char* told;
    } cases[] = {
        {"set clock only", Alert::secondButton, {"Time_Read", "Time_Write 2026-12-01T08:00:00"},
         "ViewController_AlertMessage_PFMClockSetOnly"},
        {"not now", Alert::thirdButton, {"Time_Read"}, "ViewController_AlertMessage_PFMClockNotChanged"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        meter->clearCommandLog();
        meter->setClockOffset(-600);
        meter->setReadings({reading(300, 2.5f, 30, 7, 0)});
        const qsizetype before = script.shown().size();
        script.answer(test.answer);
        dialogue->syncButtonPressed();
        drain();
        EXPECT_EQ(meter->commandLog(), test.commands);
        EXPECT_EQ(meter->readings().size(), 1);
        ASSERT_EQ(script.shown().size(), before + 2);
        EXPECT_EQ(script.last().alert.message, text(test.told));
        EXPECT_EQ(script.last().alert.buttons, QStringList{QStringLiteral("OK")});
        EXPECT_EQ(dialogue->userSheet(), nullptr);
        script.answerSheet(Alert::firstButton);
    }
}

TEST_F(MeterDialogueTest, UnsavedPageChangesStopTheDownloadSilentlyAfterThePageIsAsked)
{
    host.unsaved = true;
    dialogue->syncButtonPressed();
    drain();
    EXPECT_EQ(host.page.pageSwitches, 1);
    EXPECT_EQ(dialogue->userSheet(), nullptr);
    EXPECT_TRUE(script.shown().isEmpty());
}

TEST_F(MeterDialogueTest, MalformedTimeReadsChangeNothing)
{
    const std::vector<std::pair<const char*, TavrendelPFMSimulator::ReplyEdit>> faults = {
        {"lacks a key", [](QVariantMap& reply) { reply.remove(TavrendelPFMKey::Second); }},
        {"holds text", [](QVariantMap& reply) { reply[TavrendelPFMKey::Hour] = QStringLiteral("7"); }},
        {"holds a fraction", [](QVariantMap& reply) { reply[TavrendelPFMKey::Minute] = 4.5; }},
        {"month 13", [](QVariantMap& reply) { reply[TavrendelPFMKey::Month] = 13; }},
        {"30 February", [](QVariantMap& reply) {
             reply[TavrendelPFMKey::Month] = 2;
             reply[TavrendelPFMKey::Day] = 30;
         }},
        {"hour 24", [](QVariantMap& reply) { reply[TavrendelPFMKey::Hour] = 24; }},
    };
    for (const auto& [name, edit] : faults) {
        meter->setReplyEdit(TavrendelPFMCommand::TimeRead, edit);
        script.answer(Alert::firstButton);
        dialogue->syncButtonPressed();
        drain();
        EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Unreadable reply of Time_Read, the download ends: "))) << name;
        lines.clear();
    }
    EXPECT_EQ(meter->commandLog(), QStringList(faults.size(), QStringLiteral("Time_Read")));
    ASSERT_EQ(script.shown().size(), qsizetype(faults.size()));
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_PFMClockReadFailed"));
    EXPECT_EQ(host.page.pageSwitches, 0);
    EXPECT_EQ(dialogue->userSheet(), nullptr);
}

// The download.

TEST_F(MeterDialogueTest, AMeasureProfileAdoptsAHigherMeterValueWritesAndReadsItBackThenStores)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setReadings({reading(300, 2.51f, 29, 7, 5), reading(450, 3.02f, 30, 20, 45), reading(420, 2.88f, 30, 8, 0)});
    script.answer(Alert::firstButton); // the read-back alert
    script.answer(Alert::firstButton); // the transfer-success alert
    downloadInto(profile);

    EXPECT_EQ(meter->bestValue(), 450);
    EXPECT_EQ(profile->best_Value, 450);
    EXPECT_EQ(profile->best_Value_Type, false);
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.shown()[0].alert.message,
              Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueDone"),
                                 Localization::Placeholder::bestValue, QStringLiteral("450")));
    EXPECT_EQ(script.shown()[0].alert.buttons, QStringList{"OK"});
    EXPECT_EQ(script.shown()[0].alert.symbol, AlertSymbol::checkmark);
    EXPECT_EQ(script.shown()[1].alert.message, Localization::text(QStringLiteral("ViewController_AlertMessage_PFMTransferSuccess")));
    EXPECT_EQ(script.shown()[1].alert.symbol, AlertSymbol::checkmark);

    const QList<PFMPtr> stored = readingsOf(profile);
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[0]->pefValue, 300);
    EXPECT_EQ(stored[0]->fev1Value, 2.51f);
    EXPECT_EQ(stored[0]->measureDate, at(2026, 11, 29, 7, 5));
    EXPECT_EQ(stored[1]->measureDate, at(2026, 11, 30, 20, 45));
    EXPECT_EQ(stored[2]->measureDate, at(2026, 11, 30, 8, 0));
    EXPECT_EQ(stored[2]->measureDate->toDateTime().toString(Qt::ISODate), QStringLiteral("2026-11-30T08:00:00"));

    // After OK: the meter is cleared and the profile is the current user with a fresh window.
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read", "Best_Value_Write 450", "Best_Value_Read",
                                                "Memory_Clear"}));
    EXPECT_TRUE(meter->readings().isEmpty());
    EXPECT_EQ(UserDefaultHelper::email(), email);
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("ALL"));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
    EXPECT_EQ(UserDefaultHelper::limitFrom(), QDateTime(QDate(2026, 11, 29), QTime(7, 5)));
    EXPECT_EQ(UserDefaultHelper::to(), QDateTime(QDate(2026, 11, 30), QTime(20, 45)));
    EXPECT_TRUE(host.page.refreshes.isEmpty());
    waitPastDelay();
    EXPECT_EQ(host.page.refreshes, (QList<std::pair<bool, QString>>{{false, email}}));

    // Saved for good: a fresh context finds the readings and the best value.
    closeViewContext();
    const ProfilePtr onDisk = viewContext().fetchProfile(email).value();
    EXPECT_EQ(onDisk->best_Value, 450);
    EXPECT_EQ(readingsOf(onDisk).size(), 3);
}

TEST_F(MeterDialogueTest, TheDownloadPrintsItsSteps)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    script.answer(Alert::firstButton);
    script.answer(Alert::firstButton);
    downloadInto(profile);
    for (const char* line : {"時間校準", "API呼叫Time_Read", "時間差 : 0", "API呼叫Memory_Read", "PFMData TotalNumber:2",
                             "PFM中Max PEF 最高值->450", "儀器中 PFM value:450 > ZA+ Best Value:400",
                             "API呼叫Best_Value_Write", "寫入儀器BestValue", "API呼叫Best_Value_Read", "讀取儀器BestValue",
                             "更新使用者資料"}) {
        EXPECT_TRUE(printed(QString::fromUtf8(line))) << line;
    }
}

TEST_F(MeterDialogueTest, ATargetProfileIsAskedFirstAndNoKeepsItsBestValue)
{
    const ProfilePtr profile = storeProfile(email, 400, true);
    meter->setBestValue(400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    script.answer(Alert::secondButton); // No
    script.answer(Alert::firstButton);  // transfer OK
    downloadInto(profile);
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.shown()[0].alert.message,
              Localization::text(QStringLiteral("ViewController_AlertMessage_PFMAsk"), Localization::Placeholder::bestValue,
                                 QStringLiteral("450")));
    EXPECT_EQ(script.shown()[0].alert.buttons, (QStringList{"Yes", "No"}));
    EXPECT_EQ(script.shown()[0].alert.symbol, AlertSymbol::questionmark);
    EXPECT_TRUE(printed(QStringLiteral("Target")));
    EXPECT_EQ(profile->best_Value, 400);
    EXPECT_EQ(meter->bestValue(), 400);
    EXPECT_EQ(readingsOf(profile).size(), 2);
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read", "Memory_Clear"}));
}

TEST_F(MeterDialogueTest, ATargetProfileAnsweringYesWritesReadsBackAndSavesTheValueWithTheReadings)
{
    const ProfilePtr profile = storeProfile(email, 400, true);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    script.answer(Alert::firstButton); // Yes
    script.answer(Alert::firstButton); // read-back Done
    script.answer(Alert::firstButton); // transfer OK
    downloadInto(profile);
    ASSERT_EQ(script.shown().size(), 3);
    EXPECT_EQ(script.shown()[1].alert.message,
              Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueDone"),
                                 Localization::Placeholder::bestValue, QStringLiteral("450")));
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read", "Best_Value_Write 450", "Best_Value_Read",
                                                "Memory_Clear"}));
    closeViewContext();
    const ProfilePtr onDisk = viewContext().fetchProfile(email).value();
    EXPECT_EQ(onDisk->best_Value, 450);
    EXPECT_EQ(onDisk->best_Value_Type, true);
    EXPECT_EQ(readingsOf(onDisk).size(), 2);
}

TEST_F(MeterDialogueTest, AStoredBestValueEqualToTheMeterMaximumIsWrittenAndTheReadingsStoredAtOnce)
{
    expectStoredBestValueWins(450);
}

TEST_F(MeterDialogueTest, AStoredBestValueAboveTheMeterMaximumIsWrittenAndTheReadingsStoredAtOnce)
{
    expectStoredBestValueWins(500);
}

TEST_F(MeterDialogueTest, DuplicatesAreStoredOnce)
{
    const ProfilePtr profile = storeProfile(email, 500);
    PFMPtr known = viewContext().insertReading(profile);
    known->pefValue = 300;
    known->fev1Value = 2.5f;
    known->measureDate = at(2026, 11, 29, 7, 5);
    known->note = QStringLiteral("kept");
    ASSERT_TRUE(viewContext().save().ok());

    meter->setReadings({reading(300, 2.5f, 29, 7, 5),   // stored already
                        reading(310, 2.6f, 29, 20, 0),  // new
                        reading(310, 2.6f, 29, 20, 0),  // the same again in this download
                        reading(310, 2.7f, 29, 20, 0),  // another FEV1: a new reading
                        reading(300, 2.5f, 30, 7, 5)}); // another day: a new reading
    script.answer(Alert::firstButton);
    downloadInto(profile);
    const QList<PFMPtr> stored = readingsOf(profile);
    ASSERT_EQ(stored.size(), 4);
    EXPECT_EQ(stored[0]->note, QStringLiteral("kept"));
    EXPECT_EQ(stored[1]->fev1Value, 2.6f);
    EXPECT_EQ(stored[2]->fev1Value, 2.7f);
    EXPECT_EQ(stored[3]->measureDate, at(2026, 11, 30, 7, 5));
}

TEST_F(MeterDialogueTest, ADownloadOfOnlyKnownReadingsStillSavesConfirmsAndClears)
{
    const ProfilePtr profile = storeProfile(email, 500);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5)});
    script.answer(Alert::firstButton);
    downloadInto(profile);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5)});
    meter->clearCommandLog();
    script.answer(Alert::firstButton);
    downloadInto(profile);
    EXPECT_EQ(readingsOf(profile).size(), 1);
    EXPECT_EQ(script.last().alert.message, Localization::text(QStringLiteral("ViewController_AlertMessage_PFMTransferSuccess")));
    EXPECT_TRUE(meter->commandLog().contains(QStringLiteral("Memory_Clear")));
}

TEST_F(MeterDialogueTest, AnEmptyMemoryShowsNoDataAndClearsNothing)
{
    const ProfilePtr profile = storeProfile(email, 400);
    script.answer(Alert::firstButton);
    downloadInto(profile);
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmark);
    EXPECT_EQ(script.last().alert.message, Localization::text(QStringLiteral("ViewController_AlertMessage_NoData")));
    EXPECT_TRUE(printed(QStringLiteral("尚無資料可讀取")));
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read"}));
    EXPECT_TRUE(readingsOf(profile).isEmpty());
}

TEST_F(MeterDialogueTest, NoInTheUserChoiceEndsTheDownload)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5)});
    dialogue->syncButtonPressed();
    drain();
    ASSERT_NE(dialogue->userSheet(), nullptr);
    dialogue->userSheet()->NoHandler();
    drain();
    EXPECT_EQ(meter->commandLog(), QStringList{"Time_Read"});
    EXPECT_TRUE(readingsOf(profile).isEmpty());
}

TEST_F(MeterDialogueTest, TheReceivingProfileIsCompared)
{
    const ProfilePtr current = storeProfile(email, 400);
    const ProfilePtr other = storeProfile(QStringLiteral("ben@example.org"), 400);
    UserDefaultHelper::setEmail(email);
    script.answer(Alert::firstButton); // the empty meter's NoData, twice
    script.answer(Alert::firstButton);
    dialogue->userDidSelect(current, true);
    EXPECT_TRUE(dialogue->receivingCurrentUser());
    dialogue->userDidSelect(other, true);
    EXPECT_FALSE(dialogue->receivingCurrentUser());
    EXPECT_EQ(dialogue->receivingProfile(), other);
    drain();
}

TEST_F(MeterDialogueTest, MalformedMemoryReadsChangeNothing)
{
    const ProfilePtr profile = storeProfile(email, 400);
    const std::vector<std::pair<const char*, TavrendelPFMSimulator::ReplyEdit>> faults = {
        {"no count", [](QVariantMap& reply) { reply.remove(TavrendelPFMKey::HistoryMeasuremeNumber); }},
        {"count as text", [](QVariantMap& reply) { reply[TavrendelPFMKey::HistoryMeasuremeNumber] = QStringLiteral("2"); }},
        {"count too high", [](QVariantMap& reply) { reply[TavrendelPFMKey::HistoryMeasuremeNumber] = 3; }},
        {"count too low", [](QVariantMap& reply) { reply[TavrendelPFMKey::HistoryMeasuremeNumber] = 1; }},
        {"no readings", [](QVariantMap& reply) { reply.remove(TavrendelPFMKey::MData); }},
        {"readings not a list", [](QVariantMap& reply) { reply[TavrendelPFMKey::MData] = 2; }},
        {"an entry without FEV1", [](QVariantMap& reply) {
             QVariantList entries = reply[TavrendelPFMKey::MData].toList();
             QVariantMap entry = entries[1].toMap();
             entry.remove(TavrendelPFMKey::Fev1);
             entries[1] = entry;
             reply[TavrendelPFMKey::MData] = entries;
         }},
        {"a PEF as text", [](QVariantMap& reply) {
             QVariantList entries = reply[TavrendelPFMKey::MData].toList();
             QVariantMap entry = entries[0].toMap();
             entry[TavrendelPFMKey::Pef] = QStringLiteral("300");
             entries[0] = entry;
             reply[TavrendelPFMKey::MData] = entries;
         }},
        {"a day as a fraction", [](QVariantMap& reply) {
             QVariantList entries = reply[TavrendelPFMKey::MData].toList();
             QVariantMap entry = entries[0].toMap();
             entry[TavrendelPFMKey::Day] = 29.5;
             entries[0] = entry;
             reply[TavrendelPFMKey::MData] = entries;
         }},
        {"an entry not a dictionary", [](QVariantMap& reply) {
             QVariantList entries = reply[TavrendelPFMKey::MData].toList();
             entries[0] = 300;
             reply[TavrendelPFMKey::MData] = entries;
         }},
    };
    UserDefaultHelper::setEmail(email);
    for (const auto& [name, edit] : faults) {
        meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
        meter->setReplyEdit(TavrendelPFMCommand::MemoryRead, edit);
        meter->clearCommandLog();
        script.answer(Alert::firstButton);
        dialogue->userDidSelect(profile, true);
        drain();
        EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Unreadable reply of Memory_Read, the download ends: "))) << name;
        EXPECT_EQ(meter->commandLog(), QStringList{"Memory_Read"}) << name;
        lines.clear();
    }
    ASSERT_EQ(script.shown().size(), qsizetype(faults.size()));
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_PFMMemoryReadFailed"));
    EXPECT_TRUE(readingsOf(profile).isEmpty());
    EXPECT_EQ(profile->best_Value, 400);
    EXPECT_EQ(meter->readings().size(), 2);
    EXPECT_FALSE(viewContext().hasChanges());
}

TEST_F(MeterDialogueTest, ReadingsWithImpossibleDatesStayInTheMeterAndTheUserIsTold)
{
    const ProfilePtr profile = storeProfile(email, 500);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), TavrendelPFMReading{320, 2.6f, 2026, 13, 1, 7, 0},
                        TavrendelPFMReading{330, 2.7f, 2026, 2, 30, 7, 0}, TavrendelPFMReading{340, 2.8f, 2026, 11, 30, 24, 0},
                        reading(310, 2.6f, 30, 20, 0)});
    script.answer(Alert::firstButton);
    downloadInto(profile);
    const QList<PFMPtr> stored = readingsOf(profile);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[0]->pefValue, 300);
    EXPECT_EQ(stored[1]->pefValue, 310);
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.message,
              Localization::text(QStringLiteral("ViewController_AlertMessage_PFMUnreadableReadings"),
                                 Localization::Placeholder::count, QStringLiteral("3")));
    EXPECT_TRUE(script.last().alert.message.contains(QStringLiteral("3")));
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmarkTriangle);
    // The profile becomes the current user, but the meter keeps every reading.
    EXPECT_EQ(UserDefaultHelper::email(), email);
    EXPECT_FALSE(meter->commandLog().contains(QStringLiteral("Memory_Clear")));
    EXPECT_EQ(meter->readings().size(), 5);

    // The next download skips what was stored and still leaves the meter alone.
    script.answer(Alert::firstButton);
    downloadInto(profile);
    EXPECT_EQ(readingsOf(profile).size(), 2);
    EXPECT_EQ(meter->readings().size(), 5);
}

// The alert of readings left in the meter offers to clear it all the same; that clear is reported
// like any other meter command.
TEST_F(MeterDialogueTest, TheUnreadableReadingsAlertCanClearTheMeter)
{
    const struct {
        bool clearFails;
        const char* report;
        AlertSymbol symbol;
        qsizetype leftInMeter;
    } cases[] = {
        {false, "ViewController_AlertMessage_PFMCleared", AlertSymbol::checkmark, 0},
        {true, "ViewController_AlertMessage_PFMClearFailed", AlertSymbol::xmark, 3},
    };
    int round = 0;
    for (const auto& wanted : cases) {
        SCOPED_TRACE(wanted.report);
        const ProfilePtr profile = storeProfile(QStringLiteral("user%1@example.org").arg(++round), 500);
        meter->setReadings({reading(300, 2.5f, 29, 7, 5), TavrendelPFMReading{320, 2.6f, 2026, 2, 30, 7, 0},
                            reading(310, 2.6f, 30, 20, 0)});
        meter->setFailing(TavrendelPFMCommand::MemoryClear, wanted.clearFails);
        meter->clearCommandLog();
        const qsizetype before = script.shown().size();
        script.answer(Alert::secondButton);
        script.answer(Alert::firstButton);
        downloadInto(profile);
        waitPastDelay();
        ASSERT_EQ(script.shown().size(), before + 2);
        const Alert& offer = script.shown()[before].alert;
        EXPECT_EQ(offer.buttons, (QStringList{"OK", text("ViewController_AlertMessage_PFMUnreadableReadings_Clear")}));
        EXPECT_EQ(offer.safeButton, Alert::firstButton);
        EXPECT_EQ(script.last().alert.message, text(wanted.report));
        EXPECT_EQ(script.last().alert.symbol, wanted.symbol);
        EXPECT_EQ(readingsOf(profile).size(), 2);
        EXPECT_EQ(meter->commandLog().count(QStringLiteral("Memory_Clear")), 1);
        EXPECT_EQ(meter->readings().size(), wanted.leftInMeter);
        EXPECT_EQ(UserDefaultHelper::email(), profile->email);
    }
}

// A meter maximum that no best value can be is neither adopted nor written, and the closing alert
// says why; at the range's edges the meter's value is adopted as usual.
TEST_F(MeterDialogueTest, AMeterMaximumOutside50To900IsNeverAdopted)
{
    const struct {
        qint32 best;
        bool target;
        qint32 meterMax;
        bool adopted;
    } cases[] = {
        {400, false, 999, false}, {400, true, 999, false}, {400, false, 901, false},
        {0, false, 49, false},    {400, false, 900, true}, {0, false, 50, true},
    };
    const QString done = text("ViewController_AlertMessage_PFMTransferSuccess");
    int round = 0;
    for (const auto& wanted : cases) {
        SCOPED_TRACE(wanted.meterMax);
        const QString address = QStringLiteral("user%1@example.org").arg(++round);
        const ProfilePtr profile = storeProfile(address, wanted.best, wanted.target);
        meter->setBestValue(420);
        meter->setReadings({reading(40, 2.5f, 29, 7, 5), reading(wanted.meterMax, 3.0f, 30, 20, 45)});
        meter->clearCommandLog();
        // The read-back alert of an adopted value, then the closing alert.
        const qsizetype alerts = wanted.adopted ? 2 : 1;
        for (qsizetype answer = 0; answer < alerts; ++answer) {
            script.answer(Alert::firstButton);
        }
        const qsizetype before = script.shown().size();
        downloadInto(profile);
        EXPECT_EQ(script.shown().size(), before + alerts);
        const QString max = QString::number(wanted.meterMax);
        const QStringList written{QStringLiteral("Best_Value_Write ") + max, QStringLiteral("Best_Value_Read")};
        EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read"} + (wanted.adopted ? written : QStringList())
                                        + QStringList{"Memory_Clear"}));
        EXPECT_EQ(script.last().alert.message,
                  wanted.adopted ? done
                                 : done + " " + Localization::text(QStringLiteral("ViewController_AlertMessage_PFMMaxOutOfRange"),
                                                                   Localization::Placeholder::bestValue, max));
        EXPECT_EQ(meter->bestValue(), wanted.adopted ? wanted.meterMax : 420);
        closeViewContext();
        EXPECT_EQ(viewContext().fetchProfile(address).value()->best_Value, wanted.adopted ? wanted.meterMax : wanted.best);
        EXPECT_EQ(readingsOf(viewContext().fetchProfile(address).value()).size(), 2);
    }
}

TEST_F(MeterDialogueTest, AReadingInTheSpringForwardGapIsStoredAnHourLater)
{
    const ProfilePtr profile = storeProfile(email, 500);
    meter->setReadings({TavrendelPFMReading{300, 2.5f, 2026, 3, 29, 2, 30}});
    script.answer(Alert::firstButton);
    downloadInto(profile);
    const QList<PFMPtr> stored = readingsOf(profile);
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0]->measureDate->toDateTime(), QDateTime(QDate(2026, 3, 29), QTime(3, 30)));
    EXPECT_TRUE(meter->commandLog().contains(QStringLiteral("Memory_Clear")));
}

TEST_F(MeterDialogueTest, AFailedSaveStoresNothingPendingAndKeepsTheMeter)
{
    const ProfilePtr profile = storeProfile(email, 700);
    rawQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON PFM WHEN NEW.pefValue = 666 "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(666, 2.6f, 29, 20, 0)});
    script.answer(Alert::firstButton);
    downloadInto(profile);
    EXPECT_TRUE(std::any_of(lines.cbegin(), lines.cend(), [](const QString& line) {
        return line.startsWith(QStringLiteral("Failed to ReadMemory :")) && line.contains(QStringLiteral("refused by trigger"));
    }));
    expectStoreFailureAlert();
    EXPECT_FALSE(viewContext().hasChanges());
    EXPECT_TRUE(readingsOf(profile).isEmpty());
    EXPECT_FALSE(meter->commandLog().contains(QStringLiteral("Memory_Clear")));
    EXPECT_EQ(meter->readings().size(), 2);
}

TEST_F(MeterDialogueTest, AnAdoptedBestValueThatCannotBeSavedEndsTheDownloadWithNothingSent)
{
    const ProfilePtr profile = storeProfile(email, 400);
    rawQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Profile WHEN NEW.best_Value = 450 "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    script.answer(Alert::firstButton);
    downloadInto(profile);
    EXPECT_TRUE(std::any_of(lines.cbegin(), lines.cend(), [](const QString& line) {
        return line.startsWith(QStringLiteral("Failed to readBestValue :")) && line.contains(QStringLiteral("refused by trigger"));
    }));
    EXPECT_EQ(profile->best_Value, 400);
    EXPECT_FALSE(dialogue->isAwaitingReadBack());
    EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read"}));
    expectStoreFailureAlert();
    EXPECT_TRUE(readingsOf(profile).isEmpty());
}

TEST_F(MeterDialogueTest, AFailedBestValueWriteEndsTheDownloadAndALaterReadBackStoresNothing)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    meter->setFailing(TavrendelPFMCommand::BestValueWrite, true);
    downloadInto(profile);
    EXPECT_FALSE(dialogue->isAwaitingReadBack());
    // A read-back from elsewhere (the best-value sheet's, say) must not store the old download.
    NotificationCenter::shared().post(QStringLiteral("GetPFMBestValue"), {{"BestValue", 450}});
    drain();
    EXPECT_EQ(script.shown().size(), 1); // the failure only
    EXPECT_TRUE(readingsOf(profile).isEmpty());
    EXPECT_EQ(meter->readings().size(), 2);
}

TEST_F(MeterDialogueTest, ANewMemoryReadForgetsAReadBackStillAwaited)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    // The adopted value is written, but its reply is lost on the way: the read-back stays awaited.
    manager->getReadDataModelBlock({});
    dialogue->userDidSelect(profile, true);
    const TavrendelPFMReply memory = meter->readMemory();
    dialogue->handleDeviceReply(true, TavrendelPFMCommand::MemoryRead, memory.model, nullptr);
    drain();
    dialogue->registerReplyBlock();
    ASSERT_TRUE(dialogue->isAwaitingReadBack());

    // The next download finds an empty meter: the stale readings must never be stored.
    meter->setReadings({});
    script.answer(Alert::firstButton); // NoData
    dialogue->userDidSelect(profile, true);
    drain();
    EXPECT_FALSE(dialogue->isAwaitingReadBack());
    NotificationCenter::shared().post(QStringLiteral("GetPFMBestValue"), {{"BestValue", 450}});
    drain();
    EXPECT_EQ(script.shown().size(), 1);
    EXPECT_TRUE(readingsOf(profile).isEmpty());
}

TEST_F(MeterDialogueTest, AMismatchingReadBackShowsTheFailedAlertYetStoresTheReadings)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    meter->setReplyEdit(TavrendelPFMCommand::BestValueRead,
                        [](QVariantMap& reply) { reply[TavrendelPFMKey::BestValue] = 449; });
    script.answer(Alert::firstButton);
    script.answer(Alert::firstButton);
    downloadInto(profile);
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.shown()[0].alert.message,
              Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueFailed")));
    EXPECT_EQ(script.shown()[0].alert.symbol, AlertSymbol::exclamationmarkTriangle);
    EXPECT_EQ(readingsOf(profile).size(), 2);
}

TEST_F(MeterDialogueTest, AReadBackWithoutANumberStoresNothing)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    meter->setReplyEdit(TavrendelPFMCommand::BestValueRead,
                        [](QVariantMap& reply) { reply[TavrendelPFMKey::BestValue] = QStringLiteral("450"); });
    downloadInto(profile);
    EXPECT_FALSE(dialogue->isAwaitingReadBack());
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_PFMBestValueReadFailed"));
    EXPECT_TRUE(readingsOf(profile).isEmpty());
    EXPECT_EQ(meter->readings().size(), 2);
}

// Another program may replace the store's file by a rename, or remove it, while Brisvale has it
// open: the readings would go into a file the user no longer has, and the meter would be cleared.
// SQLite itself refuses to write into a file moved since it was opened, but not through a link:
// it writes on into the file the link led to. Whenever the file changes (before the download, or
// while the best-value question is open), nothing is written to either file nor sent to the
// meter, the meter keeps its readings, and the user is told why.
// A store put aside after the readings were saved into it, while the success alert was open, keeps
// them: the meter is not cleared, and the user is told.
TEST_F(MeterDialogueTest, AStoreFileReplacedAfterSavingLeavesTheMeterUncleared)
{
    const ProfilePtr profile = storeProfile(email, 400);
    meter->setBestValue(400);
    meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
    script.answer(Alert::firstButton); // the read-back
    downloadInto(profile);
    const qsizetype shownBefore = script.shown().size();
    StoreFiles::changeFile(StoreFiles::FileChange::renamedOver);
    script.answerSheet(Alert::firstButton); // the transfer's success
    drain();
    EXPECT_FALSE(meter->commandLog().contains(QStringLiteral("Memory_Clear")));
    EXPECT_EQ(meter->readings().size(), 2);
    ASSERT_EQ(script.shown().size(), shownBefore + 1);
    EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_PFMStoreReplacedAfterSaving"));
    script.answerSheet(Alert::firstButton);
}

TEST_F(MeterDialogueTest, AStoreFileReplacedOrRemovedWhileOpenTakesNothingAndTheMeterKeepsItsReadings)
{
    using StoreFiles::FileChange;
    const struct {
        const char* name;
        bool throughLink;
        FileChange change;
        std::optional<int> question; // the answer to the best-value question, asked first
    } cases[] = {
        {"the same file", false, FileChange::none, std::nullopt},
        {"replaced by a rename", false, FileChange::renamedOver, std::nullopt},
        {"removed", false, FileChange::removed, std::nullopt},
        {"a link replaced by a rename", true, FileChange::renamedOver, std::nullopt},
        {"a link replaced while the question is open, then Yes", true, FileChange::renamedOver,
         Alert::firstButton},
        {"a link replaced while the question is open, then No", true, FileChange::renamedOver,
         Alert::secondButton},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const QString opened = test.throughLink ? StoreFiles::linkToDrive() : StoreFile::filePath();
        const ProfilePtr profile = storeProfile(email, 400, test.question.has_value());
        meter->setBestValue(400);
        meter->setReadings({reading(300, 2.5f, 29, 7, 5), reading(450, 3.0f, 30, 20, 45)});
        meter->clearCommandLog();
        const qsizetype shownBefore = script.shown().size();
        if (test.change == FileChange::none) {
            script.answer(Alert::firstButton); // the read-back
            script.answer(Alert::firstButton); // the transfer's success
        } else if (!test.question) {
            StoreFiles::changeFile(test.change);
        }
        downloadInto(profile);
        if (test.question) {
            StoreFiles::changeFile(test.change);
            script.answerSheet(*test.question);
            drain();
        }

        const QString count = QStringLiteral("SELECT count(*) FROM PFM");
        if (test.change == FileChange::none) {
            EXPECT_EQ(rawFileQuery(opened, count).toInt(), 2);
            EXPECT_TRUE(meter->commandLog().contains(QStringLiteral("Memory_Clear")));
            continue;
        }
        ASSERT_EQ(script.shown().size(), shownBefore + (test.question ? 2 : 1));
        EXPECT_EQ(script.last().alert.message, text("ViewController_AlertMessage_PFMStoreReplaced"));
        EXPECT_EQ(script.last().alert.symbol, AlertSymbol::xmark);
        script.answerSheet(Alert::firstButton);
        EXPECT_EQ(meter->commandLog(), (QStringList{"Time_Read", "Memory_Read"}));
        EXPECT_EQ(meter->readings().size(), 2);
        EXPECT_EQ(profile->best_Value, 400);
        // Neither the file open nor the one now in the store's place took anything.
        EXPECT_TRUE(readingsOf(profile).isEmpty());
        EXPECT_EQ(QFileInfo::exists(StoreFile::filePath()), test.change == FileChange::renamedOver);
        if (test.change == FileChange::renamedOver) {
            EXPECT_EQ(StoreFiles::run(count).toInt(), 0);
        }
        if (test.throughLink) {
            EXPECT_EQ(rawFileQuery(opened, count).toInt(), 0);
        }
    }
}
