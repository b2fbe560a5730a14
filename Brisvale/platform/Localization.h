#pragma once

#include <QString>

// The texts behind the localisation keys of pages, sheets and alerts. The tables are Qt id-based
// translations compiled into the program; a key without a text shows the key itself, so a missing
// text is visible instead of blank.
namespace Localization {

// The markers a text may carry for a value filled in when it is shown.
enum class Placeholder {
    email,     // "[:EM]": the e-mail of the profile concerned, as far as a line of an alert shows it
    bestValue, // "[:BV]" and "[:VB]": a best value, as a number or as typed
    count,     // "[:NR]": a number of items, such as readings
    figure,    // "[:FI]": a figure as the screen shows it, such as a percentage
};

// Loads the English tables into the application (once; later calls do nothing). Needs the
// application object; returns whether the tables are installed.
bool install();

// The text of a key, installing the tables first when needed.
QString text(const QString& key);

// The text of a key with every marker of the placeholder replaced by the value.
QString text(const QString& key, Placeholder placeholder, const QString& value);

// Replaces every marker of the placeholder in one pass, so a value that itself contains a marker
// is inserted as it is. An e-mail wider than a line of an alert's text (one of any length from a
// backup) ends in "…" at that width, as the lists of profiles end it, so that it never fills the
// alert that names it.
QString fill(const QString& text, Placeholder placeholder, const QString& value);

}
