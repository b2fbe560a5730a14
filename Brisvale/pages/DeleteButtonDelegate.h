#pragma once

#include <QStyledItemDelegate>
#include <functional>

// The delete cells of the readings table: a button drawn in the cell. A click on it hands on the
// object identifier of the reading of that row at the moment of the click.
class DeleteButtonDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using Press = std::function<void(qint64 objectID)>;

    static constexpr int iconSide = 22;

    DeleteButtonDelegate(Press press, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // Where the button of a cell is drawn and answers.
    static QRect buttonRect(const QRect& cell);

private:
    Press press;
};
