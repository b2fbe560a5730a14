#pragma once

#include <QImage>
#include <QSizeF>
#include <optional>

class QPainter;

namespace Charts {

// Off-screen drawing: a stack of image contexts, each a bitmap with a painter drawing on it in
// points (y down) at the context's scale. The innermost open context is the current one.
// GUI thread only.

// Opens an image context of size × scale pixels (each side truncated toward zero) and makes it
// current. Scale 0 means the primary screen's device pixel ratio (1 without a screen). When a
// side comes to less than one pixel, nothing is opened. When the bitmap cannot be made (too
// large for memory or for QImage), a context without bitmap is opened all the same: while it is
// innermost there is no current painter and no image, and endImageContext closes it and nothing
// else. The bitmap starts opaque black (RGB32) or transparent (premultiplied ARGB32).
void beginImageContext(const QSizeF& size, bool opaque, double scale);

// The painter of the current image context; null when none is open or the current one has no
// bitmap.
QPainter* currentImageContext();

// A copy of the current context's bitmap whose device pixel ratio is the context's scale (so
// its size in points is pixels / scale); none when there is no current bitmap.
std::optional<QImage> imageFromCurrentImageContext();

// Closes the innermost image context, which makes the one around it current again. Does nothing
// when none is open.
void endImageContext();

}
