#include "Brisvale/pages/OverviewController.h"

#include "Brisvale/pages/FilterControls.h"
#include "Brisvale/pages/InsightCard.h"
#include "Brisvale/pages/PageCard.h"
#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/platform/Icons.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/ReadingAverages.h"
#include "Brisvale/records/Gender_DB.h"
#include "Brisvale/reports/ProfileTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>

namespace {

const QSize userIconSize(48, 48);

QString text(const char* key)
{
    return Localization::text(QString::fromLatin1(key));
}

}

OverviewController::OverviewController(QWidget* parent) : QWidget(parent)
{
    buildInterface();
    filterControls = new FilterControls(timeRangeFrom, timeRangeTo, dayPopUp, timePopUp,
                                        [this] { refreshStatistics(); }, this);
    filterControls->setConsoleLines(FilterControls::ConsoleLines::overview);
    filterControls->fillPopUps();
    setCaptions();
}

void OverviewController::buildInterface()
{
    auto* card = new PageCard(this);
    Title_Lab = PageCard::makeTitle(QStringLiteral("Title_Lab"), card);
    card->content()->addWidget(Title_Lab);
    card->content()->addLayout(buildUserSection());
    card->content()->addLayout(buildRangeSection());
    card->content()->addLayout(buildFiguresSection());
    card->content()->addWidget(buildInsightArea(), 1);
    Look::placeCard(*this, *card);
    // Each figure's name holds its caption (and the newest reading's time): a reader meets them once.
    // The averages' caption, over two figures, stays an element of its own, heard once before them.
    Accessibility::leaveOutForReader({TotalTitle_Lab, TotalMeasure_Lab, LastTitle_Lab, LastMeasure_Lab,
                                      lastMeasTimeTextField, BestValueTitle_Lab});
}

QLayout* OverviewController::buildUserSection()
{
    UserTitle_Lab = PageCard::makeCaption(QStringLiteral("UserTitle_Lab"), this);
    userIconImage = new QLabel(this);
    userIconImage->setObjectName(QStringLiteral("userIconImage"));
    userIconImage->setFixedSize(userIconSize);
    // A name of any length (a backup can carry one) ends in "…" at the page's width, which never
    // follows the name.
    userNameTextField = new ElidingLabel(this);
    userNameTextField->setObjectName(QStringLiteral("userNameTextField"));
    genderAgeTextField = PageCard::makeValue(QStringLiteral("genderAgeTextField"), this);

    auto* names = new QVBoxLayout;
    names->addWidget(userNameTextField);
    names->addWidget(genderAgeTextField);
    auto* user = new QHBoxLayout;
    user->addWidget(userIconImage);
    user->addLayout(names);
    user->addStretch(1);
    auto* section = new QVBoxLayout;
    section->addWidget(UserTitle_Lab);
    section->addLayout(user);
    return section;
}

QLayout* OverviewController::buildRangeSection()
{
    TimeRange_Lab = PageCard::makeCaption(QStringLiteral("TimeRange_Lab"), this);
    const FilterControls::Widgets widgets =
        FilterControls::makeWidgets(this, QStringLiteral("timeRangeFrom"), QStringLiteral("timeRangeTo"));
    std::tie(From_Lab, timeRangeFrom, To_Lab, timeRangeTo, std::ignore, dayPopUp, std::ignore, timePopUp) = widgets;
    auto* section = new QVBoxLayout;
    section->addWidget(TimeRange_Lab);
    section->addLayout(FilterControls::makeRow(widgets));
    return section;
}

