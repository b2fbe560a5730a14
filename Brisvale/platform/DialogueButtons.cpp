#include "Brisvale/platform/DialogueButtons.h"

#include "Brisvale/platform/Localization.h"

namespace DialogueButtons {

QString yes()
{
    return Localization::text(QStringLiteral("Yes"));
}

QString no()
{
    return Localization::text(QStringLiteral("No"));
}

QString ok()
{
    return Localization::text(QStringLiteral("OK"));
}

QString cancel()
{
    return Localization::text(QStringLiteral("Cancel"));
}

QStringList yesNo()
{
    return {yes(), no()};
}

}
