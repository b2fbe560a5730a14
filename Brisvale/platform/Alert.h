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
    QStringList buttons; // titles in order; none gives the one button "OK"
    // The button that changes and loses nothing: the default and focused button, and the answer
    // to Escape. A plain message's is its one button; a question names its own ("No", "Not now"),
    // and a choice that erases readings is never it.
    int safeButton = firstButton;
    // Shown under the message, as plain text, and read with it: what the message is about, such
    // as the reading a question would delete or the file a report went to. Empty: nothing shown.
    QString detail{};

    // An alert that something failed: the "xmark" symbol and the one button "OK".
    static Alert failure(const QString& message);

    // A question answered "Yes" (1000) or "No" (1001), where "No" changes nothing.
    static Alert question(const QString& message, AlertSymbol symbol);

    // A question whether to save the edits of a page, with the "questionmark" symbol: "Yes" (1000)
    // saves them, "No" (1001) discards them. "Yes" loses nothing the user typed: the safe button.
    static Alert saveQuestion(const QString& message);

    // The titles of the buttons as shown: the given ones, or the localised "OK" alone.
    QStringList buttonTitles() const;

    // Whether a response names one of the buttons shown.
    bool hasResponse(int response) const;
};
