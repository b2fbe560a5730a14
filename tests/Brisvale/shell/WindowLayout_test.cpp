#include "Brisvale/shell/WindowLayoutSupport.h"

#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/shell/ProfileController.h"
#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/platform/AlertDialog.h"
#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/platform/PopoverPresenter.h"

#include "TavrendelPFMSDK/TavrendelPFM.h"
#include "TavrendelPFMSDK/TavrendelPFMSimulator.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace {

// The popover shown over the application's windows, if any.
QWidget* shownPopover()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && PopoverPresenter::popoverOf(widget) == widget) {
            return widget;
        }
    }
    return nullptr;
}

}

TEST_F(WindowLayout, AtItsSmallestSizesTheWindowHoldsEveryControlOnEveryPageAndTab)
{
    const struct {
        const char* name;
        QSize size;
    } cases[] = {
        {"the window's minimum size", window->minimumSizeHint()},
        {"800 x 600", QSize(800, 600)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        window->resize(test.size);
        settle();
        ASSERT_EQ(window->size(), test.size);
        expectEveryControlInsideOnEveryVisit();
    }
}

TEST_F(WindowLayout, ThePopoversOpenBesideTheirButtonsInsideTheWindow)
{
    window->resize(800, 600);
    go({ViewController::DATA_TABTAG, DataController::PEF_TABTAG, "PEF chart"});
    DataController& data = *window->contentViewController()->dataPage();
    const struct {
        const char* name;
        QWidget* button;
        std::function<void()> open;
    } cases[] = {
        {"best value", data.TrafficLightSettings, [&data] { data.trafficLightsSetting(); }},
        {"export", data.DownloadBtn, [&data] { data.ExportFileHandler(); }},
    };
    const QRect inside = window->geometry();
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        test.open();
        settle();
        const QWidget* popover = shownPopover();
        ASSERT_NE(popover, nullptr);
        const QRect button(test.button->mapToGlobal(QPoint(0, 0)), test.button->size());
        const int gap = PopoverPresenter::gap;
        EXPECT_TRUE(inside.contains(popover->frameGeometry())) << toString(popover->frameGeometry()).toStdString();
        EXPECT_FALSE(popover->frameGeometry().intersects(button));
        EXPECT_TRUE(popover->frameGeometry().intersects(button.adjusted(-gap - 1, -gap - 1, gap + 1, gap + 1)))
            << "beside its button";
        window->activateWindow();
        QTest::mouseClick(window->contentViewController(), Qt::LeftButton);
        settle();
        EXPECT_EQ(shownPopover(), nullptr);
    }
}

TEST_F(WindowLayout, OrdinaryNamesAreShownWholeOnTheOverview)
{
    expectOrdinaryNamesShownWhole();
}

TEST_F(WindowLayout, AnAlertOfThePopoverIsCentredOnTheWindowClearOfThePopover)
{
    window->resize(800, 600);
    go({ViewController::DATA_TABTAG, DataController::PEF_TABTAG, "PEF chart"});
    DataController& data = *window->contentViewController()->dataPage();
    // A meter attached, so that the typed value is checked.
    data.setMeterManager(std::make_shared<TavrendelPFM>(std::make_shared<TavrendelPFMSimulator>()));
    data.trafficLightsSetting();
    settle();
    TrafficLightsController* sheet = data.bestValueSheet();
    ASSERT_NE(sheet, nullptr);
    auto* field = sheet->findChild<QLineEdit*>(QStringLiteral("BestValueTextField"));
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("abc"));
    sheet->SendBestValueHandler();
    settle();
    const QList<AlertDialog*> alerts = sheet->findChildren<AlertDialog*>();
    ASSERT_EQ(alerts.size(), 1);
    const QRect alert = alerts.front()->frameGeometry();
    EXPECT_TRUE(window->frameGeometry().contains(alert)) << toString(alert).toStdString();
    EXPECT_LE(std::abs(alert.center().x() - window->frameGeometry().center().x()), 1);
    EXPECT_FALSE(alert.intersects(sheet->frameGeometry())) << toString(sheet->frameGeometry()).toStdString();
    alerts.front()->button(Alert::firstButton)->click();
}

// A backup can carry a name or an e-mail of any length: the Overview's name ends in "…" with the
// whole name in its accessible description and as much as a tooltip holds in its tooltip, the
// profile page holds it whole, and the window's smallest width stays what the screen holds, every
// control on it.
TEST_F(WindowLayout, ALongNameOrEmailLeavesTheWindowOnScreen)
{
    const struct {
        const char* name;
        QString profileName;
        QString email;
        bool cut;
    } cases[] = {
        {"10,000 characters", QStringLiteral("Ann Marie ").repeated(1000), QStringLiteral("ann@example.com"), true},
        {"1,000,000 characters", QStringLiteral("Ann Marie ").repeated(100000), QStringLiteral("ann@example.com"), true},
        {"one word of 10,000 characters", QString(10000, QLatin1Char('W')), QStringLiteral("ann@example.com"), true},
        {"an e-mail of 300 characters", QStringLiteral("Ann"), QString(288, QLatin1Char('a')) + QStringLiteral("@example.com"), false},
    };
    const int room = window->screen()->availableGeometry().width();
    ViewController& content = *window->contentViewController();
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const ProfilePtr profile = viewContext().fetchProfile(UserDefaultHelper::email()).value();
        profile->name = test.profileName;
        profile->email = test.email;
        ASSERT_TRUE(viewContext().save().ok());
        UserDefaultHelper::setEmail(test.email);
        for (const Visit& visit : {walk[6], walk[0]}) {
            go(visit);
            EXPECT_LE(window->minimumSizeHint().width(), room);
            EXPECT_LE(window->width(), room);
            EXPECT_EQ(outside(), QStringList());
        }
        // Compared without printing: a failure would print the whole text.
        const ElidingLabel& name = *content.overviewPage()->userNameTextField;
        const QString whole = test.cut ? test.profileName : QString();
        EXPECT_TRUE(name.text() == test.profileName);
        EXPECT_EQ(name.shownText().endsWith(QStringLiteral("…")), test.cut);
        EXPECT_TRUE(name.toolTip() == (test.cut ? ElidingLabel::toolTipText(whole) : QString()));
        EXPECT_TRUE(name.accessibleDescription() == whole);
        const QWidget& profilePage = *content.profilePage();
        EXPECT_TRUE(profilePage.findChild<QLineEdit*>(QStringLiteral("NameField"))->text() == test.profileName);
        EXPECT_TRUE(profilePage.findChild<QLineEdit*>(QStringLiteral("EmailField"))->text() == test.email);
    }
}
