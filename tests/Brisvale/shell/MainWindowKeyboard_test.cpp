#include "Brisvale/shell/ViewController.h"

#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/ProfileController.h"
#include "Brisvale/shell/RegionController.h"
#include "Brisvale/shell/SettingsController.h"

#include "support/QtPrinters.h"
#include "support/ReaderEvents.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The main window on screen (offscreen) and active, so that it has a keyboard focus; each case is
// a new installation whose console is captured.
class MainWindowKeyboard : public testing::Test {
protected:
    void SetUp() override
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        AppClock::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        Console::setCapture([](const QString&) {});
    }
    void TearDown() override
    {
        window.reset();
        Console::setCapture({});
        closeViewContext();
        AppClock::reset();
    }

    // A region and a named current user with one reading: the window opens on the overview.
    static void storeUsableUser()
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = QStringLiteral("ann@example.com");
        profile->name = QStringLiteral("Ann");
        PFMPtr reading = context.insertReading(profile);
        reading->pefValue = 400;
        reading->measureDate = Timestamp::fromDateTime(QDateTime(QDate(2026, 12, 1), QTime(8, 0)));
        EXPECT_TRUE(context.save().ok());
        UserDefaultHelper::setRegion(QStringLiteral("Other"));
        UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
    }

    void open()
    {
        window = std::make_unique<ViewController>(nullptr);
        window->resize(1100, 760);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QToolButton* menuButton(int tag) const
    {
        const std::array<QToolButton*, 4> buttons = {window->OverviewBtn, window->DataBtn, window->ProfileBtn,
                                                     window->SettingsBtn};
        return buttons.at(static_cast<std::size_t>(tag));
    }

    static QString focusName()
    {
        const QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QStringLiteral("(none)");
    }

    static QAccessible::State stateOf(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object)->state();
    }

    std::unique_ptr<ViewController> window;
};

// What a reader speaks as a control's label: the caption that labels it (Qt's bridge takes it from
// the caption's buddy), else its own accessible name. A pop-up's name is its caption, then its
// current choice.
QString spokenLabel(QWidget* control)
{
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(control);
    const auto captions = element->relations(QAccessible::Label);
    if (!captions.isEmpty()) {
        return captions.first().first->text(QAccessible::Name);
    }
    const QString name = element->text(QAccessible::Name);
    const auto* popUp = qobject_cast<QComboBox*>(control);
    return popUp && name.endsWith(QStringLiteral(", ") + popUp->currentText()) ? name.chopped(popUp->currentText().size() + 2)
                                                                                : name;
}

// Whether a control that follows another in the Tab order also follows it in reading order: on the
// same line further right, or on a line below.
bool readsAfter(const QRect& previous, const QRect& next)
{
    const int overlap = std::min(previous.bottom(), next.bottom()) - std::max(previous.top(), next.top());
    const bool sameLine = overlap * 2 > std::min(previous.height(), next.height());
    return sameLine ? next.left() > previous.left() : next.top() > previous.center().y();
}

}

TEST_F(MainWindowKeyboard, EveryControlOfEveryPageHasANameAndIconOnlyButtonsATooltip)
{
    storeUsableUser();
    open();
    for (int tag = ViewController::OVERVIEW_TABTAG; tag <= ViewController::SETTINGS_TABTAG; ++tag) {
        menuButton(tag)->click();
        ASSERT_EQ(window->currentPage(), tag);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool field = qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control)
                               || qobject_cast<QAbstractItemView*>(control)
                               || (qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractSpinBox*>(control->parent()));
            auto* button = qobject_cast<QAbstractButton*>(control);
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window.get()) || !(field || button)) {
                continue;
            }
            SCOPED_TRACE(QStringLiteral("page %1, %2").arg(tag).arg(control->objectName()).toStdString());
            EXPECT_FALSE(spokenLabel(control).isEmpty());
            if (button && button->text().isEmpty()) {
                EXPECT_FALSE(button->toolTip().isEmpty());
            }
        }
    }
}

