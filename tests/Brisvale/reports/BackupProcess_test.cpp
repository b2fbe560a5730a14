// Export and import of the whole store, driven through the alert script. The test program pins
// TZ=Europe/Berlin, which the file name's local time stamp depends on.
#include "Brisvale/reports/BackupProcess.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/StoreFiles.h"
#include "Brisvale/records/StoreTestSupport.h"
#include "Brisvale/records/UserDefaultHelper.h"

#include "support/CodeUnits.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <cmath>
#include <memory>

namespace {

Decode_PFM reading(double seconds, qint32 pef, float fev1, std::optional<QString> note = {})
{
    return Decode_PFM{fev1, Timestamp{seconds}, std::move(note), pef};
}

Decode_Profile profile(const QString& email, QList<Decode_PFM> readings)
{
    Decode_Profile record;
    record.accountID_cloud = 42;
    record.best_Value = 480;
    record.best_Value_Type = true;
    record.birthday = Timestamp{-962000000.25};
    record.date_format = 2;
    record.email = email;
    record.gender = true;
    record.height = 5.5f;
    record.name = QStringLiteral("Ann Ö");
    record.region = true;
    record.time_format = true;
    record.unit_type = false;
    record.weight = 150.3f;
    record.pfmInfo = std::move(readings);
    return record;
}

class Backup : public FreshStore {
protected:
    void SetUp() override
    {
        FreshStore::SetUp();
        Console::setCapture([this](const QString& line) { console << line; });
        script = std::make_unique<AlertScript>();
    }
    void TearDown() override
    {
        script.reset();
        AppClock::reset();
        Console::setCapture({});
        FreshStore::TearDown();
    }

    // Saves the records as profiles with their readings.
    static void store(const QList<Decode_Profile>& records)
    {
        for (const Decode_Profile& record : records) {
            ProfilePtr stored = BackupProcess::fillProfileFromBackup(viewContext().insertProfile(), record);
            for (const Decode_PFM& pfm : record.pfmInfo) {
                BackupProcess::insertReadingFromBackup(stored, pfm);
            }
        }
        ASSERT_TRUE(viewContext().save().ok());
    }

    // Every stored profile with its readings, read afresh from the file.
    static QList<Decode_Profile> storeContents()
    {
        closeViewContext();
        QList<Decode_Profile> records;
        const QList<ProfilePtr> profiles = viewContext().fetchProfiles().value();
        for (const ProfilePtr& stored : profiles) {
            records << BackupProcess::backupRecord(stored).value();
        }
        return records;
    }

    QString writeFile(const QString& name, const QByteArray& content)
    {
        const QString path = QDir(files.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    // Imports the file, answering the outcome alert with OK.
    bool importFile(const QString& path)
    {
        script->answerPath(path);
        script->answer(Alert::firstButton);
        return BackupProcess::importStore(nullptr);
    }

    QString workCopy(const QString& name) const
    {
        return StoreFile::folderPath() + QStringLiteral("/JsonFile/BAK2JSON/") + name;
    }

    QStringList console;
    std::unique_ptr<AlertScript> script;
    QTemporaryDir files;
};

const QList<Decode_Profile>& sample()
{
    static const QList<Decode_Profile> records{
        profile(QStringLiteral("ann@x"),
                {reading(733000000.123456789, 450, 2.3f, QStringLiteral("after run")),
                 reading(733086400.000000119, 455, 3.45f),
                 reading(733000000.123456789, 450, 2.3f)}),
        profile(QStringLiteral("bob@x"), {}),
        profile(QStringLiteral("cy@x"), {reading(-1.5e-7, 12, 0.1f, QStringLiteral(""))}),
    };
    return records;
}

}

TEST_F(Backup, ExportThenImportIntoAnEmptyStoreReproducesEveryProfileAndReadingExactly)
{
    QList<Decode_Profile> records = sample();
    records[1].name.reset();
    records[2].zone_Plan = 1;
    store(records);

    AppClock::setNow(QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5)));
    script->answerPath(files.path());
    script->answer(Alert::firstButton);
    BackupProcess::exportStore(nullptr);
    EXPECT_EQ(script->shown()[0].kind, Presentation::Kind::folderPanel);
    EXPECT_EQ(script->shown()[0].title, QStringLiteral("Choose a folder for the backup"));
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::checkmark);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup was saved."));
    EXPECT_EQ(script->last().alert.detail,
              QStringLiteral("Export_QFDB_20240315143005.bak\n") + QDir::toNativeSeparators(files.path()));
    const QString exported = QDir(files.path()).filePath(QStringLiteral("Export_QFDB_20240315143005.bak"));
    ASSERT_TRUE(QFile::exists(exported));

    closeViewContext();
    TestEnvironment::clearUserFolders();
    EXPECT_TRUE(importFile(exported));
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::checkmark);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup was imported."));
    EXPECT_EQ(script->shown()[script->shown().size() - 2].fileType, QStringLiteral("bak"));
    EXPECT_EQ(storeContents(), records);
    // The work copy is gone after a successful import; its folder stays.
    EXPECT_FALSE(QFile::exists(workCopy(QStringLiteral("Export_QFDB_20240315143005.json"))));
    EXPECT_TRUE(QDir(workCopy(QString())).exists());
}

