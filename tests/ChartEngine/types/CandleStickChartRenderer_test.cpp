#include "ChartEngine/types/CandleStickChartRenderer.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/CandleStickChartView.h"

#include "XYChartFixture.h"
#include "support/ImageInk.h"
#include "support/QtPrinters.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <optional>

using namespace Charts;
using namespace XYChartFixture;

namespace {

// x, high, low, open, close of one candle.
struct Candle {
    double x;
    double high;
    double low;
    double open;
    double close;
};

const QColor green(0, 160, 0);
const QColor red(200, 0, 0);
const QColor blue(0, 0, 200);
const QColor grey(90, 90, 90);

std::shared_ptr<CandleChartDataSet> candleSet(const QList<Candle>& candles,
                                              const std::optional<QString>& label = QStringLiteral("A"))
{
    ChartDataEntryList entries;
    for (const Candle& c : candles) {
        entries << std::make_shared<CandleChartDataEntry>(c.x, c.high, c.low, c.open, c.close);
    }
    auto dataSet = std::make_shared<CandleChartDataSet>(entries, label);
    dataSet->setColor(green);
    dataSet->setDrawValuesEnabled(false);
    return dataSet;
}

std::unique_ptr<CandleStickChartView> candleView(const ChartDataSetList& dataSets)
{
    return fixtureView<CandleStickChartView>(std::make_shared<CandleChartData>(dataSets));
}

QLineF pixelLine(double x1, double y1, double x2, double y2)
{
    return QLineF(pixel(x1, y1), pixel(x2, y2));
}

QRectF pixelRect(double left, double top, double right, double bottom)
{
    return QRectF(pixel(left, top), pixel(right, bottom)).normalized();
}

// A line or a rectangle as drawn, with its pen colour, or its brush colour when it has no pen.
struct Shape {
    QLineF line;
    QRectF rect;
    QColor color;
    bool filled;

    friend bool operator==(const Shape&, const Shape&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Shape& s)
    {
        return os << (s.filled ? "fill " : "stroke ") << ::testing::PrintToString(s.line) << ' '
                  << ::testing::PrintToString(s.rect) << ' ' << s.color.name().toStdString();
    }
};

Shape line(QLineF l, QColor c)
{
    return {l, {}, c, false};
}

Shape rect(QRectF r, QColor c, bool filled)
{
    return {{}, r, c, filled};
}

// What the data pass draws, each stroke checked for the set's shadow width with butt caps and
// mitred joins.
std::vector<Shape> drawnShapes(CandleStickChartView& view, double width = 1.5)
{
    std::vector<Shape> shapes;
    for (const Drawn& d : recorded([&](QPainter& painter) { view.renderer()->drawData(painter); })) {
        const bool filled = d.pen.style() == Qt::NoPen;
        if (!filled) {
            EXPECT_EQ(d.pen.widthF(), width);
            EXPECT_EQ(d.pen.capStyle(), Qt::FlatCap);
            EXPECT_EQ(d.pen.joinStyle(), Qt::MiterJoin);
            EXPECT_EQ(d.pen.miterLimit(), 10);
        }
        const QColor color = filled ? d.brush.color() : d.pen.color();
        if (d.kind == Drawn::Kind::line) {
            shapes.push_back(line(d.line, color));
        } else {
            shapes.push_back(rect(d.rect, color, filled && d.brush.style() != Qt::NoBrush));
        }
    }
    return shapes;
}

}

