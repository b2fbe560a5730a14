#include <QByteArray>
#include <QFile>
#include <QList>
#include <gtest/gtest.h>

namespace {

// The environment this process was started with, as CTest gave it: the test main changes some
// variables (the zone, the platform) before the tests run, so the live environment can't tell.
QList<QByteArray> startEnvironment()
{
    QFile file(QStringLiteral("/proc/self/environ"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QByteArray> entries = file.readAll().split('\0');
    entries.removeAll(QByteArray());
    return entries;
}

QList<QByteArray> configuredEnvironment()
{
    return QByteArray(CONFIGURED_TEST_ENVIRONMENT).split('|');
}

}

TEST(TestRunEnvironment, EveryConfiguredEntryReachesTheTest)
{
    const QList<QByteArray> configured = configuredEnvironment();
    ASSERT_GE(configured.size(), 7);
    const QList<QByteArray> started = startEnvironment();
    for (const QByteArray& entry : configured) {
        EXPECT_TRUE(started.contains(entry)) << entry.constData();
    }
}

TEST(TestRunEnvironment, TheLeakCheckFindsItsSuppressions)
{
    const QByteArray options = qgetenv("LSAN_OPTIONS");
    const qsizetype start = options.indexOf("suppressions=");
    ASSERT_GE(start, 0) << options.constData();
    const QByteArray path = options.mid(start + 13).split(':').first();
    EXPECT_TRUE(QFile::exists(QString::fromLocal8Bit(path))) << path.constData();
}
