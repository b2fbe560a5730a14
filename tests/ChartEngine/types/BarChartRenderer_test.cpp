#include "ChartEngine/types/BarChartRenderer.h"

#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/DefaultValueFormatter.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/types/BarChartView.h"

#include "BarTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

using namespace Charts;
using namespace BarTesting;

namespace {

// A bar renderer that shows its buffers and writes down its value labels and highlights.
class RecordingRenderer : public BarChartRenderer {
public:
    using BarChartRenderer::BarChartRenderer;
    struct Label {
        QString text;
        double x;
        double y;
    };

    const Buffer& bufferOf(qint64 index) const { return m_buffers.at(std::size_t(index)); }
    QList<QRectF> written(qint64 index) const
    {
        const Buffer& b = bufferOf(index);
        return QList<QRectF>(b.rects.begin(), b.rects.begin() + b.written);
    }
    void drawValue(QPainter& painter, const QString& value, double xPos, double yPos, const QFont& font,
                   TextAlignment align, const QColor& color, QPointF anchor, double angle) override
    {
        labels.append({value, xPos, yPos});
        BarChartRenderer::drawValue(painter, value, xPos, yPos, font, align, color, anchor, angle);
    }
    QRectF computeHighlightRect(double x, double y1, double y2, double half, const Transformer& t) const override
    {
        highlightSpans.append({y1, y2});
        return BarChartRenderer::computeHighlightRect(x, y1, y2, half, t);
    }

    QList<Label> labels;
    mutable QList<std::pair<double, double>> highlightSpans;
};

std::shared_ptr<RecordingRenderer> installRecorder(BarChartView& view)
{
    auto renderer = std::make_shared<RecordingRenderer>(&view, view.chartAnimator(), view.viewPortHandler());
    view.setRenderer(renderer);
    view.notifyDataSetChanged();
    return renderer;
}

QImage canvas()
{
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void expectRects(const QList<QRectF>& actual, const QList<QRectF>& expected, const char* name)
{
    ASSERT_EQ(actual.size(), expected.size()) << name;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const QRectF difference(actual[i].topLeft() - expected[i].topLeft(), actual[i].size() - expected[i].size());
        EXPECT_LT(std::abs(difference.x()) + std::abs(difference.y()) + std::abs(difference.width())
                      + std::abs(difference.height()), 1e-9)
            << name << " slot " << i;
    }
}

QStringList elementLabels(const DataRenderer& renderer)
{
    QStringList labels;
    for (const auto& element : renderer.accessibleChartElements()) {
        labels << element->accessibilityLabel();
    }
    return labels;
}

}

TEST(BarChartRenderer, StacksFillOneSlotPerValueFromZeroAndFromTheNegativeSum)
{
    struct Case {
        const char* name;
        QList<double> stack;
        QList<QRectF> rects;
    };
    const Case cases[] = {
        {"mixed", {2, -1, 3}, {QRectF(-0.25, 2, 0.5, -2), QRectF(-0.25, 0, 0.5, -1), QRectF(-0.25, 5, 0.5, -3)}},
        {"zeros", {0, 0}, {QRectF(-0.25, 0, 0.5, 0), QRectF(-0.25, 0, 0.5, 0)}},
    };
    for (const Case& c : cases) {
        BarTestChart chart(barData({barSet({c.stack})}), 0, 10);
        RecordingRenderer renderer(&chart, chart.animator, chart.handler);
        renderer.initBuffers();
        renderer.computeBarRects(*std::dynamic_pointer_cast<BarChartDataSetProtocol>(chart.barData()->dataSetAtIndex(0)), 0);
        expectRects(renderer.written(0), c.rects, c.name);
    }
}

TEST(BarChartRenderer, PlainBarsAreClippedToTheAxisOnlyInABarChartView)
{
    struct Case {
        const char* name;
        bool barView;
        double phaseY;
        QRectF slot;
    };
    // y 1000 on an axis 50..900: cut 100 above and 50 below.
    const Case cases[] = {
        {"view", true, 1.0, QRectF(-0.25, 900, 0.5, -850)},
        {"view animated", true, 0.5, QRectF(-0.25, 450, 0.5, -400)},
        {"other chart", false, 1.0, QRectF(-0.25, 1000, 0.5, -1000)},
    };
    for (const Case& c : cases) {
        auto data = barData({barSet({1000.0})});
        BarTestChart chart(data, 50, 900);
        auto view = fixtureView<BarChartView>(data, 50, 900);
        QObject* provider = c.barView ? static_cast<QObject*>(view.get()) : &chart;
        auto animator = std::make_shared<Animator>();
        animator->setPhaseY(c.phaseY);
        RecordingRenderer renderer(provider, animator, chart.handler);
        renderer.initBuffers();
        renderer.computeBarRects(*std::dynamic_pointer_cast<BarChartDataSetProtocol>(data->dataSetAtIndex(0)), 0);
        expectRects(renderer.written(0), {c.slot}, c.name);
    }
}

