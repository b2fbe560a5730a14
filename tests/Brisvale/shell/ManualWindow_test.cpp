#include "Brisvale/shell/ManualWindow.h"

#include "support/QtPrinters.h"
#include "support/ReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

QPointer<ManualWindow> shownManual()
{
    QPointer<ManualWindow> manual = new ManualWindow;
    manual->show();
    manual->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(manual));
    return manual;
}

}

// A reader meets the manual as a document and hears it line by line as Down moves the caret, each
// line as the window lays it out; the text it reads holds none of the markers Qt keeps for a
// table's cells.
TEST(ManualWindow, AReaderMovesThroughTheManualByLine)
{
    const QPointer<ManualWindow> manual = shownManual();
    QAccessibleInterface* document = QAccessible::queryAccessibleInterface(manual->browser);
    ASSERT_EQ(document->role(), QAccessible::Document);
    QAccessibleTextInterface* text = document->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->cursorPosition(), 0);
    const QString whole = text->text(0, text->characterCount());
    EXPECT_TRUE(whole.startsWith(QStringLiteral("Brisvale user manual\n")));
    for (const char16_t marker : {u'\uFDD0', u'\uFDD1', u'\u2029'}) {
        EXPECT_FALSE(whole.contains(QChar(marker))) << int(marker);
    }

    const ReaderEvents reader;
    int previousEnd = 0;
    int start = 0;
    EXPECT_EQ(text->textAtOffset(0, QAccessible::LineBoundary, &start, &previousEnd),
              QStringLiteral("Brisvale user manual\n"));
    for (int step = 1; step <= 40; ++step) {
        SCOPED_TRACE(step);
        QTest::keyClick(manual->browser, Qt::Key_Down);
        int end = 0;
        const QString line = text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
        EXPECT_EQ(start, previousEnd) << "each Down reads the line after the one before";
        EXPECT_GT(end, start);
        EXPECT_EQ(line, whole.mid(start, end - start));
        previousEnd = end;
    }
    EXPECT_EQ(reader.ofType(QAccessible::TextCaretMoved).size(), 40);
    manual->close();
}

// Tab goes from the text straight to Close (through the contents' links a reader heard nothing),
// and Shift+Tab back; Space and Return press Close.
TEST(ManualWindow, TabReachesCloseWhichClosesTheWindow)
{
    for (const Qt::Key press : {Qt::Key_Space, Qt::Key_Return}) {
        SCOPED_TRACE(press);
        const QPointer<ManualWindow> manual = shownManual();
        QPushButton* close = manual->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
        ASSERT_EQ(QApplication::focusWidget(), manual->browser);
        QTest::keyClick(manual->browser, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), close);
        QTest::keyClick(close, Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), manual->browser);
        close->setFocus();
        QTest::keyClick(close, press);
        EXPECT_TRUE(!manual || manual->isHidden());
    }
}

// Return or Enter follows the link that the arrow keys moved the caret onto, at its start, within
// it or just after it: the caret goes to the section the link names, in view, and a reader is told
// of it there. Elsewhere in the text they do nothing; they closed the window, wherever the caret
// stood.
TEST(ManualWindow, ReturnFollowsTheLinkAtTheCaret)
{
    const struct {
        const char* name;
        const char* text; // in the contents
        int into;         // how far into the text the caret is moved
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* section; // where the caret goes; none: it stays
    } cases[] = {
        {"Return at a link's start", "The side menu", 0, Qt::Key_Return, Qt::NoModifier, "The side menu"},
        {"Enter within a link", "Backup and restore", 4, Qt::Key_Enter, Qt::KeypadModifier, "Backup and restore"},
        {"Return just after a link", "Reports", 7, Qt::Key_Return, Qt::NoModifier, "Reports"},
        {"Return in the text", "Contents:", 2, Qt::Key_Return, Qt::NoModifier, nullptr},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QPointer<ManualWindow> manual = shownManual();
        QTextBrowser* browser = manual->browser;
        while (!browser->textCursor().block().text().startsWith(QLatin1String("Contents:"))) {
            QTest::keyClick(browser, Qt::Key_Down);
        }
        const qsizetype at = browser->textCursor().block().text().indexOf(QLatin1String(test.text));
        ASSERT_GE(at, 0);
        for (qsizetype step = 0; step < at + test.into; ++step) {
            QTest::keyClick(browser, Qt::Key_Right);
        }
        const int caret = browser->textCursor().position();
        const ReaderEvents reader;
        QTest::keyClick(browser, test.key, test.modifiers);
        ASSERT_TRUE(manual && manual->isVisible());
        if (!test.section) {
            EXPECT_EQ(browser->textCursor().position(), caret);
        } else {
            const QTextBlock reached = browser->textCursor().block();
            EXPECT_EQ(reached.text(), QLatin1String(test.section));
            EXPECT_EQ(reached.blockFormat().headingLevel(), 2);
            EXPECT_EQ(browser->textCursor().position(), reached.position());
            EXPECT_TRUE(browser->viewport()->rect().contains(browser->cursorRect()));
            EXPECT_FALSE(reader.ofType(QAccessible::TextCaretMoved).isEmpty());
        }
        manual->close();
    }
}
