#include "ChartEngine/types/PieChartView.h"

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/LegendRenderer.h"
#include "ChartEngine/components/PieHighlighter.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/HighlightEntryIndex.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/PieChartRenderer.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace Charts {

PieChartView::PieChartView(QWidget* parent)
    : PieRadarChartViewBase(parent)
{
    setUp();
}

PieChartView::PieChartView(const QRect& frame, QWidget* parent)
    : PieRadarChartViewBase(frame, parent)
{
    setUp();
}

PieChartView::~PieChartView() = default;

// This class's step of the set-up: the pie renderer on this view's animator and handler, and
// the pie highlighter.
void PieChartView::setUp()
{
    setRenderer(std::make_shared<PieChartRenderer>(this, chartAnimator(), viewPortHandler()));
    setHighlighter(std::make_shared<PieHighlighter>(this));
}

std::shared_ptr<XAxis> PieChartView::xAxis() const
{
    chartFatal(QStringLiteral("PieChart has no XAxis"));
}

void PieChartView::setXAxis(std::shared_ptr<XAxis> /*axis*/)
{
    chartFatal(QStringLiteral("PieChart has no XAxis"));
}

// --- Geometry ------------------------------------------------------------------------------------

bool PieChartView::isHalfPie() const
{
    const QRectF content = viewPortHandler()->contentRect();
    return m_maxAngle <= 180 && content.width() > content.height();
}

QPointF PieChartView::adjustedCenterOffsets() const
{
    QPointF center = centerOffsets();
    if (isHalfPie()) {
        center.ry() += diameter() * 0.5;
    }
    return center;
}

double PieChartView::angleForPoint(double x, double y) const
{
    return angleAround(adjustedCenterOffsets(), x, y);
}

double PieChartView::distanceToCenter(double x, double y) const
{
    return distanceAround(adjustedCenterOffsets(), x, y);
}

qint64 PieChartView::indexForAngle(double angle) const
{
    const double relative = angle - rotationAngle();
    const double normalised = std::fmod(relative, 360.0) + (std::signbit(relative) ? 360.0 : 0.0);
    for (qsizetype i = 0; i < m_absoluteAngles.size(); ++i) {
        if (m_absoluteAngles.at(i) > normalised) {
            return i;
        }
    }
    return -1;
}

double PieChartView::radius() const
{
    return m_circleBox.width() / 2;
}

// The whole diameter for a half pie, which stands on the bottom of the content; half of it else.
double PieChartView::unshiftedRadius() const
{
    return isHalfPie() ? diameter() : diameter() * 0.5;
}

double PieChartView::heldSelectionShift(double shift) const
{
    const double reach = std::abs(unshiftedRadius());
    return std::clamp(shift, -reach, reach);
}

double PieChartView::requiredLegendOffset() const
{
    // Fonts are sized in pixels; a font sized in points counts its points.
    const QFont font = legend()->font();
    return (font.pixelSize() > 0 ? double(font.pixelSize()) : font.pointSizeF()) * 2.0;
}

double PieChartView::requiredBaseOffset() const
{
    return 0;
}

// --- Angles --------------------------------------------------------------------------------------

void PieChartView::calcAngles()
{
    m_drawAngles.clear();
    m_absoluteAngles.clear();
    const auto pieData = std::dynamic_pointer_cast<PieChartData>(data());
    if (!pieData) {
        return;
    }
    m_drawAngles.reserve(pieData->entryCount());
    m_absoluteAngles.reserve(pieData->entryCount());
    const double sum = pieData->yValueSum();
    const bool sweeping = sum != 0 && std::isfinite(sum);
    for (const auto& dataSet : pieData->dataSets()) {
        for (qint64 j = 0; dataSet && j < dataSet->entryCount(); ++j) {
            const auto entry = dataSet->entryForIndex(j);
            if (!entry) {
                continue;
            }
            const double sweep = sweeping ? m_maxAngle * (std::fabs(entry->y()) / sum) : 0.0;
            m_drawAngles.append(sweep);
            m_absoluteAngles.append(m_absoluteAngles.isEmpty() ? sweep : m_absoluteAngles.last() + sweep);
        }
    }
}

// --- Highlights ----------------------------------------------------------------------------------

std::optional<qint64> PieChartView::highlightedSlice(const Highlight& highlight) const
{
    const auto index = highlightEntryIndex(highlight.x());
    const auto chartData = data();
    if (!index || *index < 0 || *index >= m_drawAngles.size() || !chartData
        || !chartData->dataSetAtIndex(highlight.dataSetIndex())) {
        return std::nullopt;
    }
    return index;
}

bool PieChartView::needsHighlight(qint64 index) const
{
    const HighlightList current = highlighted();
    return std::any_of(current.begin(), current.end(), [this, index](const std::shared_ptr<Highlight>& highlight) {
        return highlight && highlightedSlice(*highlight) == index;
    });
}

qint64 PieChartView::dataSetIndexForIndex(double x) const
{
    const auto chartData = data();
    if (!chartData) {
        return -1;
    }
    const auto& dataSets = chartData->dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        if (dataSets.at(i) && dataSets.at(i)->entryForXValue(x, std::numeric_limits<double>::quiet_NaN())) {
            return i;
        }
    }
    return -1;
}

NSUIView::Elements PieChartView::accessibilityRowOrder(Elements rows) const
{
    Elements highlighted;
    for (const auto& element : std::as_const(rows)) {
        if (element->isSelected()) {
            highlighted.append(element);
        }
    }
    for (const auto& element : std::as_const(highlighted)) {
        rows.removeOne(element);
        const auto after = std::find_if(rows.cbegin(), rows.cend(), [&](const auto& other) {
            return other->dataSetIndex() == element->dataSetIndex() && other->entryIndex() > element->entryIndex();
        });
        rows.insert(after, element);
    }
    return rows;
}

