#include "ChartEngine/components/ChartHighlighter.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QObject>

using namespace Charts;

namespace {

// A 400 x 300 x-y chart over x 0..10 (40 px a unit); the left axis spans y 0..100 (3 px a
// unit), the right one 0..50 (6 px a unit).
class FakeChart : public QObject, public BarLineScatterCandleBubbleChartDataProvider {
public:
    explicit FakeChart(ChartDataSetList dataSets)
        : data_(std::make_shared<ChartData>(std::move(dataSets)))
    {
    }

    double chartXMin() const override { return 0.0; }
    double chartXMax() const override { return 10.0; }
    double chartYMin() const override { return 0.0; }
    double chartYMax() const override { return 100.0; }
    double maxHighlightDistance() const override { return maxDistance; }
    double xRange() const override { return 10.0; }
    QPointF centerOffsets() const override { return handler->contentCenter(); }
    std::shared_ptr<ChartData> data() const override { return data_; }
    qint64 maxVisibleCount() const override { return 100; }
    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override
    {
        return axis == AxisDependency::left ? left : right;
    }
    bool isInverted(AxisDependency) const override { return false; }
    double lowestVisibleX() const override { return 0.0; }
    double highestVisibleX() const override { return 10.0; }

    double maxDistance = 500.0;

private:
    std::shared_ptr<Transformer> transformer(double yRange) const
    {
        auto result = std::make_shared<Transformer>(handler);
        result->prepareMatrixValuePx(0.0, 10.0, yRange, 0.0);
        result->prepareMatrixOffset(false);
        return result;
    }

    std::shared_ptr<ChartData> data_;
    std::shared_ptr<ViewPortHandler> handler = std::make_shared<ViewPortHandler>(400.0, 300.0);
    std::shared_ptr<Transformer> left = transformer(100.0);
    std::shared_ptr<Transformer> right = transformer(50.0);
};

std::shared_ptr<LineChartDataSet> dataSet(std::initializer_list<std::pair<double, double>> points,
                                          AxisDependency axis = AxisDependency::left)
{
    ChartDataEntryList entries;
    for (const auto& [x, y] : points) {
        entries.append(std::make_shared<ChartDataEntry>(x, y));
    }
    auto set = std::make_shared<LineChartDataSet>(entries, QStringLiteral("PEF"));
    set->setAxisDependency(axis);
    return set;
}

// "x, y in set i at (xPx, yPx)", or "none".
QString found(const std::shared_ptr<Highlight>& h)
{
    return h ? QStringLiteral("%1, %2 in set %3 at (%4, %5)")
                   .arg(h->x()).arg(h->y()).arg(h->dataSetIndex()).arg(h->xPx()).arg(h->yPx())
             : QStringLiteral("none");
}

}

// Entries at x 0..4 with two values at x 3; a set that allows no highlighting lies at (2, 60).
TEST(ChartHighlighter, TouchSelectsTheNearestValueAtTheNearestX)
{
    auto hidden = dataSet({{2, 60}});
    hidden->setHighlightEnabled(false);
    FakeChart chart({dataSet({{0, 10}, {1, 20}, {2, 30}, {3, 40}, {3, 80}, {4, 50}}), hidden});
    const ChartHighlighter highlighter(&chart);
    EXPECT_EQ(found(highlighter.getHighlight(136, 75)), "3, 80 in set 0 at (120, 60)");
    EXPECT_EQ(found(highlighter.getHighlight(125, 170)), "3, 40 in set 0 at (120, 180)");
    EXPECT_EQ(found(highlighter.getHighlight(80, 120)), "2, 30 in set 0 at (80, 210)");
}

// At x 1 the left value 50 lies at pixel y 150, the right value 20 at 180.
TEST(ChartHighlighter, NearerAxisWinsAndATieGoesRight)
{
    FakeChart chart({dataSet({{1, 50}}), dataSet({{1, 20}}, AxisDependency::right)});
    const ChartHighlighter highlighter(&chart);
    EXPECT_EQ(found(highlighter.getHighlight(40, 160)), "1, 50 in set 0 at (40, 150)");
    EXPECT_EQ(found(highlighter.getHighlight(40, 165)), "1, 20 in set 1 at (40, 180)");
}

// The value at x 1, y 50 lies at pixel (40, 150); the touch is 30 px above it.
TEST(ChartHighlighter, ValueMustLieStrictlyCloserThanTheLargestDistance)
{
    FakeChart chart({dataSet({{1, 50}})});
    const ChartHighlighter highlighter(&chart);
    chart.maxDistance = 30.0;
    EXPECT_EQ(highlighter.getHighlight(40, 120), nullptr);
    chart.maxDistance = 30.000001;
    EXPECT_NE(highlighter.getHighlight(40, 120), nullptr);
}

TEST(ChartHighlighter, ReleasedChartGivesNothing)
{
    auto chart = std::make_unique<FakeChart>(ChartDataSetList{dataSet({{1, 50}})});
    const ChartHighlighter highlighter(chart.get());
    ASSERT_NE(highlighter.getHighlight(40, 150), nullptr);
    chart.reset();
    EXPECT_EQ(highlighter.getHighlight(40, 150), nullptr);
    EXPECT_EQ(highlighter.getValsForTouch(40, 150), QPointF(0, 0));
}
