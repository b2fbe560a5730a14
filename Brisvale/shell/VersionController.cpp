#include "Brisvale/shell/VersionController.h"

#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"

#include <QLabel>
#include <QVBoxLayout>

VersionController::VersionController(QWidget* parent) : QFrame(parent, Qt::Popup)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("VersionController"));
    setStyleSheet(QStringLiteral("QFrame#VersionController { background-color: %1;"
                                 " border: 1px solid #D0D0D0; border-radius: 8px; }")
                      .arg(Look::sheetBackground().name()));

    Name_Lab = new QLabel(QStringLiteral("Brisvale"), this);
    Name_Lab->setObjectName(QStringLiteral("Name_Lab"));
    QFont nameFont = Name_Lab->font();
    nameFont.setPixelSize(22);
    nameFont.setWeight(QFont::DemiBold);
    Name_Lab->setFont(nameFont);
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
    move(anchor.center().x() - width() / 2, anchor.top() + 8);
    show();
}
