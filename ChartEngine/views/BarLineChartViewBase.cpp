#include "ChartEngine/views/BarLineChartViewBase.h"
#include "ChartEngine/foundation/DrawingUtils.h"

#include "ChartEngine/components/ChartHighlighter.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/LegendRenderer.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRenderer.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRenderer.h"
#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSetProtocol.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIClickGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIDisplayLink.h"
#include "ChartEngine/foundation/NSUIMagnificationGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIPanGestureRecognizer.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/AnimatedMoveViewJob.h"
#include "ChartEngine/views/AnimatedZoomViewJob.h"
#include "ChartEngine/views/ChartViewDelegate.h"
#include "ChartEngine/views/DataRenderer.h"
#include "ChartEngine/views/MoveViewJob.h"
#include "ChartEngine/views/ZoomViewJob.h"

#include <QPainter>
#include <QPen>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace Charts {

BarLineChartViewBase::BarLineChartViewBase(QWidget* parent)
    : ChartViewBase(parent)
{
    setUp();
}

BarLineChartViewBase::BarLineChartViewBase(const QRect& frame, QWidget* parent)
    : ChartViewBase(frame, parent)
{
    setUp();
}

BarLineChartViewBase::~BarLineChartViewBase()
{
    m_decelerationDisplayLink.reset();
}

// This class's step of the set-up: the axes, both transformers (the first read of the
// view-port handler makes it), the default highlighter and the gesture recognisers.
void BarLineChartViewBase::setUp()
{
    m_leftAxis = std::make_shared<YAxis>(AxisDependency::left);
    m_rightAxis = std::make_shared<YAxis>(AxisDependency::right);
    m_leftAxisTransformer = std::make_shared<Transformer>(viewPortHandler());
    m_rightAxisTransformer = std::make_shared<Transformer>(viewPortHandler());
    setHighlighter(std::make_shared<ChartHighlighter>(this));
    setUpGestureRecognizers();
}

// The pan recogniser keeps the enabled state it gets here: the drag switches are read by the
// drag itself.
void BarLineChartViewBase::setUpGestureRecognizers()
{
    m_tapGestureRecognizer = std::make_shared<NSUIClickGestureRecognizer>(
        [this](NSUIClickGestureRecognizer& recognizer) { tapGestureRecognized(recognizer); });
    m_doubleTapGestureRecognizer = std::make_shared<NSUIClickGestureRecognizer>(
        [this](NSUIClickGestureRecognizer& recognizer) { doubleTapGestureRecognized(recognizer); }, 2);
    m_panGestureRecognizer = std::make_shared<NSUIPanGestureRecognizer>(
        [this](NSUIPanGestureRecognizer& recognizer) { panGestureRecognized(recognizer); });
    addGestureRecognizer(m_tapGestureRecognizer);
    addGestureRecognizer(m_doubleTapGestureRecognizer);
    addGestureRecognizer(m_panGestureRecognizer);
    m_doubleTapGestureRecognizer->setEnabled(m_doubleTapToZoomEnabled);
    m_panGestureRecognizer->setEnabled(m_dragXEnabled || m_dragYEnabled);
    m_pinchGestureRecognizer = std::make_shared<NSUIMagnificationGestureRecognizer>(
        [this](NSUIMagnificationGestureRecognizer& recognizer) { pinchGestureRecognized(recognizer); });
    addGestureRecognizer(m_pinchGestureRecognizer);
    updatePinchGestureEnabled();
}

// --- Switches ------------------------------------------------------------------------------------

void BarLineChartViewBase::setDragEnabled(bool enabled)
{
    setDragXEnabled(enabled);
    setDragYEnabled(enabled);
}

void BarLineChartViewBase::setScaleEnabled(bool enabled)
{
    setScaleXEnabled(enabled);
    setScaleYEnabled(enabled);
}

void BarLineChartViewBase::setScaleXEnabled(bool enabled)
{
    if (enabled != m_scaleXEnabled) {
        m_scaleXEnabled = enabled;
        updatePinchGestureEnabled();
    }
}

void BarLineChartViewBase::setScaleYEnabled(bool enabled)
{
    if (enabled != m_scaleYEnabled) {
        m_scaleYEnabled = enabled;
        updatePinchGestureEnabled();
    }
}

void BarLineChartViewBase::setPinchZoomEnabled(bool enabled)
{
    if (enabled != m_pinchZoomEnabled) {
        m_pinchZoomEnabled = enabled;
        updatePinchGestureEnabled();
    }
}

void BarLineChartViewBase::setDoubleTapToZoomEnabled(bool enabled)
{
    if (enabled != m_doubleTapToZoomEnabled) {
        m_doubleTapToZoomEnabled = enabled;
        m_doubleTapGestureRecognizer->setEnabled(enabled);
    }
}

void BarLineChartViewBase::updatePinchGestureEnabled()
{
    m_pinchGestureRecognizer->setEnabled(m_pinchZoomEnabled || m_scaleXEnabled || m_scaleYEnabled);
}

// --- Axes and renderers --------------------------------------------------------------------------

std::shared_ptr<YAxis> BarLineChartViewBase::getAxis(AxisDependency axis) const
{
    return axis == AxisDependency::left ? m_leftAxis : m_rightAxis;
}

std::shared_ptr<YAxisRenderer> BarLineChartViewBase::leftYAxisRenderer() const
{
    if (!m_leftYAxisRenderer) {
        m_leftYAxisRenderer = std::make_shared<YAxisRenderer>(viewPortHandler(), m_leftAxis,
                                                              m_leftAxisTransformer);
    }
    return m_leftYAxisRenderer;
}

void BarLineChartViewBase::setLeftYAxisRenderer(std::shared_ptr<YAxisRenderer> renderer)
{
    m_leftYAxisRenderer = std::move(renderer);
}

