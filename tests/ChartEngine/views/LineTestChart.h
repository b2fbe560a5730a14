#pragma once

#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/LineChartDataProvider.h"

#include <QImage>
#include <QObject>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

// The size of a test chart and its four content offsets.
struct ChartGeometry {
    double width = 300;
    double height = 200;
    double left = 35;
    double top = 15;
    double right = 35;
    double bottom = 60;
};

// A line chart for renderer tests, standing in for a chart view: a real view-port handler (a
// 300 x 200 chart with offsets 35/15/35/60, content (35, 15, 230, 125), unless given others) and
// left and right transformers over fixed value ranges. The visible x range is read through the
// left transformer as a chart view reads it, unless a test pins it.
class LineTestChart : public QObject, public Charts::LineChartDataProvider {
public:
    LineTestChart(Charts::ChartDataSetList dataSets, double xMin, double xMax, double yMin, double yMax,
                  ChartGeometry geometry = ChartGeometry())
        : handler(std::make_shared<Charts::ViewPortHandler>(geometry.width, geometry.height))
        , m_data(std::make_shared<Charts::LineChartData>(std::move(dataSets)))
        , m_xMin(xMin)
        , m_xMax(xMax)
        , m_yMin(yMin)
        , m_yMax(yMax)
    {
        handler->restrainViewPort(geometry.left, geometry.top, geometry.right, geometry.bottom);
        for (auto* transformer : {&m_left, &m_right}) {
            *transformer = std::make_shared<Charts::Transformer>(handler);
            (*transformer)->prepareMatrixValuePx(xMin, xMax - xMin, yMax - yMin, yMin);
            (*transformer)->prepareMatrixOffset(false);
        }
    }

    double chartXMin() const override { return m_xMin; }
    double chartXMax() const override { return m_xMax; }
    double chartYMin() const override { return m_yMin; }
    double chartYMax() const override { return m_yMax; }
    double maxHighlightDistance() const override { return 500.0; }
    double xRange() const override { return m_xMax - m_xMin; }
    QPointF centerOffsets() const override { return handler->contentCenter(); }
    std::shared_ptr<Charts::ChartData> data() const override { return m_data; }
    qint64 maxVisibleCount() const override { return visibleCount; }
    std::shared_ptr<Charts::Transformer> getTransformer(Charts::AxisDependency axis) const override
    {
        return axis == Charts::AxisDependency::left ? m_left : m_right;
    }
    bool isInverted(Charts::AxisDependency) const override { return false; }
    double lowestVisibleX() const override
    {
        return visibleX ? visibleX->first
                        : std::max(m_left->valueForTouchPoint(handler->contentLeft(), handler->contentBottom()).x(), m_xMin);
    }
    double highestVisibleX() const override
    {
        return visibleX ? visibleX->second
                        : std::min(m_left->valueForTouchPoint(handler->contentRight(), handler->contentBottom()).x(), m_xMax);
    }
    std::shared_ptr<Charts::LineChartData> lineData() const override { return m_data; }
    std::shared_ptr<Charts::YAxis> getAxis(Charts::AxisDependency axis) const override
    {
        return std::make_shared<Charts::YAxis>(axis);
    }

    // Zooms in along x about a view point.
    void zoomX(double scale, double x)
    {
        handler->refresh(handler->zoom(scale, 1.0, x, 0.0), nullptr, false);
    }

    std::shared_ptr<Charts::ViewPortHandler> handler;
    qint64 visibleCount = 100;
    std::optional<std::pair<double, double>> visibleX;

private:
    std::shared_ptr<Charts::LineChartData> m_data;
    std::shared_ptr<Charts::Transformer> m_left;
    std::shared_ptr<Charts::Transformer> m_right;
    double m_xMin;
    double m_xMax;
    double m_yMin;
    double m_yMax;
};

inline std::shared_ptr<Charts::LineChartDataSet> lineSet(std::initializer_list<std::pair<double, double>> points)
{
    Charts::ChartDataEntryList entries;
    for (const auto& [x, y] : points) {
        entries.append(std::make_shared<Charts::ChartDataEntry>(x, y));
    }
    return std::make_shared<Charts::LineChartDataSet>(entries, QStringLiteral("PEF"));
}

// What `draw` paints with antialiasing on a transparent image of the chart's size at the device
// pixel ratio.
template <typename Draw>
QImage paintedChart(const LineTestChart& chart, Draw draw, double pixelRatio = 1.0)
{
    QImage image(static_cast<int>(chart.handler->chartWidth() * pixelRatio),
                 static_cast<int>(chart.handler->chartHeight() * pixelRatio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image;
}
