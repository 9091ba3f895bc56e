#include "support/TestSupport.h"

#include "burn/CBurnDialog.h"
#include "services/BootStep.h"
#include "services/Util.h"
#include "support/BurnImages.h"
#include "support/BurnPageDriver.h"
#include "support/OwnAppFolder.h"
#include "widgets/CMyComboBox.h"
#include "widgets/CProgressDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

using namespace TestSupport;

namespace {

const qint64 kMargin = 52428800;

QString wimRecord()
{
    return QDir::tempPath() + "/quillmere-burnrun-wimlib.txt";
}

bool journalHas(const QString& start)
{
    for (const QString& call : BurnPageDriver::journal())
        if (call.startsWith(start))
            return true;
    return false;
}

} // namespace

class TestBurnRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void refusedBurnsEraseNothing_data();
    void refusedBurnsEraseNothing();
    void usbBurnRunsEveryStepInOrder();
    void partitionAndBootArguments_data();
    void partitionAndBootArguments();
    void failedStepIsReportedAsAFailure_data();
    void failedStepIsReportedAsAFailure();
    void largeWimIsSplit();
    void burnCannotBeClosed();
    void copyProgress_data();
    void copyProgress();
    void discBurn_data();
    void discBurn();
    void discProgress_data();
    void discProgress();

private:
    QString m_Source;
    QString m_Iso;
};

