#include "ChartEngine/foundation/DataApproximator.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <QPointF>

#include <cmath>
#include <random>

using namespace Charts;

namespace {

// A measured-looking series: a slow wave with a random walk and noise on top, fixed seed.
QList<QPointF> noisySeries(qsizetype count)
{
    std::mt19937 random(20240611);
    std::normal_distribution<double> step(0, 1);
    QList<QPointF> points;
    points.reserve(count);
    double walk = 0;
    for (qsizetype i = 0; i < count; ++i) {
        walk += step(random);
        points.append({double(i), 400 + 80 * std::sin(double(i) / 5000) + walk + 3 * step(random)});
    }
    return points;
}

// Down to a wanted number of points: 100,000 down to 1,000.
void reduceToCount(benchmark::State& state)
{
    const QList<QPointF> points = noisySeries(state.range(0));
    for (auto _ : state) {
        QList<QPointF> kept = DataApproximator::reduceWithDouglasPeukerN(points, 1000);
        benchmark::DoNotOptimize(kept.data());
    }
}

// By tolerance, chosen so that about a thousand points remain.
void reduceWithTolerance(benchmark::State& state)
{
    const QList<QPointF> points = noisySeries(state.range(0));
    qsizetype kept = 0;
    for (auto _ : state) {
        const QList<QPointF> result = DataApproximator::reduceWithDouglasPeuker(points, 16);
        kept = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["kept"] = double(kept);
}

}

BENCHMARK(reduceToCount)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(reduceWithTolerance)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