// The e-mail, the name and a note come back from the store's backup exactly as they were stored,
// whatever their characters: the e-mail is the profile's identity.
TEST_F(Backup, EveryTextComesBackExactlyThroughExportAndImport)
{
    const struct {
        const char* row;
        QString text;
    } cases[] = {
        {"U+FEFF first", codeUnits({0xFEFF, u'A', u'B'})},
        {"U+FFFE first", codeUnits({0xFFFE, u'A', u'B'})},
        {"U+FEFF inside", codeUnits({u'A', 0xFEFF, u'B'})},
        {"U+FFFE and U+FFFF inside", codeUnits({u'A', 0xFFFE, 0xFFFF, u'B'})},
        {"plain", QStringLiteral("ann@x")},
        {"empty", QString(QLatin1String(""))},
        {"beyond the BMP", codeUnits({0xD83D, 0xDE00, u'x'})},
        {"U+0000 inside", codeUnits({u'A', 0, u'B'})},
    };
    // The backup's file name carries the time of the export: a clock that moves on between the
    // export and the name looked for would name another file.
    AppClock::setNow(QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5)));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        Decode_Profile record = profile(c.text, {reading(5.0, 300, 2.0f, c.text)});
        record.name = c.text;
        store({record});
        script->answerPath(files.path());
        script->answer(Alert::firstButton);
        BackupProcess::exportStore(nullptr);
        const QString exported = QDir(files.path()).filePath(BackupDocument::fileName(AppClock::now()));

        closeViewContext();
        TestEnvironment::clearUserFolders();
        EXPECT_TRUE(importFile(exported));
        EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup was imported."));
        EXPECT_EQ(storeContents(), QList<Decode_Profile>{record});
    }
}

TEST_F(Backup, AStoredPlanThatNoPlanKnowsIsBackedUpAsTheDefaultSoTheBackupStaysReadable)
{
    store({profile(QStringLiteral("ann@x"), {})});
    viewContext().fetchProfile(QStringLiteral("ann@x")).value()->zone_Plan = 7;
    ASSERT_TRUE(viewContext().save().ok());
    const QList<Decode_Profile> backedUp = storeContents();
    EXPECT_EQ(backedUp[0].zone_Plan, 0);
    EXPECT_TRUE(BackupDocument::read(BackupDocument::write(backedUp).value()));
}

TEST_F(Backup, ImportingTheSameFileTwiceAddsNothing)
{
    const QString path = writeFile(QStringLiteral("twice.bak"), BackupDocument::write(sample()).value());
    ASSERT_TRUE(importFile(path));
    const QList<Decode_Profile> once = storeContents();
    // Two equal readings in one file profile are both stored by the first import.
    ASSERT_EQ(once[0].pfmInfo.size(), 3);
    ASSERT_TRUE(importFile(path));
    EXPECT_EQ(storeContents(), once);
}

