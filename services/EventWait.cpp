#include "services/EventWait.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>

namespace EventWait {

namespace {
const int kCheckMs = 10;
}

void upTo(int milliseconds, const std::function<bool()>& done)
{
    if (done())
        return;
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, check);
    // The dispatcher announces each sleep, that is the end of each round of
    // events: a handler that has just made the condition true ends the wait.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, check);
    deadline.start(milliseconds);
    tick.start(kCheckMs);
    loop.exec();
}

} // namespace EventWait
