#pragma once

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/BubbleChartDataEntry.h"
#include "ChartEngine/data/BubbleChartDataSet.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/data/PieChartDataSet.h"
#include "ChartEngine/data/RadarChartData.h"
#include "ChartEngine/data/RadarChartDataEntry.h"
#include "ChartEngine/data/RadarChartDataSet.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/BubbleChartView.h"
#include "ChartEngine/types/CandleStickChartView.h"
#include "ChartEngine/types/CombinedChartView.h"
#include "ChartEngine/types/HorizontalBarChartView.h"
#include "ChartEngine/types/PieChartView.h"
#include "ChartEngine/types/RadarChartView.h"
#include "ChartEngine/types/ScatterChartView.h"
#include "ChartEngine/views/LineChartView.h"
#include "fuzz/ChartFuzzInput.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>

// What no input may do to the charting engine: hang, crash, or reach undefined behaviour while it
// builds a chart of any type from that input and draws it into an image. The input chooses the
// chart type, its data (NaN, infinities, ±1e308, empty sets, duplicate and unsorted x), its
// settings (label counts, granularity, axis ends, offsets, view sizes down to 0 × 0) and its
// highlights. The fuzz target's time limit per input makes a hang a finding; the sanitizers make
// one of undefined behaviour.
namespace ChartFuzz {

using namespace Charts;

// The x of entry `i` of `size`: in order, all the same, in reverse, or any number.
inline double xValue(ChartFuzzInput& input, int order, int i, int size)
{
    switch (order) {
    case 0: return i;
    case 1: return i / 2;
    case 2: return size - i;
    default: return input.number();
    }
}

// A list of up to 40 entries made by `entry` from (input, x).
inline ChartDataEntryList entries(ChartFuzzInput& input,
                                  const std::function<std::shared_ptr<ChartDataEntry>(double)>& entry)
{
    ChartDataEntryList list;
    const int size = input.choice(41);
    const int order = input.choice(4);
    for (int i = 0; i < size; ++i) {
        list.append(entry(xValue(input, order, i, size)));
    }
    return list;
}

inline std::optional<QList<double>> dashLengths(ChartFuzzInput& input)
{
    if (!input.flag()) {
        return std::nullopt;
    }
    return input.numbers(4);
}

// What every data set of a bar, line, scatter, candle or bubble chart shares.
inline void setUpXYDataSet(ChartFuzzInput& input, BarLineScatterCandleBubbleChartDataSet& dataSet)
{
    dataSet.setAxisDependency(input.flag() ? AxisDependency::left : AxisDependency::right);
    dataSet.setDrawValuesEnabled(input.flag());
    dataSet.setVisible(input.choice(8) != 0);
    dataSet.setHighlightLineWidth(input.number());
    dataSet.setHighlightLineDashLengths(dashLengths(input));
    dataSet.setForm(static_cast<LegendForm>(input.choice(6)));
    dataSet.setFormSize(input.number());
    dataSet.setFormLineDashLengths(dashLengths(input));
}

inline std::shared_ptr<LineChartDataSet> lineDataSet(ChartFuzzInput& input)
{
    auto dataSet = std::make_shared<LineChartDataSet>(entries(input, [&input](double x) {
        return std::make_shared<ChartDataEntry>(x, input.number());
    }));
    setUpXYDataSet(input, *dataSet);
    dataSet->setMode(static_cast<LineChartDataSetMode>(input.choice(4)));
    dataSet->setCubicIntensity(input.number());
    dataSet->setLineWidth(input.number());
    dataSet->setLineDashPhase(input.number());
    dataSet->setLineDashLengths(dashLengths(input));
    dataSet->setDrawLineWithGradientEnabled(input.flag());
    if (input.flag()) {
        dataSet->setGradientPositions(input.numbers(4));
    }
    dataSet->setDrawFilledEnabled(input.flag());
    dataSet->setDrawCirclesEnabled(input.flag());
    dataSet->setCircleRadius(input.number());
    dataSet->setCircleHoleRadius(input.number());
    return dataSet;
}

inline std::shared_ptr<BarChartDataSet> barDataSet(ChartFuzzInput& input)
{
    auto dataSet = std::make_shared<BarChartDataSet>(entries(input, [&input](double x) {
        if (input.flag()) {
            return std::make_shared<BarChartDataEntry>(x, input.numbers(4));
        }
        return std::make_shared<BarChartDataEntry>(x, input.number());
    }));
    setUpXYDataSet(input, *dataSet);
    dataSet->setBarBorderWidth(input.number());
    return dataSet;
}

inline std::shared_ptr<ScatterChartDataSet> scatterDataSet(ChartFuzzInput& input)
{
    auto dataSet = std::make_shared<ScatterChartDataSet>(entries(input, [&input](double x) {
        return std::make_shared<ChartDataEntry>(x, input.number());
    }));
    setUpXYDataSet(input, *dataSet);
    dataSet->setScatterShape(static_cast<ScatterChartDataSetShape>(input.choice(7)));
    dataSet->setScatterShapeSize(input.number());
    dataSet->setScatterShapeHoleRadius(input.number());
    return dataSet;
}

inline std::shared_ptr<BubbleChartDataSet> bubbleDataSet(ChartFuzzInput& input)
{
    auto dataSet = std::make_shared<BubbleChartDataSet>(entries(input, [&input](double x) {
        const double y = input.number();
        return std::make_shared<BubbleChartDataEntry>(x, y, input.number());
    }));
    setUpXYDataSet(input, *dataSet);
    dataSet->setNormalizeSizeEnabled(input.flag());
    dataSet->setHighlightCircleWidth(input.number());
    return dataSet;
}

inline std::shared_ptr<CandleChartDataSet> candleDataSet(ChartFuzzInput& input)
{
    auto dataSet = std::make_shared<CandleChartDataSet>(entries(input, [&input](double x) {
        const double high = input.number();
        const double low = input.number();
        const double open = input.number();
        return std::make_shared<CandleChartDataEntry>(x, high, low, open, input.number());
    }));
    setUpXYDataSet(input, *dataSet);
    dataSet->setBarSpace(input.number());
    dataSet->setShadowWidth(input.number());
    dataSet->setShowCandleBar(input.flag());
    return dataSet;
}

// Up to three data sets made by `make`.
template <typename Make> ChartDataSetList dataSets(ChartFuzzInput& input, Make make)
{
    ChartDataSetList sets;
    const int count = input.choice(4);
    for (int i = 0; i < count; ++i) {
        sets.append(make(input));
    }
    return sets;
}

inline void setUpAxis(ChartFuzzInput& input, AxisBase& axis)
{
    axis.setEnabled(input.choice(8) != 0);
    axis.setLabelCount(input.count(), input.flag());
    axis.setGranularityEnabled(input.flag());
    axis.setGranularity(input.number());
    axis.setCenterAxisLabelsEnabled(input.flag());
    axis.setGridLineDashLengths(dashLengths(input));
    if (input.flag()) {
        axis.setAxisMinimum(input.number());
    }
    if (input.flag()) {
        axis.setAxisMaximum(input.number());
    }
    axis.setSpaceMin(input.number());
    axis.setSpaceMax(input.number());
}

// The settings of a bar-line view: its axes, offsets and visible ranges.
inline void setUpBarLineView(ChartFuzzInput& input, BarLineChartViewBase& view)
{
    setUpAxis(input, *view.xAxis());
    view.xAxis()->setLabelPosition(static_cast<XAxis::LabelPosition>(input.choice(5)));
    view.xAxis()->setLabelRotationAngle(input.number());
    view.xAxis()->setAvoidFirstLastClippingEnabled(input.flag());
    for (const std::shared_ptr<YAxis>& axis : {view.leftAxis(), view.rightAxis()}) {
        setUpAxis(input, *axis);
        axis->setInverted(input.flag());
        axis->setSpaceTop(input.number());
        axis->setSpaceBottom(input.number());
        axis->setLabelPosition(static_cast<YAxis::LabelPosition>(input.choice(2)));
    }
    view.setMinOffset(input.number());
    view.setAutoScaleMinMaxEnabled(input.flag());
    view.setMaxVisibleCount(input.count());
    view.setDrawGridBackgroundEnabled(input.flag());
    view.setDrawBordersEnabled(input.flag());
    view.setBorderLineWidth(input.number());
}

// Ranges and zoom, set once the view has its data (they need its extent).
inline void setUpBarLineRanges(ChartFuzzInput& input, BarLineChartViewBase& view)
{
    if (input.flag()) {
        view.setVisibleXRange(input.number(), input.number());
    }
    if (input.flag()) {
        view.setScaleMinima(input.number(), input.number());
    }
    if (input.flag()) {
        view.setViewPortOffsets(input.number(), input.number(), input.number(), input.number());
    }
}

inline std::shared_ptr<BarChartData> barData(ChartFuzzInput& input)
{
    auto data = std::make_shared<BarChartData>(dataSets(input, barDataSet));
    data->setBarWidth(input.number());
    if (input.flag()) {
        data->groupBars(input.number(), input.number(), input.number());
    }
    return data;
}

inline std::shared_ptr<CombinedChartData> combinedData(ChartFuzzInput& input)
{
    auto data = std::make_shared<CombinedChartData>();
    if (input.flag()) {
        data->setLineData(std::make_shared<LineChartData>(dataSets(input, lineDataSet)));
    }
    if (input.flag()) {
        data->setBarData(barData(input));
    }
    if (input.flag()) {
        data->setScatterData(std::make_shared<ScatterChartData>(dataSets(input, scatterDataSet)));
    }
    if (input.flag()) {
        data->setCandleData(std::make_shared<CandleChartData>(dataSets(input, candleDataSet)));
    }
    if (input.flag()) {
        data->setBubbleData(std::make_shared<BubbleChartData>(dataSets(input, bubbleDataSet)));
    }
    return data;
}

// A bar-line view of type `View` with its settings, its data from `data`, and its ranges.
template <typename View>
std::unique_ptr<ChartViewBase> barLineChart(ChartFuzzInput& input,
                                            const std::function<std::shared_ptr<ChartData>()>& data)
{
    auto view = std::make_unique<View>();
    setUpBarLineView(input, *view);
    if constexpr (std::is_base_of_v<BarChartView, View>) {
        view->setDrawValueAboveBarEnabled(input.flag());
        view->setDrawBarShadowEnabled(input.flag());
        view->setFitBars(input.flag());
        view->setHighlightFullBarEnabled(input.flag());
    }
    if constexpr (std::is_same_v<View, CombinedChartView>) {
        QList<CombinedChartView::DrawOrder> order;
        for (int i = input.choice(6); i > 0; --i) {
            order.append(static_cast<CombinedChartView::DrawOrder>(input.choice(5)));
        }
        view->setDrawOrder(order);
    }
    view->setData(data());
    setUpBarLineRanges(input, *view);
    return view;
}

// What a pie and a radar view share: rotation and offsets.
inline void setUpPieRadarView(ChartFuzzInput& input, PieRadarChartViewBase& view)
{
    view.setRotationAngle(input.number());
    view.setMinOffset(input.number());
}

inline std::shared_ptr<PieChartDataSet> pieDataSet(ChartFuzzInput& input)
{
    ChartDataEntryList slices;
    for (int i = input.choice(41); i > 0; --i) {
        slices.append(std::make_shared<PieChartDataEntry>(input.number(), QStringLiteral("Slice %1").arg(i)));
    }
    auto dataSet = std::make_shared<PieChartDataSet>(slices);
    dataSet->setSliceSpace(input.number());
    dataSet->setSelectionShift(input.number());
    dataSet->setXValuePosition(static_cast<PieChartValuePosition>(input.choice(2)));
    dataSet->setYValuePosition(static_cast<PieChartValuePosition>(input.choice(2)));
    dataSet->setValueLineWidth(input.number());
    dataSet->setValueLinePart1OffsetPercentage(input.number());
    dataSet->setValueLinePart1Length(input.number());
    dataSet->setValueLinePart2Length(input.number());
    dataSet->setValueLineVariableLength(input.flag());
    dataSet->setDrawValuesEnabled(input.flag());
    return dataSet;
}

inline std::unique_ptr<ChartViewBase> pieChart(ChartFuzzInput& input)
{
    auto view = std::make_unique<PieChartView>();
    setUpPieRadarView(input, *view);
    view->setDrawHoleEnabled(input.flag());
    view->setHoleRadiusPercent(input.number());
    view->setTransparentCircleRadiusPercent(input.number());
    view->setMaxAngle(input.number());
    view->setUsePercentValuesEnabled(input.flag());
    view->setDrawEntryLabelsEnabled(input.flag());
    view->setSliceTextDrawingThreshold(input.number());
    view->setCenterTextRadiusPercent(input.number());
    if (input.flag()) {
        view->setCenterText(QStringLiteral("Centre\ntext of\nthree lines"));
    }
    view->setCenterTextOffset(QPointF(input.number(), input.number()));
    if (input.flag()) {
        view->setData(std::make_shared<PieChartData>(ChartDataSetList{pieDataSet(input)}));
    }
    return view;
}

inline std::shared_ptr<RadarChartDataSet> radarDataSet(ChartFuzzInput& input)
{
    ChartDataEntryList values;
    for (int i = input.choice(41); i > 0; --i) {
        values.append(std::make_shared<RadarChartDataEntry>(input.number()));
    }
    auto dataSet = std::make_shared<RadarChartDataSet>(values);
    dataSet->setDrawFilledEnabled(input.flag());
    dataSet->setLineWidth(input.number());
    dataSet->setDrawHighlightCircleEnabled(input.flag());
    dataSet->setHighlightCircleOuterRadius(input.number());
    dataSet->setHighlightCircleInnerRadius(input.number());
    dataSet->setDrawValuesEnabled(input.flag());
    return dataSet;
}

inline std::unique_ptr<ChartViewBase> radarChart(ChartFuzzInput& input)
{
    auto view = std::make_unique<RadarChartView>();
    setUpPieRadarView(input, *view);
    view->setSkipWebLineCount(input.count());
    view->setWebLineWidth(input.number());
    view->setInnerWebLineWidth(input.number());
    view->setDrawWeb(input.choice(8) != 0);
    setUpAxis(input, *view->yAxis());
    view->setData(std::make_shared<RadarChartData>(dataSets(input, radarDataSet)));
    return view;
}

// A chart of the type the input chooses.
inline std::unique_ptr<ChartViewBase> chart(ChartFuzzInput& input)
{
    switch (input.choice(9)) {
    case 0:
        return barLineChart<LineChartView>(input, [&input] {
            return std::make_shared<LineChartData>(dataSets(input, lineDataSet));
        });
    case 1: return barLineChart<BarChartView>(input, [&input] { return barData(input); });
    case 2: return barLineChart<HorizontalBarChartView>(input, [&input] { return barData(input); });
    case 3: return pieChart(input);
    case 4: return radarChart(input);
    case 5:
        return barLineChart<ScatterChartView>(input, [&input] {
            return std::make_shared<ScatterChartData>(dataSets(input, scatterDataSet));
        });
    case 6:
        return barLineChart<BubbleChartView>(input, [&input] {
            return std::make_shared<BubbleChartData>(dataSets(input, bubbleDataSet));
        });
    case 7:
        return barLineChart<CandleStickChartView>(input, [&input] {
            return std::make_shared<CandleChartData>(dataSets(input, candleDataSet));
        });
    default: return barLineChart<CombinedChartView>(input, [&input] { return combinedData(input); });
    }
}

// The chart's extra offsets, legend and highlights.
inline void setUpChart(ChartFuzzInput& input, ChartViewBase& view)
{
    if (input.flag()) {
        view.setExtraOffsets(input.number(), input.number(), input.number(), input.number());
    }
    view.legend()->setEnabled(input.flag());
    view.legend()->setOrientation(static_cast<Legend::Orientation>(input.choice(2)));
    view.legend()->setWordWrapEnabled(input.flag());
    HighlightList highlights;
    for (int i = input.choice(4); i > 0; --i) {
        const double x = input.number();
        const double y = input.number();
        highlights.append(std::make_shared<Highlight>(x, y, input.count(), input.count()));
    }
    view.highlightValues(highlights);
}

// A view size from 0 × 0 to 900 × 900, small sizes more often.
inline QSize viewSize(ChartFuzzInput& input)
{
    if (input.flag()) {
        return QSize(input.choice(8), input.choice(8));
    }
    return QSize(input.upTo(900), input.upTo(900));
}

}

namespace FuzzChecks {

// The input as a chart, drawn into an image of its view's size at a device pixel ratio of 1 or 2.
// Whatever the input, the draw ends; the sanitizers and the time limit judge how.
inline QString chartDrawing(const QByteArray& bytes)
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "chart_fuzz";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication application(argc, argv);
    }
    ChartFuzzInput input(bytes);
    const QSize size = ChartFuzz::viewSize(input);
    const int ratio = 1 + input.choice(2);
    std::unique_ptr<Charts::ChartViewBase> view = ChartFuzz::chart(input);
    ChartFuzz::setUpChart(input, *view);
    view->setFrame(QRect(QPoint(0, 0), size));
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, input.flag());
    view->drawChart(painter);
    return QString();
}

}
