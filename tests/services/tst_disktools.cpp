#include "support/TestSupport.h"

#include "services/CRunCommandThread.h"
#include "services/DiskTools.h"
#include "services/Util.h"
#include "support/FakeTool.h"
#include "support/RunRecorder.h"

#include <QLoggingCategory>
#include <QProcess>

Q_DECLARE_METATYPE(DiskTools::ToolCall)

class TestDiskTools : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void argumentLists_data();
    void argumentLists();
    void commandLines_data();
    void commandLines();
    void shellCalls();
    void fakesReceiveWhatTheCallsSay();
};

void TestDiskTools::initTestCase()
{
    QLoggingCategory::setFilterRules("quillmere.runner.debug=false");
}

void TestDiskTools::argumentLists_data()
{
    QTest::addColumn<DiskTools::ToolCall>("call");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("partition") << DiskTools::partitionDisk("/dev/disk2", "MS-DOS FAT16", "MY USB") << "diskutil"
                               << QStringList{"partitionDisk", "/dev/disk2", "1", "MBR", "MS-DOS FAT16", "MY USB", "R"};
    QTest::newRow("drive status") << DiskTools::driveStatus() << "drutil" << QStringList{"status"};
    QTest::newRow("burn") << DiskTools::burn("/images/a b.iso") << "hdiutil"
                          << QStringList{"burn", "-verbose", "-noverifyburn", "/images/a b.iso"};
    QTest::newRow("burn to a named drive") << DiskTools::burn("/images/a b.iso", "/dev/disk3") << "hdiutil"
                                           << QStringList{"burn", "-device", "/dev/disk3", "-verbose",
                                                          "-noverifyburn", "/images/a b.iso"};
    QTest::newRow("make hybrid") << DiskTools::makeHybrid("/out/disc copy.iso", "/Volumes/DISC") << "hdiutil"
                                 << QStringList{"makehybrid", "-iso", "-joliet", "-debug", "-ov", "-o",
                                                "/out/disc copy.iso", "/Volumes/DISC"};
    QTest::newRow("eject") << DiskTools::eject("/dev/disk3") << "hdiutil" << QStringList{"eject", "/dev/disk3"};
    QTest::newRow("mount table") << DiskTools::mountTable() << "mount" << QStringList();
}

void TestDiskTools::argumentLists()
{
    QFETCH(DiskTools::ToolCall, call);
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QCOMPARE(call.program, program);
    QCOMPARE(call.args, args);
}

void TestDiskTools::commandLines_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("split");
    QTest::newRow("list") << DiskTools::listCommand() << "diskutil list" << QStringList{"diskutil", "list"};
    QTest::newRow("info") << DiskTools::infoCommand("/dev/disk2") << "diskutil info /dev/disk2"
                          << QStringList{"diskutil", "info", "/dev/disk2"};
    QTest::newRow("mount image") << DiskTools::mountImageCommand("/images/Win 11.iso")
                                 << "hdiutil mount \"/images/Win 11.iso\""
                                 << QStringList{"hdiutil", "mount", "/images/Win 11.iso"};
    QTest::newRow("mount image with a quote") << DiskTools::mountImageCommand("/images/say \"hi\".iso")
                                              << "hdiutil mount \"/images/say \"\"\"hi\"\"\".iso\""
                                              << QStringList{"hdiutil", "mount", "/images/say \"hi\".iso"};
    QTest::newRow("unmount") << DiskTools::unmountCommand("/Volumes/CCCOMA_X64", false)
                             << "hdiutil unmount /Volumes/CCCOMA_X64"
                             << QStringList{"hdiutil", "unmount", "/Volumes/CCCOMA_X64"};
    QTest::newRow("unmount forced, blanks in the name")
        << DiskTools::unmountCommand("/Volumes/Ubuntu 22.04 LTS amd64", true)
        << "hdiutil unmount -force \"/Volumes/Ubuntu 22.04 LTS amd64\""
        << QStringList{"hdiutil", "unmount", "-force", "/Volumes/Ubuntu 22.04 LTS amd64"};
}

void TestDiskTools::commandLines()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, text);
    QFETCH(QStringList, split);
    QCOMPARE(commandLine, text);
    QCOMPARE(QProcess::splitCommand(commandLine), split);
}

void TestDiskTools::shellCalls()
{
    QCOMPARE(DiskTools::unmountDisk("/dev/disk2").program, QString("diskutil"));
    QCOMPARE(DiskTools::unmountDisk("/dev/disk2").arguments, QString("unmountDisk /dev/disk2"));
    QCOMPARE(DiskTools::sync().program, QString("sync"));
    QCOMPARE(DiskTools::sync().arguments, QString());
}

void TestDiskTools::fakesReceiveWhatTheCallsSay()
{
    FakeTool hdiutil("hdiutil");
    FakeTool diskutil("diskutil");
    hdiutil.onFixture("mount *", TestSupport::sharedFixture("macos/hdiutil-mount-windows-iso.txt"));

    // A command line started directly, as the burn pipeline does.
    QProcess process;
    process.start(QProcess::splitCommand(DiskTools::mountImageCommand("/images/Win 11.iso")).first(),
                  QProcess::splitCommand(DiskTools::mountImageCommand("/images/Win 11.iso")).mid(1));
    QVERIFY(process.waitForFinished(30000));
    QVERIFY(process.readAllStandardOutput().contains("\t"));
    // An argument list through the runner.
    const DiskTools::ToolCall burn = DiskTools::burn("/images/a b.iso");
    RunRecorder::runToEnd(burn.program, burn.args);
    // A command line through the runner.
    RunRecorder::runToEnd(DiskTools::unmountCommand("/Volumes/My Disc", true), {});
    QCOMPARE(hdiutil.calls(), (QList<QStringList>{{"mount", "/images/Win 11.iso"},
                                                  {"burn", "-verbose", "-noverifyburn", "/images/a b.iso"},
                                                  {"unmount", "-force", "/Volumes/My Disc"}}));
    // An argument text through Util::callexternapp.
    const DiskTools::ShellCall unmount = DiskTools::unmountDisk("/dev/disk2");
    Util::callexternapp(unmount.program, unmount.arguments);
    QCOMPARE(diskutil.calls(), (QList<QStringList>{{"unmountDisk", "/dev/disk2"}}));
}

QUILLMERE_TEST_MAIN(TestDiskTools)
#include "tst_disktools.moc"
