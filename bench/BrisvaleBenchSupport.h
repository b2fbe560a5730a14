#pragma once

// What the application's benchmarks share: a home of their own for the store and the settings,
// and their run.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>

namespace BrisvaleBench {

// A temporary home (XDG data and config folders) in Berlin time, made before the application
// object and held for the whole run.
class BenchHome {
public:
    BenchHome()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        for (const char* name : {"data", "config"}) {
            QDir(m_folder.path()).mkpath(QString::fromLatin1(name));
        }
        qputenv("XDG_DATA_HOME", (m_folder.path() + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_folder.path() + QStringLiteral("/config")).toUtf8());
    }

private:
    QTemporaryDir m_folder;
};

// Runs the benchmarks the command line names.
inline void runBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

}
