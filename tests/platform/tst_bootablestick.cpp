// A stick made as the Burn page makes it (partitionDisk, unmountDisk, the
// boot step, /syslinux.cfg) boots in a PC emulator through syslinux and
// chain.c32 to the image's /bootmgr. Takes a few seconds.
#include "support/LoopDisk.h"
#include "support/TestSupport.h"

#include "services/Util.h"

#include <QElapsedTimer>

using namespace TestSupport;

namespace {

// A real-mode program that chain.c32 starts as NTLDR would be: it writes
// BOOTMGR-REACHED to the first serial port and halts.
const QByteArray kBootmgr("\x0e\x1f\xbe\x14\x00\xba\xf8\x03\xac\x84\xc0\x74\x03\xee\xeb\xf8\xfa\xf4\xeb\xfc"
                          "BOOTMGR-REACHED\r\n\x00",
                          38);

int run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
        QString* output = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString mountPointOf(const QString& partition, const QProcessEnvironment& environment)
{
    QString info;
    run(Util::GetCurrentExePath() + "/disktools/diskutil", {"info", partition}, environment, &info);
    for (const QString& line : info.split('\n')) {
        if (line.contains("Mount Point:"))
            return line.mid(line.indexOf('/')).trimmed();
    }
    return QString();
}

} // namespace

class TestBootableStick : public QObject
{
    Q_OBJECT
private slots:
    void bootsThroughChainloaderToBootmgr();
};

void TestBootableStick::bootsThroughChainloaderToBootmgr()
{
    const QString skip = LoopDisk::missingReason();
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    const QString emulator = "/usr/bin/qemu-system-x86_64";
    if (!QFileInfo(emulator).isExecutable())
        QSKIP("needs qemu-system-x86");
    LoopDisk stick;
    QVERIFY(stick.isValid());
    const QProcessEnvironment usb = stick.usbEnvironment();
    const QString diskutil = Util::GetCurrentExePath() + "/disktools/diskutil";
    QString log;
    QVERIFY2(run(diskutil, {"partitionDisk", stick.device(), "1", "MBR", "FAT32", "QM BOOT", "R"}, usb, &log) == 0,
             qPrintable(log));
    const QString mountPoint = mountPointOf(stick.device() + "s1", usb);
    QVERIFY(!mountPoint.isEmpty());
    QCOMPARE(run(diskutil, {"unmountDisk", stick.device()}, usb), 0);
    QVERIFY2(run(Util::GetCurrentExePath() + "/mkbootable", {stick.device(), mountPoint}, usb, &log) == 0,
             qPrintable(log));
    writeFile(mountPoint + "/syslinux.cfg", "default boot\nLABEL boot\nMENU LABEL boot\n"
                                            "COM32 /syslinux/chain.c32\nAPPEND fs ntldr=/bootmgr\n");
    writeFile(mountPoint + "/bootmgr", kBootmgr);
    QCOMPARE(run(diskutil, {"unmountDisk", stick.device()}, usb), 0);
    QCOMPARE(run("/usr/bin/sync", {}, usb), 0);

    QProcess pc;
    pc.setProcessChannelMode(QProcess::MergedChannels);
    pc.start(emulator, {"-drive", "file=" + stick.imagePath() + ",format=raw", "-snapshot", "-display", "none",
                        "-serial", "stdio", "-net", "none", "-m", "128"});
    QElapsedTimer timer;
    timer.start();
    QByteArray serial;
    while (!serial.contains("BOOTMGR-REACHED") && timer.elapsed() < 60000 && pc.state() != QProcess::NotRunning) {
        pc.waitForReadyRead(500);
        serial += pc.readAll();
    }
    pc.kill();
    pc.waitForFinished(10000);
    QVERIFY2(serial.contains("BOOTMGR-REACHED"), serial.constData());
    qInfo("booted to bootmgr in %lld ms", timer.elapsed());
}

QUILLMERE_TEST_MAIN(TestBootableStick)
#include "tst_bootablestick.moc"
