#include "ChartEngine/types/RadarChartRenderer.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/RadarChartData.h"
#include "ChartEngine/data/RadarChartDataEntry.h"
#include "ChartEngine/data/RadarChartDataSetProtocol.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/LineDash.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/RadarChartView.h"
#include "ChartEngine/types/StrokePen.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/PointAccessibility.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Charts {

namespace {

// The side of an entry element's square frame.
constexpr double elementSize = 44.0;

// A value of a set as its element describes it: the spoke's x label, the value, the spoke.
struct Item {
    QString xLabel;
    double value;
    qint64 index;
};

// An item's value as its set's value formatter writes it, given the spoke's entry (none when the
// set has no entry there).
QString itemValueText(const PointSource& values, const Item& item)
{
    const auto entry = values.dataSet.entryForIndex(item.index);
    return pointValueText(values, item.value, entry.get());
}

// Where the values of one pass stand: a value on spoke j at (value - yMin) × factor × phaseY from
// the centre, at slice × j × phaseX + rotation degrees. A distance beyond 1e300 (a value of 1e308
// times the radius, more than a double holds) stands at 1e300: as far beyond any view along its
// spoke, so that its corner draws the same spike.
struct PolarFrame {
    QPointF center;
    double slice;
    double factor;
    double yMin;
    double rotation;
    double phaseX;
    double phaseY;

    double spokeAngle(double spoke) const { return slice * spoke * phaseX + rotation; }
    QPointF point(double value, double spoke) const
    {
        constexpr double farthest = 1e300;
        return polarPoint(center, std::clamp((value - yMin) * factor * phaseY, -farthest, farthest),
                          spokeAngle(spoke));
    }
};

std::shared_ptr<RadarChartDataSetProtocol> radarSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet)
{
    return std::dynamic_pointer_cast<RadarChartDataSetProtocol>(dataSet);
}

qint64 mostEntries(const ChartData& data)
{
    const auto longest = data.maxEntryCountSet();
    return longest ? longest->entryCount() : 0;
}

// The entries that have an x label, largest value first; equal values keep their order.
QList<Item> sortedItems(const ChartDataSetProtocol& dataSet, const QStringList& xLabels)
{
    QList<Item> items;
    const qint64 count = std::min<qint64>(dataSet.entryCount(), xLabels.size());
    for (qint64 i = 0; i < count; ++i) {
        const auto entry = dataSet.entryForIndex(i);
        items.append({xLabels.at(i), entry ? entry->y() : 0.0, i});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.value > b.value; });
    return items;
}

}

RadarChartRenderer::RadarChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                       std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineRadarRenderer(std::move(animator), std::move(viewPortHandler))
    , m_chart(chart)
{
}

RadarChartRenderer::~RadarChartRenderer() = default;

RadarChartView* RadarChartRenderer::chart() const
{
    return qobject_cast<RadarChartView*>(m_chart.data());
}

namespace {

PolarFrame polarFrame(const RadarChartView& view, double phaseX, double phaseY)
{
    return {view.centerOffsets(), view.sliceAngle(), view.factor(), view.chartYMin(),
            view.rotationAngle(), phaseX, phaseY};
}

}

QStringList RadarChartRenderer::computeAccessibilityXLabels(const RadarChartView& view) const
{
    const auto chartData = view.data();
    const auto axis = view.xAxis();
    const auto formatter = axis->valueFormatter();
    QStringList labels;
    if (!chartData || !formatter) {
        return labels;
    }
    const qint64 count = mostEntries(*chartData);
    for (qint64 i = 0; i < count; ++i) {
        labels.append(formatter->stringForValue(double(i), axis.get()));
    }
    return labels;
}

// ---- Data ----

