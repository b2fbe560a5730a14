#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIClickGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIDisplayLink.h"
#include "ChartEngine/foundation/NSUIMagnificationGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIPanGestureRecognizer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include "AffineTransformPrinter.h"
#include "ViewTestChart.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QMap>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

using namespace Charts;
using namespace ViewTesting;

namespace {

using State = NSUIGestureRecognizer::State;

// A line chart view whose gesture state a test can see.
class GestureView : public LineChartView {
public:
    using LineChartView::LineChartView;
    using BarLineChartViewBase::m_decelerationDisplayLink;
    using BarLineChartViewBase::m_doubleTapGestureRecognizer;
    using BarLineChartViewBase::m_panGestureRecognizer;
    using BarLineChartViewBase::m_pinchGestureRecognizer;
    using BarLineChartViewBase::m_tapGestureRecognizer;
};

using Configure = std::function<void(GestureView&)>;

// The fixture (content (35, 15, 230, 125), two pixels per x and one per y) with values at the
// pixels (55, 110), (135, 80) and (215, 120).
std::unique_ptr<GestureView> gestureView(QWidget* parent = nullptr)
{
    auto view = std::make_unique<GestureView>(QRect(0, 0, 300, 200), parent);
    styleAsFixture(*view);
    view->setData(lineData({{10, 30}, {50, 60}, {90, 20}}));
    return view;
}

// The fixture telling `delegate`, set up for a table case; a drag leaves no inertia behind.
std::unique_ptr<GestureView> caseView(RecordingDelegate& delegate, const Configure& configure,
                                      QWidget* parent = nullptr)
{
    auto view = gestureView(parent);
    view->setDragDecelerationEnabled(false);
    view->setDelegate(&delegate);
    configure(*view);
    return view;
}

// Zoomed in by 1.4 about the content's centre: the view port can move 32 points left, 60 right,
// 31 up and 19 down.
void zoomIn(GestureView& view)
{
    view.zoomIn();
}

QPointF translation(const GestureView& view)
{
    const AffineTransform matrix = view.viewPortHandler()->touchMatrix();
    return {matrix.tx, matrix.ty};
}

std::optional<double> highlightedX(const GestureView& view)
{
    const auto highlights = view.highlighted();
    return highlights.isEmpty() ? std::nullopt : std::optional<double>(highlights.first()->x());
}

std::unique_ptr<NSUIClickGestureRecognizer> click(State state, QPointF location)
{
    auto recognizer = std::make_unique<NSUIClickGestureRecognizer>([](NSUIClickGestureRecognizer&) {});
    recognizer->setState(state);
    recognizer->setLocation(location);
    return recognizer;
}

struct PanStep {
    State state;
    QPointF location;
    QPointF translation;
};

void pan(GestureView& view, NSUIPanGestureRecognizer& recognizer, const PanStep& step)
{
    recognizer.setState(step.state);
    recognizer.setLocation(step.location);
    recognizer.setTranslation(step.translation);
    view.panGestureRecognized(recognizer);
}

}

