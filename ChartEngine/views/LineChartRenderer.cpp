#include "ChartEngine/views/LineChartRenderer.h"

#include "ChartEngine/data/FillFormatter.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSetProtocol.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/LineDash.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/LineChartDataProvider.h"
#include "ChartEngine/views/LineChartView.h"
#include "ChartEngine/views/LineReduction.h"
#include "ChartEngine/views/PointAccessibility.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace Charts {

namespace {

// Joins are mitred up to ten times the line width across the join, and bevelled beyond: a sharp
// turn (a zigzag of readings close together) would otherwise draw a spike far past its value.
constexpr double miterLimit = 10.0;

std::shared_ptr<LineChartDataSetProtocol> lineDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet)
{
    return std::dynamic_pointer_cast<LineChartDataSetProtocol>(dataSet);
}

bool isSolid(const LineChartDataSetProtocol& dataSet)
{
    const auto lengths = dataSet.lineDashLengths();
    return !lengths || lengths->isEmpty();
}

// The platform's clear colour: every component 0.
bool isClearColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() == 0 && rgb.green() == 0 && rgb.blue() == 0 && rgb.alpha() == 0;
}

// Qt strokes a dashed line dash by dash over its whole length, visible or not: a line that runs
// far beyond the view (a value of 1e17 is 1e18 points long), or dashes of a hair's length, would
// take minutes. Past this many dashes the line, or the gradient line's outline, is drawn solid.
constexpr double maxLineDashes = 100000.0;

// The length of the line, its curves flattened as Qt flattens them to draw: QPainterPath::length
// takes seconds over a curve whose control points lie 1e300 points away.
double flattenedLength(const QPainterPath& spline)
{
    double length = 0.0;
    for (const QPolygonF& polygon : spline.toSubpathPolygons()) {
        for (qsizetype i = 1; i < polygon.size(); ++i) {
            length += QLineF(polygon.at(i - 1), polygon.at(i)).length();
        }
    }
    return length;
}

// Whether the set's dash pattern, repeated along the line, stays within the dashes a line can
// hold.
bool dashesFitLine(const LineChartDataSetProtocol& dataSet, const QPainterPath& spline)
{
    const auto lengths = dataSet.lineDashLengths();
    const double period = dashPeriod(lengths);
    if (period == 0.0) {
        return true;
    }
    const double perPeriod = static_cast<double>(lengths->size() % 2 == 0 ? lengths->size() : 2 * lengths->size());
    const double dashes = flattenedLength(spline) / period * perPeriod;
    return std::isfinite(dashes) && dashes >= 0.0 && dashes <= maxLineDashes;
}

// The outline of the stroked line within `bounds`: the set's width, cap and dash, mitred joins.
QPainterPath strokedOutline(const LineChartDataSetProtocol& dataSet, const QPainterPath& spline, const QRectF& bounds)
{
    QPainterPathStroker stroker;
    stroker.setWidth(strokeWidth(dataSet.lineWidth()));
    stroker.setCapStyle(dataSet.lineCapType());
    stroker.setJoinStyle(Qt::SvgMiterJoin);
    stroker.setMiterLimit(miterLimit);
    if (dashesFitLine(dataSet, spline)) {
        applyLineDash(stroker, stroker.width(), dataSet.lineDashPhase(), dataSet.lineDashLengths());
    }
    QPainterPath outline = clippedStrokeOutline(stroker, spline, bounds);
    outline.setFillRule(Qt::WindingFill);
    return outline;
}

}

LineChartRenderer::LineChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                     std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineRadarRenderer(std::move(animator), std::move(viewPortHandler))
    , m_chart(chart)
{
}

LineChartRenderer::~LineChartRenderer() = default;

LineChartDataProvider* LineChartRenderer::dataProvider() const
{
    return dynamic_cast<LineChartDataProvider*>(m_chart.data());
}

void LineChartRenderer::setDataProvider(QObject* chart)
{
    m_chart = chart;
}

void LineChartRenderer::initBuffers()
{
    m_valuesCopies.clear();
}

// ---- Lines ----

