#include "Brisvale/platform/Fatal.h"

#include "Brisvale/platform/Console.h"

#include <cstdlib>

namespace Fatal {

namespace {
Hook& hook()
{
    static Hook current;
    return current;
}
}

void stop(const QString& message)
{
    Console::printLine(message);
    if (hook()) {
        // The hook runs once: a failure inside it must not come back here.
        Hook shown = std::exchange(hook(), Hook());
        shown(message);
    }
    std::exit(EXIT_FAILURE);
}

void setHook(Hook replacement)
{
    hook() = std::move(replacement);
}

}
