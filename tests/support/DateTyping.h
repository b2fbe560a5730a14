#pragma once

#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

// How the caret comes into a date field before a user types a date into it.
enum class DateEntry {
    tab,                  // Tab from the widget before the field: its first section is selected
    firstSectionSelected, // the field focused with its first section selected
    click,                // a click at the left edge of the field's text
    clickFirstSection,    // a click amid the text of the field's first, second or third section
    clickSecondSection,
    clickThirdSection,
    clickRightOfText,     // a click between the end of the text and the field's right edge
    end,                  // the field focused, then End
};

// The x at which the field's text shows the character at `position` (its left edge): the caret's
// rectangle less the advance of the text before the caret, plus that of the text before `position`.
inline int textX(const QLineEdit& text, qsizetype position)
{
    const QFontMetrics metrics = text.fontMetrics();
    const QString shown = text.text();
    const int caret = text.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    return caret - metrics.horizontalAdvance(shown.left(text.cursorPosition()))
           + metrics.horizontalAdvance(shown.left(position));
}

// Where the entry clicks into the field's text: amid the section's letters or digits, or right of
// the text.
inline QPoint clickPoint(const QLineEdit& text, DateEntry entry)
{
    const int y = text.height() / 2;
    if (entry == DateEntry::clickRightOfText) {
        return QPoint((textX(text, text.text().size()) + text.width()) / 2, y);
    }
    static const QRegularExpression sectionText(QStringLiteral("[\\p{L}\\p{N}]+"));
    QRegularExpressionMatchIterator sections = sectionText.globalMatch(text.text());
    for (int skipped = int(entry) - int(DateEntry::clickFirstSection); skipped > 0 && sections.hasNext(); --skipped) {
        sections.next();
    }
    const QRegularExpressionMatch section = sections.next();
    return QPoint((textX(text, section.capturedStart()) + textX(text, section.capturedEnd())) / 2, y);
}

// Brings the caret into the field as the entry says (`before` holds the focus before a Tab), then
// types the text key by key. The field's window is shown and active.
inline void typeDate(QDateTimeEdit& field, QWidget& before, DateEntry entry, const QString& typed)
{
    auto* text = field.findChild<QLineEdit*>();
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
    case DateEntry::click:
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(3, text->height() / 2));
        break;
    case DateEntry::end:
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_End);
        break;
    case DateEntry::clickRightOfText:
        QTest::mouseClick(text, Qt::LeftButton, {}, clickPoint(*text, entry));
        EXPECT_EQ(text->cursorPosition(), text->text().size()) << "the click lands right of the text";
        break;
    default:
        QTest::mouseClick(text, Qt::LeftButton, {}, clickPoint(*text, entry));
        EXPECT_EQ(field.currentSectionIndex(), int(entry) - int(DateEntry::clickFirstSection))
            << "the click lands in its section";
        break;
    }
    QTest::keyClicks(&field, typed);
}
