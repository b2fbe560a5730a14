#include "Brisvale/reports/BackupProcess.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/WholeFile.h"
#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/records/FolderProcess.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/records/ReadingKey.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/reports/ReportFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUrl>
#include <algorithm>

namespace {

const QString importPanelTitle = QStringLiteral("Choose a bak file");

// The plan the profile's zones follow, as a backup writes it: a stored number no plan knows is
// the default, which every reader of the backup accepts.
qint32 storedZonePlan(const Profile& profile)
{
    return static_cast<qint32>(PeakFlowMath::zonePlanFromStored(profile.zone_Plan));
}

void showOutcome(const char* key, AlertSymbol symbol)
{
    AlertPresenter::shared().runModal(Alert{Localization::text(QLatin1String(key)), symbol, {}});
}

// The success alert of an import, with the number of readings left out when there are any.
void showImported(qsizetype leftOut)
{
    if (leftOut == 0) {
        showOutcome("SettingsController_AlertMessage_ImportSuccess", AlertSymbol::checkmark);
        return;
    }
    AlertPresenter::shared().runModal(
        Alert{Localization::text(QStringLiteral("SettingsController_AlertMessage_ImportUnreadableReadings"),
                                 Localization::Placeholder::count, QString::number(leftOut)),
              AlertSymbol::checkmark, {}});
}

QString fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path).toString();
}

// A profile of the import with the keys of its readings that the file's are compared with:
// none until it is first merged.
struct MergedProfile {
    ProfilePtr profile;
    std::optional<QSet<ReadingKey>> comparison;
};

// The profiles of the import by e-mail: the stored ones, then the ones the import creates.
using ProfilesByEmail = QHash<QString, MergedProfile>;

// Every stored profile that has an e-mail, under it; where several share one, the first in fetch
// order.
StoreResult<ProfilesByEmail> profilesByEmail()
{
    const StoreResult<QList<ProfilePtr>> profiles = viewContext().fetchProfiles();
    if (!profiles) {
        return profiles.error();
    }
    ProfilesByEmail byEmail;
    byEmail.reserve(profiles.value().size());
    for (const ProfilePtr& profile : profiles.value()) {
        if (profile->email && !byEmail.contains(*profile->email)) {
            byEmail.insert(*profile->email, MergedProfile{profile, std::nullopt});
        }
    }
    return byEmail;
}

// Reads the readings of every stored profile that the file names, before the merge adds any:
// the store then has no new reading to look through for each.
std::optional<QString> readComparisonSets(const QList<Decode_Profile>& records,
                                          ProfilesByEmail& byEmail)
{
    for (const Decode_Profile& record : records) {
        const auto found = byEmail.find(record.email.value_or(QString()));
        if (found == byEmail.end() || found->comparison) {
            continue;
        }
        const StoreResult<QList<PFMPtr>> stored = viewContext().pfmInfo(found->profile);
        if (!stored) {
            return stored.error().text();
        }
        found->comparison = ReadingKey::keysOf(stored.value());
    }
    return std::nullopt;
}

// The profile of the e-mail, or a new one (pending) joining the table when there is none, so
// that a later profile of the file with the same e-mail updates it.
MergedProfile& profileToMerge(const QString& email, ProfilesByEmail& byEmail)
{
    const auto found = byEmail.find(email);
    if (found != byEmail.end()) {
        Console::printLine(QStringLiteral("修改使用者"));
        return *found;
    }
    Console::printLine(QStringLiteral("新增使用者"));
    return *byEmail.insert(email, MergedProfile{viewContext().insertProfile(), QSet<ReadingKey>()});
}

// Adds each reading of the record unless the comparison set holds an equal one. Readings added
// here join the set only afterwards, so a file profile may add two equal readings while a later
// file profile with the same e-mail finds them. A reading without a date is never stored.
void mergeReadings(const ProfilePtr& profile, QSet<ReadingKey>& comparison,
                   const Decode_Profile& record)
{
    QList<ReadingKey> added;
    for (const Decode_PFM& reading : record.pfmInfo) {
        if (!reading.measureDate) {
            Console::printLine(QStringLiteral("略過沒有日期的PFM"));
            continue;
        }
        const ReadingKey key{reading.fev1Value, reading.pefValue, reading.measureDate->seconds};
        if (!comparison.contains(key)) {
            BackupProcess::insertReadingFromBackup(profile, reading);
            added << key;
        }
    }
    for (const ReadingKey& key : std::as_const(added)) {
        comparison.insert(key);
    }
}

// Merges one profile of the file, unsaved.
void mergeProfile(const Decode_Profile& record, ProfilesByEmail& byEmail)
{
    const QString email = record.email.value_or(QString());
    Console::printLine(QStringLiteral("目前使用的email") + email);
    MergedProfile& merged = profileToMerge(email, byEmail);
    BackupProcess::fillProfileFromBackup(merged.profile, record);
    mergeReadings(merged.profile, *merged.comparison, record);
}

