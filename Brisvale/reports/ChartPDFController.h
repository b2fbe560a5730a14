#pragma once

#include "Brisvale/reports/ChartPDF.h"
#include "Brisvale/reports/PDFPage.h"

// A chart page of the PDF report: the chart's title and two pictures of one kind, each hidden
// when its file is missing.
class ChartPDFController : public PDFPage {
public:
    explicit ChartPDFController(const ChartPDF& info, QWidget* parent = nullptr);

    const ChartPDF Info;
};
