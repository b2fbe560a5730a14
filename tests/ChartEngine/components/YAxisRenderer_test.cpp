#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRenderer.h"

#include "AxisTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Charts {
namespace {

using AxisTest::chartHandler;
using AxisTest::chartTransformer;

TEST(YAxisRenderer, ComputeAxisTakesTheVisibleRangeFromTheRightEdges)
{
    const struct {
        bool inverted;
        double contentWidth;
        QList<double> entries;
    } cases[] = {
        {false, 330, {0, 10, 20, 30, 40, 50}},
        {true, 330, {0, 10, 20, 30, 40, 50}},
        // A content area 10 wide keeps the given range, zoomed or not.
        {false, 10, {0, 20, 40, 60, 80, 100}},
    };
    for (const auto& c : cases) {
        const auto handler = chartHandler();
        handler->restrainViewPort(40, 20, 360 - c.contentWidth, 50);
        handler->refresh(handler->zoom(1.0, 2.0), nullptr, true);
        auto axis = std::make_shared<YAxis>();
        YAxisRenderer renderer(handler, axis, chartTransformer(handler, 0, 1, 0, 100, c.inverted));
        renderer.computeAxis(0, 100, c.inverted);
        EXPECT_EQ(axis->entries(), c.entries);
    }
}

TEST(YAxisRenderer, WithoutATransformerValuesAreComputedButNothingIsDrawn)
{
    auto axis = std::make_shared<YAxis>();
    axis->setDrawZeroLineEnabled(true);
    axis->addLimitLine(std::make_shared<ChartLimitLine>(50.0, QStringLiteral("limit")));
    YAxisRenderer renderer(chartHandler(), axis, nullptr);
    renderer.computeAxis(0, 100, false);
    EXPECT_EQ(axis->entryCount(), 6);

    const QImage image = AxisTest::painted([&](QPainter& painter) {
        renderer.renderAxisLabels(painter);
        renderer.renderGridLines(painter);
        renderer.renderLimitLines(painter);
    });
    EXPECT_EQ(image, ImageInk::whiteCanvas());
}

TEST(YAxisRenderer, LimitLineLabelStandsBesideTheLineInsideTheContent)
{
    // The line at y 100 stands at pixel 150; the label is 4 + xOffset 5 inside the content's
    // left or right edge, its far edge lineWidth 2 + yOffset 5 away from the line.
    const double lineHeight = fontLineHeight(systemFont(13));
    AxisTest::expectLimitLineLabelsAt<YAxis, YAxisRenderer>({
        {ChartLimitLine::LabelPosition::leftTop, {49, 143 - lineHeight}, TextAlignment::Left},
        {ChartLimitLine::LabelPosition::leftBottom, {49, 157}, TextAlignment::Left},
        {ChartLimitLine::LabelPosition::rightTop, {361, 143 - lineHeight}, TextAlignment::Right},
        {ChartLimitLine::LabelPosition::rightBottom, {361, 157}, TextAlignment::Right},
    });
}

// The zone bands of a PEF chart for best value B over an axis fixed at 50..900.
QList<ZoneBand> pefBands(double best)
{
    return {{50.0, 0.6 * best, QColor(255, 99, 132, 178)},
            {0.6 * best, 0.8 * best, QColor(255, 205, 86, 178)},
            {0.8 * best, 900.0, QColor(75, 192, 192, 128)}};
}

// A variant whose own zone bands would paint nothing: the grid pass never calls it.
class OwnBandsYAxisRenderer : public YAxisRenderer {
public:
    using YAxisRenderer::YAxisRenderer;
    void drawGridLinesBackground(QPainter&) override { ++calls; }
    int calls = 0;
};

QImage zoneBands(QList<ZoneBand> bands, int* variantCalls = nullptr)
{
    const auto handler = chartHandler();
    auto axis = std::make_shared<YAxis>();
    axis->setDrawGridLinesBackgroungEnabled(true);
    axis->setBackgroundLimit(std::move(bands));
    OwnBandsYAxisRenderer renderer(handler, axis, chartTransformer(handler, 0, 1, 50, 900));
    const QImage image =
        AxisTest::painted([&](QPainter& painter) { renderer.renderGridLines(painter); });
    if (variantCalls) {
        *variantCalls = renderer.calls;
    }
    return image;
}

bool isNear(QRgb actual, QColor expected)
{
    return std::abs(qRed(actual) - expected.red()) <= 2
        && std::abs(qGreen(actual) - expected.green()) <= 2
        && std::abs(qBlue(actual) - expected.blue()) <= 2;
}

TEST(YAxisRenderer, ZoneBandsFillTheirValueRangesAcrossTheContent)
{
    // Best value 450: red 50..270, yellow 270..360, green 360..900; one value is 230/850 px.
    int variantCalls = 0;
    const QImage image = zoneBands(pefBands(450), &variantCalls);
    EXPECT_EQ(variantCalls, 0);
    const QColor red(255, 146, 169);
    const QColor yellow(255, 220, 137);
    const QColor green(165, 224, 224);
    const struct {
        int x;
        int y;
        QColor colour;
    } pixels[] = {
        {41, 249, red}, {200, 220, red}, {369, 192, red},
        {200, 178, yellow}, {200, 159, green}, {200, 21, green},
        {39, 200, Qt::white}, {371, 200, Qt::white}, {200, 19, Qt::white}, {200, 251, Qt::white},
    };
    for (const auto& p : pixels) {
        SCOPED_TRACE(testing::Message() << "pixel " << p.x << ", " << p.y);
        EXPECT_TRUE(isNear(image.pixel(p.x, p.y), p.colour))
            << testing::PrintToString(QColor(image.pixel(p.x, p.y)));
    }
}

TEST(YAxisRenderer, ZoneBandsBelowTheAxisNeverPaintTheMargins)
{
    // Best value 60: 50..36 and 36..48 lie below the axis minimum, 48..900 starts below it. A
    // band with an edge that is not finite is skipped.
    QList<ZoneBand> bands = pefBands(60);
    bands.append({std::numeric_limits<double>::infinity(), 500.0, Qt::black});
    bands.append({100.0, std::numeric_limits<double>::quiet_NaN(), Qt::black});
    const QImage image = zoneBands(bands);
    const QRect content(40, 20, 330, 230);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool painted = content.contains(x, y);
            const QRgb pixel = image.pixel(x, y);
            if (painted ? !isNear(pixel, QColor(165, 224, 224)) : pixel != qRgb(255, 255, 255)) {
                ADD_FAILURE() << "pixel " << x << ", " << y << " is "
                              << testing::PrintToString(QColor(pixel));
                return;
            }
        }
    }
}

}
}
