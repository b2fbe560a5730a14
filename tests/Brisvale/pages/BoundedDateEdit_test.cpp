#include "Brisvale/pages/BoundedDateEdit.h"

#include "Brisvale/pages/FilterControls.h"
#include "support/QtPrinters.h"
#include "support/ReaderEvents.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

// Dates are shown in en_US, as the test program pins it.
namespace {

// A picker of the Overview and the Data page and one set up as the profile's birth date, each
// made while a reader listens, as the application makes them after start.
class PickerEvents : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (QByteArray(GetParam()) == "range") {
            picker = qobject_cast<BoundedDateEdit*>(FilterControls::makePicker(QStringLiteral("from"), &page));
        } else {
            picker = new BoundedDateEdit(&page);
            picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        }
        ASSERT_NE(picker, nullptr);
        picker->setDateRange(QDate(2026, 1, 1), QDate(2026, 12, 31));
        picker->setDate(QDate(2026, 3, 10));
        page.show();
        picker->setFocus();
        reader.events.clear();
    }

    QAbstractItemView* dayTable() const { return picker->calendarWidget()->findChild<QAbstractItemView*>(); }

    // The values and texts that name a date, as "value: …" and "text: …".
    QStringList namings() const
    {
        QStringList found;
        for (const ReaderEvents::Event& event : reader.events) {
            if (event.type == QAccessible::ValueChanged || event.type == QAccessible::TextUpdated) {
                found << (event.type == QAccessible::ValueChanged ? "value: " : "text: ") + event.value;
            }
        }
        return found;
    }

    bool heardFromCalendar() const
    {
        for (const ReaderEvents::Event& event : reader.events) {
            const auto* widget = qobject_cast<QWidget*>(event.object);
            if (widget && (widget == picker->calendarWidget() || picker->calendarWidget()->isAncestorOf(widget))) {
                return true;
            }
        }
        return false;
    }

    ReaderEvents reader; // made first: the pickers' filter sits in front of it
    QWidget page;
    BoundedDateEdit* picker = nullptr;
};

}

// Qt's own raw date value and its text replaced ahead of the change would be heard besides the
// announcement, and the closed calendar's month button would be named anew.
TEST_P(PickerEvents, ADateChangeNamesTheNewDateOnceAndNothingOfTheClosedCalendar)
{
    const struct {
        const char* name;
        std::function<void()> change;
        QDate date;
    } cases[] = {
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
        EXPECT_EQ(namings(), QStringList({"value: " + picker->text(), "text: " + picker->text()}));
        EXPECT_FALSE(heardFromCalendar());
    }
}

// F4 and Alt+Down did nothing but step the date down.
TEST_P(PickerEvents, TheKeyboardOpensTheCalendarWhichIsHeardWhileOpenAndPicksTheDate)
{
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {{"F4", Qt::Key_F4, Qt::NoModifier}, {"Alt+Down", Qt::Key_Down, Qt::AltModifier}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QDate before = picker->date();
        QTest::keyClick(picker, test.key, test.modifiers);
        QWidget* popup = picker->calendarWidget()->window();
        ASSERT_TRUE(popup->isVisible());
        EXPECT_EQ(picker->date(), before);
        EXPECT_EQ(picker->calendarWidget()->selectedDate(), before);

        reader.events.clear();
        QTest::keyClick(dayTable(), Qt::Key_Right);
        EXPECT_TRUE(heardFromCalendar());
        QTest::keyClick(dayTable(), Qt::Key_Return);
        EXPECT_FALSE(popup->isVisible());
        EXPECT_EQ(picker->date(), before.addDays(1));
        EXPECT_EQ(namings(), QStringList({"value: " + picker->text(), "text: " + picker->text()}));
    }
}

INSTANTIATE_TEST_SUITE_P(BoundedDateEdit, PickerEvents, ::testing::Values("range", "birth date"));
