#pragma once

#include <QString>
#include <QtGlobal>
#include <variant>

// How a child page of the Data page reports the largest value of the readings it has just
// loaded: the readings table and the PEF chart the largest PEF as a 32-bit integer (0 without
// readings), the FEV1 chart the largest FEV1 as "%.2f" text with the locale's decimal separator
// ("0.00" without readings, "0,00" in German; NumberText::shown).
class DataMaxValueDelegate {
public:
    using Maximum = std::variant<qint32, QString>;

    virtual ~DataMaxValueDelegate() = default;

    virtual void showMaxValue(const Maximum& value) = 0;
};
