#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRendererRadarChart.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRendererRadarChart.h"
#include "ChartEngine/data/RadarChartData.h"
#include "ChartEngine/data/RadarChartDataEntry.h"
#include "ChartEngine/data/RadarChartDataSet.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/RadarChartDataProvider.h"

#include "AxisTestHelpers.h"
#include "support/QtPrinters.h"

#include <QObject>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace Charts {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// A web centred at (200, 150): 10 pixels per value unit over a radial range of 10, five spokes
// 72 degrees apart from the rotation on.
class FakeRadarChart : public QObject, public RadarChartDataProvider {
public:
    FakeRadarChart()
    {
        ChartDataEntryList entries;
        for (int i = 0; i < 5; ++i) {
            entries.append(std::make_shared<RadarChartDataEntry>(1.0 + i));
        }
        m_data = std::make_shared<RadarChartData>(
            ChartDataSetList{std::make_shared<RadarChartDataSet>(entries, QStringLiteral("A"))});
    }

    double chartXMin() const override { return 0.0; }
    double chartXMax() const override { return 0.0; }
    double chartYMin() const override { return yMin; }
    double chartYMax() const override { return 0.0; }
    double maxHighlightDistance() const override { return 0.0; }
    double xRange() const override { return 0.0; }
    QPointF centerOffsets() const override { return QPointF(200.0, 150.0); }
    std::shared_ptr<ChartData> data() const override { return m_data; }
    qint64 maxVisibleCount() const override { return 0; }
    double factor() const override { return pixelsPerUnit; }
    double sliceAngle() const override { return 72.0; }
    double yRange() const override { return 10.0; }
    double rotationAngle() const override { return rotation; }

    std::shared_ptr<ChartData> m_data;
    double yMin = 0.0;
    double pixelsPerUnit = 10.0;
    double rotation = 270.0;
};

// ---- Label values ----

struct RadarLabelCase {
    double min;
    double max;
    qint64 labelCount;
    bool forced;
    QList<double> entries;
    int decimals;
};

TEST(RadarAxisLabelValues, OneValueBeyondTheLastMultipleAndTheAxisEndsFollow)
{
    const RadarLabelCase cases[] = {
        // 16.67 rounds to 20; the value after 100 makes the axis end at 120.
        {0, 100, 6, false, {0, 20, 40, 60, 80, 100, 120}, 0},
        // 0.07: the magnitude 0.01 gives the leading digit 7, but 10 × 0.01 floors to 0. The
        // last multiple at or below 0.42 is 0.35 (0.42 / 0.07 is just below 6).
        {0, 0.42, 6, false, {0, 0.07, 0.14, 0.21000000000000002, 0.28, 0.35000000000000003,
                             0.42000000000000004}, 2},
        // Forced: step 0.1, the decimals from the rounded interval 0.09.
        {0, 1, 11, true, {0, 0.1, 0.2, 0.30000000000000004, 0.4, 0.5, 0.60000000000000009,
                          0.70000000000000007, 0.8, 0.9, 1.0}, 2},
        // The logarithm rounded down lets 0.7 step up to 1 (10 × 0.1).
        {0, 4.2, 6, false, {0, 1, 2, 3, 4, 5}, 0},
    };
    for (const RadarLabelCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " count " << c.labelCount);
        auto axis = std::make_shared<YAxis>();
        axis->setLabelCount(c.labelCount, c.forced);
        YAxisRendererRadarChart(AxisTest::chartHandler(), axis, nullptr)
            .computeAxisValues(c.min, c.max);
        AxisTest::expectValues(axis->entries(), c.entries);
        EXPECT_EQ(axis->decimals(), c.decimals);
        EXPECT_EQ(axis->axisMinimum(), c.entries.first());
        EXPECT_EQ(axis->axisMaximum(), c.entries.last());
        EXPECT_EQ(axis->axisRange(), std::abs(c.entries.last() - c.entries.first()));
        EXPECT_FALSE(axis->isAxisMinCustom() || axis->isAxisMaxCustom());
    }
}

