#pragma once

#include "ChartEngine/views/ChartViewBase.h"

#include <QList>
#include <QPointF>

#include <memory>
#include <optional>

class QMouseEvent;

namespace Charts {

class Animator;
class NSUIClickGestureRecognizer;
class NSUIDisplayLink;
class NSUIRotationGestureRecognizer;

// The base of the round chart views (pie and radar): a rotation that turns the whole chart
// about its centre, turned by a mouse drag with momentum after the release, by a two-finger
// rotation on a touchpad or by a spin animation; click highlighting; the geometry from a view
// point to an angle and a distance around the centre; and the content offsets around a circle
// with the legend beside it.
//
// Angles are degrees, 0 along +x and growing clockwise on screen (y grows downward); the
// default rotation of 270 puts the first slice or spoke at the top.
//
// A left-button drag rotates. Moves within 8 points of the press rotate at once; the first move
// beyond them makes the drag a rotation, and from then on the mouse events no longer reach the
// view's own handling (its click recogniser) until the release. Other buttons, and moves without
// the left button, always go the view's own way.
class PieRadarChartViewBase : public ChartViewBase {
    Q_OBJECT

public:
    // One drag sample: a MediaClock time and the pointer's angle around the centre.
    struct AngularVelocitySample {
        double time = 0;
        double angle = 0;
    };

    explicit PieRadarChartViewBase(QWidget* parent = nullptr);
    explicit PieRadarChartViewBase(const QRect& frame, QWidget* parent = nullptr);
    // Stops momentum and spin without telling anyone.
    ~PieRadarChartViewBase() override;

    // --- Rotation ---------------------------------------------------------------------------------
    virtual double rotationAngle() const { return m_rotationAngle; }
    // Keeps the value as the raw angle and its remainder by 360 as the angle: a negative value
    // (its sign bit set: -0 and negative multiples of 360 too) gets 360 added, so -90 is 270 and
    // -360 is 360. Redraws.
    virtual void setRotationAngle(double angle);
    virtual double rawRotationAngle() const { return m_rawRotationAngle; }
    virtual bool rotationEnabled() const { return m_rotationEnabled; }
    virtual void setRotationEnabled(bool enabled) { m_rotationEnabled = enabled; }
    virtual bool isRotationEnabled() const { return rotationEnabled(); }
    // The two-finger rotation, whatever rotationEnabled says; off by default.
    virtual bool rotationWithTwoFingers() const { return m_rotationWithTwoFingers; }
    virtual void setRotationWithTwoFingers(bool enabled);
    virtual bool isRotationWithTwoFingers() const { return rotationWithTwoFingers(); }

    // The least of each content offset.
    virtual double minOffset() const { return m_minOffset; }
    virtual void setMinOffset(double offset) { m_minOffset = offset; }

    // --- Geometry ---------------------------------------------------------------------------------
    // The angle of a view point around the centre, in (0, 360]; not a number at the centre.
    virtual double angleForPoint(double x, double y) const;
    // The point at `distance` from `center` along `angle` degrees.
    virtual QPointF getPosition(QPointF center, double distance, double angle) const;
    virtual double distanceToCenter(double x, double y) const;
    // The entry under an angle.
    virtual qint64 indexForAngle(double angle) const = 0;
    // The smaller side of the content rectangle shrunk by the extra offsets.
    virtual double diameter() const;
    virtual double radius() const = 0;
    // Whether the radius is a positive finite number: a chart without one draws no data, web,
    // values or markers (offsets larger than the view leave it none).
    bool hasRadius() const;
    virtual double requiredLegendOffset() const = 0;
    virtual double requiredBaseOffset() const = 0;

    // --- Spin ---------------------------------------------------------------------------------------
    // Turns the chart from one angle to another over `duration` seconds on an animator of its
    // own. A spin under way is stopped first: it lands on its target.
    virtual void spin(double duration, double fromAngle, double toAngle, ChartEasingFunction easing);
    virtual void spin(double duration, double fromAngle, double toAngle, ChartEasingOption easingOption);
    virtual void spin(double duration, double fromAngle, double toAngle);
    virtual void stopSpinAnimation();
    // The animator of the spin under way; none between spins.
    std::shared_ptr<Animator> spinAnimator() const { return m_spinAnimator; }

