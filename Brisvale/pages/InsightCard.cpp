#include "Brisvale/pages/InsightCard.h"

#include "Brisvale/pages/PageCard.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/records/Gender_DB.h"
#include "Brisvale/records/UnitType_DB.h"
#include "Brisvale/reports/ProfileTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The variability above which the guide calls it excessive: 10 % from 12 years on, 13 % below.
constexpr double adultGuidePercent = 10.0;
constexpr double childGuidePercent = 13.0;
constexpr int childUnderYears = 12;

QString text(const char* key)
{
    return Localization::text(QString::fromLatin1(key));
}

QString percentText(double percent)
{
    return Localization::text(QStringLiteral("OverviewController_Insight_Percent"),
                              Localization::Placeholder::figure, NumberText::shown(percent, 1));
}

QString zoneText(PeakFlowMath::Zone zone)
{
    switch (zone) {
    case PeakFlowMath::Zone::green:
        return text("OverviewController_Insight_GreenZone");
    case PeakFlowMath::Zone::yellow:
        return text("OverviewController_Insight_YellowZone");
    case PeakFlowMath::Zone::red:
        return text("OverviewController_Insight_RedZone");
    }
    return {};
}

// The figure's text, or "–" with the reason (a localisation key) as its tooltip, which a screen
// reader reads as the field's description.
void showFigure(QLabel* field, const std::optional<QString>& shown, const char* reasonKey)
{
    const QString reason = shown ? QString() : text(reasonKey);
    field->setText(shown ? *shown : text("OverviewController_Insight_None"));
    field->setToolTip(reason);
    field->setAccessibleDescription(reason);
}

std::optional<QString> percentFigure(const std::optional<double>& percent)
{
    return percent ? std::optional<QString>(percentText(*percent)) : std::nullopt;
}

// The readings of the most recent local days that hold readings, at most `days` of them, with the
// first and the last of those days. The readings come newest first.
struct RecentDays {
    QList<QPair<QDateTime, int>> readings;
    QDate from;
    QDate to;
};

RecentDays recentDays(const QList<PFMPtr>& newestFirst, int days)
{
    RecentDays recent;
    int counted = 0;
    for (const PFMPtr& reading : newestFirst) {
        const QDateTime moment = reading->measureDate->toDateTime();
        const QDate day = moment.toLocalTime().date();
        if (day != recent.from) {
            if (counted == days) {
                break;
            }
            ++counted;
            recent.from = day;
        }
        recent.readings.append({moment, reading->pefValue});
    }
    recent.to = recent.readings.isEmpty() ? QDate() : recent.readings.first().first.toLocalTime().date();
    return recent;
}

// A caption, its figure and the figure's remark (a zone, a guide) side by side.
void addRow(QGridLayout& grid, int row, QLabel* caption, QLabel* figure, QLabel* remark = nullptr)
{
    grid.addWidget(caption, row, 0);
    grid.addWidget(figure, row, 1);
    if (remark) {
        grid.addWidget(remark, row, 2);
    }
}

}

InsightCard::InsightCard(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("InsightCard"));
    setStyleSheet(QStringLiteral("QFrame#InsightCard { border: 1px solid %1; border-radius: 8px; }")
                      .arg(Look::sheetEdge().name()));
    buildInterface();
    setCaptions();
}