std::shared_ptr<YAxisRenderer> BarLineChartViewBase::rightYAxisRenderer() const
{
    if (!m_rightYAxisRenderer) {
        m_rightYAxisRenderer = std::make_shared<YAxisRenderer>(viewPortHandler(), m_rightAxis,
                                                               m_rightAxisTransformer);
    }
    return m_rightYAxisRenderer;
}

void BarLineChartViewBase::setRightYAxisRenderer(std::shared_ptr<YAxisRenderer> renderer)
{
    m_rightYAxisRenderer = std::move(renderer);
}

std::shared_ptr<XAxisRenderer> BarLineChartViewBase::xAxisRenderer() const
{
    if (!m_xAxisRenderer) {
        m_xAxisRenderer = std::make_shared<XAxisRenderer>(viewPortHandler(), xAxis(),
                                                          m_leftAxisTransformer);
    }
    return m_xAxisRenderer;
}

void BarLineChartViewBase::setXAxisRenderer(std::shared_ptr<XAxisRenderer> renderer)
{
    m_xAxisRenderer = std::move(renderer);
}

// --- Data provider -------------------------------------------------------------------------------

double BarLineChartViewBase::chartYMin() const
{
    return std::min(m_leftAxis->axisMinimum(), m_rightAxis->axisMinimum());
}

double BarLineChartViewBase::chartYMax() const
{
    const double left = m_leftAxis->axisMaximum();
    const double right = m_rightAxis->axisMaximum();
    return left > right ? left : right;
}

void BarLineChartViewBase::setAxisTransformers(std::shared_ptr<Transformer> left,
                                               std::shared_ptr<Transformer> right)
{
    m_leftAxisTransformer = std::move(left);
    m_rightAxisTransformer = std::move(right);
}

std::shared_ptr<Transformer> BarLineChartViewBase::getTransformer(AxisDependency axis) const
{
    return axis == AxisDependency::left ? m_leftAxisTransformer : m_rightAxisTransformer;
}

bool BarLineChartViewBase::isInverted(AxisDependency axis) const
{
    return getAxis(axis)->isInverted();
}

double BarLineChartViewBase::lowestVisibleX() const
{
    const auto handler = viewPortHandler();
    QPointF point(handler->contentLeft(), handler->contentBottom());
    m_leftAxisTransformer->pixelPointToValue(point);
    return std::max(point.x(), xAxis()->axisMinimum());
}

double BarLineChartViewBase::highestVisibleX() const
{
    const auto handler = viewPortHandler();
    QPointF point(handler->contentRight(), handler->contentBottom());
    m_leftAxisTransformer->pixelPointToValue(point);
    return std::min(point.x(), xAxis()->axisMaximum());
}

// --- Data change and layout ----------------------------------------------------------------------

void BarLineChartViewBase::notifyDataSetChanged()
{
    if (const auto dataRenderer = renderer()) {
        dataRenderer->initBuffers();
    }
    calcMinMax();
    leftYAxisRenderer()->computeAxis(m_leftAxis->axisMinimum(), m_leftAxis->axisMaximum(),
                                     m_leftAxis->isInverted());
    rightYAxisRenderer()->computeAxis(m_rightAxis->axisMinimum(), m_rightAxis->axisMaximum(),
                                      m_rightAxis->isInverted());
    if (const auto chartData = data()) {
        xAxisRenderer()->computeAxis(xAxis()->axisMinimum(), xAxis()->axisMaximum(), false);
        legendRenderer()->computeLegend(*chartData);
    }
    calculateOffsets();
    setNeedsDisplay();
    accessibilityDataDidChange();
}

// The content moves along the x axis alone, by the pixels between the entry's x and the middle
// of the visible x range: the zoom and the y range stay as the user left them.
void BarLineChartViewBase::revealEntry(const ChartDataEntry& entry)
{
    const double lowest = lowestVisibleX();
    const double highest = highestVisibleX();
    if (entry.x() >= lowest && entry.x() <= highest) {
        return;
    }
    const QPointF at = pixelForXValue(entry.x());
    const QPointF middle = pixelForXValue((lowest + highest) / 2.0);
    const auto handler = viewPortHandler();
    handler->refresh(handler->touchMatrix().concatenated(
                         AffineTransform::translation(middle.x() - at.x(), middle.y() - at.y())),
                     this, true);
}

QPointF BarLineChartViewBase::pixelForXValue(double x) const
{
    return m_leftAxisTransformer->pixelForValues(x, 0.0);
}

void BarLineChartViewBase::calcMinMax()
{
    const auto chartData = data();
    xAxis()->calculate(chartData ? chartData->xMin() : 0.0, chartData ? chartData->xMax() : 0.0);
    for (const AxisDependency side : {AxisDependency::left, AxisDependency::right}) {
        getAxis(side)->calculate(chartData ? chartData->getYMin(side) : 0.0,
                                 chartData ? chartData->getYMax(side) : 0.0);
    }
}

void BarLineChartViewBase::autoScale()
{
    const auto chartData = data();
    if (!chartData) {
        return;
    }
    chartData->calcMinMaxY(lowestVisibleX(), highestVisibleX());
    xAxis()->calculate(chartData->xMin(), chartData->xMax());
    for (const AxisDependency side : {AxisDependency::left, AxisDependency::right}) {
        if (getAxis(side)->isEnabled()) {
            getAxis(side)->calculate(chartData->getYMin(side), chartData->getYMax(side));
        }
    }
    calculateOffsets();
}

