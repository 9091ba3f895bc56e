#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a short command to its end, or for at most a time limit, while the
// interface thread goes on painting and delivering queued signals (user
// input waits).
class ShortCommand
{
public:
    struct Result
    {
        bool finished = false; // started and ended by itself within the limit
        int exitCode = -1;     // valid when finished
        QByteArray output;     // standard output
        QByteArray errors;     // standard error
        bool succeeded() const { return finished && exitCode == 0; }
        // Standard output as Latin-1 text up to the first zero byte.
        QString text() const;
        // The last line with text of standard error, else of standard output.
        QString lastLine() const;
    };

    static Result run(const QString& program, const QStringList& args, int timeoutMs = 30000);
    // A whole command line, split by QProcess::splitCommand.
    static Result runLine(const QString& commandLine, int timeoutMs = 30000);
};
