#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/DrawingUtils.h"

#include <gtest/gtest.h>

#include <functional>

namespace Charts {
namespace {

TEST(YAxis, RangeFromDataWithSpacesAndFixedEnds)
{
    const struct {
        std::optional<double> customMin;
        std::optional<double> customMax;
        double dataMin;
        double dataMax;
        double minimum;
        double maximum;
    } cases[] = {
        {{}, {}, 0, 100, -10, 110},
        {{}, {}, 5, 5, 4, 6},
        {50, 900, 0, 1000, 50, 900},
        {{}, 10, 20, 30, 4.5, 10},
        {{}, -10, 0, 30, -15.5, -10},
        {10, {}, 0, 5, 10, 15.5},
        {-10, {}, 0, -20, -10, -4.5},
        {{}, 0, 3, 5, -1, 0},
        {0, {}, -5, -2, 0, 1},
        // Free ends are not swapped.
        {{}, {}, 10, 5, 9.5, 5.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "data " << c.dataMin << ".." << c.dataMax);
        YAxis axis;
        if (c.customMin) {
            axis.setAxisMinimum(*c.customMin);
        }
        if (c.customMax) {
            axis.setAxisMaximum(*c.customMax);
        }
        axis.calculate(c.dataMin, c.dataMax);
        EXPECT_DOUBLE_EQ(axis.axisMinimum(), c.minimum);
        EXPECT_DOUBLE_EQ(axis.axisMaximum(), c.maximum);
        EXPECT_DOUBLE_EQ(axis.axisRange(), std::abs(c.maximum - c.minimum));
    }
}

TEST(YAxis, RequiredWidthIsTheLabelPlusOffsetsWithinItsLimits)
{
    YAxis probe;
    probe.setEntries({1000});
    TextAttributes attributes;
    attributes.font = probe.labelFont();
    const QSizeF label = textSize(QStringLiteral("1,000"), attributes);

    const struct {
        double minWidth;
        double maxWidth;
        double width;
    } cases[] = {
        {0, std::numeric_limits<double>::infinity(), label.width() + 10},
        {0, 20, 20},
        {0, 0, label.width() + 10},
        {200, 20, 200},
    };
    for (const auto& c : cases) {
        YAxis axis;
        axis.setEntries({1000});
        axis.setMinWidth(c.minWidth);
        axis.setMaxWidth(c.maxWidth);
        EXPECT_EQ(axis.requiredSize(), QSizeF(c.width, label.height()));
    }
}

}
}
