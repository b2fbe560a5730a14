// One draw of a never-shown 1200 x 600 pie chart against Qt Charts drawing the same slices, and
// the renderer's four stages each alone; a pie far from its view and one whose value lines are
// drawn with a huge pen.
#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/data/PieChartDataSet.h"
#include "ChartEngine/foundation/ChartColorTemplates.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/types/PieChartView.h"
#include "ChartEngine/views/DataRenderer.h"

#include "ChartBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPieSeries>
#include <QPieSlice>

#include <cmath>
#include <functional>
#include <numbers>

using namespace Charts;

namespace {

double sliceValue(qint64 i)
{
    return 1.0 + double(i % 5);
}

// Pixels that are not white: the pie has been drawn when there are many.
qint64 inkedPixels(const QImage& image)
{
    return ChartBench::countPixels(image, [](QRgb pixel) { return pixel != 0xffffffff; });
}

// The defaults (hole, ring, values inside, no entry labels), no legend, one data set of `count`
// slices in the template's colours.
std::unique_ptr<PieChartView> pieChart(qint64 count, bool values)
{
    auto view = std::make_unique<PieChartView>(QRect(0, 0, 1200, 600));
    view->legend()->setEnabled(false);
    view->setDrawEntryLabelsEnabled(false);
    ChartDataEntryList entries;
    entries.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        entries.append(std::make_shared<PieChartDataEntry>(sliceValue(i)));
    }
    auto dataSet = std::make_shared<PieChartDataSet>(entries, QStringLiteral("Slices"));
    dataSet->setColors(ChartColorTemplates::joyful());
    dataSet->setDrawValuesEnabled(values);
    view->setData(std::make_shared<PieChartData>(ChartDataSetList{dataSet}));
    return view;
}

