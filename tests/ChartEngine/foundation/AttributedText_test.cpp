#include "ChartEngine/foundation/AttributedText.h"
#include "ChartEngine/foundation/DrawingUtils.h"

#include "support/QtPrinters.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <cmath>

using namespace Charts;

// The text's lines as they fit a box: wrapped to its width, as many as its height holds (at
// least one), the last cut short when text remains.
TEST(AttributedTextTest, TheTextTakesTheLinesItsBoxHolds)
{
    AttributedText text;
    text.attributes.font = systemFont(12);
    const QFontMetricsF metrics(text.attributes.font);
    const double line = metrics.lineSpacing();
    const QString words = QStringLiteral("peak flow readings of the morning and the afternoon");
    struct Case {
        const char* name;
        QString text;
        QSizeF box;
        double lines;
        double maxWidth;
    } cases[] = {
        {"one short line", QStringLiteral("PEF"), {200, 100}, 1, metrics.horizontalAdvance(QStringLiteral("PEF"))},
        {"wrapped into three", words, {120, 100}, 3, 120},
        {"cut at two lines", words, {120, 2.5 * line}, 2, 120},
        {"a box lower than a line keeps one", words, {120, 2}, 1, 120},
    };
    for (const Case& c : cases) {
        text.text = c.text;
        const QSizeF size = attributedTextBoundingSize(text, c.box);
        EXPECT_DOUBLE_EQ(size.height(), c.lines * line) << c.name;
        EXPECT_LE(size.width(), c.maxWidth) << c.name;
        EXPECT_GT(size.width(), c.maxWidth / 2) << c.name;
    }
}

// A box without room (a pie's centre with a negative radius gives one far below zero) holds
// no line at all.
TEST(AttributedTextTest, ABoxWithoutRoomHoldsNoText)
{
    AttributedText text;
    text.attributes.font = systemFont(12);
    text.text = QStringLiteral("PEF");
    const QSizeF boxes[] = {{120, 0}, {0, 100}, {120, -1958976}, {120, -1e300}, {-5, 100},
                            {120, std::nan("")}};
    for (const QSizeF& box : boxes) {
        EXPECT_EQ(attributedTextBoundingSize(text, box), QSizeF(0, 0)) << box.width() << " x " << box.height();
    }
}
