#include "Brisvale/platform/ElidingLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

const QString ellipsis = QStringLiteral("…");

// The start of a text that holds at most `length` characters, never ending inside a surrogate pair.
QString firstCharacters(const QString& text, qsizetype length)
{
    if (text.size() <= length) {
        return text;
    }
    if (text.at(length - 1).isHighSurrogate()) {
        --length;
    }
    return text.left(length);
}

QString withoutTrailingSpace(QString text)
{
    while (!text.isEmpty() && text.back().isSpace()) {
        text.chop(1);
    }
    return text;
}

// The lines of a text laid out at the tooltip's width, breaking between words or within a word;
// a line more than the tooltip holds shows that the text goes on.
QStringList tipLines(const QString& text, const QFont& font)
{
    QStringList lines;
    for (qsizetype from = 0; from <= text.size() && lines.size() <= ElidingLabel::toolTipLines;) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        const qsizetype length = (end < 0 ? text.size() : end) - from;
        const QString start = firstCharacters(text.mid(from, std::min(length, ElidingLabel::toolTipLength + 1)),
                                              ElidingLabel::toolTipLength);
        QTextLayout layout(start.size() < length ? withoutTrailingSpace(start) + ellipsis : start, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(ElidingLabel::toolTipWidth);
            lines << withoutTrailingSpace(layout.text().mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        from += length + 1;
    }
    return lines;
}

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
    return firstCharacters(text, 2 * static_cast<qsizetype>(std::max(width, 0)) + 8);
}

QString ElidingLabel::elided(const QString& start, bool goesOn, const QFontMetrics& metrics, int width)
{
    const QString shown = metrics.elidedText(start, Qt::ElideRight, width);
    if (!goesOn || shown != start) {
        return shown;
    }
    // The start fits whole, yet the text goes on past it: it ends in "…" all the same.
    const QString room = metrics.elidedText(start, Qt::ElideRight, width - metrics.horizontalAdvance(ellipsis));
    return room.endsWith(ellipsis) ? room : room + ellipsis;
}

QString ElidingLabel::toolTipText(const QString& text)
{
    const QFont font = QToolTip::font();
    QStringList lines = tipLines(text, font);
    if (lines.size() > toolTipLines) {
        lines.resize(toolTipLines);
        lines.last() = elided(lines.last(), true, QFontMetrics(font), toolTipWidth);
    }
    for (QString& line : lines) {
        line = line.toHtmlEscaped();
    }
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(lines.join(QStringLiteral("<br>")));
}

QString ElidingLabel::shownText() const
{
    const int width = contentsRect().width();
    const QString start = lineStart(text(), width);
    return elided(start, start.size() < text().size(), fontMetrics(), width);
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

// The whole text is the description, and the tooltip shows it, exactly while the label cuts it.
void ElidingLabel::followWholeText()
{
    const bool cut = shownText() != text();
    const QString whole = cut ? text() : QString();
    const QString tip = cut ? toolTipText(whole) : QString();
    if (toolTip() != tip) {
        setToolTip(tip);
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
