#include "Brisvale/platform/Console.h"
#include "Brisvale/records/FolderProcess.h"

#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = FolderProcess::FolderKind;

QString appFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Brisvale");
}

void writeFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

class FolderProcessTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestEnvironment::clearUserFolders();
        Console::setCapture([this](const QString& line) { lines << line; });
    }
    void TearDown() override { Console::setCapture({}); }

    FolderProcess folders;
    QStringList lines;
};

}

TEST_F(FolderProcessTest, KindsAndTheirFolderNames)
{
    EXPECT_EQ(FolderProcess::rawValue(Kind::PEF), QStringLiteral("PEF"));
    EXPECT_EQ(FolderProcess::rawValue(Kind::FEV1), QStringLiteral("FEV1"));
    EXPECT_EQ(FolderProcess::rawValue(Kind::BAK2JSON), QStringLiteral("BAK2JSON"));
    EXPECT_EQ(static_cast<int>(Kind::BAK2JSON), 2);
    EXPECT_EQ(folders.FOLDER_PATH, QStringLiteral("Brisvale"));
}

TEST_F(FolderProcessTest, CheckWithoutANameIsTheApplicationFolderAndPrintsItsUrl)
{
    const auto info = folders.checkFolder();
    EXPECT_FALSE(info.status);
    EXPECT_EQ(info.path, QUrl::fromLocalFile(appFolder()));
    EXPECT_TRUE(info.path.toString().startsWith(QStringLiteral("file:///")));
    EXPECT_EQ(lines, QStringList{QStringLiteral("檢查的文件位置->") + info.path.toString()});
    EXPECT_FALSE(QFileInfo::exists(appFolder())) << "checking creates nothing";

    QDir().mkpath(appFolder());
    EXPECT_TRUE(folders.checkFolder().status);
}

TEST_F(FolderProcessTest, CheckCountsAPlainFileToo)
{
    EXPECT_FALSE(folders.checkFolder(QStringLiteral("JsonFile")).status);
    writeFile(appFolder() + QStringLiteral("/JsonFile"));
    const auto info = folders.checkFolder(QStringLiteral("JsonFile"));
    EXPECT_TRUE(info.status);
    EXPECT_EQ(info.path.toLocalFile(), appFolder() + QStringLiteral("/JsonFile"));
}

TEST_F(FolderProcessTest, CreateMakesTheMissingFoldersAbove)
{
    const auto parent = folders.checkFolder(QStringLiteral("PDFMakeChartPic"));
    const auto fev1 = folders.createFolder(parent, Kind::FEV1);
    const auto pef = folders.createFolder(parent, Kind::PEF);
    EXPECT_TRUE(fev1.status);
    EXPECT_TRUE(pef.status);
    EXPECT_EQ(fev1.path.toLocalFile(), appFolder() + QStringLiteral("/PDFMakeChartPic/FEV1"));
    EXPECT_EQ(pef.path.toLocalFile(), appFolder() + QStringLiteral("/PDFMakeChartPic/PEF"));
    EXPECT_TRUE(QFileInfo(fev1.path.toLocalFile()).isDir());
    EXPECT_TRUE(QFileInfo(pef.path.toLocalFile()).isDir());
}

TEST_F(FolderProcessTest, CreatingAnExistingFolderSucceeds)
{
    const auto parent = folders.checkFolder(QStringLiteral("JsonFile"));
    writeFile(appFolder() + QStringLiteral("/JsonFile/BAK2JSON/kept.json"));
    const auto made = folders.createFolder(parent, Kind::BAK2JSON);
    EXPECT_TRUE(made.status);
    EXPECT_EQ(made.path.toLocalFile(), appFolder() + QStringLiteral("/JsonFile/BAK2JSON"));
    EXPECT_TRUE(QFileInfo::exists(appFolder() + QStringLiteral("/JsonFile/BAK2JSON/kept.json")));
}

TEST_F(FolderProcessTest, APlainFileInTheWayFailsWithTheGivenPath)
{
    const auto parent = folders.checkFolder(QStringLiteral("JsonFile"));
    writeFile(appFolder() + QStringLiteral("/JsonFile/BAK2JSON"));
    const auto made = folders.createFolder(parent, Kind::BAK2JSON);
    EXPECT_FALSE(made.status);
    EXPECT_EQ(made.path, parent.path);
    EXPECT_TRUE(QFileInfo(appFolder() + QStringLiteral("/JsonFile/BAK2JSON")).isFile());

    // A plain file where the parent folder belongs fails the same way.
    writeFile(appFolder() + QStringLiteral("/PDFMakeChartPic"));
    const auto chartParent = folders.checkFolder(QStringLiteral("PDFMakeChartPic"));
    EXPECT_FALSE(folders.createFolder(chartParent, Kind::PEF).status);
}

