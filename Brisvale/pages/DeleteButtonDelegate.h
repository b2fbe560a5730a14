#pragma once

#include <QStyledItemDelegate>
#include <functional>

// The delete cells of the readings table: the whole cell is a button, its icon drawn in the middle.
// A click hands on the row (the button's tag) and the object identifier of the reading of that row
// at the moment of the click.
class DeleteButtonDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using Press = std::function<void(int tag, qint64 objectID)>;

    static constexpr int iconSide = 22;

    DeleteButtonDelegate(Press press, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // Where the icon of a cell is drawn.
    static QRect iconRect(const QRect& cell);

private:
    Press press;
};
