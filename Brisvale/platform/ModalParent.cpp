#include "Brisvale/platform/ModalParent.h"

#include <QEvent>

namespace {

// The window that opened the window, if any.
QWidget* openerOf(const QWidget& window)
{
    return window.parentWidget() ? window.parentWidget()->window() : nullptr;
}

}

ModalParent::ModalParent(QWidget* wanted)
{
    QWidget* window = wanted ? wanted->window() : nullptr;
    while (window && !window->isVisible()) {
        window = openerOf(*window);
    }
    window_ = window;
    for (QWidget* kept = window; kept; kept = openerOf(*kept)) {
        kept->installEventFilter(this);
    }
}

ModalParent::~ModalParent()
{
    for (const QPointer<QObject>& object : std::as_const(heldBack_)) {
        if (object) {
            object->removeEventFilter(this);
            object->deleteLater();
        }
    }
}

bool ModalParent::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DeferredDelete) {
        return false;
    }
    if (!heldBack_.contains(watched)) {
        heldBack_.append(watched);
    }
    return true;
}
