#include "ChartEngine/types/HorizontalBarChartRenderer.h"

#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/types/HorizontalBarChartView.h"

#include "BarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace BarTesting;

namespace {

class RecordingRenderer : public HorizontalBarChartRenderer {
public:
    using HorizontalBarChartRenderer::HorizontalBarChartRenderer;
    struct Label {
        QString text;
        double x;
        double y;
        QFont font;
    };

    QRectF slot(qint64 index, qsizetype j) const { return m_buffers.at(std::size_t(index)).rects.at(std::size_t(j)); }
    void drawValue(QPainter& painter, const QString& value, double xPos, double yPos, const QFont& font,
                   TextAlignment align, const QColor& color, QPointF anchor, double angle) override
    {
        labels.append({value, xPos, yPos, font});
        HorizontalBarChartRenderer::drawValue(painter, value, xPos, yPos, font, align, color, anchor, angle);
    }
    QRectF computeHighlightRect(double x, double y1, double y2, double half, const Transformer& t) const override
    {
        highlightRects.append(HorizontalBarChartRenderer::computeHighlightRect(x, y1, y2, half, t));
        return highlightRects.back();
    }

    QList<Label> labels;
    mutable QList<QRectF> highlightRects;
};

// A view over x 0..10 (upwards, 12.5 px a unit from 140) and y -5..5 (across, 23 px a unit, 0 at
// 150) drawing with a recording renderer.
std::pair<std::unique_ptr<HorizontalBarChartView>, std::shared_ptr<RecordingRenderer>> recordedView(
    const ChartDataSetList& sets)
{
    auto view = fixtureView<HorizontalBarChartView>(barData(sets), -5, 5);
    auto renderer = std::make_shared<RecordingRenderer>(view.get(), view->chartAnimator(), view->viewPortHandler());
    view->setRenderer(renderer);
    view->notifyDataSetChanged();
    return {std::move(view), renderer};
}

}

TEST(HorizontalBarChartRenderer, BarsRunFromZeroAndGrowWithTheYPhase)
{
    struct Case {
        double y;
        double phaseY;
        QRectF slot;
    };
    // An entry at x 2 with bar width 0.8.
    const Case cases[] = {
        {3, 1.0, QRectF(0, 2.4, 3, -0.8)},
        {3, 0.5, QRectF(0, 2.4, 1.5, -0.8)},
        {-3, 0.5, QRectF(-1.5, 2.4, 1.5, -0.8)},
    };
    for (const Case& c : cases) {
        BarTestChart chart(barData({barSet({0.0, 0.0, c.y})}, 0.8), 0, 10);
        chart.animator->setPhaseY(c.phaseY);
        RecordingRenderer renderer(&chart, chart.animator, chart.handler);
        renderer.initBuffers();
        renderer.computeHorizontalBarRects(
            *std::dynamic_pointer_cast<BarChartDataSetProtocol>(chart.barData()->dataSetAtIndex(0)), 0);
        const QRectF slot = renderer.slot(0, 2);
        EXPECT_DOUBLE_EQ(slot.x(), c.slot.x()) << c.y << " " << c.phaseY;
        EXPECT_DOUBLE_EQ(slot.y(), c.slot.y()) << c.y << " " << c.phaseY;
        EXPECT_DOUBLE_EQ(slot.width(), c.slot.width()) << c.y << " " << c.phaseY;
        EXPECT_DOUBLE_EQ(slot.height(), c.slot.height()) << c.y << " " << c.phaseY;
    }
}

TEST(HorizontalBarChartRenderer, ValueLabelsKeepAGapOfFiveFromTheBarEnd)
{
    struct Case {
        const char* name;
        bool above;
        double value;
        // The label stands at the bar's right (else left) end, before it (its own width and 5
        // less) or after it (5 more).
        bool atRightEnd;
        bool before;
    };
    const Case cases[] = {
        {"above, positive", true, 3, true, false},
        {"above, negative", true, -3, false, true},
        {"inside, positive", false, 3, true, true},
        {"inside, negative", false, -3, false, false},
    };
    for (const Case& c : cases) {
        auto [view, renderer] = recordedView({barSet({0.0, c.value})});
        view->setDrawValueAboveBarEnabled(c.above);
        drawn(*view);
        ASSERT_EQ(renderer->labels.size(), 2) << c.name;
        const auto& label = renderer->labels.at(1);
        const QRectF bar = view->getBarBounds(std::dynamic_pointer_cast<BarChartDataEntry>(
                                                  view->barData()->dataSetAtIndex(0)->entryForIndex(1)))
                               .value();
        TextAttributes attributes;
        attributes.font = label.font;
        const double width = textSize(label.text, attributes).width();
        const double end = c.atRightEnd ? bar.right() : bar.left();
        EXPECT_NEAR(label.x, c.before ? end - 5 - width : end + 5, 1e-9) << c.name;
        EXPECT_NEAR(label.y, bar.center().y() - fontLineHeight(label.font) / 2, 1e-9) << c.name;
    }
}

TEST(HorizontalBarChartRenderer, ValuesNeedRoomAlongTheVerticalZoom)
{
    struct Case {
        double scaleX;
        double scaleY;
        bool allowed;
    };
    // Five entries, at most five visible.
    for (const Case& c : {Case{1, 1, false}, Case{2, 1, false}, Case{1, 1.2, true}}) {
        auto [view, renderer] = recordedView({barSet({1.0, 2.0, 3.0, 4.0, 5.0})});
        view->setMaxVisibleCount(5);
        view->viewPortHandler()->setScaleX(c.scaleX);
        view->viewPortHandler()->setScaleY(c.scaleY);
        EXPECT_EQ(renderer->isDrawingValuesAllowed(view.get()), c.allowed) << c.scaleX << " " << c.scaleY;
    }
}

TEST(HorizontalBarChartRenderer, HighlightFillsTheBarAndPutsTheMarkerAtItsEnd)
{
    auto [view, renderer] = recordedView({barSet({0.0, 4.0})});
    auto highlight = std::make_shared<Highlight>(1.0, 0, -1);
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    renderer->drawHighlighted(painter, {highlight});
    painter.end();
    ASSERT_EQ(renderer->highlightRects.size(), 1);
    EXPECT_EQ(renderer->highlightRects.front(), QRectF(150, 124.375, 92, 6.25));
    EXPECT_EQ(view->getMarkerPosition(*highlight), QPointF(242, 127.5));
}

TEST(HorizontalBarChartRenderer, ShadowColumnsFillTheContentWidthBehindEachBar)
{
    // A white bar 0..2 at x 1 (pixels 150..196 across, 124.375..130.625 down) over a black shadow.
    auto dataSet = barSet({0.0, 2.0});
    dataSet->setColor(Qt::white);
    dataSet->setBarShadowColor(Qt::black);
    dataSet->setDrawValuesEnabled(false);
    auto view = fixtureView<HorizontalBarChartView>(barData({dataSet}), -5, 5);
    view->setDrawBarShadowEnabled(true);
    view->xAxis()->setDrawGridLinesEnabled(false);
    view->leftAxis()->setDrawGridLinesEnabled(false);
    view->rightAxis()->setDrawGridLinesEnabled(false);
    const QImage image = drawn(*view);
    EXPECT_EQ(image.pixel(50, 127), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(170, 127), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 110), qRgb(255, 255, 255));
}
