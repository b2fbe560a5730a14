#include "TavrendelPFMSDK/TavrendelPFM.h"
#include "TavrendelPFMSDK/TavrendelPFMCommand.h"
#include "TavrendelPFMSDK/TavrendelPFMSimulator.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Replies and delegate calls in the order they reach the application.
QStringList events;
std::vector<TavrendelPFMReply> replies;

void runEventLoop()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
    }
}

class Window : public QObject, public TavrendelPFMDelegate {
public:
    void PFMDeviceConnect() override { events << QStringLiteral("connect"); }
    void PFMDeviceDisconnect() override { events << QStringLiteral("disconnect"); }
};

TavrendelPFM::ReadDataModelBlock recorder()
{
    return [](bool success, qint64 command, std::shared_ptr<const TavrendelPFMModel> model,
              std::shared_ptr<const TavrendelPFMError> error) {
        events << QStringLiteral("%1 %2").arg(TavrendelPFMCommand::name(command), success ? "ok" : "failed");
        replies.push_back({success, command, std::move(model), std::move(error)});
    };
}

class TavrendelPFMTest : public testing::Test {
protected:
    void SetUp() override
    {
        events.clear();
        replies.clear();
        meter = std::make_shared<TavrendelPFMSimulator>();
        meter->setNow([] { return QDateTime(QDate(2026, 12, 1), QTime(8, 0, 0)); });
        manager = std::make_unique<TavrendelPFM>(meter);
        manager->getReadDataModelBlock(recorder());
    }

    std::shared_ptr<TavrendelPFMSimulator> meter;
    std::unique_ptr<TavrendelPFM> manager;
};

QVariantMap dictionary(const TavrendelPFMReply& reply)
{
    return reply.model ? reply.model->parseDictionary() : QVariantMap();
}

}

TEST(TavrendelPFMCommand, PrintedNames)
{
    EXPECT_EQ(TavrendelPFMCommand::name(0), "none");
    EXPECT_EQ(TavrendelPFMCommand::name(42), "Time_Write");
    EXPECT_EQ(TavrendelPFMCommand::name(43), "ID_Write");
    EXPECT_EQ(TavrendelPFMCommand::name(44), "ID_Read");
    EXPECT_EQ(TavrendelPFMCommand::name(45), "Memory_Clear");
    EXPECT_EQ(TavrendelPFMCommand::name(46), "Time_Read");
    EXPECT_EQ(TavrendelPFMCommand::name(47), "Memory_Read");
    EXPECT_EQ(TavrendelPFMCommand::name(63), "Best_Value_Write");
    EXPECT_EQ(TavrendelPFMCommand::name(74), "Best_Value_Read");
    EXPECT_EQ(TavrendelPFMCommand::name(48), "default");
    EXPECT_EQ(TavrendelPFMCommand::name(-46), "default");
    EXPECT_EQ(TavrendelPFMCommand::name(46 + (qint64(1) << 32)), "default");

    EXPECT_EQ(TavrendelPFMCommand::fromName(QStringLiteral("Memory_Clear")), 45);
    EXPECT_EQ(TavrendelPFMCommand::fromName(QStringLiteral("none")), TavrendelPFMCommand::None);
    EXPECT_EQ(TavrendelPFMCommand::fromName(QStringLiteral("default")), TavrendelPFMCommand::None);
    EXPECT_EQ(TavrendelPFMCommand::fromName(QStringLiteral("memory_clear")), TavrendelPFMCommand::None);
}

TEST_F(TavrendelPFMTest, RepliesArriveLaterInTheOrderSent)
{
    manager->SendReadTime();
    manager->SendWriteTime(QDateTime(QDate(2026, 12, 1), QTime(8, 0, 0)));
    manager->SendReadMrmory();
    manager->SendClearMrmory();
    manager->SendWriteBestValue(450);
    manager->SendReadBestValue();
    EXPECT_TRUE(events.isEmpty()) << "no reply inside a Send call";

    runEventLoop();
    EXPECT_EQ(events, QStringList({"Time_Read ok", "Time_Write ok", "Memory_Read ok", "Memory_Clear ok",
                                   "Best_Value_Write ok", "Best_Value_Read ok"}));
    for (const TavrendelPFMReply& reply : replies) {
        EXPECT_EQ(reply.error, nullptr) << reply.command;
    }
    // The writes and the clear carry no reply object; the reads carry their dictionaries.
    EXPECT_EQ(replies[1].model, nullptr);
    EXPECT_EQ(replies[3].model, nullptr);
    EXPECT_EQ(replies[4].model, nullptr);
    EXPECT_EQ(dictionary(replies[0]).keys(), QStringList({"day", "hour", "minute", "month", "second", "year"}));
    EXPECT_EQ(dictionary(replies[2]).keys(), QStringList({"MData", "historyMeasuremeNumber"}));
    EXPECT_EQ(dictionary(replies[5]).value("bestValue").typeId(), QMetaType::Int);
    EXPECT_EQ(dictionary(replies[5]).value("bestValue").toInt(), 450);
}

