#include "ChartEngine/components/MarkerImage.h"
#include "ChartEngine/components/MarkerView.h"
#include "ChartEngine/foundation/ChartImage.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>

using namespace Charts;

namespace {

const QColor red(255, 0, 0);

std::shared_ptr<ChartImage> redImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(red);
    return ChartImage::create(image);
}

// The smallest rectangle holding every painted pixel; empty when nothing was painted.
QRect paintedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).alpha() > 0) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

template <typename DrawMarker>
QRect drawnArea(DrawMarker draw)
{
    QImage canvas(200, 200, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    draw(painter);
    painter.end();
    return paintedArea(canvas);
}

}

// A 40 x 20 marker in a 400 x 300 chart.
TEST(MarkerImage, OffsetKeepsTheMarkerInsideTheChart)
{
    NSUIView chart;
    chart.resize(400, 300);
    struct Case {
        const char* name;
        bool withChart;
        QPointF point;
        QPointF offset;
        QPointF expected;
    };
    const QList<Case> cases = {
        {"past the right edge", true, {390, 100}, {0, 0}, {-30, 0}},
        {"touching the right and bottom edges", true, {360, 280}, {0, 0}, {0, 0}},
        {"past the bottom edge", true, {100, 290}, {0, 0}, {0, -10}},
        {"left of and above the view", true, {5, 5}, {-10, -10}, {-5, -5}},
        {"no chart: left and top still corrected", false, {5, 5}, {-10, -10}, {-5, -5}},
        {"no chart: right edge unknown", false, {390, 290}, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MarkerImage marker;
        marker.setImage(redImage(40, 20));
        marker.setOffset(c.offset);
        marker.setChartView(c.withChart ? &chart : nullptr);
        EXPECT_EQ(marker.offsetForDrawingAtPoint(c.point), c.expected);
    }
}

TEST(MarkerImage, DrawsItsImageAtTheCorrectedOffsetInItsSize)
{
    struct Case {
        const char* name;
        std::shared_ptr<ChartImage> image;
        QSizeF size;
        QRect expected;
    };
    const QList<Case> cases = {
        {"image's own size", redImage(40, 20), {0, 0}, {20, 30, 40, 20}},
        {"width given, height from the image", redImage(40, 20), {30, 0}, {20, 30, 30, 20}},
        {"no image", nullptr, {30, 20}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MarkerImage marker;
        marker.setImage(c.image);
        marker.setSize(c.size);
        marker.setOffset({-10, -10});
        EXPECT_EQ(drawnArea([&](QPainter& painter) { marker.draw(painter, {30, 40}); }), c.expected);
    }
}

// The view renders itself and its children at the point; inside a 150-wide chart it is kept
// inside, without a chart its offset stays even off the view.
TEST(MarkerView, RendersItselfAtTheCorrectedPoint)
{
    NSUIView chart;
    chart.resize(150, 150);
    MarkerView marker(QRectF(0, 0, 40, 20));
    auto* content = new QLabel(&marker);
    content->setGeometry(0, 0, 40, 20);
    content->setAutoFillBackground(true);
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, red);
    content->setPalette(palette);
    marker.setOffset({-10, -10});
    EXPECT_EQ(marker.offsetForDrawingAtPoint({5, 5}), QPointF(-10, -10));

    marker.setChartView(&chart);
    EXPECT_EQ(drawnArea([&](QPainter& painter) { marker.draw(painter, {30, 40}); }),
              QRect(20, 30, 40, 20));
    EXPECT_EQ(drawnArea([&](QPainter& painter) { marker.draw(painter, {130, 40}); }),
              QRect(110, 30, 40, 20));
}
