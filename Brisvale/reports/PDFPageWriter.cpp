#include "Brisvale/reports/PDFPageWriter.h"

#include "Brisvale/platform/WholeFile.h"
#include "Brisvale/reports/PDFPage.h"

#include <QPageSize>

PDFPageWriter::PDFPageWriter(const QString& path) : path_(path) {}

PDFPageWriter::~PDFPageWriter()
{
    // An unfinished document leaves no file: the painter lets go of the document in memory.
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PDFPageWriter::open()
{
    if (!document_.open(QIODevice::WriteOnly)) {
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(&document_);
    writer_->setResolution(72);
    writer_->setPageSize(QPageSize(QSizeF(PDFPage::pageWidth, PDFPage::pageHeight), QPageSize::Point,
                                   QString(), QPageSize::ExactMatch));
    writer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    if (!painter_.begin(writer_.get())) {
        return false;
    }
    // Pictures would otherwise be stored as JPEG.
    painter_.setRenderHint(QPainter::LosslessImageRendering);
    return true;
}

void PDFPageWriter::appendPage(PDFPage& page)
{
    if (pageCount_++ > 0) {
        writer_->newPage();
    }
    page.prepareForRendering();
    page.render(&painter_, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

std::optional<QString> PDFPageWriter::commit()
{
    if (!painter_.isActive() || !painter_.end()) {
        return QStringLiteral("the document could not be ended");
    }
    return WholeFile::write(path_, document_.data());
}
