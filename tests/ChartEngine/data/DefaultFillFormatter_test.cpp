#include "ChartEngine/data/DefaultFillFormatter.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/views/ChartDataProvider.h"

#include "DataTestHelpers.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace Charts::Testing;

namespace {

// A chart whose two y axes together span [axisMin, axisMax].
class FakeChart : public ChartDataProvider {
public:
    FakeChart(std::shared_ptr<ChartData> data, double axisMin, double axisMax)
        : m_data(std::move(data))
        , m_axisMin(axisMin)
        , m_axisMax(axisMax)
    {
    }

    double chartXMin() const override { return 0; }
    double chartXMax() const override { return 0; }
    double chartYMin() const override { return m_axisMin; }
    double chartYMax() const override { return m_axisMax; }
    double maxHighlightDistance() const override { return 500; }
    double xRange() const override { return 0; }
    QPointF centerOffsets() const override { return {}; }
    std::shared_ptr<ChartData> data() const override { return m_data; }
    qint64 maxVisibleCount() const override { return 100; }

private:
    std::shared_ptr<ChartData> m_data;
    double m_axisMin;
    double m_axisMax;
};

std::shared_ptr<LineChartDataSet> setWithY(double low, double high)
{
    return std::make_shared<LineChartDataSet>(entries({{0, low}, {1, high}}));
}

double fillLine(const LineChartDataSet& set, const ChartDataProvider& chart)
{
    return DefaultFillFormatter().getFillLinePosition(set, chart);
}

}

TEST(DefaultFillFormatter, ASetOnOneSideFillsToTheChartsNearestAxisEnd)
{
    const auto above = setWithY(2, 8);
    EXPECT_EQ(fillLine(*above, FakeChart(std::make_shared<LineChartData>(ChartDataSetList{above}), 1, 10)), 1.0);

    const auto below = setWithY(-5, -1);
    EXPECT_EQ(fillLine(*below, FakeChart(std::make_shared<LineChartData>(ChartDataSetList{below}), -6, -0.5)), -0.5);
}

TEST(DefaultFillFormatter, ASetCrossingZeroFillsToZero)
{
    const auto crossing = setWithY(-1, 3);
    EXPECT_EQ(fillLine(*crossing, FakeChart(std::make_shared<LineChartData>(ChartDataSetList{crossing}), -50, 50)), 0.0);
    // Tested before the chart data: no data is needed.
    EXPECT_EQ(fillLine(*crossing, FakeChart(nullptr, 5, 10)), 0.0);
}

TEST(DefaultFillFormatter, DataReachingTheOtherSideMakesZeroTheEnd)
{
    const auto above = setWithY(2, 8);
    const auto other = setWithY(-3, 1);
    EXPECT_EQ(fillLine(*above, FakeChart(std::make_shared<LineChartData>(ChartDataSetList{above, other}), -3, 8)), 0.0);

    const auto below = setWithY(-5, -1);
    const auto high = setWithY(1, 4);
    EXPECT_EQ(fillLine(*below, FakeChart(std::make_shared<LineChartData>(ChartDataSetList{below, high}), -6, 4)), 0.0);
}

TEST(DefaultFillFormatter, NoChartDataGivesZero)
{
    EXPECT_EQ(fillLine(*setWithY(2, 8), FakeChart(nullptr, 1, 10)), 0.0);
    EXPECT_EQ(fillLine(*setWithY(-5, -1), FakeChart(nullptr, -6, -1)), 0.0);
}

TEST(DefaultFillFormatter, ASetFromZeroUpCountsAsAbove)
{
    const auto fromZero = setWithY(0, 8);
    EXPECT_EQ(fillLine(*fromZero, FakeChart(std::make_shared<LineChartData>(ChartDataSetList{fromZero}), 0.5, 9)), 0.5);
}

TEST(DefaultFillFormatter, AFunctionReplacesEveryRule)
{
    int calls = 0;
    const DefaultFillFormatter formatter([&calls](const LineChartDataSetProtocol& set, const ChartDataProvider& chart) {
        ++calls;
        return set.yMax() + chart.chartYMax();
    });
    const auto crossing = setWithY(-1, 3);
    EXPECT_EQ(formatter.getFillLinePosition(*crossing, FakeChart(nullptr, 0, 10)), 13.0);
    EXPECT_EQ(calls, 1);
    const auto made = DefaultFillFormatter::withBlock([](const LineChartDataSetProtocol&, const ChartDataProvider&) {
        return -2.0;
    });
    EXPECT_EQ(made->getFillLinePosition(*crossing, FakeChart(nullptr, 0, 10)), -2.0);
}
