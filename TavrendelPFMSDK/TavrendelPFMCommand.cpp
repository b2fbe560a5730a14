#include "TavrendelPFMSDK/TavrendelPFMCommand.h"

#include <array>
#include <utility>

namespace TavrendelPFMCommand {

namespace {
struct Named {
    qint64 command;
    const char* name;
};

constexpr std::array<Named, 8> commands{{
    {TimeWrite, "Time_Write"},
    {IdWrite, "ID_Write"},
    {IdRead, "ID_Read"},
    {MemoryClear, "Memory_Clear"},
    {TimeRead, "Time_Read"},
    {MemoryRead, "Memory_Read"},
    {BestValueWrite, "Best_Value_Write"},
    {BestValueRead, "Best_Value_Read"},
}};
}

QString name(qint64 command)
{
    if (command == None) {
        return QStringLiteral("none");
    }
    for (const Named& named : commands) {
        if (named.command == command) {
            return QLatin1String(named.name);
        }
    }
    return QStringLiteral("default");
}

qint64 fromName(const QString& name)
{
    for (const Named& named : commands) {
        if (name == QLatin1String(named.name)) {
            return named.command;
        }
    }
    return None;
}

}
