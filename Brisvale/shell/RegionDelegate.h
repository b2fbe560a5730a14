#pragma once

#include <QString>

// Receives the region chosen on the first-run region page.
class RegionDelegate {
public:
    virtual ~RegionDelegate() = default;

    // `selected` is true when the user confirmed a choice (the page never passes false); `region`
    // is the chosen Region_DB row's value ("Other", "USA").
    virtual void regionDidSelect(bool selected, const QString& region) = 0;
};
