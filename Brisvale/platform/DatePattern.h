#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Date patterns as the lookup tables and the reports write them (ICU/LDML syntax) turned into
// Qt patterns. They agree on most fields; the differences handled here:
//  - "a" (the AM/PM marker) is Qt's "Ap": the locale's own marker as is ("PM" in English,
//    "下午" in Traditional Chinese). A 12-hour "h" is 12-hour in Qt only next to that marker.
//  - "E"/"EEE" and "EEEE" (weekday names) are Qt's "ddd" and "dddd"; a day of month never
//    grows past "dd", which Qt would read as a weekday.
//  - "y", "yyy" and longer are the full year ("yyyy"); "yy" stays two digits.
//  - "S..." (fraction of a second) is Qt's milliseconds "zzz".
//  - Quoted text ('T', 'o''clock') and "''" stay literal; any literal text holding letters is
//    quoted for Qt, so that no letter turns into a field. Letters this system never uses in a
//    pattern are kept as literal text.
namespace DatePattern {

QString toQt(const QString& pattern);

// The moment in its own time zone, written with the pattern in the locale's words and digits.
// The file-name stamp "yyyyMMddHHmmss" is written with QLocale::c() so that its digits are ASCII.
QString format(const QDateTime& moment, const QString& pattern, const QLocale& locale = QLocale());

}
