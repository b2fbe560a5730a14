#include "TavrendelPFMSDK/TavrendelPFMCommand.h"
#include "TavrendelPFMSDK/TavrendelPFMSimulator.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The meter's clock is read in the computer's time zone: the test main pins TZ=Europe/Berlin.

namespace {

QVariantMap dictionary(const TavrendelPFMReply& reply)
{
    return reply.model ? reply.model->parseDictionary() : QVariantMap();
}

// The time reply's components, "y-m-d h:m:s".
QString clockText(const TavrendelPFMReply& reply)
{
    const QVariantMap time = dictionary(reply);
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(time.value("year").toInt())
        .arg(time.value("month").toInt())
        .arg(time.value("day").toInt())
        .arg(time.value("hour").toInt())
        .arg(time.value("minute").toInt())
        .arg(time.value("second").toInt());
}

class SimulatorTest : public testing::Test {
protected:
    void SetUp() override
    {
        meter.setNow([this] { return now; });
    }

    QDateTime now{QDate(2026, 12, 1), QTime(8, 0, 0)};
    TavrendelPFMSimulator meter;
};

const QList<TavrendelPFMReading> threeReadings{
    {300, 2.41f, 2026, 11, 29, 7, 5},
    {450, 3.52f, 2026, 11, 29, 20, 40},
    {420, 3.30f, 2026, 11, 30, 7, 15},
};

}

TEST_F(SimulatorTest, TimeReadGivesTheMeterClockInLocalTime)
{
    EXPECT_TRUE(meter.isConnected()) << "attached at start";
    EXPECT_EQ(clockText(meter.readTime()), "2026-12-1 8:0:0");

    meter.setClockOffset(-121);
    EXPECT_EQ(clockText(meter.readTime()), "2026-12-1 7:57:59");
    meter.setClockOffset(3600 * 24 * 31);
    EXPECT_EQ(clockText(meter.readTime()), "2027-1-1 8:0:0");

    // The meter keeps whole seconds: a fraction of the computer's second is dropped.
    meter.setClockOffset(0);
    now = QDateTime(QDate(2026, 12, 1), QTime(8, 0, 0, 999));
    EXPECT_EQ(clockText(meter.readTime()), "2026-12-1 8:0:0");

    // 03:30 summer time on 29 March 2026 is 01:30 winter time an hour earlier.
    now = QDateTime(QDate(2026, 3, 29), QTime(3, 30, 0));
    meter.setClockOffset(-3600);
    EXPECT_EQ(clockText(meter.readTime()), "2026-3-29 1:30:0");
}

TEST_F(SimulatorTest, AClockThatCannotBeReadFails)
{
    now = QDateTime();
    const TavrendelPFMReply reply = meter.readTime();
    EXPECT_FALSE(reply.success);
    ASSERT_NE(reply.error, nullptr);
    EXPECT_EQ(reply.error->description(), "The meter's clock cannot be read.");

    now = QDateTime(QDate(2026, 12, 1), QTime(8, 0, 0));
    meter.setClockOffset(std::numeric_limits<qint64>::max());
    EXPECT_FALSE(meter.readTime().success) << "an offset out of range is refused, not overflowed";
}

TEST_F(SimulatorTest, TimeWriteSetsTheMeterClock)
{
    meter.setClockOffset(-500);
    const TavrendelPFMReply reply = meter.writeTime(now);
    EXPECT_TRUE(reply.success);
    EXPECT_EQ(reply.command, TavrendelPFMCommand::TimeWrite);
    EXPECT_EQ(meter.clockOffset(), 0);

    meter.writeTime(now.addSecs(-125));
    EXPECT_EQ(meter.clockOffset(), -125);
    EXPECT_EQ(clockText(meter.readTime()), "2026-12-1 7:57:55");

    // A date given in another zone is the same instant.
    meter.writeTime(QDateTime(QDate(2026, 12, 1), QTime(7, 0, 0), Qt::UTC));
    EXPECT_EQ(meter.clockOffset(), 0);

    const TavrendelPFMReply invalid = meter.writeTime(QDateTime());
    EXPECT_FALSE(invalid.success);
    ASSERT_NE(invalid.error, nullptr);
    EXPECT_EQ(meter.clockOffset(), 0) << "a refused date leaves the clock alone";
}

