#pragma once

#include <QMainWindow>
#include <memory>

class AppDelegate;
class TavrendelPFM;
class ViewController;

// The one main window: the ViewController as its content, a menu bar with the Save action, the
// user manual and the version, and the room of the screen it opens on, centred there. The whole
// frame, title bar included, fits the screen's room for windows: the frame's size is known only
// once a window manager has framed the shown window, so the window fits itself again then.
class WindowController : public QMainWindow {
    Q_OBJECT

public:
    WindowController(AppDelegate& delegate, std::shared_ptr<TavrendelPFM> manager,
                     QWidget* parent = nullptr);

    ViewController* contentViewController() const { return content; }

    // Grey background, then the screen's room, centred; prints the screen's width and height.
    void windowDidLoad();

    // Sizes and centres the window so that its frame fills the room of its screen for windows.
    void fitFrameToScreen();

protected:
    bool event(QEvent* event) override;

private:
    void buildMenus(AppDelegate& delegate);

    ViewController* content = nullptr;
    // Until the window manager's frame is known, the window fits itself whenever it is moved or
    // resized; after that the user places it.
    bool frameFitPending = true;
};