TEST_F(Backup, AFileThatFailsToDecodeChangesNothingAndLeavesNoCopy)
{
    store({profile(QStringLiteral("ann@x"), {reading(1.0, 300, 2.0f)})});
    const QList<Decode_Profile> before = storeContents();
    QByteArray document = BackupDocument::write(sample()).value();
    // The last profile without a birthday refuses the whole file.
    document.replace("\"birthday\" : -962000000.25,\n    \"date_format\" : 2,\n    \"email\" : \"cy@x\"",
                     "\"date_format\" : 2,\n    \"email\" : \"cy@x\"");
    ASSERT_FALSE(BackupDocument::read(document).has_value());
    QByteArray halfPair = BackupDocument::write(sample()).value();
    halfPair.replace("\"bob@x\"", "\"bob\\ud800x\"");
    const QList<QByteArray> broken{document, halfPair, "not json", "{}"};
    for (const QByteArray& content : broken) {
        const QString path = writeFile(QStringLiteral("broken.v1.bak"), content);
        EXPECT_FALSE(importFile(path));
        EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark);
        EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup could not be imported."));
        EXPECT_EQ(storeContents(), before);
        // The copy holds someone's health data: it goes after a failure too.
        EXPECT_FALSE(QFile::exists(workCopy(QStringLiteral("broken.v1.json")))) << content.left(40).toStdString();
    }
    EXPECT_FALSE(console.filter(QStringLiteral("error:")).isEmpty());
}

TEST_F(Backup, AnImportThatFailsToSaveChangesNeitherTheStoreNorItsObjects)
{
    UserDefaultHelper::setEmail(QStringLiteral("ann@x"));
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    store({profile(QStringLiteral("ann@x"), {reading(1.0, 300, 2.0f)})});
    const QList<Decode_Profile> before = storeContents();
    const ProfilePtr ann = viewContext().fetchProfile(QStringLiteral("ann@x")).value();
    rawQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON PFM WHEN NEW.pefValue = 666 "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    Decode_Profile renamed = profile(QStringLiteral("ann@x"), {reading(2.0, 310, 2.1f)});
    renamed.name = QStringLiteral("Renamed");
    // The refused reading comes with the last profile, after every other was merged.
    const QString path = writeFile(
        QStringLiteral("refused.bak"),
        BackupDocument::write({renamed, profile(QStringLiteral("new@x"), {reading(3.0, 320, 2.2f)}),
                               profile(QStringLiteral("last@x"), {reading(4.0, 666, 2.3f)})})
            .value());

    EXPECT_FALSE(importFile(path));
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark);
    EXPECT_EQ(ann->name, before[0].name);
    EXPECT_FALSE(viewContext().hasChanges());
    EXPECT_EQ(viewContext().fetchProfiles().value(), QList<ProfilePtr>{ann});
    EXPECT_EQ(viewContext().pfmInfo(ann).value().size(), 1);
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("7 day"));
    EXPECT_EQ(storeContents(), before);
}

