#pragma once

#include <QDateEdit>
#include <QPointer>

class QAbstractItemView;

// A date picker whose day, month and year can be typed digit by digit inside its bounds.
// A plain QDateEdit refuses a digit that leaves the bounds on its own: with the 16th as the
// minimum, the "2" of "20" is dropped and the 20th can't be typed at all. Here such a text stays
// as an unfinished entry; an entry finished outside the bounds goes back to the previous date.
// The field is as wide as the widest date of the year needs, not only the texts of its bounds.
// The date picks from a pop-up calendar. Each change of the date is announced to a screen reader
// with the date's text, and the calendar, while hidden, announces nothing.
class BoundedDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit BoundedDateEdit(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize widened(QSize hint) const;
    void quietenHiddenCalendar();
    void setCalendarTableListening(bool listening);

    // The date's text as a reader was last told it.
    QString announcedText;
    // The day table of the pop-up calendar; none when the calendar has no item view.
    QPointer<QAbstractItemView> calendarTable;
};
