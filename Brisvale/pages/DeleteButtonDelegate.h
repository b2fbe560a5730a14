#pragma once

#include <QStyledItemDelegate>
#include <functional>

// The delete cells of the readings table: the whole cell is a button, its icon drawn in the middle.
// A click, or Space or Delete while the cell is the table's current one (see pressKey), hands on
// the row (the button's tag) and the object identifier of the reading of that row at that moment.
// The current cell shows the focus ring.
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

    // A key pressed on the table: Space or Delete, without modifiers, while `current` is a delete
    // cell presses that cell's button; whether it did (the key is then used up).
    bool pressKey(QEvent* event, const QModelIndex& current);

private:
    static bool isPressKey(const QEvent& event);

    Press press;
};
