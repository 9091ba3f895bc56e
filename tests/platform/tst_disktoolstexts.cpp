// The disk tools' reading of Linux inputs and the lines they print, against
// recorded Linux inputs and the recorded output of the other system's tools.
#include "support/TestSupport.h"

#include "platform/disktools/DiskGuard.h"
#include "platform/disktools/DiskInfoFormatter.h"
#include "platform/disktools/DiskListFormatter.h"
#include "platform/disktools/FatCleanMark.h"
#include "platform/disktools/FatLabel.h"
#include "platform/disktools/LsblkReader.h"
#include "platform/disktools/MountListFormatter.h"
#include "platform/disktools/MountPlace.h"
#include "platform/disktools/OpticalDrive.h"
#include "platform/disktools/ToolProgress.h"
#include "platform/disktools/VolumeNames.h"

#include <QRegularExpression>

using namespace TestSupport;

namespace {

QByteArray linuxInput(const QString& name)
{
    return name.isEmpty() ? QByteArray() : readFile(fixture("linux/" + name));
}

QStringList recordedLines(const QString& name)
{
    return QString::fromUtf8(readFile(sharedFixture("macos/" + name))).split('\n');
}

DiskInventory inventoryOf(const QString& lsblk, const QString& mounts = QString(), const QString& swaps = QString(),
                          const QString& standIn = QString())
{
    return DiskInventory(LsblkReader::read(linuxInput(lsblk)), MountTable::parse(linuxInput(mounts)),
                         MountTable::swapSources(linuxInput(swaps)), standIn);
}

// The first line of a text that begins with the label (after blanks).
QString lineWith(const QStringList& lines, const QString& label)
{
    for (const QString& line : lines) {
        if (line.trimmed().startsWith(label))
            return line;
    }
    return QString();
}

// Where each field of a table row begins.
QList<int> fieldStarts(const QString& line)
{
    QList<int> starts;
    QRegularExpressionMatchIterator fields = QRegularExpression("\\S+").globalMatch(line);
    while (fields.hasNext())
        starts << fields.next().capturedStart();
    return starts;
}

// The USB list as the Burn page builds it from "diskutil list" and
// "diskutil info" of each external physical disk.
QStringList discoveredUsbDisks(const DiskInventory& inventory)
{
    QStringList found;
    for (QString line : DiskListFormatter::format(inventory).split('\n')) {
        if (!line.contains("external, physical"))
            continue;
        const QString device = line.remove("(external, physical):").trimmed();
        const BlockDevice* disk = inventory.resolve(device);
        const QString info = disk ? DiskInfoFormatter::format(inventory, *disk) : QString();
        bool usb = false;
        bool removable = false;
        for (const QString& infoLine : info.split('\n')) {
            usb = usb || (infoLine.contains("Protocol:") && infoLine.contains("USB"));
            const int at = infoLine.indexOf("Removable Media:");
            removable = removable || (at >= 0 && infoLine.indexOf("Removable", at + 1) > at);
        }
        if (usb && removable && !info.contains("Optical Drive Type:"))
            found << device;
    }
    return found;
}

} // namespace

class TestDiskToolsTexts : public QObject
{
    Q_OBJECT
private slots:
    void lsblkDevices_data();
    void lsblkDevices();
    void mountTableUnescapes_data();
    void mountTableUnescapes();
    void swapSources();
    void diskPlaces_data();
    void diskPlaces();
    void discoveryFindsRemovableUsbDisksOnly_data();
    void discoveryFindsRemovableUsbDisksOnly();
    void otherSystemsPartitionNames_data();
    void otherSystemsPartitionNames();
    void guardRefuses_data();
    void guardRefuses();
    void listHasTheRecordedColumns();
    void infoHasTheRecordedColumns_data();
    void infoHasTheRecordedColumns();
    void infoShowsMountPointOnlyWhenMounted_data();
    void infoShowsMountPointOnlyWhenMounted();
    void driveStatusAsRecorded_data();
    void driveStatusAsRecorded();
    void mountLinesReadAsCopyDiskReadsThem_data();
    void mountLinesReadAsCopyDiskReadsThem();
    void progressLines_data();
    void progressLines();
    void fatLabels_data();
    void fatLabels();
    void mountPlaces_data();
    void mountPlaces();
    void fat16CleanMark_data();
    void fat16CleanMark();
};

