#pragma once

#include "platform/disktools/BlockDevice.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

// Reads the disks out of "lsblk --json --bytes --output ...". Accepts both
// the newer form (true/false, numbers, a "mountpoints" list) and the older
// one ("0"/"1", numbers as text, a single "mountpoint").
class LsblkReader
{
public:
    static QStringList arguments();
    // The whole disks with everything below them; empty for text that is
    // not lsblk's JSON.
    static QVector<BlockDevice> read(const QByteArray& json);
};
