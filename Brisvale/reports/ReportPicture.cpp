#include "Brisvale/reports/ReportPicture.h"

#include <QFileInfo>
#include <QPainter>
#include <QUrl>

ReportPicture::ReportPicture(const QString& name, const QUrl& file, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(frameWidth, frameHeight);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    const QString path = file.toLocalFile();
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        image_.load(path);
    }
    if (!hasImage()) {
        hide();
    }
}

void ReportPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Kept as drawn: a picture is a chart, and compressing it would blur its lines and labels.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, frameWidth, frameHeight), image_);
}
