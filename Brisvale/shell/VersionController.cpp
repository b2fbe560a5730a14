#include "Brisvale/shell/VersionController.h"

#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"

#include <QLabel>
#include <QVBoxLayout>

VersionController::VersionController(QWidget* parent) : QFrame(parent, Qt::Popup)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("VersionController"));
    Look::styleSheetWindow(*this);

    Name_Lab = new QLabel(QStringLiteral("Brisvale"), this);
    Name_Lab->setObjectName(QStringLiteral("Name_Lab"));
    Look::stylePageTitle(*Name_Lab);
    Name_Lab->setStyleSheet(QStringLiteral("color: %1;").arg(Look::accent().name()));

    Version_Lab = new QLabel(Localization::text(QStringLiteral("VersionController_Version")).arg(version()),
                             this);
    Version_Lab->setObjectName(QStringLiteral("Version_Lab"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(6);
    layout->addWidget(Name_Lab, 0, Qt::AlignHCenter);
    layout->addWidget(Version_Lab, 0, Qt::AlignHCenter);
}

QString VersionController::version()
{
    return QStringLiteral(BRISVALE_VERSION);
}

void VersionController::showBelowTopEdge(const QRect& anchor)
{
    adjustSize();
    const QPoint wanted(anchor.center().x() - width() / 2, anchor.top() + 8);
    move(Look::popoverTopLeft(size(), wanted, anchor));
    show();
}
