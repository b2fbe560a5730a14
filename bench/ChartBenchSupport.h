#pragma once

// What the chart drawing benchmarks share: the image they draw into, a count of the pixels a
// chart inked (a run that drew nothing is an error, not a fast result), and their main.

#include <QApplication>
#include <QImage>
#include <QLocale>

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
