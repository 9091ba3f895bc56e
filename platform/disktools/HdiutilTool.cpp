#include "platform/disktools/HdiutilTool.h"

#include "platform/disktools/BlkidExport.h"
#include "platform/disktools/Console.h"
#include "platform/disktools/DiskGuard.h"
#include "platform/disktools/ImageWriters.h"
#include "platform/disktools/OpticalDrives.h"
#include "platform/disktools/OptionParser.h"
#include "platform/disktools/Privileges.h"
#include "platform/disktools/StandIns.h"
#include "platform/disktools/SystemState.h"
#include "platform/disktools/SystemTool.h"
#include "platform/disktools/VolumeMounter.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

const char kTool[] = "hdiutil";

int fail(const QString& verb, const QString& reason)
{
    Console::error(kTool, verb + " failed - " + reason);
    return 1;
}

int usage()
{
    Console::error(kTool, "usage: hdiutil mount IMAGE | unmount [-force] FOLDER | eject DEVICE | "
                          "burn [-device DEVICE] [-verbose] [-noverifyburn] IMAGE | "
                          "makehybrid -iso -joliet [-debug] [-ov] -o OUTPUT FOLDER");
    return 1;
}

int asAdministrator(const QString& verb, const QStringList& arguments)
{
    return Privileges::rerunAsAdministrator(kTool, QStringList{verb} + arguments);
}

QString volumeLabel(const QString& image)
{
    const ToolRun probe = SystemTool::run("blkid", {"-p", "-o", "export", image});
    const QString label = BlkidExport::parse(probe.output).value(image).value("LABEL");
    return label.isEmpty() ? QFileInfo(image).completeBaseName() : label;
}

// Whether a mounted file system is one these tools may unmount: an image,
// a disc, or a volume of a disk they may change; never a system folder.
bool mayUnmount(const DiskInventory& inventory, const MountEntry& entry, QString* refusal)
{
    if (DiskInventory::isSystemFolder(entry.mountPoint)) {
        *refusal = entry.mountPoint + " is a system folder";
        return false;
    }
    if (QFileInfo(entry.source).isFile() || OpticalDrives::isStandIn(entry.source))
        return true;
    const BlockDevice* device = inventory.resolve(entry.source);
    const BlockDevice* disk = device ? inventory.wholeDiskOf(*device) : nullptr;
    if (!disk) {
        *refusal = entry.mountPoint + " holds no image, disc or external disk";
        return false;
    }
    const bool imageOrDisc = disk->isOptical() || inventory.traits(*disk).place == DiskPlace::Image;
    if (!imageOrDisc)
        return DiskGuard::changeableDisk(inventory, disk->path, refusal) != nullptr;
    if (inventory.holdsSystemFolder(*disk)) {
        *refusal = entry.mountPoint + " is in use by the system";
        return false;
    }
    return true;
}

// The mounts a path names: the mount at that folder, or every mount of
// that device or image.
QVector<MountEntry> mountsNamed(const DiskInventory& inventory, const QString& path)
{
    QVector<MountEntry> found;
    for (const MountEntry& entry : inventory.mounts()) {
        if (entry.mountPoint == path || entry.source == path)
            found << entry;
    }
    if (const BlockDevice* device = inventory.resolve(path)) {
        for (const MountEntry& entry : inventory.mountsBelow(*device)) {
            if (!found.contains(entry))
                found << entry;
        }
    }
    return found;
}

// The drive to burn with: the one asked for, or the first holding a disc.
QString chooseDrive(const QString& asked, QString* error)
{
    const QVector<OpticalDrive> drives = OpticalDrives::list();
    const QString wanted = asked.isEmpty()                      ? QString()
                           : OpticalDrives::isStandIn(asked) ? StandIns::opticalDrive()
                                                               : SystemState::devicePath(asked);
    for (const OpticalDrive& drive : drives) {
        if (wanted.isEmpty() ? !drive.mediaType.isEmpty() : drive.path == wanted)
            return drive.path;
    }
    *error = asked.isEmpty() ? QString("no optical drive holds a disc") : asked + " is not an optical drive";
    return QString();
}

} // namespace

