#include "StoreFiles.h"
#include "StoreTestSupport.h"

#include "Brisvale/records/StoreFileHeader.h"
#include "Brisvale/records/StoreUpgrade.h"

#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QCryptographicHash>
#include <QSqlDriver>
#include <gmock/gmock.h>
#include <sqlite3.h>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

QString text(const std::optional<QString>& value)
{
    return value ? QLatin1Char('"') + *value + QLatin1Char('"') : QStringLiteral("absent");
}

QString date(const std::optional<Timestamp>& value)
{
    return value ? number(value->seconds) : QStringLiteral("absent");
}

// Every stored attribute of a profile and of each of its readings, one line each.
QStringList describe(const ProfilePtr& profile, const QList<PFMPtr>& readings)
{
    QStringList lines{QStringList{QString::number(profile->objectID()),
                                  QString::number(profile->accountID_cloud),
                                  QString::number(profile->best_Value),
                                  QString::number(profile->best_Value_Type),
                                  date(profile->birthday), QString::number(profile->date_format),
                                  text(profile->email), QString::number(profile->gender),
                                  number(profile->height), text(profile->name),
                                  QString::number(profile->region),
                                  QString::number(profile->time_format),
                                  QString::number(profile->unit_type), number(profile->weight),
                                  QString::number(profile->zone_Plan)}
                          .join(QLatin1Char('|'))};
    for (const PFMPtr& reading : readings) {
        lines << QStringList{QString::number(reading->objectID()),
                             QString::number(reading->pefValue), number(reading->fev1Value),
                             date(reading->measureDate), text(reading->note)}
                     .join(QLatin1Char('|'));
    }
    return lines;
}

// What the fixture holds, written out by hand when it was made; every profile upgraded to
// today's zone plan.
const QList<QStringList> fixtureContent = {
    {QStringLiteral("1|1017|480|1|-527040000|2|\"anna.keller@example.org\"|1|168.5|"
                    "\"Anna Müller-Łukasiewicz\"|0|1|1|61.200000762939453|0"),
     QStringLiteral("1|455|2.8499999046325684|733996800.5|\"Morgens, nach dem Aufwachen\""),
     QStringLiteral("2|410|2.6099998950958252|734040000.125|\"咳嗽 — night cough\""),
     QStringLiteral("3|380|0|734083200|absent"),
     QStringLiteral("4|500|3.0999999046325684|734126400.75|\"\""),
     QStringLiteral("5|430|2.7000000476837158|734169600|\"Pollen 🌼 high\nline two\tafter a tab\""),
     QStringLiteral("7|445|2.7999999523162842|734212800|"
                    "\"=SUM(A1) nach Salbutamol; Ärger über Ölgeruch\"")},
    {QStringLiteral("2|0|620|0|-1000000000.25|3|\"李雷@例子.中国\"|0|5.75|\"李雷\"|1|0|0|154|0"),
     QStringLiteral("8|600|4.0500001907348633|733000000|\"早上 — 晴天\""),
     QStringLiteral("9|590|3.9500000476837158|733003600|absent"),
     QStringLiteral("10|615|4.1999998092651367|733086400|\"Après le sport, naïve café\"")},
    {QStringLiteral("3|0|0|0|absent|0|\"bare@example.org\"|0|0|absent|0|0|0|0|0")},
};

QList<QStringList> storedContent()
{
    QList<QStringList> content;
    StoreContext& context = viewContext();
    const QList<ProfilePtr> profiles = context.fetchProfiles().value();
    for (const ProfilePtr& profile : profiles) {
        content << describe(profile, context.pfmInfo(profile).value());
    }
    return content;
}

// This program's layout with more steps after its own.
StoreLayout currentWith(const std::vector<QStringList>& steps)
{
    StoreLayout layout = StoreLayout::current();
    layout.upgrades.insert(layout.upgrades.end(), steps.begin(), steps.end());
    return layout;
}

