#include "Brisvale/shell/UserTableViewController.h"

#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/platform/Icons.h"
#include "Brisvale/records/Gender_DB.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

UserTableViewController::UserTableViewController(QWidget* parent) : QWidget(parent)
{
    UserIcon = new QLabel;
    UserIcon->setObjectName(QStringLiteral("UserIcon"));
    UserIcon->setFixedSize(iconSize, iconSize);
    // A long name or e-mail ends in "…" rather than being cut.
    NameField = new ElidingLabel;
    NameField->setObjectName(QStringLiteral("NameField"));
    QFont nameFont = NameField->font();
    nameFont.setPixelSize(15);
    nameFont.setWeight(QFont::DemiBold);
    NameField->setFont(nameFont);
    EmailField = new ElidingLabel;
    EmailField->setObjectName(QStringLiteral("EmailField"));

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addStretch(1);
    texts->addWidget(NameField);
    texts->addWidget(EmailField);
    texts->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(UserIcon);
    layout->addLayout(texts, 1);
}

void UserTableViewController::fill(const Profile& profile)
{
    const std::optional<Gender_DB> gender = Gender_DB::fromDbId(profile.gender);
    const bool male = gender && gender->id == Gender_DB::Defaults::Male;
    shownIcon = male ? QStringLiteral("icon_User_male") : QStringLiteral("icon_User_female");
    UserIcon->setPixmap(Icons::pixmap(shownIcon, QSize(iconSize, iconSize), devicePixelRatioF()));
    EmailField->setText(profile.email.value_or(QString()));
    NameField->setText(profile.name.value_or(QStringLiteral("(Empty Name)")));
}

QString UserTableViewController::name() const
{
    return NameField->text();
}

QString UserTableViewController::email() const
{
    return EmailField->text();
}
