#pragma once

#include <QObject>

class QWidget;

// Shows a widget as a popover of an anchor (a button of a page): a frameless tool window over the
// anchor's window, in the look of sheets, next to the anchor and kept inside that window. It
// closes, and is deleted, when the user clicks outside it and the dialogs it opened, or presses
// Escape in it. Both popovers of the Data page are presented here.
class PopoverPresenter : public QObject {
public:
    // Where the popover stands relative to its anchor.
    enum class Edge {
        right,  // beside the anchor's right edge, tops aligned
        bottom, // below the anchor, left edges aligned
    };

    // Presents the popover; it takes the anchor's window as its parent and is deleted on close.
    // Without an anchor it is shown where it is.
    static void present(QWidget* popover, QWidget* anchor, Edge edge);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PopoverPresenter(QWidget* popover);
    ~PopoverPresenter() override;

    bool isOwnWindow(const QWidget* window) const;

    QWidget* popover_;
};
