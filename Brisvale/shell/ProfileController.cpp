#include "Brisvale/shell/ProfileController.h"

#include "Brisvale/pages/BoundedDateEdit.h"
#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/DialogueButtons.h"
#include "Brisvale/platform/LengthLimit.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/PopUpAccessible.h"
#include "Brisvale/platform/StoreFailureAlert.h"
#include "Brisvale/records/BodyMeasures.h"
#include "Brisvale/records/Gender_DB.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/TableLookup.h"
#include "Brisvale/records/UnitType_DB.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/reports/BackupProcess.h"
#include "Brisvale/shell/CreateUserController.h"
#include "Brisvale/shell/CurrentUserRow.h"
#include "Brisvale/shell/StoreFailure.h"
#include "Brisvale/shell/UserListController.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <charconv>
#include <tuple>

namespace {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString optionalText(const std::optional<QString>& text)
{
    return text.value_or(QStringLiteral("(none)"));
}

// The stored value as its shortest decimal text, for the console.
QString floatText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QPushButton* pageButton(const char* name, const char* titleKey)
{
    auto* button = named(new QPushButton(Localization::text(QLatin1String(titleKey))), name);
    Look::styleButton(*button);
    return button;
}

// A short note beside a field, in the colour of a warning.
QLabel* hintLabel(const char* name)
{
    auto* label = named(new QLabel, name);
    label->setWordWrap(true);
    return label;
}

// A hint in grey, or in the colour of a warning when it says why a value is not taken.
void setHint(QLabel& hint, const QString& text, bool warning)
{
    QPalette palette = hint.palette();
    palette.setColor(QPalette::WindowText, warning ? QColor(176, 0, 32) : QColor(96, 96, 96));
    hint.setPalette(palette);
    hint.setText(text);
}

// The widths of the profile's fields: texts, choices, and heights and weights.
constexpr int textFieldWidth = 320;
constexpr int choiceWidth = 200;
constexpr int measureFieldWidth = 110;
constexpr int hintWidth = 260;

// A height or weight field, its unit and the hint that says why a typed value is not taken.
QLayout* measureRow(QLineEdit* field, QLabel* unit, QLabel* hint)
{
    field->setFixedWidth(measureFieldWidth);
    hint->setFixedWidth(hintWidth);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(field);
    row->addWidget(unit);
    row->addSpacing(8);
    row->addWidget(hint);
    row->addStretch(1);
    return row;
}

}

ProfileController::ProfileController(QWidget* parent) : QWidget(parent)
{
    buildInterface();
    connectChangeTracking();
    updateVisibility();
}

// ---- interface -------------------------------------------------------------------------------

void ProfileController::buildInterface()
{
    auto* card = named(new QFrame, "Card");
    Look::styleCard(*card);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(Look::cardPadding, Look::cardPadding, Look::cardPadding, Look::cardPadding);
    cardLayout->setSpacing(12);

    PageTitleLab = named(new QLabel, "PageTitleLab");
    Look::stylePageTitle(*PageTitleLab);
    cardLayout->addWidget(PageTitleLab);
    // The fields and their buttons stand in one column as wide as the fields need, so that the
    // Save button stands by the fields it saves.
    auto* form = new QWidget;
    auto* formLayout = new QVBoxLayout(form);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->setSpacing(12);
    formLayout->addWidget(buildInfoBox());
    formLayout->addLayout(buildButtonRow());
    cardLayout->addWidget(form, 0, Qt::AlignLeft);
    cardLayout->addStretch(1);

    Look::placeCard(*this, *card);
}