void LineChartRenderer::drawData(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto lineData = provider ? provider->lineData() : nullptr;
    if (!lineData) {
        return;
    }
    auto* lineView = qobject_cast<LineChartView*>(chartView());
    beginAccessibleElements(lineView ? createAccessibleHeader(*lineView, *lineData, QStringLiteral("Line Chart"))
                                     : nullptr);
    for (const auto& dataSet : lineData->dataSets()) {
        const auto lineSet = lineDataSet(dataSet);
        if (lineSet && lineSet->isVisible()) {
            drawDataSet(painter, lineSet);
        }
    }
}

void LineChartRenderer::drawDataSet(QPainter& painter, const std::shared_ptr<LineChartDataSetProtocol>& dataSet)
{
    if (dataSet->entryCount() < 1) {
        return;
    }
    painter.save();
    QPen pen;
    pen.setWidthF(strokeWidth(dataSet->lineWidth()));
    applyLineDash(pen, dataSet->lineDashPhase(), dataSet->lineDashLengths());
    pen.setCapStyle(dataSet->lineCapType());
    pen.setJoinStyle(Qt::SvgMiterJoin);
    pen.setMiterLimit(miterLimit);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (dataSet->mode()) {
    case LineChartDataSetMode::linear:
    case LineChartDataSetMode::stepped:
        drawLinear(painter, dataSet);
        break;
    case LineChartDataSetMode::cubicBezier:
        drawCubicBezier(painter, dataSet);
        break;
    case LineChartDataSetMode::horizontalBezier:
        drawHorizontalBezier(painter, dataSet);
        break;
    default:
        chartFatal(QStringLiteral("Unexpected LineChartDataSet.Mode value %1").arg(static_cast<int>(dataSet->mode())));
    }
    painter.restore();
}

void LineChartRenderer::drawLinear(QPainter& painter, const std::shared_ptr<LineChartDataSetProtocol>& dataSet)
{
    const auto* provider = dataProvider();
    if (!provider) {
        return;
    }
    const auto transformer = provider->getTransformer(dataSet->axisDependency());
    const AffineTransform matrix = transformer->valueToPixelMatrix();
    m_xBounds.set(*provider, *dataSet, animator().get());
    if (dataSet->isDrawFilledEnabled() && dataSet->entryCount() > 0) {
        drawLinearFill(painter, *dataSet, *transformer, m_xBounds);
    }
    painter.save();
    const bool gradient = dataSet->isDrawLineWithGradientEnabled();
    if (dataSet->colors().size() >= 2 && !gradient) {
        drawLinearSegments(painter, *dataSet, matrix);
    } else if (!gradient && isSolid(*dataSet) && m_xBounds.range() + 1 > pathEntryLimit) {
        drawLinearBatches(painter, dataSet, matrix);
    } else {
        const QPainterPath spline = linearPath(*dataSet, matrix);
        if (spline.elementCount() > 0) {
            strokeLine(painter, *dataSet, spline, matrix);
        }
    }
    painter.restore();
}

// The line through the visited entries, starting at the entry before the first (entry 0 for
// the first): the line enters the content from its left edge.
QPainterPath LineChartRenderer::linearPath(const LineChartDataSetProtocol& dataSet,
                                           const AffineTransform& matrix) const
{
    QPainterPath spline;
    if (!dataSet.entryForIndex(m_xBounds.min())) {
        return spline;
    }
    const bool stepped = dataSet.mode() == LineChartDataSetMode::stepped;
    const double phase = phaseY();
    bool first = true;
    for (const qint64 x : m_xBounds) {
        const auto e1 = dataSet.entryForIndex(x == 0 ? 0 : x - 1);
        const auto e2 = dataSet.entryForIndex(x);
        if (!e1 || !e2) {
            continue;
        }
        const QPointF point = matrix.map(QPointF(e1->x(), e1->y() * phase));
        if (first) {
            spline.moveTo(point);
        } else {
            spline.lineTo(point);
        }
        if (stepped) {
            spline.lineTo(matrix.map(QPointF(e2->x(), e1->y() * phase)));
        }
        spline.lineTo(matrix.map(QPointF(e2->x(), e2->y() * phase)));
        first = false;
    }
    return spline;
}

