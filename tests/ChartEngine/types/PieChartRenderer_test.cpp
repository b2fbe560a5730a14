#include "ChartEngine/components/Description.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/types/PieChartRenderer.h"

#include "PieTestChart.h"
#include "RecordingPaintDevice.h"
#include "support/ImageInk.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>

using namespace Charts;
using namespace PieTesting;

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor white(255, 255, 255);

QImage imageOf(PieChartView& view)
{
    return view.getChartImage(false).value_or(QImage());
}

QColor pixel(const QImage& image, QPointF point)
{
    return image.pixelColor(point.toPoint());
}

QStringList labels(const PieChartView& view)
{
    QStringList result;
    for (const auto& element : view.renderer()->accessibleChartElements()) {
        result << element->accessibilityLabel();
    }
    return result;
}

// Red and blue slices in a pie of radius 82 at (100, 100), without a hole unless asked.
using Style = std::function<void(PieChartView&, PieChartDataSet&)>;
std::unique_ptr<PieChartView> coloured(const QList<double>& values, const Style& style = {},
                                       const QRect& frame = QRect(0, 0, 200, 200))
{
    return pieView(values, frame, [&](PieChartView& view, PieChartDataSet& dataSet) {
        dataSet.setColors({red, blue});
        view.setDrawHoleEnabled(false);
        if (style) {
            style(view, dataSet);
        }
    });
}

// Writes one fixed text for every value and keeps the values it was given.
class FixedFormatter : public ValueFormatter {
public:
    explicit FixedFormatter(QString text)
        : m_text(std::move(text))
    {
    }
    QString stringForValue(double value, const ChartDataEntry*, qint64, const ViewPortHandler*) const override
    {
        values << value;
        return m_text;
    }
    mutable QList<double> values;

private:
    QString m_text;
};

// A pie of radius 100 at the view's centre whose only ink is its value texts (a full block,
// whose ink is its line box) and value lines, drawn black.
std::unique_ptr<PieChartView> inked(const QList<double>& values, const Style& style,
                                    const QRect& frame = QRect(0, 0, 200, 200))
{
    return pieView(values, frame, [&](PieChartView& view, PieChartDataSet& dataSet) {
        dataSet.setSelectionShift(0);
        dataSet.setColor(white);
        dataSet.setValueTextColor(Qt::black);
        dataSet.setValueFont(systemFont(20));
        dataSet.setValueFormatter(std::make_shared<FixedFormatter>(QStringLiteral("\u2588")));
        view.setTransparentCircleColor(std::nullopt);
        view.setDrawEntryLabelsEnabled(false);
        style(view, dataSet);
    });
}

QPointF inkCenter(const QImage& image)
{
    return QRectF(ImageInk::inkBounds(image)).center();
}

}

TEST(PieChartRendererTest, GapsOnlyBetweenVisibleSlices)
{
    struct Case {
        const char* name;
        QList<double> values;
        QColor top;
        qsizetype elements;
    } cases[] = {
        {"one visible slice has no gap", {0, 5}, blue, 2},
        {"two slices have gaps", {1, 1}, white, 3},
    };
    for (const Case& c : cases) {
        const auto view = coloured(c.values, [](PieChartView&, PieChartDataSet& dataSet) { dataSet.setSliceSpace(10); });
        const QImage image = imageOf(*view);
        EXPECT_EQ(pixel(image, along({100, 100}, 60, 270)), c.top) << c.name;
        EXPECT_EQ(view->renderer()->accessibleChartElements().size(), c.elements) << c.name;
    }
}

// Content 200 x 100: a space of 10 is 0.1 of its smaller side.
TEST(PieChartRendererTest, SliceSpaceIsDroppedWhenTheSmallestSliceIsTooThin)
{
    struct Case {
        QList<double> values;
        bool automatic;
        double space;
    } cases[] = {{{1, 29}, true, 0}, {{2, 28}, true, 10}, {{1, 29}, false, 10}};
    for (const Case& c : cases) {
        const auto view = coloured(
            c.values,
            [&](PieChartView&, PieChartDataSet& dataSet) {
                dataSet.setSliceSpace(10);
                dataSet.setAutomaticallyDisableSliceSpacing(c.automatic);
            },
            QRect(0, 0, 200, 100));
        const auto* renderer = dynamic_cast<PieChartRenderer*>(view->renderer().get());
        const auto dataSet = std::dynamic_pointer_cast<PieChartDataSetProtocol>(view->data()->dataSets().first());
        EXPECT_EQ(renderer->getSliceSpace(*dataSet), c.space) << c.values.first();
    }
}

