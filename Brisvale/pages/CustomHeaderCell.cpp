#include "Brisvale/pages/CustomHeaderCell.h"

#include <QPainter>

namespace {

// The title sits this much lower than the top of its section.
constexpr int baselineDrop = 10;

}

CustomHeaderCell::CustomHeaderCell(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setFixedHeight(height);
    setSortIndicatorShown(false);
    setHighlightSections(false);
    setSectionsClickable(true);
}

void CustomHeaderCell::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, fillColor());
    QFont font = this->font();
    font.setPixelSize(17);
    painter->setFont(font);
    painter->setPen(Qt::black);
    const QString title = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    painter->drawText(rect.translated(0, baselineDrop), Qt::AlignLeft | Qt::AlignTop, title);
    painter->restore();
}
