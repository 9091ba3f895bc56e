#include "services/WorkFolder.h"

#include "services/Util.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QRandomGenerator>
#include <atomic>

namespace {

const char* const lockSuffix = ".lock";

std::unique_ptr<QLockFile> tryLock(const QString& lockPath)
{
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Only a dead owner makes a lock stale, never its age: a page may stay
    // open for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString uniqueName(const QString& kind)
{
    static std::atomic<int> counter{0};
    return QString("%1-%2-%3-%4")
        .arg(kind)
        .arg(QCoreApplication::applicationPid())
        .arg(++counter)
        .arg(QRandomGenerator::global()->generate() % 100000, 5, 10, QChar('0'));
}

} // namespace

QString WorkFolder::baseFolder()
{
    return Util::GetTempDir() + "/work/";
}

WorkFolder::WorkFolder(const QString& kind)
{
    Util::MakePrivateFolder(baseFolder());
    for (int attempt = 0; attempt < 100 && !m_Lock; ++attempt)
        claim(uniqueName(kind));
    if (!m_Lock)
        qWarning() << "WorkFolder: no working folder could be made below" << baseFolder();
}

WorkFolder::~WorkFolder()
{
    if (m_Lock)
        m_Lock->unlock();
}

bool WorkFolder::claim(const QString& name)
{
    const QString folder = baseFolder() + name;
    // The lock comes first: a folder whose lock is free is never a live page's.
    std::unique_ptr<QLockFile> lock = tryLock(folder + lockSuffix);
    if (!lock)
        return false;
    Util::RemoveDir(folder); // left by a dead run under the same name
    if (!QDir().mkpath(folder))
        return false;
    m_Lock = std::move(lock);
    m_Path = folder + "/";
    return true;
}

QString WorkFolder::path() const
{
    return m_Path;
}

QString WorkFolder::pathWithoutSlash() const
{
    QString path = m_Path;
    if (path.endsWith('/'))
        path.chop(1);
    return path;
}

bool WorkFolder::isValid() const
{
    return m_Lock != nullptr;
}

void WorkFolder::removeStale()
{
    QDir base(baseFolder());
    const QStringList folders = base.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : folders) {
        std::unique_ptr<QLockFile> lock = tryLock(base.filePath(name) + lockSuffix);
        if (!lock)
            continue; // a live page's folder
        // A link planted here goes as a link; its target is no page's.
        Util::RemoveDir(base.filePath(name));
        lock->unlock();
    }
    // Lock files whose folder is gone: unlocking a free lock removes it.
    const QStringList locks = base.entryList({QString("*") + lockSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& name : locks) {
        const QString folder = base.filePath(name.chopped(int(strlen(lockSuffix))));
        if (QFileInfo::exists(folder))
            continue;
        if (std::unique_ptr<QLockFile> lock = tryLock(base.filePath(name)))
            lock->unlock();
    }
}
