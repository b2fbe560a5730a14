#pragma once

#include "Brisvale/records/Timestamp.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// One reading as a backup document holds it. The export fills it from a stored reading, the
// import gets it from the decoder.
//
// A reading decoded without a date keeps `measureDate` absent here; such a reading is never
// stored (every reader of the store needs a date), so the import passes over it.
struct Decode_PFM {
    float fev1Value = 0.0f;
    std::optional<Timestamp> measureDate;
    std::optional<QString> note;
    qint32 pefValue = 0;

    friend bool operator==(const Decode_PFM&, const Decode_PFM&) = default;
};
