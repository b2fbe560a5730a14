#pragma once

#include "TavrendelPFMSDK/TavrendelPFMDelegate.h"
#include "TavrendelPFMSDK/TavrendelPFMError.h"
#include "TavrendelPFMSDK/TavrendelPFMModel.h"
#include "TavrendelPFMSDK/TavrendelPFMReply.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <concepts>
#include <cstddef>
#include <functional>
#include <memory>

class TavrendelPFMSimulator;

// The meter manager: the one way to the peak-flow meter. Each Send call answers later, through
// the reply block, on the GUI thread's event loop and in the order the calls were made, never
// inside the call itself. Connection reports reach the delegate the same way, in order with the
// replies; a report goes only to the delegate set when the change happened. A failed command
// carries an error; a successful time, memory or best-value read carries a reply object.
//
// The manager lives on the GUI thread and is called there. This build reaches the meter simulated
// by TavrendelPFMSimulator; the USB link to a real meter is not part of it.
class TavrendelPFM : public QObject {
    Q_OBJECT

public:
    using ReadDataModelBlock = std::function<void(bool success, qint64 command,
                                                  std::shared_ptr<const TavrendelPFMModel> model,
                                                  std::shared_ptr<const TavrendelPFMError> error)>;

    // The environment variable naming the JSON description of the simulated meter.
    static constexpr const char* simulatorVariable = "TAVRENDEL_PFM_SIMULATOR";

    // The one manager, made on the first call: present only when TAVRENDEL_PFM_SIMULATOR names a
    // usable meter description. Without the variable there is no manager (null); a description
    // that cannot be used prints why on the console (as a warning) and gives none either.
    static std::shared_ptr<TavrendelPFM> sharedManager();

    // Test seam: forgets the one manager, so that the next sharedManager call looks at the
    // environment again. Holders of the old manager keep it.
    static void resetSharedManager();

    // A manager in front of the given meter (a new default meter when null), made on the GUI
    // thread or moved there.
    explicit TavrendelPFM(std::shared_ptr<TavrendelPFMSimulator> meter);
    ~TavrendelPFM() override;

    // The delegate, held weakly: a QObject that implements TavrendelPFMDelegate. Setting one
    // while a meter is attached reports the connection to it (later, like every report).
    template <typename Delegate>
        requires std::derived_from<Delegate, QObject> && std::derived_from<Delegate, TavrendelPFMDelegate>
    void setDelegate(Delegate* delegate)
    {
        changeDelegate(delegate, delegate);
    }
    void setDelegate(std::nullptr_t) { changeDelegate(nullptr, nullptr); }

    // Registers the block that receives every reply of every command, replacing the previous
    // one; an empty block drops the replies. Replies go to the block registered when they are
    // delivered, so clearing it stops replies still on their way.
    void getReadDataModelBlock(ReadDataModelBlock block);

    bool IsDeviceConnect() const;
    void SendReadTime();                       // reply 46: "year" ... "second"
    void SendWriteTime(const QDateTime& date); // reply 42: the meter's clock set to the date
    void SendReadMrmory();                     // reply 47: "historyMeasuremeNumber", "MData"
    void SendClearMrmory();                    // reply 45: the memory emptied
    void SendWriteBestValue(qint32 value);     // reply 63: the value stored
    void SendReadBestValue();                  // reply 74: "bestValue"

    // The simulated meter behind the manager, for tests to script.
    const std::shared_ptr<TavrendelPFMSimulator>& simulator() const { return meter; }

private:
    void changeDelegate(QObject* object, TavrendelPFMDelegate* delegate);
    void post(TavrendelPFMReply reply);
    void deliver(const TavrendelPFMReply& reply) const;
    void postConnection(bool connected);
    void reportConnection(bool connected, quint64 serial) const;

    std::shared_ptr<TavrendelPFMSimulator> meter;
    QPointer<QObject> delegateObject;
    TavrendelPFMDelegate* delegate = nullptr;
    quint64 delegateSerial = 0; // tells each setting of the delegate from the next
    ReadDataModelBlock readDataModelBlock;
};
