#include "Brisvale/platform/PopoverPresenter.h"

#include "Brisvale/platform/Look.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace {

constexpr char popoverProperty[] = "presentedPopover";

using Edge = PopoverPresenter::Edge;

// The popover's rectangle on the anchor's `edge`, or on the side opposite to it.
QRect onSide(QSize size, const QRect& anchor, Edge edge, bool opposite)
{
    const int gap = PopoverPresenter::gap;
    if (edge == Edge::right) {
        const int x = opposite ? anchor.left() - gap - size.width() : anchor.right() + 1 + gap;
        return QRect(QPoint(x, anchor.top()), size);
    }
    const int y = opposite ? anchor.top() - gap - size.height() : anchor.bottom() + 1 + gap;
    return QRect(QPoint(anchor.left(), y), size);
}

// The rectangle moved the least along the anchor's side (up or down beside it, sideways below
// it) to lie inside the bounds.
QRect slidAlong(QRect rect, Edge edge, const QRect& bounds)
{
    const QPoint inside = Look::popoverTopLeft(rect.size(), rect.topLeft(), bounds);
    edge == Edge::right ? rect.moveTop(inside.y()) : rect.moveLeft(inside.x());
    return rect;
}

// The room beside the anchor inside the bounds: on its `edge`, or on the side opposite to it.
int roomBeside(const QRect& anchor, Edge edge, bool opposite, const QRect& bounds)
{
    if (edge == Edge::right) {
        return opposite ? anchor.left() - bounds.left() : bounds.right() - anchor.right();
    }
    return opposite ? anchor.top() - bounds.top() : bounds.bottom() - anchor.bottom();
}

}

PopoverPresenter::PopoverPresenter(QWidget* popover) : QObject(popover), popover_(popover)
{
    qApp->installEventFilter(this);
}

PopoverPresenter::~PopoverPresenter()
{
    qApp->removeEventFilter(this);
}

std::optional<QRect> PopoverPresenter::besideAnchor(QSize size, const QRect& anchor, Edge edge, const QRect& bounds)
{
    for (const bool opposite : {false, true}) {
        const QRect rect = slidAlong(onSide(size, anchor, edge, opposite), edge, bounds);
        if (bounds.contains(rect)) {
            return rect;
        }
    }
    return std::nullopt;
}

QRect PopoverPresenter::placement(QSize size, const QWidget& anchor, Edge edge)
{
    const QWidget& window = *anchor.window();
    const QRect anchorRect(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
    const QRect windowRect(window.mapToGlobal(QPoint(0, 0)), window.size());
    const QRect screenRect = window.screen() ? window.screen()->availableGeometry() : windowRect;
    const QMargins margin(gap, gap, gap, gap);
    for (const QRect& bounds : {windowRect - margin, screenRect}) {
        if (const std::optional<QRect> rect = besideAnchor(size, anchorRect, edge, bounds)) {
            return *rect;
        }
    }
    // No side has room even on the screen: the side with more, kept on the screen.
    const bool opposite =
        roomBeside(anchorRect, edge, true, screenRect) > roomBeside(anchorRect, edge, false, screenRect);
    return QRect(Look::popoverTopLeft(size, onSide(size, anchorRect, edge, opposite).topLeft(), screenRect), size);
}

void PopoverPresenter::present(QWidget* popover, QWidget* anchor, Edge edge)
{
    popover->setAttribute(Qt::WA_DeleteOnClose);
    popover->setParent(anchor ? anchor->window() : nullptr, Qt::Tool | Qt::FramelessWindowHint);
    popover->setProperty(popoverProperty, true);
    Look::styleSheetWindow(*popover);
    new PopoverPresenter(popover);
    // Shown first: a popover sets its texts as it appears, and only then is its size final.
    popover->show();
    popover->adjustSize();
    if (anchor) {
        popover->move(placement(popover->size(), *anchor, edge).topLeft());
    }
    popover->raise();
    popover->activateWindow();
}

// A closed popover gives the focus back to the window it stood over, to the control that had it
// there: the window system may give it to no window at all, and the keyboard would reach none.
// Another window of the program that took the focus keeps it (a click into the manual's window
// closed the popover, and the focus went to the manual): the popover gives it back only while it
// or one of its dialogs has it, as when it closes by its own keys.
void PopoverPresenter::giveBackFocus()
{
    QWidget* window = popover_->parentWidget() ? popover_->parentWidget()->window() : nullptr;
    const QWidget* active = QApplication::activeWindow();
    const bool takenElsewhere = active && !isOwnWindow(active);
    if (window && window->isVisible() && !takenElsewhere) {
        window->activateWindow();
    }
}

QWidget* PopoverPresenter::popoverOf(const QWidget* widget)
{
    QWidget* window = widget ? widget->window() : nullptr;
    return window && window->property(popoverProperty).toBool() ? window : nullptr;
}

bool PopoverPresenter::isOwnWindow(const QWidget* window) const
{
    // The popover itself, or one of its dialogs (windows whose parent chain leads to it).
    for (const QWidget* widget = window; widget; widget = widget->parentWidget()) {
        if (widget == popover_) {
            return true;
        }
    }
    return false;
}

bool PopoverPresenter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == popover_ && event->type() == QEvent::Hide) {
        giveBackFocus();
        return false;
    }
    if (!popover_->isVisible() || !watched->isWidgetType()) {
        return false;
    }
    const auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseButtonPress && !isOwnWindow(widget->window())) {
        popover_->close();
    } else if (event->type() == QEvent::KeyPress && widget->window() == popover_
               && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        popover_->close();
        return true;
    }
    return false;
}
