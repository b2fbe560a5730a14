#include "Brisvale/reports/ReportTable.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {

constexpr qreal cellPadding = 8;
const QColor ruleColour(215, 215, 215);
const QColor headerShade(242, 245, 250);

}

ReportTable::ReportTable(const QStringList& titles, const QList<int>& shares, int rowCount, CellText cellText,
                         QWidget* parent)
    : QWidget(parent), titles_(titles), shares_(shares), rowCount_(rowCount), cellText_(std::move(cellText))
{
    setFixedHeight((rowCount_ + 1) * rowHeight + 1);
    QFont body = font();
    body.setPixelSize(13);
    setFont(body);
}

QList<QRectF> ReportTable::columnRects(qreal top) const
{
    const int total = std::max(std::accumulate(shares_.begin(), shares_.end(), 0), 1);
    QList<QRectF> rects;
    qreal left = 0;
    for (const int share : shares_) {
        const qreal columnWidth = static_cast<qreal>(width()) * share / total;
        rects << QRectF(left + cellPadding, top, columnWidth - 2 * cellPadding, rowHeight);
        left += columnWidth;
    }
    return rects;
}

void ReportTable::drawRow(QPainter& painter, qreal top, const QStringList& texts) const
{
    const QList<QRectF> rects = columnRects(top);
    for (qsizetype column = 0; column < rects.size() && column < texts.size(); ++column) {
        const QString shown = painter.fontMetrics().elidedText(texts[column], Qt::ElideRight,
                                                               static_cast<int>(rects[column].width()));
        painter.drawText(rects[column], Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    painter.setPen(ruleColour);
    painter.drawLine(QPointF(0, top + rowHeight), QPointF(width(), top + rowHeight));
}

void ReportTable::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(QRectF(0, 0, width(), rowHeight), headerShade);
    QFont header = font();
    header.setBold(true);
    painter.setFont(header);
    painter.setPen(palette().color(QPalette::WindowText));
    drawRow(painter, 0, titles_);
    painter.setFont(font());
    for (int row = 0; row < rowCount_; ++row) {
        QStringList texts;
        for (qsizetype column = 0; column < titles_.size(); ++column) {
            texts << cellText_(row, static_cast<int>(column));
        }
        painter.setPen(palette().color(QPalette::WindowText));
        drawRow(painter, (row + 1) * rowHeight, texts);
    }
}
