#pragma once

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/data/RadarChartData.h"
#include "ChartEngine/data/RadarChartDataEntry.h"
#include "ChartEngine/data/RadarChartDataSet.h"
#include "ChartEngine/types/RadarChartView.h"

#include "support/DrawnChart.h"
#include "support/ImageInk.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>

#include <memory>
#include <optional>

namespace RadarTesting {

// A radar data set of the values, labelled or not.
inline std::shared_ptr<Charts::RadarChartDataSet>
radarSet(const QList<double>& values, const std::optional<QString>& label = std::nullopt)
{
    Charts::ChartDataEntryList entries;
    for (const double value : values) {
        entries << std::make_shared<Charts::RadarChartDataEntry>(value);
    }
    return std::make_shared<Charts::RadarChartDataSet>(entries, label);
}

// A 300 x 300 radar view of the sets without a legend.
inline std::unique_ptr<Charts::RadarChartView>
radarView(const QList<std::shared_ptr<Charts::RadarChartDataSet>>& sets)
{
    auto view = std::make_unique<Charts::RadarChartView>(QRect(0, 0, 300, 300));
    view->legend()->setEnabled(false);
    Charts::ChartDataSetList dataSets;
    for (const auto& set : sets) {
        dataSets << set;
    }
    view->setData(std::make_shared<Charts::RadarChartData>(dataSets));
    return view;
}

// The whole view drawn on a white 300 x 300 image.
inline QImage drawn(Charts::RadarChartView& view)
{
    return ChartTesting::drawn(view, QSize(300, 300), false);
}

// The point of a value on a spoke, as the view places it.
inline QPointF valuePoint(const Charts::RadarChartView& view, double value, qint64 spoke)
{
    return Charts::polarPoint(view.centerOffsets(), (value - view.chartYMin()) * view.factor(),
                              view.sliceAngle() * double(spoke) + view.rotationAngle());
}

}
