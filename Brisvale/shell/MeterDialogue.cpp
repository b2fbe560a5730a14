#include "Brisvale/shell/MeterDialogue.h"

#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/DialogueButtons.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NotificationCenter.h"
#include "Brisvale/platform/StoreFailureAlert.h"
#include "Brisvale/records/BestValueType_DB.h"
#include "Brisvale/records/DataElementProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/ConnectionPFM.h"
#include "Brisvale/shell/MeterDialogueHost.h"
#include "Brisvale/shell/MeterReadingStore.h"

#include "TavrendelPFMSDK/TavrendelPFM.h"
#include "TavrendelPFMSDK/TavrendelPFMCommand.h"
#include "TavrendelPFMSDK/TavrendelPFMKey.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QString text(const char* key)
{
    return Localization::text(QLatin1String(key));
}

// The closing alert of a download whose readings are stored. Readings that could not be read
// stay in the meter, with the stored ones, which the next download's duplicate test skips: the
// meter is then cleared only when the user asks for it. A meter maximum that was not taken as the
// best value is named, with the reason.
Alert storedAlert(int unreadable, std::optional<qint32> refusedMeterMax)
{
    Alert alert{text("ViewController_AlertMessage_PFMTransferSuccess"), AlertSymbol::checkmark, {}};
    if (unreadable > 0) {
        alert = Alert{Localization::text(QStringLiteral("ViewController_AlertMessage_PFMUnreadableReadings"),
                                         Localization::Placeholder::count, QString::number(unreadable)),
                      AlertSymbol::exclamationmarkTriangle,
                      {DialogueButtons::ok(), text("ViewController_AlertMessage_PFMUnreadableReadings_Clear")}};
    }
    if (refusedMeterMax) {
        alert.message += QLatin1Char(' ')
                         + Localization::text(QStringLiteral("ViewController_AlertMessage_PFMMaxOutOfRange"),
                                              Localization::Placeholder::bestValue, QString::number(*refusedMeterMax));
    }
    return alert;
}

}

MeterDialogue::MeterDialogue(MeterDialogueHost& windowHost, std::shared_ptr<TavrendelPFM> meterManager,
                             QObject* parent)
    : QObject(parent), host(windowHost), manager(std::move(meterManager))
{
}

MeterDialogue::~MeterDialogue() = default;

void MeterDialogue::attachDelegate()
{
    if (manager) {
        manager->setDelegate(this);
    }
}

void MeterDialogue::registerReplyBlock()
{
    if (!manager) {
        return;
    }
    const QPointer<MeterDialogue> self(this);
    manager->getReadDataModelBlock([self](bool success, qint64 command, std::shared_ptr<const TavrendelPFMModel> model,
                                          std::shared_ptr<const TavrendelPFMError> error) {
        if (self) {
            self->handleDeviceReply(success, command, model, error);
        }
    });
}

void MeterDialogue::observeBestValueNotification()
{
    NotificationCenter::shared().observe(QLatin1String(MeterReplyReader::bestValueNotification), this,
                                         [this](const QVariantMap& userInfo) { CheckBestValueWithNotification(userInfo); });
}

void MeterDialogue::PFMDeviceConnect()
{
    updateDeviceConnection(QStringLiteral("連接"), true, QStringLiteral("button_Sync_yes"));
}

void MeterDialogue::PFMDeviceDisconnect()
{
    updateDeviceConnection(QStringLiteral("斷開"), false, QStringLiteral("button_Sync_no"));
}

void MeterDialogue::updateDeviceConnection(const QString& text, bool connected, const QString& imageName)
{
    Console::printLine(text);
    host.setSyncButton(connected, imageName);
    host.dataCondition().broadcastDataElement(connected);
}

void MeterDialogue::syncButtonPressed()
{
    if (manager && !manager->IsDeviceConnect()) {
        return;
    }
    Console::printLine(QStringLiteral("時間校準"));
    if (manager) {
        manager->SendReadTime();
    }
}

void MeterDialogue::handleDeviceReply(bool success, qint64 command, const std::shared_ptr<const TavrendelPFMModel>& model,
                                      const std::shared_ptr<const TavrendelPFMError>& error)
{
    const QString name = TavrendelPFMCommand::name(command);
    Console::printLine(QStringLiteral("API呼叫") + name);
    if (success) {
        dispatchDeviceReply(command, model.get());
        return;
    }
    Console::printLine(QStringLiteral("ErrorAction:") + name + QStringLiteral("\nSystem connect PFM Device Error Info:\n")
                       + (error ? error->description() : QString()));
    handleFailedReply(command);
}

