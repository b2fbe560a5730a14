#include "Brisvale/shell/AppDelegate.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/StoreFailureAlert.h"
#include "Brisvale/records/FolderProcess.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

AppDelegate::AppDelegate()
{
    QApplication::setQuitOnLastWindowClosed(true);
}

AppDelegate::~AppDelegate()
{
    closeViewContext();
}

bool AppDelegate::isDarkAppearance(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

bool AppDelegate::claimDataFolder()
{
    const WriterLock::Outcome outcome = writerLock.take();
    if (outcome == WriterLock::Outcome::taken) {
        FolderProcess().clearWorkFolders();
        return true;
    }
    AlertPresenter::shared().runModal(Alert::failure(lockMessage(outcome)));
    return false;
}

QString AppDelegate::lockMessage(WriterLock::Outcome outcome) const
{
    const QString path = QDir::toNativeSeparators(WriterLock::filePath());
    if (outcome == WriterLock::Outcome::heldByAnother) {
        return Localization::text(QStringLiteral("AppDelegate_AlertMessage_AlreadyRunning"));
    }
    if (outcome == WriterLock::Outcome::heldElsewhere) {
        return Localization::text(QStringLiteral("AppDelegate_AlertMessage_RunningElsewhere"))
            .arg(writerLock.otherComputer(), path);
    }
    const QString key = outcome == WriterLock::Outcome::inTheWay
        ? QStringLiteral("AppDelegate_AlertMessage_LockInTheWay")
        : QStringLiteral("AppDelegate_AlertMessage_LockNotMade");
    return Localization::text(key).arg(path) + QLatin1Char('\n') + writerLock.reason();
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (!isDarkAppearance(QApplication::palette())) {
        return;
    }
    // Fusion draws every control from the palette, so its own light palette is light throughout.
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!fusion) {
        return;
    }
    QApplication::setStyle(fusion);
    QApplication::setPalette(fusion->standardPalette());
}

void AppDelegate::saveAction()
{
    // Edits reach the store's objects as they are typed: there is nothing left to commit first.
    // Without a store file nothing was ever fetched, so nothing can be pending; looking would
    // create the file.
    if (!StoreFile::exists() || !viewContext().hasChanges()) {
        return;
    }
    const StoreStatus saved = viewContext().save();
    if (!saved) {
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
    }
}
