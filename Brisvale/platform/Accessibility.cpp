#include "Brisvale/platform/Accessibility.h"

#include "Brisvale/platform/ContainerAccessible.h"
#include "Brisvale/platform/Localization.h"

#include <QAbstractButton>
#include <QAccessible>
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

void describeByText(QLineEdit& field, const QLabel* unit)
{
    const auto describe = [&field, unit = QPointer<const QLabel>(unit)] {
        const QString text = unit && !field.text().isEmpty()
                                 ? QStringLiteral("%1 %2").arg(field.text(), unit->text())
                                 : field.text();
        const bool greyed = field.property(ownToolTip).isValid();
        if (greyed) {
            field.setProperty(ownDescription, text);
        } else {
            field.setAccessibleDescription(text);
        }
    };
    describe();
    if (!field.property(describedByText).isValid()) {
        field.setProperty(describedByText, true);
        QObject::connect(&field, &QLineEdit::textChanged, &field, describe);
    }
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
