#include "Brisvale/records/BackupDocument.h"

#include "support/CodeUnits.h"
#include "support/QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cfloat>
#include <functional>
#include <iomanip>
#include <ostream>
#include <type_traits>
#include <limits>

#include <gtest/gtest.h>

// Readable failures for the records.
template <typename T>
void printOptional(const std::optional<T>& value, std::ostream* os)
{
    if (!value) {
        *os << "null";
    } else if constexpr (std::is_same_v<T, QString>) {
        *os << '"' << value->toStdString() << '"';
    } else {
        *os << std::setprecision(17) << value->seconds;
    }
}

void PrintTo(const Decode_PFM& reading, std::ostream* os)
{
    *os << "{fev1 " << std::setprecision(9) << reading.fev1Value << ", date ";
    printOptional(reading.measureDate, os);
    *os << ", note ";
    printOptional(reading.note, os);
    *os << ", pef " << reading.pefValue << '}';
}

void PrintTo(const Decode_Profile& profile, std::ostream* os)
{
    *os << "{account " << profile.accountID_cloud << ", best " << profile.best_Value << '/'
        << profile.best_Value_Type << ", birthday ";
    printOptional(profile.birthday, os);
    *os << ", date format " << profile.date_format << ", email ";
    printOptional(profile.email, os);
    *os << ", gender " << profile.gender << ", height " << std::setprecision(9) << profile.height
        << ", name ";
    printOptional(profile.name, os);
    *os << ", region " << profile.region << ", time " << profile.time_format << ", unit "
        << profile.unit_type << ", weight " << profile.weight << ", plan " << profile.zone_Plan
        << ", readings [";
    for (const Decode_PFM& reading : profile.pfmInfo) {
        PrintTo(reading, os);
    }
    *os << "]}";
}

namespace {

Decode_PFM reading(float fev1, std::optional<Timestamp> date, const std::optional<QString>& note,
                   qint32 pef)
{
    Decode_PFM made;
    made.fev1Value = fev1;
    made.measureDate = date;
    if (note) {
        made.note = *note;
    }
    made.pefValue = pef;
    return made;
}

Decode_Profile sampleProfile()
{
    Decode_Profile profile;
    profile.accountID_cloud = 7;
    profile.best_Value = 520;
    profile.best_Value_Type = true;
    profile.birthday = Timestamp{-315619200.0};
    profile.date_format = 2;
    profile.email = QStringLiteral("anna@example.org");
    profile.gender = true;
    profile.height = 172.5f;
    profile.name = QStringLiteral("Anna");
    profile.region = false;
    profile.time_format = true;
    profile.unit_type = true;
    profile.weight = 61.3f;
    profile.pfmInfo = {reading(3.45f, Timestamp{86400.0}, std::nullopt, 450),
                       reading(2.3f, Timestamp{86400.25}, QStringLiteral("after run"), 380)};
    return profile;
}

std::optional<QList<Decode_Profile>> readText(const QByteArray& text, QString* error = nullptr)
{
    return BackupDocument::read(text, error);
}

QJsonObject validReadingObject()
{
    return QJsonObject{
        {"fev1Value", 3.45}, {"measureDate", 86400}, {"note", "ok"}, {"pefValue", 450}};
}

QJsonObject validProfileObject()
{
    return QJsonObject{{"accountID_cloud", 0},   {"best_Value", 500},    {"best_Value_Type", false},
                       {"birthday", -315619200}, {"date_format", 0},     {"email", "a@b.c"},
                       {"gender", false},        {"height", 180},        {"name", "A"},
                       {"region", true},         {"time_format", false}, {"unit_type", true},
                       {"weight", 80.5},         {"pfmInfo", QJsonArray{validReadingObject()}}};
}

QByteArray documentOf(const QJsonObject& profile)
{
    return QJsonDocument(QJsonArray{profile}).toJson();
}

}

// --- writing ---------------------------------------------------------------------------------

