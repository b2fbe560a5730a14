#include "ChartEngine/components/AxisRenderer.h"

#include "ChartEngine/components/AxisBase.h"
#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/LineDash.h"
#include "ChartEngine/foundation/NumberUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QPainter>

#include <cmath>
#include <limits>

namespace Charts {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// range / labelCount to one significant digit, at least the granularity when that is on.
double granularInterval(const AxisBase& axis, double range)
{
    const double interval = roundedToOneSignificantDigit(range / double(axis.labelCount()));
    if (axis.isGranularityEnabled() && interval <= axis.granularity()) {
        return axis.granularity();
    }
    return interval;
}

bool isUsableInterval(double interval)
{
    return std::isfinite(interval) && interval > 0.0;
}

// The rounded interval: one significant digit, at least the granularity when that is on, and a
// leading digit above 5 taken up to the next power of ten (7 → 10, 60 → 100).
double roundInterval(const AxisBase& axis, double range)
{
    double interval = granularInterval(axis, range);
    if (!isUsableInterval(interval)) {
        return interval;
    }
    // The logarithm is truncated toward zero, so an interval below 1 keeps its digit.
    const double magnitude =
        roundedToOneSignificantDigit(std::pow(10.0, std::trunc(std::log10(interval))));
    if (std::trunc(interval / magnitude) > 5.0) {
        interval = std::floor(10.0 * magnitude);
    }
    return interval;
}

// A stored label value is never -0, which a number formatter writes as "-0".
void appendValue(QList<double>& values, double value)
{
    values.append(value + 0.0);
}

// Exactly labelCount values from min, evenly spaced; each one rounded once.
void appendForcedValues(QList<double>& values, double min, double interval, qint64 labelCount)
{
    const double end = double(labelCount) * interval + min;
    appendValue(values, min);
    for (double k = 1.0;; k += 1.0) {
        const double value = std::fma(k, interval, min);
        if (!(value < end)) {
            break;
        }
        appendValue(values, value);
    }
}

// The multiples of the interval from the first at or above min (one earlier when centred) up to
// the last at or below max. Returns the count n the values were meant to have; rounding of the
// end bound can let one more value in, or one fewer.
qint64 appendFreeValues(QList<double>& values, double min, double max, double interval,
                        bool centered)
{
    qint64 n = centered ? 1 : 0;
    double first = std::ceil(min / interval) * interval;
    if (centered) {
        first -= interval;
    }
    // The next double above the last multiple lets that multiple count even when its computed
    // value lies one rounding step above it.
    const double last = std::nextafter(std::floor(max / interval) * interval + 0.0, infinity);
    if (last != first) {
        for (double k = 0.0;; k += 1.0) {
            const double value = std::fma(k, interval, first);
            if (!(value <= last) || !std::isfinite(value)) {
                break;
            }
            ++n;
        }
    }
    const double end = double(n) * interval + first;
    for (double k = 0.0;; k += 1.0) {
        const double value = std::fma(k, interval, first);
        if (!(value < end)) {
            break;
        }
        appendValue(values, value);
    }
    return n;
}

// The radar's rounded interval: the magnitude comes from the logarithm rounded down, so an
// interval below 1 can take the step to the next power of ten too, unless that power floors to
// 0 (0.07 stays 0.07).
double roundRadarInterval(const AxisBase& axis, double range)
{
    double interval = granularInterval(axis, range);
    if (!isUsableInterval(interval)) {
        return interval;
    }
    const double magnitude =
        roundedToOneSignificantDigit(std::pow(10.0, std::floor(std::log10(interval))));
    if (std::trunc(interval / magnitude) > 5.0) {
        const double candidate = std::floor(10.0 * magnitude);
        if (candidate != 0.0) {
            interval = candidate;
        }
    }
    return interval;
}

// The multiples of the interval from the first at or above min (one earlier when centred) up to
// the last at or below max, and one more beyond it; with centring one more again.
void appendRadarValues(QList<double>& values, double min, double max, double interval,
                       bool centered)
{
    double first = std::ceil(min / interval) * interval;
    if (centered) {
        first -= interval;
    }
    const double last = std::nextafter(std::floor(max / interval) * interval + 0.0, infinity);
    qint64 n = centered ? 1 : 0;
    for (double k = 0.0;; k += 1.0) {
        const double value = std::fma(k, interval, first);
        if (!(value <= last) || !std::isfinite(value)) {
            break;
        }
        ++n;
    }
    ++n;
    for (qint64 k = 0; k < n; ++k) {
        appendValue(values, std::fma(double(k), interval, first));
    }
}

// Fraction digits that show the interval: ceil(-log10 interval) below 1, else none.
int intervalDecimals(double interval)
{
    if (!(interval < 1.0)) {
        return 0;
    }
    const double digits = std::ceil(-std::log10(interval));
    return std::isfinite(digits) ? checkedInteger<int>(digits) : 0;
}

// Whether the range gives label values at the interval: labels wanted, a finite range that is
// not 0, an interval that is finite and positive. If not, both lists are emptied.
bool givesLabelValues(AxisBase& axis, double range, double interval)
{
    if (axis.labelCount() == 0 || range == 0.0 || !std::isfinite(range)
        || !isUsableInterval(interval)) {
        axis.setEntries({});
        axis.setCenteredEntries({});
        return false;
    }
    return true;
}

// The axis's entries taken out, emptied, with their storage kept and room for `count` values.
QList<double> emptiedEntries(AxisBase& axis, qint64 count)
{
    QList<double> values = axis.entries();
    axis.setEntries({});
    values.clear();
    values.reserve(count);
    return values;
}

}

