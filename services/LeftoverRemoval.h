#pragma once

#include <QString>

class CRunCommandThread;

// Removes what a stopped or failed run left behind without making the
// interface wait: the removal runs in a thread of its own.
class LeftoverRemoval
{
public:
    // Removes the folder (or file) and everything in it in the background.
    static void start(const QString& path);
    // Asks the runner's tool to end without waiting for it, releases the
    // runner and removes the folder once the tool has ended, so that the
    // tool writes nothing into it afterwards.
    static void afterRun(CRunCommandThread* runner, const QString& path);
};
