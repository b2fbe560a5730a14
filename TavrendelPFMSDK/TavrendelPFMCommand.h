#pragma once

#include <QString>
#include <QtGlobal>

// The meter's command codes as they arrive in every reply, and their printed names.
namespace TavrendelPFMCommand {

inline constexpr qint64 None = 0;
inline constexpr qint64 TimeWrite = 42;
inline constexpr qint64 IdWrite = 43; // known to the meter, never sent by this library
inline constexpr qint64 IdRead = 44;  // known to the meter, never sent by this library
inline constexpr qint64 MemoryClear = 45;
inline constexpr qint64 TimeRead = 46;
inline constexpr qint64 MemoryRead = 47;
inline constexpr qint64 BestValueWrite = 63;
inline constexpr qint64 BestValueRead = 74;

// "none", "Time_Write", "ID_Write", "ID_Read", "Memory_Clear", "Time_Read", "Memory_Read",
// "Best_Value_Write", "Best_Value_Read"; any other code is "default".
QString name(qint64 command);

// The code whose printed name is `name`, or None when no command is printed so ("none" and
// "default" included).
qint64 fromName(const QString& name);

}
