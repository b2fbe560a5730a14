#include "Brisvale/platform/Localization.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvale"));
    Localization::install();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Brisvale"));
    window.resize(1024, 720);
    window.show();
    return QApplication::exec();
}
