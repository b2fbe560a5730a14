#pragma once

#include "ChartEngine/views/DataRenderer.h"
#include "ChartEngine/views/XBounds.h"

#include <QRectF>

#include <memory>

namespace Charts {

class BarLineScatterCandleBubbleChartDataSetProtocol;
class ChartDataEntry;
class ChartDataSetProtocol;

// The base of the renderers that draw x-y data: it holds the animator and the view-port
// handler, the accessibility elements of the last pass and the visible bounds that every pass
// refills per data set, and decides whether value labels fit at the current zoom. The drawing
// members do nothing here; each chart type's renderer overrides the ones it needs.
//
// A pass names its header (beginAccessibleElements); the entries are described at the first read
// of the elements after it (describeEntries), every entry of the data, those the pass left out
// marked off screen, so that a reader reaches each one while a drawing costs nothing for them
// until a reader asks.
class BarLineScatterCandleBubbleRenderer : public DataRenderer {
public:
    using XBounds = Charts::XBounds;

    // The animator may be null: every phase then counts as 1.
    BarLineScatterCandleBubbleRenderer(std::shared_ptr<Animator> animator,
                                       std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~BarLineScatterCandleBubbleRenderer() override;

    BarLineScatterCandleBubbleRenderer(const BarLineScatterCandleBubbleRenderer&) = delete;
    BarLineScatterCandleBubbleRenderer& operator=(const BarLineScatterCandleBubbleRenderer&) = delete;

    std::shared_ptr<ViewPortHandler> viewPortHandler() const override;
    // The last pass's header, then its entries' elements (described now when the pass has not
    // been read yet).
    Elements accessibleChartElements() const override;
    // Replaces the elements until the next pass.
    virtual void setAccessibleChartElements(Elements elements);
    std::shared_ptr<Animator> animator() const override;

    void drawData(QPainter& painter) override;
    void drawValues(QPainter& painter) override;
    void drawExtras(QPainter& painter) override;
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;
    void initBuffers() override;
    // True while the data's entry count lies below the chart's maxVisibleCount times this
    // renderer's horizontal zoom (the product truncated); false without a chart or data, and
    // when the product is not a number.
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    // The chart's header element (makeAccessibilityHeader).
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(
        const ChartViewBase& chart, const ChartData& data, const QString& defaultDescription) override;

    // Whether the entry's index lies within the share of its data set that the x animation has
    // uncovered: index < entryCount × phaseX, compared in double (an entry the set does not hold
    // has index -1); false for a phase that is not a number.
    bool isInBoundsX(const ChartDataEntry& entry,
                     const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet) const;
    // Whether the set draws value labels or icons at all: visible, and values or icons on.
    bool shouldDrawValues(const ChartDataSetProtocol& dataSet) const;

protected:
    // The animator's phases; 1 without an animator.
    double phaseX() const;
    double phaseY() const;

    // Starts a pass's elements: its header, or none for a chart without a header of this kind.
    void beginAccessibleElements(std::shared_ptr<NSUIAccessibilityElement> header);
    // The elements of the entries in reading order, each with its text and its frame at the
    // current zoom, marked off screen where the pass draws nothing of it; none here.
    virtual Elements describeEntries() const;

    // Whether a pixel rectangle (of either orientation) lies wholly beside the content; one that
    // touches the content's edge does not.
    bool isBesideContent(const QRectF& rect) const;

    // Refilled by every pass for the data set at hand before it is read.
    XBounds m_xBounds;
    mutable Elements m_accessibleChartElements;

private:
    std::shared_ptr<ViewPortHandler> m_viewPortHandler;
    std::shared_ptr<Animator> m_animator;
    std::shared_ptr<NSUIAccessibilityElement> m_passHeader;
    mutable bool m_entriesToDescribe = false;
};

}