TEST(BarLineChartViewGestures, SwitchesKeepTheRecognisersInStep)
{
    struct Case {
        const char* name;
        Configure configure;
        bool doubleClick;
        bool pan;
        bool magnification;
    };
    const QList<Case> cases = {
        {"double click zoom off", [](GestureView& v) { v.setDoubleTapToZoomEnabled(false); }, false, true, true},
        {"drag off: the pan keeps its state", [](GestureView& v) { v.setDragEnabled(false); }, true, true, true},
        {"scaling off", [](GestureView& v) { v.setScaleEnabled(false); }, true, true, false},
        {"scaling off, pinch zoom on",
         [](GestureView& v) {
             v.setScaleEnabled(false);
             v.setPinchZoomEnabled(true);
         },
         true, true, true},
        {"only y scales", [](GestureView& v) { v.setScaleXEnabled(false); }, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = gestureView();
        c.configure(*view);
        EXPECT_EQ(view->m_doubleTapGestureRecognizer->isEnabled(), c.doubleClick);
        EXPECT_EQ(view->m_panGestureRecognizer->isEnabled(), c.pan);
        EXPECT_EQ(view->m_pinchGestureRecognizer->isEnabled(), c.magnification);
    }
}

TEST(BarLineChartViewGestures, AClickHighlightsTheNearestValueAndASecondClickClearsIt)
{
    struct Step {
        QPointF location;
        QStringList calls;
        std::optional<double> highlightedX;
    };
    const QList<Step> steps = {
        {{137, 85}, {"selected 50"}, 50},
        {{133, 75}, {"nothing"}, std::nullopt},
        {{60, 100}, {"selected 10"}, 10},
        {{140, 90}, {"selected 50"}, 50},
    };
    const auto view = gestureView();
    RecordingDelegate delegate;
    view->setDelegate(&delegate);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.location.x());
        delegate.calls.clear();
        auto recognizer = click(State::ended, step.location);
        view->tapGestureRecognized(*recognizer);
        EXPECT_EQ(delegate.calls, step.calls);
        EXPECT_EQ(highlightedX(*view), step.highlightedX);
        EXPECT_EQ(view->lastHighlighted(), view->highlighted().value(0));
    }
}

TEST(BarLineChartViewGestures, ClicksThatMayNotHighlightChangeNothing)
{
    struct Case {
        const char* name;
        Configure configure;
        State state;
    };
    const QList<Case> cases = {
        {"highlight per click off", [](GestureView& v) { v.setHighlightPerTapEnabled(false); }, State::ended},
        {"not ended", [](GestureView&) {}, State::began},
        {"no data", [](GestureView& v) { v.setData(nullptr); }, State::ended},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = gestureView();
        RecordingDelegate delegate;
        view->setDelegate(&delegate);
        view->highlightValue(10, 0, -1, false);
        c.configure(*view);
        auto recognizer = click(c.state, {135, 80});
        view->tapGestureRecognized(*recognizer);
        EXPECT_EQ(delegate.calls, QStringList());
        EXPECT_EQ(highlightedX(*view), 10);
    }
}

