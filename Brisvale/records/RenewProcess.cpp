#include "Brisvale/records/RenewProcess.h"

#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/records/SelectDateFormat_DB.h"
#include "Brisvale/records/SelectTimeFormat_DB.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"

#include <algorithm>

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

struct ReadingBounds {
    QDateTime earliest;
    QDateTime latest;
};

// The dates of the profile's earliest and latest readings, or now for each when it has none.
ReadingBounds boundsOfReadings(const ProfilePtr& profile)
{
    const StoreResult<QList<PFMPtr>> readings = viewContext().pfmInfo(profile);
    if (!readings) {
        Fatal::stop(QStringLiteral("Failed to fetch data: ") + readings.error().text());
    }
    std::optional<Timestamp> earliest;
    std::optional<Timestamp> latest;
    for (const PFMPtr& reading : readings.value()) {
        const std::optional<Timestamp>& date = reading->measureDate;
        if (!date) {
            continue;
        }
        earliest = earliest ? std::min(*earliest, *date) : *date;
        latest = latest ? std::max(*latest, *date) : *date;
    }
    if (!earliest) {
        const QDateTime first = AppClock::now();
        return ReadingBounds{first, AppClock::now()};
    }
    return ReadingBounds{earliest->toDateTime(), latest->toDateTime()};
}

}

void RenewProcess::renewDateLimits(bool keepRange, const ProfilePtr& profile)
{
    UserDefaultHelper::setEmail(profile->email);
    const ReadingBounds bounds = boundsOfReadings(profile);
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
