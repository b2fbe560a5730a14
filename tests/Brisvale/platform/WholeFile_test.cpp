// Files written whole or not at all on a disk that fills up while they are written.
#include "Brisvale/platform/WholeFile.h"

#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

// Small files go through Qt's write buffer and large ones straight to the disk: QSaveFile alone
// put a cut-off file in place in both ways.
TEST(WholeFile, ADiskThatFillsUpLeavesTheEarlierFileAsItWasAndNoOtherFile)
{
    const struct {
        qsizetype size;
        std::int64_t room;
    } cases[] = {
        {5'000, 0}, {5'000, 4'999}, {12'000, 10'000}, {100'000, 1}, {100'000, 50'000}, {100'000, 99'999},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report"));
        const QByteArray earlier("the earlier file");
        ASSERT_FALSE(WholeFile::write(path, earlier));
        const QByteArray bytes(c.size, 'x');
        std::optional<QString> error;
        {
            const FileSizeLimit limit(c.room);
            error = WholeFile::write(path, bytes);
        }
        EXPECT_TRUE(error) << c.size << " bytes, room for " << c.room;
        EXPECT_EQ(contents(path), earlier) << c.size << " bytes, room for " << c.room;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report")});
    }
}

TEST(WholeFile, AFileThatFitsReplacesTheEarlierOne)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report"));
    ASSERT_FALSE(WholeFile::write(path, QByteArray(200'000, 'a')));
    const QByteArray bytes(100'000, 'x');
    {
        const FileSizeLimit limit(bytes.size());
        EXPECT_EQ(WholeFile::write(path, bytes), std::nullopt);
    }
    EXPECT_EQ(contents(path), bytes);
}
