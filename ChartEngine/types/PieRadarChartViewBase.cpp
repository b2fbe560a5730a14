#include "ChartEngine/types/PieRadarChartViewBase.h"

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/LegendRenderer.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/HighlightEntryIndex.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIClickGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIDisplayLink.h"
#include "ChartEngine/foundation/NSUIRotationGestureRecognizer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <limits>
#include <QLineF>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace Charts {

namespace {

constexpr double degreesPerRadian = 180.0 / std::numbers::pi;
// The momentum a two-finger rotation leaves: 0.1 radian per second.
constexpr double twoFingerMomentum = 5.729577951308232;
// A drag that leaves this circle around its press becomes a rotation.
constexpr double rotationStartDistance = 8.0;

}

PieRadarChartViewBase::PieRadarChartViewBase(QWidget* parent)
    : ChartViewBase(parent)
{
    setUp();
}

PieRadarChartViewBase::PieRadarChartViewBase(const QRect& frame, QWidget* parent)
    : ChartViewBase(frame, parent)
{
    setUp();
}

PieRadarChartViewBase::~PieRadarChartViewBase()
{
    m_decelerationDisplayLink.reset();
    if (m_spinAnimator) {
        // The animator ends silently when it goes; its blocks must not reach this view.
        m_spinAnimator->setUpdateBlock({});
        m_spinAnimator->setStopBlock({});
        m_spinAnimator.reset();
    }
}

// This class's step of the set-up: the click and the rotation recognisers, the rotation one off
// until two-finger rotation is switched on.
void PieRadarChartViewBase::setUp()
{
    m_tapGestureRecognizer = std::make_shared<NSUIClickGestureRecognizer>(
        [this](NSUIClickGestureRecognizer& recognizer) { tapGestureRecognized(recognizer); });
    m_rotationGestureRecognizer = std::make_shared<NSUIRotationGestureRecognizer>(
        [this](NSUIRotationGestureRecognizer& recognizer) { rotationGestureRecognized(recognizer); });
    addGestureRecognizer(m_tapGestureRecognizer);
    addGestureRecognizer(m_rotationGestureRecognizer);
    m_rotationGestureRecognizer->setEnabled(m_rotationWithTwoFingers);
}

// --- Rotation ------------------------------------------------------------------------------------

void PieRadarChartViewBase::setRotationAngle(double angle)
{
    m_rawRotationAngle = angle;
    m_rotationAngle = std::fmod(angle, 360.0) + (std::signbit(angle) ? 360.0 : 0.0);
    setNeedsDisplay();
}

void PieRadarChartViewBase::setRotationWithTwoFingers(bool enabled)
{
    m_rotationWithTwoFingers = enabled;
    m_rotationGestureRecognizer->setEnabled(enabled);
}

// --- Geometry ------------------------------------------------------------------------------------

double PieRadarChartViewBase::angleAround(QPointF center, double x, double y)
{
    const double dx = x - center.x();
    const double dy = y - center.y();
    double angle = std::acos(dy / std::sqrt(dx * dx + dy * dy)) * degreesPerRadian;
    if (x > center.x()) {
        angle = 360.0 - angle;
    }
    angle += 90.0;
    if (angle > 360.0) {
        angle -= 360.0;
    }
    return angle;
}

double PieRadarChartViewBase::distanceAround(QPointF center, double x, double y)
{
    const double dx = std::fabs(x - center.x());
    const double dy = std::fabs(y - center.y());
    return std::sqrt(dx * dx + dy * dy);
}

double PieRadarChartViewBase::angleForPoint(double x, double y) const
{
    return angleAround(centerOffsets(), x, y);
}

QPointF PieRadarChartViewBase::getPosition(QPointF center, double distance, double angle) const
{
    const double radians = angle / degreesPerRadian;
    return QPointF(center.x() + distance * std::cos(radians), center.y() + distance * std::sin(radians));
}

double PieRadarChartViewBase::distanceToCenter(double x, double y) const
{
    return distanceAround(centerOffsets(), x, y);
}

double PieRadarChartViewBase::diameter() const
{
    const QRectF content = viewPortHandler()->contentRect();
    const double width = content.width() - extraLeftOffset() - extraRightOffset();
    const double height = content.height() - extraTopOffset() - extraBottomOffset();
    return std::min(width, height);
}

bool PieRadarChartViewBase::hasRadius() const
{
    const double r = radius();
    return r > 0.0 && std::isfinite(r);
}

