#include "Brisvale/pages/ReadingsChartPage.h"

#include "Brisvale/pages/ChartXAxisFormatter.h"
#include "Brisvale/pages/RectMarker.h"
#include "Brisvale/platform/DatePattern.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/reports/ProfileTexts.h"

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/ChartAccessibility.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/views/ChartAccessibilityLabelProvider.h"
#include "ChartEngine/views/LineChartView.h"

#include <QAccessible>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

constexpr double secondsPerDay = 86400.0;
constexpr double visibleDays = 30.0;
const QColor lineColor(0, 61, 165);
constexpr double edgeTolerance = 1.0e-6; // pixels

// The fewest whole days between labels of that size, slanted in parallel by the angle (degrees),
// that keep them clear of each other with a day `dayWidth` pixels wide: two such labels overlap
// only while their spacing is less than a label's width along the slant and less than its
// height across it. At least one day.
double clearLabelDays(QSizeF label, double angleDegrees, double dayWidth)
{
    const double angle = qDegreesToRadians(angleDegrees);
    const double along = label.width() / std::abs(std::cos(angle));
    const double across = label.height() / std::abs(std::sin(angle));
    const double days = std::ceil(std::min(along, across) / dayWidth);
    return std::isfinite(days) ? std::max(days, 1.0) : 1.0;
}

// The pages' line chart.
// - A reading on the y axis's top edge (a capped PEF) can land a rounding error above the content
//   area, where its marker would not be drawn: it counts as on the edge.
// - The window is aimed in pixels, which a new size would shift: until the user moves the chart,
//   every new size aims it at the same x again, so that it still ends at the newest reading.
// - Each draw spaces the daily x labels for the current width, so that they never overlap.
class ReadingsChartView : public Charts::LineChartView {
public:
    using LineChartView::LineChartView;

    void aimAt(double x)
    {
        aimedX = x;
        moveViewToX(x);
    }
    void keepWhereMoved() { aimedX.reset(); }

    QPointF getMarkerPosition(const Charts::Highlight& highlight) const override
    {
        QPointF position = LineChartView::getMarkerPosition(highlight);
        const double top = contentRect().top();
        if (position.y() < top && top - position.y() < edgeTolerance) {
            position.setY(top);
        }
        return position;
    }

protected:
    void drawRect(QPainter& painter) override
    {
        spaceXLabels();
        LineChartView::drawRect(painter);
    }

    void boundsDidChange() override
    {
        LineChartView::boundsDidChange();
        if (aimedX) {
            moveViewToX(*aimedX);
        }
    }

private:
    // The x labels stand at least as many whole days apart as keeps them clear of each other at
    // the current width; where the label count's own spacing keeps them clear, it is kept.
    void spaceXLabels()
    {
        const std::shared_ptr<Charts::XAxis> axis = xAxis();
        Charts::TextAttributes attributes;
        attributes.font = axis->labelFont();
        const QSizeF label = Charts::textSize(axis->getLongestLabel(), attributes);
        const double dayWidth = std::abs(getTransformer(Charts::AxisDependency::left)->valueToPixelMatrix().a);
        axis->setGranularity(clearLabelDays(label, axis->labelRotationAngle(), dayWidth));
    }

    std::optional<double> aimedX;
};

ReadingsChartView& view(Charts::LineChartView& chart)
{
    return static_cast<ReadingsChartView&>(chart);
}

// The texts a reader hears of the chart, made at each load: the summary and one text per
// entry of the one data set.
class SpokenTexts : public Charts::ChartAccessibilityLabelProvider {
public:
    SpokenTexts(QString summary, QStringList points) : summaryText(std::move(summary)), pointTexts(std::move(points))
    {
    }

    std::optional<QString> summary(const Charts::ChartViewBase& /*chart*/) const override { return summaryText; }

    std::optional<QString> pointLabel(const Charts::ChartViewBase& /*chart*/, qint64 dataSetIndex,
                                      qint64 entryIndex) const override
    {
        if (dataSetIndex != 0 || entryIndex < 0 || entryIndex >= pointTexts.size()) {
            return std::nullopt;
        }
        return pointTexts.at(entryIndex);
    }

private:
    QString summaryText;
    QStringList pointTexts;
};

