#include "ChartEngine/foundation/NSUIViewAccessible.h"

#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NSUIView.h"

namespace Charts {

NSUIViewAccessible::NSUIViewAccessible(NSUIView* view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

NSUIView* NSUIViewAccessible::view() const
{
    // qobject_cast fails once the view's own destructor has run, so no virtual member of a
    // half-destroyed view is reached.
    return qobject_cast<NSUIView*>(object());
}

QString NSUIViewAccessible::text(QAccessible::Text kind) const
{
    const NSUIView* chart = view();
    if (!chart) {
        return QAccessibleWidget::text(kind);
    }
    if (kind == QAccessible::Name) {
        return chart->accessibleName().isEmpty() ? chart->accessibilityLabel() : chart->accessibleName();
    }
    if (kind == QAccessible::Description && chart->accessibleDescription().isEmpty()) {
        return chart->accessibilityDescription();
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::Role NSUIViewAccessible::role() const
{
    const NSUIView* chart = view();
    return chart ? chart->role() : QAccessible::List;
}

int NSUIViewAccessible::childCount() const
{
    const NSUIView* chart = view();
    return chart ? int(chart->accessibilityRows().size()) : 0;
}

QAccessibleInterface* NSUIViewAccessible::child(int index) const
{
    const NSUIView* chart = view();
    if (!chart) {
        return nullptr;
    }
    const NSUIView::Elements elements = chart->accessibilityRows();
    if (index < 0 || index >= elements.size() || !elements[index]) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(elements[index].get());
}

int NSUIViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const NSUIView* chart = view();
    if (!chart || !child) {
        return -1;
    }
    const NSUIView::Elements elements = chart->accessibilityRows();
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (elements[i].get() == child->object()) {
            return int(i);
        }
    }
    return -1;
}

QAccessibleInterface* NSUIViewAccessible::childAt(int x, int y) const
{
    const NSUIView* chart = view();
    if (!chart) {
        return nullptr;
    }
    // The nearest item on screen whose frame holds the point.
    const QPointF point(x, y);
    NSUIAccessibilityElement* found = nullptr;
    double nearestDistance = 0;
    for (const auto& element : chart->accessibilityRows()) {
        if (!element || element->isOffScreen()) {
            continue;
        }
        const QRectF frame = element->accessibilityScreenFrame();
        if (!frame.contains(point)) {
            continue;
        }
        const QPointF offset = frame.center() - point;
        const double distance = QPointF::dotProduct(offset, offset);
        if (!found || distance < nearestDistance) {
            found = element.get();
            nearestDistance = distance;
        }
    }
    return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
}

}
