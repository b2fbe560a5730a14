// Importing backups through the settings page's import, panel and alert answered by script:
// re-importing a backup of 100,000 readings into the store that holds it (goal: under 1 s), and
// importing 10,000 profiles into an empty store and into the store that holds them (goal: under
// 2 s). Each run starts from a freshly opened store, as after a start of the program.
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/reports/BackupProcess.h"

#include "BrisvaleBenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int readingCount = 100000;
constexpr int profileCount = 10000;
constexpr int readingsPerProfile = 5;

QTemporaryDir* backupFolder = nullptr;

Decode_Profile sampleProfile(int index, int readings)
{
    Decode_Profile profile;
    profile.email = QStringLiteral("user%1@example.org").arg(index);
    profile.name = QStringLiteral("User %1").arg(index);
    profile.birthday = Timestamp{-315619200.0 + index * 86400.0};
    profile.height = 172.5f;
    profile.weight = 61.3f;
    profile.best_Value = 520;
    profile.pfmInfo.reserve(readings);
    for (int i = 0; i < readings; ++i) {
        const Decode_PFM reading{static_cast<float>(150 + i % 300) / 100.0f,
                                 Timestamp{700000000.0 + i * 14400.123456},
                                 i % 10 == 0 ? std::optional<QString>(QStringLiteral("after the stairs"))
                                             : std::nullopt,
                                 200 + i % 400};
        profile.pfmInfo.append(reading);
    }
    return profile;
}

// Writes the profiles as a backup file; answers its path.
QString writeBackup(const QString& name, const QList<Decode_Profile>& profiles)
{
    const QString path = QDir(backupFolder->path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*BackupDocument::write(profiles)) < 0) {
        qFatal("the backup could not be written");
    }
    return path;
}

void emptyStore()
{
    closeViewContext();
    QDir(StoreFile::folderPath()).removeRecursively();
}

bool import(const QString& path)
{
    AlertScript script;
    script.answerPath(path);
    script.answer(1000);
    return BackupProcess::importStore(nullptr);
}

// Imports the file once a run, after `prepare` (not timed).
void importEachRun(benchmark::State& state, const QString& path, void (*prepare)())
{
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        if (!import(path)) {
            state.SkipWithError("the import failed");
        }
    }
}

// Each run imports the file into a store that already holds it: nothing is added.
void reimport(benchmark::State& state, const QString& path)
{
    emptyStore();
    if (!import(path)) {
        state.SkipWithError("the first import failed");
        return;
    }
    importEachRun(state, path, closeViewContext);
}

void reimportReadings(benchmark::State& state)
{
    reimport(state, writeBackup(QStringLiteral("readings.bak"), {sampleProfile(0, readingCount)}));
}

QString profilesBackup()
{
    QList<Decode_Profile> profiles;
    profiles.reserve(profileCount);
    for (int i = 0; i < profileCount; ++i) {
        profiles.append(sampleProfile(i, readingsPerProfile));
    }
    return writeBackup(QStringLiteral("profiles.bak"), profiles);
}

void importProfilesIntoEmptyStore(benchmark::State& state)
{
    importEachRun(state, profilesBackup(), emptyStore);
}

void reimportProfiles(benchmark::State& state)
{
    reimport(state, profilesBackup());
}

}

BENCHMARK(reimportReadings)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importProfilesIntoEmptyStore)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(reimportProfiles)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    const BrisvaleBench::BenchHome home;
    QTemporaryDir backups;
    backupFolder = &backups;
    QCoreApplication app(argc, argv);
    Console::setCapture([](const QString&) {});
    BrisvaleBench::runBenchmarks(argc, argv);
    Console::setCapture({});
    closeViewContext();
    return 0;
}
