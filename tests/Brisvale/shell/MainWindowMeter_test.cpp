#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/shell/MeterDialogue.h"
#include "Brisvale/shell/SettingsController.h"
#include "Brisvale/shell/ViewController.h"

#include "Brisvale/shell/MeterTestSupport.h"

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

namespace {

// The window with a simulated meter attached and a usable current user, on the overview.
class MainWindowMeter : public MeterTest {
protected:
    void SetUp() override
    {
        MeterTest::SetUp();
        storeProfile(QStringLiteral("ann@example.com"), 400, false, QStringLiteral("Ann"));
        UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
        UserDefaultHelper::setRegion(QStringLiteral("Other"));
        window = std::make_unique<ViewController>(manager);
        drain();
    }
    void TearDown() override
    {
        window.reset();
        MeterTest::TearDown();
    }

    std::unique_ptr<ViewController> window;
};

}

TEST_F(MainWindowMeter, TheMetersConnectionDrivesTheSyncButtonAndTheBestValueButton)
{
    EXPECT_TRUE(window->synceBtn->isEnabled());
    EXPECT_EQ(window->syncImage(), QStringLiteral("button_Sync_yes"));
    EXPECT_TRUE(window->dataPage()->TrafficLightSettings->isEnabled());
    EXPECT_TRUE(printed(QStringLiteral("連接")));

    meter->disconnectMeter();
    drain();
    EXPECT_FALSE(window->synceBtn->isEnabled());
    EXPECT_EQ(window->syncImage(), QStringLiteral("button_Sync_no"));
    EXPECT_FALSE(window->dataPage()->TrafficLightSettings->isEnabled());
    EXPECT_FALSE(window->dataPage()->TrifficBool);
}

TEST_F(MainWindowMeter, TheSyncButtonStartsADownloadWhoseSheetsAreOnTheWindow)
{
    meter->setClockOffset(300);
    window->synceBtn->click();
    drain();
    EXPECT_EQ(meter->commandLog().value(0), QStringLiteral("Time_Read"));
    ASSERT_FALSE(script.shown().isEmpty());
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(script.last().window, window->window());
    EXPECT_EQ(script.last().alert.message,
              Localization::text(QStringLiteral("ViewController_AlertMessage_PFMDifferentTime")));
}

TEST_F(MainWindowMeter, ADownloadWaitsWhileTheSettingsPageHoldsUnsavedChoices)
{
    window->SettingsBtn->click();
    QComboBox* unit = window->settingsPage()->UnitPopUp;
    const int other = unit->currentIndex() == 0 ? 1 : 0;
    unit->setCurrentIndex(other);
    emit unit->activated(other);
    ASSERT_TRUE(window->pagesHoldUnsavedChanges());

    window->synceBtn->click();
    drain();
    // The page's own question shows; no profile is offered for the download.
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.message.left(20),
              Localization::text(QStringLiteral("SettingsController_AlertMessage_AskSaveUser")).left(20));
    EXPECT_EQ(window->meterDialogue()->userSheet(), nullptr);
    EXPECT_EQ(meter->commandLog(), QStringList{QStringLiteral("Time_Read")});
}

TEST_F(MainWindowMeter, TheBestValueButtonOpensTheSheetBesideIt)
{
    window->DataBtn->click();
    ASSERT_EQ(window->currentPage(), ViewController::DATA_TABTAG);
    window->dataPage()->TrafficLightSettings->click();
    TrafficLightsController* sheet = window->dataPage()->bestValueSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->parentWidget(), window->window());
    sheet->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->dataPage()->bestValueSheet(), nullptr);
}