TEST(BackupDocumentWrite, WritesTheWholeDocumentInItsFixedLayout)
{
    Decode_Profile second;
    second.pfmInfo.clear();
    const std::optional<QByteArray> document = BackupDocument::write({sampleProfile(), second});
    ASSERT_TRUE(document);
    EXPECT_EQ(document->toStdString(), R"([
  {
    "accountID_cloud" : 7,
    "best_Value" : 520,
    "best_Value_Type" : true,
    "birthday" : -315619200,
    "date_format" : 2,
    "email" : "anna@example.org",
    "gender" : true,
    "height" : 172.5,
    "name" : "Anna",
    "region" : false,
    "time_format" : true,
    "unit_type" : true,
    "weight" : 61.3,
    "pfmInfo" : [
      {
        "fev1Value" : 3.45,
        "measureDate" : 86400,
        "note" : null,
        "pefValue" : 450
      },
      {
        "fev1Value" : 2.3,
        "measureDate" : 86400.25,
        "note" : "after run",
        "pefValue" : 380
      }
    ]
  },
  {
    "accountID_cloud" : 0,
    "best_Value" : 0,
    "best_Value_Type" : false,
    "birthday" : null,
    "date_format" : 0,
    "email" : null,
    "gender" : false,
    "height" : 0,
    "name" : null,
    "region" : false,
    "time_format" : false,
    "unit_type" : false,
    "weight" : 0,
    "pfmInfo" : []
  }
])");
}

TEST(BackupDocumentWrite, KeysStandInTheirFixedOrderNotSorted)
{
    const QByteArray document = BackupDocument::write({sampleProfile()}).value();
    const char* profileKeys[] = {"accountID_cloud", "best_Value", "best_Value_Type", "birthday",
                                 "date_format",     "email",      "gender",          "height",
                                 "name",            "region",     "time_format",     "unit_type",
                                 "weight",          "pfmInfo"};
    const char* readingKeys[] = {"fev1Value", "measureDate", "note", "pefValue"};
    qsizetype previous = -1;
    for (const char* key : profileKeys) {
        const qsizetype at = document.indexOf(QByteArray("\"") + key + "\" :");
        EXPECT_GT(at, previous) << key;
        previous = at;
    }
    for (const char* key : readingKeys) {
        const qsizetype at = document.indexOf(QByteArray("\"") + key + "\" :", previous);
        EXPECT_GT(at, previous) << key;
        previous = at;
    }
    // Sorted keys would put "pfmInfo" before "region".
    EXPECT_LT(document.indexOf("\"region\""), document.indexOf("\"pfmInfo\""));
}

TEST(BackupDocumentWrite, DatesAreSecondsSince2001WithFullPrecision)
{
    const QDateTime secondDay(QDate(2001, 1, 2), QTime(0, 0), Qt::UTC);
    Decode_Profile profile = sampleProfile();
    profile.pfmInfo = {reading(1.0f, Timestamp::fromDateTime(secondDay), std::nullopt, 1),
                       reading(1.0f, Timestamp{732000000.000123}, std::nullopt, 1)};
    const QByteArray document = BackupDocument::write({profile}).value();
    EXPECT_TRUE(document.contains("\"measureDate\" : 86400,\n"));
    EXPECT_TRUE(document.contains("\"measureDate\" : 732000000.000123,\n"));
    EXPECT_FALSE(document.contains("86400.0"));
}

TEST(BackupDocumentWrite, AbsentValuesAreNullWithTheirKeysPresent)
{
    Decode_Profile profile = sampleProfile();
    profile.birthday.reset();
    profile.email.reset();
    profile.name.reset();
    profile.pfmInfo = {reading(1.5f, std::nullopt, std::nullopt, 300)};
    const QByteArray document = BackupDocument::write({profile}).value();
    for (const char* line : {"\"birthday\" : null,", "\"email\" : null,", "\"name\" : null,",
                             "\"measureDate\" : null,", "\"note\" : null,"}) {
        EXPECT_TRUE(document.contains(line)) << line;
    }
}

TEST(BackupDocumentWrite, AnEmptyStoreIsAnEmptyArray)
{
    EXPECT_EQ(BackupDocument::write({}), QByteArray("[]"));
    EXPECT_EQ(readText("[]"), QList<Decode_Profile>());
}

