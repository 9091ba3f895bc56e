#include "platform/disktools/DiskGuard.h"

namespace {

const BlockDevice* refuse(QString* refusal, const QString& reason)
{
    if (refusal)
        *refusal = reason;
    return nullptr;
}

} // namespace

const BlockDevice* DiskGuard::changeableDisk(const DiskInventory& inventory, const QString& path, QString* refusal)
{
    if (!path.startsWith("/dev/"))
        return refuse(refusal, path + " is not a device under /dev");
    const BlockDevice* disk = inventory.resolve(path);
    if (!disk)
        return refuse(refusal, "no disk " + path);
    if (inventory.wholeDiskOf(*disk) != disk)
        return refuse(refusal, path + " is a partition, not a whole disk");
    if (disk->isOptical())
        return refuse(refusal, path + " is an optical drive");
    if (inventory.holdsSystemFolder(*disk))
        return refuse(refusal, path + " holds a system folder or a swap area in use");
    const DiskTraits traits = inventory.traits(*disk);
    if (traits.place == DiskPlace::Image)
        return refuse(refusal, path + " is a disk image, not a USB disk");
    if (traits.place != DiskPlace::External)
        return refuse(refusal, path + " is not an external disk");
    if (disk->readOnly)
        return refuse(refusal, path + " is read-only");
    return disk;
}

const BlockDevice* DiskGuard::changeablePartition(const DiskInventory& inventory, const QString& path,
                                                  QString* refusal)
{
    if (!path.startsWith("/dev/"))
        return refuse(refusal, path + " is not a device under /dev");
    const BlockDevice* partition = inventory.resolve(path);
    if (!partition)
        return refuse(refusal, "no partition " + path);
    if (!partition->isPartition())
        return refuse(refusal, path + " is not a partition");
    const BlockDevice* disk = inventory.wholeDiskOf(*partition);
    if (!disk || !changeableDisk(inventory, disk->path, refusal))
        return nullptr;
    return partition;
}