void BarLineChartViewBase::calculateOffsets()
{
    if (!m_customViewPortEnabled) {
        double left = 0;
        double top = 0;
        double right = 0;
        double bottom = 0;
        calculateLegendOffsets(left, top, right, bottom);
        addAxisOffsets(left, top, right, bottom);
        top += extraTopOffset();
        right += extraRightOffset();
        bottom += extraBottomOffset();
        left += extraLeftOffset();
        restrainViewPortWithMinOffset(left, top, right, bottom);
    }
    prepareTransformers();
}

void BarLineChartViewBase::restrainViewPortWithMinOffset(double left, double top, double right,
                                                         double bottom)
{
    const auto handler = viewPortHandler();
    const auto heldTo = [least = minOffset()](double side) {
        return side > 0.0 ? std::min(least, side / 4.0) : least;
    };
    const double leastX = heldTo(handler->chartWidth());
    const double leastY = heldTo(handler->chartHeight());
    handler->restrainViewPort(std::max(leastX, left), std::max(leastY, top), std::max(leastX, right),
                              std::max(leastY, bottom));
}

void BarLineChartViewBase::addAxisOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                                          double& offsetBottom)
{
    if (m_leftAxis->needsOffset()) {
        offsetLeft += m_leftAxis->requiredSize().width();
    }
    if (m_rightAxis->needsOffset()) {
        offsetRight += m_rightAxis->requiredSize().width();
    }
    const auto axis = xAxis();
    if (!axis->isEnabled() || !axis->isDrawLabelsEnabled()) {
        return;
    }
    const double height = axis->labelRotatedHeight() + axis->yOffset();
    switch (axis->labelPosition()) {
    case XAxis::LabelPosition::bottom:
        offsetBottom += height;
        return;
    case XAxis::LabelPosition::top:
        offsetTop += height;
        return;
    case XAxis::LabelPosition::topAndBottom:
        offsetBottom += height;
        offsetTop += height;
        return;
    case XAxis::LabelPosition::insideTop:
    case XAxis::LabelPosition::insideBottom:
        return;
    }
    chartFatal(QStringLiteral("Unexpected XAxis.LabelPosition value %1")
                   .arg(static_cast<int>(axis->labelPosition())));
}

void BarLineChartViewBase::calculateLegendOffsets(double& offsetLeft, double& offsetTop,
                                                  double& offsetRight, double& offsetBottom)
{
    const auto chartLegend = legend();
    if (!chartLegend->isEnabled() || chartLegend->isDrawInsideEnabled()) {
        return;
    }
    const auto handler = viewPortHandler();
    const double percent = chartLegend->maxSizePercent();
    const double width = std::min(chartLegend->neededWidth(), handler->chartWidth() * percent)
                         + chartLegend->xOffset();
    const double height = std::min(chartLegend->neededHeight(), handler->chartHeight() * percent)
                          + chartLegend->yOffset();
    const auto addVertically = [&] {
        switch (chartLegend->verticalAlignment()) {
        case Legend::VerticalAlignment::top:
            offsetTop += height;
            break;
        case Legend::VerticalAlignment::bottom:
            offsetBottom += height;
            break;
        case Legend::VerticalAlignment::center:
            break;
        }
    };
    switch (chartLegend->orientation()) {
    case Legend::Orientation::horizontal:
        addVertically();
        return;
    case Legend::Orientation::vertical:
        switch (chartLegend->horizontalAlignment()) {
        case Legend::HorizontalAlignment::left:
            offsetLeft += width;
            return;
        case Legend::HorizontalAlignment::right:
            offsetRight += width;
            return;
        case Legend::HorizontalAlignment::center:
            addVertically();
            return;
        }
        chartFatal(QStringLiteral("Unexpected Legend.HorizontalAlignment value %1")
                       .arg(static_cast<int>(chartLegend->horizontalAlignment())));
    }
    chartFatal(QStringLiteral("Unexpected Legend.Orientation value %1")
                   .arg(static_cast<int>(chartLegend->orientation())));
}

void BarLineChartViewBase::prepareTransformers()
{
    m_rightAxisTransformer->prepareMatrixOffset(m_rightAxis->isInverted());
    m_leftAxisTransformer->prepareMatrixOffset(m_leftAxis->isInverted());
    prepareValueToPixelMatrices();
}

void BarLineChartViewBase::prepareValueToPixelMatrices()
{
    const auto axis = xAxis();
    m_rightAxisTransformer->prepareMatrixValuePx(axis->axisMinimum(), axis->axisRange(),
                                                 m_rightAxis->axisRange(), m_rightAxis->axisMinimum());
    m_leftAxisTransformer->prepareMatrixValuePx(axis->axisMinimum(), axis->axisRange(),
                                                m_leftAxis->axisRange(), m_leftAxis->axisMinimum());
}

void BarLineChartViewBase::boundsDidChange()
{
    std::optional<QPointF> kept;
    if (m_keepPositionOnRotation) {
        QPointF origin = contentRect().topLeft();
        m_leftAxisTransformer->pixelPointToValue(origin);
        kept = origin;
    }
    ChartViewBase::boundsDidChange();
    const auto handler = viewPortHandler();
    if (kept && m_keepPositionOnRotation) {
        QPointF point = *kept;
        m_leftAxisTransformer->valueToPixel(point);
        handler->centerViewPort(point, this);
    } else {
        handler->refresh(handler->touchMatrix(), this, true);
    }
}

// --- Drawing -------------------------------------------------------------------------------------

