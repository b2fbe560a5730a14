#include "Brisvale/pages/RectMarker.h"

#include "Brisvale/platform/DatePattern.h"

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/views/ChartViewBase.h"

#include <QDateTime>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <cmath>

namespace {

constexpr double cornerRadius = 10.0;

// Puts the text, bold in the size and colour, on lines of its own below what the label holds.
// The line breaks that end the text are left out: they would leave an empty line in the box.
void appendLines(QTextCursor& cursor, QString text, double pixelSize, const QColor& color)
{
    while (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    if (cursor.position() > 0) {
        text.prepend(QLatin1Char('\n'));
    }
    QFont bold = Charts::systemFont(pixelSize);
    bold.setBold(true);
    QTextCharFormat format;
    format.setFont(bold);
    format.setForeground(color);
    cursor.insertText(text, format);
}

}

RectMarker::RectMarker(std::optional<QColor> color, std::optional<QFont> font, Insets insets, double miniTime,
                       double interval)
    : color(std::move(color)), font(std::move(font)), insets(insets), miniTime(miniTime), interval(interval)
{
}

Charts::ChartViewBase* RectMarker::chart() const
{
    return dynamic_cast<Charts::ChartViewBase*>(chartView());
}

QString RectMarker::labelText() const
{
    return label ? label->toPlainText() : QString();
}

QString RectMarker::dateText(double x) const
{
    const double seconds = miniTime + x * interval;
    if (!std::isfinite(seconds)) {
        return QString();
    }
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0));
    if (dateFormatter) {
        return dateFormatter->text(moment);
    }
    return DatePattern::format(moment, QStringLiteral("dd/MM/yy"), dateLocale);
}

void RectMarker::refreshContent(const std::shared_ptr<Charts::ChartDataEntry>& entry,
                                const std::shared_ptr<Charts::Highlight>& /*highlight*/)
{
    label = std::make_unique<QTextDocument>();
    label->setDocumentMargin(0.0);
    QTextCursor cursor(label.get());
    double dateX = 0.0;
    std::optional<QColor> textColor; // the first line's colour
    const std::shared_ptr<Charts::ChartData> data = chart() ? chart()->data() : nullptr;
    if (data && entry) {
        for (const auto& dataSet : data->dataSets()) {
            const Charts::ChartDataEntryList found = dataSet->entriesForXValue(entry->x());
            if (found.isEmpty()) {
                continue;
            }
            dateX = found.first()->x();
            const QColor setColor = dataSet->colors().value(0);
            appendLines(cursor, found.first()->data().toString(), 16, setColor);
            textColor = textColor.value_or(setColor);
        }
    }
    appendLines(cursor, QStringLiteral("Date : ") + dateText(dateX), 14, textColor.value_or(QColor(Qt::black)));

    m_labelSize = label->size();
    setSize(QSizeF(std::max(m_labelSize.width() + insets.left + insets.right, minimumSize.width()),
                   std::max(m_labelSize.height() + insets.top + insets.bottom, minimumSize.height())));
}

QPointF RectMarker::offsetForDrawingAtPoint(QPointF point) const
{
    const QSizeF box = size();
    const Charts::ChartViewBase* view = chart();
    const QRectF content = view ? view->contentRect() : QRectF();
    QPointF offset(0.0, 0.0);
    if (point.x() < 0.0) {
        offset.setX(-point.x());
    } else if (view && point.x() + box.width() > content.right()) {
        offset.setX(-box.width());
    }
    if (point.y() < 0.0) {
        offset.setY(box.height());
    } else if (view && point.y() + box.height() > content.bottom()) {
        offset.setY(-box.height());
    }
    return offset;
}

void RectMarker::draw(QPainter& painter, QPointF point)
{
    if (!label) {
        return;
    }
    const QRectF box(point + offsetForDrawingAtPoint(point), size());
    painter.save();
    if (color) {
        QPainterPath path;
        path.addRoundedRect(box, cornerRadius, cornerRadius);
        painter.fillPath(path, *color);
        painter.strokePath(path, QPen(Qt::black, 1.0));
    }
    painter.translate(box.topLeft());
    label->drawContents(&painter);
    painter.restore();
}