TEST(BarLineChartViewGestures, ADoubleClickZoomsInAboutItself)
{
    struct Case {
        const char* name;
        Configure configure;
        int doubleClicks;
        std::optional<AffineTransform> matrix;
        QStringList calls;
    };
    const QList<Case> cases = {
        {"from identity at (150, 77.5)", [](GestureView&) {}, 1, AffineTransform{1.4, 0, 0, 1.4, -46, 0},
         {"scaled 1.4 1.4"}},
        {"twice: the delegate hears the resulting scales", [](GestureView&) {}, 2, std::nullopt,
         {"scaled 1.4 1.4", "scaled 1.96 1.96"}},
        {"y may not scale", [](GestureView& v) { v.setScaleYEnabled(false); }, 1,
         AffineTransform{1.4, 0, 0, 1, -46, 0}, {"scaled 1.4 1"}},
        {"double click zoom off", [](GestureView& v) { v.setDoubleTapToZoomEnabled(false); }, 1,
         AffineTransform(), {}},
        {"no entries", [](GestureView& v) { v.setData(lineData({})); }, 1, AffineTransform(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDelegate delegate;
        const auto view = caseView(delegate, c.configure);
        auto recognizer = click(State::ended, {150, 77.5});
        for (int i = 0; i < c.doubleClicks; ++i) {
            view->doubleTapGestureRecognized(*recognizer);
        }
        if (c.matrix) {
            EXPECT_EQ(view->viewPortHandler()->touchMatrix(), *c.matrix);
        }
        EXPECT_EQ(delegate.calls, c.calls);
    }
}

TEST(BarLineChartViewGestures, AMagnificationScalesTheAxesItMay)
{
    struct Case {
        const char* name;
        Configure configure;
        double magnification;
        QSizeF scales;
        QStringList calls;
        double magnificationLeft;
    };
    const QList<Case> cases = {
        {"only y may scale", [](GestureView& v) { v.setScaleXEnabled(false); }, 0.5, {1, 1.5}, {"scaled 1 1.5"}, 0},
        // A magnification has one location: with both switches on it scales y.
        {"both may", [](GestureView&) {}, 0.5, {1, 1.5}, {"scaled 1 1.5"}, 0},
        {"pinch zoom scales both", [](GestureView& v) { v.setPinchZoomEnabled(true); }, 0.5, {1.5, 1.5},
         {"scaled 1.5 1.5"}, 0},
        {"shrinking when fully zoomed out", [](GestureView& v) { v.setPinchZoomEnabled(true); }, -0.25, {1, 1}, {}, 0},
        {"nothing may scale: the step is not taken", [](GestureView& v) { v.setScaleEnabled(false); }, 0.5, {1, 1},
         {}, 0.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDelegate delegate;
        const auto view = caseView(delegate, c.configure);
        NSUIMagnificationGestureRecognizer recognizer([](NSUIMagnificationGestureRecognizer&) {});
        recognizer.setLocation({150, 77.5});
        for (const State state : {State::began, State::changed, State::ended}) {
            recognizer.setState(state);
            if (state == State::changed) {
                recognizer.setMagnification(c.magnification);
            }
            view->pinchGestureRecognized(recognizer);
        }
        EXPECT_EQ(QSizeF(view->scaleX(), view->scaleY()), c.scales);
        EXPECT_EQ(delegate.calls, c.calls);
        EXPECT_EQ(recognizer.magnification(), c.magnificationLeft);
    }
}

TEST(BarLineChartViewGestures, ADragMovesTheViewPortOrHighlights)
{
    struct Case {
        const char* name;
        Configure configure;
        QList<PanStep> steps;
        // How far the view port has moved after each step.
        QList<QPointF> moved;
        QStringList calls;
    };
    const QPointF still(0, 0);
    const QList<Case> cases = {
        {"zoomed in: the way to the start moves the view at once", zoomIn,
         {{State::began, {145, 80}, {10, 0}}, {State::changed, {160, 80}, {25, 0}}, {State::ended, {160, 80}, {25, 0}}},
         {{10, 0}, {25, 0}, {25, 0}},
         {"translated 10 0", "translated 15 0", "end panning"}},
        {"drag off: it highlights instead",
         [](GestureView& v) {
             zoomIn(v);
             v.setDragEnabled(false);
         },
         {{State::began, {135, 80}, {10, 0}}, {State::changed, {137, 80}, {12, 0}},
          {State::changed, {215, 120}, {80, 40}}, {State::ended, {215, 120}, {80, 40}}},
         {still, still, still, still},
         {"selected 50", "selected 90", "end panning"}},
        {"x may not be dragged",
         [](GestureView& v) {
             zoomIn(v);
             v.setDragXEnabled(false);
         },
         {{State::began, {145, 90}, {10, 10}}, {State::changed, {155, 95}, {20, 15}}},
         {{0, 10}, {0, 15}},
         {"translated 0 10", "translated 0 5"}},
        {"a data set on an inverted axis moves the other way",
         [](GestureView& v) {
             zoomIn(v);
             v.leftAxis()->setInverted(true);
             v.notifyDataSetChanged();
         },
         {{State::began, {135, 90}, {0, 10}}, {State::changed, {135, 95}, {0, 15}}},
         {{0, -10}, {0, -15}},
         {"translated 0 -10", "translated 0 -5"}},
        {"the edge stops it, and nobody hears of a step that did not move", zoomIn,
         {{State::began, {100, 80}, {-200, 0}}, {State::changed, {90, 80}, {-210, 0}}},
         {{-32, 0}, {-32, 0}},
         {"translated -200 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDelegate delegate;
        const auto view = caseView(delegate, c.configure);
        const QPointF start = translation(*view);
        NSUIPanGestureRecognizer recognizer([](NSUIPanGestureRecognizer&) {});
        QList<QPointF> moved;
        for (const PanStep& step : c.steps) {
            pan(*view, recognizer, step);
            moved << translation(*view) - start;
        }
        EXPECT_EQ(moved, c.moved);
        EXPECT_EQ(delegate.calls, c.calls);
    }
}

TEST(BarLineChartViewGestures, TheInertiaOfADragLosesTheFrictionEachStepAndStops)
{
    struct Case {
        const char* name;
        double friction;
        QPointF velocity;
        double firstStepX;
        int steps;
        double movedX;
    };
    // Steps of 16 ms: with friction 0.9 the first moves 100 x 0.9 x 0.016.
    const QList<Case> cases = {
        {"friction 0.9", 0.9, {100, 0}, 1.44, 110, 14.4},
        {"stopped by the edge at the step after it", 0.9, {-10000, 0}, -32, 2, -32},
        {"friction 0: no inertia", 0, {100, 0}, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double now = 100;
        MediaClock::setNow(now);
        const auto view = gestureView();
        zoomIn(*view);
        view->setDragDecelerationFrictionCoef(c.friction);
        const QPointF start = translation(*view);
        NSUIPanGestureRecognizer recognizer([](NSUIPanGestureRecognizer&) {});
        pan(*view, recognizer, {State::began, {150, 80}, {0, 0}});
        recognizer.setVelocity(c.velocity);
        pan(*view, recognizer, {State::ended, {150, 80}, {0, 0}});

        int steps = 0;
        while (view->m_decelerationDisplayLink && steps < 1000) {
            now += 0.016;
            MediaClock::setNow(now);
            view->decelerationLoop();
            if (++steps == 1) {
                EXPECT_NEAR(translation(*view).x() - start.x(), c.firstStepX, 1e-9);
            }
        }
        EXPECT_EQ(steps, c.steps);
        EXPECT_NEAR(translation(*view).x() - start.x(), c.movedX, 1e-3);
        EXPECT_EQ(translation(*view).y(), start.y());

        // A new drag stops the inertia of the last one.
        pan(*view, recognizer, {State::began, {150, 80}, {0, 0}});
        pan(*view, recognizer, {State::ended, {150, 80}, {0, 0}});
        ASSERT_TRUE(view->m_decelerationDisplayLink);
        pan(*view, recognizer, {State::began, {150, 80}, {0, 0}});
        EXPECT_FALSE(view->m_decelerationDisplayLink);
    }
    MediaClock::setNow(std::nullopt);
}

TEST(BarLineChartViewGestures, WhetherAGestureMayBegin)
{
    enum class Which { click, pan, magnification };
    struct Case {
        const char* name;
        Configure configure;
        Which which;
        QPointF velocity;
        bool mayBegin;
    };
    const QList<Case> cases = {
        {"a drag on a zoomed-in chart", zoomIn, Which::pan, {100, 10}, true},
        {"a drag with nothing to move or highlight", [](GestureView& v) { v.setHighlightPerDragEnabled(false); },
         Which::pan, {100, 0}, false},
        {"a drag mostly along y, which may not be dragged", [](GestureView& v) { v.setDragYEnabled(false); },
         Which::pan, {10, 100}, false},
        {"a drag mostly along x, which may not be dragged", [](GestureView& v) { v.setDragXEnabled(false); },
         Which::pan, {100, 10}, false},
        {"a magnification when nothing may scale", [](GestureView& v) { v.setScaleEnabled(false); },
         Which::magnification, {}, false},
        {"a click", [](GestureView&) {}, Which::click, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = gestureView();
        c.configure(*view);
        view->m_panGestureRecognizer->setVelocity(c.velocity);
        const QMap<Which, std::shared_ptr<NSUIGestureRecognizer>> recognizers = {
            {Which::click, view->m_tapGestureRecognizer},
            {Which::pan, view->m_panGestureRecognizer},
            {Which::magnification, view->m_pinchGestureRecognizer}};
        EXPECT_EQ(view->gestureRecognizerShouldBegin(*recognizers.value(c.which)), c.mayBegin);
    }
}

TEST(BarLineChartViewGestures, OnlyAPanAndAMagnificationAreRecognisedTogether)
{
    const auto view = gestureView();
    const NSUIGestureRecognizer& pan = *view->m_panGestureRecognizer;
    const NSUIGestureRecognizer& pinch = *view->m_pinchGestureRecognizer;
    const NSUIGestureRecognizer& click = *view->m_tapGestureRecognizer;
    EXPECT_TRUE(view->gestureRecognizerShouldRecognizeSimultaneously(pinch, pan));
    EXPECT_TRUE(view->gestureRecognizerShouldRecognizeSimultaneously(pan, pinch));
    EXPECT_FALSE(view->gestureRecognizerShouldRecognizeSimultaneously(pan, pan));
    EXPECT_FALSE(view->gestureRecognizerShouldRecognizeSimultaneously(pan, click));
    EXPECT_FALSE(view->gestureRecognizerShouldRecognizeSimultaneously(click, pinch));
}

namespace {

// Holds a chart view and counts the wheel turns that reach it.
class WheelCountingParent : public QWidget {
public:
    int wheelTurns = 0;

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        ++wheelTurns;
        event->accept();
    }
};

void turnWheel(QWidget& view, int eighthsOfDegree, Qt::KeyboardModifiers modifiers)
{
    const QPointF position(150, 80);
    QWheelEvent event(position, position, QPoint(), QPoint(0, eighthsOfDegree), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    // As from the window system (as QTest sends mouse events): only such a turn goes on to the
    // parent when the view leaves it.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(&view, &event);
}

}

TEST(BarLineChartViewGestures, QtEventsReachTheGestures)
{
    using Events = std::function<void(GestureView&)>;
    struct Case {
        const char* name;
        Configure configure;
        Events events;
        QStringList calls;
        QPointF moved;
        double scaleY;
        std::optional<double> highlightedX;
        int parentWheelTurns;
    };
    const QList<Case> cases = {
        {"a drag on a zoomed-in chart, ten points to begin", zoomIn,
         [](GestureView& v) {
             QTest::mousePress(&v, Qt::LeftButton, {}, QPoint(140, 80));
             QTest::mouseMove(&v, QPoint(145, 80));
             QTest::mouseMove(&v, QPoint(150, 80));
             QTest::mouseMove(&v, QPoint(162, 80));
             QTest::mouseRelease(&v, Qt::LeftButton, {}, QPoint(162, 80));
         },
         {"translated 10 0", "translated 12 0", "end panning"}, {22, 0}, 1.4, std::nullopt, 0},
        // The second press of a double click is the double click's alone: the first click's
        // highlight stays.
        {"a double click", [](GestureView&) {},
         [](GestureView& v) {
             QTest::mousePress(&v, Qt::LeftButton, {}, QPoint(150, 77));
             QTest::mouseRelease(&v, Qt::LeftButton, {}, QPoint(150, 77));
             QTest::mouseDClick(&v, Qt::LeftButton, {}, QPoint(150, 77));
             QTest::mouseRelease(&v, Qt::LeftButton, {}, QPoint(150, 77));
         },
         {"selected 50", "scaled 1.4 1.4"}, {-46, 0}, 1.4, 50, 0},
        {"a wheel notch with Ctrl", [](GestureView&) {},
         [](GestureView& v) { turnWheel(v, 120, Qt::ControlModifier); }, {"scaled 1 1.1"}, {0, 6}, 1.1,
         std::nullopt, 0},
        {"a plain wheel goes to the parent", [](GestureView&) {},
         [](GestureView& v) { turnWheel(v, 120, Qt::NoModifier); }, {}, {0, 0}, 1, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WheelCountingParent parent;
        RecordingDelegate delegate;
        const auto view = caseView(delegate, c.configure, &parent);
        const QPointF start = translation(*view);

        c.events(*view);

        EXPECT_EQ(delegate.calls, c.calls);
        EXPECT_EQ(translation(*view) - start, c.moved);
        EXPECT_DOUBLE_EQ(view->scaleY(), c.scaleY);
        EXPECT_EQ(highlightedX(*view), c.highlightedX);
        EXPECT_EQ(parent.wheelTurns, c.parentWheelTurns);
    }
}
