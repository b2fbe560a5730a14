// One draw of a never-shown bar chart of 10,000 bars, upright and lying, against Qt Charts drawing
// the same bars.
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/BarChartRenderer.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/CombinedChartView.h"
#include "ChartEngine/types/HorizontalBarChartView.h"

#include "QtChartsBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QChart>
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

// A chart view with the defaults (values off at this many entries, axes and grid on, no
// highlight) and no legend, as in Qt Charts' picture.
template <typename View> std::unique_ptr<View> chart()
{
    auto view = std::make_unique<View>(QRect(0, 0, 1200, 600));
    view->legend()->setEnabled(false);
    view->setData(bars());
    return view;
}

bool drewBars(const QImage& image)
{
    return barColoredPixels(image) >= 100000;
}

template <typename Draw> void timeDraw(benchmark::State& state, Draw draw)
{
    ChartBench::timeDraws(state, draw, drewBars);
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

// The data pass alone, clipped to the content as the view clips it.
void barPass(benchmark::State& state)
{
    const auto view = chart<BarChartView>();
    timeDraw(state, [&](QPainter& painter) {
        painter.setClipRect(view->viewPortHandler()->contentRect());
        view->renderer()->drawData(painter);
    });
}

// The same bars in a combined chart, whose bar renderer, with y at most 100, clips nothing; the x
// axis gets the bar chart's spaces.
void combinedChart(benchmark::State& state)
{
    auto data = std::make_shared<CombinedChartData>();
    data->setBarData(bars());
    CombinedChartView view(QRect(0, 0, 1200, 600));
    view.legend()->setEnabled(false);
    view.xAxis()->setSpaceMin(0.5);
    view.xAxis()->setSpaceMax(0.5);
    view.setData(data);
    timeDraw(state, [&](QPainter& painter) { view.drawChart(painter); });
}

// One bar set of the values, filled in the bars' colour without a border (the engine's bars have
// none), and the categories of their indices.
QBarSet* barSet(QStringList& categories)
{
    auto* set = new QBarSet(QStringLiteral("PEF"));
    set->setColor(barColor);
    set->setPen(Qt::NoPen);
    for (qint64 i = 0; i < barCount; ++i) {
        set->append(double((37 * i) % 101));
        categories.append(QString::number(i));
    }
    return set;
}

// Qt Charts: one series with the bar set, its bars 0.85 of a category wide as the engine's, a
// value axis 0..100 along `valueSide` and a category axis of the indices along `categorySide`, no
// legend, no animation.
void drawQtCharts(benchmark::State& state, QAbstractBarSeries* series, Qt::Alignment valueSide,
                  Qt::Alignment categorySide)
{
    QStringList categories;
    series->append(barSet(categories));
    series->setBarWidth(0.85);
    QChart chart;
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.addSeries(series);
    auto* valueAxis = new QValueAxis;
    valueAxis->setRange(0, 100);
    chart.addAxis(valueAxis, valueSide);
    series->attachAxis(valueAxis);
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    chart.addAxis(categoryAxis, categorySide);
    series->attachAxis(categoryAxis);
    chart.legend()->hide();
    ChartBench::timeQtChartDraws(state, chart, drewBars);
}

// The bars upright: values on the left, indices at the bottom.
void qtCharts(benchmark::State& state)
{
    drawQtCharts(state, new QBarSeries, Qt::AlignLeft, Qt::AlignBottom);
}

// The bars lying: values at the bottom, indices on the left.
void qtChartsHorizontal(benchmark::State& state)
{
    drawQtCharts(state, new QHorizontalBarSeries, Qt::AlignBottom, Qt::AlignLeft);
}

}

BENCHMARK(barChart)->Unit(benchmark::kMillisecond);
BENCHMARK(barPass)->Unit(benchmark::kMillisecond);
BENCHMARK(combinedChart)->Unit(benchmark::kMillisecond);
BENCHMARK(horizontalBarChart)->Unit(benchmark::kMillisecond);
BENCHMARK(qtCharts)->Unit(benchmark::kMillisecond);
BENCHMARK(qtChartsHorizontal)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
