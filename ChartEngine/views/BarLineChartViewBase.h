#pragma once

#include "ChartEngine/components/AxisDependency.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"
#include "ChartEngine/views/ChartViewBase.h"

#include <QColor>
#include <QPointF>

#include <memory>
#include <optional>

namespace Charts {

class AffineTransform;
class BarLineScatterCandleBubbleChartDataSetProtocol;
class ChartDataEntry;
class NSUIClickGestureRecognizer;
class NSUIDisplayLink;
class NSUIGestureRecognizer;
class NSUIMagnificationGestureRecognizer;
class NSUIPanGestureRecognizer;
class Transformer;
class XAxisRenderer;
class YAxis;
class YAxisRenderer;

// The base of every x-y chart view: a left and a right y axis with their renderers and
// transformers, the x axis renderer, the layout of the content area, the fixed drawing order,
// zooming, moving and the view-port queries, and the state of the gestures.
//
// The constructor's set-up step makes both transformers (which make the view-port handler at
// its first read: hence the frame constructor), the default highlighter and the gesture
// recognisers; the lazy axis renderers are made at their first read, after the transformers
// exist.
//
// Gestures: a click highlights the value under it, a double click zooms in about it, a
// magnification (a touchpad pinch, or the wheel with Ctrl) zooms about its location, and a
// drag with the left button moves the view port, with inertia after the release, or
// highlights values while nothing can move. A plain wheel scrolls whatever holds the view.
class BarLineChartViewBase : public ChartViewBase,
                             public virtual BarLineScatterCandleBubbleChartDataProvider {
    Q_OBJECT

public:
    // The axes a magnification scales.
    enum class GestureScaleAxis : int { both = 0, x = 1, y = 2 };

    explicit BarLineChartViewBase(QWidget* parent = nullptr);
    explicit BarLineChartViewBase(const QRect& frame, QWidget* parent = nullptr);
    ~BarLineChartViewBase() override;

    // --- Style and switches -----------------------------------------------------------------
    virtual QColor gridBackgroundColor() const { return m_gridBackgroundColor; }
    virtual void setGridBackgroundColor(const QColor& color) { m_gridBackgroundColor = color; }
    virtual QColor borderColor() const { return m_borderColor; }
    virtual void setBorderColor(const QColor& color) { m_borderColor = color; }
    virtual double borderLineWidth() const { return m_borderLineWidth; }
    virtual void setBorderLineWidth(double width) { m_borderLineWidth = width; }
    virtual bool isDrawGridBackgroundEnabled() const { return m_drawGridBackgroundEnabled; }
    virtual void setDrawGridBackgroundEnabled(bool enabled) { m_drawGridBackgroundEnabled = enabled; }
    virtual bool isDrawBordersEnabled() const { return m_drawBordersEnabled; }
    virtual void setDrawBordersEnabled(bool enabled) { m_drawBordersEnabled = enabled; }
    virtual bool isClipValuesToContentEnabled() const { return m_clipValuesToContentEnabled; }
    virtual void setClipValuesToContentEnabled(bool enabled) { m_clipValuesToContentEnabled = enabled; }
    virtual bool isClipDataToContentEnabled() const { return m_clipDataToContentEnabled; }
    virtual void setClipDataToContentEnabled(bool enabled) { m_clipDataToContentEnabled = enabled; }
    // The smallest automatic offset on each side, as far as the chart has room for it (see
    // restrainViewPortWithMinOffset).
    virtual double minOffset() const { return m_minOffset; }
    virtual void setMinOffset(double offset) { m_minOffset = offset; }
    virtual bool keepPositionOnRotation() const { return m_keepPositionOnRotation; }
    virtual void setKeepPositionOnRotation(bool keep) { m_keepPositionOnRotation = keep; }
    virtual bool isAutoScaleMinMaxEnabled() const { return m_autoScaleMinMaxEnabled; }
    virtual void setAutoScaleMinMaxEnabled(bool enabled) { m_autoScaleMinMaxEnabled = enabled; }
    virtual void setMaxVisibleCount(qint64 count) { m_maxVisibleCount = count; }

    // Gesture switches (the gestures read them).
    virtual bool isDragEnabled() const { return m_dragXEnabled || m_dragYEnabled; }
    virtual void setDragEnabled(bool enabled);
    virtual bool isDragXEnabled() const { return m_dragXEnabled; }
    virtual void setDragXEnabled(bool enabled) { m_dragXEnabled = enabled; }
    virtual bool isDragYEnabled() const { return m_dragYEnabled; }
    virtual void setDragYEnabled(bool enabled) { m_dragYEnabled = enabled; }
    virtual void setScaleEnabled(bool enabled);
    virtual bool isScaleXEnabled() const { return m_scaleXEnabled; }
    virtual void setScaleXEnabled(bool enabled);
    virtual bool isScaleYEnabled() const { return m_scaleYEnabled; }
    virtual void setScaleYEnabled(bool enabled);
    virtual bool isPinchZoomEnabled() const { return m_pinchZoomEnabled; }
    virtual void setPinchZoomEnabled(bool enabled);
    virtual bool isDoubleTapToZoomEnabled() const { return m_doubleTapToZoomEnabled; }
    virtual void setDoubleTapToZoomEnabled(bool enabled);
    virtual bool isHighlightPerDragEnabled() const { return m_highlightPerDragEnabled; }
    virtual void setHighlightPerDragEnabled(bool enabled) { m_highlightPerDragEnabled = enabled; }

    // --- Gestures (the recognisers' actions; each reads its recogniser) ---------------------------
    // At the end of a click: the value under it becomes the highlight, told to the delegate; a
    // click on the highlighted value again, or on nothing, clears the highlight.
    virtual void tapGestureRecognized(NSUIClickGestureRecognizer& recognizer);
    // At the end of a double click: a zoom by 1.4 about it on each axis that may scale; the
    // delegate hears the resulting scales.
    virtual void doubleTapGestureRecognized(NSUIClickGestureRecognizer& recognizer);
    // Each step scales about the gesture's location by magnification + 1 on the axes the
    // gesture scales, tells the delegate the step's factors and sets the magnification back to
    // 0; the end lays the chart out again.
    virtual void pinchGestureRecognized(NSUIMagnificationGestureRecognizer& recognizer);
    // Moves the view port by the drag's steps (the first step at once, from the press), starts
    // the inertia at the end; while nothing can move it highlights the value under the pointer
    // instead.
    virtual void panGestureRecognized(NSUIPanGestureRecognizer& recognizer);
    // Moves the view port by the translation (turned by invertedAxisDragTranslation on a data
    // set bound to an inverted axis); tells the delegate when the view port changed; answers
    // whether it moved.
    virtual bool performPanChange(QPointF translation);
    // Ends the inertia of a drag, if it runs.
    virtual void stopDeceleration();
    // One step of the inertia, once per display refresh: the velocity loses the friction's
    // share, then moves the view port for the time since the last step; it ends below 0.001
    // points per second or when the view port cannot move.
    virtual void decelerationLoop();
    // Whether a gesture may begin: the pan only with data and drag on, something to move or
    // highlighting per drag, and a velocity along an axis that may be dragged; the
    // magnification only with data and a scale switch on. The view's own event handling does
    // not ask it.
    virtual bool gestureRecognizerShouldBegin(const NSUIGestureRecognizer& recognizer) const;
    // Whether two gestures may be recognised together: a magnification and a pan may. (The
    // view offers every event to all its recognisers, so they always are; nothing asks this.)
    virtual bool gestureRecognizerShouldRecognizeSimultaneously(const NSUIGestureRecognizer& recognizer,
                                                               const NSUIGestureRecognizer& other) const;

    // --- Axes and their renderers ---------------------------------------------------------------
    virtual std::shared_ptr<YAxis> leftAxis() const { return m_leftAxis; }
    virtual std::shared_ptr<YAxis> rightAxis() const { return m_rightAxis; }
    // The left axis for left, the right axis for any other side.
    virtual std::shared_ptr<YAxis> getAxis(AxisDependency axis) const;
    virtual std::shared_ptr<YAxisRenderer> leftYAxisRenderer() const;
    virtual void setLeftYAxisRenderer(std::shared_ptr<YAxisRenderer> renderer);
    virtual std::shared_ptr<YAxisRenderer> rightYAxisRenderer() const;
    virtual void setRightYAxisRenderer(std::shared_ptr<YAxisRenderer> renderer);
    virtual std::shared_ptr<XAxisRenderer> xAxisRenderer() const;
    virtual void setXAxisRenderer(std::shared_ptr<XAxisRenderer> renderer);

    // --- Data provider ---------------------------------------------------------------------------
    double chartYMin() const override;
    double chartYMax() const override;
    qint64 maxVisibleCount() const override { return m_maxVisibleCount; }
    std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const override;
    bool isInverted(AxisDependency axis) const override;
    // The x at the content's left edge, never below the x axis minimum.
    double lowestVisibleX() const override;
    // The x at the content's right edge, never above the x axis maximum.
    double highestVisibleX() const override;

    // --- Data change and layout ------------------------------------------------------------------
    void notifyDataSetChanged() override;
    void calcMinMax() override;
    void calculateOffsets() override;
    // The y ranges from the entries in the visible x range, then the layout.
    virtual void autoScale();
    // Adds the legend's room to the four running offsets.
    virtual void calculateLegendOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                                        double& offsetBottom);
    // Both transformers' value matrices from the axis ranges, right then left.
    virtual void prepareValueToPixelMatrices();

