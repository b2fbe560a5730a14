#pragma once

#include "Brisvale/pages/ReadingsChartPage.h"
#include "Brisvale/records/PeakFlowMath.h"

// The PEF chart, the Data page's second child: the current user's filtered PEF readings, a value
// of 901 or more drawn at 900 and marked "Hi", on a y axis from 50 to 900 that may be zoomed,
// with the zone bands of the user's best value behind the grid. Each load reports the largest
// PEF, uncapped, as a 32-bit integer (0 without readings). A reader hears each reading's zone in
// words and, in the summary, how many readings fall in each zone (none without a best value).
class PEFController : public ReadingsChartPage {
    Q_OBJECT

public:
    explicit PEFController(QWidget* parent = nullptr);

    void willAppear() override;

    // The action plan whose limits give a reading of the profile its zone.
    static PeakFlowMath::ZonePlan zonePlan(const Profile& profile);

    // A PEF's spoken value followed by the zone of the PEF in words ("PEF 450 l/min, green zone");
    // the value alone while the profile has no best value.
    static QString withZone(const QString& value, qint32 pef, const Profile& profile);

protected:
    ChartPoint chartPoint(const PFM& reading, const QString& date, const QString& time) const override;
    QString spokenValue(const PFM& reading, const Profile& profile) const override;
    QString spokenTotals(const QList<PFMPtr>& readings, const Profile& profile) const override;
    DataMaxValueDelegate::Maximum largestValue(const QList<PFMPtr>& readings) const override;
    bool isScaleYEnabled() const override { return true; }
    void styleYAxes(qint32 bestValue, PeakFlowMath::ZonePlan plan) override;
};