QLayout* OverviewController::buildFiguresSection()
{
    MeasurementsTitle_Lab = PageCard::makeCaption(QStringLiteral("MeasurementsTitle_Lab"), this);
    TotalTitle_Lab = PageCard::makeValue(QStringLiteral("TotalTitle_Lab"), this);
    TotalMeasure_Lab = PageCard::makeValue(QStringLiteral("TotalMeasure_Lab"), this);
    LastTitle_Lab = PageCard::makeValue(QStringLiteral("LastTitle_Lab"), this);
    LastMeasure_Lab = PageCard::makeValue(QStringLiteral("LastMeasure_Lab"), this);
    AverageTitle_Lab = PageCard::makeCaption(QStringLiteral("AverageTitle_Lab"), this);
    BestValueTitle_Lab = PageCard::makeCaption(QStringLiteral("BestValueTitle_Lab"), this);
    totalMeasurementTextField = PageCard::makeValue(QStringLiteral("totalMeasurementTextField"), this);
    lastMeasDateTextField = PageCard::makeValue(QStringLiteral("lastMeasDateTextField"), this);
    lastMeasTimeTextField = PageCard::makeValue(QStringLiteral("lastMeasTimeTextField"), this);
    pefAveTextField = PageCard::makeFigure(QStringLiteral("pefAveTextField"), this);
    fev1AveTextField = PageCard::makeFigure(QStringLiteral("fev1AveTextField"), this);
    bestValueTextField = PageCard::makeFigure(QStringLiteral("bestValueTextField"), this);

    // "Total readings: n" and "Latest readings: date time", then the averages and the best value.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(MeasurementsTitle_Lab, 0, 0, 1, 4);
    grid->addWidget(TotalTitle_Lab, 1, 0);
    grid->addWidget(TotalMeasure_Lab, 1, 1);
    grid->addWidget(totalMeasurementTextField, 1, 2);
    grid->addWidget(LastTitle_Lab, 2, 0);
    grid->addWidget(LastMeasure_Lab, 2, 1);
    grid->addWidget(lastMeasDateTextField, 2, 2);
    grid->addWidget(lastMeasTimeTextField, 2, 3);
    grid->addWidget(AverageTitle_Lab, 3, 0, 1, 2);
    grid->addWidget(BestValueTitle_Lab, 3, 2, 1, 2);
    grid->addWidget(pefAveTextField, 4, 0);
    grid->addWidget(fev1AveTextField, 4, 1);
    grid->addWidget(bestValueTextField, 4, 2);
    grid->setColumnStretch(4, 1);
    return grid;
}

// The Insight card scrolls in the room left under the fields, so the page keeps its smallest size.
QScrollArea* OverviewController::buildInsightArea()
{
    auto* holder = new QWidget;
    holder->setObjectName(QStringLiteral("insightHolder"));
    insightCard = new InsightCard(holder);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(insightCard);
    column->addStretch(1);
    insightArea = new QScrollArea(this);
    insightArea->setObjectName(QStringLiteral("insightArea"));
    insightArea->setFrameShape(QFrame::NoFrame);
    insightArea->setWidgetResizable(true);
    insightArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    insightArea->setWidget(holder);
    insightCard->setTabStop(*insightArea);
    insightArea->viewport()->setAutoFillBackground(false);
    holder->setAutoFillBackground(false);
    return insightArea;
}

void OverviewController::setCaptions()
{
    Title_Lab->setText(text("OverviewController_PageTitle"));
    UserTitle_Lab->setText(text("OverviewController_User_Title"));
    TimeRange_Lab->setText(text("OverviewController_TimeRange_Title"));
    From_Lab->setText(text("OverviewController_TimeRange_From"));
    To_Lab->setText(text("OverviewController_TimeRange_To"));
    MeasurementsTitle_Lab->setText(text("OverviewController_Measurements_Title"));
    TotalTitle_Lab->setText(text("OverviewController_Measurements_Total"));
    TotalMeasure_Lab->setText(text("OverviewController_Measurements_Measurements"));
    LastTitle_Lab->setText(text("OverviewController_Measurements_Last"));
    LastMeasure_Lab->setText(text("OverviewController_Measurements_Measurements"));
    AverageTitle_Lab->setText(text("OverviewController_Average_Title"));
    BestValueTitle_Lab->setText(text("OverviewController_BestValue_Title"));
    insightCard->setCaptions();
}

void OverviewController::willAppear()
{
    Console::printLine(QStringLiteral("Overview Appear"));
    setCaptions();
    loadDateRange();
    refreshStatistics();
}

void OverviewController::onPageSwitch()
{
    Console::printLine(QStringLiteral("無需判斷切換頁"));
}

void OverviewController::onDataRefresh(bool emailRenewStatus, const QString& email)
{
    Q_UNUSED(emailRenewStatus);
    Q_UNUSED(email);
    Console::printLine(QStringLiteral("Overview 通知即時更新"));
    loadDateRange();
    dateSelected();
    refreshStatistics();
}

void OverviewController::loadDateRange()
{
    filterControls->restoreFilterControls();
}

void OverviewController::dateSelected()
{
    filterControls->dateSelected();
}

