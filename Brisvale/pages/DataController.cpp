#include "Brisvale/pages/DataController.h"

#include "Brisvale/pages/PageCard.h"
#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"

#include "TavrendelPFMSDK/TavrendelPFM.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DataController::DataController(QWidget* parent) : QWidget(parent)
{
    auto* card = new PageCard(this);
    PageTitle_Lab = PageCard::makeTitle(QStringLiteral("PageTitle_Lab"), card);
    ReadingsCount_Lab = PageCard::makeValue(QStringLiteral("ReadingsCount_Lab"), card);

    TrafficLightSettings = new QPushButton(card);
    TrafficLightSettings->setObjectName(QStringLiteral("TrafficLightSettings"));
    Look::styleDefaultButton(*TrafficLightSettings);
    TrafficLightSettings->setEnabled(false);
    connect(TrafficLightSettings, &QPushButton::clicked, this, &DataController::trafficLightsSetting);

    // The button stands beside the title, so the sheet opening at its right edge stays on screen.
    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    header->addWidget(PageTitle_Lab);
    header->addWidget(TrafficLightSettings);
    header->addStretch(1);

    card->content()->addLayout(header);
    card->content()->addWidget(ReadingsCount_Lab);
    card->content()->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 16, 16, 16);
    page->addWidget(card);
}

void DataController::willAppear()
{
    Console::printLine(QStringLiteral("Data Appear"));
    PageTitle_Lab->setText(Localization::text(QStringLiteral("DataController_PageTitle")));
    TrafficLightSettings->setText(Localization::text(QStringLiteral("DataController_TrafficLightSettings")));
    updateDataPage();
}

void DataController::onPageSwitch()
{
    Console::printLine(QStringLiteral("Data頁面切換 無通知需求"));
}

void DataController::onDataRefresh(bool emailRenewStatus, const QString& email)
{
    Q_UNUSED(emailRenewStatus);
    Q_UNUSED(email);
    Console::printLine(QStringLiteral("Data 通知即時更新"));
    updateDataPage();
}

void DataController::onDataElementChange(bool connected)
{
    Console::printLine(QStringLiteral("Data 我收到訊息如下：")
                       + (connected ? QStringLiteral("true") : QStringLiteral("false")));
    TrifficBool = connected;
    TrafficLightSettings->setEnabled(connected);
}

void DataController::updateDataPage()
{
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    const qsizetype count = info ? info->pfm.size() : 0;
    ReadingsCount_Lab->setText(Localization::text(QStringLiteral("DataController_ReadingsCount"))
                                   .arg(count));
}

void DataController::setMeterManager(std::shared_ptr<TavrendelPFM> meterManager)
{
    manager = std::move(meterManager);
}

TrafficLightsController* DataController::bestValueSheet() const
{
    return sheet;
}

void DataController::trafficLightsSetting()
{
    sheet = new TrafficLightsController(manager);
    sheet->setDelegate(this);
    sheet->presentPopover(TrafficLightSettings);
}
