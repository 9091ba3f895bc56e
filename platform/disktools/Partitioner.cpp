#include "platform/disktools/Partitioner.h"

#include "platform/disktools/Console.h"
#include "platform/disktools/DiskListFormatter.h"
#include "platform/disktools/SystemState.h"
#include "platform/disktools/SystemTool.h"
#include "platform/disktools/VolumeMounter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

const int kPartitionWaitMs = 5000;

bool fail(const QString& step, const QString& reason)
{
    Console::error("diskutil", step + " failed: " + reason);
    return false;
}

// True when the /dev node of a partition is the device the kernel knows by
// that name: a node left from an earlier partition may point elsewhere.
bool nodeIsKernels(const QString& devicePath)
{
    QFile numbers("/sys/class/block/" + QFileInfo(devicePath).fileName() + "/dev");
    if (!numbers.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> parts = numbers.readAll().trimmed().split(':');
    struct stat node {};
    if (parts.size() != 2 || stat(QFile::encodeName(devicePath).constData(), &node) != 0 || !S_ISBLK(node.st_mode))
        return false;
    return major(node.st_rdev) == parts[0].toUInt() && minor(node.st_rdev) == parts[1].toUInt();
}

bool waitForNode(const QString& devicePath)
{
    QElapsedTimer timer;
    timer.start();
    while (!nodeIsKernels(devicePath)) {
        if (timer.elapsed() > kPartitionWaitMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

} // namespace

bool Partitioner::fatFor(const QString& personality, Fat* fat)
{
    const QString name = personality.simplified().toUpper();
    if (name == "FAT32" || name == "MS-DOS FAT32") {
        *fat = Fat::Fat32;
        return true;
    }
    if (name == "FAT16" || name == "MS-DOS FAT16") {
        *fat = Fat::Fat16;
        return true;
    }
    return false;
}

QByteArray Partitioner::tableScript(Fat fat)
{
    return QByteArray("label: dos\n,,") + (fat == Fat::Fat32 ? "c" : "e") + ",*\n";
}

bool Partitioner::unmountAll(const DiskInventory& inventory, const BlockDevice& disk, bool force, QString* error)
{
    QVector<MountEntry> entries = inventory.mountsBelow(disk);
    // Inner mount points first.
    std::sort(entries.begin(), entries.end(),
              [](const MountEntry& a, const MountEntry& b) { return a.mountPoint.size() > b.mountPoint.size(); });
    for (const MountEntry& entry : entries) {
        if (!VolumeMounter::unmount(entry, force, error))
            return false;
    }
    return true;
}

QString Partitioner::settlePartition(const BlockDevice& disk, QString* error)
{
    const QString path = disk.partitionPath(1);
    const QString name = QFileInfo(path).fileName();
    // A kernel that re-read the table itself has the partition already;
    // partx adds it where it did not, and updates a stale one.
    if (!QFileInfo::exists("/sys/class/block/" + name))
        SystemTool::run("partx", {"-a", disk.path});
    else
        SystemTool::run("partx", {"-u", disk.path});
    if (!QFileInfo::exists("/sys/class/block/" + name)) {
        *error = "the kernel shows no partition " + name;
        return QString();
    }
    if (!waitForNode(path)) {
        *error = path + " does not name the kernel's partition " + name;
        return QString();
    }
    return path;
}

bool Partitioner::run(const BlockDevice& disk, Fat fat, const QString& label)
{
    const QString fatName = fat == Fat::Fat32 ? "FAT32" : "FAT16";
    Console::out("Started partitioning on " + disk.kernelName + "\nUnmounting disk\n");
    QString error;
    if (!unmountAll(SystemState::read(), disk, false, &error))
        return fail("Unmounting", error);
    Console::out("Creating the partition map\n");
    const ToolRun table = SystemTool::run("sfdisk", {"--quiet", "--wipe", "always", "--wipe-partitions", "always",
                                                     disk.path}, tableScript(fat));
    if (!table.ok())
        return fail("Creating the partition map", "sfdisk: " + table.failureText());
    Console::out("Waiting for partitions to activate\n");
    const QString partition = settlePartition(disk, &error);
    if (partition.isEmpty())
        return fail("Waiting for partitions", error);
    Console::out("Formatting " + QFileInfo(partition).fileName() + " as MS-DOS (" + fatName + ") with name " + label +
                 "\n");
    const ToolRun format = SystemTool::run("mkfs.vfat", {"-F", fat == Fat::Fat32 ? "32" : "16", "-n", label, partition});
    if (!format.ok())
        return fail("Formatting", "mkfs.vfat: " + format.failureText());
    Console::out("Mounting disk\n");
    const DiskInventory after = SystemState::read();
    const BlockDevice* formatted = after.resolve(partition);
    const BlockDevice* whole = formatted ? after.wholeDiskOf(*formatted) : nullptr;
    if (!whole)
        return fail("Mounting", "the new partition " + partition + " is not listed");
    const QString mountPoint = VolumeMounter::claimMountPoint(label, false, &error);
    if (mountPoint.isEmpty())
        return fail("Mounting", error);
    const VolumeMounter::Result mounted = VolumeMounter::mountFat(*formatted, *whole, mountPoint);
    if (!mounted.ok) {
        QDir().rmdir(mountPoint);
        return fail("Mounting", mounted.error);
    }
    Console::out("Mounted " + partition + " at " + mountPoint + " through " + mounted.how + "\n");
    Console::out("Finished partitioning on " + disk.kernelName + "\n");
    const DiskInventory final = SystemState::read();
    if (const BlockDevice* listed = final.resolve(disk.path))
        Console::out(DiskListFormatter::formatDisk(final, *listed));
    return true;
}
