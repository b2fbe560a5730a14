#include "Brisvale/reports/ProfileTexts.h"

#include "Brisvale/platform/DatePattern.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/DateFormat_DB.h"
#include "Brisvale/records/Gender_DB.h"
#include "Brisvale/records/TimeFormat_DB.h"

std::optional<QString> ProfileTexts::datePattern(const Profile& profile)
{
    const std::optional<DateFormat_DB> row = DateFormat_DB::fromDbId(profile.date_format);
    return row ? std::optional<QString>(row->value) : std::nullopt;
}

std::optional<QString> ProfileTexts::timePattern(const Profile& profile)
{
    const std::optional<TimeFormat_DB> row = TimeFormat_DB::fromDbId(profile.time_format);
    return row ? std::optional<QString>(row->value) : std::nullopt;
}

QString ProfileTexts::sexText(const Profile& profile)
{
    const std::optional<Gender_DB> row = Gender_DB::fromDbId(profile.gender);
    return row ? Localization::text(row->i18nKey) : QString();
}

QDateTime ProfileTexts::birth(const Profile& profile, const QDateTime& now)
{
    return profile.birthday ? profile.birthday->toDateTime() : now;
}

int ProfileTexts::age(const QDateTime& birth, const QDateTime& now)
{
    const QDateTime localBirth = birth.toLocalTime();
    const QDateTime localNow = now.toLocalTime();
    int years = localNow.date().year() - localBirth.date().year();
    if (years > 0 && localBirth.addYears(years) > localNow) {
        --years;
    } else if (years < 0 && localBirth.addYears(years) < localNow) {
        ++years;
    }
    return years;
}

QString ProfileTexts::dateText(const QDateTime& moment, const std::optional<QString>& pattern)
{
    return pattern ? DatePattern::format(moment.toLocalTime(), *pattern) : QString();
}
