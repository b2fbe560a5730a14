#include "ChartEngine/components/LegendRenderer.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/data/CandleChartDataEntry.h"
#include "ChartEngine/data/CandleChartDataSet.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

using namespace Charts;

namespace {

using Form = Legend::Form;

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);

// What the renderer drew, in order.
struct Drawn {
    QString what; // "form" or the label's text
    QPointF at;
    bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& drawn, std::ostream* os)
{
    *os << drawn.what.toStdString() << " at (" << drawn.at.x() << ", " << drawn.at.y() << ')';
}

class RecordingRenderer : public LegendRenderer {
public:
    using LegendRenderer::LegendRenderer;

    void drawForm(QPainter&, double x, double y, const LegendEntry&, const Legend&) override
    {
        drawn.append({QStringLiteral("form"), QPointF(x, y)});
    }
    void drawLabel(QPainter&, double x, double y, const QString& label, const QFont&,
                   const QColor&) override
    {
        drawn.append({label, QPointF(x, y)});
    }

    QList<Drawn> drawn;
};

// A 400 x 300 chart whose content spans x 20..380 and y 10..270.
std::shared_ptr<ViewPortHandler> chartHandler()
{
    auto handler = std::make_shared<ViewPortHandler>(400.0, 300.0);
    handler->restrainViewPort(20.0, 10.0, 20.0, 30.0);
    return handler;
}

std::shared_ptr<LegendEntry> entry(std::optional<QString> label, Form form = Form::square)
{
    auto result = std::make_shared<LegendEntry>(std::move(label));
    result->setForm(form);
    result->setFormColor(red);
    return result;
}

QList<Drawn> render(RecordingRenderer& renderer)
{
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    renderer.renderLegend(painter);
    return renderer.drawn;
}

double widthOf(const QString& text)
{
    return textSize(text, TextAttributes{systemFont(10)}).width();
}

double lineHeight()
{
    return fontLineHeight(systemFont(10));
}

std::shared_ptr<LineChartDataSet> lineSet(qsizetype entryCount, const QList<QColor>& colors)
{
    ChartDataEntryList entries;
    for (qsizetype i = 0; i < entryCount; ++i) {
        entries.append(std::make_shared<ChartDataEntry>(double(i), 1.0));
    }
    auto set = std::make_shared<LineChartDataSet>(entries, QStringLiteral("PEF"));
    set->setColors(colors);
    return set;
}

std::shared_ptr<BarChartDataSet> stackedBars()
{
    auto bar = std::make_shared<BarChartDataEntry>(0.0, QList<double>{1.0, 2.0, 3.0});
    auto set = std::make_shared<BarChartDataSet>(ChartDataEntryList{bar}, QStringLiteral("Bars"));
    set->setColors({red, green, blue});
    set->setStackLabels({QStringLiteral("a"), QStringLiteral("b")});
    return set;
}

std::shared_ptr<CandleChartDataSet> candles(bool withDecreasingColor)
{
    auto candle = std::make_shared<CandleChartDataEntry>(0.0, 4.0, 1.0, 2.0, 3.0);
    auto set = std::make_shared<CandleChartDataSet>(ChartDataEntryList{candle},
                                                    QStringLiteral("Candles"));
    set->setColors({blue});
    set->setIncreasingColor(green);
    if (withDecreasingColor) {
        set->setDecreasingColor(red);
    }
    return set;
}

// An entry as computed: its label, form colour and form.
struct Expected {
    std::optional<QString> label;
    std::optional<QColor> color;
    Form form = Form::legendDefault;
};

}

