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
    // A texture brush repeats the bitmap at its size in points (pixels over its pixel ratio),
    // the first tile at the rectangle's top-left corner.
    painter.setBrushOrigin(rect.topLeft());
    painter.fillRect(rect, QBrush(m_image->image()));
}

}