// A reading whose date is missing, null or on no day a calendar shows is left out and counted
// with the readings that could not be read, the rest merged; a date of the wrong kind refuses
// the file, as any malformed value does.
TEST_F(Backup, AReadingWithoutAUsableDateIsCountedWithTheUnreadableOnes)
{
    const QString counted = QStringLiteral(
        "The backup was imported. Readings that could not be read: 1. Their values or dates are "
        "impossible, so they were left out; everything else in the backup was imported.");
    const struct {
        const char* row;
        const char* date; // the member as written; none: no member
        bool imported;
    } cases[] = {
        {"missing key", nullptr, true},
        {"null", "\"measureDate\" : null,\n", true},
        {"a string", "\"measureDate\" : \"15\",\n", false},
        {"out of range", "\"measureDate\" : 1e300,\n", true},
    };
    const QList<Decode_PFM> good{reading(10.0, 300, 2.0f), reading(20.0, 310, 2.1f)};
    QList<Decode_Profile> records{profile(QStringLiteral("ann@x"), good)};
    records[0].pfmInfo.insert(1, reading(15.0, 320, 2.5f));
    const QByteArray written = BackupDocument::write(records).value();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        QByteArray document = written;
        ASSERT_TRUE(document.contains("\"measureDate\" : 15,\n"));
        document.replace("\"measureDate\" : 15,\n", c.date ? c.date : "");
        EXPECT_EQ(importFile(writeFile(QStringLiteral("dates.bak"), document)), c.imported);
        EXPECT_EQ(script->last().alert.message,
                  c.imported ? counted : QStringLiteral("The backup could not be imported."));
        const QList<Decode_Profile> contents = storeContents();
        ASSERT_EQ(contents.size(), c.imported ? 1 : 0);
        if (c.imported) {
            EXPECT_EQ(contents[0].pfmInfo, good);
        }
    }
}

// A store of an older version may hold a reading no meter gives, and its backup writes it out:
// the import leaves that reading out, keeps the rest and says how many it left.
TEST_F(Backup, AReadingNoMeterGivesIsLeftOutAndCountedAndTheRestMerged)
{
    const QList<Decode_PFM> good{reading(10.0, 300, 2.0f), reading(20.0, 310, 2.1f)};
    QList<Decode_Profile> records{profile(QStringLiteral("ann@x"), good)};
    records[0].pfmInfo.insert(1, reading(15.0, 0, 2.5f));
    const QString path = writeFile(QStringLiteral("older.bak"), BackupDocument::write(records).value());
    ASSERT_TRUE(importFile(path));
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::checkmark);
    EXPECT_EQ(script->last().alert.message,
              QStringLiteral("The backup was imported. Readings that could not be read: 1. Their values or "
                             "dates are impossible, so they were left out; everything else in the backup "
                             "was imported."));
    const QList<Decode_Profile> contents = storeContents();
    ASSERT_EQ(contents.size(), 1);
    EXPECT_EQ(contents[0].pfmInfo, good);
}

TEST_F(Backup, AMatchedProfileTakesTheFileAttributesAndKeepsItsReadings)
{
    Decode_Profile old = profile(QStringLiteral("ann@x"),
                                 {reading(10.0, 300, 2.0f, QStringLiteral("stored note")),
                                  reading(30.0, 330, 2.2f)});
    old.name = QStringLiteral("Old name");
    old.unit_type = true;
    store({old});

    Decode_Profile file = profile(QStringLiteral("ann@x"),
                                  {reading(10.0, 300, 2.0f, QStringLiteral("file note")),
                                   reading(10.0, 301, 2.0f), reading(10.0, 300, 2.0000002f),
                                   reading(10.0000001, 300, 2.0f)});
    file.name.reset();
    const QString path = writeFile(QStringLiteral("merge.bak"),
                                   BackupDocument::write({file, profile(QStringLiteral("new@x"), {})}).value());
    ASSERT_TRUE(importFile(path));

    const QList<Decode_Profile> contents = storeContents();
    ASSERT_EQ(contents.size(), 2);
    Decode_Profile expected = file;
    // Kept readings first, then the three that differ in PEF, FEV1 or date.
    expected.pfmInfo = {old.pfmInfo[0], old.pfmInfo[1], file.pfmInfo[1], file.pfmInfo[2], file.pfmInfo[3]};
    EXPECT_EQ(contents[0], expected);
    EXPECT_EQ(contents[1], profile(QStringLiteral("new@x"), {}));
}

