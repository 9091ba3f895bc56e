#include "platform/disktools/StandIns.h"

#include <QFileInfo>

namespace {

QString absolute(const char* variable)
{
    const QString value = qEnvironmentVariable(variable).trimmed();
    if (value.isEmpty())
        return QString();
    const QFileInfo info(value);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

} // namespace

QString StandIns::usbDisk()
{
    const QString path = absolute(usbDiskVariable());
    return path.startsWith("/dev/loop") ? path : QString();
}

QString StandIns::opticalDrive()
{
    return absolute(opticalDriveVariable());
}
