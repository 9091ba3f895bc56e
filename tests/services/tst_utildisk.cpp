#include "support/TestSupport.h"

#include "services/DiskInfoParser.h"
#include "services/Util.h"
#include "support/FakeTool.h"

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
    void slowToolDoesNotFreezeTheInterface();
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
    FakeTool diskutil("diskutil");
    diskutil.onFixture("info /dev/disk3s1", sharedFixture("macos/diskutil-info-usb-partition.txt"));
    diskutil.onFixture("info /dev/disk4", sharedFixture("macos/diskutil-info-optical-dvd.txt"));
    diskutil.onFixture("info /dev/disk2s1", sharedFixture("macos/diskutil-info-unmounted-efi.txt"));
    diskutil.otherwise(FakeTool::Reply{"Could not find disk\n", 1});
    QCOMPARE(Util::DiskSpaceTotal("/dev/disk3s1"), qint64(15720250368));
    QCOMPARE(Util::GetMountPoint("/dev/disk3s1"), QString("/Volumes/yhy"));
    QCOMPARE(Util::DiskSpaceTotal("/dev/disk4"), qint64(1561296896));
    QCOMPARE(Util::GetMountPoint("/dev/disk2s1"), QString());
    QCOMPARE(Util::DiskSpaceTotal("/dev/disk9"), qint64(0));
    QCOMPARE(Util::GetMountPoint("/dev/disk9"), QString());
    // The device reaches the tool as one argument, whatever it holds.
    Util::GetMountPoint("/dev/disk 5; echo");
    const QList<QStringList> calls = diskutil.calls();
    QCOMPARE(calls.first(), (QStringList{"info", "/dev/disk3s1"}));
    QCOMPARE(calls.last(), (QStringList{"info", "/dev/disk 5; echo"}));
}

void TestUtilDisk::slowToolDoesNotFreezeTheInterface()
{
    FakeTool diskutil("diskutil");
    diskutil.onFixture("info *", sharedFixture("macos/diskutil-info-usb-partition.txt"), 0, 600);
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    QCOMPARE(Util::DiskSpaceTotal("/dev/disk3s1"), qint64(15720250368));
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
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
