#include "Brisvale/shell/SettingsController.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Fatal.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/PopUpAccessible.h"
#include "Brisvale/platform/StoreFailureAlert.h"
#include "Brisvale/records/BodyMeasures.h"
#include "Brisvale/records/DateFormat_DB.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/records/Region_DB.h"
#include "Brisvale/records/TableLookup.h"
#include "Brisvale/records/TimeFormat_DB.h"
#include "Brisvale/records/UnitType_DB.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/reports/BackupProcess.h"
#include "Brisvale/shell/StoreFailure.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace {

// 1 ft = 0.3048 m and 1 lb = 0.45359237 kg. Values are stored in single precision and converted
// in double precision, without rounding to decimals.
using BodyMeasures::kilogramsPerPound;

// A converted value in single precision; none when it is beyond the largest float.
std::optional<float> singlePrecision(double value)
{
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

// Changes the profile's unit system and converts its height and weight into the new units.
// A value that the new units cannot hold (only absurd stored values) leaves all three as they are.
void convertUnits(Profile& profile, const UnitType_DB& target)
{
    const double height = profile.height;
    const double weight = profile.weight;
    const bool toMetric = target.id == UnitType_DB::Defaults::KgCm;
    const std::optional<float> newHeight = singlePrecision(toMetric ? PeakFlowMath::centimetresFromFeet(height)
                                                                    : PeakFlowMath::feetFromCentimetres(height));
    const std::optional<float> newWeight =
        singlePrecision(toMetric ? weight * kilogramsPerPound : weight / kilogramsPerPound);
    if (!newHeight || !newWeight) {
        Console::printLine(QStringLiteral("height or weight out of range, units kept"));
        return;
    }
    profile.unit_type = target.dbId;
    profile.height = *newHeight;
    profile.weight = *newWeight;
    Console::printLine(QStringLiteral("height = %1 / weight = %2")
                           .arg(QString::number(profile.height), QString::number(profile.weight)));
}

QString itemText(const QComboBox& popUp, int index)
{
    return index < 0 ? QStringLiteral("(none)") : popUp.itemText(index);
}

QComboBox* makePopUp(QWidget* parent, const QString& name)
{
    auto* popUp = new QComboBox(parent);
    popUp->setObjectName(name);
    return popUp;
}

QLabel* makeCaption(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    return button;
}

}

SettingsController::SettingsController(QWidget* parent) : QWidget(parent)
{
    buildLayout();
    fillPopUps();
    connectActions();
}

void SettingsController::buildLayout()
{
    auto* card = new QFrame(this);
    Look::styleCard(*card);

    PageTitle_Lab = makeCaption(card, QStringLiteral("PageTitle_Lab"));
    Look::stylePageTitle(*PageTitle_Lab);
    SubTitle_Lab = makeCaption(card, QStringLiteral("SubTitle_Lab"));
    SubTitle_Lab->setWordWrap(true);
    DateFormat_Lab = makeCaption(card, QStringLiteral("DateFormat_Lab"));
    Unit_Lab = makeCaption(card, QStringLiteral("Unit_Lab"));
    TimeFormat_Lab = makeCaption(card, QStringLiteral("TimeFormat_Lab"));
    Region_Lab = makeCaption(card, QStringLiteral("Region_Lab"));
    // Made in reading order, which the keyboard's focus follows: the choices, their Save button,
    // then the backup buttons at the bottom.
    UnitPopUp = makePopUp(card, QStringLiteral("UnitPopUp"));
    DateFormatPopUp = makePopUp(card, QStringLiteral("DateFormatPopUp"));
    TimeFormatPopUp = makePopUp(card, QStringLiteral("TimeFormatPopUp"));
    RegionPopUp = makePopUp(card, QStringLiteral("RegionPopUp"));
    Save_Btn = makeButton(card, QStringLiteral("Save_Btn"));
    ImportData_Btn = makeButton(card, QStringLiteral("ImportData_Btn"));
    ExportData_Btn = makeButton(card, QStringLiteral("ExportData_Btn"));
    Look::styleButton(*ImportData_Btn);
    Look::styleButton(*ExportData_Btn);
    Look::styleDefaultButton(*Save_Btn);
    Save_Btn->setText(Localization::text(QStringLiteral("SettingsController_Save")));

    // The choices with their Save button below them, at the right edge of the pop-ups.
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(12);
    choices->setVerticalSpacing(10);
    choices->setColumnStretch(2, 1);
    const std::pair<QLabel*, QComboBox*> rows[] = {{Unit_Lab, UnitPopUp},
                                                   {DateFormat_Lab, DateFormatPopUp},
                                                   {TimeFormat_Lab, TimeFormatPopUp},
                                                   {Region_Lab, RegionPopUp}};
    int line = 0;
    for (const auto& [caption, popUp] : rows) {
        popUp->setMinimumWidth(160);
        caption->setBuddy(popUp);
        PopUpAccessible::speakChoice(*popUp);
        choices->addWidget(caption, line, 0);
        choices->addWidget(popUp, line, 1);
        ++line;
    }
    choices->addWidget(Save_Btn, line, 1, Qt::AlignRight);

    // The backup concerns the whole store, not these choices: it stands apart, at the bottom.
    auto* backup = new QHBoxLayout;
    backup->addWidget(ImportData_Btn);
    backup->addWidget(ExportData_Btn);
    backup->addStretch();

    auto* content = new QVBoxLayout(card);
    content->setContentsMargins(Look::cardPadding, Look::cardPadding, Look::cardPadding,
                                Look::cardPadding);
    content->setSpacing(12);
    content->addWidget(PageTitle_Lab);
    content->addWidget(SubTitle_Lab);
    content->addLayout(choices);
    content->addStretch();
    content->addLayout(backup);

    Look::placeCard(*this, *card);
}

