// Writing and reading back a backup of 100,000 readings (goal: under 1 s each).
#include "Brisvale/records/BackupDocument.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int readingCount = 100000;

// One profile holding every reading, a note on every tenth, dates a few hours apart with
// sub-second digits.
QList<Decode_Profile> sampleBackup()
{
    Decode_Profile profile;
    profile.email = QStringLiteral("bench@example.org");
    profile.name = QStringLiteral("Bench");
    profile.birthday = Timestamp{-315619200.0};
    profile.height = 172.5f;
    profile.weight = 61.3f;
    profile.best_Value = 520;
    profile.pfmInfo.reserve(readingCount);
    for (int i = 0; i < readingCount; ++i) {
        Decode_PFM reading;
        reading.fev1Value = static_cast<float>(150 + i % 300) / 100.0f;
        reading.measureDate = Timestamp{700000000.0 + i * 14400.123456};
        reading.pefValue = 200 + i % 400;
        if (i % 10 == 0) {
            reading.note = QStringLiteral("after the stairs, \"tired\" %1").arg(i);
        }
        profile.pfmInfo.append(reading);
    }
    return {profile};
}

void BM_WriteBackup(benchmark::State& state)
{
    const QList<Decode_Profile> backup = sampleBackup();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const std::optional<QByteArray> document = BackupDocument::write(backup);
        bytes = document->size();
        benchmark::DoNotOptimize(document);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteBackup)->Unit(benchmark::kMillisecond);

void BM_ReadBackup(benchmark::State& state)
{
    const QList<Decode_Profile> backup = sampleBackup();
    const QByteArray document = *BackupDocument::write(backup);
    for (auto _ : state) {
        std::optional<QList<Decode_Profile>> profiles = BackupDocument::read(document);
        if (!profiles || profiles->front().pfmInfo.size() != readingCount) {
            state.SkipWithError("the backup did not read back");
            break;
        }
        benchmark::DoNotOptimize(profiles);
    }
}
BENCHMARK(BM_ReadBackup)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
