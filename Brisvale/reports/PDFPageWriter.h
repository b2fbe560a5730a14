#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

class PDFPage;

// One PDF document of report pages, written whole or not at all: pages are rendered one after
// the other onto one writer (text stays text, pictures stay lossless), and the file appears only
// when the document is committed.
class PDFPageWriter {
public:
    explicit PDFPageWriter(const QString& path);
    ~PDFPageWriter();
    PDFPageWriter(const PDFPageWriter&) = delete;
    PDFPageWriter& operator=(const PDFPageWriter&) = delete;

    // Opens the file and the document: 72 dots per inch, 1000 x 1600 point pages, no margins.
    bool open();

    // Renders the page onto a page of its own.
    void appendPage(PDFPage& page);

    // Ends the document and puts the file in place; false when anything failed.
    bool commit();

private:
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pageCount_ = 0;
};
