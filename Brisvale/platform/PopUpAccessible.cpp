#include "Brisvale/platform/PopUpAccessible.h"

#include "Brisvale/platform/Localization.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>

namespace {

// Set on a pop-up that speaks its choice: the base of its values.
const char* const valueBase = "choiceValueBase";

// A pop-up holds fewer choices than this.
constexpr int choicesPerPopUp = 1000;

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* popUp = qobject_cast<QComboBox*>(object);
    if (className == QLatin1String("QComboBox") && popUp && popUp->property(valueBase).isValid()) {
        return new PopUpAccessible(popUp);
    }
    return nullptr;
}

}

void PopUpAccessible::speakChoice(QComboBox& popUp)
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
    static int popUps = 0;
    popUp.setProperty(valueBase, ++popUps * choicesPerPopUp);
    // Qt made its own element for the pop-up when it was built; the next one asked for is this.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&popUp)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    // A reader that keeps names hears of the new one before Qt tells of the new value.
    QObject::connect(&popUp, &QComboBox::currentTextChanged, &popUp, [&popUp] {
        QAccessibleEvent renamed(&popUp, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    });
}

PopUpAccessible::PopUpAccessible(QComboBox* popUp) : QAccessibleWidget(popUp, QAccessible::ComboBox) {}

QComboBox* PopUpAccessible::popUp() const
{
    return static_cast<QComboBox*>(widget());
}

int PopUpAccessible::base() const
{
    return popUp()->property(valueBase).toInt();
}

QString PopUpAccessible::text(QAccessible::Text t) const
{
    const QString choice = popUp()->currentText();
    switch (t) {
    case QAccessible::Name: {
        const QString caption = QAccessibleWidget::text(QAccessible::Name);
        if (caption.isEmpty() || choice.isEmpty()) {
            return caption.isEmpty() ? choice : caption;
        }
        return Localization::text(QStringLiteral("PopUpAccessible_Name")).arg(caption, choice);
    }
    case QAccessible::Value:
        return choice;
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State PopUpAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = popUp()->view()->isVisible();
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
PopUpAccessible::relations(QAccessible::Relation match) const
{
    // The caption is in the name: a reader that found it as a label would speak it instead.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related = QAccessibleWidget::relations(match);
    related.removeIf([](const auto& relation) { return relation.second == QAccessible::Label; });
    return related;
}

int PopUpAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface* PopUpAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(popUp()->view()) : nullptr;
}

int PopUpAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->object() == popUp()->view() ? 0 : -1;
}

void* PopUpAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QStringList PopUpAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void PopUpAccessible::doAction(const QString& actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
    } else if (popUp()->view()->isVisible()) {
        popUp()->hidePopup();
    } else {
        popUp()->showPopup();
    }
}

QVariant PopUpAccessible::currentValue() const
{
    return base() + popUp()->currentIndex();
}

void PopUpAccessible::setCurrentValue(const QVariant& value)
{
    const int index = value.toInt() - base();
    if (index >= 0 && index < popUp()->count()) {
        popUp()->setCurrentIndex(index);
        emit popUp()->activated(index);
    }
}

QVariant PopUpAccessible::maximumValue() const
{
    return base() + popUp()->count() - 1;
}

QVariant PopUpAccessible::minimumValue() const
{
    return base();
}

QVariant PopUpAccessible::minimumStepSize() const
{
    return 1;
}
