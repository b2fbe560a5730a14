#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/views/ChartAccessibilityLabelProvider.h"
#include "ChartEngine/views/LineChartView.h"

#include "ViewTestChart.h"
#include "support/ChartAccessibilityEvents.h"
#include "support/QtPrinters.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

using namespace Charts;
using namespace ViewTesting;

namespace {

// The fixture view through (10, 30), (50, 60), (90, 20), shown, so that it paints its elements.
std::unique_ptr<LineChartView> shownView(const QList<QPointF>& points = {{10, 30}, {50, 60}, {90, 20}})
{
    auto view = fixtureView(points);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->repaint();
    return view;
}

// The x of the highlighted entry, or "none".
QString highlightedX(const LineChartView& view)
{
    const auto highlights = view.highlighted();
    return highlights.isEmpty() ? QStringLiteral("none") : QString::number(highlights.first()->x());
}

// The accessible child whose element stands for entry `entryIndex` of data set `dataSetIndex`.
QAccessibleInterface* entryChild(QAccessibleInterface* chart, qint64 dataSetIndex, qint64 entryIndex)
{
    for (int i = 0; i < chart->childCount(); ++i) {
        const auto* element = qobject_cast<NSUIAccessibilityElement*>(chart->child(i)->object());
        if (element && element->dataSetIndex() == dataSetIndex && element->entryIndex() == entryIndex) {
            return chart->child(i);
        }
    }
    return nullptr;
}

class FixedLabels : public ChartAccessibilityLabelProvider {
public:
    std::optional<QString> summary(const ChartViewBase&) const override { return QStringLiteral("Peak flow, 3 readings"); }
    std::optional<QString> pointLabel(const ChartViewBase&, qint64, qint64 entryIndex) const override
    {
        if (entryIndex == 1) {
            return QStringLiteral("Reading 2: 60 l/min");
        }
        return std::nullopt;
    }
};

}

TEST(ChartKeyboard, KeysStepThroughTheEntriesAsClicksWould)
{
    // The values (10, 30), (50, 60) and (90, 20) lie at (35 + 2x, 140 - y).
    const QPointF first(55, 110);
    const QPointF second(135, 80);
    const QPointF last(215, 120);
    struct Case {
        const char* name;
        QList<Qt::Key> keys;
        QString highlighted;
        QString lastCall;
        QList<QPointF> marker;
    };
    const QList<Case> cases = {
        {"right starts at the first entry", {Qt::Key_Right}, "10", "selected 10", {first}},
        {"left starts at the first entry", {Qt::Key_Left}, "10", "selected 10", {first}},
        {"right steps on", {Qt::Key_Right, Qt::Key_Right}, "50", "selected 50", {second}},
        {"right stops at the last", {Qt::Key_End, Qt::Key_Right}, "90", "selected 90", {last}},
        {"left steps back", {Qt::Key_End, Qt::Key_Left}, "50", "selected 50", {second}},
        {"left stops at the first", {Qt::Key_Home, Qt::Key_Left}, "10", "selected 10", {first}},
        {"end goes to the last", {Qt::Key_End}, "90", "selected 90", {last}},
        {"home goes to the first", {Qt::Key_End, Qt::Key_Home}, "10", "selected 10", {first}},
        {"escape clears", {Qt::Key_Right, Qt::Key_Escape}, "none", "nothing", {}},
        {"escape without a highlight does nothing", {Qt::Key_Escape}, "none", "", {}},
    };
    // A modified arrow is another command; the keypad's arrows step.
    for (const auto& [modifier, highlighted] : QList<std::pair<Qt::KeyboardModifier, QString>>{
             {Qt::ControlModifier, "none"}, {Qt::KeypadModifier, "10"}}) {
        const auto view = fixtureView({{10, 30}, {50, 60}, {90, 20}});
        QTest::keyClick(view.get(), Qt::Key_Right, modifier);
        EXPECT_EQ(highlightedX(*view), highlighted);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = fixtureView({{10, 30}, {50, 60}, {90, 20}});
        RecordingDelegate delegate;
        view->setDelegate(&delegate);
        auto marker = std::make_shared<RecordingMarker>();
        view->setMarker(marker);
        for (const Qt::Key key : c.keys) {
            QTest::keyClick(view.get(), key);
        }
        EXPECT_EQ(highlightedX(*view), c.highlighted);
        EXPECT_EQ(delegate.calls.value(delegate.calls.size() - 1), c.lastCall);
        EXPECT_EQ(view->lastHighlighted() ? QString::number(view->lastHighlighted()->x()) : QStringLiteral("none"),
                  c.highlighted);
        ASSERT_TRUE(view->getChartImage(true));
        EXPECT_EQ(marker->points, c.marker);
    }
}

