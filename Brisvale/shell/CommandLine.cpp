#include "Brisvale/shell/CommandLine.h"

#include "Brisvale/shell/VersionController.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace CommandLine {

std::optional<int> answer(const QStringList& arguments, QTextStream& out)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Peak flow diary for a handheld peak-flow meter."));
    // Qt's own options (-platform, -reverse, ...) are whole words, never a cluster of letters
    // that could hold "v" or "h"; the parser leaves them, unknown, to Qt.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (parser.isSet(help)) {
        out << parser.helpText();
    } else if (parser.isSet(version)) {
        out << QStringLiteral("Brisvale %1\n").arg(VersionController::version());
    } else {
        return std::nullopt;
    }
    out.flush();
    return 0;
}

} // namespace CommandLine
