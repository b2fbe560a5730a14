#include "StoreFiles.h"
#include "StoreTestSupport.h"

#include "support/CodeUnits.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QFile>

#include <cmath>
#include <limits>

namespace {

QList<qint64> idsOf(const QList<PFMPtr>& readings)
{
    QList<qint64> ids;
    for (const PFMPtr& reading : readings) {
        ids << reading->objectID();
    }
    return ids;
}

}

using StoreIdentity = FreshStore;

TEST_F(StoreIdentity, OneObjectPerRowUntilTheStoreIsClosed)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a@b.c"), {100.0, 200.0});
    StoreContext& context = viewContext();
    EXPECT_EQ(context.fetchProfiles().value(), QList<ProfilePtr>{profile});
    EXPECT_EQ(context.fetchProfile(QStringLiteral("a@b.c")).value(), profile);
    const QList<PFMPtr> readings = context.pfmInfo(profile).value();
    ASSERT_EQ(readings.size(), 2);
    EXPECT_EQ(context.pfmInfo(profile).value(), readings);
    EXPECT_EQ(context.existingReading(readings[1]->objectID()).value(), readings[1]);
    EXPECT_EQ(readings[0]->accountID(), profile);

    closeViewContext();
    const ProfilePtr reopened = viewContext().fetchProfile(QStringLiteral("a@b.c")).value();
    ASSERT_TRUE(reopened);
    EXPECT_NE(reopened, profile);
    EXPECT_EQ(reopened->objectID(), profile->objectID());
    const QList<PFMPtr> fromFile = viewContext().pfmInfo(reopened).value();
    EXPECT_EQ(idsOf(fromFile), idsOf(readings));
    EXPECT_EQ(
        viewContext().existingReading(readings[0]->objectID()).value()->accountID(), reopened);
}

TEST_F(StoreIdentity, NewObjectsShowInFetchesBeforeTheSaveAndLinkBothEnds)
{
    const ProfilePtr stored = storedProfile(QStringLiteral("first"), {10.0});
    StoreContext& context = viewContext();
    const ProfilePtr added = context.insertProfile();
    EXPECT_EQ(added->objectID(), 0);
    EXPECT_EQ(context.fetchProfiles().value(), (QList<ProfilePtr>{stored, added}));
    const PFMPtr reading = context.insertReading(stored);
    EXPECT_EQ(reading->accountID(), stored);
    EXPECT_EQ(context.pfmInfo(stored).value().last(), reading);
    EXPECT_TRUE(context.hasChanges());
    reading->measureDate = Timestamp{20.0};
    ASSERT_TRUE(context.save().ok());
    EXPECT_FALSE(context.hasChanges());
    EXPECT_GT(reading->objectID(), 0);
    EXPECT_EQ(context.existingReading(reading->objectID()).value(), reading);
}

TEST_F(StoreIdentity, NewProfilesHaveTheStoreDefaults)
{
    ProfilePtr profile = viewContext().insertProfile();
    ASSERT_TRUE(viewContext().save().ok());
    closeViewContext();
    profile = viewContext().fetchProfiles().value().value(0);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->accountID_cloud, 0);
    EXPECT_EQ(profile->best_Value, 0);
    EXPECT_FALSE(profile->best_Value_Type || profile->gender || profile->region
        || profile->time_format || profile->unit_type);
    EXPECT_EQ(profile->date_format, 0);
    EXPECT_EQ(profile->height, 0.0f);
    EXPECT_EQ(profile->weight, 0.0f);
    EXPECT_EQ(profile->zone_Plan, 0);
    EXPECT_FALSE(profile->birthday || profile->email || profile->name);
    EXPECT_FALSE(viewContext().hasChanges());
}

