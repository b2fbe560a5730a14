#include "Brisvale/shell/RegionController.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/PopUpAccessible.h"
#include "Brisvale/records/Region_DB.h"
#include "Brisvale/records/TableLookup.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RegionController::RegionController(QWidget* parent) : QWidget(parent)
{
    auto* card = new QFrame(this);
    Look::styleCard(*card);

    PageTitle_Lab = new QLabel(Localization::text(QStringLiteral("RegionController_PageTitle")), card);
    PageTitle_Lab->setObjectName(QStringLiteral("PageTitle_Lab"));
    Look::stylePageTitle(*PageTitle_Lab);

    // Plain row texts, in table order: an item's index is its row's position.
    regionPopUp = new QComboBox(card);
    regionPopUp->setObjectName(QStringLiteral("regionPopUp"));
    for (const Region_DB& row : regionTable()) {
        regionPopUp->addItem(row.value);
    }
    regionPopUp->setCurrentIndex(0);
    // The page's title asks the question that the pop-up answers, so it is the pop-up's caption.
    PageTitle_Lab->setBuddy(regionPopUp);
    PopUpAccessible::speakChoice(*regionPopUp);

    Confirm_Btn = new QPushButton(Localization::text(QStringLiteral("RegionController_Confirm")), card);
    Confirm_Btn->setObjectName(QStringLiteral("Confirm_Btn"));
    Look::styleDefaultButton(*Confirm_Btn);
    connect(Confirm_Btn, &QPushButton::clicked, this, &RegionController::confirm);

    regionPopUp->setMinimumWidth(200);
    auto* choice = new QHBoxLayout;
    choice->addWidget(regionPopUp);
    choice->addWidget(Confirm_Btn);
    choice->addStretch();

    auto* content = new QVBoxLayout(card);
    content->setContentsMargins(Look::cardPadding, Look::cardPadding, Look::cardPadding,
                                Look::cardPadding);
    content->addWidget(PageTitle_Lab);
    content->addSpacing(8);
    content->addLayout(choice);
    content->addStretch();

    Look::placeCard(*this, *card);
}

void RegionController::confirm()
{
    const auto row = TableLookup::at(regionTable(), regionPopUp->currentIndex());
    if (!row) {
        return;
    }
    Console::printLine(QStringLiteral("選擇的地區 -> ") + row->value);
    if (RegionDelegate* target = delegate.get()) {
        target->regionDidSelect(true, row->value);
    }
}
