#include "support/TestEnvironment.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace {
std::unique_ptr<QTemporaryDir>& folder()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}
}

namespace TestEnvironment {

void isolateUserFolders()
{
    if (!folder()) {
        folder() = std::make_unique<QTemporaryDir>();
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