// One item per table row, in table order, so that an item's index is its row's position.
void SettingsController::fillPopUps()
{
    for (const UnitType_DB& row : unitTypeTable()) {
        UnitPopUp->addItem(row.value);
    }
    for (const DateFormat_DB& row : dateFormatTable()) {
        DateFormatPopUp->addItem(row.showValue);
    }
    for (const TimeFormat_DB& row : timeFormatTable()) {
        TimeFormatPopUp->addItem(row.showValue);
    }
    for (const Region_DB& row : regionTable()) {
        RegionPopUp->addItem(row.value);
    }
}

void SettingsController::connectActions()
{
    connect(UnitPopUp, &QComboBox::activated, this, [this] {
        trackChange(UnitPopUp, unitSelectedItem, unitStatus, QStringLiteral("單位"));
    });
    connect(DateFormatPopUp, &QComboBox::activated, this, [this] {
        trackChange(DateFormatPopUp, dateFormatSelectedItem, dateFormatStatus,
                    QStringLiteral("日期格式"));
    });
    connect(TimeFormatPopUp, &QComboBox::activated, this, [this] {
        trackChange(TimeFormatPopUp, timeFormatSelectedItem, timeFormatStatus,
                    QStringLiteral("時間格式"));
    });
    connect(RegionPopUp, &QComboBox::activated, this, [this] {
        trackChange(RegionPopUp, regionSelectedItem, regionStatus, QStringLiteral("地區"));
    });
    connect(Save_Btn, &QPushButton::clicked, this, &SettingsController::saveHandler);
    connect(ExportData_Btn, &QPushButton::clicked, this, &SettingsController::ExportDBHandler);
    connect(ImportData_Btn, &QPushButton::clicked, this, &SettingsController::ImportDBHandler);
}

void SettingsController::willAppear()
{
    Console::printLine(QStringLiteral("Settings Appear"));
    PageTitle_Lab->setText(Localization::text(QStringLiteral("SettingsController_PageTitle")));
    SubTitle_Lab->setText(Localization::text(QStringLiteral("SettingsController_PageSubTitle")));
    DateFormat_Lab->setText(Localization::text(QStringLiteral("SettingsController_DateFormat")));
    Unit_Lab->setText(Localization::text(QStringLiteral("SettingsController_Unit")));
    TimeFormat_Lab->setText(Localization::text(QStringLiteral("SettingsController_TimeFormat")));
    Region_Lab->setText(Localization::text(QStringLiteral("SettingsController_Region")));
    ImportData_Btn->setText(Localization::text(QStringLiteral("SettingsController_Import")));
    ExportData_Btn->setText(Localization::text(QStringLiteral("SettingsController_Export")));
    currentlyEmail = UserDefaultHelper::email();
    loadSettings();
}

void SettingsController::willDisappear()
{
    Console::printLine(QStringLiteral("Settings View will disappear"));
}

void SettingsController::onPageSwitch()
{
    Console::printLine(QStringLiteral("Settings 通知即將切換頁"));
    if (hasUnsavedChanges()) {
        saveHandler();
    }
}

void SettingsController::onDataRefresh(bool, const QString&)
{
    Console::printLine(QStringLiteral("Settings 通知即時更新"));
    willAppear();
}

bool SettingsController::hasUnsavedChanges() const
{
    return dateFormatStatus || timeFormatStatus || unitStatus || regionStatus;
}

