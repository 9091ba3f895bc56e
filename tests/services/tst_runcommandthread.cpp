#include "support/TestSupport.h"

#include "services/CRunCommandThread.h"
#include "services/Util.h"
#include "support/ProcessProbe.h"
#include "support/RunRecorder.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>

class TestRunCommandThread : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void lineRule_data();
    void lineRule();
    void commandLineIsSplit();
    void collectModeKeepsTheLastEmptyLine();
    void collectModeStopsAtZeroByte();
    void noOutputGivesOneFinish();
    void linesArriveWhileTheToolRuns();
    void waitFinishedDeliversEverythingAndStaysLive();
    void waitFinishedAfterTheEndReturnsAtOnce();
    void missingToolEndsLikeAFinishedRun_data();
    void missingToolEndsLikeAFinishedRun();
    void crashMidOutputKeepsTheOutput();
    void exitCodeIsRecorded();
    void terminateEndsTheTool_data();
    void terminateEndsTheTool();
    void terminateReleasesAWaitingCaller();
    void terminateAfterTheEndDropsThePendingFinish();
    void deletingARunningRunnerEndsTheTool();
    void runnerCanBeStartedAgainFromItsFinish();
    void manyRunsLeakNoThreadsOrProcesses();
    void lineHeavyToolDeliversEveryLineInOrder();
    void slotWithItsOwnEventLoopKeepsTheOrder();
    void logHoldsTheCommandAndEveryLine();
    void logChild();

private:
    static QString helper() { return Util::GetCurrentExePath() + "/runnerhelper"; }
    static qint64 pidFrom(const QStringList& lines);
};

void TestRunCommandThread::initTestCase()
{
    // One debug line per output line would bury the test's own messages.
    QLoggingCategory::setFilterRules("quillmere.runner.debug=false");
}

qint64 TestRunCommandThread::pidFrom(const QStringList& lines)
{
    for (const QString& line : lines) {
        if (line.startsWith("pid "))
            return line.mid(4).toLongLong();
    }
    return -1;
}

void TestRunCommandThread::lineRule_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expected");
    const QString z2047(2047, 'z');
    QTest::newRow("carriage return before line feed")
        << QStringList{"write", "a\\r\\nb\\n"} << QStringList{"a", "b"};
    QTest::newRow("5000 bytes without line feed")
        << QStringList{"repeat", "z", "5000"} << QStringList{z2047, z2047, QString(906, 'z')};
    QTest::newRow("line of exactly 2047 bytes")
        << QStringList{"repeat", "y", "2047", "write", "\\n"} << QStringList{QString(2047, 'y')};
    QTest::newRow("redraw with carriage returns")
        << QStringList{"write", " 10%\\r 20%\\r 30%\\n"} << QStringList{" 10%", " 20%", " 30%"};
    QTest::newRow("blank lines are skipped")
        << QStringList{"write", "x\\n\\n   \\n\\t\\n\\r\\ny\\n"} << QStringList{"x", "y"};
    QTest::newRow("blanks inside a line stay")
        << QStringList{"write", "  lead and trail  \\n"} << QStringList{"  lead and trail  "};
    QTest::newRow("backspace redraw stays in the line")
        << QStringList{"write", "  0%\\b\\b\\b\\b    \\b\\b\\b\\b 71%"}
        << QStringList{"  0%\b\b\b\b    \b\b\b\b 71%"};
    QTest::newRow("no final line feed") << QStringList{"write", "tail"} << QStringList{"tail"};
    QTest::newRow("error output is merged")
        << QStringList{"write", "out\\n", "stderr", "write", "err\\n"} << QStringList{"out", "err"};
    QTest::newRow("pieces written apart arrive apart")
        << QStringList{"write", "half", "sleep", "300", "write", " line\\n"} << QStringList{"half", " line"};
    QTest::newRow("UTF-8 text") << QStringList{"write", "caf\\xc3\\xa9 \\xe6\\x96\\x87\\n"}
                                << QStringList{QString::fromUtf8("caf\xc3\xa9 \xe6\x96\x87")};
}