void RadarChartRenderer::drawData(QPainter& painter)
{
    RadarChartView* view = chart();
    const auto chartData = view ? view->data() : nullptr;
    if (!chartData) {
        return;
    }
    m_accessibleChartElements.clear();
    m_accessibleChartElements.append(
        createAccessibleHeader(*view, *chartData, QStringLiteral("Radar Chart")));
    // Labels for the spokes the data has now.
    m_accessibilityXLabels = computeAccessibilityXLabels(*view);
    if (!std::dynamic_pointer_cast<RadarChartData>(chartData) || !std::isfinite(view->factor())) {
        return;
    }
    const qint64 most = mostEntries(*chartData);
    for (const auto& dataSet : chartData->dataSets()) {
        const auto set = radarSet(dataSet);
        if (set && set->isVisible()) {
            drawDataSet(painter, *set, most);
        }
    }
}

void RadarChartRenderer::drawDataSet(QPainter& painter, const RadarChartDataSetProtocol& dataSet,
                                     qint64 mostEntries)
{
    RadarChartView* view = chart();
    const auto chartData = view ? view->data() : nullptr;
    if (!chartData) {
        return;
    }
    const PolarFrame frame = polarFrame(*view, phaseX(), phaseY());
    const qint64 count = dataSet.entryCount();

    const QString prefix = chartData->accessibilityEntryLabelPrefix().value_or(QStringLiteral("Item"));
    const QString label = dataSet.label().value_or(QString());
    const QString setLabel = label + QStringLiteral(". ") + QString::number(count)
        + QStringLiteral(" ") + prefix + (count == 1 ? QString() : QStringLiteral("s"))
        + QStringLiteral(". ");
    const QList<Item> items = sortedItems(dataSet, m_accessibilityXLabels);
    const qint64 dataSetIndex = indexOfDataSet(*chartData, dataSet);
    const QString suffix = chartData->accessibilityEntryLabelSuffix().value_or(QString());
    const auto values = pointSourceOf(view, chartData.get(), dataSet, dataSetIndex, viewPortHandler().get());

    QList<QPointF> corners;
    Elements entryElements;
    for (qint64 j = 0; j < count; ++j) {
        const auto entry = dataSet.entryForIndex(j);
        if (!entry) {
            continue;
        }
        const QPointF point = frame.point(entry->y(), double(j));
        if (std::isnan(point.x())) {
            continue;
        }
        corners.append(point);
        // An entry index without an item (no x label) makes no element.
        if (j >= items.size()) {
            continue;
        }
        const Item& item = items.at(j);
        auto element = view->accessibilityElement(dataSetIndex, item.index);
        element->setAccessibilityLabel(label + QStringLiteral(" - ") + item.xLabel
                                       + QStringLiteral(": ") + itemValueText(*values, item)
                                       + QStringLiteral(" ") + suffix);
        const QPointF itemPoint = frame.point(item.value, double(item.index));
        element->setAccessibilityFrame(QRectF(itemPoint.x() - elementSize / 2.0,
                                              itemPoint.y() - elementSize / 2.0, elementSize,
                                              elementSize));
        entryElements.append(element);
    }
    // Nothing drawn: no polygon, no elements (a line to the centre would start at (0, 0)).
    if (corners.isEmpty()) {
        return;
    }
    if (count < mostEntries) {
        corners.append(frame.center);
    }
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();

    // Values far outside the axis put corners far outside the view: only what can be seen is
    // filled and stroked.
    const QRectF bounds = viewPortHandler()->chartBounds();
    painter.save();
    const bool filled = dataSet.isDrawFilledEnabled();
    if (filled) {
        if (const auto fill = dataSet.fill()) {
            drawFilledPath(painter, path, *fill, dataSet.fillAlpha());
        } else {
            // As drawFilledPath fills with a colour, but through fillClippedPath, which is quick
            // with thousands of corners.
            QPainterPath area = path;
            area.setFillRule(Qt::WindingFill);
            painter.setOpacity(dataSet.fillAlpha());
            fillClippedPath(painter, area, dataSet.fillColor(), bounds);
        }
    }
    if (!filled || dataSet.fillAlpha() < 1.0) {
        painter.setOpacity(1.0);
        painter.setPen(strokePen(dataSet.colorAtIndex(0), dataSet.lineWidth()));
        painter.setBrush(Qt::NoBrush);
        drawClippedPolygon(painter, corners, bounds);
        auto setElement = view->accessibilityHeaderElement(dataSetIndex);
        setElement->setAccessibilityLabel(setLabel);
        setElement->setAccessibilityFrame(path.boundingRect());
        m_accessibleChartElements.append(setElement);
        m_accessibleChartElements.append(entryElements);
    }
    accessibilityPostLayoutChangedNotification();
    painter.restore();
}