TEST_F(Backup, AReadingIsADuplicateExactlyWhenItsFev1PefAndDateEqualAStoredOne)
{
    const double date = 733000000.123456789;
    const float fev1 = 2.3f;
    store({profile(QStringLiteral("ann@x"), {reading(date, 450, fev1, QStringLiteral("stored")),
                                            reading(0.0, 300, 1.5f), reading(370.0, 370, 3.7f)})});
    struct Case {
        Decode_PFM inFile;
        bool added;
    };
    const Case cases[] = {
        {reading(date, 450, fev1, QStringLiteral("other note")), false},
        {reading(-0.0, 300, 1.5f), false}, // -0 equals 0, as a number
        {reading(370.0, 370, 3.7f), false}, // written below as a double that rounds to 3.7f
        {reading(date, 451, fev1), true},
        {reading(date, 450, std::nextafter(fev1, 3.0f)), true},
        {reading(std::nextafter(date, 1e10), 450, fev1), true},
    };
    QList<Decode_PFM> file;
    QList<Decode_PFM> expected = storeContents()[0].pfmInfo;
    for (const Case& c : cases) {
        file << c.inFile;
        if (c.added) {
            expected << c.inFile;
        }
    }
    // Twice in the file, stored by neither: both are added, as the file's own readings are not
    // compared with each other.
    file << reading(5.0, 5, 5.0f) << reading(5.0, 5, 5.0f);
    expected << reading(5.0, 5, 5.0f) << reading(5.0, 5, 5.0f);
    QByteArray document = BackupDocument::write({profile(QStringLiteral("ann@x"), file)}).value();
    ASSERT_EQ(document.count("\"fev1Value\" : 3.7,"), 1);
    document.replace("\"fev1Value\" : 3.7,", "\"fev1Value\" : 3.70000000001,");
    const QString path = writeFile(QStringLiteral("dups.bak"), document);
    ASSERT_TRUE(importFile(path));
    EXPECT_EQ(storeContents()[0].pfmInfo, expected);
    // Imported again, every reading is a duplicate.
    ASSERT_TRUE(importFile(path));
    EXPECT_EQ(storeContents()[0].pfmInfo, expected);
}

TEST_F(Backup, AnEmailTwiceInTheFileUpdatesTheProfileMergedFirst)
{
    store({profile(QStringLiteral("twin@x"), {reading(1.0, 1, 1.0f)}),
           profile(QStringLiteral("twin@x"), {reading(2.0, 2, 2.0f)})});
    Decode_Profile first = profile(QStringLiteral("new@x"), {reading(3.0, 3, 3.0f)});
    Decode_Profile second = first;
    second.name = QStringLiteral("Second");
    second.pfmInfo << reading(4.0, 4, 4.0f);
    Decode_Profile twin = profile(QStringLiteral("twin@x"), {reading(2.0, 2, 2.0f)});
    twin.name = QStringLiteral("Twin");
    const QString path =
        writeFile(QStringLiteral("twice.bak"), BackupDocument::write({first, second, twin}).value());
    ASSERT_TRUE(importFile(path));

    const QList<Decode_Profile> contents = storeContents();
    ASSERT_EQ(contents.size(), 3);
    // Of two stored profiles sharing an e-mail, the first is merged into; it had no equal reading.
    EXPECT_EQ(contents[0].name, QStringLiteral("Twin"));
    EXPECT_EQ(contents[0].pfmInfo, (QList<Decode_PFM>{reading(1.0, 1, 1.0f), reading(2.0, 2, 2.0f)}));
    EXPECT_EQ(contents[1].pfmInfo, (QList<Decode_PFM>{reading(2.0, 2, 2.0f)}));
    // The second file profile updates the one the first created, its readings compared with
    // what the first stored.
    EXPECT_EQ(contents[2], second);
}

