#include "ChartEngine/types/BubbleChartRenderer.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/BubbleChartDataEntry.h"
#include "ChartEngine/data/BubbleChartDataSetProtocol.h"
#include "ChartEngine/foundation/AffineTransform.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/BubbleChartView.h"
#include "ChartEngine/types/StrokePen.h"
#include "ChartEngine/types/XYChartDrawing.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/BubbleChartDataProvider.h"
#include "ChartEngine/views/PointAccessibility.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace Charts {

namespace {

enum class Visibility { shown, skipped, endsSet };

// A bubble is passed over unless its lower edge lies below the content's top, its upper edge
// above the content's bottom and its right edge right of the content's left; one whose left
// edge lies right of the content ends its set.
Visibility bubbleVisibility(const ViewPortHandler& handler, QPointF center, double half)
{
    if (!handler.isInBoundsTop(center.y() + half) || !handler.isInBoundsBottom(center.y() - half)
        || !handler.isInBoundsLeft(center.x() + half)) {
        return Visibility::skipped;
    }
    return handler.isInBoundsRight(center.x() - half) ? Visibility::shown : Visibility::endsSet;
}

double sizeFactor(double size, const BubbleChartDataSetProtocol& dataSet)
{
    if (!dataSet.isNormalizeSizeEnabled()) {
        return size;
    }
    return dataSet.maxSize() == 0.0 ? 1.0 : std::sqrt(size / dataSet.maxSize());
}

// A bubble as the pass draws it: its centre and diameter in pixels, and whether it is seen.
struct Bubble {
    QPointF center;
    double diameter = 0;
    Visibility visibility = Visibility::skipped;

    QRectF square() const
    {
        return QRectF(center.x() - diameter / 2, center.y() - diameter / 2, diameter, diameter);
    }
};

// The bubble of an entry of `size` centred at `center`, `reference` being the diameter of a
// size factor of 1.
Bubble bubbleAt(const ViewPortHandler& handler, QPointF center, double reference, double size,
                const BubbleChartDataSetProtocol& dataSet)
{
    const double diameter = reference * sizeFactor(size, dataSet);
    return {center, diameter, bubbleVisibility(handler, center, diameter / 2)};
}

std::shared_ptr<ChartDataEntry> bubbleEntry(const BubbleChartDataSetProtocol& dataSet, qint64 j)
{
    return std::dynamic_pointer_cast<BubbleChartDataEntry>(dataSet.entryForIndex(j));
}

// printf's "%.2f" without a locale: "50.00", "inf", "-inf", and "nan" for every not-a-number.
QString twoDecimals(double value)
{
    if (std::isnan(value)) {
        return QStringLiteral("nan");
    }
    std::array<char, 350> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

// The entry x as a colour index: truncated toward zero, held to the 64-bit range; 0 when it is
// not finite.
qint64 colorIndex(double x)
{
    return std::isfinite(x) ? checkedInteger<qint64>(x) : 0;
}

QColor halfBrightness(const QColor& color)
{
    const QColor hsv = color.toHsv();
    return QColor::fromHsvF(hsv.hsvHueF(), hsv.hsvSaturationF(), hsv.valueF() / 2, hsv.alphaF());
}

// The values' alpha: the x phase held to 0 ... 1, or the y phase when that gives 1.
double valueAlpha(double phaseX, double phaseY)
{
    const auto unit = [](double phase) { return std::isnan(phase) ? 1.0 : std::clamp(phase, 0.0, 1.0); };
    const double alpha = unit(phaseX);
    return alpha == 1.0 ? unit(phaseY) : alpha;
}

}

BubbleChartRenderer::BubbleChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                         std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarLineScatterCandleBubbleRenderer(std::move(animator), std::move(viewPortHandler))
    , m_chart(chart)
{
}

BubbleChartRenderer::~BubbleChartRenderer() = default;

BubbleChartDataProvider* BubbleChartRenderer::dataProvider() const
{
    return dynamic_cast<BubbleChartDataProvider*>(m_chart.data());
}

void BubbleChartRenderer::setDataProvider(QObject* chart)
{
    m_chart = chart;
}

ChartViewBase* BubbleChartRenderer::chartView() const
{
    return qobject_cast<ChartViewBase*>(m_chart.data());
}

QList<DataRenderer::Elements> BubbleChartRenderer::accessibilityOrderedElements()
{
    accessibleChartElements();
    return m_accessibilityOrderedElements.value_or(emptyOrderedElements());
}

QList<DataRenderer::Elements> BubbleChartRenderer::emptyOrderedElements() const
{
    const auto bubbleData = chartView() ? dataProvider()->bubbleData() : nullptr;
    return QList<Elements>(bubbleData ? bubbleData->dataSetCount() : 0);
}

// The smaller of the content height and the pixel width of one x unit.
double BubbleChartRenderer::referenceSize(const Transformer& transformer) const
{
    const double unitWidth = std::abs(transformer.pixelForValues(1, 0).x() - transformer.pixelForValues(0, 0).x());
    const ViewPortHandler& handler = *viewPortHandler();
    return std::min(std::abs(handler.contentBottom() - handler.contentTop()), unitWidth);
}

// ---- Bubbles and accessibility ----

void BubbleChartRenderer::drawData(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto bubbleData = provider ? provider->bubbleData() : nullptr;
    if (!bubbleData) {
        return;
    }
    auto* view = qobject_cast<BubbleChartView*>(chartView());
    beginAccessibleElements(view ? createAccessibleHeader(*view, *bubbleData, QStringLiteral("Bubble Chart"))
                                 : nullptr);
    qint64 i = 0;
    for (const auto& dataSet : bubbleData->dataSets()) {
        const auto bubbleSet = std::dynamic_pointer_cast<BubbleChartDataSetProtocol>(dataSet);
        if (bubbleSet && bubbleSet->isVisible()) {
            drawDataSet(painter, *bubbleSet, i);
        }
        ++i;
    }
    accessibilityPostLayoutChangedNotification();
}

void BubbleChartRenderer::drawDataSet(QPainter& painter, const BubbleChartDataSetProtocol& dataSet,
                                      qint64 /*dataSetIndex*/)
{
    const auto* provider = dataProvider();
    if (!provider) {
        return;
    }
    const auto transformer = provider->getTransformer(dataSet.axisDependency());
    const double phase = phaseY();
    m_xBounds.set(*provider, dataSet, animator().get());
    const AffineTransform matrix = transformer->valueToPixelMatrix();
    const double reference = referenceSize(*transformer);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const qint64 j : m_xBounds) {
        const auto entry = std::dynamic_pointer_cast<BubbleChartDataEntry>(dataSet.entryForIndex(j));
        if (!entry) {
            continue;
        }
        const Bubble bubble = bubbleAt(*viewPortHandler(), matrix.map(QPointF(entry->x(), entry->y() * phase)),
                                       reference, entry->size(), dataSet);
        if (bubble.visibility == Visibility::skipped) {
            continue;
        }
        if (bubble.visibility == Visibility::endsSet) {
            break;
        }
        painter.setBrush(dataSet.colorAtIndex(j));
        drawClippedEllipse(painter, bubble.square(), viewPortHandler()->chartBounds());
    }
    painter.restore();
}