TEST(BackupDocumentWrite, QuotesNewlinesAndUnicodeInTextsAreEscapedAndReadBack)
{
    Decode_Profile profile = sampleProfile();
    profile.name = QStringLiteral("Zoë \"Z\" 張");
    profile.email = QStringLiteral("z/o\\e@example.org");
    profile.pfmInfo[0].note = QStringLiteral("line 1\nline 2\t\"tired\" 😀 \u0001");
    const QByteArray document = BackupDocument::write({profile}).value();
    EXPECT_TRUE(document.contains(QStringLiteral("\"name\" : \"Zoë \\\"Z\\\" 張\"").toUtf8()));
    EXPECT_TRUE(document.contains(R"("email" : "z/o\\e@example.org")"));
    EXPECT_TRUE(document.contains(
        QStringLiteral(R"("note" : "line 1\nline 2\t\"tired\" 😀 \u0001")").toUtf8()));
    EXPECT_EQ(readText(document), QList<Decode_Profile>{profile});
}

TEST(BackupDocumentWrite, ANonFiniteValueMakesTheWholeDocumentImpossible)
{
    struct Case {
        const char* label;
        std::function<void(QList<Decode_Profile>&)> spoil;
        const char* error;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {"height", [&](auto& p) { p[0].height = nan; },
         R"(profile 1: "height" is not a finite number)"},
        {"weight", [&](auto& p) { p[1].weight = -inf; },
         R"(profile 2: "weight" is not a finite number)"},
        {"birthday", [&](auto& p) { p[1].birthday = Timestamp{std::nan("")}; },
         R"(profile 2: "birthday" is not a finite number)"},
        {"fev1Value", [&](auto& p) { p[1].pfmInfo[1].fev1Value = inf; },
         R"(profile 2, reading 2: "fev1Value" is not a finite number)"},
        {"measureDate", [&](auto& p) { p[0].pfmInfo[0].measureDate = Timestamp{HUGE_VAL}; },
         R"(profile 1, reading 1: "measureDate" is not a finite number)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QList<Decode_Profile> profiles{sampleProfile(), sampleProfile()};
        c.spoil(profiles);
        QString error;
        EXPECT_EQ(BackupDocument::write(profiles, &error), std::nullopt);
        EXPECT_EQ(error, QString::fromUtf8(c.error));
        EXPECT_EQ(BackupDocument::write(profiles), std::nullopt);
    }
}

// --- round trip ------------------------------------------------------------------------------

TEST(BackupDocumentRoundTrip, ReadingBackGivesEqualRecords)
{
    Decode_Profile first = sampleProfile();
    first.pfmInfo.append(reading(20.0f, Timestamp{732000000.0001234}, QString(), 999));
    first.pfmInfo.append(reading(0.01f, Timestamp{-0.000001}, QStringLiteral("ü"), 1));
    first.pfmInfo.append(reading(0.1f, std::nullopt, std::nullopt, 950));
    Decode_Profile second = sampleProfile();
    second.name.reset();
    second.email = QStringLiteral("ben@example.org");
    second.height = 5.9166665f;
    second.weight = 154.32f;
    second.birthday = Timestamp{123456789.987654321};
    second.pfmInfo.clear();
    const QList<Decode_Profile> profiles{first, second};

    const std::optional<QList<Decode_Profile>> back =
        readText(BackupDocument::write(profiles).value());
    ASSERT_TRUE(back);
    // The reading without a date is written with a null one, and left out when read.
    QList<Decode_Profile> dated = profiles;
    dated[0].pfmInfo.removeLast();
    EXPECT_EQ(*back, dated);
    EXPECT_EQ(back->at(0).pfmInfo[2].measureDate, Timestamp{732000000.0001234});
    EXPECT_EQ(back->at(0).pfmInfo[0].fev1Value, 3.45f);
    EXPECT_EQ(back->at(0).pfmInfo[1].fev1Value, 2.3f);
}

TEST(BackupDocumentRoundTrip, AZonePlanIsWrittenAfterTheWeightOnlyWhenChosen)
{
    const QByteArray defaultDocument = BackupDocument::write({sampleProfile()}).value();
    const struct {
        qint32 plan;
        QByteArray written; // what stands between the weight and the readings
    } cases[] = {
        {0, ""},
        {1, "    \"zone_Plan\" : 1,\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.plan);
        Decode_Profile profile = sampleProfile();
        profile.zone_Plan = test.plan;
        const QByteArray document = BackupDocument::write({profile}).value();
        QByteArray expected = defaultDocument;
        expected.replace("\"weight\" : 61.3,\n", "\"weight\" : 61.3,\n" + test.written);
        EXPECT_EQ(document, expected);
        EXPECT_EQ(readText(document), QList<Decode_Profile>{profile});
    }
}

// --- reading ---------------------------------------------------------------------------------

TEST(BackupDocumentRead, OptionalValuesMayBeNullOrMissing)
{
    QJsonObject profile = validProfileObject();
    profile.remove("name");
    QJsonObject noDate = validReadingObject();
    noDate.remove("measureDate");
    noDate.remove("note");
    QJsonObject nullDate = validReadingObject();
    nullDate["measureDate"] = QJsonValue::Null;
    nullDate["note"] = QJsonValue::Null;
    profile["pfmInfo"] = QJsonArray{noDate, nullDate, validReadingObject()};
    QJsonObject nullName = validProfileObject();
    nullName["name"] = QJsonValue::Null;
    nullName["zone_Plan"] = QJsonValue::Null;

    qsizetype leftOut = -1;
    const std::optional<QList<Decode_Profile>> back = BackupDocument::read(
        QJsonDocument(QJsonArray{profile, nullName}).toJson(), nullptr, &leftOut);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->at(0).name, std::nullopt);
    EXPECT_EQ(back->at(1).name, std::nullopt);
    EXPECT_EQ(back->at(0).zone_Plan, 0);
    EXPECT_EQ(back->at(1).zone_Plan, 0);
    // A reading without a date is no reading the store can hold: it is left out and counted.
    EXPECT_EQ(leftOut, 2);
    ASSERT_EQ(back->at(0).pfmInfo.size(), 1);
    EXPECT_EQ(back->at(0).pfmInfo[0], reading(3.45f, Timestamp{86400}, QStringLiteral("ok"), 450));
    QJsonObject noNote = validReadingObject();
    noNote.remove("note");
    profile["pfmInfo"] = QJsonArray{noNote};
    EXPECT_EQ(readText(documentOf(profile)).value().at(0).pfmInfo[0],
              reading(3.45f, Timestamp{86400}, std::nullopt, 450));
}

// Texts read as the file spells them: U+FEFF at the start of a string, which a JSON reader
// drops there as a byte-order mark, is the text's own; one before the document is not. The
// e-mail's escapes leave the name and the note that follow it read as they are. Written again,
// each text reads back the same.
TEST(BackupDocumentRead, AByteOrderMarkInsideAStringIsPartOfTheText)
{
    const struct {
        const char* email; // as written inside the quotes
        QString text;
    } cases[] = {
        {"\xEF\xBB\xBF" "AB", codeUnits({0xFEFF, u'A', u'B'})},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" "AB", codeUnits({0xFEFF, 0xFEFF, u'A', u'B'})},
        {"A\xEF\xBB\xBF" "B", codeUnits({u'A', 0xFEFF, u'B'})},
        {"\\ufeffAB", codeUnits({0xFEFF, u'A', u'B'})},
        {"\xEF\xBF\xBE" "AB", codeUnits({0xFFFE, u'A', u'B'})},
        {"\\\"\xEF\xBB\xBF", codeUnits({u'"', 0xFEFF})},
        {"\\\\", codeUnits({u'\\'})},
        {"\\\\\\\"", codeUnits({u'\\', u'"'})},
    };
    const QString markFirst = codeUnits({0xFEFF, u'A', u'B'});
    QJsonObject profile = validProfileObject();
    profile["email"] = "EMAIL";
    profile["name"] = "TEXT";
    QJsonObject readingObject = validReadingObject();
    readingObject["note"] = "TEXT";
    profile["pfmInfo"] = QJsonArray{readingObject};
    const QByteArray layout =
        "\xEF\xBB\xBF" + documentOf(profile).replace("\"TEXT\"", "\"\xEF\xBB\xBF" "AB\"");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.email);
        QByteArray document = layout;
        document.replace("\"EMAIL\"", "\"" + QByteArray(c.email) + '"');
        const std::optional<QList<Decode_Profile>> back = readText(document);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->at(0).email, c.text);
        EXPECT_EQ(back->at(0).name, markFirst);
        EXPECT_EQ(back->at(0).pfmInfo.at(0).note, markFirst);
        EXPECT_EQ(readText(BackupDocument::write(*back).value()), back);
    }
}

