#include "ChartEngine/components/YAxisRendererHorizontalBarChart.h"

#include "ChartEngine/components/YAxis.h"

#include "AxisTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace Charts::AxisTest;

namespace {

// The ink of the axis's labels at values 0, 100 and 200 (x 40, 140 and 240).
QRect labelInk(AxisDependency side, YAxis::LabelPosition position, double labelXOffset)
{
    auto axis = std::make_shared<YAxis>(side);
    axis->setLabelPosition(position);
    axis->setLabelXOffset(labelXOffset);
    axis->setEntries({0, 100, 200});
    const auto handler = chartHandler();
    YAxisRendererHorizontalBarChart renderer(handler, axis, chartTransformer(handler, 0, 330, 0, 230));
    return inkBounds(painted([&](QPainter& painter) { renderer.renderAxisLabels(painter); }));
}

}

TEST(YAxisRendererHorizontalBarChart, LabelsStandAboveOrBelowTheContentWhateverTheirPosition)
{
    using P = YAxis::LabelPosition;
    const QRect left = labelInk(AxisDependency::left, P::outside, 0);
    const double lineHeight = fontLineHeight(YAxis(AxisDependency::left).labelFont());
    // Content y 20..250: the left axis's label boxes end 2.5 + y offset above it.
    EXPECT_LT(left.bottom(), 20 - 2.5);
    EXPECT_EQ(labelInk(AxisDependency::left, P::inside, 0), left);
    EXPECT_EQ(labelInk(AxisDependency::left, P::outside, 3), left.translated(0, 3));
    EXPECT_EQ(labelInk(AxisDependency::right, P::outside, 0),
              left.translated(0, int(std::lround(250 + 2.5 - (20 - 2.5 - lineHeight)))));
}

TEST(YAxisRendererHorizontalBarChart, TheZeroLineStandsOnePixelLeftOfZero)
{
    auto axis = std::make_shared<YAxis>(AxisDependency::left);
    axis->setZeroLineColor(QColor(Qt::black));
    axis->setZeroLineWidth(2);
    const auto handler = chartHandler();
    // x -165..165: value 0 at pixel 205.
    YAxisRendererHorizontalBarChart renderer(handler, axis, chartTransformer(handler, -165, 165, 0, 230));
    const QImage image = painted([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.drawZeroLine(painter);
    });
    EXPECT_EQ(inkBounds(image), QRect(203, 20, 2, 230));
}

TEST(YAxisRendererHorizontalBarChart, LimitLineLabelsStandBesideTheLine)
{
    // The line at value 100 lies at x 140.
    const ChartLimitLine line;
    const double lineHeight = fontLineHeight(systemFont(13));
    const double xOffset = line.lineWidth() + line.xOffset();
    const double top = 20 + line.yOffset() + 2;
    const double bottom = 250 - lineHeight - line.yOffset() - 2;
    using P = ChartLimitLine::LabelPosition;
    expectLimitLineLabelsAt<YAxis, YAxisRendererHorizontalBarChart>({
        {P::leftTop, QPointF(140 - xOffset, top), TextAlignment::Right},
        {P::leftBottom, QPointF(140 - xOffset, bottom), TextAlignment::Right},
        {P::rightTop, QPointF(140 + xOffset, top), TextAlignment::Left},
        {P::rightBottom, QPointF(140 + xOffset, bottom), TextAlignment::Left},
    });
}
