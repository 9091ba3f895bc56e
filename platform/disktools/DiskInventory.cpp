#include "platform/disktools/DiskInventory.h"

#include <QRegularExpression>

namespace {

struct ProtocolName
{
    const char* transport;
    const char* protocol;
};

const ProtocolName kProtocols[] = {
    {"usb", "USB"},          {"sata", "SATA"},     {"ata", "ATA"},        {"nvme", "PCI-Express"},
    {"sas", "SAS"},          {"scsi", "SCSI"},     {"spi", "SCSI"},       {"fc", "Fibre Channel"},
    {"iscsi", "iSCSI"},      {"ieee1394", "FireWire"}, {"virtio", "Virtio"}, {"mmc", "Secure Digital"},
};

QString protocolOf(const BlockDevice& disk)
{
    for (const ProtocolName& row : kProtocols) {
        if (disk.transport == row.transport)
            return row.protocol;
    }
    if (disk.name.startsWith("mmcblk"))
        return "Secure Digital";
    return disk.transport.isEmpty() ? "Unknown" : disk.transport.toUpper();
}

bool isRamDisk(const BlockDevice& disk)
{
    return disk.name.startsWith("zram") || disk.name.startsWith("ram") || disk.name.startsWith("md") ||
           disk.name.startsWith("dm-") || disk.name.startsWith("nbd");
}

} // namespace

DiskInventory::DiskInventory(QVector<BlockDevice> disks, QVector<MountEntry> mounts, QStringList swaps,
                             QString usbStandIn)
    : m_Disks(std::move(disks)), m_Mounts(std::move(mounts)), m_Swaps(std::move(swaps)),
      m_UsbStandIn(std::move(usbStandIn))
{
}

const BlockDevice* DiskInventory::resolve(const QString& name) const
{
    const QString path = name.startsWith('/') ? name : "/dev/" + name;
    for (const BlockDevice& disk : m_Disks) {
        if (const BlockDevice* device = disk.find(path))
            return device;
    }
    static const QRegularExpression otherForm("^(/dev/.+)s([0-9]+)$");
    const QRegularExpressionMatch match = otherForm.match(path);
    if (!match.hasMatch())
        return nullptr;
    for (const BlockDevice& disk : m_Disks) {
        if (disk.path != match.captured(1) && "/dev/" + disk.kernelName != match.captured(1))
            continue;
        const QString partition = disk.partitionPath(match.captured(2).toInt());
        for (const BlockDevice& child : disk.children) {
            if (child.isPartition() && (child.path == partition || "/dev/" + child.kernelName == partition))
                return &child;
        }
    }
    return nullptr;
}

const BlockDevice* DiskInventory::wholeDiskOf(const BlockDevice& device) const
{
    for (const BlockDevice& disk : m_Disks) {
        if (disk.find(device.path))
            return &disk;
    }
    return nullptr;
}

QStringList DiskInventory::mountPointsOf(const BlockDevice& device) const
{
    QStringList points = device.mountPoints;
    for (const MountEntry& entry : m_Mounts) {
        const bool same = entry.source == device.path || entry.source == "/dev/" + device.kernelName;
        if (same && !points.contains(entry.mountPoint))
            points << entry.mountPoint;
    }
    return points;
}

QVector<MountEntry> DiskInventory::mountsBelow(const BlockDevice& device) const
{
    QVector<MountEntry> result;
    for (const BlockDevice* below : device.selfAndBelow()) {
        const QStringList points = mountPointsOf(*below);
        for (const MountEntry& entry : m_Mounts) {
            if (points.contains(entry.mountPoint) && !result.contains(entry))
                result << entry;
        }
    }
    return result;
}

bool DiskInventory::isSystemFolder(const QString& mountPoint)
{
    static const QStringList folders{"/", "/boot", "/boot/efi", "/efi", "/home", "/usr", "/var"};
    static const QStringList under{"/usr/", "/boot/", "/var/"};
    if (folders.contains(mountPoint) || mountPoint == "[SWAP]")
        return true;
    for (const QString& prefix : under) {
        if (mountPoint.startsWith(prefix))
            return true;
    }
    return false;
}

bool DiskInventory::holdsSystemFolder(const BlockDevice& disk) const
{
    for (const BlockDevice* below : disk.selfAndBelow()) {
        if (m_Swaps.contains(below->path) || m_Swaps.contains("/dev/" + below->kernelName))
            return true;
        for (const QString& point : mountPointsOf(*below)) {
            if (isSystemFolder(point))
                return true;
        }
    }
    return false;
}

DiskTraits DiskInventory::traits(const BlockDevice& disk) const
{
    DiskTraits traits;
    traits.protocol = protocolOf(disk);
    traits.removable = disk.removable;
    const bool system = holdsSystemFolder(disk);
    if (disk.isLoop()) {
        const bool standIn = !m_UsbStandIn.isEmpty() && disk.path == m_UsbStandIn && !system;
        traits.place = standIn ? DiskPlace::External : DiskPlace::Image;
        traits.protocol = standIn ? "USB" : "Disk Image";
        traits.removable = standIn;
    } else if (isRamDisk(disk)) {
        traits.place = DiskPlace::Virtual;
        traits.protocol = "Virtual";
    } else if (system) {
        traits.place = DiskPlace::Internal;
    } else if (disk.isOptical()) {
        traits.place = disk.transport == "usb" ? DiskPlace::External : DiskPlace::Internal;
        traits.removable = true;
    } else if (disk.name.startsWith("mmcblk")) {
        traits.place = DiskPlace::Internal;
        traits.removable = true;
    } else if (disk.transport == "usb" || disk.removable) {
        traits.place = DiskPlace::External;
    }
    return traits;
}
