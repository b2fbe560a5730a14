#include "Brisvale/pages/ChartXAxisFormatter.h"

#include "support/QtPrinters.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(ChartXAxisFormatter, LabelsAreTheDatesOfTheReferencePlusXDays)
{
    const double firstOfMay = double(QDateTime(QDate(2026, 5, 1), QTime(0, 0)).toSecsSinceEpoch());
    const ChartXAxisFormatter::DateFormatter dayMonth{QStringLiteral("dd/MM"), QLocale()};
    const ChartXAxisFormatter::DateFormatter shortStyle{QString(), QLocale()};
    const struct {
        std::optional<ChartXAxisFormatter::DateFormatter> formatter;
        std::optional<double> reference;
        double x;
        QString label;
    } cases[] = {
        {dayMonth, firstOfMay, 2.5, "03/05"},
        {dayMonth, firstOfMay, -1.0, "30/04"},
        {shortStyle, firstOfMay, 0.0, "5/1/26"},
        {std::nullopt, firstOfMay, 1.0, ""},
        {dayMonth, std::nullopt, 1.0, ""},
        {dayMonth, firstOfMay, std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& test : cases) {
        ChartXAxisFormatter formatter;
        formatter.dateFormatter = test.formatter;
        formatter.referenceTimeInterval = test.reference;
        EXPECT_EQ(formatter.stringForValue(test.x, nullptr), test.label);
    }
}
