#include "Brisvale/platform/ElidingLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

const QString ellipsis = QStringLiteral("…");

}

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Preferred, sizePolicy().verticalPolicy());
}

void ElidingLabel::setText(const QString& text)
{
    QLabel::setText(text);
    followWholeText();
}

QString ElidingLabel::lineStart(const QString& text, int width)
{
    qsizetype length = 2 * static_cast<qsizetype>(std::max(width, 0)) + 8;
    if (text.size() <= length) {
        return text;
    }
    if (text.at(length - 1).isHighSurrogate()) {
        --length;
    }
    return text.left(length);
}

QString ElidingLabel::shownText() const
{
    const int width = contentsRect().width();
    const QString start = lineStart(text(), width);
    const QFontMetrics metrics = fontMetrics();
    const QString shown = metrics.elidedText(start, Qt::ElideRight, width);
    if (start.size() == text().size() || shown != start) {
        return shown;
    }
    // The start fits whole, yet the text goes on past it: it ends in "…" all the same.
    const QString room = metrics.elidedText(start, Qt::ElideRight, width - metrics.horizontalAdvance(ellipsis));
    return room.endsWith(ellipsis) ? room : room + ellipsis;
}

QSize ElidingLabel::lineSize(int textWidth) const
{
    const QMargins margins = contentsMargins();
    const int extra = 2 * margin();
    return QSize(textWidth + margins.left() + margins.right() + extra,
                 fontMetrics().height() + margins.top() + margins.bottom() + extra);
}

// The advance of a text rounded up: a text fits whole in a width of its advance rounded to the
// nearest pixel only when that rounds up.
int ElidingLabel::advance(const QString& text) const
{
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text)));
}

QSize ElidingLabel::sizeHint() const
{
    return lineSize(std::min(advance(lineStart(text(), widestLine)), widestLine));
}

QSize ElidingLabel::minimumSizeHint() const
{
    return lineSize(advance(ellipsis));
}

// The whole text is the tooltip and the description exactly while the label cuts it.
void ElidingLabel::followWholeText()
{
    const QString whole = shownText() == text() ? QString() : text();
    if (toolTip() != whole) {
        setToolTip(whole);
    }
    if (accessibleDescription() != whole) {
        setAccessibleDescription(whole);
    }
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    followWholeText();
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(),
                          shownText(), foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    followWholeText();
}

void ElidingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ContentsRectChange) {
        followWholeText();
    }
}
