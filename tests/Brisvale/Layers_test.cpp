// The layers of the source tree, read from its include lines. Bottom to top the application's
// folders are platform, records, reports, pages and shell: a file includes its own folder and the
// ones below it, never one above or beside it. The charting engine and the meter library stand
// apart and include nothing of the application, nor each other.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString sourceDir = QStringLiteral(BRISVALE_SOURCE_DIR);

const QStringList applicationLayers{"platform", "records", "reports", "pages", "shell"};
const QStringList libraries{"ChartEngine", "TavrendelPFMSDK"};

// The layer of a path relative to the source folder: "Brisvale/<folder>" for the application,
// the library's name for the two libraries; none for anything else.
std::optional<QString> layerOf(const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() >= 2 && libraries.contains(parts[0])) {
        return parts[0];
    }
    if (parts.size() >= 3 && parts[0] == QLatin1String("Brisvale")
        && applicationLayers.contains(parts[1])) {
        return QStringLiteral("Brisvale/") + parts[1];
    }
    return std::nullopt;
}

// Whether code of one layer may include code of another.
bool mayInclude(const QString& from, const QString& to)
{
    if (from == to) {
        return true;
    }
    if (libraries.contains(from)) {
        return false;
    }
    if (libraries.contains(to)) {
        return true;
    }
    const auto rank = [](const QString& layer) {
        return applicationLayers.indexOf(layer.mid(QStringLiteral("Brisvale/").size()));
    };
    return rank(to) < rank(from);
}

// What is wrong with one include line of a file, if anything.
std::optional<QString> fault(const QString& file, const QString& included)
{
    const std::optional<QString> from = layerOf(file);
    if (!from) {
        return file + QStringLiteral(" lies in no layer");
    }
    const std::optional<QString> to = layerOf(included);
    if (!to) {
        return file + QStringLiteral(" includes \"") + included
            + QStringLiteral("\", which lies in no layer");
    }
    if (!mayInclude(*from, *to)) {
        return file + QStringLiteral(" includes \"") + included + QStringLiteral("\": ") + *from
            + QStringLiteral(" may not include ") + *to;
    }
    return std::nullopt;
}

// The quoted include lines of one file.
QStringList includesOf(const QString& path)
{
    static const QRegularExpression line(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                         QRegularExpression::MultilineOption);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    QStringList found;
    for (auto match = line.globalMatch(text); match.hasNext();) {
        found.append(match.next().captured(1));
    }
    return found;
}

}

TEST(LayersTest, TheRuleRefusesIncludesUpwardSidewaysAndOutOfTheLibraries)
{
    struct Case {
        const char* file;
        const char* included;
        bool allowed;
    };
    const Case cases[] = {
        {"Brisvale/shell/A.cpp", "Brisvale/platform/B.h", true},
        {"Brisvale/pages/A.cpp", "Brisvale/pages/B.h", true},
        {"Brisvale/records/A.h", "ChartEngine/data/B.h", true},
        {"Brisvale/platform/A.cpp", "TavrendelPFMSDK/B.h", true},
        {"Brisvale/platform/A.h", "Brisvale/records/B.h", false},
        {"Brisvale/pages/A.cpp", "Brisvale/shell/B.h", false},
        {"Brisvale/reports/A.cpp", "Brisvale/resources/B.h", false},
        {"Brisvale/A.cpp", "Brisvale/platform/B.h", false},
        {"ChartEngine/data/A.h", "Brisvale/platform/B.h", false},
        {"ChartEngine/data/A.h", "TavrendelPFMSDK/B.h", false},
        {"TavrendelPFMSDK/A.h", "ChartEngine/data/B.h", false},
        {"Brisvale/shell/A.cpp", "support/B.h", false},
    };
    for (const Case& c : cases) {
        const std::optional<QString> found = fault(QLatin1String(c.file), QLatin1String(c.included));
        EXPECT_EQ(!found.has_value(), c.allowed) << c.file << " -> " << c.included;
    }
    EXPECT_EQ(fault(QStringLiteral("Brisvale/pages/A.cpp"), QStringLiteral("Brisvale/shell/B.h")),
              QStringLiteral("Brisvale/pages/A.cpp includes \"Brisvale/shell/B.h\": "
                             "Brisvale/pages may not include Brisvale/shell"));
}

TEST(LayersTest, NoSourceFileIncludesUpwardOrSideways)
{
    const QDir root(sourceDir);
    QStringList faults;
    int files = 0;
    for (const QString& top : {QStringLiteral("Brisvale"), QStringLiteral("ChartEngine"),
                               QStringLiteral("TavrendelPFMSDK")}) {
        QDirIterator it(root.filePath(top), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString file = root.relativeFilePath(path);
            ++files;
            for (const QString& included : includesOf(path)) {
                if (const std::optional<QString> found = fault(file, included)) {
                    faults.append(*found);
                }
            }
        }
    }
    EXPECT_GT(files, 100) << "no sources under " << sourceDir.toStdString();
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}
