#pragma once

#include "platform/disktools/OpticalDrive.h"

#include <QVector>

// The optical drives of the system (/sys/block/sr*) and the file that
// stands in for one, with the disc each holds.
class OpticalDrives
{
public:
    // The stand-in first, then the drives in the kernel's order.
    static QVector<OpticalDrive> list();
    // What the drive can read and write ("CD-ROM, CD-R, DVD-ROM").
    static QString driveTypes(const QString& devicePath);
    static bool isStandIn(const QString& path);
};
