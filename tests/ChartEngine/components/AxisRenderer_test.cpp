#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRenderer.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRenderer.h"

#include "AxisTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace Charts {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

struct LabelCase {
    double min;
    double max;
    qint64 labelCount;
    bool forced;
    std::optional<double> granularity;
    QList<double> entries;
    int decimals;
};

// The label values of a y axis (no transformer, so the range is taken as given).
std::shared_ptr<YAxis> computed(const LabelCase& c)
{
    auto axis = std::make_shared<YAxis>();
    axis->setAxisMinLabels(1);
    axis->setLabelCount(c.labelCount, c.forced);
    if (c.granularity) {
        axis->setGranularity(*c.granularity);
    }
    YAxisRenderer(AxisTest::chartHandler(), axis, nullptr).computeAxisValues(c.min, c.max);
    return axis;
}

TEST(AxisLabelValues, RoundIntervalsForcedCountsAndGranularity)
{
    const LabelCase cases[] = {
        {0, 100, 6, false, {}, {0, 20, 40, 60, 80, 100}, 0},
        {0, 0.42, 6, false, {}, {0, 0.07, 0.14, 0.21000000000000002, 0.28,
                                 0.35000000000000003}, 2},
        {0, 1, 11, true, {}, {0, 0.1, 0.2, 0.30000000000000004, 0.4, 0.5, 0.60000000000000009,
                             0.70000000000000007, 0.8, 0.9, 1.0}, 1},
        {0, 10, 5, false, {}, {0, 2, 4, 6, 8, 10}, 0},
        {-7, 13, 6, false, {}, {-6, -3, 0, 3, 6, 9, 12}, 0},
        {-30, -5, 5, false, {}, {-30, -25, -20, -15, -10, -5}, 0},
        {0, 10, 1, false, {}, {0, 10}, 0},
        // The one multiple of 2 in range is both the first and the last value.
        {0.1, 3.1, 2, false, {}, {2}, 0},
        {0, 70, 10, false, {}, {0, 10, 20, 30, 40, 50, 60, 70}, 0},
        {0, 3, 6, false, 1.0, {0, 1, 2, 3}, 0},
        {0, 1, 4, false, {}, {0, 0.3, 0.6, 0.89999999999999991}, 1},
        {0, 10, 6, true, {}, {0, 2, 4, 6, 8, 10}, 0},
        {1, 2, 3, true, {}, {1, 1.5, 2}, 1},
        {0.01, 0.02, 8, false, {}, {0.01, 0.011, 0.012, 0.013000000000000001, 0.014, 0.015,
                                    0.016, 0.017000000000000001, 0.018000000000000002, 0.019,
                                    0.02}, 3},
        // One forced label: an infinite interval leaves min alone.
        {0, 10, 1, true, {}, {0}, 0},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " count " << c.labelCount);
        const std::shared_ptr<YAxis> axis = computed(c);
        AxisTest::expectValues(axis->entries(), c.entries);
        EXPECT_EQ(axis->decimals(), c.decimals);
        for (double entry : axis->entries()) {
            EXPECT_FALSE(entry == 0.0 && std::signbit(entry)) << "a zero is stored as +0";
        }
    }
}

// However many labels the bounds let a caller ask for, an axis makes at most 1,000 (a million took
// seconds to draw), and a minimum above the maximum gives way to it; counts within both stay.
TEST(AxisLabelValues, CountsAreHeldToACeilingAndTheMinimumToTheMaximum)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    const struct {
        qint64 minLabels, maxLabels, labelCount;
        bool forced;
        qint64 heldCount, valuesUpToAMillion;
    } cases[] = {
        {1'000'000, 25, 6, false, 25, 26},
        {2, 10'000'000, 10'000'000, false, 1000, 1001},
        {most, most, most, true, 1000, 1000},
        {2, 100, 60, false, 60, 51},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minLabels << ".." << c.maxLabels << " count " << c.labelCount);
        auto axis = std::make_shared<XAxis>();
        axis->setAxisMinLabels(c.minLabels);
        axis->setAxisMaxLabels(c.maxLabels);
        axis->setLabelCount(c.labelCount, c.forced);
        ASSERT_EQ(axis->labelCount(), c.heldCount);
        XAxisRenderer(AxisTest::chartHandler(), axis, nullptr).computeAxisValues(0, 1e6);
        EXPECT_EQ(axis->entryCount(), c.valuesUpToAMillion);
    }
}

TEST(AxisLabelValues, RangesWithoutValuesEmptyBothListsAndKeepDecimalsAndSizes)
{
    const struct {
        double min;
        double max;
        std::optional<double> granularity;
    } cases[] = {
        {5, 5, {}},
        {0, infinity, {}},
        {notANumber, 1, {}},
        {0, 10, infinity},         // the granularity makes the interval infinite
        {0, 4.9e-324, {}},         // the interval rounds to 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max);
        auto axis = std::make_shared<XAxis>();
        axis->setEntries({1, 2});
        axis->setCenteredEntries({1.5});
        axis->setDecimals(3);
        axis->setLabelWidth(42);
        if (c.granularity) {
            axis->setGranularity(*c.granularity);
        }
        XAxisRenderer(AxisTest::chartHandler(), axis, nullptr).computeAxisValues(c.min, c.max);
        EXPECT_TRUE(axis->entries().isEmpty());
        EXPECT_TRUE(axis->centeredEntries().isEmpty());
        EXPECT_EQ(axis->decimals(), 3);
        EXPECT_EQ(axis->labelWidth(), 42);
    }
}

TEST(AxisLabelValues, CentringAddsALeadingValueOnceEntriesExist)
{
    auto axis = std::make_shared<YAxis>();
    axis->setLabelCount(5);
    axis->setCenterAxisLabelsEnabled(true);
    YAxisRenderer renderer(AxisTest::chartHandler(), axis, nullptr);

    renderer.computeAxisValues(0, 10);
    AxisTest::expectValues(axis->entries(), {0, 2, 4, 6, 8, 10});
    AxisTest::expectValues(axis->centeredEntries(), {1, 3, 5, 7, 9, 11});

    renderer.computeAxisValues(0, 10);
    AxisTest::expectValues(axis->entries(), {-2, 0, 2, 4, 6, 8, 10, 12});
    AxisTest::expectValues(axis->centeredEntries(), {-1, 1, 3, 5, 7, 9, 11, 13});

    // Without centring the centred positions keep what they held.
    axis->setCenterAxisLabelsEnabled(false);
    renderer.computeAxisValues(0, 100);
    AxisTest::expectValues(axis->centeredEntries(), {-1, 1, 3, 5, 7, 9, 11, 13});
}

// The rounded end bound lets one value fewer in than were counted (24 counted, 23 made): only
// existing entries get a centred position.
TEST(AxisLabelValues, CentredPositionsNeverOutnumberTheEntries)
{
    auto axis = std::make_shared<YAxis>();
    axis->setLabelCount(17);
    axis->setCenterAxisLabelsEnabled(true);
    YAxisRenderer renderer(AxisTest::chartHandler(), axis, nullptr);
    renderer.computeAxisValues(833722.3149522018, 833722.3149522028);
    renderer.computeAxisValues(833722.3149522018, 833722.3149522028);

    const QList<double> entries = axis->entries();
    const QList<double> centered = axis->centeredEntries();
    ASSERT_EQ(entries.size(), 23);
    ASSERT_EQ(centered.size(), 23);
    const double halfInterval = 7e-11 / 2.0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(centered[i], entries[i] + halfInterval);
    }
}

}
}
