#pragma once

#include <QList>
#include <QString>
#include <optional>

// How a profile's best value came about: measured, or set as a target. The profile stores the
// row's dbId.
struct BestValueType_DB {
    enum class Defaults { Measure, Target };

    Defaults id = Defaults::Measure;
    bool dbId = false;
    QString value;

    static const BestValueType_DB& row(Defaults id);
    static std::optional<BestValueType_DB> fromDbId(bool dbId);
    static std::optional<BestValueType_DB> fromValue(const QString& value);
};

// Every best-value type, in menu order.
const QList<BestValueType_DB>& bestValueTypeTable();
