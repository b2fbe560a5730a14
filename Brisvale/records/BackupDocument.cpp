#include "Brisvale/records/BackupDocument.h"

#include "Brisvale/records/BackupFieldReader.h"
#include "Brisvale/records/JsonText.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/records/ReadingRange.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

// Indentation of the members of a profile and of a reading.
constexpr char profileIndent[] = "    ";
constexpr char readingIndent[] = "        ";

constexpr qint32 defaultZonePlan = static_cast<qint32>(PeakFlowMath::ZonePlan::eightySixty);
constexpr qint32 lastZonePlan = static_cast<qint32>(PeakFlowMath::ZonePlan::eightyFifty);

QString profilePlace(qsizetype index)
{
    return QStringLiteral("profile %1").arg(index + 1);
}

QString readingPlace(qsizetype profileIndex, qsizetype readingIndex)
{
    return QStringLiteral("profile %1, reading %2").arg(profileIndex + 1).arg(readingIndex + 1);
}

void openMember(QByteArray& out, const char* indent, const char* key)
{
    out += indent;
    out += '"';
    out += key;
    out += "\" : ";
}

void appendBool(QByteArray& out, bool value)
{
    out += value ? "true" : "false";
}

bool appendOptionalDate(QByteArray& out, const std::optional<Timestamp>& date)
{
    if (!date) {
        out += "null";
        return true;
    }
    return JsonText::appendDouble(out, date->seconds);
}

void appendOptionalString(QByteArray& out, const std::optional<QString>& text)
{
    if (text) {
        JsonText::appendString(out, *text);
    } else {
        out += "null";
    }
}

// Appends one reading object; answers the key of a value without JSON form, or nullptr.
const char* writeReading(QByteArray& out, const Decode_PFM& reading)
{
    out += "      {\n";
    openMember(out, readingIndent, "fev1Value");
    if (!JsonText::appendFloat(out, reading.fev1Value)) {
        return "fev1Value";
    }
    out += ",\n";
    openMember(out, readingIndent, "measureDate");
    if (!appendOptionalDate(out, reading.measureDate)) {
        return "measureDate";
    }
    out += ",\n";
    openMember(out, readingIndent, "note");
    appendOptionalString(out, reading.note);
    out += ",\n";
    openMember(out, readingIndent, "pefValue");
    JsonText::appendInt32(out, reading.pefValue);
    out += "\n      }";
    return nullptr;
}

// Appends the members of a profile up to "pfmInfo"; answers the key of a value without JSON
// form, or nullptr.
const char* writeProfileAttributes(QByteArray& out, const Decode_Profile& profile)
{
    openMember(out, profileIndent, "accountID_cloud");
    JsonText::appendInt32(out, profile.accountID_cloud);
    out += ",\n";
    openMember(out, profileIndent, "best_Value");
    JsonText::appendInt32(out, profile.best_Value);
    out += ",\n";
    openMember(out, profileIndent, "best_Value_Type");
    appendBool(out, profile.best_Value_Type);
    out += ",\n";
    openMember(out, profileIndent, "birthday");
    if (!appendOptionalDate(out, profile.birthday)) {
        return "birthday";
    }
    out += ",\n";
    openMember(out, profileIndent, "date_format");
    JsonText::appendInt32(out, profile.date_format);
    out += ",\n";
    openMember(out, profileIndent, "email");
    appendOptionalString(out, profile.email);
    out += ",\n";
    openMember(out, profileIndent, "gender");
    appendBool(out, profile.gender);
    out += ",\n";
    openMember(out, profileIndent, "height");
    if (!JsonText::appendFloat(out, profile.height)) {
        return "height";
    }
    out += ",\n";
    openMember(out, profileIndent, "name");
    appendOptionalString(out, profile.name);
    out += ",\n";
    openMember(out, profileIndent, "region");
    appendBool(out, profile.region);
    out += ",\n";
    openMember(out, profileIndent, "time_format");
    appendBool(out, profile.time_format);
    out += ",\n";
    openMember(out, profileIndent, "unit_type");
    appendBool(out, profile.unit_type);
    out += ",\n";
    openMember(out, profileIndent, "weight");
    if (!JsonText::appendFloat(out, profile.weight)) {
        return "weight";
    }
    out += ",\n";
    // Only a chosen plan is written, so that a backup of default profiles stays as it always was.
    if (profile.zone_Plan != defaultZonePlan) {
        openMember(out, profileIndent, "zone_Plan");
        JsonText::appendInt32(out, profile.zone_Plan);
        out += ",\n";
    }
    return nullptr;
}

