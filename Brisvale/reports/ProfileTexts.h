#pragma once

#include "Brisvale/records/Profile.h"

#include <QDateTime>
#include <QString>
#include <optional>

// What the overview and the reports show alike of a profile: its date and time patterns, the
// text of its sex, its birth date and its age.
class ProfileTexts {
public:
    ProfileTexts() = delete;

    // The pattern of the DateFormat_DB row the profile names; none when its date_format names no
    // row (possible after an import).
    static std::optional<QString> datePattern(const Profile& profile);

    // The pattern of the TimeFormat_DB row the profile names.
    static std::optional<QString> timePattern(const Profile& profile);

    // The localised text of the profile's Gender_DB row.
    static QString sexText(const Profile& profile);

    // The profile's birthday, or `now` when it has none.
    static QDateTime birth(const Profile& profile, const QDateTime& now);

    // Whole years from the birth to now in the local calendar: a year counts once its day and
    // time of day are reached. Negative for a birth after now.
    static int age(const QDateTime& birth, const QDateTime& now);

    // The moment in the pattern (current locale, local time); empty without a pattern.
    static QString dateText(const QDateTime& moment, const std::optional<QString>& pattern);
};
