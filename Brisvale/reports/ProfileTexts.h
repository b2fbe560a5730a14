#pragma once

#include "Brisvale/records/Profile.h"

#include <QDateTime>
#include <QString>

// What the pages and the reports show of a profile: its date and time patterns, dates written
// with them, its gender and its age.
namespace ProfileTexts {

// The `value` of the DateFormat_DB row of the profile's date_format; empty when no row matches.
QString datePattern(const Profile& profile);

// The `value` of the TimeFormat_DB row of the profile's time_format; empty when no row matches.
QString timePattern(const Profile& profile);

// The moment in the current zone and locale with the profile's date or time pattern; empty
// without a pattern.
QString dateText(const QDateTime& moment, const Profile& profile);
QString timeText(const QDateTime& moment, const Profile& profile);

// The localised text of the profile's Gender_DB row.
QString genderText(const Profile& profile);

// Whole years from the birthday to now, counted as the calendar counts them (a birthday exactly
// 30 years ago gives 30, one day short of it 29); 0 without a birthday.
int age(const std::optional<Timestamp>& birthday, const QDateTime& now);

}