// Radius 32 at (100, 50); the highlighted slice of 348 degrees reaches 50 and keeps a gap of
// 5.73 degrees before the top.
TEST(PieChartRendererTest, AHighlightedSliceKeepsTheRawSpacing)
{
    const auto view = coloured(
        {1, 29},
        [](PieChartView&, PieChartDataSet& dataSet) {
            dataSet.setSliceSpace(10);
            dataSet.setAutomaticallyDisableSliceSpacing(true);
        },
        QRect(0, 0, 200, 100));
    view->highlightValue(std::make_shared<Highlight>(1, 29, 0, -1));
    const QImage image = imageOf(*view);
    EXPECT_EQ(pixel(image, along({100, 50}, 45, 267)), white);
    EXPECT_EQ(pixel(image, along({100, 50}, 45, 250)), blue);
}

TEST(PieChartRendererTest, SlicesOverHalfTheCircleCloseAtTheCentre)
{
    const auto view = coloured({1, 3}, [](PieChartView&, PieChartDataSet& dataSet) { dataSet.setSliceSpace(20); });
    const QImage image = imageOf(*view);
    EXPECT_EQ(pixel(image, along({100, 100}, 6, 135)), blue);
    EXPECT_EQ(pixel(image, along({100, 100}, 6, 315)), white);
}

TEST(PieChartRendererTest, TheRingShowsOnlyBeyondTheHole)
{
    const QColor black(0, 0, 0);
    const QList<std::pair<double, QColor>> cases = {{0.55, black}, {0.5, red}};
    for (const auto& [ring, expected] : cases) {
        const auto view = coloured({1}, [&](PieChartView& pie, PieChartDataSet&) {
            pie.setDrawHoleEnabled(true);
            pie.setTransparentCircleColor(black);
            pie.setTransparentCircleRadiusPercent(ring);
        });
        const QImage image = imageOf(*view);
        EXPECT_EQ(pixel(image, along({100, 100}, 43, 45)), expected) << ring;
        EXPECT_EQ(pixel(image, along({100, 100}, 30, 45)), white) << ring;
    }
}

TEST(PieChartRendererTest, TheHeaderNamesTheChartAndCountsItsSlices)
{
    struct Case {
        const char* name;
        QList<double> values;
        std::optional<QString> description, label, centerText;
        QString header;
    } cases[] = {
        {"three entries", {1, 2, 3}, {}, {}, {}, "Pie Chart. 3 Elements"},
        {"one entry", {5}, {}, {}, {}, "Pie Chart. 1 Element"},
        {"the centre text", {5}, {}, {}, "Total", "Total. 1 Element"},
        {"the set's label", {5}, {}, "Readings", "Total", "Readings. 1 Element"},
        {"an empty description", {5}, "", "Readings", "Total", ". 1 Element"},
    };
    for (const Case& c : cases) {
        const auto view = coloured(c.values, [&](PieChartView& pie, PieChartDataSet& dataSet) {
            dataSet.setLabel(c.label);
            pie.chartDescription()->setText(c.description);
            pie.setCenterText(c.centerText);
        });
        imageOf(*view);
        EXPECT_EQ(labels(*view).first(), c.header) << c.name;
    }
}

TEST(PieChartRendererTest, SliceElementsNameTheirSliceAndValue)
{
    const auto view = coloured({1, 2, 3});
    view->data()->setAccessibilityEntryLabelPrefix(QStringLiteral("Slice"));
    view->data()->setAccessibilityEntryLabelSuffix(QStringLiteral("litre"));
    view->data()->setAccessibilityEntryLabelSuffixIsCount(true);
    imageOf(*view);
    EXPECT_EQ(labels(*view).mid(1), QStringList({"Slice1 : 1.00 litre (16.7 %)", "Slice2 : 2.00 litres (33.3 %)",
                                               "Slice3 : 3.00 litres (50 %)"}));
}