// One segment per pair of neighbouring entries, each in the colour of its first entry.
void LineChartRenderer::drawLinearSegments(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                           const AffineTransform& matrix)
{
    const bool stepped = dataSet.mode() == LineChartDataSetMode::stepped;
    const std::size_t size = stepped ? 4 : 2;
    if (m_lineSegments.size() != size) {
        m_lineSegments.assign(size, QPointF());
    }
    const ViewPortHandler& handler = *viewPortHandler();
    const double phase = phaseY();
    QPen pen = painter.pen();
    for (qint64 j = m_xBounds.min(); j < m_xBounds.min() + m_xBounds.range(); ++j) {
        const auto e = dataSet.entryForIndex(j);
        if (!e) {
            continue;
        }
        const auto e2 = dataSet.entryForIndex(j + 1);
        if (!e2) {
            break;
        }
        m_lineSegments[0] = QPointF(e->x(), e->y() * phase);
        m_lineSegments[1] = QPointF(e2->x(), stepped ? m_lineSegments[0].y() : e2->y() * phase);
        if (stepped) {
            m_lineSegments[2] = m_lineSegments[1];
            m_lineSegments[3] = QPointF(e2->x(), e2->y() * phase);
        }
        for (QPointF& point : m_lineSegments) {
            matrix.apply(point);
        }
        const QPointF& first = m_lineSegments.front();
        const QPointF& last = m_lineSegments.back();
        if (!handler.isInBoundsRight(first.x())) {
            break;
        }
        if ((first.x() == last.x() && first.y() == last.y()) || !handler.isInBoundsLeft(last.x())
            || !handler.isInBoundsTop(std::max(first.y(), last.y()))
            || !handler.isInBoundsBottom(std::min(first.y(), last.y()))) {
            continue;
        }
        pen.setColor(dataSet.colorAtIndex(j));
        painter.setPen(pen);
        QList<QLineF> lines;
        for (std::size_t k = 0; k < size; k += 2) {
            lines.append(QLineF(m_lineSegments[k], m_lineSegments[k + 1]));
        }
        // A segment to a value far outside the view is stroked only where it can be seen.
        drawClippedLines(painter, lines, handler.chartBounds());
    }
}

// The same line as linearPath, stroked segment by segment from the copy of the set's values and
// reduced per device-pixel column at the widths the reduction is made for.
void LineChartRenderer::drawLinearBatches(QPainter& painter,
                                          const std::shared_ptr<LineChartDataSetProtocol>& dataSet,
                                          const AffineTransform& matrix)
{
    const LineValuesCopy& copy = valuesCopy(dataSet);
    const double* xs = copy.xValues().data();
    const double* ys = copy.yValues().data();
    const qint64 count = static_cast<qint64>(copy.xValues().size());
    const bool stepped = dataSet->mode() == LineChartDataSetMode::stepped;

    QPen pen = painter.pen();
    pen.setColor(dataSet->colorAtIndex(0));
    painter.setPen(pen);
    LineReduction line(painter, matrix, phaseY(), m_lineReductionEnabled && dataSet->lineWidth() <= reductionWidthLimit,
                       m_lineCanvas, viewPortHandler()->chartBounds());
    const qint64 first = std::max<qint64>(m_xBounds.min(), 0);
    const qint64 last = std::min(m_xBounds.min() + m_xBounds.range(), count - 1);
    if (first <= last) {
        const qint64 previous = first == 0 ? 0 : first - 1;
        line.addPoint(xs[previous], ys[previous]);
    }
    if (!stepped) {
        line.addPoints(xs, ys, first, last, copy.isAscendingAndFinite());
    }
    for (qint64 x = first; stepped && x <= last; ++x) {
        line.addPoint(xs[x], ys[x == 0 ? 0 : x - 1]);
        line.addPoint(xs[x], ys[x]);
    }
    line.finish();
}

const LineValuesCopy& LineChartRenderer::valuesCopy(const std::shared_ptr<LineChartDataSetProtocol>& dataSet)
{
    std::erase_if(m_valuesCopies, [](const LineValuesCopy& copy) { return copy.isExpired(); });
    for (LineValuesCopy& copy : m_valuesCopies) {
        if (copy.isCopyOf(dataSet.get())) {
            if (!copy.isCurrent(dataSet.get())) {
                copy.rebuild();
            }
            return copy;
        }
    }
    return m_valuesCopies.emplace_back(dataSet);
}