QPointF PieChartView::getMarkerPosition(const Highlight& highlight) const
{
    const QPointF center = centerCircleBox();
    const auto index = highlightedSlice(highlight);
    if (!index) {
        return center;
    }
    const double r = radius();
    const double off = m_drawHoleEnabled ? (r - r * m_holeRadiusPercent) * 0.5 : r / 10 * 3.6;
    const double angle = (rotationAngle() + m_absoluteAngles.at(*index) - m_drawAngles.at(*index) * 0.5)
        * chartAnimator()->phaseY();
    const double radians = angle * std::numbers::pi / 180.0;
    return QPointF(center.x() + (r - off) * std::cos(radians), center.y() + (r - off) * std::sin(radians));
}

// --- Settings ------------------------------------------------------------------------------------

void PieChartView::setHoleColor(std::optional<QColor> color)
{
    m_holeColor = std::move(color);
    setNeedsDisplay();
}

void PieChartView::setDrawSlicesUnderHoleEnabled(bool enabled)
{
    m_drawSlicesUnderHoleEnabled = enabled;
    setNeedsDisplay();
}

void PieChartView::setDrawHoleEnabled(bool enabled)
{
    m_drawHoleEnabled = enabled;
    setNeedsDisplay();
}

std::optional<QString> PieChartView::centerText() const
{
    if (!m_centerAttributedText) {
        return std::nullopt;
    }
    return m_centerAttributedText->text;
}

void PieChartView::setCenterText(const std::optional<QString>& text)
{
    if (!text) {
        setCenterAttributedText(std::nullopt);
        return;
    }
    AttributedText attributed;
    attributed.text = *text;
    attributed.attributes.color = ChartColors::label();
    attributed.attributes.font = systemFont(12);
    attributed.attributes.alignment = TextAlignment::Center;
    attributed.truncatesTail = true;
    setCenterAttributedText(attributed);
}

void PieChartView::setCenterAttributedText(std::optional<AttributedText> text)
{
    m_centerAttributedText = std::move(text);
    setNeedsDisplay();
}

void PieChartView::setCenterTextOffset(QPointF offset)
{
    m_centerTextOffset = offset;
    setNeedsDisplay();
}

void PieChartView::setDrawCenterTextEnabled(bool enabled)
{
    m_drawCenterTextEnabled = enabled;
    setNeedsDisplay();
}

void PieChartView::setHoleRadiusPercent(double percent)
{
    m_holeRadiusPercent = percent;
    setNeedsDisplay();
}

void PieChartView::setTransparentCircleColor(std::optional<QColor> color)
{
    m_transparentCircleColor = std::move(color);
    setNeedsDisplay();
}

void PieChartView::setTransparentCircleRadiusPercent(double percent)
{
    m_transparentCircleRadiusPercent = percent;
    setNeedsDisplay();
}

void PieChartView::setEntryLabelColor(std::optional<QColor> color)
{
    m_entryLabelColor = std::move(color);
    setNeedsDisplay();
}

void PieChartView::setEntryLabelFont(std::optional<QFont> font)
{
    m_entryLabelFont = std::move(font);
    setNeedsDisplay();
}

void PieChartView::setDrawEntryLabelsEnabled(bool enabled)
{
    m_drawEntryLabelsEnabled = enabled;
    setNeedsDisplay();
}

void PieChartView::setUsePercentValuesEnabled(bool enabled)
{
    m_usePercentValuesEnabled = enabled;
    setNeedsDisplay();
}

void PieChartView::setCenterTextRadiusPercent(double percent)
{
    m_centerTextRadiusPercent = percent;
    setNeedsDisplay();
}

void PieChartView::setMaxAngle(double angle)
{
    m_maxAngle = std::clamp(angle, 90.0, 360.0);
}

void PieChartView::setSliceTextDrawingThreshold(double degrees)
{
    m_sliceTextDrawingThreshold = degrees;
    setNeedsDisplay();
}

// --- Chart view ----------------------------------------------------------------------------------

void PieChartView::calculateOffsets()
{
    PieRadarChartViewBase::calculateOffsets();
    const auto chartData = data();
    if (!chartData) {
        return;
    }
    const double r = unshiftedRadius();
    const QPointF center = adjustedCenterOffsets();
    double shift = 0;
    if (std::dynamic_pointer_cast<PieChartData>(chartData) && !chartData->dataSets().isEmpty()) {
        if (const auto pieSet = std::dynamic_pointer_cast<PieChartDataSetProtocol>(chartData->dataSets().first())) {
            shift = heldSelectionShift(pieSet->selectionShift());
        }
    }
    m_circleBox = QRectF(center.x() - r + shift, center.y() - r + shift, 2 * r - 2 * shift, 2 * r - 2 * shift);
}

void PieChartView::calcMinMax()
{
    calcAngles();
}

void PieChartView::drawRect(QPainter& painter)
{
    PieRadarChartViewBase::drawRect(painter);
    const auto chartRenderer = renderer();
    if (!data() || !chartRenderer) {
        return;
    }
    if (!hasRadius()) {
        legendRenderer()->renderLegend(painter);
        drawDescription(painter);
        return;
    }
    chartRenderer->drawData(painter);
    if (valuesToHighlight()) {
        chartRenderer->drawHighlighted(painter, highlighted());
    }
    chartRenderer->drawExtras(painter);
    chartRenderer->drawValues(painter);
    legendRenderer()->renderLegend(painter);
    drawDescription(painter);
    drawMarkers(painter);
}

}
