// One draw of a never-shown line chart of N entries against Qt Charts drawing the same points, of a
// chart whose minimum offset leaves the view no room, and of a dashed curve through values far
// beyond its axes.
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/ZoneBand.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/views/LineChartRenderer.h"
#include "ChartEngine/views/LineChartView.h"

#include "ChartBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <map>
#include <random>

using namespace Charts;

namespace {

const QColor lineColor(0, 61, 165);

// x = i / 100; y a random walk of step σ 3 held to 100..850, plus noise of σ 15 (a fixed seed).
const QList<QPointF>& series(qint64 count)
{
    static std::map<qint64, QList<QPointF>> made;
    QList<QPointF>& points = made[count];
    if (points.isEmpty()) {
        std::mt19937 random(20240611);
        std::normal_distribution<double> step(0.0, 3.0);
        std::normal_distribution<double> noise(0.0, 15.0);
        double level = 475.0;
        points.reserve(count);
        for (qint64 i = 0; i < count; ++i) {
            level = std::clamp(level + step(random), 100.0, 850.0);
            points.append(QPointF(i / 100.0, level + noise(random)));
        }
    }
    return points;
}

// Pixels within a small distance of the line's colour.
qint64 lineColoredPixels(const QImage& image)
{
    return ChartBench::countPixels(image, [](QRgb pixel) {
        return std::abs(qRed(pixel) - lineColor.red()) + std::abs(qGreen(pixel) - lineColor.green())
               + std::abs(qBlue(pixel) - lineColor.blue()) < 40;
    });
}

// The PEF page's chart at 1200 x 600: axes, grid, the three zone bands of a best value of 450,
// offsets 35/15/35/60, fully zoomed out, no legend form; one data set of width 2, butt cap, one
// colour, linear, without circles or highlighting.
std::unique_ptr<LineChartView> pefChart(qint64 count)
{
    auto view = std::make_unique<LineChartView>(QRect(0, 0, 1200, 600));
    ChartDataEntryList entries;
    entries.reserve(count);
    for (const QPointF& point : series(count)) {
        entries.append(std::make_shared<ChartDataEntry>(point.x(), point.y()));
    }
    auto dataSet = std::make_shared<LineChartDataSet>(entries, QStringLiteral("PEF"));
    dataSet->setLineWidth(2);
    dataSet->setLineCapType(Qt::FlatCap);
    dataSet->setColor(lineColor);
    dataSet->setMode(LineChartDataSetMode::linear);
    dataSet->setDrawCirclesEnabled(false);
    dataSet->setHighlightEnabled(false);
    view->leftAxis()->setDrawGridLinesBackgroungEnabled(true);
    view->leftAxis()->setBackgroundLimit({ZoneBand{360, 1000, QColor(200, 240, 200)},
                                          ZoneBand{270, 360, QColor(250, 240, 190)},
                                          ZoneBand{0, 270, QColor(250, 205, 205)}});
    view->legend()->setForm(LegendForm::none);
    view->setData(std::make_shared<LineChartData>(ChartDataSetList{dataSet}));
    view->setViewPortOffsets(35, 15, 35, 60);
    view->fitScreen();
    return view;
}

void drawChartEngine(benchmark::State& state, bool reduced)
{
    const auto view = pefChart(state.range(0));
    std::dynamic_pointer_cast<LineChartRenderer>(view->renderer())->setLineReductionEnabled(reduced);
    QImage image = ChartBench::canvas();
    const auto draw = [&view, &image] {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view->drawChart(painter);
    };
    draw();
    if (lineColoredPixels(image) < 1000) {
        state.SkipWithError("the chart shows no line");
        return;
    }
    for (auto _ : state) {
        draw();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void chartEngine(benchmark::State& state)
{
    drawChartEngine(state, true);
}

void chartEngineEverySegment(benchmark::State& state)
{
    drawChartEngine(state, false);
}

// A 1200 x 600 chart of `count` entries, a filled line of width 10, with a minimum offset of a
// million points on each side, far more than the view holds; drawn antialiased.
void largeMinimumOffset(benchmark::State& state)
{
    const auto view = std::make_unique<LineChartView>(QRect(0, 0, 1200, 600));
    ChartDataEntryList entries;
    for (const QPointF& point : series(state.range(0))) {
        entries.append(std::make_shared<ChartDataEntry>(point.x(), point.y()));
    }
    auto dataSet = std::make_shared<LineChartDataSet>(entries, QStringLiteral("PEF"));
    dataSet->setColor(lineColor);
    dataSet->setLineWidth(10);
    dataSet->setDrawFilledEnabled(true);
    view->setMinOffset(1e6);
    view->setData(std::make_shared<LineChartData>(ChartDataSetList{dataSet}));
    ChartBench::timeDraws(
        state, [&view](QPainter& painter) { view->drawChart(painter); },
        [](const QImage& image) { return lineColoredPixels(image) >= 1000; });
}

// A 1200 x 600 chart of a dashed cubic line through x 0..7 on an axis of 0..10, one of its
// entries at an x of 4e121 and the next at a y of 1e115, as the chart fuzz target found it: Qt's
// reckoning of the length of such a curve, to count its dashes, never ended.
void dashedCurveThroughFarValues(benchmark::State& state)
{
    const auto view = std::make_unique<LineChartView>(QRect(0, 0, 1200, 600));
    ChartDataEntryList entries;
    for (const QPointF& point : {QPointF(0, 2), QPointF(4e121, 2), QPointF(5, 1e115), QPointF(6, 2), QPointF(7, 2)}) {
        entries.append(std::make_shared<ChartDataEntry>(point.x(), point.y()));
    }
    auto dataSet = std::make_shared<LineChartDataSet>(entries, QStringLiteral("PEF"));
    dataSet->setColor(lineColor);
    dataSet->setLineWidth(2);
    dataSet->setMode(LineChartDataSetMode::cubicBezier);
    dataSet->setLineDashLengths(QList<double>{6, 4});
    view->xAxis()->setAxisMinimum(0);
    view->xAxis()->setAxisMaximum(10);
    view->leftAxis()->setAxisMinimum(0);
    view->leftAxis()->setAxisMaximum(10);
    view->setData(std::make_shared<LineChartData>(ChartDataSetList{dataSet}));
    ChartBench::timeDraws(
        state, [&view](QPainter& painter) { view->drawChart(painter); },
        [](const QImage& image) { return lineColoredPixels(image) >= 100; });
}

// Qt Charts' view with one line series of the same points, pen width 2 in the same colour,
// default axes, no legend, antialiased, laid out at 1200 x 600.
void qtCharts(benchmark::State& state)
{
    auto* series = new QLineSeries;
    series->replace(::series(state.range(0)));
    series->setPen(QPen(lineColor, 2));
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->createDefaultAxes();
    chart->legend()->hide();
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(1200, 600);
    chart->resize(1200, 600);
    QImage image = ChartBench::canvas();
    const auto draw = [&view, &image] {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view.render(&painter);
    };
    draw();
    if (chart->plotArea().width() <= 1000 || lineColoredPixels(image) < 1000) {
        state.SkipWithError("Qt Charts did not lay the line out across the image");
        return;
    }
    for (auto _ : state) {
        draw();
        benchmark::DoNotOptimize(image.constBits());
    }
}

}

BENCHMARK(chartEngine)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(chartEngineEverySegment)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(largeMinimumOffset)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(dashedCurveThroughFarValues)->Unit(benchmark::kMillisecond);
BENCHMARK(qtCharts)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
