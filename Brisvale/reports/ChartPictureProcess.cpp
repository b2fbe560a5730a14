#include "Brisvale/reports/ChartPictureProcess.h"

#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/WholeFile.h"
#include "Brisvale/reports/PDFReportProcess.h"
#include "Brisvale/reports/PEFAxes.h"
#include "Brisvale/reports/ProfileTexts.h"

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ImageRepresentation.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/views/LineChartView.h"

#include <algorithm>

using namespace Charts;

namespace {

// Where the chart stands in its never-shown parent, and its size: the pictures' size in points.
const QRect chartFrame(20, 80, 960, 470);
const QColor lineColour = QColor::fromRgbF(0.0f, 61.0f / 255.0f, 165.0f / 255.0f, 1.0f);

constexpr double secondsPerDay = 86400.0;
constexpr float fev1Cap = 9.99f;
constexpr double fev1AxisMaximum = 9.99;

// A reading's value as the picture draws it: PEF above 900 at 900, FEV1 above 9.99 at 9.99 (as a
// float, widened).
double drawnValue(const PFM& reading, FolderProcess::FolderKind kind)
{
    if (kind == FolderProcess::FolderKind::PEF) {
        return std::min(static_cast<double>(reading.pefValue), PEFAxes::maximum);
    }
    return static_cast<double>(reading.fev1Value > fev1Cap ? fev1Cap : reading.fev1Value);
}

// Whole calendar months from `first` to `last`: a month counts once its day and time of day are
// reached.
int wholeMonths(const QDateTime& first, const QDateTime& last)
{
    const QDate from = first.date();
    const QDate to = last.date();
    int months = (to.year() - from.year()) * 12 + (to.month() - from.month());
    if (months > 0 && first.addMonths(months) > last) {
        --months;
    }
    return months;
}

}

ChartPictureProcess::ChartPictureProcess(ConditionReturnInfo info)
    : DataInfo(std::move(info)), view(std::make_unique<QWidget>()), chartView(new LineChartView(chartFrame, view.get()))
{
}

ChartPictureProcess::~ChartPictureProcess() = default;

ChartPictureProcess::HalfYear ChartPictureProcess::halfYearOf(const QDateTime& moment)
{
    const QDate day = moment.toLocalTime().date();
    const QDate start(day.year(), day.month() < 7 ? 1 : 7, 1);
    // Each bound from its own day, so that a midnight the clocks skip moves that bound alone.
    return HalfYear{QDateTime(start, QTime(0, 0)), QDateTime(start.addMonths(6), QTime(0, 0))};
}

int ChartPictureProcess::blockCount(const QDateTime& first, const QDateTime& last)
{
    const QDateTime localFirst = first.toLocalTime();
    const QDateTime localLast = last.toLocalTime();
    const int months = wholeMonths(localFirst, localLast);
    const int count = months / 6 + 2;
    Console::printLine(QStringLiteral("此資料列目前年份%1 目前月份%2")
                           .arg(localFirst.date().year())
                           .arg(localFirst.date().month()));
    Console::printLine(QStringLiteral("此資料列，年份差 -> %1 月份差 -> %2 天數差 -> %3")
                           .arg(months / 12)
                           .arg(months % 12)
                           .arg(localFirst.addMonths(months).daysTo(localLast)));
    Console::printLine(QStringLiteral("此資料列，餘數：%1 圖片總數：%2").arg(months % 6).arg(count));
    return count;
}

// Walks the readings, oldest first, one occupied half-year at a time: a half-year without
// readings is never visited.
int ChartPictureProcess::makeChartPictures(const QUrl& folder, FolderProcess::FolderKind kind)
{
    if (kind == FolderProcess::FolderKind::BAK2JSON) {
        return 0;
    }
    const QList<DatedReading> readings = datedReadings();
    if (readings.isEmpty()) {
        return 0;
    }
    const QDateTime first = Timestamp{readings.first().seconds}.toDateTime();
    const QDateTime last = Timestamp{readings.last().seconds}.toDateTime();
    Console::printLine(QStringLiteral("Profile資料列起始日：") + Console::momentText(first) + QStringLiteral(" 結束日：")
                       + Console::momentText(last));
    blockCount(first, last);
    const int firstYear = first.toLocalTime().date().year();
    int k = 0;
    for (qsizetype from = 0; from < readings.size();) {
        const HalfYear block = halfYearOf(Timestamp{readings[from].seconds}.toDateTime());
        const double end = Timestamp::fromDateTime(block.end).seconds;
        qsizetype to = from + 1;
        while (to < readings.size() && readings[to].seconds < end) {
            ++to;
        }
        if (drawBlock(readings.mid(from, to - from), block, kind, firstYear)
            && takePicture(PDFReportProcess::pictureFile(folder, k).toLocalFile())) {
            ++k;
        }
        from = to;
    }
    return k;
}

// Sets the block's readings and the look on the chart; answers whether it has anything to draw.
bool ChartPictureProcess::drawBlock(const QList<DatedReading>& readings, const HalfYear& block,
                                    FolderProcess::FolderKind kind, int firstYear)
{
    chartView->clear();
    Console::printLine(QStringLiteral("目前年份%1 製作起始日期").arg(firstYear) + Console::momentText(block.start)
                       + QStringLiteral(" 製作結束日期") + Console::momentText(block.end));
    const QStringList labels = makeDayLabels(block.start, block.end);
    const ChartDataEntryList entries = blockEntries(readings, block, kind);
    if (!entries.isEmpty()) {
        setBlockData(entries, labels);
    }
    styleChart();
    if (kind == FolderProcess::FolderKind::PEF) {
        stylePEFAxes(static_cast<double>(DataInfo.profile->best_Value),
                     PeakFlowMath::zonePlanFromStored(DataInfo.profile->zone_Plan));
    } else {
        styleFEV1Axes();
    }
    return !entries.isEmpty();
}

