#pragma once

#include <QString>
#include <functional>

// The application's fatal stop: a store that cannot be opened, a fetch that must not fail.
// The message is written to standard error, however quiet the console; a hook (the main
// window's alert) may show it first. The program then ends with a non-zero status. From the
// failure on, nothing queued before it runs: while the hook's alert waits for the user, timers,
// queued calls and posted events are dropped unless they belong to the alert on screen.
namespace Fatal {

using Hook = std::function<void(const QString&)>;

[[noreturn]] void stop(const QString& message);

// The function that shows the message before the program ends; an empty one removes it.
void setHook(Hook hook);

}
