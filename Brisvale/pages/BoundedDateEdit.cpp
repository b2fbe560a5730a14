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
#include <QMouseEvent>
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
}

void BoundedDateEdit::announceDate()
{
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
    if (calendarTable && watched == calendarTable->window()) {
        if (event->type() == QEvent::Show) {
            setCalendarTableListening(true);
        } else if (event->type() == QEvent::Hide) {
            setCalendarTableListening(false);
            // An announcement made stays unsaid when the calendar opens again.
            if (calendarNotice) {
                calendarNotice->hide();
            }
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

void BoundedDateEdit::keyPressEvent(QKeyEvent* event)
{
    const bool opening = event->key() == Qt::Key_F4 ||
                         (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
    if (opening && calendarPopup() && !isReadOnly()) {
        openCalendar();
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
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
    if (state != QValidator::Invalid) {
        return state;
    }
    // A whole date outside the bounds may still be on its way to one inside them.
    return locale().toDate(input, displayFormat()).isValid() ? QValidator::Intermediate : state;
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
    int widest = measured;
    for (int month = 1; month <= 12; ++month) {
        widest = std::max(widest, width(QDateTime(QDate(date().year(), month, 28), QTime(0, 0))));
    }
    hint.rwidth() += widest - measured;
    return hint;
}
