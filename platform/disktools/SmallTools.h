#pragma once

#include <QStringList>

// "drutil status", "mount" without arguments, and the names that pass
// straight on to the system's own programs ("mount" with arguments, "sync").
class SmallTools
{
public:
    static int drutil(const QStringList& arguments);
    static int mount(const QStringList& arguments);
    // Replaces this process by the system's program of that name with the
    // same arguments; returns only when that cannot be done.
    static int passOn(const QString& program, const QStringList& arguments);
};
