#include "Brisvale/pages/FilterControls.h"

#include "Brisvale/pages/PagesTestSupport.h"
#include "support/DateTyping.h"
#include "support/ReaderEvents.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

using DayRange = SelectDateFormat_DB::Defaults;

// The four controls over the stored filter, counting the changes they report.
class FilterControlsTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        fromPicker = FilterControls::makePicker(QStringLiteral("from"), &page);
        toPicker = FilterControls::makePicker(QStringLiteral("to"), &page);
        dayPopUp = new QComboBox(&page);
        timePopUp = new QComboBox(&page);
        controls = new FilterControls(fromPicker, toPicker, dayPopUp, timePopUp, [this] { ++changes; }, &page);
        controls->fillPopUps();
    }

    static void choose(QComboBox* popUp, int index)
    {
        popUp->setCurrentIndex(index);
        emit popUp->activated(index);
    }

    static void pickInCalendar(QDateEdit* picker, QDate day)
    {
        emit picker->calendarWidget()->clicked(day);
    }

    static QDate day(int month, int dayOfMonth) { return QDate(2026, month, dayOfMonth); }

    QWidget page;
    QDateEdit* fromPicker = nullptr;
    QDateEdit* toPicker = nullptr;
    QComboBox* dayPopUp = nullptr;
    QComboBox* timePopUp = nullptr;
    FilterControls* controls = nullptr;
    int changes = 0;
};

}

// Readings between 00:00 and 01:00 sit on the edges of the day ranges; "now" is 10 March 15:20.
TEST_F(FilterControlsTest, EachDayRangeStoresItsWindowAndBoundsAndShowsItsReadingsAtEachTimeOfDay)
{
    const QDateTime first = at(2, 1, 20);
    const QDateTime dayBefore30 = at(2, 8, 23, 59);
    const QDateTime first30 = at(2, 9, 0, 59);
    const QDateTime dayBefore7 = at(3, 3, 23, 30);
    const QDateTime first7 = at(3, 4, 0, 30);
    const QDateTime afternoon = at(3, 6, 12);
    const QDateTime morning = at(3, 9, 8);
    const QDateTime today = at(3, 10, 0, 10);
    storeUser({{first}, {dayBefore30}, {first30}, {dayBefore7}, {first7}, {afternoon}, {morning}, {today}});
    controls->restoreFilterControls();
    const QDate noMinimum = QDateEdit().minimumDate();
    const QDate noMaximum = QDateEdit().maximumDate();

    const struct {
        DayRange range;
        QDateTime from, to;
        QDate minimum, maximum;
        QList<QDateTime> shown[3]; // morning, afternoon, all day
    } cases[] = {
        {DayRange::SEVEN_DAY, at(3, 4, 15, 20), at(3, 10, 15, 20), noMinimum, noMaximum,
         {{today, morning, first7}, {afternoon}, {today, morning, afternoon, first7}}},
        {DayRange::THIRTY_DAY, at(2, 9, 15, 20), at(3, 10, 15, 20), noMinimum, noMaximum,
         {{today, morning, first7, first30},
          {afternoon, dayBefore7},
          {today, morning, afternoon, first7, dayBefore7, first30}}},
        {DayRange::ALL, first, today, first.date(), today.date(),
         {{today, morning, first7, first30},
          {afternoon, dayBefore7, dayBefore30, first},
          {today, morning, afternoon, first7, dayBefore7, first30, dayBefore30, first}}},
    };
    for (const auto& test : cases) {
        for (int timeOfDay = 0; timeOfDay < 3; ++timeOfDay) {
            SCOPED_TRACE(testing::Message() << int(test.range) << " / " << timeOfDay);
            const int before = changes;
            choose(timePopUp, timeOfDay);
            choose(dayPopUp, int(test.range));
            EXPECT_EQ(changes, before + 2);
            EXPECT_EQ(shownMoments(), test.shown[timeOfDay]);
            EXPECT_EQ(UserDefaultHelper::date(), SelectDateFormat_DB::row(test.range).showValue);
            EXPECT_EQ(UserDefaultHelper::from(), test.from);
            EXPECT_EQ(UserDefaultHelper::to(), test.to);
            for (const QDateEdit* picker : {fromPicker, toPicker}) {
                EXPECT_EQ(picker->minimumDate(), test.minimum);
                EXPECT_EQ(picker->maximumDate(), test.maximum);
            }
            EXPECT_EQ(fromPicker->date(), test.from.date());
            EXPECT_EQ(toPicker->date(), test.to.date());
        }
    }
}

