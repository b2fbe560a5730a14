#include "Brisvale/records/ConditionProcess.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/records/SelectTimeFormat_DB.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"


namespace {

// A wall-clock time of a day in the local zone. A time that the zone skips that day (clocks set
// forward) becomes the first moment after the gap.
QDateTime localMoment(QDate day, QTime time)
{
    const QDateTime wall(day, time, Qt::UTC); // the clock reading as plain numbers
    const auto onLocalClock = [&](qint64 seconds) {
        const QDateTime reading = wall.addSecs(seconds);
        return QDateTime(reading.date(), reading.time(), Qt::LocalTime);
    };
    qint64 later = 0;
    QDateTime moment = onLocalClock(0);
    constexpr qint64 longestGap = 48 * 3600;
    while (!moment.isValid() && later < longestGap) {
        later += 60;
        moment = onLocalClock(later);
    }
    // The gap ended within the last minute stepped over: find its end to the second.
    while (later > 0 && onLocalClock(later - 1).isValid()) {
        moment = onLocalClock(--later);
    }
    return moment;
}

[[noreturn]] void stopOnFetchFailure(const StoreError& error)
{
    Fatal::stop(QStringLiteral("Failed to fetch data: ") + error.text());
}

// Keeps the readings whose local hour lies in the choice's hours, in their order.
QList<PFMPtr> inHours(const QList<PFMPtr>& readings, const SelectTimeFormat_DB& choice)
{
    if (choice.startTime_Int <= 0 && choice.endTime_Int >= 23) {
        return readings; // every hour of the day
    }
    QList<PFMPtr> kept;
    for (const PFMPtr& reading : readings) {
        const int hour = reading->measureDate->toDateTime().time().hour();
        if (choice.startTime_Int <= hour && hour <= choice.endTime_Int) {
            kept << reading;
        }
    }
    return kept;
}

}

void ConditionProcess::broadcastCondition()
{
    Console::printLine(QStringLiteral("發送通知值"));
    broadcast([](ConditionObserver& observer) { observer.onConditionChange(); });
}

std::optional<ConditionReturnInfo> ConditionProcess::queryReadings()
{
    return query(Hours::chosen);
}

std::optional<ConditionReturnInfo> ConditionProcess::queryWholeDays()
{
    return query(Hours::every);
}

std::optional<ConditionReturnInfo> ConditionProcess::query(Hours hours)
{
    const std::optional<QString> email = UserDefaultHelper::email();
    const std::optional<QDateTime> from = UserDefaultHelper::from();
    const std::optional<QDateTime> to = UserDefaultHelper::to();
    const std::optional<QString> time = UserDefaultHelper::time();
    std::optional<SelectTimeFormat_DB> choice =
        time ? SelectTimeFormat_DB::fromShowValue(*time) : std::nullopt;
    if (!email || !from || !to || !choice) {
        return std::nullopt;
    }
    if (hours == Hours::every) {
        choice = SelectTimeFormat_DB::row(SelectTimeFormat_DB::Defaults::ALL);
    }
    const StoreResult<ProfilePtr> profile = viewContext().fetchProfile(email);
    if (!profile) {
        stopOnFetchFailure(profile.error());
    }
    if (!profile.value()) {
        return std::nullopt;
    }

    const QDateTime startDate = localMoment(from->toLocalTime().date(), choice->startTimeOfDay);
    const QDateTime endDate = localMoment(to->toLocalTime().date(), choice->endTimeOfDay);
    if (!startDate.isValid() || !endDate.isValid()) {
        return std::nullopt;
    }
    if (hours == Hours::chosen) {
        Console::printLine(QStringLiteral("以下為搜尋時間\nstartDate -> ") + Console::momentText(startDate)
            + QStringLiteral("\nendDate -> ") + Console::momentText(endDate));
    }
    const StoreResult<QList<PFMPtr>> readings = viewContext().fetchReadings(
        profile.value(), Timestamp::fromDateTime(startDate), Timestamp::fromDateTime(endDate));
    if (!readings) {
        stopOnFetchFailure(readings.error());
    }
    return ConditionReturnInfo{profile.value(), inHours(readings.value(), *choice)};
}
