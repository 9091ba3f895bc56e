#pragma once

#include "platform/disktools/BlockDevice.h"
#include "platform/disktools/MountTable.h"

#include <QString>

// Mounts and unmounts volumes: with the kernel's own file system where it
// has one, through FUSE (fusefat, fuseiso) where it has not. FAT through
// FUSE reads a loop device over the partition's bytes, which ends by
// itself with the FUSE process.
class VolumeMounter
{
public:
    struct Result
    {
        bool ok = false;
        QString source;      // what now appears as mounted: a device or the image
        QString how;         // "the kernel's vfat", "FUSE (fusefat)", ...
        QString error;
    };

    // A FAT partition, read-write for the user the volume is for.
    static Result mountFat(const BlockDevice& partition, const BlockDevice& disk, const QString& mountPoint);
    // An ISO image file or a disc, read-only.
    static Result mountImage(const QString& source, const QString& mountPoint);
    // Unmounts one file system (lazily when busy and forced), waits for a
    // FUSE file system to finish writing, and removes its mount point when
    // that lies under /media and is empty.
    static bool unmount(const MountEntry& entry, bool force, QString* error);

    // /media/USER/NAME for a label, the first free name, created.
    static QString claimMountPoint(const QString& label, bool plain, QString* error);
    // A mount point the caller names: created when missing; refused when
    // it is a mount point already or a folder that is not empty.
    static bool prepareMountPoint(const QString& path, QString* error);
};