TEST_F(StoreIdentity, ASaveLetsGoOfObjectsNobodyHoldsAndKeepsTheirChanges)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a"), {1.0, 2.0});
    std::weak_ptr<Profile> other = storedProfile(QStringLiteral("b"));
    StoreContext& context = viewContext();
    const PFMPtr held = context.pfmInfo(profile).value()[1];
    std::weak_ptr<PFM> dropped = context.pfmInfo(profile).value()[0];
    // Changed, then let go by everyone but the context: the change is still saved.
    context.fetchProfile(QStringLiteral("b")).value()->name = QStringLiteral("B");
    dropped.lock()->pefValue = 333;
    held->note = QStringLiteral("kept");
    ASSERT_FALSE(other.expired());
    ASSERT_TRUE(context.save().ok());

    EXPECT_TRUE(dropped.expired());
    EXPECT_TRUE(other.expired());
    const QList<PFMPtr> again = context.pfmInfo(profile).value();
    EXPECT_EQ(again[1], held);
    EXPECT_EQ(again[0]->pefValue, 333);
    EXPECT_EQ(context.fetchProfile(QStringLiteral("b")).value()->name, QStringLiteral("B"));
    closeViewContext();
    EXPECT_EQ(viewContext().fetchProfile(QStringLiteral("b")).value()->name, QStringLiteral("B"));
}

using StoreEmail = FreshStore;

TEST_F(StoreEmail, MatchesExactlyAndAnAbsentEmailMatchesOnlyProfilesWithout)
{
    const ProfilePtr upper = storedProfile(QStringLiteral("Anna@x.org"));
    const ProfilePtr lower = storedProfile(QStringLiteral("anna@x.org"));
    const ProfilePtr spaced = storedProfile(QStringLiteral("anna@x.org "));
    const ProfilePtr none = storedProfile(std::nullopt);
    const ProfilePtr empty = storedProfile(QString());
    const ProfilePtr twin = storedProfile(QStringLiteral("anna@x.org"));
    closeViewContext(); // the comparison must hold for rows read back from the file as well

    StoreContext& context = viewContext();
    const auto idOf = [&](const std::optional<QString>& email) {
        const ProfilePtr found = context.fetchProfile(email).value();
        return found ? found->objectID() : qint64(-1);
    };
    EXPECT_EQ(idOf(QStringLiteral("anna@x.org")), lower->objectID());
    EXPECT_EQ(context.fetchProfiles(QStringLiteral("anna@x.org")).value().size(), 2);
    EXPECT_EQ(idOf(QStringLiteral("Anna@x.org")), upper->objectID());
    EXPECT_EQ(idOf(QStringLiteral("anna@x.org ")), spaced->objectID());
    EXPECT_EQ(idOf(std::nullopt), none->objectID());
    EXPECT_EQ(idOf(QStringLiteral("")), empty->objectID());
    EXPECT_EQ(idOf(QStringLiteral("ANNA@X.ORG")), -1);
    EXPECT_EQ(twin->objectID(),
        context.fetchProfiles(QStringLiteral("anna@x.org")).value()[1]->objectID());
}

TEST_F(StoreEmail, PendingChangesOfTheEmailCount)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("old@x.org"));
    profile->email = QStringLiteral("new@x.org");
    EXPECT_FALSE(viewContext().fetchProfile(QStringLiteral("old@x.org")).value());
    EXPECT_EQ(viewContext().fetchProfile(QStringLiteral("new@x.org")).value(), profile);
}

using StoreObjectID = FreshStore;

TEST_F(StoreObjectID, FindsStoredReadingsAndReportsMissingOnesAsErrors)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a"), {1.0, 2.0, 3.0});
    StoreContext& context = viewContext();
    const QList<PFMPtr> readings = context.pfmInfo(profile).value();
    const qint64 last = readings[2]->objectID();

    context.deleteReading(readings[2]);
    EXPECT_FALSE(context.existingReading(last).ok()); // pending deletion
    ASSERT_TRUE(context.save().ok());
    const StoreResult<PFMPtr> deleted = context.existingReading(last);
    ASSERT_FALSE(deleted.ok());
    EXPECT_FALSE(deleted.error().description.isEmpty());
    EXPECT_FALSE(context.existingReading(0).ok());
    EXPECT_FALSE(context.existingReading(999999).ok());

    // Identifiers are never reused: a new reading can't be found under a deleted one's.
    PFMPtr added = context.insertReading(profile);
    added->measureDate = Timestamp{4.0};
    ASSERT_TRUE(context.save().ok());
    EXPECT_GT(added->objectID(), last);
    closeViewContext();
    EXPECT_FALSE(viewContext().existingReading(last).ok());
    EXPECT_EQ(
        viewContext().existingReading(readings[0]->objectID()).value()->measureDate->seconds, 1.0);
}

