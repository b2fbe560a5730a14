#pragma once

#include "ChartEngine/views/ChartViewBase.h"

#include <QImage>
#include <QPainter>
#include <QSize>

namespace ChartTesting {

// The whole view drawn on a white image of `size`, antialiased unless asked otherwise.
inline QImage drawn(Charts::ChartViewBase& view, QSize size = QSize(300, 200), bool antialiased = true)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    view.drawChart(painter);
    painter.end();
    return image;
}

}