QWidget* ProfileController::buildInfoBox()
{
    InfoBox = named(new QFrame, "InfoBox");
    InfoBox->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(InfoBox);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);

    EmailLab = named(new QLabel, "EmailLab");
    NameLab = named(new QLabel, "NameLab");
    GenderLab = named(new QLabel, "GenderLab");
    BirthLab = named(new QLabel, "BirthLab");
    HeightLab = named(new QLabel, "HeightLab");
    WeightLab = named(new QLabel, "WeightLab");
    HeightUnitLab = named(new QLabel, "HeightUnitLab");
    WeightUnitLab = named(new QLabel, "WeightUnitLab");

    // The e-mail is the key by which the profile is saved: shown, never edited.
    EmailField = named(new QLineEdit, "EmailField");
    EmailField->setReadOnly(true);
    QPalette readOnly = EmailField->palette();
    readOnly.setColor(QPalette::Base, Look::windowBackground());
    EmailField->setPalette(readOnly);
    NameField = named(new QLineEdit, "NameField");
    GenderPopUp = named(new QComboBox, "GenderPopUp");
    for (const Gender_DB& row : genderTable()) {
        GenderPopUp->addItem(Localization::text(row.i18nKey));
    }
    PopUpAccessible::speakChoice(*GenderPopUp);
    BirthDatePicker = named(new BoundedDateEdit, "BirthDatePicker");
    BirthDatePicker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    BirthDatePicker->setMaximumDateTime(AppClock::now());
    HeightField = named(new QLineEdit, "HeightField");
    WeightField = named(new QLineEdit, "WeightField");
    HeightHintLab = hintLabel("HeightHintLab");
    WeightHintLab = hintLabel("WeightHintLab");
    NameNoteLab = hintLabel("NameNoteLab");
    setHint(*NameNoteLab, QString(), false);
    nameLength = new LengthLimit(*NameField, *NameNoteLab, nameLimit, QStringLiteral("ProfileController_NameLimit"));

    // Each field as wide as its content needs, a note under it where it has one (shown only
    // while it says something); a height or weight with its unit and its hint.
    const QList<std::tuple<QLabel*, QWidget*, int, QLabel*>> fields{
        {EmailLab, EmailField, textFieldWidth, nullptr}, {NameLab, NameField, textFieldWidth, NameNoteLab},
        {GenderLab, GenderPopUp, choiceWidth, nullptr},  {BirthLab, BirthDatePicker, choiceWidth, nullptr},
    };
    int row = 0;
    for (const auto& [caption, field, width, note] : fields) {
        field->setFixedWidth(width);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row++, 1, Qt::AlignLeft);
        if (note) {
            note->setFixedWidth(width);
            grid->addWidget(note, row++, 1, Qt::AlignLeft);
        }
    }
    HeightLab->setBuddy(HeightField);
    WeightLab->setBuddy(WeightField);
    // A reader hears a height or weight in full, with its unit.
    Accessibility::describeByText(*HeightField, HeightUnitLab);
    Accessibility::describeByText(*WeightField, WeightUnitLab);
    grid->addWidget(HeightLab, row, 0);
    grid->addLayout(measureRow(HeightField, HeightUnitLab, HeightHintLab), row++, 1);
    grid->addWidget(WeightLab, row, 0);
    grid->addLayout(measureRow(WeightField, WeightUnitLab, WeightHintLab), row, 1);
    return InfoBox;
}

QLayout* ProfileController::buildButtonRow()
{
    AddUserBtn = pageButton("AddUserBtn", "ProfileController_AddUser");
    RestoreBtn = pageButton("RestoreBtn", "ProfileController_Restore");
    UserListBtn = pageButton("UserListBtn", "ProfileController_UserList");
    DeleteBtn = pageButton("DeleteBtn", "ProfileController_Delete");
    SaveBtn = pageButton("SaveBtn", "ProfileController_Save");
    Look::styleDefaultButton(*SaveBtn);
    connect(AddUserBtn, &QPushButton::clicked, this, &ProfileController::createUserHandler);
    connect(RestoreBtn, &QPushButton::clicked, this, &ProfileController::restoreBackupHandler);
    connect(UserListBtn, &QPushButton::clicked, this, &ProfileController::userListHandler);
    connect(DeleteBtn, &QPushButton::clicked, this, &ProfileController::deleteUserHandler);
    connect(SaveBtn, &QPushButton::clicked, this, &ProfileController::saveUserHandler);

    auto* row = new QHBoxLayout;
    row->addWidget(AddUserBtn);
    row->addWidget(RestoreBtn);
    row->addWidget(UserListBtn);
    row->addStretch(1);
    row->addWidget(DeleteBtn);
    row->addWidget(SaveBtn);
    return row;
}

