#pragma once

#include <QList>
#include <QString>
#include <optional>

// The unit system a profile uses for height and weight; a profile stores the row's dbId, never
// a label, so the labels are shown texts only.
struct UnitType_DB {
    enum class Defaults { FtIn, KgCm };

    Defaults id = Defaults::FtIn;
    bool dbId = false;
    QString value;  // label of the pair
    QString height; // height unit label
    QString weight; // weight unit label

    static const UnitType_DB& row(Defaults id);
    static std::optional<UnitType_DB> fromDbId(bool dbId);
    static std::optional<UnitType_DB> fromValue(const QString& value);
};

// Every unit system, in menu order.
const QList<UnitType_DB>& unitTypeTable();
