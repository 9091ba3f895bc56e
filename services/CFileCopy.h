#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <optional>

// A worker thread that carries out file tasks one after the other, first in
// first out, while the user goes on working. Owners poll GetLeftTaskBytes()
// for progress and IsBusy() to know when the queue has drained.
class CFileCopy : public QThread
{
    Q_OBJECT
public:
    enum TaskType { Copy = 0, Delete = 1, Rename = 2 };

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

    // Ends the worker after the task in progress; waiting tasks stay undone.
    void stop();

protected:
    void run() override;

private:
    struct Task {
        int type = Copy;
        QString source;
        QString destination;
    };

    std::optional<Task> takeNextTask();
    static void perform(const Task& task);
    static qint64 sourceBytes(const Task& task);

    QMutex m_Mutex;
    QWaitCondition m_Wake;
    QList<Task> m_Tasks;          // waiting tasks
    std::optional<Task> m_Current; // the task in progress, out of RemoveTask's reach
    std::atomic<bool> m_Stop{false};
};
