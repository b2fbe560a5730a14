#include "Brisvale/shell/MyNSTableRowView.h"

#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/ElidingLabel.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QPainterPath>
#include <QPointer>
#include <QToolTip>

namespace {

// The keyboard's way through a user table: Ctrl+Tab and Ctrl+Shift+Tab become Tab and Shift+Tab,
// which leave it, and a table that takes the focus tells a reader its current row, which Qt's
// reader hears of only when the row changes.
class UserTableKeys : public QObject {
public:
    explicit UserTableKeys(QAbstractItemView& table) : QObject(&table), table(&table) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // After Qt has told of the table itself taking the focus.
            QMetaObject::invokeMethod(this, &UserTableKeys::tellCurrentRow, Qt::QueuedConnection);
            return false;
        }
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* press = static_cast<QKeyEvent*>(event);
        const bool tab = press->key() == Qt::Key_Tab || press->key() == Qt::Key_Backtab;
        if (!tab || !press->modifiers().testFlag(Qt::ControlModifier)) {
            return false;
        }
        const Qt::KeyboardModifiers shift = press->modifiers() & Qt::ShiftModifier;
        QKeyEvent plain(QEvent::KeyPress, shift ? Qt::Key_Backtab : Qt::Key_Tab, shift);
        QCoreApplication::sendEvent(watched, &plain);
        return true;
    }

private:
    void tellCurrentRow()
    {
        if (table) {
            Accessibility::tellCurrentCell(*table);
        }
    }

    QPointer<QAbstractItemView> table;
};

}

MyNSTableRowView::MyNSTableRowView(QObject* parent) : QStyledItemDelegate(parent) {}

MyNSTableRowView* MyNSTableRowView::install(QAbstractItemView& table)
{
    auto* rowView = new MyNSTableRowView(&table);
    table.setItemDelegate(rowView);
    QPalette palette = table.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, Qt::transparent);
    }
    table.setPalette(palette);
    table.setTabKeyNavigation(false);
    table.installEventFilter(new UserTableKeys(table));
    return rowView;
}

QColor MyNSTableRowView::fillColor()
{
    return QColor::fromRgbF(0.72f, 0.72f, 0.72f, 1.0f);
}

QColor MyNSTableRowView::strokeColor()
{
    return QColor::fromRgbF(0.65f, 0.65f, 0.65f, 1.0f);
}

void MyNSTableRowView::drawSelectionInRect(QPainter& painter, const QRectF& bounds,
                                           SelectionHighlightStyle style)
{
    if (style == SelectionHighlightStyle::none) {
        return;
    }
    const QRectF rect = bounds.adjusted(inset, inset, -inset, -inset);
    QPainterPath path;
    path.addRoundedRect(rect, cornerRadius, cornerRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(path, fillColor());
    painter.strokePath(path, QPen(strokeColor(), 1.0));
    painter.restore();
}

void MyNSTableRowView::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyleOptionViewItem content(option);
    if (option.state & QStyle::State_Selected) {
        drawSelectionInRect(*painter, QRectF(option.rect), highlightStyle);
        content.state &= ~QStyle::State_Selected;
    }
    content.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, content, index);
}

void MyNSTableRowView::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // A row's text keeps clear of the rounded selection and stays on one line, a long one ending in "…".
    option->rect.adjust(textMargin, 0, -textMargin, 0);
    option->features &= ~QStyleOptionViewItem::WrapText;
    option->textElideMode = Qt::ElideRight;
    // A text of any length costs no more than the row can show: the style cuts this start of it.
    const QString start = ElidingLabel::lineStart(option->text, option->rect.width());
    if (start.size() < option->text.size()) {
        option->text = start + QStringLiteral("…");
    }
}

QString MyNSTableRowView::wholeText(const QAbstractItemView& view, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    if (const QWidget* row = view.indexWidget(index)) {
        QStringList cut;
        for (const ElidingLabel* part : row->findChildren<ElidingLabel*>()) {
            if (part->shownText() != part->text()) {
                cut << part->text();
            }
        }
        return cut.join(QLatin1Char('\n'));
    }
    QStyleOptionViewItem shown(option);
    initStyleOption(&shown, index);
    const QStyle* style = view.style();
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &shown, &view);
    // The style keeps a margin of its own on both sides of the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &shown, &view) + 1;
    const QString whole = index.data(Qt::DisplayRole).toString();
    const QString elided = shown.fontMetrics.elidedText(shown.text, Qt::ElideRight, room.width() - 2 * margin);
    return elided == whole ? QString() : whole;
}

bool MyNSTableRowView::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !view || index.data(Qt::ToolTipRole).isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString whole = wholeText(*view, option, index);
    if (whole.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), ElidingLabel::toolTipText(whole), view->viewport(), option.rect);
    return true;
}
