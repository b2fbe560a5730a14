#include "Brisvale/pages/FEV1Controller.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NumberText.h"

#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/views/LineChartView.h"

namespace {

constexpr float drawnMaximum = 9.99f;

QString text(const char* key)
{
    return Localization::text(QString::fromLatin1(key));
}

}

FEV1Controller::FEV1Controller(QWidget* parent) : ReadingsChartPage(parent)
{
    setObjectName(QStringLiteral("fev1View"));
    chartView->setAccessibleName(text("FEV1Controller_ChartName"));
}

void FEV1Controller::willAppear()
{
    Console::printLine(QStringLiteral("Data EF1 Appear"));
    reload();
}

ReadingsChartPage::ChartPoint FEV1Controller::chartPoint(const PFM& reading, const QString& date,
                                                         const QString& time) const
{
    const bool capped = reading.fev1Value > drawnMaximum;
    const QString value = capped ? QStringLiteral("Hi") : NumberText::shown(reading.fev1Value, 2);
    return {double(capped ? drawnMaximum : reading.fev1Value),
            QStringLiteral(" FEV1: ") + value + QStringLiteral("\n ") + date + QStringLiteral("\n ") + time};
}

QString FEV1Controller::spokenValue(const PFM& reading, const Profile& /*profile*/) const
{
    return text("FEV1Controller_SpokenValue").arg(NumberText::shown(reading.fev1Value, 2));
}

// "Highest FEV1: 3.50 litres."
QString FEV1Controller::spokenTotals(const QList<PFMPtr>& readings, const Profile& /*profile*/) const
{
    return text("FEV1Controller_Summary_Highest").arg(largestFev1Text(readings));
}

DataMaxValueDelegate::Maximum FEV1Controller::largestValue(const QList<PFMPtr>& readings) const
{
    return largestFev1Text(readings);
}

QString FEV1Controller::largestFev1Text(const QList<PFMPtr>& readings)
{
    const auto largest = std::max_element(readings.begin(), readings.end(),
        [](const PFMPtr& a, const PFMPtr& b) { return a->fev1Value < b->fev1Value; });
    return NumberText::shown(largest == readings.end() ? 0.0f : (*largest)->fev1Value, 2);
}

// The axis stays 0 to 9.99 as a double; the zone switch is left as it is.
void FEV1Controller::styleYAxes(qint32 /*bestValue*/, PeakFlowMath::ZonePlan /*plan*/)
{
    for (const auto& axis : {chartView->leftAxis(), chartView->rightAxis()}) {
        axis->setAxisMaximum(9.99);
        axis->setAxisMinimum(0.0);
    }
}
