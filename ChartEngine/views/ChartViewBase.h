#pragma once

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/foundation/AnimatorDelegate.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ChartEasingOption.h"
#include "ChartEngine/foundation/NSUIView.h"
#include "ChartEngine/foundation/TextAttributes.h"
#include "ChartEngine/foundation/ViewPortChart.h"
#include "ChartEngine/views/ChartDataProvider.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QHashFunctions>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

class QPainter;

namespace Charts {

class Animator;
class ChartAccessibilityLabelProvider;
class ChartData;
class ChartDataEntry;
class ChartDataSetProtocol;
class ChartViewDelegate;
class DataRenderer;
class Description;
class Highlighter;
class Legend;
class LegendRenderer;
class Marker;
class ValueFormatter;
class ViewPortHandler;
class ViewPortJob;
class XAxis;

// The base of every chart view: the chart's data, the components every chart type shares (x
// axis, legend, description), the slots for the data renderer and the highlighter, the
// view-port handler and the animator, the highlight state, the marker and the delegate. It
// answers the data provider queries, draws the no-data text, the description and the markers,
// carries a highlight from a value or a touch point to the delegate, animates, renders itself
// into an image, and holds the view-port jobs that wait for the view's size.
//
// Construction runs in steps, base first: each class's constructor does its own part of the
// set-up (no virtual call reaches a subclass from a constructor). A view made with a frame has
// that size before any set-up; a view made without one starts its view-port handler at 0 x 0,
// so jobs wait until its first real size.
//
// The base itself is never drawn: notifyDataSetChanged and calculateOffsets stop the program
// here; the x-y view and the other chart types supply them.
class ChartViewBase : public NSUIView,
                      public virtual ChartDataProvider,
                      public AnimatorDelegate,
                      public ViewPortChart {
    Q_OBJECT

public:
    // The file format of save.
    enum class ImageFormat : int { jpeg = 0, png = 1 };

    explicit ChartViewBase(QWidget* parent = nullptr);
    // A view that has the frame's geometry from the start, shown or not.
    explicit ChartViewBase(const QRect& frame, QWidget* parent = nullptr);
    // Stops the running animated jobs without finishing them, empties the job queue and
    // detaches the animator.
    ~ChartViewBase() override;

    ChartViewBase(const ChartViewBase&) = delete;
    ChartViewBase& operator=(const ChartViewBase&) = delete;

    // Moves and resizes the view, then runs the size steps.
    void setFrame(const QRect& frame);

    // --- Data ---------------------------------------------------------------------------------
    std::shared_ptr<ChartData> data() const override { return m_data; }
    // Stores the data and marks the offsets as not calculated; without data that is all (no
    // redraw, highlights untouched). With data: the shared formatter's decimals follow the
    // data's y range, every data set with a DefaultValueFormatter gets the shared one, then
    // notifyDataSetChanged. The same data again runs it all again.
    virtual void setData(std::shared_ptr<ChartData> data);
    // No data, no highlights, then a redraw.
    virtual void clear();
    // Empties the data's data sets and redraws; the highlights stay.
    virtual void clearValues();
    // No data, or data without data sets.
    virtual bool isEmpty() const;
    // Recomputes everything that depends on the data; the base stops the program.
    virtual void notifyDataSetChanged();
    // Lays out the content area; the base stops the program.
    virtual void calculateOffsets();
    // The axis ranges from the data; nothing in the base.
    virtual void calcMinMax();
    // The shared formatter's decimals for a y range.
    virtual void setupDefaultFormatter(double min, double max);
    // The formatter the view gives every data set with a DefaultValueFormatter.
    virtual std::shared_ptr<ValueFormatter> defaultValueFormatter() const;
    virtual void setDefaultValueFormatter(std::shared_ptr<ValueFormatter> formatter);

    // --- Components (made on first read; a set value replaces them) --------------------------
    virtual std::shared_ptr<XAxis> xAxis() const;
    virtual void setXAxis(std::shared_ptr<XAxis> axis);
    virtual std::shared_ptr<Description> chartDescription() const;
    virtual void setChartDescription(std::shared_ptr<Description> description);
    virtual std::shared_ptr<Legend> legend() const;
    virtual void setLegend(std::shared_ptr<Legend> legend);
    virtual std::shared_ptr<LegendRenderer> legendRenderer() const;
    virtual void setLegendRenderer(std::shared_ptr<LegendRenderer> renderer);
    // Made from the view's size at the first read (0 x 0 while the view has no real size).
    virtual std::shared_ptr<ViewPortHandler> viewPortHandler() const;
    virtual void setViewPortHandler(std::shared_ptr<ViewPortHandler> handler);
    // Made at the first read with this view as its delegate.
    virtual std::shared_ptr<Animator> chartAnimator() const;
    virtual void setChartAnimator(std::shared_ptr<Animator> animator);

    virtual std::shared_ptr<DataRenderer> renderer() const { return m_renderer; }
    virtual void setRenderer(std::shared_ptr<DataRenderer> renderer);
    virtual std::shared_ptr<Highlighter> highlighter() const { return m_highlighter; }
    virtual void setHighlighter(std::shared_ptr<Highlighter> highlighter);

    // --- Delegate: a QObject implementing ChartViewDelegate, held weakly ----------------------
    virtual QObject* delegate() const { return m_delegate.data(); }
    virtual void setDelegate(QObject* delegate);

    // --- No-data text --------------------------------------------------------------------------
    virtual QString noDataText() const { return m_noDataText; }
    virtual void setNoDataText(const QString& text);
    virtual QFont noDataFont() const { return m_noDataFont; }
    virtual void setNoDataFont(const QFont& font);
    virtual QColor noDataTextColor() const { return m_noDataTextColor; }
    virtual void setNoDataTextColor(const QColor& color);
    virtual TextAlignment noDataTextAlignment() const { return m_noDataTextAlignment; }
    virtual void setNoDataTextAlignment(TextAlignment alignment);

    // --- Offsets added around the content area by the layout ----------------------------------
    virtual double extraTopOffset() const { return m_extraTopOffset; }
    virtual void setExtraTopOffset(double offset) { m_extraTopOffset = offset; }
    virtual double extraRightOffset() const { return m_extraRightOffset; }
    virtual void setExtraRightOffset(double offset) { m_extraRightOffset = offset; }
    virtual double extraBottomOffset() const { return m_extraBottomOffset; }
    virtual void setExtraBottomOffset(double offset) { m_extraBottomOffset = offset; }
    virtual double extraLeftOffset() const { return m_extraLeftOffset; }
    virtual void setExtraLeftOffset(double offset) { m_extraLeftOffset = offset; }
    virtual void setExtraOffsets(double left, double top, double right, double bottom);

    // --- Highlighting --------------------------------------------------------------------------
    // The current highlights: the very objects the renderer draws and the marker reads.
    // Assigning them neither redraws nor tells the delegate.
    virtual HighlightList highlighted() const { return m_highlighted; }
    virtual void setHighlighted(HighlightList highlights) { m_highlighted = std::move(highlights); }
    virtual bool valuesToHighlight() const { return !m_highlighted.isEmpty(); }
    // The highlight of the last click; the click handling and highlightValues write it.
    virtual std::shared_ptr<Highlight> lastHighlighted() const { return m_lastHighlighted; }
    virtual void setLastHighlighted(std::shared_ptr<Highlight> highlight);
    virtual bool highlightPerTapEnabled() const { return m_highlightPerTapEnabled; }
    virtual void setHighlightPerTapEnabled(bool enabled) { m_highlightPerTapEnabled = enabled; }
    double maxHighlightDistance() const override { return m_maxHighlightDistance; }
    virtual void setMaxHighlightDistance(double distance) { m_maxHighlightDistance = distance; }

    // Sets the highlights without telling the delegate: lastHighlighted becomes the first one
    // (none for an empty list); redraws.
    virtual void highlightValues(const HighlightList& highlights);
    // The value of data set `dataSetIndex` at x (and y): y not a number, the delegate told.
    virtual void highlightValue(double x, qint64 dataSetIndex, qint64 dataIndex);
    // The delegate told.
    virtual void highlightValue(double x, double y, qint64 dataSetIndex, qint64 dataIndex);
    // y not a number.
    virtual void highlightValue(double x, qint64 dataSetIndex, qint64 dataIndex, bool callDelegate);
    // Without data: a console line, nothing changes. A data-set index outside the data clears
    // the highlights; otherwise a new Highlight goes to the core below.
    virtual void highlightValue(double x, double y, qint64 dataSetIndex, qint64 dataIndex,
                                bool callDelegate);
    // The delegate not told.
    virtual void highlightValue(std::shared_ptr<Highlight> highlight);
    // The core: a highlight whose entry the data holds becomes the only highlight; anything
    // else (none, no data, no entry, a data-set index outside the data) clears them. The
    // delegate hears which when asked; always a redraw; lastHighlighted is left alone.
    virtual void highlightValue(std::shared_ptr<Highlight> highlight, bool callDelegate);
    // The highlight under a point in view coordinates, through the highlighter; none without
    // data (with a console line) or without a highlighter. Highlights nothing.
    virtual std::shared_ptr<Highlight> getHighlightByTouchPoint(QPointF point) const;

    // --- Markers and description ----------------------------------------------------------------
    virtual std::shared_ptr<Marker> marker() const { return m_marker; }
    virtual void setMarker(std::shared_ptr<Marker> marker);
    virtual bool isDrawMarkersEnabled() const { return m_drawMarkers; }
    virtual void setDrawMarkers(bool enabled) { m_drawMarkers = enabled; }
    // Where the marker of a highlight is drawn: its draw position.
    virtual QPointF getMarkerPosition(const Highlight& highlight) const;

    // --- Drawing --------------------------------------------------------------------------------
    // Paints the whole chart on any painter (the widget's and the image's): first the size steps
    // when the bounds size differs from the handler's, then the background colour, then
    // drawRect.
    virtual void drawChart(QPainter& painter);
    // The chart's own drawing. The base draws the no-data text without data; otherwise it lays
    // the content out once per data change. Subclasses call it first.
    virtual void drawRect(QPainter& painter);
    virtual void drawDescription(QPainter& painter);
    // The marker at each highlight whose entry exists, is revealed by the x animation and lies
    // inside the content area.
    virtual void drawMarkers(QPainter& painter);

    // --- Animation (seconds; the forms without an easing use easeInOutSine) -------------------
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easingX,
                         ChartEasingFunction easingY);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                         ChartEasingOption easingOptionY);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easing);
    virtual void animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption);
    virtual void animate(double xAxisDuration, double yAxisDuration);
    virtual void animateX(double xAxisDuration, ChartEasingFunction easing);
    virtual void animateX(double xAxisDuration, ChartEasingOption easingOption);
    virtual void animateX(double xAxisDuration);
    virtual void animateY(double yAxisDuration, ChartEasingFunction easing);
    virtual void animateY(double yAxisDuration, ChartEasingOption easingOption);
    virtual void animateY(double yAxisDuration);

    void animatorUpdated(Animator& animator) override;
    void animatorStopped(Animator& animator) override;

    // --- Data provider ----------------------------------------------------------------------------
    double chartXMin() const override;
    double chartXMax() const override;
    double chartYMin() const override;
    double chartYMax() const override;
    double xRange() const override;
    QPointF centerOffsets() const override;
    qint64 maxVisibleCount() const override;
    // The centre of the bounds.
    virtual QPointF midPoint() const;
    // The handler's content rectangle.
    virtual QRectF contentRect() const;

    // --- Images ------------------------------------------------------------------------------------
    // The chart drawn into an image at the primary screen's scale (1 without a screen); opaque
    // (white, then the background colour) when the view is opaque or `transparent` is false.
    // None when the view is smaller than one pixel or no bitmap can be made.
    virtual std::optional<QImage> getChartImage(bool transparent);
    // The image as PNG (transparent, the quality not used) or JPEG (opaque), written whole
    // through QSaveFile; false on any failure, and then no file is made or changed.
    virtual bool save(const QString& path, ImageFormat format, double compressionQuality);

    // --- View-port jobs ------------------------------------------------------------------------------
    // Runs the job at once when the handler has its size, else queues it.
    virtual void addViewportJob(const std::shared_ptr<ViewPortJob>& job);
    // Removes the first queued job that is this object.
    virtual void removeViewportJob(const std::shared_ptr<ViewPortJob>& job);
    // Empties the queue without running anything.
    virtual void clearAllViewportJobs();
    // The jobs waiting for the view's size, first queued first.
    QList<std::shared_ptr<ViewPortJob>> viewportJobs() const { return m_viewportJobs; }
    // An animated job runs over many frames: the view keeps it from its start until it stops.
    // The job hands itself over when it starts (only a job the view is running is kept; one
    // started by someone else stays with its caller) and takes itself back when it stops; the
    // view lets it go after the current event. The destructor stops the jobs still running,
    // without finishing them.
    virtual void retainRunningJob(const ViewPortJob* job);
    virtual void releaseRunningJob(const ViewPortJob* job);

    // --- Deceleration of a drag -------------------------------------------------------------------
    virtual bool isDragDecelerationEnabled() const { return m_dragDecelerationEnabled; }
    virtual void setDragDecelerationEnabled(bool enabled) { m_dragDecelerationEnabled = enabled; }
    virtual double dragDecelerationFrictionCoef() const { return m_dragDecelerationFrictionCoef; }
    // Held to at most 0.999; anything not at least 0 (NaN too) becomes 0.
    virtual void setDragDecelerationFrictionCoef(double coefficient);

    // --- Platform view --------------------------------------------------------------------------------
    QRectF bounds() const override { return NSUIView::bounds(); }
    void setNeedsDisplayInRect(const QRectF& rect) override;
    // The renderer's elements, the header first; none without a renderer.
    Elements accessibilityChildren() const override;
    // The summary: the label provider's, else the header elements' labels joined by a blank
    // (empty before the first drawing). A reader meets the headers' texts here: the view's items
    // are the entries' elements alone.
    QString accessibilityDescription() const override;
    // An element of an entry is selected while that entry is highlighted (a segment of a
    // stacked bar while its whole entry or that segment is). The highlighted entries are worked
    // out once per change of the highlights or the data, so that each element costs a lookup.
    bool isAccessibilityElementSelected(const NSUIAccessibilityElement& element) const override;
    // The label provider's name for an entry's element, else the element's own label.
    QString accessibilityElementLabel(const NSUIAccessibilityElement& element) const override;
    // The element that stands for entry `entryIndex` of data set `dataSetIndex` (-1 for an
    // element of no single entry), and for a segment of a stacked bar its value's index in the
    // stack (-1 for the whole entry): the same object on every call until the data changes, so
    // references held by assistive technology stay valid across drawing passes. The data set
    // index is the set's position in the view's data (for a combined chart, among the sets of
    // all its kinds of data).
    std::shared_ptr<NSUIAccessibilityElement> accessibilityElement(qint64 dataSetIndex, qint64 entryIndex,
                                                                   qint64 stackIndex = -1) const;
    // The header element of the whole chart (dataSetIndex -1) or of one data set (a radar set's
    // outline): a header with the static-text role, the same object on every call, across data
    // changes too, so that a reader's reference to it stays valid; a changed text is announced
    // as a name change of that element.
    std::shared_ptr<NSUIAccessibilityElement> accessibilityHeaderElement(qint64 dataSetIndex = -1) const;
    // Texts an application gives for the summary and the points; none by default.
    std::shared_ptr<ChartAccessibilityLabelProvider> accessibilityLabelProvider() const { return m_labelProvider; }
    void setAccessibilityLabelProvider(std::shared_ptr<ChartAccessibilityLabelProvider> provider);

    // --- Keyboard ---------------------------------------------------------------------------------
    // The highlight a click on entry `entryIndex` of data set `dataSetIndex` makes; none when the
    // data holds no such entry.
    virtual std::shared_ptr<Highlight> highlightForEntry(qint64 dataSetIndex, qint64 entryIndex) const;

