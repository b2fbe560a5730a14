#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/AppDelegate.h"

#include <QApplication>
#include <cstdlib>

// The application's start without its window, for the tests that run two copies on one data
// folder: it claims the folder as the application does, then writes a profile (the e-mail given
// as the argument) to the store and to the state file, prints "writer" and runs until it is
// ended. A copy that may not write prints each alert it was shown and quits. Its console speaks,
// as the application's does when asked.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvale"));
    Console::setVerbose(true);
    Localization::install();
    AlertScript script;
    script.answer(Alert::firstButton);
    AppDelegate delegate;
    if (!delegate.claimDataFolder()) {
        for (const Presentation& shown : script.shown()) {
            Console::printLine(QStringLiteral("alert: ") + shown.alert.message);
        }
        return EXIT_FAILURE;
    }
    const QString email = QApplication::arguments().value(1);
    viewContext().insertProfile()->email = email;
    if (!viewContext().save()) {
        return EXIT_FAILURE;
    }
    UserDefaultHelper::setEmail(email);
    Console::printLine(QStringLiteral("writer"));
    return QApplication::exec();
}
