#include "Brisvale/shell/ViewController.h"

#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/ButtonKeys.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/platform/Icons.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/records/SelectDateFormat_DB.h"
#include "Brisvale/records/SelectTimeFormat_DB.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/CusContainView.h"
#include "Brisvale/shell/HelpManual.h"
#include "Brisvale/shell/ManualWindow.h"
#include "Brisvale/shell/MeterDialogue.h"
#include "Brisvale/shell/ProfileController.h"
#include "Brisvale/shell/RegionController.h"
#include "Brisvale/shell/SettingsController.h"
#include "Brisvale/shell/StoreFailure.h"
#include "Brisvale/shell/StoreStartup.h"
#include "Brisvale/shell/VersionController.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

constexpr int menuIconSize = 32;
constexpr int sideBarWidth = 88;
constexpr QSize firstRunPageSize(600, 260);

const QString unselectedLabelStyle = QStringLiteral(
    "QToolButton { color: #3C4650; font-weight: normal; } QToolButton:disabled { color: #A0A7AE; }");

const QString menuImageProperty = QStringLiteral("imageName");

QString menuImageName(int tag, bool selected)
{
    return QStringLiteral("main menu_01_%1%2").arg(tag + 1).arg(selected ? QStringLiteral("_1") : QString());
}

void showFatalMessage(const QString& message)
{
    AlertPresenter::shared().runModal(Alert::failure(
        Localization::text(QStringLiteral("ViewController_AlertMessage_Fatal")) + QStringLiteral("\n\n") + message));
}

}

template <typename Page>
ViewController::PageSlot ViewController::slotOf(Page* page)
{
    PageSlot slot;
    slot.view = page;
    if constexpr (std::derived_from<Page, RenewObserver>) {
        slot.observe = [page](RenewProcess& hub) { hub.addObserver(page); };
    }
    if constexpr (requires { page->willAppear(); }) {
        slot.willAppear = [page] { page->willAppear(); };
    }
    if constexpr (requires { page->willDisappear(); }) {
        slot.willDisappear = [page] { page->willDisappear(); };
    }
    return slot;
}

ViewController::ViewController(std::shared_ptr<TavrendelPFM> meterManager, QWidget* parent)
    : QWidget(parent), manager(std::move(meterManager))
{
    // A store that cannot be opened is told in an alert before the program ends.
    Fatal::setHook(showFatalMessage);
    // Return and Enter press the focused button in every window of the program, as Space does.
    ButtonKeys::install();
    dialogue = new MeterDialogue(*this, manager, this);
    buildInterface();
    viewDidLoad();
}

ViewController::~ViewController()
{
    // The dialogue goes first: it reaches the window's hubs, which end with the window itself.
    delete std::exchange(dialogue, nullptr);
    Fatal::setHook({});
}

void ViewController::buildInterface()
{
    setObjectName(QStringLiteral("ViewController"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Look::windowBackground());
    setPalette(background);

    containView = new CusContainView(this);
    containView->backgroundColor = Look::windowBackground();
    // Each page keeps its own margin around its card.
    auto* pageArea = new QVBoxLayout;
    pageArea->setContentsMargins(0, 0, 0, 0);
    pageArea->addWidget(containView);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildSideBar());
    layout->addLayout(pageArea, 1);
}

