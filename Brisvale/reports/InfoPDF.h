#pragma once

#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"

#include <QList>
#include <QUrl>

// What the PDF report's first page shows: the user, the report's readings (newest first) and the
// first two PEF chart pictures, which need not exist.
struct InfoPDF {
    ProfilePtr profile;
    QList<PFMPtr> pfm;
    QUrl pictureOne; // PEF picture 0
    QUrl pictureTwo; // PEF picture 1
    int pageNum = 1;
};
