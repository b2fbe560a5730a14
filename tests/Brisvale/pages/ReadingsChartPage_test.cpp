#include "Brisvale/pages/FEV1Controller.h"
#include "Brisvale/pages/PEFController.h"
#include "Brisvale/pages/RectMarker.h"

#include "Brisvale/pages/PagesTestSupport.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/views/LineChartView.h"

#include <QImage>
#include <functional>

namespace {

// Keeps what a chart page reports as its largest value.
class MaximumRecorder : public QObject, public DataMaxValueDelegate {
public:
    void showMaxValue(const Maximum& value) override { shown << value; }
    QList<Maximum> shown;
};

using MakePage = std::function<std::unique_ptr<ReadingsChartPage>()>;

struct PageKind {
    const char* name;
    MakePage make;
};

const PageKind pef{"PEF", [] { return std::make_unique<PEFController>(); }};
const PageKind fev1{"FEV1", [] { return std::make_unique<FEV1Controller>(); }};

// A chart page on screen (offscreen) at the Data page's size, loaded as when it appears.
class ChartPageTest : public PagesTest {
protected:
    ReadingsChartPage& showPage(const PageKind& kind)
    {
        page = kind.make();
        page->setDelegate(&recorder);
        page->resize(1000, 500);
        page->show();
        page->willAppear();
        return *page;
    }

    Charts::LineChartView& chart() const { return *page->chartView; }

    // A new installation again, within one case.
    void clearStore()
    {
        page.reset();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }

    QList<std::shared_ptr<Charts::ChartDataEntry>> entries() const
    {
        QList<std::shared_ptr<Charts::ChartDataEntry>> found;
        const auto dataSet = chart().data()->dataSetAtIndex(0);
        for (qint64 i = 0; i < dataSet->entryCount(); ++i) {
            found << dataSet->entryForIndex(i);
        }
        return found;
    }

    // Selects the entry as a click would, then draws the chart so that its marker refreshes.
    RectMarker& select(int index)
    {
        chart().highlightValue(entries().at(index)->x(), 0, 0, true);
        QImage image(chart().size(), QImage::Format_ARGB32_Premultiplied);
        chart().render(&image);
        return dynamic_cast<RectMarker&>(*chart().marker());
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
        const PageKind& kind;
        QList<double> ys;
    } cases[] = {{pef, {400, 410, 430, 420}}, {fev1, {1, 2, 3, 4}}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.kind.name);
        showPage(test.kind);
        std::vector<std::pair<double, double>> points;
        for (const auto& entry : entries()) {
            points.emplace_back(entry->x(), entry->y());
        }
        EXPECT_EQ(points, (std::vector<std::pair<double, double>>{
                              {0.0, test.ys[0]}, {1.25, test.ys[1]}, {2.5, test.ys[2]}, {2.5, test.ys[3]}}));
        EXPECT_EQ(page->referenceTime(), at(5, 1, 8).toSecsSinceEpoch());
        EXPECT_EQ(chart().xAxis()->valueFormatter()->stringForValue(2.5, chart().xAxis().get()),
                  QStringLiteral("2026/05/03"));
    }
}

TEST_F(ChartPageTest, ValuesAboveTheAxisAreDrawnAtItsTop)
{
    const struct {
        qint32 pefValue;
        float fev1Value;
        double pefY, fev1Y;
    } cases[] = {
        {900, 9.99f, 900, double(9.99f)},
        {901, 9.990001f, 900, 9.989999771118164},
        {950, 12.5f, 900, 9.989999771118164},
        {120, 3.456f, 120, double(3.456f)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.pefValue);
        clearStore();
        storeUser({{at(5, 1, 8), test.pefValue, test.fev1Value}});
        showPage(pef);
        EXPECT_EQ(entries().first()->y(), test.pefY);
        showPage(fev1);
        EXPECT_EQ(entries().first()->y(), test.fev1Y);
    }
}