TEST(LegendRenderer, EntriesFollowEachDataSetsKind)
{
    const std::optional<QString> none;
    struct Case {
        const char* name;
        std::shared_ptr<ChartDataSetProtocol> dataSet;
        QList<Expected> entries;
    };
    const QList<Case> cases = {
        {"one colour", lineSet(10, {red}), {{QStringLiteral("PEF"), red}}},
        {"three colours stack before the label", lineSet(10, {red, green, blue}),
         {{none, red}, {none, green}, {QStringLiteral("PEF"), blue}}},
        {"more colours than entries", lineSet(1, {red, green, blue}), {{QStringLiteral("PEF"), red}}},
        {"stacked bar", stackedBars(),
         {{QStringLiteral("a"), red},
          {QStringLiteral("b"), green},
          {none, blue},
          {QStringLiteral("Bars"), std::nullopt, Form::none}}},
        {"candle with a decreasing colour", candles(true),
         {{none, red}, {QStringLiteral("Candles"), green}}},
        {"candle without one", candles(false), {{QStringLiteral("Candles"), blue}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto legend = std::make_shared<Legend>();
        LegendRenderer renderer(chartHandler(), legend);
        renderer.computeLegend(ChartData(ChartDataSetList{c.dataSet}));
        const LegendEntryList entries = legend->entries();
        ASSERT_EQ(entries.size(), c.entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i]->label(), c.entries[i].label) << i;
            EXPECT_EQ(entries[i]->formColor(), c.entries[i].color) << i;
            EXPECT_EQ(entries[i]->form(), c.entries[i].form) << i;
        }
        EXPECT_EQ(legend->calculatedLabelSizes().size(), entries.size());
    }
}

TEST(LegendRenderer, ExtraEntriesFollowComputedEntriesOnlyAndCustomEntriesStay)
{
    auto legend = std::make_shared<Legend>();
    legend->setExtraEntries({entry(QStringLiteral("extra"))});
    LegendRenderer renderer(chartHandler(), legend);
    const ChartData data(ChartDataSetList{lineSet(3, {red})});

    renderer.computeLegend(data);
    ASSERT_EQ(legend->entries().size(), 2);
    EXPECT_EQ(legend->entries()[1]->label(), QStringLiteral("extra"));

    legend->setCustom({entry(QStringLiteral("mine"))});
    renderer.computeLegend(data);
    ASSERT_EQ(legend->entries().size(), 1);
    EXPECT_EQ(legend->entries()[0]->label(), QStringLiteral("mine"));
    EXPECT_EQ(legend->calculatedLabelSizes().size(), 1);
}

// Three entries of which two fit a row: each row is centred on the content's middle + xOffset.
TEST(LegendRenderer, CentredRowsAreEachCentredOnTheirOwnWidth)
{
    const QString a = QStringLiteral("AAAA");
    const double e = 8 + 5 + widthOf(a);
    const double lh = lineHeight();
    auto legend = std::make_shared<Legend>();
    legend->setCustom({entry(a), entry(a), entry(a)});
    legend->setHorizontalAlignment(Legend::HorizontalAlignment::center);
    legend->setMaxSizePercent((2 * e + 6 + e / 2) / 360.0);
    RecordingRenderer renderer(chartHandler(), legend);
    renderer.computeLegend(ChartData());

    const double origin = 20 + 180 + 5;
    const double top = 300 - 3 - (2 * lh + 3);
    const double first = origin - (2 * e + 6) / 2;
    const double second = origin - e / 2;
    const QList<Drawn> expected = {
        {QStringLiteral("form"), {first, top + lh / 2}},
        {a, {first + 13, top}},
        {QStringLiteral("form"), {first + e + 6, top + lh / 2}},
        {a, {first + e + 6 + 13, top}},
        {QStringLiteral("form"), {second, top + lh + lh / 2}},
        {a, {second + 13, top + lh}},
    };
    EXPECT_EQ(render(renderer), expected);
}

TEST(LegendRenderer, RightToLeftRowsPutEachLabelLeftOfItsForm)
{
    const QString a = QStringLiteral("AAAA");
    const QString p = QStringLiteral("PEF");
    const double lh = lineHeight();
    auto legend = std::make_shared<Legend>();
    legend->setCustom({entry(a), entry(std::nullopt), entry(p)});
    legend->setDirection(Legend::Direction::rightToLeft);
    legend->setVerticalAlignment(Legend::VerticalAlignment::top);
    RecordingRenderer renderer(chartHandler(), legend);
    renderer.computeLegend(ChartData());

    const double origin = 20 + 5 + legend->neededWidth();
    const double formY = 3 + lh / 2;
    const double afterFirst = origin - 8 - 5 - widthOf(a) - 6;
    const QList<Drawn> expected = {
        {QStringLiteral("form"), {origin - 8, formY}},
        {a, {origin - 8 - 5 - widthOf(a), 3}},
        {QStringLiteral("form"), {afterFirst - 8, formY}},
        {QStringLiteral("form"), {afterFirst - 8 - 3 - 8, formY}},
        {p, {afterFirst - 8 - 3 - 8 - 5 - widthOf(p), 3}},
    };
    EXPECT_EQ(render(renderer), expected);
}