// ---- Web ----

void RadarChartRenderer::drawExtras(QPainter& painter)
{
    drawWeb(painter);
}

void RadarChartRenderer::drawWeb(QPainter& painter)
{
    RadarChartView* view = chart();
    const auto chartData = view ? view->data() : nullptr;
    if (!chartData || !std::isfinite(view->factor())) {
        return;
    }
    // The web does not move with the animation.
    const PolarFrame frame = polarFrame(*view, 1.0, 1.0);
    const qint64 step = view->skipWebLineCount() + 1;
    const qint64 spokes = mostEntries(*chartData);

    painter.save();
    painter.setOpacity(view->webAlpha());
    painter.setPen(strokePen(view->webColor(), view->webLineWidth()));
    // Each pen's lines go to Qt in one call: a call a line costs Qt more than the line itself.
    const double outer = view->yRange() * frame.factor;
    QList<QLineF> lines;
    for (qint64 i = 0; i < spokes; i += step) {
        lines.append(QLineF(frame.center, polarPoint(frame.center, outer, frame.spokeAngle(double(i)))));
    }
    // Thousands of spokes, all through the centre, took Qt's stroke most of a second.
    drawClippedLines(painter, lines, viewPortHandler()->chartBounds(), LineCrowding::crowded);

    painter.setPen(strokePen(view->innerWebColor(), view->innerWebLineWidth()));
    // Each ring goes once round per data set: over the data's entry count, not the spokes'.
    const qint64 segments = chartData->entryCount();
    const QList<double> rings = view->yAxis()->entries();
    lines.clear();
    for (double ring : rings) {
        for (qint64 i = 0; i < segments; ++i) {
            lines.append(QLineF(frame.point(ring, double(i)), frame.point(ring, double(i + 1))));
        }
    }
    drawClippedLines(painter, lines, viewPortHandler()->chartBounds());
    painter.restore();
}

// ---- Values ----

void RadarChartRenderer::drawValues(QPainter& painter)
{
    RadarChartView* view = chart();
    const auto chartData = view ? view->data() : nullptr;
    if (!chartData || !std::isfinite(view->factor())) {
        return;
    }
    const PolarFrame frame = polarFrame(*view, phaseX(), phaseY());
    const QRectF bounds = viewPortHandler()->chartBounds();
    const QList<std::shared_ptr<ChartDataSetProtocol>> dataSets = chartData->dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        const auto set = radarSet(dataSets.at(i));
        if (!set || !shouldDrawValues(*set)) {
            continue;
        }
        const double angle = set->valueLabelAngle() * std::numbers::pi / 180.0;
        const auto formatter = set->valueFormatter();
        TextAttributes attributes;
        attributes.font = set->valueFont();
        const double lineHeight = fontLineHeight(attributes.font);
        const QPointF iconsOffset = set->iconsOffset();
        for (qint64 j = 0; j < set->entryCount(); ++j) {
            const auto entry = set->entryForIndex(j);
            if (!entry) {
                continue;
            }
            // No text reaches 1e20 points, a string's most characters in the largest font: a value
            // placed farther beyond the chart is not formatted (1e308's shortest digits take long).
            const QPointF point = frame.point(entry->y(), double(j));
            constexpr double beyondAnyText = 1e20;
            const bool near = bounds.adjusted(-beyondAnyText, -beyondAnyText, beyondAnyText, beyondAnyText)
                                  .contains(point);
            if (set->isDrawValuesEnabled() && formatter && near) {
                const QString text =
                    formatter->stringForValue(entry->y(), entry.get(), i, viewPortHandler().get());
                const QSizeF size = m_textSizes.size(text, attributes);
                const QPointF at(point.x(), point.y() - 5.0 - lineHeight);
                // A text whose box, turned or not, lies wholly beyond the chart is not drawn: values
                // far outside the axis are laid out for nothing.
                const double reach = size.width() + size.height();
                if (bounds.adjusted(-reach, -reach, reach, reach).contains(at)) {
                    attributes.color = set->valueTextColorAt(j);
                    drawAlignedText(painter, text, at, TextAlignment::Center, QPointF(0.5, 0.5), angle,
                                    attributes, size.width());
                }
            }
            if (entry->icon() && set->isDrawIconsEnabled()) {
                // The icon's distance is the value itself, its offset's x goes down.
                QPointF at = polarPoint(frame.center,
                                        entry->y() * frame.factor * frame.phaseY + iconsOffset.y(),
                                        frame.spokeAngle(double(j)));
                at.ry() += iconsOffset.x();
                drawImage(painter, *entry->icon(), at, entry->icon()->size());
            }
        }
    }
}

