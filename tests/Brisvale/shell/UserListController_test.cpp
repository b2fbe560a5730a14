#include "Brisvale/shell/UserListController.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/shell/ConnectionPFM.h"
#include "Brisvale/shell/CreateUserController.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/shell/MyNSTableRowView.h"
#include "Brisvale/shell/UserTableViewController.h"

#include "ShellTestSupport.h"

#include <QPointer>
#include <QPushButton>
#include <QAccessible>
#include <QHelpEvent>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <memory>
#include <vector>

class UserListSheet : public PageTest {
protected:
    void TearDown() override
    {
        delete sheet.data();
        PageTest::TearDown();
    }

    // Stores Ann (female, named), Bo (male, named) and a nameless male profile, in that order.
    void storeThreeProfiles()
    {
        saveProfile({QStringLiteral("ann@x"), QStringLiteral("Ann"), true, 0, 0, true});
        saveProfile({QStringLiteral("bo@x"), QStringLiteral("Bo")});
        saveProfile({QStringLiteral("cy@x")});
    }

    void open()
    {
        sheet = new UserListController;
        sheet->setDelegate(&receiver);
        sheet->show();
    }

    QTableWidget* table() const { return child<QTableWidget>(*sheet, "tableView"); }
    int selectedRow() const
    {
        const QList<QTableWidgetSelectionRange> ranges = table()->selectedRanges();
        return ranges.size() == 1 && ranges.first().rowCount() == 1 ? ranges.first().topRow() : -1;
    }
    void confirm() const { child<QPushButton>(*sheet, "ChangeUserBtn")->click(); }

