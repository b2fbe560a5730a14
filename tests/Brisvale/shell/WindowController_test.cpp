#include "Brisvale/shell/WindowController.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/AppDelegate.h"
#include "Brisvale/shell/ViewController.h"

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QAbstractButton>
#include <QMenuBar>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class MainWindowFrame : public testing::Test {
protected:
    void SetUp() override
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        Console::setCapture([this](const QString& line) { lines.append(line); });
    }
    void TearDown() override
    {
        Console::setCapture({});
        closeViewContext();
    }

    QAction* action(const WindowController& window, const QKeySequence& shortcut)
    {
        for (QAction* found : window.findChildren<QAction*>()) {
            if (found->shortcut() == shortcut) {
                return found;
            }
        }
        return nullptr;
    }

    QStringList lines;
};

}

TEST_F(MainWindowFrame, TheWindowTakesTheScreensRoomCentredAndPrintsTheScreenSize)
{
    AppDelegate delegate;
    WindowController window(delegate, nullptr);
    const QScreen* screen = QApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(lines.contains(QStringLiteral("w:Optional(%1.0) h:Optional(%2.0)")
                                   .arg(screen->size().width())
                                   .arg(screen->size().height())));
    EXPECT_EQ(window.size(), screen->availableGeometry().size());
    EXPECT_EQ(window.geometry().center(), screen->availableGeometry().center());
    EXPECT_EQ(window.centralWidget(), window.contentViewController());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(245, 245, 245));
}

TEST_F(MainWindowFrame, TheSaveActionSavesThePendingChanges)
{
    AppDelegate delegate;
    WindowController window(delegate, nullptr);
    QAction* save = action(window, QKeySequence::Save);
    ASSERT_NE(save, nullptr);
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@example.com");
    save->trigger();
    EXPECT_FALSE(viewContext().hasChanges());
    EXPECT_NE(action(window, QKeySequence::HelpContents), nullptr);
}

TEST_F(MainWindowFrame, TheWholeFrameFitsTheScreensRoomOnceItIsKnown)
{
    AppDelegate delegate;
    WindowController window(delegate, nullptr);
    window.show();
    const QRect room = QApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(room.contains(window.frameGeometry()));
    // A window manager's frame (here 5 px sides, 25 px title bar) known after showing: the window
    // shrinks so that its frame, title bar included, still fits.
    window.setGeometry(room.adjusted(0, 0, 0, 40));
    window.fitFrameToScreen();
    EXPECT_TRUE(room.contains(window.frameGeometry()));
    EXPECT_EQ(window.frameGeometry().size(), room.size());
}

TEST_F(MainWindowFrame, AtTheSmallestSizeEveryButtonOfEveryPageShowsItsWholeLabel)
{
    // A user with a name, so that every page and button can be shown.
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@example.com");
    profile->name = QStringLiteral("Ann");
    ASSERT_TRUE(viewContext().save().ok());
    UserDefaultHelper::setRegion(QStringLiteral("Other"));
    UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
    AppDelegate delegate;
    WindowController window(delegate, nullptr);
    window.show();
    ViewController* content = window.contentViewController();
    for (const int page : {ViewController::OVERVIEW_TABTAG, ViewController::DATA_TABTAG,
                           ViewController::PROFILE_TABTAG, ViewController::SETTINGS_TABTAG}) {
        content->switchPageHandler(page);
        ASSERT_EQ(content->currentPage(), page);
        window.resize(window.minimumSizeHint());
        QCoreApplication::processEvents();
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->isVisible() && !button->text().isEmpty()) {
                EXPECT_GE(button->width(), button->sizeHint().width())
                    << "page " << page << ": " << button->text().toStdString();
            }
        }
    }
}