QFrame* ViewController::buildSideBar()
{
    sideBar = new QFrame(this);
    sideBar->setObjectName(QStringLiteral("sideBar"));
    sideBar->setFixedWidth(sideBarWidth);
    sideBar->setStyleSheet(QStringLiteral(
        "QFrame#sideBar { background-color: white; border-right: 1px solid #E0E0E0; }"
        " QToolButton { border: none; border-radius: 8px; padding: 6px 2px; font-size: 12px; }"
        " QToolButton:checked { background-color: transparent; }"
        " QToolButton:hover { background-color: #EEF2F9; }"
        " QToolButton:disabled { color: #A0A7AE; }"));

    menuBox = new QFrame(sideBar);
    menuBox->setObjectName(QStringLiteral("menuBox"));
    auto* menu = new QVBoxLayout(menuBox);
    menu->setContentsMargins(0, 0, 0, 0);
    menu->setSpacing(8);
    OverviewBtn = makeMenuButton(QStringLiteral("OverviewBtn"), OVERVIEW_TABTAG);
    DataBtn = makeMenuButton(QStringLiteral("DataBtn"), DATA_TABTAG);
    ProfileBtn = makeMenuButton(QStringLiteral("ProfileBtn"), PROFILE_TABTAG);
    SettingsBtn = makeMenuButton(QStringLiteral("SettingsBtn"), SETTINGS_TABTAG);
    for (QToolButton* button : {OverviewBtn, DataBtn, ProfileBtn, SettingsBtn}) {
        button->setParent(menuBox);
        menu->addWidget(button);
    }

    synceBtn = makeMenuButton(QStringLiteral("synceBtn"), -1);
    synceBtn->setText(Localization::text(QStringLiteral("ViewController_Sync")));
    synceBtn->setToolTip(Localization::text(QStringLiteral("ViewController_Sync_ToolTip")));
    setSyncButton(false, QStringLiteral("button_Sync_no"));
    connect(synceBtn, &QToolButton::clicked, this, &ViewController::synceHandler);

    HelpBtn = makeMenuButton(QStringLiteral("HelpBtn"), -1);
    HelpBtn->setText(Localization::text(QStringLiteral("ViewController_Help")));
    HelpBtn->setToolTip(Localization::text(QStringLiteral("ViewController_Help_ToolTip")));
    setButtonImage(*HelpBtn, QStringLiteral("button_Help"));
    for (QToolButton* button : {synceBtn, HelpBtn}) {
        button->setStyleSheet(unselectedLabelStyle);
    }
    connect(HelpBtn, &QToolButton::clicked, this, &ViewController::openDocumentHandler);

    auto* column = new QVBoxLayout(sideBar);
    column->setContentsMargins(4, 16, 4, 16);
    column->setSpacing(8);
    column->addWidget(menuBox);
    column->addStretch(1);
    column->addWidget(synceBtn);
    column->addWidget(HelpBtn);
    return sideBar;
}

QToolButton* ViewController::makeMenuButton(const QString& objectName, int tag)
{
    static const QStringList labelKeys = {
        QStringLiteral("ViewController_Overview"), QStringLiteral("ViewController_Data"),
        QStringLiteral("ViewController_Profile"), QStringLiteral("ViewController_Settings")};
    auto* button = new QToolButton(sideBar);
    button->setObjectName(objectName);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(menuIconSize, menuIconSize));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setCursor(Qt::PointingHandCursor);
    Look::showFocusRing(*button);
    if (tag >= 0) {
        button->setText(Localization::text(labelKeys.at(tag)));
        // Checkable, so that a reader hears which page is the current one. A click, a key and a
        // reader's toggle (which clicks nothing) all toggle the button: each asks for the page,
        // and a switch that the page refuses leaves the current page checked.
        button->setCheckable(true);
        connect(button, &QToolButton::toggled, this, [this, tag] {
            switchPageHandler(tag);
            updateMenuImages();
        });
    }
    return button;
}

void ViewController::viewDidLoad()
{
    dialogue->attachDelegate();
    Console::printLine(QStringLiteral("DB Path -> ") + StoreFile::folderPath());
    // A store the window can't use is answered as at start, before anything looks at the file.
    StoreStartup::openOrQuit();
    checkStoreFile();
    // The store is opened (which makes its file) before the first page shows, so that the next
    // start finds the file even when no profile was ever saved, and keeps the state chosen now.
    viewContext();
    writeDefaultFilters();
    createPages();
    chooseFirstPage();
    showFirstPage();
    dialogue->registerReplyBlock();
    dialogue->observeBestValueNotification();
}

void ViewController::checkStoreFile()
{
    // Looked for before anything opens the store: opening would create the file.
    const bool exists = StoreFile::exists();
    Console::printLine(QStringLiteral("資料庫檔案位置-> ") + StoreFile::filePath()
                       + QStringLiteral("\n檢查狀態：")
                       + (exists ? QStringLiteral("true") : QStringLiteral("false")));
    if (exists) {
        Console::printLine(QStringLiteral("File is exist"));
    } else {
        Console::printLine(QStringLiteral("File isn't exist"));
        UserDefaultHelper::removeAllKeys();
    }
}

void ViewController::writeDefaultFilters()
{
    if (UserDefaultHelper::date() || UserDefaultHelper::time()) {
        return;
    }
    UserDefaultHelper::setDate(SelectDateFormat_DB::row(SelectDateFormat_DB::Defaults::ALL).showValue);
    UserDefaultHelper::setTime(SelectTimeFormat_DB::row(SelectTimeFormat_DB::Defaults::ALL).showValue);
}