// Appends one profile object with its readings; false, with `error` set, when a value has no
// JSON form.
bool writeProfile(QByteArray& out, const Decode_Profile& profile, qsizetype index, QString& error)
{
    out += "  {\n";
    if (const char* key = writeProfileAttributes(out, profile)) {
        error = QStringLiteral("%1: \"%2\" is not a finite number").arg(profilePlace(index),
                                                                      QLatin1StringView(key));
        return false;
    }
    openMember(out, profileIndent, "pfmInfo");
    out += profile.pfmInfo.isEmpty() ? "[]" : "[\n";
    for (qsizetype i = 0; i < profile.pfmInfo.size(); ++i) {
        if (const char* key = writeReading(out, profile.pfmInfo[i])) {
            error = QStringLiteral("%1: \"%2\" is not a finite number")
                        .arg(readingPlace(index, i), QLatin1StringView(key));
            return false;
        }
        out += i + 1 < profile.pfmInfo.size() ? ",\n" : "\n    ]";
    }
    out += "\n  }";
    return true;
}

std::optional<Decode_PFM> readReading(const QJsonValue& value, qsizetype profileIndex,
                                      qsizetype index, QString& error)
{
    if (!value.isObject()) {
        error = readingPlace(profileIndex, index) + QStringLiteral(": is not an object");
        return std::nullopt;
    }
    BackupFieldReader fields(value.toObject());
    Decode_PFM reading;
    reading.fev1Value = fields.singleFloat("fev1Value"_L1);
    reading.measureDate = fields.optionalDate("measureDate"_L1);
    reading.note = fields.optionalString("note"_L1);
    reading.pefValue = fields.int32("pefValue"_L1);
    if (!fields.ok()) {
        error = readingPlace(profileIndex, index) + QStringLiteral(": ") + fields.error();
        return std::nullopt;
    }
    return reading;
}

// Whether a meter can give the reading's values, on a date a calendar shows. A reading without a
// date is no reading the store can hold either.
bool measurable(const Decode_PFM& reading)
{
    return ReadingRange::holdsPef(reading.pefValue) && ReadingRange::holdsFev1(reading.fev1Value)
        && reading.measureDate && ReadingRange::holdsDate(*reading.measureDate);
}

// Every field of the profile but its readings.
Decode_Profile readProfileAttributes(BackupFieldReader& fields)
{
    Decode_Profile profile;
    profile.accountID_cloud = fields.int32("accountID_cloud"_L1);
    profile.best_Value = fields.int32("best_Value"_L1);
    profile.best_Value_Type = fields.boolean("best_Value_Type"_L1);
    profile.birthday = fields.date("birthday"_L1);
    // A birthday that no date picker shows could be stored, but never seen nor edited.
    fields.require(ReadingRange::holdsDate(*profile.birthday), "birthday"_L1,
                   QStringLiteral("is not a date within the years %1 to %2")
                       .arg(ReadingRange::firstYear)
                       .arg(ReadingRange::lastYear));
    profile.date_format = fields.int32("date_format"_L1);
    profile.email = fields.string("email"_L1);
    profile.gender = fields.boolean("gender"_L1);
    profile.height = fields.singleFloat("height"_L1);
    profile.name = fields.optionalString("name"_L1);
    profile.region = fields.boolean("region"_L1);
    profile.time_format = fields.boolean("time_format"_L1);
    profile.unit_type = fields.boolean("unit_type"_L1);
    profile.weight = fields.singleFloat("weight"_L1);
    profile.zone_Plan = fields.optionalInt32("zone_Plan"_L1, defaultZonePlan, lastZonePlan,
                                             defaultZonePlan);
    return profile;
}

