#include "ChartEngine/data/ChartBaseDataSet.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/DefaultValueFormatter.h"

#include "DataTestHelpers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace Charts;
using namespace Charts::Testing;

namespace {

const QColor colorA(10, 20, 30);
const QColor colorB(40, 50, 60);
const QColor colorC(70, 80, 90);

}

TEST(ChartBaseDataSet, InitialValues)
{
    const ChartBaseDataSet set;
    EXPECT_EQ(set.colors(), QList<QColor>{QColor(140, 234, 255)});
    EXPECT_EQ(set.valueColors(), QList<QColor>{ChartColors::label()});
    EXPECT_EQ(set.label(), QStringLiteral("DataSet"));
    EXPECT_EQ(set.axisDependency(), AxisDependency::left);
    EXPECT_TRUE(set.isHighlightEnabled());
    EXPECT_EQ(set.valueFont().pixelSize(), 7);
    EXPECT_EQ(set.valueLabelAngle(), 0.0);
    EXPECT_EQ(set.form(), LegendForm::legendDefault);
    EXPECT_TRUE(std::isnan(set.formSize()));
    EXPECT_TRUE(std::isnan(set.formLineWidth()));
    EXPECT_EQ(set.formLineDashPhase(), 0.0);
    EXPECT_FALSE(set.formLineDashLengths().has_value());
    EXPECT_TRUE(set.isDrawValuesEnabled());
    EXPECT_TRUE(set.isDrawIconsEnabled());
    EXPECT_EQ(set.iconsOffset(), QPointF(0, 0));
    EXPECT_TRUE(set.isVisible());

    EXPECT_EQ(ChartBaseDataSet(QStringLiteral("PEF")).label(), QStringLiteral("PEF"));
    EXPECT_FALSE(ChartBaseDataSet(std::nullopt).label().has_value());
}

TEST(ChartBaseDataSet, ColoursRepeatAndANegativeIndexCountsAsZero)
{
    ChartBaseDataSet set;
    set.setColors({colorA, colorB, colorC});
    EXPECT_EQ(set.colorAtIndex(4), colorB);
    EXPECT_EQ(set.colorAtIndex(3), colorA);
    EXPECT_EQ(set.colorAtIndex(-5), colorA);

    set.resetColors();
    EXPECT_TRUE(set.colors().isEmpty());
    set.addColor(colorC);
    set.addColor(colorA);
    EXPECT_EQ(set.colors(), (QList<QColor>{colorC, colorA}));
    set.setColor(colorB);
    EXPECT_EQ(set.colors(), QList<QColor>{colorB});
}

TEST(ChartBaseDataSet, AlphaFormsReplaceTheAlpha)
{
    ChartBaseDataSet set;
    set.setColors({QColor(10, 20, 30, 100), colorB}, 0.5);
    ASSERT_EQ(set.colors().size(), 2);
    EXPECT_NEAR(set.colors()[0].alphaF(), 0.5, 1.0 / 65535);
    EXPECT_NEAR(set.colors()[1].alphaF(), 0.5, 1.0 / 65535);
    EXPECT_EQ(set.colors()[1].red(), 40);
    set.setColor(colorC, 0.25);
    ASSERT_EQ(set.colors().size(), 1);
    EXPECT_NEAR(set.colors()[0].alphaF(), 0.25, 1.0 / 65535);
    set.setColors({}, 0.5);
    EXPECT_TRUE(set.colors().isEmpty());
}

TEST(ChartBaseDataSet, ValueTextColour)
{
    ChartBaseDataSet set;
    set.setValueColors({colorA, colorB});
    EXPECT_EQ(set.valueTextColor(), colorA);
    EXPECT_EQ(set.valueTextColorAt(3), colorB);
    EXPECT_EQ(set.valueTextColorAt(-1), colorA);
    set.setValueTextColor(colorC);
    EXPECT_EQ(set.valueColors(), QList<QColor>{colorC});
    EXPECT_EQ(set.valueTextColor(), colorC);
}

TEST(ChartBaseDataSet, EmptyColourListsAnswerDefaultsInsteadOfFailing)
{
    ChartBaseDataSet set;
    set.resetColors();
    EXPECT_EQ(set.colorAtIndex(0), QColor(140, 234, 255));
    EXPECT_EQ(set.colorAtIndex(-3), QColor(140, 234, 255));
    set.setValueColors({});
    EXPECT_EQ(set.valueTextColor(), ChartColors::label());
    EXPECT_EQ(set.valueTextColorAt(2), ChartColors::label());
}

TEST(ChartBaseDataSet, Descriptions)
{
    LineChartDataSet set(entries({{1, 2}, {3, 4.5}}), QStringLiteral("PEF"));
    EXPECT_EQ(set.description(), QStringLiteral("LineChartDataSet, label: PEF, 2 entries"));
    EXPECT_EQ(set.debugDescription(), QStringLiteral("LineChartDataSet, label: PEF, 2 entries:\n"
                                                     "ChartDataEntry, x: 1.0, y 2.0\n"
                                                     "ChartDataEntry, x: 3.0, y 4.5"));
    set.setLabel(std::nullopt);
    EXPECT_EQ(set.description(), QStringLiteral("LineChartDataSet, label: , 2 entries"));
    set.setLabel(QStringLiteral("100%1"));
    EXPECT_EQ(set.description(), QStringLiteral("LineChartDataSet, label: 100%1, 2 entries"));
}