// --- Spin ----------------------------------------------------------------------------------------

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle, ChartEasingFunction easing)
{
    stopSpinAnimation();
    auto animator = std::make_shared<Animator>();
    const Animator* spinning = animator.get();
    animator->setUpdateBlock([this, spinning, fromAngle, toAngle] {
        setRotationAngle(fromAngle + (toAngle - fromAngle) * spinning->phaseX());
    });
    animator->setStopBlock([this, spinning] { releaseSpinAnimator(spinning); });
    m_spinAnimator = animator;
    animator->animateX(duration, std::move(easing));
}

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle, ChartEasingOption easingOption)
{
    spin(duration, fromAngle, toAngle, easingFunction(easingOption));
}

void PieRadarChartViewBase::spin(double duration, double fromAngle, double toAngle)
{
    spin(duration, fromAngle, toAngle, ChartEasingFunction());
}

void PieRadarChartViewBase::stopSpinAnimation()
{
    if (const auto animator = m_spinAnimator) {
        animator->stop();
    }
}

void PieRadarChartViewBase::releaseSpinAnimator(const Animator* animator)
{
    if (m_spinAnimator.get() != animator) {
        return;
    }
    QMetaObject::invokeMethod(this, [finished = std::move(m_spinAnimator)] {}, Qt::QueuedConnection);
    m_spinAnimator.reset();
}

// --- Momentum ------------------------------------------------------------------------------------

void PieRadarChartViewBase::recordAngularSample(QPointF point)
{
    const double now = MediaClock::now();
    const double angle = angleForPoint(point.x(), point.y());
    if (std::isnan(angle)) {
        return;
    }
    while (m_velocitySamples.size() > 2 && now - m_velocitySamples.first().time > 1.0) {
        m_velocitySamples.removeFirst();
    }
    m_velocitySamples.append({now, angle});
}

double PieRadarChartViewBase::currentAngularVelocity() const
{
    if (m_velocitySamples.isEmpty()) {
        return 0;
    }
    AngularVelocitySample first = m_velocitySamples.first();
    AngularVelocitySample last = m_velocitySamples.last();
    double beforeLast = first.angle;
    for (qsizetype i = m_velocitySamples.size() - 2; i >= 0; --i) {
        if (m_velocitySamples.at(i).angle != last.angle) {
            beforeLast = m_velocitySamples.at(i).angle;
            break;
        }
    }
    bool clockwise = last.angle >= beforeLast;
    if (std::fabs(last.angle - beforeLast) > 270.0) {
        clockwise = !clockwise;
    }
    double timeDelta = last.time - first.time;
    if (timeDelta == 0) {
        timeDelta = 0.1;
    }
    if (last.angle - first.angle > 180.0) {
        first.angle += 360.0;
    } else if (first.angle - last.angle > 180.0) {
        last.angle += 360.0;
    }
    const double velocity = std::fabs((last.angle - first.angle) / timeDelta);
    if (!std::isfinite(velocity)) {
        return 0;
    }
    return clockwise ? velocity : -velocity;
}

void PieRadarChartViewBase::startDeceleration(double velocity)
{
    stopDeceleration();
    m_decelerationAngularVelocity = velocity;
    m_decelerationLastTime = MediaClock::now();
    m_decelerationDisplayLink = std::make_unique<NSUIDisplayLink>(this, &PieRadarChartViewBase::decelerationLoop);
    m_decelerationDisplayLink->start();
}

void PieRadarChartViewBase::stopDeceleration()
{
    m_decelerationDisplayLink.reset();
}

void PieRadarChartViewBase::decelerationLoop()
{
    const double now = MediaClock::now();
    m_decelerationAngularVelocity *= dragDecelerationFrictionCoef();
    if (!std::isfinite(m_decelerationAngularVelocity)) {
        // Ends the display link whose tick runs this step: nothing of it is used afterwards.
        stopDeceleration();
        return;
    }
    setRotationAngle(rotationAngle() + m_decelerationAngularVelocity * (now - m_decelerationLastTime));
    m_decelerationLastTime = now;
    if (std::fabs(m_decelerationAngularVelocity) < 0.001) {
        stopDeceleration();
    }
}

// --- Recognisers ---------------------------------------------------------------------------------

void PieRadarChartViewBase::tapGestureRecognized(NSUIClickGestureRecognizer& recognizer)
{
    if (recognizer.state() != NSUIGestureRecognizer::State::ended || !highlightPerTapEnabled()) {
        return;
    }
    highlightValue(getHighlightByTouchPoint(recognizer.location()), true);
}

