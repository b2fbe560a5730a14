// Opens one 800 x 500 window per sample chart, so each chart type can be looked at on a real
// display. With "--shots <folder>" it saves a screenshot of each window, once painted, as
// "<number>-<title>.png" in that folder and quits.

#include "GalleryPage.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include <vector>

namespace Gallery {

QList<Page>& pages()
{
    static QList<Page> all;
    return all;
}

}

namespace {

std::vector<std::unique_ptr<QWidget>> openWindows()
{
    std::vector<std::unique_ptr<QWidget>> windows;
    int offset = 0;
    for (const Gallery::Page& page : Gallery::pages()) {
        auto window = page.make();
        window->setWindowTitle(page.title);
        window->resize(800, 500);
        window->move(offset, offset);
        window->show();
        offset = (offset + 24) % 240;
        windows.push_back(std::move(window));
    }
    return windows;
}

QString fileName(int number, const QString& title)
{
    QString name = title.toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(name);
}

int saveShots(const std::vector<std::unique_ptr<QWidget>>& windows, const QString& folder)
{
    QDir().mkpath(folder);
    int number = 1;
    for (const auto& window : windows) {
        window->raise();
        window->activateWindow();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            QTextStream(stderr) << "not shown: " << window->windowTitle() << '\n';
            return 1;
        }
        QTest::qWait(200);
        const QPixmap shot = window->screen()->grabWindow(window->winId());
        const QString path = QDir(folder).filePath(fileName(number++, window->windowTitle()));
        if (!shot.save(path)) {
            QTextStream(stderr) << "not saved: " << path << '\n';
            return 1;
        }
    }
    return 0;
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto windows = openWindows();
    const qsizetype shots = arguments.indexOf(QStringLiteral("--shots"));
    if (shots >= 0 && shots + 1 < arguments.size()) {
        return saveShots(windows, arguments.at(shots + 1));
    }
    return app.exec();
}
