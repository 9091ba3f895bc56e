// The disk tools doing real work: on loop devices that stand in for USB
// sticks, on a file that stands in for an optical drive, and on real
// images. Needs root, loop devices and FUSE; skips where they are missing.
#include "support/LoopDisk.h"
#include "support/TestSupport.h"

#include "services/Util.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>

using namespace TestSupport;

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

QString testFolder()
{
    return Util::GetCurrentExePath();
}

Outcome runProgram(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(120000);
    Outcome outcome;
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

Outcome tool(const QString& name, const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    return runProgram(testFolder() + "/disktools/" + name, arguments, environment);
}

// The mount point as the application reads "diskutil info": the
// "Mount Point:" line from its first "/" on, trimmed.
QString mountPointOf(const QString& device, const QProcessEnvironment& environment)
{
    for (const QString& line : tool("diskutil", {"info", device}, environment).out.split('\n')) {
        if (line.contains("Mount Point:"))
            return line.mid(line.indexOf('/')).trimmed();
    }
    return QString();
}

bool isMountPoint(const QString& folder)
{
    const QByteArray escaped = QByteArray(" ") + folder.toUtf8().replace(" ", "\\040") + " ";
    return readFile("/proc/self/mounts").contains(escaped);
}

// The USB list as the Burn page builds it.
QStringList discovered(const QProcessEnvironment& environment)
{
    QStringList found;
    for (QString line : tool("diskutil", {"list"}, environment).out.split('\n')) {
        if (!line.contains("external, physical"))
            continue;
        const QString device = line.remove("(external, physical):").trimmed();
        const QString info = tool("diskutil", {"info", device}, environment).out;
        const bool usb = info.contains(QRegularExpression("Protocol:.*USB"));
        const bool removable = info.contains(QRegularExpression("Removable Media:.*Removable"));
        if (usb && removable && !info.contains("Optical Drive Type:"))
            found << device;
    }
    return found;
}

QByteArray sha(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The standard output of a shell command.
QString shell(const QString& command)
{
    QProcess process;
    process.start("/bin/sh", {"-c", command});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// File paths of an image as 7z lists them.
QSet<QString> listedFiles(const QString& image)
{
    QSet<QString> files;
    QString path;
    for (const QString& line : runProgram("/usr/bin/7z", {"l", "-slt", image}).out.split('\n')) {
        if (line.startsWith("Path = "))
            path = line.mid(7);
        if (line == "Folder = -" && !path.startsWith("[BOOT]") && path != image)
            files << path;
    }
    return files;
}

QSet<QString> filesUnder(const QString& folder)
{
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    return files;
}

const char kSyslinuxConfig[] = "default boot\nLABEL boot\nMENU LABEL boot\nCOM32 /syslinux/chain.c32\n"
                               "APPEND fs ntldr=/bootmgr\n";

} // namespace

class TestDiskToolsDevices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void discoveryListsTheStandInOnly();
    void partitionAndMakeBootable_data();
    void partitionAndMakeBootable();
    void bootStepNamesTheFailingStep_data();
    void bootStepNamesTheFailingStep();
    void refusesToPartition_data();
    void refusesToPartition();
    void refusesASystemFolderDisk();
    void userRunsWritingStepsThroughSudo_data();
    void userRunsWritingStepsThroughSudo();
    void volumeBelongsToTheUserWhoCalledSudo();
    void imageMountAndUnmount();
    void makeHybridWritesTheFolder();
    void burnWritesTheStandInDrive();
    void copyDiskSequenceOnTheStandIn();

private:
    QString m_Skip;
};

void TestDiskToolsDevices::initTestCase()
{
    m_Skip = LoopDisk::missingReason();
    QVERIFY(QFileInfo(testFolder() + "/disktools/diskutil").isExecutable());
    QVERIFY(QFileInfo(testFolder() + "/mkbootable").isExecutable());
}

void TestDiskToolsDevices::discoveryListsTheStandInOnly()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    LoopDisk stick;
    LoopDisk other;
    QVERIFY(stick.isValid() && other.isValid());
    // The other loop device has a partition too; neither it nor any
    // partition is listed, nor the disks of the machine.
    QCOMPARE(tool("diskutil", {"partitionDisk", stick.device(), "1", "MBR", "FAT32", "QMLISTED", "R"},
                  stick.usbEnvironment()).status, 0);
    shell("printf 'label: dos\\n,,83\\n' | /usr/sbin/sfdisk -q " + other.device() + " && /usr/bin/partx -a " +
          other.device());
    QCOMPARE(discovered(stick.usbEnvironment()), QStringList{stick.device()});
    QCOMPARE(discovered(QProcessEnvironment::systemEnvironment()), QStringList());
    const QString list = tool("diskutil", {"list"}, stick.usbEnvironment()).out;
    QVERIFY(list.contains(other.device() + " (disk image):"));
    QVERIFY(list.contains(QRegularExpression(" +1: +DOS_FAT_32 QMLISTED +\\d+\\.\\d MB +" +
                                             QFileInfo(stick.partition(1)).fileName())));
}