void LineChartRenderer::strokeLine(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                   const QPainterPath& spline, const AffineTransform& matrix)
{
    if (dataSet.isDrawLineWithGradientEnabled()) {
        drawGradientLine(painter, dataSet, spline, matrix);
        return;
    }
    QPen pen = painter.pen();
    pen.setColor(dataSet.colorAtIndex(0));
    if (!dashesFitLine(dataSet, spline)) {
        pen.setStyle(Qt::SolidLine);
    }
    painter.setPen(pen);
    // Qt strokes a wide line over its whole length, seen or not: a line through values far
    // outside the view, or in a view with no room for its content, took seconds.
    drawClippedPath(painter, spline, viewPortHandler()->chartBounds());
}

// ---- Filled areas ----

double LineChartRenderer::fillLinePosition(const LineChartDataSetProtocol& dataSet) const
{
    const auto formatter = dataSet.fillFormatter();
    const auto* provider = dataProvider();
    return formatter && provider ? formatter->getFillLinePosition(dataSet, *provider) : 0.0;
}

void LineChartRenderer::fillArea(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                 const QPainterPath& area)
{
    if (const auto fill = dataSet.fill()) {
        drawFilledPath(painter, area, *fill, dataSet.fillAlpha());
    } else {
        drawFilledPath(painter, area, dataSet.fillColor(), dataSet.fillAlpha());
    }
}

void LineChartRenderer::drawLinearFill(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                       const Transformer& transformer, const XBounds& bounds)
{
    if (!dataProvider()) {
        return;
    }
    const QPainterPath area = generateFilledPath(dataSet, fillLinePosition(dataSet), bounds,
                                                 transformer.valueToPixelMatrix());
    fillArea(painter, dataSet, area);
}

QPainterPath LineChartRenderer::generateFilledPath(const LineChartDataSetProtocol& dataSet, double fillMin,
                                                   const XBounds& bounds, const AffineTransform& matrix) const
{
    const bool stepped = dataSet.mode() == LineChartDataSetMode::stepped;
    const double phase = phaseY();
    const auto pixel = [&matrix](double x, double y) { return matrix.map(QPointF(x, y)); };
    QPainterPath area;
    if (bounds.range() < 0) {
        return area;
    }
    if (const auto first = dataSet.entryForIndex(bounds.min())) {
        area.moveTo(pixel(first->x(), fillMin));
        area.lineTo(pixel(first->x(), first->y() * phase));
    }
    for (qint64 x = bounds.min() + 1; x <= bounds.min() + bounds.range(); ++x) {
        const auto e = dataSet.entryForIndex(x);
        if (!e) {
            continue;
        }
        if (stepped) {
            const auto previous = dataSet.entryForIndex(x - 1);
            if (!previous) {
                continue;
            }
            area.lineTo(pixel(e->x(), previous->y() * phase));
        }
        area.lineTo(pixel(e->x(), e->y() * phase));
    }
    if (const auto last = dataSet.entryForIndex(bounds.min() + bounds.range())) {
        area.lineTo(pixel(last->x(), fillMin));
    }
    area.closeSubpath();
    return area;
}

// ---- Curves ----

void LineChartRenderer::drawCubicBezier(QPainter& painter, const std::shared_ptr<LineChartDataSetProtocol>& dataSet)
{
    const auto matrix = curveMatrix(*dataSet);
    if (!matrix) {
        return;
    }
    const double intensity = dataSet->cubicIntensity();
    const auto pixel = [&matrix, phase = phaseY()](double x, double y) { return matrix->map(QPointF(x, y * phase)); };
    QPainterPath spline;
    if (m_xBounds.range() >= 1) {
        const qint64 min = m_xBounds.min();
        auto prevPrev = dataSet->entryForIndex(min == 0 ? 0 : min - 1);
        auto prev = dataSet->entryForIndex(min);
        if (!prev || !prevPrev) {
            return;
        }
        spline.moveTo(pixel(prev->x(), prev->y()));
        for (qint64 j = min + 1; j <= min + m_xBounds.range(); ++j) {
            const auto cur = dataSet->entryForIndex(j);
            const auto next = dataSet->entryForIndex(j + 1 < dataSet->entryCount() ? j + 1 : j);
            if (!cur || !next) {
                break;
            }
            const double prevDx = (cur->x() - prevPrev->x()) * intensity;
            const double prevDy = (cur->y() - prevPrev->y()) * intensity;
            const double curDx = (next->x() - prev->x()) * intensity;
            const double curDy = (next->y() - prev->y()) * intensity;
            spline.cubicTo(pixel(prev->x() + prevDx, prev->y() + prevDy),
                           pixel(cur->x() - curDx, cur->y() - curDy), pixel(cur->x(), cur->y()));
            prevPrev = prev;
            prev = cur;
        }
    }
    drawCurve(painter, *dataSet, spline, *matrix);
}