TEST_F(StoreObjectID, FindsStoredProfilesAndReportsMissingOnesAsErrors)
{
    const ProfilePtr kept = storedProfile(QStringLiteral("kept"));
    const ProfilePtr gone = storedProfile(QStringLiteral("gone"));
    const qint64 keptId = kept->objectID();
    const qint64 goneId = gone->objectID();
    StoreContext& context = viewContext();
    EXPECT_EQ(context.existingProfile(keptId).value(), kept);
    context.deleteProfile(gone);
    EXPECT_FALSE(context.existingProfile(goneId).ok()); // pending deletion
    ASSERT_TRUE(context.save().ok());
    for (const qint64 id : {goneId, qint64(0), qint64(999999)}) {
        EXPECT_FALSE(context.existingProfile(id).ok()) << id;
    }
    closeViewContext();
    EXPECT_EQ(viewContext().existingProfile(keptId).value()->email, QStringLiteral("kept"));
}

using StoreDelete = FreshStore;

TEST_F(StoreDelete, DeletingAProfileTakesItsReadingsAlong)
{
    const ProfilePtr gone = storedProfile(QStringLiteral("gone"), {1.0, 2.0});
    const ProfilePtr kept = storedProfile(QStringLiteral("kept"), {3.0});
    StoreContext& context = viewContext();
    const QList<PFMPtr> goneReadings = context.pfmInfo(gone).value();
    PFMPtr unsaved = context.insertReading(gone);
    unsaved->measureDate = Timestamp{5.0};

    context.deleteProfile(gone);
    EXPECT_TRUE(context.pfmInfo(gone).value().isEmpty());
    EXPECT_FALSE(context.existingReading(goneReadings[0]->objectID()).ok());
    ASSERT_TRUE(context.save().ok());

    EXPECT_EQ(rowCount(QStringLiteral("Profile")), 1);
    EXPECT_EQ(rowCount(QStringLiteral("PFM")), 1);
    EXPECT_EQ(context.fetchProfiles().value(), QList<ProfilePtr>{kept});
    EXPECT_EQ(context.pfmInfo(kept).value().size(), 1);
    EXPECT_FALSE(context.existingReading(goneReadings[1]->objectID()).ok());
}

TEST_F(StoreDelete, DeletingNewObjectsJustDropsThem)
{
    StoreContext& context = viewContext();
    const ProfilePtr profile = context.insertProfile();
    const PFMPtr reading = context.insertReading(profile);
    context.deleteReading(reading);
    EXPECT_TRUE(context.pfmInfo(profile).value().isEmpty());
    context.deleteProfile(profile);
    EXPECT_FALSE(context.hasChanges());
    EXPECT_TRUE(context.save().ok());
    EXPECT_EQ(rowCount(QStringLiteral("Profile")), 0);
}

using StoreRollback = FreshStore;

TEST_F(StoreRollback, ADatelessReadingRefusesTheSaveAndNothingPendingSurvives)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a"), {1.0, 2.0});
    StoreContext& context = viewContext();
    const QList<PFMPtr> readings = context.pfmInfo(profile).value();
    profile->best_Value = 450;
    readings[0]->note = QStringLiteral("edited");
    context.deleteReading(readings[1]);
    PFMPtr dated = context.insertReading(profile);
    dated->measureDate = Timestamp{3.0};
    context.insertReading(profile); // no date

    const StoreStatus saved = context.save();
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(
        saved.error().description, QStringLiteral("A reading without a date can't be stored"));
    EXPECT_EQ(profile->best_Value, 0);
    EXPECT_FALSE(readings[0]->note);
    EXPECT_EQ(context.pfmInfo(profile).value(), readings);
    EXPECT_FALSE(context.hasChanges());

    // A later, unrelated save commits none of it.
    profile->name = QStringLiteral("Ann");
    ASSERT_TRUE(context.save().ok());
    closeViewContext();
    const ProfilePtr reopened = viewContext().fetchProfile(QStringLiteral("a")).value();
    EXPECT_EQ(reopened->name, QStringLiteral("Ann"));
    EXPECT_EQ(reopened->best_Value, 0);
    EXPECT_EQ(idsOf(viewContext().pfmInfo(reopened).value()), idsOf(readings));
    EXPECT_FALSE(viewContext().pfmInfo(reopened).value()[0]->note);
}

