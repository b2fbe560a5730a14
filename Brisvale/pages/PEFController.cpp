#include "Brisvale/pages/PEFController.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/reports/PEFAxes.h"

#include "ChartEngine/views/LineChartView.h"

namespace {

constexpr qint32 drawnMaximum = qint32(PEFAxes::maximum);

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

void PEFController::styleYAxes(qint32 bestValue, PeakFlowMath::ZonePlan plan)
{
    PEFAxes::style(*chartView, bestValue, plan);
}
