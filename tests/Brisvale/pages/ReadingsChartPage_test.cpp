#include "Brisvale/pages/FEV1Controller.h"
#include "Brisvale/pages/PEFController.h"
#include "Brisvale/pages/RectMarker.h"

#include "Brisvale/pages/PagesTestSupport.h"
#include "support/GermanLocale.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/ChartAccessibility.h"
#include "ChartEngine/views/LineChartView.h"

#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/LineChartRenderer.h"

#include <QAccessible>
#include <QImage>
#include <QPolygonF>
#include <QTest>
#include <QTransform>
#include <cmath>

namespace {

class MaximumRecorder : public QObject, public DataMaxValueDelegate {
public:
    void showMaxValue(const Maximum& value) override { shown << value; }
    QList<Maximum> shown;
};

enum class Kind { pef, fev1 };

// The objects whose accessible description was said to change.
QList<QObject*> describedAnew;
void recordDescriptionChange(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::DescriptionChanged) {
        describedAnew << event->object();
    }
}

// A chart page on screen (offscreen), loaded as when it appears.
class ChartPageTest : public PagesTest {
protected:
    void showPage(Kind kind, int height = 500, int width = 1000)
    {
        page.reset();
        if (kind == Kind::pef) {
            page = std::make_unique<PEFController>();
        } else {
            page = std::make_unique<FEV1Controller>();
        }
        page->setDelegate(&recorder);
        page->resize(width, height);
        page->show();
        page->willAppear();
    }

    // A new installation within one case.
    void clearStore()
    {
        page.reset();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }

    Charts::LineChartView& chart() const { return *page->chartView; }
    QImage rendered() const
    {
        QImage image(chart().size(), QImage::Format_ARGB32_Premultiplied);
        chart().render(&image);
        return image;
    }
    std::shared_ptr<Charts::ChartDataEntry> entry(int index) const
    {
        return chart().data()->dataSetAtIndex(0)->entryForIndex(index);
    }

    // The chart as a reader meets it, drawn once so that its points have their elements.
    QAccessibleInterface* spokenChart() const
    {
        rendered();
        return QAccessible::queryAccessibleInterface(page->chartView.data());
    }
    // The names of the chart's points, as a reader steps through them.
    static QStringList pointNames(QAccessibleInterface* spoken)
    {
        QStringList names;
        for (int i = 0; i < spoken->childCount(); ++i) {
            if (spoken->child(i)->role() == QAccessible::ListItem) {
                names << spoken->child(i)->text(QAccessible::Name);
            }
        }
        return names;
    }

    MaximumRecorder recorder;
    std::unique_ptr<ReadingsChartPage> page;
};

}

TEST_F(ChartPageTest, EntriesCountDaysFromTheEarliestReadingOldestFirst)
{
    // Equal dates keep the query's order: the later inserted first.
    storeUser({{at(5, 3, 20), 420, 4.0f}, {at(5, 1, 8), 400, 1.0f}, {at(5, 3, 20), 430, 3.0f},
               {at(5, 2, 14), 410, 2.0f}});
    const struct {
        Kind kind;
        QList<double> ys;
    } cases[] = {{Kind::pef, {400, 410, 430, 420}}, {Kind::fev1, {1, 2, 3, 4}}};
    for (const auto& test : cases) {
        showPage(test.kind);
        const QList<double> xs = {0.0, 1.25, 2.5, 2.5};
        for (int i = 0; i < xs.size(); ++i) {
            EXPECT_EQ(entry(i)->x(), xs[i]) << i;
            EXPECT_EQ(entry(i)->y(), test.ys[i]) << i;
        }
        EXPECT_EQ(page->referenceTime(), at(5, 1, 8).toSecsSinceEpoch());
        EXPECT_EQ(chart().xAxis()->valueFormatter()->stringForValue(2.5, nullptr), QStringLiteral("2026/05/03"));
    }
}

TEST_F(ChartPageTest, ValuesAboveTheAxisAreDrawnAtItsTopAndTheLargestIsReportedUncapped)
{
    const struct {
        qint32 pefValue;
        float fev1Value;
        double pefY, fev1Y;
        QString fev1Largest;
    } cases[] = {
        {900, 9.99f, 900, double(9.99f), "9.99"},
        {901, 9.990001f, 900, 9.989999771118164, "9.99"},
        {950, 12.5f, 900, 9.989999771118164, "12.50"},
        {120, 3.456f, 120, double(3.456f), "3.46"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.pefValue);
        clearStore();
        storeUser({{at(5, 1, 8), test.pefValue, test.fev1Value}});
        recorder.shown.clear();
        showPage(Kind::pef);
        EXPECT_EQ(entry(0)->y(), test.pefY);
        showPage(Kind::fev1);
        EXPECT_EQ(entry(0)->y(), test.fev1Y);
        EXPECT_EQ(recorder.shown, (QList<DataMaxValueDelegate::Maximum>{test.pefValue, test.fev1Largest}));
    }
}