TEST_F(FilterControlsTest, AWindowMatchesAPresetOnCalendarDays)
{
    const QDateTime now = at(3, 10, 15, 20);
    const std::optional<QDateTime> limitFrom = at(3, 4, 9);
    const std::optional<QDateTime> limitTo = at(3, 10, 7);
    const struct {
        QDateTime from, to;
        std::optional<QDateTime> limitFrom, limitTo;
        std::optional<DayRange> match;
    } cases[] = {
        // The days of the first and last readings, whatever the times: all, before 7 days.
        {at(3, 4, 23, 59), at(3, 10, 0, 0), limitFrom, limitTo, DayRange::ALL},
        {at(3, 4, 0, 0), at(3, 10, 23, 59), std::nullopt, limitTo, DayRange::SEVEN_DAY},
        {at(2, 9, 1), at(3, 10, 23), limitFrom, limitTo, DayRange::THIRTY_DAY},
        {at(2, 10, 1), at(3, 10, 23), limitFrom, limitTo, std::nullopt},
        {at(3, 4, 9), at(3, 9, 23), std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.from.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(FilterControls::matchingPreset(test.from, test.to, test.limitFrom, test.limitTo, now),
                  test.match);
    }
}

TEST_F(FilterControlsTest, APickedWindowSnapsToTheRangeItMatchesOrDropsTheRange)
{
    storeUser({{at(1, 5, 8)}, {at(3, 9, 8)}});
    choose(dayPopUp, int(DayRange::SEVEN_DAY));
    changes = 0;

    // From today - 29 (a typed date) with To today: 30 days, snapped to now - 29 days .. now.
    fromPicker->setDate(day(2, 9));
    EXPECT_EQ(changes, 0) << "a date set without finishing the edit is not taken";
    emit fromPicker->editingFinished();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(dayPopUp->currentIndex(), int(DayRange::THIRTY_DAY));
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("30 day"));
    EXPECT_EQ(UserDefaultHelper::from(), at(2, 9, 15, 20));

    // From today - 10: no range; the bounds stay as they were.
    fromPicker->setMinimumDate(day(1, 2));
    pickInCalendar(fromPicker, day(2, 28));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(dayPopUp->currentIndex(), -1);
    EXPECT_EQ(UserDefaultHelper::date(), std::nullopt);
    EXPECT_EQ(UserDefaultHelper::from(), at(2, 28, 15, 20));
    EXPECT_EQ(fromPicker->minimumDate(), day(1, 2));

    // Editing that ends on the date already taken takes nothing.
    emit fromPicker->editingFinished();
    EXPECT_EQ(changes, 3);

    // The days of the first and last readings: ALL, and the console is told they are the same days.
    lines.clear();
    fromPicker->setMinimumDate(day(1, 1));
    pickInCalendar(fromPicker, day(1, 5));
    pickInCalendar(toPicker, day(3, 9));
    EXPECT_EQ(dayPopUp->currentIndex(), int(DayRange::ALL));
    EXPECT_EQ(lines.count(QStringLiteral("它们是同一天")), 1);
}

// After "ALL" the pickers carry the limits' times (From 20:00, To 08:00): a one-day window is
// judged by its days, not by those times.
TEST_F(FilterControlsTest, AOneDayWindowIsTakenAndOnlyAToDayBeforeTheFromDayIsRefused)
{
    const QDateTime morning = at(3, 5, 7);
    storeUser({{at(2, 1, 20)}, {at(3, 4, 9)}, {morning}, {at(3, 9, 8)}});
    controls->restoreFilterControls();

    pickInCalendar(fromPicker, day(3, 5));
    EXPECT_EQ(UserDefaultHelper::from(), at(3, 5, 20));
    EXPECT_EQ(fromPicker->date(), day(3, 5)) << "a day picked lands on that local day";
    pickInCalendar(toPicker, day(3, 5));
    EXPECT_EQ(UserDefaultHelper::to(), at(3, 5, 8));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(shownMoments(), QList<QDateTime>{morning});

    pickInCalendar(toPicker, day(3, 4));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(UserDefaultHelper::to(), at(3, 5, 8));
    EXPECT_EQ(UserDefaultHelper::from(), at(3, 5, 20));
    EXPECT_EQ(toPicker->date(), day(3, 5));
}