void TestDiskToolsTexts::lsblkDevices_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("type");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("removable");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("mountPoints");
    QTest::newRow("recorded loop stick, mounted through FUSE")
        << "lsblk-loop-stick.json" << "/dev/loop0p1" << "part" << qint64(66060288) << false << ""
        << QStringList{"/media/root/A B&'C"};
    QTest::newRow("USB stick partition") << "lsblk-usb-stick.json" << "/dev/sdb1" << "part" << qint64(15727591424)
                                         << true << "KINGSTON" << QStringList{"/media/ann/KINGSTON"};
    QTest::newRow("logical volume by mapper path") << "lsblk-nvme-laptop.json" << "/dev/mapper/vg-root" << "lvm"
                                                   << qint64(494380000000) << false << "" << QStringList{"/"};
    QTest::newRow("label with & and blanks") << "lsblk-sd-reader.json" << "/dev/sdd1" << "part" << qint64(63863521280)
                                             << true << "PHOTOS & CO" << QStringList{"/media/ann/PHOTOS & CO"};
    QTest::newRow("disc") << "lsblk-dvd-drive.json" << "/dev/sr0" << "rom" << qint64(3999268864) << true
                          << "Debian 12.4.0 amd64 1" << QStringList{"/media/ann/Debian 12.4.0 amd64 1"};
}

void TestDiskToolsTexts::lsblkDevices()
{
    QFETCH(QString, input);
    QFETCH(QString, path);
    const DiskInventory inventory = inventoryOf(input);
    const BlockDevice* device = inventory.resolve(path);
    QVERIFY(device);
    QTEST(device->type, "type");
    QTEST(device->size, "size");
    QTEST(device->removable, "removable");
    QTEST(device->label, "label");
    QTEST(device->mountPoints, "mountPoints");
}

void TestDiskToolsTexts::mountTableUnescapes_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<QString>("type");
    QTest::newRow("blank") << "/dev/sdc1" << "/media/ann/My Passport" << "fuseblk";
    QTest::newRow("& kept") << "/dev/sdd1" << "/media/ann/PHOTOS & CO" << "vfat";
    QTest::newRow("blank in the source") << "/home/ann/Downloads/grub rescue.iso" << "/media/ann/ISOIMAGE"
                                         << "fuse.fuseiso";
    QTest::newRow("tab, line feed, backslash") << "/dev/sdb2" << "/media/ann/tab\tand\nline\\end" << "vfat";
}

void TestDiskToolsTexts::mountTableUnescapes()
{
    QFETCH(QString, source);
    const QVector<MountEntry> entries = MountTable::parse(linuxInput("mounts-stick-and-disc.txt"));
    auto entry = std::find_if(entries.begin(), entries.end(), [&](const MountEntry& e) { return e.source == source; });
    QVERIFY(entry != entries.end());
    QTEST(entry->mountPoint, "mountPoint");
    QTEST(entry->type, "type");
}

void TestDiskToolsTexts::swapSources()
{
    QCOMPARE(MountTable::swapSources(linuxInput("swaps-partition-and-file.txt")),
             (QStringList{"/dev/sda3", "/swap file"}));
    QCOMPARE(MountTable::swapSources("Filename\tType\tSize\tUsed\tPriority\n"), QStringList());
}

void TestDiskToolsTexts::diskPlaces_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("mounts");
    QTest::addColumn<QString>("standIn");
    QTest::addColumn<QString>("disk");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("protocol");
    QTest::addColumn<bool>("removable");
    QTest::newRow("USB stick") << "lsblk-usb-stick.json" << "" << "" << "/dev/sdb" << "external, physical" << "USB"
                               << true;
    QTest::newRow("USB hard disk") << "lsblk-usb-stick.json" << "" << "" << "/dev/sdc" << "external, physical"
                                   << "USB" << false;
    QTest::newRow("SATA system disk") << "lsblk-usb-stick.json" << "" << "" << "/dev/sda" << "internal, physical"
                                      << "SATA" << false;
    QTest::newRow("NVMe") << "lsblk-nvme-laptop.json" << "" << "" << "/dev/nvme0n1" << "internal, physical"
                          << "PCI-Express" << false;
    QTest::newRow("built-in SD reader") << "lsblk-nvme-laptop.json" << "" << "" << "/dev/mmcblk0"
                                        << "internal, physical" << "Secure Digital" << true;
    QTest::newRow("SATA DVD writer") << "lsblk-dvd-drive.json" << "" << "" << "/dev/sr0" << "internal, physical"
                                     << "SATA" << true;
    QTest::newRow("loop device") << "lsblk-loop-stick.json" << "" << "" << "/dev/loop0" << "disk image"
                                 << "Disk Image" << false;
    QTest::newRow("another loop marked") << "lsblk-loop-stick.json" << "" << "/dev/loop7" << "/dev/loop0"
                                         << "disk image" << "Disk Image" << false;
    QTest::newRow("marked loop device") << "lsblk-loop-stick.json" << "mounts-fusefat-recorded.txt" << "/dev/loop0"
                                        << "/dev/loop0" << "external, physical" << "USB" << true;
}

