#pragma once

#include "Brisvale/records/PFM.h"
#include "Brisvale/records/Profile.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The CSV report: a short header about the user and the report, then one line per reading, in
// the order given (newest first). UTF-8 without a byte-order mark, "\n" after every line.
class CSVProcess {
public:
    // Writes "ZA+_CSV_Report_<local yyyyMMddHHmmss>.csv" into the folder, whole or not at all,
    // and tells the user how it went. The range texts are the popover's dates, already written
    // in the profile's date pattern.
    void writeCSVReport(const QString& folder, const QString& startText, const QString& endText,
                        const Profile& profile, const QList<PFMPtr>& readings) const;

    // The report's text: seven header lines (the fifth empty), then the readings.
    static QByteArray reportText(const QString& startText, const QString& endText,
                                 const Profile& profile, const QList<PFMPtr>& readings);

    // One field as a spreadsheet reads it back unchanged: quoted, with its quotes doubled, when
    // it holds a comma, a double quote, a line feed or a carriage return; as it is otherwise.
    static QString field(const QString& value);

    // A text the user gave (the profile's name, a note) as the CSV holds it: without its control
    // characters (tab and line breaks stay), and with a single quote before it when it begins
    // with "=", "+", "-", "@", a tab or a carriage return, so that a spreadsheet shows it as text
    // instead of running it as a formula.
    static QString textCell(const QString& text);

private:
    static QString line(const QStringList& values);
    static QString readingLine(const PFM& reading, const std::optional<QString>& datePattern,
                               const std::optional<QString>& timePattern);
};