// A failed reply ends its step, and the user learns what failed and what was kept.
void MeterDialogue::handleFailedReply(qint64 command)
{
    switch (command) {
    case TavrendelPFMCommand::TimeRead:
    case TavrendelPFMCommand::MemoryRead:
        endUnread(command);
        break;
    case TavrendelPFMCommand::TimeWrite:
        // The memory is erased only after the clock was set.
        clockThenErase = ClockThenErase{};
        clockOnlyAsked = false;
        showFailure("ViewController_AlertMessage_PFMClockWriteFailed");
        break;
    case TavrendelPFMCommand::MemoryClear:
        showFailure(std::exchange(pendingClear, ClearStep::none) == ClearStep::withoutDownload
                        ? "ViewController_AlertMessage_PFMEraseFailed"
                        : "ViewController_AlertMessage_PFMClearFailed");
        break;
    case TavrendelPFMCommand::BestValueWrite:
    case TavrendelPFMCommand::BestValueRead:
        handleFailedBestValue(command);
        break;
    default:
        break;
    }
}

// A reply that is not what the meter sends ends the download as a failed one does.
void MeterDialogue::refuseReply(qint64 command, const QString& fault)
{
    Console::printLine(QStringLiteral("Unreadable reply of ") + TavrendelPFMCommand::name(command)
                       + QStringLiteral(", the download ends: ") + fault);
    endUnread(command);
}

// A clock or memory read that failed: nothing was downloaded.
void MeterDialogue::endUnread(qint64 command)
{
    if (command == TavrendelPFMCommand::MemoryRead) {
        forgetReadBack();
        showFailure("ViewController_AlertMessage_PFMMemoryReadFailed");
    } else {
        showFailure("ViewController_AlertMessage_PFMClockReadFailed");
    }
}

void MeterDialogue::handleFailedBestValue(qint64 command)
{
    const bool readingsWaiting = ViewControllerTag;
    const std::optional<qint32> writtenAfterStoring =
        command == TavrendelPFMCommand::BestValueWrite ? std::exchange(bestValueAfterStoring, std::nullopt)
                                                       : std::nullopt;
    // No read-back follows: whoever awaits one stops waiting, so a later, unrelated read-back
    // is never taken for it. The download's readings stay in the meter.
    forgetReadBack();
    NotificationCenter::shared().post(QLatin1String(MeterReplyReader::bestValueFailedNotification));
    if (readingsWaiting) {
        showFailure(command == TavrendelPFMCommand::BestValueWrite ? "ViewController_AlertMessage_PFMBestValueWriteFailed"
                                                                   : "ViewController_AlertMessage_PFMBestValueReadFailed");
    } else if (writtenAfterStoring) {
        showFailure("ViewController_AlertMessage_PFMBestValueWriteFailed_Stored", *writtenAfterStoring);
    }
}

void MeterDialogue::showFailure(const char* key, std::optional<qint32> bestValue)
{
    const QString message = bestValue ? Localization::text(QLatin1String(key), Localization::Placeholder::bestValue,
                                                           QString::number(*bestValue))
                                      : text(key);
    AlertPresenter::shared().beginSheet(host.sheetAnchor(), Alert::failure(message), {});
}

void MeterDialogue::dispatchDeviceReply(qint64 command, const TavrendelPFMModel* model)
{
    switch (command) {
    case TavrendelPFMCommand::TimeRead:
        if (model) {
            handleTimeRead(model->parseDictionary());
        } else {
            refuseReply(command, QStringLiteral("there is no reply object"));
        }
        break;
    case TavrendelPFMCommand::MemoryRead:
        if (model) {
            handleMemoryRead(model->parseDictionary());
        } else {
            refuseReply(command, QStringLiteral("there is no reply object"));
        }
        break;
    case TavrendelPFMCommand::TimeWrite:
        clockThenErase.clockSet = true;
        eraseWhenClockSet();
        if (std::exchange(clockOnlyAsked, false)) {
            showNotice("ViewController_AlertMessage_PFMClockSetOnly", AlertSymbol::checkmark);
        }
        break;
    case TavrendelPFMCommand::MemoryClear:
        handleClearDone();
        break;
    case TavrendelPFMCommand::BestValueWrite:
        bestValueAfterStoring.reset();
        Console::printLine(QStringLiteral("寫入儀器BestValue"));
        if (manager) {
            manager->SendReadBestValue();
        }
        break;
    case TavrendelPFMCommand::BestValueRead:
        Console::printLine(QStringLiteral("讀取儀器BestValue"));
        NotificationCenter::shared().post(QLatin1String(MeterReplyReader::bestValueNotification), bestValueUserInfo(model));
        break;
    default:
        break;
    }
}

