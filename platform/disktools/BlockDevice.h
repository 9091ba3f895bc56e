#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One block device as lsblk describes it. A whole disk holds its partitions,
// a partition the devices stacked on it (encrypted or logical volumes).
struct BlockDevice
{
    QString name;       // sdb, loop0p1, nvme0n1
    QString kernelName; // sdb, dm-0
    QString path;       // /dev/sdb, /dev/mapper/root
    QString type;       // disk, part, loop, rom, crypt, lvm, raid1, ...
    bool removable = false;
    bool hotplug = false;
    bool readOnly = false;
    qint64 size = 0;
    QString transport; // usb, sata, nvme, mmc, ...; empty when unknown
    QString vendor;
    QString model;
    QString revision;
    QString label;
    QString fsType;    // vfat, ext4, iso9660, ...
    QString tableType; // dos, gpt
    QString partType;  // 0xc, or a GUID
    QStringList mountPoints;
    QVector<BlockDevice> children;

    bool isPartition() const { return type == "part"; }
    bool isOptical() const { return type == "rom"; }
    bool isLoop() const { return type == "loop"; }
    QVector<BlockDevice> partitions() const;
    // This device and everything below it, depth first.
    QVector<const BlockDevice*> selfAndBelow() const;
    // The device below (or this one) named by path or by /dev/ + kernel name.
    const BlockDevice* find(const QString& devicePath) const;
    // "VENDOR MODEL", single-spaced.
    QString mediaName() const;
    // The path of partition number n of this disk, as the kernel names it:
    // sdb -> sdb1, loop0 -> loop0p1, nvme0n1 -> nvme0n1p1.
    QString partitionPath(int number) const;
};
