#include "ChartEngine/data/LineChartDataSet.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>
#include <random>

using namespace Charts;

namespace {

constexpr qint64 entryCount = 1'000'000;
constexpr double noY = std::numeric_limits<double>::quiet_NaN();

// Two readings a day with a wandering value, as a long reading history. The steps come from a
// small xorshift generator so that making the values costs little next to making the entries.
ChartDataEntryList makeEntries(qint64 count)
{
    std::uint32_t state = 2463534242u;
    ChartDataEntryList list;
    list.reserve(count);
    double value = 450;
    for (qint64 i = 0; i < count; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        value += double(state % 21) - 10.0;
        list.append(std::make_shared<ChartDataEntry>(double(i) * 0.5, value));
    }
    return list;
}

const LineChartDataSet& sharedSet()
{
    static const LineChartDataSet set(makeEntries(entryCount));
    return set;
}

// As the renderers search: x values that increase across the whole set, one search each.
void searchIncreasingX(benchmark::State& state)
{
    const LineChartDataSet& set = sharedSet();
    const double span = set.xMax() - set.xMin();
    const double stride = span / 4099.0;
    double x = set.xMin();
    for (auto _ : state) {
        benchmark::DoNotOptimize(set.entryIndex(x, noY, ChartDataSetRounding::closest));
        x += stride;
        if (x > set.xMax()) {
            x -= span;
        }
    }
}

// The same with the closest-y refinement of a touch.
void searchIncreasingXClosestToY(benchmark::State& state)
{
    const LineChartDataSet& set = sharedSet();
    const double span = set.xMax() - set.xMin();
    const double stride = span / 4099.0;
    double x = set.xMin();
    for (auto _ : state) {
        benchmark::DoNotOptimize(set.entryIndex(x, 450.0, ChartDataSetRounding::closest));
        x += stride;
        if (x > set.xMax()) {
            x -= span;
        }
    }
}

// x values in no order: each search starts cold.
void searchRandomX(benchmark::State& state)
{
    const LineChartDataSet& set = sharedSet();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> pick(set.xMin(), set.xMax());
    std::vector<double> xs(1 << 16);
    for (double& x : xs) {
        x = pick(random);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set.entryIndex(xs[i], noY, ChartDataSetRounding::closest));
        i = (i + 1) & (xs.size() - 1);
    }
}

// Making the entries, putting them in a line data set and computing its bounds.
void buildLineDataSet(benchmark::State& state)
{
    for (auto _ : state) {
        LineChartDataSet set(makeEntries(state.range(0)), QStringLiteral("PEF"));
        benchmark::DoNotOptimize(set.yMax());
    }
}

}

BENCHMARK(searchIncreasingX);
BENCHMARK(searchIncreasingXClosestToY);
BENCHMARK(searchRandomX);
BENCHMARK(buildLineDataSet)->Arg(entryCount)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