TEST(ChartBaseDataSet, TheValueFormatterIsMadeOnFirstReadAndKept)
{
    ChartDataSet set;
    const auto formatter = set.valueFormatter();
    ASSERT_NE(std::dynamic_pointer_cast<DefaultValueFormatter>(formatter), nullptr);
    EXPECT_EQ(set.valueFormatter(), formatter);
    // The plain default: one fraction digit.
    EXPECT_EQ(formatter->stringForValue(2.34, nullptr, 0, nullptr), QStringLiteral("2.3"));
    const auto own = std::make_shared<DefaultValueFormatter>(3);
    set.setValueFormatter(own);
    EXPECT_EQ(set.valueFormatter(), own);
}

TEST(ChartBaseDataSet, CopyCarriesTheStylePropertiesButNotTheLabelAngle)
{
    ChartDataSet set(entries({{1, 2}}), QStringLiteral("FEV1"));
    set.setColors({colorA, colorB});
    set.setValueColors({colorC});
    set.setAxisDependency(AxisDependency::right);
    set.setHighlightEnabled(false);
    set.setValueFont(systemFont(11));
    set.setValueLabelAngle(45);
    set.setForm(LegendForm::line);
    set.setFormSize(9);
    set.setFormLineWidth(2);
    set.setFormLineDashPhase(1);
    set.setFormLineDashLengths(QList<double>{3, 4});
    set.setDrawValuesEnabled(false);
    set.setDrawIconsEnabled(false);
    set.setIconsOffset(QPointF(2, 3));
    set.setVisible(false);

    const auto copy = set.copy();
    // The copy shares the formatter, made on the source by the copy.
    EXPECT_NE(copy->valueFormatter(), nullptr);
    EXPECT_EQ(copy->valueFormatter(), set.valueFormatter());
    EXPECT_EQ(copy->colors(), (QList<QColor>{colorA, colorB}));
    EXPECT_EQ(copy->valueColors(), QList<QColor>{colorC});
    EXPECT_EQ(copy->label(), QStringLiteral("FEV1"));
    EXPECT_EQ(copy->axisDependency(), AxisDependency::right);
    EXPECT_FALSE(copy->isHighlightEnabled());
    EXPECT_EQ(copy->valueFont().pixelSize(), 11);
    EXPECT_EQ(copy->valueLabelAngle(), 0.0);
    EXPECT_EQ(copy->form(), LegendForm::line);
    EXPECT_EQ(copy->formSize(), 9.0);
    EXPECT_EQ(copy->formLineWidth(), 2.0);
    EXPECT_EQ(copy->formLineDashPhase(), 1.0);
    EXPECT_EQ(copy->formLineDashLengths(), (QList<double>{3, 4}));
    EXPECT_FALSE(copy->isDrawValuesEnabled());
    EXPECT_FALSE(copy->isDrawIconsEnabled());
    EXPECT_EQ(copy->iconsOffset(), QPointF(2, 3));
    EXPECT_FALSE(copy->isVisible());
}

TEST(ChartBaseDataSet, IsATypeTestOnTheInterfaces)
{
    const std::shared_ptr<ChartDataSetProtocol> line = std::make_shared<LineChartDataSet>();
    const std::shared_ptr<ChartDataSetProtocol> plain = std::make_shared<ChartDataSet>();
    EXPECT_NE(dynamic_cast<LineChartDataSetProtocol*>(line.get()), nullptr);
    EXPECT_NE(dynamic_cast<BarLineScatterCandleBubbleChartDataSetProtocol*>(line.get()), nullptr);
    EXPECT_EQ(dynamic_cast<LineChartDataSetProtocol*>(plain.get()), nullptr);
    EXPECT_EQ(dynamic_cast<BarLineScatterCandleBubbleChartDataSetProtocol*>(plain.get()), nullptr);
}

TEST(ChartBaseDataSetDeathTest, DataMembersStopTheProgramNamingTheMember)
{
    const auto stop = [](auto action) {
        ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
        action();
    };
    ChartBaseDataSet set;
    EXPECT_DEATH(stop([&] { set.notifyDataSetChanged(); }),
                 "Fatal error: calcMinMax is not implemented in ChartBaseDataSet");
    EXPECT_DEATH(stop([&] { set.calcMinMaxY(0, 1); }),
                 "calcMinMaxY\\(fromX:, toX:\\) is not implemented in ChartBaseDataSet");
    EXPECT_DEATH(stop([&] { set.entryCount(); }), "entryCount is not implemented in ChartBaseDataSet");
    EXPECT_DEATH(stop([&] { set.description(); }), "entryCount is not implemented in ChartBaseDataSet");
    EXPECT_DEATH(stop([&] { set.removeEntryWithX(1); }),
                 "entryForXValue\\(x, closestToY\\) is not implemented in ChartBaseDataSet");
    EXPECT_DEATH(stop([&] { set.contains(entry(1, 1)); }),
                 "entryIndex\\(entry\\) is not implemented in ChartBaseDataSet");
    EXPECT_DEATH(stop([&] { set.clear(); }), "clear is not implemented in ChartBaseDataSet");
}
