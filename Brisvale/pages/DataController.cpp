#include "Brisvale/pages/DataController.h"

#include "Brisvale/pages/FEV1Controller.h"
#include "Brisvale/pages/FilterControls.h"
#include "Brisvale/pages/PEFController.h"
#include "Brisvale/pages/PageCard.h"
#include "Brisvale/pages/TableController.h"
#include "Brisvale/pages/TrafficLightsController.h"
#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Icons.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/reports/ExportFileController.h"

#include "TavrendelPFMSDK/TavrendelPFM.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QSize tabIconSize(32, 32);
// The room between the page's action buttons and its tabs.
constexpr int actionsToTabs = 24;
// Why the download button is greyed.
const char* const noReadingsKey = "DataController_Download_NoReadings";

QString text(const char* key)
{
    return Localization::text(QString::fromLatin1(key));
}

// The image of a tab: "button_chart_0<tag + 1>_1" selected, "_2" not selected.
QString tabImageName(int tag, bool selected)
{
    return QStringLiteral("button_chart_0%1_%2").arg(tag + 1).arg(selected ? 1 : 2);
}

void setButtonImage(QToolButton& button, const QString& imageName)
{
    button.setIcon(Icons::icon(imageName));
    button.setProperty("imageName", imageName);
}

}

DataController::DataController(QWidget* parent) : QWidget(parent)
{
    buildInterface();
    filterControls = new FilterControls(FromDatePicker, ToDatePicker, dayPopUp, timePopUp,
                                        [this] { conditionHub.broadcastCondition(); }, this);
    filterControls->fillPopUps();
    addChildren();
}

void DataController::buildInterface()
{
    auto* card = new PageCard(this);
    containView = new QWidget(card);
    containView->setObjectName(QStringLiteral("containView"));
    auto* contained = new QVBoxLayout(containView);
    contained->setContentsMargins(0, 0, 0, 0);

    card->content()->addLayout(buildHeader());
    card->content()->addLayout(buildFilterRow());
    card->content()->addLayout(buildMaximumPanel());
    card->content()->addWidget(containView, 1);
    Look::placeCard(*this, *card);
}

QLayout* DataController::buildHeader()
{
    PageTitle_Lab = PageCard::makeTitle(QStringLiteral("PageTitle_Lab"), this);
    // Made in the row's order, which the keyboard's focus follows.
    buildActionButtons();
    ListButton = makeTabButton(QStringLiteral("ListButton"), TABLE_TABTAG);
    PefButton = makeTabButton(QStringLiteral("PefButton"), PEF_TABTAG);
    Fev1Button = makeTabButton(QStringLiteral("Fev1Button"), FEV1_TABTAG);
    Accessibility::nameIconButton(*ListButton, QStringLiteral("DataController_Tab_Table"));
    Accessibility::nameIconButton(*PefButton, QStringLiteral("DataController_Tab_PEF"));
    Accessibility::nameIconButton(*Fev1Button, QStringLiteral("DataController_Tab_FEV1"));
    setTabImages();

    // The page's two actions stand in the title's row, before the tabs, where there is room for
    // them at the window's smallest width; the best-value button keeps its room on the tabs that
    // hide it, so the row is laid out alike on every tab.
    auto* header = new QHBoxLayout;
    header->addWidget(PageTitle_Lab);
    header->addStretch(1);
    header->addWidget(TrafficLightSettings);
    header->addWidget(DownloadBtn);
    header->addSpacing(actionsToTabs);
    for (QToolButton* tab : {ListButton, PefButton, Fev1Button}) {
        header->addWidget(tab);
    }
    return header;
}

QToolButton* DataController::makeTabButton(const QString& objectName, int tag)
{
    auto* tab = new QToolButton(this);
    tab->setObjectName(objectName);
    tab->setAutoRaise(true);
    tab->setIconSize(tabIconSize);
    // Checkable, so that a reader hears which tab is the current one; the page sets the state. A
    // click, a key and a reader's toggle (which clicks nothing) all toggle the tab: each asks for
    // its view, and the current tab stays checked.
    tab->setCheckable(true);
    tab->setStyleSheet(QStringLiteral("QToolButton:checked { border: none; background-color: transparent; }"));
    Look::showFocusRing(*tab);
    connect(tab, &QToolButton::toggled, this, [this, tag] {
        SwitchPageHandler(tag);
        setTabImages();
    });
    return tab;
}