void TestDiskToolsDevices::partitionAndMakeBootable_data()
{
    QTest::addColumn<QString>("personality");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("type");
    // Labels of their own: a test elsewhere may burn a stick at the same time.
    QTest::newRow("FAT32") << "FAT32" << "QMSTICK" << "QMSTICK" << "c";
    QTest::newRow("blank, & and quote") << "FAT32" << "QM&B 'Q'" << "QM&B 'Q'" << "c";
    QTest::newRow("FAT16, lower case") << "MS-DOS FAT16" << "qmdata" << "QMDATA" << "e";
}

void TestDiskToolsDevices::partitionAndMakeBootable()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    QFETCH(QString, personality);
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(QString, type);
    LoopDisk stick;
    QVERIFY(stick.isValid());
    const QProcessEnvironment usb = stick.usbEnvironment();
    const QString device = stick.device();
    const QString partition = stick.partition(1);

    // The Burn page's order: partition, read the mount point, unmount, boot step.
    const Outcome made = tool("diskutil", {"partitionDisk", device, "1", "MBR", personality, name, "R"}, usb);
    QVERIFY2(made.status == 0, qPrintable(made.out + made.err));
    const QString mountPoint = mountPointOf(device + "s1", usb);
    // Named after the label; another run's volume of that name may hold the plain name.
    QVERIFY2(QRegularExpression("^/media/root/" + QRegularExpression::escape(label) + "( \\d+)?$")
                 .match(mountPoint).hasMatch(),
             qPrintable(mountPoint));
    QVERIFY(isMountPoint(mountPoint));
    const Outcome unmounted = tool("diskutil", {"unmountDisk", device}, usb);
    QVERIFY2(unmounted.status == 0, qPrintable(unmounted.err));
    QVERIFY(!isMountPoint(mountPoint));
    const Outcome boot = runProgram(testFolder() + "/mkbootable", {device, mountPoint}, usb);
    QVERIFY2(boot.status == 0, qPrintable(boot.out + boot.err));
    QCOMPARE(mountPointOf(device + "s1", usb), mountPoint);

    // The volume takes the boot configuration and the image's files.
    writeFile(mountPoint + "/syslinux.cfg", kSyslinuxConfig);
    writeFile(mountPoint + "/sources/a long file name.txt", "content");
    QCOMPARE(readFile(mountPoint + "/syslinux.cfg"), QByteArray(kSyslinuxConfig));
    QCOMPARE(tool("diskutil", {"unmountDisk", device}, usb).status, 0);

    // Read back without mounting.
    const QString table = shell("/usr/sbin/sfdisk --dump " + device);
    QVERIFY2(table.contains(QRegularExpression(partition + " : start= *2048, size= *\\d+, type=" + type +
                                               ", bootable")),
             qPrintable(table));
    QCOMPARE(table.count("type="), 1);
    const QString root = shell("/usr/bin/mdir -i " + partition + " ::/");
    QVERIFY2(root.contains("Volume in drive : is " + label), qPrintable(root));
    QVERIFY2(root.contains("syslinux.cfg"), qPrintable(root));
    QCOMPARE(shell("/usr/bin/mtype -i " + partition + " ::/syslinux.cfg").toUtf8(), QByteArray(kSyslinuxConfig));
    QCOMPARE(shell("/usr/bin/mtype -i " + partition + " '::/sources/a long file name.txt'"), QString("content"));
    const QString folder = shell("/usr/bin/mdir -a -b -i " + partition + " ::/syslinux").toLower();
    for (const char* file : {"ldlinux.sys", "ldlinux.c32", "chain.c32", "libcom32.c32", "libutil.c32"})
        QVERIFY2(folder.contains(QString("::/syslinux/") + file), qPrintable(folder));
    const QByteArray mbr = readFile("/usr/lib/syslinux/mbr/mbr.bin");
    QCOMPARE(stick.head(440), mbr.left(440));
}

