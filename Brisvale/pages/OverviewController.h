#pragma once

#include "Brisvale/records/RenewObserver.h"

#include <QWidget>

class QLabel;

// The overview page (page 0 of the main window): a summary of the current user and of that user's
// readings in the stored date window and time of day. The container calls willAppear() before it
// shows the page; while it is the visible page it is the observer of the window's RenewProcess.
class OverviewController : public QWidget, public RenewObserver {
    Q_OBJECT

public:
    explicit OverviewController(QWidget* parent = nullptr);

    void willAppear();
    void willDisappear() {}

    // Nothing to settle before a page switch.
    void onPageSwitch() override;
    // Shows the stored state afresh; both values are ignored.
    void onDataRefresh(bool emailRenewStatus, const QString& email) override;

    // Reads the current user's filtered readings and shows their summary.
    void refreshStatistics();

    // Outlets; each widget's object name is its outlet's name.
    QLabel* Title_Lab = nullptr;
    QLabel* UserTitle_Lab = nullptr;
    QLabel* TimeRange_Lab = nullptr;
    QLabel* TotalTitle_Lab = nullptr;
    QLabel* userNameTextField = nullptr;
    QLabel* timeRangeTextField = nullptr;
    QLabel* totalMeasurementTextField = nullptr;

private:
    void setCaptions();
};