// Two steps that only this test knows: the second needs the first's column.
const QStringList addDevice = {QStringLiteral("ALTER TABLE PFM ADD COLUMN device TEXT")};
const QStringList fillDevice = {QStringLiteral("UPDATE PFM SET device = 'meter ' || id")};
const StoreLayout twoSteps = currentWith({addDevice, fillDevice});
const int ownVersion = StoreLayout::current().version();

QString copyName(int version)
{
    return QStringLiteral("Brisvale.sqlite.v%1.bak").arg(version);
}

QStringList folderFiles()
{
    return QDir(StoreFile::folderPath()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A disk that fills up, now or while an upgrade runs: a step that calls the SQL function
// fill_disk(bytes) leaves each file room for that many bytes from then on, until this ends.
class FillingDisk {
public:
    explicit FillingDisk(QSqlDatabase& db)
    {
        sqlite3* handle = *static_cast<sqlite3* const*>(db.driver()->handle().constData());
        sqlite3_create_function_v2(handle, "fill_disk", 1, SQLITE_UTF8, this, &fill, nullptr,
                                   nullptr, nullptr);
    }
    void fillNow(std::int64_t room) { limit.emplace(room); }

private:
    static void fill(sqlite3_context* context, int, sqlite3_value** arguments)
    {
        static_cast<FillingDisk*>(sqlite3_user_data(context))->fillNow(
            sqlite3_value_int64(arguments[0]));
    }
    std::optional<FileSizeLimit> limit;
};

}

using StoreUpgradeTest = FreshStore;

TEST_F(StoreUpgradeTest, TheFirstVersionsStoreIsUpgradedWithEveryProfileAndReadingIntact)
{
    EXPECT_EQ(QCryptographicHash::hash(StoreFiles::bytes(StoreFiles::fixturePath()),
                                       QCryptographicHash::Sha256)
                  .toHex()
                  .left(16),
              QByteArray("9542a4332bec2b2a"));
    StoreFiles::copyFixture();
    EXPECT_EQ(storedContent(), fixtureContent);
    EXPECT_EQ(folderFiles(), (QStringList{"Brisvale.sqlite", copyName(1)}));
    EXPECT_EQ(StoreFiles::bytes(StoreFile::upgradeCopyPath(1)),
              StoreFiles::bytes(StoreFiles::fixturePath()));
    closeViewContext();
    EXPECT_EQ(StoreFiles::run(QStringLiteral("PRAGMA user_version")).toInt(), ownVersion);
}

TEST_F(StoreUpgradeTest, AnOlderStoreIsCopiedThenUpgradedStepByStepInOrder)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        QStringList files; // the folder's files afterwards
    };
    const auto beforeTheLastStep = [] {
        StoreFiles::copyFixture();
        ASSERT_FALSE(openViewContext(currentWith({addDevice})));
        closeViewContext();
        QFile::remove(StoreFile::upgradeCopyPath(1));
    };
    const QStringList upgraded = {QStringLiteral("Brisvale.sqlite")};
    const Case cases[] = {
        {"from version 1", StoreFiles::copyFixture, upgraded + QStringList{copyName(1)}},
        {"before the last step: only the last step", beforeTheLastStep,
         upgraded + QStringList{copyName(ownVersion + 1)}},
        {"a new store gets every step, without a copy", [] {}, upgraded},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        test.prepare();
        const QByteArray before = StoreFiles::bytes(StoreFile::filePath());

        const std::optional<StoreFile::Refusal> refused = openViewContext(twoSteps);
        ASSERT_FALSE(refused) << refused->error.text().toStdString();
        EXPECT_EQ(folderFiles(), test.files);
        if (test.files.size() == 2) {
            EXPECT_EQ(StoreFiles::bytes(StoreFile::folderPath() + '/' + test.files[1]), before);
            EXPECT_EQ(storedContent(), fixtureContent);
        }
        closeViewContext();
        EXPECT_EQ(StoreFiles::run(QStringLiteral("PRAGMA user_version")).toInt(), ownVersion + 2);
        EXPECT_EQ(StoreFiles::run(QStringLiteral("SELECT count(*) FROM PFM WHERE device IS NOT "
                                                 "'meter ' || id")).toInt(), 0);
    }
}

