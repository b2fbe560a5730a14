#pragma once

#include "Brisvale/pages/ReadingsChartPage.h"

// The FEV1 chart, the Data page's third child: the current user's filtered FEV1 readings, a value
// above 9.99 (as floats) drawn at the float 9.99 and marked "Hi", on a y axis from 0 to 9.99 that
// can't be zoomed. Each load reports the largest FEV1, uncapped, as "%.2f" text ("0.00" without
// readings).
class FEV1Controller : public ReadingsChartPage {
    Q_OBJECT

public:
    explicit FEV1Controller(QWidget* parent = nullptr);

    void willAppear() override;

    // The largest FEV1 as "%.2f" text; "0.00" without readings.
    static QString largestFev1Text(const QList<PFMPtr>& readings);

protected:
    ChartPoint chartPoint(const PFM& reading, const QString& date, const QString& time) const override;
    QString spokenValue(const PFM& reading, const Profile& profile) const override;
    QString spokenTotals(const QList<PFMPtr>& readings, const Profile& profile) const override;
    DataMaxValueDelegate::Maximum largestValue(const QList<PFMPtr>& readings) const override;
    bool isScaleYEnabled() const override { return false; }
    void styleYAxes(qint32 bestValue, PeakFlowMath::ZonePlan plan) override;
};