// Draws into one image again and again; first checks that the draw leaves ink, unless asked not
// to (a stage that draws white over white).
void drawLoop(benchmark::State& state, const std::function<void(QPainter&)>& draw, bool checkInk = true)
{
    QImage image = ChartBench::canvas();
    const auto once = [&] {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        draw(painter);
    };
    once();
    if (checkInk && inkedPixels(image) < 1000) {
        state.SkipWithError("nothing was drawn");
        return;
    }
    for (auto _ : state) {
        once();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The chart that Qt Charts draws alike: no ring about the hole and the hole left unpainted, as
// Qt Charts leaves its hole.
std::unique_ptr<PieChartView> pieChartAsQtCharts(qint64 count, bool values)
{
    auto view = pieChart(count, values);
    view->setHoleColor(std::nullopt);
    view->setTransparentCircleColor(std::nullopt);
    return view;
}

// The whole chart, values on (1) or off (0).
void chartEngine(benchmark::State& state)
{
    const auto view = pieChartAsQtCharts(state.range(0), state.range(1) != 0);
    drawLoop(state, [&](QPainter& painter) { view->drawChart(painter); });
}

// The whole chart of 40 slices without a hole whose selection shift is -2,000,000: the view holds
// the shift to the pie's radius and fills only what lies within the view.
void farSelectionShift(benchmark::State& state)
{
    const auto view = pieChart(40, false);
    view->setDrawHoleEnabled(false);
    std::dynamic_pointer_cast<PieChartDataSet>(view->data()->dataSets().first())->setSelectionShift(-2'000'000);
    view->notifyDataSetChanged();
    drawLoop(state, [&](QPainter& painter) { view->drawChart(painter); });
}

// The whole chart of 14 slices with their values outside, on a 791 x 459 view drawn at twice the
// pixels, as the chart fuzz target found it: the value lines drawn with a pen 10,000 points wide,
// their first part starting some 1e130 radii away and both parts 1,478 radii long the wrong way,
// so that each line passes the view at hundreds of thousands of points. Only the pen's outline
// within the view is filled.
void hugeValueLinePen(benchmark::State& state)
{
    auto view = pieChart(14, true);
    view->setFrame(QRect(0, 0, 791, 459));
    view->setDrawHoleEnabled(false);
    view->setMaxAngle(90);
    view->setRotationAngle(229.5);
    view->setExtraOffsets(-1478, -1478, -1478, -1478);
    auto dataSet = std::dynamic_pointer_cast<PieChartDataSet>(view->data()->dataSets().first());
    dataSet->setYValuePosition(PieChartValuePosition::outsideSlice);
    dataSet->setValueLineWidth(10000);
    dataSet->setValueLinePart1OffsetPercentage(6.3e130);
    dataSet->setValueLinePart1Length(-1478);
    dataSet->setValueLinePart2Length(-1478);
    view->notifyDataSetChanged();
    QImage image(QSize(791, 459) * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view->drawChart(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A pie of 1,000 slices with texts, drawn once so that it is laid out.
std::unique_ptr<PieChartView> laidOutPie()
{
    auto view = pieChart(1000, true);
    QImage image = ChartBench::canvas();
    QPainter layout(&image);
    view->drawChart(layout);
    return view;
}

// One renderer stage alone on the laid-out view: 0 data, 1 highlighted (one slice), 2 extras,
// 3 values.
void chartEngineStage(benchmark::State& state)
{
    const auto view = laidOutPie();
    const auto renderer = view->renderer();
    const HighlightList highlights = {std::make_shared<Highlight>(3, 4, 0, -1)};
    view->setHighlighted(highlights);
    const std::function<void(QPainter&)> stages[] = {
        [&](QPainter& painter) { renderer->drawData(painter); },
        [&](QPainter& painter) { renderer->drawHighlighted(painter, highlights); },
        [&](QPainter& painter) { renderer->drawExtras(painter); },
        [&](QPainter& painter) { renderer->drawValues(painter); },
    };
    drawLoop(state, stages[state.range(0)], state.range(0) == 0);
}

// What a reader pays: the data stage of 1,000 slices followed by the first read of the elements,
// which describes the header and every slice.
void chartEngineDataAndRead(benchmark::State& state)
{
    const auto view = laidOutPie();
    const auto renderer = view->renderer();
    drawLoop(state, [&](QPainter& painter) {
        renderer->drawData(painter);
        if (renderer->accessibleChartElements().size() != 1001) {
            state.SkipWithError("not every slice has its element");
        }
    });
}

// What the elements cost: 1,000 slice elements with their label, framed by their slice's path.
void sliceElements(benchmark::State& state)
{
    const auto view = pieChart(1000, true);
    const auto formatter = view->data()->dataSets().first()->valueFormatter();
    const QRectF box(320, 20, 560, 560);
    for (auto _ : state) {
        QList<std::shared_ptr<NSUIAccessibilityElement>> elements;
        for (int i = 0; i < 1000; ++i) {
            QPainterPath path;
            path.moveTo(box.center());
            path.arcTo(box, -0.36 * i, -0.36);
            path.closeSubpath();
            auto element = std::make_shared<NSUIAccessibilityElement>(view.get());
            element->setAccessibilityLabel(QStringLiteral(" : ") + formatter->stringForValue(sliceValue(i), nullptr, i, nullptr));
            element->setAccessibilityFrame(path.boundingRect());
            elements.append(element);
        }
        benchmark::DoNotOptimize(elements.constData());
    }
}

// Qt Charts: one pie series of the same values in the same colours without borders (the
// engine's slices have none), the engine's radius and hole, no legend, no animation, no margins,
// labels on (1) or off (0): the engine's value texts in its value font and colour, level and
// inside their slices; laid out by one untimed render, then rendered through the scene.
void qtCharts(benchmark::State& state)
{
    // The engine's radius, as a share of Qt Charts' largest (half its plot area's smaller side).
    const auto engine = pieChartAsQtCharts(1, true);
    QImage scratch = ChartBench::canvas();
    QPainter layout(&scratch);
    engine->drawChart(layout);
    layout.end();
    const double radius = engine->radius();
    const auto engineSet = engine->data()->dataSets().first();
    const auto formatter = engineSet->valueFormatter();
    const bool labels = state.range(1) != 0;
    auto* series = new QPieSeries;
    for (qint64 i = 0; i < state.range(0); ++i) {
        auto* slice = series->append(formatter->stringForValue(sliceValue(i), nullptr, 0, nullptr), sliceValue(i));
        slice->setColor(engineSet->colorAtIndex(i));
        slice->setPen(Qt::NoPen);
        slice->setLabelFont(engineSet->valueFont());
        slice->setLabelColor(engineSet->valueTextColorAt(i));
        slice->setLabelPosition(QPieSlice::LabelInsideHorizontal);
    }
    series->setLabelsVisible(labels);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(0, 0, 0, 0));
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setGeometry(0, 0, 1200, 600);
    QPainter qtLayout(&scratch);
    scene.render(&qtLayout, QRectF(0, 0, 1200, 600), QRectF(0, 0, 1200, 600));
    qtLayout.end();
    const QRectF plotArea = chart->plotArea();
    // Qt Charts measures the hole against the plot area too.
    const double pieSize = radius / (std::min(plotArea.width(), plotArea.height()) / 2);
    series->setPieSize(pieSize);
    series->setHoleSize(pieSize * engine->holeRadiusPercent());
    drawLoop(state, [&](QPainter& painter) {
        scene.render(&painter, QRectF(0, 0, 1200, 600), QRectF(0, 0, 1200, 600));
    });
}

}

BENCHMARK(chartEngine)->Args({1000, 1})->Args({1000, 0})->Args({100, 1})->Args({100, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(farSelectionShift)->Unit(benchmark::kMillisecond);
BENCHMARK(hugeValueLinePen)->Unit(benchmark::kMillisecond);
BENCHMARK(chartEngineStage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(chartEngineDataAndRead)->Unit(benchmark::kMillisecond);
BENCHMARK(sliceElements)->Unit(benchmark::kMillisecond);
BENCHMARK(qtCharts)->Args({1000, 1})->Args({1000, 0})->Args({100, 1})->Args({100, 0})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
