// The system disk tools on Linux, under the names the application runs:
// diskutil, hdiutil, drutil and mount (links to this program in the
// application's disktools folder, which start-up puts first on PATH).
// They print the output lines of the other system's tools, and do the work
// with the Linux tools: lsblk, sfdisk, partx, mkfs.vfat, mount, losetup,
// fusefat, fuseiso, xorriso, genisoimage, eject. Each ends with status 0
// only when its effect happened; every failure has a line on standard error.
//
// Writing steps need administrator rights: run by a user, they run again
// through "sudo --askpass" (see Privileges.h). Whatever is passed, only
// disks that the list shows as external can be partitioned, formatted,
// mounted or unmounted (see DiskGuard.h).
//
// Stand-ins for tests (see StandIns.h):
//   QUILLMERE_TEST_USB_DISK=/dev/loopN     a loop device taken as a USB stick
//   QUILLMERE_TEST_OPTICAL_DRIVE=FILE      a file taken as an optical drive
//
// Called by another name ("quillmere-disktools"), the first argument names
// the tool: quillmere-disktools diskutil list.
#include "platform/disktools/Console.h"
#include "platform/disktools/DiskutilTool.h"
#include "platform/disktools/HdiutilTool.h"
#include "platform/disktools/SmallTools.h"

#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString tool = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    if (tool == "quillmere-disktools")
        tool = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (tool == "diskutil")
        return DiskutilTool::run(arguments);
    if (tool == "hdiutil")
        return HdiutilTool::run(arguments);
    if (tool == "drutil")
        return SmallTools::drutil(arguments);
    if (tool == "mount")
        return SmallTools::mount(arguments);
    if (tool == "sync")
        return SmallTools::passOn("sync", arguments);
    Console::error("quillmere-disktools", "called as " + tool + "; the tools are diskutil, hdiutil, drutil and mount");
    return 2;
}
