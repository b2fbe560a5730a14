#include "Brisvale/pages/BoundedDateEdit.h"

#include "Brisvale/pages/FilterControls.h"
#include "support/DateTyping.h"
#include "support/QtPrinters.h"
#include "support/ReaderEvents.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

// Dates are shown in en_US, as the test program pins it.
namespace {

// A picker of the Overview and the Data page, made while a reader listens, as after start.
class PickerEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        picker = qobject_cast<BoundedDateEdit*>(FilterControls::makePicker(QStringLiteral("from"), &page));
        ASSERT_NE(picker, nullptr);
        picker->setDateRange(QDate(2026, 1, 1), QDate(2026, 12, 31));
        picker->setDate(QDate(2026, 3, 10));
        page.show();
        reader.events.clear();
    }

    // What the reader heard: "value: …" and "text: …" for what names a date, "calendar" for any
    // event of the calendar.
    QStringList heard() const
    {
        QStringList heard;
        for (const ReaderEvents::Event& event : reader.events) {
            const auto* widget = qobject_cast<QWidget*>(event.object);
            if (widget && (widget == picker->calendarWidget() || picker->calendarWidget()->isAncestorOf(widget))) {
                heard << "calendar";
            } else if (event.type == QAccessible::ValueChanged || event.type == QAccessible::TextUpdated) {
                heard << (event.type == QAccessible::ValueChanged ? "value: " : "text: ") + event.value;
            }
        }
        return heard;
    }

    QStringList announced() const { return {"value: " + picker->text(), "text: " + picker->text()}; }

    ReaderEvents reader; // made first: the pickers' filter sits in front of it
    QWidget page;
    BoundedDateEdit* picker = nullptr;
};

}

// Qt's own raw date value and its text replaced ahead of the change were heard besides the
// announcement, and the closed calendar's month button was named anew.
TEST_F(PickerEvents, ADateChangeNamesTheNewDateOnceAndNothingOfTheClosedCalendar)
{
    const struct { const char* name; std::function<void()> change; QDate date; } cases[] = {
        {"another control", [this] { picker->setDate(QDate(2026, 4, 20)); }, QDate(2026, 4, 20)},
        {"arrow key on the month", [this] {
             picker->setSelectedSection(QDateTimeEdit::MonthSection);
             QTest::keyClick(picker, Qt::Key_Up);
         }, QDate(2026, 5, 20)},
        {"calendar pick", [this] { emit picker->calendarWidget()->clicked(QDate(2026, 6, 2)); }, QDate(2026, 6, 2)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        reader.events.clear();
        test.change();
        ASSERT_EQ(picker->date(), test.date);
        EXPECT_EQ(heard(), announced());
    }
}

// F4 and Alt+Down stepped the date down instead.
TEST_F(PickerEvents, TheKeyboardOpensTheCalendarWhichIsHeardWhileOpenAndPicksTheDate)
{
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; } cases[] = {
        {Qt::Key_F4, Qt::NoModifier}, {Qt::Key_Down, Qt::AltModifier}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.key);
        const QDate before = picker->date();
        reader.events.clear();
        QTest::keyClick(picker, test.key, test.modifiers);
        QWidget* popup = picker->calendarWidget()->window();
        ASSERT_TRUE(popup->isVisible());
        EXPECT_TRUE(heard().contains("calendar"));
        EXPECT_EQ(picker->calendarWidget()->selectedDate(), before);

        // The picker follows the calendar's day as it moves, and says so once a move; the day
        // table hears of the move, which Qt tells an attached reader as the table's focus.
        auto* dayTable = picker->calendarWidget()->findChild<QAbstractItemView*>();
        const QSignalSpy tableMoves(dayTable->selectionModel(), &QItemSelectionModel::currentChanged);
        reader.events.clear();
        QTest::keyClick(dayTable, Qt::Key_Right);
        EXPECT_EQ(picker->date(), before.addDays(1));
        EXPECT_FALSE(tableMoves.isEmpty());
        EXPECT_EQ(heard().filter(": "), announced());
        QTest::keyClick(dayTable, Qt::Key_Return);
        EXPECT_FALSE(popup->isVisible());
        EXPECT_EQ(picker->date(), before.addDays(1));
        EXPECT_EQ(heard().filter(": "), announced());
    }
}

// A reader (Orca) compares the picker's value with the one it spoke last and stays silent when
// it is the same; a date edit has no value of Qt's own, so every second change went unspoken.
TEST_F(PickerEvents, EachDateGivesTheReaderAValueOfItsOwn)
{
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(picker);
    ASSERT_NE(field->valueInterface(), nullptr);
    QList<QVariant> values;
    for (const QDate& date : {QDate(2026, 4, 20), QDate(2026, 4, 21), QDate(2026, 4, 20)}) {
        picker->setDate(date);
        values << field->valueInterface()->currentValue();
    }
    EXPECT_NE(values.at(0), values.at(1));
    EXPECT_EQ(values.at(0), values.at(2));
    EXPECT_TRUE(values.at(0).canConvert<double>()) << values.at(0).typeName();
}