void LineChartRenderer::drawHorizontalBezier(QPainter& painter,
                                             const std::shared_ptr<LineChartDataSetProtocol>& dataSet)
{
    const auto matrix = curveMatrix(*dataSet);
    if (!matrix) {
        return;
    }
    const auto pixel = [&matrix, phase = phaseY()](double x, double y) { return matrix->map(QPointF(x, y * phase)); };
    QPainterPath spline;
    if (m_xBounds.range() >= 1) {
        auto prev = dataSet->entryForIndex(m_xBounds.min());
        if (!prev) {
            return;
        }
        spline.moveTo(pixel(prev->x(), prev->y()));
        for (qint64 j = m_xBounds.min() + 1; j <= m_xBounds.min() + m_xBounds.range(); ++j) {
            const auto cur = dataSet->entryForIndex(j);
            if (!cur) {
                break;
            }
            const double cx = prev->x() + (cur->x() - prev->x()) * 0.5;
            spline.cubicTo(pixel(cx, prev->y()), pixel(cx, cur->y()), pixel(cur->x(), cur->y()));
            prev = cur;
        }
    }
    drawCurve(painter, *dataSet, spline, *matrix);
}

// Sets the bounds for the set and answers its matrix; none without a chart.
std::optional<AffineTransform> LineChartRenderer::curveMatrix(const LineChartDataSetProtocol& dataSet)
{
    const auto* provider = dataProvider();
    if (!provider) {
        return std::nullopt;
    }
    m_xBounds.set(*provider, dataSet, animator().get());
    return provider->getTransformer(dataSet.axisDependency())->valueToPixelMatrix();
}

// The fill under a curve, then the curve itself.
void LineChartRenderer::drawCurve(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                  const QPainterPath& spline, const AffineTransform& matrix)
{
    painter.save();
    if (dataSet.isDrawFilledEnabled()) {
        drawCubicFill(painter, dataSet, spline, matrix, m_xBounds);
    }
    strokeLine(painter, dataSet, spline, matrix);
    painter.restore();
}

void LineChartRenderer::drawCubicFill(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                      QPainterPath spline, const AffineTransform& matrix,
                                      const XBounds& bounds)
{
    if (!dataProvider() || bounds.range() < 1) {
        return;
    }
    const double fillMin = fillLinePosition(dataSet);
    const auto last = dataSet.entryForIndex(bounds.min() + bounds.range());
    const auto first = dataSet.entryForIndex(bounds.min());
    spline.lineTo(matrix.map(QPointF(last ? last->x() : 0.0, fillMin)));
    spline.lineTo(matrix.map(QPointF(first ? first->x() : 0.0, fillMin)));
    spline.closeSubpath();
    fillArea(painter, dataSet, spline);
}

// ---- Gradient ----

void LineChartRenderer::drawGradientLine(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                         const QPainterPath& spline, const AffineTransform& matrix)
{
    const auto positions = dataSet.gradientPositions();
    if (!positions || spline.elementCount() == 0) {
        return;
    }
    const double grow = dataSet.lineWidth() / 2.0;
    const QRectF box = spline.boundingRect().adjusted(-grow, -grow, grow, grow);
    if (!(box.width() > 0.0 && box.height() > 0.0 && std::isfinite(box.width())
          && std::isfinite(box.height()) && std::isfinite(box.left()) && std::isfinite(box.top()))) {
        return;
    }
    const QGradientStops stops = gradientStops(dataSet, *positions, box, matrix);
    if (stops.isEmpty()) {
        return;
    }
    QLinearGradient gradient(QPointF(0.0, box.top()), QPointF(0.0, box.bottom()));
    gradient.setStops(stops);
    painter.save();
    const QRectF bounds = viewPortHandler()->chartBounds();
    painter.setClipPath(strokedOutline(dataSet, spline, bounds), Qt::IntersectClip);
    fillClippedRect(painter, box, gradient, bounds);
    painter.restore();
}

