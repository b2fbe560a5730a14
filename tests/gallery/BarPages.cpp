#include "GalleryPage.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/HorizontalBarChartView.h"

#include <cmath>

using namespace Charts;

namespace {

const QStringList months{QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                         QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
                         QStringLiteral("Jul"), QStringLiteral("Aug")};

void labelMonths(BarChartView& view)
{
    view.xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(months));
    view.xAxis()->setGranularity(1);
}

// Three zones per month stacked in order (green at the base, then amber, then red), one month
// with a negative segment below the zero line; the middle segment of one month highlighted.
template <typename View>
std::unique_ptr<QWidget> stackedBars()
{
    ChartDataEntryList entries;
    for (int i = 0; i < months.size(); ++i) {
        const double green = 20 + 6 * std::sin(i);
        const double amber = 8 + (i * 5) % 7;
        const double red = i == 5 ? -6 : 3 + i % 3;
        entries << std::make_shared<BarChartDataEntry>(i, QList<double>{green, amber, red});
    }
    auto set = std::make_shared<BarChartDataSet>(entries, QStringLiteral("Zones"));
    set->setColors({QColor(60, 160, 90), QColor(230, 170, 30), QColor(200, 50, 60)});
    set->setStackLabels({QStringLiteral("Green"), QStringLiteral("Amber"), QStringLiteral("Red")});
    auto view = std::make_unique<View>();
    labelMonths(*view);
    view->setData(std::make_shared<BarChartData>(ChartDataSetList{set}));
    view->highlightValueAtStack(3, 0, 1);
    return view;
}

// Two sets side by side in groups, values above the positive bars and below the negative ones,
// one bar highlighted whole.
template <typename View>
std::unique_ptr<QWidget> negativeBars()
{
    ChartDataSetList sets;
    std::shared_ptr<ChartDataEntry> highlighted;
    const QList<QColor> colors{QColor(0, 61, 165), QColor(230, 120, 30)};
    for (int s = 0; s < 2; ++s) {
        ChartDataEntryList entries;
        for (int i = 0; i < months.size(); ++i) {
            entries << std::make_shared<BarChartDataEntry>(i, std::round(30 * std::sin(i * 0.9 + s * 1.3)));
        }
        auto set = std::make_shared<BarChartDataSet>(entries, s == 0 ? QStringLiteral("Morning")
                                                                      : QStringLiteral("Evening"));
        set->setColor(colors[s]);
        highlighted = entries[3];
        sets << set;
    }
    auto data = std::make_shared<BarChartData>(sets);
    data->setBarWidth(0.4);
    auto view = std::make_unique<View>();
    labelMonths(*view);
    view->xAxis()->setCenterAxisLabelsEnabled(true);
    view->setData(data);
    view->xAxis()->setAxisMinimum(0);
    view->xAxis()->setAxisMaximum(months.size());
    view->groupBars(0, 0.12, 0.04);
    view->highlightValue(highlighted->x(), 1, -1);
    return view;
}

const Gallery::Registration registration{{
    {QStringLiteral("Bars, stacked"), stackedBars<BarChartView>},
    {QStringLiteral("Bars, negative and grouped"), negativeBars<BarChartView>},
    {QStringLiteral("Horizontal bars, stacked"), stackedBars<HorizontalBarChartView>},
    {QStringLiteral("Horizontal bars, negative and grouped"), negativeBars<HorizontalBarChartView>},
}};

}
