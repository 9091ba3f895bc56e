#include "support/TestSupport.h"

#include "services/BootStep.h"
#include "services/DiskInfoParser.h"
#include "services/DriveListParser.h"
#include "services/HdiutilOutput.h"
#include "services/MountOutput.h"
#include "services/WimTool.h"

#include <QDir>

#include <QProcess>

using namespace TestSupport;

namespace {

QString recorded(const QString& name)
{
    return QString::fromUtf8(readFile(sharedFixture("macos/" + name)));
}

// The drives "drutil status" output lists, each as "text|device".
QStringList opticalDrives(const QString& output)
{
    DriveListParser::StatusState state;
    QStringList drives;
    for (const QString& line : output.split('\n')) {
        if (line.trimmed().isEmpty())
            continue; // the runner never delivers blank lines
        if (const auto drive = DriveListParser::readStatusLine(line, state))
            drives << drive->text + "|" + drive->device;
    }
    return drives;
}

} // namespace

class TestDiskRules : public QObject
{
    Q_OBJECT
private slots:
    void usbCandidates_data();
    void usbCandidates();
    void removableUsb_data();
    void removableUsb();
    void opticalDrives_data();
    void opticalDrives();
    void discProgress_data();
    void discProgress();
    void imageMountPoint_data();
    void imageMountPoint();
    void discMountPoint_data();
    void discMountPoint();
    void wimSplit_data();
    void wimSplit();
    void realWimIsSplitWithTheseArguments();
    void bootCommandKeepsEachValueOneWord_data();
    void bootCommandKeepsEachValueOneWord();
};

void TestDiskRules::usbCandidates_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("devices");
    QTest::newRow("internal, synthesized, USB") << "diskutil-list-usb-apfs.txt" << QStringList{"/dev/disk2"};
    QTest::newRow("CoreStorage, image, USB") << "diskutil-list-corestorage.txt" << QStringList{"/dev/disk3"};
    QTest::newRow("images, virtual disk") << "diskutil-list-disk-images.txt" << QStringList{"/dev/disk4"};
}

void TestDiskRules::usbCandidates()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, devices);
    QStringList found;
    for (const QString& line : recorded(fixture).split('\n')) {
        const QString device = DriveListParser::usbCandidate(line + "\r");
        if (!device.isEmpty())
            found << device;
    }
    QCOMPARE(found, devices);
}

void TestDiskRules::removableUsb_data()
{
    QTest::addColumn<QString>("info");
    QTest::addColumn<bool>("usb");
    const QString stick = recorded("diskutil-info-usb-partition.txt");
    QTest::newRow("USB stick") << stick << true;
    QTest::newRow("same stick, fixed media")
        << QString(stick).replace("Removable Media:          Removable", "Removable Media:          Fixed") << false;
    QTest::newRow("lines in another order")
        << QString(stick).split('\n').mid(8).join('\n') + "\n" + stick.split('\n').mid(0, 8).join('\n') << true;
    QTest::newRow("USB DVD drive") << recorded("diskutil-info-optical-dvd.txt") << false;
    QTest::newRow("internal SSD") << recorded("diskutil-info-internal-ssd.txt") << false;
    QTest::newRow("USB without a removable-media line") << recorded("diskutil-info-usb-ntfs-partition.txt") << false;
    QTest::newRow("nothing") << QString() << false;
}

void TestDiskRules::removableUsb()
{
    QFETCH(QString, info);
    QFETCH(bool, usb);
    QCOMPARE(DiskInfoParser::isRemovableUsb(info), usb);
}

