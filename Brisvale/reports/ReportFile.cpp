#include "Brisvale/reports/ReportFile.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

QString ReportFile::path(const QString& folder, const QString& prefix, const QString& extension)
{
    const QString stamp = QLocale::c().toString(AppClock::now().toLocalTime(), QStringLiteral("yyyyMMddHHmmss"));
    return QDir(folder).filePath(prefix + stamp + extension);
}

void ReportFile::announceSuccess(const QString& messageKey, const QString& path)
{
    const QFileInfo file(path);
    Alert alert{Localization::text(messageKey), AlertSymbol::checkmark, {}};
    alert.detail = file.fileName() + QLatin1Char('\n') + QDir::toNativeSeparators(file.absolutePath());
    AlertPresenter::shared().runModal(alert);
}

void ReportFile::announceFailure(const QString& messageKey)
{
    Console::printLine(QStringLiteral("error creating file"));
    AlertPresenter::shared().runModal(Alert{Localization::text(messageKey), AlertSymbol::xmark, {}});
}
