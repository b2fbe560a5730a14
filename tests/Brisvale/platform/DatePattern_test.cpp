#include "Brisvale/platform/DatePattern.h"
#include "Brisvale/records/DateFormat_DB.h"
#include "Brisvale/records/TimeFormat_DB.h"

#include "support/QtPrinters.h"

#include <QMap>
#include <gtest/gtest.h>

// The test main pins TZ=Europe/Berlin and the default locale en_US; every moment below is built
// from its components in local time.
namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale taiwan(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);

QDateTime at(int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2024, 3, 5), QTime(hour, minute, second), Qt::LocalTime);
}

}

TEST(DatePattern, TheAmPmMarkerBecomesTheLocalesOwn)
{
    EXPECT_EQ(DatePattern::toQt(QStringLiteral("a hh:mm")), QStringLiteral("Ap hh:mm"));
    EXPECT_EQ(DatePattern::format(at(15, 5), QStringLiteral("a hh:mm"), english), QStringLiteral("PM 03:05"));
    EXPECT_EQ(DatePattern::format(at(0, 5), QStringLiteral("a hh:mm"), english), QStringLiteral("AM 12:05"));
    EXPECT_EQ(DatePattern::format(at(12, 0), QStringLiteral("a hh:mm"), english), QStringLiteral("PM 12:00"));
    EXPECT_EQ(DatePattern::format(at(11, 59), QStringLiteral("a hh:mm"), english), QStringLiteral("AM 11:59"));
    EXPECT_EQ(DatePattern::format(at(15, 5), QStringLiteral("a hh:mm"), taiwan), QStringLiteral("下午 03:05"));
    EXPECT_EQ(DatePattern::format(at(0, 5), QStringLiteral("a hh:mm"), taiwan), QStringLiteral("上午 12:05"));
}

TEST(DatePattern, TheDefaultLocaleIsUsedWhenNoneIsGiven)
{
    EXPECT_EQ(DatePattern::format(at(15, 5), QStringLiteral("a hh:mm")), QStringLiteral("PM 03:05"));
}

TEST(DatePattern, EveryPatternOfTheTables)
{
    const QDateTime moment = at(15, 5, 7);
    const QMap<QString, QString> expected{
        {QStringLiteral("yyyy/MM/dd"), QStringLiteral("2024/03/05")},
        {QStringLiteral("MM/dd/yy"), QStringLiteral("03/05/24")},
        {QStringLiteral("dd.MM.yy"), QStringLiteral("05.03.24")},
        {QStringLiteral("yyyy.MM.dd"), QStringLiteral("2024.03.05")},
        {QStringLiteral("a hh:mm"), QStringLiteral("PM 03:05")},
        {QStringLiteral("HH:mm"), QStringLiteral("15:05")},
    };
    QStringList patterns;
    for (const auto& row : dateFormatTable()) {
        patterns << row.value;
    }
    for (const auto& row : timeFormatTable()) {
        patterns << row.value;
    }
    ASSERT_EQ(patterns.size(), 6);
    for (const QString& pattern : patterns) {
        SCOPED_TRACE(pattern.toStdString());
        ASSERT_TRUE(expected.contains(pattern));
        EXPECT_EQ(DatePattern::format(moment, pattern, english), expected.value(pattern));
    }
}

TEST(DatePattern, TheOtherPatternsOfTheSystem)
{
    const QDateTime moment = at(15, 5, 7);
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("dd/MM/yy"), english), QStringLiteral("05/03/24"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("yyyyMMddHHmmss"), QLocale::c()),
              QStringLiteral("20240305150507"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("yyyyMMddHHmmss"), english),
              QStringLiteral("20240305150507"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("yyyy-MM-dd"), english), QStringLiteral("2024-03-05"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("yyyy-MM-dd HH:mm:ss"), english),
              QStringLiteral("2024-03-05 15:05:07"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("HH"), english), QStringLiteral("15"));
    EXPECT_EQ(DatePattern::format(at(0, 5), QStringLiteral("HH"), english), QStringLiteral("00"));
    EXPECT_EQ(DatePattern::format(at(9, 5), QStringLiteral("HH:mm"), english), QStringLiteral("09:05"));
}

TEST(DatePattern, PatternsThatAgreeStayAsTheyAre)
{
    for (const char* pattern : {"yyyy/MM/dd", "MM/dd/yy", "dd.MM.yy", "yyyy.MM.dd", "HH:mm", "dd/MM/yy",
                                "yyyyMMddHHmmss", "yyyy-MM-dd", "yyyy-MM-dd HH:mm:ss", "HH"}) {
        EXPECT_EQ(DatePattern::toQt(QString::fromLatin1(pattern)), QString::fromLatin1(pattern));
    }
}

TEST(DatePattern, QuotedTextStaysLiteral)
{
    const QDateTime moment = at(15, 5, 7);
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("yyyy-MM-dd'T'HH:mm"), english),
              QStringLiteral("2024-03-05T15:05"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("h 'o''clock' a"), english),
              QStringLiteral("3 o'clock PM"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("HH''mm"), english), QStringLiteral("15'05"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("'AP dd' HH"), english), QStringLiteral("AP dd 15"));
    // A quote left open runs to the end.
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("HH 'at"), english), QStringLiteral("15 at"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("yyyy年MM月dd日"), english),
              QStringLiteral("2024年03月05日"));
}

TEST(DatePattern, FieldsThatDiffer)
{
    const QDateTime moment = QDateTime(QDate(2024, 3, 5), QTime(15, 5, 7, 42), Qt::LocalTime);
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("EEEE"), english), QStringLiteral("Tuesday"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("EEE, MMM d, y"), english),
              QStringLiteral("Tue, Mar 5, 2024"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("ddd"), english), QStringLiteral("05"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("HH:mm:ss.SSS"), english),
              QStringLiteral("15:05:07.042"));
    EXPECT_EQ(DatePattern::toQt(QStringLiteral("G yyyy")), QStringLiteral("'G' yyyy"));
}

TEST(DatePattern, QuotesNextToQuotedText)
{
    const QDateTime moment = at(15, 5, 7);
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("'''s' HH"), english), QStringLiteral("'s 15"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("HH'h'''''mm"), english), QStringLiteral("15h''05"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("'it''s' a"), english), QStringLiteral("it's PM"));
}

TEST(DatePattern, LiteralsOfQuotesAlone)
{
    const QDateTime moment = at(15, 5, 7);
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("''"), english), QStringLiteral("'"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("''''HH''''''"), english), QStringLiteral("''15'''"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("'''x''y' a"), english), QStringLiteral("'x'y PM"));
    EXPECT_EQ(DatePattern::format(moment, QStringLiteral("'x'''"), english), QStringLiteral("x'"));
}
