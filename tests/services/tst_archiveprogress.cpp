#include "support/TestSupport.h"

#include "services/ArchiveProgress.h"
#include "services/ArchiveTool.h"

Q_DECLARE_METATYPE(RunResult)

namespace {

QByteArray recorded(const QString& name)
{
    return TestSupport::readFile(TestSupport::fixture("7z-26.02/" + name));
}

// The recorded output cut as the runner cuts it: at line feeds and after
// at most 2,047 bytes.
QStringList runnerLines(const QString& name)
{
    QStringList lines;
    for (const QByteArray& line : recorded(name).split('\n')) {
        for (int at = 0; at < line.size(); at += 2047)
            lines << QString::fromUtf8(line.mid(at, 2047));
    }
    return lines;
}

QString redrawn(const QStringList& frames)
{
    QString line;
    for (const QString& frame : frames)
        line += frame + QString(frame.size(), '\b') + QString(frame.size(), ' ') + QString(frame.size(), '\b');
    return line;
}

RunResult ended(int exitCode)
{
    RunResult run;
    run.started = true;
    run.exitCode = exitCode;
    return run;
}

} // namespace

class TestArchiveProgress : public QObject
{
    Q_OBJECT
private slots:
    void readsTheLastReportOfALine_data();
    void readsTheLastReportOfALine();
    void recordedProgressRisesAndNamesTheEntry();
    void errorLinesAreFoundBetweenRedraws_data();
    void errorLinesAreFoundBetweenRedraws();
    void extractionSucceedsOnlyWithExitZeroAndNoError_data();
    void extractionSucceedsOnlyWithExitZeroAndNoError();
};

void TestArchiveProgress::readsTheLastReportOfALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("percent"); // -1: no report
    QTest::addColumn<QString>("entry");
    QTest::newRow("count and entry") << " 45% 12 - folder/file name.bin" << 45 << "folder/file name.bin";
    QTest::newRow("two blanks first") << "  5% 3 - sources/boot.wim" << 5 << "sources/boot.wim";
    QTest::newRow("no count") << "  0% - F" << 0 << "F";
    QTest::newRow("between entries") << " 45% 120" << 45 << "";
    QTest::newRow("the end") << "100% 12" << 100 << "";
    QTest::newRow("text before the number") << "junk 7% 1 - x" << 7 << "x";
    QTest::newRow("entry with a dash in its name") << " 9% 2 - a - b.txt" << 9 << "a - b.txt";
    QTest::newRow("control characters kept out of the entry") << " 3% 1 - a\tb\x7f" << 3 << "ab";
    QTest::newRow("sign alone") << "100%" << -1 << "";
    QTest::newRow("sign at the start") << "% 3 - sub/file.bin" << -1 << "";
    QTest::newRow("no number") << "abc% 1 - x" << -1 << "";
    QTest::newRow("beyond a hundred") << "file 2500% done" << -1 << "";
    QTest::newRow("negative") << " -5% 1 - x" << -1 << "";
    QTest::newRow("entry line") << "- sub/f43.txt" << -1 << "";
    QTest::newRow("banner") << "7-Zip [64] 26.02 : Copyright (c) 1999-2026 Igor Pavlov : 2026-06-25" << -1 << "";
    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("first redraw without blank")
        << "  0%\b\b\b\b    \b\b\b\b 71% 3 - sub/huge.bin\b\b\b" << 71 << "sub/huge.bin";
    QTest::newRow("several redraws")
        << redrawn({"  0%", "  4% 51 - sub/huge.bin", " 13% 51 - sub/huge.bin"}) << 13 << "sub/huge.bin";
    QTest::newRow("section text after the last redraw") << redrawn({" 12% 3 - a"}) + "--" << 12 << "a";
    QTest::newRow("only erasing") << "\b\b\b    \b\b\b" << -1 << "";
}

void TestArchiveProgress::readsTheLastReportOfALine()
{
    QFETCH(QString, line);
    QFETCH(int, percent);
    QFETCH(QString, entry);
    ArchiveProgress::Report report;
    report.percent = -7;
    QCOMPARE(ArchiveProgress::lastReport(line, &report), percent >= 0);
    QCOMPARE(report.percent, percent >= 0 ? percent : -7);
    if (percent >= 0)
        QCOMPARE(report.entry, entry);
}

void TestArchiveProgress::recordedProgressRisesAndNamesTheEntry()
{
    // A recording holds in one line what a live run delivers over many.
    int reports = 0;
    int last = -1;
    for (const QString& line : runnerLines("extract/progress-merged.txt")) {
        for (const QString& part : ArchiveTool::redrawParts(line)) {
            ArchiveProgress::Report report;
            if (!ArchiveProgress::readPart(part, &report))
                continue;
            ++reports;
            QVERIFY(report.percent >= last);
            last = report.percent;
            QCOMPARE(report.entry, QString("sub/huge.bin"));
        }
    }
    QVERIFY(reports > 3);
    QVERIFY(last > 80);
}

void TestArchiveProgress::errorLinesAreFoundBetweenRedraws_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("errors");
    QTest::newRow("entries of the other kind in the destination")
        << "extract/type-conflicts.txt"
        << QStringList{"ERROR: Cannot create folder : errno=17 : File exists : d/F",
                       "ERROR: Cannot open output file : errno=20 : Not a directory : d/F/inner",
                       "ERROR: Cannot delete output folder : errno=39 : Directory not empty : d/xfile"};
    QTest::newRow("clean run") << "extract/progress-merged.txt" << QStringList();
    QTest::newRow("real bootable image") << "unpack-grub-rescue.txt" << QStringList();
}

void TestArchiveProgress::errorLinesAreFoundBetweenRedraws()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, errors);
    QStringList found;
    for (const QString& line : runnerLines(fixture))
        found << ArchiveProgress::errorLines(line);
    QCOMPARE(found, errors);
}

void TestArchiveProgress::extractionSucceedsOnlyWithExitZeroAndNoError_data()
{
    QTest::addColumn<RunResult>("run");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<bool>("succeeded");
    RunResult crashed = ended(0);
    crashed.crashed = true;
    RunResult stopped = ended(0);
    stopped.terminated = true;
    QTest::newRow("exit 0") << ended(0) << QStringList() << true;
    QTest::newRow("exit 0 with an error line") << ended(0) << QStringList{"ERROR: Cannot create folder"} << false;
    QTest::newRow("exit 1, non-fatal errors") << ended(1) << QStringList() << false;
    QTest::newRow("exit 2") << ended(2) << QStringList() << false;
    QTest::newRow("not started") << RunResult() << QStringList() << false;
    QTest::newRow("crashed") << crashed << QStringList() << false;
    QTest::newRow("stopped") << stopped << QStringList() << false;
}

void TestArchiveProgress::extractionSucceedsOnlyWithExitZeroAndNoError()
{
    QFETCH(RunResult, run);
    QFETCH(QStringList, errors);
    QFETCH(bool, succeeded);
    QCOMPARE(ArchiveTool::extractionSucceeded(run, errors), succeeded);
}

QUILLMERE_TEST_MAIN(TestArchiveProgress)
#include "tst_archiveprogress.moc"
