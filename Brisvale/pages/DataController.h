#pragma once

#include "Brisvale/pages/TrafficLight_Delegate.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/DataElementObserver.h"
#include "Brisvale/records/RenewObserver.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class TavrendelPFM;
class TrafficLightsController;

// The Data page (page 1 of the main window): the current user's readings in the stored date
// window and time of day, and the button that opens the best-value sheet while a meter is
// connected. The main window registers it as the one observer of its DataElementProcess, and
// with its RenewProcess while it is the visible page. The page owns a ConditionProcess of its own
// for what it shows of the filtered readings; the best-value sheet reaches it through the page.
class DataController : public QWidget,
                       public RenewObserver,
                       public DataElementObserver,
                       public TrafficLight_Delegate {
    Q_OBJECT

public:
    explicit DataController(QWidget* parent = nullptr);

    void willAppear();
    void willDisappear() {}

    // The meter manager the best-value sheet writes through (null: no meter library).
    void setMeterManager(std::shared_ptr<TavrendelPFM> manager);

    // The page's own hub (not the main window's RenewProcess), also the best-value sheet's.
    ConditionProcess& condition() override { return conditionHub; }

    // Nothing to settle before a page switch.
    void onPageSwitch() override;
    // Reloads from the stored state; both values are ignored.
    void onDataRefresh(bool emailRenewStatus, const QString& email) override;
    // The meter was connected (true) or disconnected (false): the best-value button follows.
    void onDataElementChange(bool connected) override;

    // The best-value button's action: opens the best-value sheet beside the button.
    void trafficLightsSetting();
    // The best-value sheet while it is open.
    TrafficLightsController* bestValueSheet() const;

    // Reads the filtered readings and shows how many there are.
    void updateDataPage();

    // Whether a meter is connected, as last reported.
    bool TrifficBool = false;

    // Outlets; each widget's object name is its outlet's name.
    QLabel* PageTitle_Lab = nullptr;
    QLabel* ReadingsCount_Lab = nullptr;
    QPushButton* TrafficLightSettings = nullptr;

private:
    ConditionProcess conditionHub;
    std::shared_ptr<TavrendelPFM> manager;
    QPointer<TrafficLightsController> sheet;
};