// When the file holds the current user's profile, that user's date window becomes its first
// to its last reading.
void renewCurrentUser(const QList<Decode_Profile>& records, const ProfilesByEmail& byEmail)
{
    const std::optional<QString> current = UserDefaultHelper::email();
    const bool inFile = current && std::any_of(records.cbegin(), records.cend(),
        [&](const Decode_Profile& record) { return record.email == current; });
    if (inFile) {
        RenewProcess::renewDateLimits(false, byEmail.value(*current).profile);
    }
}

void printDecoded(const QList<Decode_Profile>& records)
{
    Console::printLine(QStringLiteral("解析的資料 -> %1 profiles").arg(records.size()));
    for (const Decode_Profile& record : records) {
        Console::printLine(QStringLiteral("  %1: %2 readings")
                               .arg(record.email.value_or(QString()))
                               .arg(record.pfmInfo.size()));
    }
}

}

void BackupProcess::exportStore(QWidget* parent)
{
    const StoreResult<QList<ProfilePtr>> profiles = viewContext().fetchProfiles();
    if (!profiles) {
        Fatal::stop(QStringLiteral("Failed to fetch data: ") + profiles.error().text());
    }
    const std::optional<QString> folder = AlertPresenter::shared().chooseFolder(
        parent, Localization::text(QStringLiteral("SettingsController_ExportChooseFolder")));
    if (!folder) {
        return;
    }
    const QString path = QDir(*folder).filePath(BackupDocument::fileName(AppClock::now()));
    Console::printLine(QStringLiteral("jsonPath --> ") + fileUrl(path));
    if (const std::optional<QString> error = writeBackup(profiles.value(), path)) {
        Console::printLine(QStringLiteral("error:") + *error);
        showOutcome("SettingsController_AlertMessage_ExportFailed", AlertSymbol::xmark);
        return;
    }
    ReportFile::announceSuccess(QStringLiteral("SettingsController_AlertMessage_ExportSuccess"), path);
}

// Writes the profiles with their readings to the file, whole or not at all; answers why it failed.
std::optional<QString> BackupProcess::writeBackup(const QList<ProfilePtr>& profiles,
                                                  const QString& path)
{
    QList<Decode_Profile> records;
    for (const ProfilePtr& profile : profiles) {
        StoreResult<Decode_Profile> record = backupRecord(profile);
        if (!record) {
            return record.error().text();
        }
        records.append(std::move(record.value()));
    }
    QString error;
    const std::optional<QByteArray> document = BackupDocument::write(records, &error);
    if (!document) {
        return error;
    }
    return WholeFile::write(path, *document);
}

StoreResult<Decode_Profile> BackupProcess::backupRecord(const ProfilePtr& profile)
{
    const StoreResult<QList<PFMPtr>> readings = viewContext().pfmInfo(profile);
    if (!readings) {
        return readings.error();
    }
    Decode_Profile record{profile->accountID_cloud, profile->best_Value, profile->best_Value_Type,
                          profile->birthday,        profile->date_format, profile->email,
                          profile->gender,          profile->height,      profile->name,
                          profile->region,          profile->time_format, profile->unit_type,
                          profile->weight,          storedZonePlan(*profile), {}};
    for (const PFMPtr& reading : readings.value()) {
        record.pfmInfo.append(
            Decode_PFM{reading->fev1Value, reading->measureDate, reading->note, reading->pefValue});
    }
    return record;
}

bool BackupProcess::importStore(QWidget* parent)
{
    return importBackup(parent).has_value();
}

std::optional<QString> BackupProcess::restoreStore(QWidget* parent)
{
    const std::optional<QStringList> emails = importBackup(parent);
    if (!emails || emails->isEmpty()) {
        return std::nullopt;
    }
    return emails->first();
}

std::optional<QStringList> BackupProcess::importBackup(QWidget* parent)
{
    const std::optional<QString> chosen =
        AlertPresenter::shared().chooseFile(parent, importPanelTitle, QStringLiteral("bak"));
    if (!chosen) {
        return std::nullopt;
    }
    const std::optional<QString> copy = copyToWorkFolder(*chosen);
    if (!copy) {
        Console::printLine(QStringLiteral("error: the backup could not be copied into the work folder"));
        showOutcome("SettingsController_AlertMessage_ImportFailed", AlertSymbol::none);
        return std::nullopt;
    }
    MergedFile merged;
    const std::optional<QString> failure = mergeCopy(*copy, merged);
    if (failure) {
        reportImportFailure(*failure, merged.storeReplaced
                                          ? "SettingsController_AlertMessage_ImportStoreReplaced"
                                          : "SettingsController_AlertMessage_ImportFailed");
    } else {
        showImported(merged.leftOut);
    }
    // The copy holds someone's health data: it goes whatever the outcome. Failing to remove it
    // after a failed import is printed only, the failure has just been shown.
    QFile copied(*copy);
    if (!copied.remove()) {
        if (failure) {
            Console::printLine(QStringLiteral("error:") + copied.errorString());
        } else {
            reportImportFailure(copied.errorString());
        }
    }
    if (failure) {
        return std::nullopt;
    }
    return merged.emails;
}

