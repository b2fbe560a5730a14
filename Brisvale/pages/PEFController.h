#pragma once

#include "Brisvale/pages/ReadingsChartPage.h"

// The PEF chart, the Data page's second child: the current user's filtered PEF readings, a value
// of 901 or more drawn at 900 and marked "Hi", on a y axis from 50 to 900 that may be zoomed,
// with the zone bands of the user's best value behind the grid. Each load reports the largest
// PEF, uncapped, as a 32-bit integer (0 without readings).
class PEFController : public ReadingsChartPage {
    Q_OBJECT

public:
    explicit PEFController(QWidget* parent = nullptr);

    void willAppear() override;

protected:
    ChartPoint chartPoint(const PFM& reading, const QString& date, const QString& time) const override;
    DataMaxValueDelegate::Maximum largestValue(const QList<PFMPtr>& readings) const override;
    bool isScaleYEnabled() const override { return true; }
    void styleYAxes(qint32 bestValue, PeakFlowMath::ZonePlan plan) override;
};
