#include "ChartEngine/views/ChartViewBase.h"

#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/DefaultValueFormatter.h"
#include "ChartEngine/foundation/ImageContext.h"
#include "ChartEngine/foundation/MediaClock.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/MoveViewJob.h"

#include "ViewTestChart.h"
#include "support/EventWait.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

using namespace Charts;
using namespace ViewTesting;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// Ten entries at x 0, 10, ..., 90, all at y 50.
QList<QPointF> tenPoints()
{
    QList<QPointF> points;
    for (int i = 0; i < 10; ++i) {
        points << QPointF(i * 10, 50);
    }
    return points;
}

class ConsoleCapture {
public:
    ConsoleCapture() { ChartConsole::setCapture([this](const QString& line) { lines << line; }); }
    ~ConsoleCapture() { ChartConsole::setCapture({}); }
    QStringList lines;
};

}

TEST(ChartViewBaseData, SharedFormatterTakesItsDecimalsFromTheYRange)
{
    struct Case {
        QList<double> ys;
        int decimals;
        QString label; // of the first y
    };
    const QList<Case> cases = {
        {{0.02, 0.5}, 3, QStringLiteral("0.020")},
        {{100, 3000}, -1, QStringLiteral("100")},
        {{1000}, -1, QStringLiteral("1,000")},
        {{1000, 1000.5}, 3, QStringLiteral("1,000.000")},
        // Equal readings take the decimals of the value, as a single reading does.
        {{3.2, 3.2}, 2, QStringLiteral("3.20")},
    };
    for (const Case& c : cases) {
        QList<QPointF> points;
        for (double y : c.ys) {
            points << QPointF(points.size(), y);
        }
        const auto view = fixtureView(points);
        const auto formatter = std::dynamic_pointer_cast<DefaultValueFormatter>(
            view->data()->dataSetAtIndex(0)->valueFormatter());
        ASSERT_TRUE(formatter);
        EXPECT_EQ(formatter, view->defaultValueFormatter()) << c.ys.first();
        EXPECT_EQ(formatter->decimals(), c.decimals) << c.ys.first();
        EXPECT_EQ(formatter->stringForValue(c.ys.first(), nullptr, 0, nullptr), c.label);
    }
}

