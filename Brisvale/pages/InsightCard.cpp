#include "Brisvale/pages/InsightCard.h"

#include "Brisvale/pages/PageCard.h"
#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/records/BodyMeasures.h"
#include "Brisvale/records/Gender_DB.h"
#include "Brisvale/records/UnitType_DB.h"
#include "Brisvale/reports/PEFAxes.h"
#include "Brisvale/reports/ProfileTexts.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

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

std::optional<QString> zoneCountsText(const std::optional<PeakFlowMath::ZoneCounts>& counts)
{
    if (!counts) {
        return std::nullopt;
    }
    return text("OverviewController_Insight_ZoneCountsValue")
        .arg(QString::number(counts->green), QString::number(counts->yellow), QString::number(counts->red));
}

// The figure's text, or "–" with the reason why it has none as its tooltip, which a screen
// reader reads as the field's description. A reader hears the caption, then the figure with its
// remark (a zone, a guide), or the reason.
void showFigure(const QLabel* caption, QLabel* field, const std::optional<QString>& shown, const QString& why,
                const QLabel* remark = nullptr)
{
    const QString reason = shown ? QString() : why;
    field->setText(shown ? *shown : text("OverviewController_Insight_None"));
    field->setToolTip(reason);
    field->setAccessibleDescription(reason);
    QString said = shown ? *shown : reason;
    if (shown && remark && !remark->text().isEmpty()) {
        said = text("OverviewController_Insight_WithRemark").arg(said, remark->text());
    }
    Accessibility::nameFigure(*field, caption->text(), said);
}

std::optional<QString> percentFigure(const std::optional<double>& percent)
{
    return percent ? std::optional<QString>(percentText(*percent)) : std::nullopt;
}

QList<PeakFlowMath::Reading> pefReadings(const QList<PFMPtr>& readings)
{
    QList<PeakFlowMath::Reading> pefs;
    pefs.reserve(readings.size());
    for (const PFMPtr& reading : readings) {
        pefs.append({reading->measureDate->toDateTime(), reading->pefValue});
    }
    return pefs;
}

bool inCentimetres(const Profile& profile)
{
    return UnitType_DB::fromDbId(profile.unit_type)->id == UnitType_DB::Defaults::KgCm;
}

// What the predicted PEF needs, with the height limits in the profile's unit system.
QString needsAgeAndHeight(const Profile& profile)
{
    if (inCentimetres(profile)) {
        return text("OverviewController_Insight_NeedsAgeAndHeight");
    }
    return text("OverviewController_Insight_NeedsAgeAndHeight_FtIn")
        .arg(BodyMeasures::feetAndInchesLimit(PeakFlowMath::predictionLowestHeightCm, BodyMeasures::Limit::lowest),
             BodyMeasures::feetAndInchesLimit(PeakFlowMath::predictionHighestHeightCm, BodyMeasures::Limit::highest));
}

// The variability's caption, with the number of days it was taken over.
QString variabilityCaption(int days)
{
    if (days == 0) {
        return text("OverviewController_Insight_Variability");
    }
    if (days == 1) {
        return text("OverviewController_Insight_VariabilityOverOneDay");
    }
    return Localization::text(QStringLiteral("OverviewController_Insight_VariabilityOverDays"),
                              Localization::Placeholder::count, QString::number(days));
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
    ZoneCountsTitle_Lab = PageCard::makeValue(QStringLiteral("ZoneCountsTitle_Lab"), this);
    VariabilityTitle_Lab = PageCard::makeValue(QStringLiteral("VariabilityTitle_Lab"), this);
    PredictedTitle_Lab = PageCard::makeValue(QStringLiteral("PredictedTitle_Lab"), this);
    BestOfPredictedTitle_Lab = PageCard::makeValue(QStringLiteral("BestOfPredictedTitle_Lab"), this);
    latestPercentTextField = PageCard::makeFigure(QStringLiteral("latestPercentTextField"), this);
    latestZoneTextField = PageCard::makeValue(QStringLiteral("latestZoneTextField"), this);
    averagePercentTextField = PageCard::makeFigure(QStringLiteral("averagePercentTextField"), this);
    zoneCountsTextField = PageCard::makeValue(QStringLiteral("zoneCountsTextField"), this);
    variabilityTextField = PageCard::makeFigure(QStringLiteral("variabilityTextField"), this);
    variabilityGuideTextField = PageCard::makeValue(QStringLiteral("variabilityGuideTextField"), this);
    predictedPefTextField = PageCard::makeFigure(QStringLiteral("predictedPefTextField"), this);
    bestOfPredictedTextField = PageCard::makeFigure(QStringLiteral("bestOfPredictedTextField"), this);
    leftOutTextField = PageCard::makeValue(QStringLiteral("leftOutTextField"), this);
    leftOutTextField->setWordWrap(true);
    leftOutTextField->hide();
    InsightNote_Lab = PageCard::makeValue(QStringLiteral("InsightNote_Lab"), this);
    InsightNote_Lab->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    addRow(*grid, 0, LatestPercentTitle_Lab, latestPercentTextField, latestZoneTextField);
    addRow(*grid, 1, AveragePercentTitle_Lab, averagePercentTextField);
    addRow(*grid, 2, ZoneCountsTitle_Lab, zoneCountsTextField);
    addRow(*grid, 3, VariabilityTitle_Lab, variabilityTextField, variabilityGuideTextField);
    addRow(*grid, 4, PredictedTitle_Lab, predictedPefTextField);
    addRow(*grid, 5, BestOfPredictedTitle_Lab, bestOfPredictedTextField);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Look::cardPadding, Look::cardPadding, Look::cardPadding, Look::cardPadding);
    layout->addWidget(InsightTitle_Lab);
    layout->addLayout(grid);
    layout->addWidget(leftOutTextField);
    layout->addWidget(InsightNote_Lab);
    for (QLabel* figure : steps()) {
        figure->setFocusPolicy(Qt::ClickFocus);
        // Room for the focus ring inside the figure's edge.
        figure->setMargin(2 * Look::focusRingWidth);
        Look::showFocusRing(*figure);
        figure->installEventFilter(this);
    }
    // Each figure's name holds its caption and its remark: a reader meets them once.
    Accessibility::leaveOutForReader({LatestPercentTitle_Lab, latestZoneTextField, AveragePercentTitle_Lab,
                                      ZoneCountsTitle_Lab, VariabilityTitle_Lab, variabilityGuideTextField,
                                      PredictedTitle_Lab, BestOfPredictedTitle_Lab});
}

