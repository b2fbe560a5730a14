#include "Brisvale/records/StoreContext.h"

#include "Brisvale/records/StoreRows.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

namespace {

StoreError sqlError(const QString& description, const QSqlError& error)
{
    return StoreError{description, error.text()};
}

bool hasUsableDate(const std::optional<Timestamp>& date)
{
    return date && std::isfinite(date->seconds);
}

bool isFiniteOrAbsent(const std::optional<Timestamp>& date)
{
    return !date || std::isfinite(date->seconds);
}

bool byRow(const PFMPtr& a, const PFMPtr& b)
{
    return a->objectID() < b->objectID();
}

template <typename Objects, typename Object>
void eraseObject(Objects& objects, const Object& object)
{
    objects.erase(std::remove(objects.begin(), objects.end(), object), objects.end());
}

}

StoreContext::StoreContext(const QString& name, const StoreFile::Identity& opened)
    : connectionName(name), openedFile(opened)
{
}

StoreContext::~StoreContext()
{
    database().close();
    QSqlDatabase::removeDatabase(connectionName);
}

QSqlDatabase StoreContext::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

StoreResult<QList<ProfilePtr>> StoreContext::fetchProfiles()
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(StoreRows::selectProfiles)) {
        return sqlError(QStringLiteral("The profiles can't be fetched"), query.lastError());
    }
    QList<ProfilePtr> result;
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        if (deletedProfiles.contains(id)) {
            continue;
        }
        const auto found = profiles.constFind(id);
        result << (found != profiles.cend() ? *found
                                            : profileFromRow(id, StoreRows::readProfile(query)));
    }
    if (query.lastError().isValid()) {
        return sqlError(QStringLiteral("The profiles can't be fetched"), query.lastError());
    }
    result.append(QList<ProfilePtr>(newProfiles.begin(), newProfiles.end()));
    return result;
}

StoreResult<QList<ProfilePtr>> StoreContext::fetchProfiles(const std::optional<QString>& email)
{
    StoreResult<QList<ProfilePtr>> all = fetchProfiles();
    if (!all) {
        return all;
    }
    // Compared here rather than in SQL, so that pending changes of an e-mail count and an absent
    // e-mail matches an absent one (SQL's "= NULL" never matches).
    QList<ProfilePtr> matching;
    for (const ProfilePtr& profile : all.value()) {
        if (profile->email == email) {
            matching << profile;
        }
    }
    return matching;
}

StoreResult<ProfilePtr> StoreContext::fetchProfile(const std::optional<QString>& email)
{
    const StoreResult<QList<ProfilePtr>> matching = fetchProfiles(email);
    if (!matching) {
        return matching.error();
    }
    return matching.value().isEmpty() ? ProfilePtr() : matching.value().first();
}

ProfilePtr StoreContext::insertProfile()
{
    newProfiles.push_back(std::make_shared<Profile>());
    newProfileSet.insert(newProfiles.back().get());
    return newProfiles.back();
}

StoreResult<QList<PFMPtr>> StoreContext::pfmInfo(const ProfilePtr& profile)
{
    QList<PFMPtr> result;
    if (!profile || (!isOwnProfile(profile) && !isNew(*profile))
        || deletedProfiles.contains(profile->rowId)) {
        return result;
    }
    if (profile->rowId != 0) {
        StoreResult<QList<PFMPtr>> stored = storedReadings(profile);
        if (!stored) {
            return stored;
        }
        result = std::move(stored.value());
    }
    for (const PFMPtr& reading : newReadings) {
        if (reading->owner == profile) {
            result << reading;
        }
    }
    return result;
}

StoreResult<QList<PFMPtr>> StoreContext::storedReadings(const ProfilePtr& owner)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(StoreRows::selectReadingsOfOwner);
    query.bindValue(0, owner->rowId);
    StoreResult<QList<PFMPtr>> result = readingsOfRows(query, owner);
    // The rows come in the order of the owner-and-date index; row order is quicker to make here.
    if (result && !std::is_sorted(result.value().cbegin(), result.value().cend(), byRow)) {
        std::sort(result.value().begin(), result.value().end(), byRow);
    }
    return result;
}

