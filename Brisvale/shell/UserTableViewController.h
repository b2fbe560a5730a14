#pragma once

#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/records/Profile.h"

#include <QString>
#include <QWidget>

class QLabel;

// The content of one row of the user list: an icon by gender, the name and the e-mail. It lies
// over its cell without a background of its own, so the row's selection shows through.
class UserTableViewController : public QWidget {
    Q_OBJECT

public:
    explicit UserTableViewController(QWidget* parent = nullptr);

    // Fills the row from a profile: the male icon for the male gender row, the female icon
    // otherwise; the name, or "(Empty Name)" without one; the e-mail.
    void fill(const Profile& profile);

    QString iconName() const { return shownIcon; }
    QString name() const;
    QString email() const;

    static constexpr int iconSize = 40;

private:
    QLabel* UserIcon = nullptr;
    ElidingLabel* NameField = nullptr;
    ElidingLabel* EmailField = nullptr;
    QString shownIcon;
};