void TestDiskToolsTexts::diskPlaces()
{
    QFETCH(QString, input);
    QFETCH(QString, mounts);
    QFETCH(QString, standIn);
    QFETCH(QString, disk);
    const DiskInventory inventory = inventoryOf(input, mounts, QString(), standIn);
    const BlockDevice* device = inventory.resolve(disk);
    QVERIFY(device);
    const DiskTraits traits = inventory.traits(*device);
    QTEST(DiskListFormatter::placeText(traits.place), "place");
    QTEST(traits.protocol, "protocol");
    QTEST(traits.removable, "removable");
}

void TestDiskToolsTexts::discoveryFindsRemovableUsbDisksOnly_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("mounts");
    QTest::addColumn<QString>("standIn");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("stick, not the USB hard disk nor the system disk")
        << "lsblk-usb-stick.json" << "" << "" << QStringList{"/dev/sdb"};
    QTest::newRow("laptop: neither NVMe nor SD card") << "lsblk-nvme-laptop.json" << "" << "" << QStringList();
    QTest::newRow("card reader with a card, not the empty slot") << "lsblk-sd-reader.json" << "" << ""
                                                                 << QStringList{"/dev/sdd"};
    QTest::newRow("no optical drive") << "lsblk-dvd-drive.json" << "" << "" << QStringList();
    QTest::newRow("unmarked loop device") << "lsblk-loop-stick.json" << "" << "" << QStringList();
    QTest::newRow("marked loop device") << "lsblk-loop-stick.json" << "mounts-fusefat-recorded.txt" << "/dev/loop0"
                                        << QStringList{"/dev/loop0"};
    QTest::newRow("older lsblk form") << "lsblk-older-form.json" << "" << "" << QStringList{"/dev/sdb"};
}

void TestDiskToolsTexts::discoveryFindsRemovableUsbDisksOnly()
{
    QFETCH(QString, input);
    QFETCH(QString, mounts);
    QFETCH(QString, standIn);
    QTEST(discoveredUsbDisks(inventoryOf(input, mounts, QString(), standIn)), "found");

    // The same disks holding a system folder are never offered.
    QVector<BlockDevice> disks = LsblkReader::read(linuxInput(input));
    for (BlockDevice& disk : disks) {
        for (BlockDevice& partition : disk.children)
            partition.mountPoints = QStringList{"/home"};
    }
    QCOMPARE(discoveredUsbDisks(DiskInventory(disks, {}, {}, standIn)), QStringList());
}

void TestDiskToolsTexts::otherSystemsPartitionNames_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("sdb1") << "lsblk-usb-stick.json" << "/dev/sdbs1" << "/dev/sdb1";
    QTest::newRow("whole disk") << "lsblk-usb-stick.json" << "/dev/sdb" << "/dev/sdb";
    QTest::newRow("no such partition") << "lsblk-usb-stick.json" << "/dev/sdbs2" << "";
    QTest::newRow("loop0p1") << "lsblk-loop-stick.json" << "/dev/loop0s1" << "/dev/loop0p1";
    QTest::newRow("nvme0n1p2") << "lsblk-nvme-laptop.json" << "/dev/nvme0n1s2" << "/dev/nvme0n1p2";
    QTest::newRow("unknown disk") << "lsblk-usb-stick.json" << "/dev/disk2s1" << "";
}

