#pragma once

#include <QImage>
#include <QSizeF>
#include <map>
#include <memory>
#include <utility>

namespace Charts {

// The engine's image: a bitmap shared by reference (entries' icons, image drawing, image
// fills) together with the resized copies made of it for drawing, one per requested size,
// kept as long as the image lives.
class ChartImage {
public:
    explicit ChartImage(QImage image);
    static std::shared_ptr<ChartImage> create(QImage image);

    ChartImage(const ChartImage&) = delete;
    ChartImage& operator=(const ChartImage&) = delete;

    const QImage& image() const { return m_image; }
    bool isNull() const { return m_image.isNull(); }
    // The size in points: pixels divided by the bitmap's device pixel ratio.
    QSizeF size() const { return m_image.deviceIndependentSize(); }

    // The copy of this image drawn at `size` points with `scale` pixels a point, made the
    // first time a size is asked for and kept under that size from then on. A null image when
    // no copy can be made (a size that is not finite or below one pixel, or no memory); such a
    // failure is not kept, so a later call tries again.
    QImage resizedCopy(QSizeF size, double scale) const;

    // How many resized copies the image holds.
    std::size_t resizedCopyCount() const { return m_resizedCopies.size(); }

private:
    QImage makeResizedCopy(QSizeF size, double scale) const;

    QImage m_image;
    mutable std::map<std::pair<double, double>, QImage> m_resizedCopies;
};

}
