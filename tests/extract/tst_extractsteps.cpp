#include "support/TestSupport.h"

#include "extract/ExtractArguments.h"
#include "extract/ExtractOutcome.h"
#include "extract/ListingFailure.h"
#include "extract/ExtractPlacer.h"

#include <QDir>
#include <QFile>

namespace {

QStringList treeOf(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QString shown = path.mid(root.size() + 1);
        if (info.isSymLink())
            shown += " ->";
        else if (info.isDir())
            shown += "/";
        else
            shown += "=" + QString::fromUtf8(TestSupport::readFile(path));
        entries << shown;
    }
    entries.sort();
    return entries;
}

} // namespace

class TestExtractSteps : public QObject
{
    Q_OBJECT
private slots:
    void argumentsInOrderWithPrefix();
    void placerMovesFilesAndFoldersToTheTop();
    void placerReplacesFilesAndMergesFolders_data();
    void placerReplacesFilesAndMergesFolders();
    void choicesAskUntilOneAppliesToAll_data();
    void choicesAskUntilOneAppliesToAll();
    void placerKeepsConflictsInStaging();
    void placerReportsWhatWasNotExtracted();
    void placerNeverFollowsLinksWhenCleaningUp();
    void listingFailureSaysWhatFailed();
    void toolFailureNamesTheToolsErrors();
    void placementFailureNamesEntriesAndWhereTheyAre();
};

void TestExtractSteps::argumentsInOrderWithPrefix()
{
    ExtractArguments nested("/images/a.iso", "A/B/");
    nested.AddName("file1");
    nested.AddName("file1");
    nested.AddName("with blank ");
    nested.AddName("-x");
    QCOMPARE(nested.Names(), QStringList({"file1", "with blank ", "-x"}));
    QCOMPARE(nested.Paths(), QStringList({"A/B/file1", "A/B/with blank ", "A/B/-x"}));
    QCOMPARE(nested.ListFileText(), QByteArray("\"A/B/file1\"\n\"A/B/with blank \"\n\"A/B/-x\"\n"));
    QCOMPARE(nested.Arguments("/w/l.list"),
             QStringList({"x", "-y", "-bb3", "-bsp2", "-spd", "-scsUTF-8", "-ir-@/w/l.list", "--", "/images/a.iso"}));
}

void TestExtractSteps::placerMovesFilesAndFoldersToTheTop()
{
    const QString root = TestSupport::freshDir("placer-top");
    const QString stage = root + "/dest/.stage";
    TestSupport::writeFile(stage + "/A/B/file1", "one");
    TestSupport::writeFile(stage + "/A/B/F/inner", "two");
    TestSupport::writeFile(stage + "/A/B/unticked", "three");
    ExtractPlacer placer(stage, "A/B/", root + "/dest");
    QVERIFY(placer.Place({"file1", "F"}));
    QVERIFY(placer.RemoveStaging());
    QCOMPARE(treeOf(root + "/dest"), QStringList({"F/", "F/inner=two", "file1=one"}));

    const QString flat = TestSupport::freshDir("placer-flat");
    TestSupport::writeFile(flat + "/stage/top", "t");
    ExtractPlacer rootPlacer(flat + "/stage", "", flat);
    QVERIFY(rootPlacer.Place({"top"}));
    QVERIFY(rootPlacer.RemoveStaging());
    QCOMPARE(treeOf(flat), QStringList({"top=t"}));
}

void TestExtractSteps::placerReplacesFilesAndMergesFolders_data()
{
    QTest::addColumn<bool>("replaceAll");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("the user chose to replace all") << true << QStringList{};
    // As for files that appear while the tool runs: nobody was asked.
    QTest::newRow("nobody was asked") << false << QStringList{"file1", "F/inner"};
}

