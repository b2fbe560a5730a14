#include "ChartEngine/foundation/LineDash.h"

#include <QPainterPathStroker>
#include <QPen>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Charts {
namespace {

struct DashCase {
    double width;
    double phase;
    std::optional<QList<double>> lengths;
    Qt::PenStyle style;
    QList<qreal> pattern;
    qreal offset;
};

TEST(LineDash, LengthsAndPhaseBecomePenWidthsAndOddPatternsRepeatOnce)
{
    const DashCase cases[] = {
        {2.0, 4.0, QList<double>{10.0, 4.0}, Qt::CustomDashLine, {5.0, 2.0}, 2.0},
        {2.0, 0.0, QList<double>{5.0}, Qt::CustomDashLine, {2.5, 2.5}, 0.0},
        {1.0, 0.0, QList<double>{3.0, 1.0, 2.0}, Qt::CustomDashLine, {3, 1, 2, 3, 1, 2}, 0.0},
        {0.0, 1.0, QList<double>{4.0, 2.0}, Qt::CustomDashLine, {4.0, 2.0}, 1.0},
        {2.0, 3.0, std::nullopt, Qt::SolidLine, {}, 0.0},
        {2.0, 3.0, QList<double>{}, Qt::SolidLine, {}, 0.0},
        // A length that no dash can have, in points or in pen widths (4 points are no finite number
        // of widths of 1e-320), draws the line solid; a phase that is no number is 0.
        {2.0, 0.0, QList<double>{4.0, std::nan("")}, Qt::SolidLine, {}, 0.0},
        {2.0, 0.0, QList<double>{0.0, 4.0}, Qt::SolidLine, {}, 0.0},
        {2.0, 0.0, QList<double>{4.0, -2.0}, Qt::SolidLine, {}, 0.0},
        {2.0, 0.0, QList<double>{std::numeric_limits<double>::infinity()}, Qt::SolidLine, {}, 0.0},
        {1e-320, 0.0, QList<double>{4.0, 2.0}, Qt::SolidLine, {}, 0.0},
        {2.0, std::nan(""), QList<double>{4.0, 2.0}, Qt::CustomDashLine, {2.0, 1.0}, 0.0},
        // A phase beyond one period starts where it would after whole periods.
        {2.0, 26.0, QList<double>{10.0, 4.0}, Qt::CustomDashLine, {5.0, 2.0}, 6.0},
        // Lengths beyond a million points (a gap of 1e294 kept Qt's stroker busy for minutes).
        {2.0, 0.0, QList<double>{4.0, 1e294, std::numeric_limits<double>::max()}, Qt::CustomDashLine,
         {2.0, 5e5, 5e5, 2.0, 5e5, 5e5}, 0.0},
    };
    for (const DashCase& c : cases) {
        QPen pen(Qt::black, c.width);
        pen.setStyle(Qt::DotLine);
        applyLineDash(pen, c.phase, c.lengths);
        EXPECT_EQ(pen.style(), c.style);
        if (c.style == Qt::CustomDashLine) {
            EXPECT_EQ(pen.dashPattern(), c.pattern);
            EXPECT_DOUBLE_EQ(pen.dashOffset(), c.offset);
        }
    }
}

TEST(LineDash, PeriodIsThePatternDrawnBeforeItRepeats)
{
    const std::pair<std::optional<QList<double>>, double> cases[] = {
        {std::nullopt, 0.0},
        {QList<double>{10.0, 4.0}, 14.0},
        {QList<double>{5.0}, 10.0},
        {QList<double>{39.0, 1e300}, 1e6 + 39.0},
        {QList<double>{4.0, std::nan("")}, 0.0},
    };
    for (const auto& [lengths, period] : cases) {
        EXPECT_DOUBLE_EQ(dashPeriod(lengths), period) << period;
    }
}

TEST(LineDash, StrokerFollowsTheSameRules)
{
    // A stroked 40-point line with 10 on, 10 off at width 2 is two dashes: a path of two parts.
    QPainterPathStroker stroker;
    stroker.setWidth(2.0);
    stroker.setCapStyle(Qt::FlatCap);
    applyLineDash(stroker, 2.0, 0.0, QList<double>{10.0});
    QPainterPath line;
    line.moveTo(0, 0);
    line.lineTo(40, 0);
    const QRectF bounds = stroker.createStroke(line).boundingRect();
    EXPECT_NEAR(bounds.width(), 30.0, 1.5);
    EXPECT_EQ(stroker.dashPattern(), (QList<qreal>{5.0, 5.0}));
}

}
}
