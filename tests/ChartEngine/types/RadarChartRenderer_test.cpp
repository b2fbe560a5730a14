#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/types/RadarChartRenderer.h"

#include "RadarTestChart.h"
#include "RecordingPaintDevice.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

using namespace Charts;
using namespace RadarTesting;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

RadarChartRenderer& rendererOf(const RadarChartView& view)
{
    return dynamic_cast<RadarChartRenderer&>(*view.renderer());
}

// What `draw` paints, call by call.
template <typename Draw> std::vector<Drawn> recorded(Draw draw)
{
    RecordingDevice device;
    QPainter painter(&device);
    draw(painter);
    painter.end();
    return device.drawn();
}

std::vector<Drawn> outlines(const std::vector<Drawn>& calls)
{
    std::vector<Drawn> strokes;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(strokes), [](const Drawn& d) {
        return d.kind == Drawn::Kind::path && d.pen.style() != Qt::NoPen;
    });
    return strokes;
}

QStringList labelsOf(const DataRenderer::Elements& elements)
{
    QStringList labels;
    for (const auto& element : elements) {
        labels << element->accessibilityLabel();
    }
    return labels;
}

}

TEST(RadarChartRendererTest, ElementsListASetsValuesFromTheLargest)
{
    struct Case {
        QList<double> values;
        std::optional<QString> label;
        std::optional<QString> prefix;
        QStringList elements;  // after the header
    };
    const Case cases[] = {
        {{3, 7, 5}, QStringLiteral("Set"), {},
         {"Set. 3 Items. ", "Set - b: 7.00 ", "Set - c: 5.00 ", "Set - a: 3.00 "}},
        {{4}, {}, {}, {". 1 Item. ", " - a: 4.00 "}},
        // Texts are taken as they are: "%2" stays.
        {{2, 2}, QStringLiteral("S%2"), QStringLiteral("Spoke"),
         {"S%2. 2 Spokes. ", "S%2 - a: 2.00 ", "S%2 - b: 2.00 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.elements.first().toStdString());
        const auto view = radarView({radarSet(c.values, c.label)});
        view->data()->setAccessibilityEntryLabelPrefix(c.prefix);
        view->xAxis()->setValueFormatter(
            std::make_shared<IndexAxisValueFormatter>(QStringList{"a", "b", "c"}));
        drawn(*view);
        const auto elements = rendererOf(*view).accessibleChartElements();
        ASSERT_EQ(elements.size(), c.elements.size() + 1);
        EXPECT_EQ(elements.first()->accessibilityLabel(),
                  QStringLiteral("Radar Chart. 1 dataset. ") + c.label.value_or(QString()));
        EXPECT_EQ(labelsOf(elements.mid(1)), c.elements);
        EXPECT_TRUE(elements.at(1)->isHeader());
        EXPECT_EQ(elements.at(1)->accessibilityRole(), QAccessible::StaticText);
        // The first entry element is a 44-point square on the largest value's own point.
        const auto largest = std::max_element(c.values.begin(), c.values.end());
        const QPointF point = valuePoint(*view, *largest, largest - c.values.begin());
        EXPECT_EQ(elements.at(2)->accessibilityFrame(),
                  QRectF(point - QPointF(22, 22), QSizeF(44, 44)));
    }
}

TEST(RadarChartRendererTest, AFullyOpaqueFillHasNoOutlineAndNoElements)
{
    struct Case {
        double fillAlpha;
        qsizetype outlines;
        qsizetype elements;
    };
    const Case cases[] = {{1.0, 0, 1}, {0.5, 1, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fillAlpha);
        auto set = radarSet({3, 7, 5});
        set->setDrawFilledEnabled(true);
        set->setFillAlpha(c.fillAlpha);
        set->setColor(QColor(10, 20, 30));
        set->setLineWidth(3);
        const auto view = radarView({set});
        drawn(*view);
        const auto strokes =
            outlines(recorded([&](QPainter& painter) { rendererOf(*view).drawData(painter); }));
        ASSERT_EQ(qsizetype(strokes.size()), c.outlines);
        for (const Drawn& stroke : strokes) {
            EXPECT_EQ(stroke.pen.color(), QColor(10, 20, 30));
            EXPECT_EQ(stroke.pen.widthF(), 3.0);
            EXPECT_EQ(stroke.pen.joinStyle(), Qt::MiterJoin);
        }
        EXPECT_EQ(rendererOf(*view).accessibleChartElements().size(), c.elements);
    }
}

TEST(RadarChartRendererTest, SpokesAndRingsAreStrokedSegmentBySegment)
{
    struct Case {
        QList<qint64> setSizes;
        qint64 skip;
        QList<qint64> spokes;
        qint64 segmentsPerRing;  // the data's entry count over all sets
    };
    const Case cases[] = {
        {{5, 5}, 0, {0, 1, 2, 3, 4}, 10},
        {{6}, 1, {0, 2, 4}, 6},
        // The largest count is held one below, so that the web's step stays a qint64.
        {{6}, std::numeric_limits<qint64>::max(), {0}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.skip);
        QList<std::shared_ptr<RadarChartDataSet>> sets;
        for (const qint64 size : c.setSizes) {
            sets << radarSet(QList<double>(size, 3.0));
        }
        const auto view = radarView(sets);
        view->setSkipWebLineCount(c.skip);
        const auto calls =
            recorded([&](QPainter& painter) { rendererOf(*view).drawExtras(painter); });
        QList<QPointF> spokeEnds;
        qint64 ringSegments = 0;
        for (const Drawn& d : calls) {
            ASSERT_EQ(d.kind, Drawn::Kind::line);
            if (d.pen.widthF() == view->webLineWidth()) {
                EXPECT_EQ(d.line.p1(), view->centerOffsets());
                spokeEnds << d.line.p2();
            } else {
                ++ringSegments;
            }
        }
        QList<QPointF> expected;
        for (const qint64 spoke : c.spokes) {
            expected << valuePoint(*view, view->chartYMin() + view->yRange(), spoke);
        }
        EXPECT_EQ(spokeEnds, expected);
        EXPECT_EQ(ringSegments, view->yAxis()->entryCount() * c.segmentsPerRing);
    }
}

TEST(RadarChartRendererTest, AShortSetClosesThroughTheCentre)
{
    auto shortSet = radarSet({4, 4, 4});
    shortSet->setColor(QColor(1, 2, 3));
    const auto view = radarView({radarSet({4, 4, 4, 4, 4}), shortSet});
    const auto strokes =
        outlines(recorded([&](QPainter& painter) { rendererOf(*view).drawData(painter); }));
    const auto shortOutline = std::find_if(strokes.begin(), strokes.end(), [](const Drawn& d) {
        return d.pen.color() == QColor(1, 2, 3);
    });
    ASSERT_NE(shortOutline, strokes.end());
    const QPainterPath& path = shortOutline->path;
    // Three corners, the centre, back to the first corner.
    ASSERT_EQ(path.elementCount(), 5);
    EXPECT_EQ(QPointF(path.elementAt(2)), valuePoint(*view, 4, 2));
    EXPECT_EQ(QPointF(path.elementAt(3)), view->centerOffsets());
}

// Of a set whose values lie far outside its axis (0..10 here) only what lies within the view is
// filled and stroked, widened by the pen's reach: half its width of 10 times its mitre limit of
// 10, and a point (and one more for the cut's rounding).
TEST(RadarChartRendererTest, ValuesFarOutsideTheAxisAreDrawnOnlyWithinTheView)
{
    const struct {
        QList<double> values;
        bool filled;
    } cases[] = {{{1000, 5, 1000, 5, 1000, 5, 1000}, true}, {{5, -1e6, 5, 1e6, 5}, false}};
    for (const auto& c : cases) {
        auto set = radarSet(c.values);
        set->setDrawFilledEnabled(c.filled);
        set->setLineWidth(10);
        const auto view = radarView({set});
        view->yAxis()->setAxisMinimum(0);
        view->yAxis()->setAxisMaximum(10);
        view->notifyDataSetChanged();
        const auto calls = recorded([&](QPainter& painter) { rendererOf(*view).drawData(painter); });
        ASSERT_EQ(outlines(calls).size(), 1u);
        for (const Drawn& drawn : calls) {
            EXPECT_TRUE(QRectF(-52, -52, 404, 404).contains(drawn.path.boundingRect()))
                << c.values.at(1) << " " << testing::PrintToString(drawn.path.boundingRect());
        }
    }
}

// A set of many corners reaches a raster image as coverage masks' images, never as a path for
// Qt's rasterizer, whose time grows with the square of the edges a pixel row holds (seconds for
// thousands of corners): antialiased or not, with a corner a billion points away, with one beyond
// what a double holds (1e308 times the radius) or with values far outside the axis. The device
// only records, and says it is a raster image.
TEST(RadarChartRendererTest, ManyCornersReachARasterImageAsMasks)
{
    const struct {
        const char* name;
        bool antialiased;
        double axisMaximum;
        double oddValue;  // the 151st; the others 1 + i mod 7
    } cases[] = {{"within the axis", true, 8, 1},
                 {"a corner beyond what a mask takes", true, 8, 1e8},
                 {"a corner beyond what a double holds", true, 8, 1e308},
                 {"without antialiasing", false, 8, 1},
                 {"without antialiasing, far outside the axis", false, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QList<double> values;
        for (int i = 0; i < 300; ++i) {
            values << (i == 150 ? c.oddValue : 1 + i % 7);
        }
        auto set = radarSet(values);
        set->setDrawFilledEnabled(true);
        set->setLineWidth(10);
        const auto view = radarView({set});
        view->yAxis()->setAxisMinimum(0);
        view->yAxis()->setAxisMaximum(c.axisMaximum);
        view->notifyDataSetChanged();
        RecordingDevice device(300, 300, QPaintEngine::Raster);
        QPainter painter(&device);
        painter.setRenderHint(QPainter::Antialiasing, c.antialiased);
        rendererOf(*view).drawData(painter);
        painter.end();
        const auto images = std::count_if(device.drawn().cbegin(), device.drawn().cend(),
                                          [](const Drawn& d) { return d.kind == Drawn::Kind::image; });
        EXPECT_GT(images, 0);
        EXPECT_EQ(std::size_t(images), device.drawn().size());
    }
}

// A web whose lines are 10,000 points wide, translucent as a web is, reaches a raster image as
// coverage masks' images, each line a layer of its own as Qt inks it: Qt filled each of the
// thousands of lines' outlines over much of the view, a second a draw.
TEST(RadarChartRendererTest, AWebWiderThanTheViewReachesARasterImageAsMasks)
{
    const auto view = radarView({radarSet(QList<double>(100, 5.0))});
    view->setWebLineWidth(10000);
    view->setInnerWebLineWidth(10000);
    RecordingDevice device(300, 300, QPaintEngine::Raster);
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    rendererOf(*view).drawExtras(painter);
    painter.end();
    ASSERT_FALSE(device.drawn().empty());
    for (const Drawn& drawn : device.drawn()) {
        EXPECT_EQ(drawn.kind, Drawn::Kind::image);
    }
}

// A set with no point to draw (no entries, or values that are not numbers) beside a set of five
// draws nothing: no line from the view's corner to the centre, no elements.
TEST(RadarChartRendererTest, ASetWithoutPointsDrawsNothing)
{
    const QList<QList<double>> emptyValues = {{}, {notANumber, notANumber}};
    for (const QList<double>& values : emptyValues) {
        SCOPED_TRACE(values.size());
        auto empty = radarSet(values);
        empty->setColor(Qt::black);
        empty->setLineWidth(4);
        const auto view = radarView({radarSet({4, 4, 4, 4, 4}), empty});
        ASSERT_TRUE(std::isfinite(view->factor()));
        const QImage image = drawn(*view);
        EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));
        // The header, the five-entry set and its entries.
        EXPECT_EQ(rendererOf(*view).accessibleChartElements().size(), 7);
    }
}

// A value placed beyond where any text could reach into the chart (1e300 times the radius) is not
// formatted: the shortest digits of 1e308 took a tenth of a radar's draw of 7,000 entries.
TEST(RadarChartRendererTest, AValueBeyondAnyTextIsNotFormatted)
{
    struct Counting : ValueFormatter {
        mutable QList<double> values;
        QString stringForValue(double value, const ChartDataEntry*, qint64, const ViewPortHandler*) const override
        {
            values.append(value);
            return QStringLiteral("v");
        }
    };
    const auto formatter = std::make_shared<Counting>();
    auto set = radarSet({2, 1e308, 3, -1e300, 4});
    set->setValueFormatter(formatter);
    const auto view = radarView({set});
    view->yAxis()->setAxisMinimum(0);
    view->yAxis()->setAxisMaximum(10);
    view->notifyDataSetChanged();
    ImageInk::painted([&](QPainter& painter) { rendererOf(*view).drawValues(painter); });
    EXPECT_EQ(formatter->values, QList<double>({2, 3, 4}));
}

TEST(RadarChartRendererTest, ValueTextsStandCentredAboveTheirPoints)
{
    const struct {
        const char* name;
        double angle;
        bool beyondTheChart;  // the value's point 5 points right of the chart, its text reaching in
    } cases[] = {{"upright", 0.0, false}, {"turned", 90.0, false}, {"its point beyond the chart", 0.0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto set = radarSet({6});
        set->setValueLabelAngle(c.angle);
        set->setValueTextColor(Qt::black);
        const auto view = radarView({set});
        if (c.beyondTheChart) {
            // The one spoke points right, over an axis of 0..10.
            view->setRotationAngle(0);
            view->yAxis()->setAxisMinimum(0);
            view->yAxis()->setAxisMaximum(10);
            view->notifyDataSetChanged();
            set->entryForIndex(0)->setY((305 - view->centerOffsets().x()) / view->factor());
        }
        const double value = set->entryForIndex(0)->y();
        const QImage values = ImageInk::painted([&](QPainter& painter) {
            rendererOf(*view).drawValues(painter);
        });
        TextAttributes attributes;
        attributes.font = set->valueFont();
        attributes.color = Qt::black;
        const QPointF point = valuePoint(*view, value, 0);
        const QImage expected = ImageInk::painted([&](QPainter& painter) {
            drawAlignedText(painter, set->valueFormatter()->stringForValue(value, nullptr, 0, nullptr),
                            point - QPointF(0, 5 + fontLineHeight(attributes.font)),
                            TextAlignment::Center, QPointF(0.5, 0.5), c.angle * std::numbers::pi / 180,
                            attributes);
        });
        EXPECT_FALSE(ImageInk::inkBounds(expected).isEmpty());
        EXPECT_EQ(values, expected);
    }
}

// The highlight circle at spoke 1: a red disc with inner radius 0, a ring around a hole else.
TEST(RadarChartRendererTest, TheHighlightCircleIsARingOrADisc)
{
    struct Case {
        double innerRadius;
        QRgb atThePoint;
    };
    const Case cases[] = {{0, qRgb(255, 0, 0)}, {3, qRgb(255, 255, 255)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.innerRadius);
        auto set = radarSet({5, 5, 5});
        set->setColor(Qt::white);
        set->setDrawValuesEnabled(false);
        set->setDrawHighlightIndicators(false);
        set->setDrawHighlightCircleEnabled(true);
        set->setHighlightCircleFillColor(QColor(255, 0, 0));
        set->setHighlightCircleInnerRadius(c.innerRadius);
        set->setHighlightCircleOuterRadius(8);
        const auto view = radarView({set});
        view->setDrawWeb(false);
        view->highlightValue(std::make_shared<Highlight>(1, 5, 0, 0, 0, AxisDependency::left));
        const QImage image = drawn(*view);
        const QPointF point = valuePoint(*view, 5, 1);
        EXPECT_EQ(image.pixel(point.toPoint()), c.atThePoint);
        EXPECT_EQ(image.pixel((point + QPointF(5.5, 0)).toPoint()), qRgb(255, 0, 0));
        EXPECT_EQ(view->highlighted().first()->drawX(), point.x());
    }
}

TEST(RadarChartRendererTest, HighlightsThatNameNoEntryAreSkipped)
{
    auto set = radarSet({5, 5, 5});
    set->setDrawHighlightCircleEnabled(true);
    const auto view = radarView({set});
    struct Case {
        double x;
        qint64 dataSetIndex;
    };
    const Case cases[] = {{notANumber, 0}, {-1, 0}, {3, 0}, {1, 1}, {1, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " in set " << c.dataSetIndex);
        auto highlight = std::make_shared<Highlight>(c.x, 5, 0, 0, c.dataSetIndex, AxisDependency::left);
        const auto calls = recorded(
            [&](QPainter& painter) { rendererOf(*view).drawHighlighted(painter, {highlight}); });
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ(highlight->drawX(), 0.0);
    }
}

// The spokes' labels are taken again at every data drawing: a grown set has an element for
// each of its entries.
TEST(RadarChartRendererTest, ElementsFollowAGrownSet)
{
    const auto view = radarView({radarSet({1, 2})});
    drawn(*view);
    EXPECT_EQ(rendererOf(*view).accessibleChartElements().size(), 4);
    view->setData(std::make_shared<RadarChartData>(ChartDataSetList{radarSet({1, 2, 3, 4})}));
    drawn(*view);
    EXPECT_EQ(rendererOf(*view).accessibilityXLabels().size(), 4);
    EXPECT_EQ(rendererOf(*view).accessibleChartElements().size(), 6);
}