void TestDiskToolsTexts::otherSystemsPartitionNames()
{
    QFETCH(QString, input);
    QFETCH(QString, name);
    QFETCH(QString, path);
    const DiskInventory inventory = inventoryOf(input);
    const BlockDevice* device = inventory.resolve(name);
    QCOMPARE(device ? device->path : QString(), path);
}

void TestDiskToolsTexts::guardRefuses_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("swaps");
    QTest::addColumn<QString>("standIn");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("USB stick") << "lsblk-usb-stick.json" << "" << "" << "/dev/sdb" << "";
    QTest::newRow("system disk") << "lsblk-usb-stick.json" << "" << "" << "/dev/sda" << "system folder";
    QTest::newRow("partition") << "lsblk-usb-stick.json" << "" << "" << "/dev/sdb1" << "is a partition";
    QTest::newRow("outside /dev") << "lsblk-usb-stick.json" << "" << "" << "/etc/passwd" << "not a device under /dev";
    QTest::newRow("laptop disk: /boot, and / inside LVM") << "lsblk-nvme-laptop.json" << "" << ""
                                                         << "/dev/nvme0n1" << "system folder";
    QTest::newRow("SD card inside") << "lsblk-nvme-laptop.json" << "" << "" << "/dev/mmcblk0"
                                    << "not an external disk";
    QTest::newRow("optical drive") << "lsblk-dvd-drive.json" << "" << "" << "/dev/sr0" << "optical drive";
    QTest::newRow("unmarked loop device") << "lsblk-loop-stick.json" << "" << "" << "/dev/loop0" << "disk image";
    QTest::newRow("marked loop device") << "lsblk-loop-stick.json" << "" << "/dev/loop0" << "/dev/loop0" << "";
    QTest::newRow("swap elsewhere") << "lsblk-older-form.json" << "swaps-partition-and-file.txt" << ""
                                       << "/dev/sdb" << "";
}

void TestDiskToolsTexts::guardRefuses()
{
    QFETCH(QString, input);
    QFETCH(QString, swaps);
    QFETCH(QString, standIn);
    QFETCH(QString, path);
    QFETCH(QString, refusal);
    const DiskInventory inventory = inventoryOf(input, QString(), swaps, standIn);
    QString reason;
    const BlockDevice* disk = DiskGuard::changeableDisk(inventory, path, &reason);
    QCOMPARE(disk == nullptr, !refusal.isEmpty());
    QVERIFY2(reason.contains(refusal), qPrintable(reason));

    // A swap area on the stick makes it a system disk.
    if (refusal.isEmpty()) {
        const DiskInventory swapping(inventory.disks(), {}, {path + "1", "/dev/" + path.mid(5) + "p1"}, standIn);
        QVERIFY(!DiskGuard::changeableDisk(swapping, path, &reason));
        QVERIFY2(reason.contains("swap"), qPrintable(reason));
    }
}

void TestDiskToolsTexts::listHasTheRecordedColumns()
{
    const QStringList recorded = recordedLines("diskutil-list-corestorage.txt");
    const QStringList ours = DiskListFormatter::format(inventoryOf("lsblk-usb-stick.json")).split('\n');
    QCOMPARE(ours.value(0), QString("/dev/sda (internal, physical):"));
    QCOMPARE(ours.value(1), recorded.value(1)); // the column header
    // Whole disk and partition rows: the same columns as recorded.
    QCOMPARE(ours.value(2), QString("   0:      GUID_partition_scheme                        *500.1 GB   sda"));
    QCOMPARE(fieldStarts(ours.value(2)), fieldStarts(recorded.value(2)));
    QCOMPARE(ours.value(3), QString("   1:                        EFI                         536.9 MB   sda1"));
    QCOMPARE(fieldStarts(ours.value(3)).mid(2), fieldStarts(recorded.value(3)).mid(3));
    const int stick = ours.indexOf("/dev/sdb (external, physical):");
    QVERIFY(stick > 0);
    QCOMPARE(ours.value(stick + 2), QString("   0:     FDisk_partition_scheme                        *15.7 GB    sdb"));
    QCOMPARE(ours.value(stick + 3), QString("   1:                 DOS_FAT_32 KINGSTON                15.7 GB    sdb1"));
    QCOMPARE(fieldStarts(ours.value(stick + 3)).mid(2), fieldStarts(recorded.value(21)).mid(2));
    QCOMPARE(ours.value(stick + 4), QString());
}

