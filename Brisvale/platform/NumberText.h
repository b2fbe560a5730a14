#pragma once

#include <QString>

// Numbers rounded as C's printf rounds them with "%.<decimals>f": to the nearest, and on an exact
// binary tie to even (172.5 with no decimals is "172", 70.25 with one is "70.2"). Qt's own number
// formatting rounds ties differently, so every number with decimals goes through here: the
// reports and files in their fixed form, the screen in the user's locale.
namespace NumberText {

// The value with the given number of decimals (0 to 17; others are clamped), as "%.*f" prints it
// in the C locale, whatever the process locale: the fixed form of the PDF, the CSV and the
// backup. Not-a-number and infinities print as "nan", "inf" and "-inf".
QString fixed(double value, int decimals);

// The same number as the screen shows it: with the decimal separator of the default QLocale
// (the user's locale unless set otherwise), as the charts show theirs ("3,30" in German).
// Digits, sign and the absence of a group separator stay as in the fixed form.
QString shown(double value, int decimals);

// A number written in the fixed form (a point before the decimals) as the screen shows it.
QString shown(const QString& fixedText);

// A number as the user types it: the default QLocale's decimal separator is read as the point
// of the fixed form; the point itself is kept, so both "70,5" and "70.5" read as 70.5 in German.
QString fromShown(const QString& typed);

}