void DataController::buildActionButtons()
{
    TrafficLightSettings = new QPushButton(this);
    TrafficLightSettings->setObjectName(QStringLiteral("TrafficLightSettings"));
    Look::styleDefaultButton(*TrafficLightSettings);
    QSizePolicy keptRoom = TrafficLightSettings->sizePolicy();
    keptRoom.setRetainSizeWhenHidden(true);
    TrafficLightSettings->setSizePolicy(keptRoom);
    connect(TrafficLightSettings, &QPushButton::clicked, this, &DataController::trafficLightsSetting);
    DownloadBtn = new QToolButton(this);
    DownloadBtn->setObjectName(QStringLiteral("DownloadBtn"));
    DownloadBtn->setAutoRaise(true);
    DownloadBtn->setIconSize(tabIconSize);
    DownloadBtn->setIcon(Icons::icon(QStringLiteral("button_Download")));
    Accessibility::nameIconButton(*DownloadBtn, QStringLiteral("DataController_Download"));
    Look::showFocusRing(*DownloadBtn);
    Accessibility::enableOrSayWhy(*DownloadBtn, false, QLatin1String(noReadingsKey));
    connect(DownloadBtn, &QToolButton::clicked, this, &DataController::ExportFileHandler);
}

QLayout* DataController::buildFilterRow()
{
    const FilterControls::Widgets widgets =
        FilterControls::makeWidgets(this, QStringLiteral("FromDatePicker"), QStringLiteral("ToDatePicker"));
    std::tie(From_Lab, FromDatePicker, To_Lab, ToDatePicker, std::ignore, dayPopUp, std::ignore, timePopUp) = widgets;
    return FilterControls::makeRow(widgets);
}

QLayout* DataController::buildMaximumPanel()
{
    MaxTitle = PageCard::makeCaption(QStringLiteral("MaxTitle"), this);
    MaxValue = PageCard::makeFigure(QStringLiteral("MaxValue"), this);
    MaxValueUnit = PageCard::makeValue(QStringLiteral("MaxValueUnit"), this);
    MaxValueMark = PageCard::makeValue(QStringLiteral("MaxValueMark"), this);

    auto* panel = new QHBoxLayout;
    panel->setSpacing(8);
    for (QLabel* label : {MaxTitle, MaxValue, MaxValueUnit, MaxValueMark}) {
        panel->addWidget(label, 0, Qt::AlignBaseline);
    }
    panel->addStretch(1);
    return panel;
}

void DataController::addChildren()
{
    tableView = new TableController(this);
    pefView = new PEFController(this);
    fev1View = new FEV1Controller(this);
    for (DataChildPage* child : std::initializer_list<DataChildPage*>{tableView, pefView, fev1View}) {
        child->setDelegate(this);
        child->hide();
    }
    // A deletion that moved the window puts it into the pickers.
    connect(tableView, &TableController::filterWindowChanged, this, &DataController::restoreFilterControls);
    CurrentlyPage = TABLE_TABTAG;
    showChild(CurrentlyPage);
}

DataChildPage* DataController::childPage(int tag) const
{
    switch (tag) {
    case TABLE_TABTAG: return tableView;
    case PEF_TABTAG: return pefView;
    case FEV1_TABTAG: return fev1View;
    default: return nullptr;
    }
}

void DataController::showChild(int tag)
{
    DataChildPage* child = childPage(tag);
    child->setParent(containView);
    containView->layout()->addWidget(child);
    child->show();
}

void DataController::willAppear()
{
    Console::printLine(QStringLiteral("Data Appear"));
    PageTitle_Lab->setText(text("DataController_PageTitle"));
    From_Lab->setText(text("DataController_From"));
    To_Lab->setText(text("DataController_To"));
    TrafficLightSettings->setText(text("DataController_TrafficLightSettings"));
    restoreFilterControls();
    updateDataPage();
    visibleChild()->willAppear();
}

