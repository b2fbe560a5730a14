#include "ChartEngine/components/Legend.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/data/PieChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/NSUIRotationGestureRecognizer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/PieChartView.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace Charts;

namespace {

using State = NSUIGestureRecognizer::State;

// A round chart of the content's inscribed circle, without a legend: a 200 x 200 view has its
// centre at (100, 100).
class CircleView : public PieRadarChartViewBase {
public:
    explicit CircleView(const QRect& frame = QRect(0, 0, 200, 200))
        : PieRadarChartViewBase(frame)
    {
        legend()->setEnabled(false);
        calculateOffsets();
    }
    qint64 indexForAngle(double) const override { return -1; }
    double radius() const override { return diameter() / 2; }
    double requiredLegendOffset() const override { return legendOffset; }
    double requiredBaseOffset() const override { return baseOffset; }

    double baseOffset = 0;
    double legendOffset = 0;
};

// Every mouse event the view's own handling is offered.
class EventCounter : public NSUIGestureRecognizer {
public:
    EventCounter()
        : NSUIGestureRecognizer({})
    {
    }
    bool handleEvent(QEvent& event) override
    {
        if (event.type() != QEvent::NativeGesture) {
            ++events;
        }
        return false;
    }
    int events = 0;
};

// The point at `angle` degrees, 50 from the centre (100, 100).
QPointF at(double angle)
{
    const double radians = angle * std::numbers::pi / 180;
    return QPointF(100 + 50 * std::cos(radians), 100 + 50 * std::sin(radians));
}

void send(QWidget& view, QEvent::Type type, QPointF point, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, point, point, point, type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

void drag(QWidget& view, const QList<QPointF>& points, Qt::MouseButton button = Qt::LeftButton)
{
    send(view, QEvent::MouseButtonPress, points.first(), button);
    for (qsizetype i = 1; i < points.size(); ++i) {
        send(view, QEvent::MouseMove, points.at(i), button);
    }
    send(view, QEvent::MouseButtonRelease, points.last(), button);
}

class PieRadarChartViewBaseTest : public testing::Test {
protected:
    void SetUp() override { MediaClock::setNow(100); }
    void TearDown() override { MediaClock::setNow(std::nullopt); }
};

// Slices of 90, 90 and 180 degrees from the top: a 200 x 200 pie of radius 100 - 18 at (100, 100).
std::unique_ptr<PieChartView> pieView()
{
    auto view = std::make_unique<PieChartView>(QRect(0, 0, 200, 200));
    view->legend()->setEnabled(false);
    ChartDataEntryList entries{std::make_shared<PieChartDataEntry>(1), std::make_shared<PieChartDataEntry>(1),
                               std::make_shared<PieChartDataEntry>(2)};
    view->setData(std::make_shared<PieChartData>(ChartDataSetList{std::make_shared<PieChartDataSet>(entries)}));
    return view;
}

}

TEST_F(PieRadarChartViewBaseTest, RotationIsKeptRawAndNormalised)
{
    struct Case {
        double value, angle;
    } cases[] = {{370, 10}, {-90, 270}, {-360, 360}, {-0.0, 360}, {720, 0}};
    for (const Case& c : cases) {
        CircleView view;
        view.setRotationAngle(c.value);
        EXPECT_EQ(view.rotationAngle(), c.angle) << c.value;
        EXPECT_EQ(view.rawRotationAngle(), c.value) << c.value;
    }
}

TEST_F(PieRadarChartViewBaseTest, DragsWithinEightPointsRotateAndBeyondThemTakeTheMouse)
{
    struct Case {
        const char* name;
        QList<QPointF> points;
        double rotation;
        int eventsSeen;
    } cases[] = {
        // From 360 degrees to 5.71: the start angle is 90, so the rotation becomes 275.71.
        {"5 points", {{150, 100}, {150, 105}}, 275.7106, 3},
        {"9 points only start rotating", {{150, 100}, {150, 109}}, 270, 1},
        {"then turn", {{150, 100}, {150, 109}, {100, 150}}, 0, 1},
    };
    for (const Case& c : cases) {
        CircleView view;
        view.setDragDecelerationEnabled(false);
        const auto counter = std::make_shared<EventCounter>();
        view.addGestureRecognizer(counter);
        drag(view, c.points);
        EXPECT_NEAR(view.rotationAngle(), c.rotation, 1e-3) << c.name;
        EXPECT_EQ(counter->events, c.eventsSeen) << c.name;
        EXPECT_FALSE(view.isRotating()) << c.name;
    }
}

TEST_F(PieRadarChartViewBaseTest, VelocityFromSamples)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        double time1, angle1, time2, angle2, velocity;
    } cases[] = {
        {"simultaneous samples count 0.1 s", 100, 10, 100, 40, 300},
        {"a wrap across 360 is clockwise", 100, 350, 100.5, 10, 40},
        {"anticlockwise", 100, 40, 101, 10, -30},
        {"a velocity that is not a number counts 0", inf, 10, inf, 40, 0},
    };
    for (const Case& c : cases) {
        CircleView view;
        MediaClock::setNow(c.time1);
        view.recordAngularSample(at(c.angle1));
        MediaClock::setNow(c.time2);
        view.recordAngularSample(at(c.angle2));
        EXPECT_NEAR(view.currentAngularVelocity(), c.velocity, 1e-6) << c.name;
    }
}

