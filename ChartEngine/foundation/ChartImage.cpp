#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <QPainter>
#include <cmath>

namespace Charts {

namespace {
// Bitmap sides beyond this are not attempted (QImage refuses them anyway).
constexpr double largestSide = 32767.0;

bool isPixelSide(double pixels)
{
    return std::isfinite(pixels) && pixels >= 1.0 && pixels <= largestSide;
}
}

ChartImage::ChartImage(QImage image)
    : m_image(std::move(image))
{
}

std::shared_ptr<ChartImage> ChartImage::create(QImage image)
{
    return std::make_shared<ChartImage>(std::move(image));
}

QImage ChartImage::resizedCopy(QSizeF size, double scale) const
{
    if (!std::isfinite(size.width()) || !std::isfinite(size.height())) {
        return QImage(); // and no key that would upset the cache's order
    }
    const std::pair<double, double> key(size.width(), size.height());
    if (const auto found = m_resizedCopies.find(key); found != m_resizedCopies.end()) {
        return found->second;
    }
    QImage copy = makeResizedCopy(size, scale);
    if (!copy.isNull()) {
        m_resizedCopies.emplace(key, copy);
    }
    return copy;
}

QImage ChartImage::makeResizedCopy(QSizeF size, double scale) const
{
    const double width = size.width() * scale;
    const double height = size.height() * scale;
    if (m_image.isNull() || !std::isfinite(scale) || scale <= 0.0 || !isPixelSide(width)
        || !isPixelSide(height)) {
        return QImage();
    }
    QImage copy(checkedInteger<int>(width), checkedInteger<int>(height),
                QImage::Format_ARGB32_Premultiplied);
    if (copy.isNull()) {
        return QImage();
    }
    copy.setDevicePixelRatio(scale);
    copy.fill(Qt::transparent);
    QPainter painter(&copy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0.0, 0.0), size), m_image);
    return copy;
}

}
