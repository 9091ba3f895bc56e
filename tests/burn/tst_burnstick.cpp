// Burns through the Burn page with the real tools: a loop device stands in
// for a USB stick and a file for a blank disc (the disk tools' stand-ins).
// The sticks boot in QEMU: a Windows-like image with a BIOS to its /bootmgr
// and with UEFI to its EFI loader, an isolinux image to its own menu.
// Needs root, loop devices, FUSE and QEMU; skips where they are missing.
// About 20 s (the UEFI boot takes about 8 s).
#include "support/TestSupport.h"

#include "burn/CBurnDialog.h"
#include "services/Util.h"
#include "shell/Startup.h"
#include "support/BurnImages.h"
#include "support/BurnPageDriver.h"
#include "support/LoopDisk.h"
#include "widgets/CMyComboBox.h"
#include "widgets/CProgressDialog.h"

#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>

using namespace TestSupport;

namespace {

const char kIpxeIso[] = "/usr/lib/ipxe/ipxe.iso";

// The first partition's start in bytes, from sfdisk's dump of the disk;
// -1 unless it is one active FAT32 partition.
qint64 activeFatPartition(const QString& device)
{
    const QString dump = QString::fromUtf8(runTool("sfdisk", {"--dump", device}));
    const QRegularExpression line(": start= *(\\d+), size= *\\d+, type=c, bootable");
    const QRegularExpressionMatch match = line.match(dump);
    return match.hasMatch() && dump.count("start=") == 1 ? match.captured(1).toLongLong() * 512 : -1;
}

// A file of the FAT volume at offset of the disk image, read with mtools.
QByteArray volumeFile(const QString& image, qint64 offset, const QString& path)
{
    return runTool("mcopy", {"-n", "-i", image + "@@" + QString::number(offset), "::/" + path, "-"});
}

} // namespace

class TestBurnStick : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void windowsImageMakesAStickThatBoots();
    void isolinuxImageBootsItsOwnMenu();
    void discBurnWritesTheImage_data();
    void discBurnWritesTheImage();

private:
    QStringList burnToStick(LoopDisk& stick, const QString& iso);
    QWidget m_Window;
};

void TestBurnStick::initTestCase()
{
    const QString missing = LoopDisk::missingReason();
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    QVERIFY(QFileInfo(Util::GetCurrentExePath() + "/disktools/diskutil").isExecutable());
    Startup::putDiskToolsOnPath(Util::GetCurrentExePath());
    BurnImages::keepEnvironmentThroughSudo();
    m_Window.resize(860, 580);
    m_Window.show();
}

QStringList TestBurnStick::burnToStick(LoopDisk& stick, const QString& iso)
{
    qputenv("QUILLMERE_TEST_USB_DISK", stick.device().toUtf8());
    auto* page = new CBurnDialog(&m_Window);
    page->form().rusb->setChecked(true);
    const int listed = page->form().usblist->findText(stick.device());
    if (listed < 0)
        return {"the stick is not listed"};
    page->form().usblist->setCurrentIndex(listed);
    const QStringList texts = BurnPageDriver::clickBurn(
        page, iso, {ModalAnswerer::clickButton("btnok"), ModalAnswerer::clickButton("btnok")});
    stick.unmountAll();
    runTool("sync", {});
    return texts;
}