// The user information of a best-value read: {"BestValue": the reply's "bestValue"}, empty when
// the reply holds none.
QVariantMap MeterDialogue::bestValueUserInfo(const TavrendelPFMModel* model)
{
    const QVariantMap reply = model ? model->parseDictionary() : QVariantMap();
    const auto found = reply.constFind(TavrendelPFMKey::BestValue);
    if (found == reply.constEnd()) {
        return {};
    }
    return {{QLatin1String(MeterReplyReader::bestValueKey), *found}};
}

void MeterDialogue::handleTimeRead(const QVariantMap& reply)
{
    const MeterReplyRead<QDateTime> clock = MeterReplyReader::readClock(reply);
    if (!clock.value) {
        refuseReply(TavrendelPFMCommand::TimeRead, clock.fault);
        return;
    }
    const QDateTime now = AppClock::now();
    Console::printLine(QStringLiteral("PFM_UTC : ") + clock.value->toString(Qt::ISODate) + QStringLiteral("\nLocal_UTC : ")
                       + now.toString(Qt::ISODateWithMs));
    const double difference = static_cast<double>(qAbs(now.msecsTo(*clock.value))) / 1000.0;
    Console::printLine(QStringLiteral("時間差 : ") + QString::number(difference));
    if (difference > clockTolerance) {
        Console::printLine(QStringLiteral("超過合理值,需校正儀器時間"));
        showClockAlert();
        return;
    }
    presentUserChoice();
}

void MeterDialogue::showClockAlert()
{
    // The first button erases the meter's readings; "Not now" changes nothing and is the safe one.
    const Alert alert{text("ViewController_AlertMessage_PFMDifferentTime"),
                      AlertSymbol::questionmark,
                      {text("ViewController_AlertMessage_PFMDifferentTime_SyncTimeClear"),
                       text("ViewController_AlertMessage_PFMDifferentTime_SyncTimeOnly"),
                       text("ViewController_AlertMessage_PFMDifferentTime_No")},
                      Alert::thirdButton};
    const QPointer<MeterDialogue> self(this);
    AlertPresenter::shared().beginSheet(host.sheetAnchor(), alert, [self](int response) {
        if (self) {
            self->handleClockAlertResponse(response);
        }
    });
}

void MeterDialogue::handleClockAlertResponse(int response)
{
    switch (response) {
    case Alert::firstButton:
        Console::printLine(QStringLiteral("Sync. date&time&data"));
        clockThenErase = ClockThenErase{true, false, false};
        if (manager) {
            manager->SendWriteTime(AppClock::now());
        }
        AppClock::after(followUpDelay, this, [this] {
            clockThenErase.delayOver = true;
            eraseWhenClockSet();
        });
        break;
    case Alert::secondButton:
        Console::printLine(QStringLiteral("Sync. date&time only"));
        if (manager) {
            clockOnlyAsked = true;
            manager->SendWriteTime(AppClock::now());
        }
        break;
    case Alert::thirdButton:
        Console::printLine(QStringLiteral("No"));
        // The sync ends here: the user hears that nothing changed and nothing was downloaded.
        showNotice("ViewController_AlertMessage_PFMClockNotChanged", AlertSymbol::exclamationmark);
        break;
    default:
        Console::printLine(QStringLiteral("Other"));
        break;
    }
}

// The erase the clock alert asked for: once its delay is over and the meter has set its clock. A
// clock that could not be set leaves the readings in the meter.
void MeterDialogue::eraseWhenClockSet()
{
    if (!clockThenErase.asked || !clockThenErase.delayOver || !clockThenErase.clockSet) {
        return;
    }
    clockThenErase = ClockThenErase{};
    sendClear(ClearStep::withoutDownload);
}