void BarLineChartViewBase::drawRect(QPainter& painter)
{
    ChartViewBase::drawRect(painter);
    const auto dataRenderer = renderer();
    const QRectF content = contentRect();
    if (!data() || !dataRenderer || !(content.width() > 0.0 && content.height() > 0.0)) {
        return;
    }
    drawGridBackground(painter);
    if (m_autoScaleMinMaxEnabled) {
        autoScale();
    }
    computeAxes();
    drawAxesAndGrid(painter);
    drawClippedData(painter);
    dataRenderer->drawExtras(painter);
    drawLimitLines(painter, false);
    xAxisRenderer()->renderAxisLabels(painter);
    leftYAxisRenderer()->renderAxisLabels(painter);
    rightYAxisRenderer()->renderAxisLabels(painter);
    drawValues(painter);
    legendRenderer()->renderLegend(painter);
    drawDescription(painter);
    drawMarkers(painter);
}

void BarLineChartViewBase::computeAxes()
{
    if (m_leftAxis->isEnabled()) {
        leftYAxisRenderer()->computeAxis(m_leftAxis->axisMinimum(), m_leftAxis->axisMaximum(),
                                         m_leftAxis->isInverted());
    }
    if (m_rightAxis->isEnabled()) {
        rightYAxisRenderer()->computeAxis(m_rightAxis->axisMinimum(), m_rightAxis->axisMaximum(),
                                          m_rightAxis->isInverted());
    }
    const auto axis = xAxis();
    if (axis->isEnabled()) {
        xAxisRenderer()->computeAxis(axis->axisMinimum(), axis->axisMaximum(), false);
    }
}

// Axis lines, then (when the x axis puts grid lines behind the data) the grid lines of all three
// axes, then the limit lines that go behind the data.
void BarLineChartViewBase::drawAxesAndGrid(QPainter& painter)
{
    xAxisRenderer()->renderAxisLine(painter);
    leftYAxisRenderer()->renderAxisLine(painter);
    rightYAxisRenderer()->renderAxisLine(painter);
    if (xAxis()->isDrawGridLinesBehindDataEnabled()) {
        xAxisRenderer()->renderGridLines(painter);
        leftYAxisRenderer()->renderGridLines(painter);
        rightYAxisRenderer()->renderGridLines(painter);
    }
    drawLimitLines(painter, true);
}

void BarLineChartViewBase::drawLimitLines(QPainter& painter, bool behindData)
{
    const auto axis = xAxis();
    if (axis->isEnabled() && axis->isDrawLimitLinesBehindDataEnabled() == behindData) {
        xAxisRenderer()->renderLimitLines(painter);
    }
    if (m_leftAxis->isEnabled() && m_leftAxis->isDrawLimitLinesBehindDataEnabled() == behindData) {
        leftYAxisRenderer()->renderLimitLines(painter);
    }
    if (m_rightAxis->isEnabled() && m_rightAxis->isDrawLimitLinesBehindDataEnabled() == behindData) {
        rightYAxisRenderer()->renderLimitLines(painter);
    }
}

// The data, the grid lines that go in front of it and the highlights, clipped to the content
// area unless data clipping is off.
void BarLineChartViewBase::drawClippedData(QPainter& painter)
{
    painter.save();
    if (m_clipDataToContentEnabled) {
        clipToRect(painter, contentRect(), viewPortHandler()->chartBounds());
    }
    renderer()->drawData(painter);
    if (!xAxis()->isDrawGridLinesBehindDataEnabled()) {
        xAxisRenderer()->renderGridLines(painter);
        leftYAxisRenderer()->renderGridLines(painter);
        rightYAxisRenderer()->renderGridLines(painter);
    }
    if (valuesToHighlight()) {
        renderer()->drawHighlighted(painter, highlighted());
    }
    painter.restore();
}

void BarLineChartViewBase::drawValues(QPainter& painter)
{
    if (!m_clipValuesToContentEnabled) {
        renderer()->drawValues(painter);
        return;
    }
    painter.save();
    clipToRect(painter, contentRect(), viewPortHandler()->chartBounds());
    renderer()->drawValues(painter);
    painter.restore();
}

void BarLineChartViewBase::drawGridBackground(QPainter& painter)
{
    if (!m_drawGridBackgroundEnabled && !m_drawBordersEnabled) {
        return;
    }
    painter.save();
    const QRectF content = contentRect();
    const QRectF bounds = viewPortHandler()->chartBounds();
    if (m_drawGridBackgroundEnabled) {
        fillClippedRect(painter, content, m_gridBackgroundColor, bounds);
    }
    if (m_drawBordersEnabled) {
        QPen pen(m_borderColor, strokeWidth(m_borderLineWidth));
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        drawClippedRect(painter, content, bounds);
    }
    painter.restore();
}

// --- Immediate zoom ------------------------------------------------------------------------------

void BarLineChartViewBase::refreshZoom(const AffineTransform& matrix, bool layOut)
{
    viewPortHandler()->refresh(matrix, this, false);
    if (layOut) {
        calculateOffsets();
        setNeedsDisplay();
    }
}

void BarLineChartViewBase::zoomIn()
{
    const auto handler = viewPortHandler();
    const QPointF center = handler->contentCenter();
    refreshZoom(handler->zoomIn(center.x(), -center.y()), true);
}

void BarLineChartViewBase::zoomOut()
{
    const auto handler = viewPortHandler();
    const QPointF center = handler->contentCenter();
    refreshZoom(handler->zoomOut(center.x(), -center.y()), true);
}

void BarLineChartViewBase::resetZoom()
{
    refreshZoom(viewPortHandler()->resetZoom(), true);
}

void BarLineChartViewBase::zoom(double scaleX, double scaleY, double x, double y)
{
    refreshZoom(viewPortHandler()->zoom(scaleX, scaleY, x, -y), true);
}

void BarLineChartViewBase::zoomToCenter(double scaleX, double scaleY)
{
    const QPointF center = centerOffsets();
    refreshZoom(viewPortHandler()->zoom(scaleX, scaleY, center.x(), -center.y()), false);
}