// Colours and positions are both walked from the last to the first and paired in that order,
// as many pairs as the shorter list holds; a position that gives no location is left out.
QGradientStops LineChartRenderer::gradientStops(const LineChartDataSetProtocol& dataSet,
                                                const QList<double>& positions, const QRectF& box,
                                                const AffineTransform& matrix)
{
    QList<QColor> colors;
    const QList<QColor> setColors = dataSet.colors();
    for (auto color = setColors.crbegin(); color != setColors.crend(); ++color) {
        if (color->isValid()) {
            colors.append(*color);
        }
    }
    QGradientStops stops;
    const qsizetype pairs = std::min(colors.size(), positions.size());
    for (qsizetype k = 0; k < pairs; ++k) {
        const double value = positions.at(positions.size() - 1 - k);
        const double location = (matrix.map(QPointF(box.left(), value)).y() - box.top()) / box.height();
        if (!std::isnan(location)) {
            stops.append({std::clamp(location, 0.0, 1.0), colors.at(k)});
        }
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const QGradientStop& a, const QGradientStop& b) { return a.first < b.first; });
    return stops;
}

// ---- Values ----

void LineChartRenderer::drawValues(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto lineData = provider ? provider->lineData() : nullptr;
    if (!lineData || !isDrawingValuesAllowed(provider)) {
        return;
    }
    qint64 i = 0;
    for (const auto& dataSet : lineData->dataSets()) {
        const auto lineSet = lineDataSet(dataSet);
        if (lineSet && shouldDrawValues(*lineSet)) {
            drawValuesOfSet(painter, *lineSet, i);
        }
        ++i;
    }
}

void LineChartRenderer::drawValuesOfSet(QPainter& painter, const LineChartDataSetProtocol& dataSet, qint64 i)
{
    const ViewPortHandler* handler = viewPortHandler().get();
    TextAttributes attributes;
    attributes.font = dataSet.valueFont();
    const auto formatter = dataSet.valueFormatter();
    const double angle = dataSet.valueLabelAngle() * std::numbers::pi / 180.0;
    const QPointF iconsOffset = dataSet.iconsOffset();
    // The label's distance above its point: 1.75 radii with circles, half of that without, in
    // whole points.
    double valOffset = std::trunc(dataSet.circleRadius() * 1.75);
    if (!std::isfinite(valOffset)) {
        valOffset = 0.0;
    }
    if (!dataSet.isDrawCirclesEnabled()) {
        valOffset = std::trunc(valOffset / 2.0);
    }
    const double lineHeight = fontLineHeight(attributes.font);
    forEachPointInContent(dataSet, [&](qint64 j, const ChartDataEntry& e, const QPointF& pt) {
        if (dataSet.isDrawValuesEnabled()) {
            const QString text = formatter ? formatter->stringForValue(e.y(), &e, i, handler) : QString();
            attributes.color = dataSet.valueTextColorAt(j);
            // A label that would rise above the view (its point on or near the content's top
            // edge) stands as far below its point instead.
            const double above = pt.y() - valOffset - lineHeight;
            const QPointF origin(pt.x() - textSize(text, attributes).width() * 0.5,
                                 above < 0.0 ? pt.y() + valOffset : above);
            if (angle != 0.0) {
                drawText(painter, text, origin, QPointF(0.5, 0.5), angle, attributes);
            } else {
                drawText(painter, text, origin, QPointF(0.0, 0.0), 0.0, attributes);
            }
        }
        if (e.icon() && dataSet.isDrawIconsEnabled()) {
            drawImage(painter, *e.icon(), pt + iconsOffset, e.icon()->size());
        }
    });
}

