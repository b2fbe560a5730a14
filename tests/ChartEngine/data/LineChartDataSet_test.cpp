#include "ChartEngine/data/DefaultFillFormatter.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ColorFill.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace Charts::Testing;

namespace {

const QColor defaultColor(140, 234, 255);
const QColor colorA(10, 20, 30);
const QColor colorB(40, 50, 60);

}

TEST(LineChartDataSet, InitialValues)
{
    for (const auto& set : {std::make_shared<LineChartDataSet>(),
                            std::make_shared<LineChartDataSet>(QStringLiteral("PEF")),
                            std::make_shared<LineChartDataSet>(entries({{1, 2}}), QStringLiteral("PEF"))}) {
        EXPECT_EQ(set->colors(), QList<QColor>{defaultColor});
        EXPECT_EQ(set->circleColors(), QList<QColor>{defaultColor});
        EXPECT_EQ(set->mode(), LineChartDataSet::Mode::linear);
        EXPECT_EQ(set->cubicIntensity(), 0.2);
        EXPECT_FALSE(set->isDrawLineWithGradientEnabled());
        EXPECT_FALSE(set->gradientPositions().has_value());
        EXPECT_EQ(set->circleRadius(), 8.0);
        EXPECT_EQ(set->circleHoleRadius(), 4.0);
        EXPECT_EQ(set->circleHoleColor(), ChartColors::white());
        EXPECT_TRUE(set->isDrawCirclesEnabled());
        EXPECT_TRUE(set->isDrawCircleHoleEnabled());
        EXPECT_EQ(set->lineDashPhase(), 0.0);
        EXPECT_FALSE(set->lineDashLengths().has_value());
        EXPECT_EQ(set->lineCapType(), Qt::FlatCap);
        EXPECT_NE(std::dynamic_pointer_cast<DefaultFillFormatter>(set->fillFormatter()), nullptr);
        // Line and radar stem
        EXPECT_EQ(set->lineWidth(), 1.0);
        EXPECT_EQ(set->fillAlpha(), 0.33);
        EXPECT_EQ(set->fillColor(), defaultColor);
        EXPECT_EQ(set->fill(), nullptr);
        EXPECT_FALSE(set->isDrawFilledEnabled());
        EXPECT_TRUE(set->isHorizontalHighlightIndicatorEnabled());
        EXPECT_TRUE(set->isVerticalHighlightIndicatorEnabled());
        // x-y stem
        EXPECT_EQ(set->highlightColor(), QColor(255, 187, 115));
        EXPECT_EQ(set->highlightLineWidth(), 0.5);
        EXPECT_EQ(set->highlightLineDashPhase(), 0.0);
        EXPECT_FALSE(set->highlightLineDashLengths().has_value());
    }
    // Every set has a formatter of its own.
    EXPECT_NE(LineChartDataSet().fillFormatter(), LineChartDataSet().fillFormatter());
}

TEST(LineChartDataSet, LineWidthIsClampedToZeroToTen)
{
    LineChartDataSet set;
    set.setLineWidth(12);
    EXPECT_EQ(set.lineWidth(), 10.0);
    set.setLineWidth(-1);
    EXPECT_EQ(set.lineWidth(), 0.0);
    set.setLineWidth(2);
    EXPECT_EQ(set.lineWidth(), 2.0);
    set.setLineWidth(10);
    EXPECT_EQ(set.lineWidth(), 10.0);
}

TEST(LineChartDataSet, CubicIntensityIsClamped)
{
    LineChartDataSet set;
    set.setCubicIntensity(0.01);
    EXPECT_EQ(set.cubicIntensity(), 0.05);
    set.setCubicIntensity(3);
    EXPECT_EQ(set.cubicIntensity(), 1.0);
    set.setCubicIntensity(0.5);
    EXPECT_EQ(set.cubicIntensity(), 0.5);
}

TEST(LineChartDataSet, SettingTheFillColourRemovesTheFill)
{
    LineChartDataSet set;
    const std::shared_ptr<Fill> fill = std::make_shared<ColorFill>(QColor(1, 2, 3));
    set.setFill(fill);
    EXPECT_EQ(set.fill(), fill);
    set.setFillColor(colorA);
    EXPECT_EQ(set.fill(), nullptr);
    EXPECT_EQ(set.fillColor(), colorA);
}

