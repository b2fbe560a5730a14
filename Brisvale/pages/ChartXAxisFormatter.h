#pragma once

#include "ChartEngine/foundation/AxisValueFormatter.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// The x-axis labels of the PEF and FEV1 charts, whose x values count days since a reference
// moment: each label is the date of reference + x days.
class ChartXAxisFormatter : public Charts::AxisValueFormatter {
public:
    // Writes the dates: with the profile's date pattern when it has one, else in the locale's
    // short date format.
    struct DateFormatter {
        QString pattern; // ICU/LDML; empty: the locale's short date format
        QLocale locale;

        // The moment's date, in its own time zone.
        QString text(const QDateTime& moment) const;
    };

    std::optional<DateFormatter> dateFormatter;
    std::optional<double> referenceTimeInterval; // seconds since 1970-01-01T00:00:00Z of x = 0

    // The date of the moment `value` days after the reference, in the current zone; empty while
    // either field is unset.
    QString stringForValue(double value, const Charts::AxisBase* axis) const override;
};
