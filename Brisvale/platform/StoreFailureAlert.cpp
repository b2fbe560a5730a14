#include "Brisvale/platform/StoreFailureAlert.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Localization.h"

namespace StoreFailureAlert {

namespace {

Alert failureAlert(const QString& errorText, bool storeReplaced)
{
    const QString key = storeReplaced ? QStringLiteral("AppDelegate_AlertMessage_SaveStoreReplaced")
                                      : QStringLiteral("AppDelegate_AlertMessage_SaveFailed");
    return Alert::failure(Localization::text(key) + QStringLiteral("\n") + errorText);
}

}

void show(const QString& errorText, bool storeReplaced)
{
    AlertPresenter::shared().runModal(failureAlert(errorText, storeReplaced));
}

void beginSheet(QWidget* anchor, const QString& errorText, bool storeReplaced)
{
    AlertPresenter::shared().beginSheet(anchor, failureAlert(errorText, storeReplaced), [](int) {});
}

}
