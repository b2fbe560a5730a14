#include "Brisvale/platform/StoreFailureAlert.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Localization.h"

namespace StoreFailureAlert {

void show(const QString& errorText)
{
    AlertPresenter::shared().runModal(Alert::failure(
        Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveFailed")) + QStringLiteral("\n") + errorText));
}

}
