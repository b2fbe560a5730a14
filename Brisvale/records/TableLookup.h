#pragma once

#include <QList>
#include <optional>

// Finding a row of a constant lookup table by one of its fields: the first row whose field
// equals the wanted value, or none.
namespace TableLookup {

template <typename Row, typename Field, typename Value>
std::optional<Row> first(const QList<Row>& table, Field Row::*field, const Value& wanted)
{
    for (const Row& row : table) {
        if (row.*field == wanted) {
            return row;
        }
    }
    return std::nullopt;
}

// The row at a position (a pop-up menu's selected index), or none outside the table.
template <typename Row>
std::optional<Row> at(const QList<Row>& table, qsizetype index)
{
    if (index < 0 || index >= table.size()) {
        return std::nullopt;
    }
    return table.at(index);
}

}
