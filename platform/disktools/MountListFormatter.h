#pragma once

#include "platform/disktools/MountTable.h"

#include <QString>
#include <QVector>

// "mount" without arguments in the other system's form, one line per
// mounted file system: "/dev/sr0 on /media/ann/MY DISC (iso9660, local,
// nodev, nosuid, read-only)". Mount points keep their blanks.
class MountListFormatter
{
public:
    static QString format(const QVector<MountEntry>& entries);
    static QString line(const MountEntry& entry);
};
