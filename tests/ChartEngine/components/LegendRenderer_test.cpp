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

std::shared_ptr<ChartDataSetProtocol> lineSet(qsizetype entryCount, const QList<QColor>& colors)
{
    ChartDataEntryList entries;
    for (qsizetype i = 0; i < entryCount; ++i) {
        entries.append(std::make_shared<ChartDataEntry>(double(i), 1.0));
    }
    auto set = std::make_shared<LineChartDataSet>(entries, QStringLiteral("PEF"));
    set->setColors(colors);
    return set;
}

std::shared_ptr<ChartDataSetProtocol> stackedBars()
{
    auto bar = std::make_shared<BarChartDataEntry>(0.0, QList<double>{1.0, 2.0, 3.0});
    auto set = std::make_shared<BarChartDataSet>(ChartDataEntryList{bar}, QStringLiteral("Bars"));
    set->setColors({red, green, blue});
    set->setStackLabels({QStringLiteral("a"), QStringLiteral("b")});
    return set;
}

std::shared_ptr<ChartDataSetProtocol> candles(std::optional<QColor> decreasing)
{
    auto candle = std::make_shared<CandleChartDataEntry>(0.0, 4.0, 1.0, 2.0, 3.0);
    auto set = std::make_shared<CandleChartDataSet>(ChartDataEntryList{candle}, QStringLiteral("C"));
    set->setColors({blue});
    set->setIncreasingColor(green);
    set->setDecreasingColor(decreasing);
    return set;
}

// "label colour", "-" for no label; a form of none is marked.
QStringList described(const LegendEntryList& entries)
{
    QStringList result;
    for (const std::shared_ptr<LegendEntry>& entry : entries) {
        const std::optional<QColor> color = entry->formColor();
        result.append(entry->label().value_or(QStringLiteral("-")) + QLatin1Char(' ')
                      + (color ? color->name() : QStringLiteral("none"))
                      + (entry->form() == Form::none ? QStringLiteral(" (no form)") : QString()));
    }
    return result;
}

}

