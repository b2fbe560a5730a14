#pragma once

#include "Brisvale/records/Decode_PFM.h"
#include "Brisvale/records/Timestamp.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

// One user profile with its readings as a backup document holds it. The export fills it from a
// stored profile (its readings in the order given), the import gets it from the decoder.
//
// `birthday` and `email` may be absent on the way out: the export writes them as null. The
// decoder refuses such a document, so in a decoded record both are always present; only `name`
// may be absent there.
struct Decode_Profile {
    qint32 accountID_cloud = 0;
    qint32 best_Value = 0;
    bool best_Value_Type = false;
    std::optional<Timestamp> birthday;
    qint32 date_format = 0;
    std::optional<QString> email;
    bool gender = false;
    float height = 0.0f;
    std::optional<QString> name;
    bool region = false;
    bool time_format = false;
    bool unit_type = false;
    float weight = 0.0f;
    qint32 zone_Plan = 0; // written only when not the default, read as the default when absent
    QList<Decode_PFM> pfmInfo;

    friend bool operator==(const Decode_Profile&, const Decode_Profile&) = default;
};
