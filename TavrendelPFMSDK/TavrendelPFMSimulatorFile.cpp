#include "TavrendelPFMSDK/TavrendelPFMSimulatorFile.h"

#include "TavrendelPFMSDK/TavrendelPFMCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// A description is a few kilobytes; anything far larger is not one.
constexpr qint64 largestFile = 16 * 1024 * 1024;

// A meter's clock is never set further than a century from the computer's.
constexpr double largestOffset = 100.0 * 365.25 * 24 * 60 * 60;

const QStringList topKeys{QStringLiteral("connected"), QStringLiteral("clockOffsetSeconds"),
                          QStringLiteral("bestValue"), QStringLiteral("readings"),
                          QStringLiteral("fail"), QStringLiteral("log")};

const QStringList readingKeys{QStringLiteral("PEF"), QStringLiteral("FEV1"), QStringLiteral("year"),
                              QStringLiteral("month"), QStringLiteral("day"), QStringLiteral("hour"),
                              QStringLiteral("minute")};

// Collects the first problem found; every reader stops once there is one.
class Checker {
public:
    bool ok() const { return problem.isEmpty(); }
    const QString& reason() const { return problem; }

    void reject(const QString& reason)
    {
        if (problem.isEmpty()) {
            problem = reason;
        }
    }

    // A whole number within [lowest, highest], checked before any conversion.
    std::optional<double> wholeNumber(const QJsonValue& value, const QString& where, double lowest,
                                      double highest)
    {
        const double number = value.toDouble();
        if (!value.isDouble() || !std::isfinite(number) || number != std::floor(number) || number < lowest
            || number > highest) {
            reject(QStringLiteral("%1 must be a whole number from %2 to %3")
                       .arg(where, QString::number(lowest, 'f', 0), QString::number(highest, 'f', 0)));
            return std::nullopt;
        }
        return number;
    }

    int integer(const QJsonValue& value, const QString& where)
    {
        const auto number = wholeNumber(value, where, std::numeric_limits<qint32>::min(),
                                        std::numeric_limits<qint32>::max());
        return number ? static_cast<int>(*number) : 0;
    }

    void onlyKeys(const QJsonObject& object, const QStringList& allowed, const QString& where)
    {
        for (const QString& key : object.keys()) {
            if (!allowed.contains(key)) {
                reject(QStringLiteral("%1 has the unknown key \"%2\"").arg(where, key));
            }
        }
    }

private:
    QString problem;
};

TavrendelPFMReading readReading(const QJsonValue& value, const QString& where, Checker& check)
{
    if (!value.isObject()) {
        check.reject(QStringLiteral("%1 must be an object").arg(where));
        return {};
    }
    const QJsonObject object = value.toObject();
    check.onlyKeys(object, readingKeys, where);
    for (const QString& key : readingKeys) {
        if (!object.contains(key)) {
            check.reject(QStringLiteral("%1 lacks \"%2\"").arg(where, key));
        }
    }
    const auto field = [&](const char* key) { return QStringLiteral("%1.\"%2\"").arg(where, QLatin1String(key)); };
    TavrendelPFMReading reading;
    reading.pef = check.integer(object.value(QLatin1String("PEF")), field("PEF"));
    const QJsonValue fev1 = object.value(QLatin1String("FEV1"));
    if (!fev1.isDouble() || !std::isfinite(fev1.toDouble()) || std::fabs(fev1.toDouble()) > 1000.0) {
        check.reject(QStringLiteral("%1 must be a number of litres").arg(field("FEV1")));
    } else {
        reading.fev1 = static_cast<float>(fev1.toDouble());
    }
    reading.year = check.integer(object.value(QLatin1String("year")), field("year"));
    reading.month = check.integer(object.value(QLatin1String("month")), field("month"));
    reading.day = check.integer(object.value(QLatin1String("day")), field("day"));
    reading.hour = check.integer(object.value(QLatin1String("hour")), field("hour"));
    reading.minute = check.integer(object.value(QLatin1String("minute")), field("minute"));
    return reading;
}