// Every entry of every visible set, in data-set order; off screen where the pass draws no
// bubble (outside the x bounds, or passed over).
DataRenderer::Elements BubbleChartRenderer::describeEntries() const
{
    const auto* provider = dataProvider();
    const auto bubbleData = provider ? provider->bubbleData() : nullptr;
    m_accessibilityOrderedElements = emptyOrderedElements();
    Elements elements;
    if (!bubbleData) {
        return elements;
    }
    qint64 i = 0;
    for (const auto& dataSet : bubbleData->dataSets()) {
        const auto bubbleSet = std::dynamic_pointer_cast<BubbleChartDataSetProtocol>(dataSet);
        const auto points = bubbleSet ? pointSourceOf(chartView(), bubbleData.get(), *bubbleSet, i, viewPortHandler().get())
                                      : std::nullopt;
        if (points && bubbleSet->isVisible() && i < m_accessibilityOrderedElements->size()) {
            (*m_accessibilityOrderedElements)[i] = describeBubbles(*points, *bubbleSet);
            elements.append(m_accessibilityOrderedElements->at(i));
        }
        ++i;
    }
    return elements;
}

DataRenderer::Elements BubbleChartRenderer::describeBubbles(const PointSource& points,
                                                            const BubbleChartDataSetProtocol& dataSet) const
{
    const auto* provider = dataProvider();
    const auto transformer = provider->getTransformer(dataSet.axisDependency());
    const XBounds bounds(*provider, dataSet, animator().get());
    const AffineTransform matrix = transformer->valueToPixelMatrix();
    const double reference = referenceSize(*transformer);
    const double phase = phaseY();
    Elements elements;
    // As in the pass, the first bubble right of the content ends what is drawn.
    bool ended = false;
    for (qint64 j = 0; j < dataSet.entryCount(); ++j) {
        const auto entry = std::dynamic_pointer_cast<BubbleChartDataEntry>(dataSet.entryForIndex(j));
        if (!entry) {
            continue;
        }
        const Bubble bubble = bubbleAt(*viewPortHandler(), matrix.map(QPointF(entry->x(), entry->y() * phase)),
                                       reference, entry->size(), dataSet);
        ended = ended || (bounds.contains(j) && bubble.visibility == Visibility::endsSet);
        auto element = makeAccessibilityElement(j, points, bubble.diameter / dataSet.maxSize() * 100, bubble.square());
        element->setOffScreen(ended || !bounds.contains(j) || bubble.visibility != Visibility::shown);
        elements.append(element);
    }
    return elements;
}