    void clickRow(int row) const
    {
        const QRect rect = table()->visualRect(table()->model()->index(row, 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void expectSelectUserAlert(const AlertScript& script) const
    {
        ASSERT_EQ(script.shown().size(), 1);
        EXPECT_EQ(script.last().kind, Presentation::Kind::alert);
        EXPECT_EQ(script.last().alert.symbol, AlertSymbol::none);
        EXPECT_EQ(script.last().alert.buttons, QStringList{Localization::text(QStringLiteral("OK"))});
        EXPECT_EQ(script.last().alert.message,
                  Localization::text(QStringLiteral("UserListController_AlertMessage_SelectUser")));
        EXPECT_TRUE(receiver.selections.isEmpty());
        EXPECT_TRUE(sheet->isVisible());
    }

    SelectionRecorder receiver;
    QPointer<UserListController> sheet;
};

TEST_F(UserListSheet, ListsEveryProfileInStoreOrderWithIconNameAndEmail)
{
    storeThreeProfiles();
    open();
    ASSERT_EQ(table()->rowCount(), 3);
    const QStringList names{"Ann", "Bo", "(Empty Name)"};
    const QStringList emails{"ann@x", "bo@x", "cy@x"};
    const QStringList icons{"icon_User_female", "icon_User_male", "icon_User_male"};
    for (int row = 0; row < 3; ++row) {
        const UserTableViewController* view = sheet->rowView(row);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->name(), names[row]);
        EXPECT_EQ(view->email(), emails[row]);
        EXPECT_EQ(view->iconName(), icons[row]);
        EXPECT_EQ(table()->rowHeight(row), 70);
    }
    EXPECT_NE(qobject_cast<MyNSTableRowView*>(table()->itemDelegate()), nullptr);
    EXPECT_EQ(sheet->windowTitle(), "");
    EXPECT_EQ(sheet->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(UserListSheet, TheCurrentUserIsPreselectedAndConfirmingHandsItBack)
{
    storeThreeProfiles();
    UserDefaultHelper::setEmail(QStringLiteral("bo@x"));
    open();
    EXPECT_EQ(selectedRow(), 1);
    ASSERT_NE(sheet->pickedUser(), nullptr);
    EXPECT_EQ(sheet->pickedUser()->email, "bo@x");

    confirm();
    ASSERT_EQ(receiver.selections.size(), 1);
    EXPECT_EQ(receiver.selections.first().first->email, "bo@x");
    EXPECT_TRUE(receiver.selections.first().second);
    EXPECT_TRUE(lines.contains("clickedUser: bo@x"));
    deleteClosedWindows();
    EXPECT_TRUE(sheet.isNull());
}

TEST_F(UserListSheet, ARowPickedByTheUserIsHandedBack)
{
    storeThreeProfiles();
    UserDefaultHelper::setEmail(QStringLiteral("ann@x"));
    open();
    clickRow(2);
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_EQ(sheet->pickedRow(), 2);
    confirm();
    ASSERT_EQ(receiver.selections.size(), 1);
    EXPECT_EQ(receiver.selections.first().first->email, "cy@x");
}

TEST_F(UserListSheet, WithoutAMatchRowZeroShowsSelectedButNothingIsPickedUntilAClick)
{
    storeThreeProfiles();
    UserDefaultHelper::setEmail(QStringLiteral("gone@x"));
    open();
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(sheet->pickedUser(), nullptr);
    {
        AlertScript script;
        script.answer(Alert::firstButton);
        confirm();
        expectSelectUserAlert(script);
    }
    // Clicking the row already shown selected picks it.
    clickRow(0);
    confirm();
    ASSERT_EQ(receiver.selections.size(), 1);
    EXPECT_EQ(receiver.selections.first().first->email, "ann@x");
}

TEST_F(UserListSheet, AnAbsentStoredEmailMatchesAProfileWithoutOne)
{
    saveProfile({QStringLiteral("ann@x"), QStringLiteral("Ann")});
    saveProfile({QString(), QStringLiteral("Nobody")});
    open();
    EXPECT_EQ(selectedRow(), 1);
    ASSERT_NE(sheet->pickedUser(), nullptr);
    EXPECT_EQ(sheet->pickedUser()->name, "Nobody");
    EXPECT_EQ(sheet->rowView(1)->email(), "");
}

TEST_F(UserListSheet, AnEmptyListAsksForASelection)
{
    open();
    EXPECT_EQ(table()->rowCount(), 0);
    AlertScript script;
    script.answer(Alert::firstButton);
    confirm();
    expectSelectUserAlert(script);
}

TEST_F(UserListSheet, TheKeyboardPicksRowsToo)
{
    storeThreeProfiles();
    UserDefaultHelper::setEmail(QStringLiteral("ann@x"));
    open();
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Down);
    EXPECT_EQ(sheet->pickedRow(), 1);
    EXPECT_EQ(sheet->pickedUser()->email, "bo@x");
}

// A reader hears each row's name and e-mail, in this sheet and in the sync's chooser of a profile;
// here a row's view showed over an empty cell, which read as nothing.
TEST_F(UserListSheet, AReaderHearsEachRowsNameAndEmailInBothListsOfProfiles)
{
    storeThreeProfiles();
    open();
    ConnectionPFM chooser;
    chooser.show();
    const QStringList spoken{"Ann, ann@x", "Bo, bo@x", "cy@x"};
    for (QTableWidget* list : {table(), child<QTableWidget>(chooser, "TableView")}) {
        SCOPED_TRACE(list->window()->metaObject()->className());
        QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(list)->tableInterface();
        ASSERT_EQ(cells->rowCount(), spoken.size());
        for (int row = 0; row < spoken.size(); ++row) {
            EXPECT_EQ(cells->cellAt(row, 0)->text(QAccessible::Name), spoken.at(row));
        }
    }
}

// A row cuts a long name or e-mail with "…", in both lists of profiles, and shows what it cut in
// its tooltip, as far as a tooltip holds; a row that shows all of its text has none.
TEST_F(UserListSheet, ARowThatCutsItsTextShowsItInItsTooltip)
{
    const QString name = QStringLiteral("Ann Marie ").repeated(1000);
    const QString email = QString(288, QLatin1Char('a')) + QStringLiteral("@example.com");
    saveProfile({QStringLiteral("bo@x"), QStringLiteral("Bo")});
    saveProfile({email, name});
    open();
    ConnectionPFM chooser;
    chooser.show();
    const struct {
        QTableWidget* list;
        QString longRow;
    } cases[] = {
        {table(), name + QLatin1Char('\n') + email},
        {child<QTableWidget>(chooser, "TableView"), name},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.list->window()->metaObject()->className());
        for (int row = 0; row < 2; ++row) {
            const QPoint at = test.list->visualRect(test.list->model()->index(row, 0)).center();
            QHelpEvent help(QEvent::ToolTip, at, test.list->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(test.list->viewport(), &help);
            EXPECT_EQ(help.isAccepted(), row == 1) << row;
            // Compared without printing: a failure would print the whole text.
            EXPECT_TRUE(row == 0 || QToolTip::text() == ElidingLabel::toolTipText(test.longRow));
        }
        QToolTip::hideText();
    }
}

TEST_F(UserListSheet, EachProfileSheetIsNamedForAReader)
{
    // The sheets show no window title, so without a name a reader announced each as "dialog".
    struct Case {
        std::function<QDialog*()> make;
        const char* key;
    };
    const std::vector<Case> cases = {
        {[] { return new UserListController; }, "ProfileController_UserList"},
        {[] { return new CreateUserController; }, "ProfileController_AddUser"},
        {[] { return new ConnectionPFM; }, "ConnectionPFM_Title"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const std::unique_ptr<QDialog> dialog(c.make());
        dialog->show();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.get())->text(QAccessible::Name),
                  Localization::text(QString::fromLatin1(c.key)));
    }
}