// With the first reading on the 16th as the From picker's minimum, "2" alone is before it: the
// 20th is still typed digit by digit, and a date finished before the minimum is not taken.
TEST_F(FilterControlsTest, ADayIsTypedDigitByDigitInsideThePickersBounds)
{
    storeUser({{at(2, 16, 8)}, {at(3, 9, 8)}});
    controls->restoreFilterControls();
    page.show();
    const struct {
        const char* typed;
        QDate from;
        int changes;
    } cases[] = {
        {"20", day(2, 20), 1},
        {"3", day(2, 20), 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.typed);
        fromPicker->setFocus();
        fromPicker->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(fromPicker, QString::fromLatin1(test.typed));
        QTest::keyClick(fromPicker, Qt::Key_Return);
        EXPECT_EQ(fromPicker->date(), test.from);
        EXPECT_EQ(UserDefaultHelper::from(), QDateTime(test.from, QTime(8, 0)));
        EXPECT_EQ(changes, test.changes);
    }
}

// A date typed as the picker shows it ("16 Nov 2026", as without a locale of the user's) is that
// date, with or without the separators, also by way of dates outside the readings' days, wherever
// the caret is when the typing begins. The readings' days bound the pickers: Qt moved on from "1"
// of "16", which would make a date after the last reading, and from a full section a typed
// separator moved once more; after a click on the month the picker stayed as it was.
TEST_F(FilterControlsTest, ADateTypedAsThePickerShowsItIsThatDate)
{
    storeUser({{at(1, 5, 8)}, {at(2, 20, 8)}});
    const QLocale userLocale;
    QLocale::setDefault(QLocale::c());
    QDateEdit* from = FilterControls::makePicker(QStringLiteral("typedFrom"), &page);
    QDateEdit* to = FilterControls::makePicker(QStringLiteral("typedTo"), &page);
    QLocale::setDefault(userLocale);
    auto* dayRange = new QComboBox(&page);
    auto* timeOfDay = new QComboBox(&page);
    auto* before = new QLineEdit(&page);
    FilterControls typedControls(from, to, dayRange, timeOfDay, [] {}, nullptr);
    typedControls.fillPopUps();
    typedControls.restoreFilterControls();
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    ASSERT_EQ(to->text(), QStringLiteral("20 Feb 2026"));
    const struct {
        const char* name;
        QDateEdit* picker;
        DateEntry entry;
        const char* typed;
        QDate date;
    } cases[] = {
        {"with separators, after Tab", from, DateEntry::tab, "16 Jan 2026", day(1, 16)},
        {"without separators", from, DateEntry::tab, "16Jan2026", day(1, 16)},
        {"with the day selected", from, DateEntry::firstSectionSelected, "16 Jan 2026", day(1, 16)},
        {"after a click into the picker", from, DateEntry::click, "16 Jan 2026", day(1, 16)},
        {"a one-digit day that takes no more, then a separator", from, DateEntry::tab, "7 Feb 2026", day(2, 7)},
        {"a one-digit day that could take more, then a separator", from, DateEntry::tab, "1 Feb 2026", day(2, 1)},
        {"the 31st over a February shown", to, DateEntry::tab, "31 Jan 2026", day(1, 31)},
        {"without the year", to, DateEntry::tab, "16 Feb", day(2, 16)},
        {"after the last reading: not taken", to, DateEntry::tab, "16 Mar 2026", day(2, 20)},
        {"after a click on the month", from, DateEntry::clickSecondSection, "16 Jan 2026", day(1, 16)},
        {"after a click on the year", to, DateEntry::clickThirdSection, "16 Feb 2026", day(2, 16)},
        {"after a click right of the text", from, DateEntry::clickRightOfText, "7 Feb 2026", day(2, 7)},
        {"without separators, after End", to, DateEntry::end, "31Jan2026", day(1, 31)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        dayRange->setCurrentIndex(int(DayRange::ALL));
        emit dayRange->activated(int(DayRange::ALL));
        typeDate(*test.picker, *before, test.entry, QLatin1String(test.typed));
        QTest::keyClick(test.picker, Qt::Key_Return);
        EXPECT_EQ(test.picker->date(), test.date);
        const std::optional<QDateTime> stored =
            test.picker == from ? UserDefaultHelper::from() : UserDefaultHelper::to();
        EXPECT_EQ(stored->date(), test.date);
        EXPECT_EQ(test.picker->minimumDate(), day(1, 5)) << "the bounds are the readings' days again";
        EXPECT_EQ(test.picker->maximumDate(), day(2, 20));
    }
}

// Bounds on the 2nd and the 6th would size a picker for one-digit days only.
TEST_F(FilterControlsTest, APickerIsWideEnoughForEveryDateBetweenItsBounds)
{
    fromPicker->setDateRange(day(3, 2), day(12, 6));
    for (int month = 3; month <= 11; ++month) {
        SCOPED_TRACE(month);
        QDateEdit exact;
        exact.setDateRange(day(month, 28), day(month, 28));
        EXPECT_GE(fromPicker->sizeHint().width(), exact.sizeHint().width());
        EXPECT_GE(fromPicker->minimumSizeHint().width(), exact.minimumSizeHint().width());
    }
}

// A reader hears the date the picker now shows, from the picker itself, however the date changed;
// the day table of the picker's hidden calendar says nothing.
TEST_F(FilterControlsTest, AChangedDateIsAnnouncedByThePickerAndNotByItsHiddenCalendar)
{
    storeUser({{at(2, 16, 8)}, {at(3, 9, 8)}});
    controls->restoreFilterControls();
    page.show();
    const struct {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"arrow key", [this] {
             fromPicker->setFocus();
             fromPicker->setSelectedSection(QDateTimeEdit::DaySection);
             QTest::keyClick(fromPicker, Qt::Key_Up);
         }},
        {"calendar", [this] { pickInCalendar(fromPicker, day(2, 20)); }},
        {"date range", [this] { choose(dayPopUp, int(DayRange::SEVEN_DAY)); }},
    };
    // The calendar's day table would take the focus and select the new day for a reader: Qt tells
    // an attached reader of each move that its selection hears of.
    const auto* dayTable = fromPicker->calendarWidget()->findChild<QAbstractItemView*>();
    ASSERT_NE(dayTable, nullptr);
    const QSignalSpy tableMoves(dayTable->selectionModel(), &QItemSelectionModel::currentChanged);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QDate before = fromPicker->date();
        ReaderEvents reader;
        test.change();
        ASSERT_NE(fromPicker->date(), before);
        for (const QAccessible::Event type : {QAccessible::ValueChanged, QAccessible::TextUpdated}) {
            QStringList announced;
            for (const ReaderEvents::Event& event : reader.ofType(type)) {
                if (event.object == fromPicker) {
                    announced << event.value;
                }
            }
            EXPECT_TRUE(announced.contains(fromPicker->text())) << type << ": " << announced.join(" | ").toStdString();
        }
        for (const ReaderEvents::Event& event : reader.events) {
            const auto* widget = qobject_cast<QWidget*>(event.object);
            EXPECT_FALSE(widget && (widget == dayTable || dayTable->isAncestorOf(widget))) << "event " << event.type;
        }
        EXPECT_EQ(tableMoves.size(), 0);
    }
}