// The open calendar's day table is named by the month and the year it shows, which a reader speaks
// as the calendar opens, and a new month is announced with the day chosen in it: a reader heard
// the days' numbers alone.
TEST_F(PickerEvents, TheCalendarSaysItsMonthAndYearWhenItOpensAndWhenTheMonthChanges)
{
    QTest::keyClick(picker, Qt::Key_F4);
    ASSERT_TRUE(picker->calendarWidget()->window()->isVisible());
    auto* dayTable = picker->calendarWidget()->findChild<QAbstractItemView*>();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(dayTable);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("March 2026"));
    const struct {
        Qt::Key key;
        const char* month;
        const char* announced; // none when empty
    } moves[] = {
        {Qt::Key_Right, "March 2026", ""},
        {Qt::Key_PageDown, "April 2026", "Saturday, April 11, 2026"},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.key);
        reader.events.clear();
        QTest::keyClick(dayTable, move.key);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(table->text(QAccessible::Name), QLatin1String(move.month));
        QStringList notices;
        for (const ReaderEvents::Event& event : reader.ofType(QAccessible::ObjectShow)) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(event.object);
            if (shown && shown->role() == QAccessible::Notification) {
                notices << shown->text(QAccessible::Name);
            }
        }
        EXPECT_EQ(notices, *move.announced ? QStringList{QLatin1String(move.announced)} : QStringList());
    }
    // Closed and opened again, the calendar names its month and announces nothing.
    QTest::keyClick(dayTable, Qt::Key_Escape);
    ASSERT_FALSE(picker->calendarWidget()->window()->isVisible());
    reader.events.clear();
    QTest::keyClick(picker, Qt::Key_F4);
    for (const ReaderEvents::Event& event : reader.ofType(QAccessible::ObjectShow)) {
        EXPECT_NE(QAccessible::queryAccessibleInterface(event.object)->role(), QAccessible::Notification);
    }
}

// A whole date typed as the field shows it, in the forms of the regions, is that date wherever the
// caret is when the typing begins: after a click into a later section the keys went into that
// section, and a date came out of the first key the section took and the last.
TEST_F(PickerEvents, AWholeDateTypedFromAnySectionInEachRegionsFormIsThatDate)
{
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    const struct {
        const char* format;
        DateEntry entry;
        const char* typed;
    } cases[] = {
        {"dd.MM.yy", DateEntry::clickSecondSection, "20.11.26"},
        {"dd.MM.yy", DateEntry::clickThirdSection, "201126"},
        {"M/d/yy", DateEntry::clickSecondSection, "11/20/26"},
        {"M/d/yy", DateEntry::clickRightOfText, "11/20/26"},
        {"MM/dd/yy", DateEntry::end, "112026"},
        {"yyyy.MM.dd", DateEntry::clickThirdSection, "2026.11.20"},
        {"d MMMM yyyy", DateEntry::clickSecondSection, "20 November 2026"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.format) + " " + test.typed);
        picker->setDisplayFormat(QLatin1String(test.format));
        picker->setDate(QDate(2026, 3, 10));
        picker->adjustSize();
        typeDate(*picker, page, test.entry, QLatin1String(test.typed));
        QTest::keyClick(picker, Qt::Key_Return);
        EXPECT_EQ(picker->date(), QDate(2026, 11, 20));
    }
}

// Backspace stopped at the start of the day: pressed ten times right of "2026/03/10" it emptied the
// day alone. It goes on from section to section (the section left shows its part of the date
// again), and a whole date typed then is that date.
TEST_F(PickerEvents, BackspaceGoesOnFromSectionToSection)
{
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->adjustSize();
    const struct {
        int presses;
        const char* shown;
    } cases[] = {
        {2, "2026/03/"},
        {3, "2026/0/10"},
        {5, "202/03/10"},
        {10, "/03/10"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.presses);
        picker->setDate(QDate(2026, 3, 10));
        typeDate(*picker, page, DateEntry::clickRightOfText, QString());
        for (int press = 0; press < test.presses; ++press) {
            QTest::keyClick(picker, Qt::Key_Backspace);
        }
        EXPECT_EQ(picker->text(), QLatin1String(test.shown));
        QTest::keyClicks(picker, QStringLiteral("2026/11/20"));
        QTest::keyClick(picker, Qt::Key_Return);
        EXPECT_EQ(picker->date(), QDate(2026, 11, 20));
    }
}
