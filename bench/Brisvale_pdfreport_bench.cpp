// The PDF report of ten years of twice-daily readings (7,300 readings, 40 chart pictures, 166
// pages; goal: under 5 s from the handler's call to its return, offscreen, scale 1): the handler as
// a whole with its pictures split into drawing and PNG encoding with writing, then the same
// document's pages rendered onto the writer and the writer closed with the file committed.
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/reports/ChartPictureProcess.h"
#include "Brisvale/reports/PDFPage.h"
#include "Brisvale/reports/PDFPageWriter.h"
#include "Brisvale/reports/PDFReportProcess.h"

#include "BrisvaleBenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int years = 10;

// The current user with a morning and an evening reading on every day of ten years.
void storeReadings()
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("bench@example.org");
    profile->name = QStringLiteral("Bench");
    profile->best_Value = 480;
    const QDate first(2014, 1, 1);
    const int days = static_cast<int>(first.daysTo(first.addYears(years)));
    for (int day = 0; day < days; ++day) {
        for (const int hour : {8, 20}) {
            PFMPtr reading = viewContext().insertReading(profile);
            reading->measureDate = Timestamp::fromDateTime(QDateTime(first.addDays(day), QTime(hour, 0)));
            reading->pefValue = 300 + (day * 7 + hour) % 250;
            reading->fev1Value = static_cast<float>(200 + day % 150) / 100.0f;
            if (day % 5 == 0) {
                reading->note = QStringLiteral("after the stairs");
            }
        }
    }
    viewContext().save();
    UserDefaultHelper::setEmail(profile->email);
    UserDefaultHelper::setFrom(QDateTime(first, QTime(0, 0)));
    UserDefaultHelper::setTo(QDateTime(first.addYears(years), QTime(0, 0)));
    UserDefaultHelper::setDate(QStringLiteral("ALL"));
    UserDefaultHelper::setTime(QStringLiteral("All day"));
}