    // --- Momentum -----------------------------------------------------------------------------------
    // Keeps a sample of the point's angle at the MediaClock time, after dropping the samples
    // over a second old (two always stay). A point without an angle (the centre) is not kept.
    virtual void recordAngularSample(QPointF point);
    // Degrees per second from the samples, signed (clockwise positive); 0 without samples, and
    // 0 for a velocity that is not a number.
    virtual double currentAngularVelocity() const;
    virtual void stopDeceleration();
    // One step of the momentum: friction first, then the turn for the time since the last step.
    // Stops once the velocity falls below 0.001 degrees per second, or is not finite.
    virtual void decelerationLoop();
    bool isDecelerating() const { return m_decelerationDisplayLink != nullptr; }
    double decelerationAngularVelocity() const { return m_decelerationAngularVelocity; }
    bool isRotating() const { return m_isRotating; }

    // --- Recognisers' actions -------------------------------------------------------------------------
    virtual void tapGestureRecognized(NSUIClickGestureRecognizer& recognizer);
    virtual void rotationGestureRecognized(NSUIRotationGestureRecognizer& recognizer);
    std::shared_ptr<NSUIClickGestureRecognizer> tapGestureRecognizer() const { return m_tapGestureRecognizer; }
    std::shared_ptr<NSUIRotationGestureRecognizer> rotationGestureRecognizer() const
    {
        return m_rotationGestureRecognizer;
    }

    // --- Chart view --------------------------------------------------------------------------------------
    // calcMinMax, the legend from the data, the offsets, a redraw.
    void notifyDataSetChanged() override;
    // The highlight names the entry by its index, as a click's does.
    std::shared_ptr<Highlight> highlightForEntry(qint64 dataSetIndex, qint64 entryIndex) const override;
    // The legend's share beside the circle, the extra offsets and the least offsets.
    void calculateOffsets() override;
    void calcMinMax() override;
    double chartYMax() const override;
    double chartYMin() const override;
    // The data's entry count; 0 without data.
    qint64 maxVisibleCount() const override;

protected:
    // The entry index is the one the highlight's x names.
    std::pair<qint64, qint64> entryOfHighlight(const Highlight& highlight) const override;

    // The least of the left, top and right offsets (and of the bottom with the base offset).
    virtual double offsetFloor() const { return minOffset(); }

    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // The angle and distance of a point around a given centre.
    static double angleAround(QPointF center, double x, double y);
    static double distanceAround(QPointF center, double x, double y);

private:
    void setUp();
    // Hands a mouse event to the view's own handling (its recognisers, then the widget's).
    void passOn(QMouseEvent* event);
    void rotateTo(QPointF point);
    void startDeceleration(double velocity);
    // Lets the spin animator go after the current event: it may be inside its own stop.
    void releaseSpinAnimator(const Animator* animator);
    double legendShareBeside(double fullLegendWidth) const;
    void addLegendOffsets(double& left, double& top, double& right, double& bottom) const;

    double m_rotationAngle = 270;
    double m_rawRotationAngle = 270;
    bool m_rotationEnabled = true;
    double m_minOffset = 0;
    bool m_rotationWithTwoFingers = false;
    std::shared_ptr<NSUIClickGestureRecognizer> m_tapGestureRecognizer;
    std::shared_ptr<NSUIRotationGestureRecognizer> m_rotationGestureRecognizer;
    std::shared_ptr<Animator> m_spinAnimator;
    std::optional<QPointF> m_rotationGestureStartPoint;
    bool m_isRotating = false;
    double m_startAngle = 0;
    // Whether the drag under way has found its start angle (a press at the centre has none).
    bool m_hasStartAngle = false;
    QList<AngularVelocitySample> m_velocitySamples;
    double m_decelerationLastTime = 0;
    std::unique_ptr<NSUIDisplayLink> m_decelerationDisplayLink;
    double m_decelerationAngularVelocity = 0;
    // While a mouse event is being handed to the view's own handling.
    bool m_passingOn = false;
};

}
