// One draw of a never-shown bar chart of 10,000 bars against Qt Charts drawing the same bars.
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/BarChartRenderer.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/HorizontalBarChartView.h"

#include "ChartBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QValueAxis>

using namespace Charts;

namespace {

constexpr qint64 barCount = 10000;
const QColor barColor(0, 61, 165);

// Pixels tinted by the bars' blue (bars narrower than a pixel blend with the white).
qint64 barColoredPixels(const QImage& image)
{
    return ChartBench::countPixels(image, [](QRgb pixel) { return qBlue(pixel) - qRed(pixel) > 50; });
}

// x = i, y = (37 i) mod 101.
std::shared_ptr<BarChartData> bars()
{
    ChartDataEntryList entries;
    entries.reserve(barCount);
    for (qint64 i = 0; i < barCount; ++i) {
        entries.append(std::make_shared<BarChartDataEntry>(double(i), double((37 * i) % 101)));
    }
    auto dataSet = std::make_shared<BarChartDataSet>(entries, QStringLiteral("PEF"));
    dataSet->setColor(barColor);
    return std::make_shared<BarChartData>(ChartDataSetList{dataSet});
}

// A chart view with the defaults: values off at this many entries, bar elements on, axes and
// grid on, no highlight.
template <typename View> std::unique_ptr<View> chart()
{
    auto view = std::make_unique<View>(QRect(0, 0, 1200, 600));
    view->setData(bars());
    return view;
}

// The same chart as the bar renderer of a combined chart sees it: not a bar chart view, so no
// elements and no clipping to the axis.
class ForwardingChart : public QObject, public BarChartDataProvider {
public:
    explicit ForwardingChart(BarChartView& view)
        : m_view(view)
    {
    }
    double chartXMin() const override { return m_view.chartXMin(); }
    double chartXMax() const override { return m_view.chartXMax(); }
    double chartYMin() const override { return m_view.chartYMin(); }
    double chartYMax() const override { return m_view.chartYMax(); }
    double maxHighlightDistance() const override { return m_view.maxHighlightDistance(); }
    double xRange() const override { return m_view.xRange(); }
    QPointF centerOffsets() const override { return m_view.centerOffsets(); }
    std::shared_ptr<ChartData> data() const override { return m_view.data(); }
    qint64 maxVisibleCount() const override { return m_view.maxVisibleCount(); }
    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override { return m_view.getTransformer(axis); }
    bool isInverted(AxisDependency axis) const override { return m_view.isInverted(axis); }
    double lowestVisibleX() const override { return m_view.lowestVisibleX(); }
    double highestVisibleX() const override { return m_view.highestVisibleX(); }
    std::shared_ptr<BarChartData> barData() const override { return m_view.barData(); }
    bool isDrawBarShadowEnabled() const override { return false; }
    bool isDrawValueAboveBarEnabled() const override { return true; }
    bool isHighlightFullBarEnabled() const override { return false; }

private:
    BarChartView& m_view;
};

template <typename Draw> void timeDraw(benchmark::State& state, Draw draw)
{
    QImage image = ChartBench::canvas();
    const auto once = [&] {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    };
    once();
    if (barColoredPixels(image) < 100000) {
        state.SkipWithError("the chart shows no bars");
        return;
    }
    for (auto _ : state) {
        once();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void barChart(benchmark::State& state)
{
    const auto view = chart<BarChartView>();
    timeDraw(state, [&](QPainter& painter) { view->drawChart(painter); });
}

void horizontalBarChart(benchmark::State& state)
{
    const auto view = chart<HorizontalBarChartView>();
    timeDraw(state, [&](QPainter& painter) { view->drawChart(painter); });
}

// The data pass alone (bars and their elements), clipped to the content as the view clips it.
void barPass(benchmark::State& state)
{
    const auto view = chart<BarChartView>();
    timeDraw(state, [&](QPainter& painter) {
        painter.setClipRect(view->viewPortHandler()->contentRect());
        view->renderer()->drawData(painter);
    });
}

// The data pass of a renderer that makes no elements.
void barPassWithoutElements(benchmark::State& state)
{
    const auto view = chart<BarChartView>();
    ForwardingChart forwarding(*view);
    BarChartRenderer renderer(&forwarding, view->chartAnimator(), view->viewPortHandler());
    renderer.initBuffers();
    timeDraw(state, [&](QPainter& painter) {
        painter.setClipRect(view->viewPortHandler()->contentRect());
        renderer.drawData(painter);
    });
}

// Qt Charts: one bar series with one set of the same values, a value axis 0..100 on the left and
// a category axis of the indices at the bottom, no legend, no animation.
void qtCharts(benchmark::State& state)
{
    auto* set = new QBarSet(QStringLiteral("PEF"));
    set->setColor(barColor);
    set->setBorderColor(barColor);
    QStringList categories;
    for (qint64 i = 0; i < barCount; ++i) {
        set->append(double((37 * i) % 101));
        categories.append(QString::number(i));
    }
    auto* series = new QBarSeries;
    series->append(set);
    QChart chart;
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.addSeries(series);
    auto* yAxis = new QValueAxis;
    yAxis->setRange(0, 100);
    chart.addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(yAxis);
    auto* xAxis = new QBarCategoryAxis;
    xAxis->append(categories);
    chart.addAxis(xAxis, Qt::AlignBottom);
    series->attachAxis(xAxis);
    chart.legend()->hide();
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.resize(1200, 600);
    scene.setSceneRect(0, 0, 1200, 600);
    timeDraw(state, [&](QPainter& painter) { scene.render(&painter, QRectF(0, 0, 1200, 600), scene.sceneRect()); });
    scene.removeItem(&chart);
}

}

BENCHMARK(barChart)->Unit(benchmark::kMillisecond);
BENCHMARK(barPass)->Unit(benchmark::kMillisecond);
BENCHMARK(barPassWithoutElements)->Unit(benchmark::kMillisecond);
BENCHMARK(horizontalBarChart)->Unit(benchmark::kMillisecond);
BENCHMARK(qtCharts)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
