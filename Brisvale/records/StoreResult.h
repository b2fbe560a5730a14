#pragma once

#include <QString>
#include <utility>
#include <variant>

// A failure of the store reported to the caller: what went wrong, and the database's own words
// when it had any.
struct StoreError {
    QString description;
    QString details;
    // The store's file at its path is no longer the one open (StoreContext::checkFileInPlace).
    bool fileReplaced = false;

    // "description (details)", or the description alone.
    QString text() const
    {
        return details.isEmpty() ? description
                                 : description + QStringLiteral(" (") + details + QLatin1Char(')');
    }
};

// The value of a store operation, or the error that kept it from being made.
template <typename T>
class StoreResult {
public:
    StoreResult(T value) : state(std::in_place_index<0>, std::move(value)) {}
    StoreResult(StoreError error) : state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    T& value() { return std::get<0>(state); }
    const T& value() const { return std::get<0>(state); }

    // Only when !ok().
    const StoreError& error() const { return std::get<1>(state); }

private:
    std::variant<T, StoreError> state;
};

// The outcome of an operation without a value (a save).
using StoreStatus = StoreResult<std::monostate>;
