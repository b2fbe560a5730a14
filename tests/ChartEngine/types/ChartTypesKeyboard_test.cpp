#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/types/PieChartView.h"
#include "ChartEngine/types/RadarChartView.h"

#include "BarTestChart.h"
#include "PieTestChart.h"
#include "RadarTestChart.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Charts;

TEST(ChartTypesKeyboard, SteppedToElementIsTheSelectedOneInEveryChartType)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<ChartViewBase>()> make;
    };
    const QList<Case> cases = {
        {"pie", [] { return PieTesting::pieView({1, 2, 3}); }},
        {"radar", [] { return RadarTesting::radarView({RadarTesting::radarSet({4, 5, 6})}); }},
        {"bar", [] { return BarTesting::fixtureView<BarChartView>(BarTesting::barData({BarTesting::barSet({1.0, 2.0, 3.0})})); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = c.make();
        QTest::keyClick(view.get(), Qt::Key_Right);
        QTest::keyClick(view.get(), Qt::Key_Right);
        ASSERT_EQ(view->highlighted().size(), 1);
        ASSERT_TRUE(view->getChartImage(true));
        int selected = 0;
        int entries = 0;
        for (const auto& element : view->accessibilityChildren()) {
            if (!element->isEntry()) {
                continue;
            }
            ++entries;
            const bool isSelected = QAccessible::queryAccessibleInterface(element.get())->state().selected;
            EXPECT_EQ(isSelected, element->entryIndex() == 1) << element->entryIndex();
            selected += isSelected ? 1 : 0;
        }
        EXPECT_GE(entries, 3);
        EXPECT_GE(selected, 1);
    }
}