void InsightCard::setCaptions()
{
    InsightTitle_Lab->setText(text("OverviewController_Insight_Title"));
    InsightNote_Lab->setText(text("OverviewController_Insight_Note"));
    LatestPercentTitle_Lab->setText(text("OverviewController_Insight_Latest"));
    AveragePercentTitle_Lab->setText(text("OverviewController_Insight_Average"));
    ZoneCountsTitle_Lab->setText(text("OverviewController_Insight_ZoneCounts"));
    VariabilityTitle_Lab->setText(variabilityCaption(0));
    PredictedTitle_Lab->setText(text("OverviewController_Insight_Predicted"));
    BestOfPredictedTitle_Lab->setText(text("OverviewController_Insight_BestOfPredicted"));
    nameTabStop();
}

void InsightCard::setTabStop(QScrollArea& area)
{
    tabStop = &area;
    area.installEventFilter(this);
    nameTabStop();
}

void InsightCard::nameTabStop()
{
    if (tabStop) {
        tabStop->setAccessibleName(InsightTitle_Lab->text());
        tabStop->setAccessibleDescription(text("OverviewController_Insight_Keys"));
    }
}

QList<QLabel*> InsightCard::steps() const
{
    return {latestPercentTextField, averagePercentTextField, zoneCountsTextField, variabilityTextField,
            predictedPefTextField,  bestOfPredictedTextField, leftOutTextField,   InsightNote_Lab};
}

QList<QLabel*> InsightCard::shownSteps() const
{
    QList<QLabel*> shown = steps();
    shown.removeIf([this](const QLabel* figure) { return !figure->isVisibleTo(this) || figure->text().isEmpty(); });
    return shown;
}