// A small Windows-like image; a stand-in for wimlib-imagex that records
// its arguments and writes the part it is asked for.
void TestBurnRun::initTestCase()
{
    m_Source = freshDir("image-source");
    m_Iso = BurnImages::windowsLikeImage(m_Source, freshDir("images") + "/Image.ISO");
    QVERIFY(!m_Iso.isEmpty());
    const QString wimlib = Util::GetCurrentExePath() + "/wimlib-imagex/wimlib-imagex";
    QFile::remove(wimlib);
    writeFile(wimlib, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + wimRecord().toUtf8() + "'\n: > \"$3\"\n");
    QFile::setPermissions(wimlib, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestBurnRun::refusedBurnsEraseNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("notice");
    QTest::newRow("not an .iso name") << "img" << "Burn Failed!";
    QTest::newRow("missing image") << "missing" << "Burn Failed!";
    QTest::newRow("no USB drive") << "no drive" << "Please insert your USB drive to computer";
    QTest::newRow("not confirmed") << "declined" << "";
    QTest::newRow("one byte too small") << "small" << "Insufficient space on disk";
    QTest::newRow("another disk since listing") << "resized" << "is no longer the drive that was listed";
    QTest::newRow("no longer removable") << "fixed" << "is no longer the drive that was listed";
}

void TestBurnRun::refusedBurnsEraseNothing()
{
    QFETCH(QString, situation);
    QFETCH(QString, notice);
    BurnPageDriver driver;
    const qint64 isoSize = QFileInfo(m_Iso).size();
    if (situation == "no drive")
        driver.diskutil.on("list", {});
    if (situation == "small")
        driver.setStick(isoSize + kMargin - 1);
    CBurnDialog* page = driver.openPage();
    // Another disk takes the device's place while the user confirms.
    ModalAnswerer::Answer confirm = ModalAnswerer::clickButton("btnok");
    if (situation == "declined")
        confirm = ModalAnswerer::clickButton("btnclose");
    if (situation == "resized" || situation == "fixed") {
        const QByteArray other = situation == "fixed" ? BurnPageDriver::stickInfo("/dev/disk2", 16008609792, false)
                                                      : BurnPageDriver::stickInfo("/dev/disk2", qint64(32) << 30);
        confirm = [&driver, other](QWidget* modal) {
            driver.diskutil.on("info /dev/disk2", {other});
            return ModalAnswerer::clickButton("btnok")(modal);
        };
    }
    QString iso = m_Iso;
    if (situation == "img")
        iso = writeFile(freshDir("img") + "/image.img", readFile(m_Iso));
    if (situation == "missing")
        iso = freshDir("missing") + "/gone.iso";
    const QStringList texts = driver.burnUsb(page, iso, {confirm, ModalAnswerer::clickButton("btnok")});
    if (notice.isEmpty())
        QCOMPARE(texts.size(), 1);
    else
        QVERIFY2(texts.last().contains(notice), qPrintable(texts.join(" | ")));
    QVERIFY(!journalHas("diskutil partitionDisk") && !journalHas("sudo"));
    if (situation == "fixed")
        QCOMPARE(page->form().usblist->count(), 0); // read again: the disk is no longer offered
}

void TestBurnRun::usbBurnRunsEveryStepInOrder()
{
    BurnPageDriver driver;
    const QString victim = freshDir("victim") + "/planted";
    QFile::remove(BootStep::logPath());
    QVERIFY(QFile::link(victim, BootStep::logPath()));
    driver.sudo.otherwise({"make it bootable\n"});
    CBurnDialog* page = driver.openPage();
    const QStringList texts = driver.burnUsb(page, m_Iso, BurnPageDriver::confirmAndClose());
    QCOMPARE(texts.last(), QString("Burning Successfully..."));
    const QString app = Util::GetCurrentExePath();
    const QString volume = driver.volume();
    QCOMPARE(BurnPageDriver::journal(),
             (QStringList{"hdiutil mount " + m_Iso, "hdiutil unmount " + driver.imageFolder(),
                          "diskutil info /dev/disk2", "sync", "diskutil info /dev/disk2",
                          "diskutil partitionDisk /dev/disk2 1 MBR FAT32 NONAME R", "diskutil info /dev/disk2s1",
                          "diskutil unmountDisk /dev/disk2", "sudo --askpass " + app + "/mkbootable /dev/disk2 " + volume,
                          "diskutil info /dev/disk2s1", "sync", "sync", "sync", "sync"}));
    QCOMPARE(QString::fromUtf8(readFile(volume + "/syslinux.cfg")),
             QString("default boot\nLABEL boot\nMENU LABEL boot\nCOM32 /syslinux/chain.c32\nAPPEND fs ntldr=/bootmgr\n"));
    for (const char* file : {"bootmgr", "sources/boot.wim", "sources/install.wim", "read me.txt"})
        QCOMPARE(readFile(volume + "/" + file), readFile(m_Source + "/" + file));
    // The boot step's log replaced the planted link instead of writing through it.
    QVERIFY(!QFile::exists(victim));
    QVERIFY(!QFileInfo(BootStep::logPath()).isSymLink());
    QCOMPARE(BootStep::lastLogLine(), QString("make it bootable"));
}

void TestBurnRun::partitionAndBootArguments_data()
{
    QTest::addColumn<qint64>("extra"); // drive size beyond the image
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("personality");
    QTest::addColumn<QString>("volume");
    QTest::newRow("FAT on 16 GB") << qint64(16) << "FAT" << "" << "FAT32" << "NONAME";
    QTest::newRow("FAT on 2 GB") << qint64(2) << "FAT" << "data" << "MS-DOS FAT16" << "DATA";
    QTest::newRow("room to spare of exactly 50 MiB") << qint64(0) << "FAT32" << "   " << "FAT32" << "NONAME";
    QTest::newRow("semicolon") << qint64(16) << "FAT32" << "A;B" << "FAT32" << "A;B";
    QTest::newRow("blank") << qint64(16) << "FAT32" << " A B " << "FAT32" << "A B";
    QTest::newRow("single quote") << qint64(16) << "FAT32" << "A'B" << "FAT32" << "A'B";
}

void TestBurnRun::partitionAndBootArguments()
{
    QFETCH(qint64, extra);
    QFETCH(QString, fileSystem);
    QFETCH(QString, label);
    QFETCH(QString, personality);
    QFETCH(QString, volume);
    BurnPageDriver driver;
    const qint64 size = extra ? extra * 1000000000 : QFileInfo(m_Iso).size() + kMargin;
    const QString mountPoint = freshDir("Volumes") + "/" + volume;
    driver.setStick(size, mountPoint);
    CBurnDialog* page = driver.openPage();
    page->form().rusb->setChecked(true);
    page->form().sysfilelist->setCurrentText(fileSystem);
    page->form().volumelab->setText(label);
    QCOMPARE(driver.burnUsb(page, m_Iso, BurnPageDriver::confirmAndClose()).last(), QString("Burning Successfully..."));
    QVERIFY(driver.diskutil.calls().contains({"partitionDisk", "/dev/disk2", "1", "MBR", personality, volume, "R"}));
    QCOMPARE(driver.sudo.calls(),
             (QList<QStringList>{{"--askpass", Util::GetCurrentExePath() + "/mkbootable", "/dev/disk2", mountPoint}}));
    QVERIFY(QFile::exists(mountPoint + "/read me.txt"));
}

void TestBurnRun::failedStepIsReportedAsAFailure_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("notReached");
    QTest::newRow("partitioning") << "partition" << "Formatting the USB drive"
                                  << "Error: -69877: Couldn't open device" << "diskutil unmountDisk";
    QTest::newRow("no new volume") << "volume" << "Formatting the USB drive" << "was not mounted" << "sudo";
    QTest::newRow("unmounting") << "unmount" << "Unmounting the USB drive"
                                << "Unmount of disk2 failed: at least one volume could not be unmounted" << "sudo";
    QTest::newRow("wrong password") << "sudo" << "Making the USB drive bootable"
                                    << "sudo: no password was provided" << "sync";
    QTest::newRow("not an image") << "copy" << "Copying the content of the image" << "ERROR" << "hdiutil unmount -force";
}

