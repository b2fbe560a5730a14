#pragma once

#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/StoreResult.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>
#include <unordered_map>
#include <vector>

class QSqlDatabase;
class QSqlQuery;

// The one place through which the application reads and writes profiles and readings.
//
// The context hands out one object per stored row: fetching a row twice gives the same object,
// whose attributes the caller changes directly. Inserts and deletes are pending until save(),
// which writes every pending change in one transaction. A save that fails changes nothing in
// the store and rolls the objects back to their last saved state, so no pending change is left
// for a later save to commit. After a save, an object that nobody but the context holds is let
// go (nobody can tell it from the one made afresh from its row at the next fetch), so the
// objects a save looks through are the ones in use.
//
// Fetches see the pending changes: new objects appear after the stored ones, deleted objects
// (and the readings of a deleted profile) no longer appear. Stored readings without a date are
// ignored by every fetch. Everything runs on the main thread.
class StoreContext {
public:
    // A context over an open connection of that name to the file identified (both given by
    // StoreFile::open); the context closes and removes the connection when it is destroyed.
    StoreContext(const QString& connectionName, const StoreFile::Identity& openedFile);
    ~StoreContext();
    StoreContext(const StoreContext&) = delete;
    StoreContext& operator=(const StoreContext&) = delete;

    // Every profile, in fetch order: stored ones by row, then new ones in insertion order.
    StoreResult<QList<ProfilePtr>> fetchProfiles();

    // The profiles whose e-mail equals the given one exactly (case-sensitive, untrimmed); an
    // absent e-mail matches the profiles without one. In fetch order.
    StoreResult<QList<ProfilePtr>> fetchProfiles(const std::optional<QString>& email);

    // The first of fetchProfiles(email), or a null pointer when none matches.
    StoreResult<ProfilePtr> fetchProfile(const std::optional<QString>& email);

    // A new profile with the store's defaults, pending until saved.
    ProfilePtr insertProfile();

    // The profile's readings (its pfmInfo), read from the store on every call: stored ones by
    // row (which is insertion order), then new ones in insertion order. Empty for a profile that
    // is deleted or not of this context.
    StoreResult<QList<PFMPtr>> pfmInfo(const ProfilePtr& profile);

    // The profile's readings dated from first to last, both included, newest first; among equal
    // dates the later inserted comes first. Read from the store on every call, through the
    // index of owner and date.
    StoreResult<QList<PFMPtr>> fetchReadings(const ProfilePtr& profile, Timestamp first,
                                             Timestamp last);

    // A new reading owned by the profile (both ends of the relation set), pending until saved.
    // Set its measureDate before saving: a reading without a date is refused by save().
    PFMPtr insertReading(const ProfilePtr& owner);

    // The reading with that object identifier, or an error when there is none (deleted, never
    // saved, or stored without a date).
    StoreResult<PFMPtr> existingReading(qint64 objectID);

    // The profile with that object identifier, or an error when there is none (deleted or never
    // saved).
    StoreResult<ProfilePtr> existingProfile(qint64 objectID);

    // Marks the profile deleted; its readings go with it. A new profile is simply dropped.
    void deleteProfile(const ProfilePtr& profile);

    // Marks the reading deleted. A new reading is simply dropped.
    void deleteReading(const PFMPtr& reading);

    // Whether anything was inserted, deleted or changed since the last save.
    bool hasChanges() const;

    // Whether the file at the store's path is still the one this context opened (the same device
    // and inode as when StoreFile::open identified it). Another program may replace the file by a
    // rename (a sync or backup tool does that) or remove it while it is open: a save would then go
    // into a file that the user no longer has. The error names the path and is fileReplaced.
    StoreStatus checkFileInPlace() const;

    // Writes every pending change in one transaction. A reading without a finite date, a date
    // that isn't finite, a store's file no longer in place (checkFileInPlace, looked at before
    // the first write and before the commit), or any error of the database refuses the whole
    // save: the store keeps its contents and the objects return to their last saved state (as
    // rollback()).
    StoreStatus save();

    // Discards every pending change: changed objects get their saved attributes back, new
    // objects leave the context (they keep objectID 0 and can't be saved), deleted ones return.
    void rollback();

private:
    struct NewRows {
        QHash<const Profile*, qint64> profiles;
        qint64 firstReadingId = 0;  // the new readings' row ids follow on in their order
    };

    QSqlDatabase database() const;
    ProfilePtr profileFromRow(qint64 id, const ProfileAttributes& attributes);
    PFMPtr registerReading(qint64 id, const ProfilePtr& owner, const PFMAttributes& attributes);
    StoreResult<ProfilePtr> profileById(qint64 id);
    bool isOwnProfile(const ProfilePtr& profile) const;
    bool isDeleted(const PFM& reading) const;
    bool isNew(const Profile& profile) const;
    StoreResult<QList<PFMPtr>> storedReadings(const ProfilePtr& owner);
    StoreResult<QList<PFMPtr>> readingsOfRows(QSqlQuery& query, const ProfilePtr& owner);
    StoreResult<QList<PFMPtr>> pendingReadings(const ProfilePtr& profile, Timestamp first,
                                               Timestamp last);

    // The stored objects, not deleted, whose attributes differ from the ones last saved.
    struct Changes {
        std::vector<ProfilePtr> profiles;
        std::vector<PFMPtr> readings;
    };

    Changes changedObjects() const;
    std::optional<StoreError> refusal(const Changes& changes) const;
    StoreResult<NewRows> writeChanges(const Changes& changes);
    std::optional<StoreError> writeProfiles(NewRows& rows, const std::vector<ProfilePtr>& changed);
    std::optional<StoreError> writeReadings(NewRows& rows, const std::vector<PFMPtr>& changed);
    std::optional<StoreError> insertNewReadings(NewRows& rows);
    std::optional<StoreError> writeDeletions();
    void acceptChanges(const NewRows& rows, Changes changes);
    void letGoOfUnheldObjects();

    QString connectionName;
    StoreFile::Identity openedFile;
    // The stored objects by row id; each keeps its last saved attributes.
    QHash<qint64, ProfilePtr> profiles;
    // Row ids hash to themselves here: rows read in order find their objects close together.
    std::unordered_map<qint64, PFMPtr> readings;
    std::vector<ProfilePtr> newProfiles;
    // The same objects, for telling a new profile at once: a save checks the owner of every new
    // reading.
    QSet<const Profile*> newProfileSet;
    std::vector<PFMPtr> newReadings;
    QSet<qint64> deletedProfiles;
    QSet<qint64> deletedReadings;
};
