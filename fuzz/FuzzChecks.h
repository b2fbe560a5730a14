#pragma once

#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/records/MeterReplyReader.h"
#include "Brisvale/records/ReadingRange.h"
#include "TavrendelPFMSDK/TavrendelPFMKey.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QVariantMap>
#include <cmath>

// What the two inputs from outside, a backup file and a meter reply, must never do to the readers
// that take them. The fuzz targets feed every input they make through these checks and stop on
// the first problem; the test suite replays the seed files through the same checks. Each check
// answers the problem it found, or an empty text.
namespace FuzzChecks {

// Whether every date of the records is one a calendar shows and every reading one a meter gives.
inline bool measurable(const QList<Decode_Profile>& records)
{
    const auto shown = [](const std::optional<Timestamp>& date) { return !date || ReadingRange::holdsDate(*date); };
    for (const Decode_Profile& profile : records) {
        if (!shown(profile.birthday)) {
            return false;
        }
        for (const Decode_PFM& reading : profile.pfmInfo) {
            if (!ReadingRange::holdsPef(reading.pefValue) || !ReadingRange::holdsFev1(reading.fev1Value)
                || !shown(reading.measureDate)) {
                return false;
            }
        }
    }
    return true;
}

// How many readings the records hold, and how many reading objects an accepted document's text
// holds, read apart from the reader under test.
inline qsizetype readingsOf(const QList<Decode_Profile>& records)
{
    qsizetype count = 0;
    for (const Decode_Profile& profile : records) {
        count += profile.pfmInfo.size();
    }
    return count;
}

inline qsizetype readingsInText(const QByteArray& bytes)
{
    qsizetype count = 0;
    for (const QJsonValue& profile : QJsonDocument::fromJson(bytes).array()) {
        count += profile.toObject().value(QLatin1StringView("pfmInfo")).toArray().size();
    }
    return count;
}

// The bytes of a backup file, decoded as the import decodes them. A refused document must say
// why (the import then changes nothing: it merges only a document decoded whole). An accepted one
// must hold only readings a meter can give, having left out and counted each other one, and write
// back and read back as the same records: a text or a number that the store or a later export
// could not keep as it is would otherwise be merged altered, and match nothing when the same file
// is imported again.
inline QString backupDocument(const QByteArray& bytes)
{
    QString error;
    qsizetype leftOut = -1;
    const std::optional<QList<Decode_Profile>> records = BackupDocument::read(bytes, &error, &leftOut);
    if (!records) {
        return error.isEmpty() ? QStringLiteral("refused without a reason") : QString();
    }
    if (!measurable(*records)) {
        return QStringLiteral("accepted with a value no meter gives or a date no calendar shows");
    }
    if (leftOut < 0 || readingsOf(*records) + leftOut != readingsInText(bytes)) {
        return QStringLiteral("accepted with readings lost or added beside the ones left out");
    }
    const std::optional<QByteArray> written = BackupDocument::write(*records, &error);
    if (!written) {
        return QStringLiteral("accepted, but cannot be written back: ") + error;
    }
    if (BackupDocument::read(*written) != records) {
        return QStringLiteral("accepted, but does not read back as the same records");
    }
    return QString();
}

inline QString clockReply(const QVariantMap& reply)
{
    const MeterReplyRead<QDateTime> clock = MeterReplyReader::readClock(reply);
    if (!clock.value) {
        return clock.fault.isEmpty() ? QStringLiteral("clock refused without a reason") : QString();
    }
    return clock.value->isValid() ? QString() : QStringLiteral("clock accepted without a date");
}

inline QString memoryReply(const QVariantMap& reply)
{
    const MeterReplyRead<MeterMemory> memory = MeterReplyReader::readMemory(reply);
    if (!memory.value) {
        return memory.fault.isEmpty() ? QStringLiteral("memory refused without a reason") : QString();
    }
    if (memory.value->readings.size() + memory.value->unreadable != memory.value->count) {
        return QStringLiteral("memory accepted with entries lost or added");
    }
    for (const MeterReading& reading : memory.value->readings) {
        if (!ReadingRange::holdsDate(reading.measureDate) || reading.measureDate.time().second() != 0
            || !ReadingRange::holdsPef(reading.pef) || !ReadingRange::holdsFev1(reading.fev1)) {
            return QStringLiteral("memory accepted with a reading that is not one");
        }
    }
    return QString();
}

inline QString bestValueReply(const QVariantMap& reply)
{
    const std::optional<double> number = MeterReplyReader::number(reply.value(TavrendelPFMKey::BestValue));
    if (!number) {
        return QString();
    }
    const std::optional<qint32> value = MeterReplyReader::truncatedInt32(*number);
    if (value && std::fabs(static_cast<double>(*value) - std::trunc(*number)) > 0.0) {
        return QStringLiteral("best value truncated to another number");
    }
    return QString();
}

// A meter reply as JSON text, made a reply dictionary (JSON objects become maps, arrays lists,
// integers 64-bit integers, other numbers doubles) and handed to the reader of every command that
// answers with one: clock, memory and best value. A refused reply must say why (the dialogue then
// acts on nothing of it); an accepted one must hold what the reader promises. Text that is not a
// JSON object is no reply: the meter library hands over dictionaries only.
inline QString meterReply(const QByteArray& bytes)
{
    const QJsonDocument json = QJsonDocument::fromJson(bytes);
    if (!json.isObject()) {
        return QString();
    }
    const QVariantMap reply = json.object().toVariantMap();
    QString problem = clockReply(reply);
    if (problem.isEmpty()) {
        problem = memoryReply(reply);
    }
    return problem.isEmpty() ? bestValueReply(reply) : problem;
}

}
