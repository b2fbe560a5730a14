#include "Brisvale/platform/StoreFailureAlert.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Localization.h"

namespace StoreFailureAlert {

void show(const QString& errorText)
{
    Alert alert;
    alert.symbol = AlertSymbol::xmark;
    alert.message = Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveFailed"))
                    + QStringLiteral("\n") + errorText;
    AlertPresenter::shared().runModal(alert);
}

}