// The readings that have a measure date, oldest first; equal dates keep the query's order.
QList<ChartPictureProcess::DatedReading> ChartPictureProcess::datedReadings() const
{
    QList<DatedReading> readings;
    for (const PFMPtr& reading : DataInfo.pfm) {
        if (reading->measureDate) {
            readings << DatedReading{reading->measureDate->seconds, reading};
        }
    }
    std::stable_sort(readings.begin(), readings.end(),
                     [](const DatedReading& a, const DatedReading& b) { return a.seconds < b.seconds; });
    return readings;
}

// One entry per reading of the block: x in days since the block's start, y the drawn value.
ChartDataEntryList ChartPictureProcess::blockEntries(const QList<DatedReading>& readings, const HalfYear& block,
                                                     FolderProcess::FolderKind kind)
{
    const double start = Timestamp::fromDateTime(block.start).seconds;
    const double end = Timestamp::fromDateTime(block.end).seconds;
    ChartDataEntryList entries;
    for (const DatedReading& dated : readings) {
        if (dated.seconds >= start && dated.seconds < end) {
            entries << std::make_shared<ChartDataEntry>((dated.seconds - start) / secondsPerDay,
                                                        drawnValue(*dated.reading, kind));
        }
    }
    return entries;
}

void ChartPictureProcess::setBlockData(const ChartDataEntryList& entries, const QStringList& labels)
{
    auto set = std::make_shared<LineChartDataSet>(entries, QString());
    set->setDrawVerticalHighlightIndicatorEnabled(false);
    set->setDrawHorizontalHighlightIndicatorEnabled(false);
    set->setLineWidth(2.0);
    set->setDrawValuesEnabled(false);
    set->setDrawCircleHoleEnabled(false);
    set->setCircleRadius(2.5);
    set->setCircleColors({lineColour});
    set->setColor(lineColour);

    const auto axis = chartView->xAxis();
    const auto dayCount = static_cast<qint64>(labels.size());
    axis->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(labels));
    Console::printLine(QStringLiteral("共幾天%1 xStart0 xEnd%1").arg(dayCount));
    Console::printLine(QStringLiteral("xStart0 xEnd%1").arg(entries.size()));
    axis->setLabelCount(dayCount);
    axis->setGranularity(1.0);
    axis->setAxisMinimum(0.0);
    axis->setAxisMaximum(static_cast<double>(dayCount));
    chartView->setData(std::make_shared<LineChartData>(ChartDataSetList{set}));
    axis->setLabelCount(dayCount, false);
}

// The chart's image, opaque on white, written as picture `path`; a picture that cannot be taken
// or written is remembered.
bool ChartPictureProcess::takePicture(const QString& path)
{
    const std::optional<QImage> image = chartView->getChartImage(false);
    if (image && writePicture(*image, path)) {
        return true;
    }
    if (!image) {
        Console::printLine(QStringLiteral("the chart image could not be made: ") + path);
    }
    failedWrite = true;
    return false;
}

bool ChartPictureProcess::writePicture(const QImage& picture, const QString& path)
{
    const std::optional<QByteArray> png = imagePNGRepresentation(picture);
    if (!png) {
        Console::printLine(QStringLiteral("the picture could not be encoded: ") + path);
        return false;
    }
    if (const std::optional<QString> error = WholeFile::write(path, *png)) {
        Console::printLine(*error + QStringLiteral(": ") + path);
        return false;
    }
    return true;
}

void ChartPictureProcess::styleChart()
{
    chartView->setBackgroundColor(Qt::white);
    chartView->setViewPortOffsets(35, 15, 35, 60);
    chartView->fitScreen();
    chartView->legend()->setForm(Legend::Form::none);
    const auto axis = chartView->xAxis();
    axis->setLabelPosition(XAxis::LabelPosition::bottom);
    axis->setGranularityEnabled(true);
    axis->setGranularity(1.0);
    axis->setLabelFont(systemFont(12));
    axis->setLabelRotationAngle(-30.0);
}

void ChartPictureProcess::stylePEFAxes(double bestValue, PeakFlowMath::ZonePlan plan)
{
    PEFAxes::style(*chartView, bestValue, plan);
}

void ChartPictureProcess::styleFEV1Axes()
{
    for (const auto& axis : {chartView->leftAxis(), chartView->rightAxis()}) {
        axis->setAxisMaximum(fev1AxisMaximum);
        axis->setAxisMinimum(0.0);
    }
}

QStringList ChartPictureProcess::makeDayLabels(const QDateTime& from, const QDateTime& to)
{
    const std::optional<QString> pattern = ProfileTexts::datePattern(*DataInfo.profile);
    const qint64 days = from.toLocalTime().date().daysTo(to.toLocalTime().date());
    Console::printLine(QStringLiteral("總共幾天 -> %1").arg(days));
    QStringList labels;
    QDateTime day = from;
    for (qint64 i = 0; i < days; ++i) {
        labels << ProfileTexts::dateText(day, pattern);
        day = day.addDays(1);
    }
    return labels;
}