void TestDiskToolsTexts::infoHasTheRecordedColumns_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    QTest::newRow("node") << "Device Node:" << "/dev/sdb1";
    QTest::newRow("volume") << "Volume Name:" << "KINGSTON";
    QTest::newRow("mount point") << "Mount Point:" << "/media/ann/KINGSTON";
    QTest::newRow("protocol") << "Protocol:" << "USB";
    QTest::newRow("size") << "Disk Size:" << "15.7 GB (15727591424 Bytes) (exactly 30717952 512-Byte-Units)";
    QTest::newRow("removable") << "Removable Media:" << "Removable";
}

void TestDiskToolsTexts::infoHasTheRecordedColumns()
{
    QFETCH(QString, label);
    QFETCH(QString, value);
    const DiskInventory inventory = inventoryOf("lsblk-usb-stick.json");
    const QStringList ours = DiskInfoFormatter::format(inventory, *inventory.resolve("/dev/sdbs1")).split('\n');
    const QString recorded = lineWith(recordedLines("diskutil-info-usb-partition.txt"), label);
    const QString line = lineWith(ours, label);
    QCOMPARE(line.indexOf(label), recorded.indexOf(label));
    QCOMPARE(line.mid(29), value);
    QVERIFY2(recorded.mid(29, 1) != " ", qPrintable(recorded)); // values begin at column 29 there too
}

void TestDiskToolsTexts::infoShowsMountPointOnlyWhenMounted_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("mounts");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<bool>("optical");
    QTest::newRow("unmounted partition") << "lsblk-nvme-laptop.json" << "" << "/dev/nvme0n1s3" << "" << false;
    QTest::newRow("mounted through FUSE") << "lsblk-loop-stick.json" << "mounts-fusefat-recorded.txt"
                                          << "/dev/loop0s1" << "/media/root/A B&'C" << false;
    QTest::newRow("blank and & kept") << "lsblk-sd-reader.json" << "" << "/dev/sdd1" << "/media/ann/PHOTOS & CO"
                                      << false;
    QTest::newRow("disc") << "lsblk-dvd-drive.json" << "" << "/dev/sr0" << "/media/ann/Debian 12.4.0 amd64 1"
                          << true;
    QTest::newRow("empty drive") << "lsblk-dvd-drive.json" << "" << "/dev/sr1" << "" << true;
}

void TestDiskToolsTexts::infoShowsMountPointOnlyWhenMounted()
{
    QFETCH(QString, input);
    QFETCH(QString, mounts);
    QFETCH(QString, device);
    QFETCH(QString, mountPoint);
    QFETCH(bool, optical);
    const DiskInventory inventory = inventoryOf(input, mounts);
    const QString info = DiskInfoFormatter::format(inventory, *inventory.resolve(device), "CD-ROM, DVD-ROM");
    const QString line = lineWith(info.split('\n'), "Mount Point:");
    QCOMPARE(line.isEmpty(), mountPoint.isEmpty());
    // As the application reads it: from the first "/" on, trimmed.
    QCOMPARE(line.isEmpty() ? QString() : line.mid(line.indexOf('/')).trimmed(), mountPoint);
    QCOMPARE(info.contains("Optical Drive Type:"), optical);
    QVERIFY(info.contains(QRegularExpression("Disk Size: +\\S.* \\(\\d+ Bytes\\) \\(exactly \\d+ 512-Byte-Units\\)")));
}

void TestDiskToolsTexts::driveStatusAsRecorded_data()
{
    QTest::addColumn<QString>("recording");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("revision");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    QTest::newRow("USB DVD writer") << "drutil-status-usb-dvd.txt" << "HL-DT-ST" << "DVDRAM GP65NS60" << "PF00"
                                    << "DVD-ROM" << "/dev/disk4";
    QTest::newRow("internal writer") << "drutil-status-internal-cd.txt" << "OPTIARC" << "DVD RW AD-5960S" << "2AP5"
                                     << "CD-ROM" << "/dev/disk1";
}