void TestExtractSteps::placerReplacesFilesAndMergesFolders()
{
    QFETCH(bool, replaceAll);
    QFETCH(QStringList, kept);
    const QString dest = TestSupport::freshDir("placer-merge");
    TestSupport::writeFile(dest + "/file1", "user's old");
    TestSupport::writeFile(dest + "/A/mine", "user's own");
    TestSupport::writeFile(dest + "/F/inner", "user's inner");
    TestSupport::writeFile(dest + "/F/keep", "user's keep");
    const QString stage = dest + "/.stage";
    TestSupport::writeFile(stage + "/A/B/file1", "new");
    TestSupport::writeFile(stage + "/A/B/F/inner", "new inner");
    TestSupport::writeFile(stage + "/A/B/F/deep/x", "new x");
    ExtractPlacer placer(stage, "A/B", dest);
    ReplaceChoices choices;
    if (replaceAll)
        choices.ReplaceAll();
    placer.SetReplaceChoices(choices);
    QVERIFY(placer.Place({"file1", "F"}));
    QCOMPARE(placer.Kept(), kept);
    QVERIFY(placer.RemoveStaging());
    QCOMPARE(treeOf(dest), QStringList({"A/", "A/mine=user's own", "F/", "F/deep/", "F/deep/x=new x",
                                        replaceAll ? "F/inner=new inner" : "F/inner=user's inner",
                                        "F/keep=user's keep", replaceAll ? "file1=new" : "file1=user's old"}));
}

void TestExtractSteps::choicesAskUntilOneAppliesToAll_data()
{
    // replies: "replace"/"skip"/"cancel", "+all" for "Apply to all".
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QStringList>("replaced");
    QTest::newRow("one by one") << QStringList{"replace", "skip", "replace", "skip"} << 4 << false
                                << QStringList{"a", "c"};
    QTest::newRow("replace all from the second") << QStringList{"skip", "replace+all"} << 2 << false
                                                 << QStringList{"b", "c", "d", "unasked"};
    QTest::newRow("skip all") << QStringList{"skip+all"} << 1 << false << QStringList{};
    QTest::newRow("replace then skip all") << QStringList{"replace", "skip+all"} << 2 << false
                                           << QStringList{"a"};
    QTest::newRow("cancel at the second") << QStringList{"replace", "cancel"} << 2 << true << QStringList{"a"};
}

void TestExtractSteps::choicesAskUntilOneAppliesToAll()
{
    QFETCH(QStringList, replies);
    QFETCH(int, asked);
    QFETCH(bool, cancelled);
    QFETCH(QStringList, replaced);
    const QStringList paths{"a", "b", "c", "d"};
    QList<int> remainingSeen;
    ReplaceChoices choices;
    const bool went = choices.Ask(paths, [&](const QString& path, int remaining) {
        remainingSeen << remaining;
        const QString reply = replies.value(paths.indexOf(path));
        const QString answer = reply.section('+', 0, 0);
        return ReplaceChoices::Reply{answer == "replace" ? ReplaceChoices::Replace
                                     : answer == "skip"  ? ReplaceChoices::Skip
                                                         : ReplaceChoices::Cancel,
                                     reply.endsWith("+all")};
    });
    QCOMPARE(went, !cancelled);
    QCOMPARE(remainingSeen.size(), asked);
    QCOMPARE(remainingSeen.first(), 3);
    QStringList shouldReplace;
    for (const QString& path : paths + QStringList{"unasked"})
        if (choices.ShouldReplace(path))
            shouldReplace << path;
    QCOMPARE(shouldReplace, replaced);
}

void TestExtractSteps::placerKeepsConflictsInStaging()
{
    const QString dest = TestSupport::freshDir("placer-conflict");
    TestSupport::writeFile(dest + "/F", "user's file");
    TestSupport::writeFile(dest + "/G/x/mine", "user's");
    const QString stage = dest + "/.stage";
    TestSupport::writeFile(stage + "/F/inner", "extracted");
    TestSupport::writeFile(stage + "/G/x", "extracted file");
    TestSupport::writeFile(stage + "/G/ok", "fine");
    ExtractPlacer placer(stage, "", dest);
    QVERIFY(!placer.Place({"F", "G"}));
    QCOMPARE(placer.NotPlaced(), QStringList({"F", "G/x"}));
    QVERIFY(!placer.RemoveStaging());
    QCOMPARE(TestSupport::readFile(dest + "/F"), QByteArray("user's file"));
    QCOMPARE(TestSupport::readFile(dest + "/G/x/mine"), QByteArray("user's"));
    QCOMPARE(TestSupport::readFile(dest + "/G/ok"), QByteArray("fine"));
    QCOMPARE(TestSupport::readFile(stage + "/F/inner"), QByteArray("extracted"));
    QCOMPARE(TestSupport::readFile(stage + "/G/x"), QByteArray("extracted file"));
}

