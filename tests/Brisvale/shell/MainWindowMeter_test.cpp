#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/shell/ConnectionPFM.h"
#include "Brisvale/shell/MeterDialogue.h"
#include "Brisvale/shell/SettingsController.h"
#include "Brisvale/shell/ViewController.h"

#include "Brisvale/shell/MeterTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

TEST_F(MainWindowMeter, TheMetersConnectionDrivesTheSyncButton)
{
    EXPECT_TRUE(window->synceBtn->isEnabled());
    EXPECT_EQ(window->syncImage(), QStringLiteral("button_Sync_yes"));
    EXPECT_TRUE(printed(QStringLiteral("連接")));

    meter->disconnectMeter();
    drain();
    EXPECT_FALSE(window->synceBtn->isEnabled());
    EXPECT_EQ(window->syncImage(), QStringLiteral("button_Sync_no"));
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

// The plan only colours stored readings: the sheet opens without a meter and stores the plan, while
// the best value field says it needs the meter until one is attached.
TEST_F(MainWindowMeter, WithoutAMeterTheBestValueSheetOpensAndStoresThePlan)
{
    meter->disconnectMeter();
    drain();
    window->DataBtn->click();
    window->dataPage()->PefButton->click();
    window->dataPage()->TrafficLightSettings->click();
    TrafficLightsController* sheet = window->dataPage()->bestValueSheet();
    ASSERT_NE(sheet, nullptr);
    auto* field = sheet->findChild<QLineEdit*>(QStringLiteral("BestValueTextField"));
    auto* note = sheet->findChild<QLabel*>(QStringLiteral("NoMeter_Lab"));
    EXPECT_FALSE(field->isEnabled());
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), Localization::text(QStringLiteral("TrafficLightsController_BestValue_NoMeter")));
    EXPECT_EQ(field->accessibleDescription(), note->text());

    QComboBox* plans = sheet->findChild<QComboBox*>(QStringLiteral("ZonePlan_Box"));
    QTest::keyClick(plans, Qt::Key_Down);
    sheet->findChild<QPushButton*>(QStringLiteral("SendBestValue_Btn"))->click();
    drain();
    EXPECT_TRUE(script.shown().isEmpty());
    EXPECT_EQ(rawQuery(QStringLiteral("SELECT zone_Plan FROM Profile")).toInt(), 1);
    EXPECT_TRUE(meter->commandLog().filter(QStringLiteral("Best_Value")).isEmpty());

    meter->connectMeter();
    drain();
    EXPECT_TRUE(field->isEnabled());
    EXPECT_FALSE(note->isVisible());
    // The whole value again, with its limits under the plan stored (80 % / 50 %).
    EXPECT_EQ(field->accessibleDescription(), QStringLiteral("400. Green zone from 320, red zone below 200 l/min"));
}

// Each greyed control tells why in its tooltip and its description, and gets its own back when
// it can be used again.
TEST_F(MainWindowMeter, AGreyedControlSaysWhyInItsTooltipAndDescription)
{
    ConnectionPFM chooser(&host.window);
    const ProfilePtr ann = viewContext().fetchProfile(QStringLiteral("ann@example.com")).value();
    const struct {
        const char* name;
        const char* reason;
        const char* own; // the tooltip it has when usable; none: no tooltip
        std::function<QWidget*()> grey;
        std::function<void()> enable;
    } cases[] = {
        {"sync without a meter", "ViewController_Sync_NoMeter", "ViewController_Sync_ToolTip",
         [this] {
             meter->disconnectMeter();
             drain();
             return window->synceBtn;
         },
         [this] {
             meter->connectMeter();
             drain();
         }},
        {"download without readings", "DataController_Download_NoReadings", "DataController_Download",
         [this] {
             window->DataBtn->click();
             window->dataPage()->ListButton->click();
             return window->dataPage()->DownloadBtn;
         },
         [this] { window->dataPage()->showMaxValue(qint32(450)); }},
        {"choosing a user without profiles", "ConnectionPFM_Yes_NoProfile", nullptr,
         [&] {
             viewContext().deleteProfile(ann);
             chooser.willAppear();
             return chooser.findChild<QPushButton*>(QStringLiteral("Yes_Btn"));
         },
         [&] {
             viewContext().rollback();
             chooser.willAppear();
         }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QWidget* control = test.grey();
        const QString reason = Localization::text(QLatin1String(test.reason));
        EXPECT_FALSE(control->isEnabled());
        EXPECT_EQ(control->toolTip(), reason);
        EXPECT_EQ(control->accessibleDescription(), reason);
        test.enable();
        EXPECT_TRUE(control->isEnabled());
        EXPECT_EQ(control->toolTip(), test.own ? Localization::text(QLatin1String(test.own)) : QString());
        EXPECT_TRUE(control->accessibleDescription().isEmpty());
    }
}
