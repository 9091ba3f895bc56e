#pragma once

#include <QByteArray>
#include <QString>

// The master boot record in the first sector of an image: an image that
// has one (with at least one partition) boots from a hard disk or a USB
// stick as well as from a disc. Images mkisofs writes have zeros there.
class MasterBootRecord
{
public:
    // firstSector: the first 512 bytes (or more) of the image.
    static bool present(const QByteArray& firstSector);
    // As present(), read from the file; false when it cannot be read.
    static bool inFile(const QString& path);
};
