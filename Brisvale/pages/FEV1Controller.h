#pragma once

#include "Brisvale/pages/DataChildPage.h"

// The FEV1 chart, the Data page's third child: the current user's filtered FEV1 readings. Each
// load reports the largest FEV1, uncapped, as "%.2f" text ("0.00" without readings). The chart
// itself will stand in this view.
class FEV1Controller : public DataChildPage {
    Q_OBJECT

public:
    explicit FEV1Controller(QWidget* parent = nullptr);

    void willAppear() override;
    void onConditionChange() override;

    // Reads the filtered readings afresh and reports their largest FEV1.
    void loadReadings();

    // The largest FEV1 as "%.2f" text; "0.00" without readings.
    static QString largestFev1Text(const QList<PFMPtr>& readings);
};
