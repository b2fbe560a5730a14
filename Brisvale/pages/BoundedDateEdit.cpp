#include "Brisvale/pages/BoundedDateEdit.h"

#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/ReaderNotice.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QWheelEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <utility>

namespace {

// Where the pickers' filter sends the events it lets through: the handler installed before it,
// or, when there was none, Qt's bridge to the reader.
QAccessible::UpdateHandler forwardedHandler = nullptr;

// The calendar that holds the widget, if any.
QCalendarWidget* enclosingCalendar(QObject* object)
{
    for (auto* widget = qobject_cast<QWidget*>(object); widget; widget = widget->parentWidget()) {
        if (auto* calendar = qobject_cast<QCalendarWidget*>(widget)) {
            return calendar;
        }
    }
    return nullptr;
}

}

BoundedDateEdit::BoundedDateEdit(QWidget* parent) : QDateEdit(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setCalendarPopup(true);
    // A reader is told the date as the field shows it, from the field itself, whichever way it
    // changed (keys, typing, the calendar, another control).
    announcedDate = date();
    announcedText = text();
    giveReaderValue();
    connect(this, &QDateEdit::dateChanged, this, &BoundedDateEdit::announceDate);
    installReaderEventFilter();
    quietenHiddenCalendar();
    // A click puts the caret into a section afresh.
    lineEdit()->installEventFilter(this);
}

void BoundedDateEdit::announceDate()
{
    if (retyping) {
        return;
    }
    // Noted before it is announced, so that the filter lets the announcement through.
    const QString before = std::exchange(announcedText, text());
    announcedDate = date();
    giveReaderValue();
    Accessibility::announceValue(*this, before, announcedText);
}

void BoundedDateEdit::giveReaderValue()
{
    // Qt's spin-box interface reads a reader's value from a "value" property, which a date edit
    // lacks, so each date read as 0; a reader that speaks a value only when it differs from the
    // last then stayed silent at every second change. The day number tells one date from another.
    setProperty("value", date().toJulianDay());
}

bool BoundedDateEdit::isQtsOwnDateEvent(const QAccessibleEvent& event) const
{
    switch (event.type()) {
    case QAccessible::ValueChanged:
        // Qt's carries the date itself, which a reader can't speak as the field shows it.
        return static_cast<const QAccessibleValueChangeEvent&>(event).value().typeId() != QMetaType::QString;
    case QAccessible::TextUpdated:
        // Qt replaces the text before it tells of the new date; the announcement follows.
        return date() != announcedDate;
    default:
        return false;
    }
}

void BoundedDateEdit::installReaderEventFilter()
{
    // Installed anew with each picker, in front of whatever handles the events now; a filter
    // already in place stays as it is.
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&BoundedDateEdit::filterReaderEvent);
    if (previous != &BoundedDateEdit::filterReaderEvent) {
        forwardedHandler = previous;
    }
}

void BoundedDateEdit::filterReaderEvent(QAccessibleEvent* event)
{
    if (heldBack(*event)) {
        return;
    }
    if (forwardedHandler) {
        forwardedHandler(event);
        return;
    }
    // Qt hands an event to its bridge when no handler stands in front of it: the filter steps
    // aside while the event goes round once more. A table has followed a change of its rows
    // before any handler saw it; on the second round it finds its cells where they are, and only
    // the numbers of its header cells move again (the tables here hide their row headers and
    // never add columns).
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&BoundedDateEdit::filterReaderEvent);
}

bool BoundedDateEdit::heldBack(const QAccessibleEvent& event)
{
    // A widget being destroyed is no longer what it was; its event always passes, and so does the
    // hiding of a calendar's pop-up, which the reader must hear of.
    if (event.type() == QAccessible::ObjectDestroyed || event.type() == QAccessible::ObjectHide) {
        return false;
    }
    if (const auto* picker = qobject_cast<const BoundedDateEdit*>(event.object())) {
        return picker->isQtsOwnDateEvent(event);
    }
    const QCalendarWidget* calendar = enclosingCalendar(event.object());
    return calendar && !calendar->isVisible();
}

