#pragma once

#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/AffineTransform.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortChart.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/LineChartView.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QRectF>

#include <memory>
#include <ostream>

namespace Charts {

inline void PrintTo(const AffineTransform& m, std::ostream* os)
{
    *os << '[' << m.a << ", " << m.b << ", " << m.c << ", " << m.d << ", " << m.tx << ", " << m.ty
        << ']';
}

}

namespace Charts::Testing {

// The least a job needs of a view: its bounds and its redraw requests, which it records.
class RecordingChart : public QObject, public ViewPortChart {
public:
    QRectF bounds() const override { return {0, 0, 300, 200}; }
    void setNeedsDisplayInRect(const QRectF& rect) override { redraws << rect; }

    QList<QRectF> redraws;
};

// A 300 x 200 chart with offsets 35/15/35/60 (content 35, 15, 230 x 125) showing x 0 to 115 and
// y 0 to 125: two pixels per x unit and one per y unit when fully zoomed out.
struct JobTestChart {
    JobTestChart()
    {
        handler->restrainViewPort(35, 15, 35, 60);
        transformer->prepareMatrixValuePx(0, 115, 125, 0);
        transformer->prepareMatrixOffset(false);
    }

    void zoomTo(double scaleX, double scaleY)
    {
        handler->refresh(handler->setZoom(scaleX, scaleY), nullptr, false);
    }

    // The value under a view point.
    QPointF valueAt(const QPointF& point) const { return transformer->valueForTouchPoint(point); }

    std::shared_ptr<ViewPortHandler> handler = std::make_shared<ViewPortHandler>(300, 200);
    std::shared_ptr<Transformer> transformer = std::make_shared<Transformer>(handler);
    std::unique_ptr<RecordingChart> chart = std::make_unique<RecordingChart>();
};

// A line chart view of 300 x 200, never shown, over x -100 to 100 and y 0 to 100 (the left
// axis then spans -10 to 110).
inline std::unique_ptr<LineChartView> makeLineChart()
{
    auto view = std::make_unique<LineChartView>(QRect(0, 0, 300, 200));
    const ChartDataEntryList entries{std::make_shared<ChartDataEntry>(-100, 0),
                                     std::make_shared<ChartDataEntry>(100, 100)};
    view->setData(std::make_shared<LineChartData>(
        ChartDataSetList{std::make_shared<LineChartDataSet>(entries)}));
    return view;
}

}
