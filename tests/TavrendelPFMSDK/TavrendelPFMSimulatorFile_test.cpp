#include "TavrendelPFMSDK/TavrendelPFMCommand.h"
#include "TavrendelPFMSDK/TavrendelPFMSimulatorFile.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SimulatorFileTest : public testing::Test {
protected:
    // The meter described by `json`, or null with `error` set.
    std::shared_ptr<TavrendelPFMSimulator> load(const QByteArray& json)
    {
        const QString path = folder.filePath(QStringLiteral("meter.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(json);
        file.close();
        error.clear();
        return TavrendelPFMSimulatorFile::load(path, error);
    }

    // The reason a description is refused.
    QString refusal(const QByteArray& json)
    {
        const auto meter = load(json);
        EXPECT_EQ(meter, nullptr) << json.toStdString();
        return error;
    }

    QTemporaryDir folder;
    QString error;
};

const QString samplePath =
    QStringLiteral(BRISVALE_SOURCE_DIR "/TavrendelPFMSDK/sample/sample-meter.json");

}

TEST_F(SimulatorFileTest, AnEmptyObjectIsAnAttachedMeterWithNothingStored)
{
    const auto meter = load("{}");
    ASSERT_NE(meter, nullptr);
    EXPECT_TRUE(meter->isConnected());
    EXPECT_EQ(meter->clockOffset(), 0);
    EXPECT_EQ(meter->bestValue(), 0);
    EXPECT_TRUE(meter->readings().isEmpty());
    EXPECT_TRUE(meter->logFile().isEmpty());
}

TEST_F(SimulatorFileTest, EveryKeyIsRead)
{
    const auto meter = load(R"({
        "connected": false, "clockOffsetSeconds": -300, "bestValue": 420,
        "fail": ["Memory_Clear", "Best_Value_Read"], "log": "logs/commands.log",
        "readings": [{"PEF": 410, "FEV1": 3.12, "year": 2026, "month": 2, "day": 30, "hour": 24, "minute": 5}]
    })");
    ASSERT_NE(meter, nullptr) << error.toStdString();
    EXPECT_FALSE(meter->isConnected());
    EXPECT_EQ(meter->clockOffset(), -300);
    EXPECT_EQ(meter->bestValue(), 420);
    EXPECT_TRUE(meter->isFailing(TavrendelPFMCommand::MemoryClear));
    EXPECT_TRUE(meter->isFailing(TavrendelPFMCommand::BestValueRead));
    EXPECT_FALSE(meter->isFailing(TavrendelPFMCommand::MemoryRead));
    EXPECT_EQ(meter->logFile(), folder.filePath(QStringLiteral("logs/commands.log")));
    // Impossible dates are kept as the meter's memory holds them.
    EXPECT_EQ(meter->readings(), QList<TavrendelPFMReading>({{410, 3.12f, 2026, 2, 30, 24, 5}}));
}

TEST_F(SimulatorFileTest, UnreadableOrMalformedFilesAreRefused)
{
    EXPECT_EQ(TavrendelPFMSimulatorFile::load(folder.filePath(QStringLiteral("none.json")), error), nullptr);
    EXPECT_TRUE(error.startsWith(QStringLiteral("it cannot be read ("))) << error.toStdString();
    EXPECT_EQ(TavrendelPFMSimulatorFile::load(folder.path(), error), nullptr) << "a folder";

    EXPECT_TRUE(refusal("").startsWith(QStringLiteral("it is not valid JSON (")));
    EXPECT_EQ(refusal("[]"), "it must hold one JSON object");
    EXPECT_TRUE(refusal("42").startsWith(QStringLiteral("it is not valid JSON (")));
}

