#pragma once

#include "Brisvale/records/Profile.h"

#include <QList>
#include <QString>
#include <optional>

// The row of the current user in a list of profiles: the first profile whose e-mail equals the
// stored one (no stored e-mail matches a profile without one), or none.
std::optional<int> currentUserRow(const QList<ProfilePtr>& users);

// What a reader hears of a profile's row in those lists: its name and its e-mail, or the e-mail
// alone when it has no name.
QString spokenUserRow(const Profile& profile);