TEST_F(ChartPageTest, EntryTextsCarryTheValueOrHiAndTheProfilesDateAndTime)
{
    const ProfilePtr profile = storeUser({{at(5, 1, 8), 950, 12.5f}, {at(5, 3, 20), 900, 3.456f}});
    profile->date_format = 2; // "dd.MM.yy"
    profile->time_format = true; // "HH:mm"
    ASSERT_TRUE(viewContext().save().ok());
    const struct {
        const PageKind& kind;
        QStringList texts;
    } cases[] = {
        {pef, {" PEF: Hi\n 01.05.26\n 08:00\n", " PEF: 900\n 03.05.26\n 20:00\n"}},
        {fev1, {" FEV1: Hi\n 01.05.26\n 08:00", " FEV1: 3.46\n 03.05.26\n 20:00"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.kind.name);
        showPage(test.kind);
        QStringList texts;
        for (const auto& entry : entries()) {
            texts << entry->data().toString();
        }
        EXPECT_EQ(texts, test.texts);
    }
}

TEST_F(ChartPageTest, TheLargestValueIsReportedUncapped)
{
    const struct {
        const PageKind& kind;
        QList<Reading> readings;
        DataMaxValueDelegate::Maximum largest;
    } cases[] = {
        {pef, {{at(5, 1, 8), 950, 12.5f}, {at(5, 2, 8), 400, 2.0f}}, qint32(950)},
        {fev1, {{at(5, 1, 8), 950, 12.5f}, {at(5, 2, 8), 400, 2.0f}}, QStringLiteral("12.50")},
        {fev1, {{at(5, 1, 8), 400, 0.0f}}, QStringLiteral("0.00")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.kind.name);
        clearStore();
        storeUser(test.readings);
        recorder.shown.clear();
        showPage(test.kind);
        EXPECT_EQ(recorder.shown, QList<DataMaxValueDelegate::Maximum>{test.largest});
    }
}

TEST_F(ChartPageTest, NoResultLeavesTheChartEmptyWithNoData)
{
    const struct {
        const PageKind& kind;
        DataMaxValueDelegate::Maximum largest;
    } cases[] = {{pef, qint32(0)}, {fev1, QStringLiteral("0.00")}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.kind.name);
        // A loaded chart, then the current user goes away: the query answers no result.
        clearStore();
        storeUser({{at(5, 1, 8)}});
        showPage(test.kind);
        UserDefaultHelper::setEmail(std::nullopt);
        recorder.shown.clear();
        page->onConditionChange();
        EXPECT_EQ(chart().data(), nullptr);
        EXPECT_EQ(chart().noDataText(), QStringLiteral("No Data"));
        EXPECT_EQ(page->referenceTime(), std::nullopt);
        EXPECT_EQ(recorder.shown, QList<DataMaxValueDelegate::Maximum>{test.largest});
    }
}

TEST_F(ChartPageTest, AtMostThirtyDaysAreShownEndingAtTheNewestReading)
{
    const struct {
        int days;
        double lowest, highest;
    } cases[] = {{100, 69.5, 99.5}, {10, 0.0, 9.5}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.days);
        clearStore();
        QList<Reading> readings;
        for (int day = 0; day < test.days; ++day) {
            // From April to July: no change of summer time in between.
            readings << Reading(QDateTime(QDate(2025, 4, 1).addDays(day), QTime(8, 0)))
                     << Reading(QDateTime(QDate(2025, 4, 1).addDays(day), QTime(20, 0)));
        }
        storeUser(readings);
        for (const PageKind& kind : {pef, fev1}) {
            SCOPED_TRACE(kind.name);
            showPage(kind);
            EXPECT_NEAR(chart().lowestVisibleX(), test.lowest, 1e-6);
            EXPECT_NEAR(chart().highestVisibleX(), test.highest, 1e-6);
        }
    }
}