TEST(ChartKeyboard, ViewTakesFocusByTabAndByClick)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit;
    layout->addWidget(edit);
    auto* chart = new LineChartView;
    chart->setMinimumSize(200, 150);
    layout->addWidget(chart);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(chart->hasFocus());

    edit->setFocus();
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(100, 75));
    EXPECT_TRUE(chart->hasFocus());

    // The focused view shows a frame in the highlight colour along its edge.
    const QColor highlight = chart->palette().color(QPalette::Highlight);
    EXPECT_EQ(chart->grab().toImage().pixelColor(1, 1), highlight);
    edit->setFocus();
    EXPECT_NE(chart->grab().toImage().pixelColor(1, 1), highlight);
}

TEST(ChartAccessibility, NameDescriptionAndRoles)
{
    const auto view = shownView();
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view.get());
    EXPECT_EQ(chart->role(), QAccessible::List);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Chart View"));
    view->setAccessibleName(QStringLiteral("Peak flow chart"));
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Peak flow chart"));
    // The points are the items; the summary is the header's text.
    ASSERT_EQ(chart->childCount(), 3);
    EXPECT_EQ(chart->text(QAccessible::Description), QStringLiteral("Line Chart. 1 dataset. "));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(chart->child(i)->role(), QAccessible::ListItem);
    }
    EXPECT_EQ(entryChild(chart, 0, 1)->text(QAccessible::Name), QStringLiteral(" 50: 60.0"));

    view->setAccessibilityLabelProvider(std::make_shared<FixedLabels>());
    EXPECT_EQ(chart->text(QAccessible::Description), QStringLiteral("Peak flow, 3 readings"));
    EXPECT_EQ(entryChild(chart, 0, 1)->text(QAccessible::Name), QStringLiteral("Reading 2: 60 l/min"));
    // A text the provider does not give stays the engine's.
    EXPECT_EQ(entryChild(chart, 0, 2)->text(QAccessible::Name), QStringLiteral(" 90: 20.0"));
}

// A reader's mouse review asks for the child at the pointer, or walks the children itself and
// takes the first whose rectangle holds it: either way a point, and away from the points nothing
// (the chart itself), never a header as large as the chart.
TEST(ChartAccessibility, ThePointerFindsThePointUnderItAndElseNothing)
{
    // Two points 4 pixels apart, so that their frames overlap.
    const auto view = shownView({{10, 30}, {12, 30}, {90, 20}});
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view.get());
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    // The entry a child stands for; -1 for none, -2 for a child that stands for no entry.
    const auto entryOf = [](QAccessibleInterface* child) -> qint64 {
        const auto* element = child ? qobject_cast<NSUIAccessibilityElement*>(child->object()) : nullptr;
        return !child ? -1 : element && element->isEntry() ? element->entryIndex() : -2;
    };
    struct Case {
        const char* name;
        QPoint at;
        qint64 nearest;
        qint64 firstHolding;
    };
    // Entries at x 55, 59 and 215 pixels, y 110, 110 and 120.
    const QList<Case> cases = {
        {"on the first point", {55, 110}, 0, 0},
        {"inside both frames, nearer the second", {58, 110}, 1, 0},
        {"on the third point", {215, 120}, 2, 2},
        {"away from every point", {150, 40}, -1, -1},
        {"on the view's edge", {2, 2}, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint global = origin + c.at;
        EXPECT_EQ(entryOf(chart->childAt(global.x(), global.y())), c.nearest);
        QAccessibleInterface* walked = nullptr;
        for (int i = 0; i < chart->childCount() && !walked; ++i) {
            walked = chart->child(i)->rect().contains(global) ? chart->child(i) : nullptr;
        }
        EXPECT_EQ(entryOf(walked), c.firstHolding);
    }
}

// Key steps are announced alike (the combined chart's keyboard test shows them).
TEST(ChartAccessibility, AClickAnnouncesTheSelectedPoint)
{
    const auto view = shownView();
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view.get());
    view->setFocus();
    ChartEventCapture capture;
    // The value (50, 60) lies at (135, 80).
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(135, 80));
    view->repaint();
    QAccessibleInterface* point = entryChild(chart, 0, 1);
    ASSERT_NE(point, nullptr);
    EXPECT_TRUE(capture.sent(point->object(), QAccessible::Focus));
    EXPECT_TRUE(capture.sent(point->object(), QAccessible::Selection));
    for (qint64 entry = 0; entry < 3; ++entry) {
        EXPECT_EQ(entryChild(chart, 0, entry)->state().selected, entry == 1) << entry;
    }
}
