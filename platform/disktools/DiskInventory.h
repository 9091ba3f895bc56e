#pragma once

#include "platform/disktools/BlockDevice.h"
#include "platform/disktools/MountTable.h"

#include <QVector>

// Where a whole disk belongs, as the list prints it.
enum class DiskPlace { External, Internal, Image, Virtual };

struct DiskTraits
{
    DiskPlace place = DiskPlace::Internal;
    QString protocol;       // USB, SATA, PCI-Express, Disk Image, ...
    bool removable = false; // "Removable Media: Removable"
};

// What the system holds at one moment: the disks lsblk lists, the mounted
// file systems, the swap areas, and the loop device that stands in for a
// USB stick (empty when none). Answers every question the tools ask about
// a disk without touching the system.
class DiskInventory
{
public:
    DiskInventory() = default;
    DiskInventory(QVector<BlockDevice> disks, QVector<MountEntry> mounts, QStringList swaps,
                  QString usbStandIn);

    const QVector<BlockDevice>& disks() const { return m_Disks; }
    const QVector<MountEntry>& mounts() const { return m_Mounts; }

    // The device a name means: /dev/sdb, sdb, or the partition form of the
    // other system (/dev/sdbs1 for /dev/sdb1, /dev/loop0s1 for /dev/loop0p1).
    const BlockDevice* resolve(const QString& name) const;
    // The whole disk that holds a device (the device itself for a disk).
    const BlockDevice* wholeDiskOf(const BlockDevice& device) const;

    // Mount points of the device itself, lsblk's and the mount table's
    // (FUSE file systems name their device as their source).
    QStringList mountPointsOf(const BlockDevice& device) const;
    // Mount table entries of the device and of everything below it.
    QVector<MountEntry> mountsBelow(const BlockDevice& device) const;
    // True when the disk or anything on it is a mounted system folder or an
    // active swap area.
    bool holdsSystemFolder(const BlockDevice& disk) const;
    DiskTraits traits(const BlockDevice& disk) const;

    static bool isSystemFolder(const QString& mountPoint);

private:
    QVector<BlockDevice> m_Disks;
    QVector<MountEntry> m_Mounts;
    QStringList m_Swaps;
    QString m_UsbStandIn;
};