TEST_F(MainWindowKeyboard, TheCurrentPageAndTheCurrentDataTabAreCheckedForAReader)
{
    storeUsableUser();
    AlertScript script;
    open();
    const struct {
        const char* name;
        QAbstractButton* (*pressed)(ViewController&);
        int checkedPage;
        int checkedTab;
    } steps[] = {
        {"data page", [](ViewController& w) -> QAbstractButton* { return w.DataBtn; }, 1, DataController::TABLE_TABTAG},
        {"PEF tab", [](ViewController& w) -> QAbstractButton* { return w.dataPage()->PefButton; }, 1, DataController::PEF_TABTAG},
        {"PEF tab again", [](ViewController& w) -> QAbstractButton* { return w.dataPage()->PefButton; }, 1, DataController::PEF_TABTAG},
        {"FEV1 tab", [](ViewController& w) -> QAbstractButton* { return w.dataPage()->Fev1Button; }, 1, DataController::FEV1_TABTAG},
        // A reader's default action on a checkable button toggles it, with no click.
        {"overview by a reader", [](ViewController& w) -> QAbstractButton* { return w.OverviewBtn; }, 0, DataController::FEV1_TABTAG},
        {"data page by a reader", [](ViewController& w) -> QAbstractButton* { return w.DataBtn; }, 1, DataController::FEV1_TABTAG},
        {"PEF tab by a reader", [](ViewController& w) -> QAbstractButton* { return w.dataPage()->PefButton; }, 1, DataController::PEF_TABTAG},
        {"PEF tab again by a reader", [](ViewController& w) -> QAbstractButton* { return w.dataPage()->PefButton; }, 1, DataController::PEF_TABTAG},
        {"settings page", [](ViewController& w) -> QAbstractButton* { return w.SettingsBtn; }, 3, DataController::PEF_TABTAG},
        {"settings again", [](ViewController& w) -> QAbstractButton* { return w.SettingsBtn; }, 3, DataController::PEF_TABTAG},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        QAbstractButton* button = step.pressed(*window);
        if (QString::fromUtf8(step.name).endsWith(QStringLiteral("by a reader"))) {
            QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
            ASSERT_NE(actions, nullptr);
            ASSERT_FALSE(actions->actionNames().isEmpty());
            actions->doAction(actions->actionNames().first());
        } else {
            button->click();
        }
        for (int tag = ViewController::OVERVIEW_TABTAG; tag <= ViewController::SETTINGS_TABTAG; ++tag) {
            EXPECT_TRUE(stateOf(menuButton(tag)).checkable);
            EXPECT_EQ(bool(stateOf(menuButton(tag)).checked), tag == step.checkedPage) << tag;
        }
        const std::array<QToolButton*, 3> tabs = {window->dataPage()->ListButton, window->dataPage()->PefButton,
                                                  window->dataPage()->Fev1Button};
        for (int tag = 0; tag < 3; ++tag) {
            EXPECT_EQ(bool(stateOf(tabs.at(std::size_t(tag))).checked), tag == step.checkedTab) << tag;
        }
    }

    // A switch that the settings page holds back (unsaved choices) leaves the settings checked.
    QComboBox* unit = window->settingsPage()->UnitPopUp;
    unit->setCurrentIndex(unit->currentIndex() == 0 ? 1 : 0);
    emit unit->activated(unit->currentIndex());
    window->OverviewBtn->click();
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_FALSE(stateOf(window->OverviewBtn).checked);
    EXPECT_TRUE(stateOf(window->SettingsBtn).checked);
    script.answerSheet(Alert::secondButton);
}

