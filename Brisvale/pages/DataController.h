#pragma once

#include "Brisvale/pages/DataMaxValueDelegate.h"
#include "Brisvale/pages/TrafficLight_Delegate.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/DataElementObserver.h"
#include "Brisvale/records/RenewObserver.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class DataChildPage;
class FEV1Controller;
class FilterControls;
class PEFController;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;
class TableController;
class TavrendelPFM;
class TrafficLightsController;

// The Data page (page 1 of the main window): the current user's readings in one of three child
// pages (the readings table, the PEF chart, the FEV1 chart), switched by tabs, under the filter
// controls that every child shares, with the maximum panel fed by the visible child, the download
// button and the button that opens the best-value sheet, with or without a meter.
//
// The page owns a ConditionProcess of its own whose one observer is the visible child, so a filter
// change reloads only that child; a child that becomes visible reloads itself. The main window
// registers the page as the one observer of its DataElementProcess, and with its RenewProcess
// while it is the visible page; the best-value sheet reaches the page's hub through the page.
class DataController : public QWidget,
                       public RenewObserver,
                       public DataElementObserver,
                       public DataMaxValueDelegate,
                       public TrafficLight_Delegate {
    Q_OBJECT

public:
    static constexpr int TABLE_TABTAG = 0;
    static constexpr int PEF_TABTAG = 1;
    static constexpr int FEV1_TABTAG = 2;

    explicit DataController(QWidget* parent = nullptr);

    // Sets the texts, restores the filter controls, dresses the page for the visible child, then
    // lets that child reload.
    void willAppear();
    void willDisappear() {}

    // The meter manager the best-value sheet writes through (null: no meter library).
    void setMeterManager(std::shared_ptr<TavrendelPFM> manager);

    // The page's own hub (not the main window's RenewProcess), also the best-value sheet's.
    ConditionProcess& condition() override { return conditionHub; }

    // Nothing to settle before a page switch.
    void onPageSwitch() override;
    // Restores the filter controls, takes their window and dresses the page; both values are
    // ignored.
    void onDataRefresh(bool emailRenewStatus, const QString& email) override;
    // The meter was connected (true) or disconnected (false): an open best-value sheet follows.
    void onDataElementChange(bool connected) override;
    // The visible child's largest value: shown in the maximum panel; the download button is off for
    // the integer 0 and the text "0.00" only.
    void showMaxValue(const Maximum& value) override;

    // A tab button pressed: shows the child of that tag (nothing when it is shown already).
    void SwitchPageHandler(int tag);
    // Dresses the page for the visible child and registers only that child on the hub.
    void updateDataPage();
    // Puts the stored filter into the controls.
    void restoreFilterControls();
    // Takes the window of the pickers (see FilterControls::dateSelected).
    void dateSelected();

    // The download button: takes a date still being typed into a picker, then opens the download
    // popover made from the two pickers' dates beside the button.
    void ExportFileHandler();

    // The best-value button's action: opens the best-value sheet beside the button.
    void trafficLightsSetting();
    // The best-value sheet while it is open.
    TrafficLightsController* bestValueSheet() const;

    // The child of a tag, and the visible one.
    DataChildPage* childPage(int tag) const;
    DataChildPage* visibleChild() const { return childPage(CurrentlyPage); }

    FilterControls& filter() const { return *filterControls; }

    // Whether a meter is connected, as last reported.
    bool TrifficBool = false;
    // The tag of the visible child; kept across the main window's page switches.
    int CurrentlyPage = TABLE_TABTAG;

    // Outlets; each widget's object name is its outlet's name. Tab buttons carry the name of the
    // image they show in their "imageName" property.
    QWidget* containView = nullptr;
    QDateEdit* FromDatePicker = nullptr;
    QDateEdit* ToDatePicker = nullptr;
    QPushButton* TrafficLightSettings = nullptr;
    QComboBox* dayPopUp = nullptr;
    QComboBox* timePopUp = nullptr;
    QToolButton* DownloadBtn = nullptr;
    QLabel* MaxTitle = nullptr;
    QLabel* MaxValue = nullptr;
    QLabel* MaxValueUnit = nullptr;
    QLabel* MaxValueMark = nullptr;
    QToolButton* ListButton = nullptr;
    QToolButton* PefButton = nullptr;
    QToolButton* Fev1Button = nullptr;
    QLabel* PageTitle_Lab = nullptr;
    QLabel* From_Lab = nullptr;
    QLabel* To_Lab = nullptr;

    // The three children, made with the page.
    TableController* tableView = nullptr;
    PEFController* pefView = nullptr;
    FEV1Controller* fev1View = nullptr;

private:
    void buildInterface();
    QLayout* buildHeader();
    QLayout* buildFilterRow();
    QLayout* buildMaximumPanel();
    QToolButton* makeTabButton(const QString& objectName, int tag);
    void buildActionButtons();
    void addChildren();
    void showChild(int tag);
    void setTabImages();
    void setMaximumPanel(const QString& caption, const QString& unit, const QString& remark,
                         bool valueShown, bool remarkShown);

    ConditionProcess conditionHub;
    FilterControls* filterControls = nullptr;
    std::shared_ptr<TavrendelPFM> manager;
    QPointer<TrafficLightsController> sheet;
};