TEST(LegendRenderer, EntriesFollowEachDataSetsKind)
{
    struct Case {
        const char* name;
        std::shared_ptr<ChartDataSetProtocol> dataSet;
        QStringList entries;
        bool withExtraEntry = false;
    };
    const QList<Case> cases = {
        {"one colour", lineSet(10, {red}), {"PEF #ff0000"}},
        {"colours stack before the label", lineSet(10, {red, green, blue}),
         {"- #ff0000", "- #00ff00", "PEF #0000ff"}},
        {"more colours than entries", lineSet(1, {red, green, blue}), {"PEF #ff0000"}},
        {"extra entries follow", lineSet(1, {red}), {"PEF #ff0000", "extra #ff0000"}, true},
        {"stacked bar", stackedBars(),
         {"a #ff0000", "b #00ff00", "- #0000ff", "Bars none (no form)"}},
        {"candle with a decreasing colour", candles(red), {"- #ff0000", "C #00ff00"}},
        {"candle without one", candles(std::nullopt), {"C #0000ff"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto legend = std::make_shared<Legend>();
        if (c.withExtraEntry) {
            legend->setExtraEntries({entry(QStringLiteral("extra"))});
        }
        LegendRenderer renderer(chartHandler(), legend);
        renderer.computeLegend(ChartData(ChartDataSetList{c.dataSet}));
        EXPECT_EQ(described(legend->entries()), c.entries);
        EXPECT_EQ(legend->calculatedLabelSizes().size(), c.entries.size());
    }
}

// Where forms (by their left edge and vertical centre) and labels (by their top-left corner)
// go. The content's left edge is 20, its middle 200, its top 10; offsets 5 and 3.
TEST(LegendRenderer, EntriesAreDrawnWhereTheLayoutPlacesThem)
{
    using enum Legend::Orientation;
    const QString a = QStringLiteral("AAAA");
    const QString p = QStringLiteral("PEF");
    const QString form = QStringLiteral("form");
    const double wa = widthOf(a);
    const double wp = widthOf(p);
    const double e = 8 + 5 + wa;
    const double lh = lineHeight();
    const double mid = lh / 2;
    const double centredRow1 = 205 - (2 * e + 6) / 2;
    // neededWidth holds the x offset too.
    const double rtlOrigin = 25 + (8 + 5 + wa + 6 + 8 + 3 + 8 + 5 + wp) + 5;
    const double rtlSecond = rtlOrigin - e - 6 - 8;
    struct Case {
        const char* name;
        LegendEntryList entries;
        Legend::Orientation orientation;
        Legend::HorizontalAlignment alignment;
        Legend::Direction direction;
        bool laidOut;
        QList<Drawn> drawn;
    };
    const QList<Case> cases = {
        {"centred rows, each on its own width",
         {entry(a), entry(a), entry(a)}, horizontal, Legend::HorizontalAlignment::center,
         Legend::Direction::leftToRight, true,
         {{form, {centredRow1, 3 + mid}}, {a, {centredRow1 + 13, 3}},
          {form, {centredRow1 + e + 6, 3 + mid}}, {a, {centredRow1 + e + 6 + 13, 3}},
          {form, {205 - e / 2, 3 + lh + mid}}, {a, {205 - e / 2 + 13, 3 + lh}}}},
        {"right to left: labels left of their forms",
         {entry(a), entry(std::nullopt), entry(p)}, horizontal, Legend::HorizontalAlignment::left,
         Legend::Direction::rightToLeft, true,
         {{form, {rtlOrigin - 8, 3 + mid}}, {a, {rtlOrigin - e, 3}},
          {form, {rtlSecond, 3 + mid}}, {form, {rtlSecond - 3 - 8, 3 + mid}},
          {p, {rtlSecond - 3 - 8 - 5 - wp, 3}}}},
        {"vertical: a stack's label below its forms",
         {entry(std::nullopt), entry(std::nullopt), entry(a), entry(p)}, vertical,
         Legend::HorizontalAlignment::left, Legend::Direction::leftToRight, true,
         {{form, {5, 13 + mid}}, {form, {16, 13 + mid}}, {form, {27, 13 + mid}}, {a, {5, 13 + lh}},
          {form, {5, 13 + 2 * lh + mid}}, {p, {18, 13 + 2 * lh}}}},
        {"drawn before its layout: labels measured",
         {entry(a, Form::none), entry(p, Form::none)}, horizontal,
         Legend::HorizontalAlignment::left, Legend::Direction::leftToRight, false,
         {{a, {25, 3}}, {p, {25 + wa + 6, 3}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto legend = std::make_shared<Legend>();
        legend->setCustom(c.entries);
        legend->setOrientation(c.orientation);
        legend->setHorizontalAlignment(c.alignment);
        legend->setDirection(c.direction);
        legend->setVerticalAlignment(Legend::VerticalAlignment::top);
        legend->setMaxSizePercent((2 * e + 6 + e / 2) / 360.0);
        RecordingRenderer renderer(chartHandler(), legend);
        if (c.laidOut) {
            renderer.computeLegend(ChartData());
        }
        EXPECT_EQ(render(renderer), c.drawn);
    }
}

// A 10-point form at x 10 centred on y 20 covers 10..20 by 15..25; the line, 2 wide with a
// dash of 2, covers y 19..21.
TEST(LegendRenderer, FormsFillTheirShapeInTheFormColour)
{
    struct Case {
        const char* name;
        Form entryForm;
        Form legendForm;
        QColor color;
        QPoint probe;
        bool painted;
    };
    const QList<Case> cases = {
        {"square corner", Form::square, Form::circle, red, {10, 15}, true},
        {"default circle centre", Form::legendDefault, Form::legendDefault, red, {15, 20}, true},
        {"default circle corner", Form::legendDefault, Form::legendDefault, red, {10, 15}, false},
        {"line dash", Form::line, Form::square, red, {11, 20}, true},
        {"line gap", Form::line, Form::square, red, {13, 20}, false},
        {"clear colour", Form::square, Form::square, QColor(Qt::transparent), {15, 20}, false},
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
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        LegendRenderer(chartHandler(), nullptr).drawForm(painter, 10.0, 20.0, formEntry, legend);
        painter.end();
        EXPECT_EQ(image.pixelColor(c.probe), c.painted ? red : QColor(Qt::transparent));
    }
}