TEST(RadarAxisLabelValues, CentredValuesStandHalfTheFirstStepOn)
{
    struct Case {
        qint64 labelCount;
        bool forced;
        QList<double> centered;
    };
    const Case cases[] = {
        // The second computation centres: one interval earlier and one value more.
        {5, false, {-1, 1, 3, 5, 7, 9, 11, 13, 15}},
        // A single value has no step: half the rounded interval (10).
        {1, true, {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labelCount);
        auto axis = std::make_shared<YAxis>();
        axis->setAxisMinLabels(1);
        axis->setLabelCount(c.labelCount, c.forced);
        axis->setCenterAxisLabelsEnabled(true);
        YAxisRendererRadarChart renderer(AxisTest::chartHandler(), axis, nullptr);
        renderer.computeAxisValues(0, 10);
        renderer.computeAxisValues(0, 10);
        AxisTest::expectValues(axis->centeredEntries(), c.centered);
    }
}

TEST(RadarAxisLabelValues, RangesWithoutValuesLeaveTheAxisEnds)
{
    struct Case {
        double max;
        qint64 labelCount;
        std::optional<double> granularity;
    };
    const Case cases[] = {
        {0, 6, {}},         // no range
        {infinity, 6, {}},  // no finite range
        {10, 6, infinity},  // no finite interval
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.max << " count " << c.labelCount);
        auto axis = std::make_shared<YAxis>();
        axis->setLabelCount(c.labelCount);
        if (c.granularity) {
            axis->setGranularity(*c.granularity);
        }
        axis->setEntries({1, 2});
        axis->storeRange(3, 4);
        YAxisRendererRadarChart(AxisTest::chartHandler(), axis, nullptr).computeAxisValues(0, c.max);
        EXPECT_TRUE(axis->entries().isEmpty());
        EXPECT_EQ(axis->axisMinimum(), 3.0);
        EXPECT_EQ(axis->axisMaximum(), 4.0);
    }
}

// ---- Drawing ----

TextAttributes labelAttributes()
{
    TextAttributes attributes;
    attributes.font = systemFont(10);
    attributes.color = ChartColors::label();
    return attributes;
}