void TestRunCommandThread::lineRule()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), args);
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return recorder.finished > 0; }));
    QCOMPARE(recorder.lines, expected);
    QCOMPARE(recorder.linesAtFirstFinish, expected.size());
    QVERIFY(runner->result().succeeded());
    runner->release();
    QTest::qWait(50);
    QCOMPARE(recorder.finished, 1);
}

void TestRunCommandThread::commandLineIsSplit()
{
    const QString commandLine = "\"" + helper() + "\" write \"two words\\n\" write \"\"\"quoted\"\"\"\\n";
    QCOMPARE(RunRecorder::runToEnd(commandLine, {}), (QStringList{"two words", "\"quoted\""}));
}

void TestRunCommandThread::collectModeKeepsTheLastEmptyLine()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"write", "x\\ny\\n"});
    runner->m_bCollectOutput = true;
    runner->start();
    runner->waitFinished();
    QCOMPARE(runner->m_OutputLines, (QStringList{"x", "y", ""}));
    QVERIFY(recorder.lines.isEmpty());
    QCOMPARE(recorder.finished, 1);
    runner->release();
}

void TestRunCommandThread::collectModeStopsAtZeroByte()
{
    auto* runner = new CRunCommandThread;
    runner->SetRunCmd(helper(), {"write", "a\\r\\n\\r\\nb\\0c\\n"});
    runner->m_bCollectOutput = true;
    runner->start();
    runner->waitFinished();
    QCOMPARE(runner->m_OutputLines, (QStringList{"a", "", "b"}));
    runner->release();
}

void TestRunCommandThread::noOutputGivesOneFinish()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"sleep", "50"});
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return recorder.finished > 0; }));
    QTest::qWait(400);
    QCOMPARE(recorder.finished, 1);
    QVERIFY(recorder.lines.isEmpty());
    runner->release();
}

void TestRunCommandThread::linesArriveWhileTheToolRuns()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"write", "first\\n", "sleep", "1500", "write", "second\\n"});
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return !recorder.lines.isEmpty(); }));
    QCOMPARE(recorder.lines, QStringList{"first"});
    QCOMPARE(recorder.finished, 0);
    QVERIFY(TestSupport::waitUntil([&] { return recorder.finished > 0; }));
    QCOMPARE(recorder.lines, (QStringList{"first", "second"}));
    runner->release();
}

void TestRunCommandThread::waitFinishedDeliversEverythingAndStaysLive()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"lines", "2000", "sleep", "200"});
    int timerTicks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++timerTicks; });
    timer.start(20);
    runner->start();
    runner->waitFinished();
    QCOMPARE(recorder.lines.size(), 2000);
    QCOMPARE(recorder.lines.last(), QString("line 2000"));
    QCOMPARE(recorder.finished, 1);
    QVERIFY(timerTicks > 0);
    runner->release();
}

void TestRunCommandThread::waitFinishedAfterTheEndReturnsAtOnce()
{
    auto* runner = new CRunCommandThread;
    runner->SetRunCmd(helper(), {"write", "done\\n"});
    runner->waitFinished(); // never started
    runner->start();
    runner->waitFinished();
    QElapsedTimer clock;
    clock.start();
    runner->waitFinished();
    QVERIFY2(clock.elapsed() < 500, "waitFinished() waited for a run that had ended");
    runner->release();
}

void TestRunCommandThread::missingToolEndsLikeAFinishedRun_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("argument list") << "/no/such/tool" << QStringList{"x"};
    QTest::newRow("command line") << "no-such-tool-anywhere --help" << QStringList();
    QTest::newRow("empty program") << "" << QStringList();
}

void TestRunCommandThread::missingToolEndsLikeAFinishedRun()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(program, args);
    runner->start();
    runner->waitFinished();
    QCOMPARE(recorder.finished, 1);
    QVERIFY(recorder.lines.isEmpty());
    const RunResult result = runner->result();
    QVERIFY(!result.started);
    QVERIFY(!result.succeeded());
    QVERIFY(!result.errorString.isEmpty());
    runner->release();
}

void TestRunCommandThread::crashMidOutputKeepsTheOutput()
{
    RunResult result;
    const QStringList lines = RunRecorder::runToEnd(helper(), {"write", "before\\n", "crash", "write", "after\\n"}, &result);
    QCOMPARE(lines, QStringList{"before"});
    QVERIFY(result.started);
    QVERIFY(result.crashed);
    QVERIFY(!result.terminated);
    QVERIFY(!result.succeeded());
}