void BarLineChartViewBase::fitScreen()
{
    refreshZoom(viewPortHandler()->fitScreen(), true);
}

void BarLineChartViewBase::setScaleMinima(double scaleX, double scaleY)
{
    viewPortHandler()->setMinimumScaleX(scaleX);
    viewPortHandler()->setMinimumScaleY(scaleY);
}

double BarLineChartViewBase::scaleX() const
{
    return viewPortHandler()->scaleX();
}

double BarLineChartViewBase::scaleY() const
{
    return viewPortHandler()->scaleY();
}

bool BarLineChartViewBase::isFullyZoomedOut() const
{
    return viewPortHandler()->isFullyZoomedOut();
}

// --- Visible ranges ------------------------------------------------------------------------------

std::optional<double> BarLineChartViewBase::scaleForRange(double axisRange, double visibleRange)
{
    // A range that is not finite and positive would make the scale limit infinite or NaN.
    if (!std::isfinite(visibleRange) || !(visibleRange > 0)) {
        return std::nullopt;
    }
    return axisRange / visibleRange;
}

void BarLineChartViewBase::setVisibleXRangeMaximum(double maxXRange)
{
    if (const auto scale = scaleForRange(xAxis()->axisRange(), maxXRange)) {
        viewPortHandler()->setMinimumScaleX(*scale);
    }
}

void BarLineChartViewBase::setVisibleXRangeMinimum(double minXRange)
{
    if (const auto scale = scaleForRange(xAxis()->axisRange(), minXRange)) {
        viewPortHandler()->setMaximumScaleX(*scale);
    }
}

void BarLineChartViewBase::setVisibleXRange(double minXRange, double maxXRange)
{
    const double range = xAxis()->axisRange();
    const auto minScale = scaleForRange(range, maxXRange);
    const auto maxScale = scaleForRange(range, minXRange);
    if (minScale && maxScale) {
        viewPortHandler()->setMinMaxScaleX(*minScale, *maxScale);
    }
}

void BarLineChartViewBase::setVisibleYRangeMaximum(double maxYRange, AxisDependency axis)
{
    if (const auto scale = scaleForRange(getAxisRange(axis), maxYRange)) {
        viewPortHandler()->setMinimumScaleY(*scale);
    }
}

void BarLineChartViewBase::setVisibleYRangeMinimum(double minYRange, AxisDependency axis)
{
    if (const auto scale = scaleForRange(getAxisRange(axis), minYRange)) {
        viewPortHandler()->setMaximumScaleY(*scale);
    }
}

void BarLineChartViewBase::setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis)
{
    const double range = getAxisRange(axis);
    const auto minScale = scaleForRange(range, maxYRange);
    const auto maxScale = scaleForRange(range, minYRange);
    if (minScale && maxScale) {
        viewPortHandler()->setMinMaxScaleY(*minScale, *maxScale);
    }
}

double BarLineChartViewBase::visibleXRange() const
{
    return std::fabs(highestVisibleX() - lowestVisibleX());
}

// --- Fixed offsets -------------------------------------------------------------------------------

void BarLineChartViewBase::setViewPortOffsets(double left, double top, double right, double bottom)
{
    if (QThread::currentThread() != thread()) {
        // Everything, the flag included, happens on the view's thread; a view destroyed
        // meanwhile drops the call.
        QMetaObject::invokeMethod(
            this, [this, left, top, right, bottom] { applyViewPortOffsets(left, top, right, bottom); },
            Qt::QueuedConnection);
        return;
    }
    applyViewPortOffsets(left, top, right, bottom);
}

void BarLineChartViewBase::applyViewPortOffsets(double left, double top, double right, double bottom)
{
    m_customViewPortEnabled = true;
    viewPortHandler()->restrainViewPort(left, top, right, bottom);
    prepareTransformers();
}

void BarLineChartViewBase::resetViewPortOffsets()
{
    m_customViewPortEnabled = false;
    calculateOffsets();
}

// --- Queries and conversions ---------------------------------------------------------------------

double BarLineChartViewBase::getAxisRange(AxisDependency axis) const
{
    return getAxis(axis)->axisRange();
}

QPointF BarLineChartViewBase::getPosition(const ChartDataEntry& entry, AxisDependency axis) const
{
    QPointF point(entry.x(), entry.y());
    getTransformer(axis)->valueToPixel(point);
    return point;
}

QPointF BarLineChartViewBase::valueForTouchPoint(QPointF point, AxisDependency axis) const
{
    return getTransformer(axis)->valueForTouchPoint(point);
}

QPointF BarLineChartViewBase::pixelForValues(double x, double y, AxisDependency axis) const
{
    return getTransformer(axis)->pixelForValues(x, y);
}

std::shared_ptr<ChartDataEntry> BarLineChartViewBase::getEntryByTouchPoint(QPointF point) const
{
    const auto highlight = getHighlightByTouchPoint(point);
    const auto chartData = data();
    return highlight && chartData ? chartData->entryFor(*highlight) : nullptr;
}

std::shared_ptr<BarLineScatterCandleBubbleChartDataSetProtocol>
BarLineChartViewBase::getDataSetByTouchPoint(QPointF point) const
{
    const auto highlight = getHighlightByTouchPoint(point);
    const auto chartData = data();
    if (!highlight || !chartData) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataSetProtocol>(
        chartData->dataSetAtIndex(highlight->dataSetIndex()));
}

bool BarLineChartViewBase::isAnyAxisInverted() const
{
    return m_leftAxis->isInverted() || m_rightAxis->isInverted();
}

void BarLineChartViewBase::setDragOffsetX(double offset)
{
    viewPortHandler()->setDragOffsetX(offset);
}

