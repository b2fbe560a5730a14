#include "Brisvale/pages/FilterControls.h"

#include "Brisvale/pages/BoundedDateEdit.h"
#include "Brisvale/pages/PageCard.h"
#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/PopUpAccessible.h"
#include "Brisvale/records/SelectTimeFormat_DB.h"
#include "Brisvale/records/TableLookup.h"
#include "Brisvale/records/UserDefaultHelper.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

namespace {

using DayRange = SelectDateFormat_DB::Defaults;

// A picked day at the time of day the picker held before. A time that the zone skips that day
// becomes the start of the day.
QDateTime onDay(QDate day, QTime time)
{
    const QDateTime moment(day, time);
    return moment.isValid() ? moment : day.startOfDay();
}

int popUpIndex(DayRange range)
{
    return static_cast<int>(range);
}

QString optionalMomentText(const std::optional<QDateTime>& moment)
{
    return moment ? Console::momentText(*moment) : QStringLiteral("none");
}

}

FilterControls::FilterControls(QDateEdit* fromEdit, QDateEdit* toEdit, QComboBox* day,
                               QComboBox* time, std::function<void()> changedAction, QObject* parent)
    : QObject(parent), dayPopUp(day), timePopUp(time), changed(std::move(changedAction))
{
    fromPicker.edit = fromEdit;
    toPicker.edit = toEdit;
    connectPicker(fromPicker);
    connectPicker(toPicker);
    connect(dayPopUp, &QComboBox::activated, this, &FilterControls::ChangeDayHandler);
    connect(timePopUp, &QComboBox::activated, this, &FilterControls::ChangeTimeHandler);
}

FilterControls::Widgets FilterControls::makeWidgets(QWidget* parent, const QString& fromPickerName,
                                                   const QString& toPickerName)
{
    QLabel* fromCaption = PageCard::makeValue(QStringLiteral("From_Lab"), parent);
    QDateEdit* fromPicker = makePicker(fromPickerName, parent);
    QLabel* toCaption = PageCard::makeValue(QStringLiteral("To_Lab"), parent);
    QDateEdit* toPicker = makePicker(toPickerName, parent);
    // The captions name the pickers for a screen reader; the pop-ups' captions are for a reader only.
    fromCaption->setBuddy(fromPicker);
    toCaption->setBuddy(toPicker);
    auto* dayPopUp = new QComboBox(parent);
    dayPopUp->setObjectName(QStringLiteral("dayPopUp"));
    QLabel* dayCaption = Accessibility::captionForReader(*dayPopUp, QStringLiteral("FilterControls_DayRange"));
    PopUpAccessible::speakChoice(*dayPopUp);
    auto* timePopUp = new QComboBox(parent);
    timePopUp->setObjectName(QStringLiteral("timePopUp"));
    QLabel* timeCaption = Accessibility::captionForReader(*timePopUp, QStringLiteral("FilterControls_TimeOfDay"));
    PopUpAccessible::speakChoice(*timePopUp);
    return {fromCaption, fromPicker, toCaption, toPicker, dayCaption, dayPopUp, timeCaption, timePopUp};
}

QHBoxLayout* FilterControls::makeRow(const Widgets& widgets)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    std::apply([row](auto*... widget) { (row->addWidget(widget), ...); }, widgets);
    row->addStretch(1);
    return row;
}

QDateEdit* FilterControls::makePicker(const QString& objectName, QWidget* parent)
{
    auto* picker = new BoundedDateEdit(parent);
    picker->setObjectName(objectName);
    picker->setTimeSpec(Qt::LocalTime);
    picker->setCalendarPopup(true);
    return picker;
}

void FilterControls::connectPicker(Picker& picker)
{
    connect(picker.edit, &QDateEdit::editingFinished, this, [this, &picker] { pickerEdited(picker); });
    const auto dayPicked = [this, &picker](QDate day) {
        picker.edit->setDate(day);
        pickerEdited(picker);
    };
    connect(picker.edit->calendarWidget(), &QCalendarWidget::clicked, this, dayPicked);
    connect(picker.edit->calendarWidget(), &QCalendarWidget::activated, this, dayPicked);
}