void TestBurnRun::failedStepIsReportedAsAFailure()
{
    QFETCH(QString, failing);
    QFETCH(QString, step);
    QFETCH(QString, line);
    QFETCH(QString, notReached);
    BurnPageDriver driver;
    if (failing == "partition")
        driver.diskutil.on("partitionDisk *", {"Started partitioning on disk2\n" + line.toUtf8() + "\n", 1});
    if (failing == "volume")
        driver.diskutil.on("info /dev/disk2s1", {BurnPageDriver::stickInfo("/dev/disk2s1", 16008609792)});
    if (failing == "unmount")
        driver.diskutil.on("unmountDisk *", {line.toUtf8() + "\n", 1});
    if (failing == "sudo")
        driver.sudo.otherwise({"Sorry, try again.\n" + line.toUtf8() + "\n", 1});
    CBurnDialog* page = driver.openPage();
    const QString iso = failing == "copy" ? writeFile(freshDir("bad") + "/bad.iso", "not an image") : m_Iso;
    const QStringList texts = driver.burnUsb(page, iso, BurnPageDriver::confirmAndClose());
    QVERIFY2(texts.last().startsWith("Burn Failed!") && texts.last().contains(step + ":\n") &&
                 texts.last().contains(line),
             qPrintable(texts.last()));
    QVERIFY(!journalHas(notReached) || failing == "sudo");
    if (failing == "sudo")
        QCOMPARE(BurnPageDriver::journal().last().left(4), QString("sudo"));
}

// The image's archive is 4 GiB (a sparse file in the folder the image is
// "mounted" at): it is left out of the copy and split onto the drive.
void TestBurnRun::largeWimIsSplit()
{
    BurnPageDriver driver;
    QFile wim(driver.imageFolder() + "/sources/install.wim");
    QVERIFY(QDir().mkpath(driver.imageFolder() + "/sources") && wim.open(QIODevice::WriteOnly));
    QVERIFY(wim.resize(qint64(4) << 30));
    wim.close();
    QFile::remove(wimRecord());
    CBurnDialog* page = driver.openPage();
    QCOMPARE(driver.burnUsb(page, m_Iso, BurnPageDriver::confirmAndClose()).last(), QString("Burning Successfully..."));
    const QString volume = driver.volume();
    QVERIFY(!QFile::exists(volume + "/sources/install.wim"));
    QVERIFY(QFile::exists(volume + "/sources/boot.wim"));
    QCOMPARE(QString::fromUtf8(readFile(wimRecord())).split('\n'),
             (QStringList{"split", wim.fileName(), volume + "/sources/install.swm", " 3800", ""}));
    QCOMPARE(BurnPageDriver::journal().mid(BurnPageDriver::journal().size() - 3),
             (QStringList{"sync", "sync", "hdiutil unmount -force " + driver.imageFolder()}));
}

