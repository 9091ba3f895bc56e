#pragma once

#include <QString>

class MountedImage;

// What one USB burn works with, gathered step by step.
struct UsbBurnJob
{
    QString iso;
    qint64 isoSize = 0;
    const MountedImage* image = nullptr;
    QString drive;       // whole-disk device, e.g. /dev/disk2
    QString personality; // file system for partitionDisk
    QString volume;      // volume name
    QString mountPoint;  // of the drive's first partition once formatted
};