TEST(BackupDocumentRead, ExtraKeysAreIgnoredAndKeyOrderDoesNotMatter)
{
    const QByteArray shuffled = R"([{
        "pfmInfo": [{"pefValue": 450, "note": "n", "extra": [1, 2], "measureDate": 86400,
                     "fev1Value": 3.45}],
        "weight": 80.5, "unit_type": true, "time_format": false, "region": true, "name": "A",
        "height": 180, "gender": false, "email": "a@b.c", "date_format": 0, "birthday": 5,
        "best_Value_Type": false, "best_Value": 500, "accountID_cloud": 0,
        "accountID": {"email": "x"}, "unknown": null
    }])";
    const std::optional<QList<Decode_Profile>> back = readText(shuffled);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 1);
    const Decode_Profile& profile = back->front();
    EXPECT_EQ(profile.best_Value, 500);
    EXPECT_EQ(profile.email, QStringLiteral("a@b.c"));
    EXPECT_EQ(profile.birthday, Timestamp{5});
    EXPECT_EQ(profile.height, 180.0f);
    EXPECT_EQ(profile.weight, 80.5f);
    EXPECT_TRUE(profile.region);
    EXPECT_TRUE(profile.unit_type);
    EXPECT_EQ(profile.pfmInfo,
              QList<Decode_PFM>{reading(3.45f, Timestamp{86400}, QStringLiteral("n"), 450)});
}

