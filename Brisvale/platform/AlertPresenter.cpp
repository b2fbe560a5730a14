#include "Brisvale/platform/AlertPresenter.h"

#include "Brisvale/platform/AlertDialog.h"
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/platform/ModalParent.h"
#include "Brisvale/platform/PopoverPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <algorithm>

namespace {

// The alert with the titles of the buttons it shows.
Alert resolved(const Alert& alert)
{
    Alert shown = alert;
    shown.buttons = alert.buttonTitles();
    return shown;
}

bool hasFileType(const QString& path, const QString& fileType)
{
    return fileType.isEmpty()
           || QFileInfo(path).suffix().compare(fileType, Qt::CaseInsensitive) == 0;
}

// An alert's safe button is one of its buttons: a programming error otherwise. The message is not
// printed, as it may name a person.
void checkSafeButton(const Alert& alert)
{
    if (!alert.hasResponse(alert.safeButton)) {
        Fatal::stop(QStringLiteral("The safe button %1 is not one of the alert's %2 buttons")
                        .arg(alert.safeButton)
                        .arg(alert.buttonTitles().size()));
    }
}

void checkScriptedButton(const Alert& alert, int response)
{
    if (!alert.hasResponse(response)) {
        Fatal::stop(QStringLiteral("The scripted answer %1 names no button of the alert: %2")
                        .arg(response)
                        .arg(alert.message));
    }
}

// An answered alert gives the focus back to the window it stood on, as it was before the alert:
// the window system may give it to another (a popover's alert, to the window under the popover),
// and a popover closes by Escape only while it has the focus.
void giveBackFocus(QWidget* window)
{
    if (window && window->isVisible()) {
        window->activateWindow();
    }
}

// The shown buttons of a window, not of the dialogs it opened, in global coordinates.
QRect buttonsOf(const QWidget& window)
{
    QRect buttons;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->window() == &window && button->isVisibleTo(&window)) {
            buttons |= QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        }
    }
    return buttons;
}

// The places an alert may take around `keepClear`, `gap` away from it: centred on one axis,
// just past the rectangle on the other.
QList<QPoint> placesAround(QSize frame, QPoint centred, const QRect& keepClear)
{
    const int gap = PopoverPresenter::gap;
    return {centred,
            QPoint(centred.x(), keepClear.top() - gap - frame.height()),
            QPoint(centred.x(), keepClear.bottom() + 1 + gap),
            QPoint(keepClear.left() - gap - frame.width(), centred.y()),
            QPoint(keepClear.right() + 1 + gap, centred.y())};
}

}

AlertPresenter& AlertPresenter::shared()
{
    static AlertPresenter presenter;
    return presenter;
}

int AlertPresenter::runModal(const Alert& alert)
{
    checkSafeButton(alert);
    if (script_) {
        return scriptedAlert(alert);
    }
    const ModalParent parent(QApplication::activeWindow());
    AlertDialog dialog(alert, parent.window());
    dialog.setWindowModality(Qt::ApplicationModal);
    placeAlert(dialog);
    const int response = dialog.exec();
    giveBackFocus(parent.window());
    return response;
}

void AlertPresenter::beginSheet(QWidget* anchor, const Alert& alert, Completion completion)
{
    QWidget* window = anchor ? anchor->window() : nullptr;
    if (!window) {
        Fatal::stop(QStringLiteral("A sheet needs a window: ") + alert.message);
    }
    checkSafeButton(alert);
    std::erase_if(windows_, [](const WindowSheets& entry) { return entry.window.isNull(); });
    WindowSheets* entry = sheetsOf(window);
    if (!entry) {
        windows_.push_back(WindowSheets{window, {}, false});
        entry = &windows_.back();
    }
    entry->sheets.push_back(Sheet{anchor, resolved(alert), std::move(completion), nextSerial_++});
    showNextSheet(window);
}

