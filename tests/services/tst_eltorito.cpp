#include "support/TestSupport.h"

#include "services/ElToritoCatalog.h"
#include "edit/IsoDirectory.h"
#include "services/Util.h"
#include "support/EditImages.h"

#include <QFile>
#include <QBuffer>
#include <QtEndian>

using namespace TestSupport;
using EditImages::hardDiskImage;
using EditImages::randomBytes;

namespace {

const QString kGrub = "/usr/lib/grub-rescue/grub-rescue-cdrom.iso";
const QString kIpxe = "/usr/lib/ipxe/ipxe.iso";

QString makeIso(const QString& name, const QString& bootFile, const QByteArray& bootData,
                const QStringList& bootOptions)
{
    const QString root = freshDir(name + "-src");
    writeFile(root + "/readme.txt", "hello\n");
    if (!bootFile.isEmpty())
        writeFile(root + "/" + bootFile, bootData);
    const QString iso = freshDir(name) + "/" + name + ".iso";
    QStringList arguments{"-quiet", "-R", "-J"};
    if (!bootFile.isEmpty())
        arguments << "-b" << bootFile << "-c" << "boot.cat" << bootOptions;
    arguments << "-o" << iso << root;
    int code = -1;
    runTool("mkisofs", arguments, &code);
    return code == 0 ? iso : QString();
}

void patchByte(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(offset));
    file.write(bytes);
}

quint32 catalogSector(const QString& iso)
{
    QFile file(iso);
    file.open(QIODevice::ReadOnly);
    file.seek(17 * 2048);
    return quint32(ElToritoCatalog::catalogSectorOf(file.read(2048)));
}

} // namespace

class TestElTorito : public QObject
{
    Q_OBJECT

private:
    QString m_Out;

    // The reader's output must be the bytes geteltorito writes, or no file
    // at all where geteltorito refuses the image.
    void compareWithGeteltorito(const QString& iso)
    {
        const QString reference = m_Out + "/ref.bin";
        const QString ours = m_Out + "/ours.bin";
        QFile::remove(reference);
        QFile::remove(ours);
        runTool("geteltorito", {"-o", reference, iso});
        Util::BootExtract(iso, ours);
        QCOMPARE(QFile::exists(ours), QFile::exists(reference));
        if (QFile::exists(reference))
            QVERIFY(readFile(ours) == readFile(reference));
    }

private slots:
    void initTestCase() { m_Out = freshDir("eltorito-out"); }

    void matchesGeteltoritoOnShippedImages_data()
    {
        QTest::addColumn<QString>("iso");
        QTest::newRow("grub rescue") << kGrub;
        QTest::newRow("ipxe") << kIpxe;
    }
    void matchesGeteltoritoOnShippedImages()
    {
        QFETCH(QString, iso);
        if (!QFile::exists(iso))
            QSKIP("image not installed");
        compareWithGeteltorito(iso);
        QVERIFY(QFile::exists(m_Out + "/ours.bin"));
    }

    void matchesGeteltoritoOnMadeImages()
    {
        const QString noEmulation = makeIso("noemul", "boot/loader.bin", randomBytes(8192),
                                            {"-no-emul-boot", "-boot-load-size", "4"});
        const QString floppy = makeIso("floppy", "floppy.img", randomBytes(1474560), {});
        const QString hardDisk = makeIso("harddisk", "disk.img", hardDiskImage(2048), {"-hard-disk-boot"});
        const QString notBootable = makeIso("noboot", "boot/loader.bin", randomBytes(4096),
                                            {"-no-emul-boot", "-no-boot"});
        const QString plain = makeIso("plain", QString(), QByteArray(), {});
        for (const QString& iso : {noEmulation, floppy, hardDisk, notBootable, plain}) {
            QVERIFY(!iso.isEmpty());
            compareWithGeteltorito(iso);
        }
        Util::BootExtract(noEmulation, m_Out + "/noemul.bin");
        QCOMPARE(QFileInfo(m_Out + "/noemul.bin").size(), 2048);
        Util::BootExtract(floppy, m_Out + "/floppy.bin");
        QCOMPARE(QFileInfo(m_Out + "/floppy.bin").size(), 1474560);
        Util::BootExtract(hardDisk, m_Out + "/disk.bin");
        QCOMPARE(QFileInfo(m_Out + "/disk.bin").size(), 2048 * 512);
        QVERIFY(!QFile::exists(m_Out + "/ours.bin")); // the plain image, last
    }

    void refusesDamagedImages()
    {
        const QByteArray loader = randomBytes(8192);
        const QStringList options{"-no-emul-boot", "-boot-load-size", "4"};
        const QString descriptor = makeIso("baddesc", "loader.bin", loader, options);
        patchByte(descriptor, 17 * 2048 + 7, "X");
        const QString validation = makeIso("badvalid", "loader.bin", loader, options);
        patchByte(validation, qint64(catalogSector(validation)) * 2048 + 30, "\x54");
        const QString beyond = makeIso("beyond", "loader.bin", loader, options);
        QByteArray far(4, '\0');
        qToLittleEndian<quint32>(500000, far.data());
        patchByte(beyond, 17 * 2048 + 71, far);
        for (const QString& iso : {descriptor, validation, beyond}) {
            compareWithGeteltorito(iso);
            QVERIFY(!QFile::exists(m_Out + "/ours.bin"));
            QVERIFY(!Util::BootExtract(iso, m_Out + "/ours.bin"));
        }
        QFile shortFile(m_Out + "/short.iso");
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(QByteArray(36000, '\0'));
        shortFile.close();
        QVERIFY(!Util::BootExtract(shortFile.fileName(), m_Out + "/ours.bin"));
    }

