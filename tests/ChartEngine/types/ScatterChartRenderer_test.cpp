#include "ChartEngine/types/ScatterChartRenderer.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/types/ScatterChartView.h"
#include "ChartEngine/types/ShapeRenderer.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/views/ChartAccessibilityLabelProvider.h"

#include "XYChartFixture.h"
#include "support/QtPrinters.h"

#include <QAccessible>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Charts;
using namespace XYChartFixture;

namespace {

// Writes down where it is asked to draw.
class RecordingShape : public ShapeRenderer {
public:
    void renderShape(QPainter&, const ScatterChartDataSetProtocol&, const ViewPortHandler&, QPointF point,
                     const QColor&) override
    {
        points << point;
    }

    QList<QPointF> points;
};

std::unique_ptr<ScatterChartView> scatterView(const QList<QPointF>& points, std::shared_ptr<ShapeRenderer> shape)
{
    ChartDataEntryList entries;
    for (const QPointF& point : points) {
        entries << std::make_shared<ChartDataEntry>(point.x(), point.y());
    }
    auto dataSet = std::make_shared<ScatterChartDataSet>(entries, QStringLiteral("A"));
    dataSet->setShapeRenderer(std::move(shape));
    return fixtureView<ScatterChartView>(std::make_shared<ScatterChartData>(ChartDataSetList{dataSet}));
}

}

// The entries are taken in index order: the first point right of the content ends the set.
TEST(ScatterChartRendererTest, ShapesAreDrawnUpToTheRightEdgeOfTheContent)
{
    struct Case {
        const char* name;
        QList<QPointF> points;
        double phaseX;
        double phaseY;
        QList<QPointF> drawn;
    };
    const Case cases[] = {
        {"half the x phase over five entries considers three", {{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}}, 0.5, 0.5,
         {pixel(1, 2), pixel(2, 2), pixel(3, 2)}},
        {"a point right of the content ends the set", {{1, 5}, {12, 5}, {3, 5}}, 1, 1, {pixel(1, 5)}},
        {"points left, above or below are skipped", {{-1, 5}, {2, 12}, {3, -2}, {4, 5}}, 1, 1, {pixel(4, 5)}},
        {"an x phase that is not a number draws nothing", {{1, 5}}, std::nan(""), 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto shape = std::make_shared<RecordingShape>();
        auto view = scatterView(c.points, shape);
        view->chartAnimator()->setPhaseX(c.phaseX);
        view->chartAnimator()->setPhaseY(c.phaseY);
        recorded([&](QPainter& painter) { view->renderer()->drawData(painter); });
        EXPECT_EQ(shape->points, c.drawn);
        // The header, then an element for each entry; those of the drawn points are on screen.
        const auto elements = view->accessibilityChildren();
        EXPECT_EQ(elements.size(), c.points.size() + 1);
        EXPECT_EQ(std::count_if(elements.begin() + 1, elements.end(),
                                [](const auto& e) { return !QAccessible::queryAccessibleInterface(e.get())->state().offscreen; }),
                  c.drawn.size());
    }
}

// A point reads as a line chart's point does, and an application's label provider gives its own.
TEST(ScatterChartRendererTest, EachPointIsAnElementReadAsALinePoint)
{
    class SecondPointLabel : public ChartAccessibilityLabelProvider {
    public:
        std::optional<QString> summary(const ChartViewBase&) const override { return std::nullopt; }
        std::optional<QString> pointLabel(const ChartViewBase&, qint64 dataSetIndex, qint64 entryIndex) const override
        {
            return dataSetIndex == 0 && entryIndex == 1 ? std::optional<QString>(QStringLiteral("Reading 2"))
                                                        : std::nullopt;
        }
    };
    struct Case {
        const char* name;
        QList<QList<QPointF>> sets;
        bool provider;
        QStringList names;
    };
    const QList<Case> cases = {
        {"one set reads without its label", {{{2, 5}, {4, 6}}}, false, {" 2: 5.0", " 4: 6.0"}},
        {"two sets read with theirs", {{{2, 5}}, {{4, 6}}}, false, {"A,  2: 5.0", "B,  4: 6.0"}},
        {"the provider's text where it gives one", {{{2, 5}, {4, 6}}}, true, {" 2: 5.0", "Reading 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartDataSetList sets;
        for (const auto& points : c.sets) {
            ChartDataEntryList entries;
            for (const QPointF& point : points) {
                entries << std::make_shared<ChartDataEntry>(point.x(), point.y());
            }
            const QString label = sets.isEmpty() ? QStringLiteral("A") : QStringLiteral("B");
            auto dataSet = std::make_shared<ScatterChartDataSet>(entries, label);
            dataSet->setValueFormatter(std::make_shared<RecordingFormatter>());
            sets << dataSet;
        }
        auto view = fixtureView<ScatterChartView>(std::make_shared<ScatterChartData>(sets));
        if (c.provider) {
            view->setAccessibilityLabelProvider(std::make_shared<SecondPointLabel>());
        }
        ASSERT_TRUE(view->getChartImage(false));
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view.get());
        QStringList names;
        for (int i = 0; i < chart->childCount(); ++i) {
            names << chart->child(i)->text(QAccessible::Name);
        }
        EXPECT_EQ(names, c.names);
        // A square of three shape sizes around the point.
        const QPointF first = pixel(2, 5);
        EXPECT_EQ(view->accessibilityChildren().value(1)->accessibilityFrame(),
                  QRectF(first.x() - 15, first.y() - 15, 30, 30));
    }
}

TEST(ScatterChartRendererTest, ASetWithoutShapeRendererSaysSoOncePerDrawAndStillShowsItsValues)
{
    QStringList lines;
    ChartConsole::setCapture([&lines](const QString& line) { lines << line; });
    auto view = scatterView({{2, 3}, {4, 6}}, nullptr);
    auto formatter = std::make_shared<RecordingFormatter>();
    view->data()->dataSets().first()->setValueFormatter(formatter);
    const auto drawn = recorded([&](QPainter& painter) {
        view->renderer()->drawData(painter);
        view->renderer()->drawData(painter);
        view->renderer()->drawValues(painter);
    });
    ChartConsole::setCapture({});
    EXPECT_EQ(lines, QStringList(2, QStringLiteral("There's no ShapeRenderer specified for ScatterDataSet")));
    EXPECT_EQ(formatter->values, (QList<double>{3, 6}));
}
