#include "ChartEngine/views/LineChartView.h"

#include "ChartEngine/components/ChartHighlighter.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxisRenderer.h"
#include "ChartEngine/components/YAxisRenderer.h"
#include "ChartEngine/components/ZoneBand.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/LineChartRenderer.h"

#include "ViewTestChart.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>

using namespace Charts;
using namespace ViewTesting;

namespace {

bool isNear(const QColor& seen, const QColor& expected, int tolerance)
{
    return std::abs(seen.red() - expected.red()) <= tolerance
        && std::abs(seen.green() - expected.green()) <= tolerance
        && std::abs(seen.blue() - expected.blue()) <= tolerance;
}

}

TEST(LineChartViewSetUp, EachConstructorInstallsTheViewsOwnParts)
{
    using Make = std::function<std::unique_ptr<LineChartView>()>;
    struct Case {
        const char* name;
        Make make;
        QSizeF handlerSize;
    };
    const QList<Case> cases = {
        {"with a frame", [] { return std::make_unique<LineChartView>(QRect(20, 80, 300, 200)); }, {300, 200}},
        // Qt's provisional size of a widget never sized is not taken: jobs wait for a real one.
        {"without a frame", [] { return std::make_unique<LineChartView>(); }, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = c.make();

        const auto renderer = std::dynamic_pointer_cast<LineChartRenderer>(view->renderer());
        ASSERT_TRUE(renderer);
        EXPECT_EQ(renderer->dataProvider(), static_cast<LineChartDataProvider*>(view.get()));
        EXPECT_EQ(renderer->animator(), view->chartAnimator());
        EXPECT_EQ(renderer->viewPortHandler(), view->viewPortHandler());
        EXPECT_EQ(view->chartAnimator()->delegate(), static_cast<AnimatorDelegate*>(view.get()));
        const auto highlighter = std::dynamic_pointer_cast<ChartHighlighter>(view->highlighter());
        ASSERT_TRUE(highlighter);
        EXPECT_EQ(highlighter->chart(), view.get());
        EXPECT_EQ(view->xAxisRenderer()->transformer(), view->getTransformer(AxisDependency::left));
        EXPECT_EQ(view->rightYAxisRenderer()->transformer(), view->getTransformer(AxisDependency::right));
        const auto handler = view->viewPortHandler();
        EXPECT_EQ(QSizeF(handler->chartWidth(), handler->chartHeight()), c.handlerSize);
    }
}

// The report's pictures: a view made with its frame and never shown gets its data, then its
// styling, then is drawn into an image.
TEST(LineChartViewPicture, NeverShownViewDrawsItsStyledData)
{
    const QColor lineColor(0, 61, 165);
    LineChartView view(QRect(20, 80, 960, 470));
    auto data = lineData({{0, 400}, {180, 400}});
    data->dataSetAtIndex(0)->setColor(lineColor);
    view.setData(data);

    view.setBackgroundColor(QColor(Qt::white));
    view.setViewPortOffsets(35, 15, 35, 60);
    view.fitScreen();
    view.legend()->setForm(LegendForm::none);
    view.xAxis()->setLabelPosition(XAxis::LabelPosition::bottom);
    view.xAxis()->setLabelRotationAngle(-30);
    view.xAxis()->setAxisMinimum(0);
    view.xAxis()->setAxisMaximum(181);
    view.leftAxis()->setDrawGridLinesBackgroungEnabled(true);
    view.leftAxis()->setBackgroundLimit({{50, 240, QColor(255, 99, 132, 178)},
                                         {240, 320, QColor(255, 205, 86, 178)},
                                         {320, 900, QColor(75, 192, 192, 127)}});
    for (const auto& axis : {view.leftAxis(), view.rightAxis()}) {
        axis->setAxisMaximum(900);
        axis->setAxisMinimum(50);
    }

    const auto image = view.getChartImage(false);

    ASSERT_TRUE(image);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(image->deviceIndependentSize(), QSizeF(960, 470));
    EXPECT_EQ(view.contentRect(), QRectF(35, 15, 890, 395));
    EXPECT_EQ(image->pixelColor(2, 2), QColor(Qt::white));
    // The line at y 400: 15 + 395 x (900 - 400) / 850 from the top, sampled between its ends.
    const double lineY = 15 + 395 * 500.0 / 850;
    EXPECT_TRUE(isNear(image->pixelColor(480, int(lineY)), lineColor, 40))
        << image->pixelColor(480, int(lineY)).name().toStdString();
    // A zone band behind the data, away from the line.
    EXPECT_FALSE(isNear(image->pixelColor(480, 100), QColor(Qt::white), 10));
}

TEST(LineChartViewHighlight, ClickRoadSelectsTheNearestValueAndItsMarkerIsDrawnThere)
{
    const auto view = fixtureView({{10, 30}, {50, 60}, {90, 20}});
    auto dataSet = std::dynamic_pointer_cast<LineChartDataSet>(view->data()->dataSetAtIndex(0));
    dataSet->setDrawHighlightIndicators(false);
    RecordingDelegate delegate;
    view->setDelegate(&delegate);
    auto marker = std::make_shared<RecordingMarker>();
    view->setMarker(marker);

    // The value (50, 60) lies at (35 + 2 x 50, 140 - 60).
    view->highlightValue(view->getHighlightByTouchPoint(QPointF(140, 90)), true);
    ASSERT_TRUE(view->getChartImage(true));

    EXPECT_EQ(delegate.calls, QStringList{QStringLiteral("selected 50")});
    EXPECT_EQ(marker->points, QList<QPointF>{QPointF(135, 80)});
    const auto elements = view->accessibilityChildren();
    EXPECT_EQ(elements, view->renderer()->accessibleChartElements());
    EXPECT_EQ(elements.size(), 4); // the header and one element per circle
}
