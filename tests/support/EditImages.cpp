#include "EditImages.h"

#include "TestSupport.h"
#include "services/Util.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>

namespace EditImages {

QByteArray randomBytes(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char(QRandomGenerator::global()->bounded(256));
    return data;
}

QByteArray hardDiskImage(quint32 sectors)
{
    QByteArray disk = randomBytes(int(sectors) * 512);
    QByteArray partitions(66, '\0');
    partitions[0] = char(0x80);
    partitions[4] = char(0x83);
    qToLittleEndian<quint32>(1, partitions.data() + 8);
    qToLittleEndian<quint32>(sectors - 1, partitions.data() + 12);
    partitions[64] = char(0x55);
    partitions[65] = char(0xAA);
    return disk.replace(446, 66, partitions);
}

QString buildIsolinuxImage(const QString& folder)
{
    const QString isolinux = "/usr/lib/ISOLINUX/isolinux.bin";
    const QString ldlinux = "/usr/lib/syslinux/modules/bios/ldlinux.c32";
    if (!QFile::exists(isolinux) || !QFile::exists(ldlinux))
        return QString();
    const QString root = folder + "/root";
    TestSupport::writeFile(root + "/isolinux/isolinux.bin", TestSupport::readFile(isolinux));
    TestSupport::writeFile(root + "/isolinux/ldlinux.c32", TestSupport::readFile(ldlinux));
    TestSupport::writeFile(root + "/isolinux/isolinux.cfg",
                           "SERIAL 0\nPROMPT 1\nTIMEOUT 0\nDEFAULT none\nLABEL none\n  KERNEL none\n");
    TestSupport::writeFile(root + "/docs/readme.txt", "read me\n");
    TestSupport::writeFile(root + "/docs/guide/chapter1.txt", QByteArray(5000, 'c'));
    TestSupport::writeFile(root + "/old.txt", "to be deleted\n");
    TestSupport::writeFile(root + "/data/keep.bin", QByteArray(70000, 'k'));
    const QString iso = folder + "/isolinux.iso";
    int code = -1;
    TestSupport::runTool("mkisofs",
                         {"-quiet", "-R", "-J", "-b", "isolinux/isolinux.bin", "-c", "isolinux/boot.cat",
                          "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table", "-o", iso, root},
                         &code);
    return code == 0 ? iso : QString();
}

QString buildIsolinuxUefiImage(const QString& folder)
{
    if (buildIsolinuxImage(folder).isEmpty())
        return QString();
    const QString root = folder + "/root";
    TestSupport::writeFile(root + "/efi.img", QByteArray(64 * 1024, '\0'));
    const QString iso = folder + "/isolinux-uefi.iso";
    int code = -1;
    TestSupport::runTool("mkisofs",
                         {"-quiet", "-R", "-J", "-b", "isolinux/isolinux.bin", "-c", "isolinux/boot.cat",
                          "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table", "-eltorito-alt-boot",
                          "-e", "efi.img", "-no-emul-boot", "-o", iso, root},
                         &code);
    return code == 0 ? iso : QString();
}

QString makeHybrid(const QString& iso, bool uefi)
{
    if (iso.isEmpty())
        return QString();
    int code = -1;
    TestSupport::runTool("isohybrid", uefi ? QStringList{"--uefi", iso} : QStringList{iso}, &code);
    return code == 0 ? iso : QString();
}

QString systemAreaSummary(const QString& iso)
{
    const QString report = QString::fromUtf8(
        TestSupport::runTool("xorriso", {"-indev", iso, "-report_system_area", "plain"}));
    for (const QString& line : report.split('\n')) {
        if (line.startsWith("System area summary:"))
            return line.mid(20).trimmed();
    }
    return QString();
}

QStringList bootEntries(const QString& iso)
{
    const QString report = QString::fromUtf8(
        TestSupport::runTool("xorriso", {"-indev", iso, "-report_el_torito", "plain"}));
    QStringList entries;
    for (const QString& line : report.split('\n')) {
        if (!line.startsWith("El Torito boot img :"))
            continue;
        const QStringList fields = line.mid(20).split(' ', Qt::SkipEmptyParts);
        if (fields.size() >= 7)
            entries << fields.at(1) + " " + fields.at(3) + " " + fields.at(6);
    }
    return entries;
}

QStringList bootImagePaths(const QString& iso)
{
    const QString report = QString::fromUtf8(
        TestSupport::runTool("xorriso", {"-indev", iso, "-report_el_torito", "plain"}));
    QStringList paths;
    for (const QString& line : report.split('\n')) {
        if (line.startsWith("El Torito boot img :"))
            paths << QString();
        else if (line.startsWith("El Torito img path :")) {
            const QStringList fields = line.mid(20).split(' ', Qt::SkipEmptyParts);
            const int index = fields.value(0).toInt() - 1;
            if (index >= 0 && index < paths.size())
                paths[index] = fields.value(1);
        }
    }
    return paths;
}

QStringList volumeLabels(const QString& iso)
{
    const QString report = QString::fromUtf8(TestSupport::runTool("isoinfo", {"-d", "-i", iso}));
    QStringList labels;
    for (const QString& line : report.split('\n')) {
        if (line.startsWith("Volume id:") || line.startsWith("Publisher id:") || line.startsWith("Data preparer id:")
            || line.startsWith("Application id:") || line.startsWith("Joliet with"))
            labels << line.trimmed();
    }
    return labels;
}

QStringList jolietNames(const QString& iso)
{
    const QString report = QString::fromUtf8(TestSupport::runTool("isoinfo", {"-J", "-f", "-i", iso}));
    QStringList names = report.split('\n', Qt::SkipEmptyParts);
    if (!volumeLabels(iso).join('|').contains("Joliet"))
        names.clear(); // isoinfo falls back to the primary tree
    names.sort();
    return names;
}

QStringList contentListing(const QString& iso)
{
    const QString listing = QString::fromUtf8(
        TestSupport::runTool(Util::GetCurrentExePath() + "/7z/7z", {"-scsUTF-8", "l", iso}));
    QStringList entries;
    bool inTable = false;
    for (const QString& line : listing.split('\n')) {
        if (line.startsWith("-------------------")) {
            if (inTable)
                break;
            inTable = true;
            continue;
        }
        if (!inTable || line.size() < 54)
            continue;
        const QString name = line.mid(53).trimmed();
        if (name.startsWith("[BOOT]"))
            continue;
        const bool folder = line.mid(20, 1) == "D";
        // mkisofs gives the boot catalog no length in the UDF tree that 7z
        // reads; the catalog itself is checked through xorriso's report.
        const bool catalog = name.endsWith("boot.cat") || name.endsWith("boot.catalog");
        entries << (folder ? name + "/" : catalog ? name : name + " " + line.mid(26, 12).trimmed());
    }
    entries.sort();
    return entries;
}

QString bootSerialOutput(const QString& iso, const QString& expected, int timeoutMs, bool hardDisk)
{
    QProcess qemu;
    qemu.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList drive = hardDisk ? QStringList{"-drive", "file=" + iso + ",format=raw,snapshot=on"}
                                       : QStringList{"-cdrom", iso};
    qemu.start("qemu-system-x86_64", drive + QStringList{"-display", "none", "-serial", "stdio", "-m", "64",
                                                         "-monitor", "none", "-no-reboot"});
    QString output;
    QElapsedTimer timer;
    timer.start();
    if (!qemu.waitForStarted(10000))
        return output;
    while (timer.elapsed() < timeoutMs && !output.contains(expected)) {
        qemu.waitForReadyRead(200);
        output += QString::fromLatin1(qemu.readAll());
    }
    qemu.kill();
    qemu.waitForFinished(5000);
    return output;
}

} // namespace EditImages