TEST_F(SimulatorTest, MemoryReadGivesEveryReadingAndClearEmptiesIt)
{
    meter.setReadings(threeReadings);
    const QVariantMap memory = dictionary(meter.readMemory());
    EXPECT_EQ(memory.value("historyMeasuremeNumber").toInt(), 3);
    const QVariantList entries = memory.value("MData").toList();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[1].toMap().value("PEF").toInt(), 450);
    EXPECT_EQ(entries[1].toMap().value("FEV1").toFloat(), 3.52f);
    EXPECT_EQ(entries[1].toMap().value("hour").toInt(), 20);
    EXPECT_EQ(entries[2].toMap().value("day").toInt(), 30);
    EXPECT_EQ(meter.readings(), threeReadings) << "reading leaves the memory as it was";

    const TavrendelPFMReply clear = meter.clearMemory();
    EXPECT_TRUE(clear.success);
    EXPECT_EQ(clear.model, nullptr);
    EXPECT_TRUE(meter.readings().isEmpty());
    const QVariantMap empty = dictionary(meter.readMemory());
    EXPECT_EQ(empty.value("historyMeasuremeNumber").toInt(), 0);
    EXPECT_TRUE(empty.contains("MData"));
    EXPECT_TRUE(empty.value("MData").toList().isEmpty());
}

TEST_F(SimulatorTest, BestValueIsStoredAndReadBack)
{
    EXPECT_EQ(dictionary(meter.readBestValue()).value("bestValue").toInt(), 0);
    const TavrendelPFMReply write = meter.writeBestValue(451);
    EXPECT_TRUE(write.success);
    EXPECT_EQ(write.command, TavrendelPFMCommand::BestValueWrite);
    EXPECT_EQ(write.model, nullptr);
    EXPECT_EQ(meter.bestValue(), 451);
    const TavrendelPFMReply read = meter.readBestValue();
    EXPECT_EQ(read.command, TavrendelPFMCommand::BestValueRead);
    EXPECT_EQ(dictionary(read).value("bestValue").toInt(), 451);
}

TEST_F(SimulatorTest, FailingCommandsLeaveTheMeterUnchanged)
{
    meter.setReadings(threeReadings);
    meter.setBestValue(400);
    meter.setClockOffset(-300);
    for (const qint64 command : {TavrendelPFMCommand::MemoryClear, TavrendelPFMCommand::BestValueWrite,
                                 TavrendelPFMCommand::TimeWrite, TavrendelPFMCommand::TimeRead}) {
        meter.setFailing(command, true);
    }
    const TavrendelPFMReply clear = meter.clearMemory();
    EXPECT_FALSE(clear.success);
    EXPECT_EQ(clear.command, TavrendelPFMCommand::MemoryClear);
    ASSERT_NE(clear.error, nullptr);
    EXPECT_EQ(clear.error->description(), "The meter did not complete Memory_Clear.");
    EXPECT_FALSE(meter.writeBestValue(500).success);
    EXPECT_FALSE(meter.writeTime(now).success);
    const TavrendelPFMReply time = meter.readTime();
    EXPECT_FALSE(time.success);
    EXPECT_EQ(time.model, nullptr);
    EXPECT_EQ(meter.readings(), threeReadings);
    EXPECT_EQ(meter.bestValue(), 400);
    EXPECT_EQ(meter.clockOffset(), -300);
    EXPECT_TRUE(meter.readMemory().success) << "only the named commands fail";

    meter.setFailing(TavrendelPFMCommand::MemoryClear, false);
    EXPECT_TRUE(meter.clearMemory().success);
    EXPECT_TRUE(meter.readings().isEmpty());
}

