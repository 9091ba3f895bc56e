#include "support/TestSupport.h"

#include "services/ElToritoCatalog.h"
#include "edit/BootLayout.h"
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

QByteArray bothEndian32(quint32 value)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    qToBigEndian<quint32>(value, bytes.data() + 4);
    return bytes;
}

quint32 le32At(const QString& iso, qint64 offset)
{
    QFile file(iso);
    file.open(QIODevice::ReadOnly);
    file.seek(offset);
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(file.read(4).constData()));
}

// The offset in the image of the record named name (as stored, upper case)
// in the first sector of the directory at extent.
qint64 recordOffset(const QString& iso, quint32 extent, const QByteArray& name)
{
    QFile file(iso);
    file.open(QIODevice::ReadOnly);
    file.seek(qint64(extent) * 2048);
    const QByteArray data = file.read(2048);
    for (int offset = 0; offset < data.size() && uchar(data.at(offset)) >= 34; offset += uchar(data.at(offset))) {
        if (data.mid(offset + 33, uchar(data.at(offset + 32))).startsWith(name))
            return qint64(extent) * 2048 + offset;
    }
    return -1;
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

    // Crafted images: what the readers read is bounded by the image, a
    // directory that names itself ends the walk, and a boot image that
    // would reach beyond the image's end is not copied.
    void craftedDirectoriesEndTheWalk_data()
    {
        QTest::addColumn<QString>("craft");
        // The boot file is still named: the walk reads the real part of a
        // long directory, and the Joliet tree (left whole) names it.
        QTest::addColumn<bool>("found");
        QTest::newRow("root declared 4 GiB long") << "huge root" << true;
        QTest::newRow("folder declared 4 GiB long") << "huge folder" << true;
        QTest::newRow("folder pointing to the root") << "loop to root" << true;
        QTest::newRow("folder holding itself") << "loop to itself" << true;
    }
    void craftedDirectoriesEndTheWalk()
    {
        QFETCH(QString, craft);
        QFETCH(bool, found);
        const QString iso = makeIso("crafted-dir", "boot/loader.bin", randomBytes(4096),
                                    {"-no-emul-boot", "-boot-load-size", "4"});
        ElToritoCatalog catalog;
        QVERIFY(catalog.read(iso));
        const quint32 loader = catalog.entries().at(0).loadRba;
        QCOMPARE(IsoDirectory::pathsAtSector(iso, loader), QStringList{"boot/loader.bin"});
        const quint32 rootExtent = le32At(iso, 16 * 2048 + 156 + 2);
        const qint64 folder = recordOffset(iso, rootExtent, "BOOT");
        QVERIFY(folder > 0);
        const quint32 folderExtent = le32At(iso, folder + 2);
        if (craft == "huge root") {
            patchByte(iso, 16 * 2048 + 156 + 10, bothEndian32(0xFFFFF800));
        } else if (craft == "huge folder") {
            patchByte(iso, folder + 10, bothEndian32(0xFFFFF800));
        } else if (craft == "loop to root") {
            patchByte(iso, folder + 2, bothEndian32(rootExtent));
        } else {
            // The loader's record becomes a folder that is the folder holding it.
            const qint64 file = recordOffset(iso, folderExtent, "LOADER");
            QVERIFY(file > 0);
            patchByte(iso, file + 25, "\x02");
            patchByte(iso, file + 2, bothEndian32(folderExtent));
        }
        QCOMPARE(IsoDirectory::pathsAtSector(iso, loader).contains("boot/loader.bin"), found);
        QFile file(iso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(IsoDirectory::pathsAtSectors(file, {loader, 3}).value(3).isEmpty());
    }

    void bootImageBeyondTheImageIsNotCopied_data()
    {
        QTest::addColumn<int>("media");
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("no emulation, 65535 sectors") << 0 << randomBytes(4096);
        // A first partition that ends near 2 GiB.
        QTest::newRow("hard disk, 2 GiB partition")
            << 4 << hardDiskImage(4).replace(446 + 12, 4, QByteArray("\xf0\xff\x3f\x00", 4));
    }
    void bootImageBeyondTheImageIsNotCopied()
    {
        QFETCH(int, media);
        QFETCH(QByteArray, image);
        const QString iso = makeIso("beyond-end", "boot.img", image,
                                    media == 4 ? QStringList{"-hard-disk-boot"} : QStringList{"-no-emul-boot"});
        QVERIFY(!iso.isEmpty());
        if (media == 0)
            patchByte(iso, qint64(catalogSector(iso)) * 2048 + 32 + 6, "\xff\xff");
        ElToritoCatalog catalog;
        QVERIFY(catalog.read(iso));
        QFile file(iso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(qint64(ElToritoCatalog::imageSectors(file, catalog.entries().at(0))) * 512 > file.size());
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(!ElToritoCatalog::copyImage(file, catalog.entries().at(0), out));
        QVERIFY(out.data().isEmpty());
        QFile::remove(m_Out + "/beyond.bin");
        Util::BootExtract(iso, m_Out + "/beyond.bin");
        QVERIFY(!QFile::exists(m_Out + "/beyond.bin"));
    }

    // A boot image that is no file of the image is copied into the working
    // folder at each save: the same copy is written over, no boot2.bin,
    // boot3.bin pile up.
    void savesWriteTheBootCopiesOverThemselves()
    {
        const QString iso = makeIso("hidden-boot", "hidden.img", randomBytes(4096),
                                    {"-no-emul-boot", "-hide", "hidden.img", "-hide-joliet", "hidden.img"});
        QVERIFY(!iso.isEmpty());
        BootLayout layout;
        QVERIFY(layout.load(iso));
        QVERIFY(layout.entries().at(0).candidates.isEmpty());
        const QString folder = freshDir("boot-copies") + "/";
        for (int save = 0; save < 3; ++save) {
            const SaveArguments arguments = layout.plan(folder, iso, QString());
            QCOMPARE(arguments.bootImages.size(), 1);
            QCOMPARE(arguments.bootImages.at(0).file, QString("boot.bin"));
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"boot.bin"});
        // A file the user put in its place is kept.
        writeFile(folder + "boot.bin", "the user's own");
        QCOMPARE(layout.plan(folder, iso, QString()).bootImages.at(0).file, QString("boot2.bin"));
        QCOMPARE(readFile(folder + "boot.bin"), QByteArray("the user's own"));
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