void OverviewController::refreshStatistics()
{
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    if (!info) {
        clearStatistics();
        return;
    }
    const Profile& profile = *info->profile;
    const QList<PFMPtr>& readings = info->pfm;
    userNameTextField->setText(profile.name.value_or(QString()));
    const QDateTime now = AppClock::now();
    genderAgeTextField->setText(ProfileTexts::sexText(profile) + QLatin1Char(' ')
                                + text("OverviewController_User_Age") + QLatin1Char(':')
                                + QString::number(ProfileTexts::age(ProfileTexts::birth(profile, now), now)));
    totalMeasurementTextField->setText(QString::number(readings.size()));
    const QDateTime newest = readings.isEmpty() ? QDateTime() : readings.first()->measureDate->toDateTime();
    lastMeasDateTextField->setText(
        newest.isValid() ? ProfileTexts::dateText(newest, ProfileTexts::datePattern(profile)) : QString());
    lastMeasTimeTextField->setText(
        newest.isValid() ? ProfileTexts::dateText(newest, ProfileTexts::timePattern(profile)) : QString());
    pefAveTextField->setText(QString::number(ReadingAverages::pefAverage(readings)));
    fev1AveTextField->setText(fev1Text(fev1Average(readings)));
    bestValueTextField->setText(QString::number(profile.best_Value));
    const bool male = Gender_DB::fromDbId(profile.gender)->id == Gender_DB::Defaults::Male;
    setUserIcon(male ? QStringLiteral("icon_User_male") : QStringLiteral("icon_User_female"));
    nameFigures();
    const std::optional<ConditionReturnInfo> wholeDays = ConditionProcess::queryWholeDays();
    insightCard->showFigures(profile, readings, wholeDays ? wholeDays->pfm : QList<PFMPtr>(), now);
}

void OverviewController::clearStatistics()
{
    userNameTextField->setText(QString());
    for (QLabel* field : {genderAgeTextField, totalMeasurementTextField,
                          lastMeasDateTextField, lastMeasTimeTextField, pefAveTextField,
                          fev1AveTextField, bestValueTextField}) {
        field->clear();
        field->setAccessibleName(QString());
    }
    setUserIcon(QString());
    insightCard->clear();
}

// A reader hears each figure with its caption and its unit: the rows of the total and the newest
// reading as they read on the page ("Total readings: 12"), the best value as "Best value: 450
// l/min", and each average by what it is, "Average PEF: 420 l/min", after their shared caption.
void OverviewController::nameFigures()
{
    const auto row = [](std::initializer_list<const QLabel*> labels) {
        QStringList texts;
        for (const QLabel* label : labels) {
            if (!label->text().isEmpty()) {
                texts << label->text();
            }
        }
        return texts.join(QLatin1Char(' '));
    };
    totalMeasurementTextField->setAccessibleName(row({TotalTitle_Lab, TotalMeasure_Lab, totalMeasurementTextField}));
    lastMeasDateTextField->setAccessibleName(
        row({LastTitle_Lab, LastMeasure_Lab, lastMeasDateTextField, lastMeasTimeTextField}));
    const auto withUnit = [](const char* unitKey, const QLabel* figure) {
        return Localization::text(QString::fromLatin1(unitKey), Localization::Placeholder::figure, figure->text());
    };
    Accessibility::nameFigure(*pefAveTextField, text("OverviewController_Average_PEF"),
                              withUnit("OverviewController_Insight_LitresPerMinute", pefAveTextField));
    Accessibility::nameFigure(*fev1AveTextField, text("OverviewController_Average_FEV1"),
                              withUnit("OverviewController_Litres", fev1AveTextField));
    Accessibility::nameFigure(*bestValueTextField, BestValueTitle_Lab->text(),
                              withUnit("OverviewController_Insight_LitresPerMinute", bestValueTextField));
}

void OverviewController::setUserIcon(const QString& name)
{
    userIconImage->setProperty("imageName", name);
    userIconImage->setPixmap(name.isEmpty() ? QPixmap() : Icons::pixmap(name, userIconSize));
}

float OverviewController::fev1Average(const QList<PFMPtr>& readings)
{
    float sum = 0.0f;
    for (const PFMPtr& reading : readings) {
        sum += reading->fev1Value;
    }
    if (sum == 0.0f) {
        return 0.0f;
    }
    return std::roundf(sum / static_cast<float>(readings.size()) * 10.0f) / 10.0f;
}

QString OverviewController::fev1Text(float average)
{
    char buffer[32];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, average);
    QString shown = QString::fromLatin1(buffer, written.ptr - buffer);
    // Whole numbers keep a fractional part; exponents, "inf" and "nan" stay as they are.
    const bool whole = !shown.contains(QLatin1Char('.')) && !shown.contains(QLatin1Char('e'))
                       && !shown.contains(QLatin1Char('n'));
    return NumberText::shown(whole ? shown + QStringLiteral(".0") : shown);
}
