#include "Brisvale/platform/ContainerAccessible.h"

#include <QAccessible>
#include <QWidget>

namespace {

// Set on a widget that its parent leaves out.
const char* const leftOut = "leftOutForReader";
// Set on a container that leaves out widgets: the role Qt gave it, and the class it was made of.
const char* const containerRole = "containerRole";
const char* const containerClass = "containerClass";

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* container = qobject_cast<QWidget*>(object);
    // Asked for the container's own class only: while it is taken down, its class is a base
    // class's again, and Qt makes that element, if any.
    if (!container || !container->property(containerRole).isValid()
        || className != container->property(containerClass).toString()) {
        return nullptr;
    }
    return new ContainerAccessible(container, static_cast<QAccessible::Role>(container->property(containerRole).toInt()));
}

}

void ContainerAccessible::leaveOut(QWidget& widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
    widget.setProperty(leftOut, true);
    QWidget* container = widget.parentWidget();
    if (!container || container->property(containerRole).isValid()) {
        return;
    }
    // The element Qt made, or makes now, gives way to this one, with its role.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(container);
    container->setProperty(containerRole, made ? static_cast<int>(made->role()) : static_cast<int>(QAccessible::Client));
    container->setProperty(containerClass, QString::fromLatin1(container->metaObject()->className()));
    if (made) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

ContainerAccessible::ContainerAccessible(QWidget* container, QAccessible::Role role) : QAccessibleWidget(container, role)
{
}

QList<QAccessibleInterface*> ContainerAccessible::reported() const
{
    QList<QAccessibleInterface*> elements;
    const int count = QAccessibleWidget::childCount();
    for (int i = 0; i < count; ++i) {
        QAccessibleInterface* element = QAccessibleWidget::child(i);
        if (element && !(element->object() && element->object()->property(leftOut).toBool())) {
            elements.append(element);
        }
    }
    return elements;
}

int ContainerAccessible::childCount() const
{
    return static_cast<int>(reported().size());
}

QAccessibleInterface* ContainerAccessible::child(int index) const
{
    return reported().value(index);
}

int ContainerAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return static_cast<int>(reported().indexOf(const_cast<QAccessibleInterface*>(child)));
}
