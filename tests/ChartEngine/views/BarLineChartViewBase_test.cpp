#include "ChartEngine/views/BarLineChartViewBase.h"

#include "ChartEngine/components/Description.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/LegendRenderer.h"
#include "ChartEngine/components/XAxisRenderer.h"
#include "ChartEngine/components/YAxisRenderer.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/DataRenderer.h"

#include "AffineTransformPrinter.h"
#include "ViewTestChart.h"
#include "support/ImageInk.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <thread>

using namespace Charts;
using namespace ViewTesting;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// A 300 x 200 view with automatic offsets and nothing that needs room: legend off, no labels.
template <typename View = LineChartView>
std::unique_ptr<View> bareView()
{
    auto view = std::make_unique<View>(QRect(0, 0, 300, 200));
    view->legend()->setEnabled(false);
    view->xAxis()->setDrawLabelsEnabled(false);
    view->leftAxis()->setDrawLabelsEnabled(false);
    view->rightAxis()->setDrawLabelsEnabled(false);
    view->setData(lineData({{0, 10}, {5, 30}, {10, 20}}));
    return view;
}

// Exposes the view's fixed-offsets switch.
class OffsetsView : public LineChartView {
public:
    using LineChartView::isCustomViewPortEnabled;
    using LineChartView::LineChartView;
};

// Every drawing call, in order, with whether the painter clipped it where that matters.
using Log = QStringList;

// An axis renderer that logs its steps under a name instead of drawing.
template <typename Base>
class RecordingAxisRenderer : public Base {
public:
    template <typename Axis>
    RecordingAxisRenderer(BarLineChartViewBase& view, std::shared_ptr<Axis> axis, AxisDependency side,
                          QString name, Log& log)
        : Base(view.viewPortHandler(), std::move(axis), view.getTransformer(side))
        , m_name(std::move(name))
        , m_log(log)
    {
    }
    void computeAxis(double, double, bool) override { m_log << m_name + " compute"; }
    void renderAxisLine(QPainter&) override { m_log << m_name + " line"; }
    void renderGridLines(QPainter&) override { m_log << m_name + " grid"; }
    void renderLimitLines(QPainter&) override { m_log << m_name + " limits"; }
    void renderAxisLabels(QPainter&) override { m_log << m_name + " labels"; }

private:
    QString m_name;
    Log& m_log;
};

class RecordingLegendRenderer : public LegendRenderer {
public:
    RecordingLegendRenderer(BarLineChartViewBase& view, Log& log)
        : LegendRenderer(view.viewPortHandler(), view.legend())
        , m_log(log)
    {
    }
    void renderLegend(QPainter&) override { m_log << "legend"; }

private:
    Log& m_log;
};

class RecordingDataRenderer : public DataRenderer {
public:
    explicit RecordingDataRenderer(Log& log)
        : m_log(log)
    {
    }
    std::shared_ptr<ViewPortHandler> viewPortHandler() const override { return nullptr; }
    Elements accessibleChartElements() const override { return {}; }
    std::shared_ptr<Animator> animator() const override { return nullptr; }
    void drawData(QPainter& painter) override { m_log << clipped("data", painter); }
    void drawValues(QPainter& painter) override { m_log << clipped("values", painter); }
    void drawExtras(QPainter& painter) override { m_log << clipped("extras", painter); }
    void drawHighlighted(QPainter& painter, const HighlightList&) override
    {
        m_log << clipped("highlights", painter);
    }
    void initBuffers() override {}
    bool isDrawingValuesAllowed(const ChartDataProvider*) const override { return true; }
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(const ChartViewBase&,
                                                                     const ChartData&,
                                                                     const QString&) override
    {
        return nullptr;
    }

private:
    static QString clipped(const char* step, const QPainter& painter)
    {
        return QString::fromLatin1(step) + (painter.hasClipping() ? " clipped" : "");
    }
    Log& m_log;
};

}

