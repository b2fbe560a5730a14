#include "Brisvale/records/ConditionProcess.h"

#include "Brisvale/platform/Console.h"

void ConditionProcess::broadcastCondition()
{
    Console::printLine(QStringLiteral("發送通知值"));
    broadcast([](ConditionObserver& observer) { observer.onConditionChange(); });
}
