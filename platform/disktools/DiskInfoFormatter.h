#pragma once

#include "platform/disktools/DiskInventory.h"

#include <QString>

// "diskutil info DEVICE" in the other system's form: labels in a column,
// values from column 29; "Mount Point:" only while mounted, "Optical Drive
// Type:" only for optical drives.
class DiskInfoFormatter
{
public:
    // opticalTypes: what an optical drive can read and write
    // ("CD-ROM, CD-R, DVD-ROM"); unused for other devices.
    static QString format(const DiskInventory& inventory, const BlockDevice& device,
                          const QString& opticalTypes = QString());
    static QString line(const QString& label, const QString& value);
};
