#pragma once

#include "TavrendelPFMSDK/TavrendelPFMSimulator.h"

#include <QJsonObject>
#include <QString>
#include <memory>

// Reads the JSON description of a simulated meter (its format is described in sample/README.md).
// The whole file is checked before a meter is made: a description that cannot be read or does not
// follow the format gives no meter and a reason.
class TavrendelPFMSimulatorFile {
public:
    // The meter described by the file at `path`, or null with `error` set to the reason.
    static std::shared_ptr<TavrendelPFMSimulator> load(const QString& path, QString& error);

    // The meter described by `description`; relative log paths are taken from `folder`.
    static std::shared_ptr<TavrendelPFMSimulator> fromJson(const QJsonObject& description,
                                                           const QString& folder, QString& error);
};