// Once opened, the calendar's day table holds the picker's date and speaks as the user moves in it.
TEST_F(FilterControlsTest, TheShownCalendarHoldsThePickersDateAndSpeaksItsMoves)
{
    storeUser({{at(2, 16, 8)}, {at(3, 9, 8)}});
    controls->restoreFilterControls();
    page.show();
    fromPicker->setFocus();
    pickInCalendar(fromPicker, day(2, 20));
    fromPicker->setDate(day(2, 24));

    QTest::mouseClick(fromPicker, Qt::LeftButton, {}, QPoint(fromPicker->width() - 6, fromPicker->height() / 2));
    QWidget* popup = fromPicker->calendarWidget()->window();
    ASSERT_TRUE(popup->isVisible());
    auto* dayTable = fromPicker->calendarWidget()->findChild<QAbstractItemView*>();
    ASSERT_NE(dayTable, nullptr);
    EXPECT_EQ(fromPicker->calendarWidget()->selectedDate(), day(2, 24));
    EXPECT_EQ(dayTable->currentIndex().data().toInt(), 24);

    // Qt tells an attached reader of each move that the table's selection hears of.
    const QSignalSpy selections(dayTable->selectionModel(), &QItemSelectionModel::selectionChanged);
    QTest::keyClick(dayTable, Qt::Key_Right);
    EXPECT_EQ(fromPicker->calendarWidget()->selectedDate(), day(2, 25));
    EXPECT_EQ(dayTable->currentIndex().data().toInt(), 25);
    EXPECT_FALSE(selections.isEmpty());
    popup->hide();
}

