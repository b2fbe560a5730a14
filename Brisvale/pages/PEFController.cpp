#include "Brisvale/pages/PEFController.h"

#include "Brisvale/platform/Console.h"

#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/views/LineChartView.h"

namespace {

constexpr qint32 drawnMaximum = 900;
constexpr double axisMinimum = 50.0;

QColor bandColor(int red, int green, int blue, float alpha)
{
    QColor color(red, green, blue);
    color.setAlphaF(alpha);
    return color;
}

}

PEFController::PEFController(QWidget* parent) : ReadingsChartPage(parent)
{
    setObjectName(QStringLiteral("pefView"));
}

void PEFController::willAppear()
{
    Console::printLine(QStringLiteral("Data PEF Appear"));
    reload();
}

ReadingsChartPage::ChartPoint PEFController::chartPoint(const PFM& reading, const QString& date,
                                                        const QString& time) const
{
    const bool capped = reading.pefValue > drawnMaximum;
    const QString value = capped ? QStringLiteral("Hi") : QString::number(reading.pefValue);
    return {double(capped ? drawnMaximum : reading.pefValue),
            QStringLiteral(" PEF: ") + value + QStringLiteral("\n ") + date + QStringLiteral("\n ") + time
                + QStringLiteral("\n")};
}

DataMaxValueDelegate::Maximum PEFController::largestValue(const QList<PFMPtr>& readings) const
{
    return largestPef(readings);
}

QList<Charts::ZoneBand> PEFController::zoneBands(qint32 bestValue)
{
    const double best = bestValue;
    return {
        {axisMinimum, 0.6 * best, bandColor(255, 99, 132, 0.7f)},
        {0.6 * best, 0.8 * best, bandColor(255, 205, 86, 0.7f)},
        {0.8 * best, double(drawnMaximum), bandColor(75, 192, 192, 0.5f)},
    };
}

void PEFController::styleYAxes(qint32 bestValue)
{
    const std::shared_ptr<Charts::YAxis> left = chartView->leftAxis();
    if (bestValue > axisMinimum) {
        left->setDrawGridLinesBackgroungEnabled(true);
        left->setBackgroundLimit(zoneBands(bestValue));
    } else {
        left->setDrawGridLinesBackgroungEnabled(false);
    }
    setYAxisRange(axisMinimum, drawnMaximum);
}
