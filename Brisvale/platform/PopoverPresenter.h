#pragma once

#include <QObject>
#include <QRect>
#include <optional>

class QWidget;

// Shows a widget as a popover of an anchor (a button of a page): a frameless tool window over the
// anchor's window, in the look of sheets, beside the anchor on the side with room, wholly inside
// that window (or, when the window has no room for it, inside the screen). It closes, and is
// deleted, when the user clicks outside it and the dialogs it opened, or presses Escape in it,
// and gives the focus back to that window unless another window took it. Both popovers of the
// Data page are presented here.
class PopoverPresenter : public QObject {
public:
    // The side of its anchor where a popover would like to stand; it takes the opposite side when
    // only that one has room.
    enum class Edge {
        right,  // beside the anchor's right edge, tops aligned (else beside its left edge)
        bottom, // below the anchor, left edges aligned (else above it)
    };

    // The room kept between a popover and its anchor, and between a popover and the edges of the
    // window or screen it stands in.
    static constexpr int gap = 8;

    // Presents the popover; it takes the anchor's window as its parent and is deleted on close.
    // Without an anchor it is shown where it is.
    static void present(QWidget* popover, QWidget* anchor, Edge edge);

    // Where a popover of the size stands beside the anchor (both in global coordinates), `gap`
    // away from it: on the anchor's `edge` when it fits there inside `bounds`, else on the
    // opposite side when it fits there. Across that side it is aligned with the anchor and moved
    // the least to lie inside the bounds. None when neither side has room.
    static std::optional<QRect> besideAnchor(QSize size, const QRect& anchor, Edge edge, const QRect& bounds);

    // The presented popover that the widget stands in, or none.
    static QWidget* popoverOf(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PopoverPresenter(QWidget* popover);
    ~PopoverPresenter() override;

    static QRect placement(QSize size, const QWidget& anchor, Edge edge);
    bool isOwnWindow(const QWidget* window) const;
    void giveBackFocus();

    QWidget* popover_;
};
