#pragma once

#include "ChartEngine/components/Marker.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/views/ChartViewDelegate.h"
#include "ChartEngine/views/LineChartView.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QStringList>

#include <functional>
#include <memory>

namespace ViewTesting {

// Something a table case does to a view.
using ViewAction = std::function<void(Charts::LineChartView&)>;

// Line data of one data set through the points, in order.
inline std::shared_ptr<Charts::LineChartData> lineData(const QList<QPointF>& points)
{
    Charts::ChartDataEntryList entries;
    for (const QPointF& point : points) {
        entries << std::make_shared<Charts::ChartDataEntry>(point.x(), point.y());
    }
    auto dataSet = std::make_shared<Charts::LineChartDataSet>(entries, QString());
    return std::make_shared<Charts::LineChartData>(Charts::ChartDataSetList{dataSet});
}

// Fixes the x axis to 0 ... 115 and both y axes to 0 ... 125 and the offsets to 35/15/35/60:
// a 300 x 200 view then has the content (35, 15, 230, 125) at two pixels per x unit and one per
// y unit.
inline void styleAsFixture(Charts::BarLineChartViewBase& view)
{
    view.xAxis()->setAxisMinimum(0);
    view.xAxis()->setAxisMaximum(115);
    for (const auto& axis : {view.leftAxis(), view.rightAxis()}) {
        axis->setAxisMinimum(0);
        axis->setAxisMaximum(125);
    }
    view.setViewPortOffsets(35, 15, 35, 60);
}

// The fixture: a 300 x 200 line chart view made with its frame and never shown, styled as above,
// with the points as its data.
inline std::unique_ptr<Charts::LineChartView> fixtureView(const QList<QPointF>& points)
{
    auto view = std::make_unique<Charts::LineChartView>(QRect(0, 0, 300, 200));
    styleAsFixture(*view);
    view->setData(lineData(points));
    return view;
}

// Writes down the entry and the point of each marker it draws, and "marker" into a log.
class RecordingMarker : public Charts::Marker {
public:
    explicit RecordingMarker(QStringList* log = nullptr)
        : m_log(log)
    {
    }
    QPointF offset() const override { return {}; }
    QPointF offsetForDrawingAtPoint(QPointF) const override { return {}; }
    void refreshContent(const std::shared_ptr<Charts::ChartDataEntry>& entry,
                        const std::shared_ptr<Charts::Highlight>&) override
    {
        entries << entry->x();
    }
    void draw(QPainter&, QPointF point) override
    {
        points << point;
        if (m_log) {
            *m_log << QStringLiteral("marker");
        }
    }

    QList<double> entries;
    QList<QPointF> points;

private:
    QStringList* m_log;
};

// Writes down what a chart view tells it, one line per call.
class RecordingDelegate : public QObject, public Charts::ChartViewDelegate {
public:
    void chartValueSelected(Charts::ChartViewBase&, const std::shared_ptr<Charts::ChartDataEntry>& entry,
                            const std::shared_ptr<Charts::Highlight>&) override
    {
        calls << QStringLiteral("selected %1").arg(entry->x());
    }
    void chartValueNothingSelected(Charts::ChartViewBase&) override { calls << QStringLiteral("nothing"); }
    void animatorDidStop(Charts::ChartViewBase&, Charts::Animator& animator) override
    {
        stoppedAnimator = &animator;
    }

    QStringList calls;
    Charts::Animator* stoppedAnimator = nullptr;
};

}