// Two stacked forms and a labelled entry share the first line, its label goes on the second,
// the last entry takes the third.
TEST(LegendRenderer, VerticalLegendPutsTheLabelOfAStackBelowItsForms)
{
    const double lh = lineHeight();
    auto legend = std::make_shared<Legend>();
    legend->setCustom({entry(std::nullopt), entry(std::nullopt), entry(QStringLiteral("A")),
                       entry(QStringLiteral("B"))});
    legend->setOrientation(Legend::Orientation::vertical);
    legend->setVerticalAlignment(Legend::VerticalAlignment::top);
    RecordingRenderer renderer(chartHandler(), legend);
    renderer.computeLegend(ChartData());

    const double top = 3 + 10;
    const QList<Drawn> expected = {
        {QStringLiteral("form"), {5, top + lh / 2}},
        {QStringLiteral("form"), {5 + 11, top + lh / 2}},
        {QStringLiteral("form"), {5 + 22, top + lh / 2}},
        {QStringLiteral("A"), {5, top + lh}},
        {QStringLiteral("form"), {5, top + 2 * lh + lh / 2}},
        {QStringLiteral("B"), {5 + 8 + 5, top + 2 * lh}},
    };
    EXPECT_EQ(render(renderer), expected);
}

// Entries set after the last layout are drawn with their labels measured, never from sizes the
// layout did not compute for them.
TEST(LegendRenderer, LegendDrawnBeforeItsLayoutMeasuresItsLabels)
{
    const QString a = QStringLiteral("AAAA");
    const QString p = QStringLiteral("PEF");
    auto legend = std::make_shared<Legend>();
    legend->setEntries({entry(a, Form::none), entry(p, Form::none)});
    legend->setVerticalAlignment(Legend::VerticalAlignment::top);
    RecordingRenderer renderer(chartHandler(), legend);

    const QList<Drawn> expected = {{a, {25, 3}}, {p, {25 + widthOf(a) + 6, 3}}};
    EXPECT_EQ(render(renderer), expected);
}

TEST(LegendRenderer, FormsFillTheirShapeInTheFormColour)
{
    struct Case {
        const char* name;
        Form entryForm;
        Form legendForm;
        std::optional<QColor> color;
        QList<QPoint> filled;
        QList<QPoint> empty;
    };
    // A 10-point form at x 10 centred on y 20: box 10..20 by 15..25.
    const QList<Case> cases = {
        {"square", Form::square, Form::square, red, {{10, 15}, {19, 24}}, {{9, 20}, {20, 20}}},
        {"circle through the legend's default", Form::legendDefault, Form::legendDefault, red,
         {{15, 20}}, {{10, 15}, {19, 24}}},
        {"dashed line", Form::line, Form::square, red, {{10, 20}, {11, 20}}, {{13, 20}, {15, 23}}},
        {"clear colour", Form::square, Form::square, QColor(Qt::transparent), {}, {{15, 20}}},
        {"no colour", Form::square, Form::square, std::nullopt, {}, {{15, 20}}},
        {"blank", Form::blank, Form::square, red, {}, {{15, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Legend legend;
        legend.setForm(c.legendForm);
        legend.setFormLineDashLengths(QList<double>{2.0});
        LegendEntry formEntry;
        formEntry.setForm(c.entryForm);
        formEntry.setFormSize(10.0);
        formEntry.setFormLineWidth(2.0);
        formEntry.setFormColor(c.color);
        LegendRenderer renderer(chartHandler(), nullptr);
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.drawForm(painter, 10.0, 20.0, formEntry, legend);
        painter.end();
        for (const QPoint& point : c.filled) {
            EXPECT_EQ(image.pixelColor(point), red) << point.x() << ", " << point.y();
        }
        for (const QPoint& point : c.empty) {
            EXPECT_EQ(image.pixelColor(point).alpha(), 0) << point.x() << ", " << point.y();
        }
    }
}
