#include "Brisvale/reports/CSVProcess.h"

#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/platform/WholeFile.h"
#include "Brisvale/reports/ProfileTexts.h"
#include "Brisvale/reports/ReportFile.h"

#include <QUrl>

namespace {

QString caption(const char* key)
{
    return Localization::text(QLatin1String(key));
}

}

void CSVProcess::writeCSVReport(const QString& folder, const QString& startText, const QString& endText,
                                const Profile& profile, const QList<PFMPtr>& readings) const
{
    const QByteArray text = reportText(startText, endText, profile, readings);
    const QString path = ReportFile::path(folder, QStringLiteral("ZA+_CSV_Report_"), QStringLiteral(".csv"));
    Console::printLine(QStringLiteral("CSV FilePath=> ") + QUrl::fromLocalFile(path).toString());
    if (const std::optional<QString> error = WholeFile::write(path, text)) {
        Console::printLine(*error + QStringLiteral(": ") + path);
        ReportFile::announceFailure(QStringLiteral("CSVFile_AlertMessage_Failed"));
        return;
    }
    ReportFile::announceSuccess(QStringLiteral("CSVFile_AlertMessage_Success"), path);
}

QByteArray CSVProcess::reportText(const QString& startText, const QString& endText, const Profile& profile,
                                  const QList<PFMPtr>& readings)
{
    const std::optional<QString> datePattern = ProfileTexts::datePattern(profile);
    const std::optional<QString> timePattern = ProfileTexts::timePattern(profile);
    const QDateTime now = AppClock::now();
    const QDateTime birth = ProfileTexts::birth(profile, now);
    QString text;
    text += line({caption("CSVFile_Title"), {}, {}, {}, {}});
    text += line({caption("CSVFile_Name"), textCell(profile.name.value_or(QString())), {}, caption("CSVFile_Sex"),
                  ProfileTexts::sexText(profile)});
    text += line({caption("CSVFile_ReportDate"), ProfileTexts::dateText(now, datePattern), {},
                  caption("CSVFile_Birth"), ProfileTexts::dateText(birth, datePattern)});
    text += line({caption("CSVFile_ReadingsRange"), startText + QStringLiteral(" - ") + endText, {},
                  caption("CSVFile_Age"), QString::number(ProfileTexts::age(birth, now))});
    text += QLatin1Char('\n');
    text += line({caption("CSVFile_Readings"), {}, {}, {}, {}});
    text += line({caption("CSVFile_Date"), caption("CSVFile_Time"), caption("CSVFile_PEF"),
                  caption("CSVFile_FEV1"), caption("CSVFile_Notes")});
    for (const PFMPtr& reading : readings) {
        text += readingLine(*reading, datePattern, timePattern);
    }
    return text.toUtf8();
}

QString CSVProcess::field(const QString& value)
{
    const bool needsQuotes = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"'))
        || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
    if (!needsQuotes) {
        return value;
    }
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CSVProcess::textCell(const QString& text)
{
    QString cell;
    cell.reserve(text.size());
    for (const QChar ch : text) {
        const bool kept = ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r')
            || ch.category() != QChar::Other_Control;
        if (kept) {
            cell += ch;
        }
    }
    // A spreadsheet passes over a leading tab or carriage return and runs the formula behind it.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!cell.isEmpty() && formulaStarts.contains(cell.front())) {
        cell.prepend(QLatin1Char('\''));
    }
    return cell;
}

QString CSVProcess::line(const QStringList& values)
{
    QStringList fields;
    fields.reserve(values.size());
    for (const QString& value : values) {
        fields << field(value);
    }
    return fields.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString CSVProcess::readingLine(const PFM& reading, const std::optional<QString>& datePattern,
                                const std::optional<QString>& timePattern)
{
    const QDateTime date = reading.measureDate ? reading.measureDate->toDateTime() : QDateTime();
    return line({ProfileTexts::dateText(date, datePattern), ProfileTexts::dateText(date, timePattern),
                 QString::number(reading.pefValue), NumberText::fixed(reading.fev1Value, 2),
                 textCell(reading.note.value_or(QString()))});
}
