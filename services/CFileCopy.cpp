#include "services/CFileCopy.h"

#include "services/CLocker.h"
#include "services/Util.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CFileCopy::CFileCopy(QObject* parent)
    : QThread(parent)
{
    start(QThread::InheritPriority);
}

CFileCopy::~CFileCopy()
{
    stop();
    wait();
}

void CFileCopy::AddTask(const QString& source, const QString& destination, int type)
{
    CLocker locker(m_Mutex);
    m_Tasks.append(Task{type, source, destination});
    m_Wake.wakeAll();
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

qint64 CFileCopy::GetLeftTaskBytes()
{
    CLocker locker(m_Mutex);
    if (!m_Current && m_Tasks.isEmpty())
        return -Util::copyedsize; // what the last task wrote: nothing is left
    qint64 total = 0;
    for (const Task& task : qAsConst(m_Tasks))
        total += sourceBytes(task);
    // The count of written bytes belongs to the task in progress only; a
    // task that has not started yet has written nothing.
    if (m_Current)
        total += sourceBytes(*m_Current) - Util::copyedsize;
    return total;
}

bool CFileCopy::IsBusy()
{
    CLocker locker(m_Mutex);
    return m_Current || !m_Tasks.isEmpty();
}

void CFileCopy::stop()
{
    CLocker locker(m_Mutex);
    m_Stop = true;
    m_Wake.wakeAll();
}

// Ends the task in progress and picks the next one in one locked step, so
// that no reader ever sees a waiting task counted against the bytes of the
// one before it.
std::optional<CFileCopy::Task> CFileCopy::takeNextTask()
{
    CLocker locker(m_Mutex);
    m_Current.reset();
    while (m_Tasks.isEmpty() && !m_Stop)
        m_Wake.wait(&m_Mutex);
    if (m_Stop)
        return std::nullopt;
    m_Current = m_Tasks.takeFirst();
    Util::copyedsize = 0;
    return m_Current;
}

void CFileCopy::run()
{
    while (!m_Stop) {
        const std::optional<Task> task = takeNextTask();
        if (!task)
            break;
        perform(*task);
    }
    CLocker locker(m_Mutex);
    m_Current.reset();
}

void CFileCopy::perform(const Task& task)
{
    const QFileInfo info(task.source);
    switch (task.type) {
    case Copy:
        if (info.isFile())
            Util::FileCopy(task.source, task.destination);
        else
            Util::DirCopy2(task.source, task.destination);
        break;
    case Delete:
        if (info.isFile() || info.isSymLink())
            QFile::remove(task.source);
        else
            Util::RemoveDir(task.source);
        break;
    case Rename:
        if (info.isFile())
            QFile::rename(task.source, task.destination);
        else
            QDir().rename(task.source, task.destination);
        break;
    default:
        break;
    }
}
