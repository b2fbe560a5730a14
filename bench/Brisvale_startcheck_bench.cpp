// The check a store passes when the application starts, on a store of 200,000 readings: the
// whole opening (header, every page and index entry, tables), and SQLite's two checks alone for
// comparison. The file is read from the system's cache, as at every start but the first after
// the computer starts.
#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include "BrisvaleBenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

constexpr int readingCount = 200000;

// Made once: two profiles sharing the readings, one every 15 minutes, with notes now and then.
void makeStore()
{
    static bool made = false;
    if (made) {
        return;
    }
    closeViewContext();
    QDir(StoreFile::folderPath()).removeRecursively();
    StoreContext& context = viewContext();
    const ProfilePtr profiles[] = {context.insertProfile(), context.insertProfile()};
    for (int i = 0; i < readingCount; ++i) {
        PFMPtr reading = context.insertReading(profiles[i % 2]);
        reading->pefValue = 300 + i % 300;
        reading->fev1Value = 2.0f + float(i % 200) / 100.0f;
        reading->measureDate = Timestamp{694224000.0 + 900.0 * i};
        if (i % 10 == 0) {
            reading->note = QStringLiteral("after exercise");
        }
    }
    if (!context.save()) {
        qFatal("save failed");
    }
    closeViewContext();
    made = true;
}

void openAndClose(benchmark::State& state)
{
    makeStore();
    const QString name = QStringLiteral("bench");
    for (auto _ : state) {
        if (const std::optional<StoreFile::Refusal> refused = StoreFile::open(name)) {
            state.SkipWithError(qPrintable(refused->error.text()));
            break;
        }
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
}

void pragmaOnly(benchmark::State& state, const QString& pragma)
{
    makeStore();
    const QString name = QStringLiteral("pragma");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(StoreFile::filePath());
        db.open();
        for (auto _ : state) {
            QSqlQuery query(db);
            if (!query.exec(pragma) || !query.next() || query.value(0).toString() != "ok") {
                state.SkipWithError("the check did not pass");
                break;
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
}

void integrityCheck(benchmark::State& state)
{
    pragmaOnly(state, QStringLiteral("PRAGMA integrity_check(1)"));
}

void quickCheck(benchmark::State& state)
{
    pragmaOnly(state, QStringLiteral("PRAGMA quick_check(1)"));
}

}

BENCHMARK(openAndClose)->Unit(benchmark::kMillisecond);
BENCHMARK(integrityCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(quickCheck)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    const BrisvaleBench::BenchHome home;
    QCoreApplication app(argc, argv);
    BrisvaleBench::runBenchmarks(argc, argv);
    closeViewContext();
    return 0;
}
