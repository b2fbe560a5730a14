#include "ChartEngine/components/MarkerImage.h"

#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/DrawingUtils.h"

namespace Charts {

QSizeF MarkerImage::drawnSize() const
{
    QSizeF drawn = size();
    if (const std::shared_ptr<ChartImage> image = this->image()) {
        if (drawn.width() == 0.0) {
            drawn.setWidth(image->size().width());
        }
        if (drawn.height() == 0.0) {
            drawn.setHeight(image->size().height());
        }
    }
    return drawn;
}

QPointF MarkerImage::offsetForDrawingAtPoint(QPointF point) const
{
    return offsetKeptInside(point, offset(), drawnSize(), chartView());
}

void MarkerImage::refreshContent(const std::shared_ptr<ChartDataEntry>& /*entry*/,
                                 const std::shared_ptr<Highlight>& /*highlight*/)
{
}

void MarkerImage::draw(QPainter& painter, QPointF point)
{
    const std::shared_ptr<ChartImage> image = this->image();
    if (!image) {
        return;
    }
    const QPointF origin = point + offsetForDrawingAtPoint(point);
    const QSizeF drawn = drawnSize();
    // The image helper centres the image on its point.
    drawImage(painter, *image, origin + QPointF(drawn.width() / 2.0, drawn.height() / 2.0), drawn);
}

}
