#pragma once

#include <QtGlobal>

// What the meter library tells its delegate. Every method is optional: the defaults do nothing.
// The delegate is a QObject as well (the manager holds it weakly) and is called on the GUI thread.
class TavrendelPFMDelegate {
public:
    virtual ~TavrendelPFMDelegate() = default;

    // A meter was attached (also reported when the delegate is set while a meter is attached).
    virtual void PFMDeviceConnect() {}

    // The meter was detached.
    virtual void PFMDeviceDisconnect() {}

    // Raw bytes from the meter's USB link; never called by this build, which has no USB link.
    virtual void usbhidDidRecvData(const quint8* data, qint64 length)
    {
        Q_UNUSED(data);
        Q_UNUSED(length);
    }
};
