#include "ChartEngine/types/PieChartRenderer.h"

#include "ChartEngine/components/Description.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NumberFormatter.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/PieChartView.h"
#include "ChartEngine/types/StrokePen.h"
#include "ChartEngine/views/AccessibilityHeader.h"

#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace Charts {

namespace {

constexpr double epsilon = std::numeric_limits<double>::epsilon();
constexpr double radiansPerDegree = std::numbers::pi / 180.0;

// The point at `distance` from `center` along `degrees`.
QPointF along(QPointF center, double distance, double degrees)
{
    const double radians = degrees * radiansPerDegree;
    return QPointF(center.x() + distance * std::cos(radians), center.y() + distance * std::sin(radians));
}

QRectF squareAround(QPointF center, double radius)
{
    return QRectF(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
}

// An arc around `center`, clockwise on screen from `start` over `sweep` degrees (Qt counts
// counter-clockwise); a line first joins the path's current point to the arc's start.
void arcAround(QPainterPath& path, QPointF center, double radius, double start, double sweep)
{
    path.arcTo(squareAround(center, radius), -start, -sweep);
}

// The spacing angle of a gap of `space` points on a circle of `radius`.
double spaceAngle(double space, double radius)
{
    return space / (std::numbers::pi * radius / 180.0);
}

// The entries whose value is not within the double epsilon of 0 (missing ones not counted).
qint64 visibleSliceCount(const PieChartDataSetProtocol& dataSet)
{
    qint64 count = 0;
    for (qint64 j = 0; j < dataSet.entryCount(); ++j) {
        const auto entry = dataSet.entryForIndex(j);
        if (entry && std::fabs(entry->y()) > epsilon) {
            ++count;
        }
    }
    return count;
}

bool isClear(const std::optional<QColor>& color)
{
    return !color || *color == QColor(Qt::transparent);
}

bool isFinitePoint(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

}

// The circle every stage draws on, read from the view once per stage.
struct PieChartRenderer::Circle {
    QPointF center;
    double radius = 0;
    double rotation = 0;
    double phaseX = 1;
    double phaseY = 1;
    bool drawInnerArc = false;
    double userInnerRadius = 0;
};

// What the value stage reads once per draw; xIndex counts the slices over all sets.
struct PieChartRenderer::ValueStage {
    PieChartView* view = nullptr;
    Circle circle;
    double labelRadius = 0;
    double yValueSum = 0;
    qint64 entryCount = 0;
    QList<double> drawAngles;
    QList<double> absoluteAngles;
    qint64 xIndex = 0;
};

// One slice's texts and where they go.
struct PieChartRenderer::SliceTexts {
    qint64 index = 0;
    QString valueText;
    std::optional<QString> label;
    TextAttributes valueAttributes;
    TextAttributes labelAttributes;
    bool valueInside = false;
    bool valueOutside = false;
    bool labelInside = false;
    bool labelOutside = false;
    double theta = 0;
    QPointF direction;
    double lineHeight = 0;
    double valueAngle = 0;
};

// A slice as a data drawing drew it: its entry's index, the angle it starts at and its sweep.
struct PieChartRenderer::DrawnSlice {
    qint64 index = 0;
    double angle = 0;
    double sliceAngle = 0;
};

// A set as a data drawing drew it, with what its slices' paths are made of. The set is held from
// the chart's data; one from elsewhere, which cannot be held, is described as it is drawn.
struct PieChartRenderer::DrawnSet {
    std::shared_ptr<PieChartDataSetProtocol> dataSet;
    Elements described;
    Circle circle;
    double sliceSpace = 0;
    qint64 visibleCount = 0;
    std::vector<DrawnSlice> slices;
};

// A slice's path and the part of it that is filled, with everything they were made of, compared
// exactly (QPointF and QRectF compare within a margin).
struct PieChartRenderer::SlicePaths {
    using Key = std::array<double, 13>;
    bool made = false;
    Key key{};
    QPainterPath path;
    QPainterPath filled;
};

// A slice drawn highlighted, pushed out by its set's selection shift.
struct PieChartRenderer::DrawnHighlight {
    std::shared_ptr<PieChartDataSetProtocol> dataSet;
    Circle circle;
    DrawnSlice slice;
    double sliceSpace = 0;
    qint64 visibleCount = 0;
    double selectionShift = 0;
};

PieChartRenderer::PieChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : m_viewPortHandler(std::move(viewPortHandler))
    , m_animator(std::move(animator))
    , m_chart(chart)
{
}

PieChartRenderer::~PieChartRenderer() = default;

PieChartView* PieChartRenderer::chart() const
{
    return qobject_cast<PieChartView*>(m_chart.data());
}

void PieChartRenderer::setChart(QObject* chart)
{
    m_chart = chart;
}

double PieChartRenderer::phaseX() const
{
    return m_animator ? m_animator->phaseX() : 1.0;
}

double PieChartRenderer::phaseY() const
{
    return m_animator ? m_animator->phaseY() : 1.0;
}

PieChartRenderer::Circle PieChartRenderer::circleOf(const PieChartView& view) const
{
    Circle circle;
    circle.center = view.centerCircleBox();
    circle.radius = view.radius();
    circle.rotation = view.rotationAngle();
    circle.phaseX = phaseX();
    circle.phaseY = phaseY();
    circle.drawInnerArc = view.drawHoleEnabled() && !view.drawSlicesUnderHoleEnabled();
    circle.userInnerRadius = circle.drawInnerArc ? circle.radius * view.holeRadiusPercent() : 0.0;
    return circle;
}

// The sum of the slices' values, taken once a draw: a slice's percent divides by it.
double PieChartRenderer::yValueSumOf(const PieChartView& view)
{
    const auto pieData = std::dynamic_pointer_cast<PieChartData>(view.data());
    return pieData ? pieData->yValueSum() : 0.0;
}

void PieChartRenderer::initBuffers() {}

bool PieChartRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const
{
    const auto chartData = dataProvider ? dataProvider->data() : nullptr;
    if (!chartData) {
        return false;
    }
    const double limit = std::trunc(double(dataProvider->maxVisibleCount()) * m_viewPortHandler->scaleX());
    return double(chartData->entryCount()) < limit;
}

std::shared_ptr<NSUIAccessibilityElement> PieChartRenderer::createAccessibleHeader(
    const ChartViewBase& chart, const ChartData& data, const QString& defaultDescription)
{
    return makeAccessibilityHeader(chart, data, defaultDescription);
}

// --- Slice geometry ------------------------------------------------------------------------------

double PieChartRenderer::calculateMinimumRadiusForSpacedSlice(QPointF center, double radius, double angle,
                                                              QPointF arcStart, double startAngle,
                                                              double sweepAngle) const
{
    const QPointF arcEnd = along(center, radius, startAngle + sweepAngle);
    const QPointF arcMiddle = along(center, radius, startAngle + sweepAngle / 2);
    const double chord = QLineF(arcStart, arcEnd).length();
    const QPointF chordMiddle = (arcStart + arcEnd) / 2;
    const double triangleHeight = chord / 2 * std::tan((180.0 - angle) / 2 * radiansPerDegree);
    const double arcHeight = QLineF(arcMiddle, chordMiddle).length();
    return radius - triangleHeight - arcHeight;
}

double PieChartRenderer::getSliceSpace(const PieChartDataSetProtocol& dataSet) const
{
    const auto* view = chart();
    const auto pieData = view ? std::dynamic_pointer_cast<PieChartData>(view->data()) : nullptr;
    if (!dataSet.automaticallyDisableSliceSpacing() || !pieData) {
        return dataSet.sliceSpace();
    }
    const double spaceSizeRatio =
        dataSet.sliceSpace() / std::min(m_viewPortHandler->contentWidth(), m_viewPortHandler->contentHeight());
    const double minValueRatio = dataSet.yMin() / pieData->yValueSum() * 2;
    return spaceSizeRatio > minValueRatio ? 0.0 : dataSet.sliceSpace();
}

// The inner end of a slice that has one: a line to the inner radius and an arc back along it.
void PieChartRenderer::closeAtInnerArc(QPainterPath& path, const Circle& circle, double angle, double sliceAngle,
                                       double sliceSpace, qint64 visibleCount, double innerRadius) const
{
    const double spaceAngleInner =
        visibleCount == 1 || innerRadius == 0 ? 0.0 : spaceAngle(sliceSpace, innerRadius);
    const double sweepInner = std::max(0.0, (sliceAngle - spaceAngleInner) * circle.phaseY);
    const double endInner = circle.rotation + (angle + spaceAngleInner / 2) * circle.phaseY + sweepInner;
    path.lineTo(along(circle.center, innerRadius, endInner));
    arcAround(path, circle.center, innerRadius, endInner, -sweepInner);
}

QPainterPath PieChartRenderer::slicePath(const Circle& circle, double angle, double sliceAngle, double sliceSpace,
                                         qint64 visibleCount) const
{
    const double r = circle.radius;
    const bool accountForSliceSpacing = sliceSpace > 0 && sliceAngle <= 180;
    const double spaceAngleOuter = visibleCount == 1 ? 0.0 : spaceAngle(sliceSpace, r);
    const double sweepOuter = std::max(0.0, (sliceAngle - spaceAngleOuter) * circle.phaseY);
    const double startOuter = circle.rotation + (angle + spaceAngleOuter / 2) * circle.phaseY;
    const QPointF arcStart = along(circle.center, r, startOuter);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.moveTo(arcStart);
    arcAround(path, circle.center, r, startOuter, sweepOuter);
    const auto minimumRadius = [&] {
        return calculateMinimumRadiusForSpacedSlice(circle.center, r, sliceAngle * circle.phaseY, arcStart,
                                                    startOuter, sweepOuter);
    };
    if (circle.drawInnerArc && (circle.userInnerRadius > 0 || accountForSliceSpacing)) {
        const double innerRadius = accountForSliceSpacing
            ? std::min(r, std::max(circle.userInnerRadius, std::fabs(minimumRadius())))
            : circle.userInnerRadius;
        closeAtInnerArc(path, circle, angle, sliceAngle, sliceSpace, visibleCount, innerRadius);
    } else if (!circle.drawInnerArc && accountForSliceSpacing) {
        path.lineTo(along(circle.center, minimumRadius(), startOuter + sweepOuter / 2));
    } else {
        path.lineTo(circle.center);
    }
    path.closeSubpath();
    return path;
}

// A slice drawn again as it was drawn last (on the same circle, at the same angles and spacing,
// within the same bounds) is filled with the paths made then: a drawing that changes nothing of
// the pie builds no path.
const PieChartRenderer::SlicePaths& PieChartRenderer::slicePaths(const DrawnSet& drawn, const DrawnSlice& slice) const
{
    const Circle& circle = drawn.circle;
    const QRectF bounds = m_viewPortHandler->chartBounds();
    const SlicePaths::Key key = {circle.center.x(), circle.center.y(), circle.radius, circle.rotation, circle.phaseY,
                                 circle.drawInnerArc ? 1.0 : 0.0, circle.userInnerRadius, slice.angle,
                                 slice.sliceAngle, drawn.sliceSpace, double(drawn.visibleCount), bounds.width(),
                                 bounds.height()};
    const auto index = std::size_t(slice.index);
    if (index >= m_slicePaths.size()) {
        m_slicePaths.resize(index + 1);
    }
    SlicePaths& paths = m_slicePaths[index];
    if (!paths.made || paths.key != key) {
        paths.made = true;
        paths.key = key;
        paths.path = slicePath(circle, slice.angle, slice.sliceAngle, drawn.sliceSpace, drawn.visibleCount);
        paths.filled = clippedPath(paths.path, bounds);
    }
    return paths;
}

QPainterPath PieChartRenderer::highlightedSlicePath(const DrawnHighlight& drawn) const
{
    return highlightedSlicePath(drawn.circle, drawn.slice.angle, drawn.slice.sliceAngle, drawn.sliceSpace,
                                drawn.visibleCount, drawn.selectionShift);
}

QPainterPath PieChartRenderer::highlightedSlicePath(const Circle& circle, double angle, double sliceAngle,
                                                    double sliceSpace, qint64 visibleCount,
                                                    double selectionShift) const
{
    const double r = circle.radius;
    const double highlightedRadius = r + selectionShift;
    const bool accountForSliceSpacing = sliceSpace > 0 && sliceAngle <= 180;
    const bool single = visibleCount == 1;
    const double spaceAngleShifted = single ? 0.0 : spaceAngle(sliceSpace, highlightedRadius);
    const double spaceAngleOuter = single ? 0.0 : spaceAngle(sliceSpace, r);
    const double sweepShifted = std::max(0.0, (sliceAngle - spaceAngleShifted) * circle.phaseY);
    const double startShifted = circle.rotation + (angle + spaceAngleShifted / 2) * circle.phaseY;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.moveTo(along(circle.center, highlightedRadius, startShifted));
    arcAround(path, circle.center, highlightedRadius, startShifted, sweepShifted);
    std::optional<double> innerRadius;
    if (accountForSliceSpacing) {
        const double startOuter = circle.rotation + (angle + spaceAngleOuter / 2) * circle.phaseY;
        const double sweepOuter = std::max(0.0, (sliceAngle - spaceAngleOuter) * circle.phaseY);
        const double minimumRadius = calculateMinimumRadiusForSpacedSlice(
            circle.center, r, sliceAngle * circle.phaseY, along(circle.center, r, startOuter), startOuter, sweepOuter);
        if (circle.drawInnerArc) {
            innerRadius = std::min(r, std::max(circle.userInnerRadius, std::fabs(minimumRadius)));
        } else {
            path.lineTo(along(circle.center, minimumRadius, startOuter + sweepOuter / 2));
        }
    } else if (circle.drawInnerArc && circle.userInnerRadius > 0) {
        innerRadius = circle.userInnerRadius;
    } else {
        path.lineTo(circle.center);
    }
    if (innerRadius) {
        closeAtInnerArc(path, circle, angle, sliceAngle, sliceSpace, visibleCount, *innerRadius);
    }
    path.closeSubpath();
    return path;
}

// --- Data ----------------------------------------------------------------------------------------

void PieChartRenderer::drawData(QPainter& painter)
{
    const auto* view = chart();
    const auto chartData = view ? view->data() : nullptr;
    if (!chartData) {
        return;
    }
    beginDrawnElements();
    for (const auto& dataSet : chartData->dataSets()) {
        const auto pieSet = std::dynamic_pointer_cast<PieChartDataSetProtocol>(dataSet);
        if (pieSet && pieSet->isVisible() && pieSet->entryCount() > 0) {
            drawDataSet(painter, *pieSet);
        }
    }
}

void PieChartRenderer::drawDataSet(QPainter& painter, const PieChartDataSetProtocol& dataSet)
{
    auto* view = chart();
    if (!view) {
        return;
    }
    DrawnSet drawn;
    drawn.circle = circleOf(*view);
    const QList<double> drawAngles = view->drawAngles();
    drawn.visibleCount = visibleSliceCount(dataSet);
    drawn.sliceSpace = drawn.visibleCount >= 2 ? getSliceSpace(dataSet) : 0.0;
    const qint64 count = std::min<qint64>(dataSet.entryCount(), drawAngles.size());
    drawn.slices.reserve(std::size_t(std::max<qint64>(count, 0)));
    m_slicePaths.resize(std::min(m_slicePaths.size(), std::size_t(drawAngles.size())));
    painter.save();
    double angle = 0;
    for (qint64 j = 0; j < count; ++j) {
        const double sliceAngle = drawAngles.at(j);
        const auto entry = dataSet.entryForIndex(j);
        if (!entry) {
            continue;
        }
        const bool highlightedElsewhere = dataSet.isHighlightEnabled() && view->needsHighlight(j);
        if (std::fabs(entry->y()) >= epsilon && !highlightedElsewhere) {
            drawn.slices.push_back({j, angle, sliceAngle});
            fillClippedPath(painter, slicePaths(drawn, drawn.slices.back()).filled, dataSet.colorAtIndex(j),
                            m_viewPortHandler->chartBounds());
        }
        angle += sliceAngle * drawn.circle.phaseX;
    }
    noteDrawnSet(*view, dataSet, std::move(drawn));
    accessibilityPostLayoutChangedNotification();
    painter.restore();
}

void PieChartRenderer::noteDrawnSet(const PieChartView& view, const PieChartDataSetProtocol& dataSet, DrawnSet drawn)
{
    const auto chartData = view.data();
    const qint64 index = chartData ? indexOfDataSet(*chartData, dataSet) : -1;
    if (index >= 0) {
        drawn.dataSet = std::dynamic_pointer_cast<PieChartDataSetProtocol>(chartData->dataSets().at(index));
    } else {
        drawn.described = describeSet(view, dataSet, drawn, yValueSumOf(view));
    }
    m_drawnSets.push_back(std::move(drawn));
    m_elementsToDescribe = true;
}

void PieChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    auto* view = chart();
    const auto chartData = view ? view->data() : nullptr;
    if (!chartData) {
        return;
    }
    painter.save();
    const Circle circle = circleOf(*view);
    const QList<double> drawAngles = view->drawAngles();
    const QList<double> absoluteAngles = view->absoluteAngles();
    for (const auto& highlight : indices) {
        const auto index = highlight ? view->highlightedSlice(*highlight) : std::nullopt;
        const auto dataSet = index ? std::dynamic_pointer_cast<PieChartDataSetProtocol>(
                                         chartData->dataSetAtIndex(highlight->dataSetIndex()))
                                   : nullptr;
        if (!dataSet || !dataSet->isHighlightEnabled()) {
            continue;
        }
        const qint64 i = *index;
        const qint64 visibleCount = visibleSliceCount(*dataSet);
        const double angle = i == 0 ? 0.0 : absoluteAngles.at(i - 1) * circle.phaseX;
        const double sliceSpace = visibleCount >= 2 ? dataSet->sliceSpace() : 0.0;
        const DrawnHighlight drawn{dataSet, circle, {i, angle, drawAngles.at(i)}, sliceSpace, visibleCount,
                                   view->heldSelectionShift(dataSet->selectionShift())};
        fillClippedPath(painter, highlightedSlicePath(drawn),
                        dataSet->highlightColor().value_or(dataSet->colorAtIndex(i)), m_viewPortHandler->chartBounds());
        m_drawnHighlights.push_back(drawn);
        // Highlighted slices join the elements of a data drawing that drew a set.
        m_elementsToDescribe = m_elementsToDescribe || !m_drawnSets.empty();
    }
    painter.restore();
}

// --- Hole and centre text ------------------------------------------------------------------------

void PieChartRenderer::drawExtras(QPainter& painter)
{
    drawHole(painter);
    drawCenterText(painter);
}

void PieChartRenderer::drawHole(QPainter& painter)
{
    const auto* view = chart();
    if (!view || !view->drawHoleEnabled()) {
        return;
    }
    painter.save();
    const double r = view->radius();
    const double holeRadius = r * view->holeRadiusPercent();
    const QPointF center = view->centerCircleBox();
    if (!isClear(view->holeColor())) {
        QPainterPath disc;
        disc.addEllipse(squareAround(center, holeRadius));
        fillClippedPath(painter, disc, *view->holeColor(), m_viewPortHandler->chartBounds());
    }
    const auto ringColor = view->transparentCircleColor();
    if (!isClear(ringColor) && view->transparentCircleRadiusPercent() > view->holeRadiusPercent()) {
        painter.save();
        painter.setOpacity(phaseX() * phaseY());
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addEllipse(squareAround(center, r * view->transparentCircleRadiusPercent()));
        ring.addEllipse(squareAround(center, holeRadius));
        fillClippedPath(painter, ring, *ringColor, m_viewPortHandler->chartBounds());
        painter.restore();
    }
    painter.restore();
}

void PieChartRenderer::drawCenterText(QPainter& painter)
{
    const auto* view = chart();
    const auto text = view ? view->centerAttributedText() : std::nullopt;
    if (!text || !view->drawCenterTextEnabled() || text->length() < 1) {
        return;
    }
    const QPointF center = view->centerCircleBox() + view->centerTextOffset();
    const double r = view->radius();
    const bool innerArc = view->drawHoleEnabled() && !view->drawSlicesUnderHoleEnabled();
    const double innerRadius = innerArc ? r * view->holeRadiusPercent() : r;
    const QRectF holeBox = squareAround(center, innerRadius);
    QRectF boundingBox = holeBox;
    const double percent = view->centerTextRadiusPercent();
    if (percent > 0) {
        const double dx = (boundingBox.width() - boundingBox.width() * percent) / 2;
        const double dy = (boundingBox.height() - boundingBox.height() * percent) / 2;
        boundingBox.adjust(dx, dy, -dx, -dy);
    }
    const QSizeF textBounds = attributedTextBoundingSize(*text, boundingBox.size());
    const QPointF origin(boundingBox.x() + (boundingBox.width() - textBounds.width()) / 2,
                         boundingBox.y() + (boundingBox.height() - textBounds.height()) / 2);
    painter.save();
    QPainterPath clip;
    clip.addEllipse(holeBox);
    clipToPath(painter, clip, m_viewPortHandler->chartBounds());
    drawAttributedText(painter, *text, QRectF(origin, textBounds), boundingBox.size());
    painter.restore();
}

// --- Accessibility -------------------------------------------------------------------------------

DataRenderer::Elements PieChartRenderer::accessibleChartElements() const
{
    if (std::exchange(m_elementsToDescribe, false)) {
        m_accessibleChartElements = describeElements();
    }
    return m_accessibleChartElements;
}

void PieChartRenderer::setAccessibleChartElements(Elements elements)
{
    m_accessibleChartElements = std::move(elements);
    m_drawnSets.clear();
    m_drawnHighlights.clear();
    m_elementsToDescribe = false;
}

void PieChartRenderer::beginDrawnElements()
{
    m_drawnSets.clear();
    m_drawnHighlights.clear();
    // A reader holding a slice that is no longer highlighted must not hear it selected.
    for (const auto& element : std::as_const(m_selectedElements)) {
        element->setSelected(false);
    }
    m_selectedElements.clear();
    m_elementsToDescribe = true;
}

// Per drawn set its header and its slices, in drawing order, and the highlighted slices, marked
// selected, after the first header.
DataRenderer::Elements PieChartRenderer::describeElements() const
{
    const auto* view = chart();
    Elements elements;
    if (!view) {
        return elements;
    }
    const double yValueSum = yValueSumOf(*view);
    for (const DrawnSet& drawn : m_drawnSets) {
        elements.append(drawn.dataSet ? describeSet(*view, *drawn.dataSet, drawn, yValueSum) : drawn.described);
    }
    if (elements.isEmpty()) {
        return elements;
    }
    qsizetype at = 1;
    for (const DrawnHighlight& drawn : m_drawnHighlights) {
        auto element =
            makeSliceElement(drawn.slice.index, *view, *drawn.dataSet, highlightedSlicePath(drawn), yValueSum);
        element->setSelected(true);
        m_selectedElements.append(element);
        elements.insert(at++, element);
    }
    return elements;
}

DataRenderer::Elements PieChartRenderer::describeSet(const PieChartView& view, const PieChartDataSetProtocol& dataSet,
                                                     const DrawnSet& drawn, double yValueSum) const
{
    Elements elements = {makeHeader(view, dataSet)};
    for (const DrawnSlice& slice : drawn.slices) {
        elements.append(makeSliceElement(slice.index, view, dataSet, slicePaths(drawn, slice).path, yValueSum));
    }
    return elements;
}

std::shared_ptr<NSUIAccessibilityElement> PieChartRenderer::makeHeader(const PieChartView& view,
                                                                       const PieChartDataSetProtocol& dataSet) const
{
    const auto chartData = view.data();
    QString name = QStringLiteral("Pie Chart");
    if (const auto description = view.chartDescription()->text()) {
        name = *description;
    } else if (const auto label = dataSet.label()) {
        name = *label;
    } else if (const auto centerText = view.centerText()) {
        name = *centerText;
    }
    const QString prefix =
        chartData ? chartData->accessibilityEntryLabelPrefix().value_or(QStringLiteral("Element")) : QStringLiteral("Element");
    const qint64 count = dataSet.entryCount();
    auto element = view.accessibilityHeaderElement();
    element->setAccessibilityLabel(name + QStringLiteral(". ") + QString::number(count) + QStringLiteral(" ")
                                   + prefix + (count == 1 ? QString() : QStringLiteral("s")));
    element->setAccessibilityFrame(view.bounds());
    return element;
}

namespace {

// What a slice's element says: "<name> : <value> <suffix>", and its share of the whole. A value
// that is the share already (share none) gets the percent sign where it has none; any other
// value is followed by "(<share> %)", the share with at most one decimal in the current locale.
QString sliceText(const QString& name, const QString& valueText, const QString& suffix,
                  std::optional<double> share)
{
    if (!share) {
        const QString sign = valueText.contains(QLatin1Char('%')) ? QString() : QStringLiteral(" %");
        return name + QStringLiteral(" : ") + valueText + sign + QStringLiteral(" ") + suffix;
    }
    NumberFormatter formatter;
    formatter.setMaximumFractionDigits(1);
    return name + QStringLiteral(" : ") + valueText + QStringLiteral(" ") + suffix
        + (suffix.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("(")
        + formatter.stringFromNumber(*share) + QStringLiteral(" %)");
}

}

std::shared_ptr<NSUIAccessibilityElement> PieChartRenderer::makeSliceElement(qint64 index, const PieChartView& view,
                                                                             const PieChartDataSetProtocol& dataSet,
                                                                             const QPainterPath& path,
                                                                             double yValueSum) const
{
    // The slice keeps its element; it is marked selected only while drawn highlighted.
    auto element = view.accessibilityElement(0, index);
    element->setSelected(false);
    const auto pieData = std::dynamic_pointer_cast<PieChartData>(view.data());
    const auto entry = dataSet.entryForIndex(index);
    if (!pieData || !entry) {
        return element;
    }
    const bool valueIsShare = view.isUsePercentValuesEnabled();
    const double share = entry->y() / yValueSum * 100;
    const double value = valueIsShare ? share : entry->y();
    const auto formatter = dataSet.valueFormatter();
    const QString valueText =
        formatter ? formatter->stringForValue(value, entry.get(), index, m_viewPortHandler.get()) : QString();
    QString elementLabel;
    if (const auto prefix = pieData->accessibilityEntryLabelPrefix()) {
        elementLabel = *prefix + QString::number(index + 1);
    } else if (const auto pieEntry = std::dynamic_pointer_cast<PieChartDataEntry>(entry); pieEntry && pieEntry->label()) {
        elementLabel = *pieEntry->label();
    }
    QString suffix = pieData->accessibilityEntryLabelSuffix().value_or(QString());
    if (pieData->accessibilityEntryLabelSuffixIsCount() && entry->y() != 1) {
        suffix += QStringLiteral("s");
    }
    element->setAccessibilityLabel(
        sliceText(elementLabel, valueText, suffix, valueIsShare ? std::nullopt : std::optional(share)));
    element->setAccessibilityFrame(path.boundingRect());
    return element;
}

// --- Values and entry labels ---------------------------------------------------------------------

void PieChartRenderer::drawValues(QPainter& painter)
{
    auto* view = chart();
    const auto pieData = view ? std::dynamic_pointer_cast<PieChartData>(view->data()) : nullptr;
    if (!pieData) {
        return;
    }
    ValueStage stage;
    stage.view = view;
    stage.circle = circleOf(*view);
    const double r = stage.circle.radius;
    const double labelRadiusOffset =
        view->drawHoleEnabled() ? (r - r * view->holeRadiusPercent()) * 0.5 : r / 10 * 3.0;
    stage.labelRadius = r - labelRadiusOffset;
    stage.yValueSum = pieData->yValueSum();
    stage.entryCount = pieData->entryCount();
    stage.drawAngles = view->drawAngles();
    stage.absoluteAngles = view->absoluteAngles();
    painter.save();
    const auto& dataSets = pieData->dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        const auto pieSet = std::dynamic_pointer_cast<PieChartDataSetProtocol>(dataSets.at(i));
        if (!pieSet
            || (!pieSet->isDrawValuesEnabled() && !view->isDrawEntryLabelsEnabled() && !pieSet->isDrawIconsEnabled())) {
            continue;
        }
        if (!drawValuesOfSet(painter, stage, *pieSet, i)) {
            break;
        }
    }
    painter.restore();
}

// False when the stage must end (a value line without a colour).
bool PieChartRenderer::drawValuesOfSet(QPainter& painter, ValueStage& stage, const PieChartDataSetProtocol& dataSet,
                                       qint64 dataSetIndex)
{
    const PieChartView& view = *stage.view;
    const bool labels = view.isDrawEntryLabelsEnabled();
    const bool values = dataSet.isDrawValuesEnabled();
    const auto outside = PieChartValuePosition::outsideSlice;
    const auto inside = PieChartValuePosition::insideSlice;
    const double sliceSpaceMiddleAngle = getSliceSpace(dataSet) / (stage.labelRadius * radiansPerDegree);
    SliceTexts texts;
    texts.valueAngle = dataSet.valueLabelAngle() * radiansPerDegree;
    texts.lineHeight = fontLineHeight(dataSet.valueFont());
    for (qint64 j = 0; j < dataSet.entryCount(); ++j) {
        const auto entry = dataSet.entryForIndex(j);
        if (!entry) {
            continue;
        }
        if (stage.xIndex >= stage.drawAngles.size()) {
            return true;
        }
        const double angle = stage.xIndex == 0 ? 0.0 : stage.absoluteAngles.at(stage.xIndex - 1) * stage.circle.phaseX;
        const double sliceAngle = stage.drawAngles.at(stage.xIndex);
        texts.index = j;
        const bool shown = sliceAngle > view.sliceTextDrawingThreshold();
        texts.labelOutside = shown && labels && dataSet.xValuePosition() == outside;
        texts.labelInside = shown && labels && dataSet.xValuePosition() == inside;
        texts.valueOutside = shown && values && dataSet.yValuePosition() == outside;
        texts.valueInside = shown && values && dataSet.yValuePosition() == inside;
        // A slice that shows no text needs neither its value formatted nor its label looked up.
        if (texts.labelOutside || texts.labelInside || texts.valueOutside || texts.valueInside) {
            fillSliceTexts(texts, stage, dataSet, *entry, dataSetIndex);
        }
        texts.theta = stage.circle.rotation + (angle + (sliceAngle - sliceSpaceMiddleAngle / 2) / 2) * stage.circle.phaseY;
        texts.direction = QPointF(std::cos(texts.theta * radiansPerDegree), std::sin(texts.theta * radiansPerDegree));
        if ((texts.labelOutside || texts.valueOutside) && !drawOutsideTexts(painter, stage, dataSet, texts)) {
            return false;
        }
        drawInsideTexts(painter, stage, texts);
        drawIcon(painter, stage, dataSet, *entry, texts.direction);
        ++stage.xIndex;
    }
    return true;
}

// The value text and the label of slice `texts.index`, with their fonts and colours.
void PieChartRenderer::fillSliceTexts(SliceTexts& texts, const ValueStage& stage, const PieChartDataSetProtocol& dataSet,
                                      const ChartDataEntry& entry, qint64 dataSetIndex) const
{
    const qint64 j = texts.index;
    const double value = stage.view->isUsePercentValuesEnabled() ? entry.y() / stage.yValueSum * 100 : entry.y();
    const auto formatter = dataSet.valueFormatter();
    texts.valueText =
        formatter ? formatter->stringForValue(value, &entry, dataSetIndex, m_viewPortHandler.get()) : QString();
    const auto* pieEntry = dynamic_cast<const PieChartDataEntry*>(&entry);
    texts.label = j < stage.entryCount && pieEntry ? pieEntry->label() : std::nullopt;
    texts.valueAttributes = {dataSet.valueFont(), dataSet.valueTextColorAt(j), TextAlignment::Left};
    texts.labelAttributes = {dataSet.entryLabelFont().value_or(dataSet.valueFont()),
                             dataSet.entryLabelColor().value_or(texts.valueAttributes.color), TextAlignment::Left};
}

bool PieChartRenderer::drawOutsideTexts(QPainter& painter, const ValueStage& stage,
                                        const PieChartDataSetProtocol& dataSet, const SliceTexts& texts)
{
    const PieChartView& view = *stage.view;
    const Circle& circle = stage.circle;
    const double r = circle.radius;
    const double hole = view.holeRadiusPercent();
    const double line1Radius = view.drawHoleEnabled()
        ? (r - r * hole) * dataSet.valueLinePart1OffsetPercentage() + r * hole
        : r * dataSet.valueLinePart1OffsetPercentage();
    double part2 = stage.labelRadius * dataSet.valueLinePart2Length();
    if (dataSet.valueLineVariableLength()) {
        part2 *= std::fabs(texts.direction.y());
    }
    const QPointF p0 = circle.center + line1Radius * texts.direction;
    const QPointF p1 = circle.center + stage.labelRadius * (1 + dataSet.valueLinePart1Length()) * texts.direction;
    const double turn = std::fmod(texts.theta, 360.0);
    const bool leftSide = turn >= 90 && turn <= 270;
    const QPointF p2(leftSide ? p1.x() - part2 : p1.x() + part2, p1.y());
    if (!isFinitePoint(p0) || !isFinitePoint(p1) || !isFinitePoint(p2)) {
        // A line to a point at no place (an endless part length times a level direction) would keep
        // the stroker busy for minutes, and its texts would have no place either.
        return true;
    }
    const auto lineColor =
        dataSet.useValueColorForLine() ? std::optional<QColor>(dataSet.colorAtIndex(texts.index)) : dataSet.valueLineColor();
    if (!lineColor) {
        return false;
    }
    painter.setPen(strokePen(*lineColor, dataSet.valueLineWidth()));
    drawClippedPolyline(painter, {p0, p1, p2}, m_viewPortHandler->chartBounds());
    const double x = leftSide ? p2.x() - 5 : p2.x() + 5;
    const TextAlignment alignment = leftSide ? TextAlignment::Right : TextAlignment::Left;
    const double labelY = p1.y() - texts.lineHeight;
    const bool both = texts.labelOutside && texts.valueOutside;
    const double valueY = both ? labelY : labelY + texts.lineHeight * 0.5;
    const double labelTextY = both ? labelY + texts.lineHeight : labelY + texts.lineHeight * 0.5;
    if (texts.valueOutside) {
        drawSliceText(painter, texts.valueText, QPointF(x, valueY), alignment, texts.valueAngle, texts.valueAttributes);
    }
    if (texts.labelOutside && texts.label) {
        drawSliceText(painter, *texts.label, QPointF(x, labelTextY), alignment, texts.valueAngle, texts.labelAttributes);
    }
    return true;
}

void PieChartRenderer::drawInsideTexts(QPainter& painter, const ValueStage& stage, const SliceTexts& texts)
{
    if (!texts.labelInside && !texts.valueInside) {
        return;
    }
    const QPointF point = stage.circle.center + stage.labelRadius * texts.direction;
    const double y = point.y() - texts.lineHeight;
    const bool both = texts.labelInside && texts.valueInside;
    const double valueY = both ? y : y + texts.lineHeight * 0.5;
    const double labelY = both ? y + texts.lineHeight : y + texts.lineHeight * 0.5;
    if (texts.valueInside) {
        drawSliceText(painter, texts.valueText, QPointF(point.x(), valueY), TextAlignment::Center, texts.valueAngle,
                      texts.valueAttributes);
    }
    if (texts.labelInside && texts.label) {
        drawSliceText(painter, *texts.label, QPointF(point.x(), labelY), TextAlignment::Center, texts.valueAngle,
                      texts.labelAttributes);
    }
}

// drawAlignedText about the anchor (0.5, 0.5), the text's width taken from the kept widths.
void PieChartRenderer::drawSliceText(QPainter& painter, const QString& text, QPointF point, TextAlignment alignment,
                                     double angle, const TextAttributes& attributes)
{
    const bool byWidth = alignment == TextAlignment::Right || alignment == TextAlignment::Center;
    const double width = byWidth ? m_textSizes.size(text, attributes).width() : 0.0;
    drawAlignedText(painter, text, point, alignment, QPointF(0.5, 0.5), angle, attributes, width);
}

// The icon's offset is read with its axes swapped: y along the direction, x down the screen.
void PieChartRenderer::drawIcon(QPainter& painter, const ValueStage& stage, const PieChartDataSetProtocol& dataSet,
                                const ChartDataEntry& entry, QPointF direction)
{
    const auto& icon = entry.icon();
    if (!icon || !dataSet.isDrawIconsEnabled()) {
        return;
    }
    const QPointF offset = dataSet.iconsOffset();
    const double distance = stage.labelRadius + offset.y();
    const QPointF center(stage.circle.center.x() + distance * direction.x(),
                         stage.circle.center.y() + distance * direction.y() + offset.x());
    drawImage(painter, *icon, center, icon->size());
}

}
