#include "Brisvale/records/MeterReplyReader.h"

#include "Brisvale/records/ReadingRange.h"

#include "TavrendelPFMSDK/TavrendelPFMKey.h"

#include <QVariantList>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 secondsPerDay = 86400;

bool fitsInt(qint64 value)
{
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

QString missing(QLatin1String key)
{
    return QStringLiteral("the key \"%1\" is missing").arg(key);
}

QString wrongType(QLatin1String key)
{
    return QStringLiteral("the value of \"%1\" is not of the meter's type").arg(key);
}

// The integer under the key, or the fault.
MeterReplyRead<qint64> integerAt(const QVariantMap& map, QLatin1String key)
{
    const auto found = map.constFind(key);
    if (found == map.constEnd()) {
        return {std::nullopt, missing(key)};
    }
    const std::optional<qint64> value = MeterReplyReader::integer(*found);
    return value ? MeterReplyRead<qint64>{value, {}} : MeterReplyRead<qint64>{std::nullopt, wrongType(key)};
}

struct Components {
    qint64 year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The date components under their keys ("second" only when asked), or the fault.
MeterReplyRead<Components> componentsAt(const QVariantMap& map, bool withSecond)
{
    Components parts;
    const std::pair<QLatin1String, qint64*> fields[] = {
        {TavrendelPFMKey::Year, &parts.year},     {TavrendelPFMKey::Month, &parts.month},
        {TavrendelPFMKey::Day, &parts.day},       {TavrendelPFMKey::Hour, &parts.hour},
        {TavrendelPFMKey::Minute, &parts.minute}, {TavrendelPFMKey::Second, &parts.second},
    };
    for (const auto& [key, target] : fields) {
        if (key == TavrendelPFMKey::Second && !withSecond) {
            continue;
        }
        const MeterReplyRead<qint64> read = integerAt(map, key);
        if (!read.value) {
            return {std::nullopt, read.fault};
        }
        *target = *read.value;
    }
    return {parts, {}};
}

// One "MData" entry as read: refused (fault set), unreadable (no reading), or a reading.
struct EntryRead {
    QString fault;
    std::optional<MeterReading> reading;
};

EntryRead refused(QString fault)
{
    return EntryRead{std::move(fault), std::nullopt};
}

// Whether an entry of the meter's types holds a reading that a meter can give, on a date that a
// calendar shows. One that does not stays in the meter, counted, like one whose date is impossible.
bool measurable(qint64 pef, float fev1, const std::optional<QDateTime>& date)
{
    return date && ReadingRange::holdsDate(*date) && ReadingRange::holdsPef(pef) && ReadingRange::holdsFev1(fev1);
}

EntryRead readEntry(const QVariant& item)
{
    if (item.metaType().id() != QMetaType::QVariantMap) {
        return refused(QStringLiteral("an entry of \"MData\" is not a dictionary"));
    }
    const QVariantMap entry = item.toMap();
    const MeterReplyRead<qint64> pef = integerAt(entry, TavrendelPFMKey::Pef);
    if (!pef.value) {
        return refused(pef.fault);
    }
    if (*pef.value < std::numeric_limits<qint32>::min() || *pef.value > std::numeric_limits<qint32>::max()) {
        return refused(wrongType(TavrendelPFMKey::Pef));
    }
    const auto fev1 = entry.constFind(TavrendelPFMKey::Fev1);
    if (fev1 == entry.constEnd()) {
        return refused(missing(TavrendelPFMKey::Fev1));
    }
    const std::optional<double> litres = MeterReplyReader::number(*fev1);
    if (!litres || !std::isfinite(*litres) || std::fabs(*litres) > std::numeric_limits<float>::max()) {
        return refused(wrongType(TavrendelPFMKey::Fev1));
    }
    const MeterReplyRead<Components> parts = componentsAt(entry, false);
    if (!parts.value) {
        return refused(parts.fault);
    }
    const Components& at = *parts.value;
    const std::optional<QDateTime> date = MeterReplyReader::localDate(at.year, at.month, at.day, at.hour, at.minute, 0);
    const auto fev1Litres = static_cast<float>(*litres);
    if (!measurable(*pef.value, fev1Litres, date)) {
        return EntryRead{};
    }
    return EntryRead{{}, MeterReading{static_cast<qint32>(*pef.value), fev1Litres, *date}};
}

// The "MData" list, or the fault; an absent list is empty when the count allows it.
MeterReplyRead<QVariantList> entriesOf(const QVariantMap& reply, qint64 count)
{
    const auto found = reply.constFind(TavrendelPFMKey::MData);
    if (found == reply.constEnd()) {
        return count == 0 ? MeterReplyRead<QVariantList>{QVariantList(), {}}
                          : MeterReplyRead<QVariantList>{std::nullopt, missing(TavrendelPFMKey::MData)};
    }
    if (found->metaType().id() != QMetaType::QVariantList) {
        return {std::nullopt, wrongType(TavrendelPFMKey::MData)};
    }
    QVariantList entries = found->toList();
    if (entries.size() != count) {
        return {std::nullopt, QStringLiteral("\"historyMeasuremeNumber\" is %1 but \"MData\" holds %2 entries")
                                  .arg(count)
                                  .arg(entries.size())};
    }
    return {std::move(entries), {}};
}

}

namespace MeterReplyReader {

std::optional<qint64> integer(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
        return value.toLongLong();
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar: {
        const qulonglong unsignedValue = value.toULongLong();
        constexpr auto largest = static_cast<qulonglong>(std::numeric_limits<qint64>::max());
        return static_cast<qint64>(std::min(unsignedValue, largest));
    }
    default:
        return std::nullopt;
    }
}

std::optional<double> number(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::Float:
        return static_cast<double>(value.value<float>());
    default:
        break;
    }
    if (value.metaType().id() == QMetaType::ULongLong) {
        return static_cast<double>(value.toULongLong());
    }
    const std::optional<qint64> whole = integer(value);
    return whole ? std::optional<double>(static_cast<double>(*whole)) : std::nullopt;
}

