#pragma once

#include <QString>
#include <functional>

namespace Charts {

// The engine's console lines: one UTF-8 line on standard output, flushed at once. Tests can
// capture the lines instead.
class ChartConsole {
public:
    using Capture = std::function<void(const QString&)>;

    static void printLine(const QString& line);

    // While a capture is set, lines go to it instead of standard output. An empty function
    // restores standard output.
    static void setCapture(Capture capture);
};

}
