#include "ChartEngine/foundation/NSUIMagnificationGestureRecognizer.h"
#include "ChartEngine/foundation/NSUIPanGestureRecognizer.h"

#include "support/QtPrinters.h"

#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Clicks, double clicks, drags and wheel turns through a chart view are in the views' gesture
// tests; these cover what those cannot see: the velocity, touchpad pinches and cancelling.

using namespace Charts;

namespace {

using State = NSUIGestureRecognizer::State;
using MakeEvent = std::function<std::unique_ptr<QEvent>()>;

// A left-button event at a time stamp in milliseconds.
MakeEvent mouse(QEvent::Type type, QPointF position, quint64 ms)
{
    return [=] {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        auto event = std::make_unique<QMouseEvent>(type, position, position, button, held, Qt::NoModifier);
        event->setTimestamp(ms);
        return event;
    };
}

MakeEvent press(QPointF position, quint64 ms = 0) { return mouse(QEvent::MouseButtonPress, position, ms); }
MakeEvent move(QPointF position, quint64 ms) { return mouse(QEvent::MouseMove, position, ms); }
MakeEvent release(QPointF position, quint64 ms) { return mouse(QEvent::MouseButtonRelease, position, ms); }

MakeEvent pinch(Qt::NativeGestureType type, QPointF position, double value = 0)
{
    return [=] {
        return std::make_unique<QNativeGestureEvent>(type, QPointingDevice::primaryPointingDevice(), 2, position,
                                                     position, position, value, QPointF());
    };
}

void feed(NSUIGestureRecognizer& recognizer, const QList<MakeEvent>& events)
{
    for (const MakeEvent& make : events) {
        const auto event = make();
        recognizer.handleEvent(*event);
    }
}

// Events, and the lines an action writes for them.
struct EventCase {
    const char* name;
    QList<MakeEvent> events;
    QStringList log;
};

// What a recogniser fed the events tells its action, one line per call.
template <typename Recognizer>
QStringList actionsOf(const QList<MakeEvent>& events, std::function<QString(const Recognizer&)> describe)
{
    QStringList log;
    Recognizer recognizer([&](Recognizer& r) { log << describe(r); });
    feed(recognizer, events);
    return log;
}

QString point(QPointF p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

}

TEST(NSUIPanGestureRecognizer, TheVelocityIsThatOfTheLastTenthOfASecond)
{
    // Each step: the state, the translation and the velocity.
    const QList<EventCase> cases = {
        {"a steady drag", {press({0, 0}, 1000), move({6, 4}, 1020), move({16, 4}, 1030), release({16, 4}, 1040)},
         {"1 6,4 300,200", "2 16,4 533.333,133.333", "3 16,4 400,100"}},
        {"older moves drop out",
         {press({0, 0}, 1000), move({50, 0}, 1090), move({60, 0}, 1150), release({70, 0}, 1200)},
         {"1 50,0 555.556,0", "2 60,0 166.667,0", "3 70,0 200,0"}},
        {"rested before the release", {press({0, 0}, 1000), move({20, 0}, 1020), release({20, 0}, 1200)},
         {"1 20,0 1000,0", "3 20,0 0,0"}},
    };
    for (const EventCase& c : cases) {
        const QStringList log = actionsOf<NSUIPanGestureRecognizer>(c.events, [](const NSUIPanGestureRecognizer& r) {
            return QStringLiteral("%1 %2 %3").arg(int(r.state())).arg(point(r.translation()), point(r.velocity()));
        });
        EXPECT_EQ(log, c.log) << c.name;
    }
}

TEST(NSUIPanGestureRecognizer, DisablingADragUnderWayCancelsIt)
{
    QList<State> states;
    NSUIPanGestureRecognizer recognizer([&](NSUIPanGestureRecognizer& r) { states << r.state(); });
    feed(recognizer, {press({0, 0}), move({30, 0}, 10)});

    recognizer.setEnabled(false);
    feed(recognizer, {move({40, 0}, 20)});

    EXPECT_EQ(states, (QList<State>{State::began, State::cancelled}));
    EXPECT_EQ(recognizer.state(), State::possible);
}

TEST(NSUIMagnificationGestureRecognizer, APinchAddsUpItsZoomSteps)
{
    // Each step: the state, the magnification and the location.
    const QList<EventCase> cases = {
        {"begun, zoomed twice, ended",
         {pinch(Qt::BeginNativeGesture, {50, 60}), pinch(Qt::ZoomNativeGesture, {50, 60}, 0.25),
          pinch(Qt::ZoomNativeGesture, {52, 60}, 0.125), pinch(Qt::EndNativeGesture, {52, 61})},
         {"1 0 50,60", "2 0.25 50,60", "2 0.375 52,60", "3 0.375 52,61"}},
        {"zoom steps without a beginning", {pinch(Qt::ZoomNativeGesture, {50, 60}, 0.5)}, {"1 0 50,60", "2 0.5 50,60"}},
        {"other native gestures", {pinch(Qt::RotateNativeGesture, {50, 60}, 10)}, {}},
    };
    for (const EventCase& c : cases) {
        const QStringList log = actionsOf<NSUIMagnificationGestureRecognizer>(
            c.events, [](const NSUIMagnificationGestureRecognizer& r) {
                return QStringLiteral("%1 %2 %3").arg(int(r.state())).arg(r.magnification()).arg(point(r.location()));
            });
        EXPECT_EQ(log, c.log) << c.name;
    }
}