void TestDiskToolsDevices::bootStepNamesTheFailingStep_data()
{
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QStringList>("arguments"); // "DEV" stands for the device
    QTest::addColumn<QString>("step");
    QTest::newRow("one argument") << true << QStringList{"DEV"} << "checking the arguments";
    QTest::newRow("relative mount point") << true << QStringList{"DEV", "media/x"} << "checking the arguments";
    QTest::newRow("not a USB disk") << false << QStringList{"DEV", "/media/root/X"} << "unmounting";
    QTest::newRow("no partition") << true << QStringList{"DEV", "/media/root/X"} << "finding the first partition";
}

void TestDiskToolsDevices::bootStepNamesTheFailingStep()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    QFETCH(bool, marked);
    QFETCH(QStringList, arguments);
    QFETCH(QString, step);
    LoopDisk stick;
    QVERIFY(stick.isValid());
    arguments.replaceInStrings("DEV", stick.device());
    const QByteArray before = stick.head();
    const Outcome boot = runProgram(testFolder() + "/mkbootable", arguments,
                                    marked ? stick.usbEnvironment() : QProcessEnvironment::systemEnvironment());
    QCOMPARE(boot.status, 1);
    QVERIFY2(boot.err.contains("failed at step \"" + step), qPrintable(boot.err));
    QVERIFY(stick.head() == before);
}

void TestDiskToolsDevices::refusesToPartition_data()
{
    QTest::addColumn<QString>("target"); // DEV and PART stand for the loop device and its partition
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unmarked loop device") << "DEV" << false << "disk image";
    QTest::newRow("partition") << "PART" << true << "is a partition";
    QTest::newRow("other system's partition form") << "DEVs1" << true << "is a partition";
    QTest::newRow("path outside /dev") << "/tmp/../etc/passwd" << true << "not a device under /dev";
    QTest::newRow("the disk of /") << "ROOTDISK" << true << "system folder";
}

void TestDiskToolsDevices::refusesToPartition()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    QFETCH(QString, target);
    QFETCH(bool, marked);
    QFETCH(QString, reason);
    LoopDisk stick;
    QVERIFY(stick.isValid());
    shell("printf 'label: dos\\n,,83\\n' | /usr/sbin/sfdisk -q " + stick.device() + " && /usr/bin/partx -a " +
          stick.device());
    const QString rootDisk = shell("/usr/bin/lsblk -no PKNAME,TYPE $(/usr/bin/findmnt -no SOURCE /) | head -1")
                                 .section(' ', 0, 0).trimmed();
    if (target == "ROOTDISK" && rootDisk.isEmpty())
        target = shell("/usr/bin/findmnt -no SOURCE /").trimmed();
    target.replace("ROOTDISK", "/dev/" + rootDisk).replace("PART", stick.partition(1)).replace("DEV", stick.device());
    const QProcessEnvironment environment =
        marked ? stick.usbEnvironment() : QProcessEnvironment::systemEnvironment();
    const QByteArray before = stick.head();
    for (const QString& verb : {QString("partitionDisk"), QString("unmountDisk")}) {
        const QStringList arguments = verb == "partitionDisk"
                                          ? QStringList{verb, target, "1", "MBR", "FAT32", "NONAME", "R"}
                                          : QStringList{verb, target};
        const Outcome refused = tool("diskutil", arguments, environment);
        QVERIFY(refused.status != 0);
        QVERIFY2(refused.err.startsWith("diskutil: will not ") && refused.err.contains(reason), qPrintable(refused.err));
        QVERIFY(refused.out.isEmpty());
    }
    QVERIFY(stick.head() == before);
}

