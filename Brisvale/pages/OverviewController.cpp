#include "Brisvale/pages/OverviewController.h"

#include "Brisvale/pages/PageCard.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/DatePattern.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/DateFormat_DB.h"
#include "Brisvale/records/UserDefaultHelper.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// A stored date in the profile's date format; empty when there is none.
QString shownDate(const std::optional<QDateTime>& date, const ProfilePtr& profile)
{
    if (!date) {
        return QString();
    }
    const auto format = DateFormat_DB::fromDbId(profile->date_format);
    const QString pattern =
        (format ? *format : DateFormat_DB::row(DateFormat_DB::Defaults::YMD_diagonal)).value;
    return DatePattern::format(*date, pattern);
}

}

OverviewController::OverviewController(QWidget* parent) : QWidget(parent)
{
    auto* card = new PageCard(this);
    Title_Lab = PageCard::makeTitle(QStringLiteral("Title_Lab"), card);
    UserTitle_Lab = PageCard::makeCaption(QStringLiteral("UserTitle_Lab"), card);
    TimeRange_Lab = PageCard::makeCaption(QStringLiteral("TimeRange_Lab"), card);
    TotalTitle_Lab = PageCard::makeCaption(QStringLiteral("TotalTitle_Lab"), card);
    userNameTextField = PageCard::makeValue(QStringLiteral("userNameTextField"), card);
    timeRangeTextField = PageCard::makeValue(QStringLiteral("timeRangeTextField"), card);
    totalMeasurementTextField = PageCard::makeValue(QStringLiteral("totalMeasurementTextField"), card);

    auto* summary = new QFormLayout;
    summary->setHorizontalSpacing(24);
    summary->setVerticalSpacing(12);
    summary->addRow(UserTitle_Lab, userNameTextField);
    summary->addRow(TimeRange_Lab, timeRangeTextField);
    summary->addRow(TotalTitle_Lab, totalMeasurementTextField);

    card->content()->addWidget(Title_Lab);
    card->content()->addLayout(summary);
    card->content()->addStretch(1);
    Look::placeCard(*this, *card);
    setCaptions();
}

void OverviewController::setCaptions()
{
    Title_Lab->setText(Localization::text(QStringLiteral("OverviewController_PageTitle")));
    UserTitle_Lab->setText(Localization::text(QStringLiteral("OverviewController_User_Title")));
    TimeRange_Lab->setText(Localization::text(QStringLiteral("OverviewController_TimeRange_Title")));
    TotalTitle_Lab->setText(Localization::text(QStringLiteral("OverviewController_Measurements_Total")));
}

void OverviewController::willAppear()
{
    Console::printLine(QStringLiteral("Overview Appear"));
    setCaptions();
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
    refreshStatistics();
}

void OverviewController::refreshStatistics()
{
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    if (!info) {
        userNameTextField->clear();
        timeRangeTextField->clear();
        totalMeasurementTextField->clear();
        return;
    }
    userNameTextField->setText(info->profile->name.value_or(info->profile->email.value_or(QString())));
    timeRangeTextField->setText(shownDate(UserDefaultHelper::from(), info->profile)
                                + QStringLiteral(" – ")
                                + shownDate(UserDefaultHelper::to(), info->profile));
    totalMeasurementTextField->setText(QString::number(info->pfm.size()));
}