TEST_F(PieRadarChartViewBaseTest, MomentumAfterARelease)
{
    struct Case {
        const char* name;
        bool deceleration;
        bool momentum;
    } cases[] = {{"deceleration on", true, true}, {"deceleration off", false, false}};
    for (const Case& c : cases) {
        CircleView view;
        view.setDragDecelerationEnabled(c.deceleration);
        send(view, QEvent::MouseButtonPress, at(0));
        MediaClock::setNow(100.1);
        send(view, QEvent::MouseMove, at(3));
        MediaClock::setNow(100.2);
        send(view, QEvent::MouseButtonRelease, at(6));
        EXPECT_EQ(view.isDecelerating(), c.momentum) << c.name;
        EXPECT_NEAR(view.decelerationAngularVelocity(), c.deceleration ? 30 : 0, 1e-6) << c.name;
    }
}

TEST_F(PieRadarChartViewBaseTest, TwoFingerRotationTurnsAndLeavesAFixedMomentum)
{
    CircleView view;
    view.setRotationWithTwoFingers(true);
    auto& recognizer = *view.rotationGestureRecognizer();
    const QList<std::pair<State, double>> steps = {
        {State::began, 0}, {State::changed, std::numbers::pi / 2}, {State::ended, std::numbers::pi / 4}};
    const QList<double> rotations = {270, 180, 225};
    for (qsizetype i = 0; i < steps.size(); ++i) {
        recognizer.setState(steps.at(i).first);
        recognizer.setRotation(steps.at(i).second);
        view.rotationGestureRecognized(recognizer);
        EXPECT_DOUBLE_EQ(view.rotationAngle(), rotations.at(i)) << i;
    }
    EXPECT_TRUE(view.isDecelerating());
    EXPECT_EQ(view.decelerationAngularVelocity(), 5.729577951308232);
}

// Qt reports a rotate step clockwise in degrees; turning the fingers clockwise turns the chart
// clockwise, and only while two-finger rotation is on.
TEST_F(PieRadarChartViewBaseTest, NativeRotateStepsTurnTheChartTheirWay)
{
    for (const bool enabled : {true, false}) {
        CircleView view;
        view.setDragDecelerationEnabled(false);
        view.setRotationWithTwoFingers(enabled);
        for (const auto& [type, value] : QList<std::pair<Qt::NativeGestureType, double>>{
                 {Qt::BeginNativeGesture, 0}, {Qt::RotateNativeGesture, 20}, {Qt::RotateNativeGesture, 10},
                 {Qt::EndNativeGesture, 0}}) {
            QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, QPointF(50, 50),
                                      QPointF(50, 50), QPointF(50, 50), value, QPointF());
            QCoreApplication::sendEvent(&view, &event);
        }
        EXPECT_NEAR(view.rotationAngle(), enabled ? 300 : 270, 1e-9) << enabled;
    }
}

