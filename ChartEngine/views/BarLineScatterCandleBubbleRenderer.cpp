#include "ChartEngine/views/BarLineScatterCandleBubbleRenderer.h"

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSetProtocol.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/FoundEntryIndex.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/ChartDataProvider.h"

#include <cmath>
#include <utility>

namespace Charts {

BarLineScatterCandleBubbleRenderer::BarLineScatterCandleBubbleRenderer(
    std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler)
    : m_viewPortHandler(std::move(viewPortHandler))
    , m_animator(std::move(animator))
{
}

BarLineScatterCandleBubbleRenderer::~BarLineScatterCandleBubbleRenderer() = default;

std::shared_ptr<ViewPortHandler> BarLineScatterCandleBubbleRenderer::viewPortHandler() const
{
    return m_viewPortHandler;
}

DataRenderer::Elements BarLineScatterCandleBubbleRenderer::accessibleChartElements() const
{
    if (std::exchange(m_entriesToDescribe, false)) {
        m_accessibleChartElements.clear();
        if (m_passHeader) {
            m_accessibleChartElements.append(m_passHeader);
        }
        m_accessibleChartElements.append(describeEntries());
    }
    return m_accessibleChartElements;
}

void BarLineScatterCandleBubbleRenderer::setAccessibleChartElements(Elements elements)
{
    m_accessibleChartElements = std::move(elements);
    m_entriesToDescribe = false;
}

void BarLineScatterCandleBubbleRenderer::beginAccessibleElements(std::shared_ptr<NSUIAccessibilityElement> header)
{
    m_passHeader = std::move(header);
    m_entriesToDescribe = true;
}

DataRenderer::Elements BarLineScatterCandleBubbleRenderer::describeEntries() const
{
    return {};
}

std::shared_ptr<Animator> BarLineScatterCandleBubbleRenderer::animator() const
{
    return m_animator;
}

void BarLineScatterCandleBubbleRenderer::drawData(QPainter&)
{
}

void BarLineScatterCandleBubbleRenderer::drawValues(QPainter&)
{
}

void BarLineScatterCandleBubbleRenderer::drawExtras(QPainter&)
{
}

void BarLineScatterCandleBubbleRenderer::drawHighlighted(QPainter&, const HighlightList&)
{
}

void BarLineScatterCandleBubbleRenderer::initBuffers()
{
}

bool BarLineScatterCandleBubbleRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const
{
    const auto data = dataProvider ? dataProvider->data() : nullptr;
    if (!data) {
        return false;
    }
    const double limit =
        std::trunc(static_cast<double>(dataProvider->maxVisibleCount()) * m_viewPortHandler->scaleX());
    return static_cast<double>(data->entryCount()) < limit;
}

std::shared_ptr<NSUIAccessibilityElement> BarLineScatterCandleBubbleRenderer::createAccessibleHeader(
    const ChartViewBase& chart, const ChartData& data, const QString& defaultDescription)
{
    return makeAccessibilityHeader(chart, data, defaultDescription);
}

bool BarLineScatterCandleBubbleRenderer::isInBoundsX(
    const ChartDataEntry& entry, const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet) const
{
    const qint64 index = entryIndexBySearch(dataSet, entry);
    return static_cast<double>(index) < static_cast<double>(dataSet.entryCount()) * phaseX();
}

bool BarLineScatterCandleBubbleRenderer::shouldDrawValues(const ChartDataSetProtocol& dataSet) const
{
    return dataSet.isVisible() && (dataSet.isDrawValuesEnabled() || dataSet.isDrawIconsEnabled());
}

bool BarLineScatterCandleBubbleRenderer::isBesideContent(const QRectF& rect) const
{
    const QRectF frame = rect.normalized();
    const QRectF content = m_viewPortHandler->contentRect();
    return frame.right() < content.left() || frame.left() > content.right() || frame.bottom() < content.top()
        || frame.top() > content.bottom();
}

double BarLineScatterCandleBubbleRenderer::phaseX() const
{
    return m_animator ? m_animator->phaseX() : 1.0;
}

double BarLineScatterCandleBubbleRenderer::phaseY() const
{
    return m_animator ? m_animator->phaseY() : 1.0;
}

}
