#pragma once

#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/DataElementObserver.h"
#include "Brisvale/records/RenewObserver.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The Data page (page 1 of the main window): the current user's readings in the stored date
// window and time of day, and the button that opens the best-value sheet while a meter is
// connected. The main window registers it as the one observer of its DataElementProcess, and
// with its RenewProcess while it is the visible page. The page owns a ConditionProcess of its own
// for what it shows of the filtered readings; the best-value sheet reaches it through the page.
class DataController : public QWidget, public RenewObserver, public DataElementObserver {
    Q_OBJECT

public:
    explicit DataController(QWidget* parent = nullptr);

    void willAppear();
    void willDisappear() {}

    // The page's own hub (not the main window's RenewProcess).
    ConditionProcess& condition() { return conditionHub; }

    // Nothing to settle before a page switch.
    void onPageSwitch() override;
    // Reloads from the stored state; both values are ignored.
    void onDataRefresh(bool emailRenewStatus, const QString& email) override;
    // The meter was connected (true) or disconnected (false): the best-value button follows.
    void onDataElementChange(bool connected) override;

    // The best-value button's action: opens the best-value sheet beside the button.
    void trafficLightsSetting();

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
};