void ViewController::createPages()
{
    overview = new OverviewController(containView);
    data = new DataController(containView);
    profile = new ProfileController(containView);
    settings = new SettingsController(containView);
    region = new RegionController(containView);
    // The first-run choice reads as a welcome card in the middle of the window.
    region->setMinimumWidth(firstRunPageSize.width());
    region->setMaximumSize(firstRunPageSize);
    data->setMeterManager(manager);
    dataConditionHub.addObserver(data);
    profile->setDelegate(this);
    settings->setDelegate(this);
    region->setDelegate(this);
    pages = {slotOf(overview), slotOf(data), slotOf(profile), slotOf(settings), slotOf(region)};
    for (const PageSlot& slot : pages) {
        slot.view->hide();
    }
}

void ViewController::chooseFirstPage()
{
    if (!UserDefaultHelper::region()) {
        CurrentlyPage = REGION_TABTAG;
        setMenuShown(false);
        return;
    }
    if (loadStartupRange()) {
        CurrentlyPage = OVERVIEW_TABTAG;
    } else {
        CurrentlyPage = PROFILE_TABTAG;
        CurrentlyStatus = true;
    }
    pages[CurrentlyPage].observe(conditionHub);
    setMenuShown(true);
}

void ViewController::showFirstPage()
{
    const PageSlot& first = pages[CurrentlyPage];
    if (first.willAppear) {
        first.willAppear();
    }
    containView->addSubview(first.view);
    updateMenuImages();
    Accessibility::focusFirstControl(*first.view);
}

bool ViewController::loadStartupRange()
{
    const std::optional<QString> email = UserDefaultHelper::email();
    if (!email) {
        return false;
    }
    const StoreResult<ProfilePtr> found = viewContext().fetchProfile(email);
    if (!found) {
        StoreFailure::printCouldNotFetch(found.error());
        return false;
    }
    if (!found.value()) {
        return false;
    }
    const StoreResult<QList<PFMPtr>> readings = viewContext().pfmInfo(found.value());
    if (!readings) {
        StoreFailure::printCouldNotFetch(readings.error());
        return false;
    }
    std::optional<Timestamp> earliest;
    std::optional<Timestamp> latest;
    for (const PFMPtr& reading : readings.value()) {
        if (const std::optional<Timestamp>& date = reading->measureDate) {
            earliest = earliest ? std::min(*earliest, *date) : *date;
            latest = latest ? std::max(*latest, *date) : *date;
        }
    }
    const QDateTime now = AppClock::now();
    const QDateTime first = earliest ? earliest->toDateTime() : now;
    const QDateTime last = latest ? latest->toDateTime() : now;
    UserDefaultHelper::setTo(last);
    UserDefaultHelper::setFrom(first);
    UserDefaultHelper::setLimitTo(last);
    UserDefaultHelper::setLimitFrom(first);
    UserDefaultHelper::setDate(SelectDateFormat_DB::row(SelectDateFormat_DB::Defaults::ALL).showValue);
    UserDefaultHelper::setTime(SelectTimeFormat_DB::row(SelectTimeFormat_DB::Defaults::ALL).showValue);
    return true;
}

void ViewController::switchPageHandler(int target)
{
    if (target == CurrentlyPage || target < OVERVIEW_TABTAG || target > REGION_TABTAG) {
        return;
    }
    if (containView->subview() != pages[CurrentlyPage].view) {
        return;
    }
    Console::printLine(QStringLiteral("click page %1 / now page %2").arg(target).arg(CurrentlyPage));
    // The visible page settles first: its question or warning shows now, and its flag stays set
    // while its changes are unsaved. The switch is not made, nor repeated after the answer.
    conditionHub.broadcastPageSwitch();
    if (CurrentlyStatus || CurrentlySettingsStatus) {
        return;
    }
    const int previous = CurrentlyPage;
    transitionTo(target);
    if (previous != REGION_TABTAG) {
        conditionHub.removeObserver(pages[previous].view);
    }
    if (target != REGION_TABTAG) {
        pages[target].observe(conditionHub);
    }
    CurrentlyPage = target;
    updateMenuImages();
}

