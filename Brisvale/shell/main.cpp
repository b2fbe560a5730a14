#include "Brisvale/platform/Localization.h"
#include "Brisvale/shell/AppDelegate.h"
#include "Brisvale/shell/PfmManager.h"
#include "Brisvale/shell/VersionController.h"
#include "Brisvale/shell/WindowController.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvale"));
    QApplication::setApplicationVersion(VersionController::version());
    Localization::install();
    AppDelegate delegate;
    if (!delegate.claimDataFolder()) {
        return EXIT_FAILURE;
    }
    delegate.applicationDidFinishLaunching();
    WindowController window(delegate, pfmManager());
    window.show();
    return QApplication::exec();
}
