#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"

#include <QCoreApplication>

// The program's start as the application makes it: one application object reads the command
// line and ends, then the window's own is made. Prints the text of the key given as the argument.
int main(int argc, char** argv)
{
    {
        QCoreApplication commandLine(argc, argv);
    }
    QCoreApplication application(argc, argv);
    Console::setVerbose(true);
    Console::printLine(Localization::text(QCoreApplication::arguments().value(1)));
    return 0;
}