void ViewController::transitionTo(int target)
{
    const PageSlot& from = pages[CurrentlyPage];
    const PageSlot& to = pages[target];
    if (from.willDisappear) {
        from.willDisappear();
    }
    if (to.willAppear) {
        to.willAppear();
    }
    containView->addSubview(to.view);
    // Focus would stay on the side menu, or be lost with the page that closed (the region page).
    Accessibility::focusFirstControl(*to.view);
}

void ViewController::regionDidSelect(bool selected, const QString& chosen)
{
    if (!selected) {
        return;
    }
    UserDefaultHelper::setRegion(chosen);
    const std::optional<QString> stored = UserDefaultHelper::region();
    Console::printLine(QStringLiteral("current regoin -> ")
                       + (stored ? QStringLiteral("Optional(\"%1\")").arg(*stored) : QStringLiteral("nil")));
    transitionTo(PROFILE_TABTAG);
    CurrentlyPage = PROFILE_TABTAG;
    pages[PROFILE_TABTAG].observe(conditionHub);
    updateMenuImages();
    setMenuShown(true);
}

void ViewController::profileStatusDidChange(bool status)
{
    CurrentlyStatus = status;
}

void ViewController::settingsStatusDidChange(bool unsaved)
{
    CurrentlySettingsStatus = unsaved;
}

QWidget* ViewController::sheetAnchor()
{
    return this;
}

bool ViewController::pagesHoldUnsavedChanges() const
{
    return CurrentlyStatus || CurrentlySettingsStatus;
}

void ViewController::setSyncButton(bool enabled, const QString& imageName)
{
    Accessibility::enableOrSayWhy(*synceBtn, enabled, QStringLiteral("ViewController_Sync_NoMeter"));
    setButtonImage(*synceBtn, imageName);
}

void ViewController::synceHandler()
{
    dialogue->syncButtonPressed();
}

void ViewController::openDocumentHandler()
{
    if (HelpManual::open()) {
        return;
    }
    // No browser could be started: the manual in the application's own window, one at a time.
    if (!manualWindow) {
        manualWindow = new ManualWindow(this);
    }
    manualWindow->show();
    manualWindow->raise();
    manualWindow->activateWindow();
}

void ViewController::aboutHandler()
{
    auto* popover = new VersionController(this);
    popover->showBelowTopEdge(QRect(mapToGlobal(QPoint(0, 0)), size()));
}

void ViewController::setMenuShown(bool shown)
{
    menuBox->setVisible(shown);
    synceBtn->setVisible(shown);
    HelpBtn->setVisible(shown);
    sideBar->setVisible(shown);
}

void ViewController::updateMenuImages()
{
    // The settings button stands for the region page too.
    const int selected = std::min(CurrentlyPage, SETTINGS_TABTAG);
    for (int tag = OVERVIEW_TABTAG; tag <= SETTINGS_TABTAG; ++tag) {
        QToolButton& button = *menuButton(tag);
        setButtonImage(button, menuImageName(tag, tag == selected));
        button.setStyleSheet(tag == selected
                                 ? QStringLiteral("color: %1; font-weight: 600;").arg(Look::accent().name())
                                 : unselectedLabelStyle);
        // The window's own check asks for no page.
        const QSignalBlocker shownOnly(button);
        button.setChecked(tag == selected);
    }
}

QToolButton* ViewController::menuButton(int tag) const
{
    const std::array<QToolButton*, 4> buttons = {OverviewBtn, DataBtn, ProfileBtn, SettingsBtn};
    return buttons.at(static_cast<std::size_t>(tag));
}

void ViewController::setButtonImage(QToolButton& button, const QString& imageName)
{
    button.setIcon(Icons::icon(imageName));
    button.setProperty(menuImageProperty.toUtf8().constData(), imageName);
}

QString ViewController::menuImage(int tag) const
{
    if (tag < OVERVIEW_TABTAG || tag > SETTINGS_TABTAG) {
        return QString();
    }
    return menuButton(tag)->property(menuImageProperty.toUtf8().constData()).toString();
}

QString ViewController::syncImage() const
{
    return synceBtn->property(menuImageProperty.toUtf8().constData()).toString();
}

QWidget* ViewController::page(int index) const
{
    if (index < OVERVIEW_TABTAG || index > REGION_TABTAG) {
        return nullptr;
    }
    return pages[static_cast<std::size_t>(index)].view;
}
