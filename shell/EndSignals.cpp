#include "shell/EndSignals.h"

#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_Pipe[2] = {-1, -1};
const int kSignals[] = {SIGTERM, SIGHUP};

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(g_Pipe[1], &byte, 1);
    errno = saved;
}

bool openPipe()
{
    if (::pipe2(g_Pipe, O_CLOEXEC | O_NONBLOCK) == 0)
        return true;
    g_Pipe[0] = g_Pipe[1] = -1;
    return false;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        sigaction(number, &action, nullptr);
}

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent)
{
    if (g_Pipe[0] >= 0 || !openPipe()) {
        qWarning() << "EndSignals: the end signals cannot be handled";
        return;
    }
    m_Notifier = new QSocketNotifier(g_Pipe[0], QSocketNotifier::Read, this);
    connect(m_Notifier, &QSocketNotifier::activated, this, &EndSignals::onReadable);
    setHandler(onSignal);
}

EndSignals::~EndSignals()
{
    if (!m_Notifier)
        return;
    setHandler(SIG_DFL);
    delete m_Notifier;
    ::close(g_Pipe[0]);
    ::close(g_Pipe[1]);
    g_Pipe[0] = g_Pipe[1] = -1;
}

void EndSignals::onReadable()
{
    char bytes[16];
    while (::read(g_Pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit received();
}