TEST(RadarYAxisRenderer, LabelsStandOnTheFirstSpokeOneLineHigh)
{
    const double lineHeight = fontLineHeight(systemFont(10));
    struct Case {
        double rotation;
        TextAlignment alignment;
        QPointF ring;  // the point of value 5 on the first spoke
    };
    const Case cases[] = {
        {270, TextAlignment::Left, {200, 100}},
        {270, TextAlignment::Right, {200, 100}},
        {0, TextAlignment::Center, {250, 150}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        FakeRadarChart chart;
        chart.rotation = c.rotation;
        auto axis = std::make_shared<YAxis>();
        axis->setLabelXOffset(10);
        axis->setLabelAlignment(c.alignment);
        axis->setEntries({0, 5});
        axis->storeRange(0, 10);
        axis->setDrawBottomYLabelEntryEnabled(false);
        YAxisRendererRadarChart renderer(AxisTest::chartHandler(), axis, &chart);
        const QImage drawn =
            AxisTest::painted([&](QPainter& painter) { renderer.renderAxisLabels(painter); });
        const QPointF origin(c.ring.x() + 10, c.ring.y() - lineHeight);
        EXPECT_EQ(drawn, AxisTest::painted([&](QPainter& painter) {
                      drawAlignedText(painter, QStringLiteral("5"), origin, c.alignment, {}, 0.0,
                                      labelAttributes());
                  }));
    }
}

TEST(RadarYAxisRenderer, LimitLinesArePolygonsThroughEverySpoke)
{
    struct Case {
        double limit;
        bool enabled;
        bool inkAtVertex;  // spoke 0 at 5 units: (200, 100)
    };
    const Case cases[] = {
        {5, true, true},
        {0, true, false},  // at the axis minimum every point is the centre
        {5, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        FakeRadarChart chart;
        auto axis = std::make_shared<YAxis>();
        auto line = std::make_shared<ChartLimitLine>(c.limit);
        line->setLineColor(Qt::black);
        line->setLineWidth(3);
        line->setEnabled(c.enabled);
        axis->addLimitLine(line);
        YAxisRendererRadarChart renderer(AxisTest::chartHandler(), axis, &chart);
        const QImage drawn =
            AxisTest::painted([&](QPainter& painter) { renderer.renderLimitLines(painter); });
        EXPECT_EQ(qGray(drawn.pixel(200, 101)) < 128, c.inkAtVertex);
        // The closing edge from spoke 4 back to spoke 0 is drawn too.
        const QPointF spoke4 = polarPoint(chart.centerOffsets(), 50, 270 + 4 * 72);
        const QPoint closing = ((spoke4 + QPointF(200, 100)) / 2).toPoint();
        EXPECT_EQ(qGray(drawn.pixel(closing)) < 128, c.inkAtVertex);
        EXPECT_EQ(AxisTest::inkBounds(drawn).isEmpty(), !c.inkAtVertex);
    }
}

// Writes "S" and the value, and remembers the values asked for.
class SpokeFormatter : public AxisValueFormatter {
public:
    QString stringForValue(double value, const AxisBase*) const override
    {
        asked.append(value);
        return QStringLiteral("S%1").arg(value);
    }
    mutable QList<double> asked;
};

TEST(RadarXAxisRenderer, OneLabelPerSpokeBeyondTheOuterRing)
{
    FakeRadarChart chart;
    auto axis = std::make_shared<XAxis>();
    auto formatter = std::make_shared<SpokeFormatter>();
    axis->setValueFormatter(formatter);
    axis->setLabelRotatedWidth(20);
    axis->setLabelRotatedHeight(10);
    XAxisRendererRadarChart renderer(AxisTest::chartHandler(), axis, &chart);
    const QImage drawn =
        AxisTest::painted([&](QPainter& painter) { renderer.renderAxisLabels(painter); });
    EXPECT_EQ(formatter->asked, (QList<double>{0, 1, 2, 3, 4}));
    // Spoke i at 270 + 72 i degrees, 100 + 10 pixels out, lifted by 5; label 0 straight above.
    const auto at = [&](int i) {
        return polarPoint(chart.centerOffsets(), 110, std::fmod(270.0 + 72.0 * i, 360.0))
            - QPointF(0, 5);
    };
    EXPECT_EQ(at(0), QPointF(200, 35));
    EXPECT_EQ(drawn, AxisTest::painted([&](QPainter& painter) {
                  for (int i = 0; i < 5; ++i) {
                      drawText(painter, QStringLiteral("S%1").arg(i), at(i), QPointF(0.5, 0.25),
                               0.0, labelAttributes());
                  }
              }));
}

TEST(RadarAxisRenderers, DrawNothingWithoutAScaleOrAChart)
{
    struct Case {
        bool chartGone;
        double factor;
    };
    const Case cases[] = {{true, 10}, {false, infinity}};
    for (const Case& c : cases) {
        auto chart = std::make_unique<FakeRadarChart>();
        chart->pixelsPerUnit = c.factor;
        auto xAxis = std::make_shared<XAxis>();
        auto yAxis = std::make_shared<YAxis>();
        yAxis->setEntries({0, 5});
        yAxis->addLimitLine(std::make_shared<ChartLimitLine>(5));
        XAxisRendererRadarChart xRenderer(AxisTest::chartHandler(), xAxis, chart.get());
        YAxisRendererRadarChart yRenderer(AxisTest::chartHandler(), yAxis, chart.get());
        if (c.chartGone) {
            chart.reset();
        }
        const QImage drawn = AxisTest::painted([&](QPainter& painter) {
            xRenderer.renderAxisLabels(painter);
            yRenderer.renderAxisLabels(painter);
            yRenderer.renderLimitLines(painter);
        });
        EXPECT_TRUE(AxisTest::inkBounds(drawn).isEmpty()) << c.chartGone;
    }
}

}
}
