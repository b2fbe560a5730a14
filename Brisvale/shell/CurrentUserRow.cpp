#include "Brisvale/shell/CurrentUserRow.h"

#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/UserDefaultHelper.h"

std::optional<int> currentUserRow(const QList<ProfilePtr>& users)
{
    const std::optional<QString> email = UserDefaultHelper::email();
    for (int row = 0; row < users.size(); ++row) {
        if (users.at(row)->email == email) {
            return row;
        }
    }
    return std::nullopt;
}

QString spokenUserRow(const Profile& profile)
{
    const QString email = profile.email.value_or(QString());
    if (!profile.name || profile.name->isEmpty()) {
        return email;
    }
    return Localization::text(QStringLiteral("CurrentUserRow_Spoken")).arg(*profile.name, email);
}
