#include "Brisvale/pages/BoundedDateEdit.h"

#include "Brisvale/platform/Accessibility.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <algorithm>

BoundedDateEdit::BoundedDateEdit(QWidget* parent) : QDateEdit(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setCalendarPopup(true);
    // A reader is told the date as the field shows it, from the field itself, whichever way it
    // changed (keys, typing, the calendar, another control).
    announcedText = text();
    connect(this, &QDateEdit::dateChanged, this, [this] {
        Accessibility::announceValue(*this, announcedText, text());
        announcedText = text();
    });
    quietenHiddenCalendar();
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
        }
    }
    return QDateEdit::eventFilter(watched, event);
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