// A clear the user asked for is confirmed, and so is the clock alert's erase of readings that were
// never downloaded; a clear after a download is the expected end of its step.
void MeterDialogue::handleClearDone()
{
    const char* key = nullptr;
    switch (std::exchange(pendingClear, ClearStep::none)) {
    case ClearStep::onRequest:
        key = "ViewController_AlertMessage_PFMCleared";
        break;
    case ClearStep::withoutDownload:
        key = "ViewController_AlertMessage_PFMClockSetErased";
        break;
    default:
        return;
    }
    showNotice(key, AlertSymbol::checkmark);
}

void MeterDialogue::showNotice(const char* key, AlertSymbol symbol)
{
    AlertPresenter::shared().beginSheet(host.sheetAnchor(), Alert{text(key), symbol, {}}, {});
}

void MeterDialogue::sendClear(ClearStep step)
{
    if (manager) {
        pendingClear = step;
        manager->SendClearMrmory();
    }
}

void MeterDialogue::presentUserChoice()
{
    // The visible page settles its unsaved edits first, as before a page switch; while it still
    // holds some, the download stops here and the user presses sync again.
    host.condition().broadcastPageSwitch();
    if (host.pagesHoldUnsavedChanges()) {
        return;
    }
    if (chooseUserSheet) {
        chooseUserSheet->raise();
        return;
    }
    QWidget* anchor = host.sheetAnchor();
    auto* sheet = new ConnectionPFM(anchor ? anchor->window() : nullptr);
    sheet->setDelegate(this);
    chooseUserSheet = sheet;
    sheet->open();
}

void MeterDialogue::userDidSelect(const ProfilePtr& profile, bool renew)
{
    Q_UNUSED(renew);
    saveProfile = profile;
    emailRenewStatus = (profile ? profile->email : std::nullopt) == UserDefaultHelper::email();
    forgetReadBack();
    if (manager) {
        manager->SendReadMrmory();
    }
}

void MeterDialogue::handleMemoryRead(const QVariantMap& reply)
{
    // A read-back still awaited belongs to an earlier download: it must never store this one.
    forgetReadBack();
    if (!saveProfile) {
        Console::printLine(QStringLiteral("使用者為空"));
        return;
    }
    const MeterReplyRead<MeterMemory> memory = MeterReplyReader::readMemory(reply);
    if (!memory.value) {
        refuseReply(TavrendelPFMCommand::MemoryRead, memory.fault);
        return;
    }
    Console::printLine(QStringLiteral("PFMData TotalNumber:") + QString::number(memory.value->count));
    if (memory.value->count == 0) {
        Console::printLine(QStringLiteral("尚無資料可讀取"));
        AlertPresenter::shared().runModal(Alert{text("ViewController_AlertMessage_NoData"), AlertSymbol::exclamationmark, {}});
        return;
    }
    // The highest PEF among the readings that can be stored.
    qint32 meterMax = 0;
    for (const MeterReading& reading : memory.value->readings) {
        meterMax = std::max(meterMax, reading.pef);
    }
    Console::printLine(QStringLiteral("PFM中Max PEF 最高值->") + QString::number(meterMax));
    const ProfilePtr profile = fetchReceivingProfile(QStringLiteral("Failed to readBestValue :"));
    if (!profile) {
        return;
    }
    Console::printLine(QStringLiteral("儀器中 PFM value:") + QString::number(meterMax) + QStringLiteral(" > ZA+ Best Value:")
                       + QString::number(profile->best_Value));
    decideBestValue(profile, *memory.value, meterMax);
}

// The receiving profile as the store holds it now (the first with its e-mail), or none, printed
// behind the prefix.
ProfilePtr MeterDialogue::fetchReceivingProfile(const QString& failurePrefix) const
{
    StoreResult<ProfilePtr> found = viewContext().fetchProfile(saveProfile ? saveProfile->email : std::nullopt);
    if (!found) {
        Console::printLine(failurePrefix + found.error().text());
        return nullptr;
    }
    if (!found.value()) {
        Console::printLine(failurePrefix + QStringLiteral("the receiving profile is no longer stored"));
    }
    return found.value();
}

bool MeterDialogue::storeFileInPlace(const char* toldOtherwise)
{
    const StoreStatus inPlace = viewContext().checkFileInPlace();
    if (!inPlace) {
        Console::printLine(QStringLiteral("The meter keeps its readings: ") + inPlace.error().text());
        showFailure(toldOtherwise);
    }
    return inPlace.ok();
}

