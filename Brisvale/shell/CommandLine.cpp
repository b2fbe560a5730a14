#include "Brisvale/shell/CommandLine.h"

#include "Brisvale/shell/VersionController.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

// The parser with every option of the application, already run over the arguments.
class ParsedArguments {
public:
    explicit ParsedArguments(const QStringList& arguments)
    {
        parser.setApplicationDescription(QStringLiteral("Peak flow diary for a handheld peak-flow meter."));
        // Qt's own options (-platform, -reverse, ...) are whole words, never a cluster of letters
        // that could hold "v" or "h"; the parser leaves them, unknown, to Qt.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(verbose);
        parser.parse(arguments);
    }

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption verbose{
        QStringLiteral("verbose"),
        QStringLiteral("Print progress lines on standard output; they name users, e-mail addresses "
                       "and readings.")};
};

} // namespace

namespace CommandLine {

std::optional<int> answer(const QStringList& arguments, QTextStream& out)
{
    ParsedArguments parsed(arguments);
    if (parsed.parser.isSet(parsed.help)) {
        out << parsed.parser.helpText();
    } else if (parsed.parser.isSet(parsed.version)) {
        out << QStringLiteral("Brisvale %1\n").arg(VersionController::version());
    } else {
        return std::nullopt;
    }
    out.flush();
    return 0;
}

bool verbose(const QStringList& arguments)
{
    ParsedArguments parsed(arguments);
    return parsed.parser.isSet(parsed.verbose);
}

} // namespace CommandLine