void ProfileController::connectChangeTracking()
{
    for (QLineEdit* field : {NameField, HeightField, WeightField}) {
        connect(field, &QLineEdit::textChanged, this, [this, field] { controlTextDidChange(field); });
    }
    for (QLineEdit* field : {HeightField, WeightField}) {
        connect(field, &QLineEdit::textChanged, this, &ProfileController::updateMeasureHints);
    }
    connect(GenderPopUp, &QComboBox::currentIndexChanged, this,
            &ProfileController::popUpSelectionDidChange);
    connect(BirthDatePicker, &QDateTimeEdit::dateTimeChanged, this,
            &ProfileController::PickerDidChange);
}

void ProfileController::setCaptions()
{
    const std::pair<QLabel*, const char*> captions[] = {
        {PageTitleLab, "ProfileController_PageTitle"}, {EmailLab, "ProfileController_Email"},
        {NameLab, "ProfileController_Name"},           {GenderLab, "ProfileController_Gender"},
        {BirthLab, "ProfileController_Birth"},         {HeightLab, "ProfileController_Height"},
        {WeightLab, "ProfileController_Weight"},
    };
    for (const auto& [label, key] : captions) {
        label->setText(Localization::text(QLatin1String(key)));
    }
}

// ---- appearance ------------------------------------------------------------------------------

void ProfileController::willAppear()
{
    setCaptions();
    const std::optional<QString> email = UserDefaultHelper::email();
    Console::printLine(QStringLiteral("Profile Appear ") + optionalText(email));
    flag = email.has_value();
    updateVisibility();
    if (flag) {
        viewWillFlag = true;
        if (const ProfilePtr profile = fetchCurrentProfile()) {
            loadProfile(profile, false);
        } else {
            // The stored e-mail names no profile: there is no usable user.
            showNoUser();
        }
    }
    tellDelegate();
}

void ProfileController::willDisappear()
{
    Console::printLine(QStringLiteral("Profile View will disappear"));
}

void ProfileController::onPageSwitch()
{
    Console::printLine(QStringLiteral("Profile 通知即將切換頁"));
    settleEdits();
}

void ProfileController::settleEdits()
{
    if (!hasUnsavedChanges()) {
        return;
    }
    if (newProfileTag) {
        AlertPresenter::shared().runModal(
            Alert{Localization::text(QStringLiteral("ViewController_AlertMessage_SystemNotUser")),
                  AlertSymbol::exclamationmarkTriangle, {DialogueButtons::ok()}});
    } else {
        saveUserHandler();
    }
}

// The question shows now and its answer comes later: the action that asked is not made, nor
// repeated after the answer, as a page switch is not. Without a shown profile nothing is kept.
bool ProfileController::shownProfileSettled()
{
    if (!flag) {
        return true;
    }
    settleEdits();
    return !hasUnsavedChanges();
}

void ProfileController::onDataRefresh(bool, const QString&)
{
    Console::printLine(QStringLiteral("Profile 通知即時更新"));
    willAppear();
}

void ProfileController::userDidSelect(const ProfilePtr& profile, bool renew)
{
    loadProfile(profile, renew);
}

// ---- state -----------------------------------------------------------------------------------

ProfilePtr ProfileController::fetchCurrentProfile() const
{
    const std::optional<QString> email = UserDefaultHelper::email();
    if (!email) {
        return nullptr;
    }
    StoreResult<ProfilePtr> profile = viewContext().fetchProfile(email);
    if (!profile) {
        StoreFailure::stopFetchFailed(profile.error());
    }
    return profile.value();
}

bool ProfileController::hasUnsavedChanges() const
{
    if (!UserDefaultHelper::email() || NameField->text().isEmpty()) {
        return true;
    }
    return nameStatus || weightStatus || heightStatus || genderStatus || birthStatus;
}

void ProfileController::updateVisibility()
{
    InfoBox->setHidden(!flag);
    UserListBtn->setHidden(!flag);
    DeleteBtn->setHidden(!flag);
    SaveBtn->setHidden(!flag);
    AddUserBtn->setHidden(flag);
    RestoreBtn->setHidden(flag);
}

void ProfileController::tellDelegate()
{
    if (ProfileStatusDelegate* receiver = delegate.get()) {
        receiver->profileStatusDidChange(hasUnsavedChanges());
    }
}

