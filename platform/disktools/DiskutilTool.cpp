#include "platform/disktools/DiskutilTool.h"

#include "platform/disktools/Console.h"
#include "platform/disktools/DiskGuard.h"
#include "platform/disktools/DiskInfoFormatter.h"
#include "platform/disktools/DiskListFormatter.h"
#include "platform/disktools/FatLabel.h"
#include "platform/disktools/OpticalDrives.h"
#include "platform/disktools/OptionParser.h"
#include "platform/disktools/Partitioner.h"
#include "platform/disktools/Privileges.h"
#include "platform/disktools/SystemState.h"
#include "platform/disktools/VolumeMounter.h"

#include <QFileInfo>

namespace {

const char kTool[] = "diskutil";

// Takes a leading "force" off the words; true when it was there.
bool takeForce(QStringList& words)
{
    const bool force = !words.isEmpty() && words.first() == "force";
    if (force)
        words.removeFirst();
    return force;
}

int refuse(const QString& reason)
{
    Console::error(kTool, reason);
    return 1;
}

int usage()
{
    return refuse("usage: diskutil list [DEVICE] | info DEVICE | partitionDisk DEVICE 1 MBR FORMAT NAME R | "
                  "unmountDisk [force] DEVICE | mount [-mountPoint FOLDER] PARTITION | unmount [force] PARTITION");
}

int asAdministrator(const QString& verb, const QStringList& arguments)
{
    return Privileges::rerunAsAdministrator(kTool, QStringList{verb} + arguments);
}

} // namespace

int DiskutilTool::run(const QStringList& arguments)
{
    const QString verb = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (verb == "list")
        return list(rest);
    if (verb == "info" || verb == "information")
        return info(rest);
    if (verb == "partitionDisk")
        return partitionDisk(rest);
    if (verb == "unmountDisk")
        return unmountDisk(rest);
    if (verb == "mount")
        return mount(rest);
    if (verb == "unmount")
        return unmount(rest);
    return usage();
}

int DiskutilTool::list(const QStringList& arguments)
{
    const DiskInventory inventory = SystemState::read();
    if (arguments.isEmpty()) {
        Console::out(DiskListFormatter::format(inventory));
        return 0;
    }
    const BlockDevice* device = inventory.resolve(SystemState::devicePath(arguments.first()));
    if (!device)
        return refuse("Could not find disk: " + arguments.first());
    Console::out(DiskListFormatter::formatDisk(inventory, *inventory.wholeDiskOf(*device)));
    return 0;
}

int DiskutilTool::info(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return usage();
    const DiskInventory inventory = SystemState::read();
    const BlockDevice* device = inventory.resolve(SystemState::devicePath(arguments.first()));
    if (!device)
        return refuse("Could not find disk: " + arguments.first());
    const QString optical = device->isOptical() ? OpticalDrives::driveTypes(device->path) : QString();
    Console::out(DiskInfoFormatter::format(inventory, *device, optical));
    return 0;
}

int DiskutilTool::partitionDisk(const QStringList& arguments)
{
    // DEVICE [COUNT] SCHEME FORMAT NAME SIZE
    QStringList words = arguments;
    if (words.size() == 6) {
        if (words[1] != "1")
            return refuse("only one partition is made here, not " + words[1]);
        words.removeAt(1);
    }
    if (words.size() != 5)
        return usage();
    const QString scheme = words[1].toUpper();
    if (scheme != "MBR" && scheme != "MBRFORMAT")
        return refuse("only the MBR scheme is made here, not " + words[1]);
    Partitioner::Fat fat;
    if (!Partitioner::fatFor(words[2], &fat))
        return refuse("only FAT32 and MS-DOS FAT16 volumes are made here, not " + words[2]);
    if (words[4] != "R" && words[4] != "100%")
        return refuse("the one partition takes the whole disk (R), not " + words[4]);
    QString refusal;
    const DiskInventory inventory = SystemState::read();
    const BlockDevice* disk = DiskGuard::changeableDisk(inventory, SystemState::devicePath(words[0]), &refusal);
    if (!disk)
        return refuse("will not partition: " + refusal);
    if (!Privileges::isAdministrator())
        return asAdministrator("partitionDisk", arguments);
    const QString label = FatLabel::from(words[3]);
    if (label != words[3])
        Console::out("The name " + words[3] + " is written as the FAT label " + label + "\n");
    return Partitioner::run(*disk, fat, label) ? 0 : 1;
}

