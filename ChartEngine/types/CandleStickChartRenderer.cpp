#include "ChartEngine/types/CandleStickChartRenderer.h"

#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSetProtocol.h"
#include "ChartEngine/foundation/AffineTransform.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/StrokePen.h"
#include "ChartEngine/types/XYChartDrawing.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/CandleChartDataProvider.h"
#include "ChartEngine/views/PointAccessibility.h"

#include <QLineF>
#include <QPainter>

#include <cmath>

namespace Charts {

namespace {

QColor colorOr(const std::optional<QColor>& color, const CandleChartDataSetProtocol& dataSet, qint64 j)
{
    return color ? *color : dataSet.colorAtIndex(j);
}

// The colour of an entry's direction, and the direction's word.
std::pair<QColor, QString> directionOf(const CandleChartDataSetProtocol& dataSet, const CandleChartDataEntry& entry,
                                       qint64 j)
{
    if (entry.open() > entry.close()) {
        return {colorOr(dataSet.decreasingColor(), dataSet, j), QStringLiteral("decreasing")};
    }
    if (entry.open() < entry.close()) {
        return {colorOr(dataSet.increasingColor(), dataSet, j), QStringLiteral("increasing")};
    }
    return {colorOr(dataSet.neutralColor(), dataSet, j), QStringLiteral("neutral")};
}

QLineF pixelLine(const Transformer& transformer, double x1, double y1, double x2, double y2)
{
    return QLineF(transformer.pixelForValues(x1, y1), transformer.pixelForValues(x2, y2));
}

std::shared_ptr<ChartDataEntry> candleEntry(const CandleChartDataSetProtocol& dataSet, qint64 j)
{
    return std::dynamic_pointer_cast<CandleChartDataEntry>(dataSet.entryForIndex(j));
}

}

CandleStickChartRenderer::CandleStickChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineScatterCandleRadarRenderer(std::move(animator), std::move(viewPortHandler))
    , m_chart(chart)
{
}

CandleStickChartRenderer::~CandleStickChartRenderer() = default;

CandleChartDataProvider* CandleStickChartRenderer::dataProvider() const
{
    return dynamic_cast<CandleChartDataProvider*>(m_chart.data());
}

void CandleStickChartRenderer::setDataProvider(QObject* chart)
{
    m_chart = chart;
}

// ---- Candles and accessibility ----

void CandleStickChartRenderer::drawData(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto candleData = provider ? provider->candleData() : nullptr;
    if (!candleData) {
        return;
    }
    auto* view = qobject_cast<CandleStickChartView*>(m_chart.data());
    beginAccessibleElements(view ? createAccessibleHeader(*view, *candleData, QStringLiteral("CandleStick Chart"))
                                 : nullptr);
    for (const auto& dataSet : candleData->dataSets()) {
        const auto candleSet = std::dynamic_pointer_cast<CandleChartDataSetProtocol>(dataSet);
        if (candleSet && candleSet->isVisible()) {
            drawDataSet(painter, *candleSet);
        }
    }
}

void CandleStickChartRenderer::drawDataSet(QPainter& painter, const CandleChartDataSetProtocol& dataSet)
{
    const auto* provider = dataProvider();
    if (!provider) {
        return;
    }
    const auto transformer = provider->getTransformer(dataSet.axisDependency());
    m_xBounds.set(*provider, dataSet, animator().get());
    painter.save();
    for (const qint64 j : m_xBounds) {
        const auto entry = std::dynamic_pointer_cast<CandleChartDataEntry>(dataSet.entryForIndex(j));
        if (!entry) {
            continue;
        }
        if (dataSet.showCandleBar()) {
            drawCandle(painter, dataSet, *entry, j, *transformer);
        } else {
            drawTicks(painter, dataSet, *entry, j, *transformer);
        }
    }
    accessibilityPostLayoutChangedNotification();
    painter.restore();
}

// Every entry of every visible set, in data-set order; off screen outside the x bounds or where
// its frame lies wholly beside the content.
DataRenderer::Elements CandleStickChartRenderer::describeEntries() const
{
    const auto* provider = dataProvider();
    const auto candleData = provider ? provider->candleData() : nullptr;
    Elements elements;
    if (!candleData) {
        return elements;
    }
    auto* view = qobject_cast<ChartViewBase*>(m_chart.data());
    qint64 i = 0;
    for (const auto& dataSet : candleData->dataSets()) {
        const auto candleSet = std::dynamic_pointer_cast<CandleChartDataSetProtocol>(dataSet);
        const auto candles = candleSet ? pointSourceOf(view, candleData.get(), *candleSet, i, viewPortHandler().get())
                                       : std::nullopt;
        ++i;
        if (!candles || !candleSet->isVisible()) {
            continue;
        }
        const auto transformer = provider->getTransformer(candleSet->axisDependency());
        const XBounds bounds(*provider, *candleSet, animator().get());
        for (qint64 j = 0; j < candleSet->entryCount(); ++j) {
            const auto entry = std::dynamic_pointer_cast<CandleChartDataEntry>(candleSet->entryForIndex(j));
            if (!entry) {
                continue;
            }
            const QString direction = directionOf(*candleSet, *entry, j).second;
            auto element = makeAccessibilityElement(*candles, *candleSet, *entry, direction, *transformer, j);
            element->setOffScreen(!bounds.contains(j) || isBesideContent(element->accessibilityFrame()));
            elements.append(element);
        }
    }
    return elements;
}

// The shadow runs from the high down to the body's top and from the low up to its bottom.
void CandleStickChartRenderer::drawCandle(QPainter& painter, const CandleChartDataSetProtocol& dataSet,
                                             const CandleChartDataEntry& entry, qint64 j,
                                             const Transformer& transformer)
{
    const double p = phaseY();
    const double space = dataSet.barSpace();
    const double x = entry.x();
    const double open = entry.open() * p;
    const double close = entry.close() * p;
    const double bodyTop = entry.open() > entry.close() ? open : close;
    const double bodyBottom = entry.open() < entry.close() ? open : close;
    const QColor color = directionOf(dataSet, entry, j).first;
    const QColor shadowColor =
        dataSet.isShadowColorSameAsCandle() ? color : colorOr(dataSet.shadowColor(), dataSet, j);
    painter.setPen(strokePen(shadowColor, dataSet.shadowWidth()));
    const QRectF bounds = viewPortHandler()->chartBounds();
    drawClippedLine(painter, pixelLine(transformer, x, entry.high() * p, x, bodyTop), bounds);
    drawClippedLine(painter, pixelLine(transformer, x, entry.low() * p, x, bodyBottom), bounds);

    const double left = x - 0.5 + space;
    QRectF body(left, close, (x + 0.5 - space) - left, open - close);
    transformer.rectToPixels(body);
    const bool filled = entry.close() < entry.open() ? dataSet.isDecreasingFilled()
                                                       : entry.close() > entry.open() && dataSet.isIncreasingFilled();
    if (filled) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
    } else {
        painter.setPen(strokePen(color, dataSet.shadowWidth()));
        painter.setBrush(Qt::NoBrush);
    }
    drawClippedRect(painter, body, bounds);
}

