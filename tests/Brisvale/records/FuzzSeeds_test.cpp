// The fuzz targets' seed files through the targets' own checks, so that a regression shows
// without clang (scripts/fuzz runs the targets themselves).
#include "fuzz/FuzzChecks.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QDir seedFolder(const QString& target)
{
    return QDir(QStringLiteral(BRISVALE_SOURCE_DIR "/fuzz/seeds/") + target);
}

QByteArray contents(const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

}

TEST(FuzzSeeds, EverySeedPassesItsTargetsChecks)
{
    struct Target {
        QString name;
        QString (*check)(const QByteArray&);
    };
    const Target targets[] = {{QStringLiteral("backup"), &FuzzChecks::backupDocument},
                              {QStringLiteral("meterreply"), &FuzzChecks::meterReply}};
    for (const Target& target : targets) {
        const QDir folder = seedFolder(target.name);
        const QStringList seeds = folder.entryList(QDir::Files);
        EXPECT_GE(seeds.size(), 10) << folder.path().toStdString();
        for (const QString& seed : seeds) {
            EXPECT_EQ(target.check(contents(folder, seed)), QString()) << seed.toStdString();
        }
    }
}

TEST(FuzzSeeds, GoodBackupSeedsDecodeAndBadOnesAreRefused)
{
    const QDir folder = seedFolder(QStringLiteral("backup"));
    for (const QString& seed : folder.entryList(QDir::Files)) {
        const bool decoded = BackupDocument::read(contents(folder, seed)).has_value();
        EXPECT_EQ(decoded, seed.startsWith(QStringLiteral("good-"))) << seed.toStdString();
    }
}
