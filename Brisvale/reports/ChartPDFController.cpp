#include "Brisvale/reports/ChartPDFController.h"

#include "Brisvale/reports/ReportPicture.h"

#include <QLabel>
#include <QVBoxLayout>

ChartPDFController::ChartPDFController(const ChartPDF& info, QWidget* parent)
    : PDFPage(info.pageNum, QStringLiteral("PageNum_Lab"), parent), Info(info)
{
    QLabel* chartTitle = addLabel("ChartTitle_Lab", 15, true);
    chartTitle->setText(Info.chartTitle);
    content()->addWidget(chartTitle);
    content()->addWidget(addPicture("Frist_Image", Info.pictureOne));
    content()->addWidget(addPicture("Second_Image", Info.pictureTwo));
}