void CandleStickChartRenderer::drawTicks(QPainter& painter, const CandleChartDataSetProtocol& dataSet,
                                            const CandleChartDataEntry& entry, qint64 j,
                                            const Transformer& transformer)
{
    const double p = phaseY();
    const double space = dataSet.barSpace();
    const double x = entry.x();
    const QColor color = directionOf(dataSet, entry, j).first;
    painter.setPen(strokePen(color, dataSet.shadowWidth()));
    const QList<QLineF> lines = {
        pixelLine(transformer, x, entry.high() * p, x, entry.low() * p),
        pixelLine(transformer, x - 0.5 + space, entry.open() * p, x, entry.open() * p),
        pixelLine(transformer, x + 0.5 - space, entry.close() * p, x, entry.close() * p),
    };
    drawClippedLines(painter, lines, viewPortHandler()->chartBounds());
}

std::shared_ptr<NSUIAccessibilityElement> CandleStickChartRenderer::makeAccessibilityElement(
    const PointSource& candles, const CandleChartDataSetProtocol& dataSet, const CandleChartDataEntry& entry,
    const QString& direction, const Transformer& transformer, qint64 j) const
{
    auto element = candles.view.accessibilityElement(candles.viewSetIndex, j);
    const double p = phaseY();
    const double space = dataSet.barSpace();
    QRectF frame(entry.x() + 0.5 - space, entry.low() * p, 2 * space - 1, std::abs(entry.high() - entry.low()) * p);
    transformer.rectToPixels(frame);
    const QString prefix = pointTextNamesDataSet(candles.view, candles.kindData)
        ? dataSet.label().value_or(QStringLiteral("Dataset"))
        : QString();
    const auto value = [&](double v) { return pointValueText(candles, v, &entry); };
    element->setAccessibilityLabel(prefix + QStringLiteral(" ") + pointXText(candles.view, entry.x())
                                   + QStringLiteral(" - ") + direction + QStringLiteral(". low: ") + value(entry.low())
                                   + QStringLiteral(", high: ") + value(entry.high())
                                   + QStringLiteral(", opening: ") + value(entry.open())
                                   + QStringLiteral(", closing: ") + value(entry.close()));
    element->setAccessibilityFrame(frame);
    return element;
}

