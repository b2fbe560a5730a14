#include "TavrendelPFMSDK/TavrendelPFM.h"

#include "TavrendelPFMSDK/TavrendelPFMSimulator.h"
#include "TavrendelPFMSDK/TavrendelPFMSimulatorFile.h"

#include <QCoreApplication>
#include <QThread>
#include <QtDebug>
#include <mutex>

namespace {

struct SharedManager {
    std::mutex lock;
    bool made = false;
    std::shared_ptr<TavrendelPFM> manager;
};

SharedManager& shared()
{
    static SharedManager one;
    return one;
}

std::shared_ptr<TavrendelPFM> managerFromEnvironment()
{
    const QString path = qEnvironmentVariable(TavrendelPFM::simulatorVariable);
    if (path.isEmpty()) {
        return nullptr;
    }
    QString error;
    auto meter = TavrendelPFMSimulatorFile::load(path, error);
    if (!meter) {
        qWarning().noquote() << QStringLiteral("TavrendelPFMSDK: the meter description \"%1\" named by %2 "
                                               "cannot be used: %3. No meter is attached.")
                                    .arg(path, QLatin1String(TavrendelPFM::simulatorVariable), error);
        return nullptr;
    }
    return std::make_shared<TavrendelPFM>(std::move(meter));
}

// Replies and reports are delivered by the event loop of the GUI thread.
void moveToGuiThread(QObject& object)
{
    const QCoreApplication* application = QCoreApplication::instance();
    if (application && object.thread() != application->thread()) {
        object.moveToThread(application->thread());
    }
}

}

std::shared_ptr<TavrendelPFM> TavrendelPFM::sharedManager()
{
    SharedManager& one = shared();
    const std::lock_guard guard(one.lock);
    if (!one.made) {
        one.made = true;
        one.manager = managerFromEnvironment();
    }
    return one.manager;
}

void TavrendelPFM::resetSharedManager()
{
    SharedManager& one = shared();
    const std::lock_guard guard(one.lock);
    one.made = false;
    one.manager.reset();
}

TavrendelPFM::TavrendelPFM(std::shared_ptr<TavrendelPFMSimulator> meter)
    : meter(meter ? std::move(meter) : std::make_shared<TavrendelPFMSimulator>())
{
    moveToGuiThread(*this);
    moveToGuiThread(*this->meter);
    connect(this->meter.get(), &TavrendelPFMSimulator::connectionChanged, this, &TavrendelPFM::postConnection);
}

TavrendelPFM::~TavrendelPFM() = default;

void TavrendelPFM::changeDelegate(QObject* object, TavrendelPFMDelegate* newDelegate)
{
    delegateObject = object;
    delegate = newDelegate;
    ++delegateSerial;
    if (delegate && meter->isConnected()) {
        postConnection(true);
    }
}

void TavrendelPFM::getReadDataModelBlock(ReadDataModelBlock block)
{
    readDataModelBlock = std::move(block);
}

bool TavrendelPFM::IsDeviceConnect() const
{
    return meter->isConnected();
}

void TavrendelPFM::SendReadTime()
{
    post(meter->readTime());
}

void TavrendelPFM::SendWriteTime(const QDateTime& date)
{
    post(meter->writeTime(date));
}

void TavrendelPFM::SendReadMrmory()
{
    post(meter->readMemory());
}

void TavrendelPFM::SendClearMrmory()
{
    post(meter->clearMemory());
}

void TavrendelPFM::SendWriteBestValue(qint32 value)
{
    post(meter->writeBestValue(value));
}

void TavrendelPFM::SendReadBestValue()
{
    post(meter->readBestValue());
}

void TavrendelPFM::post(TavrendelPFMReply reply)
{
    QMetaObject::invokeMethod(this, [this, reply = std::move(reply)] { deliver(reply); }, Qt::QueuedConnection);
}

void TavrendelPFM::deliver(const TavrendelPFMReply& reply) const
{
    // A copy: the block may replace itself while it runs.
    const ReadDataModelBlock block = readDataModelBlock;
    if (block) {
        block(reply.success, reply.command, reply.model, reply.error);
    }
}

void TavrendelPFM::postConnection(bool connected)
{
    QMetaObject::invokeMethod(
        this, [this, connected, serial = delegateSerial] { reportConnection(connected, serial); },
        Qt::QueuedConnection);
}

void TavrendelPFM::reportConnection(bool connected, quint64 serial) const
{
    // Only the delegate set when the change happened hears of it, and only while it lives.
    if (serial != delegateSerial || !delegateObject || !delegate) {
        return;
    }
    if (connected) {
        delegate->PFMDeviceConnect();
    } else {
        delegate->PFMDeviceDisconnect();
    }
}