void TestDiskToolsDevices::refusesASystemFolderDisk()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    if (!QFileInfo("/usr/bin/unshare").isExecutable() || !QFileInfo("/usr/sbin/mkfs.ext4").isExecutable())
        QSKIP("needs unshare and mkfs.ext4");
    LoopDisk stick;
    QVERIFY(stick.isValid());
    shell("printf 'label: dos\\n,,83\\n' | /usr/sbin/sfdisk -q " + stick.device() + " && /usr/bin/partx -a " +
          stick.device() + " && /usr/sbin/mkfs.ext4 -q " + stick.partition(1));
    const QString table = shell("/usr/sbin/sfdisk --dump " + stick.device());
    // In a mount namespace of its own, the stick holds /home.
    QProcess process;
    process.setProcessEnvironment(stick.usbEnvironment());
    process.start("/usr/bin/unshare",
                  {"--mount", "--propagation", "private", "/bin/sh", "-c",
                   "mount " + stick.partition(1) + " /home && exec \"$0\" partitionDisk \"$1\" 1 MBR FAT32 NONAME R",
                   testFolder() + "/disktools/diskutil", stick.device()});
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    if (errors.contains("unshare failed") || errors.contains("Operation not permitted"))
        QSKIP("no mount namespace here");
    QVERIFY(process.exitCode() != 0);
    QVERIFY2(errors.contains("holds a system folder"), qPrintable(errors));
    // Mounting changed the file system's mount count, nothing else changed.
    QCOMPARE(shell("/usr/sbin/sfdisk --dump " + stick.device()), table);
    QCOMPARE(shell("/usr/sbin/blkid -p -o value -s TYPE " + stick.partition(1)), QString("ext4\n"));
    // The same disk without /home mounted is partitioned.
    QCOMPARE(tool("diskutil", {"partitionDisk", stick.device(), "1", "MBR", "FAT32", "QMHOME", "R"},
                  stick.usbEnvironment()).status, 0);
}

void TestDiskToolsDevices::userRunsWritingStepsThroughSudo_data()
{
    QTest::addColumn<QString>("toolName");
    QTest::addColumn<QStringList>("arguments"); // DEV stands for the device
    QTest::addColumn<QString>("askpass");       // empty: the layer chooses
    QTest::addColumn<QString>("prompt");
    QTest::newRow("partition, German system")
        << "diskutil" << QStringList{"partitionDisk", "DEV", "1", "MBR", "FAT32", "MY USB", "R"} << ""
        << "askpass_de.js";
    QTest::newRow("unmount, prompt named by the application")
        << "diskutil" << QStringList{"unmountDisk", "DEV"} << "/opt/app/translations/askpass_sv.js"
        << "/opt/app/translations/askpass_sv.js";
    QTest::newRow("image mount") << "hdiutil" << QStringList{"mount", "/usr/lib/ipxe/ipxe.iso"} << ""
                                 << "askpass_de.js";
}

void TestDiskToolsDevices::userRunsWritingStepsThroughSudo()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    if (!QFileInfo("/usr/bin/setpriv").isExecutable())
        QSKIP("needs setpriv to run as another user");
    QFETCH(QString, toolName);
    QFETCH(QStringList, arguments);
    QFETCH(QString, askpass);
    QFETCH(QString, prompt);
    LoopDisk stick;
    QVERIFY(stick.isValid());
    arguments.replaceInStrings("DEV", stick.device());
    // A fake sudo, first on PATH, that notes how it was called.
    QTemporaryDir folder(QDir::tempPath() + "/quillmere-sudo-XXXXXX");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                             QFile::WriteOther | QFile::ExeOther);
    writeFile(folder.path() + "/sudo", "#!/bin/sh\nprintf '%s\\n' \"$SUDO_ASKPASS\" \"$@\" > \"$0.calls\"\n");
    QFile::setPermissions(folder.path() + "/sudo", QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                       QFile::ExeOther);
    QProcessEnvironment environment = stick.usbEnvironment();
    environment.insert("PATH", testFolder() + "/disktools:" + folder.path() + ":/usr/bin:/bin");
    environment.insert("LC_ALL", "de_DE.UTF-8");
    environment.remove("SUDO_ASKPASS");
    if (!askpass.isEmpty())
        environment.insert("SUDO_ASKPASS", askpass);
    const QByteArray before = stick.head();
    const Outcome run = runProgram("/usr/bin/setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                                                                   testFolder() + "/disktools/" + toolName} +
                                                           arguments,
                                   environment);
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const QStringList calls = QString::fromUtf8(readFile(folder.path() + "/sudo.calls")).split('\n', Qt::SkipEmptyParts);
    const QString app = QFileInfo(testFolder() + "/disktools/diskutil").canonicalPath() + "/..";
    QCOMPARE(calls.value(0), prompt.startsWith('/') ? prompt
                                                    : QFileInfo(app).canonicalFilePath() + "/translations/" + prompt);
    QCOMPARE(calls.mid(1, 2), (QStringList{"--askpass", "--"}));
    QCOMPARE(QFileInfo(calls.value(3)).fileName(), toolName);
    QVERIFY(QFileInfo(calls.value(3)).isExecutable());
    QCOMPARE(calls.mid(4), arguments);
    QVERIFY(stick.head() == before);
}

