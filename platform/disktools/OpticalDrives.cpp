#include "platform/disktools/OpticalDrives.h"

#include "platform/disktools/StandIns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).simplified() : QString();
}

// The current profile of the disc (MMC GET CONFIGURATION); 0 when unknown.
int currentProfile(int fd)
{
    unsigned char command[10] = {0x46, 0x01, 0, 0, 0, 0, 0, 0, 8, 0};
    unsigned char answer[8] = {};
    unsigned char sense[32] = {};
    sg_io_hdr_t request{};
    request.interface_id = 'S';
    request.dxfer_direction = SG_DXFER_FROM_DEV;
    request.cmd_len = sizeof(command);
    request.cmdp = command;
    request.dxferp = answer;
    request.dxfer_len = sizeof(answer);
    request.sbp = sense;
    request.mx_sb_len = sizeof(sense);
    request.timeout = 5000;
    if (ioctl(fd, SG_IO, &request) != 0 || request.status != 0)
        return 0;
    return (answer[6] << 8) | answer[7];
}

// The disc's type, empty when the drive holds none or cannot be asked.
QString mediaType(const QString& devicePath)
{
    const int fd = open(QFile::encodeName(devicePath).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return QString();
    QString type;
    if (ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT) == CDS_DISC_OK) {
        type = OpticalTexts::profileName(currentProfile(fd));
        if (type.isEmpty())
            type = "CD-ROM";
    }
    close(fd);
    return type;
}

OpticalDrive standInDrive(const QString& path)
{
    const bool blank = !QFileInfo::exists(path) || QFileInfo(path).size() == 0;
    return OpticalDrive{"TEST", "FILE DRIVE", "1.00", blank ? "DVD-R" : "DVD-ROM", path};
}

} // namespace

QVector<OpticalDrive> OpticalDrives::list()
{
    QVector<OpticalDrive> drives;
    const QString standIn = StandIns::opticalDrive();
    if (!standIn.isEmpty())
        drives << standInDrive(standIn);
    for (const QString& name : QDir("/sys/block").entryList({"sr*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString device = "/sys/block/" + name + "/device/";
        drives << OpticalDrive{readText(device + "vendor"), readText(device + "model"), readText(device + "rev"),
                               mediaType("/dev/" + name), "/dev/" + name};
    }
    return drives;
}

QString OpticalDrives::driveTypes(const QString& devicePath)
{
    QFile info("/proc/sys/dev/cdrom/info");
    const QByteArray table = info.open(QIODevice::ReadOnly) ? info.readAll() : QByteArray();
    return OpticalTexts::driveTypes(table, QFileInfo(devicePath).fileName());
}

bool OpticalDrives::isStandIn(const QString& path)
{
    const QString standIn = StandIns::opticalDrive();
    const QFileInfo info(path);
    return !standIn.isEmpty() && (info.exists() ? info.canonicalFilePath() : info.absoluteFilePath()) == standIn;
}