TEST_F(Backup, OnlyImportingTheCurrentUserRenewsTheDateWindow)
{
    const QDateTime window(QDate(2020, 1, 1), QTime(0, 0));
    UserDefaultHelper::setEmail(QStringLiteral("ann@x"));
    UserDefaultHelper::setFrom(window);
    UserDefaultHelper::setTo(window);
    UserDefaultHelper::setDate(QStringLiteral("7 day"));
    UserDefaultHelper::setTime(QStringLiteral("00:00-11:59"));

    const QString other = writeFile(QStringLiteral("other.bak"),
                                    BackupDocument::write({profile(QStringLiteral("bob@x"), {reading(5.0, 1, 1.0f)})}).value());
    ASSERT_TRUE(importFile(other));
    EXPECT_EQ(UserDefaultHelper::from(), window);
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("7 day"));

    const QString current = writeFile(
        QStringLiteral("current.bak"),
        BackupDocument::write({profile(QStringLiteral("ann@x"), {reading(86400.0, 1, 1.0f), reading(0.0, 2, 1.0f)})}).value());
    ASSERT_TRUE(importFile(current));
    EXPECT_EQ(UserDefaultHelper::from(), Timestamp{0.0}.toDateTime());
    EXPECT_EQ(UserDefaultHelper::to(), Timestamp{86400.0}.toDateTime());
    EXPECT_EQ(UserDefaultHelper::limitTo(), Timestamp{86400.0}.toDateTime());
    EXPECT_EQ(UserDefaultHelper::date(), QStringLiteral("ALL"));
    EXPECT_EQ(UserDefaultHelper::time(), QStringLiteral("All day"));
}