void TestDiskToolsDevices::volumeBelongsToTheUserWhoCalledSudo()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    if (!QFileInfo("/usr/bin/setpriv").isExecutable())
        QSKIP("needs setpriv to run as another user");
    LoopDisk stick;
    QVERIFY(stick.isValid());
    QProcessEnvironment environment = stick.usbEnvironment();
    environment.insert("SUDO_UID", "65534");
    environment.insert("SUDO_GID", "65534");
    environment.insert("SUDO_USER", "nobody");
    const Outcome made =
        tool("diskutil", {"partitionDisk", stick.device(), "1", "MBR", "FAT32", "QM OWNER", "R"}, environment);
    QVERIFY2(made.status == 0, qPrintable(made.err));
    const QString mountPoint = mountPointOf(stick.device() + "s1", environment);
    QVERIFY2(mountPoint.startsWith("/media/nobody/QM OWNER"), qPrintable(mountPoint));
    // The user writes the boot configuration and the image's files there.
    const Outcome written = runProgram("/usr/bin/setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups",
                                                            "/bin/sh", "-c", "echo ok > \"$0/syslinux.cfg\"",
                                                            mountPoint});
    QVERIFY2(written.status == 0, qPrintable(written.err));
    QCOMPARE(readFile(mountPoint + "/syslinux.cfg"), QByteArray("ok\n"));
    QCOMPARE(QFileInfo(mountPoint + "/syslinux.cfg").ownerId(), uint(65534));
    QCOMPARE(tool("diskutil", {"unmountDisk", stick.device()}, environment).status, 0);
    QDir().rmdir("/media/nobody");
}

void TestDiskToolsDevices::imageMountAndUnmount()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    const QString image = "/usr/lib/grub-rescue/grub-rescue-cdrom.iso";
    if (!QFileInfo::exists(image))
        QSKIP("needs grub-rescue-pc");
    const Outcome mounted = tool("hdiutil", {"mount", image});
    QVERIFY2(mounted.status == 0, qPrintable(mounted.err));
    // As the Burn page reads it: the third tab-separated piece, white space removed.
    const QStringList pieces = mounted.out.split('\t');
    QCOMPARE(pieces.size(), 3);
    const QString mountPoint = QString(pieces[2]).remove(QRegularExpression("\\s"));
    QVERIFY(mountPoint.startsWith("/media/root/ISOIMAGE"));
    QVERIFY(isMountPoint(mountPoint));
    const QSet<QString> listed = listedFiles(image);
    QVERIFY(listed.size() > 10);
    QCOMPARE(filesUnder(mountPoint), listed);
    // The Copy Disk page's "mount" reading finds it under the image's name.
    const QString table = tool("mount", {}).out;
    QVERIFY(table.contains(image + " on " + mountPoint + " ("));

    QCOMPARE(tool("hdiutil", {"unmount", "/"}).status == 0, false);
    const Outcome unmounted = tool("hdiutil", {"unmount", mountPoint});
    QVERIFY2(unmounted.status == 0, qPrintable(unmounted.err));
    QVERIFY(!isMountPoint(mountPoint));
    QVERIFY(!QFileInfo::exists(mountPoint));
    QVERIFY(tool("hdiutil", {"unmount", "-force", mountPoint}).status != 0);
}

void TestDiskToolsDevices::makeHybridWritesTheFolder()
{
    const QString source = freshDir("hybrid-source");
    writeFile(source + "/big file.bin", QByteArray(24 * 1024 * 1024, 'x'));
    writeFile(source + "/sub folder/a long name that Joliet keeps.txt", "text");
    const QString output = freshDir("hybrid-out") + "/copy.iso";
    const Outcome made = tool("hdiutil", {"makehybrid", "-iso", "-joliet", "-debug", "-ov", "-o", output, source});
    QVERIFY2(made.status == 0, qPrintable(made.err));
    QList<double> fractions;
    for (const QString& line : made.out.split('\n')) {
        if (line.contains("DRStatusPercentCompleteKey:"))
            fractions << line.section("DRStatusPercentCompleteKey:", 1).trimmed().toDouble();
    }
    QVERIFY2(fractions.size() >= 3, qPrintable(made.out));
    QVERIFY(std::is_sorted(fractions.begin(), fractions.end()));
    QVERIFY(fractions.first() > 0 && fractions.first() < 1);
    QCOMPARE(fractions.last(), 1.0);
    QCOMPARE(listedFiles(output), (QSet<QString>{"big file.bin", "sub folder/a long name that Joliet keeps.txt"}));

    // Without -ov an existing image stays as it is.
    const QByteArray kept = sha(readFile(output));
    const Outcome refused = tool("hdiutil", {"makehybrid", "-iso", "-joliet", "-o", output, source});
    QVERIFY(refused.status != 0);
    QVERIFY(refused.err.contains("makehybrid failed"));
    QVERIFY(sha(readFile(output)) == kept);
    // Without a source (a disc that is not mounted) it fails.
    QVERIFY(tool("hdiutil", {"makehybrid", "-iso", "-joliet", "-debug", "-ov", "-o", output, ""}).status != 0);
}

