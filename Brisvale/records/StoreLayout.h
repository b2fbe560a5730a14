#pragma once

#include <QStringList>
#include <vector>

// The store's layout and its history: the tables as the first version wrote them, and the steps
// that each take a store one version further. The version of a store is its PRAGMA user_version.
// A new store gets the first tables and every step at once; an older store is upgraded step by
// step. A later change of the layout adds its step at the end and never edits an earlier one.
struct StoreLayout {
    // The statements of each step; the step at index i takes version i + 1 to version i + 2.
    std::vector<QStringList> upgrades;

    // The version this layout writes and reads: 1 and one more for each step.
    int version() const { return 1 + static_cast<int>(upgrades.size()); }

    // The statements that make the tables of version 1.
    static QStringList firstTables();

    // The layout of this program.
    static const StoreLayout& current();
};
