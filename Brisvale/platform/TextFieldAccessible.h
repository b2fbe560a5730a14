#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// What a screen reader is told of a one-line text field: its text, caret and selection, where its
// characters are, and the text's attributes as one run over the whole text; a reader can edit it
// as the keyboard does. Qt tells of a field's attributes as a run that holds no character at every
// offset, and a reader (Orca), which speaks a line run by run, then leaves out its last character:
// "46" for 467, "ann@example.co" for ann@example.com.
class TextFieldAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    // From now on every text field of the program is told of so, but the one inside a spin box or
    // a date field, which speaks for it. Called before the first field is shown to a reader.
    static void install();

    explicit TextFieldAccessible(QLineEdit* field);

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* field() const;
    // The text as the field shows it: a password as its mask characters.
    QString shownText() const;
};