    // --- Drawing ------------------------------------------------------------------------------------
    // Nothing beyond the base's part while the offsets leave the content no area.
    void drawRect(QPainter& painter) override;
    virtual void drawGridBackground(QPainter& painter);

    // --- Immediate zoom ------------------------------------------------------------------------------
    virtual void zoomIn();
    virtual void zoomOut();
    // Scale 1 about (0, 0): the zoom stays; the layout runs again.
    virtual void resetZoom();
    // Scales about the pixel point (x, y).
    virtual void zoom(double scaleX, double scaleY, double x, double y);
    virtual void zoomToCenter(double scaleX, double scaleY);
    // Identity, and the minimum scales back to 1.
    virtual void fitScreen();
    virtual void setScaleMinima(double scaleX, double scaleY);
    virtual double scaleX() const;
    virtual double scaleY() const;
    virtual bool isFullyZoomedOut() const;

    // --- Zoom and moves given in values (view-port jobs) ------------------------------------------
    // Scales, with (xValue, yValue) in the middle of the content.
    virtual void zoom(double scaleX, double scaleY, double xValue, double yValue, AxisDependency axis);
    virtual void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                           AxisDependency axis, double duration,
                                           ChartEasingFunction easing);
    virtual void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                           AxisDependency axis, double duration,
                                           ChartEasingOption easingOption);
    virtual void zoomAndCenterViewAnimated(double scaleX, double scaleY, double xValue, double yValue,
                                           AxisDependency axis, double duration);
    // The x value at the content's left edge.
    virtual void moveViewToX(double xValue);
    virtual void moveViewToY(double yValue, AxisDependency axis);
    virtual void moveViewTo(double xValue, double yValue, AxisDependency axis);
    virtual void moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                    ChartEasingFunction easing);
    virtual void moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                    ChartEasingOption easingOption);
    virtual void moveViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration);
    // The value in the middle of the content.
    virtual void centerViewTo(double xValue, double yValue, AxisDependency axis);
    virtual void centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                      ChartEasingFunction easing);
    virtual void centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration,
                                      ChartEasingOption easingOption);
    virtual void centerViewToAnimated(double xValue, double yValue, AxisDependency axis, double duration);

    // --- Visible ranges (a range that is not finite and positive is ignored) ----------------------
    virtual void setVisibleXRangeMaximum(double maxXRange);
    virtual void setVisibleXRangeMinimum(double minXRange);
    virtual void setVisibleXRange(double minXRange, double maxXRange);
    virtual void setVisibleYRangeMaximum(double maxYRange, AxisDependency axis);
    virtual void setVisibleYRangeMinimum(double minYRange, AxisDependency axis);
    virtual void setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis);
    virtual double visibleXRange() const;

    // --- Fixed offsets --------------------------------------------------------------------------------
    // Fixes the content offsets; from another thread the call runs later on the view's thread
    // (dropped when the view is gone). No redraw.
    virtual void setViewPortOffsets(double left, double top, double right, double bottom);
    virtual void resetViewPortOffsets();

    // --- Queries and conversions ------------------------------------------------------------------------
    virtual double getAxisRange(AxisDependency axis) const;
    virtual QPointF getPosition(const ChartDataEntry& entry, AxisDependency axis) const;
    virtual QPointF valueForTouchPoint(QPointF point, AxisDependency axis) const;
    virtual QPointF pixelForValues(double x, double y, AxisDependency axis) const;
    virtual std::shared_ptr<ChartDataEntry> getEntryByTouchPoint(QPointF point) const;
    virtual std::shared_ptr<BarLineScatterCandleBubbleChartDataSetProtocol> getDataSetByTouchPoint(
        QPointF point) const;
    virtual bool isAnyAxisInverted() const;
    virtual void setDragOffsetX(double offset);
    virtual void setDragOffsetY(double offset);
    virtual bool hasNoDragOffset() const;
    virtual void setYAxisMinWidth(AxisDependency axis, double width);
    virtual double getYAxisMinWidth(AxisDependency axis) const;
    virtual void setYAxisMaxWidth(AxisDependency axis, double width);
    virtual double getYAxisMaxWidth(AxisDependency axis) const;
    virtual double getYAxisWidth(AxisDependency axis) const;