void PieRadarChartViewBase::rotationGestureRecognized(NSUIRotationGestureRecognizer& recognizer)
{
    const auto state = recognizer.state();
    if (state == NSUIGestureRecognizer::State::began) {
        stopDeceleration();
        m_startAngle = rawRotationAngle();
    }
    if (state != NSUIGestureRecognizer::State::began && state != NSUIGestureRecognizer::State::changed
        && state != NSUIGestureRecognizer::State::ended) {
        return;
    }
    setRotationAngle(m_startAngle - recognizer.rotation() * degreesPerRadian);
    if (state == NSUIGestureRecognizer::State::ended && isDragDecelerationEnabled()) {
        startDeceleration(twoFingerMomentum);
    }
}

// --- Mouse ---------------------------------------------------------------------------------------

bool PieRadarChartViewBase::event(QEvent* event)
{
    if (!m_passingOn) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            mousePressEvent(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            mouseMoveEvent(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            mouseReleaseEvent(static_cast<QMouseEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return ChartViewBase::event(event);
}

void PieRadarChartViewBase::passOn(QMouseEvent* event)
{
    const bool outer = std::exchange(m_passingOn, true);
    ChartViewBase::event(event);
    m_passingOn = outer;
}

void PieRadarChartViewBase::mousePressEvent(QMouseEvent* event)
{
    if (m_passingOn || event->button() != Qt::LeftButton) {
        m_passingOn ? ChartViewBase::mousePressEvent(event) : passOn(event);
        return;
    }
    if (m_rotationEnabled) {
        const QPointF point = event->position();
        stopDeceleration();
        m_velocitySamples.clear();
        recordAngularSample(point);
        const double angle = angleForPoint(point.x(), point.y());
        m_hasStartAngle = !std::isnan(angle);
        if (m_hasStartAngle) {
            m_startAngle = angle - rotationAngle();
        }
        m_rotationGestureStartPoint = point;
    }
    if (!m_isRotating) {
        passOn(event);
    }
    event->setAccepted(event->isAccepted() || m_rotationEnabled);
}

void PieRadarChartViewBase::mouseMoveEvent(QMouseEvent* event)
{
    if (m_passingOn || !(event->buttons() & Qt::LeftButton)) {
        m_passingOn ? ChartViewBase::mouseMoveEvent(event) : passOn(event);
        return;
    }
    if (m_rotationEnabled) {
        const QPointF point = event->position();
        if (isDragDecelerationEnabled()) {
            recordAngularSample(point);
        }
        const bool leftStart = m_rotationGestureStartPoint
            && QLineF(*m_rotationGestureStartPoint, point).length() > rotationStartDistance;
        if (!m_isRotating && leftStart) {
            m_isRotating = true;
        } else {
            rotateTo(point);
        }
    }
    if (!m_isRotating) {
        passOn(event);
    }
    event->setAccepted(event->isAccepted() || m_rotationEnabled);
}

void PieRadarChartViewBase::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_passingOn || event->button() != Qt::LeftButton) {
        m_passingOn ? ChartViewBase::mouseReleaseEvent(event) : passOn(event);
        return;
    }
    if (!m_isRotating) {
        passOn(event);
    }
    if (m_rotationEnabled && isDragDecelerationEnabled()) {
        stopDeceleration();
        recordAngularSample(event->position());
        const double velocity = currentAngularVelocity();
        m_decelerationAngularVelocity = velocity;
        if (velocity != 0) {
            startDeceleration(velocity);
        }
    }
    m_isRotating = false;
    event->setAccepted(event->isAccepted() || m_rotationEnabled);
}

// A point without an angle (the centre) turns nothing; the first point with one gives the drag
// its start angle.
void PieRadarChartViewBase::rotateTo(QPointF point)
{
    const double angle = angleForPoint(point.x(), point.y());
    if (std::isnan(angle)) {
        return;
    }
    if (!m_hasStartAngle) {
        m_startAngle = angle - rotationAngle();
        m_hasStartAngle = true;
    }
    setRotationAngle(angle - m_startAngle);
}

// --- Chart view ----------------------------------------------------------------------------------

void PieRadarChartViewBase::notifyDataSetChanged()
{
    calcMinMax();
    if (const auto chartData = data()) {
        legendRenderer()->computeLegend(*chartData);
    }
    calculateOffsets();
    setNeedsDisplay();
    accessibilityDataDidChange();
}

std::shared_ptr<Highlight> PieRadarChartViewBase::highlightForEntry(qint64 dataSetIndex, qint64 entryIndex) const
{
    const auto chartData = data();
    const auto dataSet = chartData ? chartData->dataSets().value(dataSetIndex) : nullptr;
    const auto entry = dataSet ? dataSet->entryForIndex(entryIndex) : nullptr;
    if (!entry) {
        return nullptr;
    }
    // Pie and radar highlights name their entry by its index.
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    return std::make_shared<Highlight>(double(entryIndex), entry->y(), notANumber, notANumber, dataSetIndex,
                                       dataSet->axisDependency());
}

std::pair<qint64, qint64> PieRadarChartViewBase::entryOfHighlight(const Highlight& highlight) const
{
    const auto chartData = data();
    const auto index = highlightEntryIndex(highlight.x());
    if (!chartData || !index || !markerDataSet(highlight) || !chartData->entryFor(highlight)) {
        return {0, -1};
    }
    return {highlight.dataSetIndex(), *index};
}

void PieRadarChartViewBase::calcMinMax() {}

double PieRadarChartViewBase::chartYMax() const
{
    return 0;
}

double PieRadarChartViewBase::chartYMin() const
{
    return 0;
}

qint64 PieRadarChartViewBase::maxVisibleCount() const
{
    const auto chartData = data();
    return chartData ? chartData->entryCount() : 0;
}

void PieRadarChartViewBase::calculateOffsets()
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    const auto chartLegend = legend();
    if (chartLegend->isEnabled() && !chartLegend->drawInside()) {
        addLegendOffsets(left, top, right, bottom);
        const double base = requiredBaseOffset();
        left += base;
        top += base;
        right += base;
        bottom += base;
    }
    left += extraLeftOffset();
    top += extraTopOffset();
    right += extraRightOffset();
    bottom += extraBottomOffset();
    const double floor = offsetFloor();
    viewPortHandler()->restrainViewPort(std::max(floor, left), std::max(floor, top), std::max(floor, right),
                                        std::max(floor, std::max(requiredBaseOffset(), bottom)));
}

