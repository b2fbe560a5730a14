#include "GalleryPage.h"

#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/BubbleChartDataEntry.h"
#include "ChartEngine/data/BubbleChartDataSet.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/types/BubbleChartView.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/ScatterChartView.h"

#include <cmath>

using namespace Charts;

namespace {

const QList<QColor> setColors{QColor(0, 61, 165), QColor(230, 120, 30), QColor(60, 160, 90),
                              QColor(200, 50, 60), QColor(130, 80, 170), QColor(40, 150, 170),
                              QColor(120, 120, 120)};

// One set per shape, each on its own row of points.
std::unique_ptr<QWidget> allShapes()
{
    const QList<std::pair<QString, ScatterChartDataSetShape>> shapes{
        {QStringLiteral("square"), ScatterChartDataSetShape::square},
        {QStringLiteral("circle"), ScatterChartDataSetShape::circle},
        {QStringLiteral("triangle"), ScatterChartDataSetShape::triangle},
        {QStringLiteral("cross"), ScatterChartDataSetShape::cross},
        {QStringLiteral("x"), ScatterChartDataSetShape::x},
        {QStringLiteral("chevron up"), ScatterChartDataSetShape::chevronUp},
        {QStringLiteral("chevron down"), ScatterChartDataSetShape::chevronDown}};
    ChartDataSetList sets;
    for (int row = 0; row < shapes.size(); ++row) {
        ChartDataEntryList entries;
        for (int i = 0; i < 12; ++i) {
            entries << std::make_shared<ChartDataEntry>(i, row * 10 + 4 * std::sin(i + row));
        }
        auto set = std::make_shared<ScatterChartDataSet>(entries, shapes[row].first);
        set->setScatterShape(shapes[row].second);
        set->setScatterShapeSize(14);
        set->setColor(setColors[row]);
        sets << set;
    }
    auto view = std::make_unique<ScatterChartView>();
    view->setData(std::make_shared<ScatterChartData>(sets));
    view->highlightValue(5, 1, -1);
    return view;
}

std::unique_ptr<QWidget> bubbles()
{
    ChartDataSetList sets;
    for (int s = 0; s < 2; ++s) {
        ChartDataEntryList entries;
        for (int i = 0; i < 8; ++i) {
            entries << std::make_shared<BubbleChartDataEntry>(i, 20 + 10 * s + 8 * std::cos(i),
                                                              1 + (i * 7 + s * 3) % 9);
        }
        auto set = std::make_shared<BubbleChartDataSet>(entries, QStringLiteral("Set %1").arg(s + 1));
        set->setColor(setColors[s], 0.6);
        sets << set;
    }
    auto view = std::make_unique<BubbleChartView>();
    view->setData(std::make_shared<BubbleChartData>(sets));
    view->highlightValue(3, 0, -1);
    return view;
}

// Thirty days of prices: rising, falling and unchanged days.
ChartDataEntryList prices()
{
    ChartDataEntryList entries;
    double close = 100;
    for (int i = 0; i < 30; ++i) {
        const double open = close;
        close = i % 7 == 3 ? open : open + 6 * std::sin(i * 1.7);
        entries << std::make_shared<CandleChartDataEntry>(i, std::max(open, close) + 3,
                                                          std::min(open, close) - 3, open, close);
    }
    return entries;
}

std::unique_ptr<QWidget> candles(bool showCandleBar)
{
    auto set = std::make_shared<CandleChartDataSet>(prices(), QStringLiteral("Prices"));
    set->setIncreasingColor(QColor(60, 160, 90));
    set->setDecreasingColor(QColor(200, 50, 60));
    set->setNeutralColor(QColor(0, 61, 165));
    set->setShadowColorSameAsCandle(true);
    set->setIncreasingFilled(!showCandleBar);
    set->setShowCandleBar(showCandleBar);
    auto view = std::make_unique<CandleStickChartView>();
    view->setData(std::make_shared<CandleChartData>(ChartDataSetList{set}));
    view->highlightValue(12, 0, -1);
    return view;
}

const Gallery::Registration registration{{
    {QStringLiteral("Scatter, all seven shapes"), allShapes},
    {QStringLiteral("Bubbles"), bubbles},
    {QStringLiteral("Candles"), [] { return candles(true); }},
    {QStringLiteral("Open-high-low-close ticks"), [] { return candles(false); }},
}};

}
