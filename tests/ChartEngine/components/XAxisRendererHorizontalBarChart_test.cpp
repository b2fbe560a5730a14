#include "ChartEngine/components/XAxisRendererHorizontalBarChart.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"

#include "AxisTestHelpers.h"
#include "ChartEngine/types/BarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace Charts;
using namespace Charts::AxisTest;

namespace {

// The renderer without a chart, made as the shared limit-line helpers make renderers.
class ChartlessRenderer : public XAxisRendererHorizontalBarChart {
public:
    ChartlessRenderer(std::shared_ptr<ViewPortHandler> handler, std::shared_ptr<XAxis> axis,
                      std::shared_ptr<Transformer> transformer)
        : XAxisRendererHorizontalBarChart(std::move(handler), std::move(axis), std::move(transformer), nullptr)
    {
    }
};

// Writes down where each label goes.
class RecordingRenderer : public XAxisRendererHorizontalBarChart {
public:
    using XAxisRendererHorizontalBarChart::XAxisRendererHorizontalBarChart;
    struct Label {
        double x;
        double y;
        QPointF anchor;
    };
    void drawLabel(QPainter&, const QString&, double x, double y, const TextAttributes&, QPointF anchor,
                   double) override
    {
        labels.append({x, y, anchor});
    }
    QList<Label> labels;
};

}

TEST(XAxisRendererHorizontalBarChart, SizeFloorsTheWidthAndRoundsTheRotatedSizes)
{
    auto axis = std::make_shared<XAxis>();
    axis->setXOffset(5);
    axis->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(QStringList{QStringLiteral("Monday")}));
    axis->setEntries({0});
    const auto handler = chartHandler();
    ChartlessRenderer renderer(handler, axis, chartTransformer(handler, 0, 330, 0, 230));
    renderer.computeSize();
    TextAttributes attributes;
    attributes.font = axis->labelFont();
    const QSizeF size = textSize(QStringLiteral("Monday"), attributes);
    // The label's width must lie nearer the next whole number for floor and round to differ.
    ASSERT_GE(size.width() + 17.5 - std::floor(size.width() + 17.5), 0.5);
    EXPECT_EQ(axis->labelWidth(), std::floor(size.width() + 17.5));
    EXPECT_EQ(axis->labelRotatedWidth(), std::round(size.width() + 17.5));
    EXPECT_EQ(axis->labelRotatedHeight(), std::round(size.height()));
}

TEST(XAxisRendererHorizontalBarChart, LabelsStandBesideTheContentByPosition)
{
    using P = XAxis::LabelPosition;
    struct Case {
        P position;
        QList<std::pair<double, QPointF>> placements;
    };
    // Content x 40..370; x offset 5.
    const Case cases[] = {
        {P::top, {{375, QPointF(0, 0.5)}}},
        {P::bottom, {{35, QPointF(1, 0.5)}}},
        {P::topAndBottom, {{375, QPointF(0, 0.5)}, {35, QPointF(1, 0.5)}}},
        {P::insideTop, {{365, QPointF(1, 0.5)}}},
        {P::insideBottom, {{45, QPointF(0, 0.5)}}},
    };
    BarTesting::BarTestChart chart(BarTesting::barData({BarTesting::barSet({1.0})}), 0, 10);
    for (const Case& c : cases) {
        auto axis = std::make_shared<XAxis>();
        axis->setXOffset(5);
        axis->setLabelPosition(c.position);
        axis->setEntries({50});
        const auto handler = chartHandler();
        RecordingRenderer renderer(handler, axis, chartTransformer(handler, 0, 330, 0, 230), &chart);
        QImage image = ImageInk::whiteCanvas();
        QPainter painter(&image);
        renderer.renderAxisLabels(painter);
        ASSERT_EQ(renderer.labels.size(), c.placements.size()) << int(c.position);
        for (qsizetype i = 0; i < c.placements.size(); ++i) {
            EXPECT_EQ(renderer.labels[i].x, c.placements[i].first) << int(c.position);
            EXPECT_EQ(renderer.labels[i].anchor, c.placements[i].second) << int(c.position);
            EXPECT_EQ(renderer.labels[i].y, 200) << int(c.position);
        }
    }
}

TEST(XAxisRendererHorizontalBarChart, LabelsNeedAChartWithDataAndAPlaceForEachEntry)
{
    struct Case {
        const char* name;
        bool chart;
        std::optional<QList<double>> centered;
        qsizetype labels;
    };
    const Case cases[] = {
        {"no chart", false, std::nullopt, 0},
        {"plain", true, std::nullopt, 3},
        {"fewer centred values", true, QList<double>{75}, 1},
    };
    BarTesting::BarTestChart chart(BarTesting::barData({BarTesting::barSet({1.0})}), 0, 10);
    for (const Case& c : cases) {
        auto axis = std::make_shared<XAxis>();
        axis->setEntries({50, 100, 150});
        if (c.centered) {
            axis->setCenterAxisLabelsEnabled(true);
            axis->setCenteredEntries(*c.centered);
        }
        const auto handler = chartHandler();
        RecordingRenderer renderer(handler, axis, chartTransformer(handler, 0, 330, 0, 230),
                                   c.chart ? &chart : nullptr);
        QImage image = ImageInk::whiteCanvas();
        QPainter painter(&image);
        renderer.renderAxisLabels(painter);
        EXPECT_EQ(renderer.labels.size(), c.labels) << c.name;
    }
}

TEST(XAxisRendererHorizontalBarChart, TheAxisLineRunsAlongTheLabelsSide)
{
    using P = XAxis::LabelPosition;
    struct Case {
        P position;
        bool left;
        bool right;
    };
    for (const Case& c : {Case{P::bottom, true, false}, Case{P::top, false, true}, Case{P::topAndBottom, true, true},
                          Case{P::insideBottom, true, false}}) {
        auto axis = std::make_shared<XAxis>();
        axis->setAxisLineColor(Qt::black);
        axis->setAxisLineWidth(2);
        axis->setLabelPosition(c.position);
        const auto handler = chartHandler();
        ChartlessRenderer renderer(handler, axis, chartTransformer(handler, 0, 330, 0, 230));
        const QImage image = painted([&](QPainter& painter) { renderer.renderAxisLine(painter); });
        EXPECT_EQ(qGray(image.pixel(40, 135)) < 128, c.left) << int(c.position);
        EXPECT_EQ(qGray(image.pixel(369, 135)) < 128, c.right) << int(c.position);
    }
}

TEST(XAxisRendererHorizontalBarChart, LimitLineLabelsStandInTheContentCorners)
{
    // The line at value 100 lies at y 150.
    const ChartLimitLine line;
    const double lineHeight = fontLineHeight(systemFont(13));
    const double xo = line.xOffset() + 4;
    const double total = line.lineWidth() + lineHeight + line.yOffset();
    using P = ChartLimitLine::LabelPosition;
    expectLimitLineLabelsAt<XAxis, ChartlessRenderer>({
        {P::leftTop, QPointF(40 + xo, 150 - total), TextAlignment::Left},
        {P::leftBottom, QPointF(40 + xo, 150 + total - lineHeight), TextAlignment::Left},
        {P::rightTop, QPointF(370 - xo, 150 - total), TextAlignment::Right},
        {P::rightBottom, QPointF(370 - xo, 150 + total - lineHeight), TextAlignment::Right},
    });
}
