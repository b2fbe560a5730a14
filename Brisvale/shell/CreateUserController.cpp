#include "Brisvale/shell/CreateUserController.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/DialogueButtons.h"
#include "Brisvale/platform/LengthLimit.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/StoreFailureAlert.h"
#include "Brisvale/records/BestValueType_DB.h"
#include "Brisvale/records/Region_DB.h"
#include "Brisvale/records/UnitType_DB.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/StoreFailure.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void warn(const char* messageKey)
{
    AlertPresenter::shared().runModal(Alert{Localization::text(QLatin1String(messageKey)),
                                            AlertSymbol::exclamationmarkTriangle,
                                            {DialogueButtons::ok()}});
}

// The region a new profile takes its formats from: the stored one, or "Other".
Region_DB storedRegion()
{
    const std::optional<QString> stored = UserDefaultHelper::region();
    const std::optional<Region_DB> region = stored ? Region_DB::fromValue(*stored) : std::nullopt;
    return region.value_or(Region_DB::row(Region_DB::Defaults::Other));
}

}

CreateUserController::CreateUserController(QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    Look::styleSheetWindow(*this);
    // The sheet has no window title; a reader names it after the button that opened it.
    setAccessibleName(Localization::text(QStringLiteral("ProfileController_AddUser")));

    Email_Lab = new QLabel;
    Email_Lab->setObjectName(QStringLiteral("Email_Lab"));
    EmailField = new QLineEdit;
    EmailField->setObjectName(QStringLiteral("EmailField"));
    EmailField->setMinimumWidth(280);
    Email_Lab->setBuddy(EmailField);
    EmailNoteLab = new QLabel;
    EmailNoteLab->setObjectName(QStringLiteral("EmailNoteLab"));
    EmailNoteLab->setWordWrap(true);
    // A pasted address too long to hold is refused whole: cut, it would name another profile.
    new LengthLimit(*EmailField, *EmailNoteLab, emailLimit, QStringLiteral("CreateUserController_EmailLimit"),
                    LengthLimit::Overflow::refuse);
    CreateBtn = new QPushButton(Localization::text(QStringLiteral("CreateUserController_Create")));
    CreateBtn->setObjectName(QStringLiteral("CreateBtn"));
    CreateBtn->setDefault(true);
    Look::styleDefaultButton(*CreateBtn);
    connect(CreateBtn, &QPushButton::clicked, this, &CreateUserController::createHandler);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CreateBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(Email_Lab);
    layout->addWidget(EmailField);
    layout->addWidget(EmailNoteLab);
    layout->addLayout(buttons);
}

void CreateUserController::showEvent(QShowEvent* event)
{
    willAppear();
    Look::styleSheetWindow(*this);
    QDialog::showEvent(event);
}

void CreateUserController::willAppear()
{
    Email_Lab->setText(Localization::text(QStringLiteral("CreateUserController_Email")));
}

void CreateUserController::createHandler()
{
    // The e-mail is the key of the profile: used exactly as typed, blanks included.
    const QString email = EmailField->text();
    if (refusesEmail(email)) {
        return;
    }
    const ProfilePtr profile = insertNewProfile(email);
    const StoreStatus saved = viewContext().save();
    if (!saved) {
        // Nothing is left pending; the sheet stays open with the e-mail typed.
        Console::printLine(QStringLiteral("Failed to create :") + saved.error().text());
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
        return;
    }
    if (UserList_ReturnDelegate* receiver = delegate.get()) {
        receiver->userDidSelect(profile, true);
    }
    close();
}

bool CreateUserController::refusesEmail(const QString& email)
{
    if (email.isEmpty()) {
        warn("CreateUserController_AlertMessage_EmptyEmail");
        return true;
    }
    const StoreResult<QList<ProfilePtr>> matches = viewContext().fetchProfiles(email);
    if (!matches) {
        StoreFailure::printCouldNotFetch(matches.error());
        return true;
    }
    if (!matches.value().isEmpty()) {
        warn("CreateUserController_AlertMessage_ExistEmail");
        return true;
    }
    return false;
}

ProfilePtr CreateUserController::insertNewProfile(const QString& email)
{
    const Region_DB region = storedRegion();
    const UnitType_DB::Defaults unit = region.id == Region_DB::Defaults::USA
                                           ? UnitType_DB::Defaults::FtIn
                                           : UnitType_DB::Defaults::KgCm;
    const ProfilePtr profile = viewContext().insertProfile();
    profile->email = email;
    profile->unit_type = UnitType_DB::row(unit).dbId;
    profile->date_format = region.dateFormat.dbId;
    profile->time_format = region.timeFormat.dbId;
    profile->birthday = Timestamp::fromDateTime(QDate(1970, 6, 1).startOfDay());
    profile->region = region.dbId;
    profile->best_Value_Type = BestValueType_DB::row(BestValueType_DB::Defaults::Measure).dbId;
    return profile;
}