std::shared_ptr<NSUIAccessibilityElement> BubbleChartRenderer::makeAccessibilityElement(
    qint64 j, const PointSource& source, double sizePercent, const QRectF& square) const
{
    return makePointElement(source, j, square,
                            QStringLiteral(", bubble size: ") + twoDecimals(sizePercent) + QStringLiteral(" %"));
}

// ---- Values ----

void BubbleChartRenderer::drawValues(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto bubbleData = provider ? provider->bubbleData() : nullptr;
    if (!bubbleData || !isDrawingValuesAllowed(provider)) {
        return;
    }
    const double alpha = valueAlpha(phaseX(), phaseY());
    qint64 i = 0;
    for (const auto& dataSet : bubbleData->dataSets()) {
        const auto bubbleSet = std::dynamic_pointer_cast<BubbleChartDataSetProtocol>(dataSet);
        if (bubbleSet && shouldDrawValues(*bubbleSet)) {
            drawValuesOfSet(painter, *bubbleSet, i, alpha);
        }
        ++i;
    }
}

// Each label, the bubble's size, is centred on its bubble.
void BubbleChartRenderer::drawValuesOfSet(QPainter& painter, const BubbleChartDataSetProtocol& dataSet, qint64 i,
                                          double alpha)
{
    const auto* provider = dataProvider();
    const ViewPortHandler* handler = viewPortHandler().get();
    const auto formatter = dataSet.valueFormatter();
    const double phase = phaseY();
    const double lineHeight = fontLineHeight(dataSet.valueFont());
    m_xBounds.set(*provider, dataSet, animator().get());
    XYChartDrawing::forEachValuePoint(
        *handler, provider->getTransformer(dataSet.axisDependency())->valueToPixelMatrix(), m_xBounds,
        [&dataSet](qint64 j) { return bubbleEntry(dataSet, j); },
        [phase](const ChartDataEntry& e) { return QPointF(e.x(), e.y() * phase); },
        [&](qint64 j, const ChartDataEntry& e, QPointF point) {
            if (dataSet.isDrawValuesEnabled()) {
                const double size = static_cast<const BubbleChartDataEntry&>(e).size();
                const QString text = formatter ? formatter->stringForValue(size, &e, i, handler) : QString();
                QColor color = dataSet.valueTextColorAt(j);
                color.setAlphaF(static_cast<float>(alpha));
                XYChartDrawing::drawValueLabel(painter, dataSet, text, point, point.y() - lineHeight / 2, color);
            }
            XYChartDrawing::drawValueIcon(painter, dataSet, e, point);
        });
}

void BubbleChartRenderer::drawExtras(QPainter&)
{
}

// ---- Highlights ----

void BubbleChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    const auto* provider = dataProvider();
    const auto bubbleData = provider ? provider->bubbleData() : nullptr;
    if (!bubbleData) {
        return;
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    XYChartDrawing::forEachHighlightTarget<BubbleChartDataSetProtocol, BubbleChartDataEntry>(
        *bubbleData, indices, *this,
        [&](Highlight& highlight, const BubbleChartDataSetProtocol& dataSet, const BubbleChartDataEntry& entry) {
            return drawHighlight(painter, highlight, dataSet, entry);
        });
    painter.restore();
}

// False when the bubble lies right of the content, which ends the pass.
bool BubbleChartRenderer::drawHighlight(QPainter& painter, Highlight& highlight,
                                        const BubbleChartDataSetProtocol& dataSet, const BubbleChartDataEntry& entry)
{
    const auto transformer = dataProvider()->getTransformer(dataSet.axisDependency());
    const Bubble bubble = bubbleAt(*viewPortHandler(), transformer->pixelForValues(entry.x(), entry.y() * phaseY()),
                                   referenceSize(*transformer), entry.size(), dataSet);
    if (bubble.visibility != Visibility::shown) {
        return bubble.visibility == Visibility::skipped;
    }
    const QColor color = halfBrightness(dataSet.colorAtIndex(colorIndex(entry.x())));
    painter.setPen(strokePen(color, dataSet.highlightCircleWidth()));
    drawClippedEllipse(painter, bubble.square(), viewPortHandler()->chartBounds());
    highlight.setDraw(bubble.center);
    return true;
}

}
