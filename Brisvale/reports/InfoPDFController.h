#pragma once

#include "Brisvale/reports/InfoPDF.h"
#include "Brisvale/reports/PDFPage.h"

class QGridLayout;

// The first page of the PDF report: the user's particulars, the report date, the stored date
// window, a summary of the report's readings and the first two PEF pictures. Filled once, when
// it is made.
class InfoPDFController : public PDFPage {
public:
    explicit InfoPDFController(const InfoPDF& info, QWidget* parent = nullptr);

    // The summary of the readings. The PEF average is the Overview's figure
    // (ReadingAverages::pefAverage); the FEV1 average is the report's own, rounded to hundredths
    // in single precision.
    struct Summary {
        qint32 maxPEF = 0;
        float maxFEV1 = 0.0f;
        qint64 avgPEF = 0;
        float avgFEV1 = 0.0f;
    };
    static Summary summary(const QList<PFMPtr>& readings);

    const InfoPDF Info;

private:
    void addParticulars();
    void addSummary();
    void addPictures();
    void addValue(QGridLayout& grid, int row, int column, const char* captionName,
                  const char* captionKey, const char* valueName, const QString& value);
    void addCaption(QGridLayout& grid, int row, int column, const char* captionName, const char* captionKey);
};