void InsightCard::buildInterface()
{
    InsightTitle_Lab = PageCard::makeCaption(QStringLiteral("InsightTitle_Lab"), this);
    LatestPercentTitle_Lab = PageCard::makeValue(QStringLiteral("LatestPercentTitle_Lab"), this);
    AveragePercentTitle_Lab = PageCard::makeValue(QStringLiteral("AveragePercentTitle_Lab"), this);
    VariabilityTitle_Lab = PageCard::makeValue(QStringLiteral("VariabilityTitle_Lab"), this);
    PredictedTitle_Lab = PageCard::makeValue(QStringLiteral("PredictedTitle_Lab"), this);
    BestOfPredictedTitle_Lab = PageCard::makeValue(QStringLiteral("BestOfPredictedTitle_Lab"), this);
    latestPercentTextField = PageCard::makeFigure(QStringLiteral("latestPercentTextField"), this);
    latestZoneTextField = PageCard::makeValue(QStringLiteral("latestZoneTextField"), this);
    averagePercentTextField = PageCard::makeFigure(QStringLiteral("averagePercentTextField"), this);
    variabilityTextField = PageCard::makeFigure(QStringLiteral("variabilityTextField"), this);
    variabilityGuideTextField = PageCard::makeValue(QStringLiteral("variabilityGuideTextField"), this);
    predictedPefTextField = PageCard::makeFigure(QStringLiteral("predictedPefTextField"), this);
    bestOfPredictedTextField = PageCard::makeFigure(QStringLiteral("bestOfPredictedTextField"), this);
    InsightNote_Lab = PageCard::makeValue(QStringLiteral("InsightNote_Lab"), this);
    InsightNote_Lab->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    addRow(*grid, 0, LatestPercentTitle_Lab, latestPercentTextField, latestZoneTextField);
    addRow(*grid, 1, AveragePercentTitle_Lab, averagePercentTextField);
    addRow(*grid, 2, VariabilityTitle_Lab, variabilityTextField, variabilityGuideTextField);
    addRow(*grid, 3, PredictedTitle_Lab, predictedPefTextField);
    addRow(*grid, 4, BestOfPredictedTitle_Lab, bestOfPredictedTextField);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Look::cardPadding, Look::cardPadding, Look::cardPadding, Look::cardPadding);
    layout->addWidget(InsightTitle_Lab);
    layout->addLayout(grid);
    layout->addWidget(InsightNote_Lab);
}

void InsightCard::setCaptions()
{
    InsightTitle_Lab->setText(text("OverviewController_Insight_Title"));
    InsightNote_Lab->setText(text("OverviewController_Insight_Note"));
    LatestPercentTitle_Lab->setText(text("OverviewController_Insight_Latest"));
    AveragePercentTitle_Lab->setText(text("OverviewController_Insight_Average"));
    VariabilityTitle_Lab->setText(text("OverviewController_Insight_Variability"));
    PredictedTitle_Lab->setText(text("OverviewController_Insight_Predicted"));
    BestOfPredictedTitle_Lab->setText(text("OverviewController_Insight_BestOfPredicted"));
    // Each figure is named by its caption, and its remark by the same caption.
    const QList<std::pair<QLabel*, QList<QLabel*>>> named = {
        {LatestPercentTitle_Lab, {latestPercentTextField, latestZoneTextField}},
        {AveragePercentTitle_Lab, {averagePercentTextField}},
        {VariabilityTitle_Lab, {variabilityTextField, variabilityGuideTextField}},
        {PredictedTitle_Lab, {predictedPefTextField}},
        {BestOfPredictedTitle_Lab, {bestOfPredictedTextField}},
    };
    for (const auto& [caption, fields] : named) {
        for (QLabel* field : fields) {
            field->setAccessibleName(caption->text());
        }
    }
}

void InsightCard::showFigures(const Profile& profile, const QList<PFMPtr>& window, const QList<PFMPtr>& wholeDays,
                              const QDateTime& now)
{
    showLatest(profile, window);
    showAverage(profile, window);
    showVariability(profile, wholeDays, now);
    showPrediction(profile, now);
}

void InsightCard::clear()
{
    for (QLabel* field : {latestPercentTextField, latestZoneTextField, averagePercentTextField,
                          variabilityTextField, variabilityGuideTextField, predictedPefTextField,
                          bestOfPredictedTextField}) {
        field->clear();
        field->setToolTip(QString());
        field->setAccessibleDescription(QString());
    }
}

PeakFlowMath::ZonePlan InsightCard::zonePlan(const Profile& profile)
{
    return PeakFlowMath::zonePlanFromStored(profile.zone_Plan);
}