TEST_F(StoreRollback, ADatabaseFailureHalfWayLeavesStoreAndObjectsAsBefore)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a"), {1.0});
    rawQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON PFM WHEN NEW.pefValue = 666 "
                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
    StoreContext& context = viewContext();
    profile->name = QStringLiteral("changed");
    const ProfilePtr added = context.insertProfile();
    for (const qint32 pef : {300, 666}) {
        PFMPtr reading = context.insertReading(profile);
        reading->pefValue = pef;
        reading->measureDate = Timestamp{2.0};
    }
    const StoreStatus saved = context.save();
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().details.contains(QStringLiteral("refused by trigger")));
    EXPECT_FALSE(profile->name);
    EXPECT_EQ(added->objectID(), 0);
    EXPECT_EQ(context.fetchProfiles().value(), QList<ProfilePtr>{profile});
    EXPECT_EQ(context.pfmInfo(profile).value().size(), 1);
    EXPECT_EQ(rowCount(QStringLiteral("Profile")), 1);
    EXPECT_EQ(rowCount(QStringLiteral("PFM")), 1);
    EXPECT_TRUE(rawQuery(QStringLiteral("SELECT name FROM Profile")).isNull());
    EXPECT_TRUE(context.save().ok()); // nothing left to write
    EXPECT_EQ(rowCount(QStringLiteral("PFM")), 1);
}

// No room for the journal at all, or room for the journal but not for the store to grow.
TEST_F(StoreRollback, ASaveOnAFullDiskIsRefusedAndLeavesTheStoreFileAsItWas)
{
    const auto storeBytes = [] {
        QFile file(StoreFile::filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const bool roomForTheJournal : {false, true}) {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storedProfile(QStringLiteral("a"), {1.0});
        const QByteArray before = storeBytes();
        PFMPtr reading = viewContext().insertReading(profile);
        reading->measureDate = Timestamp{2.0};
        reading->note = QString(512 * 1024, QLatin1Char('n'));
        StoreStatus saved = std::monostate();
        {
            const FileSizeLimit limit(roomForTheJournal ? before.size() : 0);
            saved = viewContext().save();
        }
        EXPECT_FALSE(saved.ok()) << roomForTheJournal;
        EXPECT_EQ(storeBytes(), before) << roomForTheJournal;
        EXPECT_EQ(rowCount(QStringLiteral("PFM")), 1) << roomForTheJournal;
    }
}

// Another program may replace the store's file by a rename, or remove it, while Brisvale has it
// open; through a link, SQLite would write on into the file the link led to. Every save looks
// first, whatever it writes (a note, a best value, a deletion, a download's readings): it is
// refused, neither file changes, and nothing stays pending.
TEST_F(StoreRollback, ASaveIntoAStoreFileReplacedOrRemovedWhileOpenIsRefused)
{
    using StoreFiles::FileChange;
    using Change = std::function<void(StoreContext&, const ProfilePtr&, const QList<PFMPtr>&)>;
    const Change editNote = [](StoreContext&, const ProfilePtr&, const QList<PFMPtr>& readings) {
        readings[0]->note = QStringLiteral("edited");
    };
    const struct {
        const char* name;
        Change change;
        bool throughLink;
        FileChange fileChange;
    } cases[] = {
        {"a note, a link replaced", editNote, true, FileChange::renamedOver},
        {"a best value, a link replaced",
         [](StoreContext&, const ProfilePtr& profile, const QList<PFMPtr>&) { profile->best_Value = 450; },
         true, FileChange::renamedOver},
        {"a deletion, a link replaced",
         [](StoreContext& context, const ProfilePtr&, const QList<PFMPtr>& readings) {
             context.deleteReading(readings[1]);
         },
         true, FileChange::renamedOver},
        {"a new reading, a link replaced",
         [](StoreContext& context, const ProfilePtr& profile, const QList<PFMPtr>&) {
             context.insertReading(profile)->measureDate = Timestamp{3.0};
         },
         true, FileChange::renamedOver},
        {"a note, the file replaced", editNote, false, FileChange::renamedOver},
        {"a note, the file removed", editNote, false, FileChange::removed},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const QString opened = test.throughLink ? StoreFiles::linkToDrive() : StoreFile::filePath();
        const ProfilePtr profile = storedProfile(QStringLiteral("a"), {1.0, 2.0});
        StoreContext& context = viewContext();
        const QList<PFMPtr> readings = context.pfmInfo(profile).value();
        StoreFiles::changeFile(test.fileChange);
        const QByteArray openedBefore = StoreFiles::bytes(opened);
        const QByteArray inPlaceBefore = StoreFiles::bytes(StoreFile::filePath());
        test.change(context, profile, readings);

        const StoreStatus saved = context.save();
        ASSERT_FALSE(saved.ok());
        EXPECT_TRUE(saved.error().fileReplaced);
        EXPECT_EQ(saved.error().text(),
                  QStringLiteral("The store's file was replaced or removed since it was opened (")
                      + StoreFile::filePath() + QLatin1Char(')'));
        EXPECT_FALSE(context.hasChanges());
        EXPECT_EQ(context.pfmInfo(profile).value(), readings);
        EXPECT_EQ(StoreFiles::bytes(opened), openedBefore);
        EXPECT_EQ(StoreFiles::bytes(StoreFile::filePath()), inPlaceBefore);
    }
}

TEST_F(StoreRollback, NonFiniteDatesAreRefused)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a"));
    profile->birthday = Timestamp{std::numeric_limits<double>::infinity()};
    EXPECT_FALSE(viewContext().save().ok());
    EXPECT_FALSE(profile->birthday);
    PFMPtr reading = viewContext().insertReading(profile);
    reading->measureDate = Timestamp{std::numeric_limits<double>::quiet_NaN()};
    EXPECT_FALSE(viewContext().save().ok());
    EXPECT_EQ(rowCount(QStringLiteral("PFM")), 0);
}

