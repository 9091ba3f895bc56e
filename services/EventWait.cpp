#include "services/EventWait.h"

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
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    deadline.start(milliseconds);
    check.start(kCheckMs);
    loop.exec();
}

} // namespace EventWait
