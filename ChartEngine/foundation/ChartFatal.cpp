#include "ChartEngine/foundation/ChartFatal.h"

#include "ChartEngine/foundation/ChartConsole.h"

#include <cstdlib>

namespace Charts {

void chartFatal(const QString& message)
{
    ChartConsole::printLine(message);
    std::abort();
}

}