void TestRunCommandThread::exitCodeIsRecorded()
{
    RunResult result;
    RunRecorder::runToEnd(helper(), {"write", "failing\\n", "exit", "3"}, &result);
    QVERIFY(result.started);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 3);
    QVERIFY(!result.succeeded());
    RunRecorder::runToEnd(helper(), {"exit", "0"}, &result);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.succeeded());
}

void TestRunCommandThread::terminateEndsTheTool_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("tool that ends on request") << QStringList{"pid", "sleep", "60000"};
    QTest::newRow("tool that ignores the request") << QStringList{"ignoreterm", "pid", "sleep", "60000"};
}

void TestRunCommandThread::terminateEndsTheTool()
{
    QFETCH(QStringList, args);
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), args);
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return pidFrom(recorder.lines) > 0; }));
    const qint64 pid = pidFrom(recorder.lines);
    QVERIFY(ProcessProbe::exists(pid));
    runner->terminate();
    QVERIFY(!ProcessProbe::exists(pid));
    QVERIFY(runner->isFinished());
    QVERIFY(!ProcessProbe::children().contains(pid));
    QVERIFY(runner->result().terminated);
    QVERIFY(!runner->result().succeeded());
    runner->waitFinished();
    QTest::qWait(100);
    QCOMPARE(recorder.finished, 0);
    runner->release();
}

void TestRunCommandThread::terminateReleasesAWaitingCaller()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"pid", "sleep", "60000"});
    QTimer::singleShot(300, runner, [runner] { runner->terminate(); }); // a Stop button
    runner->start();
    runner->waitFinished();
    QVERIFY(runner->result().terminated);
    const qint64 pid = pidFrom(recorder.lines);
    QVERIFY(pid > 0);
    QVERIFY(!ProcessProbe::exists(pid));
    runner->release();
}

void TestRunCommandThread::terminateAfterTheEndDropsThePendingFinish()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"write", "x\\n"});
    runner->start();
    QThread::msleep(500); // the run ends while no event is handled
    runner->terminate();  // a Stop click handled before the end arrives
    QTest::qWait(200);
    QCOMPARE(recorder.finished, 0);
    // Read but not delivered before the Stop: dropped with the finish.
    QCOMPARE(recorder.lines, QStringList());
    runner->release();
}

void TestRunCommandThread::deletingARunningRunnerEndsTheTool()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"pid", "sleep", "60000"});
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return pidFrom(recorder.lines) > 0; }));
    delete runner;
    QVERIFY(!ProcessProbe::exists(pidFrom(recorder.lines)));
}

void TestRunCommandThread::runnerCanBeStartedAgainFromItsFinish()
{
    QPointer<CRunCommandThread> runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    connect(runner, &CRunCommandThread::sigfinished, this, [&] {
        if (recorder.finished == 1) {
            runner->SetRunCmd(helper(), {"write", "second\\n"});
            runner->start();
        } else {
            runner->release();
        }
    });
    runner->SetRunCmd(helper(), {"write", "first\\n"});
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return runner.isNull(); }));
    QCOMPARE(recorder.lines, (QStringList{"first", "second"}));
    QCOMPARE(recorder.finished, 2);
}

void TestRunCommandThread::manyRunsLeakNoThreadsOrProcesses()
{
    RunRecorder::runToEnd(helper(), {"write", "warm up\\n"});
    QVERIFY(TestSupport::waitUntil([] { return ProcessProbe::children().isEmpty(); }));
    const int threadsBefore = ProcessProbe::threadCount();
    QList<QPointer<CRunCommandThread>> runners;
    int lines = 0;
    for (int i = 0; i < 40; ++i) {
        auto* runner = new CRunCommandThread;
        runners << runner;
        connect(runner, &CRunCommandThread::standoutputline, this, [&] { ++lines; });
        connect(runner, &CRunCommandThread::sigfinished, this, [runner] { runner->release(); });
        runner->SetRunCmd(helper(), {"write", QString("run %1\\n").arg(i)});
        runner->start();
        if (i % 2 == 0)
            runner->waitFinished();
        else
            QVERIFY(TestSupport::waitUntil([&] { return lines == i + 1; }));
    }
    QVERIFY(TestSupport::waitUntil([&] {
        return std::all_of(runners.begin(), runners.end(), [](const auto& r) { return r.isNull(); });
    }));
    QCOMPARE(lines, 40);
    QVERIFY(TestSupport::waitUntil([] { return ProcessProbe::children().isEmpty(); }));
    QVERIFY(TestSupport::waitUntil([&] { return ProcessProbe::threadCount() <= threadsBefore; }));
}