protected:
    // The size steps, run from resize events and from setFrame: nothing when the bounds size is
    // the handler's; else the handler takes the new size, notifyDataSetChanged runs (the entry
    // elements stay: the data is the same), and then the queued jobs in order, each removed
    // before it runs.
    virtual void boundsDidChange();
    // The size steps, only when the bounds size differs from the handler's chart size.
    void syncChartSize();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Left and Right step to the previous and next entry of the highlighted one's data set, Up
    // and Down to the previous and next data set, through each segment of a stacked bar on the
    // way, Home and End to the first and last entry; the entry (or segment) becomes the
    // highlight as a click would make it. Escape clears a highlight.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Brings an entry that was stepped to into view; nothing here (the whole chart is shown).
    virtual void revealEntry(const ChartDataEntry& entry);
    // After a data change: the entry elements are made anew (the headers stay) and assistive
    // technology hears that the children and the description changed. Within the size steps
    // nothing happens: a new size keeps every element.
    void accessibilityDataDidChange();

    // The data set whose entry a highlight's marker shows: the data's set at its data-set index.
    virtual std::shared_ptr<ChartDataSetProtocol> markerDataSet(const Highlight& highlight) const;
    // The entry a highlight names: its set's position among the data's sets and its index in
    // that set; the entry index is -1 when the data holds no such entry.
    virtual std::pair<qint64, qint64> entryOfHighlight(const Highlight& highlight) const;

    // The delegate, when it is set and implements ChartViewDelegate.
    ChartViewDelegate* viewDelegate() const;
    // Runs a job; while it runs it can hand itself to the view (retainRunningJob).
    void runViewportJob(const std::shared_ptr<ViewPortJob>& job);

    bool offsetsCalculated() const { return m_offsetsCalculated; }
    void setOffsetsCalculated(bool calculated) { m_offsetsCalculated = calculated; }

