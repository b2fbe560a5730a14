#include "ChartEngine/components/Legend.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

using namespace Charts;

namespace {

// Twenty labelled entries, every fourth preceded by a stacked form, as a chart with many data
// sets gives them.
LegendEntryList twentyEntries()
{
    LegendEntryList entries;
    for (int i = 0; i < 20; ++i) {
        if (i % 4 == 3) {
            entries.append(std::make_shared<LegendEntry>(std::nullopt));
        }
        entries.append(std::make_shared<LegendEntry>(QStringLiteral("Data set %1").arg(i + 1)));
    }
    return entries;
}

// The legend of an 800 x 600 chart, whose rows wrap several times.
std::shared_ptr<ViewPortHandler> chartHandler()
{
    auto handler = std::make_shared<ViewPortHandler>(800.0, 600.0);
    handler->restrainViewPort(40.0, 20.0, 40.0, 60.0);
    return handler;
}

// A new legend each time: every label is measured.
void firstLayout(benchmark::State& state)
{
    const LegendEntryList entries = twentyEntries();
    const auto orientation = static_cast<Legend::Orientation>(state.range(0));
    const std::shared_ptr<ViewPortHandler> handler = chartHandler();
    const QFont font = systemFont(10);
    for (auto _ : state) {
        Legend legend(entries);
        legend.setOrientation(orientation);
        legend.calculateDimensions(font, *handler);
        benchmark::DoNotOptimize(legend.neededHeight());
    }
}

// The same legend again, as on every data change and resize of a chart.
void relayout(benchmark::State& state)
{
    Legend legend(twentyEntries());
    legend.setOrientation(static_cast<Legend::Orientation>(state.range(0)));
    const std::shared_ptr<ViewPortHandler> handler = chartHandler();
    const QFont font = systemFont(10);
    for (auto _ : state) {
        legend.calculateDimensions(font, *handler);
        benchmark::DoNotOptimize(legend.neededHeight());
    }
}

}

BENCHMARK(firstLayout)->ArgName("vertical")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(relayout)->ArgName("vertical")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
