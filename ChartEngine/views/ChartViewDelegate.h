#pragma once

#include <memory>

namespace Charts {

class Animator;
class ChartDataEntry;
class ChartViewBase;
class Highlight;

// What a chart view tells the object that follows it (a page, a report). Every member does
// nothing unless overridden. The view holds its delegate weakly as a QObject: an object that
// wants the calls is a QObject that also implements this interface.
class ChartViewDelegate {
public:
    virtual ~ChartViewDelegate() = default;

    // A value was selected: its entry and the very highlight the view keeps.
    virtual void chartValueSelected(ChartViewBase& chartView,
                                    const std::shared_ptr<ChartDataEntry>& entry,
                                    const std::shared_ptr<Highlight>& highlight);
    // The selection was cleared, or asked for a value that does not exist.
    virtual void chartValueNothingSelected(ChartViewBase& chartView);
    // A zoom gesture scaled the chart.
    virtual void chartScaled(ChartViewBase& chartView, double scaleX, double scaleY);
    // A drag moved the chart.
    virtual void chartTranslated(ChartViewBase& chartView, double dX, double dY);
    // A drag ended or was cancelled.
    virtual void chartViewDidEndPanning(ChartViewBase& chartView);
    // The view's appearance animation stopped.
    virtual void animatorDidStop(ChartViewBase& chartView, Animator& animator);

protected:
    ChartViewDelegate() = default;
    ChartViewDelegate(const ChartViewDelegate&) = default;
    ChartViewDelegate& operator=(const ChartViewDelegate&) = default;
};

}