TEST(BackupDocumentRead, BothPlainAndEscapedSlashesAreAccepted)
{
    QByteArray plain = documentOf(validProfileObject());
    plain.replace("a@b.c", "a/b@c.d");
    QByteArray escaped = plain;
    escaped.replace("a/b@c.d", R"(a\/b@c.d)");
    ASSERT_NE(plain, escaped);
    EXPECT_EQ(readText(plain).value().front().email, QStringLiteral("a/b@c.d"));
    EXPECT_EQ(readText(escaped).value().front().email, QStringLiteral("a/b@c.d"));
}

TEST(BackupDocumentRead, NumbersAtTheEdgesOfTheirTypesAreAccepted)
{
    QByteArray text = documentOf(validProfileObject());
    // An integral value written with a fraction is still an integer.
    text.replace("\"best_Value\": 500", "\"best_Value\": 500.0");
    text.replace("\"accountID_cloud\": 0", "\"accountID_cloud\": -2147483648");
    text.replace("\"date_format\": 0", "\"date_format\": 2147483647");
    text.replace("\"height\": 180", "\"height\": 3.4028235e38");
    text.replace("\"weight\": 80.5", "\"weight\": 1e-50");
    const std::optional<QList<Decode_Profile>> back = readText(text);
    ASSERT_TRUE(back) << text.toStdString();
    EXPECT_EQ(back->front().best_Value, 500);
    EXPECT_EQ(back->front().accountID_cloud, std::numeric_limits<qint32>::min());
    EXPECT_EQ(back->front().date_format, std::numeric_limits<qint32>::max());
    EXPECT_EQ(back->front().height, FLT_MAX);
    EXPECT_EQ(back->front().weight, 0.0f);
}

namespace {

// One value spoiled in an otherwise valid document, and the refusal it must meet.
struct Refusal {
    bool inReading;
    const char* key;
    std::optional<QJsonValue> value; // none: the key is removed
    const char* problem;

