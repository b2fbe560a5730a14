#include "Brisvale/reports/PDFPagePlan.h"

#include "Brisvale/reports/TablePDFController.h"

#include <algorithm>

int PDFPagePlan::chartPageCount(int pictureCount)
{
    return pictureCount / 2 + pictureCount % 2;
}

QList<PDFPagePlan::Page> PDFPagePlan::pages(int pictureCount, qsizetype readingCount)
{
    const int perKind = chartPageCount(pictureCount);
    QList<Page> plan{Page{Kind::info, 1, 0, 0, 0}};
    for (int k = 1; k < perKind; ++k) {
        plan << Page{Kind::pefChart, k + 1, 2 * k, 0, 0};
    }
    for (int q = 0; q < perKind; ++q) {
        plan << Page{Kind::fev1Chart, perKind + 1 + q, 2 * q, 0, 0};
    }
    const int beforeTables = perKind >= 1 ? 2 * perKind : 1;
    constexpr qsizetype slice = TablePDFController::rowsPerPage;
    for (qsizetype first = 0; first < readingCount; first += slice) {
        const int pageNum = beforeTables + 1 + static_cast<int>(first / slice);
        plan << Page{Kind::table, pageNum, 0, first, std::min(slice, readingCount - first)};
    }
    return plan;
}
