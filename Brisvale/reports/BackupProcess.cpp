#include "Brisvale/reports/BackupProcess.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/records/FolderProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/StoreRows.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QUrl>
#include <bit>

namespace {

const QString panelTitle = QStringLiteral("Choose a bak file");
const QString workFolderName = QStringLiteral("JsonFile");

void showOutcome(const char* key, AlertSymbol symbol)
{
    AlertPresenter::shared().runModal(Alert{Localization::text(QLatin1String(key)), symbol, {}});
}

QString fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path).toString();
}

// What makes two readings equal for the merge: FEV1 (as floats: a NaN equals nothing, -0 equals
// 0), PEF and date (as doubles, the same way). The note is not compared.
struct ReadingKey {
    float fev1Value = 0.0f;
    qint32 pefValue = 0;
    double measureDate = 0.0;

    friend bool operator==(const ReadingKey&, const ReadingKey&) = default;
};

// Equal keys hash alike: adding +0 turns -0 into +0 and leaves every other value as it is.
size_t qHash(const ReadingKey& key, size_t seed = 0)
{
    return qHashMulti(seed, std::bit_cast<quint32>(key.fev1Value + 0.0f), key.pefValue,
                      std::bit_cast<quint64>(key.measureDate + 0.0));
}

// The keys of the readings that have a date; a reading without one equals no dated reading.
QSet<ReadingKey> comparisonSet(const QList<PFMPtr>& readings)
{
    QSet<ReadingKey> keys;
    keys.reserve(readings.size());
    for (const PFMPtr& stored : readings) {
        if (stored->measureDate) {
            keys.insert(ReadingKey{stored->fev1Value, stored->pefValue, stored->measureDate->seconds});
        }
    }
    return keys;
}

// Adds each reading of the record unless the comparison set (the profile's readings before this
// merge) holds an equal one. Readings added here are not compared with, so a file may add two
// equal readings. A reading without a date is never stored. Answers whether any was added.
bool mergeReadings(const ProfilePtr& profile, const QSet<ReadingKey>& comparison,
                   const Decode_Profile& record)
{
    bool added = false;
    for (const Decode_PFM& reading : record.pfmInfo) {
        if (!reading.measureDate) {
            Console::printLine(QStringLiteral("略過沒有日期的PFM"));
            continue;
        }
        if (!comparison.contains(
                ReadingKey{reading.fev1Value, reading.pefValue, reading.measureDate->seconds})) {
            BackupProcess::insertReadingFromBackup(profile, reading);
            added = true;
        }
    }
    return added;
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
    const std::optional<QString> folder = AlertPresenter::shared().chooseFolder(parent, panelTitle);
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
    showOutcome("SettingsController_AlertMessage_ExportSuccess", AlertSymbol::checkmark);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*document) != document->size()
        || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
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
                          profile->weight,          {}};
    for (const PFMPtr& reading : readings.value()) {
        record.pfmInfo.append(
            Decode_PFM{reading->fev1Value, reading->measureDate, reading->note, reading->pefValue});
    }
    return record;
}

bool BackupProcess::importStore(QWidget* parent)
{
    const std::optional<QString> chosen =
        AlertPresenter::shared().chooseFile(parent, panelTitle, QStringLiteral("bak"));
    if (!chosen) {
        return false;
    }
    const std::optional<QString> copy = copyToWorkFolder(*chosen);
    if (!copy) {
        Console::printLine(QStringLiteral("error: the backup could not be copied into the work folder"));
        showOutcome("SettingsController_AlertMessage_ImportFailed", AlertSymbol::none);
        return false;
    }
    const MergeResult merged = mergeCopy(*copy);
    if (merged.error) {
        reportImportFailure(*merged.error);
    } else {
        showOutcome("SettingsController_AlertMessage_ImportSuccess", AlertSymbol::checkmark);
    }
    // The copy holds someone's health data: it goes whatever the outcome. Failing to remove it
    // after a failed import is printed only, the failure has just been shown.
    QFile copied(*copy);
    if (!copied.remove()) {
        if (merged.error) {
            Console::printLine(QStringLiteral("error:") + copied.errorString());
        } else {
            reportImportFailure(copied.errorString());
        }
    }
    return merged.error ? merged.savedAny : true;
}

