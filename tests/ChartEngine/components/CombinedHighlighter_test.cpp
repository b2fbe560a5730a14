#include "ChartEngine/components/CombinedHighlighter.h"

#include "ChartEngine/types/BarChartView.h"

#include "ChartEngine/types/CombinedTestChart.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Charts;
using namespace CombinedTesting;

namespace {

// What tells the candidates apart here.
struct Candidate {
    double x;
    double y;
    qint64 dataIndex;
    qint64 stackIndex;

    friend bool operator==(const Candidate&, const Candidate&) = default;
    friend void PrintTo(const Candidate& c, std::ostream* os)
    {
        *os << "(" << c.x << ", " << c.y << ") data " << c.dataIndex << " stack " << c.stackIndex;
    }
};

QList<Candidate> candidates(const HighlightList& highlights)
{
    QList<Candidate> result;
    for (const auto& h : highlights) {
        result << Candidate{h->x(), h->y(), h->dataIndex(), h->stackIndex()};
    }
    return result;
}

}

// A touch on the top segment (3 ... 6) of the stack at x 2, where the line is at 3: the line's
// candidate has the line data's index 0, the bar's the bar data's index 1. Only a highlighter
// made while the chart had bar data narrows the bar to its segment.
TEST(CombinedHighlighter, CandidatesCarryTheIndexOfTheirData)
{
    const QPointF touch = pixel(2, 4.5);
    const auto view = fixtureView(lineAndBars());
    const CombinedHighlighter withBars(view.get(), view.get());
    view->setData(std::make_shared<CombinedChartData>());
    const CombinedHighlighter withoutBars(view.get(), view.get());
    view->setData(lineAndBars());
    BarChartView barView;
    barView.setData(bars());
    const CombinedHighlighter ofABarChart(&barView, &barView);

    struct Case {
        const char* name;
        const CombinedHighlighter& highlighter;
        QList<Candidate> expected;
    };
    const QList<Case> cases = {
        {"with bars", withBars, {{2, 3, 0, -1}, {2, 6, 1, 2}}},
        {"without bars", withoutBars, {{2, 3, 0, -1}, {2, 6, 1, -1}}},
        {"not a combined chart", ofABarChart, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(candidates(c.highlighter.getHighlights(2, touch.x(), touch.y())), c.expected) << c.name;
    }
}
