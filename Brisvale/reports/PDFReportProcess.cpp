#include "Brisvale/reports/PDFReportProcess.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/reports/ChartPDFController.h"
#include "Brisvale/reports/ChartPictureProcess.h"
#include "Brisvale/reports/InfoPDFController.h"
#include "Brisvale/reports/PDFPageWriter.h"
#include "Brisvale/reports/ReportFile.h"
#include "Brisvale/reports/TablePDFController.h"

#include <QDir>
#include <algorithm>

namespace {

const QString failureKey = QStringLiteral("PDFFile_AlertMessage_Failed");
const QString pefTitle = QStringLiteral("PEF (l/min)");
const QString fev1Title = QStringLiteral("FEV1 (l)");

}

void PDFReportProcess::writePDFReport(QWidget* parent)
{
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    if (!info) {
        return;
    }
    const std::unique_ptr<ChartPictureMaker> pictures = makePictureMaker(*info);
    const std::optional<WorkFolders> folders = prepareWorkFolders();
    if (!folders) {
        ReportFile::announceFailure(failureKey);
        return;
    }
    const int n = pictures ? pictures->makeChartPictures(folders->pef, FolderProcess::FolderKind::PEF) : 0;
    const int m = pictures ? pictures->makeChartPictures(folders->fev1, FolderProcess::FolderKind::FEV1) : 0;
    Console::printLine(QStringLiteral("pef總數%1 fev1總數%2").arg(n).arg(m));
    if (pictures && pictures->hadFailedWrite()) {
        ReportFile::announceFailure(failureKey);
        return;
    }
    const std::optional<QString> folder =
        AlertPresenter::shared().chooseFolder(parent, Localization::text(QStringLiteral("PDFFile_ChooseFolder")));
    if (!folder) {
        return;
    }
    const int pictureCount = std::max(n, m);
    const QString path = ReportFile::path(*folder, QStringLiteral("ZA+_PDF_Report_"), QStringLiteral(".pdf"));
    Console::printLine(QStringLiteral("餘數:%1 總製作頁數:%2")
                           .arg(pictureCount % 2)
                           .arg(PDFPagePlan::chartPageCount(pictureCount)));
    if (!writeReport(path, pictureCount, *info, *folders)) {
        ReportFile::announceFailure(failureKey);
        return;
    }
    ReportFile::announceSuccess(QStringLiteral("PDFFile_AlertMessage_Success"), path);
    Console::printLine(QStringLiteral("儲存位置 ") + QUrl::fromLocalFile(path).toString() + QStringLiteral(" 完成"));
}

std::unique_ptr<ChartPictureMaker> PDFReportProcess::makePictureMaker(const ConditionReturnInfo& info)
{
    return std::make_unique<ChartPictureProcess>(info);
}

bool PDFReportProcess::removeWorkFolder(const FolderProcess& folders, const FolderProcess::ReturnURLInfo& work)
{
    return folders.removeFolder(work);
}

// An earlier export's pictures must never reach this report: a work folder that cannot be
// removed ends the export like one that cannot be made.
std::optional<PDFReportProcess::WorkFolders> PDFReportProcess::prepareWorkFolders()
{
    const FolderProcess folders;
    const FolderProcess::ReturnURLInfo work = folders.checkFolder(FolderProcess::chartPicturesFolder);
    if (work.status && !removeWorkFolder(folders, work)) {
        return std::nullopt;
    }
    const FolderProcess::ReturnURLInfo fev1 = folders.createFolder(work, FolderProcess::FolderKind::FEV1);
    if (!fev1.status) {
        return std::nullopt;
    }
    const FolderProcess::ReturnURLInfo pef = folders.createFolder(work, FolderProcess::FolderKind::PEF);
    if (!pef.status) {
        return std::nullopt;
    }
    return WorkFolders{pef.path, fev1.path};
}

bool PDFReportProcess::writeReport(const QString& path, int pictureCount, const ConditionReturnInfo& info,
                                   const WorkFolders& folders)
{
    PDFPageWriter writer(path);
    if (!writer.open()) {
        return false;
    }
    for (const PDFPagePlan::Page& planned : PDFPagePlan::pages(pictureCount, info.pfm.size())) {
        printPage(planned);
        const std::unique_ptr<PDFPage> page = makePage(planned, info, folders.pef, folders.fev1);
        writer.appendPage(*page);
    }
    if (const std::optional<QString> error = writer.commit()) {
        Console::printLine(*error + QStringLiteral(": ") + path);
        return false;
    }
    return true;
}

std::unique_ptr<PDFPage> PDFReportProcess::makePage(const PDFPagePlan::Page& page, const ConditionReturnInfo& info,
                                                    const QUrl& pefFolder, const QUrl& fev1Folder)
{
    const int first = page.firstPicture;
    switch (page.kind) {
    case PDFPagePlan::Kind::info:
        return std::make_unique<InfoPDFController>(InfoPDF{info.profile, info.pfm, pictureFile(pefFolder, first),
                                                           pictureFile(pefFolder, first + 1), page.pageNum});
    case PDFPagePlan::Kind::pefChart:
        return std::make_unique<ChartPDFController>(
            ChartPDF{pefTitle, pictureFile(pefFolder, first), pictureFile(pefFolder, first + 1), page.pageNum});
    case PDFPagePlan::Kind::fev1Chart:
        return std::make_unique<ChartPDFController>(
            ChartPDF{fev1Title, pictureFile(fev1Folder, first), pictureFile(fev1Folder, first + 1), page.pageNum});
    case PDFPagePlan::Kind::table:
        return std::make_unique<TablePDFController>(*info.profile, info.pfm.mid(page.firstReading, page.readingCount),
                                                    page.pageNum);
    }
    return nullptr;
}

QUrl PDFReportProcess::pictureFile(const QUrl& folder, int number)
{
    return QUrl::fromLocalFile(QDir(folder.toLocalFile()).filePath(QString::number(number) + QStringLiteral(".png")));
}

void PDFReportProcess::printPage(const PDFPagePlan::Page& page)
{
    const QString picturesText = QStringLiteral("%1 前圖片%2 後圖片%3")
                                     .arg(page.pageNum)
                                     .arg(page.firstPicture)
                                     .arg(page.firstPicture + 1);
    if (page.kind == PDFPagePlan::Kind::pefChart) {
        Console::printLine(QStringLiteral("製作PEF目前頁數") + picturesText);
    } else if (page.kind == PDFPagePlan::Kind::fev1Chart) {
        Console::printLine(QStringLiteral("製作FEV1目前頁數") + picturesText);
    }
}