TEST_F(ChartPageTest, EachChartHasItsYAxis)
{
    storeUser({{at(5, 1, 8)}});
    const struct {
        const PageKind& kind;
        double minimum, maximum;
        bool scaleY;
    } cases[] = {{pef, 50, 900, true}, {fev1, 0, 9.99, false}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.kind.name);
        showPage(test.kind);
        for (const auto& axis : {chart().leftAxis(), chart().rightAxis()}) {
            EXPECT_EQ(axis->axisMinimum(), test.minimum);
            EXPECT_EQ(axis->axisMaximum(), test.maximum);
        }
        EXPECT_EQ(chart().isScaleYEnabled(), test.scaleY);
        EXPECT_FALSE(chart().isScaleXEnabled());
    }
}

TEST_F(ChartPageTest, ZoneBandsFollowTheBestValueAbove50)
{
    const ProfilePtr profile = storeUser({{at(5, 1, 8)}});
    const QList<Charts::ZoneBand> of400 = {{50, 240, {}}, {240, 320, {}}, {320, 900, {}}};
    const struct {
        qint32 bestValue;
        bool withReadings;
        bool shown;
        QList<Charts::ZoneBand> bands; // stored, whether shown or not
    } cases[] = {
        {400, true, true, of400},
        {50, true, false, of400}, // switched off; the bands stay stored
        {51, true, true, {{50, 30.599999999999998, {}}, {30.599999999999998, 40.800000000000004, {}},
                          {40.800000000000004, 900, {}}}},
        {400, false, false, {{50, 30.599999999999998, {}}, {30.599999999999998, 40.800000000000004, {}},
                             {40.800000000000004, 900, {}}}},
    };
    showPage(pef);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.bestValue);
        profile->best_Value = test.bestValue;
        ASSERT_TRUE(viewContext().save().ok());
        UserDefaultHelper::setTime(test.withReadings ? QStringLiteral("All day") : QStringLiteral("12:00-23:59"));
        page->onConditionChange();
        const std::shared_ptr<Charts::YAxis> left = chart().leftAxis();
        EXPECT_EQ(left->drawGridLinesBackgroungEnabled(), test.shown);
        ASSERT_EQ(left->backgroundLimit().size(), test.bands.size());
        for (int i = 0; i < test.bands.size(); ++i) {
            EXPECT_EQ(left->backgroundLimit().at(i).start, test.bands.at(i).start) << i;
            EXPECT_EQ(left->backgroundLimit().at(i).end, test.bands.at(i).end) << i;
        }
    }
    const QList<QRgb> colours = {qRgba(255, 99, 132, 179), qRgba(255, 205, 86, 179), qRgba(75, 192, 192, 128)};
    for (int i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(chart().leftAxis()->backgroundLimit().at(i).color.rgba(), colours.at(i)) << i;
    }
}

TEST_F(ChartPageTest, ChoosingAReadingShowsANewMarkerWithItsTextsAndDay)
{
    storeUser({{at(5, 1, 8), 950, 2.5f}, {at(5, 3, 20), 400, 12.5f}});
    const struct {
        const PageKind& kind;
        int index;
        QString label;
    } cases[] = {
        {pef, 0, " PEF: Hi\n 2026/05/01\n AM 08:00\n\nDate : 01/05/26"},
        {pef, 1, " PEF: 400\n 2026/05/03\n PM 08:00\n\nDate : 03/05/26"},
        {fev1, 0, " FEV1: 2.50\n 2026/05/01\n AM 08:00\nDate : 01/05/26"},
        {fev1, 1, " FEV1: Hi\n 2026/05/03\n PM 08:00\nDate : 03/05/26"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.label.toStdString());
        showPage(test.kind);
        const RectMarker& before = select(test.index);
        const RectMarker& marker = select(test.index);
        EXPECT_NE(&before, &marker) << "a new marker for every selection";
        EXPECT_EQ(marker.labelText(), test.label);
        EXPECT_EQ(marker.chartView(), &chart());
        EXPECT_EQ(marker.minimumSize, QSizeF(60, 30));
        EXPECT_EQ(marker.miniTime, at(5, 1, 8).toSecsSinceEpoch());
        EXPECT_EQ(marker.interval, 86400.0);
        EXPECT_EQ(marker.color, QColor(Qt::white));
    }
}
