#include "Brisvale/pages/PEFController.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/records/ConditionProcess.h"

PEFController::PEFController(QWidget* parent) : DataChildPage(parent)
{
    setObjectName(QStringLiteral("pefView"));
}

void PEFController::willAppear()
{
    Console::printLine(QStringLiteral("Data PEF Appear"));
    loadReadings();
}

void PEFController::onConditionChange()
{
    loadReadings();
}

void PEFController::loadReadings()
{
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    reportMaxValue(largestPef(info ? info->pfm : QList<PFMPtr>()));
}
