// The program and its tests use Qt's public interface only, so that the package goes on working
// with the next Qt build that the system installs: no file includes one of Qt's private headers,
// no build file links one of Qt's private targets, and the setup installs no private headers.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QString sourceDir = QStringLiteral(BRISVALE_SOURCE_DIR);

// The lines of the files under the folders (relative to the source folder) whose names match,
// that match the pattern, as "file: line".
QStringList matchingLines(const QStringList& folders, const QStringList& names, const QRegularExpression& pattern)
{
    const QDir root(sourceDir);
    QStringList found;
    for (const QString& folder : folders) {
        const auto depth = folder == QLatin1String(".") ? QDirIterator::NoIteratorFlags : QDirIterator::Subdirectories;
        QDirIterator it(root.filePath(folder), names, QDir::Files, depth);
        while (it.hasNext()) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
                if (pattern.match(line).hasMatch()) {
                    found << root.relativeFilePath(file.fileName()) + QStringLiteral(": ") + line.trimmed();
                }
            }
        }
    }
    return found;
}

}

TEST(PublicQt, NoSourceBuildFileOrSetupReachesForQtsPrivateParts)
{
    const QStringList sources{"Brisvale", "ChartEngine", "TavrendelPFMSDK", "tests", "bench", "fuzz", "examples"};
    const struct {
        const char* what;
        QStringList folders;
        QStringList names;
        QRegularExpression pattern;
    } rules[] = {
        {"a private header", sources, {"*.h", "*.cpp"},
         QRegularExpression(QStringLiteral(R"(^\s*#\s*include\s*[<"](Qt\w+/)*(private|qpa)/)"))},
        {"a private target", sources + QStringList{".", "cmake"}, {"CMakeLists.txt", "*.cmake"},
         QRegularExpression(QStringLiteral(R"(\bQt6?::\w+Private\b)"))},
        {"the private headers' package", {"scripts"}, {"setup"},
         QRegularExpression(QStringLiteral(R"(^\s*[^#]*\bqt6-base-private-dev\b)"))},
    };
    for (const auto& rule : rules) {
        SCOPED_TRACE(rule.what);
        ASSERT_TRUE(rule.pattern.isValid());
        const QStringList found = matchingLines(rule.folders, rule.names, rule.pattern);
        EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    }
}