void BoundedDateEdit::quietenHiddenCalendar()
{
    // The edit moves its calendar's selection with every change of the date, and the calendar's
    // table tells a reader of each move (focus and selection), even while its pop-up is hidden. The
    // table hears of those moves only while the pop-up shows; it reads the date afresh when shown.
    QCalendarWidget* calendar = calendarWidget();
    calendarTable = calendar ? calendar->findChild<QAbstractItemView*>() : nullptr;
    if (!calendarTable) {
        return;
    }
    calendar->window()->installEventFilter(this);
    setCalendarTableListening(false);
    nameCalendarMonth(calendar->yearShown(), calendar->monthShown());
    connect(calendar, &QCalendarWidget::currentPageChanged, this, &BoundedDateEdit::nameCalendarMonth);
    // Return and a click on a day choose it; the arrow keys only browse.
    connect(calendar, &QCalendarWidget::activated, this, [this] { dayChosen = true; });
    connect(calendar, &QCalendarWidget::clicked, this, [this] { dayChosen = true; });
}

void BoundedDateEdit::settleClosedCalendar()
{
    if (calendarWidget()->isVisible()) {
        return;
    }
    // The field follows the days browsed to; closed without a choice (Escape, a click elsewhere),
    // the calendar leaves the date it found.
    if (!dayChosen && dateTime() != dateBeforeCalendar) {
        setDateTime(dateBeforeCalendar);
    }
    // The calendar's hiding makes the window active again, and a reader then speaks the window and
    // hears nothing more of the field, which never lost Qt's focus: it is told the field has it.
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void BoundedDateEdit::nameCalendarMonth(int year, int month)
{
    // A day reads as its number alone: the table it lies in says the month and the year, which a
    // reader speaks as the focus enters the table, as the calendar opens.
    const QString name = Localization::text(QStringLiteral("BoundedDateEdit_CalendarMonth"))
                             .arg(calendarTable->locale().standaloneMonthName(month), QString::number(year));
    if (name == calendarTable->accessibleName()) {
        return;
    }
    calendarTable->setAccessibleName(name);
    // A new month in the open calendar is announced with the day now chosen, once the table has
    // told of that day (its news would cut the announcement short).
    if (calendarTable->isVisible()) {
        QMetaObject::invokeMethod(this, &BoundedDateEdit::announceCalendarDay, Qt::QueuedConnection);
    }
}

void BoundedDateEdit::announceCalendarDay()
{
    QCalendarWidget* calendar = calendarWidget();
    if (!calendar->isVisible()) {
        return;
    }
    if (!calendarNotice) {
        calendarNotice = new ReaderNotice(calendar);
    }
    calendarNotice->announce(calendar->locale().toString(calendar->selectedDate(), QLocale::LongFormat));
}

void BoundedDateEdit::setCalendarTableListening(bool listening)
{
    calendarTable->model()->blockSignals(!listening);
    calendarTable->selectionModel()->blockSignals(!listening);
    if (listening) {
        calendarTable->viewport()->update();
    }
}

bool BoundedDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
        beginEntry();
    }
    if (calendarTable && watched == calendarTable->window()) {
        if (event->type() == QEvent::Show) {
            setCalendarTableListening(true);
            dateBeforeCalendar = dateTime();
            dayChosen = false;
        } else if (event->type() == QEvent::Hide) {
            setCalendarTableListening(false);
            // An announcement made stays unsaid when the calendar opens again.
            if (calendarNotice) {
                calendarNotice->hide();
            }
            // Settled once the closing is done: a day chosen by Return or a click is told after
            // the calendar has hidden.
            QMetaObject::invokeMethod(this, &BoundedDateEdit::settleClosedCalendar, Qt::QueuedConnection);
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

void BoundedDateEdit::keyPressEvent(QKeyEvent* event)
{
    const bool opening = event->key() == Qt::Key_F4 ||
                         (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
    if (opening && calendarPopup() && !isReadOnly()) {
        finishTyping();
        openCalendar();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool character = typed.size() == 1 && typed.front().isPrint() && !isReadOnly()
                           && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (character) {
        typeCharacter(event);
    } else {
        followOtherKey(event);
    }
}

void BoundedDateEdit::focusInEvent(QFocusEvent* event)
{
    beginEntry();
    QDateEdit::focusInEvent(event);
}

void BoundedDateEdit::focusOutEvent(QFocusEvent* event)
{
    // Ended before Qt tells that the editing finished, so that the date told is the one kept.
    finishTyping();
    QDateEdit::focusOutEvent(event);
}

void BoundedDateEdit::wheelEvent(QWheelEvent* event)
{
    finishTyping();
    QDateEdit::wheelEvent(event);
}

void BoundedDateEdit::mousePressEvent(QMouseEvent* event)
{
    // A press on the arrow opens the calendar, which shows the bounds.
    finishTyping();
    QDateEdit::mousePressEvent(event);
}

void BoundedDateEdit::startTyping()
{
    if (liftedBounds) {
        return;
    }
    liftedBounds = LiftedBounds{minimumDateTime(), maximumDateTime(), dateTime()};
    clearMinimumDate();
    clearMaximumDate();
}

void BoundedDateEdit::finishTyping()
{
    if (!liftedBounds) {
        return;
    }
    const LiftedBounds typed = *std::exchange(liftedBounds, std::nullopt);
    const auto outside = [&typed](QDate day) {
        return day < typed.minimum.date() || day > typed.maximum.date();
    };
    const QDate entered = dateTimeFromText(text()).date();
    if (entered.isValid() && outside(entered)) {
        setDateTime(typed.before);
    } else {
        interpretText();
    }
    if (outside(date())) {
        setDateTime(typed.before);
    }
    setDateTimeRange(typed.minimum, typed.maximum);
    beginEntry();
}

void BoundedDateEdit::enterSectionAfresh()
{
    typedSection = -1;
    typedText.clear();
    movedOn = false;
}

void BoundedDateEdit::beginEntry()
{
    enterSectionAfresh();
    entryKeys.clear();
}

void BoundedDateEdit::typeCharacter(QKeyEvent* event)
{
    if (entryKeys.isEmpty()) {
        // Typed over the first section, the keys begin the date; anywhere else (after a click
        // into a later section, End, or Backspace) they may begin it too.
        entryMayBeginDate = currentSectionIndex() != 0 || typedSection == 0;
        entryDate = dateTime();
    }
    entryKeys += event->text();
    if (typeKey(event) || !entryMayBeginDate || !beginsWholeDate(entryKeys)) {
        return;
    }
    // The caret's section can't take the keys, and they begin a date as the field shows it: they
    // were meant from its start.
    event->accept();
    retypeFromFirstSection();
}

void BoundedDateEdit::retypeFromFirstSection()
{
    entryMayBeginDate = false;
    retyping = true;
    setDateTime(entryDate);
    setSelectedSection(sectionAt(0));
    enterSectionAfresh();
    for (const QChar key : std::as_const(entryKeys)) {
        QKeyEvent retyped(QEvent::KeyPress, key.toUpper().unicode(), Qt::NoModifier, QString(key));
        typeKey(&retyped);
    }
    retyping = false;
    if (date() != announcedDate) {
        announceDate();
    }
}

bool BoundedDateEdit::typeKey(QKeyEvent* event)
{
    return event->text().front().isLetterOrNumber() ? typeIntoSection(event) : typeSeparator(event);
}

bool BoundedDateEdit::typeIntoSection(QKeyEvent* event)
{
    startTyping();
    const int section = currentSectionIndex();
    const bool afresh = section != typedSection;
    if (afresh) {
        setSelectedSection(currentSection());
        typedText.clear();
    }
    const QString typing = typedText + event->text();
    const std::optional<bool> full = sectionIsFull(sectionAt(section), typing);
    if (full.value_or(false) && makeRoomForDay(section, typing.toInt())) {
        event->accept();
        typedSection = section;
        typedText = typing;
        moveOn(section + 1);
        return true;
    }
    const QString before = text();
    // Qt moves on from a section that no digit more can make a date with the rest of the date as
    // it stands: in February, "3" of "30 Apr" moved on.
    sectionStillTyped = full && !*full;
    QDateEdit::keyPressEvent(event);
    sectionStillTyped = false;
    if (currentSectionIndex() != section) {
        typedSection = -1;
        typedText.clear();
        movedOn = true;
        return true;
    }
    // A key the section refuses leaves it as it was, still to be typed over when it was.
    if (text() == before && (!afresh || lineEdit()->hasSelectedText())) {
        return false;
    }
    typedSection = section;
    typedText = typing;
    movedOn = false;
    if (full.value_or(false)) {
        moveOn(section + 1);
    }
    return true;
}

bool BoundedDateEdit::makeRoomForDay(int section, int day)
{
    // A day typed before its month that the month shown can't hold (the 31st in February) would
    // be cut to the month's last day: the date moves on to the next month that holds the day, and
    // the month typed next replaces it.
    if (sectionAt(section) != QDateTimeEdit::DaySection || day > 31 || day <= date().daysInMonth()) {
        return false;
    }
    for (int later = section + 1; later < sectionCount(); ++later) {
        if (sectionAt(later) == QDateTimeEdit::MonthSection) {
            QDate month(date().year(), date().month(), 1);
            while (month.daysInMonth() < day) {
                month = month.addMonths(1);
            }
            setDate(QDate(month.year(), month.month(), day));
            return true;
        }
    }
    return false;
}

void BoundedDateEdit::moveOn(int section)
{
    if (section >= sectionCount()) {
        return;
    }
    setSelectedSection(sectionAt(section));
    typedSection = -1;
    typedText.clear();
    movedOn = true;
}

std::optional<bool> BoundedDateEdit::sectionIsFull(QDateTimeEdit::Section section, const QString& typed) const
{
    // A month's name is whole when Qt knows it, and Qt moves on from it then.
    if (typed.isEmpty() || !std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isDigit(); })) {
        return std::nullopt;
    }
    const int value = typed.toInt();
    switch (section) {
    case QDateTimeEdit::DaySection:
        return typed.size() >= 2 || value * 10 > 31;
    case QDateTimeEdit::MonthSection:
        return typed.size() >= 2 || value * 10 > 12;
    case QDateTimeEdit::YearSection:
        return typed.size() >= (displayFormat().contains(QLatin1String("yyyy")) ? 4 : 2);
    default:
        return std::nullopt;
    }
}

bool BoundedDateEdit::typeSeparator(QKeyEvent* event)
{
    if (movedOn) {
        movedOn = false;
        event->accept();
        return true;
    }
    // Qt takes the field's own separator as a move to the next section, and nothing else.
    const int section = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    enterSectionAfresh();
    return currentSectionIndex() != section;
}

bool BoundedDateEdit::beginsWholeDate(const QString& keys) const
{
    const QStringList separators = shownSeparators();
    if (separators.size() != sectionCount() - 1) {
        return false;
    }
    qsizetype at = 0;
    for (int index = 0; index < sectionCount(); ++index) {
        const QDateTimeEdit::Section section = sectionAt(index);
        QString typed;
        while (at < keys.size() && takesMore(section, typed, keys[at])) {
            typed += keys[at++];
        }
        if (!couldBecome(section, typed)) {
            return false;
        }
        if (at == keys.size()) {
            return true;
        }
        if (typed.isEmpty() || index + 1 == sectionCount()) {
            return false;
        }
        // The next section follows at once, or after the field's separator; after a section that
        // takes no more, any separator.
        const bool whole = sectionIsFull(section, typed).value_or(monthNameIndex(typed, true) > 0);
        const QString& separator = separators.at(index);
        if (keys[at].isLetterOrNumber()) {
            if (!whole) {
                return false;
            }
        } else if (QStringView(keys).mid(at).startsWith(separator)) {
            at += separator.size();
        } else if (whole || separator.startsWith(keys[at])) {
            ++at;
        } else {
            return false;
        }
    }
    return false;
}

bool BoundedDateEdit::takesMore(QDateTimeEdit::Section section, const QString& typed, QChar key) const
{
    if (section == QDateTimeEdit::MonthSection && monthsByName()) {
        return key.isLetter();
    }
    return key.isDigit() && !sectionIsFull(section, typed).value_or(false);
}

bool BoundedDateEdit::couldBecome(QDateTimeEdit::Section section, const QString& typed) const
{
    const int value = typed.toInt();
    switch (section) {
    case QDateTimeEdit::DaySection:
        return typed.size() < 2 || (value >= 1 && value <= 31);
    case QDateTimeEdit::MonthSection:
        if (monthsByName()) {
            return typed.isEmpty() || monthNameIndex(typed, false) > 0;
        }
        return typed.size() < 2 || (value >= 1 && value <= 12);
    case QDateTimeEdit::YearSection:
        return true;
    default:
        return false;
    }
}

bool BoundedDateEdit::monthsByName() const
{
    return displayFormat().contains(QLatin1String("MMM"));
}

int BoundedDateEdit::monthNameIndex(const QString& typed, bool whole) const
{
    const QLocale::FormatType form =
        displayFormat().contains(QLatin1String("MMMM")) ? QLocale::LongFormat : QLocale::ShortFormat;
    for (int month = 1; month <= 12; ++month) {
        const QString name = locale().monthName(month, form);
        if (whole ? name.compare(typed, Qt::CaseInsensitive) == 0 : name.startsWith(typed, Qt::CaseInsensitive)) {
            return month;
        }
    }
    return 0;
}

QStringList BoundedDateEdit::shownSeparators() const
{
    static const QRegularExpression sectionText(QStringLiteral("[\\p{L}\\p{N}]+"));
    const QStringList parts = textFromDateTime(dateTime()).split(sectionText);
    // What stands before the first section and after the last separates nothing.
    return parts.size() < 2 ? QStringList() : parts.mid(1, parts.size() - 2);
}

void BoundedDateEdit::followOtherKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        QDateEdit::keyPressEvent(event);
        return;
    case Qt::Key_Backspace:
        backOverSeparator();
        [[fallthrough]];
    case Qt::Key_Delete:
        QDateEdit::keyPressEvent(event);
        entryKeys.clear();
        typedSection = currentSectionIndex();
        typedText = sectionText(currentSection());
        movedOn = false;
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Moves between the sections; leaving the field ends the typing as the focus goes.
        QDateEdit::keyPressEvent(event);
        beginEntry();
        return;
    default:
        // Any other key (a step, Return, Escape) ends the typing first: a step stays inside the
        // bounds, and the date told when the editing finishes is the one kept.
        finishTyping();
        QDateEdit::keyPressEvent(event);
        beginEntry();
    }
}

