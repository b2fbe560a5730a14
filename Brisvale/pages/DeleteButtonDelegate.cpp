#include "Brisvale/pages/DeleteButtonDelegate.h"

#include "Brisvale/pages/ReadingsTableModel.h"
#include "Brisvale/platform/Icons.h"
#include "Brisvale/platform/Look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

DeleteButtonDelegate::DeleteButtonDelegate(Press pressAction, QObject* parent)
    : QStyledItemDelegate(parent), press(std::move(pressAction))
{
}

QRect DeleteButtonDelegate::iconRect(const QRect& cell)
{
    QRect icon(0, 0, iconSide, iconSide);
    icon.moveCenter(cell.center());
    return icon;
}

void DeleteButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    Q_UNUSED(index);
    const QRect icon = iconRect(option.rect);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(icon, Icons::pixmap(QStringLiteral("button_Delete"), icon.size(), ratio));
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        Look::drawFocusRing(*painter, option.rect);
    }
}

bool DeleteButtonDelegate::isPressKey(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (key.key() == Qt::Key_Space || key.key() == Qt::Key_Delete);
}

bool DeleteButtonDelegate::pressKey(QEvent* event, const QModelIndex& current)
{
    if (!isPressKey(*event) || !current.isValid() || current.column() != ReadingsTableModel::DeleteBtnColumn) {
        return false;
    }
    press(current.row(), current.data(ReadingsTableModel::objectIDRole).toLongLong());
    return true;
}

bool DeleteButtonDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                       const QStyleOptionViewItem& option, const QModelIndex& index)
{
    Q_UNUSED(model);
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint())) {
        return false;
    }
    press(index.row(), index.data(ReadingsTableModel::objectIDRole).toLongLong());
    return true;
}