    QString expectedError() const
    {
        return QStringLiteral("%1: \"%2\" %3")
            .arg(inReading ? QStringLiteral("profile 1, reading 2") : QStringLiteral("profile 1"),
                 QLatin1StringView(key), QLatin1StringView(problem));
    }
};

std::vector<Refusal> profileRefusals()
{
    std::vector<Refusal> list;
    const auto refuse = [&](const char* key, std::optional<QJsonValue> value, const char* problem) {
        list.push_back({false, key, std::move(value), problem});
    };
    for (const char* key : {"accountID_cloud", "best_Value", "best_Value_Type", "birthday",
                            "date_format", "email", "gender", "height", "region", "time_format",
                            "unit_type", "weight", "pfmInfo"}) {
        refuse(key, std::nullopt, "is missing");
        refuse(key, QJsonValue::Null, "is null");
    }
    for (const char* key : {"best_Value_Type", "gender", "region", "time_format", "unit_type"}) {
        refuse(key, 0, "is not true or false");
        refuse(key, 1, "is not true or false");
        refuse(key, "true", "is not true or false");
    }
    for (const char* key : {"accountID_cloud", "best_Value", "date_format"}) {
        refuse(key, 3000000000.0, "is not a 32-bit integer");
        refuse(key, -2147483649.0, "is not a 32-bit integer");
        refuse(key, 3.5, "is not a 32-bit integer");
        refuse(key, "450", "is not a number");
        refuse(key, true, "is not a number");
    }
    for (const char* key : {"height", "weight"}) {
        refuse(key, 1e39, "does not fit a float");
        refuse(key, -1e39, "does not fit a float");
        refuse(key, "180", "is not a number");
        refuse(key, QJsonArray{180}, "is not a number");
    }
    refuse("birthday", "86400", "is not a number");
    refuse("birthday", false, "is not a number");
    refuse("email", 5, "is not a string");
    refuse("email", QJsonObject{}, "is not a string");
    refuse("name", 5, "is not a string");
    refuse("name", false, "is not a string");
    refuse("zone_Plan", 2, "is not from 0 to 1");
    refuse("zone_Plan", -1, "is not from 0 to 1");
    refuse("zone_Plan", 0.5, "is not a 32-bit integer");
    refuse("zone_Plan", "1", "is not a number");
    refuse("zone_Plan", true, "is not a number");
    refuse("pfmInfo", QJsonObject{}, "is not an array");
    refuse("pfmInfo", "[]", "is not an array");
    return list;
}

std::vector<Refusal> readingRefusals()
{
    std::vector<Refusal> list;
    const auto refuse = [&](const char* key, std::optional<QJsonValue> value, const char* problem) {
        list.push_back({true, key, std::move(value), problem});
    };
    for (const char* key : {"fev1Value", "pefValue"}) {
        refuse(key, std::nullopt, "is missing");
        refuse(key, QJsonValue::Null, "is null");
        refuse(key, "3", "is not a number");
        refuse(key, false, "is not a number");
    }
    refuse("fev1Value", 1e39, "does not fit a float");
    refuse("pefValue", 3000000000.0, "is not a 32-bit integer");
    refuse("pefValue", 3.5, "is not a 32-bit integer");
    refuse("measureDate", "86400", "is not a number");
    refuse("measureDate", true, "is not a number");
    refuse("note", 5, "is not a string");
    refuse("note", QJsonArray{}, "is not a string");
    return list;
}

// A valid document of two profiles, the first holding two readings, with one value spoiled in
// the first profile or in its second reading.
QByteArray spoiledDocument(const Refusal& refusal)
{
    QJsonObject target = refusal.inReading ? validReadingObject() : validProfileObject();
    if (refusal.value) {
        target[QLatin1StringView(refusal.key)] = *refusal.value;
    } else {
        target.remove(QLatin1StringView(refusal.key));
    }
    QJsonObject first = refusal.inReading ? validProfileObject() : target;
    if (refusal.inReading) {
        first["pfmInfo"] = QJsonArray{validReadingObject(), target};
    }
    return QJsonDocument(QJsonArray{first, validProfileObject()}).toJson();
}

}

TEST(BackupDocumentRead, EveryMalformedValueRefusesTheWholeDocument)
{
    std::vector<Refusal> refusals = profileRefusals();
    const std::vector<Refusal> inReadings = readingRefusals();
    refusals.insert(refusals.end(), inReadings.begin(), inReadings.end());
    for (const Refusal& refusal : refusals) {
        const QByteArray document = spoiledDocument(refusal);
        SCOPED_TRACE(document.toStdString());
        QString error;
        EXPECT_EQ(readText(document, &error), std::nullopt);
        EXPECT_EQ(error, refusal.expectedError());
    }
}