void FilterControls::pickerEdited(const Picker& picker)
{
    if (picker.shown.isValid() && picker.edit->date() != picker.shown.date()) {
        dateSelected();
    }
}

void FilterControls::commitPickers()
{
    for (QDateEdit* edit : {fromPicker.edit, toPicker.edit}) {
        if (auto* typed = qobject_cast<BoundedDateEdit*>(edit)) {
            typed->finishTyping();
        } else {
            edit->interpretText();
        }
    }
    for (const Picker* picker : {&fromPicker, &toPicker}) {
        if (picker->shown.isValid() && picker->edit->date() != picker->shown.date()) {
            dateSelected();
            return;
        }
    }
}

QDateTime FilterControls::momentOf(const Picker& picker)
{
    if (!picker.shown.isValid() || picker.edit->date() == picker.shown.date()) {
        return picker.shown;
    }
    return onDay(picker.edit->date(), picker.shown.time());
}

void FilterControls::showInPicker(Picker& picker, const std::optional<QDateTime>& moment)
{
    if (!moment) {
        return;
    }
    picker.shown = *moment;
    picker.edit->setDate(moment->date());
}

void FilterControls::setBounds(const std::optional<QDateTime>& minimum,
                               const std::optional<QDateTime>& maximum)
{
    for (QDateEdit* edit : {fromPicker.edit, toPicker.edit}) {
        edit->clearMinimumDate();
        edit->clearMaximumDate();
        if (minimum) {
            edit->setMinimumDate(minimum->date());
        }
        if (maximum) {
            edit->setMaximumDate(maximum->date());
        }
    }
}

void FilterControls::fillPopUps()
{
    for (const SelectTimeFormat_DB& row : timeOfDayTable()) {
        timePopUp->addItem(Localization::text(row.i18nKey));
    }
    for (const SelectDateFormat_DB& row : dateRangeTable()) {
        dayPopUp->addItem(Localization::text(row.i18nKey));
    }
    timePopUp->setCurrentIndex(-1);
    dayPopUp->setCurrentIndex(-1);
}

void FilterControls::printChoice(const QComboBox* popUp) const
{
    if (consoleLines == ConsoleLines::overview) {
        Console::printLine(QStringLiteral("使用者改變數值：") + popUp->currentText() + QStringLiteral(" index:")
                           + QString::number(popUp->currentIndex()));
    }
}

void FilterControls::ChangeDayHandler()
{
    printChoice(dayPopUp);
    const std::optional<SelectDateFormat_DB> row =
        TableLookup::at(dateRangeTable(), dayPopUp->currentIndex());
    if (row) {
        applyDayRange(*row);
    }
}

void FilterControls::applyDayRange(const SelectDateFormat_DB& row)
{
    UserDefaultHelper::setDate(row.showValue);
    if (!row.day) {
        const std::optional<QDateTime> limitFrom = UserDefaultHelper::limitFrom();
        const std::optional<QDateTime> limitTo = UserDefaultHelper::limitTo();
        setBounds(limitFrom, limitTo);
        if (limitTo) {
            UserDefaultHelper::setTo(limitTo);
        }
        if (limitFrom) {
            UserDefaultHelper::setFrom(limitFrom);
        }
    } else {
        setBounds(std::nullopt, std::nullopt);
        const QDateTime now = AppClock::now();
        UserDefaultHelper::setTo(now);
        UserDefaultHelper::setFrom(now.addDays(-*row.day));
        if (consoleLines == ConsoleLines::overview) {
            Console::printLine(QStringLiteral("現在時間->") + Console::momentText(now) + QStringLiteral(" 變更天數->")
                               + Console::momentText(now.addDays(-*row.day)));
        }
    }
    showInPicker(toPicker, UserDefaultHelper::to());
    showInPicker(fromPicker, UserDefaultHelper::from());
    changed();
}

