#include "Brisvale/records/ReadingAverages.h"

#include "Brisvale/records/StoreTestSupport.h"

#include <limits>

namespace {

using ReadingAveragesTest = FreshStore;

QList<PFMPtr> readings(std::initializer_list<qint32> pefs)
{
    const ProfilePtr profile = viewContext().insertProfile();
    QList<PFMPtr> list;
    for (const qint32 pef : pefs) {
        list << viewContext().insertReading(profile);
        list.last()->pefValue = pef;
    }
    return list;
}

}

TEST_F(ReadingAveragesTest, PefAverageIsTheExactSixtyFourBitMeanRoundedHalfAwayFromZero)
{
    constexpr qint32 largest = std::numeric_limits<qint32>::max();
    constexpr qint32 smallest = std::numeric_limits<qint32>::min();
    const struct {
        std::initializer_list<qint32> pefs;
        qint64 average;
    } cases[] = {
        {{}, 0},
        {{350, 351}, 351},
        {{400, 401}, 401},
        {{1000, 1}, 501},
        {{400, 402, 405}, 402},
        {{400, 401, 401}, 401},
        {{-5, 5}, 0},
        {{-350, -351}, -351},
        {{-400, -402, -405}, -402},
        // Beyond 32 bits, and beyond a float's 24 bits of precision.
        {{largest, largest}, largest},
        {{largest, largest - 1}, largest},
        {{16777217, 16777218, 16777218}, 16777218},
        {{smallest, smallest + 1}, smallest},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ReadingAverages::pefAverage(readings(test.pefs)), test.average)
            << QList<qint32>(test.pefs).size() << " readings";
    }
}