// A drawing writes no slice's text for a reader: the slices are described at the first read of
// the elements after a drawing, once (D draws, R reads, H highlights the second slice).
TEST(PieChartRendererTest, SlicesAreDescribedAtTheFirstReadAfterADrawing)
{
    const std::pair<const char*, qsizetype> cases[] = {
        {"D", 0}, {"HD", 0}, {"DR", 3}, {"HDR", 3}, {"DRR", 3}, {"DRDR", 6}, {"DDR", 3},
    };
    for (const auto& [steps, formatted] : cases) {
        SCOPED_TRACE(steps);
        const auto formatter = std::make_shared<FixedFormatter>(QStringLiteral("v"));
        const auto view = coloured({1, 2, 3}, [&](PieChartView& pie, PieChartDataSet& dataSet) {
            pie.setDrawEntryLabelsEnabled(false);
            dataSet.setDrawValuesEnabled(false);
            dataSet.setValueFormatter(formatter);
        });
        for (const char* step = steps; *step; ++step) {
            if (*step == 'D') {
                imageOf(*view);
            } else if (*step == 'R') {
                EXPECT_EQ(labels(*view).size(), 4);
            } else {
                view->highlightValue(std::make_shared<Highlight>(1, 2, 0, -1));
            }
        }
        EXPECT_EQ(formatter->values.size(), formatted);
    }
}

