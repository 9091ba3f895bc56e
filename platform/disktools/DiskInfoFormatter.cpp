#include "platform/disktools/DiskInfoFormatter.h"

#include "platform/disktools/VolumeNames.h"

namespace {

const char kNoFileSystem[] = "Not applicable (no file system)";

QString yesNo(bool value)
{
    return value ? "Yes" : "No";
}

QString sizeLine(qint64 bytes)
{
    return QString("%1 (%2 Bytes) (exactly %3 512-Byte-Units)")
        .arg(VolumeNames::sizeText(bytes))
        .arg(bytes)
        .arg(bytes / 512);
}

QString identity(const BlockDevice& device, const BlockDevice& disk)
{
    QString text = DiskInfoFormatter::line("Device Identifier", device.kernelName);
    text += DiskInfoFormatter::line("Device Node", device.path);
    text += DiskInfoFormatter::line("Whole", yesNo(&device == &disk));
    text += DiskInfoFormatter::line("Part of Whole", disk.kernelName);
    if (&device == &disk) {
        const QString media = disk.isLoop() ? QString("Loop Device") : disk.mediaName();
        text += DiskInfoFormatter::line("Device / Media Name", media);
    }
    return text + "\n";
}

QString volume(const DiskInventory& inventory, const BlockDevice& device)
{
    const QStringList points = inventory.mountPointsOf(device);
    if (device.fsType.isEmpty() && !device.isPartition() && points.isEmpty())
        return DiskInfoFormatter::line("Volume Name", kNoFileSystem) +
               DiskInfoFormatter::line("Mounted", kNoFileSystem) + "\n";
    QString text = DiskInfoFormatter::line("Volume Name", device.label);
    text += DiskInfoFormatter::line("Mounted", yesNo(!points.isEmpty()));
    if (!points.isEmpty())
        text += DiskInfoFormatter::line("Mount Point", points.first());
    return text + "\n";
}

QString content(const BlockDevice& device)
{
    QString text;
    if (device.isPartition()) {
        text += DiskInfoFormatter::line("Partition Type",
                                        VolumeNames::partitionTypeName(device.partType, device.fsType));
    } else {
        QString scheme = VolumeNames::schemeName(device.tableType);
        if (scheme.isEmpty())
            scheme = device.fsType.isEmpty() ? QString("None") : VolumeNames::partitionTypeName({}, device.fsType);
        text += DiskInfoFormatter::line("Content (IOContent)", scheme);
    }
    const QString personality = VolumeNames::personality(device.fsType, device.partType);
    if (!personality.isEmpty())
        text += DiskInfoFormatter::line("File System Personality", personality);
    return text;
}

} // namespace

QString DiskInfoFormatter::line(const QString& label, const QString& value)
{
    return "   " + (label + ":").leftJustified(26) + value + "\n";
}

QString DiskInfoFormatter::format(const DiskInventory& inventory, const BlockDevice& device,
                                  const QString& opticalTypes)
{
    const BlockDevice* disk = inventory.wholeDiskOf(device);
    if (!disk)
        return QString();
    const DiskTraits traits = inventory.traits(*disk);
    QString text = identity(device, *disk) + volume(inventory, device) + content(device);
    text += line("Protocol", traits.protocol) + "\n";
    text += line("Disk Size", sizeLine(device.size));
    text += line("Device Block Size", disk->isOptical() ? "2048 Bytes" : "512 Bytes") + "\n";
    text += line("Read-Only Media", yesNo(disk->readOnly || device.readOnly)) + "\n";
    text += line("Device Location", traits.place == DiskPlace::External ? "External" : "Internal");
    text += line("Removable Media", traits.removable ? "Removable" : "Fixed");
    if (disk->isOptical())
        text += "\n" + line("Optical Drive Type", opticalTypes.isEmpty() ? QString("CD-ROM") : opticalTypes);
    return text;
}