// The entries of the bounds in order with their points, up to a missing entry or the first point
// right of the content; a point outside the content is passed over.
void LineChartRenderer::forEachPointInContent(const LineChartDataSetProtocol& dataSet,
                                              const std::function<void(qint64, const ChartDataEntry&, const QPointF&)>& visit)
{
    const auto* provider = dataProvider();
    const ViewPortHandler& handler = *viewPortHandler();
    const AffineTransform matrix = provider->getTransformer(dataSet.axisDependency())->valueToPixelMatrix();
    const double phase = phaseY();
    m_xBounds.set(*provider, dataSet, animator().get());
    for (const qint64 j : m_xBounds) {
        const auto e = dataSet.entryForIndex(j);
        if (!e) {
            break;
        }
        const QPointF pt = matrix.map(QPointF(e->x(), e->y() * phase));
        if (!handler.isInBoundsRight(pt.x())) {
            break;
        }
        if (isPointInContent(pt)) {
            visit(j, *e, pt);
        }
    }
}

// A point on the top edge lands a rounding error above or below it, depending on the content's
// height: like the bottom test, which floors to hundredths, the top test rounds up to hundredths,
// so that such a point keeps its circle and value at every height.
bool LineChartRenderer::isPointInContent(const QPointF& pt) const
{
    const ViewPortHandler& handler = *viewPortHandler();
    return handler.isInBoundsLeft(pt.x()) && handler.isInBoundsRight(pt.x())
        && handler.isInBoundsTop(std::ceil(pt.y() * 100.0) / 100.0) && handler.isInBoundsBottom(pt.y());
}

// ---- Circles and accessibility ----

void LineChartRenderer::drawExtras(QPainter& painter)
{
    drawCircles(painter);
}

QList<DataRenderer::Elements> LineChartRenderer::accessibilityOrderedElements()
{
    accessibleChartElements();
    return m_accessibilityOrderedElements.value_or(emptyOrderedElements());
}

QList<DataRenderer::Elements> LineChartRenderer::emptyOrderedElements() const
{
    const auto* view = chartView();
    const auto lineData = view ? dataProvider()->lineData() : nullptr;
    return QList<Elements>(lineData ? lineData->dataSetCount() : 0);
}

void LineChartRenderer::drawCircles(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto lineData = provider ? provider->lineData() : nullptr;
    if (!lineData) {
        return;
    }
    painter.save();
    for (const auto& dataSet : lineData->dataSets()) {
        const auto lineSet = lineDataSet(dataSet);
        if (lineSet && lineSet->isVisible() && lineSet->isDrawCirclesEnabled() && lineSet->entryCount() != 0) {
            drawCirclesOfSet(painter, *lineSet);
        }
    }
    painter.restore();
}

void LineChartRenderer::drawCirclesOfSet(QPainter& painter, const LineChartDataSetProtocol& dataSet)
{
    const double radius = dataSet.circleRadius();
    const double holeRadius = dataSet.circleHoleRadius();
    const bool drawHole = dataSet.isDrawCircleHoleEnabled() && radius > holeRadius && holeRadius > 0.0;
    const std::optional<QColor> holeColor = dataSet.circleHoleColor();
    const bool transparentHole = drawHole && (!holeColor || isClearColor(*holeColor));
    const QRectF bounds = viewPortHandler()->chartBounds();
    painter.setPen(Qt::NoPen);
    forEachPointInContent(dataSet, [&](qint64 j, const ChartDataEntry&, const QPointF& pt) {
        const QColor color = dataSet.getCircleColorAtIndex(j);
        const QRectF circle(pt.x() - radius, pt.y() - radius, 2 * radius, 2 * radius);
        const QRectF hole(pt.x() - holeRadius, pt.y() - holeRadius, 2 * holeRadius, 2 * holeRadius);
        if (transparentHole) {
            QPainterPath ring;
            ring.setFillRule(Qt::OddEvenFill);
            ring.addEllipse(circle);
            ring.addEllipse(hole);
            fillClippedPath(painter, ring, color, bounds);
            return;
        }
        painter.setBrush(color);
        drawClippedEllipse(painter, circle, bounds);
        if (drawHole) {
            painter.setBrush(*holeColor);
            drawClippedEllipse(painter, hole, bounds);
        }
    });
}