TEST(BarLineChartViewLayout, ContentAreaAndTransformersFollowTheOffsets)
{
    // The expected content rectangle, read from the view's components after the layout.
    using Expect = std::function<QRectF(LineChartView&)>;
    struct Case {
        const char* name;
        ViewAction configure;
        Expect content;
    };
    const auto labelRoom = [](LineChartView& v) {
        return v.xAxis()->labelRotatedHeight() + v.xAxis()->yOffset();
    };
    const QList<Case> cases = {
        {"all below the minimum offset", [](LineChartView&) {}, [](LineChartView&) { return QRectF(10, 10, 280, 180); }},
        {"extra offsets, then the minimum", [](LineChartView& v) { v.setExtraOffsets(40, 5, 0, 20); },
         [](LineChartView&) { return QRectF(40, 10, 250, 170); }},
        {"x labels at the bottom",
         [](LineChartView& v) {
             v.xAxis()->setDrawLabelsEnabled(true);
             v.xAxis()->setLabelPosition(XAxis::LabelPosition::bottom);
         },
         [&](LineChartView& v) { return QRectF(10, 10, 280, 190 - std::max(10.0, labelRoom(v))); }},
        {"x labels top and bottom",
         [](LineChartView& v) {
             v.xAxis()->setDrawLabelsEnabled(true);
             v.xAxis()->setLabelPosition(XAxis::LabelPosition::topAndBottom);
         },
         [&](LineChartView& v) { return QRectF(10, labelRoom(v), 280, 200 - 2 * labelRoom(v)); }},
        {"x labels inside take no room",
         [](LineChartView& v) {
             v.xAxis()->setDrawLabelsEnabled(true);
             v.xAxis()->setLabelPosition(XAxis::LabelPosition::insideTop);
         },
         [](LineChartView&) { return QRectF(10, 10, 280, 180); }},
        {"left axis labels", [](LineChartView& v) { v.leftAxis()->setDrawLabelsEnabled(true); },
         [](LineChartView& v) {
             const double left = std::max(10.0, v.leftAxis()->requiredSize().width());
             return QRectF(left, 10, 290 - left, 180);
         }},
        {"legend below, horizontal", [](LineChartView& v) { v.legend()->setEnabled(true); },
         [](LineChartView& v) {
             const double bottom = std::max(10.0, v.legend()->neededHeight() + v.legend()->yOffset());
             return QRectF(10, 10, 280, 190 - bottom);
         }},
        {"legend on the right, vertical",
         [](LineChartView& v) {
             v.legend()->setEnabled(true);
             v.legend()->setOrientation(Legend::Orientation::vertical);
             v.legend()->setHorizontalAlignment(Legend::HorizontalAlignment::right);
         },
         [](LineChartView& v) {
             const double right = std::max(10.0, v.legend()->neededWidth() + v.legend()->xOffset());
             return QRectF(10, 10, 290 - right, 180);
         }},
        {"fixed offsets survive a data change",
         [](LineChartView& v) {
             v.setViewPortOffsets(35, 15, 35, 60);
             v.leftAxis()->setDrawLabelsEnabled(true);
         },
         [](LineChartView&) { return QRectF(35, 15, 230, 125); }},
        {"fixed offsets reset",
         [](LineChartView& v) {
             v.setViewPortOffsets(35, 15, 35, 60);
             v.resetViewPortOffsets();
         },
         [](LineChartView&) { return QRectF(10, 10, 280, 180); }},
        // Held to a quarter of the width on the left and right, of the height at the top and bottom.
        {"a minimum offset beyond the chart's room", [](LineChartView& v) { v.setMinOffset(1e6); },
         [](LineChartView&) { return QRectF(75, 50, 150, 100); }},
        {"an infinite minimum offset beside an extra one",
         [](LineChartView& v) {
             v.setMinOffset(infinity);
             v.setExtraOffsets(100, 0, 0, 0);
         },
         [](LineChartView&) { return QRectF(100, 50, 125, 100); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = bareView();
        c.configure(*view);
        view->notifyDataSetChanged();

        const QRectF content = view->contentRect();
        EXPECT_EQ(content, c.content(*view));
        // Both transformers put the axis ranges exactly onto the content area.
        for (const AxisDependency side : {AxisDependency::left, AxisDependency::right}) {
            const auto axis = view->getAxis(side);
            EXPECT_EQ(view->pixelForValues(view->chartXMin(), axis->axisMinimum(), side), content.bottomLeft());
            EXPECT_EQ(view->pixelForValues(view->chartXMax(), axis->axisMaximum(), side), content.topRight());
        }
    }
}

TEST(BarLineChartViewLayout, FixedOffsetsFromAnotherThreadAreSetOnTheViewsThread)
{
    auto view = bareView<OffsetsView>();

    std::thread([&] { view->setViewPortOffsets(35, 15, 35, 60); }).join();
    EXPECT_FALSE(view->isCustomViewPortEnabled());
    view->notifyDataSetChanged();
    EXPECT_EQ(view->contentRect(), QRectF(10, 10, 280, 180));

    QCoreApplication::processEvents();
    EXPECT_TRUE(view->isCustomViewPortEnabled());
    EXPECT_EQ(view->contentRect(), QRectF(35, 15, 230, 125));

    // A view destroyed before its thread runs the call drops it.
    std::thread([&] { view->setViewPortOffsets(1, 2, 3, 4); }).join();
    view.reset();
    QCoreApplication::processEvents();
}

TEST(BarLineChartViewDrawing, FixedDrawingOrder)
{
    struct Case {
        const char* name;
        ViewAction configure;
        Log expected;
    };
    const Log tail = {"extras", "x limits", "left limits", "right limits", "x labels", "left labels",
                      "right labels", "values", "legend", "marker"};
    const QList<Case> cases = {
        {"defaults", [](LineChartView&) {},
         Log{"left compute", "right compute", "x compute", "x line", "left line", "right line", "x grid",
             "left grid", "right grid", "data clipped", "highlights clipped"}
             + tail},
        {"grid in front, left axis off with its limit lines behind",
         [](LineChartView& v) {
             v.xAxis()->setDrawGridLinesBehindDataEnabled(false);
             v.leftAxis()->setEnabled(false);
             v.leftAxis()->setDrawLimitLinesBehindDataEnabled(true);
             v.rightAxis()->setDrawLimitLinesBehindDataEnabled(true);
         },
         Log{"right compute", "x compute", "x line", "left line", "right line", "right limits", "data clipped",
             "x grid", "left grid", "right grid", "highlights clipped", "extras", "x limits", "x labels",
             "left labels", "right labels", "values", "legend", "marker"}},
        {"data unclipped, values clipped",
         [](LineChartView& v) {
             v.setClipDataToContentEnabled(false);
             v.setClipValuesToContentEnabled(true);
         },
         Log{"left compute", "right compute", "x compute", "x line", "left line", "right line", "x grid",
             "left grid", "right grid", "data", "highlights", "extras", "x limits", "left limits",
             "right limits", "x labels", "left labels", "right labels", "values clipped", "legend", "marker"}},
        // Offsets that leave the content no area: the data, mapped onto a rectangle of negative
        // width, was drawn mirrored far beyond the view.
        {"fixed offsets wider than the chart", [](LineChartView& v) { v.setViewPortOffsets(200, 15, 200, 60); },
         Log{}},
        {"automatic offsets beyond the chart",
         [](LineChartView& v) {
             v.setExtraOffsets(0, 1e6, 0, 1e6);
             v.resetViewPortOffsets();
         },
         Log{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log log;
        const auto view = fixtureView({{10, 20}, {50, 60}});
        view->setXAxisRenderer(std::make_shared<RecordingAxisRenderer<XAxisRenderer>>(
            *view, view->xAxis(), AxisDependency::left, "x", log));
        view->setLeftYAxisRenderer(std::make_shared<RecordingAxisRenderer<YAxisRenderer>>(
            *view, view->leftAxis(), AxisDependency::left, "left", log));
        view->setRightYAxisRenderer(std::make_shared<RecordingAxisRenderer<YAxisRenderer>>(
            *view, view->rightAxis(), AxisDependency::right, "right", log));
        view->setLegendRenderer(std::make_shared<RecordingLegendRenderer>(*view, log));
        view->setRenderer(std::make_shared<RecordingDataRenderer>(log));
        view->setMarker(std::make_shared<RecordingMarker>(&log));
        auto highlight = std::make_shared<Highlight>(10, 20, 0, -1);
        highlight->setDraw(100, 100);
        view->highlightValue(highlight);
        c.configure(*view);

        ImageInk::painted([&](QPainter& painter) { view->drawRect(painter); });

        EXPECT_EQ(log, c.expected);
    }
}

TEST(BarLineChartViewDrawing, NoDataTextIsCentred)
{
    LineChartView view(QRect(0, 0, 300, 200));
    view.setNoDataText(QStringLiteral("No Data"));
    const QRect ink = ImageInk::inkBounds(*view.getChartImage(false));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x() + 0.5, 150, 2);
    EXPECT_NEAR(ink.center().y() + 0.5, 100, 3);
}

TEST(BarLineChartViewDrawing, DescriptionIsAlignedOnItsCorner)
{
    struct Case {
        TextAlignment alignment;
        std::function<double(const QRect&)> edge;
    };
    // The default anchor: bounds width - offsetRight - xOffset = 300 - 35 - 5.
    const QList<Case> cases = {
        {TextAlignment::Right, [](const QRect& ink) { return ink.right() + 1.0; }},
        {TextAlignment::Center, [](const QRect& ink) { return ink.center().x() + 0.5; }},
        {TextAlignment::Left, [](const QRect& ink) { return double(ink.left()); }},
    };
    for (const Case& c : cases) {
        const auto view = fixtureView({{0, 120}, {115, 120}});
        view->xAxis()->setEnabled(false);
        view->leftAxis()->setEnabled(false);
        view->rightAxis()->setEnabled(false);
        view->chartDescription()->setText(QStringLiteral("Peak flow"));
        view->chartDescription()->setTextColor(Qt::black);
        view->chartDescription()->setTextAlign(c.alignment);
        const QImage image = *view->getChartImage(false);
        const QRect ink = ImageInk::inkBounds(image.copy(0, 60, 300, 80)).translated(0, 60);
        EXPECT_NEAR(c.edge(ink), 260, 2) << static_cast<int>(c.alignment);
        EXPECT_NEAR(ink.bottom() + 1, 135, 4) << static_cast<int>(c.alignment);
    }
}

TEST(BarLineChartViewZoom, ImmediateZoomsOnTheTouchMatrix)
{
    struct Case {
        const char* name;
        ViewAction act;
        AffineTransform matrix;
        double minScaleX;
    };
    const QList<Case> cases = {
        {"about a point, y negated (a double click at 150, 77.5)",
         [](LineChartView& v) { v.zoom(1.4, 1.4, 115, -62.5); }, {1.4, 0, 0, 1.4, -46, 0}, 1},
        {"in, about the content centre", [](LineChartView& v) { v.zoomIn(); }, {1.4, 0, 0, 1.4, -60, 31}, 1},
        {"reset keeps the zoom",
         [](LineChartView& v) {
             v.zoomIn();
             v.resetZoom();
         },
         {1.4, 0, 0, 1.4, -60, 31}, 1},
        {"a visible range limit zooms at once", [](LineChartView& v) { v.setVisibleXRangeMaximum(23); },
         {5, 0, 0, 1, 0, 0}, 5},
        {"fit screen undoes the limit",
         [](LineChartView& v) {
             v.setVisibleXRangeMaximum(23);
             v.fitScreen();
         },
         {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = fixtureView({{0, 10}, {110, 100}});
        c.act(*view);
        EXPECT_EQ(view->viewPortHandler()->touchMatrix(), c.matrix);
        EXPECT_EQ(view->viewPortHandler()->minScaleX(), c.minScaleX);
    }
}

TEST(BarLineChartViewZoom, RangesThatAreNotFiniteAndPositiveAreIgnored)
{
    using Setter = std::function<void(LineChartView&, double)>;
    const QList<Setter> setters = {
        [](LineChartView& v, double r) { v.setVisibleXRangeMaximum(r); },
        [](LineChartView& v, double r) { v.setVisibleXRangeMinimum(r); },
        [](LineChartView& v, double r) { v.setVisibleXRange(r, 50); },
        [](LineChartView& v, double r) { v.setVisibleYRangeMaximum(r, AxisDependency::left); },
        [](LineChartView& v, double r) { v.setVisibleYRangeMinimum(r, AxisDependency::right); },
        [](LineChartView& v, double r) { v.setVisibleYRange(50, r, AxisDependency::left); },
    };
    const auto view = fixtureView({{0, 10}, {110, 100}});
    const auto handler = view->viewPortHandler();
    const QList<double> limits = {handler->minScaleX(), handler->maxScaleX(), handler->minScaleY(),
                                  handler->maxScaleY()};
    for (qsizetype i = 0; i < setters.size(); ++i) {
        for (const double range : {0.0, -5.0, notANumber, infinity}) {
            setters[i](*view, range);
            EXPECT_EQ((QList<double>{handler->minScaleX(), handler->maxScaleX(), handler->minScaleY(),
                                     handler->maxScaleY()}),
                      limits)
                << "setter " << i << ", range " << range;
        }
    }
}

TEST(BarLineChartViewZoom, MovesPutTheirValueAtTheLeftEdgeWithinTheLimits)
{
    struct Case {
        const char* name;
        ViewAction act;
        double leftEdge;
    };
    const QList<Case> cases = {
        {"to x", [](LineChartView& v) { v.moveViewToX(50); }, 50},
        {"to the last x, pulled back by the end of the axis", [](LineChartView& v) { v.moveViewToX(110); }, 92},
        {"centred on x", [](LineChartView& v) { v.centerViewTo(50, 62.5, AxisDependency::left); }, 38.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = fixtureView({{0, 10}, {110, 100}});
        view->fitScreen();
        view->setVisibleXRangeMaximum(23);
        c.act(*view);
        EXPECT_DOUBLE_EQ(view->lowestVisibleX(), c.leftEdge);
        EXPECT_DOUBLE_EQ(view->visibleXRange(), 23);
    }
}

TEST(BarLineChartViewZoom, KeepingThePositionOnAResizeKeepsTheLeftEdgeValue)
{
    for (const bool keep : {true, false}) {
        const auto view = fixtureView({{0, 10}, {110, 100}});
        view->setVisibleXRangeMaximum(23);
        view->moveViewToX(50);
        view->setKeepPositionOnRotation(keep);

        view->setFrame(QRect(0, 0, 400, 200));

        EXPECT_EQ(view->contentRect(), QRectF(35, 15, 330, 125));
        // Without keeping, the translation stays in pixels while a value takes more of them.
        EXPECT_NEAR(view->lowestVisibleX(), keep ? 50 : 50 * 230.0 / 330, 1e-9) << keep;
    }
}
