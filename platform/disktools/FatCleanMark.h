#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// fusefat ends a FAT16 volume with 0x8000 in the second entry of its tables,
// which FAT readers such as mtools refuse ("Initial bytes of fat is not
// 0xff"); a volume that was unmounted cleanly and has no errors holds 0xFFFF
// there. This puts it back after fusefat has ended.
class FatCleanMark
{
public:
    // Where the second entry of each FAT16 table lies in the volume, by the
    // boot sector; empty when the volume is not FAT16.
    static QVector<qint64> secondEntryOffsets(const QByteArray& bootSector);
    // Writes 0xFFFF there; true when done or not needed.
    static bool markClean(const QString& volumePath, QString* error);
};
