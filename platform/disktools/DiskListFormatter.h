#pragma once

#include "platform/disktools/DiskInventory.h"

#include <QString>

// "diskutil list": each whole disk as "/dev/sdb (external, physical):"
// followed by its table of partitions, as the other system prints it.
class DiskListFormatter
{
public:
    static QString placeText(DiskPlace place);
    // All disks that hold media (a size above 0), in lsblk's order.
    static QString format(const DiskInventory& inventory);
    static QString formatDisk(const DiskInventory& inventory, const BlockDevice& disk);
    static QString row(const QString& index, const QString& type, const QString& name, const QString& size,
                       const QString& identifier);
};
