#include "ChartEngine/foundation/AttributedText.h"

#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

struct TextLines {
    QStringList lines;
    double lineHeight = 0;
    double width = 0;
};

TextLines layOut(const AttributedText& text, QSizeF box)
{
    const QFontMetricsF metrics(text.attributes.font);
    TextLines result;
    result.lineHeight = metrics.lineSpacing();
    // A box without room (no positive width and height) holds no line; one with room at least one.
    if (!(box.width() > 0.0 && box.height() > 0.0)) {
        return result;
    }
    QString content = text.text;
    content.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(content, text.attributes.font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<qsizetype> starts;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(0.0, box.width()));
        starts.append(line.textStart());
    }
    layout.endLayout();
    const qsizetype kept = std::max<qsizetype>(1, checkedInteger<qsizetype>(std::floor(box.height() / result.lineHeight)));
    for (qsizetype i = 0; i < starts.size() && i < kept; ++i) {
        const bool lastKept = i + 1 == kept && i + 1 < starts.size();
        const qsizetype end = i + 1 < starts.size() ? starts.at(i + 1) : content.size();
        QString line = lastKept ? content.mid(starts.at(i)) : content.mid(starts.at(i), end - starts.at(i));
        line.remove(QChar::LineSeparator);
        if (lastKept && text.truncatesTail) {
            line = metrics.elidedText(line.simplified(), Qt::ElideRight, box.width());
        }
        line = line.trimmed();
        result.width = std::max(result.width, metrics.horizontalAdvance(line));
        result.lines.append(line);
    }
    return result;
}

}

QSizeF attributedTextBoundingSize(const AttributedText& text, QSizeF box)
{
    const TextLines laidOut = layOut(text, box);
    return QSizeF(laidOut.width, laidOut.lineHeight * double(laidOut.lines.size()));
}

void drawAttributedText(QPainter& painter, const AttributedText& text, const QRectF& rect, QSizeF layoutBox)
{
    const TextLines laidOut = layOut(text, layoutBox);
    QPointF origin = rect.topLeft();
    for (const QString& line : laidOut.lines) {
        double x = origin.x();
        const double width = textSize(line, text.attributes).width();
        if (text.attributes.alignment == TextAlignment::Center) {
            x += (rect.width() - width) / 2;
        } else if (text.attributes.alignment == TextAlignment::Right) {
            x += rect.width() - width;
        }
        drawText(painter, line, QPointF(x, origin.y()), QPointF(0, 0), 0.0, text.attributes);
        origin.ry() += laidOut.lineHeight;
    }
}

}
