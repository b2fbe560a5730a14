#include "Brisvale/reports/TablePDFController.h"

#include "Brisvale/platform/DatePattern.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/reports/ProfileTexts.h"
#include "Brisvale/reports/ReportTable.h"

#include <QVBoxLayout>

namespace {

// The patterns when the profile's formats name no row, as on the report's first page.
const QString fallbackDatePattern = QStringLiteral("yyyy.MM.dd");
const QString fallbackTimePattern = QStringLiteral("HH:mm");

// The column titles: the same captions as the CSV report's.
QStringList columnTitles()
{
    QStringList titles;
    for (const char* key : {"CSVFile_Date", "CSVFile_Time", "CSVFile_PEF", "CSVFile_FEV1", "CSVFile_Notes"}) {
        titles << Localization::text(QLatin1String(key));
    }
    return titles;
}

}

const QStringList& TablePDFController::columnIdentifiers()
{
    static const QStringList identifiers{QStringLiteral("DateColumn"), QStringLiteral("TimeColumn"),
                                         QStringLiteral("PEFColumn"), QStringLiteral("FEV1Column"),
                                         QStringLiteral("NotesColumn")};
    return identifiers;
}

TablePDFController::TablePDFController(const Profile& profile, const QList<PFMPtr>& readings, int pageNum,
                                       QWidget* parent)
    : PDFPage(pageNum, QStringLiteral("PageNum_lab"), parent),
      pfmList(readings),
      datePattern(ProfileTexts::datePattern(profile).value_or(fallbackDatePattern)),
      timePattern(ProfileTexts::timePattern(profile).value_or(fallbackTimePattern))
{
    const QStringList& identifiers = columnIdentifiers();
    tableView = new ReportTable(columnTitles(), {18, 14, 12, 12, 44}, static_cast<int>(pfmList.size()),
                                [this, &identifiers](int row, int column) {
                                    return cellText(identifiers[column], row).value_or(QString());
                                },
                                this);
    tableView->setObjectName(QStringLiteral("tableView"));
    content()->addWidget(tableView);
}

std::optional<QString> TablePDFController::cellText(const QString& column, int row) const
{
    const PFM& reading = *pfmList.at(row);
    const QDateTime date = reading.measureDate ? reading.measureDate->toDateTime() : QDateTime();
    if (column == QLatin1String("DateColumn")) {
        return DatePattern::format(date, datePattern);
    }
    if (column == QLatin1String("TimeColumn")) {
        return DatePattern::format(date, timePattern);
    }
    if (column == QLatin1String("PEFColumn")) {
        return QString::number(reading.pefValue);
    }
    if (column == QLatin1String("FEV1Column")) {
        return NumberText::fixed(reading.fev1Value, 2);
    }
    if (column == QLatin1String("NotesColumn")) {
        return reading.note.value_or(QStringLiteral("~"));
    }
    return std::nullopt;
}