TEST(BarChartRenderer, ValueLabelsStandBeyondTheBarEndByTheFontHeightAndGap)
{
    struct Case {
        const char* name;
        bool above;
        bool inverted;
        double value;
        // The label's y as the bar's top (t) or bottom (b) edge in pixels plus h times a and 4.5
        // times g.
        bool fromTop;
        double a;
        double g;
    };
    const Case cases[] = {
        {"above, positive", true, false, 4, true, -1, -1},
        {"above, negative", true, false, -4, false, 0, 1},
        {"inside, positive", false, false, 4, true, 0, 1},
        {"inside, negative", false, false, -4, false, -1, -1},
        {"above, positive, inverted", true, true, 4, true, 0, 1},
        {"above, negative, inverted", true, true, -4, false, -1, -1},
    };
    for (const Case& c : cases) {
        auto dataSet = barSet({0.0, c.value});
        QFont font = dataSet->valueFont();
        font.setPixelSize(10);
        dataSet->setValueFont(font);
        auto view = fixtureView<BarChartView>(barData({dataSet}), -5, 5);
        view->setDrawValueAboveBarEnabled(c.above);
        view->leftAxis()->setInverted(c.inverted);
        auto renderer = installRecorder(*view);
        drawn(*view);
        ASSERT_EQ(renderer->labels.size(), 2) << c.name;
        const QRectF bar = renderer->written(0).at(1);
        const double h = fontLineHeight(font);
        const double edge = c.fromTop ? bar.top() : bar.bottom();
        EXPECT_DOUBLE_EQ(renderer->labels.at(1).y, edge + c.a * h + c.g * 4.5) << c.name;
        EXPECT_DOUBLE_EQ(renderer->labels.at(1).x, bar.center().x()) << c.name;
    }
}

TEST(BarChartRenderer, HighlightFillsTheSegmentOrTheWholeStackAndSkipsWhatDoesNotResolve)
{
    struct Case {
        const char* name;
        bool fullBar;
        std::shared_ptr<Highlight> highlight;
        QList<std::pair<double, double>> spans;
    };
    // The stack [2, 3, -1] has the ranges 0..2, 2..5 and -1..0.
    const Case cases[] = {
        {"segment", false, std::make_shared<Highlight>(0.0, 0, 1), {{2.0, 5.0}}},
        {"full bar", true, std::make_shared<Highlight>(0.0, 0, 1), {{5.0, -1.0}}},
        {"whole entry", false, std::make_shared<Highlight>(0.0, 0, -1), {{4.0, 0.0}}},
        {"segment beyond the stack", false, std::make_shared<Highlight>(0.0, 0, 3), {}},
        {"no such set", false, std::make_shared<Highlight>(0.0, 1, 0), {}},
        {"negative set", false, std::make_shared<Highlight>(0.0, -1, 0), {}},
        {"no highlight", false, nullptr, {}},
    };
    for (const Case& c : cases) {
        auto view = fixtureView<BarChartView>(barData({barSet({QList<double>{2, 3, -1}})}), -5, 5);
        view->setHighlightFullBarEnabled(c.fullBar);
        auto renderer = installRecorder(*view);
        QImage image = canvas();
        QPainter painter(&image);
        renderer->drawHighlighted(painter, {c.highlight});
        EXPECT_EQ(renderer->highlightSpans, c.spans) << c.name;
    }
}

TEST(BarChartRenderer, AnXAnimationDrawsNothingBeyondItsShareAfterAFullDraw)
{
    // Four black bars at x 1..4, y 5: their middles at (58 + 23i, 100).
    auto dataSet = barSet({0.0, 5.0, 5.0, 5.0, 5.0});
    dataSet->setColor(Qt::black);
    dataSet->setDrawValuesEnabled(false);
    auto view = fixtureView<BarChartView>(barData({dataSet}));
    view->xAxis()->setDrawGridLinesEnabled(false);
    view->notifyDataSetChanged();
    drawn(*view);
    view->chartAnimator()->setPhaseX(0.5);
    const QImage image = drawn(*view);
    EXPECT_EQ(qGray(image.pixel(58 + 23, 100)), 0);
    for (const int i : {3, 4}) {
        EXPECT_EQ(image.pixel(35 + 23 * i, 100), qRgb(255, 255, 255)) << i;
    }
}

