#include "Brisvale/reports/PDFPageWriter.h"

#include "Brisvale/reports/PDFPage.h"

#include <QPageSize>

PDFPageWriter::PDFPageWriter(const QString& path) : file_(path) {}

PDFPageWriter::~PDFPageWriter()
{
    // An unfinished document leaves no file: the painter lets go before the save file discards.
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PDFPageWriter::open()
{
    if (!file_.open(QIODevice::WriteOnly)) {
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(&file_);
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

bool PDFPageWriter::commit()
{
    if (!painter_.isActive() || !painter_.end()) {
        return false;
    }
    return file_.error() == QFileDevice::NoError && file_.commit();
}