TEST_F(TavrendelPFMTest, ReplyTypesAreThoseTheApplicationReads)
{
    meter->setReadings({{412, 3.21f, 2026, 11, 30, 7, 45}});
    manager->SendReadTime();
    manager->SendReadMrmory();
    runEventLoop();
    ASSERT_EQ(replies.size(), 2u);

    const QVariantMap time = dictionary(replies[0]);
    for (const char* key : {"year", "month", "day", "hour", "minute", "second"}) {
        EXPECT_EQ(time.value(QLatin1String(key)).typeId(), QMetaType::Int) << key;
    }
    const QVariantMap memory = dictionary(replies[1]);
    EXPECT_EQ(memory.value("historyMeasuremeNumber").typeId(), QMetaType::Int);
    EXPECT_EQ(memory.value("historyMeasuremeNumber").toInt(), 1);
    const QVariantList entries = memory.value("MData").toList();
    ASSERT_EQ(entries.size(), 1);
    const QVariantMap entry = entries[0].toMap();
    EXPECT_EQ(entry.keys(), QStringList({"FEV1", "PEF", "day", "hour", "minute", "month", "year"}));
    EXPECT_EQ(entry.value("PEF").typeId(), QMetaType::Int);
    EXPECT_EQ(entry.value("PEF").toInt(), 412);
    EXPECT_EQ(entry.value("FEV1").typeId(), QMetaType::Float);
    EXPECT_EQ(entry.value("FEV1").toFloat(), 3.21f);
    for (const char* key : {"year", "month", "day", "hour", "minute"}) {
        EXPECT_EQ(entry.value(QLatin1String(key)).typeId(), QMetaType::Int) << key;
    }
    EXPECT_EQ(entry.value("minute").toInt(), 45);
}

TEST_F(TavrendelPFMTest, RequestedFailuresCarryAnErrorAndNoReplyObject)
{
    meter->setReadings({{412, 3.21f, 2026, 11, 30, 7, 45}});
    meter->setFailing(TavrendelPFMCommand::MemoryClear, true);
    manager->SendClearMrmory();
    manager->SendReadMrmory();
    runEventLoop();

    EXPECT_EQ(events, QStringList({"Memory_Clear failed", "Memory_Read ok"}));
    ASSERT_NE(replies[0].error, nullptr);
    EXPECT_EQ(replies[0].error->description(), "The meter did not complete Memory_Clear.");
    EXPECT_EQ(replies[0].model, nullptr);
    EXPECT_EQ(meter->readings().size(), 1) << "a failed clear keeps the readings";
}

TEST_F(TavrendelPFMTest, ConnectionReportsReachTheDelegateInOrderWithReplies)
{
    Window window;
    manager->setDelegate(&window);
    EXPECT_TRUE(manager->IsDeviceConnect());
    manager->SendReadTime();
    meter->disconnectMeter();
    EXPECT_FALSE(manager->IsDeviceConnect());
    manager->SendReadBestValue();
    meter->connectMeter();
    EXPECT_TRUE(events.isEmpty());

    runEventLoop();
    // Setting the delegate while attached reports the meter; a command sent while detached fails.
    EXPECT_EQ(events, QStringList({"connect", "Time_Read ok", "disconnect", "Best_Value_Read failed", "connect"}));
    ASSERT_NE(replies[1].error, nullptr);
    EXPECT_EQ(replies[1].error->description(), "The meter is not connected.");
}