using StoreValues = FreshStore;

TEST_F(StoreValues, FloatsComeBackAsTheSameFloats)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a"));
    profile->height = 167.64f;
    profile->weight = std::numeric_limits<float>::quiet_NaN();
    PFMPtr reading = viewContext().insertReading(profile);
    reading->fev1Value = 3.45f;
    reading->measureDate = Timestamp{1.0};
    ASSERT_TRUE(viewContext().save().ok());
    // The file holds the float's exact value, not the decimal it was typed as.
    EXPECT_EQ(rawQuery(QStringLiteral("SELECT fev1Value FROM PFM")).toDouble(), double(3.45f));
    EXPECT_NE(rawQuery(QStringLiteral("SELECT fev1Value FROM PFM")).toDouble(), 3.45);
    rawQuery(
        QStringLiteral("INSERT INTO PFM (accountID, fev1Value, measureDate) VALUES (%1, 1e39, 2)")
            .arg(profile->objectID()));

    closeViewContext();
    const ProfilePtr reopened = viewContext().fetchProfile(QStringLiteral("a")).value();
    EXPECT_EQ(reopened->height, 167.64f);
    EXPECT_TRUE(std::isnan(reopened->weight));
    const QList<PFMPtr> readings = viewContext().pfmInfo(reopened).value();
    ASSERT_EQ(readings.size(), 2);
    EXPECT_EQ(readings[0]->fev1Value, 3.45f);
    EXPECT_EQ(readings[1]->fev1Value, std::numeric_limits<float>::infinity());
    EXPECT_FALSE(viewContext().hasChanges()); // a NaN equals itself as a stored value
}

TEST_F(StoreValues, TheZonePlanIsAChangeSavedInItsColumnAndReadBack)
{
    const struct {
        qint32 plan;
        bool changed;
    } cases[] = {{1, true}, {0, false}, {7, true}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.plan);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storedProfile(QStringLiteral("a"));
        profile->zone_Plan = test.plan;
        EXPECT_EQ(viewContext().hasChanges(), test.changed);
        ASSERT_TRUE(viewContext().save().ok());
        EXPECT_EQ(rawQuery(QStringLiteral("SELECT zone_Plan FROM Profile")).toInt(), test.plan);
        closeViewContext();
        EXPECT_EQ(viewContext().fetchProfile(QStringLiteral("a")).value()->zone_Plan, test.plan);
    }
}