// Slices keep their paths from one drawing to the next only while nothing they are made of
// changes: a pie drawn, changed and drawn again looks as one first drawn after the change.
TEST(PieChartRendererTest, APieDrawnAgainAfterAChangeLooksAsANewOne)
{
    const std::pair<const char*, Style> changes[] = {
        {"a wider view", [](PieChartView& view, PieChartDataSet&) { view.setFrame(QRect(0, 0, 260, 200)); }},
        {"a smaller view", [](PieChartView& view, PieChartDataSet&) { view.setFrame(QRect(0, 0, 150, 150)); }},
        {"a rotation", [](PieChartView& view, PieChartDataSet&) { view.setRotationAngle(40); }},
        {"half grown", [](PieChartView& view, PieChartDataSet&) { view.chartAnimator()->setPhaseY(0.5); }},
        {"a hole", [](PieChartView& view, PieChartDataSet&) { view.setDrawHoleEnabled(true); }},
        {"slice space", [](PieChartView&, PieChartDataSet& dataSet) { dataSet.setSliceSpace(8); }},
        {"a value of 0", [](PieChartView&, PieChartDataSet& dataSet) { dataSet.entryForIndex(1)->setY(0); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        const auto redrawn = coloured({1, 2, 3});
        imageOf(*redrawn);
        change(*redrawn, dynamic_cast<PieChartDataSet&>(*redrawn->data()->dataSets().first()));
        redrawn->notifyDataSetChanged();
        EXPECT_EQ(imageOf(*redrawn), imageOf(*coloured({1, 2, 3}, change)));
    }
}

// Slices of 90, 90 and 180 degrees; the third, highlighted in half-transparent black, is drawn
// out to 82 + 18 in place of its normal slice.
TEST(PieChartRendererTest, AHighlightedSliceIsPushedOutInPlaceOfItsSlice)
{
    const auto view = coloured({1, 1, 2}, [](PieChartView&, PieChartDataSet& dataSet) {
        dataSet.setHighlightColor(QColor(0, 0, 0, 128));
    });
    view->highlightValue(std::make_shared<Highlight>(2, 2, 0, -1));
    const QImage image = imageOf(*view);
    const QColor shifted = pixel(image, along({100, 100}, 95, 200));
    EXPECT_EQ(shifted.red(), shifted.blue());
    EXPECT_EQ(pixel(image, along({100, 100}, 60, 200)), shifted);
    EXPECT_EQ(pixel(image, along({100, 100}, 102, 200)), white);
    const auto elements = view->renderer()->accessibleChartElements();
    ASSERT_EQ(elements.size(), 4);
    EXPECT_TRUE(elements.at(0)->isHeader());
    EXPECT_TRUE(elements.at(1)->isSelected());
    EXPECT_NEAR(elements.at(1)->accessibilityFrame().left(), 0, 0.5);
}

// A selection shift is held to the pie's radius (100 here) outwards and inwards, and what is filled
// of a slice lies within the view: a shift of -2,000,000 made slices two million points across.
TEST(PieChartRendererTest, SlicesAreHeldToTheRadiusAndFilledOnlyWithinTheView)
{
    const struct {
        double shift;
        bool highlighted;
        double radius;
    } cases[] = {{-2e6, false, 200}, {-2e6, true, 200}, {2e6, true, 0}};
    for (const auto& c : cases) {
        const auto view = coloured({1, 1, 2}, [&](PieChartView&, PieChartDataSet& dataSet) {
            dataSet.setSelectionShift(c.shift);
        });
        if (c.highlighted) {
            view->highlightValue(std::make_shared<Highlight>(2, 2, 0, -1));
        }
        RecordingDevice device(200, 200);
        QPainter painter(&device);
        view->drawChart(painter);
        painter.end();
        EXPECT_EQ(view->radius(), c.radius) << c.shift;
        for (const Drawn& drawn : device.drawn()) {
            if (drawn.brush.color() == red || drawn.brush.color() == blue) {
                // The view widened by a point for the antialiasing, and by the cut's rounding.
                EXPECT_TRUE(QRectF(-2, -2, 204, 204).contains(drawn.path.boundingRect()))
                    << c.shift << " " << testing::PrintToString(drawn.path.boundingRect());
            }
        }
    }
}

TEST(PieChartRendererTest, HighlightsNamingNoSliceDrawNothing)
{
    const auto plain = coloured({1, 1, 2});
    const QImage expected = imageOf(*plain);
    const QList<Highlight> highlights = {{std::numeric_limits<double>::quiet_NaN(), 1, 0, -1},
                                         {-1, 1, 0, -1},
                                         {3, 1, 0, -1},
                                         {0, 1, 1, -1}};
    for (const Highlight& highlight : highlights) {
        const auto view = coloured({1, 1, 2});
        view->setHighlighted({std::make_shared<Highlight>(highlight)});
        EXPECT_EQ(imageOf(*view), expected) << highlight.description().toStdString();
    }
}

// --- Values ---------------------------------------------------------------------------------------

// One slice of 360 degrees: its middle points straight down from (100, 100).
TEST(PieChartRendererTest, InsideValuesStandOnTheRingsMiddle)
{
    const QSizeF block = textSize(QStringLiteral("\u2588"), {systemFont(20), Qt::black, TextAlignment::Left});
    struct Case {
        const char* name;
        bool hole;
        double angle;
        QPointF center;
    } cases[] = {
        {"with a hole", true, 0, {100, 175}},
        {"without a hole", false, 0, {100, 170}},
        // Rotated, the text's centre goes to the point its corner would take.
        {"rotated", true, 90, {100 - 0.5 * block.width(), 175 - 0.5 * block.height()}},
    };
    for (const Case& c : cases) {
        const auto view = inked({1}, [&](PieChartView& pie, PieChartDataSet& dataSet) {
            pie.setDrawHoleEnabled(c.hole);
            dataSet.setValueLabelAngle(c.angle);
        });
        const QPointF center = inkCenter(imageOf(*view));
        EXPECT_NEAR(center.x(), c.center.x(), 1.0) << c.name;
        EXPECT_NEAR(center.y(), c.center.y(), 1.0) << c.name;
    }
}

// A value and a label of one text in two fonts are each centred by their width in their own font,
// in every drawing (a width is kept per font and text).
TEST(PieChartRendererTest, ATextIsCentredByItsWidthInItsOwnFont)
{
    const auto view = inked({1}, [](PieChartView& pie, PieChartDataSet& dataSet) {
        pie.setDrawEntryLabelsEnabled(true);
        dataSet.setEntryLabelFont(systemFont(40));
        dataSet.setEntryLabelColor(Qt::black);
        std::dynamic_pointer_cast<PieChartDataEntry>(dataSet.entryForIndex(0))->setLabel(QStringLiteral("\u2588"));
    });
    for (const char* drawing : {"first", "second"}) {
        EXPECT_NEAR(inkCenter(imageOf(*view)).x(), 100, 1.0) << drawing;
    }
}

// A view 400 wide: the pie of radius 100 at (200, 100). Outside values hang beside the end of
// their value line: left of it on the left half, right of it on the right half.
TEST(PieChartRendererTest, OutsideValuesFollowTheirValueLine)
{
    struct Case {
        const char* name;
        double rotation;
        bool variable;
        double textLeft, textRight;
    } cases[] = {
        {"left, no horizontal segment", 0, true, -1, 200 - 97.5 - 5},
        {"left, fixed horizontal segment", 0, false, -1, 200 - 97.5 - 30 - 5},
        {"right", 180, true, 200 + 97.5 + 5, -1},
    };
    for (const Case& c : cases) {
        const auto view = inked(
            {1},
            [&](PieChartView& pie, PieChartDataSet& dataSet) {
                pie.setRotationAngle(c.rotation);
                dataSet.setYValuePosition(PieChartValuePosition::outsideSlice);
                dataSet.setValueLineColor(QColor(250, 250, 250));
                dataSet.setValueLineVariableLength(c.variable);
            },
            QRect(0, 0, 400, 200));
        const QRect ink = ImageInk::inkBounds(imageOf(*view));
        if (c.textLeft >= 0) {
            EXPECT_NEAR(ink.left(), c.textLeft, 1.0) << c.name;
        } else {
            EXPECT_NEAR(ink.right() + 1, c.textRight, 1.0) << c.name;
        }
    }
}

// A value line whose bend or end lies at no place (an endless or undefined part length) is left
// out with its texts; a wide pen to such a point kept the stroker busy for minutes.
TEST(PieChartRendererTest, AValueLineToNoPlaceIsLeftOutWithItsTexts)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QList<std::pair<double, double>> cases = {{inf, 0.4}, {0.3, nan}, {0.3, inf}, {nan, 0.4}};
    for (const auto& [part1, part2] : cases) {
        const auto view = inked({1}, [&](PieChartView&, PieChartDataSet& dataSet) {
            dataSet.setYValuePosition(PieChartValuePosition::outsideSlice);
            dataSet.setValueLineColor(QColor(0, 0, 0));
            dataSet.setValueLineWidth(10000);
            dataSet.setValueLineVariableLength(false);
            dataSet.setValueLinePart1Length(part1);
            dataSet.setValueLinePart2Length(part2);
        });
        EXPECT_TRUE(ImageInk::inkBounds(imageOf(*view)).isEmpty()) << part1 << " " << part2;
    }
}

// The line starts halfway across the ring from the hole's edge at a part-1 offset of 0.75.
TEST(PieChartRendererTest, ValueLinesStartAtTheirOffset)
{
    const QList<std::pair<bool, double>> cases = {{true, 87.5}, {false, 75}};
    for (const auto& [hole, start] : cases) {
        const auto view = inked({1}, [&](PieChartView& pie, PieChartDataSet& dataSet) {
            pie.setDrawHoleEnabled(hole);
            dataSet.setYValuePosition(PieChartValuePosition::outsideSlice);
            dataSet.setValueTextColor(white);
            dataSet.setValueLineWidth(2);
            dataSet.setValueLineColor(QColor(0, 0, 0));
        });
        const QRect ink = ImageInk::inkBounds(imageOf(*view));
        EXPECT_NEAR(ink.top(), 100 + start, 1.0) << hole;
    }
}

// Slices of 10 (or 10.5) and the rest: at a threshold of 10 the first loses its text and keeps
// its 6 x 6 icon.
TEST(PieChartRendererTest, ThinSlicesKeepOnlyTheirIcon)
{
    QImage icon(6, 6, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::black);
    const auto chartIcon = std::make_shared<ChartImage>(icon);
    struct Case {
        double first;
        int leastInk, mostInk;
    } cases[] = {{10, 6, 7}, {10.5, 11, 20}};
    for (const auto& [first, leastInk, mostInk] : cases) {
        const auto view = inked({first, 360 - first}, [&](PieChartView& pie, PieChartDataSet& dataSet) {
            pie.setSliceTextDrawingThreshold(10);
            dataSet.setValueColors({Qt::black, white});
            dataSet.setDrawIconsEnabled(true);
            dataSet.entryForIndex(0)->setIcon(chartIcon);
        });
        const int inkWidth = ImageInk::inkBounds(imageOf(*view)).width();
        EXPECT_GE(inkWidth, leastInk) << first;
        EXPECT_LE(inkWidth, mostInk) << first;
    }
}

TEST(PieChartRendererTest, PercentValuesShareTheSum)
{
    auto formatter = std::make_shared<FixedFormatter>(QStringLiteral("x"));
    const auto view = inked({1, 3}, [&](PieChartView& pie, PieChartDataSet& dataSet) {
        pie.setUsePercentValuesEnabled(true);
        dataSet.setValueFormatter(formatter);
    });
    formatter->values.clear();
    QImage canvas = ImageInk::whiteCanvas();
    QPainter painter(&canvas);
    view->renderer()->drawValues(painter);
    EXPECT_EQ(formatter->values, QList<double>({25, 75}));
}

// Without a value-line colour the value stage ends; slices, hole and centre text stay.
TEST(PieChartRendererTest, AValueLineWithoutColourEndsOnlyTheValues)
{
    const auto view = coloured({1, 1}, [](PieChartView& pie, PieChartDataSet& dataSet) {
        pie.setDrawHoleEnabled(true);
        pie.setHoleColor(QColor(0, 255, 0));
        pie.setCenterText(QStringLiteral("\u2588"));
        dataSet.setYValuePosition(PieChartValuePosition::outsideSlice);
        dataSet.setValueLineColor(std::nullopt);
        dataSet.setValueTextColor(Qt::black);
    });
    const QImage image = imageOf(*view);
    EXPECT_EQ(pixel(image, along({100, 100}, 60, 315)), red);
    EXPECT_EQ(pixel(image, along({100, 100}, 30, 315)), QColor(0, 255, 0));
    EXPECT_LT(pixel(image, QPointF(100, 100)).lightness(), 60);
    // Where the right slice's value would hang.
    EXPECT_TRUE(ImageInk::inkBounds(image.copy(183, 80, 17, 40)).isEmpty());
}

namespace {

// A set that counts the reads of its entries.
class CountingPieSet : public PieChartDataSet {
public:
    using PieChartDataSet::PieChartDataSet;
    std::shared_ptr<ChartDataEntry> entryForIndex(qint64 index) const override
    {
        ++reads;
        return PieChartDataSet::entryForIndex(index);
    }
    mutable qint64 reads = 0;
};

}

// With percent values, the slices' sum is taken once a draw, not once a slice: a draw reads each
// of 400 entries a few times, not 400 times.
TEST(PieChartRendererTest, PercentValuesSumTheSlicesOnceADraw)
{
    ChartDataEntryList entries;
    for (int i = 0; i < 400; ++i) {
        entries.append(std::make_shared<PieChartDataEntry>(1.0 + i % 3));
    }
    const auto dataSet = std::make_shared<CountingPieSet>(entries);
    PieChartView view(QRect(0, 0, 300, 300));
    view.legend()->setEnabled(false);
    view.setUsePercentValuesEnabled(true);
    view.setData(std::make_shared<PieChartData>(ChartDataSetList{dataSet}));
    view.highlightValue(3, 0, 0);
    dataSet->reads = 0;
    imageOf(view);
    EXPECT_GT(dataSet->reads, 400);
    EXPECT_LT(dataSet->reads, 20 * 400);
}
