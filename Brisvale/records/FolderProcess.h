#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The work folders inside the application's own folder under the user's data location
// (<data>/Brisvale): the PDF report's chart pictures and the copy of a backup being imported.
// Made by its user for one task.
class FolderProcess {
public:
    // The work subfolders, by folder name.
    enum class FolderKind { PEF, FEV1, BAK2JSON };

    // The result of each operation: whether the folder exists (or was made), and where.
    struct ReturnURLInfo {
        bool status = false;
        QUrl path; // a file URL
    };

    static QString rawValue(FolderKind kind);

    // The work folders in the application's folder: the PDF report's chart pictures (with PEF
    // and FEV1 inside), and a backup being imported (with BAK2JSON inside).
    static inline const QString chartPicturesFolder = QStringLiteral("PDFMakeChartPic");
    static inline const QString importFolder = QStringLiteral("JsonFile");

    // The application's folder name under the data location.
    QString FOLDER_PATH = QStringLiteral("Brisvale");

    // The application folder, or the folder `name` inside it; status tells whether anything (a
    // plain file too) is there. Creates nothing. Prints "檢查的文件位置->" and the URL.
    ReturnURLInfo checkFolder(const std::optional<QString>& name = std::nullopt) const;

    // Creates the kind's folder inside info.path with every missing folder above it. Gives
    // {true, the new folder} when it exists as a folder afterwards, else {false, info.path}.
    ReturnURLInfo createFolder(const ReturnURLInfo& info, FolderKind kind) const;

    // Removes the item at info.path, a plain file or a whole folder tree (a symbolic link is
    // removed itself, never what it points to). Prints "移除文件成功" or "移除文件失敗".
    bool removeFolder(const ReturnURLInfo& info) const;

    // Removes the two work folders with what a report or an import
    // cut short left in them (a backup's copy holds every reading as plain JSON). Only for the
    // data folder's one writer, at its start: another copy may be at work in them. The store and
    // its copies beside them are never touched. Prints nothing; a folder that can't be removed is
    // left, and removed again by the next report or import.
    void clearWorkFolders() const;

private:
    QString folderPath(const std::optional<QString>& name) const;
    static bool removeItem(const QString& path);
};
