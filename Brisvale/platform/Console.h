#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// The application's console: progress lines on standard output, UTF-8, one flushed line each,
// with the texts exactly as given. Tests can capture the lines instead.
namespace Console {

using Capture = std::function<void(const QString&)>;

void printLine(const QString& line);

// A moment as console lines show it: UTC with its offset, "2024-03-15 13:30:05 +0000".
QString momentText(const QDateTime& moment);

// While a capture is set, lines go to it instead of standard output; an empty function restores
// standard output.
void setCapture(Capture capture);

}
