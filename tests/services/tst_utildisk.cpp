#include "support/TestSupport.h"

#include "services/DiskInfoParser.h"
#include "services/Util.h"

#include <QDesktopServices>
#include <QDir>

using namespace TestSupport;

// Records the addresses handed to the desktop instead of opening them.
class OpenRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

namespace {

// A fake "diskutil" first on PATH: "diskutil info DEVICE" prints the
// recorded output named after the device's last path part and records its
// arguments, one per line.
class FakeDiskutil
{
public:
    FakeDiskutil()
    {
        m_Dir = freshDir("fake-diskutil");
        const QString script = "#!/bin/sh\n"
                               "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"" + m_Dir + "/args\"; done\n"
                               "name=$(basename \"$2\")\n"
                               "[ -f \"" + m_Dir + "/$name.txt\" ] && cat \"" + m_Dir + "/$name.txt\"\n"
                               "exit 0\n";
        writeFile(m_Dir + "/diskutil", script.toUtf8());
        QFile::setPermissions(m_Dir + "/diskutil", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_OldPath = qgetenv("PATH");
        qputenv("PATH", (m_Dir + ":").toUtf8() + m_OldPath);
    }
    ~FakeDiskutil() { qputenv("PATH", m_OldPath); }

    void answer(const QString& deviceName, const QByteArray& output)
    {
        writeFile(m_Dir + "/" + deviceName + ".txt", output);
    }
    void answerWithFixture(const QString& deviceName, const QString& fixtureName)
    {
        answer(deviceName, readFile(sharedFixture("macos/" + fixtureName)));
    }
    QStringList arguments() const
    {
        return QString::fromUtf8(readFile(m_Dir + "/args")).split('\n', Qt::SkipEmptyParts);
    }

private:
    QString m_Dir;
    QByteArray m_OldPath;
};

QString fixtureText(const QString& name)
{
    return DiskInfoParser::text(readFile(sharedFixture("macos/" + name)));
}

} // namespace

class TestUtilDisk : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void parsesRecordedOutputs_data();
    void parsesRecordedOutputs();
    void sizeLineVariants();
    void textStopsAtZeroByte();
    void queriesRunDiskutil();
    void missingToolGivesUnknown();
    void openExplorerHandsOverAFileAddress();
};

void TestUtilDisk::initTestCase()
{
    QVERIFY2(QFile::exists(sharedFixture("macos/diskutil-info-usb-partition.txt")),
             qPrintable(sharedFixture("macos")));
}

void TestUtilDisk::parsesRecordedOutputs_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("mountPoint");
    QTest::newRow("USB partition") << "diskutil-info-usb-partition.txt" << qint64(15720250368) << "/Volumes/yhy";
    QTest::newRow("internal SSD") << "diskutil-info-internal-ssd.txt" << qint64(251000193024) << "";
    QTest::newRow("optical DVD") << "diskutil-info-optical-dvd.txt" << qint64(1561296896) << "/Volumes/Untitled";
    QTest::newRow("NTFS partition") << "diskutil-info-usb-ntfs-partition.txt" << qint64(0) << "/Volumes/WDUSBTEMP";
    QTest::newRow("unmounted EFI") << "diskutil-info-unmounted-efi.txt" << qint64(0) << "";
}

void TestUtilDisk::parsesRecordedOutputs()
{
    QFETCH(QString, fixture);
    QFETCH(qint64, size);
    QFETCH(QString, mountPoint);
    const QString info = fixtureText(fixture);
    QVERIFY(!info.isEmpty());
    QCOMPARE(DiskInfoParser::diskSize(info), size);
    QCOMPARE(DiskInfoParser::mountPoint(info), mountPoint);
}

void TestUtilDisk::sizeLineVariants()
{
    QCOMPARE(DiskInfoParser::diskSize("   Disk Size:   8.0 GB (8004304896 Bytes) (exactly 15633408 512-Byte-Units)\n"),
             qint64(8004304896));
    QCOMPARE(DiskInfoParser::diskSize("Disk Size: 1 GB (12x4 Bytes)\n"), qint64(0));
    QCOMPARE(DiskInfoParser::diskSize("(123 Bytes) Disk Size:\n"), qint64(0));
    QCOMPARE(DiskInfoParser::diskSize("   Device Block Size:   512 Bytes\n"), qint64(0));
    QCOMPARE(DiskInfoParser::mountPoint("   Mount Point:              \n   Mount Point: /Volumes/B \n"),
             QString("/Volumes/B"));
    QCOMPARE(DiskInfoParser::mountPoint("   Mount Point:              /Volumes/My Disk\n"),
             QString("/Volumes/My Disk"));
}

void TestUtilDisk::textStopsAtZeroByte()
{
    QCOMPARE(DiskInfoParser::text(QByteArray("Mount Point: /a\0Mount Point: /b", 31)), QString("Mount Point: /a"));
    QCOMPARE(DiskInfoParser::text("caf\xe9"), QString::fromUtf8("café"));
}

void TestUtilDisk::queriesRunDiskutil()
{
    FakeDiskutil diskutil;
    diskutil.answerWithFixture("disk3s1", "diskutil-info-usb-partition.txt");
    diskutil.answerWithFixture("disk4", "diskutil-info-optical-dvd.txt");
    diskutil.answerWithFixture("disk2s1", "diskutil-info-unmounted-efi.txt");
    QCOMPARE(Util::DiskSpaceTotal("/dev/disk3s1"), qint64(15720250368));
    QCOMPARE(Util::GetMountPoint("/dev/disk3s1"), QString("/Volumes/yhy"));
    QCOMPARE(Util::DiskSpaceTotal("/dev/disk4"), qint64(1561296896));
    QCOMPARE(Util::GetMountPoint("/dev/disk2s1"), QString());
    QCOMPARE(Util::DiskSpaceTotal("/dev/disk9"), qint64(0));
    QCOMPARE(Util::GetMountPoint("/dev/disk9"), QString());
    // The device reaches the tool as one argument, whatever it holds.
    Util::GetMountPoint("/dev/disk 5; echo");
    const QStringList args = diskutil.arguments();
    QCOMPARE(args.mid(0, 2), QStringList({"info", "/dev/disk3s1"}));
    QCOMPARE(args.mid(args.size() - 2), QStringList({"info", "/dev/disk 5; echo"}));
}

void TestUtilDisk::missingToolGivesUnknown()
{
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", freshDir("empty-path").toUtf8());
    const qint64 size = Util::DiskSpaceTotal("/dev/disk3");
    const QString mount = Util::GetMountPoint("/dev/disk3");
    qputenv("PATH", oldPath);
    QCOMPARE(size, qint64(0));
    QCOMPARE(mount, QString());
}

void TestUtilDisk::openExplorerHandsOverAFileAddress()
{
    OpenRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    const QString folder = freshDir("show me #2 100% ü");
    Util::OpenExplorer(nullptr, folder);
    QString backslashed = folder;
    backslashed.replace('/', '\\');
    Util::OpenExplorer(nullptr, backslashed);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(recorder.urls.size(), 2);
    QCOMPARE(recorder.urls[0].toLocalFile(), folder);
    QCOMPARE(recorder.urls[1].toLocalFile(), folder);
    QCOMPARE(recorder.urls[0].scheme(), QString("file"));
}

QUILLMERE_TEST_MAIN(TestUtilDisk)
#include "tst_utildisk.moc"
