#include "ChartEngine/foundation/NSUIAccessibilityElementAccessible.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NSUIView.h"

#include <QWidget>
#include <QWindow>
#include <cmath>

namespace Charts {

namespace {

// Whether a screen coordinate can become an int, with room for QRect's own arithmetic.
bool isPixelCoordinate(double value)
{
    constexpr double limit = 1 << 30;
    return std::isfinite(value) && value >= -limit && value <= limit;
}

// The smallest whole-pixel rectangle holding `rect`; empty when it cannot be represented.
QRect pixelRect(const QRectF& rect)
{
    const double left = std::floor(rect.left());
    const double top = std::floor(rect.top());
    const double right = std::ceil(rect.right());
    const double bottom = std::ceil(rect.bottom());
    if (!isPixelCoordinate(left) || !isPixelCoordinate(top) || !isPixelCoordinate(right)
        || !isPixelCoordinate(bottom)) {
        return {};
    }
    return QRect(checkedInteger<int>(left), checkedInteger<int>(top), checkedInteger<int>(right - left),
                 checkedInteger<int>(bottom - top));
}

}

NSUIAccessibilityElementAccessible::NSUIAccessibilityElementAccessible(NSUIAccessibilityElement* element)
    : QAccessibleObject(element)
{
}

NSUIAccessibilityElement* NSUIAccessibilityElementAccessible::element() const
{
    return qobject_cast<NSUIAccessibilityElement*>(object());
}

QWindow* NSUIAccessibilityElementAccessible::window() const
{
    const NSUIAccessibilityElement* item = element();
    const QWidget* container = item ? item->containerView() : nullptr;
    return container ? container->window()->windowHandle() : nullptr;
}

QAccessibleInterface* NSUIAccessibilityElementAccessible::parent() const
{
    const NSUIAccessibilityElement* item = element();
    QWidget* container = item ? item->containerView() : nullptr;
    return container ? QAccessible::queryAccessibleInterface(container) : nullptr;
}

QAccessibleInterface* NSUIAccessibilityElementAccessible::child(int /*index*/) const
{
    return nullptr;
}

int NSUIAccessibilityElementAccessible::childCount() const
{
    return 0;
}

int NSUIAccessibilityElementAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const
{
    return -1;
}

QString NSUIAccessibilityElementAccessible::text(QAccessible::Text kind) const
{
    const NSUIAccessibilityElement* item = element();
    if (!item || kind != QAccessible::Name) {
        return {};
    }
    const auto* view = qobject_cast<const NSUIView*>(item->containerView());
    return view ? view->accessibilityElementLabel(*item) : item->accessibilityLabel();
}

QAccessible::Role NSUIAccessibilityElementAccessible::role() const
{
    const NSUIAccessibilityElement* item = element();
    return item ? item->accessibilityRole() : QAccessible::NoRole;
}

QAccessible::State NSUIAccessibilityElementAccessible::state() const
{
    QAccessible::State state;
    const NSUIAccessibilityElement* item = element();
    if (!item || !item->containerView()) {
        state.invisible = true;
        return state;
    }
    state.selectable = true;
    state.offscreen = item->isOffScreen();
    const auto* view = qobject_cast<const NSUIView*>(item->containerView());
    state.selected = view ? view->isAccessibilityElementSelected(*item) : item->isSelected();
    state.focusable = item->isEntry();
    state.focused = state.selected && item->isEntry() && view && view->hasFocus();
    return state;
}

// An element off screen has no place on screen.
QRect NSUIAccessibilityElementAccessible::rect() const
{
    const NSUIAccessibilityElement* item = element();
    return item && !item->isOffScreen() ? pixelRect(item->accessibilityScreenFrame()) : QRect();
}

}

