#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <memory>

namespace Charts {

class Transformer;
class ViewPortChart;
class ViewPortHandler;
struct AffineTransform;

// A change of a chart's visible region given in values: move the view so that a value lies at
// the content's top-left corner, or zoom about a value. The chart view runs a job at once when it
// knows its size and otherwise keeps it until its first layout.
//
// A job refers to the view's view-port handler, one of its transformers and the view itself
// without keeping any of them alive; once one of them is gone the job changes nothing. The view
// is the chart view (any QObject that is also a ViewPortChart); it is read through a weak link
// on every use. The view port never takes a non-finite number from a job: a step whose matrix or
// target pixel is NaN or infinite is left out.
class ViewPortJob : public QObject {
    Q_OBJECT

public:
    ViewPortJob(const std::shared_ptr<ViewPortHandler>& viewPortHandler, double xValue,
                double yValue, const std::shared_ptr<Transformer>& transformer, QObject* view);
    ~ViewPortJob() override;

    // Abstract: only the subclasses know their work; the base stops the program.
    virtual void doJob();

    // A spare point for callers; no job reads or writes it.
    QPointF point() const { return m_point; }
    void setPoint(const QPointF& point) { m_point = point; }

    double xValue() const { return m_xValue; }
    double yValue() const { return m_yValue; }
    std::shared_ptr<ViewPortHandler> viewPortHandler() const { return m_viewPortHandler.lock(); }
    std::shared_ptr<Transformer> transformer() const { return m_transformer.lock(); }
    QObject* view() const { return m_view.data(); }

protected:
    // The three objects a job works on, held for the length of one step.
    struct Targets {
        std::shared_ptr<ViewPortHandler> handler;
        std::shared_ptr<Transformer> transformer;
        ViewPortChart* chart = nullptr;

        bool isComplete() const { return handler && transformer && chart; }
    };

    // The handler, transformer and view as they are now; incomplete once one of them is gone.
    Targets targets() const;

    // Moves the view so that the value point lies at the content's top-left corner (the
    // handler's centring, which always redraws).
    static void moveValueToTopLeft(const Targets& targets, QPointF value);
    // The same move as a translation of the touch matrix refreshed with `invalidate`.
    static void translateValueToTopLeft(const Targets& targets, QPointF value, bool invalidate);
    // Stores the new touch matrix through the handler, which clamps it and asks the view to
    // redraw. A matrix with a non-finite entry changes nothing and answers false.
    static bool refresh(const Targets& targets, const AffineTransform& matrix, bool invalidate);
    // The handler's touch matrix at the given scales, its translation kept.
    static bool zoomTo(const Targets& targets, double scaleX, double scaleY);
    // When the view is an x-y chart view, lays out its offsets again; then redraws its bounds.
    static void relayoutView(const Targets& targets);

private:
    QPointF m_point;
    std::weak_ptr<ViewPortHandler> m_viewPortHandler;
    double m_xValue = 0;
    double m_yValue = 0;
    std::weak_ptr<Transformer> m_transformer;
    QPointer<QObject> m_view;
};

}
