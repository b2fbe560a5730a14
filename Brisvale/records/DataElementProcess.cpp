#include "Brisvale/records/DataElementProcess.h"

#include "Brisvale/platform/Console.h"

void DataElementProcess::broadcastDataElement(bool connected)
{
    Console::printLine(QStringLiteral("更新Data畫面元件 發送通知值"));
    broadcast([connected](DataElementObserver& observer) { observer.onDataElementChange(connected); });
}
