#include "Brisvale/records/UserDefaultHelper.h"

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

using Key = UserDefaultHelper::Key;

QString stateFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Brisvale/Brisvale.ini");
}

// A copy of the state file read by a settings object of its own, so that the values come from
// the text on disk and not from the in-process cache. Each copy gets a name never used before:
// settings objects share one parsed copy per path and trust it while the file's size and time
// stamp are unchanged, so a reused name would give back an earlier copy of equal size written
// within the same file-time tick.
QVariant readFromDisk(const QString& key)
{
    static int copies = 0;
    const QString copy =
        TestEnvironment::root() + QStringLiteral("/copy-%1.ini").arg(++copies);
    EXPECT_TRUE(QFile::copy(stateFilePath(), copy));
    const QVariant value = QSettings(copy, QSettings::IniFormat).value(key);
    QFile::remove(copy);
    return value;
}

void storeRaw(const QString& key, const QVariant& value)
{
    QSettings file(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brisvale"),
                   QStringLiteral("Brisvale"));
    file.setValue(key, value);
    file.sync();
}

QStringList storedKeys()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brisvale"),
                     QStringLiteral("Brisvale"))
        .allKeys();
}

class UserDefaultHelperTest : public testing::Test {
protected:
    void SetUp() override { UserDefaultHelper::removeAllKeys(); }
};

}

TEST_F(UserDefaultHelperTest, NothingIsStoredAtFirst)
{
    EXPECT_FALSE(UserDefaultHelper::email());
    EXPECT_FALSE(UserDefaultHelper::region());
    EXPECT_FALSE(UserDefaultHelper::date());
    EXPECT_FALSE(UserDefaultHelper::time());
    EXPECT_FALSE(UserDefaultHelper::from());
    EXPECT_FALSE(UserDefaultHelper::to());
    EXPECT_FALSE(UserDefaultHelper::limitFrom());
    EXPECT_FALSE(UserDefaultHelper::limitTo());
}

TEST_F(UserDefaultHelperTest, EachAccessorUsesItsOwnKeyInTheIniFile)
{
    const QDateTime moment(QDate(2024, 3, 1), QTime(8, 30), Qt::LocalTime);
    UserDefaultHelper::setRegion(QStringLiteral("USA"));
    UserDefaultHelper::setEmail(QStringLiteral("a@b.c"));
    UserDefaultHelper::setFrom(moment);
    UserDefaultHelper::setTo(moment.addDays(1));
    UserDefaultHelper::setLimitFrom(moment.addDays(2));
    UserDefaultHelper::setLimitTo(moment.addDays(3));
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    UserDefaultHelper::setTime(QStringLiteral("All day"));

    QStringList keys = storedKeys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"date", "email", "from", "limitFrom", "limitTo", "region", "time",
                                 "to"}));
    EXPECT_EQ(UserDefaultHelper::region(), QStringLiteral("USA"));
    EXPECT_EQ(UserDefaultHelper::email(), QStringLiteral("a@b.c"));
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("7 day"));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
    EXPECT_EQ(UserDefaultHelper::from(), moment);
    EXPECT_EQ(UserDefaultHelper::to(), moment.addDays(1));
    EXPECT_EQ(UserDefaultHelper::limitFrom(), moment.addDays(2));
    EXPECT_EQ(UserDefaultHelper::limitTo(), moment.addDays(3));

    QFile file(stateFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nemail=a@b.c")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nlimitFrom=")));
}

TEST_F(UserDefaultHelperTest, KeyNamesAreTheCaseNames)
{
    const QStringList names{"region", "email", "from", "to", "limitFrom", "limitTo", "date", "time",
                            "lang"};
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(UserDefaultHelper::keyName(static_cast<Key>(i)), names[i]);
    }
}

TEST_F(UserDefaultHelperTest, TextsSurviveTheFileExactly)
{
    const QStringList texts{
        QStringLiteral("a,b@example.com"),  QStringLiteral("\"quoted\""),
        QStringLiteral("@Variant(x)"),      QStringLiteral("  spaced  "),
        QStringLiteral("名前@例え.台灣"),   QStringLiteral("semi;colon=equals"),
        QStringLiteral("line\nbreak"),      QStringLiteral("back\\slash"),
        QStringLiteral("2024-03-01T00:00:00"), QString(),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        UserDefaultHelper::setEmail(text);
        EXPECT_EQ(UserDefaultHelper::email(), text);
        const QVariant onDisk = readFromDisk(QStringLiteral("email"));
        EXPECT_EQ(onDisk.typeId(), QMetaType::QString);
        EXPECT_EQ(onDisk.toString(), text);
    }
}