StoreResult<QList<PFMPtr>> StoreContext::readingsOfRows(QSqlQuery& query, const ProfilePtr& owner)
{
    if (!query.exec()) {
        return sqlError(QStringLiteral("The readings can't be fetched"), query.lastError());
    }
    QList<PFMPtr> result;
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        const auto found = readings.find(id);
        if (found != readings.end()) {
            if (!deletedReadings.contains(id)) {
                result << found->second;
            }
            continue;
        }
        const std::optional<PFMAttributes> attributes = StoreRows::readReading(query);
        if (!attributes) {
            continue;
        }
        result << registerReading(id, owner, *attributes);
    }
    if (query.lastError().isValid()) {
        return sqlError(QStringLiteral("The readings can't be fetched"), query.lastError());
    }
    return result;
}

StoreResult<QList<PFMPtr>> StoreContext::fetchReadings(
    const ProfilePtr& profile, Timestamp first, Timestamp last)
{
    if (hasChanges()) {
        return pendingReadings(profile, first, last);
    }
    if (!profile || !isOwnProfile(profile)) {
        return QList<PFMPtr>();
    }
    // The owner-and-date index gives the rows newest first, the later row first on equal dates.
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(StoreRows::selectReadingsOfOwnerBetween);
    query.bindValue(0, profile->rowId);
    query.bindValue(1, first.seconds);
    query.bindValue(2, last.seconds);
    return readingsOfRows(query, profile);
}

StoreResult<QList<PFMPtr>> StoreContext::pendingReadings(
    const ProfilePtr& profile, Timestamp first, Timestamp last)
{
    StoreResult<QList<PFMPtr>> all = pfmInfo(profile);
    if (!all) {
        return all;
    }
    // Latest row first (new readings are the latest), then newest date first, keeping that
    // order among equal dates.
    QList<PFMPtr> kept;
    for (auto reading = all.value().crbegin(); reading != all.value().crend(); ++reading) {
        const std::optional<Timestamp>& date = (*reading)->measureDate;
        if (date && first <= *date && *date <= last) {
            kept << *reading;
        }
    }
    std::stable_sort(kept.begin(), kept.end(), [](const PFMPtr& a, const PFMPtr& b) {
        return b->measureDate->seconds < a->measureDate->seconds;
    });
    return kept;
}

PFMPtr StoreContext::insertReading(const ProfilePtr& owner)
{
    newReadings.push_back(PFMPtr(new PFM(owner)));
    return newReadings.back();
}

StoreResult<PFMPtr> StoreContext::existingReading(qint64 objectID)
{
    const StoreError missing{
        QStringLiteral("There is no reading with this identifier"), QString::number(objectID)};
    const auto found = readings.find(objectID);
    if (found != readings.end()) {
        return isDeleted(*found->second) ? StoreResult<PFMPtr>(missing) : found->second;
    }
    QSqlQuery query(database());
    query.prepare(StoreRows::selectReadingById);
    query.bindValue(0, objectID);
    if (!query.exec()) {
        return sqlError(QStringLiteral("The reading can't be fetched"), query.lastError());
    }
    if (!query.next()) {
        return query.lastError().isValid()
            ? sqlError(QStringLiteral("The reading can't be fetched"), query.lastError())
            : missing;
    }
    const std::optional<PFMAttributes> attributes = StoreRows::readReading(query);
    if (!attributes) {
        return missing;
    }
    const StoreResult<ProfilePtr> owner = profileById(StoreRows::readOwnerId(query));
    if (!owner) {
        return owner.error();
    }
    if (!owner.value() || deletedProfiles.contains(owner.value()->rowId)) {
        return missing;
    }
    return registerReading(objectID, owner.value(), *attributes);
}

StoreResult<ProfilePtr> StoreContext::existingProfile(qint64 objectID)
{
    StoreResult<ProfilePtr> found = profileById(objectID);
    if (found && (!found.value() || deletedProfiles.contains(objectID))) {
        return StoreError{QStringLiteral("There is no profile with this identifier"),
                          QString::number(objectID)};
    }
    return found;
}

ProfilePtr StoreContext::profileFromRow(qint64 id, const ProfileAttributes& attributes)
{
    auto profile = std::make_shared<Profile>();
    static_cast<ProfileAttributes&>(*profile) = attributes;
    profile->saved = attributes;
    profile->rowId = id;
    profiles.insert(id, profile);
    return profile;
}

PFMPtr StoreContext::registerReading(
    qint64 id, const ProfilePtr& owner, const PFMAttributes& attributes)
{
    PFMPtr reading(new PFM(owner));
    static_cast<PFMAttributes&>(*reading) = attributes;
    reading->saved = attributes;
    reading->rowId = id;
    readings.emplace(id, reading);
    return reading;
}

