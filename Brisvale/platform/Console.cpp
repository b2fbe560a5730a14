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
}

void printLine(const QString& line)
{
    if (capture()) {
        capture()(line);
        return;
    }
    const QByteArray text = line.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    std::fflush(stdout);
}

QString momentText(const QDateTime& moment)
{
    return QLocale::c().toString(moment.toUTC(), QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" +0000");
}

void setCapture(Capture replacement)
{
    capture() = std::move(replacement);
}

}
