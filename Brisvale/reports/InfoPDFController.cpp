#include "Brisvale/reports/InfoPDFController.h"

#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/records/ReadingAverages.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/reports/ProfileTexts.h"
#include "Brisvale/reports/ReportPicture.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// The pattern of the page's dates when the profile's date format names no row.
const QString fallbackDatePattern = QStringLiteral("yyyy.MM.dd");
const QString fallbackTimePattern = QStringLiteral("HH:mm");
constexpr int captionSize = 13;
constexpr int valueSize = 17;

// Two columns of captions and values, aligned alike in every grid of the page.
QGridLayout* valueGrid()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->setColumnMinimumWidth(0, 170);
    grid->setColumnMinimumWidth(2, 170);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

QString storedDate(const std::optional<QDateTime>& date, const QString& pattern)
{
    return date ? ProfileTexts::dateText(*date, pattern) : QString();
}

}

InfoPDFController::InfoPDFController(const InfoPDF& info, QWidget* parent)
    : PDFPage(info.pageNum, QStringLiteral("PageNum_Lab"), parent), Info(info)
{
    addParticulars();
    addSummary();
    addPictures();
}

void InfoPDFController::addValue(QGridLayout& grid, int row, int column, const char* captionName,
                                 const char* captionKey, const char* valueName, const QString& value)
{
    addCaption(grid, row, column, captionName, captionKey);
    QLabel* shown = addLabel(valueName, valueSize, true);
    shown->setText(value);
    grid.addWidget(shown, row, column + 1);
}

void InfoPDFController::addCaption(QGridLayout& grid, int row, int column, const char* captionName,
                                   const char* captionKey)
{
    QLabel* caption = addLabel(captionName, captionSize);
    caption->setText(Localization::text(QLatin1String(captionKey)));
    grid.addWidget(caption, row, column);
}

void InfoPDFController::addParticulars()
{
    const Profile& profile = *Info.profile;
    const std::optional<QString> datePattern = ProfileTexts::datePattern(profile);
    const QString dates = datePattern.value_or(fallbackDatePattern);
    const QString stamp = dates + QLatin1Char(' ') + ProfileTexts::timePattern(profile).value_or(fallbackTimePattern);
    const QDateTime now = AppClock::now();
    const QDateTime birth = ProfileTexts::birth(profile, now);
    const QString range = storedDate(UserDefaultHelper::from(), dates) + QStringLiteral(" - ")
        + storedDate(UserDefaultHelper::to(), dates);

    QGridLayout* grid = valueGrid();
    // A name of any length ends in "…" at its column, leaving the report date beside it in place.
    addCaption(*grid, 0, 0, "NameTitle_Lab", "PDFFile_Name");
    ElidingLabel* name = addElidingLabel("Name_Lab", valueSize, true);
    name->setText(profile.name.value_or(QString()));
    grid->addWidget(name, 0, 1);
    addValue(*grid, 0, 2, "ReportDateTitle_Lab", "PDFFile_ReportData", "ReportDate_Lab",
             ProfileTexts::dateText(now, stamp));
    addValue(*grid, 1, 0, "SexTitle_Lab", "PDFFile_Sex", "Sex_Lab", ProfileTexts::sexText(profile));
    addValue(*grid, 1, 2, "ReadRangeTitle_Lab", "PDFFile_ReadingsRange", "ReadRange_Lab", range);
    addValue(*grid, 2, 0, "BirthTitle_Lab", "PDFFile_Birth", "Birth_Lab", ProfileTexts::dateText(birth, dates));
    addValue(*grid, 2, 2, "AgeTitle_Lab", "PDFFile_Age", "Age_Lab",
             QString::number(ProfileTexts::age(birth, now)));
    content()->addLayout(grid);
}

void InfoPDFController::addSummary()
{
    QLabel* title = addLabel("SummaryTitle_Lab", 17, true);
    title->setText(Localization::text(QStringLiteral("PDFFile_Summary_Title")));
    const Summary values = summary(Info.pfm);
    QGridLayout* grid = valueGrid();
    addValue(*grid, 0, 0, "BestValueTitle_Lab", "PDFFile_Summary_BestValue", "BestValue_Lab",
             QString::number(Info.profile->best_Value));
    addValue(*grid, 1, 0, "MaxPEFTitle_Lab", "PDFFile_Summary_MaxPef", "MaxPEF_Lab", QString::number(values.maxPEF));
    addValue(*grid, 1, 2, "MaxFEV1Title_Lab", "PDFFile_Summary_MaxFev1", "MaxFEV1_Lab",
             NumberText::fixed(values.maxFEV1, 2));
    addValue(*grid, 2, 0, "AvgPEFTitle_Lab", "PDFFile_Summary_AvgPEF", "AvgPEF_Lab", QString::number(values.avgPEF));
    addValue(*grid, 2, 2, "AvgFEV1Title_Lab", "PDFFile_Summary_AvgFEV1", "AvgFEV1_Lab",
             NumberText::fixed(values.avgFEV1, 2));
    content()->addSpacing(8);
    content()->addWidget(title);
    content()->addLayout(grid);
}

void InfoPDFController::addPictures()
{
    QLabel* chartTitle = addLabel("ChartTitle_Lab", 15, true);
    ReportPicture* first = addPicture("Frist_Image", Info.pictureOne);
    ReportPicture* second = addPicture("Second_Image", Info.pictureTwo);
    // The title names the first picture's chart; without it the page shows no chart at all.
    chartTitle->setText(first->hasImage() ? QStringLiteral("PEF (l/min)") : QString());
    content()->addSpacing(8);
    content()->addWidget(chartTitle);
    content()->addWidget(first);
    content()->addWidget(second);
}

InfoPDFController::Summary InfoPDFController::summary(const QList<PFMPtr>& readings)
{
    Summary result;
    if (readings.isEmpty()) {
        return result;
    }
    float fev1Sum = 0.0f;
    result.maxPEF = readings.front()->pefValue;
    result.maxFEV1 = readings.front()->fev1Value;
    for (const PFMPtr& reading : readings) {
        fev1Sum += reading->fev1Value;
        result.maxPEF = std::max(result.maxPEF, reading->pefValue);
        result.maxFEV1 = std::max(result.maxFEV1, reading->fev1Value);
    }
    const auto count = static_cast<qint64>(readings.size());
    result.avgPEF = ReadingAverages::pefAverage(readings);
    result.avgFEV1 = fev1Sum == 0.0f ? 0.0f
                                     : std::round(fev1Sum / static_cast<float>(count) * 100.0f) / 100.0f;
    return result;
}
