#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;
class QPainter;

// The rows of the user tables (user list, choose-user sheet): a selected row is marked by a
// grey rounded rectangle inset from its edges instead of the style's own highlight. The content
// of a row (a text, or a row widget over the cell) is drawn as if unselected.
class MyNSTableRowView : public QStyledItemDelegate {
    Q_OBJECT

public:
    // How a table marks its selected rows.
    enum class SelectionHighlightStyle { none, regular };

    explicit MyNSTableRowView(QObject* parent = nullptr);

    // Makes a new one the row drawing of the table, and keeps the style from marking selected
    // rows its own way underneath. The arrow keys move between the rows; Tab, Shift+Tab and
    // Ctrl+Tab (with Shift, backwards) leave the table, as they leave any other control. A table
    // that takes the focus tells a reader its current row.
    static MyNSTableRowView* install(QAbstractItemView& table);

    SelectionHighlightStyle selectionHighlightStyle() const { return highlightStyle; }
    void setSelectionHighlightStyle(SelectionHighlightStyle style) { highlightStyle = style; }

    // Marks a selected row whose bounds are given: nothing with the style none, else the bounds
    // inset by 2.5 on every side as a rectangle with corners of radius 6, filled light grey
    // (white 0.72) and outlined a shade darker (white 0.65), both opaque.
    static void drawSelectionInRect(QPainter& painter, const QRectF& bounds,
                                    SelectionHighlightStyle style);

    static constexpr double inset = 2.5;
    static constexpr double cornerRadius = 6.0;
    static QColor fillColor();
    static QColor strokeColor();

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // A row whose text is cut (it ends in "…") shows the whole text in its tooltip, as far as a
    // tooltip holds: a row's own text, or the texts that the row widget over the cell cuts (the
    // widget lets the mouse pass through).
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The whole text of a row while the row cuts it, else empty.
    QString wholeText(const QAbstractItemView& view, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const;

    // The inner margin of a row's text on either side.
    static constexpr int textMargin = 12;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    SelectionHighlightStyle highlightStyle = SelectionHighlightStyle::regular;
};
