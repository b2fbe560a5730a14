#pragma once

#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"
#include "Brisvale/reports/PDFPage.h"

#include <QList>
#include <optional>

class ReportTable;

// A table page of the PDF report: up to 50 readings in the order given (newest first), one row
// each with date, time, PEF, FEV1 and note.
class TablePDFController : public PDFPage {
public:
    static constexpr int rowsPerPage = 50;

    // The column identifiers, in their order on the page.
    static const QStringList& columnIdentifiers();

    // The profile gives the date and time patterns; it is not kept.
    TablePDFController(const Profile& profile, const QList<PFMPtr>& readings, int pageNum,
                       QWidget* parent = nullptr);

    // The text of a reading's cell in the column named by its identifier ("DateColumn",
    // "TimeColumn", "PEFColumn", "FEV1Column", "NotesColumn"); none for another column.
    std::optional<QString> cellText(const QString& column, int row) const;

    ReportTable* tableView = nullptr;

private:
    QList<PFMPtr> pfmList;
    QString datePattern;
    QString timePattern;
};
