#include "Brisvale/platform/TextFieldAccessible.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* field = qobject_cast<QLineEdit*>(object);
    // A spin box or a date field tells of its own text; its inner field is not a control of its own.
    if (className != QLatin1String("QLineEdit") || !field
        || field->objectName() == QLatin1String("qt_spinbox_lineedit")) {
        return nullptr;
    }
    return new TextFieldAccessible(field);
}

}

void TextFieldAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
}

TextFieldAccessible::TextFieldAccessible(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

QLineEdit* TextFieldAccessible::field() const
{
    return static_cast<QLineEdit*>(widget());
}

QString TextFieldAccessible::shownText() const
{
    return field()->echoMode() == QLineEdit::Normal ? field()->text() : field()->displayText();
}

QString TextFieldAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? shownText() : QAccessibleWidget::text(t);
}

void TextFieldAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t == QAccessible::Value) {
        replaceText(0, characterCount(), text);
    }
}

QAccessible::State TextFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field()->isReadOnly();
    state.editable = !state.readOnly;
    state.passwordEdit = field()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void* TextFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    switch (type) {
    case QAccessible::TextInterface:
        return static_cast<QAccessibleTextInterface*>(this);
    case QAccessible::EditableTextInterface:
        return static_cast<QAccessibleEditableTextInterface*>(this);
    default:
        return QAccessibleWidget::interface_cast(type);
    }
}

void TextFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const bool selected = selectionIndex == 0 && field()->hasSelectedText();
    *startOffset = selected ? field()->selectionStart() : 0;
    *endOffset = selected ? field()->selectionEnd() : 0;
}

int TextFieldAccessible::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void TextFieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TextFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        field()->deselect();
    }
}

void TextFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0) {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
}

int TextFieldAccessible::cursorPosition() const
{
    return field()->cursorPosition();
}

void TextFieldAccessible::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

QString TextFieldAccessible::text(int startOffset, int endOffset) const
{
    return shownText().mid(startOffset, endOffset - startOffset);
}

int TextFieldAccessible::characterCount() const
{
    return int(shownText().size());
}

// The character's box on the screen, in the field's text area from its left edge.
QRect TextFieldAccessible::characterRect(int offset) const
{
    const QLineEdit& edit = *field();
    const QString shown = shownText();
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect area =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).marginsRemoved(edit.textMargins());
    const QFontMetrics metrics(edit.font());
    const QPoint topLeft(area.left() + metrics.horizontalAdvance(shown.left(offset)), area.top());
    return {edit.mapToGlobal(topLeft), QSize(metrics.horizontalAdvance(shown.at(offset)), area.height())};
}

int TextFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void TextFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

// The field's text has no attributes of its own: one run holds all of it.
QString TextFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    const int count = characterCount();
    const bool inside = offset >= 0 && offset <= count;
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? count : -1;
    return {};
}

void TextFieldAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void TextFieldAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

// A reader edits as the keyboard does, through the field's own editing: the text is selected, then
// typed over. The field's validator, its maximum length and whatever follows the user's edits
// (`textEdited`: a note cell stores its note) all run as for typed keys; a field that is read only
// takes nothing.
void TextFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    QLineEdit& edit = *field();
    const int count = int(edit.text().size());
    const int start = std::clamp(startOffset, 0, count);
    const int end = std::clamp(endOffset, start, count);
    if (edit.isReadOnly() || (start == end && text.isEmpty())) {
        return;
    }
    edit.setCursorPosition(start);
    edit.setSelection(start, end - start);
    edit.insert(text);
}