// No current user: only the add button shows, the fields are emptied and no e-mail is stored.
void ProfileController::showNoUser()
{
    flag = false;
    UserDefaultHelper::setEmail(std::nullopt);
    {
        const QSignalBlocker blockName(NameField);
        const QSignalBlocker blockHeight(HeightField);
        const QSignalBlocker blockWeight(WeightField);
        EmailField->clear();
        nameLength->setText(QString());
        HeightField->clear();
        WeightField->clear();
    }
    nameStatus = heightStatus = weightStatus = genderStatus = birthStatus = false;
    updateVisibility();
    newProfileTag = true;
}

void ProfileController::loadProfile(const ProfilePtr& profile, bool renew)
{
    if (!profile) {
        return;
    }
    showProfileFields(profile);
    UserDefaultHelper::setEmail(profile->email);
    // The focus comes back to the Switch Profile button after a switch: a reader hears there
    // which profile is now the current one.
    UserListBtn->setAccessibleDescription(
        Localization::text(QStringLiteral("ProfileController_CurrentProfile")).arg(spokenUserRow(*profile)));
    if (renew) {
        RenewProcess::renewDateLimits(viewWillFlag, profile);
    }
    rememberLoadedState();
    tellDelegate();
    if (!flag) {
        flag = true;
        updateVisibility();
    }
    viewWillFlag = false;
    AddUserBtn->setHidden(newProfileTag);
    UserListBtn->setHidden(newProfileTag);
    // A new profile is named first: the button that made it is hidden now, and focus would
    // otherwise pass on to whatever follows it.
    if (newProfileTag) {
        NameField->setFocus(Qt::OtherFocusReason);
    }
}

void ProfileController::showProfileFields(const ProfilePtr& profile)
{
    const QSignalBlocker blockName(NameField);
    const QSignalBlocker blockGender(GenderPopUp);
    const QSignalBlocker blockPicker(BirthDatePicker);
    const QSignalBlocker blockHeight(HeightField);
    const QSignalBlocker blockWeight(WeightField);

    // A name or e-mail from a backup may be longer than a person types: it is shown and kept whole.
    LengthLimit::showWhole(*EmailField, profile->email.value_or(QString()), CreateUserController::emailLimit);
    nameLength->setText(profile->name.value_or(QString()));
    NameField->setCursorPosition(0);
    newProfileTag = NameField->text().isEmpty();
    if (const std::optional<Gender_DB> gender = Gender_DB::fromDbId(profile->gender)) {
        GenderPopUp->setCurrentIndex(static_cast<int>(gender->id));
    }
    const QDateTime birthday = profile->birthday ? profile->birthday->toDateTime() : QDateTime();
    BirthDatePicker->setDateTime(birthday.isValid() ? birthday : AppClock::now());

    const UnitType_DB unit = UnitType_DB::fromDbId(profile->unit_type).value_or(
        UnitType_DB::row(UnitType_DB::Defaults::KgCm));
    WeightUnitLab->setText(unit.weight);
    HeightUnitLab->setText(unit.height);
    if (unit.id == UnitType_DB::Defaults::FtIn) {
        Console::printLine(QStringLiteral("資料庫中的值 -> ") + floatText(profile->height));
    }
    shownUnit = unit.id;
    HeightField->setText(BodyMeasures::heightText(profile->height, unit.id));
    WeightField->setText(BodyMeasures::weightText(profile->weight));
    // Set quietly, so that no edit is counted: a reader's description follows by hand.
    Accessibility::describeByText(*HeightField, HeightUnitLab);
    Accessibility::describeByText(*WeightField, WeightUnitLab);
    updateMeasureHints();
}

void ProfileController::updateMeasureHints()
{
    showMeasureHints(!BodyMeasures::acceptedHeight(HeightField->text(), shownUnit),
                     !BodyMeasures::acceptedWeight(WeightField->text(), shownUnit));
}

// A height or weight that is no number, negative or beyond any person's is not saved: the hint
// says so, with the limits in the profile's units. A height in feet otherwise shows how it is
// written, since "5.7" would be decimal feet, not 5 ft 7 in.
void ProfileController::showMeasureHints(bool heightRefused, bool weightRefused)
{
    const bool metric = shownUnit == UnitType_DB::Defaults::KgCm;
    const QString heightHint = heightRefused ? (metric ? QStringLiteral("ProfileController_HeightHint_KgCm")
                                                       : QStringLiteral("ProfileController_HeightHint_FtIn"))
                                             : (metric ? QString() : QStringLiteral("ProfileController_HeightFormat_FtIn"));
    setHint(*HeightHintLab, heightHint.isEmpty() ? QString() : Localization::text(heightHint), heightRefused);
    setHint(*WeightHintLab,
            weightRefused ? Localization::text(metric ? QStringLiteral("ProfileController_WeightHint_KgCm")
                                                      : QStringLiteral("ProfileController_WeightHint_FtIn"))
                          : QString(),
            weightRefused);
}

