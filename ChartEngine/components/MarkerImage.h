#pragma once

#include "ChartEngine/components/Marker.h"
#include "ChartEngine/foundation/NSUIView.h"

#include <QPointer>

namespace Charts {

class ChartImage;

// A marker that draws an image at its offset from the value, kept inside the chart's bounds.
// The application's marker derives from it and replaces its content and drawing.
class MarkerImage : public Marker {
public:
    MarkerImage() = default;
    MarkerImage(const MarkerImage&) = delete;
    MarkerImage& operator=(const MarkerImage&) = delete;

    virtual std::shared_ptr<ChartImage> image() const { return m_image; }
    virtual void setImage(std::shared_ptr<ChartImage> image) { m_image = std::move(image); }
    QPointF offset() const override { return m_offset; }
    virtual void setOffset(QPointF offset) { m_offset = offset; }
    // The chart whose bounds the marker stays inside; held weakly.
    virtual NSUIView* chartView() const { return m_chartView.data(); }
    virtual void setChartView(NSUIView* chartView) { m_chartView = chartView; }
    // The drawn size; a zero width or height is the image's own.
    virtual QSizeF size() const { return m_size; }
    virtual void setSize(QSizeF size) { m_size = size; }

    QPointF offsetForDrawingAtPoint(QPointF point) const override;
    // The image does not depend on the value: nothing to do.
    void refreshContent(const std::shared_ptr<ChartDataEntry>& entry,
                        const std::shared_ptr<Highlight>& highlight) override;
    // The image into (point + offset, size); nothing without an image.
    void draw(QPainter& painter, QPointF point) override;

private:
    QSizeF drawnSize() const;

    std::shared_ptr<ChartImage> m_image;
    QPointF m_offset;
    QPointer<NSUIView> m_chartView;
    QSizeF m_size{0.0, 0.0};
};

}