void TestRunCommandThread::lineHeavyToolDeliversEveryLineInOrder()
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(helper(), {"lines", "100000"});
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return recorder.finished > 0; }, 60000));
    QCOMPARE(recorder.lines.size(), 100000);
    for (int i = 0; i < recorder.lines.size(); ++i) {
        if (recorder.lines[i] != QString("line %1").arg(i + 1))
            QFAIL(qPrintable(QString("line %1 reads \"%2\"").arg(i + 1).arg(recorder.lines[i])));
    }
    runner->release();
}

// A line slot that waits (a message, a progress loop) lets later output
// and the finish in meanwhile: they must still come after the rest.
void TestRunCommandThread::slotWithItsOwnEventLoopKeepsTheOrder()
{
    auto* runner = new CRunCommandThread;
    QObject receiver;
    QStringList lines;
    int linesAtFinish = -1;
    connect(runner, &CRunCommandThread::standoutputline, &receiver, [&](const QString& line) {
        lines << line;
        if (line == "line 2" || line == "line 20000")
            QTest::qWait(300);
    });
    connect(runner, &CRunCommandThread::sigfinished, &receiver, [&] { linesAtFinish = lines.size(); });
    runner->SetRunCmd(helper(), {"lines", "40000"});
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return linesAtFinish >= 0; }, 60000));
    QCOMPARE(linesAtFinish, 40000);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i] != QString("line %1").arg(i + 1))
            QFAIL(qPrintable(QString("line %1 reads \"%2\"").arg(i + 1).arg(lines[i])));
    }
    runner->release();
}

// The log is switched on by config.dat in the application folder, which
// the test programs share; so a copy of this program in a folder of its own
// writes it (logChild), and the log lands in this program's data folder.
void TestRunCommandThread::logHoldsTheCommandAndEveryLine()
{
    const QString appDir = TestSupport::freshDir("logging-app");
    const QString copy = appDir + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    TestSupport::writeFile(appDir + "/config.dat", "");
    const QString log = Util::GetTempDir() + "/log.txt";
    QFile::remove(log);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUILLMERE_LOG_CHILD_HELPER", helper());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(copy, {"logChild"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);

    QStringList messages;
    const QRegularExpression entry("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d (.*)$");
    for (const QString& line : QString::fromUtf8(TestSupport::readFile(log)).split('\n')) {
        const QRegularExpressionMatch match = entry.match(line);
        messages << (match.hasMatch() ? match.captured(1) : line);
    }
    const QStringList expected{helper() + " write a\\r\\nb\\n\\r   \\n ", "a", "b", "", // b kept its line feed
                               helper() + " write x\\ny\\n ", "x", "y",
                               "/no/such/tool --version ", "CRunCommandThread::sloterrorstart", ""};
    QCOMPARE(messages, expected);
}

void TestRunCommandThread::logChild()
{
    const QString helperPath = qEnvironmentVariable("QUILLMERE_LOG_CHILD_HELPER");
    if (helperPath.isEmpty())
        QSKIP("runs only in the copy started by logHoldsTheCommandAndEveryLine");
    QVERIFY(QFile::exists(Util::GetCurrentExePath() + "/config.dat"));
    RunRecorder::runToEnd(helperPath, {"write", "a\\r\\nb\\n\\r   \\n"});
    auto* runner = new CRunCommandThread;
    runner->SetRunCmd(helperPath, {"write", "x\\ny\\n"});
    runner->m_bCollectOutput = true;
    runner->start();
    runner->waitFinished();
    runner->release();
    RunRecorder::runToEnd("/no/such/tool", {"--version"});
}

QUILLMERE_TEST_MAIN(TestRunCommandThread)
#include "tst_runcommandthread.moc"
