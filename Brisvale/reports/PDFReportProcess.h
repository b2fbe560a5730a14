#pragma once

#include "Brisvale/records/ConditionReturnInfo.h"
#include "Brisvale/records/FolderProcess.h"
#include "Brisvale/reports/ChartPictureMaker.h"
#include "Brisvale/reports/PDFPagePlan.h"

#include <QString>
#include <memory>
#include <optional>

class PDFPage;
class QWidget;

// The PDF report of the current user's filtered readings, made in one call: the chart pictures
// of both kinds into a fresh work folder, a folder panel, then every page rendered onto one
// document in the order of the page plan. Every outcome reaches the user as the panel, an alert
// or nothing at all.
class PDFReportProcess {
public:
    virtual ~PDFReportProcess() = default;

    // The whole export. It ends without a word when there is no current user's query result or
    // the panel is cancelled (the pictures then stay in the work folder until the next export).
    // It ends with the failure alert, and without a report file, when the work folder cannot be
    // removed or made, when a picture could not be written (after both passes, before the panel),
    // or when the document cannot be written.
    void writePDFReport(QWidget* parent);

    // The page of the plan, filled for the profile and readings, its pictures in the folders.
    static std::unique_ptr<PDFPage> makePage(const PDFPagePlan::Page& page, const ConditionReturnInfo& info,
                                             const QUrl& pefFolder, const QUrl& fev1Folder);

    // Picture k of a kind's folder, named whether or not it was drawn.
    static QUrl pictureFile(const QUrl& folder, int number);

protected:
    // The maker of the chart pictures for these readings (the off-screen line charts); none draws
    // no picture, so the report has no chart pages.
    virtual std::unique_ptr<ChartPictureMaker> makePictureMaker(const ConditionReturnInfo& info);

    // Removes an earlier export's work folder; answers whether it is gone.
    virtual bool removeWorkFolder(const FolderProcess& folders, const FolderProcess::ReturnURLInfo& work);

private:
    struct WorkFolders {
        QUrl pef;
        QUrl fev1;
    };

    std::optional<WorkFolders> prepareWorkFolders();
    static bool writeReport(const QString& path, int pictureCount, const ConditionReturnInfo& info,
                            const WorkFolders& folders);
    static void printPage(const PDFPagePlan::Page& page);
};