TEST(BarChartRenderer, ElementsFollowTheHeaderGroupedByEntry)
{
    struct Case {
        const char* name;
        Charts::ChartDataSetList sets;
        QStringList labels;
    };
    auto plain = barSet({1.0, 2.0}, QStringLiteral("A"));
    auto other = barSet({3.0, 4.0}, QStringLiteral("B"));
    auto stacked = barSet({QList<double>{1, 2}}, QStringLiteral("S"));
    stacked->setColors({Qt::red, Qt::blue});
    stacked->setStackLabels({QStringLiteral("low"), QStringLiteral("high")});
    const Case cases[] = {
        {"one set", {plain}, {"Bar Chart. 1 dataset. A", " Mon: 1", " Tue: 2"}},
        {"two sets", {plain, other}, {"Bar Chart. 2 datasets. A, B", "A,  Mon: 1", "B,  Mon: 3", "A,  Tue: 2", "B,  Tue: 4"}},
        {"stack labels", {stacked}, {"Bar Chart. 1 dataset. S", " Mon: low 1", " Mon: high 2"}},
    };
    for (const Case& c : cases) {
        auto view = fixtureView<BarChartView>(barData(c.sets));
        for (const auto& set : c.sets) {
            set->setValueFormatter(std::make_shared<DefaultValueFormatter>(0));
        }
        view->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(QStringList{"Mon", "Tue"}));
        ASSERT_TRUE(view->getChartImage(false).has_value()) << c.name;
        EXPECT_EQ(elementLabels(*view->renderer()), c.labels) << c.name;
    }
}

TEST(BarChartRenderer, EntriesAddedSinceTheLastDataChangeAreNotDrawn)
{
    // Stacks [1, 2] and [1, 2, 3] in a set whose stack size was counted at three: the slot of the
    // second entry's first value is slot 2, coloured by slot, named after its entry and value.
    auto dataSet = barSet({QList<double>{1, 2}, QList<double>{1, 2, 3}});
    dataSet->setColors({Qt::red, Qt::green, Qt::blue});
    auto view = fixtureView<BarChartView>(barData({dataSet}));
    dataSet->setValueFormatter(std::make_shared<DefaultValueFormatter>(0));
    view->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(QStringList{"Mon", "Tue", "Wed"}));
    auto renderer = installRecorder(*view);
    dataSet->addEntry(std::make_shared<BarChartDataEntry>(2.0, QList<double>{1, 1, 1, 1}));
    std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(0))->setYValues(QList<double>{1, 1, 1, 1});
    drawn(*view);
    // 6 slots: the first stack now fills 4 of them, the second 2; the third entry has none.
    EXPECT_EQ(renderer->bufferOf(0).written, 6);
    const QStringList labels = elementLabels(*renderer);
    EXPECT_EQ(labels.size(), 7);
    EXPECT_EQ(labels.at(5), QStringLiteral(" Tue: 1"));
}

TEST(BarChartRenderer, ElementOfASlotNamesItsOwnEntryAndValue)
{
    auto dataSet = barSet({QList<double>{1, 2}, QList<double>{1, 2, 3}});
    dataSet->setColors({Qt::red, Qt::green, Qt::blue});
    dataSet->setDrawValuesEnabled(false);
    auto view = fixtureView<BarChartView>(barData({dataSet}));
    dataSet->setValueFormatter(std::make_shared<DefaultValueFormatter>(0));
    view->xAxis()->setDrawGridLinesEnabled(false);
    view->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(QStringList{"Mon", "Tue"}));
    auto renderer = installRecorder(*view);
    const QImage image = drawn(*view);
    EXPECT_EQ(renderer->bufferOf(0).written, 5);
    EXPECT_EQ(elementLabels(*renderer),
              (QStringList{"Bar Chart. 1 dataset. ", " Mon: 1", " Mon: 2", " Tue: 1", " Tue: 2", " Tue: 3"}));
    // Slot 2 (the second bar's lowest segment, y 0..1 at x 1) is blue.
    EXPECT_EQ(image.pixel(58, 134), qRgb(0, 0, 255));
}

TEST(BarChartRendererDeathTest, DataSetsOfAnotherKindStopTheProgram)
{
    auto data = std::make_shared<BarChartData>(ChartDataSetList{std::make_shared<ChartDataSet>(
        ChartDataEntryList{std::make_shared<ChartDataEntry>(1.0, 2.0)}, QStringLiteral("line"))});
    BarTestChart chart(data, 0, 10);
    BarChartRenderer renderer(&chart, chart.animator, chart.handler);
    QImage image = canvas();
    QPainter painter(&image);
    // The console's line is sent to the standard error, which the death test reads.
    const auto run = [&] {
        ChartConsole::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
        renderer.drawData(painter);
    };
    EXPECT_DEATH(run(), "Datasets for BarChartRenderer must conform to IBarChartDataset");
}

TEST(BarChartRenderer, ShadowColumnsFillTheContentHeightBehindEachBar)
{
    // A white bar 0..2 at x 1 (pixels 52.25..63.75 across, 115..140 down) over a black shadow.
    auto dataSet = barSet({0.0, 2.0});
    dataSet->setColor(Qt::white);
    dataSet->setBarShadowColor(Qt::black);
    dataSet->setDrawValuesEnabled(false);
    auto view = fixtureView<BarChartView>(barData({dataSet}));
    view->setDrawBarShadowEnabled(true);
    view->xAxis()->setDrawGridLinesEnabled(false);
    view->leftAxis()->setDrawGridLinesEnabled(false);
    const QImage image = drawn(*view);
    EXPECT_EQ(image.pixel(58, 30), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(58, 130), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(80, 30), qRgb(255, 255, 255));
}
