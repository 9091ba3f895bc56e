#pragma once

#include "platform/disktools/DiskInventory.h"

#include <QString>

// What the tools may erase, partition, mount or unmount, whatever the caller
// passes: only a whole disk that they list as external, that holds no
// mounted system folder or swap, and that is not read-only; and the
// partitions of such a disk. Never a path outside /dev.
class DiskGuard
{
public:
    // The disk, or null with the reason in refusal.
    static const BlockDevice* changeableDisk(const DiskInventory& inventory, const QString& path, QString* refusal);
    static const BlockDevice* changeablePartition(const DiskInventory& inventory, const QString& path,
                                                  QString* refusal);
};
