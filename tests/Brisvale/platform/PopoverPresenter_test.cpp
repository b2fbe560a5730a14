#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/PopoverPresenter.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using Edge = PopoverPresenter::Edge;

const QRect window(0, 0, 800, 600);

std::string shown(const std::optional<QRect>& rect)
{
    if (!rect) {
        return "none";
    }
    return QStringLiteral("%1,%2 %3x%4").arg(rect->x()).arg(rect->y()).arg(rect->width()).arg(rect->height()).toStdString();
}

}

TEST(PopoverPlacement, APopoverStandsBesideItsAnchorOnTheSideWithRoom)
{
    const QSize size(300, 200);
    const struct {
        const char* name;
        QRect anchor;
        Edge edge;
        std::optional<QRect> expected;
    } cases[] = {
        {"room on the right", QRect(100, 100, 80, 30), Edge::right, QRect(188, 100, 300, 200)},
        {"none on the right: on the left", QRect(600, 100, 80, 30), Edge::right, QRect(292, 100, 300, 200)},
        {"just fitting on the right", QRect(412, 0, 80, 30), Edge::right, QRect(500, 0, 300, 200)},
        {"near the bottom: slid up beside it", QRect(100, 500, 80, 30), Edge::right, QRect(188, 400, 300, 200)},
        {"room below", QRect(100, 100, 40, 40), Edge::bottom, QRect(100, 148, 300, 200)},
        {"near the right edge: slid left below it", QRect(700, 100, 40, 40), Edge::bottom,
         QRect(500, 148, 300, 200)},
        {"none below: above", QRect(100, 450, 40, 40), Edge::bottom, QRect(100, 242, 300, 200)},
        {"room on neither side", QRect(50, 100, 700, 30), Edge::right, std::nullopt},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const std::optional<QRect> placed = PopoverPresenter::besideAnchor(size, test.anchor, test.edge, window);
        EXPECT_EQ(shown(placed), shown(test.expected));
        if (placed) {
            EXPECT_TRUE(window.contains(*placed));
            EXPECT_FALSE(placed->intersects(test.anchor));
        }
    }
}

TEST(PopoverPlacement, AnAlertIsCentredOnTheWindowOrMovedTheLeastToKeepClear)
{
    const QSize frame(400, 150); // centred at 200,225
    const struct {
        const char* name;
        QRect keepClear;
        std::optional<QPoint> expected;
    } cases[] = {
        {"clear of the centre", QRect(650, 20, 100, 50), QPoint(200, 225)},
        {"over the centre's right: below it", QRect(420, 100, 300, 230), QPoint(200, 338)},
        {"over the centre's lower right: above it", QRect(420, 300, 300, 200), QPoint(200, 142)},
        {"a tall one on the right: left of it", QRect(560, 10, 200, 580), QPoint(152, 225)},
        {"over the whole middle", QRect(100, 50, 600, 500), std::nullopt},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(AlertPresenter::alertTopLeft(frame, window, test.keepClear, window), test.expected);
    }
}
