#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// The application's console: progress lines on standard output, UTF-8, one flushed line each,
// with the texts exactly as given. The lines name users, e-mails and readings, so they reach
// standard output only when the user asks for them (the "--verbose" option); otherwise they go
// nowhere. Tests can capture the lines instead, whatever the verbosity.
namespace Console {

using Capture = std::function<void(const QString&)>;

void printLine(const QString& line);

// A line that must be seen even on a quiet console (the message of a fatal stop): it goes to
// standard error, or to the capture while one is set.
void printError(const QString& line);

// A moment as console lines show it: UTC with its offset, "2024-03-15 13:30:05 +0000".
QString momentText(const QDateTime& moment);

// While a capture is set, lines go to it instead of standard output; an empty function restores
// standard output.
void setCapture(Capture capture);

// Whether printed lines are written to standard output; off until the user asks.
void setVerbose(bool verbose);

}