protected:
    // An entry outside the visible x range moves the view along the x axis alone to centre it;
    // the zoom and the y range stay.
    void revealEntry(const ChartDataEntry& entry) override;

    void boundsDidChange() override;

    // The pixel of an x value on the x axis through the left transformer (at the y value 0 here;
    // the horizontal bar view swaps the two).
    virtual QPointF pixelForXValue(double x) const;

    // A drag translation as applied on a data set bound to an inverted axis: y negated here;
    // the horizontal bar view negates x instead.
    virtual QPointF invertedAxisDragTranslation(QPointF translation) const;

    bool isCustomViewPortEnabled() const { return m_customViewPortEnabled; }
    // Restrains the view port to the four automatic offsets, each at least the minimum offset as
    // the chart has room for it: a quarter of its width at most on the left and right, and of its
    // height at the top and bottom, so that the minimum alone leaves half of each to the content
    // (a minimum of a million points left none, and the data was drawn mirrored far beyond the
    // view). Before the chart has a size the minimum applies in full.
    void restrainViewPortWithMinOffset(double left, double top, double right, double bottom);
    // Replaces both axis transformers (a view that lays its axes out differently).
    void setAxisTransformers(std::shared_ptr<Transformer> left, std::shared_ptr<Transformer> right);
    // The axis range divided by the visible range; none for a range that is not finite and
    // positive.
    static std::optional<double> scaleForRange(double axisRange, double visibleRange);

    // --- Gesture state, read and written by the gesture handling ---------------------------------
    bool m_isDragging = false;
    bool m_isScaling = false;
    GestureScaleAxis m_gestureScaleAxis = GestureScaleAxis::both;
    std::shared_ptr<BarLineScatterCandleBubbleChartDataSetProtocol> m_closestDataSetToTouch;
    bool m_panGestureReachedEdge = false;
    QPointF m_lastPanPoint{0, 0};
    double m_decelerationLastTime = 0;
    // Present while the inertia of a drag runs; its target is the view.
    std::unique_ptr<NSUIDisplayLink> m_decelerationDisplayLink;
    QPointF m_decelerationVelocity{0, 0};
    // Made and added to the view by the set-up: click, double click, pan, magnification.
    std::shared_ptr<NSUIClickGestureRecognizer> m_tapGestureRecognizer;
    std::shared_ptr<NSUIClickGestureRecognizer> m_doubleTapGestureRecognizer;
    std::shared_ptr<NSUIPanGestureRecognizer> m_panGestureRecognizer;
    std::shared_ptr<NSUIMagnificationGestureRecognizer> m_pinchGestureRecognizer;

