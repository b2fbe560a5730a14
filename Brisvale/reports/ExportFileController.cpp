#include "Brisvale/reports/ExportFileController.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/PopoverPresenter.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/reports/CSVProcess.h"
#include "Brisvale/reports/PDFReportProcess.h"
#include "Brisvale/reports/ProfileTexts.h"

#include <QPushButton>
#include <QVBoxLayout>

ExportFileController::ExportFileController(const QDateTime& start, const QDateTime& end, QWidget* parent)
    : QWidget(parent), startDate(start), endDate(end)
{
    CSV_Btn = new QPushButton(Localization::text(QStringLiteral("ExportFileController_CSV")), this);
    CSV_Btn->setObjectName(QStringLiteral("CSV_Btn"));
    PDF_Btn = new QPushButton(Localization::text(QStringLiteral("ExportFileController_PDF")), this);
    PDF_Btn->setObjectName(QStringLiteral("PDF_Btn"));
    Look::styleButton(*CSV_Btn);
    Look::styleButton(*PDF_Btn);
    connect(CSV_Btn, &QPushButton::clicked, this, &ExportFileController::CreateCSVHandler);
    connect(PDF_Btn, &QPushButton::clicked, this, &ExportFileController::CreatePDFHandler);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(8);
    layout->addWidget(CSV_Btn);
    layout->addWidget(PDF_Btn);
}

void ExportFileController::presentPopover(QWidget* anchor)
{
    PopoverPresenter::present(this, anchor, PopoverPresenter::Edge::bottom);
}

// Closes the popover (a presented one is deleted later) and answers the window the export's
// panels and alerts belong to.
QWidget* ExportFileController::closeForExport()
{
    QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    close();
    return window;
}

void ExportFileController::CreateCSVHandler()
{
    const QDateTime start = startDate;
    const QDateTime end = endDate;
    exportCSV(closeForExport(), start, end);
}

void ExportFileController::CreatePDFHandler()
{
    QWidget* window = closeForExport();
    PDFReportProcess().writePDFReport(window);
}

void ExportFileController::exportCSV(QWidget* parent, const QDateTime& start, const QDateTime& end)
{
    const std::optional<QString> folder =
        AlertPresenter::shared().chooseFolder(parent, Localization::text(QStringLiteral("CSVFile_ChooseFolder")));
    if (!folder) {
        return;
    }
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    if (!info) {
        return;
    }
    const std::optional<QString> pattern = ProfileTexts::datePattern(*info->profile);
    CSVProcess().writeCSVReport(*folder, ProfileTexts::dateText(start, pattern), ProfileTexts::dateText(end, pattern),
                                *info->profile, info->pfm);
}