TEST_F(TavrendelPFMTest, ReportsGoOnlyToTheLivingDelegateSetWhenTheChangeHappened)
{
    Window first;
    meter->disconnectMeter(); // before the delegate: not reported to it
    manager->setDelegate(&first);
    meter->disconnectMeter(); // no change: no report
    meter->connectMeter();
    meter->connectMeter();
    runEventLoop();
    EXPECT_EQ(events, QStringList({"connect"}));

    events.clear();
    auto window = std::make_unique<Window>();
    manager->setDelegate(window.get());
    meter->disconnectMeter();
    window.reset();
    runEventLoop();
    EXPECT_TRUE(events.isEmpty());

    Window other;
    manager->setDelegate(&other);
    meter->connectMeter();
    manager->setDelegate(nullptr);
    runEventLoop();
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(TavrendelPFMTest, RepliesGoToTheBlockRegisteredWhenTheyArrive)
{
    manager->SendReadTime();
    manager->getReadDataModelBlock({});
    runEventLoop();
    EXPECT_TRUE(events.isEmpty());

    QStringList second;
    manager->SendReadBestValue();
    manager->getReadDataModelBlock([&second](bool, qint64 command, auto, auto) {
        second << TavrendelPFMCommand::name(command);
    });
    runEventLoop();
    EXPECT_EQ(second, QStringList({"Best_Value_Read"}));
}

TEST_F(TavrendelPFMTest, ABlockMaySendTheNextCommand)
{
    // The best-value write is followed by its read-back from inside the reply block.
    manager->getReadDataModelBlock([this](bool success, qint64 command, auto model, auto) {
        events << QStringLiteral("%1 %2").arg(TavrendelPFMCommand::name(command)).arg(success);
        if (command == TavrendelPFMCommand::BestValueWrite) {
            manager->SendReadBestValue();
            events << QStringLiteral("sent");
        } else if (model) {
            events << model->parseDictionary().value("bestValue").toString();
        }
    });
    manager->SendWriteBestValue(470);
    runEventLoop();
    EXPECT_EQ(events, QStringList({"Best_Value_Write 1", "sent", "Best_Value_Read 1", "470"}));
}

// The one manager comes from the environment; each case starts with none made yet.
class SharedManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        qunsetenv(TavrendelPFM::simulatorVariable);
        TavrendelPFM::resetSharedManager();
        warnings.clear();
        previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
            warnings << message;
        });
    }

    void TearDown() override
    {
        qInstallMessageHandler(previous);
        qunsetenv(TavrendelPFM::simulatorVariable);
        TavrendelPFM::resetSharedManager();
    }

    void describeMeter(const QByteArray& json)
    {
        const QString path = folder.filePath(QStringLiteral("meter.json"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(json);
        file.close();
        qputenv(TavrendelPFM::simulatorVariable, path.toUtf8());
    }

    static inline QStringList warnings;
    QtMessageHandler previous = nullptr;
    QTemporaryDir folder;
};

TEST_F(SharedManagerTest, NoVariableNoManager)
{
    EXPECT_EQ(TavrendelPFM::sharedManager(), nullptr);
    qputenv(TavrendelPFM::simulatorVariable, "");
    TavrendelPFM::resetSharedManager();
    EXPECT_EQ(TavrendelPFM::sharedManager(), nullptr);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(SharedManagerTest, AnUnusableDescriptionGivesNoManagerAndSaysWhy)
{
    describeMeter("{\"readings\": [{\"PEF\": 400}]}");
    EXPECT_EQ(TavrendelPFM::sharedManager(), nullptr);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("TavrendelPFMSDK: the meter description \"")))
        << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("named by TAVRENDEL_PFM_SIMULATOR cannot be used: "
                                                    "\"readings\"[0] lacks \"FEV1\". No meter is attached.")))
        << warnings[0].toStdString();

    // The answer is kept: asking again neither reads the file again nor repeats the message.
    EXPECT_EQ(TavrendelPFM::sharedManager(), nullptr);
    EXPECT_EQ(warnings.size(), 1);

    qputenv(TavrendelPFM::simulatorVariable, folder.filePath(QStringLiteral("missing.json")).toUtf8());
    TavrendelPFM::resetSharedManager();
    EXPECT_EQ(TavrendelPFM::sharedManager(), nullptr);
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[1].contains(QStringLiteral("cannot be used: it cannot be read ("))) << warnings[1].toStdString();
}

TEST_F(SharedManagerTest, ADescribedMeterGivesTheOneManager)
{
    describeMeter("{\"bestValue\": 420, \"connected\": false}");
    const std::shared_ptr<TavrendelPFM> manager = TavrendelPFM::sharedManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(TavrendelPFM::sharedManager(), manager);
    EXPECT_FALSE(manager->IsDeviceConnect());
    EXPECT_EQ(manager->simulator()->bestValue(), 420);
    EXPECT_TRUE(warnings.isEmpty());

    // A holder keeps its manager after the reset; the next call makes a new one.
    TavrendelPFM::resetSharedManager();
    const std::shared_ptr<TavrendelPFM> next = TavrendelPFM::sharedManager();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, manager);
    EXPECT_EQ(manager->simulator()->bestValue(), 420);
}
