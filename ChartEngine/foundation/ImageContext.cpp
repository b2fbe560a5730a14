#include "ChartEngine/foundation/ImageContext.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include <sys/mman.h>

namespace Charts {

namespace {

struct ImageContextEntry {
    double scale = 1;
    // None when the bitmap could not be made.
    std::unique_ptr<QImage> bitmap;
    // Declared after the bitmap, so it ends before the bitmap goes.
    std::unique_ptr<QPainter> painter;
};

std::vector<ImageContextEntry>& imageContexts()
{
    static std::vector<ImageContextEntry> stack;
    return stack;
}

double screenScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

// The pixels of a bitmap, mapped straight from the system: they read as zero until written,
// and a request that cannot be backed fails at once instead of being committed page by page.
struct MappedPixels {
    void* address = nullptr;
    std::size_t length = 0;
};

void releasePixels(void* info)
{
    auto* pixels = static_cast<MappedPixels*>(info);
    munmap(pixels->address, pixels->length);
    delete pixels;
}

// A zero-filled bitmap of 4 bytes a pixel, or none when it cannot be made.
std::unique_ptr<QImage> makeBitmap(double pixelWidth, double pixelHeight, bool opaque)
{
    if (pixelWidth > INT_MAX || pixelHeight > INT_MAX) {
        return nullptr;
    }
    const auto width = checkedInteger<std::size_t>(pixelWidth);
    const auto height = checkedInteger<std::size_t>(pixelHeight);
    const std::size_t bytesPerLine = 4 * width;
    if (height > std::numeric_limits<std::size_t>::max() / bytesPerLine) {
        return nullptr;
    }
    const std::size_t length = bytesPerLine * height;
    void* address = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED) {
        return nullptr;
    }
    auto* pixels = new MappedPixels{address, length};
    const QImage::Format format = opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    auto bitmap = std::make_unique<QImage>(static_cast<uchar*>(address), int(width), int(height),
                                           qsizetype(bytesPerLine), format, &releasePixels, pixels);
    if (bitmap->isNull()) {
        // QImage refuses some sizes itself; a null image never calls its cleanup function.
        releasePixels(pixels);
        return nullptr;
    }
    if (opaque) {
        bitmap->fill(QColor(Qt::black));
    }
    return bitmap;
}

void openBitmap(ImageContextEntry& entry, double pixelWidth, double pixelHeight, bool opaque)
{
    auto bitmap = makeBitmap(pixelWidth, pixelHeight, opaque);
    if (!bitmap) {
        return;
    }
    auto painter = std::make_unique<QPainter>(bitmap.get());
    if (!painter->isActive()) {
        return;
    }
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter->scale(entry.scale, entry.scale);
    entry.bitmap = std::move(bitmap);
    entry.painter = std::move(painter);
}

}

void beginImageContext(const QSizeF& size, bool opaque, double scale)
{
    if (scale == 0) {
        scale = screenScale();
    }
    const double pixelWidth = std::trunc(size.width() * scale);
    const double pixelHeight = std::trunc(size.height() * scale);
    // Written so that NaN opens nothing either.
    if (!(pixelWidth >= 1) || !(pixelHeight >= 1)) {
        return;
    }
    auto& stack = imageContexts();
    stack.push_back(ImageContextEntry{scale, nullptr, nullptr});
    openBitmap(stack.back(), pixelWidth, pixelHeight, opaque);
}

QPainter* currentImageContext()
{
    const auto& stack = imageContexts();
    return stack.empty() ? nullptr : stack.back().painter.get();
}

std::optional<QImage> imageFromCurrentImageContext()
{
    const auto& stack = imageContexts();
    if (stack.empty() || !stack.back().bitmap) {
        return std::nullopt;
    }
    const ImageContextEntry& top = stack.back();
    QImage image = top.bitmap->copy();
    image.setDevicePixelRatio(top.scale);
    return image;
}

void endImageContext()
{
    auto& stack = imageContexts();
    if (stack.empty()) {
        return;
    }
    stack.pop_back();
}

}
