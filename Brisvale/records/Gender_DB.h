#pragma once

#include <QList>
#include <QString>
#include <optional>

// A profile's gender; the profile stores the row's dbId (false male, true female). The text shown
// is the translation of `i18nKey`.
struct Gender_DB {
    enum class Defaults { Male, Female };

    Defaults id = Defaults::Male;
    bool dbId = false;
    QString i18nKey;

    static const Gender_DB& row(Defaults id);
    static std::optional<Gender_DB> fromDbId(bool dbId);
};

// Both genders, in menu order.
const QList<Gender_DB>& genderTable();
