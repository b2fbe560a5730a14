#include "Brisvale/records/RenewProcess.h"

#include "Brisvale/platform/Console.h"

void RenewProcess::broadcastPageSwitch()
{
    Console::printLine(QStringLiteral("切換頁 發送通知值"));
    broadcast([](RenewObserver& observer) { observer.onPageSwitch(); });
}

void RenewProcess::broadcastDataRefresh(bool emailRenewStatus, const QString& email)
{
    Console::printLine(QStringLiteral("更新Data畫面資料 發送通知值"));
    broadcast([&](RenewObserver& observer) { observer.onDataRefresh(emailRenewStatus, email); });
}
