// The CSV report's text, byte for byte, and its quoting. The test main pins Europe/Berlin and
// en_US, which the dates and the day-half marker depend on.
#include "Brisvale/reports/CSVProcess.h"

#include "Brisvale/reports/ReportTestSupport.h"

namespace {

class CSVText : public ReportTest {};

QDateTime at(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

}

TEST_F(CSVText, HeaderLinesAndReadingsOfAProfile)
{
    struct Case {
        const char* what;
        std::optional<QString> name;
        std::optional<QDateTime> birthday;
        bool twentyFourHours;
        QList<ReadingSpec> readings;
        QByteArray expected;
    };
    const QList<Case> cases{
        {"a birthday one day after today's month and day, the 12-hour clock",
         QStringLiteral("Ann Lee"), at(1990, 3, 16, 10, 0), false,
         {{at(2024, 3, 14, 21, 5), 420, 2.5f, std::nullopt}, {at(2024, 3, 14, 7, 45), 950, 3.456f, QStringLiteral("ok")}},
         "Peak Flow Report,,,,\n"
         "Name,Ann Lee,,Sex,Male\n"
         "Report date,2024/03/15,,Date of birth,1990/03/16\n"
         "Readings from,2024/01/01 - 2024/03/15,,Age,33\n"
         "\n"
         "Readings,,,,\n"
         "Date,Time,PEF (l/min),FEV1 (l),Notes\n"
         "2024/03/14,PM 09:05,420,2.50,\n"
         "2024/03/14,AM 07:45,950,3.46,ok\n"},
        {"no name, no birthday, no readings", std::nullopt, std::nullopt, true, {},
         "Peak Flow Report,,,,\n"
         "Name,,,Sex,Male\n"
         "Report date,2024/03/15,,Date of birth,2024/03/15\n"
         "Readings from,2024/01/01 - 2024/03/15,,Age,0\n"
         "\n"
         "Readings,,,,\n"
         "Date,Time,PEF (l/min),FEV1 (l),Notes\n"},
    };
    for (const Case& c : cases) {
        const ProfilePtr profile = storeUser(c.readings);
        profile->name = c.name;
        profile->birthday = c.birthday ? std::optional(Timestamp::fromDateTime(*c.birthday)) : std::nullopt;
        profile->time_format = c.twentyFourHours;
        // The readings in the order given, here as stored.
        EXPECT_EQ(CSVProcess::reportText(QStringLiteral("2024/01/01"), QStringLiteral("2024/03/15"), *profile,
                                         viewContext().pfmInfo(profile).value()),
                  c.expected)
            << c.what;
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(CSVText, FieldsAreQuotedOnlyWhereASpreadsheetWouldMisreadThem)
{
    const QList<std::pair<QString, QString>> cases{
        {"plain", "plain"},
        {"", ""},
        {"Zoë, 2nd", "\"Zoë, 2nd\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        // Quoting alone leaves formula-like text as it is; a name or note is guarded before it is quoted.
        {"=SUM(A1)", "=SUM(A1)"},
        {"+1 puff", "+1 puff"},
        {"-2", "-2"},
        {"@home", "@home"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(CSVProcess::field(value), expected) << value.toStdString();
    }

    // Every field of the report goes through it, the name on line 2 included.
    const ProfilePtr profile = storeUser({{at(2024, 3, 14, 21, 5), 420, 2.5f, QStringLiteral("after \"run\", cold")}});
    profile->name = QStringLiteral("Lee, Ann");
    const QByteArray text = CSVProcess::reportText(QStringLiteral("a"), QStringLiteral("b"), *profile,
                                                   viewContext().pfmInfo(profile).value());
    const QList<QByteArray> lines = text.split('\n');
    EXPECT_EQ(lines[1], QByteArray("Name,\"Lee, Ann\",,Sex,Male"));
    EXPECT_EQ(lines[7], QByteArray("2024/03/14,21:05,420,2.50,\"after \"\"run\"\", cold\""));
}

// A name or a note that a spreadsheet would run as a formula starts with a single quote, and a
// leading tab or carriage return counts as the start of a formula too (a spreadsheet drops it and
// runs what follows); control characters other than tab and line breaks are left out, before the
// guard looks at the first character.
TEST_F(CSVText, NamesAndNotesAreWrittenAsTextWithoutTheirControlCharacters)
{
    const QChar nul(0);
    const QList<std::pair<QString, QByteArray>> cases{
        {QStringLiteral("=SUM(A1:A9)"), "'=SUM(A1:A9)"},
        {QStringLiteral("+1 puff"), "'+1 puff"},
        {QStringLiteral("-2 today"), "'-2 today"},
        {QStringLiteral("@home"), "'@home"},
        {QStringLiteral("\t=1+1"), "'\t=1+1"},
        {QStringLiteral("\r=1+1"), "\"'\r=1+1\""},
        {QStringLiteral("=1,2"), "\"'=1,2\""},
        {QStringLiteral("a = b - c"), "a = b - c"},
        {QStringLiteral("'quoted"), "'quoted"},
        {QStringLiteral("a") + nul + QStringLiteral("b"), "ab"},
        {QChar(0x01) + QStringLiteral("=HYPERLINK()"), "'=HYPERLINK()"},
        {QStringLiteral("bell\u0007 esc\u001b del\u007f nel\u0085 us\u001f."), "bell esc del nel us."},
        {QStringLiteral("tab\there"), "tab\there"},
        {QStringLiteral("two\nlines\r"), "\"two\nlines\r\""},
        {QStringLiteral("Zoë \u2028 ok"), "Zo\xc3\xab \xe2\x80\xa8 ok"},
        {QString(), ""},
    };
    for (const auto& [text, expected] : cases) {
        const ProfilePtr profile = storeUser({{at(2024, 3, 14, 21, 5), 420, 2.5f, text}});
        profile->name = text;
        const QByteArray all = CSVProcess::reportText(QStringLiteral("a"), QStringLiteral("b"), *profile,
                                                      viewContext().pfmInfo(profile).value());
        EXPECT_TRUE(all.startsWith("Peak Flow Report,,,,\nName," + expected + ",,Sex,Male\n")) << all.toStdString();
        EXPECT_TRUE(all.endsWith("2024/03/14,21:05,420,2.50," + expected + "\n")) << all.toStdString();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}
