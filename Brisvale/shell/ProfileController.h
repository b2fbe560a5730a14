#pragma once

#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/records/RenewObserver.h"
#include "Brisvale/records/UnitType_DB.h"
#include "Brisvale/shell/ProfileStatusDelegate.h"
#include "Brisvale/shell/UserList_ReturnDelegate.h"

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <optional>

class LengthLimit;
class QComboBox;
class QDateTimeEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The page on which the user sees and edits the current user profile: e-mail, name, gender,
// birthday, height and weight. From it the user creates a profile, picks another from the list,
// deletes the shown one and saves edits. While no user is shown (on first start, say) it also
// restores a backup, whose first profile then becomes the current user. After every change it
// tells its delegate whether it
// holds unsaved edits or shows no usable user, so that the main window keeps the user here while
// that holds. The e-mail is the key of the shown profile: it is shown, never edited.
//
// The container calls willAppear() and willDisappear() as the page is shown and left, and
// registers the page with its RenewProcess while it is the visible page.
class ProfileController : public QWidget, public RenewObserver, public UserList_ReturnDelegate {
    Q_OBJECT

public:
    explicit ProfileController(QWidget* parent = nullptr);

    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

    // Captions, then the current user's profile (the stored "email"), or the no-user state.
    void willAppear();
    void willDisappear();

    // The leave check: a page with unsaved edits asks to save them; without a usable user it
    // warns that a named profile is needed first.
    void onPageSwitch() override;
    // Shows the current user afresh; both values are ignored.
    void onDataRefresh(bool emailRenewStatus, const QString& email) override;

    // A profile handed back by the create-user sheet or the user list.
    void userDidSelect(const ProfilePtr& profile, bool renew) override;

    // Shows the profile and makes it the current user; with renew also its date limits.
    void loadProfile(const ProfilePtr& profile, bool renew);

    // The longest name a person types; a longer one from a backup is kept whole.
    static constexpr int nameLimit = 100;

    // True while edits are unsaved or no usable user is shown (none stored, or no name yet).
    bool hasUnsavedChanges() const;

    // The buttons' actions. New Profile and Switch Profile open their sheets only while the shown
    // profile holds no unsaved edits: otherwise they ask about them first, as leaving the page does.
    void createUserHandler();
    void userListHandler();
    void saveUserHandler();
    void deleteUserHandler();
    // Imports a backup as the settings page does; after a successful import the file's first
    // profile is shown and becomes the current user. A refused file changes nothing.
    void restoreBackupHandler();

private:
    // Outlets; each widget's object name is its outlet's name.
    QLabel* PageTitleLab = nullptr;
    QLabel* EmailLab = nullptr;
    QLabel* NameLab = nullptr;
    QLabel* GenderLab = nullptr;
    QLabel* BirthLab = nullptr;
    QLabel* HeightLab = nullptr;
    QLabel* WeightLab = nullptr;
    QLabel* HeightUnitLab = nullptr;
    QLabel* WeightUnitLab = nullptr;
    // Beside the height and weight fields: why a typed value is not taken, empty otherwise.
    QLabel* HeightHintLab = nullptr;
    QLabel* WeightHintLab = nullptr;
    // Under the name field: that a name holds no more, once it is that long.
    QLabel* NameNoteLab = nullptr;
    QLineEdit* EmailField = nullptr;
    QLineEdit* NameField = nullptr;
    QComboBox* GenderPopUp = nullptr;
    QDateTimeEdit* BirthDatePicker = nullptr;
    QLineEdit* HeightField = nullptr;
    QLineEdit* WeightField = nullptr;
    QPushButton* AddUserBtn = nullptr;
    QPushButton* RestoreBtn = nullptr;
    QPushButton* UserListBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QFrame* InfoBox = nullptr;
    LengthLimit* nameLength = nullptr;


    // What the save button read when it was pressed; the ask-save sheet's answer uses it.
    struct SaveRequest {
        QString email;
        QString name;
        QDateTime birthday;
        bool birthdayEdited = false;
        QString heightText;
        QString weightText;
        bool gender = false;
    };

    void buildInterface();
    QWidget* buildInfoBox();
    QLayout* buildButtonRow();
    void connectChangeTracking();
    void setCaptions();

    ProfilePtr fetchCurrentProfile() const;
    void showNoUser();
    void updateVisibility();
    void tellDelegate();
    void showProfileFields(const ProfilePtr& profile);
    void rememberLoadedState();
    void updateMeasureHints();
    void showMeasureHints(bool heightRefused, bool weightRefused);

    // Unsaved edits of the shown profile are asked about (a profile still without a name is
    // warned of); nothing when there are none.
    void settleEdits();
    // Before another profile is made or chosen: true when the shown one holds nothing unsaved,
    // otherwise its edits are asked about first and the caller stops.
    bool shownProfileSettled();

    SaveRequest readSaveRequest() const;
    void saveCompletion(int response, const SaveRequest& request);
    void storeEdits(const SaveRequest& request);
    void deleteCompletion(int response, const QString& email);
    void deleteProfile(const QString& email);

    void controlTextDidChange(QLineEdit* sender);
    void popUpSelectionDidChange();
    void PickerDidChange();

    UnitType_DB::Defaults shownUnit = UnitType_DB::Defaults::KgCm;
    bool flag = false;
    bool viewWillFlag = true;
    bool newProfileTag = true;
    std::optional<QString> nameSelectedItem;
    std::optional<QString> heightSelectedItem;
    std::optional<QString> weightSelectedItem;
    std::optional<int> popUpInitiallySelectedItem;
    std::optional<QDateTime> datePickerSelectedItem;
    bool nameStatus = false;
    bool heightStatus = false;
    bool weightStatus = false;
    bool genderStatus = false;
    bool birthStatus = false;
    WeakDelegate<ProfileStatusDelegate> delegate;
};
