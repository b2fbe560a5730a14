#pragma once

#include "Brisvale/records/DataElementProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/shell/MeterDialogueHost.h"
#include "Brisvale/shell/ProfileStatusDelegate.h"
#include "Brisvale/shell/RegionDelegate.h"
#include "Brisvale/shell/SettingsStatusDelegate.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class CusContainView;
class DataController;
class ManualWindow;
class MeterDialogue;
class OverviewController;
class ProfileController;
class QFrame;
class QToolButton;
class RegionController;
class SettingsController;
class TavrendelPFM;

// The content of the one main window: the side menu and the page area. At start-up it looks for
// the store's file (a missing store takes the application state with it), opens the store, which
// makes the file for the next start, fills in the default
// filter choices, makes the five pages and opens on the first one: the region page on first run,
// the profile page while no usable user exists, otherwise the overview. The menu switches pages,
// unless the visible page holds unsaved changes: the page is asked first and keeps the user while
// they stay unsaved. The visible page is the one observer of `condition`.
class ViewController : public QWidget,
                       public MeterDialogueHost,
                       public ProfileStatusDelegate,
                       public SettingsStatusDelegate,
                       public RegionDelegate {
    Q_OBJECT

public:
    // Page indices, which are also the menu buttons' tags.
    static constexpr int OVERVIEW_TABTAG = 0;
    static constexpr int DATA_TABTAG = 1;
    static constexpr int PROFILE_TABTAG = 2;
    static constexpr int SETTINGS_TABTAG = 3;
    static constexpr int REGION_TABTAG = 4;

    // Starts up at once; `manager` is the meter library's manager, null when there is none.
    explicit ViewController(std::shared_ptr<TavrendelPFM> manager, QWidget* parent = nullptr);
    ~ViewController() override;

    // The menu buttons' action: shows the page of that tag.
    void switchPageHandler(int target);
    // The help button's action: the user manual in the desktop's browser, or in the manual
    // window when no browser can be started.
    void openDocumentHandler();
    // Shows the version popover.
    void aboutHandler();
    // The sync button's action: starts a meter download.
    void synceHandler();

    // The region page's choice: stored, then on to the profile page with the menu shown.
    void regionDidSelect(bool selected, const QString& region) override;
    // The profile page: unsaved edits or no usable user.
    void profileStatusDidChange(bool status) override;
    // The settings page: unsaved choices.
    void settingsStatusDidChange(bool unsaved) override;

    // What the meter dialogue needs of the window.
    QWidget* sheetAnchor() override;
    RenewProcess& condition() override { return conditionHub; }
    DataElementProcess& dataCondition() override { return dataConditionHub; }
    bool pagesHoldUnsavedChanges() const override;
    void setSyncButton(bool enabled, const QString& imageName) override;

    // Makes the current user's whole reading range the date window, with the filters "ALL" and
    // "All day"; false when there is no usable current user.
    static bool loadStartupRange();

    // The meter download, owned by the window.
    MeterDialogue* meterDialogue() const { return dialogue; }

    int currentPage() const { return CurrentlyPage; }
    bool currentlyStatus() const { return CurrentlyStatus; }
    bool currentlySettingsStatus() const { return CurrentlySettingsStatus; }

    // The pages, made at start-up and kept for the window's life.
    QWidget* page(int index) const;
    OverviewController* overviewPage() const { return overview; }
    DataController* dataPage() const { return data; }
    ProfileController* profilePage() const { return profile; }
    SettingsController* settingsPage() const { return settings; }
    RegionController* regionPage() const { return region; }

    // The image a menu button (by tag 0 to 3) or the sync button shows.
    QString menuImage(int tag) const;
    QString syncImage() const;

    // Outlets; each widget's object name is its outlet's name.
    CusContainView* containView = nullptr;
    QFrame* sideBar = nullptr;
    QFrame* menuBox = nullptr;
    QToolButton* OverviewBtn = nullptr;
    QToolButton* DataBtn = nullptr;
    QToolButton* ProfileBtn = nullptr;
    QToolButton* SettingsBtn = nullptr;
    QToolButton* synceBtn = nullptr;
    QToolButton* HelpBtn = nullptr;

private:
    // What the window needs of each page, whatever its class.
    struct PageSlot {
        QWidget* view = nullptr;
        std::function<void(RenewProcess&)> observe; // none for the region page
        std::function<void()> willAppear;
        std::function<void()> willDisappear;
    };
    template <typename Page>
    static PageSlot slotOf(Page* page);

    void buildInterface();
    QFrame* buildSideBar();
    QToolButton* makeMenuButton(const QString& objectName, int tag);
    void viewDidLoad();
    void checkStoreFile();
    void writeDefaultFilters();
    void createPages();
    void chooseFirstPage();
    void showFirstPage();
    void transitionTo(int target);
    void setMenuShown(bool shown);
    void updateMenuImages();
    QToolButton* menuButton(int tag) const;
    static void setButtonImage(QToolButton& button, const QString& imageName);

    std::shared_ptr<TavrendelPFM> manager;
    MeterDialogue* dialogue = nullptr;
    std::array<PageSlot, 5> pages;
    OverviewController* overview = nullptr;
    DataController* data = nullptr;
    ProfileController* profile = nullptr;
    SettingsController* settings = nullptr;
    RegionController* region = nullptr;

    int CurrentlyPage = 0;
    RenewProcess conditionHub;
    DataElementProcess dataConditionHub;
    bool CurrentlyStatus = false;
    bool CurrentlySettingsStatus = false;
    // The manual's own window while it is open.
    QPointer<ManualWindow> manualWindow;
};
