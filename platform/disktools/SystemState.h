#pragma once

#include "platform/disktools/DiskInventory.h"

#include <QString>

// Reads the inventory from the running system: lsblk, blkid where lsblk
// knows no file system (a system without udev), /proc/self/mounts,
// /proc/swaps and the USB stand-in.
class SystemState
{
public:
    static DiskInventory read();
    static QVector<MountEntry> mounts();
    // A device name as the tools take it: "sdb" means /dev/sdb, links are
    // followed and ".." folded, so that the result says where it points.
    static QString devicePath(const QString& name);
    // The partition's first byte and length on its disk.
    static bool partitionRange(const BlockDevice& partition, qint64* start, qint64* length);
};