void TestDiskRules::opticalDrives_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("drives");
    QTest::newRow("USB DVD writer") << recorded("drutil-status-usb-dvd.txt")
                                    << QStringList{"HL-DT-ST DVDRAM GP65NS60 PF00 (/dev/disk4)|/dev/disk4"};
    QTest::newRow("internal writer") << recorded("drutil-status-internal-cd.txt")
                                     << QStringList{"OPTIARC DVD RW AD-5960S 2AP5 (/dev/disk1)|/dev/disk1"};
    QTest::newRow("no header") << "           Type: DVD-R               Name: /dev/disk3\n" << QStringList();
    QTest::newRow("type and name on later lines")
        << " Vendor   Product           Rev \n   MAKER    MODEL     1.00\n  Type: DVD-R\n  Name: /dev/disk3\n"
        << QStringList{"MAKER MODEL 1.00 (/dev/disk3)|/dev/disk3"};
    QTest::newRow("blank name waits for the next")
        << " Vendor   Product           Rev \n MAKER MODEL 1.00\n Type: DVD-R Name:   \n Type: DVD-R Name: /dev/disk5\n"
        << QStringList{"MAKER MODEL 1.00 (/dev/disk5)|/dev/disk5"};
    QTest::newRow("two drives")
        << recorded("drutil-status-usb-dvd.txt") + recorded("drutil-status-internal-cd.txt")
        << QStringList{"HL-DT-ST DVDRAM GP65NS60 PF00 (/dev/disk4)|/dev/disk4",
                       "OPTIARC DVD RW AD-5960S 2AP5 (/dev/disk1)|/dev/disk1"};
}

void TestDiskRules::opticalDrives()
{
    QFETCH(QString, output);
    QFETCH(QStringList, drives);
    QCOMPARE(::opticalDrives(output), drives);
}

void TestDiskRules::discProgress_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("fraction");
    QTest::newRow("fraction") << "DRStatusPercentCompleteKey: 0.4567" << 45 << 0.4567;
    QTest::newRow("done") << "DRStatusPercentCompleteKey: 1" << 100 << 1.0;
    QTest::newRow("past the end") << "DRStatusPercentCompleteKey: 1.25" << 100 << 1.0;
    QTest::newRow("with line end") << "  DRStatusPercentCompleteKey: 0.5\r\n" << 50 << 0.5;
    QTest::newRow("not started") << "DRStatusPercentCompleteKey: -1" << -1 << -1.0;
    QTest::newRow("zero") << "DRStatusPercentCompleteKey: 0" << -1 << -1.0;
    QTest::newRow("no value") << "DRStatusPercentCompleteKey:" << -1 << -1.0;
    QTest::newRow("not a number") << "DRStatusPercentCompleteKey: soon" << -1 << -1.0;
    QTest::newRow("status text") << "Burning: 45 percent" << -1 << -1.0;
}

void TestDiskRules::discProgress()
{
    QFETCH(QString, line);
    QFETCH(int, percent);
    QFETCH(double, fraction);
    QCOMPARE(HdiutilOutput::percentComplete(line), percent);
    QCOMPARE(HdiutilOutput::fractionComplete(line), fraction);
}

void TestDiskRules::imageMountPoint_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("mountPoint");
    QTest::newRow("Windows image") << recorded("hdiutil-mount-windows-iso.txt") << "/Volumes/CES_X64FREV_ZH-CN_DV5";
    QTest::newRow("blanks in the volume name")
        << "/dev/disk4          \t                               \t/Volumes/Ubuntu 22.04 LTS amd64\n"
        << "/Volumes/Ubuntu 22.04 LTS amd64";
    QTest::newRow("partitioned image")
        << "/dev/disk4 \tFDisk_partition_scheme \t\n/dev/disk4s1 \tWindows_NTFS \t/Volumes/CCCOMA\n"
        << "/Volumes/CCCOMA";
    QTest::newRow("failure") << "hdiutil: mount failed - no mountable file systems\n" << "";
}

void TestDiskRules::imageMountPoint()
{
    QFETCH(QString, output);
    QFETCH(QString, mountPoint);
    QCOMPARE(HdiutilOutput::mountPoint(output), mountPoint);
}

