#pragma once

// What the chart drawing benchmarks share: the image they draw into, a count of the pixels a
// chart inked (a run that drew nothing is an error, not a fast result), and their main.

#include <QApplication>
#include <QImage>
#include <QLocale>

#include <QPainter>

#include <benchmark/benchmark.h>

namespace ChartBench {

// A white 1200 x 600 image, ARGB32 premultiplied.
inline QImage canvas()
{
    QImage image(1200, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The number of pixels for which `counts` holds.
template <typename Predicate>
qint64 countPixels(const QImage& image, Predicate counts)
{
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            count += counts(line[x]) ? 1 : 0;
        }
    }
    return count;
}

// Times `draw` into one canvas, antialiased, again and again; first checks on one draw that
// `drewEnough` holds for the picture (a run that drew nothing is an error, not a fast result).
template <typename Draw, typename Check>
void timeDraws(benchmark::State& state, Draw draw, Check drewEnough)
{
    QImage image = canvas();
    const auto once = [&] {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        draw(painter);
    };
    once();
    if (!drewEnough(image)) {
        state.SkipWithError("the chart was not drawn");
        return;
    }
    for (auto _ : state) {
        once();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Runs the registered benchmarks offscreen, in the English locale.
inline int runBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}