TEST_F(UserDefaultHelperTest, DatesSurviveTheFileAsDatesToTheMillisecond)
{
    // Europe/Berlin, pinned by the test main; a summer moment so the offset is not the winter one.
    const QDateTime moment(QDate(2024, 7, 14), QTime(23, 59, 59, 987), Qt::LocalTime);
    UserDefaultHelper::setLimitTo(moment);

    const QVariant onDisk = readFromDisk(QStringLiteral("limitTo"));
    ASSERT_EQ(onDisk.typeId(), QMetaType::QDateTime);
    EXPECT_EQ(onDisk.toDateTime(), moment);

    const auto read = UserDefaultHelper::limitTo();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, moment);
    EXPECT_EQ(read->timeSpec(), Qt::LocalTime);
    EXPECT_EQ(read->time(), QTime(23, 59, 59, 987));
    EXPECT_EQ(read->date(), QDate(2024, 7, 14));
}

TEST_F(UserDefaultHelperTest, DatesGivenInAnotherZoneKeepTheirMoment)
{
    const QDateTime utc(QDate(2024, 1, 31), QTime(23, 30), Qt::UTC);
    UserDefaultHelper::setFrom(utc);
    const auto read = UserDefaultHelper::from();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, utc);
    EXPECT_EQ(read->date(), QDate(2024, 2, 1)); // 00:30 in Berlin
}

TEST_F(UserDefaultHelperTest, AValueOfAnotherTypeReadsAsAbsent)
{
    storeRaw(QStringLiteral("from"), QStringLiteral("2024-03-01T00:00:00"));
    storeRaw(QStringLiteral("email"), QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    storeRaw(QStringLiteral("date"), 7);
    storeRaw(QStringLiteral("time"), QStringList{"a", "b"});
    storeRaw(QStringLiteral("to"), QDate(2024, 3, 1));
    EXPECT_FALSE(UserDefaultHelper::from());
    EXPECT_FALSE(UserDefaultHelper::email());
    EXPECT_FALSE(UserDefaultHelper::date());
    EXPECT_FALSE(UserDefaultHelper::time());
    EXPECT_FALSE(UserDefaultHelper::to());
    // Reading never rewrites what is stored.
    EXPECT_EQ(storedKeys().size(), 5);
}

TEST_F(UserDefaultHelperTest, StoringAbsentRemovesTheKey)
{
    UserDefaultHelper::setEmail(QStringLiteral("a@b.c"));
    UserDefaultHelper::setFrom(QDateTime::currentDateTime());
    UserDefaultHelper::setEmail(std::nullopt);
    UserDefaultHelper::setFrom(std::nullopt);
    EXPECT_FALSE(UserDefaultHelper::email());
    EXPECT_FALSE(UserDefaultHelper::from());
    EXPECT_TRUE(storedKeys().isEmpty());
    EXPECT_FALSE(readFromDisk(QStringLiteral("email")).isValid());
}

TEST_F(UserDefaultHelperTest, StoringAnInvalidDateRemovesTheKey)
{
    UserDefaultHelper::setTo(QDateTime::currentDateTime());
    UserDefaultHelper::setTo(QDateTime());
    EXPECT_FALSE(UserDefaultHelper::to());
    EXPECT_FALSE(storedKeys().contains(QStringLiteral("to")));
}

TEST_F(UserDefaultHelperTest, RemoveAllKeysWipesEverythingOfTheApplication)
{
    UserDefaultHelper::setRegion(QStringLiteral("Other"));
    UserDefaultHelper::setTime(QStringLiteral("All day"));
    UserDefaultHelper::setLimitFrom(QDateTime::currentDateTime());
    storeRaw(QStringLiteral("lang"), QStringLiteral("zh-Hant"));
    UserDefaultHelper::removeAllKeys();
    EXPECT_TRUE(storedKeys().isEmpty());
    EXPECT_FALSE(readFromDisk(QStringLiteral("region")).isValid());
    EXPECT_FALSE(UserDefaultHelper::region());
    EXPECT_FALSE(UserDefaultHelper::limitFrom());
}
