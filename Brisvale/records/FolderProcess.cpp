#include "Brisvale/records/FolderProcess.h"

#include "Brisvale/platform/Console.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The local path of a file URL, or nothing for a URL that names no local file: an empty path
// must never fall back to the working folder or the file system's root.
std::optional<QString> localPath(const QUrl& url)
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QDir::cleanPath(path);
}

}

QString FolderProcess::rawValue(FolderKind kind)
{
    switch (kind) {
    case FolderKind::PEF: return QStringLiteral("PEF");
    case FolderKind::FEV1: return QStringLiteral("FEV1");
    case FolderKind::BAK2JSON: return QStringLiteral("BAK2JSON");
    }
    return QString();
}

QString FolderProcess::folderPath(const std::optional<QString>& name) const
{
    QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QLatin1Char('/') + FOLDER_PATH;
    if (name) {
        path += QLatin1Char('/') + *name;
    }
    return QDir::cleanPath(path);
}

FolderProcess::ReturnURLInfo FolderProcess::checkFolder(const std::optional<QString>& name) const
{
    const QUrl url = QUrl::fromLocalFile(folderPath(name));
    Console::printLine(QStringLiteral("檢查的文件位置->") + url.toString());
    const QFileInfo item(url.toLocalFile());
    return {item.exists() || item.isSymLink(), url};
}

FolderProcess::ReturnURLInfo FolderProcess::createFolder(const ReturnURLInfo& info,
                                                         FolderKind kind) const
{
    const auto parent = localPath(info.path);
    if (!parent) {
        return {false, info.path};
    }
    const QString path = *parent + QLatin1Char('/') + rawValue(kind);
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) {
        return {false, info.path};
    }
    return {true, QUrl::fromLocalFile(path)};
}

bool FolderProcess::removeFolder(const ReturnURLInfo& info) const
{
    const auto path = localPath(info.path);
    const bool removed = path && removeItem(*path);
    Console::printLine(removed ? QStringLiteral("移除文件成功") : QStringLiteral("移除文件失敗"));
    return removed;
}

void FolderProcess::clearWorkFolders() const
{
    for (const QString& name : {chartPicturesFolder, importFolder}) {
        removeItem(folderPath(name));
    }
}

bool FolderProcess::removeItem(const QString& path)
{
    const QFileInfo item(path);
    if (item.isDir() && !item.isSymLink()) {
        return QDir(path).removeRecursively();
    }
    if (item.exists() || item.isSymLink()) {
        return QFile::remove(path);
    }
    return false;
}
