#include "Brisvale/platform/Icons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

// The icons live in a resource of the static application library; naming it here links it in.
static void initializeIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

QString resourcePath(const QString& name)
{
    static const bool initialized = (initializeIconResources(), true);
    Q_UNUSED(initialized);
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

// Draws the SVG afresh for every requested size, so the strokes stay crisp when scaled.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString name) : name_(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer renderer(resourcePath(name_));
        renderer.render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap result = Icons::pixmap(name_, size);
        if (mode == QIcon::Disabled && !result.isNull()) {
            QPainter painter(&result);
            painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            painter.fillRect(result.rect(), QColor(0, 0, 0, 90));
        }
        return result;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(name_); }
    QString key() const override { return QStringLiteral("BrisvaleSvg"); }

private:
    QString name_;
};

}

namespace Icons {

bool contains(const QString& name)
{
    return !name.isEmpty() && QFile::exists(resourcePath(name));
}

QImage image(const QString& name, const QSize& size, qreal devicePixelRatio)
{
    constexpr double largestSide = 8192.0;
    const double width = std::ceil(size.width() * devicePixelRatio);
    const double height = std::ceil(size.height() * devicePixelRatio);
    if (!contains(name) || size.isEmpty() || !(devicePixelRatio > 0.0) || !(width <= largestSide)
        || !(height <= largestSide)) {
        return QImage();
    }
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid()) {
        return QImage();
    }
    const QSize pixels(static_cast<int>(width), static_cast<int>(height));
    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), pixels));
    painter.end();
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

QPixmap pixmap(const QString& name, const QSize& size, qreal devicePixelRatio)
{
    return QPixmap::fromImage(image(name, size, devicePixelRatio));
}

QIcon icon(const QString& name)
{
    if (!contains(name)) {
        return QIcon();
    }
    return QIcon(new SvgIconEngine(name));
}

}
