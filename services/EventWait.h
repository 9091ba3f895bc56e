#pragma once

#include <functional>

// Waits on the interface thread without blocking it and without keeping a
// processor busy: the thread sleeps in an event loop, handles every event
// that arrives, and returns when the time is up or, looked at every few
// milliseconds, as soon as the condition holds.
namespace EventWait {

void upTo(int milliseconds, const std::function<bool()>& done);

} // namespace EventWait
