#include "platform/disktools/VolumeMounter.h"

#include "platform/disktools/FatCleanMark.h"
#include "platform/disktools/MountPlace.h"
#include "platform/disktools/Privileges.h"
#include "platform/disktools/SystemState.h"
#include "platform/disktools/SystemTool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

const int kFuseEndTimeoutMs = 15000;

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

bool isMounted(const QString& mountPoint)
{
    for (const MountEntry& entry : SystemState::mounts()) {
        if (entry.mountPoint == mountPoint)
            return true;
    }
    return false;
}

// A FUSE option value with its commas and backslashes escaped.
QString fuseValue(const QString& value)
{
    return QString(value).replace("\\", "\\\\").replace(",", "\\,");
}

QString ownerOptions()
{
    const Privileges::Owner owner = Privileges::owner();
    return QString("uid=%1,gid=%2").arg(owner.uid).arg(owner.gid);
}

bool loopOverRangeExists(const QString& backing, qint64 offset)
{
    for (const QString& loop : QDir("/sys/block").entryList({"loop*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = "/sys/block/" + loop + "/loop/";
        if (readText(folder + "backing_file") == backing && readText(folder + "offset").toLongLong() == offset)
            return true;
    }
    return false;
}

// After fusefat has been unmounted its process still writes what it holds;
// it has ended when the loop device it read has gone.
bool waitForFuseFatEnd(const QString& partitionPath)
{
    const QString name = QFileInfo(partitionPath).fileName();
    const QString diskName = QFileInfo(QFileInfo("/sys/class/block/" + name).canonicalFilePath()).dir().dirName();
    const qint64 offset = readText("/sys/class/block/" + name + "/start").toLongLong() * 512;
    QElapsedTimer timer;
    timer.start();
    while (loopOverRangeExists("/dev/" + diskName, offset)) {
        if (timer.elapsed() > kFuseEndTimeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

VolumeMounter::Result failure(const QString& error)
{
    VolumeMounter::Result result;
    result.error = error;
    return result;
}

VolumeMounter::Result success(const QString& source, const QString& how)
{
    VolumeMounter::Result result;
    result.ok = true;
    result.source = source;
    result.how = how;
    return result;
}

VolumeMounter::Result mountFatThroughFuse(const BlockDevice& partition, const BlockDevice& disk,
                                          const QString& mountPoint)
{
    if (SystemTool::path("fusefat").isEmpty())
        return failure("fusefat is not installed");
    qint64 start = 0;
    qint64 length = 0;
    if (!SystemState::partitionRange(partition, &start, &length))
        return failure("the start and size of " + partition.path + " are unknown");
    const ToolRun loop = SystemTool::run("losetup", {"-f", "--show", "-o", QString::number(start), "--sizelimit",
                                                     QString::number(length), disk.path});
    const QString helper = QString::fromUtf8(loop.output).trimmed();
    if (!loop.ok() || !helper.startsWith("/dev/loop"))
        return failure("losetup: " + loop.failureText());
    const QString options = "rw+,allow_other," + ownerOptions() + ",subtype=fusefat,fsname=" +
                            fuseValue(partition.path);
    const ToolRun fuse = SystemTool::run("fusefat", {helper, mountPoint, "-o", options});
    // Detached now, the loop device goes away by itself when fusefat ends.
    SystemTool::run("losetup", {"-d", helper});
    if (!fuse.ok() || !isMounted(mountPoint))
        return failure("fusefat: " + fuse.failureText());
    return success(partition.path, "FUSE (fusefat), as the kernel has no vfat");
}

} // namespace

VolumeMounter::Result VolumeMounter::mountFat(const BlockDevice& partition, const BlockDevice& disk,
                                              const QString& mountPoint)
{
    const ToolRun kernel = SystemTool::run(
        "mount", {"-t", "vfat", "-o", ownerOptions() + ",utf8,shortname=mixed,flush", partition.path, mountPoint});
    if (kernel.ok())
        return success(partition.path, "the kernel's vfat");
    Result fuse = mountFatThroughFuse(partition, disk, mountPoint);
    if (!fuse.ok)
        fuse.error = "mount: " + kernel.failureText() + "; " + fuse.error;
    return fuse;
}

VolumeMounter::Result VolumeMounter::mountImage(const QString& source, const QString& mountPoint)
{
    const bool file = QFileInfo(source).isFile();
    QStringList errors;
    for (const char* type : {"iso9660", "udf"}) {
        const QString options = file ? "ro,loop" : "ro";
        const ToolRun kernel = SystemTool::run("mount", {"-t", type, "-o", options, source, mountPoint});
        if (kernel.ok()) {
            QString device = source;
            for (const MountEntry& entry : SystemState::mounts()) {
                if (entry.mountPoint == mountPoint)
                    device = entry.source;
            }
            return success(device, QString("the kernel's ") + type);
        }
        errors << "mount -t " + QString(type) + ": " + kernel.failureText();
    }
    if (SystemTool::path("fuseiso").isEmpty())
        return failure(errors.join("; ") + "; fuseiso is not installed");
    const QString options = "ro,allow_other,subtype=fuseiso,fsname=" + fuseValue(source);
    const ToolRun fuse = SystemTool::run("fuseiso", {"-n", source, mountPoint, "-o", options});
    if (!fuse.ok() || !isMounted(mountPoint))
        return failure(errors.join("; ") + "; fuseiso: " + fuse.failureText());
    return success(source, "FUSE (fuseiso), as the kernel has no iso9660");
}

bool VolumeMounter::unmount(const MountEntry& entry, bool force, QString* error)
{
    ToolRun run = SystemTool::run("umount", {entry.mountPoint});
    if (!run.ok() && force)
        run = SystemTool::run("umount", {"-l", entry.mountPoint});
    if (!run.ok()) {
        *error = "umount: " + run.failureText();
        return false;
    }
    if (entry.type == "fuse.fusefat") {
        if (!waitForFuseFatEnd(entry.source)) {
            *error = "fusefat did not end after unmounting " + entry.mountPoint;
            return false;
        }
        if (!FatCleanMark::markClean(entry.source, error))
            return false;
    }
    if (entry.mountPoint.startsWith("/media/"))
        QDir().rmdir(entry.mountPoint); // only when empty
    return true;
}

QString VolumeMounter::claimMountPoint(const QString& label, bool plain, QString* error)
{
    const QString folder = MountPlace::userFolder(Privileges::owner().name);
    if (!QDir().mkpath(folder)) {
        *error = "cannot make the folder " + folder;
        return QString();
    }
    const QString name = MountPlace::folderName(label, plain);
    // mkdir is the claim: a name another run took meanwhile is taken.
    int failure = 0;
    const QString path = MountPlace::firstFree(folder, name, plain, [&failure](const QString& candidate) {
        failure = mkdir(QFile::encodeName(candidate).constData(), 0755) == 0 ? 0 : errno;
        return failure == EEXIST;
    });
    if (path.isEmpty() || failure != 0) {
        *error = "cannot make a mount point in " + folder + ": " + QString::fromLocal8Bit(strerror(failure));
        return QString();
    }
    return path;
}

bool VolumeMounter::prepareMountPoint(const QString& path, QString* error)
{
    if (!path.startsWith('/')) {
        *error = "the mount point " + path + " is not an absolute path";
        return false;
    }
    if (isMounted(path)) {
        *error = path + " is a mount point already";
        return false;
    }
    const QFileInfo info(path);
    const QDir::Filters anything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    if (info.exists() && (!info.isDir() || info.isSymLink() || !QDir(path).isEmpty(anything))) {
        *error = path + " is not an empty folder";
        return false;
    }
    if (!info.exists() && !QDir().mkpath(path)) {
        *error = "cannot make the folder " + path;
        return false;
    }
    return true;
}