// F4, a few arrow keys, then the calendar closes. A reader then heard the window and nothing more
// of the picker, which had the focus all along: it is told the picker has the focus once the
// calendar has hidden. Escape kept the day the arrows had browsed to, and the window changed as
// the editing finished, with nothing chosen: Escape leaves the date as it was, Return and a click
// choose.
TEST_F(FilterControlsTest, TheCalendarClosedByEscapeLeavesTheDateAndTheReaderHearsThePickerAgain)
{
    storeUser({{at(2, 16, 8)}, {at(3, 9, 8)}});
    controls->restoreFilterControls();
    auto* elsewhere = new QLineEdit(&page);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    auto* days = fromPicker->calendarWidget()->findChild<QAbstractItemView*>();
    ASSERT_NE(days, nullptr);
    const auto clickOn = [days](int dayOfMonth) {
        for (int row = 1; row < days->model()->rowCount(); ++row) {
            for (int column = 0; column < days->model()->columnCount(); ++column) {
                const QModelIndex cell = days->model()->index(row, column);
                if (cell.data().toInt() == dayOfMonth) {
                    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(cell).center());
                    return;
                }
            }
        }
    };
    const struct {
        const char* name;
        std::function<void()> close;
        QDate from;
        int changes;
    } cases[] = {
        {"Escape", [days] { QTest::keyClick(days, Qt::Key_Escape); }, day(2, 16), 0},
        {"Return", [days] { QTest::keyClick(days, Qt::Key_Return); }, day(2, 19), 1},
        {"a click on a day", [clickOn] { clickOn(24); }, day(2, 24), 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        choose(dayPopUp, int(DayRange::ALL));
        changes = 0;
        fromPicker->setFocus();
        QTest::keyClick(fromPicker, Qt::Key_F4);
        ASSERT_TRUE(days->isVisible());
        for (int step = 0; step < 3; ++step) {
            QTest::keyClick(days, Qt::Key_Right);
        }
        ASSERT_EQ(fromPicker->date(), day(2, 19)) << "the picker follows the days browsed to";
        ReaderEvents reader;
        test.close();
        QCoreApplication::sendPostedEvents();
        ASSERT_FALSE(days->isVisible());
        // Qt moves its focus back as the calendar goes, before it has hidden; the reader is told
        // of the picker after that.
        QWidget* popup = fromPicker->calendarWidget()->window();
        qsizetype hidden = -1;
        qsizetype focused = -1;
        for (qsizetype at = 0; at < reader.events.size(); ++at) {
            const ReaderEvents::Event& event = reader.events.at(at);
            if (event.type == QAccessible::ObjectHide && event.object == popup) {
                hidden = at;
            } else if (event.type == QAccessible::Focus && event.object == fromPicker) {
                focused = at;
            }
        }
        ASSERT_GE(hidden, 0);
        EXPECT_GT(focused, hidden);
        elsewhere->setFocus();
        EXPECT_EQ(fromPicker->date(), test.from);
        EXPECT_EQ(UserDefaultHelper::from(), QDateTime(test.from, QTime(8, 0)));
        EXPECT_EQ(changes, test.changes);
    }
}
