#include "ChartEngine/types/CombinedChartView.h"

#include "ChartEngine/components/CombinedHighlighter.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/data/DefaultFillFormatter.h"
#include "ChartEngine/types/CombinedChartRenderer.h"

namespace Charts {

std::optional<CombinedChartView::DrawOrder> CombinedChartView::drawOrderFromRaw(int raw)
{
    if (raw < int(DrawOrder::bar) || raw > int(DrawOrder::scatter)) {
        return std::nullopt;
    }
    return DrawOrder(raw);
}

CombinedChartView::CombinedChartView(QWidget* parent)
    : BarLineChartViewBase(parent)
{
    setUpCombined();
}

CombinedChartView::CombinedChartView(const QRect& frame, QWidget* parent)
    : BarLineChartViewBase(frame, parent)
{
    setUpCombined();
}

CombinedChartView::~CombinedChartView() = default;

// This class's step of the set-up: the combined highlighter (with a bar part only for bar data,
// so none yet), full-bar highlighting, the fill formatter and the combined renderer.
void CombinedChartView::setUpCombined()
{
    setHighlighter(std::make_shared<CombinedHighlighter>(this, this));
    m_highlightFullBarEnabled = true;
    m_fillFormatter = std::make_shared<DefaultFillFormatter>();
    setRenderer(std::make_shared<CombinedChartRenderer>(this, chartAnimator(), viewPortHandler()));
}

void CombinedChartView::setData(std::shared_ptr<ChartData> data)
{
    BarLineChartViewBase::setData(std::move(data));
    setHighlighter(std::make_shared<CombinedHighlighter>(this, this));
    const auto current = renderer();
    if (const auto combined = std::dynamic_pointer_cast<CombinedChartRenderer>(current)) {
        combined->createRenderers();
    }
    if (current) {
        current->initBuffers();
    }
}

void CombinedChartView::setFillFormatter(std::shared_ptr<FillFormatter> formatter)
{
    m_fillFormatter = formatter ? std::move(formatter) : std::make_shared<DefaultFillFormatter>();
}

std::shared_ptr<CombinedChartData> CombinedChartView::combinedData() const
{
    return std::dynamic_pointer_cast<CombinedChartData>(data());
}

std::shared_ptr<LineChartData> CombinedChartView::lineData() const
{
    const auto combined = combinedData();
    return combined ? combined->lineData() : nullptr;
}

std::shared_ptr<BarChartData> CombinedChartView::barData() const
{
    const auto combined = combinedData();
    return combined ? combined->barData() : nullptr;
}

std::shared_ptr<ScatterChartData> CombinedChartView::scatterData() const
{
    const auto combined = combinedData();
    return combined ? combined->scatterData() : nullptr;
}

std::shared_ptr<CandleChartData> CombinedChartView::candleData() const
{
    const auto combined = combinedData();
    return combined ? combined->candleData() : nullptr;
}

std::shared_ptr<BubbleChartData> CombinedChartView::bubbleData() const
{
    const auto combined = combinedData();
    return combined ? combined->bubbleData() : nullptr;
}

std::shared_ptr<YAxis> CombinedChartView::getAxis(AxisDependency axis) const
{
    return BarLineChartViewBase::getAxis(axis);
}

// The view installs a combined renderer in its set-up; another one is outside its design.
CombinedChartRenderer& CombinedChartView::combinedRenderer() const
{
    return dynamic_cast<CombinedChartRenderer&>(*renderer());
}

bool CombinedChartView::isDrawValueAboveBarEnabled() const
{
    return combinedRenderer().isDrawValueAboveBarEnabled();
}

void CombinedChartView::setDrawValueAboveBarEnabled(bool enabled)
{
    combinedRenderer().setDrawValueAboveBarEnabled(enabled);
}

bool CombinedChartView::isDrawBarShadowEnabled() const
{
    return combinedRenderer().isDrawBarShadowEnabled();
}

void CombinedChartView::setDrawBarShadowEnabled(bool enabled)
{
    combinedRenderer().setDrawBarShadowEnabled(enabled);
}

QList<CombinedChartView::DrawOrder> CombinedChartView::drawOrder() const
{
    return combinedRenderer().drawOrder();
}

void CombinedChartView::setDrawOrder(const QList<DrawOrder>& order)
{
    combinedRenderer().setDrawOrder(order);
}

std::shared_ptr<Highlight> CombinedChartView::getHighlightByTouchPoint(QPointF point) const
{
    const auto high = BarLineChartViewBase::getHighlightByTouchPoint(point);
    if (!high || !m_highlightFullBarEnabled) {
        return high;
    }
    return std::make_shared<Highlight>(high->x(), high->y(), high->xPx(), high->yPx(), high->dataIndex(),
                                       high->dataSetIndex(), -1, high->axis());
}

std::shared_ptr<Highlight> CombinedChartView::highlightForEntry(qint64 dataSetIndex, qint64 entryIndex) const
{
    const auto highlight = BarLineChartViewBase::highlightForEntry(dataSetIndex, entryIndex);
    const auto combined = combinedData();
    if (!highlight || !combined) {
        return highlight;
    }
    const QList<std::shared_ptr<ChartData>> allData = combined->allData();
    qint64 first = 0;
    for (qsizetype i = 0; i < allData.size(); ++i) {
        const qint64 count = allData[i]->dataSetCount();
        if (dataSetIndex < first + count) {
            return std::make_shared<Highlight>(highlight->x(), highlight->y(), highlight->xPx(), highlight->yPx(), i,
                                               dataSetIndex - first, -1, highlight->axis());
        }
        first += count;
    }
    return nullptr;
}

std::shared_ptr<ChartDataSetProtocol> CombinedChartView::markerDataSet(const Highlight& highlight) const
{
    const auto combined = combinedData();
    return combined ? combined->getDataSetByHighlight(highlight) : nullptr;
}

}