// The local date and the local time of the moment in the profile's patterns; in the locale's short
// forms where the profile names none, so that no spoken text misses its date.
QString spokenDate(const QDateTime& moment, const std::optional<QString>& pattern)
{
    const QDateTime local = moment.toLocalTime();
    return pattern ? DatePattern::format(local, *pattern) : QLocale().toString(local.date(), QLocale::ShortFormat);
}

QString spokenTime(const QDateTime& moment, const std::optional<QString>& pattern)
{
    const QDateTime local = moment.toLocalTime();
    return pattern ? DatePattern::format(local, *pattern) : QLocale().toString(local.time(), QLocale::ShortFormat);
}

}

ReadingsChartPage::ReadingsChartPage(QWidget* parent) : DataChildPage(parent)
{
    chartView = new ReadingsChartView(this);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setDelegate(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartView);
}

void ReadingsChartPage::onConditionChange()
{
    if (chartView) {
        reload();
    }
}

void ReadingsChartPage::reload()
{
    chartView->clear();
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    QList<PFMPtr> readings = info ? info->pfm : QList<PFMPtr>();
    // Oldest first; equal dates keep the query's order.
    std::stable_sort(readings.begin(), readings.end(),
                     [](const PFMPtr& a, const PFMPtr& b) { return a->measureDate->seconds < b->measureDate->seconds; });
    reference = readings.isEmpty() ? std::nullopt : std::optional(readings.first()->measureDate->unixSeconds());
    const std::optional<double> lastX =
        reference ? std::optional(buildChart(*info->profile, readings)) : std::nullopt;
    describeChart(info ? info->profile.get() : nullptr, readings);
    reportMaxValue(largestValue(readings));
    styleChart(lastX, lastX ? info->profile->best_Value : 0,
               info ? PeakFlowMath::zonePlanFromStored(info->profile->zone_Plan)
                    : PeakFlowMath::ZonePlan::eightySixty);
}

void ReadingsChartPage::describeChart(const Profile* profile, const QList<PFMPtr>& readings)
{
    chartView->setAccessibilityLabelProvider(spokenTexts(profile, readings));
    // A reader that keeps the summary learns that it changed.
    QAccessibleEvent changed(chartView.data(), QAccessible::DescriptionChanged);
    Charts::ChartAccessibility::postEvent(changed);
}

// "Readings: 42, from … to …. Latest: <the newest reading's text>." and the page's totals.
std::shared_ptr<Charts::ChartAccessibilityLabelProvider> ReadingsChartPage::spokenTexts(const Profile* profile,
                                                                                    const QList<PFMPtr>& readings) const
{
    if (!profile || readings.isEmpty()) {
        return std::make_shared<SpokenTexts>(Localization::text(QStringLiteral("ReadingsChartPage_Summary_NoReadings")),
                                             QStringList());
    }
    const std::optional<QString> datePattern = ProfileTexts::datePattern(*profile);
    const std::optional<QString> timePattern = ProfileTexts::timePattern(*profile);
    const QString pointPattern = Localization::text(QStringLiteral("ReadingsChartPage_Point"));
    QStringList points;
    points.reserve(readings.size());
    for (const PFMPtr& reading : readings) {
        const QDateTime moment = reading->measureDate->toDateTime();
        points << pointPattern.arg(spokenDate(moment, datePattern), spokenTime(moment, timePattern),
                                   spokenValue(*reading, *profile));
    }
    const QString summary = Localization::text(QStringLiteral("ReadingsChartPage_Summary"))
                                .arg(QString::number(readings.size()),
                                     spokenDate(readings.first()->measureDate->toDateTime(), datePattern),
                                     spokenDate(readings.last()->measureDate->toDateTime(), datePattern),
                                     points.last(), spokenTotals(readings, *profile));
    return std::make_shared<SpokenTexts>(summary, points);
}

