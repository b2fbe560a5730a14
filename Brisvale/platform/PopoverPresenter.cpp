#include "Brisvale/platform/PopoverPresenter.h"

#include "Brisvale/platform/Look.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

constexpr int anchorGap = 8;

QPoint wantedTopLeft(const QWidget& anchor, PopoverPresenter::Edge edge)
{
    switch (edge) {
    case PopoverPresenter::Edge::right:
        return anchor.mapToGlobal(QPoint(anchor.width() + anchorGap, 0));
    case PopoverPresenter::Edge::bottom:
        return anchor.mapToGlobal(QPoint(0, anchor.height() + anchorGap));
    }
    return anchor.mapToGlobal(QPoint(0, 0));
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

void PopoverPresenter::present(QWidget* popover, QWidget* anchor, Edge edge)
{
    popover->setAttribute(Qt::WA_DeleteOnClose);
    popover->setParent(anchor ? anchor->window() : nullptr, Qt::Tool | Qt::FramelessWindowHint);
    Look::styleSheetWindow(*popover);
    new PopoverPresenter(popover);
    // Shown first: a popover sets its texts as it appears, and only then is its size final.
    popover->show();
    popover->adjustSize();
    if (anchor) {
        const QWidget* window = anchor->window();
        const QRect bounds(window->mapToGlobal(QPoint(0, 0)), window->size());
        popover->move(Look::popoverTopLeft(popover->size(), wantedTopLeft(*anchor, edge), bounds));
    }
    popover->raise();
    popover->activateWindow();
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
