#include "services/CFileCopy.h"

#include "services/CLocker.h"
#include "services/Util.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

bool isWithin(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + "/");
}

void removeEntry(const QString& path, FileReport& report)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return; // nothing to remove
    if (info.isDir() && !info.isSymLink()) {
        Util::RemoveDir(path);
        if (QFileInfo::exists(path))
            report.fail(FileReport::CannotRemove, path);
        return;
    }
    QFile file(path);
    if (!file.remove())
        report.fail(FileReport::CannotRemove, path, file.errorString());
}

void renameEntry(const QString& source, const QString& destination, FileReport& report)
{
    const QFileInfo info(source);
    if (!info.exists() && !info.isSymLink()) {
        report.fail(FileReport::Missing, source);
        return;
    }
    QFile file(source);
    const bool renamed = info.isFile() ? file.rename(destination) : QDir().rename(source, destination);
    if (!renamed)
        report.fail(FileReport::CannotRename, source, info.isFile() ? file.errorString() : QString());
}

} // namespace

CFileCopy::CFileCopy(QObject* parent)
    : QThread(parent)
{
    start(QThread::InheritPriority);
}

CFileCopy::~CFileCopy()
{
    stop();
    wait();
    // The worker's last accesses ended with its unlock; taking the lock
    // orders them before the members are destroyed (QThread::wait() does
    // too, through a futex lock that ThreadSanitizer cannot see).
    CLocker locker(m_Mutex);
}

void CFileCopy::AddTask(const QString& source, const QString& destination, int type)
{
    CLocker locker(m_Mutex);
    m_Tasks.append(Task{type, source, destination, m_NextId++, -1});
    m_Wake.notify_all();
}

void CFileCopy::RemoveTask(const QString& source)
{
    CLocker locker(m_Mutex);
    for (int i = 0; i < m_Tasks.size(); ++i) {
        if (m_Tasks[i].source == source) {
            m_Tasks.removeAt(i);
            return;
        }
    }
}

void CFileCopy::RemoveTask(const QString& source, const QString& destination)
{
    CLocker locker(m_Mutex);
    for (int i = 0; i < m_Tasks.size(); ++i) {
        if (m_Tasks[i].source == source && m_Tasks[i].destination == destination) {
            m_Tasks.removeAt(i);
            return;
        }
    }
}

void CFileCopy::ClearAllTasks()
{
    CLocker locker(m_Mutex);
    m_Tasks.clear();
}

qint64 CFileCopy::sourceBytes(const Task& task)
{
    const QFileInfo info(task.source);
    if (info.isFile())
        return info.size();
    return Util::DirSize(task.source);
}

// Measures each task's source once, without the lock: walking a folder
// tree can take long, and the worker must not wait for it.
void CFileCopy::measureSources()
{
    QList<Task> unmeasured;
    {
        CLocker locker(m_Mutex);
        if (m_Current && m_Current->bytes < 0)
            unmeasured.append(*m_Current);
        for (const Task& task : qAsConst(m_Tasks)) {
            if (task.bytes < 0)
                unmeasured.append(task);
        }
    }
    if (unmeasured.isEmpty())
        return;
    QHash<quint64, qint64> sizes;
    for (const Task& task : qAsConst(unmeasured))
        sizes.insert(task.id, sourceBytes(task));
    CLocker locker(m_Mutex);
    if (m_Current && sizes.contains(m_Current->id))
        m_Current->bytes = sizes.value(m_Current->id);
    for (Task& task : m_Tasks)
        task.bytes = sizes.value(task.id, task.bytes);
}

qint64 CFileCopy::GetLeftTaskBytes()
{
    measureSources();
    CLocker locker(m_Mutex);
    if (!m_Current && m_Tasks.isEmpty())
        return -m_Copied; // what the last task wrote: nothing is left
    // A task added since the measuring counts from the next call on.
    qint64 total = 0;
    for (const Task& task : qAsConst(m_Tasks))
        total += qMax<qint64>(task.bytes, 0);
    // The count of written bytes belongs to the task in progress only; a
    // task that has not started yet has written nothing.
    if (m_Current)
        total += qMax<qint64>(m_Current->bytes, 0) - m_Copied;
    return total;
}

bool CFileCopy::IsBusy()
{
    CLocker locker(m_Mutex);
    return m_Current || !m_Tasks.isEmpty();
}

int CFileCopy::FailureCount()
{
    CLocker locker(m_Mutex);
    return m_Failures.size();
}

QList<CFileCopy::Failure> CFileCopy::Failures()
{
    CLocker locker(m_Mutex);
    return m_Failures;
}

QList<CFileCopy::Failure> CFileCopy::TakeFailures(int from)
{
    CLocker locker(m_Mutex);
    const QList<Failure> taken = m_Failures.mid(from);
    m_Failures.erase(m_Failures.begin() + qBound(0, from, m_Failures.size()), m_Failures.end());
    return taken;
}

void CFileCopy::stop()
{
    CLocker locker(m_Mutex);
    m_Stop = true;
    m_Wake.notify_all();
}

// Picks the next task and resets the count of written bytes in one locked
// step, so that no reader ever sees a waiting task counted against the
// bytes of the one before it.
std::optional<CFileCopy::Task> CFileCopy::takeNextTask()
{
    CLocker locker(m_Mutex);
    while (m_Tasks.isEmpty() && !m_Stop)
        m_Wake.wait(m_Mutex);
    if (m_Stop)
        return std::nullopt;
    m_Copied = 0;
    m_Current = m_Tasks.takeFirst();
    return m_Current;
}

void CFileCopy::run()
{
    // The stop flag is read under the lock only, in takeNextTask().
    while (const std::optional<Task> task = takeNextTask()) {
        keepOutcome(*task, perform(*task));
        // Outside the lock: a receiver in this thread may ask IsBusy().
        if (endTask())
            emit Drained();
    }
}

// The task in progress stops counting as such; true when none waits.
bool CFileCopy::endTask()
{
    CLocker locker(m_Mutex);
    m_Current.reset();
    return m_Tasks.isEmpty();
}

QString CFileCopy::target(const Task& task)
{
    if (task.type == Delete)
        return QDir::cleanPath(task.source);
    if (task.type == Copy && QFileInfo(task.source).isDir())
        return QDir::cleanPath(task.destination + "/" + QFileInfo(QDir::cleanPath(task.source)).fileName());
    return QDir::cleanPath(task.destination);
}

// Runs before the task stops counting as in progress: an owner that saw
// the copier idle finds the task's failure kept.
void CFileCopy::keepOutcome(const Task& task, const FileReport& report)
{
    const QString made = target(task);
    CLocker locker(m_Mutex);
    if (report.failed()) {
        m_Failures.append(Failure{task.type, task.source, task.destination, made, report});
        return;
    }
    if (task.type != Delete)
        return;
    for (int i = m_Failures.size() - 1; i >= 0; --i) {
        if (isWithin(m_Failures[i].target, made) || isWithin(QDir::cleanPath(m_Failures[i].report.path), made))
            m_Failures.removeAt(i);
    }
}

FileReport CFileCopy::perform(const Task& task)
{
    FileReport report;
    report.written = &m_Copied;
    switch (task.type) {
    case Copy:
        if (QFileInfo(task.source).isFile())
            Util::FileCopy(task.source, task.destination, &report);
        else
            Util::DirCopy2(task.source, task.destination, &report);
        break;
    case Delete:
        removeEntry(task.source, report);
        break;
    case Rename:
        renameEntry(task.source, task.destination, report);
        break;
    default:
        break;
    }
    return report;
}
