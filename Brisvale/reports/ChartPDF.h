#pragma once

#include <QString>
#include <QUrl>

// One chart page of the PDF report: two consecutive pictures of one kind, which need not exist.
struct ChartPDF {
    QString chartTitle; // shown as it is: "PEF (l/min)" or "FEV1 (l)"
    QUrl pictureOne;    // picture 2k of the kind
    QUrl pictureTwo;    // picture 2k + 1
    int pageNum = 0;
};
