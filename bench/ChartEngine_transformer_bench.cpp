#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <QPointF>

using namespace Charts;

namespace {

// A zoomed and panned 800 x 600 chart with offsets, x values over 0..1e6 and y over -50..250.
std::shared_ptr<ViewPortHandler> zoomedHandler()
{
    auto handler = std::make_shared<ViewPortHandler>(800, 600);
    handler->restrainViewPort(40, 20, 30, 50);
    handler->refresh(handler->zoomIn(300, -200), nullptr, true);
    return handler;
}

QList<QPointF> series(qsizetype count)
{
    QList<QPointF> points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        points.append({double(i), double(i % 300) - 50});
    }
    return points;
}

// Converts a million value points to pixels in one call, as a renderer does with a data set.
void valuesToPixels(benchmark::State& state)
{
    const qsizetype count = state.range(0);
    Transformer transformer(zoomedHandler());
    transformer.prepareMatrixValuePx(0, double(count), 300, -50);
    transformer.prepareMatrixOffset(false);
    const QList<QPointF> values = series(count);
    QList<QPointF> points = values;

    for (auto _ : state) {
        state.PauseTiming();
        std::copy(values.cbegin(), values.cend(), points.begin());
        state.ResumeTiming();
        transformer.valuesToPixels(points);
        benchmark::DoNotOptimize(points.data());
        benchmark::ClobberMemory();
    }
    state.counters["per_point"] = benchmark::Counter(
        double(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}

BENCHMARK(valuesToPixels)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