TEST(LineChartDataSet, NoFillFormatterInstallsANewDefaultOne)
{
    LineChartDataSet set;
    const auto before = set.fillFormatter();
    set.setFillFormatter(nullptr);
    EXPECT_NE(set.fillFormatter(), nullptr);
    EXPECT_NE(set.fillFormatter(), before);
    EXPECT_NE(std::dynamic_pointer_cast<DefaultFillFormatter>(set.fillFormatter()), nullptr);
}

TEST(LineChartDataSet, CircleColours)
{
    LineChartDataSet set;
    set.setCircleColors({colorA, colorB});
    EXPECT_EQ(set.getCircleColorAtIndex(0), colorA);
    EXPECT_EQ(set.getCircleColorAtIndex(1), colorB);
    EXPECT_EQ(set.getCircleColorAtIndex(4), colorA);
    // A negative index counts as 0, as for the set's colours.
    EXPECT_EQ(set.getCircleColorAtIndex(-3), colorA);
    set.resetCircleColors(5);
    EXPECT_TRUE(set.circleColors().isEmpty());
    // An empty list answers the default colour.
    EXPECT_EQ(set.getCircleColorAtIndex(2), defaultColor);
    set.setCircleColor(colorB);
    EXPECT_EQ(set.circleColors(), QList<QColor>{colorB});
}

TEST(LineChartDataSet, HighlightIndicatorsTogether)
{
    LineChartDataSet set;
    set.setDrawHighlightIndicators(false);
    EXPECT_FALSE(set.isHorizontalHighlightIndicatorEnabled());
    EXPECT_FALSE(set.isVerticalHighlightIndicatorEnabled());
    set.setDrawVerticalHighlightIndicatorEnabled(true);
    EXPECT_TRUE(set.isVerticalHighlightIndicatorEnabled());
}

TEST(LineChartDataSet, ModesFromRawValues)
{
    EXPECT_EQ(lineChartDataSetModeFromRaw(1), LineChartDataSet::Mode::stepped);
    EXPECT_EQ(lineChartDataSetModeFromRaw(3), LineChartDataSet::Mode::horizontalBezier);
    EXPECT_FALSE(lineChartDataSetModeFromRaw(4).has_value());
}

