// A screen reader's walk over a chart's elements: each element's state, selected or not, with one
// entry highlighted. The walk grows with the element count, not with its square.
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/views/LineChartView.h"

#include "ChartBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QPainter>

#include <memory>

using namespace Charts;

namespace {

// A 1200 x 600 line chart of N entries, all drawn, its middle entry highlighted.
std::unique_ptr<LineChartView> highlightedChart(qint64 count)
{
    ChartDataEntryList entries;
    entries.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        entries << std::make_shared<ChartDataEntry>(double(i), double(300 + (i * 37) % 200));
    }
    auto view = std::make_unique<LineChartView>(QRect(0, 0, 1200, 600));
    view->setData(std::make_shared<LineChartData>(ChartDataSetList{std::make_shared<LineChartDataSet>(entries, "PEF")}));
    view->setMaxVisibleCount(count + 1);
    view->highlightValue(view->highlightForEntry(0, count / 2));
    QImage image = ChartBench::canvas();
    QPainter painter(&image);
    view->drawChart(painter);
    return view;
}

void stateWalk(benchmark::State& state)
{
    const auto view = highlightedChart(state.range(0));
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view.get());
    const int children = chart->childCount();
    if (children < state.range(0)) {
        state.SkipWithError("not every entry has its element");
        return;
    }
    for (auto _ : state) {
        int selected = 0;
        for (int i = 0; i < children; ++i) {
            selected += chart->child(i)->state().selected ? 1 : 0;
        }
        if (selected != 1) {
            state.SkipWithError("the highlighted entry is not the one selected element");
            return;
        }
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * children);
}

}

BENCHMARK(stateWalk)->RangeMultiplier(4)->Range(1000, 16000)->Complexity()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
