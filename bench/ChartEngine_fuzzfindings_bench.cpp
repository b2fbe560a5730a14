// One draw of each chart the chart fuzz target found slow, replayed from its seed in
// fuzz/seeds/chart as the target builds and draws it: through the engine's public API alone.
#include "fuzz/ChartFuzzChecks.h"

#include "ChartBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

// The seed's bytes; an error for the benchmark where it cannot be read.
QByteArray seed(benchmark::State& state, const char* name)
{
    QFile file(QStringLiteral(FUZZ_SEEDS_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the seed cannot be read");
        return {};
    }
    return file.readAll();
}

void replay(benchmark::State& state, const char* name)
{
    const QByteArray bytes = seed(state, name);
    if (bytes.isEmpty()) {
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(FuzzChecks::chartDrawing(bytes));
    }
}

}

// A pie's value lines 10,000 points wide passing the view from 1e133 points away.
BENCHMARK_CAPTURE(replay, pieValueLinesHugePen, "7abeb99ba495676461fbad7d6b7c2178bba91929")->Unit(benchmark::kMillisecond);
// Radars whose web lines are 1,000 to 10,000 points wide.
BENCHMARK_CAPTURE(replay, radarWebWide, "71d2e97becea53aed330d9c02c9b4241670b9cbd")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(replay, radarWebWideThreeSets, "1bfc0b4b45aa044366a133fca4747a0fc43fb937")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(replay, radarWebWideTallView, "b3d2ae034ab292130539c770b110af44704b43c0")->Unit(benchmark::kMillisecond);
// Pies whose centre text is clipped to a hole of nearly a million points beside the view.
BENCHMARK_CAPTURE(replay, pieCentreTextHugeHole, "4452cece0284cf277e81c3326222f60633d06628")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(replay, pieCentreTextHugeHoleNegative, "8ef045b13eaf3876adeb20c68161eed73231b2f7")->Unit(benchmark::kMillisecond);
// A combined chart's dashed cubic line through values of 1e115 and more.
BENCHMARK_CAPTURE(replay, dashedCurveFarValues, "3c6fcc97344f456c9333f51df0ae246d8db36e12")->Unit(benchmark::kMillisecond);
// A small radar whose corners lie 1e300 times its radius beyond the view.
BENCHMARK_CAPTURE(replay, radarCornersFarSmallView, "53d96a7cb0bf1af7aa3e8d684ccef6a8fe0a8beb")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
