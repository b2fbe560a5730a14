#include "Brisvale/pages/RectMarker.h"

#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/views/LineChartView.h"

#include "support/QtPrinters.h"

#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const double mayFirst = double(QDateTime(QDate(2026, 5, 1), QTime(0, 0)).toSecsSinceEpoch());

// A 300 x 200 chart with the content (35, 15) to (265, 140), holding one entry.
class RectMarkerTest : public testing::Test {
protected:
    void SetUp() override
    {
        chart.setViewPortOffsets(35, 15, 35, 60);
        const auto entry = std::make_shared<Charts::ChartDataEntry>(2.5, 1.0, QStringLiteral(" PEF: 400\n"));
        chart.setData(std::make_shared<Charts::LineChartData>(
            Charts::ChartDataSetList{std::make_shared<Charts::LineChartDataSet>(Charts::ChartDataEntryList{entry}, QString())}));
    }

    // A marker as the chart pages make it, refreshed for an entry at x.
    std::unique_ptr<RectMarker> refreshed(double x, QSizeF minimumSize)
    {
        auto marker = std::make_unique<RectMarker>(QColor(Qt::white), std::nullopt, RectMarker::Insets{8, 8, 4, 4},
                                                   mayFirst, 86400);
        marker->setChartView(&chart);
        marker->minimumSize = minimumSize;
        marker->refreshContent(std::make_shared<Charts::ChartDataEntry>(x, 1.0), nullptr);
        return marker;
    }

    Charts::LineChartView chart{QRect(0, 0, 300, 200)};
};

}

TEST_F(RectMarkerTest, TheBoxIsTheLabelWithItsInsetsAndAtLeastTheMinimumSize)
{
    const QSizeF label = refreshed(2.5, {60, 30})->labelSize();
    ASSERT_GT(label.width(), 60);
    ASSERT_GT(label.height(), 30);
    const struct {
        QSizeF minimum, box;
    } cases[] = {
        {{60, 30}, {label.width() + 12, label.height() + 12}},
        {{500, 30}, {500, label.height() + 12}},
        {{60, 400}, {label.width() + 12, 400}},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(refreshed(2.5, test.minimum)->size(), test.box) << test.minimum.width();
    }
}

TEST_F(RectMarkerTest, TheBoxOpensLeftOrUpWhenItWouldLeaveTheContent)
{
    RectMarker marker(QColor(Qt::white), std::nullopt, {}, 0, 86400);
    marker.setSize(QSizeF(100, 50));
    const struct {
        QPointF point, offset;
        bool bound;
    } cases[] = {
        {{165, 90}, {0, 0}, true}, // touching the right and bottom edges
        {{166, 50}, {-100, 0}, true},
        {{100, 91}, {0, -50}, true},
        {{-10, -5}, {10, 50}, true},
        {{200, 120}, {0, 0}, false}, // no chart: only negative points move it
        {{-10, -5}, {10, 50}, false},
    };
    for (const auto& test : cases) {
        marker.setChartView(test.bound ? &chart : nullptr);
        EXPECT_EQ(marker.offsetForDrawingAtPoint(test.point), test.offset) << test.point.x() << test.bound;
    }
}

// The date line is the last line of the box, drawn in the text colour of the lines above it: no
// empty line, no white text on the white box.
TEST_F(RectMarkerTest, TheDateLineIsTheBoxsLastLineInTheTextColour)
{
    const QColor textColour(0, 61, 165);
    const struct {
        QString entryText, label;
    } cases[] = {
        {" PEF: Hi\n 2026/05/01\n AM 08:00\n", " PEF: Hi\n 2026/05/01\n AM 08:00\nDate : 01/05/26"},
        {" FEV1: 2.50\n 2026/05/01\n AM 08:00", " FEV1: 2.50\n 2026/05/01\n AM 08:00\nDate : 01/05/26"},
        {" PEF: 400\n\n", " PEF: 400\nDate : 01/05/26"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.entryText.toStdString());
        auto dataSet = std::make_shared<Charts::LineChartDataSet>(
            Charts::ChartDataEntryList{std::make_shared<Charts::ChartDataEntry>(0.0, 1.0, test.entryText)}, QString());
        dataSet->setColor(textColour);
        chart.setData(std::make_shared<Charts::LineChartData>(Charts::ChartDataSetList{dataSet}));
        const std::unique_ptr<RectMarker> marker = refreshed(0.0, {60, 30});
        EXPECT_EQ(marker->labelText(), test.label);

        QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::gray);
        QPainter painter(&image);
        marker->draw(painter, QPointF(40, 20));
        painter.end();
        const QRect box = QRectF(QPointF(40, 20), marker->size()).toAlignedRect();
        int lowestInk = -1;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left() + 2; x < box.right() - 2; ++x) {
                if (image.pixel(x, y) == textColour.rgb()) {
                    lowestInk = y;
                }
            }
        }
        // Below the date line's ink: the bottom inset and less than a line of the 14-pixel date.
        const int bottomInset = 4;
        EXPECT_LT(box.bottom() - lowestInk - bottomInset, 14) << "empty rows at the bottom of a box "
                                                              << marker->size().height() << " high";
    }
}
