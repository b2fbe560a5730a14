#pragma once

#include <QDateTime>
#include <QWidget>

class QPushButton;

// The Data page's download popover: the CSV report and the PDF report of the current user's
// filtered readings. Made with the Data page's two dates as they are when it opens; it closes
// before an export runs, and the export keeps the dates.
class ExportFileController : public QWidget {
public:
    ExportFileController(const QDateTime& startDate, const QDateTime& endDate, QWidget* parent = nullptr);

    // Shows the popover below the anchor (the Data page's download button), or above it when only
    // there is room, inside its window.
    // It closes, and deletes itself, on a click outside it or Escape.
    void presentPopover(QWidget* anchor);

    // The CSV report: a folder panel, then the readings written with the popover's dates as the
    // range.
    void CreateCSVHandler();

    // The PDF report.
    void CreatePDFHandler();

    const QDateTime startDate;
    const QDateTime endDate;

    // Outlets; each widget's object name is its outlet's name.
    QPushButton* CSV_Btn = nullptr;
    QPushButton* PDF_Btn = nullptr;

private:
    static void exportCSV(QWidget* parent, const QDateTime& start, const QDateTime& end);
    QWidget* closeForExport();
};
