#include "burn/BurnOptions.h"

#include <QFileInfo>

bool BurnOptions::isIsoFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path) && path.toLower().endsWith(".iso");
}

QString BurnOptions::personality(const QString& fileSystem, qint64 driveSize)
{
    if (fileSystem != "FAT")
        return fileSystem;
    return driveSize < 4294967296 ? "MS-DOS FAT16" : "FAT32";
}

QString BurnOptions::volumeName(const QString& label)
{
    const QString name = label.trimmed();
    return name.isEmpty() ? "NONAME" : name;
}

bool BurnOptions::fitsOnDrive(qint64 driveSize, qint64 isoSize)
{
    return driveSize >= isoSize + kDriveMargin;
}