private:
    void drawNoDataText(QPainter& painter);
    void drawFocusIndication(QPainter& painter);
    // Where a key steps from and to: an entry of a data set and, in a stacked bar, one segment
    // (its value's index in the stack; -1 for the whole entry).
    struct KeyPlace {
        qint64 dataSetIndex = 0;
        qint64 entryIndex = -1;
        qint64 stackIndex = -1;
    };
    // The place of the first highlight; the entry index is -1 without one.
    KeyPlace highlightedPlace() const;
    // Where a key steps from `from`; nullopt for a key that is no step or a step to nowhere.
    std::optional<KeyPlace> keyStep(int key, KeyPlace from) const;
    // Up (direction -1) and Down (+1): through the segments of a stack, then to the set before or
    // after at the same entry (held to that set's end). Down enters a stack whole, Up at its last
    // segment; at the first or last set the place stays.
    std::optional<KeyPlace> stackStep(const KeyPlace& from, qint64 direction) const;
    // The entry of the set nearest `entryIndex`, whole; none for a set without entries.
    std::optional<KeyPlace> placeIn(qint64 dataSetIndex, qint64 entryIndex) const;
    // How many segments the entry's stack has as its elements count them (0 for an entry that is
    // not a stack of a stacked bar set).
    qint64 stackSegmentCount(qint64 dataSetIndex, qint64 entryIndex) const;
    void stepTo(const KeyPlace& place);
    // Tells assistive technology that the highlighted entry's element has the focus and is selected.
    void announceHighlight();
    bool isRevealed(const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry) const;

    std::shared_ptr<ChartData> m_data;
    mutable std::shared_ptr<ValueFormatter> m_defaultValueFormatter;
    bool m_dragDecelerationEnabled = true;
    mutable std::shared_ptr<XAxis> m_xAxis;
    mutable std::shared_ptr<Description> m_chartDescription;
    mutable std::shared_ptr<Legend> m_legend;
    QPointer<QObject> m_delegate;
    QString m_noDataText = QStringLiteral("No chart data available.");
    QFont m_noDataFont = systemFont(12);
    QColor m_noDataTextColor = ChartColors::label();
    TextAlignment m_noDataTextAlignment = TextAlignment::Left;
    mutable std::shared_ptr<LegendRenderer> m_legendRenderer;
    std::shared_ptr<DataRenderer> m_renderer;
    std::shared_ptr<Highlighter> m_highlighter;
    mutable std::shared_ptr<ViewPortHandler> m_viewPortHandler;
    mutable std::shared_ptr<Animator> m_chartAnimator;
    bool m_offsetsCalculated = false;
    HighlightList m_highlighted;
    bool m_drawMarkers = true;
    std::shared_ptr<Marker> m_marker;
    double m_extraTopOffset = 0;
    double m_extraRightOffset = 0;
    double m_extraBottomOffset = 0;
    double m_extraLeftOffset = 0;
    bool m_highlightPerTapEnabled = true;
    std::shared_ptr<Highlight> m_lastHighlighted;
    QList<std::shared_ptr<ViewPortJob>> m_viewportJobs;
    double m_dragDecelerationFrictionCoef = 0.9;
    double m_maxHighlightDistance = 500;

    // The jobs runViewportJob is running (a job can run another from inside its step).
    QList<std::shared_ptr<ViewPortJob>> m_jobsBeingRun;
    // Animated jobs kept while they run.
    QList<std::shared_ptr<ViewPortJob>> m_runningJobs;

    // What an element stands for: data set, entry and stack segment.
    struct ElementKey {
        qint64 dataSetIndex = -1;
        qint64 entryIndex = -1;
        qint64 stackIndex = -1;
        friend bool operator==(const ElementKey&, const ElementKey&) = default;
        friend size_t qHash(const ElementKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.dataSetIndex, key.entryIndex, key.stackIndex);
        }
    };
    // The highlighted entries as elements name them, and what they were worked out from.
    struct HighlightedEntries {
        bool built = false;
        const ChartData* data = nullptr;
        quint64 revision = 0;
        HighlightList highlights;
        QSet<std::pair<qint64, qint64>> entries;
        // With the highlight's stack index, -1 for a whole entry.
        QSet<ElementKey> segments;
    };
    // The highlighted entries, worked out anew when the highlights or the data changed.
    const HighlightedEntries& highlightedEntries() const;

    std::shared_ptr<ChartAccessibilityLabelProvider> m_labelProvider;
    mutable QHash<ElementKey, std::shared_ptr<NSUIAccessibilityElement>> m_accessibilityElements;
    mutable QHash<qint64, std::shared_ptr<NSUIAccessibilityElement>> m_accessibilityHeaders;
    mutable HighlightedEntries m_highlightedEntries;
    // A highlight the delegate was told of waits for the next drawing to be announced.
    bool m_announcePending = false;
    // The size steps are laying the chart out for a new size.
    bool m_sizeStepsUnderWay = false;
};

}
