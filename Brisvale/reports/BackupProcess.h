#pragma once

#include "Brisvale/records/Decode_PFM.h"
#include "Brisvale/records/Decode_Profile.h"
#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/records/StoreResult.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The backup of the whole store: every profile with all of its readings written to one backup
// document, and such a document merged back. Both run to the end inside the button's action: a
// panel chooses the place, the work is done, an alert tells the outcome.
class BackupProcess {
public:
    BackupProcess() = delete;

    // Asks for a folder and writes "Export_QFDB_<local yyyyMMddHHmmss>.bak" there, whole or not
    // at all (an existing file of that name is replaced).
    static void exportStore(QWidget* parent);

    // Asks for a ".bak" file and merges it into the store in one save: profiles are matched by
    // exact e-mail and take every attribute of the file; a reading is added unless the profile
    // held an equal one (FEV1, PEF and date) before. Readings that no meter can give, or
    // without a usable date, are left out, and the success alert says how many.
    // An import that fails changes nothing, neither in the store nor in the objects of the store
    // in use; nor does one into a store whose file another program replaced or removed while it
    // was open, which an alert of its own names. The file is read from a copy in the work folder
    // "JsonFile/BAK2JSON", removed after the import whatever its outcome.
    // Answers whether the store may have changed: only after a successful merge.
    static bool importStore(QWidget* parent);

    // The same import, for a restore on first start: answers the e-mail of the file's first
    // profile after a successful merge; none when the import failed or the file holds no profile.
    static std::optional<QString> restoreStore(QWidget* parent);

    // Copies every attribute of the record into the profile (its readings are not touched);
    // answers the same profile.
    static ProfilePtr fillProfileFromBackup(const ProfilePtr& profile, const Decode_Profile& record);

    // Adds a new reading with the record's values to the profile, unsaved; answers the profile.
    static ProfilePtr insertReadingFromBackup(const ProfilePtr& profile, const Decode_PFM& record);

    // The backup record of a stored profile with its readings, in store order.
    static StoreResult<Decode_Profile> backupRecord(const ProfilePtr& profile);

private:
    static std::optional<QString> writeBackup(const QList<ProfilePtr>& profiles,
                                              const QString& path);
    static std::optional<QString> copyToWorkFolder(const QString& chosen);
    // What a merged file held: its profiles' e-mails in file order, and how many of its readings
    // were left out as no meter gives them.
    struct MergedFile {
        QStringList emails;
        qsizetype leftOut = 0;
        bool storeReplaced = false;  // the store's file was no longer the one open
    };

    static std::optional<QList<Decode_Profile>> readCopy(const QString& copy, QString& error,
                                                         qsizetype& leftOut);
    // The e-mails of the file's profiles, in file order, after a successful merge.
    static std::optional<QStringList> importBackup(QWidget* parent);
    static std::optional<QString> mergeCopy(const QString& copy, MergedFile& merged);
    static std::optional<QString> mergeProfiles(const QList<Decode_Profile>& records);
    static void reportImportFailure(const QString& error,
                                    const char* key = "SettingsController_AlertMessage_ImportFailed");
};
