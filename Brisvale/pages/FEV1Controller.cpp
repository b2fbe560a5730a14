#include "Brisvale/pages/FEV1Controller.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/records/ConditionProcess.h"

FEV1Controller::FEV1Controller(QWidget* parent) : DataChildPage(parent)
{
    setObjectName(QStringLiteral("fev1View"));
}

void FEV1Controller::willAppear()
{
    Console::printLine(QStringLiteral("Data EF1 Appear"));
    loadReadings();
}

void FEV1Controller::onConditionChange()
{
    loadReadings();
}

void FEV1Controller::loadReadings()
{
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    reportMaxValue(largestFev1Text(info ? info->pfm : QList<PFMPtr>()));
}

QString FEV1Controller::largestFev1Text(const QList<PFMPtr>& readings)
{
    const auto largest = std::max_element(readings.begin(), readings.end(),
        [](const PFMPtr& a, const PFMPtr& b) { return a->fev1Value < b->fev1Value; });
    return NumberText::fixed(largest == readings.end() ? 0.0f : (*largest)->fev1Value, 2);
}
