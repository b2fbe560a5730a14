#include "Brisvale/shell/WindowController.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/shell/AppDelegate.h"
#include "Brisvale/shell/ViewController.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

namespace {

// A screen length as the window's log line shows it: an optional number, "nil" without a screen.
QString optionalLength(const QScreen* screen, int length)
{
    return screen ? QStringLiteral("Optional(%1.0)").arg(length) : QStringLiteral("nil");
}

}

WindowController::WindowController(AppDelegate& delegate, std::shared_ptr<TavrendelPFM> manager,
                                   QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Brisvale"));
    content = new ViewController(std::move(manager), this);
    setCentralWidget(content);
    buildMenus(delegate);
    windowDidLoad();
}

void WindowController::buildMenus(AppDelegate& delegate)
{
    QMenu* file = menuBar()->addMenu(Localization::text(QStringLiteral("ViewController_Menu_File")));
    QAction* save = file->addAction(Localization::text(QStringLiteral("ViewController_Menu_Save")));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, &delegate, &AppDelegate::saveAction);
    file->addSeparator();
    QAction* quit = file->addAction(Localization::text(QStringLiteral("ViewController_Menu_Quit")));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(Localization::text(QStringLiteral("ViewController_Menu_Help")));
    QAction* manual = help->addAction(Localization::text(QStringLiteral("ViewController_Menu_Manual")));
    manual->setShortcut(QKeySequence::HelpContents);
    connect(manual, &QAction::triggered, content, &ViewController::openDocumentHandler);
    QAction* about = help->addAction(Localization::text(QStringLiteral("ViewController_Menu_About")));
    connect(about, &QAction::triggered, content, &ViewController::aboutHandler);
}

void WindowController::windowDidLoad()
{
    QPalette background = palette();
    background.setColor(QPalette::Window, Look::windowBackground());
    setPalette(background);

    const QScreen* screen = QApplication::primaryScreen();
    Console::printLine(QStringLiteral("w:") + optionalLength(screen, screen ? screen->size().width() : 0)
                       + QStringLiteral(" h:")
                       + optionalLength(screen, screen ? screen->size().height() : 0));
    fitFrameToScreen();
}

void WindowController::fitFrameToScreen()
{
    const QScreen* shownOn = isVisible() ? screen() : QApplication::primaryScreen();
    if (!shownOn) {
        return;
    }
    // The screen's room for windows, so the frame fits beside the desktop's own panels. The frame
    // is what the window manager adds around the content (none before it has framed the window).
    const QRect room = shownOn->availableGeometry();
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QSize frameExtra(frame.width() - inner.width(), frame.height() - inner.height());
    resize((room.size() - frameExtra).expandedTo(minimumSizeHint()));
    // A window's position is its frame's top left corner.
    const QSize outer = size() + frameExtra;
    move(room.left() + std::max(0, (room.width() - outer.width()) / 2),
         room.top() + std::max(0, (room.height() - outer.height()) / 2));
}

bool WindowController::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    const QEvent::Type type = event->type();
    if (frameFitPending && isVisible()
        && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        const bool framed = frameGeometry() != geometry();
        if (framed) {
            frameFitPending = false;
        }
        const QRect room = screen() ? screen()->availableGeometry() : QRect();
        if (!room.isEmpty() && !room.contains(frameGeometry())) {
            fitFrameToScreen();
        }
    }
    return handled;
}