TEST_F(ChartPageTest, NoResultLeavesTheChartEmptyWithNoData)
{
    storeUser({{at(5, 1, 8)}});
    for (const Kind kind : {Kind::pef, Kind::fev1}) {
        showPage(kind);
        UserDefaultHelper::setEmail(std::nullopt); // the query answers no result
        recorder.shown.clear();
        page->onConditionChange();
        EXPECT_EQ(chart().data(), nullptr);
        EXPECT_EQ(chart().noDataText(), QStringLiteral("No Data"));
        EXPECT_EQ(spokenChart()->text(QAccessible::Description), QStringLiteral("No readings in the chosen dates."));
        EXPECT_EQ(recorder.shown, QList<DataMaxValueDelegate::Maximum>{
                                      kind == Kind::pef ? DataMaxValueDelegate::Maximum(0) : QStringLiteral("0.00")});
        UserDefaultHelper::setEmail(QStringLiteral("ann@example.com"));
    }
}

TEST_F(ChartPageTest, AtMostThirtyDaysAreShownEndingAtTheNewestReading)
{
    const struct {
        int days;
        double lowest, highest;
    } cases[] = {{100, 69.5, 99.5}, {10, 0.0, 9.5}};
    for (const auto& test : cases) {
        clearStore();
        QList<Reading> readings;
        for (int day = 0; day < test.days; ++day) { // April to July: no change of summer time
            readings << Reading(QDateTime(QDate(2025, 4, 1).addDays(day), QTime(8, 0)))
                     << Reading(QDateTime(QDate(2025, 4, 1).addDays(day), QTime(20, 0)));
        }
        storeUser(readings);
        for (const Kind kind : {Kind::pef, Kind::fev1}) {
            showPage(kind);
            EXPECT_NEAR(chart().lowestVisibleX(), test.lowest, 1e-6) << test.days;
            EXPECT_NEAR(chart().highestVisibleX(), test.highest, 1e-6) << test.days;
        }
    }
}

TEST_F(ChartPageTest, ANewSizeKeepsTheWindowAtTheNewestReadingUntilTheUserMovesIt)
{
    QList<Reading> readings;
    for (int day = 0; day < 60; ++day) {
        readings << Reading(QDateTime(QDate(2025, 4, 1).addDays(day), QTime(8, 0)));
    }
    storeUser(readings);
    for (const bool dragged : {false, true}) {
        showPage(Kind::pef);
        if (dragged) {
            chart().performPanChange(QPointF(200, 0));
        }
        page->resize(1400, 500);
        EXPECT_EQ(chart().highestVisibleX() > 58.99, !dragged) << chart().highestVisibleX();
    }
}

TEST_F(ChartPageTest, ZoneBandsFollowTheBestValueAbove50)
{
    const ProfilePtr profile = storeUser({{at(5, 1, 8)}});
    const QList<QList<double>> of400 = {{50, 240}, {240, 320}, {320, 900}};
    const QList<QList<double>> of51 = {{50, 30.599999999999998}, {30.599999999999998, 40.800000000000004},
                                       {40.800000000000004, 900}};
    const struct {
        qint32 bestValue;
        QString time; // "12:00-23:59" shows no reading
        bool shown;
        QList<QList<double>> stored;
    } cases[] = {
        {400, "All day", true, of400},
        {50, "All day", false, of400}, // switched off, still stored
        {51, "All day", true, of51},
        {400, "12:00-23:59", false, of51},
    };
    showPage(Kind::pef);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.bestValue);
        profile->best_Value = test.bestValue;
        ASSERT_TRUE(viewContext().save().ok());
        UserDefaultHelper::setTime(test.time);
        page->onConditionChange();
        EXPECT_EQ(chart().leftAxis()->drawGridLinesBackgroungEnabled(), test.shown);
        QList<QList<double>> stored;
        for (const Charts::ZoneBand& band : chart().leftAxis()->backgroundLimit()) {
            stored << QList<double>{band.start, band.end};
        }
        EXPECT_EQ(stored, test.stored);
    }
    QList<QRgb> colours;
    for (const Charts::ZoneBand& band : chart().leftAxis()->backgroundLimit()) {
        colours << band.color.rgba();
    }
    EXPECT_EQ(colours, (QList<QRgb>{qRgba(255, 99, 132, 179), qRgba(255, 205, 86, 179), qRgba(75, 192, 192, 128)}));
}

