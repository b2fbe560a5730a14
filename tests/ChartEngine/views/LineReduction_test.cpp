#include "ChartEngine/views/LineChartRenderer.h"

#include "LineTestChart.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace Charts;

namespace {

// x = i / 100; y a random walk of step σ 3 held to 100..850, plus noise of σ 15 (a fixed seed).
std::shared_ptr<LineChartDataSet> walk(int count)
{
    std::mt19937 random(20240611);
    std::normal_distribution<double> step(0.0, 3.0);
    std::normal_distribution<double> noise(0.0, 15.0);
    ChartDataEntryList entries;
    entries.reserve(count);
    double level = 475.0;
    for (int i = 0; i < count; ++i) {
        level = std::clamp(level + step(random), 100.0, 850.0);
        entries.append(std::make_shared<ChartDataEntry>(i / 100.0, level + noise(random)));
    }
    return std::make_shared<LineChartDataSet>(entries);
}

// A flat line at 400 with a single-entry spike to 800 at every 97th entry.
std::shared_ptr<LineChartDataSet> spikes(int count)
{
    ChartDataEntryList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        entries.append(std::make_shared<ChartDataEntry>(i / 100.0, i % 97 == 0 ? 800.0 : 400.0));
    }
    return std::make_shared<LineChartDataSet>(entries);
}

// The data set alone on a transparent 1200 x 600 image of a chart with offsets 35/15/35/60,
// over its x range and y 0..1000.
QImage drawnLine(const std::shared_ptr<LineChartDataSet>& dataSet, double pixelRatio, double zoom, bool reduced)
{
    LineTestChart chart({dataSet}, dataSet->xMin(), dataSet->xMax(), 0, 1000, {1200, 600, 35, 15, 35, 60});
    chart.zoomX(zoom, 0);
    LineChartRenderer renderer(&chart, nullptr, chart.handler);
    renderer.setLineReductionEnabled(reduced);
    return paintedChart(chart, [&](QPainter& painter) { renderer.drawData(painter); }, pixelRatio);
}

// Pixels of alpha 128 or more in one image with no such pixel in the other's 3 x 3 neighbourhood.
int unmatchedInk(const QImage& image, const QImage& other)
{
    const auto ink = [](const QImage& picture, int x, int y) {
        return x >= 0 && y >= 0 && x < picture.width() && y < picture.height() && qAlpha(picture.pixel(x, y)) >= 128;
    };
    int unmatched = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!ink(image, x, y)) {
                continue;
            }
            bool matched = false;
            for (int dy = -1; dy <= 1 && !matched; ++dy) {
                for (int dx = -1; dx <= 1 && !matched; ++dx) {
                    matched = ink(other, x + dx, y + dy);
                }
            }
            unmatched += matched ? 0 : 1;
        }
    }
    return unmatched;
}

}

// The reduced drawing of a solid line against the drawing of every segment: where columns hold
// several entries the two masks lie within a pixel of each other; where no column holds more than
// one entry the images are the same.
TEST(LineReduction, ReducedLineIsFaithfulToEverySegment)
{
    struct Case {
        const char* name;
        std::shared_ptr<LineChartDataSet> dataSet;
        double width;
        double pixelRatio;
        double zoom;
        Qt::PenCapStyle cap = Qt::FlatCap;
    };
    const auto walk10k = walk(10000);
    const auto walk100k = walk(100000);
    const auto spikes100k = spikes(100000);
    const auto farSpike = spikes(100000);
    farSpike->entryForIndex(50000)->setY(1e12);
    const std::vector<Case> cases = {
        {"10,000 entries", walk10k, 2, 1, 1},
        {"10,000 entries at ratio 2", walk10k, 1, 2, 1},
        {"100,000 entries", walk100k, 4, 1, 1},
        {"100,000 entries at ratio 2", walk100k, 2, 2, 1},
        {"1,000,000 entries", walk(1000000), 2, 1, 1},
        {"spikes", spikes100k, 1, 1, 1},
        {"spikes at ratio 2", spikes100k, 4, 2, 1},
        {"a value far above the chart", farSpike, 2, 1, 1},
        {"1 to 3 entries a column", walk100k, 2, 1, 40},
        {"1 to 3 entries a device column", walk100k, 1, 2, 30},
        {"square caps", spikes100k, 4, 2, 1, Qt::SquareCap},
        {"round caps", walk10k, 4, 2, 1, Qt::RoundCap},
    };
    for (const Case& c : cases) {
        c.dataSet->setLineWidth(c.width);
        c.dataSet->setLineCapType(c.cap);
        const QImage reduced = drawnLine(c.dataSet, c.pixelRatio, c.zoom, true);
        const QImage everySegment = drawnLine(c.dataSet, c.pixelRatio, c.zoom, false);
        EXPECT_EQ(unmatchedInk(reduced, everySegment), 0) << c.name;
        EXPECT_EQ(unmatchedInk(everySegment, reduced), 0) << c.name;
    }
    // 800 entries over 1130 points: never two in one column.
    const auto sparse = walk(800);
    sparse->setLineWidth(2);
    EXPECT_TRUE(drawnLine(sparse, 1, 1, true) == drawnLine(sparse, 1, 1, false));
}
