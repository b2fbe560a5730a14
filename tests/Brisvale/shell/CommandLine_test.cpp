#include "Brisvale/shell/CommandLine.h"
#include "Brisvale/shell/VersionController.h"

#include <gtest/gtest.h>

#include <QTextStream>

namespace {

struct Case {
    QStringList arguments;
    std::optional<int> exitCode;
    QString printedStart; // what the answer begins with; empty when nothing is printed
    bool verbose = false;
};

TEST(CommandLine, AnswersHelpAndVersionAndLeavesEverythingElseToTheApplication)
{
    const QString program = QStringLiteral("brisvale");
    const QString version = QStringLiteral("Brisvale %1\n").arg(VersionController::version());
    const Case cases[] = {
        {{program, QStringLiteral("--version")}, 0, version},
        {{program, QStringLiteral("-v")}, 0, version},
        {{program, QStringLiteral("--help")}, 0, QStringLiteral("Usage: ")},
        {{program, QStringLiteral("-h")}, 0, QStringLiteral("Usage: ")},
        {{program}, std::nullopt, {}},
        // Qt's own options start the application, even those whose letters hold a "v" or an "h".
        {{program, QStringLiteral("-platform"), QStringLiteral("offscreen")}, std::nullopt, {}},
        {{program, QStringLiteral("-reverse")}, std::nullopt, {}},
        {{program, QStringLiteral("-platformpluginpath"), QStringLiteral("/tmp")}, std::nullopt, {}},
        {{program, QStringLiteral("--unknown")}, std::nullopt, {}},
        {{program, QStringLiteral("--verbose")}, std::nullopt, {}, true},
        {{program, QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--verbose")},
         std::nullopt, {}, true},
        {{program, QStringLiteral("--verbose"), QStringLiteral("--version")}, 0, version, true},
    };
    for (const Case& c : cases) {
        QString printed;
        QTextStream out(&printed);
        EXPECT_EQ(CommandLine::answer(c.arguments, out), c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(CommandLine::verbose(c.arguments), c.verbose) << c.arguments.join(' ').toStdString();
        if (c.printedStart.isEmpty())
            EXPECT_TRUE(printed.isEmpty()) << printed.toStdString();
        else
            EXPECT_TRUE(printed.startsWith(c.printedStart)) << printed.toStdString();
    }
}

TEST(CommandLine, HelpNamesEveryOption)
{
    QString printed;
    QTextStream out(&printed);
    CommandLine::answer({QStringLiteral("brisvale"), QStringLiteral("--help")}, out);
    EXPECT_TRUE(printed.contains(QStringLiteral("--version")));
    EXPECT_TRUE(printed.contains(QStringLiteral("--help")));
    EXPECT_TRUE(printed.contains(QStringLiteral("--verbose")));
    EXPECT_TRUE(printed.contains(QStringLiteral("peak-flow meter")));
}

} // namespace
