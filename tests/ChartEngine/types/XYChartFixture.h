#pragma once

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/views/BarLineChartViewBase.h"
#include "ChartEngine/views/BubbleChartDataProvider.h"
#include "ChartEngine/views/CandleChartDataProvider.h"
#include "ChartEngine/views/ScatterChartDataProvider.h"

#include "RecordingPaintDevice.h"

#include <QImage>
#include <QPainter>

#include <memory>

// Views of the scatter, bubble and candle tests: 300 x 200, never shown, x and both y axes fixed
// to 0 ... 10 without grid, axis lines or labels, no legend, offsets 35/15/35/60. The content is
// (35, 15, 230, 125) and the value (x, y) lies at the pixel (35 + 23x, 140 - 12.5y).
namespace XYChartFixture {

inline QPointF pixel(double x, double y)
{
    return QPointF(35 + 23 * x, 140 - 12.5 * y);
}

template <typename View>
std::unique_ptr<View> fixtureView(std::shared_ptr<Charts::ChartData> data)
{
    auto view = std::make_unique<View>(QRect(0, 0, 300, 200));
    for (const std::shared_ptr<Charts::AxisBase>& axis :
         {std::static_pointer_cast<Charts::AxisBase>(view->xAxis()),
          std::static_pointer_cast<Charts::AxisBase>(view->leftAxis()),
          std::static_pointer_cast<Charts::AxisBase>(view->rightAxis())}) {
        axis->setAxisMinimum(0);
        axis->setAxisMaximum(10);
        axis->setDrawGridLinesEnabled(false);
        axis->setDrawAxisLineEnabled(false);
        axis->setDrawLabelsEnabled(false);
    }
    view->legend()->setEnabled(false);
    view->setData(std::move(data));
    view->setViewPortOffsets(35, 15, 35, 60);
    return view;
}

// What `draw` paints with antialiasing on a white 300 x 200 image.
template <typename Draw>
QImage painted(Draw draw)
{
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image;
}

// The paint calls that `draw` makes.
template <typename Draw>
std::vector<Drawn> recorded(Draw draw)
{
    RecordingDevice device(300, 200);
    QPainter painter(&device);
    draw(painter);
    painter.end();
    return device.drawn();
}

// An x-y chart view that answers the scatter, bubble and candle providers but is none of those
// views, as a combined chart is.
class OtherXYView : public Charts::BarLineChartViewBase,
                    public virtual Charts::ScatterChartDataProvider,
                    public virtual Charts::BubbleChartDataProvider,
                    public virtual Charts::CandleChartDataProvider {
public:
    using BarLineChartViewBase::BarLineChartViewBase;

    std::shared_ptr<Charts::ScatterChartData> scatterData() const override
    {
        return std::dynamic_pointer_cast<Charts::ScatterChartData>(data());
    }
    std::shared_ptr<Charts::BubbleChartData> bubbleData() const override
    {
        return std::dynamic_pointer_cast<Charts::BubbleChartData>(data());
    }
    std::shared_ptr<Charts::CandleChartData> candleData() const override
    {
        return std::dynamic_pointer_cast<Charts::CandleChartData>(data());
    }
};

// Writes down each value it formats; the text is the value with one decimal.
class RecordingFormatter : public Charts::ValueFormatter {
public:
    QString stringForValue(double value, const Charts::ChartDataEntry*, qint64, const Charts::ViewPortHandler*) const override
    {
        values << value;
        return QString::number(value, 'f', 1);
    }

    mutable QList<double> values;
};

}