// A click, the Space, Return and Enter keys and a reader's toggle (which clicks nothing) ask for a
// page or a view alike: the same page or view opens, the console tells the same, and a switch that
// the page refuses puts the checks back.
TEST_F(MainWindowKeyboard, EveryWayOfPressingAMenuButtonOrADataTabAsksAsAClickDoes)
{
    using Press = void (*)(QAbstractButton&);
    const struct {
        const char* name;
        Press press;
    } ways[] = {
        {"click", [](QAbstractButton& b) { b.click(); }},
        {"Space", [](QAbstractButton& b) { QTest::keyClick(&b, Qt::Key_Space); }},
        {"Return", [](QAbstractButton& b) { QTest::keyClick(&b, Qt::Key_Return); }},
        {"Enter", [](QAbstractButton& b) { QTest::keyClick(&b, Qt::Key_Enter, Qt::KeypadModifier); }},
        {"reader's toggle",
         [](QAbstractButton& b) {
             QAccessible::queryAccessibleInterface(&b)->actionInterface()->doAction(
                 QAccessibleActionInterface::toggleAction());
         }},
    };
    using Button = QAbstractButton* (*)(ViewController&);
    const Button dataButton = [](ViewController& w) -> QAbstractButton* { return w.DataBtn; };
    const Button pefTab = [](ViewController& w) -> QAbstractButton* { return w.dataPage()->PefButton; };
    const Button overviewButton = [](ViewController& w) -> QAbstractButton* { return w.OverviewBtn; };
    const struct {
        const char* name;
        Button button;
        int page;
        int tab;
        QString line; // the first console line, none when empty
    } steps[] = {
        {"data page", dataButton, 1, 0, "click page 1 / now page 0"},
        {"data page again", dataButton, 1, 0, ""},
        {"PEF tab", pefTab, 1, 1, "Data點選的頁面為 1 / 目前使用的頁面為 0"},
        {"PEF tab again", pefTab, 1, 1, "Data點選的頁面為 1 / 目前使用的頁面為 1"},
        {"overview", overviewButton, 0, 1, "click page 0 / now page 1"},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        storeUsableUser();
        AlertScript script;
        open();
        QStringList lines;
        Console::setCapture([&lines](const QString& line) { lines << line; });
        const QList<QAbstractButton*> checkable = {window->OverviewBtn, window->DataBtn, window->ProfileBtn,
                                                   window->SettingsBtn, window->dataPage()->ListButton,
                                                   window->dataPage()->PefButton, window->dataPage()->Fev1Button};
        for (const auto& step : steps) {
            SCOPED_TRACE(step.name);
            QAbstractButton* button = step.button(*window);
            button->setFocus();
            lines.clear();
            QList<bool> checkedBefore;
            for (const QAbstractButton* each : checkable) {
                checkedBefore << each->isChecked();
            }
            const ReaderEvents reader;
            way.press(*button);
            EXPECT_EQ(window->currentPage(), step.page);
            EXPECT_EQ(window->dataPage()->CurrentlyPage, step.tab);
            EXPECT_EQ(lines.value(0), step.line);
            EXPECT_TRUE(button->isChecked()) << "the asked-for page or view is the current one";
            // The pages set their checks quietly for themselves, never for a reader.
            for (qsizetype i = 0; i < checkable.size(); ++i) {
                if (checkable.at(i)->isChecked() != checkedBefore.at(i)) {
                    const auto changes = reader.ofType(QAccessible::StateChanged);
                    EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [&](const ReaderEvents::Event& e) {
                        return e.object == checkable.at(i);
                    })) << checkable.at(i)->objectName().toStdString();
                }
            }
        }

        // Unsaved settings hold the settings page: its question shows, the overview stays unchecked.
        window->SettingsBtn->click();
        QComboBox* unit = window->settingsPage()->UnitPopUp;
        unit->setCurrentIndex(unit->currentIndex() == 0 ? 1 : 0);
        emit unit->activated(unit->currentIndex());
        way.press(*window->OverviewBtn);
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(window->currentPage(), ViewController::SETTINGS_TABTAG);
        EXPECT_FALSE(window->OverviewBtn->isChecked());
        EXPECT_TRUE(window->SettingsBtn->isChecked());
        script.answerSheet(Alert::secondButton);
        Console::setCapture([](const QString&) {});
        window.reset();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}

TEST_F(MainWindowKeyboard, FocusLandsOnTheFirstControlOfEachPageThatOpens)
{
    storeUsableUser();
    open();
    EXPECT_EQ(focusName(), QStringLiteral("timeRangeFrom")) << "the overview, at start";
    const struct {
        int page;
        const char* first;
    } cases[] = {
        {ViewController::DATA_TABTAG, "DownloadBtn"},
        {ViewController::PROFILE_TABTAG, "EmailField"},
        {ViewController::SETTINGS_TABTAG, "UnitPopUp"},
        {ViewController::OVERVIEW_TABTAG, "timeRangeFrom"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.first);
        menuButton(test.page)->setFocus();
        QTest::keyClick(menuButton(test.page), Qt::Key_Space);
        ASSERT_EQ(window->currentPage(), test.page);
        EXPECT_EQ(focusName(), QString::fromLatin1(test.first));
    }
}

TEST_F(MainWindowKeyboard, ContinueOnTheRegionPageHandsTheFocusToTheProfilePage)
{
    open();
    ASSERT_EQ(window->currentPage(), ViewController::REGION_TABTAG);
    EXPECT_EQ(QApplication::focusWidget(), window->regionPage()->regionPopUp);
    EXPECT_EQ(spokenLabel(window->regionPage()->regionPopUp), QStringLiteral("Choose your region"));

    // Return presses Continue as Space does.
    window->regionPage()->Confirm_Btn->setFocus();
    QTest::keyClick(window->regionPage()->Confirm_Btn, Qt::Key_Return);
    ASSERT_EQ(window->currentPage(), ViewController::PROFILE_TABTAG);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(window->profilePage()->isAncestorOf(QApplication::focusWidget())) << focusName().toStdString();
}

