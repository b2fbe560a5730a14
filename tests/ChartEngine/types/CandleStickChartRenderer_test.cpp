#include "ChartEngine/types/CandleStickChartRenderer.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/CandleStickChartView.h"

#include "XYChartFixture.h"
#include "support/QtPrinters.h"

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

QString text(QLineF l)
{
    return QStringLiteral("%1,%2 %3,%4").arg(l.x1()).arg(l.y1()).arg(l.x2()).arg(l.y2());
}

QString text(QRectF r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A stroked line, a stroked or a filled rectangle between two value points, in its colour.
QString line(double x1, double y1, double x2, double y2, const QColor& color)
{
    return QStringLiteral("line %1 %2").arg(text(QLineF(pixel(x1, y1), pixel(x2, y2))), color.name());
}

QString rect(double left, double top, double right, double bottom, const QColor& color, bool filled)
{
    return QStringLiteral("%1 %2 %3")
        .arg(filled ? "fill" : "stroke", text(QRectF(pixel(left, top), pixel(right, bottom)).normalized()),
             color.name());
}

// What the data pass draws; every stroke is the set's shadow width wide with butt caps and
// mitred joins.
QStringList drawnShapes(CandleStickChartView& view)
{
    QStringList shapes;
    for (const Drawn& d : recorded([&](QPainter& painter) { view.renderer()->drawData(painter); })) {
        if (d.pen.style() != Qt::NoPen) {
            EXPECT_EQ(d.pen.widthF(), 1.5);
            EXPECT_EQ(d.pen.capStyle(), Qt::FlatCap);
            EXPECT_EQ(d.pen.joinStyle(), Qt::MiterJoin);
            EXPECT_EQ(d.pen.miterLimit(), 10);
        }
        if (d.kind == Drawn::Kind::line) {
            shapes << QStringLiteral("line %1 %2").arg(text(d.line), d.pen.color().name());
        } else {
            const bool filled = d.pen.style() == Qt::NoPen;
            shapes << QStringLiteral("%1 %2 %3")
                          .arg(filled ? "fill" : "stroke", text(d.rect),
                               (filled ? d.brush.color() : d.pen.color()).name());
        }
    }
    return shapes;
}

}

TEST(CandleStickChartRendererTest, CandlesAndTicksAreDrawnInTheirDirectionsColour)
{
    struct Case {
        const char* name;
        Candle candle;
        std::function<void(CandleChartDataSet&)> style;
        QStringList shapes;
    };
    const Case cases[] = {
        {"decreasing without colours: the set's colour, filled", {5, 9, 2, 8, 4}, [](CandleChartDataSet&) {},
         {line(5, 9, 5, 8, green), line(5, 2, 5, 4, green),
          rect(4.6, 8, 5.4, 4, green, true)}},
        {"decreasing not filled is stroked", {5, 9, 2, 8, 4},
         [](CandleChartDataSet& s) { s.setDecreasingFilled(false); s.setDecreasingColor(red); },
         {line(5, 9, 5, 8, green), line(5, 2, 5, 4, green),
          rect(4.6, 8, 5.4, 4, red, false)}},
        {"increasing: stroked unless filled", {5, 9, 2, 4, 8},
         [](CandleChartDataSet& s) { s.setIncreasingColor(blue); s.setShadowColor(grey); },
         {line(5, 9, 5, 8, grey), line(5, 2, 5, 4, grey),
          rect(4.6, 8, 5.4, 4, blue, false)}},
        {"increasing filled", {5, 9, 2, 4, 8}, [](CandleChartDataSet& s) { s.setIncreasingFilled(true); },
         {line(5, 9, 5, 8, green), line(5, 2, 5, 4, green),
          rect(4.6, 8, 5.4, 4, green, true)}},
        {"neutral: a stroked body of no height", {5, 9, 2, 6, 6},
         [](CandleChartDataSet& s) { s.setNeutralColor(blue); s.setDecreasingFilled(true); s.setIncreasingFilled(true); },
         {line(5, 9, 5, 6, green), line(5, 2, 5, 6, green),
          rect(4.6, 6, 5.4, 6, blue, false)}},
        {"the shadow in the candle's colour", {5, 9, 2, 8, 4},
         [](CandleChartDataSet& s) { s.setShadowColorSameAsCandle(true); s.setDecreasingColor(red); s.setShadowColor(grey); },
         {line(5, 9, 5, 8, red), line(5, 2, 5, 4, red), rect(4.6, 8, 5.4, 4, red, true)}},
        {"ticks with bar space 0.1: open to the left, close to the right", {5, 9, 2, 8, 4},
         [](CandleChartDataSet& s) { s.setShowCandleBar(false); s.setDecreasingColor(red); },
         {line(5, 9, 5, 2, red), line(4.6, 8, 5, 8, red), line(5.4, 4, 5, 4, red)}},
        {"neutral ticks with bar space 0.3", {5, 9, 2, 6, 6},
         [](CandleChartDataSet& s) { s.setShowCandleBar(false); s.setBarSpace(0.3); },
         {line(5, 9, 5, 2, green), line(4.8, 6, 5, 6, green), line(5.2, 6, 5, 6, green)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dataSet = candleSet({c.candle});
        c.style(*dataSet);
        auto view = candleView({dataSet});
        EXPECT_EQ(drawnShapes(*view), c.shapes);
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
         {QStringLiteral(" 5 - decreasing. low: 2.00, high: 9.00, opening: 8.00, closing: 4.00")}},
        {"two sets: the label, or \"Dataset\"", {candleSet({{5, 9, 2.5, 4, 8}}), candleSet({{5, 9, 2, 6, 6}}, std::nullopt)},
         {QStringLiteral("A 5 - increasing. low: 2.50, high: 9.00, opening: 4.00, closing: 8.00"),
          QStringLiteral("Dataset 5 - neutral. low: 2.00, high: 9.00, opening: 6.00, closing: 6.00")}},
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
    EXPECT_EQ(view->renderer()->accessibleChartElements().at(1)->accessibilityFrame(),
              QRectF(pixel(4.6, 4.5), pixel(5.4, 1)).normalized());
}
