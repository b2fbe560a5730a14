#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <optional>

// One reading of a memory download, within what a meter can give (ReadingRange).
struct MeterReading {
    qint32 pef = 0;      // l/min
    float fev1 = 0.0f;   // litres
    QDateTime measureDate; // local time, seconds 00
};

// A memory download as the dialogue uses it: the readings that could be read, in the meter's
// order, and how many entries held what no meter can give (month 13, 30 February, hour 24, the
// year 99999, a PEF of 0) and could not be read.
struct MeterMemory {
    qint64 count = 0; // "historyMeasuremeNumber"
    QList<MeterReading> readings;
    int unreadable = 0;
};

// What could be read from a reply, or why it could not be.
template <typename T>
struct MeterReplyRead {
    std::optional<T> value;
    QString fault; // set when value is absent
};

// Reads the meter's reply dictionaries strictly. A reply that lacks a key or holds a value of
// another type than the meter sends is refused as a whole, with the reason: nothing of it may be
// acted on.
namespace MeterReplyReader {

// The notification posted for every best value read from the meter, with the value under the
// key, and the one posted when a best value could not be written or read back.
inline constexpr const char* bestValueNotification = "GetPFMBestValue";
inline constexpr const char* bestValueKey = "BestValue";
inline constexpr const char* bestValueFailedNotification = "PFMBestValueFailed";

// A value of an integer type (any width, signed or not); a value beyond 64 bits reads as the
// largest one. None for other types (text, floating point, booleans, lists).
std::optional<qint64> integer(const QVariant& value);

// A value of a number type (integer or floating point); none for other types.
std::optional<double> number(const QVariant& value);

// A number truncated toward zero to 32 bits, as the meter's best value is compared; none when
// it is not finite or lies beyond what 32 bits hold (it then equals no 32-bit value).
std::optional<qint32> truncatedInt32(double value);

// The moment of the components in local time. A time that falls in a daylight-saving gap moves
// forward by the gap's length (2:30 on the spring-forward night is 3:30); a time that occurs
// twice is taken as the local clock gives it. None when the components name no date or time.
std::optional<QDateTime> localDate(qint64 year, qint64 month, qint64 day, qint64 hour, qint64 minute,
                                   qint64 second);

// A time-read reply (46): "year" to "second", integers forming a date.
MeterReplyRead<QDateTime> readClock(const QVariantMap& reply);

// A memory-read reply (47): "historyMeasuremeNumber" equal to the number of "MData" entries, each
// with "PEF" (an integer of 32 bits), "FEV1" (a finite number) and "year" to "minute" (integers).
// "MData" may be left out only when the count is 0. Entries whose values lie outside what a meter
// can give, or whose components form no date within the years a calendar shows, are counted as
// unreadable, not refused.
MeterReplyRead<MeterMemory> readMemory(const QVariantMap& reply);

}
