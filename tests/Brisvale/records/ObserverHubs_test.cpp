#include "Brisvale/platform/Console.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/DataElementProcess.h"
#include "Brisvale/records/RenewProcess.h"

#include "support/QtPrinters.h"

#include <QObject>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <new>

namespace {

// Console lines and observer calls, in the order they happen.
QStringList events;

class ConsoleCapture {
public:
    ConsoleCapture()
    {
        events.clear();
        Console::setCapture([](const QString& line) { events << QStringLiteral("line ") + line; });
    }
    ~ConsoleCapture() { Console::setCapture({}); }
};

class RenewPage : public QObject, public RenewObserver {
public:
    explicit RenewPage(QString name) : name(std::move(name)) {}
    void onPageSwitch() override
    {
        events << name + QStringLiteral(" switch");
        if (hook) {
            hook();
        }
    }
    void onDataRefresh(bool emailRenewStatus, const QString& email) override
    {
        events << name + QStringLiteral(" refresh %1 %2").arg(emailRenewStatus).arg(email);
    }
    QString name;
    std::function<void()> hook;
};

class ConditionPage : public QObject, public ConditionObserver {
public:
    explicit ConditionPage(QString name) : name(std::move(name)) {}
    void onConditionChange() override
    {
        events << name + QStringLiteral(" condition");
        if (hook) {
            hook();
        }
    }
    QString name;
    std::function<void()> hook;
};

class DataPage : public QObject, public DataElementObserver {
public:
    void onDataElementChange(bool connected) override
    {
        events << QStringLiteral("data %1").arg(connected);
    }
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

}

TEST(ObserverHubs, EachBroadcastPrintsItsLineFirst)
{
    ConsoleCapture capture;
    RenewPage renewPage(QStringLiteral("page"));
    ConditionPage conditionPage(QStringLiteral("chart"));
    DataPage dataPage;
    RenewProcess renew;
    ConditionProcess condition;
    DataElementProcess dataElement;
    renew.addObserver(&renewPage);
    condition.addObserver(&conditionPage);
    dataElement.addObserver(&dataPage);

    renew.broadcastPageSwitch();
    renew.broadcastDataRefresh(true, QStringLiteral("a@b.c"));
    condition.broadcastCondition();
    dataElement.broadcastDataElement(false);
    dataElement.broadcastDataElement(true);

    EXPECT_EQ(events, (QStringList{
                          QStringLiteral("line 切換頁 發送通知值"),
                          QStringLiteral("page switch"),
                          QStringLiteral("line 更新Data畫面資料 發送通知值"),
                          QStringLiteral("page refresh 1 a@b.c"),
                          QStringLiteral("line 發送通知值"),
                          QStringLiteral("chart condition"),
                          QStringLiteral("line 更新Data畫面元件 發送通知值"),
                          QStringLiteral("data 0"),
                          QStringLiteral("line 更新Data畫面元件 發送通知值"),
                          QStringLiteral("data 1"),
                      }));
}

TEST(ObserverHubs, ABroadcastWithoutObserversOnlyPrints)
{
    ConsoleCapture capture;
    RenewProcess renew;
    renew.broadcastDataRefresh(false, QString());
    ConditionProcess condition;
    condition.broadcastCondition();
    EXPECT_EQ(events, (QStringList{QStringLiteral("line 更新Data畫面資料 發送通知值"),
                                   QStringLiteral("line 發送通知值")}));
}

TEST(ObserverHubs, AddingTwiceCallsOnce)
{
    ConsoleCapture capture;
    RenewPage page(QStringLiteral("page"));
    RenewProcess renew;
    renew.addObserver(&page);
    renew.addObserver(&page);
    EXPECT_EQ(renew.observers().size(), 1u);
    renew.broadcastPageSwitch();
    EXPECT_EQ(events.count(QStringLiteral("page switch")), 1);
}

TEST(ObserverHubs, RemovingStopsTheCallsAndRemovingTheUnregisteredDoesNothing)
{
    ConsoleCapture capture;
    ConditionPage table(QStringLiteral("table"));
    ConditionPage chart(QStringLiteral("chart"));
    ConditionPage stranger(QStringLiteral("stranger"));
    ConditionProcess condition;
    condition.addObserver(&table);
    condition.addObserver(&chart);
    condition.removeObserver(&stranger);
    condition.removeObserver(nullptr);
    EXPECT_EQ(condition.observers().size(), 2u);

    condition.removeObserver(&table);
    condition.removeObserver(&table);
    condition.broadcastCondition();
    EXPECT_EQ(events, (QStringList{QStringLiteral("line 發送通知值"), QStringLiteral("chart condition")}));
}

TEST(ObserverHubs, ADestroyedObserverIsSkippedAndPruned)
{
    ConsoleCapture capture;
    RenewPage kept(QStringLiteral("kept"));
    auto gone = std::make_unique<RenewPage>(QStringLiteral("gone"));
    RenewProcess renew;
    renew.addObserver(&kept);
    renew.addObserver(gone.get());
    gone.reset();
    // The entry stays until the next broadcast.
    EXPECT_EQ(renew.observers().size(), 2u);

    renew.broadcastPageSwitch();
    EXPECT_EQ(events, (QStringList{QStringLiteral("line 切換頁 發送通知值"), QStringLiteral("kept switch")}));
    ASSERT_EQ(renew.observers().size(), 1u);
    EXPECT_EQ(renew.observers().front().identity, &kept);
}

TEST(ObserverHubs, AnObserverRemovedDuringTheBroadcastIsStillCalled)
{
    ConsoleCapture capture;
    ConditionPage first(QStringLiteral("first"));
    ConditionPage second(QStringLiteral("second"));
    ConditionProcess condition;
    condition.addObserver(&first);
    condition.addObserver(&second);
    // Whichever runs first takes the other out; the broadcast in progress still calls both.
    first.hook = [&] { condition.removeObserver(&second); };
    second.hook = [&] { condition.removeObserver(&first); };

    condition.broadcastCondition();
    EXPECT_EQ(sorted(events), sorted({QStringLiteral("line 發送通知值"), QStringLiteral("first condition"),
                                      QStringLiteral("second condition")}));
    EXPECT_TRUE(condition.observers().empty());
}

TEST(ObserverHubs, AnObserverAddedDuringTheBroadcastWaitsForTheNext)
{
    ConsoleCapture capture;
    RenewPage first(QStringLiteral("first"));
    RenewPage late(QStringLiteral("late"));
    RenewProcess renew;
    renew.addObserver(&first);
    first.hook = [&] { renew.addObserver(&late); };

    renew.broadcastPageSwitch();
    EXPECT_EQ(events.count(QStringLiteral("late switch")), 0);
    renew.broadcastPageSwitch();
    EXPECT_EQ(events.count(QStringLiteral("late switch")), 1);
}

TEST(ObserverHubs, AnObserverDestroyedDuringTheBroadcastIsNotCalled)
{
    ConsoleCapture capture;
    ConditionPage first(QStringLiteral("first"));
    auto second = std::make_unique<ConditionPage>(QStringLiteral("second"));
    ConditionPage* secondAddress = second.get();
    ConditionProcess condition;
    condition.addObserver(&first);
    condition.addObserver(secondAddress);
    bool destroyed = false;
    first.hook = [&] { second.reset(); destroyed = true; };
    secondAddress->hook = [&] { first.hook = nullptr; };

    condition.broadcastCondition();
    if (destroyed) {
        EXPECT_EQ(events.count(QStringLiteral("second condition")), 0);
        EXPECT_EQ(condition.observers().size(), 1u);
    }
    EXPECT_EQ(events.count(QStringLiteral("first condition")), 1);
}

// An observer destroyed before the broadcast and, during it, a new observer made at the very same
// address: pruning the dead registration must not drop the new one.
TEST(ObserverHubs, PruningKeepsANewObserverAtAReusedAddress)
{
    ConsoleCapture capture;
    alignas(RenewPage) unsigned char slot[sizeof(RenewPage)];
    auto* dead = new (slot) RenewPage(QStringLiteral("dead"));
    RenewPage reviver(QStringLiteral("reviver"));
    RenewProcess renew;
    // Registered first, so (in the present registry) the address is reused before the dead
    // entry is visited; the expectations hold in either order.
    renew.addObserver(&reviver);
    renew.addObserver(dead);
    dead->~RenewPage();

    RenewPage* reborn = nullptr;
    reviver.hook = [&] {
        reborn = new (slot) RenewPage(QStringLiteral("reborn"));
        renew.addObserver(reborn);
        reviver.hook = nullptr;
    };
    renew.broadcastPageSwitch();
    ASSERT_NE(reborn, nullptr);
    EXPECT_EQ(static_cast<void*>(reborn), static_cast<void*>(slot));
    EXPECT_EQ(renew.observers().size(), 2u);

    events.clear();
    renew.broadcastPageSwitch();
    EXPECT_EQ(sorted(events), sorted({QStringLiteral("line 切換頁 發送通知值"),
                                      QStringLiteral("reviver switch"), QStringLiteral("reborn switch")}));
    renew.removeObserver(reborn);
    reborn->~RenewPage();
}