// Answers why the import failed, when it did; what the file held goes to `merged`.
std::optional<QString> BackupProcess::mergeCopy(const QString& copy, MergedFile& merged)
{
    QString error;
    const std::optional<QList<Decode_Profile>> records = readCopy(copy, error, merged.leftOut);
    if (!records) {
        return error;
    }
    for (const Decode_Profile& record : *records) {
        merged.emails << record.email.value_or(QString());
    }
    // A store whose file another program replaced or removed is no longer the user's: nothing
    // is merged into it.
    const StoreStatus inPlace = viewContext().checkFileInPlace();
    if (!inPlace) {
        merged.storeReplaced = true;
        return inPlace.error().text();
    }
    return mergeProfiles(*records);
}

// Empties the work folder and copies the chosen file into it, with the extension "json".
// Answers the copy's path, or none when the copy could not be made.
std::optional<QString> BackupProcess::copyToWorkFolder(const QString& chosen)
{
    const FolderProcess folders;
    const FolderProcess::ReturnURLInfo work = folders.checkFolder(FolderProcess::importFolder);
    if (work.status) {
        folders.removeFolder(work);
    }
    const FolderProcess::ReturnURLInfo target =
        folders.createFolder(work, FolderProcess::FolderKind::BAK2JSON);
    if (!target.status) {
        return std::nullopt;
    }
    const QString name = QFileInfo(chosen).completeBaseName() + QStringLiteral(".json");
    const QString copy = QDir(target.path.toLocalFile()).filePath(name);
    Console::printLine(QStringLiteral("fileName -> ") + name + QStringLiteral("\ncopyPath: ")
                       + fileUrl(chosen) + QStringLiteral("\nnewURL: ") + fileUrl(copy));
    if (!QFile::copy(chosen, copy)) {
        return std::nullopt;
    }
    return copy;
}

std::optional<QList<Decode_Profile>> BackupProcess::readCopy(const QString& copy, QString& error,
                                                             qsizetype& leftOut)
{
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    std::optional<QList<Decode_Profile>> records =
        BackupDocument::read(file.readAll(), &error, &leftOut);
    if (records) {
        printDecoded(*records);
    }
    return records;
}

// Merges every profile of the file and saves them all at once; answers why it failed. A failure
// leaves the store and its objects as they were.
std::optional<QString> BackupProcess::mergeProfiles(const QList<Decode_Profile>& records)
{
    // Changes left pending are saved first, so that a failed merge can discard all it changed.
    const StoreStatus pending = viewContext().save();
    if (!pending) {
        return pending.error().text();
    }
    StoreResult<ProfilesByEmail> byEmail = profilesByEmail();
    if (!byEmail) {
        return byEmail.error().text();
    }
    // Nothing is changed before the comparison sets are read, nothing can fail after but the save.
    if (const std::optional<QString> failure = readComparisonSets(records, byEmail.value())) {
        return failure;
    }
    for (const Decode_Profile& record : records) {
        mergeProfile(record, byEmail.value());
    }
    const StoreStatus saved = viewContext().save();
    if (!saved) {
        return saved.error().text();
    }
    renewCurrentUser(records, byEmail.value());
    return std::nullopt;
}

ProfilePtr BackupProcess::fillProfileFromBackup(const ProfilePtr& profile,
                                                const Decode_Profile& record)
{
    profile->accountID_cloud = record.accountID_cloud;
    profile->email = record.email;
    profile->name = record.name;
    profile->gender = record.gender;
    profile->height = record.height;
    profile->weight = record.weight;
    profile->birthday = record.birthday;
    profile->unit_type = record.unit_type;
    profile->date_format = record.date_format;
    profile->time_format = record.time_format;
    profile->best_Value = record.best_Value;
    profile->best_Value_Type = record.best_Value_Type;
    profile->region = record.region;
    profile->zone_Plan = record.zone_Plan;
    return profile;
}

ProfilePtr BackupProcess::insertReadingFromBackup(const ProfilePtr& profile,
                                                  const Decode_PFM& record)
{
    Console::printLine(QStringLiteral("新增PFM"));
    const PFMPtr reading = viewContext().insertReading(profile);
    reading->pefValue = record.pefValue;
    reading->fev1Value = record.fev1Value;
    reading->measureDate = record.measureDate;
    reading->note = record.note;
    return profile;
}

void BackupProcess::reportImportFailure(const QString& error, const char* key)
{
    Console::printLine(QStringLiteral("error:") + error);
    showOutcome(key, AlertSymbol::xmark);
}
