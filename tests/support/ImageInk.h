#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

// Pictures for drawing tests: a white canvas and where dark ink fell on it.
namespace ImageInk {

inline QImage whiteCanvas()
{
    QImage canvas(400, 300, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    return canvas;
}

// What `draw` paints on a white 400 x 300 canvas.
template <typename Draw> QImage painted(Draw draw)
{
    QImage canvas = whiteCanvas();
    QPainter painter(&canvas);
    draw(painter);
    painter.end();
    return canvas;
}

// The bounding box of the dark pixels, by pixel edges.
inline QRect inkBounds(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

}
