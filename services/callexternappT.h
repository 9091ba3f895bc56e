#pragma once

#include <QString>
#include <QThread>

// Runs one short command line to its end in a worker thread and keeps its
// standard output (Latin-1, up to the first zero byte).
class callexternappT : public QThread
{
    Q_OBJECT
public:
    callexternappT(const QString& program, const QString& arguments);
    QString result() const { return m_Result; }
    // The exit code; -1 when the program could not start or crashed.
    int exitCode() const { return m_ExitCode; }

protected:
    void run() override;

private:
    QString m_Program;
    QString m_Arguments;
    QString m_Result;
    int m_ExitCode = -1;
};