void TestDiskToolsDevices::burnWritesTheStandInDrive()
{
    const QString image = "/usr/lib/ipxe/ipxe.iso";
    if (!QFileInfo::exists(image) || !QFileInfo("/usr/bin/xorriso").isExecutable())
        QSKIP("needs ipxe and xorriso");
    const QString drive = freshDir("burn") + "/disc.bin";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUILLMERE_TEST_OPTICAL_DRIVE", drive);
    const QString status = tool("drutil", {"status"}, environment).out;
    QVERIFY(status.startsWith(" Vendor   Product           Rev \n"));
    QVERIFY2(status.contains(QRegularExpression("Type: DVD-R +Name: " + QRegularExpression::escape(drive) + "\n")),
             qPrintable(status));

    const Outcome burnt = tool("hdiutil", {"burn", "-device", drive, "-verbose", "-noverifyburn", image}, environment);
    QVERIFY2(burnt.status == 0, qPrintable(burnt.out + burnt.err));
    const QByteArray written = readFile(drive);
    const QByteArray original = readFile(image);
    QVERIFY(written.size() >= original.size());
    QVERIFY(written.left(original.size()) == original);
    QVERIFY(burnt.out.contains("DRStatusPercentCompleteKey: 1\n"));

    // Without -device the first drive with a disc; never a disk that is no optical drive.
    QCOMPARE(tool("hdiutil", {"burn", "-verbose", "-noverifyburn", image}, environment).status, 0);
    const Outcome refused = tool("hdiutil", {"burn", "-device", "/dev/zero", "-verbose", image}, environment);
    QVERIFY(refused.status != 0);
    QVERIFY2(refused.err.contains("not an optical drive"), qPrintable(refused.err));
    QVERIFY(tool("hdiutil", {"burn", "-device", drive, "/no/such.iso"}, environment).status != 0);
}

void TestDiskToolsDevices::copyDiskSequenceOnTheStandIn()
{
    if (!m_Skip.isEmpty())
        QSKIP(qPrintable(m_Skip));
    const QString image = "/usr/lib/grub-rescue/grub-rescue-cdrom.iso";
    if (!QFileInfo::exists(image))
        QSKIP("needs grub-rescue-pc");
    const QString drive = freshDir("copy-disk") + "/disc.bin";
    QVERIFY(QFile::copy(image, drive));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUILLMERE_TEST_OPTICAL_DRIVE", drive);
    QVERIFY(tool("drutil", {"status"}, environment).out.contains("Type: DVD-ROM              Name: " + drive));
    // The disc is mounted, as a desktop does with an inserted disc.
    QCOMPARE(tool("hdiutil", {"mount", drive}, environment).status, 0);
    // The Copy Disk page: the mount point from "mount", then makehybrid, then eject.
    QString mountPoint;
    for (const QString& line : tool("mount", {}, environment).out.split('\n')) {
        if (!line.startsWith(drive))
            continue;
        const int slash = line.indexOf('/', drive.size());
        mountPoint = line.mid(slash, line.indexOf('(', slash) - slash).trimmed();
    }
    QVERIFY(isMountPoint(mountPoint));
    const QString output = freshDir("copy-disk-out") + "/copy.iso";
    QCOMPARE(tool("hdiutil", {"makehybrid", "-iso", "-joliet", "-debug", "-ov", "-o", output, mountPoint},
                  environment).status,
             0);
    QCOMPARE(listedFiles(output), listedFiles(image));
    const Outcome ejected = tool("hdiutil", {"eject", drive}, environment);
    QVERIFY2(ejected.status == 0, qPrintable(ejected.err));
    QVERIFY(!isMountPoint(mountPoint));
    QVERIFY(!tool("mount", {}, environment).out.contains(drive));
}

QUILLMERE_TEST_MAIN(TestDiskToolsDevices)
#include "tst_disktoolsdevices.moc"