// The band between 50 % and 60 % of the best value is red under today's plan and yellow under
// the US one; checked against pixels of the same column that lie in one band under both plans.
TEST_F(ChartPageTest, TheBandsAreDrawnAtTheFractionsOfTheProfilesPlan)
{
    const ProfilePtr profile = storeUser({Reading(at(5, 1, 8), 850)});
    profile->best_Value = 400;
    const struct {
        qint32 plan;
        double red;    // where the red band ends
        double yellow; // where the yellow band ends
        bool between50And60IsRed;
    } cases[] = {{0, 240, 320, true}, {1, 200, 320, false}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.plan);
        profile->zone_Plan = test.plan;
        ASSERT_TRUE(viewContext().save().ok());
        showPage(Kind::pef);
        const QList<Charts::ZoneBand> bands = chart().leftAxis()->backgroundLimit();
        ASSERT_EQ(bands.size(), 3);
        EXPECT_EQ((QList<double>{bands[0].end, bands[1].start, bands[1].end}),
                  (QList<double>{test.red, test.red, test.yellow}));
        const QImage image = rendered();
        const auto transformer = chart().getTransformer(Charts::AxisDependency::left);
        const int column = int(chart().viewPortHandler()->contentLeft()) + 8;
        const auto pixelAt = [&](double pef) {
            return image.pixel(column, int(transformer->pixelForValues(0, pef).y()));
        };
        // Clear of the grid lines at every 100 l/min.
        const QRgb red = pixelAt(150);
        const QRgb yellow = pixelAt(280);
        ASSERT_NE(red, yellow);
        EXPECT_EQ(pixelAt(220), test.between50And60IsRed ? red : yellow);
        EXPECT_EQ(pixelAt(175), red);
    }
}

// Also at page heights where a value on the axis's top edge lands a rounding error above the
// content area. The date line writes the date as the chart's x axis does, in the profile's date
// format: it was always dd/MM/yy, under MM/DD/YY 03/05/26 beneath the reading's 05/03/26.
TEST_F(ChartPageTest, ChoosingAReadingShowsANewMarkerWithItsTextsAndDay)
{
    const ProfilePtr profile = storeUser({{at(5, 1, 8), 950, 2.5f}, {at(5, 3, 20), 400, 12.5f}});
    const struct {
        Kind kind;
        int height, index;
        int dateFormat; // 9 names no row: the axis's dates are the locale's short dates
        QString label;
    } cases[] = {
        {Kind::pef, 500, 0, 0, " PEF: Hi\n 2026/05/01\n AM 08:00\nDate : 2026/05/01"},
        {Kind::pef, 700, 0, 0, " PEF: Hi\n 2026/05/01\n AM 08:00\nDate : 2026/05/01"},
        {Kind::pef, 207, 0, 0, " PEF: Hi\n 2026/05/01\n AM 08:00\nDate : 2026/05/01"},
        {Kind::pef, 500, 1, 0, " PEF: 400\n 2026/05/03\n PM 08:00\nDate : 2026/05/03"},
        {Kind::fev1, 500, 0, 0, " FEV1: 2.50\n 2026/05/01\n AM 08:00\nDate : 2026/05/01"},
        {Kind::fev1, 500, 1, 0, " FEV1: Hi\n 2026/05/03\n PM 08:00\nDate : 2026/05/03"},
        {Kind::pef, 500, 1, 1, " PEF: 400\n 05/03/26\n PM 08:00\nDate : 05/03/26"},
        {Kind::fev1, 500, 1, 2, " FEV1: Hi\n 03.05.26\n PM 08:00\nDate : 03.05.26"},
        {Kind::pef, 500, 1, 9, " PEF: 400\n \n PM 08:00\nDate : 5/3/26"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.label.toStdString() + " at " + std::to_string(test.height));
        profile->date_format = test.dateFormat;
        ASSERT_TRUE(viewContext().save().ok());
        showPage(test.kind, test.height);
        QList<std::shared_ptr<Charts::Marker>> markers;
        for (int click = 0; click < 2; ++click) {
            chart().highlightValue(entry(test.index)->x(), 0, 0, true);
            rendered();
            markers << chart().marker();
        }
        EXPECT_NE(markers[0], markers[1]) << "a new marker for every selection";
        const auto& marker = dynamic_cast<const RectMarker&>(*markers[1]);
        EXPECT_EQ(marker.labelText(), test.label);
        EXPECT_EQ(marker.chartView(), &chart());
        EXPECT_EQ(marker.minimumSize, QSizeF(60, 30));
        EXPECT_EQ(marker.miniTime, at(5, 1, 8).toSecsSinceEpoch());
        EXPECT_EQ(marker.interval, 86400.0);
    }
}

