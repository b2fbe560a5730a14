#include "ChartEngine/foundation/ImageFill.h"

#include "ChartEngine/foundation/ChartImage.h"

#include <QPainter>
#include <QPainterPath>

namespace Charts {

std::shared_ptr<ImageFill> ImageFill::create(std::shared_ptr<ChartImage> image, bool isTiled)
{
    if (!image || image->isNull()) {
        return nullptr;
    }
    return std::shared_ptr<ImageFill>(new ImageFill(std::move(image), isTiled));
}

ImageFill::ImageFill(std::shared_ptr<ChartImage> image, bool isTiled)
    : m_image(std::move(image))
    , m_isTiled(isTiled)
{
}

void ImageFill::fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const
{
    if (!isFinite(rect)) {
        return;
    }
    painter.save();
    clipToArea(painter, path);
    if (m_isTiled) {
        drawTiled(painter, rect);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect, m_image->image());
    }
    painter.restore();
}

void ImageFill::drawTiled(QPainter& painter, const QRectF& rect) const
{
    // The brush repeats the bitmap pixel for pixel; scaling it by the bitmap's pixel ratio
    // gives tiles of the image's size in points.
    const QImage& bitmap = m_image->image();
    const double ratio = bitmap.devicePixelRatio();
    QBrush tiles(bitmap);
    tiles.setTransform(QTransform::fromTranslate(rect.x(), rect.y()).scale(1.0 / ratio, 1.0 / ratio));
    painter.fillRect(rect, tiles);
}

}
