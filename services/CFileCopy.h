#pragma once

#include "services/FileReport.h"

#include <QList>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>

// A worker thread that carries out file tasks one after the other, first in
// first out, while the user goes on working. Owners poll GetLeftTaskBytes()
// for progress and IsBusy() to know when the queue has drained (Drained()
// says so at once), then read the failures of the tasks they waited for.
class CFileCopy : public QThread
{
    Q_OBJECT
public:
    enum TaskType { Copy = 0, Delete = 1, Rename = 2 };

    // A task that failed: what it was asked to do and what went wrong.
    struct Failure {
        int type = Copy;
        QString source;
        QString destination;
        QString target; // the path the task was to make or remove
        FileReport report;
    };

    explicit CFileCopy(QObject* parent = nullptr);
    ~CFileCopy() override;

    void AddTask(const QString& source, const QString& destination, int type);
    // Withdraws the first waiting task with this source (and destination,
    // when given). The task being carried out is never withdrawn.
    void RemoveTask(const QString& source);
    void RemoveTask(const QString& source, const QString& destination);
    void ClearAllTasks();

    // Bytes still to handle: the sizes of the sources of the task in
    // progress and of the waiting tasks, less what the task in progress has
    // written. Zero or less means nothing is left.
    qint64 GetLeftTaskBytes();
    // Whether a task is being carried out or waiting.
    bool IsBusy();
    // Bytes the task in progress (or, when idle, the last task) has written.
    qint64 CopiedBytes() const { return m_Copied; }

    // Failed tasks are kept, oldest first, until taken. A removal that
    // succeeds forgets the failures of the paths it removed: what failed
    // there is gone.
    int FailureCount();
    QList<Failure> Failures();
    // Takes the failures from the given position on (see FailureCount).
    QList<Failure> TakeFailures(int from = 0);

    // Ends the worker after the task in progress; waiting tasks stay undone.
    void stop();

signals:
    // From the worker thread, when it has carried out the last waiting
    // task: IsBusy() is false by then, and the task's failure is kept.
    void Drained();

protected:
    void run() override;

private:
    struct Task {
        int type = Copy;
        QString source;
        QString destination;
        quint64 id = 0;
        qint64 bytes = -1; // the source's size, once measured
    };

    std::optional<Task> takeNextTask();
    bool endTask();
    FileReport perform(const Task& task);
    void keepOutcome(const Task& task, const FileReport& report);
    static qint64 sourceBytes(const Task& task);
    static QString target(const Task& task);
    void measureSources();

    std::mutex m_Mutex; // guards everything below but m_Copied
    std::condition_variable_any m_Wake;
    QList<Task> m_Tasks;          // waiting tasks
    std::optional<Task> m_Current; // the task in progress, out of RemoveTask's reach
    QList<Failure> m_Failures;
    quint64 m_NextId = 1;
    bool m_Stop = false;        // guarded by m_Mutex
    std::atomic<qint64> m_Copied{0}; // bytes written by the task in progress
};