// ---- Values ----

void CandleStickChartRenderer::drawValues(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto candleData = provider ? provider->candleData() : nullptr;
    if (!candleData || !isDrawingValuesAllowed(provider)) {
        return;
    }
    qint64 i = 0;
    for (const auto& dataSet : candleData->dataSets()) {
        const auto candleSet = std::dynamic_pointer_cast<CandleChartDataSetProtocol>(dataSet);
        if (candleSet && shouldDrawValues(*candleSet)) {
            drawValuesOfSet(painter, *candleSet, i);
        }
        ++i;
    }
}

// Each label, the high, stands a line and 5 points above the high.
void CandleStickChartRenderer::drawValuesOfSet(QPainter& painter, const CandleChartDataSetProtocol& dataSet, qint64 i)
{
    const auto* provider = dataProvider();
    const ViewPortHandler* handler = viewPortHandler().get();
    const auto formatter = dataSet.valueFormatter();
    const double phase = phaseY();
    const double above = fontLineHeight(dataSet.valueFont()) + 5;
    m_xBounds.set(*provider, dataSet, animator().get());
    XYChartDrawing::forEachValuePoint(
        *handler, provider->getTransformer(dataSet.axisDependency())->valueToPixelMatrix(), m_xBounds,
        [&dataSet](qint64 j) { return candleEntry(dataSet, j); },
        [phase](const ChartDataEntry& e) {
            return QPointF(e.x(), static_cast<const CandleChartDataEntry&>(e).high() * phase);
        },
        [&](qint64 j, const ChartDataEntry& e, QPointF point) {
            if (dataSet.isDrawValuesEnabled()) {
                const double high = static_cast<const CandleChartDataEntry&>(e).high();
                const QString text = formatter ? formatter->stringForValue(high, &e, i, handler) : QString();
                XYChartDrawing::drawValueLabel(painter, dataSet, text, point, point.y() - above,
                                               dataSet.valueTextColorAt(j));
            }
            XYChartDrawing::drawValueIcon(painter, dataSet, e, point);
        });
}

void CandleStickChartRenderer::drawExtras(QPainter&)
{
}

// ---- Highlights ----

void CandleStickChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    const auto* provider = dataProvider();
    const auto candleData = provider ? provider->candleData() : nullptr;
    if (!candleData) {
        return;
    }
    painter.save();
    XYChartDrawing::forEachHighlightTarget<CandleChartDataSetProtocol, CandleChartDataEntry>(
        *candleData, indices, *this,
        [&](Highlight& highlight, const CandleChartDataSetProtocol& dataSet, const CandleChartDataEntry& entry) {
            const double middle = (entry.low() * phaseY() + entry.high() * phaseY()) / 2;
            const QPointF point = provider->getTransformer(dataSet.axisDependency())->pixelForValues(entry.x(), middle);
            XYChartDrawing::drawHighlightLines(painter, *this, highlight, dataSet, point);
            return true;
        });
    painter.restore();
}

}
