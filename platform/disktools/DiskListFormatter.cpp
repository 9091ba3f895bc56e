#include "platform/disktools/DiskListFormatter.h"

#include "platform/disktools/VolumeNames.h"

#include <QRegularExpression>

namespace {

QString partitionNumber(const BlockDevice& partition)
{
    static const QRegularExpression trailingDigits("([0-9]+)$");
    return trailingDigits.match(partition.kernelName).captured(1);
}

} // namespace

QString DiskListFormatter::placeText(DiskPlace place)
{
    switch (place) {
    case DiskPlace::External:
        return "external, physical";
    case DiskPlace::Internal:
        return "internal, physical";
    case DiskPlace::Image:
        return "disk image";
    case DiskPlace::Virtual:
        return "internal, virtual";
    }
    return QString();
}

QString DiskListFormatter::row(const QString& index, const QString& type, const QString& name,
                               const QString& size, const QString& identifier)
{
    return QString("%1:").arg(index, 4) + type.rightJustified(27) + " " + name.leftJustified(23) +
           size.leftJustified(12) + identifier + "\n";
}

QString DiskListFormatter::formatDisk(const DiskInventory& inventory, const BlockDevice& disk)
{
    const DiskTraits traits = inventory.traits(disk);
    const bool physical = traits.place == DiskPlace::External || traits.place == DiskPlace::Internal;
    QString text = disk.path + " (" + placeText(traits.place) + "):\n";
    text += row("#", "TYPE", "NAME", " SIZE", "IDENTIFIER");
    const bool hasTable = !disk.tableType.isEmpty() || !disk.partitions().isEmpty();
    const QString wholeType = hasTable ? VolumeNames::schemeName(disk.tableType)
                                       : VolumeNames::partitionTypeName(QString(), disk.fsType);
    text += row("0", wholeType, hasTable ? QString() : disk.label,
                (physical ? "*" : "+") + VolumeNames::sizeText(disk.size), disk.kernelName);
    for (const BlockDevice& partition : disk.partitions()) {
        text += row(partitionNumber(partition), VolumeNames::partitionTypeName(partition.partType, partition.fsType),
                    partition.label, " " + VolumeNames::sizeText(partition.size), partition.kernelName);
    }
    return text + "\n";
}

QString DiskListFormatter::format(const DiskInventory& inventory)
{
    QString text;
    for (const BlockDevice& disk : inventory.disks()) {
        if (disk.size > 0)
            text += formatDisk(inventory, disk);
    }
    return text;
}