void ProfileController::rememberLoadedState()
{
    nameSelectedItem = NameField->text();
    heightSelectedItem = HeightField->text();
    weightSelectedItem = WeightField->text();
    popUpInitiallySelectedItem = GenderPopUp->currentIndex();
    datePickerSelectedItem = BirthDatePicker->dateTime();
    nameStatus = heightStatus = weightStatus = genderStatus = birthStatus = false;
}

// ---- change tracking -------------------------------------------------------------------------

void ProfileController::controlTextDidChange(QLineEdit* sender)
{
    const std::pair<QLineEdit*, std::pair<std::optional<QString>*, bool*>> fields[] = {
        {NameField, {&nameSelectedItem, &nameStatus}},
        {HeightField, {&heightSelectedItem, &heightStatus}},
        {WeightField, {&weightSelectedItem, &weightStatus}},
    };
    for (const auto& [field, tracking] : fields) {
        if (field != sender) {
            continue;
        }
        const auto& [loaded, status] = tracking;
        Console::printLine(optionalText(*loaded) + QStringLiteral(" -> ") + field->text());
        *status = !loaded->has_value() || **loaded != field->text();
        tellDelegate();
    }
}

void ProfileController::popUpSelectionDidChange()
{
    const int selected = GenderPopUp->currentIndex();
    Console::printLine(QString::number(popUpInitiallySelectedItem.value_or(-1))
                       + QStringLiteral(" -> ") + QString::number(selected));
    genderStatus = popUpInitiallySelectedItem != selected;
    tellDelegate();
}

void ProfileController::PickerDidChange()
{
    const QDateTime picked = BirthDatePicker->dateTime();
    Console::printLine(
        (datePickerSelectedItem ? datePickerSelectedItem->toString(Qt::ISODate) : QStringLiteral("(none)"))
        + QStringLiteral(" -> ") + picked.toString(Qt::ISODate));
    birthStatus = datePickerSelectedItem != picked;
    tellDelegate();
}

// ---- save ------------------------------------------------------------------------------------

ProfileController::SaveRequest ProfileController::readSaveRequest() const
{
    const std::optional<Gender_DB> gender = TableLookup::at(genderTable(), GenderPopUp->currentIndex());
    return SaveRequest{EmailField->text(),
                       NameField->text(),
                       BirthDatePicker->dateTime(),
                       BirthDatePicker->dateTime() != datePickerSelectedItem,
                       HeightField->text(),
                       WeightField->text(),
                       gender ? gender->dbId : false};
}

void ProfileController::saveUserHandler()
{
    const SaveRequest request = readSaveRequest();
    if (request.name.isEmpty()) {
        AlertPresenter::shared().runModal(
            Alert{Localization::text(QStringLiteral("ProfileController_AlertMessage_EmptyField")),
                  AlertSymbol::exclamationmarkTriangle, {DialogueButtons::ok()}});
        return;
    }
    const QString message =
        Localization::text(QStringLiteral("ProfileController_AlertMessage_AskSaveUser"),
                           Localization::Placeholder::email, request.email);
    AlertPresenter::shared().beginSheet(this, Alert::saveQuestion(message),
                                        [this, request](int response) {
                                            saveCompletion(response, request);
                                        });
}

void ProfileController::saveCompletion(int response, const SaveRequest& request)
{
    if (response == Alert::secondButton) {
        Console::printLine(QStringLiteral("No"));
        if (!newProfileTag) {
            if (const ProfilePtr profile = fetchCurrentProfile()) {
                loadProfile(profile, true);
            } else {
                showNoUser();
                tellDelegate();
            }
        }
        return;
    }
    if (response != Alert::firstButton) {
        Console::printLine(QStringLiteral("Other"));
        return;
    }
    Console::printLine(QStringLiteral("Yes"));
    storeEdits(request);
}

