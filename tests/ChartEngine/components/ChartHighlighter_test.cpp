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

// A 400 x 300 x-y chart over x 0..10; the left axis spans y 0..100 (3 px a unit), the right
// one 0..50 (6 px a unit).
class FakeChart : public QObject, public BarLineScatterCandleBubbleChartDataProvider {
public:
    explicit FakeChart(ChartDataSetList dataSets)
        : m_data(std::make_shared<ChartData>(std::move(dataSets)))
        , m_handler(std::make_shared<ViewPortHandler>(400.0, 300.0))
        , m_left(makeTransformer(100.0))
        , m_right(makeTransformer(50.0))
    {
    }

    double chartXMin() const override { return 0.0; }
    double chartXMax() const override { return 10.0; }
    double chartYMin() const override { return 0.0; }
    double chartYMax() const override { return 100.0; }
    double maxHighlightDistance() const override { return m_maxHighlightDistance; }
    double xRange() const override { return 10.0; }
    QPointF centerOffsets() const override { return m_handler->contentCenter(); }
    std::shared_ptr<ChartData> data() const override { return m_data; }
    qint64 maxVisibleCount() const override { return 100; }
    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override
    {
        return axis == AxisDependency::left ? m_left : m_right;
    }
    bool isInverted(AxisDependency) const override { return false; }
    double lowestVisibleX() const override { return 0.0; }
    double highestVisibleX() const override { return 10.0; }

    double m_maxHighlightDistance = 500.0;

private:
    std::shared_ptr<Transformer> makeTransformer(double yRange) const
    {
        auto transformer = std::make_shared<Transformer>(m_handler);
        transformer->prepareMatrixValuePx(0.0, 10.0, yRange, 0.0);
        transformer->prepareMatrixOffset(false);
        return transformer;
    }

    std::shared_ptr<ChartData> m_data;
    std::shared_ptr<ViewPortHandler> m_handler;
    std::shared_ptr<Transformer> m_left;
    std::shared_ptr<Transformer> m_right;
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

// What a found highlight is expected to hold; dataSetIndex -1 for none found.
struct Found {
    double x = 0.0;
    double y = 0.0;
    qint64 dataSetIndex = -1;
};

void expectFound(const std::shared_ptr<Highlight>& highlight, const Found& expected)
{
    if (expected.dataSetIndex < 0) {
        EXPECT_EQ(highlight, nullptr);
        return;
    }
    ASSERT_NE(highlight, nullptr);
    EXPECT_EQ(highlight->x(), expected.x);
    EXPECT_EQ(highlight->y(), expected.y);
    EXPECT_EQ(highlight->dataSetIndex(), expected.dataSetIndex);
    EXPECT_EQ(highlight->dataIndex(), -1);
}

}

// Entries at x 0..4 with two values at x 3; a set that allows no highlighting lies on top.
TEST(ChartHighlighter, TouchSelectsTheValueNearestAtTheNearestX)
{
    auto hidden = dataSet({{2.0, 60.0}});
    hidden->setHighlightEnabled(false);
    FakeChart chart({dataSet({{0, 10}, {1, 20}, {2, 30}, {3, 40}, {3, 80}, {4, 50}}), hidden});
    const ChartHighlighter highlighter(&chart);
    struct Case {
        const char* name;
        QPointF touch;
        Found found;
        QPointF pixel;
    };
    const QList<Case> cases = {
        {"between x values, near the upper of two at x 3", {136, 75}, {3, 80, 0}, {120, 60}},
        {"near the lower of two at x 3", {125, 170}, {3, 40, 0}, {120, 180}},
        {"on a value of a set without highlighting", {80, 120}, {2, 30, 0}, {80, 210}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::shared_ptr<Highlight> highlight =
            highlighter.getHighlight(c.touch.x(), c.touch.y());
        expectFound(highlight, c.found);
        if (highlight) {
            EXPECT_EQ(QPointF(highlight->xPx(), highlight->yPx()), c.pixel);
        }
    }
}

// At x 1 the left value 50 lies at pixel y 150 and the right value 20 at 180.
TEST(ChartHighlighter, NearerAxisWinsAndATieGoesRight)
{
    FakeChart chart({dataSet({{1, 50}}), dataSet({{1, 20}}, AxisDependency::right)});
    const ChartHighlighter highlighter(&chart);
    struct Case {
        double touchY;
        Found found;
    };
    const QList<Case> cases = {
        {160, {1, 50, 0}},
        {165, {1, 20, 1}},
        {170, {1, 20, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.touchY);
        expectFound(highlighter.getHighlight(40, c.touchY), c.found);
    }
}

// The value at x 1, y 50 lies at pixel (40, 150); the touch is 30 px above it.
TEST(ChartHighlighter, ValueMustLieStrictlyCloserThanTheLargestDistance)
{
    FakeChart chart({dataSet({{1, 50}})});
    const ChartHighlighter highlighter(&chart);
    struct Case {
        double maxDistance;
        Found found;
    };
    const QList<Case> cases = {
        {30.0, {}},
        {30.000001, {1, 50, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxDistance);
        chart.m_maxHighlightDistance = c.maxDistance;
        expectFound(highlighter.getHighlight(40, 120), c.found);
    }
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