TEST_F(PieRadarChartViewBaseTest, DecelerationStopsOnceFrictionTakesItBelowAThousandth)
{
    struct Case {
        double friction;
        bool running;
    } cases[] = {{0.0001, false}, {0.001, true}};
    for (const Case& c : cases) {
        MediaClock::setNow(100);
        CircleView view;
        view.setDragDecelerationFrictionCoef(c.friction);
        view.setRotationWithTwoFingers(true);
        auto& recognizer = *view.rotationGestureRecognizer();
        recognizer.setRotation(0);
        for (const State state : {State::began, State::ended}) {
            recognizer.setState(state);
            view.rotationGestureRecognized(recognizer);
        }
        MediaClock::setNow(102);
        view.decelerationLoop();
        EXPECT_EQ(view.isDecelerating(), c.running) << c.friction;
        EXPECT_DOUBLE_EQ(view.rotationAngle(), 270 + 5.729577951308232 * c.friction * 2) << c.friction;
    }
}

// A press at the very centre has no angle: it keeps no sample and turns nothing.
TEST_F(PieRadarChartViewBaseTest, APressAtTheCentreLeavesAFiniteRotationAndNoMomentum)
{
    const QList<QList<QPointF>> drags = {{{100, 100}, {100, 100}}, {{100, 100}, {103, 100}}};
    for (const auto& points : drags) {
        CircleView view;
        drag(view, points);
        EXPECT_EQ(view.rotationAngle(), 270) << testing::PrintToString(points.last());
        EXPECT_FALSE(view.isDecelerating()) << testing::PrintToString(points.last());
    }
}

TEST_F(PieRadarChartViewBaseTest, ClicksHighlightUnlessTheDragRotated)
{
    struct Case {
        const char* name;
        bool rotationEnabled;
        QList<QPointF> points;
        Qt::MouseButton button;
        bool highlighted;
        double rotation;
    } cases[] = {
        {"after a small move", true, {{150, 100}, {152, 101}}, Qt::LeftButton, true, 271.10},
        {"after a rotation", true, {{150, 100}, {150, 120}, {150, 130}}, Qt::LeftButton, false, 300.96},
        {"rotation off: a click", false, {{150, 100}, {150, 100}}, Qt::LeftButton, true, 270},
        {"rotation off: a drag", false, {{150, 100}, {150, 130}}, Qt::LeftButton, false, 270},
        {"right button", true, {{150, 100}, {150, 130}}, Qt::RightButton, false, 270},
    };
    for (const Case& c : cases) {
        auto view = pieView();
        view->setDragDecelerationEnabled(false);
        view->setRotationEnabled(c.rotationEnabled);
        drag(*view, c.points, c.button);
        EXPECT_EQ(view->valuesToHighlight(), c.highlighted) << c.name;
        EXPECT_NEAR(view->rotationAngle(), c.rotation, 0.01) << c.name;
    }
}

TEST_F(PieRadarChartViewBaseTest, OffsetsWithoutALegendAreTheLeastOffsets)
{
    struct Case {
        const char* name;
        double minOffset, baseOffset;
        QRectF content;
    } cases[] = {
        {"extras above the least", 4, 0, QRectF(10, 20, 160, 110)},
        {"the least above the extras", 15, 0, QRectF(15, 20, 155, 110)},
        {"the base offset at the bottom", 0, 90, QRectF(10, 20, 160, 90)},
    };
    for (const Case& c : cases) {
        CircleView view;
        view.setExtraOffsets(10, 20, 30, 70);
        view.setMinOffset(c.minOffset);
        view.baseOffset = c.baseOffset;
        view.calculateOffsets();
        EXPECT_EQ(view.viewPortHandler()->contentRect(), c.content) << c.name;
    }
}

