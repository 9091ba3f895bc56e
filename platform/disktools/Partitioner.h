#pragma once

#include "platform/disktools/DiskInventory.h"

#include <QString>

// Erases a disk into one MBR partition over the whole disk, active, with a
// FAT file system, and mounts it at /media/USER/LABEL. Each step's tool is
// checked; the first failing step ends the run with its reason.
class Partitioner
{
public:
    enum class Fat { Fat16, Fat32 };

    // The FAT kind a personality names ("FAT32", "MS-DOS FAT32",
    // "MS-DOS FAT16", "FAT16"); false for any other.
    static bool fatFor(const QString& personality, Fat* fat);
    // The sfdisk script: one active partition of type c (FAT32 LBA) or e (FAT16 LBA).
    static QByteArray tableScript(Fat fat);

    // Prints its steps on standard output; the reason of a failure on
    // standard error. True when the volume is formatted and mounted.
    static bool run(const BlockDevice& disk, Fat fat, const QString& label);

    // Unmounts every file system of the disk; false with the reason.
    static bool unmountAll(const DiskInventory& inventory, const BlockDevice& disk, bool force, QString* error);
    // Makes sure the kernel has partition 1 of the disk at the range the
    // table gives and that its /dev node names that partition; returns its path.
    static QString settlePartition(const BlockDevice& disk, QString* error);
};
