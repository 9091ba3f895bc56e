#pragma once

#include <QObject>
#include <functional>

// Waits on the interface thread without blocking it and without keeping a
// processor busy: the thread sleeps in an event loop, handles every event
// that arrives, and returns when the time is up or as soon as the condition
// holds. The condition is looked at after every round of events, so that a
// wait ends with the event that makes it true, and every few milliseconds
// for a condition that another thread changes.
namespace EventWait {

void upTo(int milliseconds, const std::function<bool()>& done);

// As upTo(), and the condition is looked at as soon as the sender emits
// the signal, from whatever thread: a worker that announces its end ends
// the wait then, not at the next look.
template <typename Sender, typename Signal>
void upTo(int milliseconds, const std::function<bool()>& done, const Sender* sender, Signal signal)
{
    // It lives in this thread: a signal from another thread reaches it as an
    // event, and each round of events is followed by a look at the condition.
    QObject receiver;
    QObject::connect(sender, signal, &receiver, [] {});
    upTo(milliseconds, done);
}

} // namespace EventWait
