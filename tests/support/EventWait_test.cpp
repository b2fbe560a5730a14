#include "support/EventWait.h"

#include <QObject>
#include <gtest/gtest-spi.h>

TEST(EventWait, ReturnsOnceEventsMakeTheConditionHold)
{
    bool delivered = false;
    QObject receiver;
    QMetaObject::invokeMethod(&receiver, [&] { delivered = true; }, Qt::QueuedConnection);
    EXPECT_TRUE(waitUntil([&] { return delivered; }));
}

TEST(EventWait, AConditionThatNeverHoldsFailsByNameInsteadOfHanging)
{
    bool gaveUp = false;
    EXPECT_NONFATAL_FAILURE(
        gaveUp = !EventWait::until("the meter answered", __FILE__, __LINE__, [] { return false; },
                                   std::chrono::milliseconds(1)),
        "Waited 1 ms for a condition that never held: the meter answered");
    EXPECT_TRUE(gaveUp);
    EXPECT_EQ(EventWait::bound, std::chrono::seconds(60));
}
