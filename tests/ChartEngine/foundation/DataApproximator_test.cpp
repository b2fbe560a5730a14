#include "ChartEngine/foundation/DataApproximator.h"

#include "support/QtPrinters.h"

#include <QThread>
#include <gtest/gtest.h>
#include <memory>

using namespace Charts;

using Points = QList<QPointF>;

// Found by argument-dependent lookup for readable failures.
static void PrintTo(const Points& points, std::ostream* os)
{
    *os << '[';
    for (const QPointF& point : points) {
        *os << '(' << point.x() << ", " << point.y() << ')';
    }
    *os << ']';
}

namespace {

const Points peak{{0, 0}, {1, 5}, {2, 0}};

}

TEST(DataApproximatorTolerance, KeepsWhatLiesFartherThanTheTolerance)
{
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(peak, 1), peak);
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(peak, 10), (Points{{0, 0}, {2, 0}}));
    // The peak lies exactly 5 from the chord: only a greater distance splits.
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(peak, 5), (Points{{0, 0}, {2, 0}}));
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(peak, 4.999), peak);
}

TEST(DataApproximatorTolerance, StraightLineKeepsItsEnds)
{
    const Points line{{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(line, 0.001), (Points{{0, 0}, {4, 8}}));
}

TEST(DataApproximatorTolerance, NoReductionAsked)
{
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(peak, 0), peak);
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(peak, -1), peak);
    const Points two{{0, 0}, {1, 1}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(two, 1), two);
    EXPECT_TRUE(DataApproximator::reduceWithDouglasPeuker({}, 1).isEmpty());
}

TEST(DataApproximatorTolerance, TheFirstOfEqualDistancesSplits)
{
    // Points 1 and 2 both lie 3 from the chord; splitting at 1 leaves 2 within the tolerance.
    const Points plateau{{0, 0}, {1, 3}, {2, 3}, {3, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(plateau, 2.5),
              (Points{{0, 0}, {1, 3}, {3, 0}}));
}

TEST(DataApproximatorTolerance, KeepsTheInputOrderAcrossNestedSplits)
{
    const Points path{{0, 0}, {1, 0}, {5, 5}, {0, 1}, {0, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(path, 0.5), path);
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(path, 1),
              (Points{{0, 0}, {5, 5}, {0, 0}}));
}

TEST(DataApproximatorTolerance, CoincidentEndsMeasureTheDistanceToThatPoint)
{
    // A closed loop: its chord has no length, so the farthest point is the one farthest from the
    // common end (5 away), not a division by zero.
    const Points loop{{0, 0}, {3, 4}, {0, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(loop, 1), loop);
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(loop, 6), (Points{{0, 0}, {0, 0}}));
}

TEST(DataApproximatorTolerance, ALongZigzagDoesNotExhaustTheStack)
{
    // Each split peels off one point at the start (or, run backwards, at the end), so the splits
    // nest 8,000 deep. The thinning runs on a thread with a 64 KiB stack: a call per split, at
    // even 8 bytes each, would overflow it and end the program.
    constexpr int count = 8000;
    Points zigzag;
    zigzag.reserve(count);
    for (int i = 0; i < count; ++i) {
        zigzag.append({double(i), (i % 2 == 0 ? 1.0 : -1.0) * (count - i)});
    }
    const Points backwards(zigzag.crbegin(), zigzag.crend());
    for (const Points& series : {zigzag, backwards}) {
        Points kept;
        std::unique_ptr<QThread> worker(QThread::create(
            [&] { kept = DataApproximator::reduceWithDouglasPeuker(series, 0.5); }));
        worker->setStackSize(64 * 1024);
        worker->start();
        worker->wait();
        EXPECT_EQ(kept, series);
    }
}

TEST(DataApproximatorCount, KeepsTheFarthestPointsFirst)
{
    const Points shape{{0, 0}, {1, 1}, {2, 5}, {3, 1}, {4, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(shape, 3),
              (Points{{0, 0}, {2, 5}, {4, 0}}));
}

TEST(DataApproximatorCount, NoReductionAsked)
{
    const Points shape{{0, 0}, {1, 1}, {2, 5}, {3, 1}, {4, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(shape, 2), shape);
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(shape, -4), shape);
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(shape, 5), shape);
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(shape, 50), shape);
}

TEST(DataApproximatorCount, StraightLineKeepsItsEndsWhateverIsWanted)
{
    // The first segment has no split point; taking it still counts, and nothing else is queued.
    const Points line{{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}};
    for (int wanted : {3, 4}) {
        EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(line, wanted),
                  (Points{{0, 0}, {4, 8}}))
            << wanted;
    }
}

TEST(DataApproximatorCount, TheFirstOfEqualDistancesSplits)
{
    const Points plateau{{0, 0}, {1, 3}, {2, 3}, {3, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(plateau, 3),
              (Points{{0, 0}, {1, 3}, {3, 0}}));
}

TEST(DataApproximatorCount, ATiedSegmentQueuedLaterIsTakenFirst)
{
    // After the peak, the left half (split at 1) and the right half (split at 3) tie at
    // 2 / sqrt(20); the right half is queued second and so is split first.
    const Points hill{{0, 0}, {1, 1}, {2, 4}, {3, 1}, {4, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(hill, 4),
              (Points{{0, 0}, {2, 4}, {3, 1}, {4, 0}}));
}

TEST(DataApproximatorCount, CoincidentEndsMeasureTheDistanceToThatPoint)
{
    const Points loop{{0, 0}, {1, 1}, {3, 4}, {0, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(loop, 3),
              (Points{{0, 0}, {3, 4}, {0, 0}}));
}

TEST(DataApproximatorCount, NonFiniteValuesChangeNothingElse)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Points broken{{0, 0}, {1, nan}, {2, 5}, {3, 0}};
    // The NaN point never counts as farther; the peak is still found.
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(broken, 3).at(1), QPointF(2, 5));
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(broken, 1).size(), 3);
}
