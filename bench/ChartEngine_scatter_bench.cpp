// One draw of a never-shown scatter chart of 10,000 points against Qt Charts drawing the same
// points.
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/types/ScatterChartView.h"

#include "QtChartsBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QChart>
#include <QPainter>
#include <QScatterSeries>

#include <random>

using namespace Charts;

namespace {

constexpr qint64 pointCount = 10000;
const QColor pointColor(0, 61, 165);
constexpr double shapeSize = 10;

// x = i, y spread evenly over 0..100 (a fixed seed).
const QList<QPointF>& points()
{
    static const QList<QPointF> made = [] {
        std::mt19937 random(20240611);
        std::uniform_real_distribution<double> y(0.0, 100.0);
        QList<QPointF> list;
        list.reserve(pointCount);
        for (qint64 i = 0; i < pointCount; ++i) {
            list.append(QPointF(double(i), y(random)));
        }
        return list;
    }();
    return made;
}

// Pixels tinted by the points' blue.
qint64 pointColoredPixels(const QImage& image)
{
    return ChartBench::countPixels(image, [](QRgb pixel) { return qBlue(pixel) - qRed(pixel) > 50; });
}

// The engine's defaults (axes, grid, x labels at the top, values off at this many entries) with
// circles of 10 points in one colour and no legend.
void chartEngine(benchmark::State& state)
{
    ChartDataEntryList entries;
    entries.reserve(pointCount);
    for (const QPointF& point : points()) {
        entries.append(std::make_shared<ChartDataEntry>(point.x(), point.y()));
    }
    auto dataSet = std::make_shared<ScatterChartDataSet>(entries, QStringLiteral("PEF"));
    dataSet->setScatterShape(ScatterChartDataSet::Shape::circle);
    dataSet->setScatterShapeSize(shapeSize);
    dataSet->setColor(pointColor);
    ScatterChartView view(QRect(0, 0, 1200, 600));
    view.legend()->setEnabled(false);
    view.setData(std::make_shared<ScatterChartData>(ChartDataSetList{dataSet}));
    ChartBench::timeDraws(state, [&](QPainter& painter) { view.drawChart(painter); },
                          [](const QImage& image) { return pointColoredPixels(image) > 100000; });
}

// Qt Charts: one scatter series of the same points, circles of 10 in the same colour without a
// border, default axes, no legend, no animation.
void qtCharts(benchmark::State& state)
{
    auto* series = new QScatterSeries;
    series->replace(points());
    series->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    series->setMarkerSize(shapeSize);
    series->setColor(pointColor);
    series->setPen(Qt::NoPen);
    QChart chart;
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.addSeries(series);
    chart.createDefaultAxes();
    chart.legend()->hide();
    ChartBench::timeQtChartDraws(state, chart, [](const QImage& image) { return pointColoredPixels(image) > 100000; });
}

}

BENCHMARK(chartEngine)->Unit(benchmark::kMillisecond);
BENCHMARK(qtCharts)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
