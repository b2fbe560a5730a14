#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/HorizontalBarChartView.h"

#include "BarTestChart.h"
#include "CombinedTestChart.h"
#include "PieTestChart.h"
#include "RadarTestChart.h"
#include "XYChartFixture.h"
#include "support/QtPrinters.h"

#include <QAccessible>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Charts;

namespace {

// What a reader hears of each item of the drawn chart, in the list's order.
QStringList itemNames(ChartViewBase& view)
{
    EXPECT_TRUE(view.getChartImage(true));
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(&view);
    QStringList names;
    for (int i = 0; i < chart->childCount(); ++i) {
        names << chart->child(i)->text(QAccessible::Name);
    }
    return names;
}

// The x values 0, 1, ... are written as the names.
void labelX(ChartViewBase& view, const QStringList& names)
{
    view.xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(names));
}

// A falling and a rising day, the first's low with all the digits of a computed double.
std::shared_ptr<CandleChartDataSet> candles()
{
    return std::make_shared<CandleChartDataSet>(
        ChartDataEntryList{std::make_shared<CandleChartDataEntry>(2, 9.5, 2.25263223549199, 8, 4),
                           std::make_shared<CandleChartDataEntry>(5, 8, 3, 4, 7)},
        QStringLiteral("Prices"));
}

// Morning 1 and 2, Evening 3 and 4, in the groups "Jan" and "Feb".
template <typename View>
std::unique_ptr<ChartViewBase> groupedBars()
{
    auto data = BarTesting::barData({BarTesting::barSet({1.0, 2.0}, QStringLiteral("Morning")),
                                     BarTesting::barSet({3.0, 4.0}, QStringLiteral("Evening"))},
                                    0.4);
    auto view = BarTesting::fixtureView<View>(data);
    labelX(*view, {QStringLiteral("Jan"), QStringLiteral("Feb")});
    view->groupBars(0, 0.12, 0.04);
    return view;
}

std::unique_ptr<ChartViewBase> pie(bool percentValues)
{
    return PieTesting::pieView({1, 3}, QRect(0, 0, 200, 200), [&](PieChartView& view, PieChartDataSet&) {
        view.setUsePercentValuesEnabled(percentValues);
    });
}

}

// A point's text says its values as the chart writes them (the set's value formatter, the x
// axis's formatter), a slice its share of the whole, and a grouped bar its group's x text in
// every set.
TEST(ChartTypesPointTexts, EveryTypeSaysItsValuesAsTheChartWritesThem)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<ChartViewBase>()> make;
        QStringList names;
    };
    const QList<Case> cases = {
        {"bars, grouped", groupedBars<BarChartView>,
         {"Morning,  Jan: 1.00", "Evening,  Jan: 3.00", "Morning,  Feb: 2.00", "Evening,  Feb: 4.00"}},
        {"horizontal bars, grouped", groupedBars<HorizontalBarChartView>,
         {"Morning,  Jan: 1.00", "Evening,  Jan: 3.00", "Morning,  Feb: 2.00", "Evening,  Feb: 4.00"}},
        {"pie", [] { return pie(false); }, {" : 1.00 (25 %)", " : 3.00 (75 %)"}},
        {"pie of percent values", [] { return pie(true); }, {" : 25.00 % ", " : 75.00 % "}},
        {"radar",
         [] {
             auto view = RadarTesting::radarView({RadarTesting::radarSet({56.55937134259822, 40.1, 70.26}, "Week")});
             labelX(*view, {QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed")});
             return view;
         },
         {"Week - Wed: 70.3 ", "Week - Mon: 56.6 ", "Week - Tue: 40.1 "}},
        {"candles",
         [] {
             return XYChartFixture::fixtureView<CandleStickChartView>(
                 std::make_shared<CandleChartData>(ChartDataSetList{candles()}));
         },
         {" 2 - decreasing. low: 2.25, high: 9.50, opening: 8.00, closing: 4.00",
          " 5 - increasing. low: 3.00, high: 8.00, opening: 4.00, closing: 7.00"}},
        {"combined line and candles",
         [] {
             auto data = std::make_shared<CombinedChartData>();
             data->setLineData(CombinedTesting::flatLine());
             data->setCandleData(std::make_shared<CandleChartData>(ChartDataSetList{candles()}));
             return CombinedTesting::fixtureView(data);
         },
         {"Line,  0: 3.00", "Line,  2: 3.00", "Line,  10: 3.00",
          "Prices 2 - decreasing. low: 2.25, high: 9.50, opening: 8.00, closing: 4.00",
          "Prices 5 - increasing. low: 3.00, high: 8.00, opening: 4.00, closing: 7.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = c.make();
        EXPECT_EQ(itemNames(*view), c.names);
    }
}
