#include "ChartEngine/types/ScatterChartRenderer.h"

#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSetProtocol.h"
#include "ChartEngine/foundation/AffineTransform.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/ScatterChartView.h"
#include "ChartEngine/types/ShapeRenderer.h"
#include "ChartEngine/types/XYChartDrawing.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/PointAccessibility.h"
#include "ChartEngine/views/ScatterChartDataProvider.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Charts {

ScatterChartRenderer::ScatterChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                           std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineScatterCandleRadarRenderer(std::move(animator), std::move(viewPortHandler))
    , m_chart(chart)
{
}

ScatterChartRenderer::~ScatterChartRenderer() = default;

ScatterChartDataProvider* ScatterChartRenderer::dataProvider() const
{
    return dynamic_cast<ScatterChartDataProvider*>(m_chart.data());
}

void ScatterChartRenderer::setDataProvider(QObject* chart)
{
    m_chart = chart;
}

void ScatterChartRenderer::drawData(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto scatterData = provider ? provider->scatterData() : nullptr;
    if (!scatterData) {
        return;
    }
    auto* view = qobject_cast<ScatterChartView*>(m_chart.data());
    beginAccessibleElements(view ? createAccessibleHeader(*view, *scatterData, QStringLiteral("Scatter Chart"))
                                 : nullptr);
    for (const auto& dataSet : scatterData->dataSets()) {
        const auto scatterSet = std::dynamic_pointer_cast<ScatterChartDataSetProtocol>(dataSet);
        if (scatterSet && scatterSet->isVisible()) {
            drawDataSet(painter, *scatterSet);
        }
    }
    accessibilityPostLayoutChangedNotification();
}

void ScatterChartRenderer::drawDataSet(QPainter& painter, const ScatterChartDataSetProtocol& dataSet)
{
    const auto* provider = dataProvider();
    if (!provider) {
        return;
    }
    const auto shapeRenderer = dataSet.shapeRenderer();
    if (!shapeRenderer) {
        ChartConsole::printLine(QStringLiteral("There's no ShapeRenderer specified for ScatterDataSet"));
        return;
    }
    const ViewPortHandler& handler = *viewPortHandler();
    const AffineTransform matrix = provider->getTransformer(dataSet.axisDependency())->valueToPixelMatrix();
    const double phase = phaseY();
    const double count = uncoveredCount(dataSet);
    painter.save();
    for (qint64 i = 0; static_cast<double>(i) < count; ++i) {
        const auto e = dataSet.entryForIndex(i);
        if (!e) {
            continue;
        }
        const QPointF point = matrix.map(QPointF(e->x(), e->y() * phase));
        if (!handler.isInBoundsRight(point.x())) {
            break;
        }
        if (handler.isInBoundsLeft(point.x()) && handler.isInBoundsY(point.y())) {
            shapeRenderer->renderShape(painter, dataSet, handler, point, dataSet.colorAtIndex(i));
        }
    }
    painter.restore();
}

// Compared in double: a phase that is not a number uncovers nothing.
double ScatterChartRenderer::uncoveredCount(const ScatterChartDataSetProtocol& dataSet) const
{
    const auto n = static_cast<double>(dataSet.entryCount());
    return std::min(std::ceil(n * phaseX()), n);
}

// Every entry of every visible set that has a shape, in data-set order, framed by a square of
// three shape sizes about its point; off screen where the pass draws no shape.
DataRenderer::Elements ScatterChartRenderer::describeEntries() const
{
    const auto* provider = dataProvider();
    const auto scatterData = provider ? provider->scatterData() : nullptr;
    auto* view = qobject_cast<ChartViewBase*>(m_chart.data());
    Elements elements;
    if (!scatterData) {
        return elements;
    }
    qint64 i = 0;
    for (const auto& dataSet : scatterData->dataSets()) {
        const auto scatterSet = std::dynamic_pointer_cast<ScatterChartDataSetProtocol>(dataSet);
        const auto points = scatterSet ? pointSourceOf(view, scatterData.get(), *scatterSet, i, viewPortHandler().get())
                                       : std::nullopt;
        if (points && scatterSet->isVisible() && scatterSet->shapeRenderer()) {
            elements.append(describePoints(*points, *scatterSet));
        }
        ++i;
    }
    return elements;
}