double ReadingsChartPage::buildChart(const Profile& profile, const QList<PFMPtr>& readings)
{
    setXAxisFormatter(profile);
    const std::optional<QString> datePattern = ProfileTexts::datePattern(profile);
    const std::optional<QString> timePattern = ProfileTexts::timePattern(profile);
    Charts::ChartDataEntryList entries;
    entries.reserve(readings.size());
    for (const PFMPtr& reading : readings) {
        const QDateTime moment = reading->measureDate->toDateTime();
        const ChartPoint point = chartPoint(*reading, ProfileTexts::dateText(moment, datePattern),
                                            ProfileTexts::dateText(moment, timePattern));
        const double x = (reading->measureDate->unixSeconds() - *reference) / secondsPerDay;
        entries << std::make_shared<Charts::ChartDataEntry>(x, point.y, point.text);
    }
    const double lastX = entries.last()->x();

    auto dataSet = std::make_shared<Charts::LineChartDataSet>(entries, QString());
    dataSet->setDrawVerticalHighlightIndicatorEnabled(false);
    dataSet->setDrawHorizontalHighlightIndicatorEnabled(false);
    dataSet->setLineWidth(2.0);
    dataSet->setColor(lineColor);
    chartView->setData(std::make_shared<Charts::LineChartData>(Charts::ChartDataSetList{dataSet}));
    chartView->xAxis()->setLabelCount(entries.size(), false);
    return lastX;
}

// The labels' dates: the profile's date pattern, or the locale's short date without one.
void ReadingsChartPage::setXAxisFormatter(const Profile& profile)
{
    auto formatter = std::make_shared<ChartXAxisFormatter>();
    formatter->dateFormatter = ChartXAxisFormatter::DateFormatter{
        ProfileTexts::datePattern(profile).value_or(QString()), QLocale()};
    formatter->referenceTimeInterval = reference;
    chartView->xAxis()->setValueFormatter(formatter);
}

void ReadingsChartPage::styleChart(std::optional<double> lastX, qint32 bestValue,
                                   PeakFlowMath::ZonePlan plan)
{
    Charts::LineChartView& chart = *chartView;
    chart.setViewPortOffsets(35, 15, 35, 60);
    chart.setScaleXEnabled(false);
    chart.setScaleYEnabled(isScaleYEnabled());
    chart.setDoubleTapToZoomEnabled(false);
    chart.setNoDataText(QStringLiteral("No Data"));
    // Fitting resets the smallest zoom, so it comes before the visible range.
    chart.fitScreen();
    chart.setVisibleXRangeMaximum(visibleDays);
    view(chart).aimAt(lastX.value_or(0.0));
    styleYAxes(bestValue, plan);

    const std::shared_ptr<Charts::XAxis> xAxis = chart.xAxis();
    xAxis->setLabelPosition(Charts::XAxis::LabelPosition::bottom);
    xAxis->setGranularity(1.0);
    xAxis->setLabelFont(Charts::systemFont(12));
    xAxis->setLabelRotationAngle(-30.0);
    chart.legend()->setForm(Charts::Legend::Form::none);
}

void ReadingsChartPage::chartTranslated(Charts::ChartViewBase& /*chart*/, double /*dX*/, double /*dY*/)
{
    view(*chartView).keepWhereMoved();
}

void ReadingsChartPage::chartScaled(Charts::ChartViewBase& /*chart*/, double /*scaleX*/, double /*scaleY*/)
{
    view(*chartView).keepWhereMoved();
}

void ReadingsChartPage::chartValueSelected(Charts::ChartViewBase& /*chart*/,
                                           const std::shared_ptr<Charts::ChartDataEntry>& /*entry*/,
                                           const std::shared_ptr<Charts::Highlight>& /*highlight*/)
{
    auto marker = std::make_shared<RectMarker>(QColor(Qt::white), Charts::systemFont(12),
                                               RectMarker::Insets{8, 8, 4, 4}, reference.value_or(0.0),
                                               secondsPerDay);
    marker->setChartView(chartView);
    marker->minimumSize = QSizeF(60, 30);
    // The date line's date as the chart's labels and the entries' texts write it.
    if (const auto* labels = dynamic_cast<const ChartXAxisFormatter*>(chartView->xAxis()->valueFormatter().get())) {
        marker->dateFormatter = labels->dateFormatter;
    }
    chartView->setMarker(marker);
}
