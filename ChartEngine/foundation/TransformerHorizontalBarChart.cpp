#include "ChartEngine/foundation/TransformerHorizontalBarChart.h"

#include "ChartEngine/foundation/ViewPortHandler.h"

namespace Charts {

TransformerHorizontalBarChart::TransformerHorizontalBarChart(
    std::shared_ptr<ViewPortHandler> viewPortHandler)
    : Transformer(std::move(viewPortHandler))
{
}

void TransformerHorizontalBarChart::prepareMatrixOffset(bool inverted)
{
    if (!inverted) {
        Transformer::prepareMatrixOffset(false);
        return;
    }
    const ViewPortHandler& handler = *viewPortHandler();
    m_matrixOffset = AffineTransform::scaling(-1, 1).translated(
        -(handler.chartWidth() - handler.offsetRight()),
        handler.chartHeight() - handler.offsetBottom());
}

}