void ProfileController::storeEdits(const SaveRequest& request)
{
    StoreContext& context = viewContext();
    StoreResult<ProfilePtr> found = context.fetchProfile(request.email);
    if (!found) {
        StoreFailure::printCouldNotFetch(found.error());
        return;
    }
    const ProfilePtr profile = found.value();
    if (!profile) {
        return;
    }
    const UnitType_DB::Defaults unit = UnitType_DB::fromDbId(profile->unit_type)
                                           .value_or(UnitType_DB::row(UnitType_DB::Defaults::KgCm))
                                           .id;
    profile->name = request.name;
    profile->gender = request.gender;
    // A stored birthday the user left alone stays as stored, to the last bit, even where the
    // picker can't show it exactly (beyond its range, or finer than milliseconds).
    if (!profile->birthday || request.birthdayEdited) {
        profile->birthday = Timestamp::fromDateTime(request.birthday);
    }
    // A value that is not taken keeps the stored one; its hint stays to say why.
    const std::optional<float> height = BodyMeasures::acceptedHeight(request.heightText, unit);
    const std::optional<float> weight = BodyMeasures::acceptedWeight(request.weightText, unit);
    profile->height = height.value_or(profile->height);
    profile->weight = weight.value_or(profile->weight);
    const StoreStatus saved = context.save();
    if (!saved) {
        // The typed values stay on screen, still unsaved.
        StoreFailure::printCouldNotFetch(saved.error());
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
        return;
    }
    loadProfile(profile, true);
    showMeasureHints(!height, !weight);
}

// ---- delete ----------------------------------------------------------------------------------

void ProfileController::deleteUserHandler()
{
    const QString email = EmailField->text();
    const QString message = Localization::text(QStringLiteral("ProfileController_AlertMessage_AskDeleteUser"),
                                               Localization::Placeholder::email, email);
    const Alert alert = Alert::question(message, AlertSymbol::exclamationmark);
    AlertPresenter::shared().beginSheet(this, alert, [this, email](int response) {
        deleteCompletion(response, email);
    });
}

void ProfileController::deleteCompletion(int response, const QString& email)
{
    if (response == Alert::secondButton) {
        Console::printLine(QStringLiteral("No"));
        return;
    }
    if (response != Alert::firstButton) {
        Console::printLine(QStringLiteral("Other"));
        return;
    }
    Console::printLine(QStringLiteral("Yes"));
    deleteProfile(email);
    tellDelegate();
}

void ProfileController::deleteProfile(const QString& email)
{
    StoreContext& context = viewContext();
    StoreResult<ProfilePtr> found = context.fetchProfile(email);
    if (!found) {
        StoreFailure::printCouldNotFetch(found.error());
        return;
    }
    if (!found.value()) {
        return;
    }
    context.deleteProfile(found.value());
    const StoreStatus saved = context.save();
    if (!saved) {
        StoreFailure::printCouldNotFetch(saved.error());
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
        return;
    }
    StoreResult<QList<ProfilePtr>> remaining = context.fetchProfiles();
    if (!remaining) {
        StoreFailure::stopFetchFailed(remaining.error());
    }
    if (!remaining.value().isEmpty()) {
        loadProfile(remaining.value().first(), true);
    } else {
        showNoUser();
    }
}

// ---- sheets ----------------------------------------------------------------------------------

void ProfileController::createUserHandler()
{
    if (!shownProfileSettled()) {
        return;
    }
    auto* sheet = new CreateUserController(this);
    sheet->setDelegate(this);
    sheet->show();
}

// The file's first profile goes on as a profile just created and saved would: shown, current,
// with its readings' whole date window.
void ProfileController::restoreBackupHandler()
{
    const std::optional<QString> email = BackupProcess::restoreStore(this);
    if (!email) {
        return;
    }
    StoreResult<ProfilePtr> found = viewContext().fetchProfile(email);
    if (!found) {
        StoreFailure::printCouldNotFetch(found.error());
        return;
    }
    if (const ProfilePtr& profile = found.value()) {
        RenewProcess::renewDateLimits(false, profile);
        loadProfile(profile, false);
    }
}

void ProfileController::userListHandler()
{
    if (!shownProfileSettled()) {
        return;
    }
    auto* sheet = new UserListController(this);
    sheet->setDelegate(this);
    sheet->show();
}
