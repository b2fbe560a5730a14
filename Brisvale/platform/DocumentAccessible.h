#pragma once

#include <QAccessibleWidget>

class QTextBrowser;

// What a screen reader is told of a read-only document shown in a text browser (the manual's
// window): a document with a caret, whose text a reader reads line by line as the arrow keys move
// the caret. Qt tells of a read-only text as a label, which a reader speaks once, whole, and then
// leaves.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    // From now on every text browser of the program is told of so. Installing it again changes
    // nothing.
    static void install();

    explicit DocumentAccessible(QTextBrowser* browser);

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(QAccessible::Text t) const override;
    QString text(int startOffset, int endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QTextBrowser* browser() const;
};
