#include "services/HalfWritten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <mutex>

namespace {

std::mutex& listMutex()
{
    static std::mutex mutex;
    return mutex;
}

QStringList& paths()
{
    static QStringList list;
    return list;
}

void removePath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

} // namespace

namespace HalfWritten {

void track(const QString& path)
{
    std::lock_guard<std::mutex> locker(listMutex());
    paths().append(path);
}

void release(const QString& path)
{
    std::lock_guard<std::mutex> locker(listMutex());
    paths().removeOne(path);
}

void discardAll()
{
    // Never unlocked: the program exits next.
    listMutex().lock();
    for (const QString& path : qAsConst(paths()))
        removePath(path);
    paths().clear();
}

QStringList tracked()
{
    std::lock_guard<std::mutex> locker(listMutex());
    return paths();
}

} // namespace HalfWritten