std::optional<qint32> truncatedInt32(double value)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double whole = std::trunc(value);
    if (whole < static_cast<double>(std::numeric_limits<qint32>::min())
        || whole > static_cast<double>(std::numeric_limits<qint32>::max())) {
        return std::nullopt;
    }
    return static_cast<qint32>(whole);
}

std::optional<QDateTime> localDate(qint64 year, qint64 month, qint64 day, qint64 hour, qint64 minute,
                                   qint64 second)
{
    if (!fitsInt(year) || !fitsInt(month) || !fitsInt(day) || !fitsInt(hour) || !fitsInt(minute)
        || !fitsInt(second)) {
        return std::nullopt;
    }
    const QDate date(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
    const QTime time(static_cast<int>(hour), static_cast<int>(minute), static_cast<int>(second));
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    const QDateTime local(date, time, Qt::LocalTime);
    if (local.isValid()) {
        return local;
    }
    // In a daylight-saving gap: the wall time read with the offset in force before the gap,
    // which lands as far past the gap's end as the time lies past its start.
    const QDateTime wall(date, time, Qt::UTC);
    const QDateTime dayBefore = QDateTime::fromSecsSinceEpoch(wall.toSecsSinceEpoch() - secondsPerDay);
    if (!wall.isValid() || !dayBefore.isValid()) {
        return std::nullopt;
    }
    const QDateTime moved = QDateTime::fromSecsSinceEpoch(wall.toSecsSinceEpoch() - dayBefore.offsetFromUtc());
    return moved.isValid() ? std::optional<QDateTime>(moved) : std::nullopt;
}

MeterReplyRead<QDateTime> readClock(const QVariantMap& reply)
{
    const MeterReplyRead<Components> parts = componentsAt(reply, true);
    if (!parts.value) {
        return {std::nullopt, parts.fault};
    }
    const Components& at = *parts.value;
    const std::optional<QDateTime> date = localDate(at.year, at.month, at.day, at.hour, at.minute, at.second);
    if (!date) {
        return {std::nullopt, QStringLiteral("%1-%2-%3 %4:%5:%6 is not a date")
                                  .arg(at.year)
                                  .arg(at.month)
                                  .arg(at.day)
                                  .arg(at.hour)
                                  .arg(at.minute)
                                  .arg(at.second)};
    }
    return {date, {}};
}

MeterReplyRead<MeterMemory> readMemory(const QVariantMap& reply)
{
    const MeterReplyRead<qint64> count = integerAt(reply, TavrendelPFMKey::HistoryMeasuremeNumber);
    if (!count.value) {
        return {std::nullopt, count.fault};
    }
    const MeterReplyRead<QVariantList> entries = entriesOf(reply, *count.value);
    if (!entries.value) {
        return {std::nullopt, entries.fault};
    }
    MeterMemory memory;
    memory.count = *count.value;
    for (const QVariant& item : *entries.value) {
        const EntryRead entry = readEntry(item);
        if (!entry.fault.isEmpty()) {
            return {std::nullopt, entry.fault};
        }
        if (entry.reading) {
            memory.readings.append(*entry.reading);
        } else {
            ++memory.unreadable;
        }
    }
    return {std::move(memory), {}};
}

}
