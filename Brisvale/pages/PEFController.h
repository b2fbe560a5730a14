#pragma once

#include "Brisvale/pages/DataChildPage.h"

// The PEF chart, the Data page's second child: the current user's filtered PEF readings. Each
// load reports the largest PEF, uncapped, as a 32-bit integer (0 without readings). The chart
// itself will stand in this view.
class PEFController : public DataChildPage {
    Q_OBJECT

public:
    explicit PEFController(QWidget* parent = nullptr);

    void willAppear() override;
    void onConditionChange() override;

    // Reads the filtered readings afresh and reports their largest PEF.
    void loadReadings();
};
