#include "Brisvale/pages/PEFController.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/reports/PEFAxes.h"

#include "ChartEngine/views/LineChartView.h"

namespace {

constexpr qint32 drawnMaximum = qint32(PEFAxes::maximum);

using PeakFlowMath::Zone;

QString text(const char* key)
{
    return Localization::text(QString::fromLatin1(key));
}

QString litresPerMinute(qint32 value)
{
    return NumberText::shown(double(value), 0);
}

// The zone of a reading; none while the profile has no best value.
std::optional<Zone> zoneOf(qint32 pef, const Profile& profile)
{
    if (profile.best_Value <= 0) {
        return std::nullopt;
    }
    return PeakFlowMath::zoneOf(pef, profile.best_Value, PEFController::zonePlan(profile));
}

QString zoneText(Zone zone)
{
    switch (zone) {
    case Zone::green:
        return text("PEFController_Zone_Green");
    case Zone::yellow:
        return text("PEFController_Zone_Yellow");
    case Zone::red:
        return text("PEFController_Zone_Red");
    }
    return QString();
}

}

PEFController::PEFController(QWidget* parent) : ReadingsChartPage(parent)
{
    setObjectName(QStringLiteral("pefView"));
    chartView->setAccessibleName(text("PEFController_ChartName"));
}

// The zone plan the profile chose on the best-value sheet.
PeakFlowMath::ZonePlan PEFController::zonePlan(const Profile& profile)
{
    return PeakFlowMath::zonePlanFromStored(profile.zone_Plan);
}

void PEFController::willAppear()
{
    Console::printLine(QStringLiteral("Data PEF Appear"));
    reload();
}

ReadingsChartPage::ChartPoint PEFController::chartPoint(const PFM& reading, const QString& date,
                                                        const QString& time) const
{
    const bool capped = reading.pefValue > drawnMaximum;
    const QString value = capped ? QStringLiteral("Hi") : QString::number(reading.pefValue);
    return {double(capped ? drawnMaximum : reading.pefValue),
            QStringLiteral(" PEF: ") + value + QStringLiteral("\n ") + date + QStringLiteral("\n ") + time
                + QStringLiteral("\n")};
}

QString PEFController::withZone(const QString& value, qint32 pef, const Profile& profile)
{
    const std::optional<Zone> zone = zoneOf(pef, profile);
    return zone ? text("PEFController_SpokenValueInZone").arg(value, zoneText(*zone)) : value;
}

QString PEFController::spokenValue(const PFM& reading, const Profile& profile) const
{
    return withZone(text("PEFController_SpokenValue").arg(litresPerMinute(reading.pefValue)), reading.pefValue,
                    profile);
}

// "Best value: 450 l/min. Green zone: 30, yellow zone: 8, red zone: 4."
QString PEFController::spokenTotals(const QList<PFMPtr>& readings, const Profile& profile) const
{
    if (profile.best_Value <= 0) {
        return text("PEFController_Summary_NoBestValue");
    }
    QList<int> pefs;
    for (const PFMPtr& reading : readings) {
        pefs << reading->pefValue;
    }
    const PeakFlowMath::ZoneCounts counts = PeakFlowMath::zoneCounts(pefs, profile.best_Value, zonePlan(profile));
    return text("PEFController_Summary_BestValue").arg(litresPerMinute(profile.best_Value)) + QLatin1Char(' ')
           + text("PEFController_Summary_Zones")
                 .arg(QString::number(counts.green), QString::number(counts.yellow), QString::number(counts.red));
}

DataMaxValueDelegate::Maximum PEFController::largestValue(const QList<PFMPtr>& readings) const
{
    return largestPef(readings);
}

void PEFController::styleYAxes(qint32 bestValue, PeakFlowMath::ZonePlan plan)
{
    PEFAxes::style(*chartView, bestValue, plan);
}
