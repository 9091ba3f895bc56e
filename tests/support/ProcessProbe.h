#pragma once

#include <QList>

// What the test program has running, read from /proc.
namespace ProcessProbe {

// Process ids of this program's child processes, zombies included.
QList<qint64> children();
QList<qint64> childrenOf(qint64 parent);
// Threads of this program.
int threadCount();
// True while a process with this id exists (a zombie counts).
bool exists(qint64 pid);

} // namespace ProcessProbe
