#include "ProcessProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>

namespace ProcessProbe {

namespace {
// The parent process id from /proc/<pid>/stat: the field after the
// command name in parentheses and the state letter.
qint64 parentOf(const QString& pid)
{
    QFile stat("/proc/" + pid + "/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : -1;
}
} // namespace

QList<qint64> children()
{
    return childrenOf(QCoreApplication::applicationPid());
}

QList<qint64> childrenOf(qint64 parent)
{
    const qint64 self = parent;
    QList<qint64> result;
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (isPid && parentOf(entry) == self)
            result << pid;
    }
    return result;
}

int threadCount()
{
    return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

bool exists(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace ProcessProbe