// Every entry of every visible set, in data-set order and from left to right, framed by a square
// of six circle radii about its point; an entry the pass draws no circle for (outside the bounds
// or the content) is off screen.
DataRenderer::Elements LineChartRenderer::describeEntries() const
{
    const auto* provider = dataProvider();
    const auto lineData = provider ? provider->lineData() : nullptr;
    m_accessibilityOrderedElements = emptyOrderedElements();
    ChartViewBase* view = chartView();
    if (!lineData || !view) {
        return {};
    }
    Elements elements;
    qint64 i = 0;
    for (const auto& dataSet : lineData->dataSets()) {
        const auto lineSet = lineDataSet(dataSet);
        const auto points = lineSet ? pointSourceOf(view, lineData.get(), *lineSet, i, viewPortHandler().get())
                                    : std::nullopt;
        if (points && lineSet->isVisible() && i < m_accessibilityOrderedElements->size()) {
            (*m_accessibilityOrderedElements)[i] = describePoints(*points, *lineSet);
            elements.append(m_accessibilityOrderedElements->at(i));
        }
        ++i;
    }
    return elements;
}

DataRenderer::Elements LineChartRenderer::describePoints(const PointSource& points,
                                                         const LineChartDataSetProtocol& dataSet) const
{
    const AffineTransform matrix = dataProvider()->getTransformer(dataSet.axisDependency())->valueToPixelMatrix();
    const XBounds bounds(*dataProvider(), dataSet, animator().get());
    const double radius = dataSet.circleRadius();
    const double phase = phaseY();
    Elements elements;
    // As in the pass, a missing entry or the first point right of the content ends what is drawn.
    bool ended = false;
    for (qint64 j = 0; j < dataSet.entryCount(); ++j) {
        const auto e = dataSet.entryForIndex(j);
        if (!e) {
            ended = ended || bounds.contains(j);
            continue;
        }
        const QPointF pt = matrix.map(QPointF(e->x(), e->y() * phase));
        ended = ended || (bounds.contains(j) && !viewPortHandler()->isInBoundsRight(pt.x()));
        auto element = makePointElement(points, j, QRectF(pt.x() - 3 * radius, pt.y() - 3 * radius, 6 * radius, 6 * radius));
        element->setOffScreen(ended || !bounds.contains(j) || !isPointInContent(pt));
        elements.append(element);
    }
    return elements;
}

// ---- Highlights ----

void LineChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    const auto* provider = dataProvider();
    const auto lineData = provider ? provider->lineData() : nullptr;
    if (!lineData) {
        return;
    }
    const double chartXMax = provider->chartXMax();
    painter.save();
    for (const auto& highlight : indices) {
        drawHighlight(painter, highlight, *lineData, chartXMax);
    }
    painter.restore();
}

// A null highlight, or one whose data set does not exist, is skipped.
void LineChartRenderer::drawHighlight(QPainter& painter, const std::shared_ptr<Highlight>& highlight,
                                      const LineChartData& lineData, double chartXMax)
{
    const auto dataSet = highlight ? lineDataSet(lineData.dataSetAtIndex(highlight->dataSetIndex())) : nullptr;
    if (!dataSet || !dataSet->isHighlightEnabled()) {
        return;
    }
    const auto e = dataSet->entryForXValue(highlight->x(), highlight->y());
    if (!e || !isInBoundsX(*e, *dataSet)) {
        return;
    }
    QPen pen(dataSet->highlightColor());
    pen.setWidthF(strokeWidth(dataSet->highlightLineWidth()));
    pen.setCapStyle(Qt::FlatCap);
    applyLineDash(pen, dataSet->highlightLineDashPhase(), dataSet->highlightLineDashLengths());
    painter.setPen(pen);
    const double x = e->x();
    const double y = e->y() * phaseY();
    if (x > chartXMax * phaseX()) {
        return;
    }
    const QPointF pt = dataProvider()->getTransformer(dataSet->axisDependency())->pixelForValues(x, y);
    highlight->setDraw(pt);
    drawHighlightLines(painter, pt, *dataSet);
}

// ---- Chart view parts ----

ChartViewBase* LineChartRenderer::chartView() const
{
    return qobject_cast<ChartViewBase*>(m_chart.data());
}

}
