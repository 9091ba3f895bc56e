#include "support/TestSupport.h"

#include "services/IsohybridTool.h"
#include "services/MasterBootRecord.h"
#include "support/EditImages.h"

// isohybrid's arguments, the boot files it accepts, its failure lines (as
// recorded from real runs) and the master boot record it leaves.
class TestIsohybridRules : public QObject
{
    Q_OBJECT

private slots:
    void argumentsNameTheUefiEntryOnlyWhenThereIsOne()
    {
        QCOMPARE(IsohybridTool::arguments("/x/a b.iso.part", false), QStringList{"/x/a b.iso.part"});
        QCOMPARE(IsohybridTool::arguments("/x/a.iso", true), (QStringList{"--uefi", "/x/a.iso"}));
        QVERIFY(QFileInfo(IsohybridTool::program()).isExecutable());
    }

    void bootFilesWithTheSignature_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("hasSignature");
        QTest::newRow("isolinux.bin") << "/usr/lib/ISOLINUX/isolinux.bin" << true;
        QTest::newRow("ldlinux.c32") << "/usr/lib/syslinux/modules/bios/ldlinux.c32" << false;
        QTest::newRow("isohybrid's own boot record") << "/usr/lib/ISOLINUX/isohdpfx.bin" << false;
    }

    void bootFilesWithTheSignature()
    {
        QFETCH(QString, file);
        QFETCH(bool, hasSignature);
        if (!QFile::exists(file))
            QSKIP("the file is not installed here");
        QCOMPARE(IsohybridTool::hasHybridSignature(TestSupport::readFile(file).left(256)), hasSignature);
        QVERIFY(!IsohybridTool::hasHybridSignature(QByteArray(0x42, '\0')));
    }

    void errorLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("error");
        QTest::newRow("not isolinux")
            << QStringList{"isohybrid: /o/a.iso.part: boot loader does not have an isolinux.bin hybrid signature. "
                           "Note that isolinux-debug.bin does not support hybrid booting"}
            << "boot loader does not have an isolinux.bin hybrid signature. Note that isolinux-debug.bin does "
               "not support hybrid booting";
        QTest::newRow("no UEFI entry") << QStringList{"isohybrid: /o/a.iso.part: unable to find efi image"}
                                       << "unable to find efi image";
        QTest::newRow("no file") << QStringList{"isohybrid: could not open file `/o/a.iso.part': No such file or "
                                                "directory"}
                                 << "could not open file `/o/a.iso.part': No such file or directory";
        QTest::newRow("warning, then the failure")
            << QStringList{"isohybrid: Warning: more than 1024 cylinders: 1100", "isohybrid: /o/a.iso.part: could "
                                                                                   "not find boot record"}
            << "could not find boot record";
        QTest::newRow("nothing of its own") << QStringList{"Segmentation fault"} << "";
    }

    void errorLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, error);
        QCOMPARE(IsohybridTool::errorLine(lines, "/o/a.iso.part"), error);
    }

    void recordsInTheFirstSector_data()
    {
        QTest::addColumn<QByteArray>("sector");
        QTest::addColumn<bool>("present");
        QByteArray signatureOnly(512, '\0');
        signatureOnly[510] = char(0x55);
        signatureOnly[511] = char(0xAA);
        QTest::newRow("zeros, as mkisofs writes") << QByteArray(512, '\0') << false;
        QTest::newRow("signature, no partition") << signatureOnly << false;
        QTest::newRow("one partition") << EditImages::hardDiskImage(8) << true;
        QTest::newRow("cut short") << EditImages::hardDiskImage(8).left(300) << false;
        QByteArray typeZero = signatureOnly;
        typeZero[446] = char(0x80);
        typeZero[446 + 12] = 8;
        QTest::newRow("active entry of type 0, as isohybrid --uefi writes") << typeZero << true;
    }

    void recordsInTheFirstSector()
    {
        QFETCH(QByteArray, sector);
        QFETCH(bool, present);
        QCOMPARE(MasterBootRecord::present(sector), present);
    }

    void realImages()
    {
        if (QFile::exists("/usr/lib/ipxe/ipxe.iso"))
            QVERIFY(MasterBootRecord::inFile("/usr/lib/ipxe/ipxe.iso"));
        if (QFile::exists("/usr/lib/grub-rescue/grub-rescue-cdrom.iso"))
            QVERIFY(MasterBootRecord::inFile("/usr/lib/grub-rescue/grub-rescue-cdrom.iso"));
        const QString plain = EditImages::buildIsolinuxImage(TestSupport::freshDir("isohybrid-plain"));
        if (!plain.isEmpty())
            QVERIFY(!MasterBootRecord::inFile(plain));
        QVERIFY(!MasterBootRecord::inFile("/no/such/image.iso"));
    }
};

QUILLMERE_TEST_MAIN(TestIsohybridRules)
#include "tst_isohybridrules.moc"
