// Storing a meter download in a profile that holds 300,000 readings: 10,000 and 50,000 new
// readings, each checked against every stored one and against those of the download before it.
// Each run starts from the same store, freshly opened, as after a start of the program.
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/shell/MeterReadingStore.h"

#include "BrisvaleBenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int storedCount = 300000;
const QString email = QStringLiteral("bench@brisvale");

// The store as it stands before every run.
QTemporaryDir* pristineStore = nullptr;

// One reading every 15 minutes from 2023 on, the values going round.
Timestamp readingDate(int index)
{
    return Timestamp{694224000.0 + 900.0 * index};
}

qint32 pefOf(int index)
{
    return 300 + index % 300;
}

float fev1Of(int index)
{
    return 2.0f + static_cast<float>(index % 200) / 100.0f;
}

// Every file of one folder copied into another, emptied first.
void copyFiles(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files | QDir::Hidden)) {
        if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name))) {
            qFatal("the store could not be copied");
        }
    }
}

// A profile holding storedCount readings, saved and kept aside as the store of every run.
void makePristineStore()
{
    StoreContext& context = viewContext();
    ProfilePtr profile = context.insertProfile();
    profile->email = email;
    for (int i = 0; i < storedCount; ++i) {
        PFMPtr reading = context.insertReading(profile);
        reading->pefValue = pefOf(i);
        reading->fev1Value = fev1Of(i);
        reading->measureDate = readingDate(i);
    }
    if (!context.save()) {
        qFatal("save failed");
    }
    closeViewContext();
    copyFiles(StoreFile::folderPath(), pristineStore->path());
}

// The profile in the store as it stood before any run, freshly opened.
ProfilePtr restoredProfile()
{
    closeViewContext();
    copyFiles(pristineStore->path(), StoreFile::folderPath());
    return viewContext().fetchProfile(email).value();
}

// A download of new readings, taken after the stored ones.
QList<MeterReading> downloadOf(int count)
{
    QList<MeterReading> readings;
    readings.reserve(count);
    for (int i = storedCount; i < storedCount + count; ++i) {
        readings.append(MeterReading{pefOf(i), fev1Of(i), readingDate(i).toDateTime()});
    }
    return readings;
}

void storeDownload(benchmark::State& state)
{
    const QList<MeterReading> readings = downloadOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const ProfilePtr profile = restoredProfile();
        state.ResumeTiming();
        const StoreResult<int> stored = MeterReadingStore::store(viewContext(), profile, readings, std::nullopt);
        if (!stored || stored.value() != readings.size()) {
            state.SkipWithError("the download was not stored whole");
        }
    }
}

}

BENCHMARK(storeDownload)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    const BrisvaleBench::BenchHome home;
    QTemporaryDir pristine;
    pristineStore = &pristine;
    QCoreApplication app(argc, argv);
    Console::setCapture([](const QString&) {});
    makePristineStore();
    BrisvaleBench::runBenchmarks(argc, argv);
    Console::setCapture({});
    closeViewContext();
    return 0;
}
