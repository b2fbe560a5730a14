#pragma once

#include <QString>
#include <QStringList>

// The titles of the standard dialogue buttons, localised like every other text. Alerts, sheets and
// windows take their "Yes", "No", "OK" and "Cancel" from here, never from a text of their own.
namespace DialogueButtons {

QString yes();
QString no();
QString ok();
QString cancel();

// A question's two buttons, "Yes" (1000) first and "No" (1001) second.
QStringList yesNo();

}
