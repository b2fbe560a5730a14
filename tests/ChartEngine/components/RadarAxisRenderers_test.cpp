#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRendererRadarChart.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRendererRadarChart.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/DrawingUtils.h"

#include "../types/RadarTestChart.h"
#include "AxisTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace Charts {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

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

// Five spokes over a radial axis from 0 (its labels reach 12).
std::unique_ptr<RadarChartView> fiveSpokes()
{
    auto view = RadarTesting::radarView({RadarTesting::radarSet({1, 2, 3, 4, 5})});
    view->yAxis()->setAxisMinimum(0);
    view->yAxis()->setAxisMaximum(10);
    view->notifyDataSetChanged();
    return view;
}

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
    };
    const Case cases[] = {
        {270, TextAlignment::Left},
        {270, TextAlignment::Right},
        {0, TextAlignment::Center},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        const auto view = fiveSpokes();
        view->setRotationAngle(c.rotation);
        const auto axis = view->yAxis();
        axis->setLabelAlignment(c.alignment);
        axis->setEntries({0, 5});
        axis->setDrawBottomYLabelEntryEnabled(false);
        const QImage drawn = AxisTest::painted(
            [&](QPainter& painter) { view->yAxisRenderer()->renderAxisLabels(painter); });
        // Value 5 on the first spoke, the label's top one line above it, 10 points right.
        const QPointF ring = polarPoint(view->centerOffsets(), 5 * view->factor(), c.rotation);
        const QPointF origin(ring.x() + 10, ring.y() - lineHeight);
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
        bool ink;
    };
    const Case cases[] = {
        {5, true, true},
        {0, true, false},  // at the axis minimum every point is the centre
        {5, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        const auto view = fiveSpokes();
        auto line = std::make_shared<ChartLimitLine>(c.limit);
        line->setLineColor(Qt::black);
        line->setLineWidth(3);
        line->setEnabled(c.enabled);
        view->yAxis()->addLimitLine(line);
        const QImage drawn = AxisTest::painted(
            [&](QPainter& painter) { view->yAxisRenderer()->renderLimitLines(painter); });
        // The middles of the first edge and of the closing one.
        const QPointF first = RadarTesting::valuePoint(*view, 5, 0);
        for (const qint64 other : {1, 4}) {
            const QPointF middle = (first + RadarTesting::valuePoint(*view, 5, other)) / 2;
            EXPECT_EQ(qGray(drawn.pixel(middle.toPoint())) < 128, c.ink) << other;
        }
        EXPECT_EQ(AxisTest::inkBounds(drawn).isEmpty(), !c.ink);
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
    const auto view = fiveSpokes();
    const auto axis = view->xAxis();
    auto formatter = std::make_shared<SpokeFormatter>();
    axis->setValueFormatter(formatter);
    axis->setLabelRotatedWidth(20);
    axis->setLabelRotatedHeight(10);
    const QImage drawn = AxisTest::painted(
        [&](QPainter& painter) { view->xAxisRenderer()->renderAxisLabels(painter); });
    EXPECT_EQ(formatter->asked, (QList<double>{0, 1, 2, 3, 4}));
    // Spoke i at 270 + 72 i degrees, half a label width beyond the outer ring, lifted by half a
    // label height; label 0 straight above the centre.
    const QPointF center = view->centerOffsets();
    const auto at = [&](int i) {
        return polarPoint(center, view->yRange() * view->factor() + 10,
                          std::fmod(270.0 + 72.0 * i, 360.0))
            - QPointF(0, 5);
    };
    EXPECT_NEAR(at(0).x(), center.x(), 1e-9);
    EXPECT_EQ(drawn, AxisTest::painted([&](QPainter& painter) {
                  for (int i = 0; i < 5; ++i) {
                      drawText(painter, QStringLiteral("S%1").arg(i), at(i), QPointF(0.5, 0.25),
                               0.0, labelAttributes());
                  }
              }));
}

TEST(RadarAxisRenderers, DrawNothingOnceTheChartIsGone)
{
    auto view = fiveSpokes();
    view->yAxis()->addLimitLine(std::make_shared<ChartLimitLine>(5));
    const auto xRenderer = view->xAxisRenderer();
    const auto yRenderer = view->yAxisRenderer();
    view.reset();
    const QImage drawn = AxisTest::painted([&](QPainter& painter) {
        xRenderer->renderAxisLabels(painter);
        yRenderer->renderAxisLabels(painter);
        yRenderer->renderLimitLines(painter);
    });
    EXPECT_TRUE(AxisTest::inkBounds(drawn).isEmpty());
}

}
}