// Nothing is saved or sent to the meter for a store whose file is no longer the user's.
void MeterDialogue::decideBestValue(const ProfilePtr& profile, const MeterMemory& memory, qint32 meterMax)
{
    if (!storeFileInPlace()) {
        return;
    }
    if (profile->best_Value >= meterMax) {
        // The meter takes the stored best value; the readings are stored at once.
        if (manager) {
            manager->SendWriteBestValue(profile->best_Value);
        }
        if (storeMeterReadings(memory) && manager) {
            bestValueAfterStoring = profile->best_Value;
        }
        return;
    }
    if (meterMax < TrafficLightsController::lowestBestValue || meterMax > TrafficLightsController::highestBestValue) {
        refuseMeterMaximum(memory, meterMax);
        return;
    }
    const std::optional<BestValueType_DB> type = BestValueType_DB::fromDbId(profile->best_Value_Type);
    if (type && type->id == BestValueType_DB::Defaults::Target) {
        askToAdopt(memory, meterMax);
    } else {
        adoptAtOnce(profile, memory, meterMax);
    }
}

// A maximum that no best value can be (a "Hi" reading above 900, say) would move the zones so
// that nearly every reading shows red. It is neither adopted nor written to the meter: the
// readings are stored at once, the profile keeps its best value, and the closing alert says why.
void MeterDialogue::refuseMeterMaximum(const MeterMemory& memory, qint32 meterMax)
{
    Console::printLine(QStringLiteral("Meter maximum outside the best-value range, not taken: ") + QString::number(meterMax));
    storeMeterReadings(memory, std::nullopt, meterMax);
}

void MeterDialogue::askToAdopt(const MeterMemory& memory, qint32 meterMax)
{
    Console::printLine(QStringLiteral("Target"));
    // "No" keeps the stored best value.
    const Alert question = Alert::question(Localization::text(QStringLiteral("ViewController_AlertMessage_PFMAsk"),
                                                              Localization::Placeholder::bestValue,
                                                              QString::number(meterMax)),
                                           AlertSymbol::questionmark);
    const QPointer<MeterDialogue> self(this);
    AlertPresenter::shared().beginSheet(host.sheetAnchor(), question, [self, memory, meterMax](int response) {
        if (self) {
            self->handleBestValueAskResponse(response, memory, meterMax);
        }
    });
}

void MeterDialogue::adoptAtOnce(const ProfilePtr& profile, const MeterMemory& memory, qint32 meterMax)
{
    // Saved before the meter is written: a save that fails ends the download with nothing sent.
    profile->best_Value = meterMax;
    const StoreStatus saved = viewContext().save();
    if (!saved) {
        Console::printLine(QStringLiteral("Failed to readBestValue :") + saved.error().text());
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
        return;
    }
    awaitReadBack(memory, meterMax, std::nullopt);
}

void MeterDialogue::handleBestValueAskResponse(int response, const MeterMemory& memory, qint32 meterMax)
{
    switch (response) {
    case Alert::firstButton:
        Console::printLine(QStringLiteral("Yes"));
        // The agreed best value is saved together with the readings; while the question was
        // open, the store's file may have been replaced.
        if (storeFileInPlace()) {
            awaitReadBack(memory, meterMax, meterMax);
        }
        break;
    case Alert::secondButton:
        Console::printLine(QStringLiteral("No"));
        storeMeterReadings(memory);
        break;
    default:
        Console::printLine(QStringLiteral("Other"));
        break;
    }
}

void MeterDialogue::awaitReadBack(const MeterMemory& memory, qint32 meterMax, std::optional<qint32> bestToSave)
{
    deviceMaxBestValue = meterMax;
    devicePFMData = memory;
    pendingBestValue = bestToSave;
    ViewControllerTag = true;
    if (manager) {
        manager->SendWriteBestValue(meterMax);
    }
}

void MeterDialogue::forgetReadBack()
{
    ViewControllerTag = false;
    devicePFMData.reset();
    pendingBestValue.reset();
}