TEST_F(SimulatorTest, ADetachedMeterAnswersNothingButErrors)
{
    meter.setReadings(threeReadings);
    meter.disconnectMeter();
    const TavrendelPFMReply clear = meter.clearMemory();
    EXPECT_FALSE(clear.success);
    ASSERT_NE(clear.error, nullptr);
    EXPECT_EQ(clear.error->description(), "The meter is not connected.");
    EXPECT_EQ(meter.readings(), threeReadings);
}

TEST_F(SimulatorTest, CommandLogListsEveryCommandReceived)
{
    meter.readTime();
    meter.writeTime(QDateTime(QDate(2026, 12, 1), QTime(8, 0, 1, 600)));
    meter.writeTime(QDateTime());
    meter.readMemory();
    meter.setFailing(TavrendelPFMCommand::MemoryClear, true);
    meter.clearMemory();
    meter.disconnectMeter();
    meter.writeBestValue(450);
    meter.readBestValue();
    EXPECT_EQ(meter.commandLog(),
              QStringList({"Time_Read", "Time_Write 2026-12-01T08:00:01", "Time_Write invalid", "Memory_Read",
                           "Memory_Clear", "Best_Value_Write 450", "Best_Value_Read"}));
    meter.clearCommandLog();
    EXPECT_TRUE(meter.commandLog().isEmpty());
}

TEST_F(SimulatorTest, CommandLogFileGetsEachLineBehindTheComputersTime)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("commands.log"));
    meter.setLogFile(path);
    meter.readTime();
    now = now.addSecs(65);
    meter.writeBestValue(-3);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              "2026-12-01T08:00:00 Time_Read\n2026-12-01T08:01:05 Best_Value_Write -3\n");
}

TEST_F(SimulatorTest, AnUnwritableLogFileWarnsOnceAndKeepsTheMeterWorking)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { warnings << message; });
    QTemporaryDir folder;
    meter.setLogFile(folder.path()); // a folder, not a file
    EXPECT_TRUE(meter.readTime().success);
    EXPECT_TRUE(meter.readMemory().success);
    qInstallMessageHandler(previous);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("TavrendelPFMSDK: the command log \"%1\" cannot be written: ")
                                           .arg(folder.path())))
        << warnings[0].toStdString();
    EXPECT_EQ(meter.commandLog().size(), 2);
}

TEST_F(SimulatorTest, ReplyEditsMalformOnlyTheirCommand)
{
    meter.setReadings(threeReadings);
    meter.setReplyEdit(TavrendelPFMCommand::MemoryRead, [](QVariantMap& reply) {
        QVariantList entries = reply["MData"].toList();
        QVariantMap first = entries[0].toMap();
        first.remove("minute");
        first["PEF"] = QStringLiteral("300");
        entries[0] = first;
        reply["MData"] = entries;
        reply["historyMeasuremeNumber"] = 5;
    });
    meter.setReplyEdit(TavrendelPFMCommand::MemoryClear, [](QVariantMap& reply) { reply["x"] = 1; });
    const QVariantMap memory = dictionary(meter.readMemory());
    EXPECT_EQ(memory.value("historyMeasuremeNumber").toInt(), 5);
    const QVariantList entries = memory.value("MData").toList();
    EXPECT_EQ(entries.size(), 3);
    EXPECT_FALSE(entries[0].toMap().contains("minute"));
    EXPECT_EQ(entries[0].toMap().value("PEF").typeId(), QMetaType::QString);
    EXPECT_EQ(entries[1].toMap().value("PEF").typeId(), QMetaType::Int);
    EXPECT_EQ(meter.clearMemory().model, nullptr) << "no reply object to edit";
    EXPECT_TRUE(dictionary(meter.readTime()).contains("minute"));

    meter.setReplyEdit(TavrendelPFMCommand::MemoryRead, {});
    EXPECT_EQ(dictionary(meter.readMemory()).value("historyMeasuremeNumber").toInt(), 0);
}
