#include "Brisvale/shell/HelpManual.h"

#include "Brisvale/platform/WholeFile.h"
#include "Brisvale/records/StoreFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// The manual lives in a resource of the static application library; naming it here links it in.
static void initializeHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace {

HelpManual::Opener& opener()
{
    static HelpManual::Opener current;
    return current;
}

bool writeManual(const QString& path)
{
    static const bool initialized = (initializeHelpResources(), true);
    Q_UNUSED(initialized);
    QFile source(QStringLiteral(":/help/manual.html"));
    if (!source.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    return !WholeFile::write(path, source.readAll());
}

}

namespace HelpManual {

QString filePath()
{
    return StoreFile::folderPath() + QStringLiteral("/Help/manual.html");
}

bool open()
{
    const QString path = filePath();
    if (!writeManual(path)) {
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

void setOpener(Opener replacement)
{
    opener() = std::move(replacement);
}

}