void MeterDialogue::CheckBestValueWithNotification(const QVariantMap& userInfo)
{
    // A read-back that the download did not ask for is not its business.
    if (!ViewControllerTag) {
        return;
    }
    const std::optional<MeterMemory> memory = devicePFMData;
    const std::optional<qint32> bestToSave = pendingBestValue;
    forgetReadBack();
    const QVariant readBack = userInfo.value(QLatin1String(MeterReplyReader::bestValueKey));
    if (!memory) {
        return;
    }
    if (!MeterReplyReader::number(readBack)) {
        showFailure("ViewController_AlertMessage_PFMBestValueReadFailed");
        return;
    }
    showReadBackAlert(readBack);
    // Stored whether the meter kept the value or not: the readings are what matters.
    storeMeterReadings(*memory, bestToSave);
}

void MeterDialogue::showReadBackAlert(const QVariant& readBack)
{
    const std::optional<double> number = MeterReplyReader::number(readBack);
    const bool kept = number && MeterReplyReader::truncatedInt32(*number) == deviceMaxBestValue;
    const QString message = kept ? Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueDone"),
                                                      Localization::Placeholder::bestValue,
                                                      QString::number(deviceMaxBestValue))
                                 : text("TrafficLightsController_AlertMessage_AskBestValueFailed");
    const AlertSymbol symbol = kept ? AlertSymbol::checkmark : AlertSymbol::exclamationmarkTriangle;
    AlertPresenter::shared().beginSheet(host.sheetAnchor(), Alert{message, symbol, {DialogueButtons::ok()}}, {});
}

bool MeterDialogue::storeMeterReadings(const MeterMemory& memory, std::optional<qint32> bestToSave,
                                       std::optional<qint32> refusedMeterMax)
{
    // Looked at again: a question or a read-back may have come between.
    const ProfilePtr profile = fetchReceivingProfile(QStringLiteral("Failed to ReadMemory :"));
    if (!profile || !storeFileInPlace()) {
        return false;
    }
    const StoreResult<int> stored = MeterReadingStore::store(viewContext(), profile, memory.readings, bestToSave);
    if (!stored) {
        // Nothing is pending after a failed save, and the meter keeps every reading.
        Console::printLine(QStringLiteral("Failed to ReadMemory :") + stored.error().text());
        StoreFailureAlert::show(stored.error().text(), stored.error().fileReplaced);
        return false;
    }
    showStoredAlert(profile, memory.unreadable, refusedMeterMax);
    return true;
}

void MeterDialogue::showStoredAlert(const ProfilePtr& profile, int unreadable, std::optional<qint32> refusedMeterMax)
{
    const bool unreadableLeft = unreadable > 0;
    if (unreadableLeft) {
        Console::printLine(QStringLiteral("Readings left unread in the meter: ") + QString::number(unreadable));
    }
    const QPointer<MeterDialogue> self(this);
    AlertPresenter::shared().beginSheet(host.sheetAnchor(), storedAlert(unreadable, refusedMeterMax),
                                        [self, profile, unreadableLeft](int response) {
                                            if (self) {
                                                self->handleTransferSuccessResponse(response, profile, unreadableLeft);
                                            }
                                        });
}

// The first button confirms the download; after one that left unreadable readings in the meter,
// the second confirms it too and clears the meter all the same.
void MeterDialogue::handleTransferSuccessResponse(int response, const ProfilePtr& profile, bool unreadableLeft)
{
    const bool clearAsked = unreadableLeft && response == Alert::secondButton;
    if (response != Alert::firstButton && !clearAsked) {
        Console::printLine(QStringLiteral("無法辨識"));
        return;
    }
    Console::printLine(QStringLiteral("更新使用者資料"));
    RenewProcess::renewDateLimits(false, profile);
    // Both values are read when the refresh goes out; by then the flag is cleared.
    AppClock::after(followUpDelay, this, [this] {
        host.condition().broadcastDataRefresh(emailRenewStatus, UserDefaultHelper::email().value_or(QString()));
    });
    emailRenewStatus = false;
    devicePFMData.reset();
    // The readings went into the file open when they were saved: one that another program has
    // since put aside keeps them, so the meter keeps them too.
    if ((!unreadableLeft || clearAsked)
        && !storeFileInPlace("ViewController_AlertMessage_PFMStoreReplacedAfterSaving")) {
        return;
    }
    if (!unreadableLeft) {
        sendClear(ClearStep::afterDownload);
    } else if (clearAsked) {
        Console::printLine(QStringLiteral("Clear the meter"));
        sendClear(ClearStep::onRequest);
    }
}