// The profile with the readings a meter can give; each other reading is left out and counted in
// `leftOut`, so that one impossible reading that an older store held costs no more than itself.
std::optional<Decode_Profile> readProfile(const QJsonValue& value, qsizetype index,
                                          qsizetype& leftOut, QString& error)
{
    if (!value.isObject()) {
        error = profilePlace(index) + QStringLiteral(": is not an object");
        return std::nullopt;
    }
    BackupFieldReader fields(value.toObject());
    Decode_Profile profile = readProfileAttributes(fields);
    const QJsonArray readings = fields.array("pfmInfo"_L1);
    if (!fields.ok()) {
        error = profilePlace(index) + QStringLiteral(": ") + fields.error();
        return std::nullopt;
    }
    profile.pfmInfo.reserve(readings.size());
    for (qsizetype i = 0; i < readings.size(); ++i) {
        std::optional<Decode_PFM> reading = readReading(readings[i], index, i, error);
        if (!reading) {
            return std::nullopt;
        }
        if (!measurable(*reading)) {
            ++leftOut;
            continue;
        }
        profile.pfmInfo.append(*std::move(reading));
    }
    return profile;
}

template <typename Result>
std::optional<Result> fail(QString* error, const QString& message)
{
    if (error) {
        *error = message;
    }
    return std::nullopt;
}

}

std::optional<QByteArray> BackupDocument::write(const QList<Decode_Profile>& profiles,
                                                QString* error)
{
    if (profiles.isEmpty()) {
        return QByteArray("[]");
    }
    QByteArray out = "[\n";
    QString failure;
    for (qsizetype i = 0; i < profiles.size(); ++i) {
        if (!writeProfile(out, profiles[i], i, failure)) {
            return fail<QByteArray>(error, failure);
        }
        out += i + 1 < profiles.size() ? ",\n" : "\n]";
    }
    return out;
}

std::optional<QList<Decode_Profile>> BackupDocument::read(const QByteArray& written,
                                                          QString* error, qsizetype* leftOut)
{
    const QByteArray document = JsonText::escapeByteOrderMarks(written);
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(document, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return fail<QList<Decode_Profile>>(
            error, QStringLiteral("not JSON: %1 at offset %2")
                       .arg(parseError.errorString())
                       .arg(parseError.offset));
    }
    if (const std::optional<QString> key = JsonText::repeatedKey(document)) {
        return fail<QList<Decode_Profile>>(
            error, QStringLiteral("the key \"%1\" stands twice in one object").arg(*key));
    }
    if (!json.isArray()) {
        return fail<QList<Decode_Profile>>(error, QStringLiteral("the document is not an array"));
    }
    const QJsonArray array = json.array();
    QList<Decode_Profile> profiles;
    profiles.reserve(array.size());
    QString failure;
    qsizetype leftOutReadings = 0;
    for (qsizetype i = 0; i < array.size(); ++i) {
        std::optional<Decode_Profile> profile = readProfile(array[i], i, leftOutReadings, failure);
        if (!profile) {
            return fail<QList<Decode_Profile>>(error, failure);
        }
        profiles.append(*std::move(profile));
    }
    if (leftOut) {
        *leftOut = leftOutReadings;
    }
    return profiles;
}

QString BackupDocument::fileName(const QDateTime& moment)
{
    return QStringLiteral("Export_QFDB_")
        + QLocale::c().toString(moment.toLocalTime(), QStringLiteral("yyyyMMddHHmmss"))
        + QStringLiteral(".bak");
}