TEST(LineChartDataSet, CopyIsALineSetWithEveryStemsPropertiesButTheGradient)
{
    LineChartDataSet set(entries({{1, 2}, {3, 4}}), QStringLiteral("PEF"));
    set.setColor(colorA);
    // x-y stem
    set.setHighlightColor(colorB);
    set.setHighlightLineWidth(3);
    set.setHighlightLineDashPhase(1);
    set.setHighlightLineDashLengths(QList<double>{2, 2});
    // line, candle, scatter and radar stem
    set.setDrawHorizontalHighlightIndicatorEnabled(false);
    // line and radar stem: the fill object survives next to the stored colour
    const std::shared_ptr<Fill> fill = std::make_shared<ColorFill>(QColor(1, 2, 3));
    set.setFillColor(colorB);
    set.setFill(fill);
    set.setFillAlpha(0.8);
    set.setLineWidth(2);
    set.setDrawFilledEnabled(true);
    // line
    set.setCircleColors({colorA, colorB});
    set.setCircleHoleColor(std::nullopt);
    set.setCircleRadius(2.5);
    set.setCircleHoleRadius(1);
    set.setCubicIntensity(0.7);
    set.setLineDashPhase(3);
    set.setLineDashLengths(QList<double>{5, 1});
    set.setLineCapType(Qt::RoundCap);
    set.setDrawCirclesEnabled(false);
    set.setDrawCircleHoleEnabled(false);
    set.setMode(LineChartDataSet::Mode::cubicBezier);
    set.setDrawLineWithGradientEnabled(true);
    set.setGradientPositions(QList<double>{0, 1});

    const auto copy = std::dynamic_pointer_cast<LineChartDataSet>(set.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy.get(), &set);
    EXPECT_EQ(copy->entries(), set.entries());
    EXPECT_EQ(copy->label(), QStringLiteral("PEF"));
    EXPECT_EQ(copy->colors(), QList<QColor>{colorA});
    EXPECT_EQ(copy->xMax(), 3.0);
    EXPECT_EQ(copy->highlightColor(), colorB);
    EXPECT_EQ(copy->highlightLineWidth(), 3.0);
    EXPECT_EQ(copy->highlightLineDashPhase(), 1.0);
    EXPECT_EQ(copy->highlightLineDashLengths(), (QList<double>{2, 2}));
    EXPECT_FALSE(copy->isHorizontalHighlightIndicatorEnabled());
    EXPECT_TRUE(copy->isVerticalHighlightIndicatorEnabled());
    EXPECT_EQ(copy->fill(), fill);
    EXPECT_EQ(copy->fillColor(), colorB);
    EXPECT_EQ(copy->fillAlpha(), 0.8);
    EXPECT_EQ(copy->lineWidth(), 2.0);
    EXPECT_TRUE(copy->isDrawFilledEnabled());
    EXPECT_EQ(copy->circleColors(), (QList<QColor>{colorA, colorB}));
    EXPECT_FALSE(copy->circleHoleColor().has_value());
    EXPECT_EQ(copy->circleRadius(), 2.5);
    EXPECT_EQ(copy->circleHoleRadius(), 1.0);
    EXPECT_EQ(copy->cubicIntensity(), 0.7);
    EXPECT_EQ(copy->lineDashPhase(), 3.0);
    EXPECT_EQ(copy->lineDashLengths(), (QList<double>{5, 1}));
    EXPECT_EQ(copy->lineCapType(), Qt::RoundCap);
    EXPECT_FALSE(copy->isDrawCirclesEnabled());
    EXPECT_FALSE(copy->isDrawCircleHoleEnabled());
    EXPECT_EQ(copy->mode(), LineChartDataSet::Mode::cubicBezier);
    EXPECT_EQ(copy->fillFormatter(), set.fillFormatter());
    // Not carried: the gradient.
    EXPECT_FALSE(copy->isDrawLineWithGradientEnabled());
    EXPECT_FALSE(copy->gradientPositions().has_value());
}

TEST(LineChartDataSet, EveryStemCopiesIntoItsOwnClass)
{
    const LineRadarChartDataSet lineRadar;
    EXPECT_EQ(typeid(*lineRadar.copy()), typeid(LineRadarChartDataSet));
    const LineScatterCandleRadarChartDataSet stem;
    EXPECT_EQ(typeid(*stem.copy()), typeid(LineScatterCandleRadarChartDataSet));
    const BarLineScatterCandleBubbleChartDataSet xy;
    EXPECT_EQ(typeid(*xy.copy()), typeid(BarLineScatterCandleBubbleChartDataSet));
    const ChartDataSet plain;
    EXPECT_EQ(typeid(*plain.copy()), typeid(ChartDataSet));
    const ChartBaseDataSet base;
    EXPECT_EQ(typeid(*base.copy()), typeid(ChartBaseDataSet));
}

namespace {

// A chart type that changes the per-entry bounds rule (here: entries below zero don't count), as
// the bar, bubble, candle and pie sets do, and reruns the computation in its constructor.
class NonNegativeLineSet : public LineChartDataSet {
public:
    explicit NonNegativeLineSet(ChartDataEntryList list)
        : LineChartDataSet(std::move(list))
    {
        calcMinMax();
    }

protected:
    void calcMinMaxWithEntry(const ChartDataEntry& e) override
    {
        if (e.y() >= 0) {
            LineChartDataSet::calcMinMaxWithEntry(e);
        }
    }
};

}

TEST(LineChartDataSet, TheMostDerivedBoundsRuleHoldsAfterConstruction)
{
    const LineChartDataSet line(entries({{1, -5}, {2, 3}, {3, 7}}));
    EXPECT_EQ(line.yMin(), -5.0);
    EXPECT_EQ(line.xMin(), 1.0);

    const NonNegativeLineSet set(entries({{1, -5}, {2, 3}, {3, 7}}));
    EXPECT_EQ(set.yMin(), 3.0);
    EXPECT_EQ(set.yMax(), 7.0);
    EXPECT_EQ(set.xMin(), 2.0);
}