// A reading that no meter can give, or dated on a day no calendar shows (the program runs in
// Europe/Berlin), is left out and counted while the rest is read; the calendar's edges are the
// local days of the dates read. The meter's reply reader shows the edges of the values, which
// both take from one range. A birthday that no calendar shows still refuses the document, as a
// malformed value does.
TEST(BackupDocumentRead, ValuesNoMeterGivesAndDatesNoCalendarShowsAreLeftOutAndCounted)
{
    const auto seconds = [](int year, int month, int day, QTime time) {
        return QJsonValue(Timestamp::fromDateTime(QDateTime(QDate(year, month, day), time)).seconds);
    };
    const struct {
        Refusal spoiled; // a problem: the document is refused with it
        qsizetype leftOut;
    } cases[] = {
        {{true, "pefValue", 0, ""}, 1},
        {{true, "fev1Value", 0, ""}, 1},
        {{true, "measureDate", 1e300, ""}, 1},
        {{true, "measureDate", seconds(99, 12, 31, QTime(23, 59, 59)), ""}, 1},
        {{true, "measureDate", seconds(10000, 1, 1, QTime(0, 0)), ""}, 1},
        {{true, "measureDate", seconds(100, 1, 1, QTime(0, 0)), ""}, 0},
        {{false, "birthday", seconds(9999, 12, 31, QTime(23, 59, 59)), ""}, 0},
        {{false, "birthday", 1e300, "is not a date within the years 100 to 9999"}, 0},
    };
    for (const auto& c : cases) {
        const QByteArray document = spoiledDocument(c.spoiled);
        SCOPED_TRACE(document.toStdString());
        QString error;
        qsizetype leftOut = -1;
        const std::optional<QList<Decode_Profile>> read = BackupDocument::read(document, &error, &leftOut);
        if (*c.spoiled.problem) {
            EXPECT_EQ(read, std::nullopt);
            EXPECT_EQ(error, c.spoiled.expectedError());
            continue;
        }
        ASSERT_TRUE(read) << error.toStdString();
        EXPECT_EQ(leftOut, c.leftOut);
        EXPECT_EQ(read->at(0).pfmInfo.size(), (c.spoiled.inReading ? 2 : 1) - c.leftOut);
        EXPECT_EQ(read->at(1).pfmInfo.size(), 1);
    }
    // Counted over every profile.
    QJsonObject impossible = validReadingObject();
    impossible["pefValue"] = 0;
    QJsonObject profile = validProfileObject();
    profile["pfmInfo"] = QJsonArray{impossible, validReadingObject(), impossible};
    qsizetype leftOut = 0;
    EXPECT_TRUE(BackupDocument::read(QJsonDocument(QJsonArray{profile, profile}).toJson(), nullptr, &leftOut));
    EXPECT_EQ(leftOut, 4);
}

// A JSON reader keeps the last of two equal keys and says nothing: a backup holding a key twice
// in one object is refused, rather than read without the first value (a whole first list of
// readings, say). The same key in two objects, or a key's text inside a value, is no repeat.
TEST(BackupDocumentRead, AKeyTwiceInOneObjectRefusesTheWholeDocument)
{
    const QByteArray valid = documentOf(validProfileObject());
    const auto edited = [&](const char* from, const char* to) {
        QByteArray document = valid;
        EXPECT_TRUE(document.contains(from)) << from;
        return document.replace(from, to);
    };
    const struct {
        QByteArray document;
        const char* repeated; // none: read
    } cases[] = {
        {edited("\"pfmInfo\": [", "\"pfmInfo\": [{\"fev1Value\": 2.5, \"pefValue\": 300}], \"pfmInfo\": ["), "pfmInfo"},
        {edited("\"pefValue\": 450", "\"pefValue\": 450, \"pefValue\": 451"), "pefValue"},
        {edited("\"email\": \"a@b.c\"", "\"email\": \"a@b.c\", \"em\\u0061il\": \"x@y.z\""), "email"},
        {edited("\"name\": \"A\"", "\"name\": \"A\", \"x\": {\"k\": 1}, \"x\": 2"), "x"},
        {edited("\"name\": \"A\"", "\"name\": \"A\", \"x\": {\"k\": 1, \"K\": 1}, \"y\": {\"k\": 1}"), nullptr},
        {edited("\"note\": \"ok\"", "\"note\": \"\\\"note\\\": 1, {\\\"note\\\": 2}\""), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document.toStdString());
        QString error;
        const std::optional<QList<Decode_Profile>> read = readText(c.document, &error);
        EXPECT_EQ(read.has_value(), c.repeated == nullptr);
        const QString repeat = QStringLiteral("the key \"%1\" stands twice in one object");
        EXPECT_EQ(error, c.repeated ? repeat.arg(QLatin1String(c.repeated)) : QString());
    }
}

