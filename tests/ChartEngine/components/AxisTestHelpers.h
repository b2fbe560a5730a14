#pragma once

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include "support/ImageInk.h"
#include "support/QtPrinters.h"

#include <QPainter>
#include <QRect>
#include <gtest/gtest.h>

#include <initializer_list>
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
inline std::shared_ptr<Transformer>
chartTransformer(const std::shared_ptr<ViewPortHandler>& handler, double xMin, double xMax,
                 double yMin, double yMax, bool inverted = false)
{
    auto transformer = std::make_shared<Transformer>(handler);
    transformer->prepareMatrixValuePx(xMin, xMax - xMin, yMax - yMin, yMin);
    transformer->prepareMatrixOffset(inverted);
    return transformer;
}

// Label values compared exactly: each is rounded once (fused multiply-add), so it is the same
// double everywhere.
inline void expectValues(const QList<double>& actual, const QList<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size()) << testing::PrintToString(actual);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "at " << i;
    }
}

using ImageInk::inkBounds;
using ImageInk::painted;

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

// The ink of the label "HUH" of a limit line at value 100 on an axis over x 0..330 and
// y 0..230 (one value a pixel); its line paints nothing.
template <typename Axis, typename Renderer>
QRect limitLineLabelInk(ChartLimitLine::LabelPosition position)
{
    auto line = std::make_shared<ChartLimitLine>(100.0, QStringLiteral("HUH"));
    line->setLineColor(Qt::transparent);
    line->setLabelPosition(position);
    auto axis = std::make_shared<Axis>();
    axis->addLimitLine(line);
    const auto handler = chartHandler();
    Renderer renderer(handler, axis, chartTransformer(handler, 0, 330, 0, 230));
    return inkBounds(painted([&](QPainter& painter) { renderer.renderLimitLines(painter); }));
}

// Where a limit line's label stands for one label position.
struct LabelPlacement {
    ChartLimitLine::LabelPosition position;
    QPointF origin;
    TextAlignment alignment;
};

template <typename Axis, typename Renderer>
void expectLimitLineLabelsAt(std::initializer_list<LabelPlacement> placements)
{
    for (const LabelPlacement& p : placements) {
        EXPECT_EQ((limitLineLabelInk<Axis, Renderer>(p.position)),
                  labelInkAt(QStringLiteral("HUH"), p.origin, p.alignment))
            << "label position " << static_cast<int>(p.position);
    }
}

}
