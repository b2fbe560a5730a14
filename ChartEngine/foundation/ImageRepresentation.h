#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace Charts {

// The image encoded as PNG; none for a null image or when encoding fails.
std::optional<QByteArray> imagePNGRepresentation(const QImage& image);

// The image encoded as JPEG with a compression quality from 0 (smallest) to 1 (best); a quality
// outside that range is held to it. None for a null image, a quality that is not a number or
// infinite, or when encoding fails.
std::optional<QByteArray> imageJPEGRepresentation(const QImage& image, double quality);

}
