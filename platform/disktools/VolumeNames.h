#pragma once

#include <QString>

// The names the other system's disk tools print for sizes, partition
// schemes, partition types and file systems, made from what lsblk says.
class VolumeNames
{
public:
    // Decimal units with one decimal: "15.7 GB", "209.7 MB", "512 B".
    static QString sizeText(qint64 bytes);
    // dos -> "FDisk_partition_scheme", gpt -> "GUID_partition_scheme".
    static QString schemeName(const QString& tableType);
    // "DOS_FAT_32", "Windows_NTFS", "EFI", "Linux", ...; empty when unknown.
    static QString partitionTypeName(const QString& partType, const QString& fsType);
    // "MS-DOS FAT32", "MS-DOS FAT16", "NTFS", "ISO", ...; empty without a file system.
    static QString personality(const QString& fsType, const QString& partType);
};