void FilterControls::ChangeTimeHandler()
{
    printChoice(timePopUp);
    const std::optional<SelectTimeFormat_DB> row =
        TableLookup::at(timeOfDayTable(), timePopUp->currentIndex());
    if (row) {
        UserDefaultHelper::setTime(row->showValue);
        changed();
    }
}

void FilterControls::dateSelected()
{
    const QDateTime from = momentOf(fromPicker);
    const QDateTime to = momentOf(toPicker);
    if (!from.isValid() || !to.isValid()) {
        return; // no stored window has been shown: there is nothing to take
    }
    if (to.date() < from.date()) {
        showInPicker(fromPicker, UserDefaultHelper::from());
        showInPicker(toPicker, UserDefaultHelper::to());
        return;
    }
    UserDefaultHelper::setFrom(from);
    UserDefaultHelper::setTo(to);
    fromPicker.shown = from;
    toPicker.shown = to;
    changed();
    matchDayRange(from, to);
}

void FilterControls::matchDayRange(const QDateTime& from, const QDateTime& to)
{
    const std::optional<DayRange> preset = matchingPreset(
        from, to, UserDefaultHelper::limitFrom(), UserDefaultHelper::limitTo(), AppClock::now());
    if (!preset) {
        dayPopUp->setCurrentIndex(-1);
        UserDefaultHelper::setDate(std::nullopt);
        return;
    }
    if (*preset == DayRange::ALL && consoleLines == ConsoleLines::dataPage) {
        Console::printLine(QStringLiteral("它们是同一天"));
    }
    dayPopUp->setCurrentIndex(popUpIndex(*preset));
    applyDayRange(SelectDateFormat_DB::row(*preset));
}

std::optional<SelectDateFormat_DB::Defaults> FilterControls::matchingPreset(
    const QDateTime& from, const QDateTime& to, const std::optional<QDateTime>& limitFrom,
    const std::optional<QDateTime>& limitTo, const QDateTime& now)
{
    const QDate fromDay = from.toLocalTime().date();
    const QDate toDay = to.toLocalTime().date();
    if (limitFrom && limitTo && fromDay == limitFrom->toLocalTime().date()
        && toDay == limitTo->toLocalTime().date()) {
        return DayRange::ALL;
    }
    const QDateTime today = now.toLocalTime();
    if (toDay != today.date()) {
        return std::nullopt;
    }
    for (const DayRange range : {DayRange::THIRTY_DAY, DayRange::SEVEN_DAY}) {
        if (fromDay == today.addDays(-*SelectDateFormat_DB::row(range).day).date()) {
            return range;
        }
    }
    return std::nullopt;
}

void FilterControls::restoreFilterControls()
{
    const std::optional<QString> time = UserDefaultHelper::time();
    const std::optional<SelectTimeFormat_DB> timeRow =
        time ? SelectTimeFormat_DB::fromShowValue(*time) : std::nullopt;
    timePopUp->setCurrentIndex(timeRow ? static_cast<int>(timeRow->id) : -1);

    const std::optional<QString> date = UserDefaultHelper::date();
    const std::optional<SelectDateFormat_DB> dayRow =
        date ? SelectDateFormat_DB::fromShowValue(*date) : std::nullopt;
    dayPopUp->setCurrentIndex(dayRow ? popUpIndex(dayRow->id) : -1);
    if (dayRow && !dayRow->day) {
        setBounds(UserDefaultHelper::limitFrom(), UserDefaultHelper::limitTo());
    } else if (dayRow) {
        setBounds(std::nullopt, std::nullopt);
    }
    if (consoleLines == ConsoleLines::overview) {
        Console::printLine(QStringLiteral("目前日期 ") + optionalMomentText(UserDefaultHelper::from()) + QLatin1Char(' ')
                           + optionalMomentText(UserDefaultHelper::to()));
    }
    showInPicker(fromPicker, UserDefaultHelper::from());
    showInPicker(toPicker, UserDefaultHelper::to());
}
