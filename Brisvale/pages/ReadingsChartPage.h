#pragma once

#include "Brisvale/pages/DataChildPage.h"
#include "Brisvale/records/PeakFlowMath.h"

#include "ChartEngine/views/ChartViewDelegate.h"

#include <QPointer>
#include <optional>

namespace Charts {
class ChartAccessibilityLabelProvider;
class LineChartView;
}

// What the PEF and FEV1 charts share: a line chart of the current user's filtered readings, one
// entry per reading, oldest first, x in days since the earliest reading and its date and time as
// the entry's text; at most 30 days shown, opening on the newest reading; the value marker on a
// chosen reading. Where the x labels would overlap at the current width, they stand the fewest
// whole days apart that keeps them clear. Each reload clears the chart and asks the query again,
// then reports the largest value. Until the user moves the chart, a new size of the chart keeps
// the window ending at the newest reading. A reader hears the chart's name, a summary of the
// readings and each reading's date, time, value and unit, in the profile's date and time patterns.
// A chart page differs only in its y values and texts, its spoken values, its y axis and its
// maximum.
class ReadingsChartPage : public DataChildPage, public Charts::ChartViewDelegate {
    Q_OBJECT

public:
    // The chart, filling the page.
    QPointer<Charts::LineChartView> chartView;

    // Reloads while the chart exists.
    void onConditionChange() override;

    // A reading chosen on the chart: a new marker shows its texts and date.
    void chartValueSelected(Charts::ChartViewBase& chart, const std::shared_ptr<Charts::ChartDataEntry>& entry,
                            const std::shared_ptr<Charts::Highlight>& highlight) override;

    // The user moved the chart: a new size keeps the window where it is.
    void chartTranslated(Charts::ChartViewBase& chart, double dX, double dY) override;
    void chartScaled(Charts::ChartViewBase& chart, double scaleX, double scaleY) override;

    // Seconds since 1970 of x = 0: the earliest reading of the last load; none without readings.
    std::optional<double> referenceTime() const { return reference; }

    // Clears the chart, makes its entries from the filtered readings, styles it and reports the
    // largest value.
    void reload();

protected:
    // What a reading puts on the chart: its y (capped) and the text its marker shows.
    struct ChartPoint {
        double y = 0.0;
        QString text;
    };

    explicit ReadingsChartPage(QWidget* parent);

    // The point of a reading, given its date and time in the profile's patterns.
    virtual ChartPoint chartPoint(const PFM& reading, const QString& date, const QString& time) const = 0;
    // What a reader hears of a reading's value, uncapped: its measure, value and unit, and on the
    // PEF chart its zone ("PEF 431 l/min, green zone").
    virtual QString spokenValue(const PFM& reading, const Profile& profile) const = 0;
    // The summary's closing sentences about the readings (oldest first, at least one): the best
    // value and, on the PEF chart, how many readings fall in each zone.
    virtual QString spokenTotals(const QList<PFMPtr>& readings, const Profile& profile) const = 0;
    // The largest value of the readings, uncapped, as the Data page is told it.
    virtual DataMaxValueDelegate::Maximum largestValue(const QList<PFMPtr>& readings) const = 0;
    // Whether the y axis may be zoomed.
    virtual bool isScaleYEnabled() const = 0;
    // The y axes' range and, on the PEF chart, the zone bands of the best value (0 without
    // readings) and the profile's plan.
    virtual void styleYAxes(qint32 bestValue, PeakFlowMath::ZonePlan plan) = 0;

private:
    // Puts the entries of the readings (oldest first, at least one) on the chart; answers the
    // newest entry's x.
    double buildChart(const Profile& profile, const QList<PFMPtr>& readings);
    void setXAxisFormatter(const Profile& profile);
    // Gives the chart the texts a reader hears of the readings (oldest first, possibly none) and
    // tells the reader its summary changed.
    void describeChart(const Profile* profile, const QList<PFMPtr>& readings);
    std::shared_ptr<Charts::ChartAccessibilityLabelProvider> spokenTexts(const Profile* profile,
                                                                         const QList<PFMPtr>& readings) const;
    void styleChart(std::optional<double> lastX, qint32 bestValue, PeakFlowMath::ZonePlan plan);

    std::optional<double> reference;
};
