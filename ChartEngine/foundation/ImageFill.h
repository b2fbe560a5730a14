#pragma once

#include "ChartEngine/foundation/Fill.h"

#include <memory>

namespace Charts {

class ChartImage;

// Fills the area with an image: repeated at its natural size from the content rectangle's
// top-left corner when tiled, else stretched once over the content rectangle.
class ImageFill : public Fill {
public:
    // A fill of `image`, or null when there is no image or it holds no bitmap.
    static std::shared_ptr<ImageFill> create(std::shared_ptr<ChartImage> image, bool isTiled);

    const std::shared_ptr<ChartImage>& image() const { return m_image; }
    bool isTiled() const { return m_isTiled; }

    void fillPath(QPainter& painter, const QPainterPath& path, const QRectF& rect) const override;

private:
    ImageFill(std::shared_ptr<ChartImage> image, bool isTiled);

    void drawTiled(QPainter& painter, const QRectF& rect) const;

    std::shared_ptr<ChartImage> m_image;
    bool m_isTiled;
};

}
