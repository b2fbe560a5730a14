#include "Brisvale/records/RenewProcess.h"

#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/records/ReadingBounds.h"
#include "Brisvale/records/SelectDateFormat_DB.h"
#include "Brisvale/records/SelectTimeFormat_DB.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"

void RenewProcess::broadcastPageSwitch()
{
    Console::printLine(QStringLiteral("切換頁 發送通知值"));
    broadcast([](RenewObserver& observer) { observer.onPageSwitch(); });
}

void RenewProcess::broadcastDataRefresh(bool emailRenewStatus, const QString& email)
{
    Console::printLine(QStringLiteral("更新Data畫面資料 發送通知值"));
    broadcast([&](RenewObserver& observer) { observer.onDataRefresh(emailRenewStatus, email); });
}

namespace {

struct LimitDates {
    QDateTime earliest;
    QDateTime latest;
};

// The dates of the profile's earliest and latest readings, or now for each when it has none.
LimitDates limitsOfReadings(const ProfilePtr& profile)
{
    const StoreResult<QList<PFMPtr>> readings = viewContext().pfmInfo(profile);
    if (!readings) {
        Fatal::stop(QStringLiteral("Failed to fetch data: ") + readings.error().text());
    }
    if (const std::optional<ReadingBounds> bounds = ReadingBounds::of(readings.value())) {
        return LimitDates{bounds->earliest.toDateTime(), bounds->latest.toDateTime()};
    }
    const QDateTime first = AppClock::now();
    return LimitDates{first, AppClock::now()};
}

}

void RenewProcess::renewDateLimits(bool keepRange, const ProfilePtr& profile)
{
    UserDefaultHelper::setEmail(profile->email);
    const LimitDates bounds = limitsOfReadings(profile);
    std::optional<QDateTime> from = keepRange ? UserDefaultHelper::from() : std::nullopt;
    std::optional<QDateTime> to = keepRange ? UserDefaultHelper::to() : std::nullopt;
    UserDefaultHelper::setLimitFrom(bounds.earliest);
    UserDefaultHelper::setLimitTo(bounds.latest);
    UserDefaultHelper::setFrom(from.value_or(bounds.earliest));
    UserDefaultHelper::setTo(to.value_or(bounds.latest));
    UserDefaultHelper::setDate(
        SelectDateFormat_DB::row(SelectDateFormat_DB::Defaults::ALL).showValue);
    UserDefaultHelper::setTime(
        SelectTimeFormat_DB::row(SelectTimeFormat_DB::Defaults::ALL).showValue);
}
