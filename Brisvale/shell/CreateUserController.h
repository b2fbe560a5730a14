#pragma once

#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/shell/UserList_ReturnDelegate.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The small modal window in which the user types the e-mail of a new profile. The e-mail is the
// key of a profile, so it must not be empty nor already used (compared exactly, as typed). The
// new profile gets the unit system, date and time formats of the stored region ("Other" when
// none or an unknown one is stored), the birthday 1 June 1970 at local midnight and the
// best-value type "Measure", and is handed to the delegate, which shows it for completion.
// The window deletes itself when it closes.
class CreateUserController : public QDialog {
    Q_OBJECT

public:
    explicit CreateUserController(QWidget* parent = nullptr);

    // The longest e-mail address a person types (the longest a mail system delivers to).
    static constexpr int emailLimit = 254;

    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

    // The caption; runs each time the window is shown.
    void willAppear();

    // The create button: refuses an empty or known e-mail with an alert (the window stays
    // open), else stores the new profile, hands it to the delegate and closes.
    void createHandler();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool refusesEmail(const QString& email);
    ProfilePtr insertNewProfile(const QString& email);

    QLabel* Email_Lab = nullptr;
    QLineEdit* EmailField = nullptr;
    QLabel* EmailNoteLab = nullptr; // under the field: that it holds no more, once full
    QPushButton* CreateBtn = nullptr;
    WeakDelegate<UserList_ReturnDelegate> delegate;
};
