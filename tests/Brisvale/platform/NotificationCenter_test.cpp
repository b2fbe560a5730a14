#include "Brisvale/platform/NotificationCenter.h"

#include "support/QtPrinters.h"

#include <QObject>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString name = QStringLiteral("GetPFMBestValue");

}

TEST(NotificationCenter, PostCallsTheObserversOfTheNameInRegistrationOrderWithTheUserInfo)
{
    NotificationCenter center;
    QObject first;
    QObject second;
    QObject other;
    QStringList calls;
    center.observe(name, &first, [&](const QVariantMap& info) { calls << "first " + info.value("BestValue").toString(); });
    center.observe(name, &second, [&](const QVariantMap& info) { calls << "second " + info.value("BestValue").toString(); });
    center.observe(QStringLiteral("Other"), &other, [&](const QVariantMap&) { calls << "other"; });
    center.post(name, {{"BestValue", 450}});
    EXPECT_EQ(calls, (QStringList{"first 450", "second 450"}));
    EXPECT_EQ(center.observerCount(name), 2);
}

TEST(NotificationCenter, ObservingAgainReplacesTheCallbackSoItRunsOnce)
{
    NotificationCenter center;
    QObject receiver;
    QStringList calls;
    for (int appearance = 1; appearance <= 3; ++appearance) {
        center.observe(name, &receiver, [&calls, appearance](const QVariantMap&) { calls << QString::number(appearance); });
    }
    center.post(name);
    EXPECT_EQ(calls, QStringList{"3"});
    EXPECT_EQ(center.observerCount(name), 1);
}

TEST(NotificationCenter, AReceiverThatDiesIsNoLongerCalled)
{
    NotificationCenter center;
    int calls = 0;
    auto receiver = std::make_unique<QObject>();
    center.observe(name, receiver.get(), [&](const QVariantMap&) { ++calls; });
    receiver.reset();
    EXPECT_EQ(center.observerCount(name), 0);
    center.post(name);
    EXPECT_EQ(calls, 0);
    // A new object at the same address registers afresh.
    auto next = std::make_unique<QObject>();
    center.observe(name, next.get(), [&](const QVariantMap&) { calls += 10; });
    center.post(name);
    EXPECT_EQ(calls, 10);
}

TEST(NotificationCenter, RemovingStopsOneNameOrEvery)
{
    NotificationCenter center;
    QObject receiver;
    QStringList calls;
    center.observe(name, &receiver, [&](const QVariantMap&) { calls << "best"; });
    center.observe(QStringLiteral("Failed"), &receiver, [&](const QVariantMap&) { calls << "failed"; });
    center.removeObserver(&receiver, name);
    center.post(name);
    center.post(QStringLiteral("Failed"));
    center.removeObserver(&receiver);
    center.post(QStringLiteral("Failed"));
    EXPECT_EQ(calls, QStringList{"failed"});
}

TEST(NotificationCenter, AnObserverRemovedDuringAPostIsNotCalledAndOneAddedWaitsForTheNext)
{
    NotificationCenter center;
    QObject first;
    QObject second;
    QObject late;
    QStringList calls;
    bool lateAdded = false;
    center.observe(name, &first, [&](const QVariantMap&) {
        calls << "first";
        center.removeObserver(&second);
        if (!lateAdded) {
            lateAdded = true;
            center.observe(name, &late, [&](const QVariantMap&) { calls << "late"; });
        }
    });
    center.observe(name, &second, [&](const QVariantMap&) { calls << "second"; });
    center.post(name);
    EXPECT_EQ(calls, QStringList{"first"});
    calls.clear();
    center.post(name);
    EXPECT_EQ(calls, (QStringList{"first", "late"}));
}

TEST(NotificationCenter, AnObserverMayDestroyItselfWhileCalled)
{
    NotificationCenter center;
    auto* receiver = new QObject;
    int calls = 0;
    center.observe(name, receiver, [&](const QVariantMap&) {
        ++calls;
        delete receiver;
    });
    center.post(name);
    center.post(name);
    EXPECT_EQ(calls, 1);
}

TEST(NotificationCenter, TheSharedCenterIsOne)
{
    EXPECT_EQ(&NotificationCenter::shared(), &NotificationCenter::shared());
}
