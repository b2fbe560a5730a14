#pragma once

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTest>

// How the caret comes into a date field before a user types a date into it.
enum class DateEntry {
    tab,                  // Tab from the widget before the field: its first section is selected
    firstSectionSelected, // the field focused with its first section selected
    click,                // a click at the left edge of the field's text
};

// Brings the caret into the field as the entry says (`before` holds the focus before a Tab), then
// types the text key by key. The field's window is shown and active.
inline void typeDate(QDateTimeEdit& field, QWidget& before, DateEntry entry, const QString& typed)
{
    switch (entry) {
    case DateEntry::tab:
        QWidget::setTabOrder(&before, &field);
        before.setFocus();
        QTest::keyClick(&before, Qt::Key_Tab);
        break;
    case DateEntry::firstSectionSelected:
        field.setFocus();
        field.setSelectedSection(field.sectionAt(0));
        break;
    case DateEntry::click: {
        auto* text = field.findChild<QLineEdit*>();
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(3, text->height() / 2));
        break;
    }
    }
    QTest::keyClicks(&field, typed);
}