BackupProcess::MergeResult BackupProcess::mergeCopy(const QString& copy)
{
    QString error;
    const std::optional<QList<Decode_Profile>> records = readCopy(copy, error);
    if (!records) {
        return MergeResult{error, false};
    }
    return mergeProfiles(*records);
}

// Empties the work folder and copies the chosen file into it, with the extension "json".
// Answers the copy's path, or none when the copy could not be made.
std::optional<QString> BackupProcess::copyToWorkFolder(const QString& chosen)
{
    const FolderProcess folders;
    const FolderProcess::ReturnURLInfo work = folders.checkFolder(workFolderName);
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

std::optional<QList<Decode_Profile>> BackupProcess::readCopy(const QString& copy, QString& error)
{
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    std::optional<QList<Decode_Profile>> records = BackupDocument::read(file.readAll(), &error);
    if (records) {
        printDecoded(*records);
    }
    return records;
}

BackupProcess::MergeResult BackupProcess::mergeProfiles(const QList<Decode_Profile>& records)
{
    MergeResult result;
    // Changes left pending are saved first, as the first merged profile's save would save them;
    // from here on a merge that changes nothing has nothing to save.
    const StoreStatus pending = viewContext().save();
    if (!pending) {
        result.error = pending.error().text();
        return result;
    }
    StoreResult<ProfilesByEmail> byEmail = profilesByEmail();
    if (!byEmail) {
        result.error = byEmail.error().text();
        return result;
    }
    for (const Decode_Profile& record : records) {
        result.error = mergeProfile(record, byEmail.value());
        if (result.error) {
            break;
        }
        result.savedAny = true;
    }
    return result;
}

// The object identifier of every profile that has an e-mail, under it; where several share one,
// the first in fetch order's.
StoreResult<BackupProcess::ProfilesByEmail> BackupProcess::profilesByEmail()
{
    const StoreResult<QList<ProfilePtr>> profiles = viewContext().fetchProfiles();
    if (!profiles) {
        return profiles.error();
    }
    ProfilesByEmail byEmail;
    byEmail.reserve(profiles.value().size());
    for (const ProfilePtr& profile : profiles.value()) {
        if (profile->email && !byEmail.contains(*profile->email)) {
            byEmail.insert(*profile->email, profile->objectID());
        }
    }
    return byEmail;
}

// The stored profile of the e-mail, or a new one (pending) when there is none.
StoreResult<ProfilePtr> BackupProcess::profileToMerge(const QString& email,
                                                      const ProfilesByEmail& byEmail)
{
    const auto found = byEmail.constFind(email);
    if (found == byEmail.cend()) {
        Console::printLine(QStringLiteral("新增使用者"));
        return viewContext().insertProfile();
    }
    Console::printLine(QStringLiteral("修改使用者"));
    return viewContext().existingProfile(*found);
}

// Merges one profile of the file and saves it; answers why it failed. A failure leaves no
// change of this profile pending in the store. A profile created here joins the e-mail table,
// so a later profile of the file with the same e-mail updates it.
std::optional<QString> BackupProcess::mergeProfile(const Decode_Profile& record,
                                                   ProfilesByEmail& byEmail)
{
    const QString email = record.email.value_or(QString());
    Console::printLine(QStringLiteral("目前使用的email") + email);
    const StoreResult<ProfilePtr> found = profileToMerge(email, byEmail);
    if (!found) {
        return found.error().text();
    }
    const ProfilePtr& profile = found.value();
    const ProfileAttributes before = *profile;
    fillProfileFromBackup(profile, record);
    const StoreResult<QList<PFMPtr>> comparison = viewContext().pfmInfo(profile);
    if (!comparison) {
        viewContext().rollback();
        return comparison.error().text();
    }
    const bool added = mergeReadings(profile, comparisonSet(comparison.value()), record);
    // A save with nothing to write would find nothing, after looking through the objects in use.
    if (profile->objectID() == 0 || added || StoreRows::differ(*profile, before)) {
        const StoreStatus saved = viewContext().save();
        if (!saved) {
            return saved.error().text();
        }
    }
    byEmail.insert(email, profile->objectID());
    if (profile->email && profile->email == UserDefaultHelper::email()) {
        RenewProcess::renewDateLimits(false, profile);
    }
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

void BackupProcess::reportImportFailure(const QString& error)
{
    Console::printLine(QStringLiteral("error:") + error);
    showOutcome("SettingsController_AlertMessage_ImportFailed", AlertSymbol::xmark);
}