TEST(CandleStickChartRendererTest, CandlesDrawTheirShadowAndBodyInTheDirectionsColour)
{
    struct Case {
        const char* name;
        Candle candle;
        std::function<void(CandleChartDataSet&)> style;
        std::vector<Shape> shapes;
    };
    const Case cases[] = {
        {"decreasing without colours: the set's colour, filled", {5, 9, 2, 8, 4}, [](CandleChartDataSet&) {},
         {line(pixelLine(5, 9, 5, 8), green), line(pixelLine(5, 2, 5, 4), green),
          rect(pixelRect(4.6, 8, 5.4, 4), green, true)}},
        {"decreasing not filled is stroked", {5, 9, 2, 8, 4},
         [](CandleChartDataSet& s) { s.setDecreasingFilled(false); s.setDecreasingColor(red); },
         {line(pixelLine(5, 9, 5, 8), green), line(pixelLine(5, 2, 5, 4), green),
          rect(pixelRect(4.6, 8, 5.4, 4), red, false)}},
        {"increasing: stroked unless filled", {5, 9, 2, 4, 8},
         [](CandleChartDataSet& s) { s.setIncreasingColor(blue); s.setShadowColor(grey); },
         {line(pixelLine(5, 9, 5, 8), grey), line(pixelLine(5, 2, 5, 4), grey),
          rect(pixelRect(4.6, 8, 5.4, 4), blue, false)}},
        {"increasing filled", {5, 9, 2, 4, 8}, [](CandleChartDataSet& s) { s.setIncreasingFilled(true); },
         {line(pixelLine(5, 9, 5, 8), green), line(pixelLine(5, 2, 5, 4), green),
          rect(pixelRect(4.6, 8, 5.4, 4), green, true)}},
        {"neutral: a stroked body of no height", {5, 9, 2, 6, 6},
         [](CandleChartDataSet& s) { s.setNeutralColor(blue); s.setDecreasingFilled(true); s.setIncreasingFilled(true); },
         {line(pixelLine(5, 9, 5, 6), green), line(pixelLine(5, 2, 5, 6), green),
          rect(pixelRect(4.6, 6, 5.4, 6), blue, false)}},
        {"the shadow in the candle's colour", {5, 9, 2, 8, 4},
         [](CandleChartDataSet& s) { s.setShadowColorSameAsCandle(true); s.setDecreasingColor(red); s.setShadowColor(grey); },
         {line(pixelLine(5, 9, 5, 8), red), line(pixelLine(5, 2, 5, 4), red), rect(pixelRect(4.6, 8, 5.4, 4), red, true)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dataSet = candleSet({c.candle});
        c.style(*dataSet);
        auto view = candleView({dataSet});
        EXPECT_EQ(drawnShapes(*view), c.shapes);
    }
}

TEST(CandleStickChartRendererTest, TicksRunFromTheRangeToTheOpenOnTheLeftAndTheCloseOnTheRight)
{
    struct Case {
        const char* name;
        Candle candle;
        double barSpace;
        QColor color;
    };
    const Case cases[] = {
        {"decreasing with bar space 0.1", {5, 9, 2, 8, 4}, 0.1, red},
        {"increasing with bar space 0.3", {5, 9, 2, 4, 8}, 0.3, blue},
        {"neutral", {5, 9, 2, 6, 6}, 0.1, grey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dataSet = candleSet({c.candle});
        dataSet->setShowCandleBar(false);
        dataSet->setBarSpace(c.barSpace);
        dataSet->setShadowWidth(2);
        dataSet->setDecreasingColor(red);
        dataSet->setIncreasingColor(blue);
        dataSet->setNeutralColor(grey);
        auto view = candleView({dataSet});
        const Candle& k = c.candle;
        const double s = c.barSpace;
        EXPECT_EQ(drawnShapes(*view, 2),
                  (std::vector<Shape>{line(pixelLine(5, k.high, 5, k.low), c.color),
                                      line(pixelLine(5 - 0.5 + s, k.open, 5, k.open), c.color),
                                      line(pixelLine(5 + 0.5 - s, k.close, 5, k.close), c.color)}));
    }
}

TEST(CandleStickChartRendererTest, EachCandleIsDescribedAfterTheHeader)
{
    struct Case {
        const char* name;
        ChartDataSetList dataSets;
        QStringList labels;
    };
    const Case cases[] = {
        {"one set: no prefix", {candleSet({{5, 9, 2, 8, 4}})},
         {QStringLiteral(" 5.0 - decreasing. low: 2.0, high: 9.0, opening: 8.0, closing: 4.0")}},
        {"two sets: the label, or \"Dataset\"", {candleSet({{5, 9, 2.5, 4, 8}}), candleSet({{5, 9, 2, 6, 6}}, std::nullopt)},
         {QStringLiteral("A 5.0 - increasing. low: 2.5, high: 9.0, opening: 4.0, closing: 8.0"),
          QStringLiteral("Dataset 5.0 - neutral. low: 2.0, high: 9.0, opening: 6.0, closing: 6.0")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto view = candleView(c.dataSets);
        recorded([&](QPainter& painter) { view->renderer()->drawData(painter); });
        const auto elements = view->renderer()->accessibleChartElements();
        ASSERT_EQ(elements.size(), c.labels.size() + 1);
        EXPECT_TRUE(elements.first()->isHeader());
        for (qsizetype k = 0; k < c.labels.size(); ++k) {
            EXPECT_EQ(elements.at(k + 1)->accessibilityLabel(), c.labels.at(k));
        }
    }
    // The frame: x + 0.5 - barSpace wide by 2 barSpace - 1, from the low to the high.
    auto view = candleView({candleSet({{5, 9, 2, 8, 4}})});
    view->chartAnimator()->setPhaseY(0.5);
    recorded([&](QPainter& painter) { view->renderer()->drawData(painter); });
    EXPECT_EQ(view->renderer()->accessibleChartElements().at(1)->accessibilityFrame(), pixelRect(4.6, 4.5, 5.4, 1));
}

TEST(CandleStickChartRendererTest, InsideAnotherChartTheCandlesAreDescribedWithoutHeader)
{
    auto other = fixtureView<OtherXYView>(std::make_shared<CandleChartData>(ChartDataSetList{candleSet({{5, 9, 2, 8, 4}, {6, 9, 2, 8, 4}})}));
    auto renderer = std::make_shared<CandleStickChartRenderer>(other.get(), other->chartAnimator(), other->viewPortHandler());
    other->setRenderer(renderer);
    recorded([&](QPainter& painter) { renderer->drawData(painter); });
    const auto elements = renderer->accessibleChartElements();
    ASSERT_EQ(elements.size(), 2);
    for (const auto& element : elements) {
        EXPECT_FALSE(element->isHeader());
        EXPECT_EQ(element->containerView(), other.get());
    }
}

TEST(CandleStickChartRendererTest, TheValueLabelStandsALineAndFivePointsAboveTheHigh)
{
    for (const double high : {9.0, 6.0}) {
        SCOPED_TRACE(high);
        auto dataSet = candleSet({{5, high, 2, 4, 3}});
        dataSet->setDrawValuesEnabled(true);
        dataSet->setValueTextColor(Qt::black);
        auto view = candleView({dataSet});
        const QImage image = painted([&](QPainter& painter) { view->renderer()->drawValues(painter); });
        const QFont font = dataSet->valueFont();
        const double top = pixel(5, high).y() - fontLineHeight(font) - 5;
        const QRect ink = ImageInk::inkBounds(image);
        EXPECT_NEAR(ink.bottom() + 1, top + QFontMetricsF(font).ascent(), 1.0);
        EXPECT_NEAR(ink.center().x(), pixel(5, high).x(), 1.0);
    }
}

TEST(CandleStickChartRendererTest, AHighlightCrossesTheMiddleOfTheRange)
{
    for (const double phaseY : {1.0, 0.5}) {
        SCOPED_TRACE(phaseY);
        auto dataSet = candleSet({{5, 9, 2, 8, 4}});
        dataSet->setHighlightColor(blue);
        auto view = candleView({dataSet});
        view->chartAnimator()->setPhaseY(phaseY);
        auto highlight = std::make_shared<Highlight>(5, 5.5, 0, -1);
        const auto drawn = recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {highlight}); });
        const QPointF point = pixel(5, 5.5 * phaseY);
        EXPECT_EQ(QPointF(highlight->drawX(), highlight->drawY()), point);
        ASSERT_EQ(drawn.size(), 2U);
        EXPECT_EQ(drawn[0].line, QLineF(point.x(), 15, point.x(), 140));
        EXPECT_EQ(drawn[1].line, QLineF(35, point.y(), 265, point.y()));
        EXPECT_EQ(drawn[0].pen.color(), blue);
    }
    auto view = candleView({candleSet({{5, 9, 2, 8, 4}})});
    for (const auto& highlight : HighlightList{nullptr, std::make_shared<Highlight>(5, 5, -1, -1),
                                               std::make_shared<Highlight>(5, 5, 1, -1)}) {
        EXPECT_TRUE(recorded([&](QPainter& painter) { view->renderer()->drawHighlighted(painter, {highlight}); }).empty());
    }
}