// ---- Highlight ----

void RadarChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    RadarChartView* view = chart();
    const auto chartData = view ? view->data() : nullptr;
    if (!std::dynamic_pointer_cast<RadarChartData>(chartData) || !std::isfinite(view->factor())) {
        return;
    }
    painter.save();
    for (const auto& highlight : indices) {
        if (highlight) {
            drawHighlight(painter, *view, *highlight);
        }
    }
    painter.restore();
}

void RadarChartRenderer::drawHighlight(QPainter& painter, const RadarChartView& view,
                                       Highlight& highlight)
{
    const auto chartData = std::dynamic_pointer_cast<RadarChartData>(view.data());
    const auto set = radarSet(chartData->dataSetAtIndex(highlight.dataSetIndex()));
    if (!set || !set->isHighlightEnabled()) {
        return;
    }
    // entryFor answers none for an x that is not finite or names no entry.
    const auto entry = std::dynamic_pointer_cast<RadarChartDataEntry>(chartData->entryFor(highlight));
    if (!entry || !isInBoundsX(*entry, *set)) {
        return;
    }
    QPen pen = strokePen(set->highlightColor(), chartData->highlightLineWidth());
    applyLineDash(pen, chartData->highlightLineDashPhase(), chartData->highlightLineDashLengths());
    painter.setPen(pen);
    const QPointF point = polarFrame(view, phaseX(), phaseY()).point(entry->y(), highlight.x());
    highlight.setDraw(point);
    drawHighlightLines(painter, point, *set);
    if (!set->isDrawHighlightCircleEnabled() || std::isnan(point.x()) || std::isnan(point.y())) {
        return;
    }
    QColor stroke = set->highlightCircleStrokeColor().value_or(set->colorAtIndex(0));
    if (set->highlightCircleStrokeAlpha() < 1.0) {
        stroke.setAlphaF(float(set->highlightCircleStrokeAlpha()));
    }
    drawHighlightCircle(painter, point, set->highlightCircleInnerRadius(),
                        set->highlightCircleOuterRadius(), set->highlightCircleFillColor(), stroke,
                        set->highlightCircleStrokeWidth());
}

void RadarChartRenderer::drawHighlightCircle(QPainter& painter, QPointF point, double innerRadius,
                                             double outerRadius, std::optional<QColor> fillColor,
                                             std::optional<QColor> strokeColor, double strokeWidth)
{
    painter.save();
    if (fillColor) {
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addEllipse(point, outerRadius, outerRadius);
        if (innerRadius > 0.0) {
            ring.addEllipse(point, innerRadius, innerRadius);
        }
        fillClippedPath(painter, ring, *fillColor, viewPortHandler()->chartBounds());
    }
    if (strokeColor) {
        painter.setPen(strokePen(*strokeColor, strokeWidth));
        painter.setBrush(Qt::NoBrush);
        const QRectF circle(point.x() - outerRadius, point.y() - outerRadius, 2 * outerRadius, 2 * outerRadius);
        drawClippedEllipse(painter, circle, viewPortHandler()->chartBounds());
    }
    painter.restore();
}

}
