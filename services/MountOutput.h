#pragma once

#include <QString>
#include <QStringList>

// Reads the table that "mount" without arguments prints, one line per
// mounted file system: "/dev/disk2s1 on /Volumes/MY DISC (cd9660, local,
// nodev, nosuid, read-only)".
class MountOutput
{
public:
    // The mount point of a line that belongs to device: the device itself
    // or one of its partitions (the device, "s" and a number), so that
    // /dev/disk2 never takes a line of /dev/disk21. The mount point runs
    // from the first "/" after the device to the option list in
    // parentheses at the end of the line; blanks inside it stay. Empty for
    // a line of another device and for an empty device.
    static QString mountPoint(const QString& line, const QString& device);
    // The mount point of the last line that belongs to device.
    static QString lastMountPoint(const QStringList& lines, const QString& device);
};
