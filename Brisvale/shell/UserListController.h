#pragma once

#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/shell/UserList_ReturnDelegate.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTableWidget;
class UserTableViewController;

// The modal window in which the user picks another stored profile to become the current user.
// Every profile is one row, 70 high, in the store's order; the current user's row is selected
// when the window appears. Confirming hands the picked profile to the delegate with renew and
// closes the window, which deletes itself.
class UserListController : public QDialog {
    Q_OBJECT

public:
    explicit UserListController(QWidget* parent = nullptr);

    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

    // Lists the profiles and preselects the current user's row; runs each time the window is
    // shown. A failed fetch stops the program.
    void willAppear();

    // The confirm button: hands the picked profile back, or asks to pick one.
    void changeUserHandler();

    // A row the user picks (by mouse or keyboard); always allowed.
    bool shouldSelectRow(int row);

    static constexpr int rowHeight = 70;

    const QList<ProfilePtr>& users() const { return userList; }
    ProfilePtr pickedUser() const { return clickedUser; }
    int pickedRow() const { return currentRow; }

    // The row's content, for a row of users().
    UserTableViewController* rowView(int row) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTable();
    void reloadTable();
    void selectCurrentUser();
    void userSelectionChanged();

    QTableWidget* tableView = nullptr;
    QPushButton* ChangeUserBtn = nullptr;
    QList<ProfilePtr> userList;
    ProfilePtr clickedUser;
    int currentRow = 0;
    bool selectingCurrentUser = false;
    WeakDelegate<UserList_ReturnDelegate> delegate;
};