void TestDiskToolsTexts::driveStatusAsRecorded()
{
    QFETCH(QString, recording);
    QFETCH(QString, vendor);
    QFETCH(QString, product);
    QFETCH(QString, revision);
    QFETCH(QString, media);
    QFETCH(QString, name);
    const QStringList ours =
        OpticalTexts::driveStatus({OpticalDrive{vendor, product, revision, media, name}}).split('\n');
    QCOMPARE(ours.mid(0, 4), recordedLines(recording).mid(0, 4));

    const QStringList empty = OpticalTexts::driveStatus({OpticalDrive{vendor, product, revision, "", name}}).split('\n');
    QCOMPARE(empty.value(3), QString("           Type: No Media Inserted"));
    QVERIFY(!empty.join('\n').contains(" Name:"));

    // What a drive can do, from the kernel's table (a column per drive, newest first).
    const QByteArray table = linuxInput("cdrom-info-two-drives.txt");
    QCOMPARE(OpticalTexts::driveTypes(table, "sr0"), QString("CD-ROM, CD-R, CD-RW, DVD-ROM, DVD-R, DVD-RAM"));
    QCOMPARE(OpticalTexts::driveTypes(table, "sr1"), QString("CD-ROM, CD-R, CD-RW, DVD-ROM, DVD-R"));
    QCOMPARE(OpticalTexts::profileName(0x2B), QString("DVD+R DL"));
}

void TestDiskToolsTexts::mountLinesReadAsCopyDiskReadsThem_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("mountPoint");
    QTest::newRow("disc with blanks") << "/dev/sr0"
                                      << "/dev/sr0 on /media/ann/Debian 12.4.0 amd64 1 (iso9660, local, nodev, "
                                         "nosuid, read-only)"
                                      << "/media/ann/Debian 12.4.0 amd64 1";
    QTest::newRow("image through FUSE") << "/home/ann/Downloads/grub rescue.iso"
                                        << "/home/ann/Downloads/grub rescue.iso on /media/ann/ISOIMAGE "
                                           "(fuse.fuseiso, local, nodev, nosuid, read-only)"
                                        << "/media/ann/ISOIMAGE";
    QTest::newRow("system") << "/dev/sda2" << "/dev/sda2 on / (ext4, local)" << "/";
}

void TestDiskToolsTexts::mountLinesReadAsCopyDiskReadsThem()
{
    QFETCH(QString, device);
    QFETCH(QString, line);
    const QStringList ours = MountListFormatter::format(MountTable::parse(linuxInput("mounts-stick-and-disc.txt")))
                                 .split('\n');
    QVERIFY2(ours.contains(line), qPrintable(ours.join('\n')));
    // The recorded form: "DEVICE on FOLDER (TYPE, OPTIONS)".
    const QRegularExpression form("^(\\S.*) on (/.*) \\(([^()]+)\\)$");
    for (const QString& recorded : recordedLines("mount-cd-and-system.txt")) {
        if (recorded.startsWith("/dev/"))
            QVERIFY2(form.match(recorded).hasMatch(), qPrintable(recorded));
    }
    QVERIFY(form.match(line).hasMatch());
    // The Copy Disk page's reading: from the first "/" after the device to "(".
    const int slash = line.indexOf('/', device.size());
    const int open = line.indexOf('(', slash);
    QTEST(line.mid(slash, open - slash).trimmed(), "mountPoint");
}

void TestDiskToolsTexts::progressLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("recorder");
    QTest::addColumn<double>("fraction"); // -1: no progress
    QTest::newRow("xorriso") << "xorriso : UPDATE :   53 of  150 MB written (fifo 99%) [buf  50%]  42.6x." << true
                             << 53.0 / 150.0;
    QTest::newRow("xorriso note") << "Media summary: 1 session, 845 data blocks, 1690k data" << true << -1.0;
    QTest::newRow("genisoimage") << " 13.01% done, estimate finish Wed Dec  9 02:42:45 2026" << false << 0.1301;
}

void TestDiskToolsTexts::progressLines()
{
    QFETCH(QString, line);
    QFETCH(bool, recorder);
    QFETCH(double, fraction);
    const std::optional<double> read = recorder ? ToolProgress::fromRecorder(line) : ToolProgress::fromImageWriter(line);
    QCOMPARE(read.has_value(), fraction >= 0);
    if (!read)
        return;
    QVERIFY(qAbs(*read - fraction) < 1e-9);
    // As the pages read it back: the number after the key.
    const QString printed = ToolProgress::line(*read);
    QVERIFY(printed.endsWith('\n'));
    QVERIFY(qAbs(printed.section("DRStatusPercentCompleteKey:", 1).trimmed().toDouble() - fraction) < 1e-5);
}