private:
    // This class's step of the set-up.
    void setUp();
    void setUpGestureRecognizers();
    // The magnification recogniser is enabled while pinch zoom or a scale switch is on.
    void updatePinchGestureEnabled();
    // Whether the data set under the last drag's start is bound to an inverted axis.
    bool isTouchedAxisInverted() const;
    // The chart y of a location for a zoom about it (the zoom negates it again).
    double zoomCenterY(QPointF location, double chartHeight) const;
    // A drag translation with x dropped when x may not be dragged, else y when y may not.
    QPointF dragTranslation(QPointF translation) const;
    void pinchBegan();
    void pinchChanged(NSUIMagnificationGestureRecognizer& recognizer);
    void pinchEnded();
    void panBegan(NSUIPanGestureRecognizer& recognizer);
    void panChanged(NSUIPanGestureRecognizer& recognizer);
    void panEnded(NSUIPanGestureRecognizer& recognizer);
    void startDeceleration(QPointF velocity);
    // Applies a zoom matrix (no invalidation); then, when asked, the layout and a redraw.
    void refreshZoom(const AffineTransform& matrix, bool layOut);
    // The y range (of that axis) and the x range visible at the current zoom.
    double yValueInView(AxisDependency axis) const;
    double xValueInView() const;
    // The value at the content's top-left corner: where animated jobs start.
    QPointF contentTopLeftValue(AxisDependency axis) const;
    // Runs on the view's thread.
    void applyViewPortOffsets(double left, double top, double right, double bottom);
    // Offset matrices right then left, then the value matrices.
    void prepareTransformers();
    // The automatic offsets, before the minimum offset.
    void addAxisOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                        double& offsetBottom);
    void computeAxes();
    void drawAxesAndGrid(QPainter& painter);
    void drawLimitLines(QPainter& painter, bool behindData);
    void drawClippedData(QPainter& painter);
    void drawValues(QPainter& painter);
    void addMoveJob(double xValue, double yValue, AxisDependency axis);
    void addAnimatedMoveJob(double xValue, double yValue, AxisDependency axis, double duration,
                            ChartEasingFunction easing);

    qint64 m_maxVisibleCount = 100;
    bool m_autoScaleMinMaxEnabled = false;
    bool m_pinchZoomEnabled = false;
    bool m_doubleTapToZoomEnabled = true;
    bool m_dragXEnabled = true;
    bool m_dragYEnabled = true;
    bool m_scaleXEnabled = true;
    bool m_scaleYEnabled = true;
    QColor m_gridBackgroundColor = QColor(240, 240, 240);
    QColor m_borderColor = Qt::black;
    double m_borderLineWidth = 1.0;
    bool m_drawGridBackgroundEnabled = false;
    bool m_drawBordersEnabled = false;
    bool m_clipValuesToContentEnabled = false;
    bool m_clipDataToContentEnabled = true;
    double m_minOffset = 10.0;
    bool m_keepPositionOnRotation = false;
    std::shared_ptr<YAxis> m_leftAxis;
    std::shared_ptr<YAxis> m_rightAxis;
    mutable std::shared_ptr<YAxisRenderer> m_leftYAxisRenderer;
    mutable std::shared_ptr<YAxisRenderer> m_rightYAxisRenderer;
    std::shared_ptr<Transformer> m_leftAxisTransformer;
    std::shared_ptr<Transformer> m_rightAxisTransformer;
    mutable std::shared_ptr<XAxisRenderer> m_xAxisRenderer;
    bool m_customViewPortEnabled = false;
    bool m_highlightPerDragEnabled = true;
};

}
