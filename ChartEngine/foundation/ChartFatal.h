#pragma once

#include <QString>

namespace Charts {

// A programming error inside the engine (an abstract member called, an invalid enumeration
// value): prints the exact message as one line on standard output and aborts.
[[noreturn]] void chartFatal(const QString& message);

}