void BarLineChartViewBase::setDragOffsetY(double offset)
{
    viewPortHandler()->setDragOffsetY(offset);
}

bool BarLineChartViewBase::hasNoDragOffset() const
{
    return viewPortHandler()->hasNoDragOffset();
}

void BarLineChartViewBase::setYAxisMinWidth(AxisDependency axis, double width)
{
    getAxis(axis)->setMinWidth(width);
}

double BarLineChartViewBase::getYAxisMinWidth(AxisDependency axis) const
{
    return getAxis(axis)->minWidth();
}

void BarLineChartViewBase::setYAxisMaxWidth(AxisDependency axis, double width)
{
    getAxis(axis)->setMaxWidth(width);
}

double BarLineChartViewBase::getYAxisMaxWidth(AxisDependency axis) const
{
    return getAxis(axis)->maxWidth();
}

double BarLineChartViewBase::getYAxisWidth(AxisDependency axis) const
{
    return getAxis(axis)->requiredSize().width();
}

QPointF BarLineChartViewBase::invertedAxisDragTranslation(QPointF translation) const
{
    return QPointF(translation.x(), -translation.y());
}

// --- Gestures ------------------------------------------------------------------------------------

void BarLineChartViewBase::tapGestureRecognized(NSUIClickGestureRecognizer& recognizer)
{
    if (!data() || recognizer.state() != NSUIGestureRecognizer::State::ended
        || !highlightPerTapEnabled()) {
        return;
    }
    const auto highlight = getHighlightByTouchPoint(recognizer.location());
    if (!highlight || highlight->isEqual(lastHighlighted().get())) {
        setLastHighlighted(nullptr);
        highlightValue(nullptr, true);
        return;
    }
    setLastHighlighted(highlight);
    highlightValue(highlight, true);
}

void BarLineChartViewBase::doubleTapGestureRecognized(NSUIClickGestureRecognizer& recognizer)
{
    const auto chartData = data();
    if (!chartData || recognizer.state() != NSUIGestureRecognizer::State::ended
        || !m_doubleTapToZoomEnabled || chartData->entryCount() < 1) {
        return;
    }
    const QPointF location = recognizer.location();
    zoom(isScaleXEnabled() ? 1.4 : 1.0, isScaleYEnabled() ? 1.4 : 1.0,
         location.x() - viewPortHandler()->offsetLeft(), zoomCenterY(location, bounds().height()));
    if (auto* chartDelegate = viewDelegate()) {
        chartDelegate->chartScaled(*this, scaleX(), scaleY());
    }
}

bool BarLineChartViewBase::isTouchedAxisInverted() const
{
    return isAnyAxisInverted() && m_closestDataSetToTouch
        && isInverted(m_closestDataSetToTouch->axisDependency());
}

// Measured from the content's top on a touched inverted axis, else from its bottom; negative
// for a point inside the content.
double BarLineChartViewBase::zoomCenterY(QPointF location, double chartHeight) const
{
    const auto handler = viewPortHandler();
    if (isTouchedAxisInverted()) {
        return -(location.y() - handler->offsetTop());
    }
    return -((chartHeight - location.y()) - handler->offsetBottom());
}

void BarLineChartViewBase::pinchGestureRecognized(NSUIMagnificationGestureRecognizer& recognizer)
{
    switch (recognizer.state()) {
    case NSUIGestureRecognizer::State::began:
        pinchBegan();
        return;
    case NSUIGestureRecognizer::State::changed:
        pinchChanged(recognizer);
        return;
    case NSUIGestureRecognizer::State::ended:
    case NSUIGestureRecognizer::State::cancelled:
        pinchEnded();
        return;
    case NSUIGestureRecognizer::State::possible:
    case NSUIGestureRecognizer::State::failed:
        return;
    }
}

void BarLineChartViewBase::pinchBegan()
{
    stopDeceleration();
    if (!data() || !(m_pinchZoomEnabled || m_scaleXEnabled || m_scaleYEnabled)) {
        return;
    }
    m_isScaling = true;
    if (m_pinchZoomEnabled) {
        m_gestureScaleAxis = GestureScaleAxis::both;
    } else {
        // With both switches on the axis would follow the gesture's spread between two
        // locations; a magnification has one, so it scales y.
        m_gestureScaleAxis = m_scaleXEnabled && !m_scaleYEnabled ? GestureScaleAxis::x
                                                                 : GestureScaleAxis::y;
    }
}

void BarLineChartViewBase::pinchChanged(NSUIMagnificationGestureRecognizer& recognizer)
{
    if (!m_isScaling) {
        return;
    }
    const auto handler = viewPortHandler();
    const double scale = recognizer.magnification() + 1;
    const bool shrinks = scale < 1;
    const bool scalesX = (shrinks ? handler->canZoomOutMoreX() : handler->canZoomInMoreX())
        && m_scaleXEnabled && m_gestureScaleAxis != GestureScaleAxis::y;
    const bool scalesY = (shrinks ? handler->canZoomOutMoreY() : handler->canZoomInMoreY())
        && m_scaleYEnabled && m_gestureScaleAxis != GestureScaleAxis::x;
    if (scalesX || scalesY) {
        const QPointF location = recognizer.location();
        const double tx = location.x() - handler->offsetLeft();
        const double ty = zoomCenterY(location, handler->chartHeight());
        const double stepX = scalesX ? scale : 1.0;
        const double stepY = scalesY ? scale : 1.0;
        const AffineTransform step =
            AffineTransform::translation(tx, ty).scaled(stepX, stepY).translated(-tx, -ty);
        handler->refresh(handler->touchMatrix().concatenated(step), this, true);
        if (auto* chartDelegate = viewDelegate()) {
            chartDelegate->chartScaled(*this, stepX, stepY);
        }
    }
    // Each step reports only its own change.
    recognizer.setMagnification(0);
}

