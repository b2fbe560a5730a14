#pragma once

#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/shell/UserList_ReturnDelegate.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTableWidget;

// The choose-user sheet of a meter download: every profile is one row, 40 high, in the store's
// order, the current user's row preselected. "Yes" hands the picked profile to the delegate (the
// meter dialogue, which then reads the meter's memory) and closes; "No" or Esc closes, and the
// download ends. The sheet is window-modal on its parent and deletes itself when closed.
class ConnectionPFM : public QDialog {
    Q_OBJECT

public:
    explicit ConnectionPFM(QWidget* parent = nullptr);

    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

    // Lists the profiles and preselects the current user's row; runs each time the sheet is
    // shown. A failed fetch stops the program.
    void willAppear();

    // The buttons.
    void YesHandler();
    void NoHandler();

    // A row the user picks (by mouse or keyboard); always allowed.
    bool shouldSelectRow(int row);

    // The text of a profile's row: its name, or "User Email : " and its e-mail without one.
    static QString rowText(const Profile& profile);

    static constexpr int rowHeight = 40;

    const QList<ProfilePtr>& users() const { return userList; }
    ProfilePtr pickedUser() const { return clickedUser; }
    int pickedRow() const { return currentRow; }

public slots:
    // Esc answers "No".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTable();
    QLayout* buildButtons();
    void reloadTable();
    void selectCurrentUser();
    void userSelectionChanged();

    QTableWidget* TableView = nullptr;
    QLabel* Title_Lab = nullptr;
    QLabel* SubTitle_Lab = nullptr;
    QLabel* Question_Lab = nullptr;
    QPushButton* Yes_Btn = nullptr;
    QPushButton* No_Btn = nullptr;
    QList<ProfilePtr> userList;
    ProfilePtr clickedUser;
    int currentRow = 0;
    bool selectingCurrentUser = false;
    bool finished = false;
    WeakDelegate<UserList_ReturnDelegate> delegate;
};