TEST_F(MainWindowKeyboard, TabFollowsTheReadingOrderOfEveryPageAndLeavesItForTheMenu)
{
    storeUsableUser();
    open();
    const struct {
        int page;
        int stops; // at least
    } cases[] = {
        {ViewController::OVERVIEW_TABTAG, 4},
        {ViewController::DATA_TABTAG, 9},
        {ViewController::PROFILE_TABTAG, 10},
        {ViewController::SETTINGS_TABTAG, 7},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.page);
        menuButton(test.page)->click();
        QWidget* page = window->page(test.page);
        // A date picker takes Tab first for its day, month and year: one stop, several presses.
        QStringList order;
        QWidget* previous = nullptr;
        for (QWidget* focused = QApplication::focusWidget(); page->isAncestorOf(focused);
             focused = QApplication::focusWidget()) {
            if (focused != previous) {
                order << focused->objectName();
                if (previous) {
                    const QRect before(previous->mapTo(window.get(), QPoint(0, 0)), previous->size());
                    const QRect place(focused->mapTo(window.get(), QPoint(0, 0)), focused->size());
                    EXPECT_TRUE(readsAfter(before, place)) << order.join(QStringLiteral(", ")).toStdString();
                }
            }
            previous = focused;
            QTest::keyClick(focused, Qt::Key_Tab);
            ASSERT_LT(order.size(), 30) << "Tab is trapped: " << order.join(QStringLiteral(", ")).toStdString();
        }
        EXPECT_GE(order.size(), test.stops) << order.join(QStringLiteral(", ")).toStdString();
        EXPECT_TRUE(window->OverviewBtn->hasFocus()) << order.join(QStringLiteral(", ")).toStdString();
    }
}

// Each pop-up speaks its caption and its choice, and a new choice reaches a reader as a new value,
// one that no other pop-up's choice shares. Qt's own pop-up spoke its caption alone once a
// caption labelled it, and told of a new choice in ways that a reader passed over.
TEST_F(MainWindowKeyboard, EachPopUpSpeaksItsCaptionAndItsChoiceAndANewChoiceIsHeard)
{
    storeUsableUser();
    AlertScript script;
    open();
    TrafficLightsController sheet(nullptr);
    sheet.show();
    // A page sets its captions as it opens: each pop-up is met on its page. The Data page's filters
    // are the Overview's kind, and the settings' pop-ups are made alike.
    using PopUp = std::function<QComboBox*()>;
    const int none = -1;
    const struct {
        const char* caption;
        int page;
        PopUp popUp;
    } cases[] = {
        {"Choose your region", none, [this] { return window->regionPage()->regionPopUp; }},
        {"Date range", ViewController::OVERVIEW_TABTAG, [this] { return window->overviewPage()->dayPopUp; }},
        {"Time of day", ViewController::OVERVIEW_TABTAG, [this] { return window->overviewPage()->timePopUp; }},
        {"Gender", ViewController::PROFILE_TABTAG,
         [this] { return window->profilePage()->findChild<QComboBox*>(QStringLiteral("GenderPopUp")); }},
        {"Units", ViewController::SETTINGS_TABTAG, [this] { return window->settingsPage()->UnitPopUp; }},
        {"Zone plan", none, [&sheet] { return sheet.findChild<QComboBox*>(QStringLiteral("ZonePlan_Box")); }},
    };
    QList<int> values;
    for (const auto& test : cases) {
        if (test.page != none && window->currentPage() != test.page) {
            // The page left asks whether to keep the choice made on it: no.
            const qsizetype asked = script.shown().size();
            menuButton(test.page)->click();
            if (script.shown().size() > asked) {
                script.answerSheet(Alert::secondButton);
                menuButton(test.page)->click();
            }
            ASSERT_EQ(window->currentPage(), test.page);
        }
        QComboBox* popUp = test.popUp();
        SCOPED_TRACE(popUp->objectName().toStdString());
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(popUp);
        ASSERT_NE(element->valueInterface(), nullptr);
        const auto spoken = [&] { return QStringLiteral("%1, %2").arg(QLatin1String(test.caption), popUp->currentText()); };
        EXPECT_EQ(element->text(QAccessible::Name), spoken());
        EXPECT_TRUE(element->relations(QAccessible::Label).isEmpty()) << "a label would be spoken instead";

        const QVariant before = element->valueInterface()->currentValue();
        ReaderEvents reader;
        QTest::keyClick(popUp, popUp->currentIndex() + 1 < popUp->count() ? Qt::Key_Down : Qt::Key_Up);
        EXPECT_EQ(element->text(QAccessible::Name), spoken());
        const auto changes = reader.ofType(QAccessible::ValueChanged);
        EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [&](const auto& e) { return e.object == popUp; }));
        EXPECT_NE(element->valueInterface()->currentValue(), before);
        values << before.toInt() << element->valueInterface()->currentValue().toInt();
    }
    EXPECT_EQ(QSet<int>(values.begin(), values.end()).size(), values.size()) << "no two choices share a value";
}
