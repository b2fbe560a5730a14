#pragma once

#include "Brisvale/platform/Alert.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class AlertScript;

// The one way alerts, sheets and file panels reach the user. Alerts are application-modal and
// block; sheets are window-modal, wait in line on their window (a second sheet shows once the first
// is answered) and hand the response to a completion. Tests install an AlertScript to answer them.
class AlertPresenter : public QObject {
    Q_OBJECT

public:
    using Completion = std::function<void(int response)>;

    static AlertPresenter& shared();

    // Shows the alert application-modally and returns the response (1000 for the first button).
    // It stands on the active window, or on the nearest window that opened it when that one is
    // closing (see ModalParent).
    int runModal(const Alert& alert);

    // Shows the alert as a sheet on the window of the anchor (the page asking), after the sheets
    // already on it. The completion receives the response, always after this call has returned. A
    // sheet whose anchor or window is gone by the time it is answered never completes.
    void beginSheet(QWidget* anchor, const Alert& alert, Completion completion);

    // A modal panel choosing one existing folder; none when the user cancels. Like an alert, it
    // stands on the parent's window or the nearest one still shown.
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title);

    // A modal panel choosing one existing file with the extension fileType (such as "bak", any
    // letter case); none when the user cancels or the choice has another extension.
    std::optional<QString> chooseFile(QWidget* parent, const QString& title, const QString& fileType);

    // The sheets shown or waiting on the anchor's window.
    int sheetCount(QWidget* anchor) const;

    // Where an alert whose frame has the size stands, in global coordinates: centred on
    // `centreOn`, or else moved the least (up, down or sideways) so that it keeps clear of
    // `keepClear`, lying inside `bounds`. None when it can't do both.
    static std::optional<QPoint> alertTopLeft(QSize frame, const QRect& centreOn, const QRect& keepClear,
                                              const QRect& bounds);

    // An alert raised from a popover stands centred on the popover's window, clear of the popover
    // (at least of its buttons), inside that window or else the screen. Others are left where Qt
    // puts a dialog: centred on their parent's window.
    static void placeAlert(QWidget& alert);

private:
    friend class AlertScript;

    struct Sheet {
        QPointer<QWidget> anchor;
        Alert alert;
        Completion completion;
        quint64 serial = 0;     // in the order begun
        quint64 shownOrder = 0; // in the order put on screen
    };
    struct WindowSheets {
        QPointer<QWidget> window;
        std::deque<Sheet> sheets; // the front one is on screen while `showing`
        bool showing = false;
    };

    AlertPresenter() = default;

    void setScript(AlertScript* script);
    WindowSheets* sheetsOf(const QWidget* window);
    void showNextSheet(QWidget* window);
    void openSheetDialog(QWidget* window, const Sheet& sheet);
    void postScriptedAnswer(QWidget* window, quint64 serial, int response);
    void finishSheet(QWidget* window, quint64 serial, int response);
    bool answerShownSheet(QWidget* window, int response);
    std::optional<QString> scriptedPanel(QWidget* parent, const QString& title,
                                         const QString& fileType, bool folder);
    int scriptedAlert(const Alert& alert);

    AlertScript* script_ = nullptr;
    std::vector<WindowSheets> windows_;
    quint64 nextSerial_ = 1;
    quint64 nextShownOrder_ = 1;
    int answersInFlight_ = 0;
};
