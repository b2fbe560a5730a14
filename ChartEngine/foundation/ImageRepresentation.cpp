#include "ChartEngine/foundation/ImageRepresentation.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <QBuffer>
#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

std::optional<QByteArray> encode(const QImage& image, const char* format, int quality)
{
    if (image.isNull()) {
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) {
        return std::nullopt;
    }
    return bytes;
}

}

std::optional<QByteArray> imagePNGRepresentation(const QImage& image)
{
    return encode(image, "PNG", -1);
}

std::optional<QByteArray> imageJPEGRepresentation(const QImage& image, double quality)
{
    if (!std::isfinite(quality)) {
        return std::nullopt;
    }
    const int percent = checkedInteger<int>(std::round(std::clamp(quality, 0.0, 1.0) * 100));
    return encode(image, "JPEG", percent);
}

}
