#pragma once

#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/records/RenewObserver.h"
#include "Brisvale/shell/SettingsStatusDelegate.h"

#include <QString>
#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

// The page on which the current user chooses the unit system, the date and time formats and the
// region. The choices are stored in the user's profile; changing the unit system converts the
// stored height and weight. The page tracks choices not yet saved, reports them to its delegate
// (the main window) and asks whether to save them when the user leaves. It also carries the two
// backup buttons.
class SettingsController : public QWidget, public RenewObserver {
    Q_OBJECT

public:
    explicit SettingsController(QWidget* parent = nullptr);

    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

    // Called by the page's container before the page is shown and after it is hidden.
    void willAppear();
    void willDisappear();

    // The save button: asks on a sheet whether to store the choices shown.
    void saveHandler();
    // The backup buttons.
    void ExportDBHandler();
    void ImportDBHandler();

    // The page is about to be left: asks whether to save when choices are unsaved.
    void onPageSwitch() override;
    // The current user's data were renewed: reloads as when appearing.
    void onDataRefresh(bool emailRenewStatus, const QString& email) override;

    // Whether any pop-up differs from the choice loaded from the profile.
    bool hasUnsavedChanges() const;

    QComboBox* DateFormatPopUp = nullptr;
    QComboBox* UnitPopUp = nullptr;
    QComboBox* TimeFormatPopUp = nullptr;
    QComboBox* RegionPopUp = nullptr;
    QLabel* PageTitle_Lab = nullptr;
    QLabel* SubTitle_Lab = nullptr;
    QLabel* DateFormat_Lab = nullptr;
    QLabel* Unit_Lab = nullptr;
    QLabel* TimeFormat_Lab = nullptr;
    QLabel* Region_Lab = nullptr;
    QPushButton* ImportData_Btn = nullptr;
    QPushButton* ExportData_Btn = nullptr;
    QPushButton* Save_Btn = nullptr;

private:
    // The question's profile and the pop-up indexes, captured when the save button is pressed;
    // -1 for no selection.
    struct Choices {
        std::optional<QString> email;
        int unit = -1;
        int date = -1;
        int time = -1;
        int region = -1;
    };

    void buildLayout();
    void fillPopUps();
    void connectActions();
    void loadSettings();
    void saveSettings(int response, const Choices& choices);
    bool storeChoices(const Choices& choices);
    void trackChange(QComboBox* popUp, int loadedIndex, bool& status, const QString& caption);
    void reportStatus();

    std::optional<QString> currentlyEmail;
    // The index each pop-up showed when last loaded from the profile (-1 when none).
    int unitSelectedItem = -1;
    int dateFormatSelectedItem = -1;
    int timeFormatSelectedItem = -1;
    int regionSelectedItem = -1;
    bool unitStatus = false;
    bool dateFormatStatus = false;
    bool timeFormatStatus = false;
    bool regionStatus = false;
    WeakDelegate<SettingsStatusDelegate> delegate;
};
