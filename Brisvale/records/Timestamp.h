#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <cmath>
#include <compare>

// A moment as the store and the backup keep it: seconds since 2001-01-01T00:00:00Z in full
// double precision, so that two readings of the same moment compare equal after a round trip
// (QDateTime keeps only milliseconds).
struct Timestamp {
    double seconds = 0.0;

    // Seconds between the Unix epoch and 2001-01-01T00:00:00Z.
    static constexpr double referenceOffset = 978307200.0;

    static Timestamp fromDateTime(const QDateTime& moment)
    {
        return Timestamp{static_cast<double>(moment.toMSecsSinceEpoch()) / 1000.0 - referenceOffset};
    }

    static Timestamp fromUnixSeconds(double unixSeconds)
    {
        return Timestamp{unixSeconds - referenceOffset};
    }

    double unixSeconds() const { return seconds + referenceOffset; }

    // The moment to the millisecond, in the local time zone, for showing and calendar arithmetic.
    // A moment beyond what a date can hold (not finite, or past year ±200000) gives an invalid date.
    QDateTime toDateTime() const
    {
        const double msecs = std::floor(unixSeconds() * 1000.0);
        constexpr double limit = 6.0e15;
        if (!std::isfinite(msecs) || std::fabs(msecs) > limit) {
            return QDateTime();
        }
        return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msecs));
    }

    friend bool operator==(const Timestamp&, const Timestamp&) = default;
    friend auto operator<=>(const Timestamp&, const Timestamp&) = default;
};
