#pragma once

#include <QDate>
#include <QDateEdit>
#include <QPointer>
#include <optional>

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
// Alt+Down open the calendar from the keyboard.
// A date is typed as the field shows it, with or without its separators: the first key typed into
// a section that the caret has just entered (by Tab, a click, an arrow or a separator) types over
// the whole section; a section that takes no more digits moves the caret on; and a separator typed
// right after the caret moved on by itself is taken as that move, not as one more. While the keys
// type, the bounds are lifted, so that a date on its way passes through dates outside them (with
// the 9th of March as the maximum, "16" of "16 Feb" is the 16th of March for a moment); when the
// typing ends (the focus leaves, Return, a step), a date outside the bounds goes back to the date
// before the typing. A day typed before its month that the month shown can't hold moves the date
// to the next month that holds it.
// A whole date typed as the field shows it is that date wherever the typing begins: keys begun
// elsewhere than over the first section (after a click into a later one, right of the text, End or
// Backspace) that the caret's section can't take, and that start a whole date, are typed again
// from the first section ("1990/11/02" after a click on the month). Backspace at the start of a
// section goes on into the section before.
// The calendar's day table is named by the month and year it shows, which a reader speaks as the
// calendar opens; a new month in the open calendar is announced with the day chosen in it. The
// field follows the days the arrow keys browse to; Return or a click chooses one, and Escape
// closes the calendar with the date it had before it opened. Once the calendar has hidden, a
// reader is told that the field has the focus again.
class BoundedDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit BoundedDateEdit(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Takes the date typed so far, as the editing finishing does: inside the bounds it is the date,
    // outside them the date before the typing comes back, and the bounds hold again.
    void finishTyping();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSize widened(QSize hint) const;
    void quietenHiddenCalendar();
    void setCalendarTableListening(bool listening);
    void nameCalendarMonth(int year, int month);
    void announceCalendarDay();
    void settleClosedCalendar();
    void openCalendar();
    // A printable key: typed where the caret is, or the keys so far again from the first section.
    void typeCharacter(QKeyEvent* event);
    void retypeFromFirstSection();
    // Each answers whether the key was taken: typed, or a move to the next section.
    bool typeKey(QKeyEvent* event);
    bool typeIntoSection(QKeyEvent* event);
    bool typeSeparator(QKeyEvent* event);
    void followOtherKey(QKeyEvent* event);
    void backOverSeparator();
    void startTyping();
    void enterSectionAfresh();
    // The user put the caret into a section (a click, a move, the focus): the keys typed from now
    // on are a new entry.
    void beginEntry();
    // Whether the keys, typed from the first section on, can still become a whole date as the
    // field shows it: each section's digits (a month's letters), then the field's separator, which
    // may be left out or be any other after a section that takes no more.
    bool beginsWholeDate(const QString& keys) const;
    bool takesMore(QDateTimeEdit::Section section, const QString& typed, QChar key) const;
    bool couldBecome(QDateTimeEdit::Section section, const QString& typed) const;
    bool monthsByName() const;
    // The month (1 to 12) whose name, in the field's form, is the typed text or starts with it; 0
    // for none.
    int monthNameIndex(const QString& typed, bool whole) const;
    // The texts between the sections of the date shown.
    QStringList shownSeparators() const;
    void moveOn(int section);
    bool makeRoomForDay(int section, int day);
    // Whether the digits typed into the section are as many as it takes, or no digit more keeps
    // it a day or a month; none for a name, which Qt completes.
    std::optional<bool> sectionIsFull(QDateTimeEdit::Section section, const QString& typed) const;
    void announceDate();
    void giveReaderValue();
    // Whether Qt sent the event of a date change that the picker announces itself.
    bool isQtsOwnDateEvent(const QAccessibleEvent& event) const;

    // Sits in front of the accessibility update handler that was installed before (or Qt's own
    // bridge to the reader) and forwards every event but those that the pickers hold back.
    static void installReaderEventFilter();
    static void filterReaderEvent(QAccessibleEvent* event);
    static bool heldBack(const QAccessibleEvent& event);

    // The section whose text the keys are typing; -1 when the caret's section is entered afresh and
    // the next key types over it.
    int typedSection = -1;
    // What the keys have typed into that section.
    QString typedText;
    // While a key types into a section that takes more digits: its date is not yet one to move on from.
    bool sectionStillTyped = false;
    // The caret moved on to its section by itself, and nothing has been typed since.
    bool movedOn = false;
    // The printable keys of the entry, whether they may still be a date typed from its start that
    // began elsewhere, and the date before the first.
    QString entryKeys;
    bool entryMayBeginDate = false;
    QDateTime entryDate;
    // While the keys are typed again: the dates they pass through are not announced.
    bool retyping = false;
    // While the keys type a date: the bounds they lifted, and the date before the typing.
    struct LiftedBounds {
        QDateTime minimum;
        QDateTime maximum;
        QDateTime before;
    };
    std::optional<LiftedBounds> liftedBounds;
    // The date and its text as a reader was last told them.
    QDate announcedDate;
    QString announcedText;
    // The day table of the pop-up calendar; none when the calendar has no item view.
    QPointer<QAbstractItemView> calendarTable;
    // The date when the calendar opened, and whether a day was chosen in it since.
    QDateTime dateBeforeCalendar;
    bool dayChosen = false;
    // What a reader is told of a new month in the open calendar; made when first needed.
    QPointer<ReaderNotice> calendarNotice;
};
