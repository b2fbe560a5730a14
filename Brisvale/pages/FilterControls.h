#pragma once

#include "Brisvale/records/SelectDateFormat_DB.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <optional>
#include <tuple>

class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QWidget;

// The reading filter as the overview and the Data page offer it: the From and To pickers, the
// day-range pop-up and the time-of-day pop-up. The filter itself lives only in the application
// state ("from", "to", "date", "time"); the controls show it and write it. After every change of
// the stored filter the page's `changed` action runs (the Data page tells its visible child, the
// overview refreshes its figures).
//
// The pop-ups act on `activated`, so choosing the shown item again applies it again, and setting
// a control from code runs no handler. A picker's date is taken when a day is picked in its
// calendar or when its editing finishes, and only when it differs from the date the controls last
// put into it or took from it.
class FilterControls : public QObject {
    Q_OBJECT

public:
    FilterControls(QDateEdit* fromPicker, QDateEdit* toPicker, QComboBox* dayPopUp,
                   QComboBox* timePopUp, std::function<void()> changed, QObject* parent);

    // The From caption and picker, the To caption and picker, the day-range and time-of-day
    // pop-ups each after its caption for a reader (not shown), as a page shows them.
    using Widgets = std::tuple<QLabel*, QDateEdit*, QLabel*, QDateEdit*, QLabel*, QComboBox*, QLabel*, QComboBox*>;

    // The widgets of a page: the captions "From_Lab" and "To_Lab", the pickers named as given, the
    // pop-ups "dayPopUp" and "timePopUp" with their captions for a reader.
    static Widgets makeWidgets(QWidget* parent, const QString& fromPickerName, const QString& toPickerName);
    // The widgets side by side in that order, then a stretch. A caption for a reader stays in the
    // row, hidden, so that it moves with its pop-up and remains its sibling.
    static QHBoxLayout* makeRow(const Widgets& widgets);
    // A date picker in local time with a calendar to pick from, whose date can also be typed.
    static QDateEdit* makePicker(const QString& objectName, QWidget* parent);

    // Fills the pop-ups with one item per row, the times of day first, then the day ranges.
    void fillPopUps();

    // The day range chosen in its pop-up: stores it and the window it gives, puts the window into
    // the pickers and tells the page.
    void ChangeDayHandler();
    // The time of day chosen in its pop-up: stores it and tells the page.
    void ChangeTimeHandler();
    // Takes the window of the pickers. A To day before the From day is refused: the pickers show
    // the stored window again. Otherwise the window is stored, the page told, and the day-range
    // pop-up made to agree with the window (a matching range snaps the window to its bounds).
    void dateSelected();
    // Puts the stored filter into the controls.
    void restoreFilterControls();
    // Takes a date still being typed into a picker, as its editing finishing would.
    void commitPickers();
    // The console lines of the page the controls serve. The overview's tell each choice in the
    // pop-ups, the window a day range gives and the window put into the pickers; the Data page's
    // tell when picked dates are the days of the first and last readings.
    enum class ConsoleLines { dataPage, overview };
    void setConsoleLines(ConsoleLines lines) { consoleLines = lines; }

    // The day range whose window has the same days as from .. to, if any: ALL first (the days of
    // the first and last readings), then, when `to` is today, 30 days and 7 days.
    static std::optional<SelectDateFormat_DB::Defaults> matchingPreset(
        const QDateTime& from, const QDateTime& to, const std::optional<QDateTime>& limitFrom,
        const std::optional<QDateTime>& limitTo, const QDateTime& now);

private:
    struct Picker {
        QDateEdit* edit = nullptr;
        QDateTime shown; // what the controls last put into the picker or took from it
    };

    void connectPicker(Picker& picker);
    void printChoice(const QComboBox* popUp) const;
    void pickerEdited(const Picker& picker);
    static QDateTime momentOf(const Picker& picker);
    static void showInPicker(Picker& picker, const std::optional<QDateTime>& moment);
    void setBounds(const std::optional<QDateTime>& minimum, const std::optional<QDateTime>& maximum);
    void applyDayRange(const SelectDateFormat_DB& row);
    void matchDayRange(const QDateTime& from, const QDateTime& to);

    Picker fromPicker;
    Picker toPicker;
    QComboBox* dayPopUp = nullptr;
    QComboBox* timePopUp = nullptr;
    ConsoleLines consoleLines = ConsoleLines::dataPage;
    std::function<void()> changed;
};
