#include "ChartEngine/foundation/ChartConsole.h"

#include <cstdio>

namespace Charts {

namespace {
ChartConsole::Capture& currentCapture()
{
    static ChartConsole::Capture capture;
    return capture;
}
}

void ChartConsole::printLine(const QString& line)
{
    if (currentCapture()) {
        currentCapture()(line);
        return;
    }
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ChartConsole::setCapture(Capture capture)
{
    currentCapture() = std::move(capture);
}

}