double secondsSince(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// Where the pictures' time goes: all of the passes, and the PNG encoding with the writing.
struct PictureSeconds {
    double passes = 0;
    double png = 0;
    int pictures = 0;
};

class TimedPictures : public ChartPictureProcess {
public:
    TimedPictures(ConditionReturnInfo info, PictureSeconds& seconds)
        : ChartPictureProcess(std::move(info)), seconds_(seconds)
    {
    }

    int makeChartPictures(const QUrl& folder, FolderProcess::FolderKind kind) override
    {
        QElapsedTimer clock;
        clock.start();
        const int count = ChartPictureProcess::makeChartPictures(folder, kind);
        seconds_.passes += secondsSince(clock);
        seconds_.pictures += count;
        return count;
    }

protected:
    bool writePicture(const QImage& picture, const QString& path) override
    {
        QElapsedTimer clock;
        clock.start();
        const bool written = ChartPictureProcess::writePicture(picture, path);
        seconds_.png += secondsSince(clock);
        return written;
    }

private:
    PictureSeconds& seconds_;
};

class TimedReport : public PDFReportProcess {
public:
    explicit TimedReport(PictureSeconds& seconds) : seconds_(seconds) {}

protected:
    std::unique_ptr<ChartPictureMaker> makePictureMaker(const ConditionReturnInfo& info) override
    {
        return std::make_unique<TimedPictures>(info, seconds_);
    }

private:
    PictureSeconds& seconds_;
};

void BM_PDFReportHandler(benchmark::State& state)
{
    QTemporaryDir destination;
    PictureSeconds seconds;
    for (auto _ : state) {
        AlertScript script;
        script.answerPath(destination.path());
        script.answer(Alert::firstButton);
        TimedReport(seconds).writePDFReport(nullptr);
        if (script.last().alert.symbol != AlertSymbol::checkmark) {
            state.SkipWithError("the report was not written");
            break;
        }
    }
    const auto perRun = [](double value) { return benchmark::Counter(value, benchmark::Counter::kAvgIterations); };
    state.counters["pictures"] = perRun(seconds.pictures);
    state.counters["draw_s"] = perRun(seconds.passes - seconds.png);
    state.counters["png_s"] = perRun(seconds.png);
}
BENCHMARK(BM_PDFReportHandler)->Unit(benchmark::kMillisecond);

// The same document made step by step: the pages rendered onto the writer, then the writer
// closed and the file committed.
void BM_PDFReportPagesAndCommit(benchmark::State& state)
{
    QTemporaryDir destination;
    const ConditionReturnInfo info = *ConditionProcess::queryReadings();
    const QUrl pef = QUrl::fromLocalFile(destination.filePath(QStringLiteral("PEF")));
    const QUrl fev1 = QUrl::fromLocalFile(destination.filePath(QStringLiteral("FEV1")));
    QDir().mkpath(pef.toLocalFile());
    QDir().mkpath(fev1.toLocalFile());
    ChartPictureProcess pictures(info);
    const int count = std::max(pictures.makeChartPictures(pef, FolderProcess::FolderKind::PEF),
                               pictures.makeChartPictures(fev1, FolderProcess::FolderKind::FEV1));
    const QList<PDFPagePlan::Page> plan = PDFPagePlan::pages(count, info.pfm.size());
    double renderSeconds = 0;
    double commitSeconds = 0;
    for (auto _ : state) {
        PDFPageWriter writer(QDir(destination.path()).filePath(QStringLiteral("bench.pdf")));
        writer.open();
        QElapsedTimer clock;
        clock.start();
        for (const PDFPagePlan::Page& planned : plan) {
            const std::unique_ptr<PDFPage> page = PDFReportProcess::makePage(planned, info, pef, fev1);
            writer.appendPage(*page);
        }
        renderSeconds += secondsSince(clock);
        clock.restart();
        writer.commit();
        commitSeconds += secondsSince(clock);
    }
    state.counters["pages"] = static_cast<double>(plan.size());
    state.counters["render_s"] = benchmark::Counter(renderSeconds, benchmark::Counter::kAvgIterations);
    state.counters["commit_s"] = benchmark::Counter(commitSeconds, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PDFReportPagesAndCommit)->Unit(benchmark::kMillisecond);

// The PEF pictures of two readings, dated year 1 and year 9999: only the half-years that hold
// readings cost anything, so this is two pictures' work however far apart they lie.
void BM_PicturesOfReadingsTenThousandYearsApart(benchmark::State& state)
{
    ProfilePtr profile = viewContext().insertProfile();
    profile->email = QStringLiteral("far@example.org");
    profile->best_Value = 480;
    for (const QDate day : {QDate(1, 3, 1), QDate(9999, 9, 1)}) {
        PFMPtr reading = viewContext().insertReading(profile);
        reading->measureDate = Timestamp::fromDateTime(QDateTime(day, QTime(8, 0)));
        reading->pefValue = 400;
        reading->fev1Value = 3.0f;
    }
    viewContext().save();
    const ConditionReturnInfo info{profile, viewContext().pfmInfo(profile).value()};
    QTemporaryDir folder;
    int pictures = 0;
    for (auto _ : state) {
        pictures = ChartPictureProcess(info).makeChartPictures(QUrl::fromLocalFile(folder.path()),
                                                               FolderProcess::FolderKind::PEF);
    }
    state.counters["pictures"] = pictures;
    viewContext().deleteProfile(profile);
    viewContext().save();
}
BENCHMARK(BM_PicturesOfReadingsTenThousandYearsApart)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    const BrisvaleBench::BenchHome home;
    QApplication app(argc, argv);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    Console::setCapture([](const QString&) {});
    AppClock::setNow(QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5)));
    storeReadings();
    BrisvaleBench::runBenchmarks(argc, argv);
    return 0;
}