void PieRadarChartViewBase::addLegendOffsets(double& left, double& top, double& right, double& bottom) const
{
    const auto chartLegend = legend();
    const auto handler = viewPortHandler();
    const double heightShare = handler->chartHeight() * chartLegend->maxSizePercent();
    const auto vertical = chartLegend->verticalAlignment();
    if (chartLegend->orientation() == Legend::Orientation::horizontal) {
        const double yLegendOffset = vertical == Legend::VerticalAlignment::center
            ? 0.0
            : std::min(chartLegend->neededHeight() + requiredLegendOffset(), heightShare);
        if (vertical == Legend::VerticalAlignment::top) {
            top = yLegendOffset;
        } else if (vertical == Legend::VerticalAlignment::bottom) {
            bottom = yLegendOffset;
        }
        return;
    }
    const double fullLegendWidth =
        std::min(chartLegend->neededWidth(), handler->chartWidth() * chartLegend->maxSizePercent());
    switch (chartLegend->horizontalAlignment()) {
    case Legend::HorizontalAlignment::left:
        left = legendShareBeside(fullLegendWidth);
        break;
    case Legend::HorizontalAlignment::right:
        right = legendShareBeside(fullLegendWidth);
        break;
    case Legend::HorizontalAlignment::center:
        if (vertical == Legend::VerticalAlignment::top) {
            top = std::min(chartLegend->neededHeight(), heightShare);
        } else if (vertical == Legend::VerticalAlignment::bottom) {
            bottom = std::min(chartLegend->neededHeight(), heightShare);
        }
        break;
    }
}

// The width a vertical legend at the left or right takes from the chart. Unless it is centred
// vertically, it takes nothing when the circle clears its bottom corner, or just enough for
// the circle to clear it.
double PieRadarChartViewBase::legendShareBeside(double fullLegendWidth) const
{
    const auto chartLegend = legend();
    if (chartLegend->verticalAlignment() == Legend::VerticalAlignment::center) {
        return fullLegendWidth + 13;
    }
    double xLegendOffset = fullLegendWidth + 8;
    const double legendHeight = chartLegend->neededHeight() + chartLegend->textHeightMax();
    const QPointF center = midPoint();
    const QRectF box = bounds();
    const bool right = chartLegend->horizontalAlignment() == Legend::HorizontalAlignment::right;
    const double bottomX = right ? box.width() - xLegendOffset + 15 : xLegendOffset - 15;
    const double bottomY = legendHeight + 15;
    const double distLegend = distanceToCenter(bottomX, bottomY);
    const QPointF reference = getPosition(center, radius(), angleForPoint(bottomX, bottomY));
    const double distReference = distanceToCenter(reference.x(), reference.y());
    if (bottomY >= center.y() && box.height() - xLegendOffset > box.width()) {
        return xLegendOffset;
    }
    xLegendOffset = 0;
    if (distLegend < distReference) {
        xLegendOffset = distReference - distLegend + 5;
    }
    return xLegendOffset;
}

}