TEST_F(FolderProcessTest, RemoveTakesAWholeTree)
{
    writeFile(appFolder() + QStringLiteral("/PDFMakeChartPic/PEF/0.png"));
    writeFile(appFolder() + QStringLiteral("/PDFMakeChartPic/FEV1/deeper/1.png"));
    const auto info = folders.checkFolder(QStringLiteral("PDFMakeChartPic"));
    lines.clear();
    EXPECT_TRUE(folders.removeFolder(info));
    EXPECT_EQ(lines, QStringList{QStringLiteral("移除文件成功")});
    EXPECT_FALSE(QFileInfo::exists(info.path.toLocalFile()));
    EXPECT_TRUE(QFileInfo(appFolder()).isDir()) << "only the named folder goes";
}

TEST_F(FolderProcessTest, RemoveTakesAPlainFile)
{
    writeFile(appFolder() + QStringLiteral("/JsonFile"));
    const auto info = folders.checkFolder(QStringLiteral("JsonFile"));
    lines.clear();
    EXPECT_TRUE(folders.removeFolder(info));
    EXPECT_EQ(lines, QStringList{QStringLiteral("移除文件成功")});
    EXPECT_FALSE(QFileInfo::exists(info.path.toLocalFile()));
}

TEST_F(FolderProcessTest, RemovingNothingFails)
{
    const auto info = folders.checkFolder(QStringLiteral("JsonFile"));
    lines.clear();
    EXPECT_FALSE(folders.removeFolder(info));
    EXPECT_EQ(lines, QStringList{QStringLiteral("移除文件失敗")});
}

TEST_F(FolderProcessTest, RemovingALinkLeavesWhatItPointsTo)
{
    QTemporaryDir elsewhere;
    writeFile(elsewhere.path() + QStringLiteral("/precious.txt"));
    QDir().mkpath(appFolder());
    ASSERT_TRUE(QFile::link(elsewhere.path(), appFolder() + QStringLiteral("/JsonFile")));
    const auto info = folders.checkFolder(QStringLiteral("JsonFile"));
    EXPECT_TRUE(info.status);
    EXPECT_TRUE(folders.removeFolder(info));
    EXPECT_FALSE(QFileInfo(info.path.toLocalFile()).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(elsewhere.path() + QStringLiteral("/precious.txt")));
}

TEST_F(FolderProcessTest, AnEmptyPathNeverMeansTheWorkingFolder)
{
    QTemporaryDir work;
    writeFile(work.path() + QStringLiteral("/keep.txt"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work.path()));

    const FolderProcess::ReturnURLInfo empty{true, QUrl()};
    EXPECT_FALSE(folders.removeFolder(empty));
    EXPECT_FALSE(folders.createFolder(empty, Kind::PEF).status);
    EXPECT_FALSE(folders.createFolder({true, QUrl(QStringLiteral("https://example.com/x"))}, Kind::PEF).status);
    QDir::setCurrent(previous);

    EXPECT_TRUE(QFileInfo::exists(work.path() + QStringLiteral("/keep.txt")));
    EXPECT_FALSE(QFileInfo::exists(work.path() + QStringLiteral("/PEF")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/PEF")));
}

// The way the reports use the folders: check the parent, remove what an earlier run left,
// create the subfolders again.
TEST_F(FolderProcessTest, EachUseStartsFromAnEmptyFolder)
{
    writeFile(appFolder() + QStringLiteral("/PDFMakeChartPic/PEF/7.png"));
    const auto parent = folders.checkFolder(QStringLiteral("PDFMakeChartPic"));
    ASSERT_TRUE(parent.status);
    EXPECT_TRUE(folders.removeFolder(parent));
    EXPECT_TRUE(folders.createFolder(parent, Kind::FEV1).status);
    const auto pef = folders.createFolder(parent, Kind::PEF);
    EXPECT_TRUE(pef.status);
    EXPECT_TRUE(QDir(pef.path.toLocalFile()).isEmpty());
}
