#include "ChartEngine/foundation/NSUIClickGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIMagnificationGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIPanGestureRecognizer.h"

#include "support/QtPrinters.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QStyleHints>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Charts;

namespace {

using State = NSUIGestureRecognizer::State;

// One event of a table case; `ms` is its time stamp.
using MakeEvent = std::function<std::unique_ptr<QEvent>()>;

MakeEvent mouse(QEvent::Type type, QPointF position, quint64 ms = 0, Qt::MouseButton button = Qt::LeftButton)
{
    return [=] {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        auto event = std::make_unique<QMouseEvent>(type, position, position, type == QEvent::MouseMove ? Qt::NoButton : button,
                                                   held, Qt::NoModifier);
        event->setTimestamp(ms);
        return event;
    };
}

MakeEvent press(QPointF position, quint64 ms = 0) { return mouse(QEvent::MouseButtonPress, position, ms); }
MakeEvent doubleClickPress(QPointF position) { return mouse(QEvent::MouseButtonDblClick, position); }
MakeEvent move(QPointF position, quint64 ms = 0) { return mouse(QEvent::MouseMove, position, ms); }
MakeEvent release(QPointF position, quint64 ms = 0) { return mouse(QEvent::MouseButtonRelease, position, ms); }

MakeEvent pinch(Qt::NativeGestureType type, QPointF position, double value = 0)
{
    return [=] {
        return std::make_unique<QNativeGestureEvent>(type, QPointingDevice::primaryPointingDevice(), 2, position,
                                                     position, position, value, QPointF());
    };
}

MakeEvent wheel(int eighthsOfDegree, Qt::KeyboardModifiers modifiers, QPointF position = QPointF(40, 50))
{
    return [=] {
        return std::make_unique<QWheelEvent>(position, position, QPoint(), QPoint(0, eighthsOfDegree), Qt::NoButton,
                                             modifiers, Qt::NoScrollPhase, false);
    };
}

// Feeds the events; answers which of them the recogniser used.
QList<bool> feed(NSUIGestureRecognizer& recognizer, const QList<MakeEvent>& events)
{
    QList<bool> used;
    for (const MakeEvent& make : events) {
        const auto event = make();
        used << recognizer.handleEvent(*event);
    }
    return used;
}

QString point(QPointF p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

// The platform's drag distance (10 offscreen).
double dragDistance()
{
    return QGuiApplication::styleHints()->startDragDistance();
}

}

TEST(NSUIClickGestureRecognizer, AClickIsAPressAndAReleaseWithinTheDragDistance)
{
    struct Case {
        const char* name;
        QList<MakeEvent> events;
        QStringList single;
        QStringList twice;
    };
    const QList<Case> cases = {
        {"press and release close by", {press({10, 10}), move({13, 12}), release({14, 15})}, {"ended 14,15"}, {}},
        {"moved the drag distance", {press({10, 10}), move({10 + dragDistance(), 10}), release({10, 10})}, {}, {}},
        // Qt reports the second press of a double click as a double click.
        {"a double click",
         {press({10, 10}), release({10, 10}), doubleClickPress({11, 10}), release({11, 11})},
         {"ended 10,10"},
         {"ended 11,11"}},
        {"the right button",
         {mouse(QEvent::MouseButtonPress, {10, 10}, 0, Qt::RightButton),
          mouse(QEvent::MouseButtonRelease, {10, 10}, 0, Qt::RightButton)},
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const int clicks : {1, 2}) {
            QStringList log;
            NSUIClickGestureRecognizer recognizer(
                [&](NSUIClickGestureRecognizer& r) {
                    log << QStringLiteral("ended %1").arg(point(r.location()));
                    EXPECT_EQ(r.state(), State::ended);
                },
                clicks);
            feed(recognizer, c.events);
            EXPECT_EQ(log, clicks == 1 ? c.single : c.twice) << clicks << " clicks";
            EXPECT_EQ(recognizer.state(), State::possible);
        }
    }
}

TEST(NSUIPanGestureRecognizer, BeginsAtTheDragDistanceWithTheWayFromThePressAndTheRecentVelocity)
{
    struct Case {
        const char* name;
        QList<MakeEvent> events;
        QStringList log;
    };
    // Each step: the state, the translation and the velocity.
    const QList<Case> cases = {
        {"a drag",
         {press({0, 0}, 1000), move({3, 4}, 1010), move({dragDistance() - 4, 4}, 1020), move({16, 4}, 1030),
          release({16, 4}, 1040)},
         {QStringLiteral("1 %1,4 %2,200").arg(dragDistance() - 4).arg((dragDistance() - 4) * 50), "2 16,4 533.333,133.333",
          "3 16,4 400,100"}},
        {"rested before the release: no velocity",
         {press({0, 0}, 1000), move({20, 0}, 1020), release({20, 0}, 1200)},
         {"1 20,0 1000,0", "3 20,0 0,0"}},
        {"the velocity of the last tenth of a second",
         {press({0, 0}, 1000), move({50, 0}, 1090), move({60, 0}, 1150), release({70, 0}, 1200)},
         {"1 50,0 555.556,0", "2 60,0 166.667,0", "3 70,0 200,0"}},
        {"a click is no drag", {press({0, 0}), release({1, 1})}, {}},
        {"a second press of a double click starts one",
         {doubleClickPress({0, 0}), move({0, 30}, 10), release({0, 30}, 20)},
         {"1 0,30 0,3000", "3 0,30 0,1500"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList log;
        NSUIPanGestureRecognizer recognizer([&](NSUIPanGestureRecognizer& r) {
            log << QStringLiteral("%1 %2 %3").arg(int(r.state())).arg(point(r.translation()), point(r.velocity()));
        });
        feed(recognizer, c.events);
        EXPECT_EQ(log, c.log);
    }
}

TEST(NSUIPanGestureRecognizer, DisablingADragUnderWayCancelsIt)
{
    QList<State> states;
    NSUIPanGestureRecognizer recognizer([&](NSUIPanGestureRecognizer& r) { states << r.state(); });
    feed(recognizer, {press({0, 0}), move({30, 0})});

    recognizer.setEnabled(false);
    feed(recognizer, {move({40, 0})});

    EXPECT_EQ(states, (QList<State>{State::began, State::cancelled}));
    EXPECT_EQ(recognizer.state(), State::possible);
}

TEST(NSUIMagnificationGestureRecognizer, PinchesAndCtrlWheelNotchesMagnify)
{
    struct Case {
        const char* name;
        QList<MakeEvent> events;
        QStringList log;
        QList<bool> used;
    };
    // Each step: the state, the magnification and the location.
    const QList<Case> cases = {
        {"a pinch",
         {pinch(Qt::BeginNativeGesture, {50, 60}), pinch(Qt::ZoomNativeGesture, {50, 60}, 0.25),
          pinch(Qt::ZoomNativeGesture, {52, 60}, 0.125), pinch(Qt::EndNativeGesture, {52, 61})},
         {"1 0 50,60", "2 0.25 50,60", "2 0.375 52,60", "3 0.375 52,61"},
         {true, true, true, true}},
        {"zoom steps without a beginning", {pinch(Qt::ZoomNativeGesture, {50, 60}, 0.5)}, {"1 0 50,60", "2 0.5 50,60"}, {true}},
        {"other native gestures", {pinch(Qt::RotateNativeGesture, {50, 60}, 10)}, {}, {false}},
        {"a notch up with Ctrl", {wheel(120, Qt::ControlModifier)}, {"1 0 40,50", "2 0.1 40,50", "3 0.1 40,50"}, {true}},
        {"two notches down with Ctrl", {wheel(-240, Qt::ControlModifier)}, {"1 0 40,50", "2 -0.2 40,50", "3 -0.2 40,50"}, {true}},
        {"half a notch with Ctrl", {wheel(60, Qt::ControlModifier)}, {"1 0 40,50", "2 0.05 40,50", "3 0.05 40,50"}, {true}},
        {"a plain wheel scrolls", {wheel(120, Qt::NoModifier)}, {}, {false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList log;
        NSUIMagnificationGestureRecognizer recognizer([&](NSUIMagnificationGestureRecognizer& r) {
            log << QStringLiteral("%1 %2 %3").arg(int(r.state())).arg(r.magnification()).arg(point(r.location()));
        });
        EXPECT_EQ(feed(recognizer, c.events), c.used);
        EXPECT_EQ(log, c.log);
    }
}