void BarLineChartViewBase::pinchEnded()
{
    if (m_isScaling) {
        m_isScaling = false;
        calculateOffsets();
        setNeedsDisplay();
    }
}

void BarLineChartViewBase::panGestureRecognized(NSUIPanGestureRecognizer& recognizer)
{
    switch (recognizer.state()) {
    case NSUIGestureRecognizer::State::began:
        panBegan(recognizer);
        return;
    case NSUIGestureRecognizer::State::changed:
        panChanged(recognizer);
        return;
    case NSUIGestureRecognizer::State::ended:
    case NSUIGestureRecognizer::State::cancelled:
        panEnded(recognizer);
        return;
    case NSUIGestureRecognizer::State::possible:
    case NSUIGestureRecognizer::State::failed:
        return;
    }
}

QPointF BarLineChartViewBase::dragTranslation(QPointF translation) const
{
    if (!m_dragXEnabled) {
        translation.setX(0);
    } else if (!m_dragYEnabled) {
        translation.setY(0);
    }
    return translation;
}

// The way the pointer travelled before the drag began moves the view port at once, so the
// content stays under the pointer.
void BarLineChartViewBase::panBegan(NSUIPanGestureRecognizer& recognizer)
{
    stopDeceleration();
    if (!data() || !isDragEnabled()) {
        return;
    }
    if (!hasNoDragOffset() || !isFullyZoomedOut()) {
        m_isDragging = true;
        m_closestDataSetToTouch = getDataSetByTouchPoint(recognizer.location());
        const QPointF translation = dragTranslation(recognizer.translation());
        if (translation.x() != 0 || translation.y() != 0) {
            performPanChange(translation);
        }
        m_lastPanPoint = recognizer.translation();
    } else if (m_highlightPerDragEnabled) {
        m_isDragging = false;
    }
}

void BarLineChartViewBase::panChanged(NSUIPanGestureRecognizer& recognizer)
{
    if (m_isDragging) {
        const QPointF translation = recognizer.translation();
        performPanChange(dragTranslation(translation - m_lastPanPoint));
        m_lastPanPoint = translation;
        return;
    }
    if (!m_highlightPerDragEnabled) {
        return;
    }
    const auto highlight = getHighlightByTouchPoint(recognizer.location());
    const auto last = lastHighlighted();
    if ((!highlight && !last) || (highlight && highlight->isEqual(last.get()))) {
        return;
    }
    setLastHighlighted(highlight);
    highlightValue(highlight, true);
}

void BarLineChartViewBase::panEnded(NSUIPanGestureRecognizer& recognizer)
{
    if (m_isDragging) {
        if (recognizer.state() == NSUIGestureRecognizer::State::ended && isDragDecelerationEnabled()) {
            startDeceleration(recognizer.velocity());
        }
        m_isDragging = false;
    }
    if (auto* chartDelegate = viewDelegate()) {
        chartDelegate->chartViewDidEndPanning(*this);
    }
}

bool BarLineChartViewBase::performPanChange(QPointF translation)
{
    if (isTouchedAxisInverted()) {
        translation = invertedAxisDragTranslation(translation);
    }
    const auto handler = viewPortHandler();
    const AffineTransform before = handler->touchMatrix();
    const AffineTransform after = handler->refresh(
        before.concatenated(AffineTransform::translation(translation.x(), translation.y())), this, true);
    if (!(after == before)) {
        if (auto* chartDelegate = viewDelegate()) {
            chartDelegate->chartTranslated(*this, translation.x(), translation.y());
        }
    }
    return after.tx != before.tx || after.ty != before.ty;
}

void BarLineChartViewBase::startDeceleration(QPointF velocity)
{
    stopDeceleration();
    m_decelerationLastTime = MediaClock::now();
    m_decelerationVelocity = velocity;
    m_decelerationDisplayLink =
        std::make_unique<NSUIDisplayLink>(this, &BarLineChartViewBase::decelerationLoop);
    m_decelerationDisplayLink->start();
}

void BarLineChartViewBase::stopDeceleration()
{
    m_decelerationDisplayLink.reset();
}

// The friction applies per step, so the inertia lasts longer at a higher refresh rate.
void BarLineChartViewBase::decelerationLoop()
{
    const double now = MediaClock::now();
    m_decelerationVelocity *= dragDecelerationFrictionCoef();
    const double elapsed = now - m_decelerationLastTime;
    if (!performPanChange(m_decelerationVelocity * elapsed)) {
        m_decelerationVelocity = QPointF(0, 0);
    }
    m_decelerationLastTime = now;
    if (std::fabs(m_decelerationVelocity.x()) < 0.001 && std::fabs(m_decelerationVelocity.y()) < 0.001) {
        // Ends the display link whose tick runs this step: nothing of it is used afterwards.
        stopDeceleration();
        calculateOffsets();
        setNeedsDisplay();
    }
}

bool BarLineChartViewBase::gestureRecognizerShouldBegin(const NSUIGestureRecognizer& recognizer) const
{
    if (&recognizer == m_panGestureRecognizer.get()) {
        if (!data() || !isDragEnabled()
            || (hasNoDragOffset() && isFullyZoomedOut() && !isHighlightPerDragEnabled())) {
            return false;
        }
        // A drag mostly along an axis that may not be dragged does not begin.
        const QPointF velocity = m_panGestureRecognizer->velocity();
        const double horizontal = std::fabs(velocity.x());
        const double vertical = std::fabs(velocity.y());
        if (!m_dragYEnabled && vertical > horizontal) {
            return false;
        }
        return m_dragXEnabled || !(vertical < horizontal);
    }
    if (&recognizer == m_pinchGestureRecognizer.get()) {
        return data() && (m_pinchZoomEnabled || m_scaleXEnabled || m_scaleYEnabled);
    }
    return true;
}

