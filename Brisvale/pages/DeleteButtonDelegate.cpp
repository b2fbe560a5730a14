#include "Brisvale/pages/DeleteButtonDelegate.h"

#include "Brisvale/pages/ReadingsTableModel.h"
#include "Brisvale/platform/Icons.h"

#include <QMouseEvent>
#include <QPainter>

DeleteButtonDelegate::DeleteButtonDelegate(Press pressAction, QObject* parent)
    : QStyledItemDelegate(parent), press(std::move(pressAction))
{
}

QRect DeleteButtonDelegate::buttonRect(const QRect& cell)
{
    QRect button(0, 0, iconSide, iconSide);
    button.moveCenter(cell.center());
    return button;
}

void DeleteButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    Q_UNUSED(index);
    const QRect button = buttonRect(option.rect);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(button, Icons::pixmap(QStringLiteral("button_Delete"), button.size(), ratio));
}

bool DeleteButtonDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                       const QStyleOptionViewItem& option, const QModelIndex& index)
{
    Q_UNUSED(model);
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !buttonRect(option.rect).contains(mouse->position().toPoint())) {
        return false;
    }
    press(index.data(ReadingsTableModel::objectIDRole).toLongLong());
    return true;
}
