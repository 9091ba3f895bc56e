#pragma once

#include <QString>

// The Burn page's option rules, as pure functions.
class BurnOptions
{
public:
    // Room a USB drive needs beyond the image: 50 MiB.
    static constexpr qint64 kDriveMargin = 52428800;

    // An existing file whose name ends with ".iso" in any case.
    static bool isIsoFile(const QString& path);
    // The file system personality for partitioning: "FAT" is FAT32 on a
    // drive of 4 GiB or more and "MS-DOS FAT16" below; others unchanged.
    static QString personality(const QString& fileSystem, qint64 driveSize);
    // The label trimmed; "NONAME" when nothing is left.
    static QString volumeName(const QString& label);
    // Whether the image and the margin fit on the drive (a size that
    // could not be read is 0, and nothing fits).
    static bool fitsOnDrive(qint64 driveSize, qint64 isoSize);
};