bool InsightCard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && step(watched, key->key())) {
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

bool InsightCard::step(const QObject* from, int key)
{
    const QList<QLabel*> shown = shownSteps();
    if (shown.isEmpty()) {
        return false;
    }
    const qsizetype last = shown.size() - 1;
    // From the Tab stop, none of them.
    const qsizetype at = shown.indexOf(qobject_cast<const QLabel*>(from));
    qsizetype to = 0;
    switch (key) {
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = last;
        break;
    case Qt::Key_Down:
        to = at < 0 ? 0 : std::min(at + 1, last);
        break;
    case Qt::Key_Up:
        to = at < 0 ? last : std::max<qsizetype>(at - 1, 0);
        break;
    default:
        return false;
    }
    shown.at(to)->setFocus(Qt::OtherFocusReason);
    if (tabStop) {
        tabStop->ensureWidgetVisible(shown.at(to));
    }
    return true;
}

// Tab and Shift+Tab from a figure pass over the card's Tab stop, so that they leave the card.
bool InsightCard::focusNextPrevChild(bool next)
{
    if (!tabStop) {
        return QFrame::focusNextPrevChild(next);
    }
    const Qt::FocusPolicy policy = tabStop->focusPolicy();
    tabStop->setFocusPolicy(Qt::NoFocus);
    const bool moved = QFrame::focusNextPrevChild(next);
    tabStop->setFocusPolicy(policy);
    return moved;
}

void InsightCard::showFigures(const Profile& profile, const QList<PFMPtr>& window, const QList<PFMPtr>& wholeDays,
                              const QDateTime& now)
{
    const InsightFigures figures = InsightFigures::of(pefReadings(window), pefReadings(wholeDays), profile.best_Value,
                                                      zonePlan(profile), static_cast<int>(PEFAxes::maximum));
    showWindow(figures, window.isEmpty());
    showVariability(profile, figures.variability, now);
    showPrediction(profile, now);
}

void InsightCard::clear()
{
    for (QLabel* field : {latestPercentTextField, latestZoneTextField, averagePercentTextField, zoneCountsTextField,
                          variabilityTextField, variabilityGuideTextField, predictedPefTextField,
                          bestOfPredictedTextField, leftOutTextField}) {
        field->clear();
        field->setToolTip(QString());
        field->setAccessibleName(QString());
        field->setAccessibleDescription(QString());
    }
    leftOutTextField->hide();
    VariabilityTitle_Lab->setText(variabilityCaption(0));
}

PeakFlowMath::ZonePlan InsightCard::zonePlan(const Profile& profile)
{
    return PeakFlowMath::zonePlanFromStored(profile.zone_Plan);
}

double InsightCard::heightCentimetres(const Profile& profile)
{
    const double height = profile.height;
    return inCentimetres(profile) ? height : PeakFlowMath::centimetresFromFeet(height);
}

void InsightCard::showWindow(const InsightFigures& figures, bool noReadings)
{
    const QString reason = text(noReadings                ? "OverviewController_Insight_NoReadings"
                                : figures.withinRange == 0 ? "OverviewController_Insight_OnlyAboveRange"
                                                           : "OverviewController_Insight_NoBest");
    latestZoneTextField->setText(figures.latestZone ? zoneText(*figures.latestZone) : QString());
    showFigure(LatestPercentTitle_Lab, latestPercentTextField, percentFigure(figures.latestPercent), reason,
               latestZoneTextField);
    showFigure(AveragePercentTitle_Lab, averagePercentTextField, percentFigure(figures.averagePercent), reason);
    showFigure(ZoneCountsTitle_Lab, zoneCountsTextField, zoneCountsText(figures.zoneCounts), reason);
    leftOutTextField->setText(Localization::fill(
        Localization::text(QStringLiteral("OverviewController_Insight_LeftOut"), Localization::Placeholder::count,
                           QString::number(figures.leftOut)),
        Localization::Placeholder::figure, QString::number(static_cast<int>(PEFAxes::maximum))));
    leftOutTextField->setVisible(figures.leftOut > 0);
}

void InsightCard::showVariability(const Profile& profile, const PeakFlowMath::Variability& variability,
                                  const QDateTime& now)
{
    VariabilityTitle_Lab->setText(variabilityCaption(variability.days));
    // Without a birthday the adult guide, the stricter one, applies.
    const bool child = profile.birthday && ProfileTexts::age(profile.birthday->toDateTime(), now) < childUnderYears;
    const bool above = variability.percent && *variability.percent > (child ? childGuidePercent : adultGuidePercent);
    variabilityGuideTextField->setText(
        above ? text(child ? "OverviewController_Insight_AboveChildGuide" : "OverviewController_Insight_AboveAdultGuide")
              : QString());
    showFigure(VariabilityTitle_Lab, variabilityTextField, percentFigure(variability.percent),
               text("OverviewController_Insight_NeedsTwoReadings"), variabilityGuideTextField);
}

void InsightCard::showPrediction(const Profile& profile, const QDateTime& now)
{
    const bool male = Gender_DB::fromDbId(profile.gender)->id == Gender_DB::Defaults::Male;
    const std::optional<double> predicted =
        profile.birthday ? PeakFlowMath::predictedPef(male, ProfileTexts::age(profile.birthday->toDateTime(), now),
                                                      heightCentimetres(profile))
                         : std::nullopt;
    showFigure(PredictedTitle_Lab, predictedPefTextField,
               predicted ? std::optional<QString>(Localization::text(
                               QStringLiteral("OverviewController_Insight_LitresPerMinute"),
                               Localization::Placeholder::figure, NumberText::shown(*predicted, 0)))
                         : std::nullopt,
               needsAgeAndHeight(profile));
    const std::optional<double> bestOfPredicted =
        predicted && profile.best_Value > 0 ? std::optional<double>(100.0 * profile.best_Value / *predicted)
                                            : std::nullopt;
    showFigure(BestOfPredictedTitle_Lab, bestOfPredictedTextField, percentFigure(bestOfPredicted),
               predicted ? text("OverviewController_Insight_NoBest") : needsAgeAndHeight(profile));
}