void TestDiskRules::discMountPoint_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("mountPoint");
    const QString table = recorded("mount-cd-and-system.txt");
    QTest::newRow("recorded CD, partition s0") << "/dev/disk2" << table << "/Volumes/MM7_Disk2";
    QTest::newRow("blanks in the volume name")
        << "/dev/disk2" << "/dev/disk2 on /Volumes/MY DISC (cd9660, local, nodev, nosuid, read-only)\n"
        << "/Volumes/MY DISC";
    QTest::newRow("several partitions: the last wins")
        << "/dev/disk2" << table + "/dev/disk2s1 on /Volumes/FIRST (hfs, local)\n/dev/disk2s2 on /Volumes/SECOND (cd9660, local)\n"
        << "/Volumes/SECOND";
    QTest::newRow("another drive's disc") << "/dev/disk2" << "/dev/disk21 on /Volumes/OTHER (cd9660, local)\n" << "";
    QTest::newRow("another drive's partition after ours")
        << "/dev/disk2" << "/dev/disk2s1 on /Volumes/OURS (cd9660, local)\n/dev/disk21s1 on /Volumes/OTHER (cd9660, local)\n"
        << "/Volumes/OURS";
    QTest::newRow("parentheses in the volume name")
        << "/dev/disk2" << "/dev/disk2 on /Volumes/Photos (2019) (cd9660, local)\n" << "/Volumes/Photos (2019)";
    QTest::newRow("not mounted") << "/dev/disk3" << table << "";
    QTest::newRow("a file standing in for the drive")
        << "/tmp/my drive/disc.bin" << "/tmp/my drive/disc.bin on /media/root/TESTDISC (fuse.fuseiso, local)\n"
        << "/media/root/TESTDISC";
    QTest::newRow("no device") << "" << table << "";
}

void TestDiskRules::discMountPoint()
{
    QFETCH(QString, device);
    QFETCH(QString, output);
    QFETCH(QString, mountPoint);
    QCOMPARE(MountOutput::lastMountPoint(output.split('\n'), device), mountPoint);
}

void TestDiskRules::wimSplit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("split");
    QTest::newRow("4 GiB") << qint64(4294967296) << true;
    QTest::newRow("one byte less") << qint64(4294967295) << false;
    QTest::newRow("none") << qint64(0) << false;
    QTest::newRow("6 GB") << qint64(6000000000) << true;
}

void TestDiskRules::wimSplit()
{
    QFETCH(qint64, size);
    QFETCH(bool, split);
    QCOMPARE(WimTool::needsSplit(size), split);
}

void TestDiskRules::realWimIsSplitWithTheseArguments()
{
    const QString folder = freshDir("wim");
    writeFile(folder + "/content/setup.exe", QByteArray(100000, 's'));
    int exitCode = -1;
    runTool(WimTool::program(), {"capture", folder + "/content", folder + "/install.wim"}, &exitCode);
    QCOMPARE(exitCode, 0);
    const QString firstPart = folder + "/stick/sources/install.swm";
    QDir().mkpath(folder + "/stick/sources");
    runTool(WimTool::program(), WimTool::splitArgs(folder + "/install.wim", firstPart), &exitCode);
    QCOMPARE(exitCode, 0);
    runTool(WimTool::program(), {"apply", firstPart, folder + "/applied"}, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(readFile(folder + "/applied/setup.exe"), readFile(folder + "/content/setup.exe"));
}

void TestDiskRules::bootCommandKeepsEachValueOneWord_data()
{
    QTest::addColumn<QString>("mountPoint");
    QTest::newRow("plain") << "/Volumes/NONAME";
    QTest::newRow("semicolon") << "/Volumes/A;B";
    QTest::newRow("blank") << "/Volumes/A B";
    QTest::newRow("single quote") << "/Volumes/A'B";
    QTest::newRow("dollar and backquote") << "/Volumes/$(id)`id`";
    QTest::newRow("placeholder") << "/Volumes/%2%5";
}

// bash itself reads the command; a shell that prints SUDO_ASKPASS and each
// argument on a line of its own stands in for sudo.
void TestDiskRules::bootCommandKeepsEachValueOneWord()
{
    QFETCH(QString, mountPoint);
    const QString log = freshDir("boot-command") + "/it's a log";
    const QString command = BootStep::command("/app/translations/askpass.js", "/app dir/mkbootable", "/dev/disk2",
                                              mountPoint, log);
    QVERIFY(command.startsWith("SUDO_ASKPASS='/app/translations/askpass.js' sudo --askpass "));
    const QString shell = QString(command).replace("sudo --askpass", "sh -c 'printf \"%s\\n\" \"$SUDO_ASKPASS\" \"$@\"' sudo");
    int exitCode = -1;
    runTool("/bin/bash", {"-c", shell}, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(QString::fromUtf8(readFile(log)).split('\n'),
             (QStringList{"/app/translations/askpass.js", "/app dir/mkbootable", "/dev/disk2", mountPoint, ""}));
}

QUILLMERE_TEST_MAIN(TestDiskRules)
#include "tst_diskrules.moc"
