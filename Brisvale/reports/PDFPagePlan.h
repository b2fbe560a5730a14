#pragma once

#include <QList>

// The pages of a PDF report in their order: the info page with PEF pictures 0 and 1, the PEF
// chart pages with the following pairs, the FEV1 chart pages from picture 0, then the readings
// in slices of 50, newest first. With X the larger picture count of the two kinds, each kind
// fills P = ceil(X / 2) pages of two pictures (the PEF kind's first page being the info page).
class PDFPagePlan {
public:
    enum class Kind { info, pefChart, fev1Chart, table };

    struct Page {
        Kind kind = Kind::info;
        int pageNum = 0;
        int firstPicture = 0;      // info and chart pages: pictures firstPicture and firstPicture + 1
        qsizetype firstReading = 0; // table pages: the slice's first position
        qsizetype readingCount = 0; // table pages: the slice's length

        friend bool operator==(const Page&, const Page&) = default;
    };

    PDFPagePlan() = delete;

    // P, the pages each kind's pictures fill.
    static int chartPageCount(int pictureCount);

    static QList<Page> pages(int pictureCount, qsizetype readingCount);
};
