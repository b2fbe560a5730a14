#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

// The options a user may give on the command line. "--help" and "--version" are answered at
// once, before any window, display or store is opened; "--verbose" lets the console's progress
// lines reach standard output; every other argument is left to Qt.
namespace CommandLine {

// Writes the answer to out and returns the exit code when the arguments ask for help or the
// version; returns nothing when the application should start. The first argument is the program.
std::optional<int> answer(const QStringList& arguments, QTextStream& out);

// Whether the arguments ask for the console's lines on standard output.
bool verbose(const QStringList& arguments);

} // namespace CommandLine
