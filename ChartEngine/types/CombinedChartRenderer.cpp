#include "ChartEngine/types/CombinedChartRenderer.h"

#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BarChartRenderer.h"
#include "ChartEngine/types/BubbleChartRenderer.h"
#include "ChartEngine/types/CandleStickChartRenderer.h"
#include "ChartEngine/types/ScatterChartRenderer.h"
#include "ChartEngine/views/LineChartRenderer.h"

#include <algorithm>

namespace Charts {

namespace {

// When the renderer is a `SubRenderer`, the data it draws (none once its chart is gone) goes to
// `subData`; answers whether it was one.
template <typename SubRenderer, typename Read>
bool readSubData(const DataRenderer& renderer, Read read, std::shared_ptr<ChartData>& subData)
{
    const auto* typed = dynamic_cast<const SubRenderer*>(&renderer);
    if (!typed) {
        return false;
    }
    if (const auto* provider = typed->dataProvider()) {
        subData = read(*provider);
    }
    return true;
}

}

CombinedChartRenderer::CombinedChartRenderer(CombinedChartView* chart, std::shared_ptr<Animator> animator,
                                             std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarLineScatterCandleBubbleRenderer(std::move(animator), std::move(viewPortHandler))
    , m_chart(chart)
{
    createRenderers();
}

CombinedChartRenderer::~CombinedChartRenderer() = default;

void CombinedChartRenderer::createRenderers()
{
    m_renderers.clear();
    CombinedChartView* view = chart();
    if (!view) {
        return;
    }
    for (const DrawOrder kind : std::as_const(m_drawOrder)) {
        if (auto renderer = makeRenderer(kind, *view)) {
            m_renderers.append(std::move(renderer));
        }
    }
}

// The renderer of the kind, drawing the chart; none when the chart has no data of that kind.
std::shared_ptr<DataRenderer> CombinedChartRenderer::makeRenderer(DrawOrder kind, CombinedChartView& chart) const
{
    switch (kind) {
    case DrawOrder::bar:
        return chart.barData() ? std::make_shared<BarChartRenderer>(&chart, animator(), viewPortHandler()) : nullptr;
    case DrawOrder::bubble:
        return chart.bubbleData() ? std::make_shared<BubbleChartRenderer>(&chart, animator(), viewPortHandler())
                                  : nullptr;
    case DrawOrder::line:
        return chart.lineData() ? std::make_shared<LineChartRenderer>(&chart, animator(), viewPortHandler())
                                : nullptr;
    case DrawOrder::candle:
        return chart.candleData()
            ? std::make_shared<CandleStickChartRenderer>(&chart, animator(), viewPortHandler())
            : nullptr;
    case DrawOrder::scatter:
        return chart.scatterData() ? std::make_shared<ScatterChartRenderer>(&chart, animator(), viewPortHandler())
                                   : nullptr;
    }
    return nullptr;
}

void CombinedChartRenderer::setSubRenderers(QList<std::shared_ptr<DataRenderer>> renderers)
{
    m_renderers = std::move(renderers);
}

void CombinedChartRenderer::setDrawOrder(const QList<DrawOrder>& order)
{
    if (!order.isEmpty()) {
        m_drawOrder = order;
    }
}

void CombinedChartRenderer::initBuffers()
{
    for (const auto& renderer : std::as_const(m_renderers)) {
        renderer->initBuffers();
    }
}

void CombinedChartRenderer::drawData(QPainter& painter)
{
    const CombinedChartView* view = chart();
    beginAccessibleElements(view && view->data()
                                ? createAccessibleHeader(*view, *view->data(), QStringLiteral("Combined Chart"))
                                : nullptr);
    for (const auto& renderer : std::as_const(m_renderers)) {
        renderer->drawData(painter);
    }
}

void CombinedChartRenderer::drawValues(QPainter& painter)
{
    for (const auto& renderer : std::as_const(m_renderers)) {
        renderer->drawValues(painter);
    }
}

void CombinedChartRenderer::drawExtras(QPainter& painter)
{
    for (const auto& renderer : std::as_const(m_renderers)) {
        renderer->drawExtras(painter);
    }
}

DataRenderer::Elements CombinedChartRenderer::describeEntries() const
{
    if (!chart()) {
        return {};
    }
    Elements values;
    for (const auto& renderer : std::as_const(m_renderers)) {
        for (const auto& element : renderer->accessibleChartElements()) {
            if (element && !element->isHeader()) {
                values.append(element);
            }
        }
    }
    std::stable_sort(values.begin(), values.end(), [](const auto& a, const auto& b) {
        return a->dataSetIndex() < b->dataSetIndex();
    });
    return values;
}

void CombinedChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    for (const auto& renderer : std::as_const(m_renderers)) {
        const std::optional<qint64> dataIndex = dataIndexOf(*renderer);
        HighlightList kept;
        for (const auto& highlight : indices) {
            if (highlight && (highlight->dataIndex() == -1 || highlight->dataIndex() == dataIndex)) {
                kept.append(highlight);
            }
        }
        renderer->drawHighlighted(painter, kept);
    }
}

// The position in the combined data of the data the sub-renderer draws; none when that data is
// not there, the sub-renderer is of no known kind, or the chart is gone.
std::optional<qint64> CombinedChartRenderer::dataIndexOf(const DataRenderer& renderer) const
{
    using Data = std::shared_ptr<ChartData>;
    Data subData;
    readSubData<BarChartRenderer>(renderer, [](const BarChartDataProvider& p) { return Data(p.barData()); }, subData)
        || readSubData<LineChartRenderer>(
            renderer, [](const LineChartDataProvider& p) { return Data(p.lineData()); }, subData)
        || readSubData<CandleStickChartRenderer>(
            renderer, [](const CandleChartDataProvider& p) { return Data(p.candleData()); }, subData)
        || readSubData<ScatterChartRenderer>(
            renderer, [](const ScatterChartDataProvider& p) { return Data(p.scatterData()); }, subData)
        || readSubData<BubbleChartRenderer>(
            renderer, [](const BubbleChartDataProvider& p) { return Data(p.bubbleData()); }, subData);
    const CombinedChartView* view = chart();
    const auto combined = view ? view->combinedData() : nullptr;
    if (!subData || !combined) {
        return std::nullopt;
    }
    return combined->indexOfData(subData);
}

}