int HdiutilTool::run(const QStringList& arguments)
{
    const QString verb = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (verb == "mount" || verb == "attach")
        return mount(rest);
    if (verb == "unmount" || verb == "detach")
        return unmount(rest, verb);
    if (verb == "eject")
        return eject(rest);
    if (verb == "burn")
        return burn(rest);
    if (verb == "makehybrid")
        return makeHybrid(rest);
    return usage();
}

int HdiutilTool::mount(const QStringList& arguments)
{
    const ParsedOptions options =
        OptionParser::parse(arguments, {"-readonly", "-nobrowse", "-noverify", "-quiet"}, {"-mountpoint"});
    if (!options.error.isEmpty() || options.operands.size() != 1)
        return usage();
    const QString image = QFileInfo(options.operands.first()).absoluteFilePath();
    if (!QFileInfo(image).isFile())
        return fail("mount", image + ": no such image file");
    if (!Privileges::isAdministrator())
        return asAdministrator("mount", arguments);
    QString error;
    QString mountPoint = options.values.value("-mountpoint");
    if (mountPoint.isEmpty())
        mountPoint = VolumeMounter::claimMountPoint(volumeLabel(image), true, &error);
    else if (!VolumeMounter::prepareMountPoint(mountPoint, &error))
        mountPoint.clear();
    if (mountPoint.isEmpty())
        return fail("mount", error);
    const VolumeMounter::Result result = VolumeMounter::mountImage(image, mountPoint);
    if (!result.ok) {
        QDir().rmdir(mountPoint);
        return fail("mount", result.error);
    }
    Console::error(kTool, image + " mounted through " + result.how);
    const QString device = QString(result.source).replace('\t', ' ');
    Console::out(device.leftJustified(20) + "\t" + QString(31, ' ') + "\t" + mountPoint + "\n");
    return 0;
}

int HdiutilTool::unmount(const QStringList& arguments, const QString& verb)
{
    const ParsedOptions options = OptionParser::parse(arguments, {"-force", "-quiet"}, {});
    if (!options.error.isEmpty() || options.operands.size() != 1)
        return usage();
    const QString path = QDir::cleanPath(QFileInfo(options.operands.first()).absoluteFilePath());
    const DiskInventory inventory = SystemState::read();
    const QVector<MountEntry> entries = mountsNamed(inventory, path);
    if (entries.isEmpty())
        return fail(verb, path + " is not mounted");
    QString refusal;
    for (const MountEntry& entry : entries) {
        if (!mayUnmount(inventory, entry, &refusal))
            return fail(verb, refusal);
    }
    if (!Privileges::isAdministrator())
        return asAdministrator(verb, arguments);
    QString error;
    for (const MountEntry& entry : entries) {
        if (!VolumeMounter::unmount(entry, options.has("-force"), &error))
            return fail(verb, error);
    }
    Console::out("\"" + path + "\" unmounted successfully.\n");
    return 0;
}

