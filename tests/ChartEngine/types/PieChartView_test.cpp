#include "ChartEngine/components/Description.h"
#include "ChartEngine/components/Marker.h"
#include "ChartEngine/components/PieHighlighter.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/types/PieChartRenderer.h"

#include "PieTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

using namespace Charts;
using namespace PieTesting;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// Values are drawn along: a marker of fixed size.
class DotMarker : public Marker {
public:
    QPointF offset() const override { return {}; }
    QPointF offsetForDrawingAtPoint(QPointF) const override { return {}; }
    void refreshContent(const std::shared_ptr<ChartDataEntry>&, const std::shared_ptr<Highlight>&) override {}
    void draw(QPainter&, QPointF point) override { points << point; }
    QList<QPointF> points;
};

}

TEST(PieChartViewTest, TheViewInstallsItsOwnRendererAndHighlighter)
{
    const auto view = pieView({1, 2});
    const auto* renderer = dynamic_cast<PieChartRenderer*>(view->renderer().get());
    const auto* highlighter = dynamic_cast<PieHighlighter*>(view->highlighter().get());
    ASSERT_TRUE(renderer);
    ASSERT_TRUE(highlighter);
    EXPECT_EQ(renderer->chart(), view.get());
    EXPECT_EQ(renderer->animator(), view->chartAnimator());
    EXPECT_EQ(renderer->viewPortHandler(), view->viewPortHandler());
    EXPECT_EQ(highlighter->chart(), view.get());
}

TEST(PieChartViewDeathTest, APieHasNoXAxis)
{
    const auto view = pieView({1});
    const auto toStandardError = [] {
        ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    };
    EXPECT_DEATH((toStandardError(), view->xAxis()), "PieChart has no XAxis");
    EXPECT_DEATH((toStandardError(), view->setXAxis(nullptr)), "PieChart has no XAxis");
}

// The base's own roads (layout, legend, image, highlight, marker, description) never reach the
// x axis, which would stop the program.
TEST(PieChartViewTest, APieLaysOutDrawsHighlightsAndTakesAnImage)
{
    const auto view = pieView({1, 2, 3});
    view->legend()->setEnabled(true);
    view->chartDescription()->setText(QStringLiteral("Pie"));
    const auto marker = std::make_shared<DotMarker>();
    view->setMarker(marker);
    view->notifyDataSetChanged();
    view->highlightValue(view->getHighlightByTouchPoint(QPointF(60, 110)), true);
    const auto image = view->getChartImage(false);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(200, 200));
    EXPECT_EQ(marker->points.size(), 1);
}

TEST(PieChartViewTest, HalfPiesLieAgainstTheBottomOfWideContent)
{
    struct Case {
        const char* name;
        QRect frame;
        double maxAngle, shift;
        QRectF box;
    } cases[] = {
        {"half pie", {0, 0, 300, 100}, 180, 0, {50, 0, 200, 200}},
        {"half pie with a shift", {0, 0, 300, 100}, 180, 18, {68, 18, 164, 164}},
        {"tall content", {0, 0, 100, 300}, 180, 18, {18, 118, 64, 64}},
        {"whole pie", {0, 0, 300, 100}, 360, 18, {118, 18, 64, 64}},
    };
    for (const Case& c : cases) {
        const auto view = pieView({1, 2}, c.frame, [&](PieChartView& pie, PieChartDataSet& dataSet) {
            pie.setMaxAngle(c.maxAngle);
            dataSet.setSelectionShift(c.shift);
        });
        EXPECT_EQ(view->circleBox(), c.box) << c.name;
        EXPECT_EQ(view->radius(), c.box.width() / 2) << c.name;
    }
}

TEST(PieChartViewTest, MaxAngleIsHeldWithinItsRange)
{
    const QList<std::pair<double, double>> cases = {{45, 90}, {400, 360}, {180, 180}};
    for (const auto& [value, held] : cases) {
        PieChartView view;
        view.setMaxAngle(value);
        EXPECT_EQ(view.maxAngle(), held) << value;
    }
}

