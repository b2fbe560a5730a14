#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <optional>

class PDFPage;

// One PDF document of report pages, written whole or not at all: pages are rendered one after
// the other onto one writer (text stays text, pictures stay lossless) into memory, and the file
// appears only when the whole document has been written and its size checked. Qt's PDF writer does
// not notice a short write, so it never writes to the disk itself.
class PDFPageWriter {
public:
    explicit PDFPageWriter(const QString& path);
    ~PDFPageWriter();
    PDFPageWriter(const PDFPageWriter&) = delete;
    PDFPageWriter& operator=(const PDFPageWriter&) = delete;

    // Opens the document: 72 dots per inch, 1000 x 1600 point pages, no margins.
    bool open();

    // Renders the page onto a page of its own.
    void appendPage(PDFPage& page);

    // Ends the document and puts the file in place; answers why it failed, and then no file is made
    // or changed.
    std::optional<QString> commit();

private:
    QString path_;
    QBuffer document_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pageCount_ = 0;
};
