#pragma once

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/BarChartDataProvider.h"
#include "ChartEngine/views/BarLineChartViewBase.h"
#include "support/DrawnChart.h"

#include <QImage>
#include <QObject>
#include <QPainter>

#include <memory>
#include <variant>

namespace BarTesting {

// A plain bar (a number) or a stack (a list of numbers).
using Bar = std::variant<double, QList<double>>;

// A bar data set of bars at x = 0, 1, 2, ...
inline std::shared_ptr<Charts::BarChartDataSet> barSet(const QList<Bar>& bars, const QString& label = QString())
{
    Charts::ChartDataEntryList entries;
    for (qsizetype i = 0; i < bars.size(); ++i) {
        if (const auto* y = std::get_if<double>(&bars.at(i))) {
            entries << std::make_shared<Charts::BarChartDataEntry>(double(i), *y);
        } else {
            entries << std::make_shared<Charts::BarChartDataEntry>(double(i), std::get<QList<double>>(bars.at(i)));
        }
    }
    return std::make_shared<Charts::BarChartDataSet>(entries, label);
}

inline std::shared_ptr<Charts::BarChartData> barData(const Charts::ChartDataSetList& dataSets, double barWidth = 0.5)
{
    auto data = std::make_shared<Charts::BarChartData>(dataSets);
    data->setBarWidth(barWidth);
    return data;
}

// A bar chart that is not a bar chart view (as a combined chart is): a 300 x 200 chart with
// content (35, 15, 230, 125) over x 0..10 and y `yMin`..`yMax` on both axes.
class BarTestChart : public QObject, public Charts::BarChartDataProvider {
public:
    BarTestChart(std::shared_ptr<Charts::BarChartData> data, double yMin, double yMax)
        : handler(std::make_shared<Charts::ViewPortHandler>(300, 200))
        , animator(std::make_shared<Charts::Animator>())
        , m_data(std::move(data))
    {
        handler->restrainViewPort(35, 15, 35, 60);
        m_transformer = std::make_shared<Charts::Transformer>(handler);
        m_transformer->prepareMatrixValuePx(0, 10, yMax - yMin, yMin);
        m_transformer->prepareMatrixOffset(false);
    }

    double chartXMin() const override { return 0; }
    double chartXMax() const override { return 10; }
    double chartYMin() const override { return 0; }
    double chartYMax() const override { return 10; }
    double maxHighlightDistance() const override { return 500; }
    double xRange() const override { return 10; }
    QPointF centerOffsets() const override { return handler->contentCenter(); }
    std::shared_ptr<Charts::ChartData> data() const override { return m_data; }
    qint64 maxVisibleCount() const override { return 100; }
    std::shared_ptr<Charts::Transformer> getTransformer(Charts::AxisDependency) const override { return m_transformer; }
    bool isInverted(Charts::AxisDependency) const override { return inverted; }
    double lowestVisibleX() const override { return 0; }
    double highestVisibleX() const override { return 10; }
    std::shared_ptr<Charts::BarChartData> barData() const override { return m_data; }
    bool isDrawBarShadowEnabled() const override { return false; }
    bool isDrawValueAboveBarEnabled() const override { return above; }
    bool isHighlightFullBarEnabled() const override { return fullBar; }

    std::shared_ptr<Charts::ViewPortHandler> handler;
    std::shared_ptr<Charts::Animator> animator;
    bool inverted = false;
    bool above = true;
    bool fullBar = false;

private:
    std::shared_ptr<Charts::BarChartData> m_data;
    std::shared_ptr<Charts::Transformer> m_transformer;
};

// Fixes the x axis to `xMin`..`xMax`, both y axes to `yMin`..`yMax`, the offsets to 35/15/35/60
// and turns the legend off: a 300 x 200 view has the content (35, 15, 230, 125).
inline void styleAsFixture(Charts::BarLineChartViewBase& view, double xMin, double xMax, double yMin, double yMax)
{
    view.xAxis()->setAxisMinimum(xMin);
    view.xAxis()->setAxisMaximum(xMax);
    for (const auto& axis : {view.leftAxis(), view.rightAxis()}) {
        axis->setAxisMinimum(yMin);
        axis->setAxisMaximum(yMax);
    }
    view.legend()->setEnabled(false);
    view.setViewPortOffsets(35, 15, 35, 60);
}

// A never-shown 300 x 200 view of the data, styled as above.
template <typename View>
std::unique_ptr<View> fixtureView(std::shared_ptr<Charts::BarChartData> data, double yMin = 0, double yMax = 10)
{
    auto view = std::make_unique<View>(QRect(0, 0, 300, 200));
    styleAsFixture(*view, 0, 10, yMin, yMax);
    view->setData(std::move(data));
    return view;
}

using ChartTesting::drawn;

}
