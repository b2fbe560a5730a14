#pragma once

#include <QDate>
#include <QDateEdit>
#include <QPointer>

class QAbstractItemView;
class QAccessibleEvent;
class ReaderNotice;

// A date picker whose day, month and year can be typed digit by digit inside its bounds.
// A plain QDateEdit refuses a digit that leaves the bounds on its own: with the 16th as the
// minimum, the "2" of "20" is dropped and the 20th can't be typed at all. Here such a text stays
// as an unfinished entry; an entry finished outside the bounds goes back to the previous date.
// The field is as wide as the widest date of the year needs, not only the texts of its bounds.
// The date picks from a pop-up calendar. Each change of the date is announced to a screen reader
// once, with the date's text: Qt's own events of the change (its raw date value, its text replaced
// ahead of the change) are held back, and a calendar that is not open announces nothing. F4 and
// Alt+Down open the calendar from the keyboard. The calendar's day table is named by the month and
// year it shows, which a reader speaks as the calendar opens; a new month in the open calendar is
// announced with the day chosen in it.
class BoundedDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit BoundedDateEdit(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize widened(QSize hint) const;
    void quietenHiddenCalendar();
    void setCalendarTableListening(bool listening);
    void nameCalendarMonth(int year, int month);
    void announceCalendarDay();
    void openCalendar();
    void announceDate();
    void giveReaderValue();
    // Whether Qt sent the event of a date change that the picker announces itself.
    bool isQtsOwnDateEvent(const QAccessibleEvent& event) const;

    // Sits in front of the accessibility update handler that was installed before (or Qt's own
    // bridge to the reader) and forwards every event but those that the pickers hold back.
    static void installReaderEventFilter();
    static void filterReaderEvent(QAccessibleEvent* event);
    static bool heldBack(const QAccessibleEvent& event);

    // The date and its text as a reader was last told them.
    QDate announcedDate;
    QString announcedText;
    // The day table of the pop-up calendar; none when the calendar has no item view.
    QPointer<QAbstractItemView> calendarTable;
    // What a reader is told of a new month in the open calendar; made when first needed.
    QPointer<ReaderNotice> calendarNotice;
};
