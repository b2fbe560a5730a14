#pragma once

#include <QString>
#include <QStringList>

// The system symbols an alert may show as its icon.
enum class AlertSymbol {
    none,                    // no icon
    checkmark,               // "checkmark": success, and only success
    questionmark,            // "questionmark": a question
    xmark,                   // "xmark": failure
    exclamationmark,         // "exclamationmark": caution
    exclamationmarkTriangle, // "exclamationmark.triangle": warning
};

// The symbol's name, which is also the name of its icon; empty for none.
QString alertSymbolName(AlertSymbol symbol);

// What an alert or sheet shows: one message, an optional symbol and its buttons. The response is
// the code of the button pressed: 1000 for the first, 1001 for the second, 1002 for the third.
struct Alert {
    static constexpr int firstButton = 1000;
    static constexpr int secondButton = 1001;
    static constexpr int thirdButton = 1002;

    QString message;
    AlertSymbol symbol = AlertSymbol::none;
    QStringList buttons; // titles in order; none gives the one default button, "OK"
    // The first button destroys data (such as erasing the meter's readings): it is then not the
    // default button, so the Return key cannot press it by accident, and it is not highlighted.
    bool destructive = false;

    // An alert that something failed: the "xmark" symbol and the one default button.
    static Alert failure(const QString& message);

    // The titles of the buttons as shown: the given ones, or the localised "OK" alone.
    QStringList buttonTitles() const;

    // Whether a response names one of the buttons shown.
    bool hasResponse(int response) const;
};
