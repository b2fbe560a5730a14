#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ShortestNumberText.h"
#include "ChartEngine/foundation/ChartImage.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Charts;

TEST(ShortestNumberText, RoundTripDigitsWithAFraction)
{
    EXPECT_EQ(shortestNumberText(1.0), QStringLiteral("1.0"));
    EXPECT_EQ(shortestNumberText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(shortestNumberText(-0.0), QStringLiteral("-0.0"));
    EXPECT_EQ(shortestNumberText(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(shortestNumberText(100000.0), QStringLiteral("100000.0"));
    EXPECT_EQ(shortestNumberText(123.456), QStringLiteral("123.456"));
    EXPECT_EQ(shortestNumberText(0.0001), QStringLiteral("0.0001"));
    EXPECT_EQ(shortestNumberText(0.00001), QStringLiteral("1e-05"));
    EXPECT_EQ(shortestNumberText(-1.5e20), QStringLiteral("-1.5e+20"));
    EXPECT_EQ(shortestNumberText(1e15), QStringLiteral("1000000000000000.0"));
    EXPECT_EQ(shortestNumberText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("nan"));
    EXPECT_EQ(shortestNumberText(-std::numeric_limits<double>::infinity()), QStringLiteral("-inf"));
}

TEST(ChartDataEntry, ConstructionAndDescription)
{
    const ChartDataEntry entry(1.0, 2.0);
    EXPECT_EQ(entry.description(), QStringLiteral("ChartDataEntry, x: 1.0, y 2.0"));
    EXPECT_FALSE(entry.data().isValid());
    EXPECT_EQ(entry.icon(), nullptr);
    EXPECT_EQ(ChartDataEntry(1.0, 2.5).description(), QStringLiteral("ChartDataEntry, x: 1.0, y 2.5"));

    const ChartDataEntryBase base(5.0, QVariant(QStringLiteral("note")));
    EXPECT_EQ(base.y(), 5.0);
    EXPECT_EQ(base.data().toString(), QStringLiteral("note"));
    EXPECT_EQ(base.description(), QStringLiteral("ChartDataEntryBase, y 5.0"));

    const auto icon = ChartImage::create(QImage(2, 2, QImage::Format_ARGB32));
    const ChartDataEntry withIcon(1.0, 2.0, icon);
    EXPECT_EQ(withIcon.icon(), icon);
    EXPECT_FALSE(withIcon.data().isValid());

    const ChartDataEntry empty;
    EXPECT_EQ(empty.x(), 0.0);
    EXPECT_EQ(empty.y(), 0.0);
}

TEST(ChartDataEntry, EqualityComparesValuesNotAttachments)
{
    const ChartDataEntry a(3.0, 4.0, QVariant(1));
    const ChartDataEntry b(3.0, 4.0, QVariant(QStringLiteral("other")));
    const ChartDataEntry c(3.0, 4.0000001);
    const ChartDataEntry d(3.5, 4.0);
    EXPECT_TRUE(a.isEqual(&b));
    EXPECT_FALSE(a.isEqual(&c));
    EXPECT_FALSE(a.isEqual(&d));
    EXPECT_FALSE(a.isEqual(nullptr));
}

TEST(ChartDataEntry, EqualityIsAsymmetricBetweenBaseAndEntry)
{
    const ChartDataEntryBase base(5.0);
    const ChartDataEntry entry(0.0, 5.0);
    EXPECT_TRUE(base.isEqual(&entry));
    EXPECT_FALSE(entry.isEqual(&base));
}

TEST(ChartDataEntry, NotANumberEqualsOnlyItself)
{
    const auto entry = std::make_shared<ChartDataEntry>(1.0, std::nan(""));
    EXPECT_TRUE(entry->isEqual(entry.get()));
    EXPECT_FALSE(entry->isEqual(entry->copy().get()));
}

namespace {

// An entry class of a chart type: copies make objects of it and carry its own value.
class SizedEntry : public ChartDataEntry {
public:
    using ChartDataEntry::ChartDataEntry;
    double size = 0.0;
    std::shared_ptr<ChartDataEntry> makeEmpty() const override { return std::make_shared<SizedEntry>(); }

protected:
    void copyTo(ChartDataEntry& target) const override
    {
        ChartDataEntry::copyTo(target);
        dynamic_cast<SizedEntry&>(target).size = size;
    }
};

}

TEST(ChartDataEntry, CopyKeepsValuesAndDataButNotTheIcon)
{
    const auto icon = ChartImage::create(QImage(4, 4, QImage::Format_ARGB32));
    const ChartDataEntry entry(1.0, 2.0, icon, QVariant(QStringLiteral("note")));
    const auto copy = entry.copy();
    EXPECT_EQ(copy->x(), 1.0);
    EXPECT_EQ(copy->y(), 2.0);
    EXPECT_EQ(copy->data().toString(), QStringLiteral("note"));
    EXPECT_EQ(copy->icon(), nullptr);
    EXPECT_EQ(entry.icon(), icon);

    SizedEntry sized(1.0, 2.0);
    sized.size = 7.0;
    const auto sizedCopy = std::dynamic_pointer_cast<SizedEntry>(sized.copy());
    ASSERT_NE(sizedCopy, nullptr);
    EXPECT_EQ(sizedCopy->size, 7.0);
    EXPECT_EQ(sizedCopy->x(), 1.0);
}