// Shows the current user's stored choices. A date format that names no row (a profile from an
// imported file may carry any number) shows no selection; so does every pop-up when there is no
// current user.
void SettingsController::loadSettings()
{
    ProfilePtr profile;
    if (currentlyEmail) {
        StoreResult<ProfilePtr> found = viewContext().fetchProfile(currentlyEmail);
        if (!found) {
            Fatal::stop(QStringLiteral("Failed to fetch data: ") + found.error().text());
        }
        profile = found.value();
    }
    const auto rowIndex = [](const auto& row) { return row ? static_cast<int>(row->id) : -1; };
    const auto dateRow = profile ? DateFormat_DB::fromDbId(profile->date_format) : std::nullopt;
    UnitPopUp->setCurrentIndex(profile ? rowIndex(UnitType_DB::fromDbId(profile->unit_type)) : -1);
    DateFormatPopUp->setCurrentIndex(dateRow ? dateRow->dbId : -1);
    TimeFormatPopUp->setCurrentIndex(
        profile ? rowIndex(TimeFormat_DB::fromDbId(profile->time_format)) : -1);
    RegionPopUp->setCurrentIndex(profile ? rowIndex(Region_DB::fromDbId(profile->region)) : -1);

    dateFormatSelectedItem = DateFormatPopUp->currentIndex();
    unitSelectedItem = UnitPopUp->currentIndex();
    timeFormatSelectedItem = TimeFormatPopUp->currentIndex();
    regionSelectedItem = RegionPopUp->currentIndex();
    dateFormatStatus = timeFormatStatus = unitStatus = regionStatus = false;
    if (SettingsStatusDelegate* target = delegate.get()) {
        target->settingsStatusDidChange(false);
    }
}

void SettingsController::trackChange(QComboBox* popUp, int loadedIndex, bool& status,
                                     const QString& caption)
{
    const int selected = popUp->currentIndex();
    Console::printLine(caption + QStringLiteral(" 原本的選項 -> ") + itemText(*popUp, loadedIndex)
                       + QStringLiteral(" / 目前的選項 -> ") + itemText(*popUp, selected));
    status = selected != loadedIndex;
    reportStatus();
}

void SettingsController::reportStatus()
{
    if (SettingsStatusDelegate* target = delegate.get()) {
        target->settingsStatusDidChange(hasUnsavedChanges());
    }
}

void SettingsController::saveHandler()
{
    const Choices choices{currentlyEmail, UnitPopUp->currentIndex(),
                          DateFormatPopUp->currentIndex(), TimeFormatPopUp->currentIndex(),
                          RegionPopUp->currentIndex()};
    const Alert ask = Alert::saveQuestion(Localization::text(
        QStringLiteral("SettingsController_AlertMessage_AskSaveUser"), Localization::Placeholder::email,
        choices.email.value_or(QString())));
    AlertPresenter::shared().beginSheet(
        this, ask, [this, choices](int response) { saveSettings(response, choices); });
}

void SettingsController::saveSettings(int response, const Choices& choices)
{
    if (response == Alert::firstButton) {
        Console::printLine(QStringLiteral("Yes"));
        if (!storeChoices(choices)) {
            // The choices stay on screen, still unsaved.
            return;
        }
    } else if (response == Alert::secondButton) {
        Console::printLine(QStringLiteral("No"));
    } else {
        Console::printLine(QStringLiteral("Other"));
    }
    loadSettings();
}

// Writes the captured choices into the profile the question named. A pop-up without a selection
// leaves its attribute as stored. False when the store failed: a failed save is shown in the
// store-failure alert.
bool SettingsController::storeChoices(const Choices& choices)
{
    if (!choices.email) {
        return true;
    }
    StoreResult<ProfilePtr> found = viewContext().fetchProfile(choices.email);
    if (!found) {
        StoreFailure::printCouldNotFetch(found.error());
        return true;
    }
    const ProfilePtr profile = found.value();
    if (!profile) {
        return true;
    }
    if (const auto date = TableLookup::at(dateFormatTable(), choices.date)) {
        profile->date_format = date->dbId;
    }
    if (const auto time = TableLookup::at(timeFormatTable(), choices.time)) {
        profile->time_format = time->dbId;
    }
    const auto unit = TableLookup::at(unitTypeTable(), choices.unit);
    if (unit && unit->dbId != profile->unit_type) {
        convertUnits(*profile, *unit);
    }
    if (const auto region = TableLookup::at(regionTable(), choices.region)) {
        profile->region = region->dbId;
    }
    const StoreStatus saved = viewContext().save();
    if (!saved) {
        StoreFailure::printCouldNotFetch(saved.error());
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
        return false;
    }
    return true;
}

void SettingsController::ExportDBHandler()
{
    BackupProcess::exportStore(this);
}

// After an import the stored choices may have changed under the pop-ups, so they are reloaded:
// a later save must not write the choices shown before over the imported ones.
void SettingsController::ImportDBHandler()
{
    if (BackupProcess::importStore(this)) {
        loadSettings();
    }
}