StoreResult<ProfilePtr> StoreContext::profileById(qint64 id)
{
    const auto found = profiles.constFind(id);
    if (found != profiles.cend()) {
        return *found;
    }
    QSqlQuery query(database());
    query.prepare(StoreRows::selectProfileById);
    query.bindValue(0, id);
    if (!query.exec()) {
        return sqlError(QStringLiteral("The profile can't be fetched"), query.lastError());
    }
    if (!query.next()) {
        if (query.lastError().isValid()) {
            return sqlError(QStringLiteral("The profile can't be fetched"), query.lastError());
        }
        return ProfilePtr();
    }
    return profileFromRow(id, StoreRows::readProfile(query));
}

bool StoreContext::isOwnProfile(const ProfilePtr& profile) const
{
    const auto found = profiles.constFind(profile->rowId);
    return found != profiles.cend() && *found == profile;
}

bool StoreContext::isNew(const Profile& profile) const
{
    return newProfileSet.contains(&profile);
}

bool StoreContext::isDeleted(const PFM& reading) const
{
    return deletedReadings.contains(reading.rowId)
        || (reading.owner && deletedProfiles.contains(reading.owner->rowId));
}

void StoreContext::deleteProfile(const ProfilePtr& profile)
{
    if (!profile) {
        return;
    }
    // Readings not yet saved go with their profile at once; stored ones go with it in the store.
    std::erase_if(newReadings, [&](const PFMPtr& reading) { return reading->owner == profile; });
    if (isNew(*profile)) {
        eraseObject(newProfiles, profile);
        newProfileSet.remove(profile.get());
    } else if (isOwnProfile(profile)) {
        deletedProfiles.insert(profile->rowId);
    }
}

void StoreContext::deleteReading(const PFMPtr& reading)
{
    if (!reading) {
        return;
    }
    if (reading->rowId == 0) {
        eraseObject(newReadings, reading);
        return;
    }
    const auto found = readings.find(reading->rowId);
    if (found != readings.end() && found->second == reading) {
        deletedReadings.insert(reading->rowId);
    }
}

bool StoreContext::hasChanges() const
{
    if (!newProfiles.empty() || !newReadings.empty() || !deletedProfiles.isEmpty()
        || !deletedReadings.isEmpty()) {
        return true;
    }
    const bool profileChanged = std::any_of(profiles.cbegin(), profiles.cend(),
        [](const auto& p) { return StoreRows::differ(*p, p->saved); });
    return profileChanged || std::any_of(readings.cbegin(), readings.cend(), [](const auto& r) {
        return StoreRows::differ(*r.second, r.second->saved);
    });
}

// A file that can't be looked at now is not known to be the one open.
StoreStatus StoreContext::checkFileInPlace() const
{
    const QString path = database().databaseName();
    const std::optional<StoreFile::Identity> atPath = StoreFile::identityOf(path);
    if (!atPath || *atPath != openedFile) {
        return StoreError{
            QStringLiteral("The store's file was replaced or removed since it was opened"), path,
            true};
    }
    return std::monostate();
}

StoreStatus StoreContext::save()
{
    if (!hasChanges()) {
        return std::monostate();
    }
    Changes changes = changedObjects();
    std::optional<StoreError> refused = refusal(changes);
    if (refused) {
        rollback();
        return *refused;
    }
    const StoreResult<NewRows> written = writeChanges(changes);
    if (!written) {
        rollback();
        return written.error();
    }
    acceptChanges(written.value(), std::move(changes));
    return std::monostate();
}

// One look at every stored object; the rest of the save works on what it found.
StoreContext::Changes StoreContext::changedObjects() const
{
    Changes changes;
    for (const ProfilePtr& profile : profiles) {
        if (StoreRows::differ(*profile, profile->saved) && !deletedProfiles.contains(profile->rowId)) {
            changes.profiles.push_back(profile);
        }
    }
    for (const auto& [id, reading] : readings) {
        if (StoreRows::differ(*reading, reading->saved) && !isDeleted(*reading)) {
            changes.readings.push_back(reading);
        }
    }
    return changes;
}

