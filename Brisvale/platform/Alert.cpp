#include "Brisvale/platform/Alert.h"

#include "Brisvale/platform/DialogueButtons.h"

QString alertSymbolName(AlertSymbol symbol)
{
    switch (symbol) {
    case AlertSymbol::none:
        return QString();
    case AlertSymbol::checkmark:
        return QStringLiteral("checkmark");
    case AlertSymbol::questionmark:
        return QStringLiteral("questionmark");
    case AlertSymbol::xmark:
        return QStringLiteral("xmark");
    case AlertSymbol::exclamationmark:
        return QStringLiteral("exclamationmark");
    case AlertSymbol::exclamationmarkTriangle:
        return QStringLiteral("exclamationmark.triangle");
    }
    return QString();
}

Alert Alert::failure(const QString& message)
{
    return Alert{message, AlertSymbol::xmark, {}};
}

Alert Alert::question(const QString& message, AlertSymbol symbol)
{
    return Alert{message, symbol, DialogueButtons::yesNo(), secondButton};
}

Alert Alert::saveQuestion(const QString& message)
{
    return Alert{message, AlertSymbol::questionmark, DialogueButtons::yesNo(), firstButton};
}

QStringList Alert::buttonTitles() const
{
    return buttons.isEmpty() ? QStringList{DialogueButtons::ok()} : buttons;
}

bool Alert::hasResponse(int response) const
{
    return response >= firstButton && response - firstButton < buttonTitles().size();
}