TEST_F(StoreUpgradeTest, AFailedStepIsRolledBackAndLeavesTheFileAsItWas)
{
    const QStringList failing = {QStringLiteral("UPDATE PFM SET pefValue = 0"),
                                 QStringLiteral("INSERT INTO NoSuchTable VALUES (1)")};
    const struct {
        const char* name;
        StoreLayout layout;
        QString step;
    } cases[] = {
        {"the first step", StoreLayout{{failing}}, QStringLiteral("from version 1 to version 2")},
        {"a later step", currentWith({addDevice, failing}),
         QStringLiteral("from version %1 to version %2").arg(ownVersion + 1).arg(ownVersion + 2)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        StoreFiles::copyFixture();

        const std::optional<StoreFile::Refusal> refused = openViewContext(test.layout);
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->problem, StoreFile::Refusal::Problem::upgradeFailed);
        EXPECT_THAT(refused->error.text().toStdString(),
                    testing::HasSubstr(test.step.toStdString()));
        EXPECT_FALSE(QSqlDatabase::contains(QStringLiteral("Brisvale")));
        EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()),
                  StoreFiles::bytes(StoreFiles::fixturePath()));
        EXPECT_EQ(folderFiles(), (QStringList{"Brisvale.sqlite", "Brisvale.sqlite.v1.bak"}));
    }
}

TEST_F(StoreUpgradeTest, ACopyCutShortByAFullDiskIsNeverTakenForAWholeOne)
{
    const QStringList fillingStep = {QStringLiteral("SELECT fill_disk(1000)"),
                                     QStringLiteral("INSERT INTO NoSuchTable VALUES (1)")};
    const struct {
        const char* name;
        StoreLayout layout;
        bool fullBeforeTheCopy; // else the failing step fills it, before the file is put back
        QString outcome;
        QStringList files;
    } cases[] = {
        {"the copy kept before upgrading", StoreLayout{{addDevice}}, true,
         QStringLiteral("; the file was not changed"), {QStringLiteral("Brisvale.sqlite")}},
        {"the file put back after a failed step", StoreLayout{{addDevice, fillingStep}}, false,
         QStringLiteral("the file could not be put back ("), {"Brisvale.sqlite", copyName(1)}},
    };
    const QByteArray fixture = StoreFiles::bytes(StoreFiles::fixturePath());
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TestEnvironment::clearUserFolders();
        StoreFiles::copyFixture();
        QString failure;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "upgrade");
            db.setDatabaseName(StoreFile::filePath());
            ASSERT_TRUE(db.open());
            FillingDisk disk(db);
            if (test.fullBeforeTheCopy) {
                disk.fillNow(1000);
            }
            const StoreStatus upgraded = StoreUpgrade::upgrade(
                db, StoreFile::filePath(), StoreFile::upgradeCopyPath(1), 1, test.layout);
            db.close();
            ASSERT_FALSE(upgraded.ok());
            failure = upgraded.error().text();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("upgrade"));
        EXPECT_THAT(failure.toStdString(),
                    testing::HasSubstr("bytes were written (File too large)"));
        EXPECT_THAT(failure.toStdString(), testing::HasSubstr(test.outcome.toStdString()));
        EXPECT_EQ(folderFiles(), test.files);
        EXPECT_EQ(StoreFileHeader::read(StoreFile::filePath()).kind,
                  StoreFileHeader::Kind::database);
        EXPECT_EQ(StoreFiles::bytes(test.fullBeforeTheCopy ? StoreFile::filePath()
                                                           : StoreFile::upgradeCopyPath(1)),
                  fixture);
    }
}
