#include "support/TestSupport.h"

#include "edit/BootLayout.h"
#include "edit/SaveArguments.h"
#include "services/Util.h"

#include <QFile>
#include <QRegularExpression>

using namespace TestSupport;

namespace {

const QString kIpxe = "/usr/lib/ipxe/ipxe.iso";

// "Pltf Emul Ldsiz" of every boot image line of xorriso's El Torito report.
QStringList bootEntries(const QString& iso)
{
    const QString report = QString::fromUtf8(
        runTool("xorriso", {"-indev", iso, "-report_el_torito", "plain"}));
    QStringList entries;
    for (const QString& line : report.split('\n')) {
        if (!line.startsWith("El Torito boot img :"))
            continue;
        const QStringList f = line.mid(20).split(' ', Qt::SkipEmptyParts);
        if (f.size() >= 7)
            entries << f.at(1) + " " + f.at(3) + " " + f.at(6);
    }
    return entries;
}

} // namespace

class TestSaveArguments : public QObject
{
    Q_OBJECT

private slots:
    void passesTheEmulationOfEachEntry()
    {
        SaveArguments arguments;
        BootImagePlan bios;
        bios.file = "isolinux/isolinux.bin";
        bios.loadSize = 4;
        bios.bootInfoTable = true;
        BootImagePlan uefi;
        uefi.file = "efi.img";
        uefi.platform = 0xEF;
        arguments.bootImages = {bios, uefi};
        arguments.catalogFile = "isolinux/boot.cat";
        QCOMPARE(arguments.build("/o.iso", "/w"),
                 QStringList({"-udf", "-R", "-b", "isolinux/isolinux.bin", "-no-emul-boot",
                              "-boot-load-size", "4", "-boot-info-table", "-eltorito-alt-boot",
                              "-e", "efi.img", "-no-emul-boot", "-c", "isolinux/boot.cat", "-o",
                              "/o.iso", "/w"}));

        BootImagePlan disk;
        disk.file = "disk.img";
        disk.media = 4;
        QCOMPARE(SaveArguments::entryOptions(disk), QStringList({"-b", "disk.img", "-hard-disk-boot"}));
        BootImagePlan floppy;
        floppy.file = "floppy.img";
        floppy.media = 2;
        QCOMPARE(SaveArguments::entryOptions(floppy), QStringList({"-b", "floppy.img"}));
    }

    void plainImagesAndLargeFiles()
    {
        SaveArguments arguments;
        QCOMPARE(arguments.build("/o.iso", "/w"), QStringList({"-udf", "-R", "-o", "/o.iso", "/w"}));
        arguments.allowLimitedSize = true;
        QCOMPARE(arguments.build("/o.iso", "/w").at(2), QString("-allow-limited-size"));

        const QString folder = freshDir("large");
        writeFile(folder + "/small.txt", "x");
        QVERIFY(!SaveArguments::holdsLimitedSizeFile(folder));
        QFile big(folder + "/sub/install.wim");
        QDir().mkpath(folder + "/sub");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(SaveArguments::kLimitedFileSize)); // sparse
        big.close();
        QVERIFY(SaveArguments::holdsLimitedSizeFile(folder));
    }

    void recognisesPatchedBootFiles()
    {
        QByteArray a(2048, 'a');
        QByteArray b = a;
        b[20] = 'b';
        QVERIFY(BootLayout::sameBootSector(a, b, true));
        QVERIFY(!BootLayout::sameBootSector(a, b, false));
        b[100] = 'b';
        QVERIFY(!BootLayout::sameBootSector(a, b, true));
    }

    // The working folder as 7z unpacks it, saved with the planned command:
    // the copy boots with the same entries as the original.
    void savedCopyKeepsEveryEntry()
    {
        if (!QFile::exists(kIpxe))
            QSKIP("ipxe not installed");
        const QString work = freshDir("ipxe-work") + "/";
        runTool(Util::GetCurrentExePath() + "/7z/7z", {"x", "-y", "-o" + work, kIpxe});
        QDir(work + "[BOOT]").removeRecursively();
        BootLayout layout;
        QVERIFY(layout.load(kIpxe));
        QCOMPARE(layout.entries().size(), 2);
        const SaveArguments arguments = layout.plan(work, kIpxe, QString());
        QCOMPARE(arguments.bootImages.at(0).file, QString("isolinux.bin"));
        QCOMPARE(arguments.bootImages.at(1).file, QString("efi.img"));
        QCOMPARE(arguments.catalogFile, QString("boot.cat"));
        const QString out = freshDir("ipxe-out") + "/copy.iso";
        int code = -1;
        runTool("mkisofs", arguments.build(out, work.chopped(1)), &code);
        QCOMPARE(code, 0);
        QCOMPARE(bootEntries(out), bootEntries(kIpxe));
        QCOMPARE(bootEntries(out).size(), 2);
        QVERIFY(!QFile::exists(work + "boot.bin"));
    }

    // A boot image that is no file of the image is carried as a copy.
    void bootImageOutsideTheFilesIsCopied()
    {
        if (!QFile::exists(kIpxe))
            QSKIP("ipxe not installed");
        const QString work = freshDir("ipxe-removed") + "/";
        runTool(Util::GetCurrentExePath() + "/7z/7z", {"x", "-y", "-o" + work, kIpxe});
        QDir(work + "[BOOT]").removeRecursively();
        QFile::remove(work + "efi.img");
        BootLayout layout;
        QVERIFY(layout.load(kIpxe));
        const SaveArguments arguments = layout.plan(work, kIpxe, QString());
        QCOMPARE(arguments.bootImages.at(1).file, QString("boot2.bin"));
        QCOMPARE(QFileInfo(work + "boot2.bin").size(), 1728 * 512);
    }
};

QUILLMERE_TEST_MAIN(TestSaveArguments)
#include "tst_savearguments.moc"