TEST_F(Backup, TheWorkFolderIsEmptiedBeforeTheCopy)
{
    ASSERT_TRUE(QDir().mkpath(workCopy(QString())));
    QFile stale(StoreFile::folderPath() + QStringLiteral("/JsonFile/stale.txt"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    // A leftover copy of the same name would block the new copy.
    QFile leftover(workCopy(QStringLiteral("same.json")));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    const QString path = writeFile(QStringLiteral("same.bak"), "[]");
    ASSERT_TRUE(importFile(path));
    EXPECT_FALSE(QFile::exists(StoreFile::folderPath() + QStringLiteral("/JsonFile/stale.txt")));
    EXPECT_FALSE(QFile::exists(workCopy(QStringLiteral("same.json"))));
    EXPECT_TRUE(console.contains(QStringLiteral("fileName -> same.json\ncopyPath: ")
                                 + QUrl::fromLocalFile(path).toString() + QStringLiteral("\nnewURL: ")
                                 + QUrl::fromLocalFile(workCopy(QStringLiteral("same.json"))).toString()));
    EXPECT_TRUE(storeContents().isEmpty());
}

TEST_F(Backup, AFileThatCannotBeCopiedGivesTheFailureAlertWithoutIcon)
{
    script->answerPath(QDir(files.path()).filePath(QStringLiteral("missing.bak")));
    script->answer(Alert::firstButton);
    EXPECT_FALSE(BackupProcess::importStore(nullptr));
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::none);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup could not be imported."));
}

TEST_F(Backup, AFailedWriteLeavesNoFileAndShowsTheFailureAlert)
{
    store(sample());
    const QString missing = QDir(files.path()).filePath(QStringLiteral("gone"));
    script->answerPath(missing);
    script->answer(Alert::firstButton);
    BackupProcess::exportStore(nullptr);
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup could not be saved."));
    EXPECT_FALSE(QDir(missing).exists());
    EXPECT_TRUE(QDir(files.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(Backup, ADiskThatFillsDuringAnExportIsToldAndKeepsTheEarlierBackup)
{
    QList<Decode_Profile> records = sample();
    records[0].pfmInfo[0].note = QString(40'000, QLatin1Char('n'));
    store(records);
    AppClock::setNow(QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5)));
    const QString path = QDir(files.path()).filePath(QStringLiteral("Export_QFDB_20240315143005.bak"));
    const QByteArray earlier("an earlier backup of the same name");
    writeFile(QFileInfo(path).fileName(), earlier);
    for (const qint64 room : {0, 10'000, 40'000}) {
        script->answerPath(files.path());
        script->answer(Alert::firstButton);
        {
            const FileSizeLimit limit(room);
            BackupProcess::exportStore(nullptr);
        }
        EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark) << room;
        EXPECT_EQ(script->last().alert.message, QStringLiteral("The backup could not be saved.")) << room;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), earlier) << room;
        EXPECT_EQ(QDir(files.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
    }
}

TEST_F(Backup, CancelledPanelsDoNothing)
{
    store(sample());
    script->answerCancel();
    BackupProcess::exportStore(nullptr);
    script->answerCancel();
    EXPECT_FALSE(BackupProcess::importStore(nullptr));
    EXPECT_EQ(script->shown().size(), 2);
    EXPECT_EQ(script->unusedAnswers(), 0);
    EXPECT_FALSE(QDir(StoreFile::folderPath() + QStringLiteral("/JsonFile")).exists());
}

TEST_F(Backup, AnEmptyStoreExportsAnEmptyArrayAndImportingItChangesNothing)
{
    script->answerPath(files.path());
    script->answer(Alert::firstButton);
    BackupProcess::exportStore(nullptr);
    const QStringList written = QDir(files.path()).entryList({QStringLiteral("*.bak")});
    ASSERT_EQ(written.size(), 1);
    const QString path = QDir(files.path()).filePath(written.first());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(BackupDocument::read(file.readAll()), QList<Decode_Profile>());
    EXPECT_TRUE(importFile(path));
    EXPECT_TRUE(storeContents().isEmpty());
}

// Another program may replace the store's file by a rename, or remove it, while Brisvale has it
// open (through a link, SQLite would write on into the file the link led to): an import then
// merges nothing, into neither file, and says why.
TEST_F(Backup, AStoreFileReplacedOrRemovedWhileOpenTakesNoImport)
{
    using StoreFiles::FileChange;
    const StoreFiles::OpenFileChange cases[] = {
        {"the same file", false, FileChange::none},
        {"replaced by a rename", false, FileChange::renamedOver},
        {"removed", false, FileChange::removed},
        {"a link replaced by a rename", true, FileChange::renamedOver},
    };
    const QString path = writeFile(QStringLiteral("whole.bak"), BackupDocument::write(sample()).value());
    const QString profiles = QStringLiteral("SELECT count(*) FROM Profile");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const QString opened = test.throughLink ? StoreFiles::linkToDrive() : StoreFile::filePath();
        store({profile(QStringLiteral("ann@x"), {reading(1.0, 300, 2.0f)})});
        const ProfilePtr ann = viewContext().fetchProfile(QStringLiteral("ann@x")).value();
        StoreFiles::changeFile(test.change);

        EXPECT_EQ(importFile(path), test.change == FileChange::none);
        EXPECT_FALSE(QFile::exists(workCopy(QStringLiteral("whole.json"))));
        if (test.change == FileChange::none) {
            EXPECT_EQ(rawFileQuery(opened, profiles).toInt(), sample().size());
            continue;
        }
        EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark);
        EXPECT_EQ(script->last().alert.message,
                  QStringLiteral("Another program replaced or removed Brisvale's store while Brisvale was open, "
                                 "so the backup was not imported: the store was not changed. Quit Brisvale and "
                                 "open it again, then import the backup again."));
        EXPECT_FALSE(viewContext().hasChanges());
        EXPECT_EQ(viewContext().fetchProfiles().value(), QList<ProfilePtr>{ann});
        EXPECT_EQ(viewContext().pfmInfo(ann).value().size(), 1);
        EXPECT_EQ(QFileInfo::exists(StoreFile::filePath()), test.change == FileChange::renamedOver);
        if (test.change == FileChange::renamedOver) {
            EXPECT_EQ(rawStoreQuery(profiles).toInt(), 1);
        }
        if (test.throughLink) {
            EXPECT_EQ(rawFileQuery(opened, profiles).toInt(), 1);
        }
    }
}