    void readsEveryCatalogEntry()
    {
        if (!QFile::exists(kIpxe) || !QFile::exists(kGrub))
            QSKIP("images not installed");
        ElToritoCatalog ipxe;
        QVERIFY(ipxe.read(kIpxe));
        QCOMPARE(ipxe.entries().size(), 2);
        const BootEntry bios = ipxe.entries().at(0);
        const BootEntry uefi = ipxe.entries().at(1);
        QCOMPARE(bios.platform, 0);
        QVERIFY(bios.bootable && bios.isNoEmulation() && bios.bootInfoTable);
        QCOMPARE(int(bios.sectorCount), 4);
        QCOMPARE(bios.loadRba, 466u);
        QCOMPARE(uefi.platform, 0xEF);
        QCOMPARE(int(uefi.sectorCount), 1728);
        QCOMPARE(uefi.loadRba, 34u);
        QVERIFY(!uefi.bootInfoTable);

        ElToritoCatalog grub;
        QVERIFY(grub.read(kGrub));
        QCOMPARE(grub.entries().size(), 1);
        QVERIFY(grub.entries().at(0).bootInfoTable);
    }

    void namesTheFilesThatHoldBootImages()
    {
        if (!QFile::exists(kIpxe) || !QFile::exists(kGrub))
            QSKIP("images not installed");
        QCOMPARE(IsoDirectory::pathsAtSector(kIpxe, 466), QStringList{"isolinux.bin"});
        QCOMPARE(IsoDirectory::pathsAtSector(kIpxe, 34), QStringList{"efi.img"});
        QCOMPARE(IsoDirectory::pathsAtSector(kIpxe, 33), QStringList{"boot.cat"});
        ElToritoCatalog grub;
        QVERIFY(grub.read(kGrub));
        QVERIFY(IsoDirectory::pathsAtSector(kGrub, grub.entries().at(0).loadRba)
                    .contains("boot/grub/i386-pc/eltorito.img"));
        QVERIFY(IsoDirectory::pathsAtSector(kGrub, 3).isEmpty());
    }

    void imageSizeFollowsTheEmulation_data()
    {
        QTest::addColumn<int>("media");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("image"); // what lies at the load sector
        QTest::addColumn<int>("sectors");
        const QByteArray noTable(2048, '\0');
        // A first partition of 0xFFFFFFF0 sectors.
        const QByteArray huge = hardDiskImage(4).replace(446 + 12, 4, QByteArray("\xf0\xff\xff\xff", 4));
        QTest::newRow("no emulation") << 0 << 4 << noTable << 4;
        QTest::newRow("1.2 MB diskette") << 1 << 1 << noTable << 2400;
        QTest::newRow("1.44 MB diskette") << 2 << 1 << noTable << 2880;
        QTest::newRow("2.88 MB diskette") << 3 << 1 << noTable << 5760;
        QTest::newRow("hard disk: end of its first partition") << 4 << 1 << hardDiskImage(2048) << 2048;
        QTest::newRow("hard disk without partitions") << 4 << 1 << noTable << 1;
        QTest::newRow("hard disk beyond 2 GiB") << 4 << 1 << huge << 1;
        QTest::newRow("hard disk cut short") << 4 << 1 << QByteArray(100, 'x') << 1;
        QTest::newRow("unknown") << 7 << 9 << noTable << 9;
    }
    void imageSizeFollowsTheEmulation()
    {
        QFETCH(int, media);
        QFETCH(int, count);
        QFETCH(QByteArray, image);
        QFETCH(int, sectors);
        QByteArray iso = QByteArray(3 * 2048, '\0') + image;
        QBuffer device(&iso);
        QVERIFY(device.open(QIODevice::ReadOnly));
        BootEntry entry;
        entry.media = media;
        entry.sectorCount = quint16(count);
        entry.loadRba = 3;
        QCOMPARE(ElToritoCatalog::imageSectors(device, entry), sectors);
    }

    void parsesSectionsAndSkipsExtensions()
    {
        QByteArray catalog(2048, '\0');
        catalog[0] = 1;
        catalog[30] = char(0x55);
        catalog[31] = char(0xAA);
        catalog[32] = char(0x88);
        catalog[64] = char(0x90);
        catalog[65] = 0;
        catalog[66] = 1;
        catalog[96] = char(0x88);
        catalog[97] = 4;
        catalog[128] = 0x44; // extension of the entry before
        catalog[160] = char(0x91);
        catalog[161] = char(0xEF);
        catalog[162] = 1;
        catalog[192] = char(0x88);
        const QList<BootEntry> entries = ElToritoCatalog::parseCatalog(catalog);
        QCOMPARE(entries.size(), 3);
        QVERIFY(entries.at(1).isHardDisk());
        QCOMPARE(entries.at(2).platform, 0xEF);
        catalog[31] = 0;
        QVERIFY(ElToritoCatalog::parseCatalog(catalog).isEmpty());
    }
};

QUILLMERE_TEST_MAIN(TestElTorito)
#include "tst_eltorito.moc"