// Stored objects that did not change were checked when they were saved or read.
std::optional<StoreError> StoreContext::refusal(const Changes& changes) const
{
    const StoreError dateless{QStringLiteral("A reading without a date can't be stored"), {}};
    const StoreError badDate{QStringLiteral("A date that isn't finite can't be stored"), {}};
    const StoreError badText{QStringLiteral("A text with half a surrogate pair can't be stored"),
                             {}};
    for (const PFMPtr& reading : newReadings) {
        if (!hasUsableDate(reading->measureDate)) {
            return dateless;
        }
        if (!reading->owner || (!isOwnProfile(reading->owner) && !isNew(*reading->owner))) {
            return StoreError{QStringLiteral("A reading's owner is not in the store"), {}};
        }
        if (!StoreRows::holdsStorableTexts(*reading)) {
            return badText;
        }
    }
    for (const PFMPtr& reading : changes.readings) {
        if (!hasUsableDate(reading->measureDate)) {
            return dateless;
        }
        if (!StoreRows::holdsStorableTexts(*reading)) {
            return badText;
        }
    }
    for (const auto* group : {&changes.profiles, &newProfiles}) {
        for (const ProfilePtr& profile : *group) {
            if (!isFiniteOrAbsent(profile->birthday)) {
                return badDate;
            }
            if (!StoreRows::holdsStorableTexts(*profile)) {
                return badText;
            }
        }
    }
    return std::nullopt;
}

// The file at the store's path is looked at before the first write and again before the commit,
// which a large save may reach a while later: another file put there since the store was opened
// is not the user's store, and nothing is written to either.
StoreResult<StoreContext::NewRows> StoreContext::writeChanges(const Changes& changes)
{
    if (const StoreStatus inPlace = checkFileInPlace(); !inPlace) {
        return inPlace.error();
    }
    QSqlDatabase db = database();
    if (!db.transaction()) {
        return sqlError(QStringLiteral("The changes can't be saved"), db.lastError());
    }
    NewRows rows;
    std::optional<StoreError> failure = writeProfiles(rows, changes.profiles);
    if (!failure) {
        failure = writeReadings(rows, changes.readings);
    }
    if (!failure) {
        failure = writeDeletions();
    }
    if (!failure) {
        if (const StoreStatus inPlace = checkFileInPlace(); !inPlace) {
            failure = inPlace.error();
        }
    }
    if (!failure && !db.commit()) {
        failure = sqlError(QStringLiteral("The changes can't be saved"), db.lastError());
    }
    if (failure) {
        db.rollback();
        return *failure;
    }
    return rows;
}

std::optional<StoreError> StoreContext::writeProfiles(NewRows& rows,
                                                      const std::vector<ProfilePtr>& changed)
{
    const QString failed = QStringLiteral("The profiles can't be saved");
    QSqlQuery insert(database());
    if (!newProfiles.empty() && !insert.prepare(StoreRows::insertProfile)) {
        return sqlError(failed, insert.lastError());
    }
    for (const ProfilePtr& profile : newProfiles) {
        StoreRows::bindProfile(insert, *profile);
        if (!insert.exec()) {
            return sqlError(failed, insert.lastError());
        }
        rows.profiles.insert(profile.get(), insert.lastInsertId().toLongLong());
    }
    QSqlQuery update(database());
    if (!changed.empty() && !update.prepare(StoreRows::updateProfile)) {
        return sqlError(failed, update.lastError());
    }
    for (const ProfilePtr& profile : changed) {
        const int position = StoreRows::bindProfile(update, *profile);
        update.bindValue(position, profile->rowId);
        if (!update.exec()) {
            return sqlError(failed, update.lastError());
        }
    }
    return std::nullopt;
}

std::optional<StoreError> StoreContext::writeReadings(NewRows& rows,
                                                      const std::vector<PFMPtr>& changed)
{
    const QString failed = QStringLiteral("The readings can't be saved");
    std::optional<StoreError> failure = insertNewReadings(rows);
    if (failure) {
        return failure;
    }
    QSqlQuery update(database());
    if (!changed.empty() && !update.prepare(StoreRows::updateReading)) {
        return sqlError(failed, update.lastError());
    }
    for (const PFMPtr& reading : changed) {
        const int position = StoreRows::bindReading(update, *reading);
        update.bindValue(position, reading->rowId);
        if (!update.exec()) {
            return sqlError(failed, update.lastError());
        }
    }
    return std::nullopt;
}

