#include "support/TestSupport.h"

#include "edit/ElToritoCatalog.h"
#include "edit/IsoDirectory.h"
#include "services/Util.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>

using namespace TestSupport;

namespace {

const QString kGrub = "/usr/lib/grub-rescue/grub-rescue-cdrom.iso";
const QString kIpxe = "/usr/lib/ipxe/ipxe.iso";

QByteArray randomBytes(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char(QRandomGenerator::global()->bounded(256));
    return data;
}

// A disk image with one partition in its master boot record.
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
