#include "Brisvale/reports/ProfileTexts.h"

#include "Brisvale/platform/DatePattern.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/DateFormat_DB.h"
#include "Brisvale/records/Gender_DB.h"
#include "Brisvale/records/TimeFormat_DB.h"

namespace ProfileTexts {

QString datePattern(const Profile& profile)
{
    const std::optional<DateFormat_DB> row = DateFormat_DB::fromDbId(profile.date_format);
    return row ? row->value : QString();
}

QString timePattern(const Profile& profile)
{
    const std::optional<TimeFormat_DB> row = TimeFormat_DB::fromDbId(profile.time_format);
    return row ? row->value : QString();
}

QString dateText(const QDateTime& moment, const Profile& profile)
{
    return DatePattern::format(moment.toLocalTime(), datePattern(profile));
}

QString timeText(const QDateTime& moment, const Profile& profile)
{
    return DatePattern::format(moment.toLocalTime(), timePattern(profile));
}

QString genderText(const Profile& profile)
{
    const std::optional<Gender_DB> row = Gender_DB::fromDbId(profile.gender);
    return row ? Localization::text(row->i18nKey) : QString();
}

int age(const std::optional<Timestamp>& birthday, const QDateTime& now)
{
    if (!birthday) {
        return 0;
    }
    const QDateTime born = birthday->toDateTime();
    int years = now.date().year() - born.date().year();
    // The year difference counts a year whose anniversary is still to come: take it back.
    if (years > 0 && born.addYears(years) > now) {
        --years;
    } else if (years < 0 && born.addYears(years) < now) {
        ++years;
    }
    return years;
}

}
