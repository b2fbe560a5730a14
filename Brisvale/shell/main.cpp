#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/TextFieldAccessible.h"
#include "Brisvale/shell/AppDelegate.h"
#include "Brisvale/shell/CommandLine.h"
#include "Brisvale/shell/PfmManager.h"
#include "Brisvale/shell/StoreStartup.h"
#include "Brisvale/shell/VersionController.h"
#include "Brisvale/shell/WindowController.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// "--help" and "--version" are answered without a display and without the store: a core
// application, which opens neither, lives only while the arguments are read. The console stays
// quiet unless they ask for "--verbose".
std::optional<int> answerCommandLine(int argc, char** argv)
{
    QCoreApplication core(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    Console::setVerbose(CommandLine::verbose(arguments));
    QTextStream out(stdout);
    return CommandLine::answer(arguments, out);
}

} // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvale"));
    QApplication::setApplicationVersion(VersionController::version());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brisvale.Brisvale"));
    Localization::install();
    TextFieldAccessible::install();
    AppDelegate delegate;
    if (!delegate.claimDataFolder()) {
        return EXIT_FAILURE;
    }
    delegate.applicationDidFinishLaunching();
    if (!StoreStartup::open()) {
        return EXIT_FAILURE;
    }
    WindowController window(delegate, pfmManager());
    window.show();
    return QApplication::exec();
}
