// One draw of a never-shown candlestick chart of 1,000 candles against Qt Charts drawing the same
// candles.
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/types/CandleStickChartView.h"

#include "QtChartsBenchSupport.h"

#include <benchmark/benchmark.h>

#include <QCandlestickSeries>
#include <QCandlestickSet>
#include <QChart>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <random>

using namespace Charts;

namespace {

constexpr qint64 candleCount = 1000;
const QColor rising(0, 150, 60);
const QColor falling(200, 30, 30);
const QColor wick(90, 90, 90);
constexpr double wickWidth = 1.5;

struct Candle {
    double open;
    double high;
    double low;
    double close;
};

// Candle i opens where candle i - 1 closed, moves by a step of σ 3 and reaches up to 4 beyond
// its body on each side (a fixed seed).
const QList<Candle>& candles()
{
    static const QList<Candle> made = [] {
        std::mt19937 random(20240611);
        std::normal_distribution<double> step(0.0, 3.0);
        std::uniform_real_distribution<double> reach(0.0, 4.0);
        QList<Candle> list;
        double close = 100.0;
        for (qint64 i = 0; i < candleCount; ++i) {
            const double open = close;
            close = open + step(random);
            list.append({open, std::max(open, close) + reach(random), std::min(open, close) - reach(random), close});
        }
        return list;
    }();
    return made;
}

// Pixels of either body colour, give or take the antialiasing.
qint64 candlePixels(const QImage& image)
{
    return ChartBench::countPixels(image, [](QRgb pixel) {
        return std::abs(qGreen(pixel) - qRed(pixel)) > 80 && qBlue(pixel) < 120;
    });
}

bool drewCandles(const QImage& image)
{
    return candlePixels(image) > 2000;
}

// The engine's defaults (axes, grid, x labels at the top, values off at this many entries, shadow
// 1.5 wide, bodies 0.8 wide) with both directions filled, grey shadows and no legend.
void chartEngine(benchmark::State& state)
{
    ChartDataEntryList entries;
    entries.reserve(candleCount);
    for (qint64 i = 0; i < candleCount; ++i) {
        const Candle& c = candles().at(i);
        entries.append(std::make_shared<CandleChartDataEntry>(double(i), c.high, c.low, c.open, c.close));
    }
    auto dataSet = std::make_shared<CandleChartDataSet>(entries, QStringLiteral("PEF"));
    dataSet->setIncreasingColor(rising);
    dataSet->setDecreasingColor(falling);
    dataSet->setIncreasingFilled(true);
    dataSet->setShadowColor(wick);
    dataSet->setShadowWidth(wickWidth);
    CandleStickChartView view(QRect(0, 0, 1200, 600));
    view.legend()->setEnabled(false);
    view.setData(std::make_shared<CandleChartData>(ChartDataSetList{dataSet}));
    ChartBench::timeDraws(state, [&](QPainter& painter) { view.drawChart(painter); }, drewCandles);
}

// Qt Charts: one candlestick series of the same candles, bodies 0.8 wide (no minimum width in
// pixels) in the same colours without an outline, the same shadows, value axes over the
// candles, no legend, no animation.
void qtCharts(benchmark::State& state)
{
    auto* series = new QCandlestickSeries;
    series->setIncreasingColor(rising);
    series->setDecreasingColor(falling);
    series->setBodyWidth(0.8);
    series->setMinimumColumnWidth(-1);
    series->setBodyOutlineVisible(false);
    series->setPen(QPen(wick, wickWidth));
    double low = candles().front().low;
    double high = candles().front().high;
    for (qint64 i = 0; i < candleCount; ++i) {
        const Candle& c = candles().at(i);
        series->append(new QCandlestickSet(c.open, c.high, c.low, c.close, double(i)));
        low = std::min(low, c.low);
        high = std::max(high, c.high);
    }
    QChart chart;
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.addSeries(series);
    auto* xAxis = new QValueAxis;
    xAxis->setRange(-0.5, double(candleCount) - 0.5);
    chart.addAxis(xAxis, Qt::AlignBottom);
    series->attachAxis(xAxis);
    auto* yAxis = new QValueAxis;
    yAxis->setRange(low, high);
    chart.addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(yAxis);
    chart.legend()->hide();
    ChartBench::timeQtChartDraws(state, chart, drewCandles);
}

}

BENCHMARK(chartEngine)->Unit(benchmark::kMillisecond);
BENCHMARK(qtCharts)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return ChartBench::runBenchmarks(argc, argv);
}
