#pragma once

#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <QRectF>

#include <initializer_list>

class QPainter;

namespace Charts {

// The painter settings the shape renderers draw with: filling without an outline, and stroking
// with butt caps and mitred corners (so a stroked square keeps its corners). Each draws within
// `bounds` (the chart's bounds) through the engine's clipped drawing (ClippedDrawing).
namespace ShapePainting {

void fillRect(QPainter& painter, const QRectF& rect, const QColor& color, const QRectF& bounds);
void fillEllipse(QPainter& painter, const QRectF& rect, const QColor& color, const QRectF& bounds);
// Fills with the non-zero winding rule.
void fillPath(QPainter& painter, QPainterPath path, const QColor& color, const QRectF& bounds);
void strokeRect(QPainter& painter, const QRectF& rect, const QColor& color, double width, const QRectF& bounds);
void strokeEllipse(QPainter& painter, const QRectF& rect, const QColor& color, double width, const QRectF& bounds);
// The segments at line width 1.
void strokeLines(QPainter& painter, std::initializer_list<QLineF> lines, const QColor& color, const QRectF& bounds);

}

}
