#include "support/TestSupport.h"

#include "edit/BootLayout.h"
#include "edit/SaveArguments.h"
#include "services/Util.h"
#include "support/EditImages.h"

#include <QFile>
#include <QRegularExpression>

using namespace TestSupport;

namespace {

const QString kIpxe = "/usr/lib/ipxe/ipxe.iso";

} // namespace

using EditImages::bootEntries;

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

    // A hard-disk entry after the first is copied with its whole disk (the
    // entry itself counts one sector), so the saved image boots from it.
    void hardDiskEntryAfterTheFirstKeepsItsWholeDisk()
    {
        const QString root = freshDir("hd-second-src");
        writeFile(root + "/boot/loader.bin", EditImages::randomBytes(8192));
        const QByteArray disk = EditImages::hardDiskImage(2048);
        writeFile(root + "/disk.img", disk);
        const QString iso = freshDir("hd-second") + "/hd.iso";
        int code = -1;
        runTool("mkisofs",
                {"-quiet", "-R", "-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4", "-c", "boot.cat",
                 "-eltorito-alt-boot", "-b", "disk.img", "-hard-disk-boot", "-o", iso, root},
                &code);
        QCOMPARE(code, 0);
        QCOMPARE(bootEntries(iso).value(1), QString("BIOS hd 1"));

        const QString work = freshDir("hd-second-work") + "/";
        runTool(Util::GetCurrentExePath() + "/7z/7z", {"x", "-y", "-o" + work, iso});
        QDir(work + "[BOOT]").removeRecursively();
        QVERIFY(QFile::remove(work + "disk.img"));
        BootLayout layout;
        QVERIFY(layout.load(iso));
        const SaveArguments arguments = layout.plan(work, iso, QString());
        QCOMPARE(arguments.bootImages.size(), 2);
        QCOMPARE(arguments.bootImages.at(1).file, QString("boot2.bin"));
        QVERIFY(readFile(work + "boot2.bin") == disk);
        const QString out = freshDir("hd-second-out") + "/copy.iso";
        runTool("mkisofs", arguments.build(out, work.chopped(1)), &code);
        QCOMPARE(code, 0);
        QCOMPARE(bootEntries(out), bootEntries(iso));
    }
};

QUILLMERE_TEST_MAIN(TestSaveArguments)
#include "tst_savearguments.moc"
