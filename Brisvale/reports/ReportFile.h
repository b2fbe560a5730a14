#pragma once

#include <QString>

// What the CSV and PDF reports and the backup share about their files: the name, and telling the
// user how the write went.
class ReportFile {
public:
    ReportFile() = delete;

    // The path of a new report in the folder: prefix + the current local time as
    // "yyyyMMddHHmmss" (ASCII digits) + extension, such as "ZA+_CSV_Report_20240315143005.csv".
    static QString path(const QString& folder, const QString& prefix, const QString& extension);

    // The success alert: "checkmark" with the localised message, application-modal; the file's
    // name and its folder follow the message as the alert's detail.
    static void announceSuccess(const QString& messageKey, const QString& path);

    // A report that could not be made: prints "error creating file", then the failure alert,
    // "xmark" with the localised message, application-modal.
    static void announceFailure(const QString& messageKey);
};