TEST(PieChartViewTest, SliceAnglesFollowTheValuesMagnitudes)
{
    struct Case {
        const char* name;
        QList<double> values, draw, absolute;
    } cases[] = {
        {"positive", {1, 1, 2}, {90, 90, 180}, {90, 180, 360}},
        {"a negative value lowers the sum", {1, -1, 2}, {180, 180, 360}, {180, 360, 720}},
        {"a sum of 0 sweeps nothing", {1, -1}, {0, 0}, {0, 0}},
        {"a sum that is not a number sweeps nothing", {1, notANumber}, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        const auto view = pieView(c.values);
        EXPECT_EQ(view->drawAngles(), c.draw) << c.name;
        EXPECT_EQ(view->absoluteAngles(), c.absolute) << c.name;
    }
    PieChartView other(QRect(0, 0, 200, 200));
    other.setData(std::make_shared<ChartData>(ChartDataSetList{pieSet({1, 2})}));
    EXPECT_TRUE(other.drawAngles().isEmpty());
}

TEST(PieChartViewTest, AnAngleNamesTheSliceWhoseEndLiesBeyondIt)
{
    struct Case {
        double angle;
        qint64 index;
    } cases[] = {{0, 1}, {269, 2}, {270, 0}, {notANumber, -1}};
    const auto view = pieView({1, 1, 2});
    for (const Case& c : cases) {
        EXPECT_EQ(view->indexForAngle(c.angle), c.index) << c.angle;
    }
    const auto half = pieView({1, 1, 2}, QRect(0, 0, 200, 200), [](PieChartView& pie, PieChartDataSet&) {
        pie.setMaxAngle(180);
    });
    EXPECT_EQ(half->indexForAngle(270 + 200), -1);
}

// Slices of 90, 90 and 180 degrees in a pie of radius 82 at (100, 100): the first slice's
// middle lies at 315 degrees.
TEST(PieChartViewTest, MarkersSitInTheMiddleOfTheirSliceOrAtTheCentre)
{
    const QPointF center(100, 100);
    struct Case {
        const char* name;
        bool hole;
        double x;
        qint64 dataSetIndex;
        QPointF position;
        bool needsHighlight;
    } cases[] = {
        {"across the ring", true, 0, 0, along(center, 82 * 0.75, 315), true},
        {"without a hole", false, 0.5, 0, along(center, 82 * 0.64, 315), true},
        {"x not a number", true, notANumber, 0, center, false},
        {"x before the slices", true, -1, 0, center, false},
        {"x past the slices", true, 3, 0, center, false},
        {"no such data set", true, 0, 1, center, false},
    };
    for (const Case& c : cases) {
        const auto view = pieView({1, 1, 2});
        view->setDrawHoleEnabled(c.hole);
        const auto highlight = std::make_shared<Highlight>(c.x, 1, c.dataSetIndex, -1);
        view->setHighlighted({highlight});
        const QPointF position = view->getMarkerPosition(*highlight);
        EXPECT_NEAR(position.x(), c.position.x(), 1e-9) << c.name;
        EXPECT_NEAR(position.y(), c.position.y(), 1e-9) << c.name;
        EXPECT_EQ(view->needsHighlight(0), c.needsHighlight) << c.name;
    }
}

TEST(PieChartViewTest, CenterTextNoneClearsAndEmptyStays)
{
    const auto view = pieView({1});
    view->setCenterText(QStringLiteral("Total"));
    view->setCenterText(std::nullopt);
    EXPECT_FALSE(view->centerAttributedText());
    view->setCenterText(QString());
    ASSERT_TRUE(view->centerAttributedText());
    EXPECT_EQ(view->centerText(), QString());
    EXPECT_EQ(view->centerAttributedText()->attributes.alignment, TextAlignment::Center);
}