AxisRenderer::AxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler,
                           std::shared_ptr<Transformer> transformer)
    : m_viewPortHandler(std::move(viewPortHandler))
    , m_transformer(std::move(transformer))
{
}

AxisRenderer::~AxisRenderer() = default;

std::shared_ptr<ViewPortHandler> AxisRenderer::viewPortHandler() const
{
    return m_viewPortHandler;
}

std::shared_ptr<Transformer> AxisRenderer::transformer() const
{
    return m_transformer;
}

std::optional<std::pair<QPointF, QPointF>>
AxisRenderer::visibleValues(bool fullyZoomedOut, QPointF first, QPointF second) const
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    if (!valueTransformer || !(viewPortHandler()->contentWidth() > 10.0) || fullyZoomedOut) {
        return std::nullopt;
    }
    return std::pair(valueTransformer->valueForTouchPoint(first),
                     valueTransformer->valueForTouchPoint(second));
}

bool AxisRenderer::computeLabelValues(AxisBase& axis, double min, double max)
{
    const double range = std::abs(max - min);
    const qint64 labelCount = axis.labelCount();
    double interval = roundInterval(axis, range);
    if (!givesLabelValues(axis, range, interval)) {
        return false;
    }
    // Read before the entries are replaced: an axis without entries is not centred yet.
    const bool centered = axis.centerAxisLabelsEnabled();

    QList<double> values = emptiedEntries(axis, labelCount);
    qint64 n = labelCount;
    if (axis.isForceLabelsEnabled()) {
        interval = range / double(labelCount - 1);
        appendForcedValues(values, min, interval, labelCount);
    } else {
        n = appendFreeValues(values, min, max, interval, centered);
    }
    axis.setEntries(values);
    axis.setDecimals(intervalDecimals(interval));

    if (axis.centerAxisLabelsEnabled()) {
        const qsizetype count = std::min<qsizetype>(n, values.size());
        QList<double> centeredValues;
        centeredValues.reserve(count);
        for (qsizetype i = 0; i < count; ++i) {
            centeredValues.append(values.at(i) + interval / 2.0);
        }
        axis.setCenteredEntries(std::move(centeredValues));
    }
    return true;
}

bool AxisRenderer::computeRadarLabelValues(AxisBase& axis, double min, double max)
{
    const double range = std::abs(max - min);
    const qint64 labelCount = axis.labelCount();
    // The decimals follow this interval, forced labels too.
    const double interval = roundRadarInterval(axis, range);
    if (!givesLabelValues(axis, range, interval)) {
        return false;
    }
    const bool centered = axis.centerAxisLabelsEnabled();

    QList<double> values = emptiedEntries(axis, labelCount);
    if (axis.isForceLabelsEnabled()) {
        appendForcedValues(values, min, range / double(labelCount - 1), labelCount);
    } else {
        appendRadarValues(values, min, max, interval, centered);
    }
    axis.setEntries(values);
    axis.setDecimals(intervalDecimals(interval));

    if (centered) {
        // Half the first step; a single value has no step and takes half the interval.
        const double offset =
            values.size() >= 2 ? (values.at(1) - values.at(0)) / 2.0 : interval / 2.0;
        QList<double> centeredValues;
        centeredValues.reserve(values.size());
        for (double value : values) {
            centeredValues.append(value + offset);
        }
        axis.setCenteredEntries(std::move(centeredValues));
    }
    axis.storeRange(values.first(), values.last());
    return true;
}

QPen AxisRenderer::linePen(const QColor& color, double width, double dashPhase,
                           const std::optional<QList<double>>& dashLengths, Qt::PenCapStyle cap)
{
    QPen pen(color, strokeWidth(width));
    pen.setCapStyle(cap);
    applyLineDash(pen, dashPhase, dashLengths);
    return pen;
}

void AxisRenderer::beginGridLines(QPainter& painter, const AxisBase& axis, const QRectF& clip) const
{
    painter.save();
    clipToRect(painter, clip, viewPortHandler()->chartBounds());
    painter.setRenderHint(QPainter::Antialiasing, axis.gridAntialiasEnabled());
    painter.setPen(linePen(axis.gridColor(), axis.gridLineWidth(), axis.gridLineDashPhase(),
                           axis.gridLineDashLengths(), axis.gridLineCap()));
}

void AxisRenderer::drawLimitLineLabel(QPainter& painter, const ChartLimitLine& limitLine,
                                      QPointF point, TextAlignment alignment)
{
    TextAttributes attributes;
    attributes.font = limitLine.valueFont();
    attributes.color = limitLine.valueTextColor();
    drawAlignedText(painter, limitLine.label(), point, alignment, QPointF(0.0, 0.0), 0.0,
                    attributes);
}

}