TEST(BackupDocumentRead, TextsWithHalfASurrogatePairAreRefused)
{
    struct Case {
        bool inReading;
        const char* key;
        const char* escaped; // as the file holds it
    };
    const Case cases[] = {
        {false, "email", "\\ud800x"},
        {false, "email", "a\\udc00"},
        {false, "name", "\\ude00\\ud83d"},
        {true, "note", "x\\ud83d"},
    };
    for (const Case& c : cases) {
        const Refusal refusal{c.inReading, c.key, QJsonValue(QStringLiteral("@@")), "is not valid text"};
        QByteArray document = spoiledDocument(refusal);
        document.replace("\"@@\"", QByteArray("\"") + c.escaped + "\"");
        SCOPED_TRACE(c.escaped);
        QString error;
        EXPECT_EQ(readText(document, &error), std::nullopt);
        EXPECT_EQ(error, refusal.expectedError());
    }
    // A whole pair is a character.
    QByteArray paired = spoiledDocument({false, "email", QJsonValue(QStringLiteral("@@")), ""});
    paired.replace("\"@@\"", "\"\\ud83d\\ude00@x\"");
    EXPECT_EQ(readText(paired).value().first().email, QStringLiteral("\U0001F600@x"));
}

TEST(BackupDocumentRead, OneBadRecordAfterGoodOnesRefusesEverything)
{
    QJsonObject bad = validProfileObject();
    QJsonObject badReading = validReadingObject();
    badReading["pefValue"] = 450.5;
    bad["pfmInfo"] = QJsonArray{validReadingObject(), validReadingObject(), badReading};
    QString error;
    EXPECT_EQ(readText(QJsonDocument(QJsonArray{validProfileObject(), bad}).toJson(), &error),
              std::nullopt);
    EXPECT_EQ(error, QStringLiteral("profile 2, reading 3: \"pefValue\" is not a 32-bit integer"));
}

TEST(BackupDocumentRead, ADocumentThatIsNotAnArrayOfObjectsIsRefused)
{
    QString error;
    EXPECT_EQ(readText(QJsonDocument(validProfileObject()).toJson(), &error), std::nullopt);
    EXPECT_EQ(error, QStringLiteral("the document is not an array"));

    EXPECT_EQ(readText("[5]", &error), std::nullopt);
    EXPECT_EQ(error, QStringLiteral("profile 1: is not an object"));

    QJsonObject profile = validProfileObject();
    profile["pfmInfo"] = QJsonArray{validReadingObject(), QJsonValue::Null};
    EXPECT_EQ(readText(documentOf(profile), &error), std::nullopt);
    EXPECT_EQ(error, QStringLiteral("profile 1, reading 2: is not an object"));

    const QByteArray broken[] = {QByteArray(), QByteArray("not json"), QByteArray("[1e400]"),
                                 documentOf(validProfileObject()).chopped(3),
                                 QByteArray("[\"\xff\"]")};
    for (const QByteArray& text : broken) {
        error.clear();
        EXPECT_EQ(readText(text, &error), std::nullopt) << text.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("not JSON: "))) << error.toStdString();
    }
}

// --- file name -------------------------------------------------------------------------------

TEST(BackupDocumentFileName, IsTheLocalTimeStampWithAsciiDigitsWhateverTheLocale)
{
    // The test program pins the time zone to Europe/Berlin.
    const QDateTime moment(QDate(2024, 3, 15), QTime(14, 30, 5), Qt::LocalTime);
    EXPECT_EQ(BackupDocument::fileName(moment), QStringLiteral("Export_QFDB_20240315143005.bak"));
    EXPECT_EQ(BackupDocument::fileName(moment.toUTC()),
              QStringLiteral("Export_QFDB_20240315143005.bak"));

    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(BackupDocument::fileName(moment), QStringLiteral("Export_QFDB_20240315143005.bak"));
    QLocale::setDefault(previous);
}
