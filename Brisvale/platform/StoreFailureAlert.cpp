#include "Brisvale/platform/StoreFailureAlert.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Localization.h"

namespace StoreFailureAlert {

namespace {

Alert failureAlert(const QString& errorText)
{
    return Alert::failure(Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveFailed"))
                          + QStringLiteral("\n") + errorText);
}

}

void show(const QString& errorText)
{
    AlertPresenter::shared().runModal(failureAlert(errorText));
}

void beginSheet(QWidget* anchor, const QString& errorText)
{
    AlertPresenter::shared().beginSheet(anchor, failureAlert(errorText), [](int) {});
}

}
