#pragma once

#include <QString>
#include <QVector>

// One optical drive as "drutil status" shows it.
struct OpticalDrive
{
    QString vendor;
    QString product;
    QString revision;
    QString mediaType; // "DVD-R", "CD-ROM", ...; empty when no disc is in
    QString path;      // /dev/sr0, or the file that stands in for a drive
};

// The texts about optical drives and their discs.
class OpticalTexts
{
public:
    // "drutil status": per drive the column header, the vendor, product and
    // revision line and the "Type: ... Name: DEVICE" line; a drive without
    // a disc shows "Type: No Media Inserted" and no name.
    static QString driveStatus(const QVector<OpticalDrive>& drives);
    // The name of an MMC profile (the disc's current profile): 0x11 "DVD-R".
    static QString profileName(int profile);
    // What a drive can do, from /proc/sys/dev/cdrom/info:
    // "CD-ROM, CD-R, CD-RW, DVD-ROM, DVD-R, DVD-RAM".
    static QString driveTypes(const QByteArray& cdromInfo, const QString& driveName);
};