void TestDiskToolsTexts::fatLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::newRow("blank, & and quote") << "A B&'C" << "A B&'C";
    QTest::newRow("forbidden characters") << "A.B:C*D\"E" << "A_B_C_D_E";
    QTest::newRow("longer than eleven") << "ABCDEFGHIJKLMN" << "ABCDEFGHIJK";
    QTest::newRow("outside ASCII") << QString::fromUtf8("ÄPFEL") << "_PFEL";
    QTest::newRow("blanks only") << "   " << "NONAME";
    QTest::newRow("trailing blank dropped") << "ABCDEFGHIJ K" << "ABCDEFGHIJ";
}

void TestDiskToolsTexts::fatLabels()
{
    QFETCH(QString, name);
    QTEST(FatLabel::from(name), "label");
}

void TestDiskToolsTexts::mountPlaces_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("path");
    QTest::newRow("label") << "A B&'C" << false << QStringList() << "/media/ann/A B&'C";
    QTest::newRow("taken once") << "NONAME" << false << QStringList{"/media/ann/NONAME"} << "/media/ann/NONAME 1";
    QTest::newRow("image: no blanks") << "Debian 12 amd64" << true << QStringList() << "/media/ann/Debian_12_amd64";
    QTest::newRow("image outside ASCII") << QString::fromUtf8("ÜBER") << true << QStringList() << "/media/ann/_BER";
    QTest::newRow("dot dot") << ".." << false << QStringList() << "/media/ann/Untitled";
}

void TestDiskToolsTexts::mountPlaces()
{
    QFETCH(QString, label);
    QFETCH(bool, plain);
    QFETCH(QStringList, taken);
    const QString folder = MountPlace::userFolder("ann");
    QTEST(MountPlace::firstFree(folder, MountPlace::folderName(label, plain), plain,
                                [&](const QString& path) { return taken.contains(path); }),
          "path");
    QCOMPARE(MountPlace::firstFree(folder, "X", false, [](const QString&) { return true; }), QString());
}

void TestDiskToolsTexts::fat16CleanMark_data()
{
    QTest::addColumn<QString>("fat");
    QTest::addColumn<int>("tables");
    QTest::newRow("FAT16") << "16" << 2;
    QTest::newRow("FAT32: untouched") << "32" << 0;
    QTest::newRow("FAT12: untouched") << "12" << 0;
}

void TestDiskToolsTexts::fat16CleanMark()
{
    QFETCH(QString, fat);
    QFETCH(int, tables);
    if (!QFileInfo("/usr/sbin/mkfs.vfat").isExecutable() || !QFileInfo("/usr/bin/mdir").isExecutable())
        QSKIP("needs dosfstools and mtools");
    const QString volume = freshDir("fat" + fat) + "/volume.img";
    const int kilobytes = fat == "32" ? 70000 : fat == "16" ? 40000 : 2000;
    runTool("/usr/sbin/mkfs.vfat", {"-F", fat, "-C", volume, QString::number(kilobytes)});
    QFile file(volume);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QVector<qint64> offsets = FatCleanMark::secondEntryOffsets(file.read(512));
    QCOMPARE(offsets.size(), tables);
    // What fusefat leaves behind.
    for (const qint64 offset : offsets) {
        file.seek(offset);
        QCOMPARE(file.read(2), QByteArray("\xff\xff", 2));
        file.seek(offset);
        file.write(QByteArray("\x00\x80", 2));
    }
    file.close();
    int status = 0;
    runTool("/usr/bin/mdir", {"-i", volume, "::/"}, &status);
    QCOMPARE(status != 0, tables > 0);
    QString error;
    QVERIFY2(FatCleanMark::markClean(volume, &error), qPrintable(error));
    runTool("/usr/bin/mdir", {"-i", volume, "::/"}, &status);
    QCOMPARE(status, 0);
    QVERIFY(FatCleanMark::secondEntryOffsets(QByteArray(512, '\0')).isEmpty());
}

QUILLMERE_TEST_MAIN(TestDiskToolsTexts)
#include "tst_disktoolstexts.moc"
