#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRenderer.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRenderer.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include "ChartBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

using namespace Charts;

namespace {

// An 800 x 600 chart with offsets, as the PEF page lays it out.
std::shared_ptr<ViewPortHandler> pageHandler()
{
    auto handler = std::make_shared<ViewPortHandler>(800, 600);
    handler->restrainViewPort(35, 15, 35, 60);
    return handler;
}

// 30 days across, 50..900 up.
std::shared_ptr<Transformer> pageTransformer(const std::shared_ptr<ViewPortHandler>& handler)
{
    auto transformer = std::make_shared<Transformer>(handler);
    transformer->prepareMatrixValuePx(0, 30, 850, 50);
    transformer->prepareMatrixOffset(false);
    return transformer;
}

// The label values of the PEF page's left axis, fixed at 50..900.
void yAxisLabelValues(benchmark::State& state)
{
    const auto handler = pageHandler();
    auto axis = std::make_shared<YAxis>();
    YAxisRenderer renderer(handler, axis, pageTransformer(handler));
    for (auto _ : state) {
        renderer.computeAxis(50, 900, false);
        benchmark::DoNotOptimize(axis->entryCount());
    }
}

// The label values of an x axis over 30 days with its widest label measured: with the default
// count of 6, and as on the PEF page (a label a day at most, 25 asked for, so 31 labels).
void xAxisLabelValuesAndSizes(benchmark::State& state)
{
    const auto handler = pageHandler();
    auto axis = std::make_shared<XAxis>();
    if (state.range(0) == 1) {
        axis->setGranularity(1.0);
        axis->setLabelCount(25);
    }
    axis->setLabelRotationAngle(-30);
    XAxisRenderer renderer(handler, axis, pageTransformer(handler));
    for (auto _ : state) {
        renderer.computeAxis(0, 30, false);
        benchmark::DoNotOptimize(axis->labelRotatedHeight());
    }
    state.counters["labels"] = double(axis->entryCount());
}

// The label values, labels and grid lines of an x axis over 30 days whose minimum asks for a
// million labels (the axis holds the count to its ceiling), drawn on an 800 x 600 image.
void xAxisAskedForAMillionLabels(benchmark::State& state)
{
    const auto handler = pageHandler();
    auto axis = std::make_shared<XAxis>();
    axis->setAxisMinLabels(1'000'000);
    axis->setLabelCount(6);
    XAxisRenderer renderer(handler, axis, pageTransformer(handler));
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.computeAxis(0, 30, false);
        renderer.renderGridLines(painter);
        renderer.renderAxisLabels(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["labels"] = double(axis->entryCount());
}

}

BENCHMARK(yAxisLabelValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(xAxisLabelValuesAndSizes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(xAxisAskedForAMillionLabels)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