void DataController::SwitchPageHandler(int tag)
{
    Console::printLine(QStringLiteral("Data點選的頁面為 ") + QString::number(tag) + QStringLiteral(" / 目前使用的頁面為 ")
                       + QString::number(CurrentlyPage));
    DataChildPage* next = childPage(tag);
    DataChildPage* current = visibleChild();
    if (tag == CurrentlyPage || !next || current->parentWidget() != containView) {
        return;
    }
    containView->layout()->removeWidget(current);
    current->hide();
    current->setParent(this);
    next->willAppear();
    showChild(tag);
    CurrentlyPage = tag;
    updateDataPage();
}

void DataController::updateDataPage()
{
    const QString unit = text("DataController_Maximum_Unit");
    const QString remark = text("DataController_Maximum_Measured");
    for (DataChildPage* child : std::initializer_list<DataChildPage*>{tableView, pefView, fev1View}) {
        conditionHub.removeObserver(child);
    }
    switch (CurrentlyPage) {
    case TABLE_TABTAG:
        conditionHub.addObserver(tableView);
        setMaximumPanel(text("DataController_Maximum_PefBest"), unit, remark, true, true);
        break;
    case PEF_TABTAG:
        conditionHub.addObserver(pefView);
        setMaximumPanel(text("DataController_Maximum_Pef"), unit, QString(), false, false);
        break;
    default:
        conditionHub.addObserver(fev1View);
        setMaximumPanel(text("DataController_Maximum_Fev1"), QString(), QString(), true, false);
        break;
    }
    TrafficLightSettings->setVisible(CurrentlyPage == PEF_TABTAG);
    setTabImages();
}

void DataController::setTabImages()
{
    const std::array<QToolButton*, 3> tabs{ListButton, PefButton, Fev1Button};
    for (int tag = 0; tag < int(tabs.size()); ++tag) {
        setButtonImage(*tabs[tag], tabImageName(tag, tag == CurrentlyPage));
        // The page's own check asks for no view.
        const QSignalBlocker shownOnly(tabs[tag]);
        tabs[tag]->setChecked(tag == CurrentlyPage);
    }
}

void DataController::setMaximumPanel(const QString& caption, const QString& unit, const QString& remark,
                                     bool valueShown, bool remarkShown)
{
    MaxTitle->setText(caption);
    MaxValueUnit->setText(unit);
    MaxValueMark->setText(remark);
    MaxTitle->setVisible(valueShown);
    MaxValue->setVisible(valueShown);
    MaxValueUnit->setVisible(remarkShown);
    MaxValueMark->setVisible(remarkShown);
}

void DataController::showMaxValue(const Maximum& value)
{
    const auto* number = std::get_if<qint32>(&value);
    const auto* words = std::get_if<QString>(&value);
    MaxValue->setText(number ? QString::number(*number) : *words);
    const bool nothing = (number && *number == 0) || (words && *words == NumberText::shown(0.0, 2));
    Accessibility::enableOrSayWhy(*DownloadBtn, !nothing, QLatin1String(noReadingsKey));
}

void DataController::restoreFilterControls()
{
    filterControls->restoreFilterControls();
}

void DataController::dateSelected()
{
    filterControls->dateSelected();
}

void DataController::ExportFileHandler()
{
    filterControls->commitPickers();
    auto* popover = new ExportFileController(FromDatePicker->dateTime(), ToDatePicker->dateTime());
    popover->presentPopover(DownloadBtn);
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
    restoreFilterControls();
    dateSelected();
    updateDataPage();
}

void DataController::onDataElementChange(bool connected)
{
    Console::printLine(QStringLiteral("Data 我收到訊息如下：")
                       + (connected ? QStringLiteral("true") : QStringLiteral("false")));
    TrifficBool = connected;
    if (sheet) {
        sheet->setMeterAttached(connected);
    }
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
