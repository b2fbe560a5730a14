#include "ChartEngine/components/Legend.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Charts;

namespace {

using Form = Legend::Form;

// An entry as a test describes it: no label for a stacked form.
struct TestEntry {
    std::optional<QString> label;
    Form form = Form::legendDefault;
    double formSize = std::nan("");
};

LegendEntryList makeEntries(const QList<TestEntry>& items)
{
    LegendEntryList entries;
    for (const TestEntry& item : items) {
        auto entry = std::make_shared<LegendEntry>(item.label);
        entry->setForm(item.form);
        entry->setFormSize(item.formSize);
        entries.append(entry);
    }
    return entries;
}

QFont labelFont()
{
    return systemFont(10);
}

double widthOf(const QString& text)
{
    return textSize(text, TextAttributes{labelFont()}).width();
}

double lineHeight()
{
    return fontLineHeight(labelFont());
}

void layOut(Legend& legend, double contentWidth)
{
    ViewPortHandler handler(contentWidth, 300.0);
    legend.calculateDimensions(labelFont(), handler);
}

}

TEST(Legend, SizesReserveFormRoomByTheEntrysForm)
{
    // DejaVu Sans at 10 px: "PEF" is 18.078125 wide, a line 11.640625 high.
    const double pef = 18.078125;
    const double line = 11.640625;
    struct Case {
        const char* name;
        QList<TestEntry> entries;
        double neededWidth;
        double neededHeight;
        double textWidthMax;
    };
    const QList<Case> cases = {
        {"no entries", {}, 5.0, 3.0, 5.0},
        {"labelled", {{QStringLiteral("PEF")}}, 8 + 5 + pef + 5, line + 3, 8 + pef + 5},
        {"empty label still reserves the form", {{QString()}}, 8 + 5 + 5, line + 3, 8 + 5},
        {"form none reserves nothing but counts its size",
         {{QStringLiteral("PEF"), Form::none, 20.0}}, pef + 5, line + 3, 20 + pef + 5},
        {"the legend's size in a row, the entry's in the maximum",
         {{QStringLiteral("PEF"), Form::square, 20.0}}, 8 + 5 + pef + 5, line + 3, 20 + pef + 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Legend legend(makeEntries(c.entries));
        legend.setYOffset(3.0);
        layOut(legend, 400.0);
        EXPECT_DOUBLE_EQ(legend.neededWidth(), c.neededWidth);
        EXPECT_DOUBLE_EQ(legend.neededHeight(), c.neededHeight);
        EXPECT_DOUBLE_EQ(legend.textWidthMax(), c.textWidthMax);
    }
}

// Rows of labelled entries E = form + space + label; a run of stacked forms before a labelled
// entry breaks as a whole.
TEST(Legend, HorizontalRowsWrapAtTheRowLimit)
{
    const QString a = QStringLiteral("AAAA");
    const double e = 8 + 5 + widthOf(a);
    const double run = 8 + 3 + 8 + 3; // two stacked forms, each followed by the stack space
    struct Case {
        const char* name;
        QList<TestEntry> entries;
        double rowLimit;
        bool wordWrap;
        QList<bool> breakPoints;
        QList<double> rowWidths;
    };
    const QList<Case> cases = {
        {"third entry wraps", {{a}, {a}, {a}}, 2 * e + 6 + e / 2, true, {false, false, true},
         {2 * e + 6, e}},
        {"exactly full row keeps the entry", {{a}, {a}}, 2 * e + 6, true, {false, false}, {2 * e + 6}},
        {"no wrapping: one row", {{a}, {a}, {a}}, 2 * e + 6 + e / 2, false, {false, false, false},
         {3 * e + 12}},
        {"stack breaks before its first form",
         {{a}, {std::nullopt}, {std::nullopt}, {a}}, e + 6 + run + e - 1, true,
         {false, true, false, false}, {e, run + e}},
        {"trailing stacked form closes the row", {{a}, {std::nullopt}}, 400, true, {false, false},
         {e + 6 + 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Legend legend(makeEntries(c.entries));
        legend.setYEntrySpace(2.0);
        legend.setWordWrapEnabled(c.wordWrap);
        legend.setMaxSizePercent(0.5);
        layOut(legend, 2.0 * c.rowLimit);
        EXPECT_EQ(legend.calculatedLabelBreakPoints(), c.breakPoints);
        QList<double> rowWidths;
        for (const QSizeF& row : legend.calculatedLineSizes()) {
            rowWidths.append(row.width());
        }
        EXPECT_EQ(rowWidths, c.rowWidths);
        const auto rows = double(c.rowWidths.size());
        EXPECT_DOUBLE_EQ(legend.neededHeight(), rows * lineHeight() + (rows - 1) * 2.0 + 5.0);
    }
}

// One labelled entry per line; stacked forms take a line of their own and count twice in the
// width; a trailing run adds no line.
TEST(Legend, VerticalLinesStackFormsBeforeTheirLabel)
{
    const QString a = QStringLiteral("AAAA");
    const double w = widthOf(a);
    const double advance = lineHeight() + 2.0;
    struct Case {
        const char* name;
        QList<TestEntry> entries;
        double neededWidth;
        double neededHeight;
    };
    const QList<Case> cases = {
        {"own form size", {{a, Form::square, 20.0}}, 20 + 5 + w, advance},
        {"stacked form, then label", {{std::nullopt}, {a}}, std::max(8.0 + 8 + 3 + 3 + 8, w),
         2 * advance},
        {"trailing stacked form", {{a}, {std::nullopt}}, std::max(8 + 5 + w, 16.0), advance},
        {"form none", {{a, Form::none}}, w, advance},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Legend legend(makeEntries(c.entries));
        legend.setOrientation(Legend::Orientation::vertical);
        legend.setYEntrySpace(2.0);
        layOut(legend, 400.0);
        EXPECT_DOUBLE_EQ(legend.neededWidth(), c.neededWidth + 5.0);
        EXPECT_DOUBLE_EQ(legend.neededHeight(), c.neededHeight + 5.0);
        EXPECT_TRUE(legend.calculatedLineSizes().isEmpty());
    }
}

// A relayout follows the entries and the font it is given, not what an earlier one saw.
TEST(Legend, RelayoutFollowsTheEntriesAndFontNowGiven)
{
    Legend legend(makeEntries({{QStringLiteral("AAAA")}, {QStringLiteral("AAAA")}}));
    layOut(legend, 20.0);
    legend.setEntries(makeEntries({{QStringLiteral("AAAA")}}));
    ViewPortHandler handler(20.0, 300.0);
    legend.calculateDimensions(systemFont(20), handler);
    EXPECT_EQ(legend.calculatedLabelBreakPoints(), QList<bool>{false});
    EXPECT_EQ(legend.calculatedLabelSizes(),
              QList<QSizeF>{textSize(QStringLiteral("AAAA"), TextAttributes{systemFont(20)})});
}
