#include "Brisvale/platform/Accessibility.h"

#include "Brisvale/platform/ContainerAccessible.h"
#include "Brisvale/platform/Localization.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace Accessibility {

namespace {

// Where a greyed control keeps its own tooltip and description while the reason stands in them.
const char* const ownToolTip = "ownToolTip";
const char* const ownDescription = "ownDescription";
// Set on a field whose description follows its text.
const char* const describedByText = "describedByText";
// Set on a window that a reader knows as a dialog.
const char* const readsAsDialog = "readsAsDialog";

QAccessibleInterface* dialogFor(const QString& className, QObject* object)
{
    auto* window = qobject_cast<QWidget*>(object);
    if (window && window->property(readsAsDialog).toBool()
        && className == QLatin1String(object->metaObject()->className())) {
        return new QAccessibleWidget(window, QAccessible::Dialog);
    }
    return nullptr;
}

}

void nameIconButton(QAbstractButton& button, const QString& key)
{
    const QString name = Localization::text(key);
    button.setAccessibleName(name);
    button.setToolTip(name);
}

void nameField(QWidget& field, const QString& key)
{
    field.setAccessibleName(Localization::text(key));
}

QLabel* captionForReader(QWidget& field, const QString& key)
{
    const QString name = Localization::text(key);
    // Qt finds a field's label among the field's siblings, shown or not.
    auto* caption = new QLabel(name, field.parentWidget());
    caption->setBuddy(&field);
    caption->hide();
    field.setAccessibleName(name);
    return caption;
}

void nameFigure(QWidget& figure, const QString& caption, const QString& said)
{
    figure.setAccessibleName(Localization::text(QStringLiteral("Accessibility_Figure")).arg(caption, said));
}

void leaveOutForReader(const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets) {
        ContainerAccessible::leaveOut(*widget);
    }
}

QWidget* firstControl(const QWidget& page)
{
    for (QWidget* next = page.nextInFocusChain(); next && next != &page; next = next->nextInFocusChain()) {
        if (!page.isAncestorOf(next)) {
            continue;
        }
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(&page) && next->isEnabled()) {
            return next;
        }
    }
    return nullptr;
}

void focusFirstControl(const QWidget& page)
{
    if (QWidget* control = firstControl(page)) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void readAsDialog(QWidget& window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&dialogFor);
        return true;
    }();
    (void)installed;
    window.setProperty(readsAsDialog, true);
    // An element Qt made for the window before is made anew, as a dialog, when next asked for.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&window)) {
        if (made->role() != QAccessible::Dialog) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}

void enableOrSayWhy(QWidget& control, bool enabled, const QString& reasonKey)
{
    const bool greyed = control.property(ownToolTip).isValid();
    if (enabled && greyed) {
        control.setToolTip(control.property(ownToolTip).toString());
        control.setAccessibleDescription(control.property(ownDescription).toString());
        control.setProperty(ownToolTip, QVariant());
        control.setProperty(ownDescription, QVariant());
    } else if (!enabled && !greyed) {
        control.setProperty(ownToolTip, control.toolTip());
        control.setProperty(ownDescription, control.accessibleDescription());
    }
    if (!enabled) {
        const QString reason = Localization::text(reasonKey);
        control.setToolTip(reason);
        control.setAccessibleDescription(reason);
    }
    control.setEnabled(enabled);
}

void describe(QWidget& control, const QString& description)
{
    const bool greyed = control.property(ownToolTip).isValid();
    if (greyed) {
        control.setProperty(ownDescription, description);
    } else {
        control.setAccessibleDescription(description);
    }
}

void describeByText(QLineEdit& field, const QLabel* unit)
{
    const auto describeText = [&field, unit = QPointer<const QLabel>(unit)] {
        const QString text = unit && !field.text().isEmpty()
                                 ? QStringLiteral("%1 %2").arg(field.text(), unit->text())
                                 : field.text();
        describe(field, text);
    };
    describeText();
    if (!field.property(describedByText).isValid()) {
        field.setProperty(describedByText, true);
        QObject::connect(&field, &QLineEdit::textChanged, &field, describeText);
    }
}

void tellCurrentCell(QAbstractItemView& view)
{
    const QModelIndex current = view.currentIndex();
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&view);
    if (!current.isValid() || !view.hasFocus() || !element || !element->tableInterface()) {
        return;
    }
    QAccessibleInterface* cell = element->tableInterface()->cellAt(current.row(), current.column());
    if (!cell) {
        return;
    }
    QAccessibleEvent focus(&view, QAccessible::Focus);
    focus.setChild(element->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

void announceValue(QWidget& control, const QString& before, const QString& now)
{
    if (before == now) {
        return;
    }
    QAccessibleValueChangeEvent valueChange(&control, now);
    QAccessible::updateAccessibility(&valueChange);
    QAccessibleTextUpdateEvent textChange(&control, 0, before, now);
    QAccessible::updateAccessibility(&textChange);
}

}
