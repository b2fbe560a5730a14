#pragma once

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <memory>

namespace Charts::AxisTest {

// A 400 x 300 chart whose content area spans x 40..370 and y 20..250.
inline std::shared_ptr<ViewPortHandler> chartHandler()
{
    auto handler = std::make_shared<ViewPortHandler>(400.0, 300.0);
    handler->restrainViewPort(40.0, 20.0, 30.0, 50.0);
    return handler;
}

// Maps x in [xMin, xMax] and y in [yMin, yMax] onto the handler's content area.
inline std::shared_ptr<Transformer> chartTransformer(const std::shared_ptr<ViewPortHandler>& handler,
                                                     double xMin, double xMax, double yMin,
                                                     double yMax, bool inverted = false)
{
    auto transformer = std::make_shared<Transformer>(handler);
    transformer->prepareMatrixValuePx(xMin, xMax - xMin, yMax - yMin, yMin);
    transformer->prepareMatrixOffset(inverted);
    return transformer;
}

// What `draw` paints on a white 400 x 300 canvas.
template <typename Draw> QImage painted(Draw draw)
{
    QImage canvas(400, 300, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    draw(painter);
    painter.end();
    return canvas;
}

// The bounding box of the dark pixels (text in the label colour).
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

// Whether any pixel differs from white.
inline bool isBlank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

}

namespace Charts::AxisTest {

// The ink of a limit line's label drawn at its top-left corner `origin` (or, right-aligned,
// ending at it): where the renderer is expected to have drawn it.
inline QRect labelInkAt(const QString& label, QPointF origin, TextAlignment alignment)
{
    TextAttributes attributes;
    attributes.font = systemFont(13);
    attributes.color = ChartColors::label();
    return inkBounds(painted([&](QPainter& painter) {
        drawAlignedText(painter, label, origin, alignment, QPointF(0, 0), 0.0, attributes);
    }));
}

// A limit line at `limit` whose line paints nothing, so that only its label leaves ink.
inline std::shared_ptr<ChartLimitLine> labelOnlyLimitLine(double limit,
                                                          ChartLimitLine::LabelPosition position)
{
    auto line = std::make_shared<ChartLimitLine>(limit, QStringLiteral("HUH"));
    line->setLineColor(Qt::transparent);
    line->setLabelPosition(position);
    return line;
}

}
