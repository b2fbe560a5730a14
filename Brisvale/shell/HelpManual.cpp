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

QByteArray manualBytes()
{
    static const bool initialized = (initializeHelpResources(), true);
    Q_UNUSED(initialized);
    QFile source(QStringLiteral(":/help/manual.html"));
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

bool writeManual(const QString& path)
{
    const QByteArray manual = manualBytes();
    if (manual.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    return !WholeFile::write(path, manual);
}

}

namespace HelpManual {

QString filePath()
{
    return StoreFile::folderPath() + QStringLiteral("/Help/manual.html");
}

QString text()
{
    return QString::fromUtf8(manualBytes());
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