DataRenderer::Elements ScatterChartRenderer::describePoints(const PointSource& points,
                                                            const ScatterChartDataSetProtocol& dataSet) const
{
    const ViewPortHandler& handler = *viewPortHandler();
    const AffineTransform matrix = dataProvider()->getTransformer(dataSet.axisDependency())->valueToPixelMatrix();
    const double frameSize = 3 * dataSet.scatterShapeSize();
    const double phase = phaseY();
    const double count = uncoveredCount(dataSet);
    Elements elements;
    // As in the pass, the first point right of the content ends what is drawn.
    bool ended = false;
    for (qint64 j = 0; j < dataSet.entryCount(); ++j) {
        const auto e = dataSet.entryForIndex(j);
        if (!e) {
            continue;
        }
        const QPointF point = matrix.map(QPointF(e->x(), e->y() * phase));
        ended = ended || !(static_cast<double>(j) < count) || !handler.isInBoundsRight(point.x());
        const QRectF frame(point.x() - frameSize / 2, point.y() - frameSize / 2, frameSize, frameSize);
        auto element = makePointElement(points, j, frame);
        element->setOffScreen(ended || !handler.isInBoundsLeft(point.x()) || !handler.isInBoundsY(point.y()));
        elements.append(element);
    }
    return elements;
}

void ScatterChartRenderer::drawValues(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto scatterData = provider ? provider->scatterData() : nullptr;
    if (!scatterData || !isDrawingValuesAllowed(provider)) {
        return;
    }
    qint64 i = 0;
    for (const auto& dataSet : scatterData->dataSets()) {
        const auto scatterSet = std::dynamic_pointer_cast<ScatterChartDataSetProtocol>(dataSet);
        if (scatterSet && shouldDrawValues(*scatterSet)) {
            drawValuesOfSet(painter, *scatterSet, i);
        }
        ++i;
    }
}

// Each label stands a shape size and a line above its point.
void ScatterChartRenderer::drawValuesOfSet(QPainter& painter, const ScatterChartDataSetProtocol& dataSet, qint64 i)
{
    const auto* provider = dataProvider();
    const ViewPortHandler* handler = viewPortHandler().get();
    const auto formatter = dataSet.valueFormatter();
    const double phase = phaseY();
    const double above = dataSet.scatterShapeSize() + fontLineHeight(dataSet.valueFont());
    m_xBounds.set(*provider, dataSet, animator().get());
    XYChartDrawing::forEachValuePoint(
        *handler, provider->getTransformer(dataSet.axisDependency())->valueToPixelMatrix(), m_xBounds,
        [&dataSet](qint64 j) { return dataSet.entryForIndex(j); },
        [phase](const ChartDataEntry& e) { return QPointF(e.x(), e.y() * phase); },
        [&](qint64 j, const ChartDataEntry& e, QPointF point) {
            if (dataSet.isDrawValuesEnabled()) {
                const QString text = formatter ? formatter->stringForValue(e.y(), &e, i, handler) : QString();
                XYChartDrawing::drawValueLabel(painter, dataSet, text, point, point.y() - above,
                                               dataSet.valueTextColorAt(j));
            }
            XYChartDrawing::drawValueIcon(painter, dataSet, e, point);
        });
}

void ScatterChartRenderer::drawExtras(QPainter&)
{
}

void ScatterChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    const auto* provider = dataProvider();
    const auto scatterData = provider ? provider->scatterData() : nullptr;
    if (!scatterData) {
        return;
    }
    painter.save();
    XYChartDrawing::forEachHighlightTarget<ScatterChartDataSetProtocol, ChartDataEntry>(
        *scatterData, indices, *this,
        [&](Highlight& highlight, const ScatterChartDataSetProtocol& dataSet, const ChartDataEntry& entry) {
            const QPointF point =
                provider->getTransformer(dataSet.axisDependency())->pixelForValues(entry.x(), entry.y() * phaseY());
            XYChartDrawing::drawHighlightLines(painter, *this, highlight, dataSet, point);
            return true;
        });
    painter.restore();
}

}