TEST_F(SimulatorFileTest, SettingsOfTheWrongKindAreRefused)
{
    EXPECT_EQ(refusal(R"({"bestvalue": 400})"), "the description has the unknown key \"bestvalue\"");
    EXPECT_EQ(refusal(R"({"connected": "yes"})"), "\"connected\" must be true or false");
    EXPECT_EQ(refusal(R"({"bestValue": 400.5})"),
              "\"bestValue\" must be a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(refusal(R"({"bestValue": "450"})"),
              "\"bestValue\" must be a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(refusal(R"({"clockOffsetSeconds": 1e300})"),
              "\"clockOffsetSeconds\" must be a whole number from -3155760000 to 3155760000");
    EXPECT_NE(load(R"({"clockOffsetSeconds": -3155760000})"), nullptr);
    EXPECT_EQ(refusal(R"({"fail": "Memory_Clear"})"), "\"fail\" must be a list of command names");
    EXPECT_EQ(refusal(R"({"fail": ["Memory_Erase"]})"), "\"fail\" names the unknown command \"Memory_Erase\"");
    EXPECT_EQ(refusal(R"({"fail": [45]})"), "\"fail\" must hold command names such as \"Memory_Clear\"");
    EXPECT_EQ(refusal(R"({"log": ""})"), "\"log\" must be the name of a file");
}

TEST_F(SimulatorFileTest, ReadingsOfTheWrongShapeAreRefused)
{
    EXPECT_EQ(refusal(R"({"readings": {}})"), "\"readings\" must be a list");
    EXPECT_EQ(refusal(R"({"readings": [7]})"), "\"readings\"[0] must be an object");
    const QByteArray good = R"({"PEF": 410, "FEV1": 3.12, "year": 2026, "month": 12, "day": 1, "hour": 7, "minute": 5})";
    EXPECT_EQ(refusal(R"({"readings": [)" + good + R"(, {"PEF": 410}]})"), "\"readings\"[1] lacks \"FEV1\"");
    EXPECT_EQ(refusal(R"({"readings": [{"PEF": 410, "FEV1": 3.1, "year": 2026, "month": 12, "day": 1,
                                         "hour": 7, "minute": 5, "second": 0}]})"),
              "\"readings\"[0] has the unknown key \"second\"");
    EXPECT_EQ(refusal(R"({"readings": [{"PEF": 410.5, "FEV1": 3.1, "year": 2026, "month": 12, "day": 1,
                                         "hour": 7, "minute": 5}]})"),
              "\"readings\"[0].\"PEF\" must be a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(refusal(R"({"readings": [{"PEF": 410, "FEV1": 1e300, "year": 2026, "month": 12, "day": 1,
                                         "hour": 7, "minute": 5}]})"),
              "\"readings\"[0].\"FEV1\" must be a number of litres");
    EXPECT_EQ(refusal(R"({"readings": [{"PEF": 410, "FEV1": 3.1, "year": 2026, "month": 12, "day": 1,
                                         "hour": 7, "minute": null}]})"),
              "\"readings\"[0].\"minute\" must be a whole number from -2147483648 to 2147483647");
}

TEST_F(SimulatorFileTest, TheSampleMeterLoads)
{
    QString sampleError;
    const auto meter = TavrendelPFMSimulatorFile::load(samplePath, sampleError);
    ASSERT_NE(meter, nullptr) << sampleError.toStdString();
    EXPECT_TRUE(meter->isConnected());
    EXPECT_EQ(meter->clockOffset(), 0);
    EXPECT_EQ(meter->bestValue(), 450);
    EXPECT_TRUE(meter->logFile().isEmpty());

    // A few weeks of mornings and evenings, two readings a day, with realistic values.
    const QList<TavrendelPFMReading>& readings = meter->readings();
    ASSERT_GE(readings.size(), 28);
    QSet<QDate> days;
    for (qsizetype index = 0; index < readings.size(); ++index) {
        const TavrendelPFMReading& reading = readings[index];
        const QDate day(reading.year, reading.month, reading.day);
        ASSERT_TRUE(day.isValid()) << index;
        EXPECT_TRUE(QTime(reading.hour, reading.minute).isValid()) << index;
        EXPECT_TRUE(reading.pef >= 380 && reading.pef <= 470) << index;
        EXPECT_TRUE(reading.fev1 >= 2.9f && reading.fev1 <= 3.6f) << index;
        EXPECT_EQ(reading.hour < 12, index % 2 == 0) << "morning, then evening: " << index;
        days.insert(day);
    }
    EXPECT_EQ(days.size() * 2, readings.size());
    EXPECT_GE(readings.first().year * 100 + readings.first().month, 202611);
}