TEST_F(StoreValues, DatesAndTextsKeepEveryDigitAndTheirPresence)
{
    const double precise = 86400.000123456789;
    const ProfilePtr profile = storedProfile(QStringLiteral("a"), {precise});
    profile->birthday = Timestamp{-978307200.0 + 0.0000001};
    profile->name = QString(); // present, though empty
    ASSERT_TRUE(viewContext().save().ok());
    closeViewContext();
    const ProfilePtr reopened = viewContext().fetchProfile(QStringLiteral("a")).value();
    EXPECT_EQ(reopened->birthday->seconds, -978307200.0 + 0.0000001);
    ASSERT_TRUE(reopened->name.has_value());
    EXPECT_TRUE(reopened->name->isEmpty());
    const PFMPtr reading = viewContext().pfmInfo(reopened).value().value(0);
    EXPECT_EQ(reading->measureDate->seconds, precise);
    EXPECT_FALSE(reading->note);
}

// Every text column gives back exactly the text saved in it, by insert and by update, and
// another program reading the file finds the same characters. Half a surrogate pair is no
// character: the save refuses it and the store keeps what it had.
TEST_F(StoreValues, EveryTextReadsBackExactlyOrTheSaveRefusesIt)
{
    const struct {
        const char* row;
        QString text;
        bool stored;
    } cases[] = {
        {"U+FEFF first", codeUnits({0xFEFF, u'A', u'B'}), true},
        {"U+FFFE first", codeUnits({0xFFFE, u'A', u'B'}), true},
        {"U+FEFF inside", codeUnits({u'A', 0xFEFF, u'B'}), true},
        {"U+FFFE and U+FFFF inside", codeUnits({u'A', 0xFFFE, 0xFFFF, u'B'}), true},
        {"plain", QStringLiteral("Anna \u00d6berg"), true},
        {"empty", QString(QLatin1String("")), true},
        {"beyond the BMP", codeUnits({0xD83D, 0xDE00, u'x'}), true},
        {"U+0000 inside", codeUnits({u'A', 0, u'B'}), true},
        {"lone high surrogate", codeUnits({0xD800, u'A'}), false},
        {"lone low surrogate", codeUnits({u'A', 0xDC00}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr updated = storedProfile(QStringLiteral("before"), {1.0});
        updated->email = updated->name = c.text;
        viewContext().pfmInfo(updated).value().value(0)->note = c.text;
        const ProfilePtr inserted = viewContext().insertProfile();
        inserted->email = inserted->name = c.text;
        PFMPtr reading = viewContext().insertReading(inserted);
        reading->measureDate = Timestamp{2.0};
        reading->note = c.text;
        EXPECT_EQ(viewContext().save().ok(), c.stored);

        closeViewContext();
        const QList<ProfilePtr> profiles = viewContext().fetchProfiles().value();
        ASSERT_EQ(profiles.size(), c.stored ? 2 : 1);
        for (const ProfilePtr& profile : profiles) {
            EXPECT_EQ(profile->email, c.stored ? c.text : QStringLiteral("before"));
            EXPECT_EQ(profile->name, c.stored ? std::optional(c.text) : std::nullopt);
            EXPECT_EQ(viewContext().pfmInfo(profile).value().value(0)->note,
                      c.stored ? std::optional(c.text) : std::nullopt);
        }
        EXPECT_FALSE(viewContext().hasChanges());
        if (c.stored) {
            const QString bytes = QString::fromLatin1(c.text.toUtf8().toHex().toUpper());
            for (const char* column : {"Profile.email", "Profile.name", "PFM.note"}) {
                const QStringList table = QString::fromLatin1(column).split(QLatin1Char('.'));
                EXPECT_EQ(rawQuery(QStringLiteral("SELECT group_concat(hex(%1), ',') FROM %2")
                                       .arg(table[1], table[0]))
                              .toString(),
                          bytes + QLatin1Char(',') + bytes)
                    << column;
            }
        }
    }
}

TEST_F(StoreValues, StoredRowsWithoutADateAreIgnoredByEveryReader)
{
    const ProfilePtr profile = storedProfile(QStringLiteral("a"), {5.0});
    rawQuery(QStringLiteral("INSERT INTO PFM (accountID, pefValue) VALUES (%1, 400)")
                 .arg(profile->objectID()));
    const qint64 dateless = rawQuery(QStringLiteral("SELECT max(id) FROM PFM")).toLongLong();
    closeViewContext();
    const ProfilePtr reopened = viewContext().fetchProfile(QStringLiteral("a")).value();
    EXPECT_EQ(viewContext().pfmInfo(reopened).value().size(), 1);
    EXPECT_FALSE(viewContext().existingReading(dateless).ok());
    EXPECT_TRUE(viewContext().save().ok());
}

using StoreWindow = FreshStore;

TEST_F(StoreWindow, ReadingsOfAWindowComeNewestFirstWithBothEndsIncluded)
{
    const ProfilePtr profile =
        storedProfile(QStringLiteral("a"), {10.0, 30.0, 20.0, 30.0, 40.0, 9.5});
    const ProfilePtr other = storedProfile(QStringLiteral("b"), {20.0});
    StoreContext& context = viewContext();
    const QList<PFMPtr> all = context.pfmInfo(profile).value(); // row order
    ASSERT_EQ(all.size(), 6);
    const QList<PFMPtr> expected{all[3], all[1], all[2], all[0]}; // equal dates: later row first
    EXPECT_EQ(context.fetchReadings(profile, Timestamp{10.0}, Timestamp{30.0}).value(), expected);
    EXPECT_TRUE(context.fetchReadings(profile, Timestamp{31.0}, Timestamp{39.0}).value().isEmpty());
    EXPECT_TRUE(context.fetchReadings(other, Timestamp{30.0}, Timestamp{10.0}).value().isEmpty());

    // With changes pending, the window sees them: the same order rules, new readings latest.
    all[4]->measureDate = Timestamp{15.0};
    context.deleteReading(all[0]);
    PFMPtr added = context.insertReading(profile);
    added->measureDate = Timestamp{30.0};
    EXPECT_EQ(context.fetchReadings(profile, Timestamp{10.0}, Timestamp{30.0}).value(),
        (QList<PFMPtr>{added, all[3], all[1], all[2], all[4]}));
    ASSERT_TRUE(context.save().ok());
    EXPECT_EQ(context.fetchReadings(profile, Timestamp{10.0}, Timestamp{30.0}).value(),
        (QList<PFMPtr>{added, all[3], all[1], all[2], all[4]}));
}

TEST_F(StoreValues, ManyReadingsOfOneSaveKeepTheirOwnValuesAndOwners)
{
    StoreContext& context = viewContext();
    const ProfilePtr first = context.insertProfile();
    const ProfilePtr second = context.insertProfile();
    for (int i = 0; i < 123; ++i) { // more than one statement's worth, and a remainder
        PFMPtr reading = context.insertReading(i % 3 == 0 ? second : first);
        reading->pefValue = i;
        reading->fev1Value = float(i) / 100.0f;
        reading->measureDate = Timestamp{1000.0 + i};
        if (i % 2 == 0) {
            reading->note = QString::number(i);
        }
    }
    ASSERT_TRUE(context.save().ok());
    closeViewContext();
    const QList<ProfilePtr> profiles = viewContext().fetchProfiles().value();
    ASSERT_EQ(profiles.size(), 2);
    QList<PFMPtr> readings =
        viewContext().pfmInfo(profiles[0]).value() + viewContext().pfmInfo(profiles[1]).value();
    ASSERT_EQ(readings.size(), 123);
    std::sort(readings.begin(), readings.end(),
        [](const PFMPtr& a, const PFMPtr& b) { return a->pefValue < b->pefValue; });
    for (int i = 0; i < 123; ++i) {
        const PFM& reading = *readings[i];
        EXPECT_EQ(reading.fev1Value, float(i) / 100.0f);
        EXPECT_EQ(reading.measureDate->seconds, 1000.0 + i);
        EXPECT_EQ(
            reading.note, i % 2 == 0 ? std::optional<QString>(QString::number(i)) : std::nullopt);
        EXPECT_EQ(reading.accountID(), profiles[i % 3 == 0 ? 1 : 0]);
    }
}