// Readings at and above the cap lie on the content's top edge. At some heights (408, 426, 501,
// 843 and 999 among them) the value 900 lands a rounding error above the edge; at every height
// each reading keeps its circle, one accessibility element per drawn circle.
TEST_F(ChartPageTest, ReadingsAtTheCapKeepTheirCirclesAtEveryHeight)
{
    const QList<qint32> values = {420, 900, 950, 999, 610, 900, 380};
    QList<Reading> readings;
    for (int day = 0; day < values.size(); ++day) {
        readings << Reading(at(5, 1 + day, 8), values[day]);
    }
    storeUser(readings);
    const QColor circle(140, 234, 255);
    for (const int height : {400, 408, 426, 500, 501, 700, 843, 999, 1000}) {
        showPage(Kind::pef, height);
        const QImage image = rendered();
        EXPECT_EQ(chart().renderer()->accessibleChartElements().size(), 1 + values.size()) << height;
        const auto transformer = chart().getTransformer(Charts::AxisDependency::left);
        for (int i = 0; i < values.size(); ++i) {
            if (values[i] < 900) {
                continue;
            }
            const QPointF point = transformer->pixelForValues(entry(i)->x(), entry(i)->y());
            EXPECT_EQ(image.pixel(QPoint(int(point.x()), 20)), circle.rgb()) << height << " reading " << i;
        }
    }
}

// Daily readings over 60 days, 30 of them shown: where a day is too narrow for labels a day apart,
// slanted at -30 degrees, to stay clear of each other, they stand a whole number of days apart.
// Scale 2 on a 1600-pixel screen leaves the chart about 700 logical pixels.
TEST_F(ChartPageTest, CrowdedXLabelsStandWholeDaysApartClearOfEachOther)
{
    QList<Reading> readings;
    for (int day = 0; day < 60; ++day) {
        readings << Reading(QDateTime(QDate(2025, 4, 1).addDays(day), QTime(8, 0)));
    }
    storeUser(readings);
    const struct {
        int width;
        double days;
    } cases[] = {{1400, 1}, {1000, 1}, {700, 2}, {400, 3}, {200, 10}};
    for (const auto& test : cases) {
        showPage(Kind::pef, 500, test.width);
        rendered();
        const std::shared_ptr<Charts::XAxis> axis = chart().xAxis();
        const QList<double> values = axis->entries();
        ASSERT_GE(values.size(), 2) << test.width;
        EXPECT_EQ(values[1] - values[0], test.days) << test.width;
        EXPECT_EQ(values[0], std::ceil(values[0])) << test.width;

        // Each label as drawn: its box turned about its point by the angle.
        const auto transformer = chart().getTransformer(Charts::AxisDependency::left);
        Charts::TextAttributes attributes;
        attributes.font = axis->labelFont();
        QList<QPolygonF> labels;
        for (const double value : values) {
            const QSizeF size = Charts::textSize(axis->valueFormatter()->stringForValue(value, axis.get()), attributes);
            QTransform placed;
            placed.translate(transformer->pixelForValues(value, 0).x(), 0).rotate(axis->labelRotationAngle());
            labels << placed.map(QPolygonF(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size)));
        }
        for (qsizetype i = 1; i < labels.size(); ++i) {
            EXPECT_FALSE(labels[i - 1].intersects(labels[i])) << test.width << " label " << i;
        }
    }
}

