#include "support/TestSupport.h"

#include "services/CRunCommandThread.h"
#include "support/FakeTool.h"
#include "support/ProcessProbe.h"
#include "support/RunRecorder.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

class TestFakeTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void repliesByArgumentPattern();
    void recordsArgumentsOfEveryCall();
    void callWithoutArguments();
    void failsAndCrashesOnRequest();
    void takesItsTimeAndEndsOnTerminate();
    void removedWithItsObject();
};

void TestFakeTool::initTestCase()
{
    QLoggingCategory::setFilterRules("quillmere.runner.debug=false");
}

void TestFakeTool::repliesByArgumentPattern()
{
    FakeTool diskutil("diskutil");
    diskutil.onFixture("list", TestSupport::sharedFixture("macos/diskutil-list-usb-apfs.txt"));
    diskutil.onFixture("info *disk2", TestSupport::sharedFixture("macos/diskutil-info-usb-partition.txt"));
    diskutil.on("info *", FakeTool::Reply{"Could not find disk\n", 1});

    const QStringList list = RunRecorder::runToEnd("diskutil list", {});
    QVERIFY(!list.filter("(external, physical):").isEmpty());

    int exitCode = -1;
    const QByteArray info = TestSupport::runTool("diskutil", {"info", "/dev/disk2"}, &exitCode);
    QCOMPARE(info, TestSupport::readFile(TestSupport::sharedFixture("macos/diskutil-info-usb-partition.txt")));
    QCOMPARE(exitCode, 0);

    QCOMPARE(TestSupport::runTool("diskutil", {"info", "/dev/disk7"}, &exitCode), QByteArray("Could not find disk\n"));
    QCOMPARE(exitCode, 1);
    QCOMPARE(TestSupport::runTool("diskutil", {"eject"}, &exitCode), QByteArray());
    QCOMPARE(exitCode, 1);
}

void TestFakeTool::recordsArgumentsOfEveryCall()
{
    FakeTool hdiutil("hdiutil");
    hdiutil.otherwise(FakeTool::Reply{"ok\n", 0});
    TestSupport::runTool("hdiutil", {"makehybrid", "-o", "/out/my image.iso", "it's here"});
    RunRecorder::runToEnd("hdiutil", {"eject", "/dev/disk3"});
    const QList<QStringList> calls = hdiutil.calls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0], (QStringList{"makehybrid", "-o", "/out/my image.iso", "it's here"}));
    QCOMPARE(calls[1], (QStringList{"eject", "/dev/disk3"}));
    hdiutil.clearCalls();
    QVERIFY(hdiutil.calls().isEmpty());
}

void TestFakeTool::callWithoutArguments()
{
    FakeTool mount("mount");
    mount.onFixture("", TestSupport::sharedFixture("macos/mount-cd-and-system.txt"));
    auto* runner = new CRunCommandThread;
    runner->SetRunCmd("mount", {});
    runner->m_bCollectOutput = true;
    runner->start();
    runner->waitFinished();
    QVERIFY(runner->result().succeeded());
    QVERIFY(runner->m_OutputLines.size() > 2);
    QCOMPARE(mount.calls(), QList<QStringList>{QStringList()});
    runner->release();
}

void TestFakeTool::failsAndCrashesOnRequest()
{
    FakeTool drutil("drutil");
    drutil.on("status", FakeTool::Reply{"half a table\n", 0, 0, true});
    drutil.otherwise(FakeTool::Reply{"", 42});
    RunResult result;
    QCOMPARE(RunRecorder::runToEnd("drutil", {"status"}, &result), QStringList{"half a table"});
    QVERIFY(result.crashed);
    RunRecorder::runToEnd("drutil", {"eject"}, &result);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 42);
}

void TestFakeTool::takesItsTimeAndEndsOnTerminate()
{
    FakeTool hdiutil("hdiutil");
    hdiutil.on("burn *", FakeTool::Reply{"late\n", 0, 30000});
    hdiutil.on("eject *", FakeTool::Reply{"ejected\n", 0, 300});

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(RunRecorder::runToEnd("hdiutil", {"eject", "/dev/disk3"}), QStringList{"ejected"});
    QVERIFY(clock.elapsed() >= 300);

    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd("hdiutil", {"burn", "-verbose", "-noverifyburn", "/x.iso"});
    runner->start();
    QVERIFY(TestSupport::waitUntil([] { return !ProcessProbe::children().isEmpty(); }));
    QTest::qWait(200);
    clock.restart();
    runner->terminate();
    QVERIFY(clock.elapsed() < 2000); // ended on the request, not killed after the grace
    QVERIFY(ProcessProbe::children().isEmpty());
    QVERIFY(recorder.lines.isEmpty());
    runner->release();
}

void TestFakeTool::removedWithItsObject()
{
    QString path;
    {
        FakeTool sync("sync");
        path = sync.path();
        QVERIFY(QFileInfo(path).isExecutable());
        QVERIFY(qgetenv("PATH").startsWith(QFile::encodeName(FakeTool::folder()) + ":"));
    }
    QVERIFY(!QFile::exists(path));
}

QUILLMERE_TEST_MAIN(TestFakeTool)
#include "tst_faketool.moc"
