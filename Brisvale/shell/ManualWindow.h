#pragma once

#include <QDialog>

class QTextBrowser;

// The user manual in a window of the application's own, for a desktop where no browser can be
// started: the bundled manual in a read-only browser that takes the keyboard focus, a document a
// reader moves through by line (the arrow keys move a caret, Page Up/Down a page; Return or Enter
// follows the link at the caret; Tab reaches the Close button, past the manual's links; Escape
// closes). It is not modal: the main window stays usable beside it.
class ManualWindow : public QDialog {
    Q_OBJECT

public:
    explicit ManualWindow(QWidget* parent = nullptr);

    QTextBrowser* browser = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followLinkAtCaret();
};
