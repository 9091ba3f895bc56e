#pragma once

#include <QString>

// How one run of an external tool ended.
struct RunResult
{
    bool started = false;    // the tool was started
    bool crashed = false;    // it ended by a signal or crashed
    bool terminated = false; // the run was ended by CRunCommandThread::terminate()
    int exitCode = -1;       // valid when started && !crashed
    QString errorString;     // the process error text when it could not start or failed

    bool succeeded() const { return started && !crashed && !terminated && exitCode == 0; }
};
