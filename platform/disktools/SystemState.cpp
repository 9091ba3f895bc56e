#include "platform/disktools/SystemState.h"

#include "platform/disktools/BlkidExport.h"
#include "platform/disktools/LsblkReader.h"
#include "platform/disktools/StandIns.h"
#include "platform/disktools/SystemTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool needsProbe(const BlockDevice& device)
{
    return !device.isOptical() && device.size > 0 && device.fsType.isEmpty() && device.tableType.isEmpty();
}

void fillFrom(BlockDevice& device, const QMap<QString, BlkidExport::Values>& probed)
{
    const BlkidExport::Values values = probed.value(device.path);
    if (needsProbe(device) && !values.isEmpty()) {
        device.label = values.value("LABEL");
        device.fsType = values.value("TYPE");
        device.tableType = values.value("PTTYPE");
        if (device.partType.isEmpty())
            device.partType = values.value("PART_ENTRY_TYPE");
    }
    for (BlockDevice& child : device.children)
        fillFrom(child, probed);
}

// Without udev lsblk knows no labels or file systems; blkid reads them
// from the devices themselves.
void probeUnknown(QVector<BlockDevice>& disks)
{
    QStringList paths;
    for (const BlockDevice& disk : disks) {
        for (const BlockDevice* device : disk.selfAndBelow()) {
            if (needsProbe(*device))
                paths << device->path;
        }
    }
    if (paths.isEmpty())
        return;
    const ToolRun probe = SystemTool::run("blkid", QStringList{"-p", "-o", "export"} + paths);
    const QMap<QString, BlkidExport::Values> probed = BlkidExport::parse(probe.output);
    for (BlockDevice& disk : disks)
        fillFrom(disk, probed);
}

} // namespace

QVector<MountEntry> SystemState::mounts()
{
    QVector<MountEntry> entries = MountTable::parse(readAll("/proc/self/mounts"));
    for (MountEntry& entry : entries) {
        if (entry.source.startsWith("/dev/") && QFileInfo::exists(entry.source))
            entry.source = QFileInfo(entry.source).canonicalFilePath();
    }
    return entries;
}

DiskInventory SystemState::read()
{
    const ToolRun lsblk = SystemTool::run("lsblk", LsblkReader::arguments());
    QVector<BlockDevice> disks = LsblkReader::read(lsblk.output);
    probeUnknown(disks);
    QStringList swaps;
    for (const QString& source : MountTable::swapSources(readAll("/proc/swaps")))
        swaps << (QFileInfo::exists(source) ? QFileInfo(source).canonicalFilePath() : source);
    return DiskInventory(disks, mounts(), swaps, StandIns::usbDisk());
}

QString SystemState::devicePath(const QString& name)
{
    const QString path = QDir::cleanPath(name.startsWith('/') ? name : "/dev/" + name);
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : path;
}

bool SystemState::partitionRange(const BlockDevice& partition, qint64* start, qint64* length)
{
    const QString folder = "/sys/class/block/" + partition.kernelName;
    bool startOk = false;
    bool sizeOk = false;
    *start = readAll(folder + "/start").trimmed().toLongLong(&startOk) * 512;
    *length = readAll(folder + "/size").trimmed().toLongLong(&sizeOk) * 512;
    return startOk && sizeOk && *length > 0;
}
