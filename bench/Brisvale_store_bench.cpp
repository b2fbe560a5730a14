// The store's speed: saving a download-sized batch of readings, and reading a profile's
// readings back through SQL (the filtered readings query among them) against a bare Qt SQL
// select of the same rows.
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"

#include "BrisvaleBenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

constexpr int readingCount = 100000;

Timestamp readingDate(int index)
{
    return Timestamp{694224000.0 + 900.0 * index};
}

void freshStore()
{
    closeViewContext();
    QDir(StoreFile::folderPath()).removeRecursively();
}

// A profile holding readingCount readings, one every 15 minutes from 2023 on (with notes now and
// then), saved; the store is then reopened so that every object comes from the file.
ProfilePtr storedProfileWithReadings()
{
    freshStore();
    StoreContext& context = viewContext();
    ProfilePtr profile = context.insertProfile();
    profile->email = QStringLiteral("bench@brisvale");
    for (int i = 0; i < readingCount; ++i) {
        PFMPtr reading = context.insertReading(profile);
        reading->pefValue = 300 + i % 300;
        reading->fev1Value = 2.0f + float(i % 200) / 100.0f;
        reading->measureDate = readingDate(i);
        if (i % 10 == 0) {
            reading->note = QStringLiteral("after exercise");
        }
    }
    if (!context.save()) {
        qFatal("save failed");
    }
    closeViewContext();
    return viewContext().fetchProfile(QStringLiteral("bench@brisvale")).value();
}

void saveNewReadings(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        freshStore();
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        for (int i = 0; i < readingCount; ++i) {
            PFMPtr reading = context.insertReading(profile);
            reading->pefValue = 400;
            reading->fev1Value = 3.45f;
            reading->measureDate = Timestamp{694224000.0 + 60.0 * i};
        }
        state.ResumeTiming();
        if (!context.save()) {
            state.SkipWithError("save failed");
        }
    }
}

void bareSelect(benchmark::State& state)
{
    const ProfilePtr profile = storedProfileWithReadings();
    for (auto _ : state) {
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("Brisvale")));
        query.setForwardOnly(true);
        query.prepare(QStringLiteral(
            "SELECT id, pefValue, fev1Value, measureDate, note FROM PFM WHERE accountID = ?"));
        query.bindValue(0, profile->objectID());
        query.exec();
        double sum = 0;
        int rows = 0;
        while (query.next()) {
            sum += double(query.value(0).toLongLong()) + query.value(1).toInt()
                + query.value(2).toDouble() + query.value(3).toDouble();
            benchmark::DoNotOptimize(query.value(4).toString());
            ++rows;
        }
        benchmark::DoNotOptimize(sum);
        if (rows != readingCount) {
            state.SkipWithError("wrong row count");
        }
    }
}

// Every object already in the context: the rows are read, the objects reused.
void pfmInfo(benchmark::State& state)
{
    const ProfilePtr profile = storedProfileWithReadings();
    viewContext().pfmInfo(profile);
    for (auto _ : state) {
        const StoreResult<QList<PFMPtr>> readings = viewContext().pfmInfo(profile);
        if (!readings || readings.value().size() != readingCount) {
            state.SkipWithError("wrong readings");
        }
    }
}

}

// A freshly opened store: every object is made from its row.
void pfmInfoFirstRead(benchmark::State& state)
{
    storedProfileWithReadings();
    for (auto _ : state) {
        state.PauseTiming();
        closeViewContext();
        const ProfilePtr profile =
            viewContext().fetchProfile(QStringLiteral("bench@brisvale")).value();
        state.ResumeTiming();
        const StoreResult<QList<PFMPtr>> readings = viewContext().pfmInfo(profile);
        if (!readings || readings.value().size() != readingCount) {
            state.SkipWithError("wrong readings");
        }
    }
}

// The readings of a window holding all of them, newest first, objects reused.
void fetchReadingsOfWindow(benchmark::State& state)
{
    const ProfilePtr profile = storedProfileWithReadings();
    viewContext().pfmInfo(profile);
    for (auto _ : state) {
        const StoreResult<QList<PFMPtr>> readings =
            viewContext().fetchReadings(profile, Timestamp{0.0}, Timestamp{2.0e9});
        if (!readings || readings.value().size() != readingCount) {
            state.SkipWithError("wrong readings");
        }
    }
}

// The query over every reading of the profile (the window its date limits give), for one time
// of day; each call reads the rows through SQL again.
void queryReadings(benchmark::State& state, const QString& timeOfDay, int expected)
{
    const ProfilePtr profile = storedProfileWithReadings();
    RenewProcess::renewDateLimits(false, profile);
    UserDefaultHelper::setTime(timeOfDay);
    Console::setCapture([](const QString&) {});
    for (auto _ : state) {
        const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
        if (!info || info->pfm.size() != expected) {
            state.SkipWithError("wrong readings");
        }
    }
    Console::setCapture({});
}

void queryReadingsAllDay(benchmark::State& state)
{
    queryReadings(state, QStringLiteral("All day"), readingCount);
}

void queryReadingsMorning(benchmark::State& state)
{
    int morning = 0;
    for (int i = 0; i < readingCount; ++i) {
        morning += readingDate(i).toDateTime().time().hour() < 12 ? 1 : 0;
    }
    queryReadings(state, QStringLiteral("00:00-11:59"), morning);
}

BENCHMARK(saveNewReadings)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(bareSelect)->Unit(benchmark::kMillisecond);
BENCHMARK(pfmInfo)->Unit(benchmark::kMillisecond);
BENCHMARK(pfmInfoFirstRead)->Unit(benchmark::kMillisecond);
BENCHMARK(fetchReadingsOfWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(queryReadingsAllDay)->Unit(benchmark::kMillisecond);
BENCHMARK(queryReadingsMorning)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    const BrisvaleBench::BenchHome home;
    QCoreApplication app(argc, argv);
    BrisvaleBench::runBenchmarks(argc, argv);
    closeViewContext();
    return 0;
}