bool BarLineChartViewBase::gestureRecognizerShouldRecognizeSimultaneously(
    const NSUIGestureRecognizer& recognizer, const NSUIGestureRecognizer& other) const
{
    const auto isPan = [](const NSUIGestureRecognizer& r) {
        return dynamic_cast<const NSUIPanGestureRecognizer*>(&r) != nullptr;
    };
    const auto isMagnification = [](const NSUIGestureRecognizer& r) {
        return dynamic_cast<const NSUIMagnificationGestureRecognizer*>(&r) != nullptr;
    };
    if (isMagnification(recognizer) && isPan(other)) {
        return true;
    }
    // A drag of the view together with an enclosing scroll view's has no counterpart here: no
    // two drags are recognised together.
    return isPan(recognizer) && isMagnification(other);
}

// --- Moves and zooms in values (view-port jobs) --------------------------------------------------

void BarLineChartViewBase::zoom(double scaleX, double scaleY, double xValue, double yValue,
                                AxisDependency axis)
{
    addViewportJob(std::make_shared<ZoomViewJob>(viewPortHandler(), scaleX, scaleY, xValue, yValue,
                                                 getTransformer(axis), axis, this));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue,
                                                     double yValue, AxisDependency axis,
                                                     double duration, ChartEasingFunction easing)
{
    const auto handler = viewPortHandler();
    const QPointF origin = contentTopLeftValue(axis);
    addViewportJob(std::make_shared<AnimatedZoomViewJob>(
        handler, getTransformer(axis), this, getAxis(axis), xAxis()->axisRange(), scaleX, scaleY,
        handler->scaleX(), handler->scaleY(), xValue, yValue, origin.x(), origin.y(), duration,
        std::move(easing)));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue,
                                                     double yValue, AxisDependency axis,
                                                     double duration, ChartEasingOption easingOption)
{
    zoomAndCenterViewAnimated(scaleX, scaleY, xValue, yValue, axis, duration,
                              easingFunction(easingOption));
}

void BarLineChartViewBase::zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue,
                                                     double yValue, AxisDependency axis, double duration)
{
    zoomAndCenterViewAnimated(scaleX, scaleY, xValue, yValue, axis, duration,
                              ChartEasingOption::easeInOutSine);
}

QPointF BarLineChartViewBase::contentTopLeftValue(AxisDependency axis) const
{
    const auto handler = viewPortHandler();
    return valueForTouchPoint(QPointF(handler->contentLeft(), handler->contentTop()), axis);
}

double BarLineChartViewBase::yValueInView(AxisDependency axis) const
{
    return getAxisRange(axis) / viewPortHandler()->scaleY();
}

double BarLineChartViewBase::xValueInView() const
{
    return xAxis()->axisRange() / viewPortHandler()->scaleX();
}

void BarLineChartViewBase::moveViewToX(double xValue)
{
    addMoveJob(xValue, 0.0, AxisDependency::left);
}

void BarLineChartViewBase::moveViewToY(double yValue, AxisDependency axis)
{
    addMoveJob(0.0, yValue + yValueInView(axis) / 2.0, axis);
}

void BarLineChartViewBase::moveViewTo(double xValue, double yValue, AxisDependency axis)
{
    addMoveJob(xValue, yValue + yValueInView(axis) / 2.0, axis);
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, AxisDependency axis,
                                              double duration, ChartEasingFunction easing)
{
    addAnimatedMoveJob(xValue, yValue + yValueInView(axis) / 2.0, axis, duration, std::move(easing));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, AxisDependency axis,
                                              double duration, ChartEasingOption easingOption)
{
    moveViewToAnimated(xValue, yValue, axis, duration, easingFunction(easingOption));
}

void BarLineChartViewBase::moveViewToAnimated(double xValue, double yValue, AxisDependency axis,
                                              double duration)
{
    moveViewToAnimated(xValue, yValue, axis, duration, ChartEasingOption::easeInOutSine);
}

void BarLineChartViewBase::centerViewTo(double xValue, double yValue, AxisDependency axis)
{
    addMoveJob(xValue - xValueInView() / 2.0, yValue + yValueInView(axis) / 2.0, axis);
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, AxisDependency axis,
                                                double duration, ChartEasingFunction easing)
{
    addAnimatedMoveJob(xValue - xValueInView() / 2.0, yValue + yValueInView(axis) / 2.0, axis,
                       duration, std::move(easing));
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, AxisDependency axis,
                                                double duration, ChartEasingOption easingOption)
{
    centerViewToAnimated(xValue, yValue, axis, duration, easingFunction(easingOption));
}

void BarLineChartViewBase::centerViewToAnimated(double xValue, double yValue, AxisDependency axis,
                                                double duration)
{
    centerViewToAnimated(xValue, yValue, axis, duration, ChartEasingOption::easeInOutSine);
}

void BarLineChartViewBase::addMoveJob(double xValue, double yValue, AxisDependency axis)
{
    addViewportJob(
        std::make_shared<MoveViewJob>(viewPortHandler(), xValue, yValue, getTransformer(axis), this));
}

void BarLineChartViewBase::addAnimatedMoveJob(double xValue, double yValue, AxisDependency axis,
                                              double duration, ChartEasingFunction easing)
{
    const QPointF origin = contentTopLeftValue(axis);
    addViewportJob(std::make_shared<AnimatedMoveViewJob>(viewPortHandler(), xValue, yValue,
                                                         getTransformer(axis), this, origin.x(),
                                                         origin.y(), duration, std::move(easing)));
}

}