int HdiutilTool::eject(const QStringList& arguments)
{
    const ParsedOptions options = OptionParser::parse(arguments, {"-force", "-quiet"}, {});
    if (!options.error.isEmpty() || options.operands.size() != 1)
        return usage();
    const QString path = OpticalDrives::isStandIn(options.operands.first())
                             ? QFileInfo(options.operands.first()).absoluteFilePath()
                             : SystemState::devicePath(options.operands.first());
    const DiskInventory inventory = SystemState::read();
    const BlockDevice* device = inventory.resolve(path);
    const bool standIn = OpticalDrives::isStandIn(path);
    if (!standIn && !(device && device->isOptical()))
        return fail("eject", path + " is not an optical drive");
    QString refusal;
    const QVector<MountEntry> entries = mountsNamed(inventory, path);
    for (const MountEntry& entry : entries) {
        if (!mayUnmount(inventory, entry, &refusal))
            return fail("eject", refusal);
    }
    if (!Privileges::isAdministrator())
        return asAdministrator("eject", arguments);
    QString error;
    for (const MountEntry& entry : entries) {
        if (!VolumeMounter::unmount(entry, options.has("-force"), &error))
            return fail("eject", error);
    }
    if (!standIn) {
        const ToolRun tray = SystemTool::run("eject", {path});
        if (!tray.ok())
            return fail("eject", "eject: " + tray.failureText());
    }
    Console::out("\"" + QFileInfo(path).fileName() + "\" ejected.\n");
    return 0;
}

int HdiutilTool::burn(const QStringList& arguments)
{
    const ParsedOptions options = OptionParser::parse(
        arguments, {"-verbose", "-debug", "-quiet", "-noverifyburn", "-verifyburn", "-noeject", "-eject", "-erase"},
        {"-device", "-speed"});
    if (!options.error.isEmpty() || options.operands.size() != 1)
        return usage();
    const QString image = QFileInfo(options.operands.first()).absoluteFilePath();
    if (!QFileInfo(image).isFile())
        return fail("burn", image + ": no such image file");
    QString error;
    const QString drive = chooseDrive(options.values.value("-device"), &error);
    if (drive.isEmpty())
        return fail("burn", error);
    const bool standIn = OpticalDrives::isStandIn(drive);
    const bool writable = standIn ? access(QFile::encodeName(QFileInfo(drive).absolutePath()).constData(), W_OK) == 0
                                  : access(QFile::encodeName(drive).constData(), W_OK) == 0;
    if (!writable && !Privileges::isAdministrator())
        return asAdministrator("burn", arguments);
    ImageWriters::BurnOptions burnOptions;
    burnOptions.eject = !standIn && !options.has("-noeject");
    burnOptions.erase = options.has("-erase");
    burnOptions.quiet = options.has("-quiet");
    const ImageWriters::Outcome run = ImageWriters::burn(image, standIn ? "stdio:" + drive : drive, burnOptions);
    if (!run.ok())
        return fail("burn", "xorriso: " + run.failureText());
    Console::out("Burn completed successfully\n");
    return 0;
}

int HdiutilTool::makeHybrid(const QStringList& arguments)
{
    const ParsedOptions options =
        OptionParser::parse(arguments, {"-iso", "-joliet", "-udf", "-hfs", "-debug", "-ov", "-quiet", "-verbose"},
                            {"-o", "-default-volume-name", "-iso-volume-name", "-joliet-volume-name"});
    if (!options.error.isEmpty() || options.operands.size() != 1 || options.values.value("-o").isEmpty())
        return usage();
    const QString source = options.operands.first();
    const QString output = QFileInfo(options.values.value("-o")).absoluteFilePath();
    if (source.isEmpty() || !QFileInfo(source).isDir())
        return fail("makehybrid", "the source " + (source.isEmpty() ? QString("(none)") : source) + " is not a folder");
    if (QFileInfo::exists(output) && !options.has("-ov"))
        return fail("makehybrid", output + " exists; -ov replaces it");
    ImageWriters::HybridOptions hybridOptions;
    hybridOptions.joliet = options.has("-joliet") || !options.has("-iso");
    hybridOptions.udf = options.has("-udf");
    hybridOptions.quiet = options.has("-quiet");
    hybridOptions.volumeName = options.values.value("-default-volume-name",
                                                    options.values.value("-iso-volume-name",
                                                                         QFileInfo(QDir::cleanPath(source)).fileName()));
    const ImageWriters::Outcome run = ImageWriters::makeHybrid(source, output, hybridOptions);
    if (!run.ok())
        return fail("makehybrid", "genisoimage: " + run.failureText());
    return 0;
}