void BoundedDateEdit::backOverSeparator()
{
    // Qt's Backspace stops at the start of a section. It goes on over the separator (and a section
    // emptied before it) to the end of the section before, and deletes that section's last
    // character; the section left shows its part of the date again.
    QLineEdit* line = lineEdit();
    if (line->hasSelectedText()) {
        return;
    }
    const QString shown = line->text();
    int caret = line->cursorPosition();
    while (caret > 0 && !shown.at(caret - 1).isLetterOrNumber()) {
        --caret;
    }
    if (caret > 0 && caret != line->cursorPosition()) {
        line->setCursorPosition(caret);
    }
}

void BoundedDateEdit::openCalendar()
{
    // Qt opens its pop-up only for a press on the field's arrow: the key presses there.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = hasFrame();
    option.subControls = QStyle::SC_All;
    const QPointF arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

QValidator::State BoundedDateEdit::validate(QString& input, int& pos) const
{
    const QValidator::State state = QDateEdit::validate(input, pos);
    if (state == QValidator::Invalid) {
        // A whole date outside the bounds may still be on its way to one inside them.
        return locale().toDate(input, displayFormat()).isValid() ? QValidator::Intermediate : state;
    }
    // A section still being typed is not yet a date to move on from; its date is taken with the
    // next key or when the editing finishes.
    return state == QValidator::Acceptable && sectionStillTyped ? QValidator::Intermediate : state;
}

QSize BoundedDateEdit::sizeHint() const
{
    return widened(QDateEdit::sizeHint());
}

QSize BoundedDateEdit::minimumSizeHint() const
{
    return widened(QDateEdit::minimumSizeHint());
}

QSize BoundedDateEdit::widened(QSize hint) const
{
    // Qt measures the texts of the bounds alone: with the 2nd and the 6th as bounds, the 15th
    // between them would be cut. The 28th of every month gives two-digit days and every month name.
    const QFontMetrics metrics = fontMetrics();
    const auto width = [&](const QDateTime& moment) { return metrics.horizontalAdvance(textFromDateTime(moment)); };
    const int measured = std::max(width(minimumDateTime()), width(maximumDateTime()));
    // Qt measures the bounds it holds, which the typing lifts for a while.
    int widest = liftedBounds ? std::max(width(liftedBounds->minimum), width(liftedBounds->maximum)) : measured;
    for (int month = 1; month <= 12; ++month) {
        widest = std::max(widest, width(QDateTime(QDate(date().year(), month, 28), QTime(0, 0))));
    }
    hint.rwidth() += widest - measured;
    return hint;
}