int DiskutilTool::unmountDisk(const QStringList& arguments)
{
    QStringList words = arguments;
    const bool force = takeForce(words);
    if (words.size() != 1)
        return usage();
    QString refusal;
    const DiskInventory inventory = SystemState::read();
    const BlockDevice* disk = DiskGuard::changeableDisk(inventory, SystemState::devicePath(words[0]), &refusal);
    if (!disk)
        return refuse("will not unmount: " + refusal);
    if (!Privileges::isAdministrator())
        return asAdministrator("unmountDisk", arguments);
    QString error;
    if (!Partitioner::unmountAll(inventory, *disk, force, &error))
        return refuse("Unmount of " + disk->kernelName + " failed: " + error);
    Console::out("Unmount of all volumes on " + disk->kernelName + " was successful\n");
    return 0;
}

int DiskutilTool::mount(const QStringList& arguments)
{
    const ParsedOptions options = OptionParser::parse(arguments, {}, {"-mountPoint"});
    if (!options.error.isEmpty() || options.operands.size() != 1)
        return usage();
    QString refusal;
    const DiskInventory inventory = SystemState::read();
    const BlockDevice* partition =
        DiskGuard::changeablePartition(inventory, SystemState::devicePath(options.operands.first()), &refusal);
    if (!partition)
        return refuse("will not mount: " + refusal);
    const QStringList mounted = inventory.mountPointsOf(*partition);
    if (!mounted.isEmpty())
        return refuse("Volume on " + partition->kernelName + " is mounted at " + mounted.first() + " already");
    if (partition->fsType != "vfat")
        return refuse("only FAT volumes are mounted here; " + partition->path + " holds " +
                      (partition->fsType.isEmpty() ? QString("no known file system") : partition->fsType));
    if (!Privileges::isAdministrator())
        return asAdministrator("mount", arguments);
    QString error;
    QString mountPoint = options.values.value("-mountPoint");
    if (mountPoint.isEmpty())
        mountPoint = VolumeMounter::claimMountPoint(partition->label, false, &error);
    else if (!VolumeMounter::prepareMountPoint(mountPoint, &error))
        mountPoint.clear();
    if (mountPoint.isEmpty())
        return refuse("Volume on " + partition->kernelName + " failed to mount: " + error);
    const VolumeMounter::Result result = VolumeMounter::mountFat(*partition, *inventory.wholeDiskOf(*partition), mountPoint);
    if (!result.ok)
        return refuse("Volume on " + partition->kernelName + " failed to mount: " + result.error);
    Console::out("Volume " + partition->label + " on " + partition->kernelName + " mounted at " + mountPoint +
                 " through " + result.how + "\n");
    return 0;
}

int DiskutilTool::unmount(const QStringList& arguments)
{
    QStringList words = arguments;
    const bool force = takeForce(words);
    if (words.size() != 1)
        return usage();
    QString refusal;
    const DiskInventory inventory = SystemState::read();
    const BlockDevice* partition =
        DiskGuard::changeablePartition(inventory, SystemState::devicePath(words[0]), &refusal);
    if (!partition)
        return refuse("will not unmount: " + refusal);
    if (!Privileges::isAdministrator())
        return asAdministrator("unmount", arguments);
    QString error;
    for (const MountEntry& entry : inventory.mountsBelow(*partition)) {
        if (!VolumeMounter::unmount(entry, force, &error))
            return refuse("Unmount of " + partition->kernelName + " failed: " + error);
    }
    Console::out("Volume " + partition->label + " on " + partition->kernelName + " unmounted\n");
    return 0;
}
