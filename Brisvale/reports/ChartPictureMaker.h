#pragma once

#include "Brisvale/records/FolderProcess.h"

#include <QUrl>

// What the PDF export needs of the chart pictures: one pass per kind, PEF first, each writing
// its pictures into the kind's work folder as "<k>.png", k = 0 … count − 1 without gaps. A
// picture that cannot be written is passed over (its number goes to the next one) and remembered,
// so that the export can refuse to announce a report that lacks it.
class ChartPictureMaker {
public:
    virtual ~ChartPictureMaker() = default;

    // Draws and writes the kind's pictures into the folder; answers how many were written.
    virtual int makeChartPictures(const QUrl& folder, FolderProcess::FolderKind kind) = 0;

    // Whether a picture of the passes so far could not be written.
    virtual bool hadFailedWrite() const = 0;
};