// A legend 50 wide and 20 high with text 10 high, beside a circle of radius 100 at (100, 100).
TEST_F(PieRadarChartViewBaseTest, TheLegendTakesItsShareBesideTheCircle)
{
    using Orientation = Legend::Orientation;
    using Horizontal = Legend::HorizontalAlignment;
    using Vertical = Legend::VerticalAlignment;
    struct Case {
        const char* name;
        Orientation orientation;
        Horizontal horizontal;
        Vertical vertical;
        double left, top, right, bottom;
    } cases[] = {
        // 20 + the legend offset 24, then the base offset 3 on every side.
        {"horizontal at the bottom", Orientation::horizontal, Horizontal::left, Vertical::bottom, 3, 3, 3, 47},
        {"horizontal in the middle", Orientation::horizontal, Horizontal::left, Vertical::center, 3, 3, 3, 3},
        {"vertical, centred beside", Orientation::vertical, Horizontal::right, Vertical::center, 3, 3, 66, 3},
        // The legend's corner (157, 45) lies 79.2 from the centre: the circle needs 100 - 79.2 + 5.
        {"vertical at the top right", Orientation::vertical, Horizontal::right, Vertical::top, 3, 3, 28.792, 3},
        {"vertical at the top left", Orientation::vertical, Horizontal::left, Vertical::top, 28.792, 3, 3, 3},
        {"vertical above the middle", Orientation::vertical, Horizontal::center, Vertical::top, 3, 23, 3, 3},
    };
    for (const Case& c : cases) {
        CircleView view;
        view.baseOffset = 3;
        view.legendOffset = 24;
        const auto legend = view.legend();
        legend->setEnabled(true);
        legend->setOrientation(c.orientation);
        legend->setHorizontalAlignment(c.horizontal);
        legend->setVerticalAlignment(c.vertical);
        legend->setNeededWidth(50);
        legend->setNeededHeight(20);
        legend->setTextHeightMax(10);
        view.calculateOffsets();
        const auto handler = view.viewPortHandler();
        EXPECT_NEAR(handler->offsetLeft(), c.left, 1e-3) << c.name;
        EXPECT_NEAR(handler->offsetTop(), c.top, 1e-3) << c.name;
        EXPECT_NEAR(handler->offsetRight(), c.right, 1e-3) << c.name;
        EXPECT_NEAR(handler->offsetBottom(), c.bottom, 1e-3) << c.name;
    }
}

TEST_F(PieRadarChartViewBaseTest, ASpinFollowsTheClockAndANewOneLandsTheOldOne)
{
    CircleView view;
    view.spin(1, 30, 120);
    MediaClock::setNow(100.5);
    view.spinAnimator()->animationLoop();
    EXPECT_DOUBLE_EQ(view.rotationAngle(), 75);
    view.spin(1, 0, 10);
    EXPECT_DOUBLE_EQ(view.rawRotationAngle(), 120);
}

// Run under AddressSanitizer: no object is used after it is gone.
TEST_F(PieRadarChartViewBaseTest, SpinsAndMomentumEndSafely)
{
    {
        CircleView view;
        view.spin(1, 30, 120);
        MediaClock::setNow(101.5);
        view.spinAnimator()->animationLoop();
        EXPECT_EQ(view.rotationAngle(), 120);
        EXPECT_FALSE(view.spinAnimator());
        QCoreApplication::processEvents();
    }
    {
        CircleView view;
        view.spin(1, 30, 120);
        view.spin(1, 0, 10);
        QCoreApplication::processEvents();
        EXPECT_TRUE(view.spinAnimator());
    }
    {
        auto view = std::make_unique<CircleView>();
        view->spin(1, 30, 120);
        view->setRotationWithTwoFingers(true);
        auto& recognizer = *view->rotationGestureRecognizer();
        recognizer.setState(State::ended);
        view->rotationGestureRecognized(recognizer);
        view.reset();
        QCoreApplication::processEvents();
    }
}