TEST(ChartViewBaseHighlight, TheRoadSelectsOnlyEntriesThatExist)
{
    struct Case {
        const char* name;
        ViewAction prepare;
        ViewAction act;
        std::optional<double> selectedX; // the one highlight left, none for an empty list
        QStringList told;
        QStringList console;
    };
    const auto nothing = [](LineChartView&) {};
    const auto keepsEarlier = std::optional<double>(90);
    const QList<Case> cases = {
        {"x form, told", nothing, [](LineChartView& v) { v.highlightValue(21.0, 0, -1); }, 21,
         {QStringLiteral("selected 20")}, {}},
        {"highlight form, not told", nothing,
         [](LineChartView& v) { v.highlightValue(std::make_shared<Highlight>(40, notANumber, 0, -1)); }, 40, {}, {}},
        {"data-set index past the sets", nothing,
         [](LineChartView& v) { v.highlightValue(20.0, 1, -1); }, std::nullopt, {QStringLiteral("nothing")}, {}},
        {"negative data-set index", nothing,
         [](LineChartView& v) { v.highlightValue(std::make_shared<Highlight>(20, notANumber, -1, -1), true); },
         std::nullopt, {QStringLiteral("nothing")}, {}},
        {"no highlight", nothing, [](LineChartView& v) { v.highlightValue(nullptr, true); }, std::nullopt,
         {QStringLiteral("nothing")}, {}},
        {"after the values were cleared", [](LineChartView& v) { v.clearValues(); },
         [](LineChartView& v) { v.highlightValue(std::make_shared<Highlight>(20, notANumber, 0, -1), true); },
         std::nullopt, {QStringLiteral("nothing")}, {}},
        {"without data", [](LineChartView& v) { v.setData(nullptr); },
         [](LineChartView& v) { v.highlightValue(20.0, 0, -1); }, keepsEarlier, {},
         {QStringLiteral("Value not highlighted because data is nil")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = fixtureView(tenPoints());
        RecordingDelegate delegate;
        view->setDelegate(&delegate);
        c.prepare(*view);
        const auto earlier = std::make_shared<Highlight>(90, 50, 0, -1);
        view->setHighlighted({earlier});
        view->setLastHighlighted(earlier);
        ConsoleCapture console;

        c.act(*view);

        const HighlightList highlighted = view->highlighted();
        ASSERT_EQ(highlighted.size(), c.selectedX ? 1 : 0);
        if (c.selectedX) {
            EXPECT_EQ(highlighted.first()->x(), *c.selectedX);
        }
        EXPECT_EQ(view->lastHighlighted(), earlier);
        EXPECT_EQ(delegate.calls, c.told);
        EXPECT_EQ(console.lines, c.console);
    }
}

TEST(ChartViewBaseHighlight, MarkersOnlyForRevealedValuesInsideTheContent)
{
    struct Case {
        const char* name;
        double phaseX;
        qint64 dataSetIndex;
        double x;
        QPointF drawAt;
        bool drawn;
    };
    const QPointF inside(100, 100);
    const QList<Case> cases = {
        {"revealed by half an x animation", 0.5, 0, 50, inside, true},
        {"not yet revealed", 0.5, 0, 60, inside, false},
        {"outside the content", 1.0, 0, 50, QPointF(20, 100), false},
        {"data set that no longer exists", 1.0, 3, 50, inside, false},
        {"phase not a number", notANumber, 0, 0, inside, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = fixtureView(tenPoints());
        auto marker = std::make_shared<RecordingMarker>();
        view->setMarker(marker);
        view->chartAnimator()->setPhaseX(c.phaseX);
        auto highlight = std::make_shared<Highlight>(c.x, 50, c.dataSetIndex, -1);
        highlight->setDraw(c.drawAt);
        view->highlightValues({highlight});

        QImage canvas(300, 200, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&canvas);
        view->drawMarkers(painter);

        EXPECT_EQ(marker->points, c.drawn ? QList<QPointF>{c.drawAt} : QList<QPointF>{});
        EXPECT_EQ(marker->entries, c.drawn ? QList<double>{c.x} : QList<double>{});
    }
}

TEST(ChartViewBaseImage, BackgroundAndTransparencyOfTheImage)
{
    struct Case {
        bool transparent;
        std::optional<QColor> background;
        QColor corner;
    };
    const QColor clear(0, 0, 0, 0);
    const QList<Case> cases = {
        {true, std::nullopt, clear},
        {false, std::nullopt, Qt::white},
        {true, QColor(Qt::red), Qt::red},
        // White, the colour under the view, then the view's own background: the colour twice.
        {false, QColor(0, 0, 255, 128), QColor(63, 63, 255)},
    };
    for (const Case& c : cases) {
        const auto view = fixtureView(tenPoints());
        view->setBackgroundColor(c.background);

        const auto image = view->getChartImage(c.transparent);

        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), QSize(300, 200) * image->devicePixelRatio());
        const QColor corner = image->pixelColor(1, 1);
        EXPECT_NEAR(corner.red(), c.corner.red(), 2) << c.transparent;
        EXPECT_NEAR(corner.green(), c.corner.green(), 2) << c.transparent;
        EXPECT_NEAR(corner.blue(), c.corner.blue(), 2) << c.transparent;
        EXPECT_EQ(corner.alpha(), c.corner.alpha()) << c.transparent;
    }
}

TEST(ChartViewBaseImage, ZeroWidthViewGivesNoImageNoFileAndLeavesAnOuterContext)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.png"));
    LineChartView view(QRect(0, 0, 0, 200));
    view.setData(lineData({{0, 1}, {1, 2}}));
    beginImageContext(QSizeF(10, 10), true, 1);
    QPainter* outer = currentImageContext();

    EXPECT_FALSE(view.getChartImage(true));
    EXPECT_FALSE(view.save(path, ChartViewBase::ImageFormat::png, 1));

    EXPECT_EQ(currentImageContext(), outer);
    EXPECT_TRUE(imageFromCurrentImageContext());
    endImageContext();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ChartViewBaseImage, SavedFilesReadBackAsTheChart)
{
    struct Case {
        ChartViewBase::ImageFormat format;
        const char* name;
        bool alpha;
    };
    const QList<Case> cases = {
        {ChartViewBase::ImageFormat::png, "chart.png", true},
        {ChartViewBase::ImageFormat::jpeg, "chart.jpg", false},
    };
    QTemporaryDir folder;
    const auto view = fixtureView(tenPoints());
    for (const Case& c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(view->save(path, c.format, 0.9)) << c.name;
        const QImage image(path);
        EXPECT_EQ(image.size(), QSize(300, 200)) << c.name;
        EXPECT_EQ(image.pixelColor(1, 1).alpha(), c.alpha ? 0 : 255) << c.name;
    }
    EXPECT_FALSE(view->save(folder.filePath(QStringLiteral("missing/chart.png")),
                            ChartViewBase::ImageFormat::png, 1));
}

TEST(ChartViewBaseJobs, JobsWaitForTheFirstSizeAndRunInOrder)
{
    struct Case {
        bool removeLast;
        double leftEdge;
    };
    for (const Case c : {Case{false, 80}, Case{true, 30}}) {
        LineChartView view;
        styleAsFixture(view);
        view.setData(lineData(tenPoints()));
        view.setVisibleXRangeMaximum(23);
        view.moveViewToX(30);
        const auto last = std::make_shared<MoveViewJob>(view.viewPortHandler(), 80, 0,
                                                        view.getTransformer(AxisDependency::left), &view);
        view.addViewportJob(last);
        ASSERT_EQ(view.viewportJobs().size(), 2);
        if (c.removeLast) {
            view.removeViewportJob(last);
        }

        view.setFrame(QRect(0, 0, 300, 200));

        EXPECT_TRUE(view.viewportJobs().isEmpty());
        EXPECT_DOUBLE_EQ(view.lowestVisibleX(), c.leftEdge);
        view.moveViewToX(40);
        EXPECT_DOUBLE_EQ(view.lowestVisibleX(), 40);
    }
}

TEST(ChartViewBaseJobs, AnimatedMovesRunToTheEndAndDieWithTheView)
{
    MediaClock::setNow(100);
    auto view = fixtureView(tenPoints());
    view->setVisibleXRangeMaximum(23);
    view->moveViewToAnimated(50, 0, AxisDependency::left, 1.0);
    MediaClock::setNow(102);
    waitUntil([&] { return view->lowestVisibleX() == 50; });

    view->moveViewToAnimated(10, 0, AxisDependency::left, 1.0);
    view->animateX(1.0);
    MediaClock::setNow(102.5);
    view.reset();
    QTest::qWait(50); // display-link ticks after the view is gone touch nothing
    MediaClock::setNow(std::nullopt);
}
