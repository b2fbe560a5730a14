#include "Brisvale/shell/UserListController.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/CurrentUserRow.h"
#include "Brisvale/shell/MyNSTableRowView.h"
#include "Brisvale/shell/StoreFailure.h"
#include "Brisvale/shell/UserTableViewController.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

UserListController::UserListController(QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    Look::styleSheetWindow(*this);
    // The sheet has no window title; a reader names it after the button that opened it.
    setAccessibleName(Localization::text(QStringLiteral("ProfileController_UserList")));
    buildTable();

    ChangeUserBtn = new QPushButton(Localization::text(QStringLiteral("UserListController_Confirm")));
    ChangeUserBtn->setObjectName(QStringLiteral("ChangeUserBtn"));
    ChangeUserBtn->setDefault(true);
    Look::styleDefaultButton(*ChangeUserBtn);
    connect(ChangeUserBtn, &QPushButton::clicked, this, &UserListController::changeUserHandler);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ChangeUserBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(tableView, 1);
    layout->addLayout(buttons);
    resize(420, 400);
}

void UserListController::buildTable()
{
    tableView = new QTableWidget(0, 1);
    tableView->setObjectName(QStringLiteral("tableView"));
    tableView->horizontalHeader()->hide();
    tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tableView->verticalHeader()->hide();
    tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableView->verticalHeader()->setDefaultSectionSize(rowHeight);
    tableView->setShowGrid(false);
    tableView->setFrameShape(QFrame::NoFrame);
    tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MyNSTableRowView::install(*tableView);
    connect(tableView, &QTableWidget::pressed, this,
            [this](const QModelIndex& index) { shouldSelectRow(index.row()); });
    connect(tableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &UserListController::userSelectionChanged);
}

void UserListController::showEvent(QShowEvent* event)
{
    willAppear();
    Look::styleSheetWindow(*this);
    QDialog::showEvent(event);
}

void UserListController::willAppear()
{
    StoreResult<QList<ProfilePtr>> profiles = viewContext().fetchProfiles();
    if (!profiles) {
        StoreFailure::stopFetchFailed(profiles.error());
    }
    userList = profiles.value();
    reloadTable();
    selectCurrentUser();
}

void UserListController::reloadTable()
{
    tableView->clearContents();
    tableView->setRowCount(static_cast<int>(userList.size()));
    for (int row = 0; row < tableView->rowCount(); ++row) {
        auto* item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        // The row's view shows over an empty cell, which a reader would read as nothing.
        item->setData(Qt::AccessibleTextRole, spokenUserRow(*userList.at(row)));
        tableView->setItem(row, 0, item);
        auto* view = new UserTableViewController;
        view->setAttribute(Qt::WA_TransparentForMouseEvents);
        view->fill(*userList.at(row));
        tableView->setCellWidget(row, 0, view);
    }
}

// The current user's row, matched by the stored e-mail (none stored matches a profile without
// one). Selecting it on screen is not a pick: with no match row 0 shows selected, but nothing
// is picked until the user picks a row.
void UserListController::selectCurrentUser()
{
    const std::optional<int> match = currentUserRow(userList);
    clickedUser = match ? userList.at(*match) : nullptr;
    currentRow = match.value_or(0);
    selectingCurrentUser = true;
    tableView->clearSelection();
    if (currentRow < tableView->rowCount()) {
        tableView->selectRow(currentRow);
        tableView->scrollTo(tableView->model()->index(currentRow, 0));
    }
    selectingCurrentUser = false;
}

void UserListController::userSelectionChanged()
{
    const int row = tableView->currentRow();
    if (!selectingCurrentUser && row >= 0) {
        shouldSelectRow(row);
    }
}

bool UserListController::shouldSelectRow(int row)
{
    if (row < 0 || row >= userList.size()) {
        return true;
    }
    clickedUser = userList.at(row);
    currentRow = row;
    return true;
}

UserTableViewController* UserListController::rowView(int row) const
{
    return qobject_cast<UserTableViewController*>(tableView->cellWidget(row, 0));
}

void UserListController::changeUserHandler()
{
    if (!clickedUser) {
        AlertPresenter::shared().runModal(
            Alert{Localization::text(QStringLiteral("UserListController_AlertMessage_SelectUser")),
                  AlertSymbol::none, {}});
        return;
    }
    Console::printLine(QStringLiteral("clickedUser: ") + clickedUser->email.value_or(QString()));
    if (UserList_ReturnDelegate* receiver = delegate.get()) {
        receiver->userDidSelect(clickedUser, true);
    }
    close();
}