// New readings go in by many rows a statement, with their row ids given: a download of many
// readings is one save of a blink.
std::optional<StoreError> StoreContext::insertNewReadings(NewRows& rows)
{
    const QString failed = QStringLiteral("The readings can't be saved");
    if (newReadings.empty()) {
        return std::nullopt;
    }
    QSqlQuery query(database());
    if (!query.exec(StoreRows::nextReadingId) || !query.next()) {
        return sqlError(failed, query.lastError());
    }
    rows.firstReadingId = query.value(0).toLongLong();
    constexpr qsizetype rowsPerStatement = 50;
    qsizetype preparedRows = 0;
    for (qsizetype start = 0; start < qsizetype(newReadings.size()); start += rowsPerStatement) {
        const qsizetype count = std::min(rowsPerStatement, qsizetype(newReadings.size()) - start);
        if (count != preparedRows && !query.prepare(StoreRows::insertReadings(int(count)))) {
            return sqlError(failed, query.lastError());
        }
        preparedRows = count;
        int position = 0;
        for (qsizetype index = start; index < start + count; ++index) {
            const PFM& reading = *newReadings[size_t(index)];
            const qint64 ownerId = reading.owner->rowId != 0
                ? reading.owner->rowId
                : rows.profiles.value(reading.owner.get());
            position = StoreRows::bindNewReading(
                query, position, rows.firstReadingId + index, reading, ownerId);
        }
        if (!query.exec()) {
            return sqlError(failed, query.lastError());
        }
    }
    return std::nullopt;
}

std::optional<StoreError> StoreContext::writeDeletions()
{
    const QString failed = QStringLiteral("The deletions can't be saved");
    const auto deleteRows = [&](const QString& statement,
                                const QSet<qint64>& ids) -> std::optional<StoreError> {
        if (ids.isEmpty()) {
            return std::nullopt;
        }
        QSqlQuery query(database());
        if (!query.prepare(statement)) {
            return sqlError(failed, query.lastError());
        }
        for (const qint64 id : ids) {
            query.bindValue(0, id);
            if (!query.exec()) {
                return sqlError(failed, query.lastError());
            }
        }
        return std::nullopt;
    };
    std::optional<StoreError> failure = deleteRows(StoreRows::deleteReading, deletedReadings);
    return failure ? failure : deleteRows(StoreRows::deleteProfile, deletedProfiles);
}

void StoreContext::acceptChanges(const NewRows& rows, Changes changes)
{
    for (const ProfilePtr& profile : newProfiles) {
        profile->rowId = rows.profiles.value(profile.get());
        profile->saved = *profile;
        profiles.insert(profile->rowId, profile);
    }
    for (size_t index = 0; index < newReadings.size(); ++index) {
        const PFMPtr& reading = newReadings[index];
        reading->rowId = rows.firstReadingId + qint64(index);
        reading->saved = *reading;
        readings.emplace(reading->rowId, reading);
    }
    for (const ProfilePtr& profile : changes.profiles) {
        profile->saved = *profile;
    }
    for (const PFMPtr& reading : changes.readings) {
        reading->saved = *reading;
    }
    if (!deletedReadings.isEmpty() || !deletedProfiles.isEmpty()) {
        std::erase_if(readings, [&](const auto& entry) { return isDeleted(*entry.second); });
        for (const qint64 id : std::as_const(deletedProfiles)) {
            profiles.remove(id);
        }
    }
    newProfiles.clear();
    newProfileSet.clear();
    newReadings.clear();
    deletedProfiles.clear();
    deletedReadings.clear();
    changes = Changes();
    letGoOfUnheldObjects();
}

// Every object holds what the store holds: one that nobody but the context holds is let go
// (readings first, as each holds its owner).
void StoreContext::letGoOfUnheldObjects()
{
    std::erase_if(readings, [](const auto& entry) { return entry.second.use_count() == 1; });
    profiles.removeIf([](const auto& entry) { return entry.value().use_count() == 1; });
}

void StoreContext::rollback()
{
    for (const ProfilePtr& profile : std::as_const(profiles)) {
        static_cast<ProfileAttributes&>(*profile) = profile->saved;
    }
    for (const auto& [id, reading] : readings) {
        static_cast<PFMAttributes&>(*reading) = reading->saved;
    }
    newProfiles.clear();
    newProfileSet.clear();
    newReadings.clear();
    deletedProfiles.clear();
    deletedReadings.clear();
}
