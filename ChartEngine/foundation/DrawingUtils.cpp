#include "ChartEngine/foundation/DrawingUtils.h"

#include "ChartEngine/foundation/ChartImage.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

bool isFinite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

bool isFinite(QSizeF size)
{
    return std::isfinite(size.width()) && std::isfinite(size.height());
}

// Exact comparison (QPointF's own is fuzzy).
bool isExactly(QPointF point, double x, double y)
{
    return point.x() == x && point.y() == y;
}

Qt::Alignment lineAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case TextAlignment::Center:
        return Qt::AlignHCenter;
    case TextAlignment::Justified:
        return Qt::AlignJustify;
    case TextAlignment::Left:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    case TextAlignment::Natural:
        break;
    }
    return Qt::AlignLeft;
}

// Draws the text with its line box's top-left corner at the box's (not its baseline).
void drawTextBox(QPainter& painter, const QString& text, const QRectF& box, int flags,
                 const TextAttributes& attributes)
{
    painter.setFont(attributes.font);
    painter.setPen(attributes.color);
    painter.drawText(box, flags | Qt::AlignTop | Qt::TextDontClip, text);
}

// Turns the painter about the centre of a box of `size` whose anchored point is `point`, so
// that the box's top-left corner is at (-w / 2, -h / 2).
void rotateAboutBox(QPainter& painter, QPointF point, QPointF anchor, double angle, QSizeF size)
{
    QPointF translate = point;
    if (!isExactly(anchor, 0.5, 0.5)) {
        const double w = size.width();
        const double h = size.height();
        const double rotatedWidth = std::abs(w * std::cos(angle)) + std::abs(h * std::sin(angle));
        const double rotatedHeight = std::abs(w * std::sin(angle)) + std::abs(h * std::cos(angle));
        translate -= QPointF(rotatedWidth * (anchor.x() - 0.5), rotatedHeight * (anchor.y() - 0.5));
    }
    painter.translate(translate);
    painter.rotate(qRadiansToDegrees(angle));
}

QPointF anchoredOrigin(QPointF point, QPointF anchor, QSizeF size)
{
    return point - QPointF(size.width() * anchor.x(), size.height() * anchor.y());
}

double screenScale()
{
    const auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const QScreen* screen = application ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? screen->devicePixelRatio() : 1.0;
}

}

double strokeWidth(double width)
{
    constexpr double widest = 10000.0;
    return width >= 0.0 ? std::min(width, widest) : 0.0;
}

double fontLineHeight(const QFont& font)
{
    return QFontMetricsF(font).height();
}

QSizeF textSize(const QString& text, const TextAttributes& attributes)
{
    return QFontMetricsF(attributes.font)
        .boundingRect(QRectF(), Qt::AlignLeft | Qt::AlignTop, text)
        .size();
}

QSizeF textBoundingSize(const QString& text, double maxWidth, const TextAttributes& attributes)
{
    if (!std::isfinite(maxWidth) || maxWidth <= 0.0) {
        return textSize(text, attributes);
    }
    const int flags = int(lineAlignment(attributes.alignment)) | Qt::AlignTop | Qt::TextWordWrap;
    return QFontMetricsF(attributes.font)
        .boundingRect(QRectF(0.0, 0.0, maxWidth, 0.0), flags, text)
        .size();
}

void drawText(QPainter& painter, const QString& text, QPointF point, QPointF anchor, double angle,
              const TextAttributes& attributes)
{
    if (!isFinite(point) || !isFinite(anchor) || !std::isfinite(angle)) {
        return;
    }
    painter.save();
    if (angle == 0.0) {
        QPointF origin = point;
        if (!isExactly(anchor, 0.0, 0.0)) {
            origin = anchoredOrigin(point, anchor, textSize(text, attributes));
        }
        drawTextBox(painter, text, QRectF(origin, QSizeF()), Qt::AlignLeft, attributes);
    } else {
        const QSizeF size = textSize(text, attributes);
        rotateAboutBox(painter, point, anchor, angle, size);
        const QPointF origin(-size.width() / 2.0, -size.height() / 2.0);
        drawTextBox(painter, text, QRectF(origin, QSizeF()), Qt::AlignLeft, attributes);
    }
    painter.restore();
}

namespace {

QPointF alignedOrigin(QPointF point, TextAlignment alignment, double width)
{
    switch (alignment) {
    case TextAlignment::Right:
        return point - QPointF(width, 0.0);
    case TextAlignment::Center:
        return point - QPointF(width / 2.0, 0.0);
    default:
        return point;
    }
}

bool alignsByWidth(TextAlignment alignment)
{
    return alignment == TextAlignment::Right || alignment == TextAlignment::Center;
}

}

QPointF alignedTextOrigin(const QString& text, QPointF point, TextAlignment alignment,
                          const TextAttributes& attributes)
{
    return alignsByWidth(alignment) ? alignedOrigin(point, alignment, textSize(text, attributes).width()) : point;
}

void drawAlignedText(QPainter& painter, const QString& text, QPointF point,
                     TextAlignment alignment, QPointF anchor, double angle,
                     const TextAttributes& attributes)
{
    const double width = alignsByWidth(alignment) ? textSize(text, attributes).width() : 0.0;
    drawAlignedText(painter, text, point, alignment, anchor, angle, attributes, width);
}

void drawAlignedText(QPainter& painter, const QString& text, QPointF point,
                     TextAlignment alignment, QPointF anchor, double angle,
                     const TextAttributes& attributes, double width)
{
    const QPointF origin = alignedOrigin(point, alignment, width);
    // Unrotated, the aligned origin is the text's top-left corner whatever the anchor.
    drawText(painter, text, origin, angle == 0.0 ? QPointF(0.0, 0.0) : anchor, angle, attributes);
}

void drawMultilineText(QPainter& painter, const QString& text, QPointF point, QPointF anchor,
                       QSizeF size, double angle, const TextAttributes& attributes)
{
    if (!isFinite(point) || !isFinite(anchor) || !std::isfinite(angle) || !isFinite(size)) {
        return;
    }
    const int flags = int(lineAlignment(attributes.alignment)) | Qt::TextWordWrap;
    painter.save();
    if (angle == 0.0) {
        drawTextBox(painter, text, QRectF(anchoredOrigin(point, anchor, size), size), flags,
                    attributes);
    } else {
        rotateAboutBox(painter, point, anchor, angle, size);
        const QPointF origin(-size.width() / 2.0, -size.height() / 2.0);
        drawTextBox(painter, text, QRectF(origin, size), flags, attributes);
    }
    painter.restore();
}

void drawImage(QPainter& painter, const ChartImage& image, QPointF center, QSizeF size)
{
    if (!isFinite(center) || !isFinite(size) || image.isNull()) {
        return;
    }
    const QRectF target(center - QPointF(size.width() / 2.0, size.height() / 2.0), size);
    const QSizeF own = image.size();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (own.width() == size.width() || own.height() == size.height()) {
        painter.drawImage(target, image.image());
    } else if (const QImage copy = image.resizedCopy(size, screenScale()); !copy.isNull()) {
        painter.drawImage(target, copy);
    }
    painter.restore();
}

}
