#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The window that a modal alert or panel stands on while it runs its own event loop. That loop
// may run the deferred delete of a window that was closed (one deleted on close), which would take
// the alert with it: so the alert stands on the nearest window still shown, from the one asked
// for up through the windows that opened it. The windows it stands in are kept while it runs: a
// delete that reaches one of them meanwhile is held back and done once the alert is answered.
class ModalParent : public QObject {
public:
    explicit ModalParent(QWidget* wanted);
    ~ModalParent() override;
    ModalParent(const ModalParent&) = delete;
    ModalParent& operator=(const ModalParent&) = delete;

    // The window to parent the alert to; none when no window is shown.
    QWidget* window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QList<QPointer<QObject>> heldBack_;
};
