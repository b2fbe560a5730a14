#include "Brisvale/platform/Console.h"

#include <QLocale>

#include <cstdio>

namespace Console {

namespace {
Capture& capture()
{
    static Capture current;
    return current;
}

bool& verbosity()
{
    static bool verbose = false;
    return verbose;
}

void write(const QString& line, std::FILE* stream)
{
    const QByteArray text = line.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
    std::fflush(stream);
}
}

void printLine(const QString& line)
{
    if (capture()) {
        capture()(line);
    } else if (verbosity()) {
        write(line, stdout);
    }
}

void printError(const QString& line)
{
    if (capture()) {
        capture()(line);
    } else {
        write(line, stderr);
    }
}

QString momentText(const QDateTime& moment)
{
    return QLocale::c().toString(moment.toUTC(), QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" +0000");
}

void setCapture(Capture replacement)
{
    capture() = std::move(replacement);
}

void setVerbose(bool verbose)
{
    verbosity() = verbose;
}

}