// A reader hears the chart's name, a summary and each reading with its date and time in the
// profile's patterns, its uncapped value and unit and, on the PEF chart, its zone in words.
TEST_F(ChartPageTest, AReaderHearsEachReadingWithItsDateTimeValueUnitAndZone)
{
    // With a best value of 500, green starts at 400 and yellow at 300.
    const ProfilePtr profile = storeUser({{at(5, 1, 8, 5), 431, 3.234f}, {at(5, 2, 19, 40), 400, 2.5f},
                                          {at(5, 3, 7, 40), 300, 12.5f}, {at(5, 3, 12), 299, 1.0f},
                                          {at(5, 3, 20), 950, 3.0f}});
    const struct {
        Kind kind;
        int dateFormat; // 9 names no row
        bool twentyFour;
        qint32 bestValue;
        bool german;
        QString name;
        QStringList points;
        QString summary;
    } cases[] = {
        {Kind::pef, 0, false, 500, false, "PEF chart",
         {"2026/05/01, AM 08:05, PEF 431 l/min, green zone", "2026/05/02, PM 07:40, PEF 400 l/min, green zone",
          "2026/05/03, AM 07:40, PEF 300 l/min, yellow zone", "2026/05/03, PM 12:00, PEF 299 l/min, red zone",
          "2026/05/03, PM 08:00, PEF 950 l/min, green zone"},
         "Readings: 5, from 2026/05/01 to 2026/05/03. Latest: 2026/05/03, PM 08:00, PEF 950 l/min, green zone. "
         "Best value: 500 l/min. Green zone: 3, yellow zone: 1, red zone: 1."},
        {Kind::pef, 2, true, 0, false, "PEF chart",
         {"01.05.26, 08:05, PEF 431 l/min", "02.05.26, 19:40, PEF 400 l/min", "03.05.26, 07:40, PEF 300 l/min",
          "03.05.26, 12:00, PEF 299 l/min", "03.05.26, 20:00, PEF 950 l/min"},
         "Readings: 5, from 01.05.26 to 03.05.26. Latest: 03.05.26, 20:00, PEF 950 l/min. No best value is set."},
        {Kind::fev1, 1, true, 500, false, "FEV1 chart",
         {"05/01/26, 08:05, FEV1 3.23 litres", "05/02/26, 19:40, FEV1 2.50 litres",
          "05/03/26, 07:40, FEV1 12.50 litres", "05/03/26, 12:00, FEV1 1.00 litres",
          "05/03/26, 20:00, FEV1 3.00 litres"},
         "Readings: 5, from 05/01/26 to 05/03/26. Latest: 05/03/26, 20:00, FEV1 3.00 litres. "
         "Highest FEV1: 12.50 litres."},
        {Kind::fev1, 9, true, 500, true, "FEV1 chart",
         {"01.05.26, 08:05, FEV1 3,23 litres", "02.05.26, 19:40, FEV1 2,50 litres",
          "03.05.26, 07:40, FEV1 12,50 litres", "03.05.26, 12:00, FEV1 1,00 litres",
          "03.05.26, 20:00, FEV1 3,00 litres"},
         "Readings: 5, from 01.05.26 to 03.05.26. Latest: 03.05.26, 20:00, FEV1 3,00 litres. "
         "Highest FEV1: 12,50 litres."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.summary.toStdString());
        std::optional<GermanLocale> german;
        if (test.german) {
            german.emplace();
        }
        profile->date_format = test.dateFormat;
        profile->time_format = test.twentyFour;
        profile->best_Value = test.bestValue;
        ASSERT_TRUE(viewContext().save().ok());
        describedAnew.clear();
        Charts::ChartAccessibility::installEventObserver(&recordDescriptionChange);
        showPage(test.kind);
        Charts::ChartAccessibility::installEventObserver(nullptr);
        EXPECT_TRUE(describedAnew.contains(page->chartView.data()));
        QAccessibleInterface* spoken = spokenChart();
        EXPECT_EQ(spoken->text(QAccessible::Name), test.name);
        EXPECT_EQ(spoken->text(QAccessible::Description), test.summary);
        EXPECT_EQ(pointNames(spoken), test.points);
    }
}

// "Where am I" on a reading stepped to by keyboard: its position and the list's size, as a reader
// takes them from the chart's items (the index among them and their count), count the readings
// alone over all of them, those out of view included.
TEST_F(ChartPageTest, AReadingsPositionCountsTheReadingsAloneOverAllOfThem)
{
    const struct {
        int readings;
        QList<Qt::Key> keys;
        QString heard;
    } cases[] = {{41, {Qt::Key_End, Qt::Key_Left}, "40 of 41"}, {120, {Qt::Key_End}, "120 of 120"},
                 {120, {Qt::Key_Home, Qt::Key_Right}, "2 of 120"}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.heard.toStdString());
        clearStore();
        QList<Reading> readings;
        for (int day = 0; day < test.readings; ++day) {
            readings << Reading(QDateTime(QDate(2025, 1, 1).addDays(day), QTime(8, 0)));
        }
        storeUser(readings);
        showPage(Kind::pef);
        for (const Qt::Key key : test.keys) {
            QTest::keyClick(page->chartView.data(), key);
        }
        QAccessibleInterface* spoken = spokenChart();
        QString heard;
        for (int i = 0; i < spoken->childCount(); ++i) {
            if (spoken->child(i)->state().selected) {
                heard = QStringLiteral("%1 of %2").arg(spoken->indexOfChild(spoken->child(i)) + 1).arg(spoken->childCount());
            }
        }
        EXPECT_EQ(heard, test.heard);
    }
}
