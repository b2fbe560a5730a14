// One draw of a 1200 x 600 radar chart of three data sets of 100 entries, whole and by stage; the
// whole draw of one filled set on a 1535 x 1535 view by its entry count, whose time must grow no
// faster than the entries; and that set drawn with its values far outside its axis, with one value
// beyond a coverage mask's reach, with values beyond what a double holds once placed, with a web
// 10,000 points wide, and into a painter without antialiasing.
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/RadarChartData.h"
#include "ChartEngine/data/RadarChartDataEntry.h"
#include "ChartEngine/data/RadarChartDataSet.h"
#include "ChartEngine/types/RadarChartView.h"
#include "ChartEngine/views/DataRenderer.h"

#include "ChartBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <functional>
#include <memory>
#include <random>

using namespace Charts;

namespace {

// Three sets of 100 values 1 + ((i × (3 + set)) mod 7), the first filled; legend off; one value
// highlighted so that the highlight stage has work.
std::unique_ptr<RadarChartView> radarChart()
{
    ChartDataSetList sets;
    for (int set = 0; set < 3; ++set) {
        ChartDataEntryList entries;
        for (int i = 0; i < 100; ++i) {
            entries.append(std::make_shared<RadarChartDataEntry>(1.0 + (i * (3 + set)) % 7));
        }
        auto dataSet = std::make_shared<RadarChartDataSet>(entries, QStringLiteral("Set %1").arg(set));
        dataSet->setDrawFilledEnabled(set == 0);
        dataSet->setDrawHighlightCircleEnabled(true);
        sets.append(dataSet);
    }
    auto view = std::make_unique<RadarChartView>(QRect(0, 0, 1200, 600));
    view->legend()->setEnabled(false);
    view->setData(std::make_shared<RadarChartData>(sets));
    view->highlightValue(std::make_shared<Highlight>(10, 3, 0, 0, 0, AxisDependency::left));
    return view;
}

// One filled set of `count` values 1 + (i mod 7) with a line width of 10 on a 1535 x 1535 view.
std::unique_ptr<RadarChartView> largeRadarChart(int count)
{
    ChartDataEntryList entries;
    for (int i = 0; i < count; ++i) {
        entries.append(std::make_shared<RadarChartDataEntry>(1.0 + i % 7));
    }
    auto dataSet = std::make_shared<RadarChartDataSet>(entries, QStringLiteral("Set"));
    dataSet->setDrawFilledEnabled(true);
    dataSet->setLineWidth(10);
    auto view = std::make_unique<RadarChartView>(QRect(0, 0, 1535, 1535));
    view->setData(std::make_shared<RadarChartData>(ChartDataSetList{dataSet}));
    return view;
}

// Draws the large chart whole on a white 1535 x 1535 image, once an iteration, antialiased unless
// told otherwise.
void drawLarge(benchmark::State& state, RadarChartView& view, bool antialiased = true)
{
    QImage image(1535, 1535, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, antialiased);
        view.drawChart(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void byEntryCount(benchmark::State& state)
{
    const auto view = largeRadarChart(static_cast<int>(state.range(0)));
    drawLarge(state, *view);
    state.SetComplexityN(state.range(0));
}

// The same chart with its radial axis fixed to 0..1, so that all but every seventh value lie up
// to seven times the radius away: only what can be seen is filled and stroked.
void farOutsideTheAxis(benchmark::State& state)
{
    const auto view = largeRadarChart(static_cast<int>(state.range(0)));
    view->yAxis()->setAxisMinimum(0);
    view->yAxis()->setAxisMaximum(1);
    view->notifyDataSetChanged();
    drawLarge(state, *view);
}

// The same chart with its radial axis fixed to 0..8, so that every value lies within the view but
// the first, set to a hundred million: its corner lies some billions of points away, beyond what
// a coverage mask takes.
void oneValueBeyondReach(benchmark::State& state)
{
    const auto view = largeRadarChart(static_cast<int>(state.range(0)));
    view->yAxis()->setAxisMinimum(0);
    view->yAxis()->setAxisMaximum(8);
    view->data()->dataSets().constFirst()->entryForIndex(0)->setY(1e8);
    view->notifyDataSetChanged();
    drawLarge(state, *view);
}

// A set of `count` values on the right axis, 18 % of them ±1e308, ±1e18, ±1e15 or 1e6 and the
// rest 0, 1, 2, ..., filled with a line width of 10, while the axis takes its range from a small
// set of 9 to 1 on the left: a value of 1e308 lies farther out than a double holds, ±1e308 times
// the radius.
void overflowingValues(benchmark::State& state)
{
    const double odd[] = {1e308, -1e308, 1e15, -1e15, 1e18, -1e18, 1e6};
    std::mt19937 random(1);
    ChartDataEntryList entries;
    for (int i = 0; i < state.range(0); ++i) {
        const bool outlier = random() % 100 < 18;
        entries.append(std::make_shared<RadarChartDataEntry>(outlier ? odd[random() % 7] : double(i)));
    }
    auto large = std::make_shared<RadarChartDataSet>(entries, QStringLiteral("Large"));
    large->setLineWidth(10);
    large->setDrawFilledEnabled(true);
    large->setAxisDependency(AxisDependency::right);
    ChartDataEntryList small;
    for (int i = 9; i >= 1; --i) {
        small.append(std::make_shared<RadarChartDataEntry>(i));
    }
    auto view = std::make_unique<RadarChartView>(QRect(0, 0, 1535, 1535));
    view->setData(std::make_shared<RadarChartData>(
        ChartDataSetList{large, std::make_shared<RadarChartDataSet>(small, QStringLiteral("Small"))}));
    drawLarge(state, *view);
}

// The set of `count` values with its web drawn 10,000 points wide, spokes and rings, the axis
// forced to 25 labels: thousands of translucent lines, each over much of the view, each inked on
// its own, as the chart fuzz target found it.
void webWiderThanTheView(benchmark::State& state)
{
    const auto view = largeRadarChart(static_cast<int>(state.range(0)));
    view->setWebLineWidth(10000);
    view->setInnerWebLineWidth(10000);
    view->yAxis()->setLabelCount(25, true);
    view->notifyDataSetChanged();
    drawLarge(state, *view);
}

// The chart far outside its axis drawn into a plain painter, without antialiasing: no coverage
// masks, Qt's own fill and stroke.
void farOutsideTheAxisPlainPainter(benchmark::State& state)
{
    const auto view = largeRadarChart(static_cast<int>(state.range(0)));
    view->yAxis()->setAxisMinimum(0);
    view->yAxis()->setAxisMaximum(1);
    view->notifyDataSetChanged();
    drawLarge(state, *view, false);
}

void timed(benchmark::State& state, const std::function<void(RadarChartView&, QPainter&)>& draw)
{
    const auto view = radarChart();
    QImage image = ChartBench::canvas();
    {
        // Lays the chart out once, untimed.
        QPainter painter(&image);
        view->drawChart(painter);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(*view, painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void wholeChart(benchmark::State& state)
{
    timed(state, [](RadarChartView& view, QPainter& painter) { view.drawChart(painter); });
}

void drawData(benchmark::State& state)
{
    timed(state, [](RadarChartView& view, QPainter& painter) { view.renderer()->drawData(painter); });
}

void drawExtras(benchmark::State& state)
{
    timed(state, [](RadarChartView& view, QPainter& painter) { view.renderer()->drawExtras(painter); });
}

void drawValues(benchmark::State& state)
{
    timed(state, [](RadarChartView& view, QPainter& painter) { view.renderer()->drawValues(painter); });
}

void drawHighlighted(benchmark::State& state)
{
    timed(state, [](RadarChartView& view, QPainter& painter) {
        view.renderer()->drawHighlighted(painter, view.highlighted());
    });
}

}

BENCHMARK(wholeChart)->Unit(benchmark::kMillisecond);
BENCHMARK(drawData)->Unit(benchmark::kMillisecond);
BENCHMARK(drawExtras)->Unit(benchmark::kMillisecond);
BENCHMARK(drawValues)->Unit(benchmark::kMillisecond);
BENCHMARK(drawHighlighted)->Unit(benchmark::kMillisecond);
BENCHMARK(farOutsideTheAxis)->Arg(2000)->Arg(7000)->Unit(benchmark::kMillisecond);
BENCHMARK(oneValueBeyondReach)->Arg(2000)->Arg(7000)->Unit(benchmark::kMillisecond);
BENCHMARK(overflowingValues)->Arg(7000)->Unit(benchmark::kMillisecond);
BENCHMARK(webWiderThanTheView)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(farOutsideTheAxisPlainPainter)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(byEntryCount)
    ->RangeMultiplier(2)
    ->Range(875, 7000)
    ->Arg(2000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
