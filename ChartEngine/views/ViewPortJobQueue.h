#pragma once

#include "ChartEngine/views/ChartViewBase.h"

#include <QList>

#include <memory>

namespace Charts {

class ViewPortJob;

// The engine's way to a chart view's view-port jobs, which are not among the view's public
// members: the jobs that wait for the view's size, and the animated jobs the view keeps while
// they run. Each member is the view's own of the same name (see ChartViewBase).
class ViewPortJobQueue {
public:
    static void addViewportJob(ChartViewBase& view, const std::shared_ptr<ViewPortJob>& job)
    {
        view.addViewportJob(job);
    }
    static void removeViewportJob(ChartViewBase& view, const std::shared_ptr<ViewPortJob>& job)
    {
        view.removeViewportJob(job);
    }
    static QList<std::shared_ptr<ViewPortJob>> viewportJobs(const ChartViewBase& view)
    {
        return view.viewportJobs();
    }
    static void retainRunningJob(ChartViewBase& view, const ViewPortJob* job) { view.retainRunningJob(job); }
    static void releaseRunningJob(ChartViewBase& view, const ViewPortJob* job) { view.releaseRunningJob(job); }
};

}
