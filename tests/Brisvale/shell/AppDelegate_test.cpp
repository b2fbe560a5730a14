#include "Brisvale/shell/AppDelegate.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

class ApplicationDelegate : public testing::Test {
protected:
    void SetUp() override
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        savedPalette = QApplication::palette();
        savedStyle = QApplication::style()->name();
    }
    void TearDown() override
    {
        closeViewContext();
        QApplication::setStyle(savedStyle);
        QApplication::setPalette(savedPalette);
    }

    QPalette savedPalette;
    QString savedStyle;
};

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(30, 30, 30));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::Base, QColor(20, 20, 20));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    return palette;
}

}

TEST_F(ApplicationDelegate, ADarkDesktopGetsTheLightAppearanceALightOneIsLeftAlone)
{
    AppDelegate delegate;
    QPalette light;
    light.setColor(QPalette::Window, QColor(236, 236, 236));
    QApplication::setPalette(light);
    const QString styleBefore = QApplication::style()->name();
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(QApplication::style()->name(), styleBefore);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(236, 236, 236));

    QApplication::setPalette(darkPalette());
    ASSERT_TRUE(AppDelegate::isDarkAppearance(QApplication::palette()));
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    EXPECT_FALSE(AppDelegate::isDarkAppearance(QApplication::palette()));
    EXPECT_GT(QApplication::palette().color(QPalette::Base).lightness(), 200);
    EXPECT_LT(QApplication::palette().color(QPalette::Text).lightness(), 80);
}

TEST_F(ApplicationDelegate, ClosingTheLastWindowQuits)
{
    QApplication::setQuitOnLastWindowClosed(false);
    AppDelegate delegate;
    EXPECT_TRUE(QApplication::quitOnLastWindowClosed());
}

TEST_F(ApplicationDelegate, SaveWithoutAStoreFileCreatesNone)
{
    AppDelegate delegate;
    delegate.saveAction();
    EXPECT_FALSE(StoreFile::exists());
}

TEST_F(ApplicationDelegate, SaveWritesThePendingChanges)
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@example.com");
    ASSERT_TRUE(viewContext().hasChanges());
    AppDelegate delegate;
    delegate.saveAction();
    EXPECT_FALSE(viewContext().hasChanges());
    closeViewContext();
    const StoreResult<ProfilePtr> stored = viewContext().fetchProfile(QStringLiteral("ann@example.com"));
    ASSERT_TRUE(stored.ok());
    EXPECT_NE(stored.value(), nullptr);
}

TEST_F(ApplicationDelegate, AFailedSaveIsShownInAnAlert)
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("ann@example.com");
    viewContext().insertReading(profile); // no date: the store refuses the save
    AlertScript script;
    script.answer(1000);
    AppDelegate delegate;
    delegate.saveAction();
    ASSERT_EQ(script.shown().size(), 1);
    const Presentation& shown = script.last();
    EXPECT_EQ(shown.kind, Presentation::Kind::alert);
    EXPECT_EQ(shown.alert.symbol, AlertSymbol::xmark);
    EXPECT_TRUE(shown.alert.message.startsWith(QStringLiteral("Your changes could not be saved.\n")));
    EXPECT_GT(shown.alert.message.size(), QStringLiteral("Your changes could not be saved.\n").size());
}

TEST_F(ApplicationDelegate, SaveWithNothingPendingShowsNothing)
{
    viewContext();
    AlertScript script;
    AppDelegate delegate;
    delegate.saveAction();
    EXPECT_TRUE(script.shown().isEmpty());
}
