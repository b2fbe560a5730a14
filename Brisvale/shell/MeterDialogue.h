#pragma once

#include "Brisvale/platform/Alert.h"
#include "Brisvale/records/MeterReplyReader.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/shell/ConnectionPFM.h"
#include "Brisvale/shell/UserList_ReturnDelegate.h"

#include "TavrendelPFMSDK/TavrendelPFMDelegate.h"

#include <QObject>
#include <QPointer>
#include <QVariantMap>
#include <memory>
#include <optional>

class MeterDialogueHost;
class TavrendelPFM;
class TavrendelPFMError;
class TavrendelPFMModel;

// The whole dialogue of a meter download, driven by the main window: the meter's connection
// reports and the sync button, the one reply block through which every reply arrives, the check
// of the meter's clock, the choice of the receiving profile, the memory read, the best value
// (adopted, asked for, written and read back) and the storing of the readings, and after the
// user's confirmation the new current user, the cleared meter and the refreshed page.
//
// A failed reply, or one that is not what the meter sends (a missing key, a value of another
// type, a count that does not match its readings, a clock that forms no date), is printed and ends
// its step with an alert that says what failed and what was kept: nothing is stored or sent that
// the step did not finish. A failed save of the store shows the store-failure alert. A store whose
// file another program replaced or removed while it was open is never written to: nothing is
// stored or sent, the meter keeps its readings, and an alert says so. Readings with
// impossible values or dates are left in the meter: the others are stored, the meter is not
// cleared, and the user is told how many could not be read; the alert also offers to clear the
// meter all the same.
// A meter maximum that no best value can be is never adopted nor written to the meter: the
// profile keeps its best value and the closing alert says why. Everything runs on the GUI thread.
class MeterDialogue : public QObject, public TavrendelPFMDelegate, public UserList_ReturnDelegate {
    Q_OBJECT

public:
    // The meter clock may differ from the computer's by this much before the clock alert.
    static constexpr double clockTolerance = 120.0;
    // The delay before clearing the meter after setting its clock, and before the page refresh
    // after a download (milliseconds).
    static constexpr int followUpDelay = 1000;

    // The manager may be null (no meter library): every meter call is then skipped.
    MeterDialogue(MeterDialogueHost& host, std::shared_ptr<TavrendelPFM> manager, QObject* parent = nullptr);
    ~MeterDialogue() override;

    // Start-up, in the window's order: the library's delegate, the reply block, and the
    // observation of "GetPFMBestValue".
    void attachDelegate();
    void registerReplyBlock();
    void observeBestValueNotification();

    // The sync button's action: reads the meter's clock, the first step of a download.
    void syncButtonPressed();

    // TavrendelPFMDelegate.
    void PFMDeviceConnect() override;
    void PFMDeviceDisconnect() override;

    // UserList_ReturnDelegate: the choose-user sheet's answer; reads the meter's memory into that
    // profile. The renew flag is not used.
    void userDidSelect(const ProfilePtr& profile, bool renew) override;

    // The reply block: every reply of every command.
    void handleDeviceReply(bool success, qint64 command, const std::shared_ptr<const TavrendelPFMModel>& model,
                           const std::shared_ptr<const TavrendelPFMError>& error);

    // The observer of "GetPFMBestValue": the read-back of a best value the download wrote.
    void CheckBestValueWithNotification(const QVariantMap& userInfo);

    // The profile receiving the download, whether it was the current user, whether a read-back is
    // awaited, and the choose-user sheet while it is open.
    const ProfilePtr& receivingProfile() const { return saveProfile; }
    bool receivingCurrentUser() const { return emailRenewStatus; }
    bool isAwaitingReadBack() const { return ViewControllerTag; }
    ConnectionPFM* userSheet() const { return chooseUserSheet; }

private:
    // The clear of the meter's memory awaiting its reply: after a download (its readings are
    // stored), asked for by the clock alert (its readings are discarded without a download), or
    // asked for by the user after a download that left unreadable readings in the meter.
    enum class ClearStep { none, afterDownload, withoutDownload, onRequest };
    // The clock alert's "set the clock and erase": the erase waits for both the delay and the
    // meter's report that its clock is set.
    struct ClockThenErase {
        bool asked = false;
        bool delayOver = false;
        bool clockSet = false;
    };

