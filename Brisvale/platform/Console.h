#pragma once

#include <QString>
#include <functional>

// The application's console: progress lines on standard output, UTF-8, one flushed line each,
// with the texts exactly as given. Tests can capture the lines instead.
namespace Console {

using Capture = std::function<void(const QString&)>;

void printLine(const QString& line);

// While a capture is set, lines go to it instead of standard output; an empty function restores
// standard output.
void setCapture(Capture capture);

}
