#pragma once

#include <QMainWindow>
#include <memory>

class AppDelegate;
class TavrendelPFM;
class ViewController;

// The one main window: the ViewController as its content, a menu bar with the Save action, the
// user manual and the version, and the size of the screen it opens on, centred there.
class WindowController : public QMainWindow {
    Q_OBJECT

public:
    WindowController(AppDelegate& delegate, std::shared_ptr<TavrendelPFM> manager,
                     QWidget* parent = nullptr);

    ViewController* contentViewController() const { return content; }

    // Grey background, then the screen's size, centred; prints the screen's width and height.
    void windowDidLoad();

private:
    void buildMenus(AppDelegate& delegate);

    ViewController* content = nullptr;
};