void TestBurnStick::windowsImageMakesAStickThatBoots()
{
    const QString source = freshDir("windows-like");
    const QString iso = BurnImages::windowsLikeImage(source, freshDir("stick-images") + "/windows.iso", true);
    QVERIFY(!iso.isEmpty());
    LoopDisk stick;
    QVERIFY(stick.isValid());
    const QStringList texts = burnToStick(stick, iso);
    QVERIFY2(texts.last() == "Burning Successfully...", qPrintable(texts.join(" | ")));
    const qint64 offset = activeFatPartition(stick.device());
    QVERIFY(offset > 0);
    QCOMPARE(QString::fromUtf8(volumeFile(stick.imagePath(), offset, "syslinux.cfg")),
             QString("default boot\nLABEL boot\nMENU LABEL boot\nCOM32 /syslinux/chain.c32\nAPPEND fs ntldr=/bootmgr\n"));
    for (const char* file : {"bootmgr", "sources/boot.wim", "sources/install.wim", "read me.txt", "EFI/BOOT/BOOTX64.EFI"})
        QVERIFY2(volumeFile(stick.imagePath(), offset, file) == readFile(source + "/" + file), file);
    QVERIFY(runTool("mdir", {"-b", "-i", stick.imagePath() + "@@" + QString::number(offset), "::/syslinux"})
                .contains("::/syslinux/chain.c32"));

    const QString missing = BurnImages::qemuMissing(true);
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    QString serial;
    QVERIFY2(BurnImages::bootShows(stick.imagePath(), BurnImages::kBootMarker, false, 60000, &serial),
             qPrintable(serial.right(400)));
    QVERIFY2(BurnImages::bootShows(stick.imagePath(), "iPXE initialising devices", true, 120000, &serial),
             qPrintable(serial.right(400)));
}

// Debian's iPXE image has no /bootmgr but an isolinux configuration: the
// stick hands over to it, and iPXE, which prints to the screen only, shows
// that it started by asking for an address with its name in the request.
void TestBurnStick::isolinuxImageBootsItsOwnMenu()
{
    if (!QFile::exists(kIpxeIso))
        QSKIP("needs /usr/lib/ipxe/ipxe.iso (package ipxe)");
    LoopDisk stick;
    QVERIFY(stick.isValid());
    const QStringList texts = burnToStick(stick, kIpxeIso);
    QVERIFY2(texts.last() == "Burning Successfully...", qPrintable(texts.join(" | ")));
    const qint64 offset = activeFatPartition(stick.device());
    QCOMPARE(QString::fromUtf8(volumeFile(stick.imagePath(), offset, "syslinux.cfg")),
             QString("default boot\nLABEL boot\nMENU LABEL boot\nCONFIG /isolinux.cfg /\n"));
    const QString missing = BurnImages::qemuMissing(false);
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    QVERIFY(BurnImages::bootSends(stick.imagePath(), "iPXE", 60000));
}

void TestBurnStick::discBurnWritesTheImage_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("blank disc") << true;
    QTest::newRow("unwritable drive") << false;
}

void TestBurnStick::discBurnWritesTheImage()
{
    QFETCH(bool, writable);
    const QString iso = BurnImages::windowsLikeImage(freshDir("disc-source"), freshDir("disc-images") + "/disc.iso");
    const QString disc = writable ? freshDir("disc") + "/blank" : freshDir("disc") + "/no such folder/blank";
    qputenv("QUILLMERE_TEST_OPTICAL_DRIVE", disc.toUtf8());
    auto* page = new CBurnDialog(&m_Window);
    QCOMPARE(page->form().dvdlist->count(), 1);
    int highest = 0;
    connect(page->progressDialog()->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged,
            [&](int value) { highest = qMax(highest, value); });
    const QStringList texts = BurnPageDriver::clickBurn(page, iso, {ModalAnswerer::clickButton("btnok")});
    qunsetenv("QUILLMERE_TEST_OPTICAL_DRIVE");
    if (!writable) {
        QVERIFY2(texts.last().startsWith("Burn Failed!"), qPrintable(texts.join(" | ")));
        return;
    }
    QVERIFY2(texts.last() == "Burning disc successfully.", qPrintable(texts.join(" | ")));
    QCOMPARE(highest, 100);
    const QByteArray image = readFile(iso);
    QVERIFY(readFile(disc).startsWith(image));
}

QUILLMERE_TEST_MAIN(TestBurnStick)
#include "tst_burnstick.moc"