QList<TavrendelPFMReading> readReadings(const QJsonValue& value, Checker& check)
{
    QList<TavrendelPFMReading> readings;
    if (!value.isArray()) {
        check.reject(QStringLiteral("\"readings\" must be a list"));
        return readings;
    }
    const QJsonArray entries = value.toArray();
    for (qsizetype index = 0; index < entries.size() && check.ok(); ++index) {
        readings.append(readReading(entries.at(index), QStringLiteral("\"readings\"[%1]").arg(index), check));
    }
    return readings;
}

QList<qint64> readFailures(const QJsonValue& value, Checker& check)
{
    QList<qint64> commands;
    if (!value.isArray()) {
        check.reject(QStringLiteral("\"fail\" must be a list of command names"));
        return commands;
    }
    for (const QJsonValue& entry : value.toArray()) {
        const qint64 command = TavrendelPFMCommand::fromName(entry.toString());
        if (!entry.isString()) {
            check.reject(QStringLiteral("\"fail\" must hold command names such as \"Memory_Clear\""));
        } else if (command == TavrendelPFMCommand::None) {
            check.reject(QStringLiteral("\"fail\" names the unknown command \"%1\"").arg(entry.toString()));
        } else {
            commands.append(command);
        }
    }
    return commands;
}

QString readLogPath(const QJsonValue& value, const QString& folder, Checker& check)
{
    if (!value.isString() || value.toString().isEmpty()) {
        check.reject(QStringLiteral("\"log\" must be the name of a file"));
        return {};
    }
    return QDir(folder).absoluteFilePath(value.toString());
}

void readSettings(const QJsonObject& description, TavrendelPFMSimulator& meter, Checker& check)
{
    const QJsonValue connected = description.value(QLatin1String("connected"));
    if (!connected.isUndefined()) {
        if (!connected.isBool()) {
            check.reject(QStringLiteral("\"connected\" must be true or false"));
        } else if (!connected.toBool()) {
            meter.disconnectMeter();
        }
    }
    const QJsonValue offset = description.value(QLatin1String("clockOffsetSeconds"));
    if (!offset.isUndefined()) {
        const auto seconds = check.wholeNumber(offset, QStringLiteral("\"clockOffsetSeconds\""), -largestOffset,
                                               largestOffset);
        meter.setClockOffset(seconds ? static_cast<qint64>(*seconds) : 0);
    }
    const QJsonValue best = description.value(QLatin1String("bestValue"));
    if (!best.isUndefined()) {
        meter.setBestValue(check.integer(best, QStringLiteral("\"bestValue\"")));
    }
}

}

std::shared_ptr<TavrendelPFMSimulator> TavrendelPFMSimulatorFile::load(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("it cannot be read (%1)").arg(file.errorString());
        return nullptr;
    }
    if (file.size() > largestFile) {
        error = QStringLiteral("it is larger than %1 bytes").arg(largestFile);
        return nullptr;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = QStringLiteral("it is not valid JSON (%1 at byte %2)").arg(parse.errorString()).arg(parse.offset);
        return nullptr;
    }
    if (!document.isObject()) {
        error = QStringLiteral("it must hold one JSON object");
        return nullptr;
    }
    return fromJson(document.object(), QFileInfo(path).absolutePath(), error);
}

std::shared_ptr<TavrendelPFMSimulator> TavrendelPFMSimulatorFile::fromJson(const QJsonObject& description,
                                                                           const QString& folder, QString& error)
{
    Checker check;
    check.onlyKeys(description, topKeys, QStringLiteral("the description"));
    auto meter = std::make_shared<TavrendelPFMSimulator>();
    readSettings(description, *meter, check);
    if (description.contains(QLatin1String("readings"))) {
        meter->setReadings(readReadings(description.value(QLatin1String("readings")), check));
    }
    if (description.contains(QLatin1String("fail"))) {
        for (const qint64 command : readFailures(description.value(QLatin1String("fail")), check)) {
            meter->setFailing(command, true);
        }
    }
    if (description.contains(QLatin1String("log"))) {
        meter->setLogFile(readLogPath(description.value(QLatin1String("log")), folder, check));
    }
    if (!check.ok()) {
        error = check.reason();
        return nullptr;
    }
    return meter;
}
