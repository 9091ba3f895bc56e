#pragma once

#include "services/CRunCommandThread.h"

#include <QObject>
#include <QStringList>

// Records what a CRunCommandThread hands to the interface thread: its lines
// in order and how often sigfinished() was raised, with the receiver in the
// interface thread as the pages have it (QSignalSpy would record in the
// worker thread).
class RunRecorder : public QObject
{
    Q_OBJECT
public:
    explicit RunRecorder(CRunCommandThread* runner, QObject* parent = nullptr);

    QStringList lines;
    int finished = 0;
    int linesAtFirstFinish = -1; // lines seen when sigfinished() first arrived

    // Runs the program with the arguments in a fresh runner to its end and
    // returns the delivered lines (QStringList() if it did not end in time).
    static QStringList runToEnd(const QString& program, const QStringList& args,
                                RunResult* result = nullptr, int timeoutMs = 30000,
                                const QString& workingDirectory = QString());
};