    void updateDeviceConnection(const QString& text, bool connected, const QString& imageName);
    void dispatchDeviceReply(qint64 command, const TavrendelPFMModel* model);
    void handleFailedReply(qint64 command);
    void refuseReply(qint64 command, const QString& fault);
    void endUnread(qint64 command);
    void handleFailedBestValue(qint64 command);
    // A failure alert on the window: what failed and what was kept ("[:BV]" filled when given).
    void showFailure(const char* key, std::optional<qint32> bestValue = std::nullopt);
    // A message with OK alone, as a sheet on the window.
    void showNotice(const char* key, AlertSymbol symbol);
    void eraseWhenClockSet();
    void sendClear(ClearStep step);
    static QVariantMap bestValueUserInfo(const TavrendelPFMModel* model);

    // The clock check and its alert.
    void handleTimeRead(const QVariantMap& reply);
    void showClockAlert();
    void handleClockAlertResponse(int response);
    void presentUserChoice();

    // The memory download.
    void handleMemoryRead(const QVariantMap& reply);
    ProfilePtr fetchReceivingProfile(const QString& failurePrefix) const;
    // Whether the store's file is still the one open. When another program replaced or removed
    // it, the user is told that nothing was written and the meter keeps its readings.
    // Whether the store's file is still the one open; if not, the user is told so (the key's text).
    bool storeFileInPlace(const char* toldOtherwise = "ViewController_AlertMessage_PFMStoreReplaced");
    void decideBestValue(const ProfilePtr& profile, const MeterMemory& memory, qint32 meterMax);
    void refuseMeterMaximum(const MeterMemory& memory, qint32 meterMax);
    void askToAdopt(const MeterMemory& memory, qint32 meterMax);
    void adoptAtOnce(const ProfilePtr& profile, const MeterMemory& memory, qint32 meterMax);
    void handleBestValueAskResponse(int response, const MeterMemory& memory, qint32 meterMax);
    void awaitReadBack(const MeterMemory& memory, qint32 meterMax, std::optional<qint32> bestToSave);
    void forgetReadBack();
    void showReadBackAlert(const QVariant& readBack);
    // Whether the readings were stored; a failed save is shown in the store-failure alert. A
    // refused meter maximum is named in the closing alert.
    bool storeMeterReadings(const MeterMemory& memory, std::optional<qint32> bestToSave = std::nullopt,
                            std::optional<qint32> refusedMeterMax = std::nullopt);
    void showStoredAlert(const ProfilePtr& profile, int unreadable, std::optional<qint32> refusedMeterMax);
    void handleTransferSuccessResponse(int response, const ProfilePtr& profile, bool unreadableLeft);
    void handleClearDone();

    MeterDialogueHost& host;
    std::shared_ptr<TavrendelPFM> manager;

    ProfilePtr saveProfile;            // the profile chosen to receive the download
    bool emailRenewStatus = false;     // it is the current user
    bool ViewControllerTag = false;    // a best-value read-back of the download is awaited
    qint32 deviceMaxBestValue = 0;     // the best value written, expected back
    std::optional<MeterMemory> devicePFMData;  // the memory read, kept for the read-back
    std::optional<qint32> pendingBestValue;    // an agreed best value, saved with the readings
    std::optional<qint32> bestValueAfterStoring; // the stored best value written, the readings stored
    ClearStep pendingClear = ClearStep::none;
    ClockThenErase clockThenErase;
    // "Set clock only" was answered: the user is told once the meter has set its clock.
    bool clockOnlyAsked = false;
    QPointer<ConnectionPFM> chooseUserSheet;
};
