#pragma once

#include "Brisvale/records/Profile.h"

#include <QList>
#include <optional>

// The row of the current user in a list of profiles: the first profile whose e-mail equals the
// stored one (no stored e-mail matches a profile without one), or none.
std::optional<int> currentUserRow(const QList<ProfilePtr>& users);