double InsightCard::heightCentimetres(const Profile& profile)
{
    const bool metric = UnitType_DB::fromDbId(profile.unit_type)->id == UnitType_DB::Defaults::KgCm;
    const double height = profile.height;
    return metric ? height : PeakFlowMath::centimetresFromFeet(height);
}

void InsightCard::showLatest(const Profile& profile, const QList<PFMPtr>& window)
{
    // The window's readings come newest first.
    const int latest = window.isEmpty() ? 0 : window.first()->pefValue;
    const std::optional<double> percent =
        window.isEmpty() ? std::nullopt : PeakFlowMath::percentOfBest(latest, profile.best_Value);
    showFigure(latestPercentTextField, percentFigure(percent),
               window.isEmpty() ? "OverviewController_Insight_NoReadings" : "OverviewController_Insight_NoBest");
    latestZoneTextField->setText(
        percent ? zoneText(PeakFlowMath::zoneOf(latest, profile.best_Value, zonePlan(profile))) : QString());
}

void InsightCard::showAverage(const Profile& profile, const QList<PFMPtr>& window)
{
    std::optional<double> average;
    if (!window.isEmpty() && profile.best_Value > 0) {
        double sum = 0;
        for (const PFMPtr& reading : window) {
            sum += *PeakFlowMath::percentOfBest(reading->pefValue, profile.best_Value);
        }
        average = sum / static_cast<double>(window.size());
    }
    showFigure(averagePercentTextField, percentFigure(average),
               window.isEmpty() ? "OverviewController_Insight_NoReadings" : "OverviewController_Insight_NoBest");
}

void InsightCard::showVariability(const Profile& profile, const QList<PFMPtr>& wholeDays, const QDateTime& now)
{
    // Morning and evening readings of the same day make the variability, so the overview's time of
    // day does not narrow it: it takes every reading of the most recent days with readings within
    // the overview's days.
    const RecentDays recent = recentDays(wholeDays, variabilityDays);
    const std::optional<double> variability =
        PeakFlowMath::diurnalVariability(recent.readings, recent.from, recent.to);
    showFigure(variabilityTextField, percentFigure(variability), "OverviewController_Insight_NeedsTwoReadings");
    // Without a birthday the adult guide, the stricter one, applies.
    const bool child = profile.birthday && ProfileTexts::age(profile.birthday->toDateTime(), now) < childUnderYears;
    const bool above = variability && *variability > (child ? childGuidePercent : adultGuidePercent);
    variabilityGuideTextField->setText(
        above ? text(child ? "OverviewController_Insight_AboveChildGuide" : "OverviewController_Insight_AboveAdultGuide")
              : QString());
}

void InsightCard::showPrediction(const Profile& profile, const QDateTime& now)
{
    const bool male = Gender_DB::fromDbId(profile.gender)->id == Gender_DB::Defaults::Male;
    const std::optional<double> predicted =
        profile.birthday ? PeakFlowMath::predictedPef(male, ProfileTexts::age(profile.birthday->toDateTime(), now),
                                                      heightCentimetres(profile))
                         : std::nullopt;
    showFigure(predictedPefTextField,
               predicted ? std::optional<QString>(Localization::text(
                               QStringLiteral("OverviewController_Insight_LitresPerMinute"),
                               Localization::Placeholder::figure, NumberText::shown(*predicted, 0)))
                         : std::nullopt,
               "OverviewController_Insight_NeedsAgeAndHeight");
    const std::optional<double> bestOfPredicted =
        predicted && profile.best_Value > 0 ? std::optional<double>(100.0 * profile.best_Value / *predicted)
                                            : std::nullopt;
    showFigure(bestOfPredictedTextField, percentFigure(bestOfPredicted),
               predicted ? "OverviewController_Insight_NoBest" : "OverviewController_Insight_NeedsAgeAndHeight");
}
