#include "support/TestEnvironment.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <unistd.h>

namespace {

// The temporary folder is removed only by the process that made it: a death test's child that
// ends through exit() must not delete the folder its parent still works in.
struct OwnedFolder {
    QTemporaryDir dir;
    pid_t owner = ::getpid();
    OwnedFolder() { dir.setAutoRemove(false); }
    ~OwnedFolder()
    {
        if (::getpid() == owner) {
            dir.remove();
        }
    }
    QString path() const { return dir.path(); }
};

std::unique_ptr<OwnedFolder>& folder()
{
    static std::unique_ptr<OwnedFolder> dir;
    return dir;
}
}

namespace TestEnvironment {

void isolateUserFolders()
{
    if (!folder()) {
        folder() = std::make_unique<OwnedFolder>();
    }
    QDir(folder()->path()).mkpath(QStringLiteral("data"));
    QDir(folder()->path()).mkpath(QStringLiteral("config"));
    qputenv("XDG_DATA_HOME", (folder()->path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (folder()->path() + QStringLiteral("/config")).toUtf8());
    QStandardPaths::setTestModeEnabled(false);
}

QString root()
{
    return folder() ? folder()->path() : QString();
}

void clearUserFolders()
{
    for (const char* name : {"data", "config"}) {
        QDir dir(root() + QLatin1Char('/') + QLatin1String(name));
        dir.removeRecursively();
        QDir(root()).mkpath(QLatin1String(name));
    }
}

}
