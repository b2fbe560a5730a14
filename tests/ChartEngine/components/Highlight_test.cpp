#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/components/LegendForm.h"
#include "ChartEngine/components/Range.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace Charts;

TEST(Highlight, NewHighlightDescribesNoValue)
{
    const Highlight h;
    EXPECT_TRUE(std::isnan(h.x()));
    EXPECT_TRUE(std::isnan(h.y()));
    EXPECT_TRUE(std::isnan(h.xPx()));
    EXPECT_TRUE(std::isnan(h.yPx()));
    EXPECT_EQ(h.dataIndex(), -1);
    EXPECT_EQ(h.dataSetIndex(), 0);
    EXPECT_EQ(h.stackIndex(), -1);
    EXPECT_EQ(h.axis(), AxisDependency::left);
    EXPECT_EQ(h.drawX(), 0.0);
    EXPECT_EQ(h.drawY(), 0.0);
    EXPECT_FALSE(h.isStacked());
}

TEST(Highlight, EachConstructorSetsItsOwnDataIndexAndStackIndex)
{
    const Highlight stacked(1.0, 2.0, 10.0, 20.0, 3, 1, AxisDependency::right);
    EXPECT_EQ(stacked.dataIndex(), 0);
    EXPECT_EQ(stacked.stackIndex(), 1);
    EXPECT_EQ(stacked.axis(), AxisDependency::right);

    const Highlight touched(1.0, 2.0, 10.0, 20.0, 3, AxisDependency::right);
    EXPECT_EQ(touched.dataIndex(), -1);
    EXPECT_EQ(touched.stackIndex(), -1);
    EXPECT_EQ(touched.dataSetIndex(), 3);
    EXPECT_EQ(touched.xPx(), 10.0);

    const Highlight fromCode(4.0, 5.0, 1, 2);
    EXPECT_TRUE(std::isnan(fromCode.xPx()));
    EXPECT_EQ(fromCode.dataIndex(), 2);
    EXPECT_EQ(fromCode.stackIndex(), -1);
    EXPECT_EQ(fromCode.axis(), AxisDependency::left);

    const Highlight segment(4.0, 1, 2);
    EXPECT_TRUE(std::isnan(segment.y()));
    EXPECT_EQ(segment.dataIndex(), -1);
    EXPECT_EQ(segment.stackIndex(), 2);
    EXPECT_TRUE(segment.isStacked());
}

TEST(Highlight, EqualityIgnoresPixelsAxisAndDrawPosition)
{
    Highlight a(1.0, 2.0, 10.0, 20.0, 0, 3, -1, AxisDependency::left);
    const Highlight b(1.0, 2.0, 99.0, 98.0, 0, 3, -1, AxisDependency::right);
    a.setDraw(QPointF(5.0, 6.0));
    EXPECT_TRUE(a.isEqual(&b));
    EXPECT_TRUE(b.isEqual(&a));

    const Highlight otherStack(1.0, 2.0, 10.0, 20.0, 0, 3, 1, AxisDependency::left);
    EXPECT_FALSE(a.isEqual(&otherStack));
    EXPECT_FALSE(a.isEqual(nullptr));
}

TEST(Highlight, NotANumberEqualsOnlyItsOwnObject)
{
    const auto h = std::make_shared<Highlight>(std::nan(""), 2.0, 0, -1);
    const auto copy = std::make_shared<Highlight>(*h);
    EXPECT_TRUE(h->isEqual(h.get()));
    EXPECT_FALSE(h->isEqual(copy.get()));
}

TEST(Highlight, Description)
{
    EXPECT_EQ(Highlight().description(),
              QStringLiteral("Highlight, x: nan, y: nan, dataIndex (combined charts): -1, dataSetIndex: 0, "
                             "stackIndex (only stacked barentry): -1"));
    EXPECT_EQ(Highlight(1.0, 0.25, 2, 1).description(),
              QStringLiteral("Highlight, x: 1.0, y: 0.25, dataIndex (combined charts): 1, dataSetIndex: 2, "
                             "stackIndex (only stacked barentry): -1"));
}

TEST(Range, OpenBelowClosedAbove)
{
    const Range r(0.0, 5.0);
    EXPECT_FALSE(r.contains(0.0));
    EXPECT_TRUE(r.contains(5.0));
    EXPECT_FALSE(r.contains(5.0001));
    EXPECT_TRUE(r.isLarger(5.0001));
    EXPECT_FALSE(r.isLarger(5.0));
    EXPECT_TRUE(r.isSmaller(-0.1));
    EXPECT_FALSE(r.isSmaller(0.0));
}

TEST(ComponentEnumerations, RawValuesOutsideTheCasesGiveNone)
{
    EXPECT_EQ(axisDependencyFromRaw(1), AxisDependency::right);
    EXPECT_FALSE(axisDependencyFromRaw(2).has_value());
    EXPECT_EQ(legendFormFromRaw(2), LegendForm::legendDefault);
    EXPECT_EQ(legendFormFromRaw(5), LegendForm::line);
    EXPECT_FALSE(legendFormFromRaw(6).has_value());
    EXPECT_FALSE(legendFormFromRaw(-1).has_value());
}