std::optional<QString> AlertPresenter::chooseFolder(QWidget* parent, const QString& title)
{
    if (script_) {
        return scriptedPanel(parent, title, QString(), true);
    }
    const ModalParent window(parent);
    QFileDialog dialog(window.window(), title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> AlertPresenter::chooseFile(QWidget* parent, const QString& title,
                                                  const QString& fileType)
{
    if (script_) {
        return scriptedPanel(parent, title, fileType, false);
    }
    const ModalParent window(parent);
    QFileDialog dialog(window.window(), title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!fileType.isEmpty()) {
        dialog.setNameFilter(QStringLiteral("*.") + fileType);
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().constFirst();
    return hasFileType(path, fileType) ? std::optional<QString>(path) : std::nullopt;
}

int AlertPresenter::sheetCount(QWidget* anchor) const
{
    const QWidget* window = anchor ? anchor->window() : nullptr;
    for (const WindowSheets& entry : windows_) {
        if (window && entry.window.data() == window) {
            return static_cast<int>(entry.sheets.size());
        }
    }
    return 0;
}

std::optional<QPoint> AlertPresenter::alertTopLeft(QSize frame, const QRect& centreOn, const QRect& keepClear,
                                                   const QRect& bounds)
{
    const QPoint centred(centreOn.x() + (centreOn.width() - frame.width()) / 2,
                         centreOn.y() + (centreOn.height() - frame.height()) / 2);
    std::optional<QPoint> nearest;
    for (const QPoint place : placesAround(frame, centred, keepClear)) {
        const QRect rect(place, frame);
        const bool fits = bounds.contains(rect) && !rect.intersects(keepClear);
        if (fits && (!nearest || (place - centred).manhattanLength() < (*nearest - centred).manhattanLength())) {
            nearest = place;
        }
    }
    return nearest;
}

void AlertPresenter::placeAlert(QWidget& alert)
{
    const QWidget* popover = PopoverPresenter::popoverOf(alert.parentWidget());
    const QWidget* window = popover && popover->parentWidget() ? popover->parentWidget()->window() : nullptr;
    if (!window) {
        return;
    }
    alert.adjustSize();
    // The alert's window frame is taken to be that of the popover's window: it is known only once
    // the alert is shown.
    const QSize frame = alert.size() + window->frameGeometry().size() - window->geometry().size();
    const QRect room = window->screen() ? window->screen()->availableGeometry() : window->frameGeometry();
    for (const QRect& keepClear : {popover->frameGeometry(), buttonsOf(*popover)}) {
        for (const QRect& bounds : {window->frameGeometry(), room}) {
            if (const std::optional<QPoint> place = alertTopLeft(frame, window->frameGeometry(), keepClear, bounds)) {
                alert.move(*place);
                return;
            }
        }
    }
    const QRect centreOn = window->frameGeometry();
    alert.move(centreOn.topLeft() + QPoint(centreOn.width() - frame.width(), centreOn.height() - frame.height()) / 2);
}

void AlertPresenter::setScript(AlertScript* script)
{
    // Sheets of the previous answerer can no longer be answered.
    script_ = script;
    windows_.clear();
}

AlertPresenter::WindowSheets* AlertPresenter::sheetsOf(const QWidget* window)
{
    const auto found = std::find_if(windows_.begin(), windows_.end(), [window](const WindowSheets& entry) {
        return window && entry.window.data() == window;
    });
    return found == windows_.end() ? nullptr : &*found;
}

void AlertPresenter::showNextSheet(QWidget* window)
{
    WindowSheets* entry = sheetsOf(window);
    if (!entry || entry->showing || entry->sheets.empty()) {
        return;
    }
    entry->showing = true;
    Sheet& sheet = entry->sheets.front();
    sheet.shownOrder = nextShownOrder_++;
    if (!script_) {
        openSheetDialog(window, sheet);
        return;
    }
    script_->record(Presentation{Presentation::Kind::sheet, sheet.alert, window, {}, {}});
    if (script_->hasAnswer()) {
        const AlertScript::Answer answer = script_->takeAnswer();
        if (answer.kind != AlertScript::Answer::Kind::button) {
            Fatal::stop(QStringLiteral("A sheet was scripted a panel's answer: ") + sheet.alert.message);
        }
        checkScriptedButton(sheet.alert, answer.response);
        postScriptedAnswer(window, sheet.serial, answer.response);
    }
}

void AlertPresenter::openSheetDialog(QWidget* window, const Sheet& sheet)
{
    auto* dialog = new AlertDialog(sheet.alert, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<QWidget> target(window);
    const quint64 serial = sheet.serial;
    connect(dialog, &QDialog::finished, this, [this, target, serial](int response) {
        if (target) {
            giveBackFocus(target);
            finishSheet(target, serial, response);
        }
    });
    placeAlert(*dialog);
    dialog->open();
}

void AlertPresenter::postScriptedAnswer(QWidget* window, quint64 serial, int response)
{
    ++answersInFlight_;
    const QPointer<QWidget> target(window);
    QMetaObject::invokeMethod(
        this,
        [this, target, serial, response] {
            --answersInFlight_;
            if (target) {
                finishSheet(target, serial, response);
            }
        },
        Qt::QueuedConnection);
}

void AlertPresenter::finishSheet(QWidget* window, quint64 serial, int response)
{
    const QPointer<QWidget> target(window);
    WindowSheets* entry = sheetsOf(window);
    if (!entry || !entry->showing || entry->sheets.empty() || entry->sheets.front().serial != serial) {
        return;
    }
    Sheet sheet = std::move(entry->sheets.front());
    entry->sheets.pop_front();
    // The window stays busy while the completion runs, so a sheet it begins waits its turn.
    if (sheet.completion && sheet.anchor) {
        sheet.completion(response);
    }
    if (!target) {
        return;
    }
    if (WindowSheets* after = sheetsOf(target)) {
        after->showing = false;
    }
    showNextSheet(target);
    std::erase_if(windows_, [](const WindowSheets& item) { return item.window.isNull() || item.sheets.empty(); });
}

bool AlertPresenter::answerShownSheet(QWidget* anchor, int response)
{
    const QWidget* window = anchor ? anchor->window() : nullptr;
    const WindowSheets* chosen = nullptr;
    for (const WindowSheets& entry : windows_) {
        if (!entry.showing || entry.sheets.empty() || entry.window.isNull()) {
            continue;
        }
        if (window ? entry.window.data() == window
                   : !chosen || entry.sheets.front().shownOrder < chosen->sheets.front().shownOrder) {
            chosen = &entry;
        }
    }
    if (!chosen) {
        return false;
    }
    checkScriptedButton(chosen->sheets.front().alert, response);
    finishSheet(chosen->window.data(), chosen->sheets.front().serial, response);
    return true;
}

std::optional<QString> AlertPresenter::scriptedPanel(QWidget* parent, const QString& title,
                                                     const QString& fileType, bool folder)
{
    const auto kind = folder ? Presentation::Kind::folderPanel : Presentation::Kind::filePanel;
    QWidget* window = parent ? parent->window() : QApplication::activeWindow();
    script_->record(Presentation{kind, Alert{}, window, title, fileType});
    if (!script_->hasAnswer()) {
        Fatal::stop(QStringLiteral("No scripted answer for the panel: ") + title);
    }
    const AlertScript::Answer answer = script_->takeAnswer();
    if (answer.kind == AlertScript::Answer::Kind::button) {
        Fatal::stop(QStringLiteral("A panel was scripted a button's answer: ") + title);
    }
    if (answer.kind == AlertScript::Answer::Kind::cancel || !hasFileType(answer.path, fileType)) {
        return std::nullopt;
    }
    return answer.path;
}

int AlertPresenter::scriptedAlert(const Alert& alert)
{
    const Alert shown = resolved(alert);
    script_->record(Presentation{Presentation::Kind::alert, shown, QApplication::activeWindow(), {}, {}});
    if (!script_->hasAnswer()) {
        Fatal::stop(QStringLiteral("No scripted answer for the alert: ") + alert.message);
    }
    const AlertScript::Answer answer = script_->takeAnswer();
    if (answer.kind != AlertScript::Answer::Kind::button) {
        Fatal::stop(QStringLiteral("An alert was scripted a panel's answer: ") + alert.message);
    }
    checkScriptedButton(shown, answer.response);
    return answer.response;
}