void TestBurnRun::burnCannotBeClosed()
{
    BurnPageDriver driver;
    driver.diskutil.on("partitionDisk *", {"", 0, 1500});
    CBurnDialog* page = driver.openPage();
    bool stayed = false;
    QTimer::singleShot(800, page, [&] {
        page->close();
        QTest::keyClick(page->progressDialog(), Qt::Key_Escape);
        stayed = page->isVisible() && page->progressDialog()->isVisible() && page->isBurning();
    });
    QCOMPARE(driver.burnUsb(page, m_Iso, BurnPageDriver::confirmAndClose()).last(), QString("Burning Successfully..."));
    QVERIFY(stayed);
    page->close();
    QVERIFY(!page->isVisible());
}

void TestBurnRun::copyProgress_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("entry");
    QTest::newRow("entry") << "  5% 3 - sources/boot.wim" << 5 << "sources/boot.wim";
    QTest::newRow("count only") << " 45% 120" << 45 << "";
    QTest::newRow("only a percentage") << "100%" << 7 << "";
    QTest::newRow("redrawn") << "  0%\b\b\b\b    \b\b\b\b 71% 3 - sub/huge.bin\b\b\b" << 71 << "sub/huge.bin";
}

void TestBurnRun::copyProgress()
{
    QFETCH(QString, line);
    QFETCH(int, value);
    QFETCH(QString, entry);
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    page->progressDialog()->SetRange(0, 100);
    page->progressDialog()->SetValue(7);
    page->onUSBBurnOutput(line);
    QCOMPARE(page->progressDialog()->value(), value);
    if (value != 7)
        QCOMPARE(page->progressDialog()->text(), "Burning the USB disk..." + (entry.isEmpty() ? "" : "\n" + entry));
}

void TestBurnRun::discBurn_data()
{
    QTest::addColumn<bool>("drive");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("burned") << true << 0 << "Burning disc successfully.";
    QTest::newRow("no blank disc") << true << 1 << "hdiutil: burn failed - No media in drive";
    QTest::newRow("no drive listed") << false << 0 << "";
}

void TestBurnRun::discBurn()
{
    QFETCH(bool, drive);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    BurnPageDriver driver;
    if (!drive)
        driver.drutil.on("status", {});
    const QByteArray progress = "DRStatusPercentCompleteKey: 0.5\nDRStatusPercentCompleteKey: 1\n";
    driver.hdiutil.on("burn *", {exitCode ? progress + message.toUtf8() + "\n" : progress, exitCode, 300});
    CBurnDialog* page = driver.openPage();
    page->form().isofile->setText(m_Iso);
    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok")});
    answerer.closeUnexpected();
    int highest = 0;
    connect(page->progressDialog()->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged,
            [&](int value) { highest = qMax(highest, value); });
    page->onBurn();
    QVERIFY(waitUntil([&] { return !page->isBurning() && (answerer.allAnswered() || !drive); }, 20000));
    QCOMPARE(answerer.unexpected(), QStringList());
    if (!drive) {
        QVERIFY(!journalHas("hdiutil burn"));
        QCOMPARE(answerer.answered(), 0);
        return;
    }
    QCOMPARE(highest, 100);
    QVERIFY(BurnPageDriver::journal().contains("hdiutil burn -device /dev/disk4 -verbose -noverifyburn " + m_Iso));
    QVERIFY2(answerer.lastText().contains(message), qPrintable(answerer.lastText()));
    QCOMPARE(answerer.lastText().startsWith("Burn Failed!"), exitCode != 0);
}

void TestBurnRun::discProgress_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("value");
    QTest::newRow("done") << "DRStatusPercentCompleteKey: 1" << 100;
    QTest::newRow("fraction") << "DRStatusPercentCompleteKey: 0.4567" << 45;
    QTest::newRow("nothing after the key") << "DRStatusPercentCompleteKey:" << 7;
    QTest::newRow("tool text") << "Preparing data for burn" << 7;
}

void TestBurnRun::discProgress()
{
    QFETCH(QString, line);
    QFETCH(int, value);
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    page->progressDialog()->SetRange(0, 100);
    page->progressDialog()->SetValue(7);
    page->onDVDBurnOutput(line);
    QCOMPARE(page->progressDialog()->value(), value);
    if (value == 100)
        QCOMPARE(page->progressDialog()->progressText(), QString("100%"));
}

QUILLMERE_TEST_MAIN_IN_OWN_FOLDER(TestBurnRun)
#include "tst_burnrun.moc"
