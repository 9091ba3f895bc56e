#pragma once

#include <QString>
#include <QThread>
#include <mutex>

// Runs one short command line to its end in a worker thread and keeps its
// standard output (Latin-1, up to the first zero byte).
class callexternappT : public QThread
{
    Q_OBJECT
public:
    callexternappT(const QString& program, const QString& arguments);
    QString result() const;
    // The exit code; -1 when the program could not start or crashed.
    int exitCode() const;

protected:
    void run() override;

private:
    QString m_Program;
    QString m_Arguments;
    // The worker sets the outcome under this lock: ThreadSanitizer sees it,
    // not the futex lock through which wait() orders the worker's end.
    mutable std::mutex m_Mutex;
    QString m_Result;
    int m_ExitCode = -1;
};
