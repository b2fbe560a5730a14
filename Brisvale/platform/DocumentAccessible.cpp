#include "Brisvale/platform/DocumentAccessible.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* browser = qobject_cast<QTextBrowser*>(object);
    return className == QLatin1String("QTextBrowser") && browser ? new DocumentAccessible(browser) : nullptr;
}

// A text as a reader takes it: paragraphs end in a line feed, not in Qt's paragraph separator.
QString readerText(QString text)
{
    return text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
}

}

void DocumentAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
}

DocumentAccessible::DocumentAccessible(QTextBrowser* browser) : QAccessibleWidget(browser, QAccessible::Document) {}

QTextBrowser* DocumentAccessible::browser() const
{
    return static_cast<QTextBrowser*>(widget());
}

QAccessible::State DocumentAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void* DocumentAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : QAccessibleWidget::interface_cast(type);
}

void DocumentAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = browser()->textCursor();
    const bool selected = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = selected ? cursor.selectionStart() : 0;
    *endOffset = selected ? cursor.selectionEnd() : 0;
}

int DocumentAccessible::selectionCount() const
{
    return browser()->textCursor().hasSelection() ? 1 : 0;
}

void DocumentAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void DocumentAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        QTextCursor cursor = browser()->textCursor();
        cursor.clearSelection();
        browser()->setTextCursor(cursor);
    }
}

void DocumentAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0) {
        return;
    }
    const int count = characterCount();
    QTextCursor cursor(browser()->document());
    cursor.setPosition(std::clamp(startOffset, 0, count));
    cursor.setPosition(std::clamp(endOffset, 0, count), QTextCursor::KeepAnchor);
    browser()->setTextCursor(cursor);
}

int DocumentAccessible::cursorPosition() const
{
    return browser()->textCursor().position();
}

void DocumentAccessible::setCursorPosition(int position)
{
    setSelection(0, position, position);
}

QString DocumentAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? QString() : QAccessibleWidget::text(t);
}

QString DocumentAccessible::text(int startOffset, int endOffset) const
{
    const int count = characterCount();
    QTextCursor cursor(browser()->document());
    cursor.setPosition(std::clamp(startOffset, 0, count));
    cursor.setPosition(std::clamp(endOffset, 0, count), QTextCursor::KeepAnchor);
    return readerText(cursor.selectedText());
}

// A line is a line as the browser lays it out, with the space where it wraps, or the line feed
// when it ends a paragraph: the lines follow each other without a gap.
QString DocumentAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const
{
    const QTextBlock block = browser()->document()->findBlock(offset);
    const QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
    if (boundaryType != QAccessible::LineBoundary || !layout || layout->lineCount() == 0) {
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
    const QTextLine line = layout->lineForTextPosition(offset - block.position());
    if (!line.isValid()) {
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
    const bool endsParagraph = line.lineNumber() == layout->lineCount() - 1 && block.next().isValid();
    *startOffset = block.position() + line.textStart();
    *endOffset = *startOffset + line.textLength() + (endsParagraph ? 1 : 0);
    return text(*startOffset, *endOffset);
}

int DocumentAccessible::characterCount() const
{
    return std::max(0, browser()->document()->characterCount() - 1);
}

QRect DocumentAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    QTextCursor cursor(browser()->document());
    cursor.setPosition(offset);
    const QRect caret = browser()->cursorRect(cursor);
    cursor.setPosition(offset + 1);
    const QRect next = browser()->cursorRect(cursor);
    const int width = next.top() == caret.top() ? std::max(1, next.left() - caret.left()) : 1;
    return {browser()->viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height())};
}

int DocumentAccessible::offsetAtPoint(const QPoint& point) const
{
    return browser()->cursorForPosition(browser()->viewport()->mapFromGlobal(point)).position();
}

void DocumentAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    setSelection(0, endIndex, endIndex);
    setSelection(0, startIndex, startIndex);
    browser()->ensureCursorVisible();
}

// The document's text is read without attributes: one run holds all of it, as a reader speaks a
// line run by run.
QString DocumentAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    const int count = characterCount();
    const bool inside = offset >= 0 && offset <= count;
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? count : -1;
    return {};
}