void TestExtractSteps::placerReportsWhatWasNotExtracted()
{
    const QString dest = TestSupport::freshDir("placer-missing");
    TestSupport::writeFile(dest + "/.stage/got", "g");
    ExtractPlacer placer(dest + "/.stage", "", dest);
    QVERIFY(!placer.Place({"got", "absent"}));
    QCOMPARE(placer.Missing(), QStringList({"absent"}));
    QVERIFY(placer.NotPlaced().isEmpty());
    QVERIFY(placer.RemoveStaging());
    QCOMPARE(treeOf(dest), QStringList({"got=g"}));
}

void TestExtractSteps::placerNeverFollowsLinksWhenCleaningUp()
{
    const QString root = TestSupport::freshDir("placer-links");
    TestSupport::writeFile(root + "/elsewhere/precious", "p");
    const QString dest = root + "/dest";
    const QString stage = dest + "/.stage";
    TestSupport::writeFile(stage + "/A/f", "f");
    QVERIFY(QFile::link(root + "/elsewhere", stage + "/A/link"));
    QVERIFY(QFile::link(root + "/elsewhere", stage + "/unticked-link"));
    ExtractPlacer placer(stage, "A/", dest);
    QVERIFY(placer.Place({"link", "f"}));
    QVERIFY(placer.RemoveStaging());
    QCOMPARE(treeOf(dest), QStringList({"f=f", "link ->"}));
    QCOMPARE(TestSupport::readFile(root + "/elsewhere/precious"), QByteArray("p"));
}

void TestExtractSteps::listingFailureSaysWhatFailed()
{
    RunResult ended;
    ended.started = true;
    ended.exitCode = 2;
    QVERIFY(ListingFailure::Message(ended, true, "/a/b.iso", {}).isEmpty());

    const QString notAnImage = ListingFailure::Message(
        ended, false, "/a/b.iso", {"ERROR: b.iso : Cannot open the file as archive"});
    QVERIFY(notAnImage.contains("/a/b.iso"));
    QVERIFY(notAnImage.contains("Cannot open the file as archive"));
    QVERIFY(notAnImage.contains("could not be read as a disc image"));

    RunResult missingTool;
    missingTool.errorString = "execve: No such file or directory";
    const QString noTool = ListingFailure::Message(missingTool, false, "/a/b.iso", {});
    QVERIFY(noTool.contains("could not be started"));
    QVERIFY(noTool.contains(missingTool.errorString));

    RunResult crashed;
    crashed.started = true;
    crashed.crashed = true;
    QVERIFY(ListingFailure::Message(crashed, false, "/a/b.iso", {}).contains("stopped unexpectedly"));
}

void TestExtractSteps::toolFailureNamesTheToolsErrors()
{
    RunResult warned;
    warned.started = true;
    warned.exitCode = 1;
    QStringList many;
    for (int i = 0; i < 9; ++i)
        many << QString("ERROR: Cannot open output file : errno=28 : No space left on device : f%1").arg(i);
    const QString full = ExtractOutcome::ToolFailure(warned, many, "/i.iso", "/d/kept");
    QVERIFY(full.contains("f0") && full.contains("f4"));
    QVERIFY(!full.contains("f5"));
    QVERIFY(full.contains("4 more"));
    QVERIFY(full.contains("/d/kept"));
    QVERIFY(!full.contains("successfully"));
    QVERIFY(ExtractOutcome::ToolFailure(warned, {}, "/i.iso", "").contains("exit code 1"));
    QVERIFY(!ExtractOutcome::ToolFailure(warned, {}, "/i.iso", "").contains("kept"));
}

void TestExtractSteps::placementFailureNamesEntriesAndWhereTheyAre()
{
    const QString dest = TestSupport::freshDir("placer-message");
    TestSupport::writeFile(dest + "/F", "user's file");
    TestSupport::writeFile(dest + "/.stage/F/inner", "x");
    ExtractPlacer placer(dest + "/.stage", "", dest);
    QVERIFY(!placer.Place({"F", "gone"}));
    const QString text = ExtractOutcome::PlacementFailure(placer, dest, dest + "/.stage");
    QVERIFY(text.contains("did not extract: gone"));
    QVERIFY(text.contains(": F."));
    QVERIFY(text.contains(dest + "/.stage"));
}

QUILLMERE_TEST_MAIN(TestExtractSteps)
#include "tst_extractsteps.moc"
