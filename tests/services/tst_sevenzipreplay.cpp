#include "support/TestSupport.h"

#include "model/CTree.h"
#include "model/ListingReader.h"
#include "services/ArchiveTool.h"
#include "services/CRunCommandThread.h"
#include "services/Util.h"
#include "support/RunRecorder.h"

#include <QLoggingCategory>
#include <QRegularExpression>

// Recorded output of the real 7z (tests/fixtures/7z-<version>, made by
// scripts/record-7z-fixtures) printed by a real child process and read
// through the command runner, as the pages read the live tool.
class TestSevenZipReplay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void listingFillsTheTree_data();
    void listingFillsTheTree();
    void extractionDeliversNamesAndProgress_data();
    void extractionDeliversNamesAndProgress();
    void redrawParts_data();
    void redrawParts();

private:
    static QString fixturePath(const QString& name) { return TestSupport::fixture("7z-26.02/" + name); }
    static QStringList replay(const QString& name);
    static QList<int> percentsIn(const QStringList& parts);
};

void TestSevenZipReplay::initTestCase()
{
    QLoggingCategory::setFilterRules("quillmere.runner.debug=false");
}

QStringList TestSevenZipReplay::replay(const QString& name)
{
    if (!QFile::exists(fixturePath(name)))
        qFatal("missing fixture %s", qPrintable(name));
    return RunRecorder::runToEnd(Util::GetCurrentExePath() + "/runnerhelper", {"cat", fixturePath(name)});
}

QList<int> TestSevenZipReplay::percentsIn(const QStringList& parts)
{
    static const QRegularExpression percent("^\\s*(\\d+)%");
    QList<int> percents;
    for (const QString& part : parts) {
        const QRegularExpressionMatch match = percent.match(part);
        if (match.hasMatch())
            percents << match.captured(1).toInt();
    }
    return percents;
}

void TestSevenZipReplay::listingFillsTheTree_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("folder");
    QTest::newRow("nested") << "list-nested.txt" << 11 << "dir one/sub/f g.txt" << "3" << "deep/a/b/c";
    QTest::newRow("boot record") << "list-boot.txt" << 5 << "[BOOT]/Boot-NoEmul.img" << "2048" << "boot";
    QTest::newRow("UTF-8 names") << "list-utf8.txt" << 4 << QString::fromUtf8("café/crème brûlée.txt") << "7"
                                 << QString::fromUtf8("文档");
}

void TestSevenZipReplay::listingFillsTheTree()
{
    QFETCH(QString, fixture);
    QFETCH(int, rows);
    QFETCH(QString, file);
    QFETCH(QString, size);
    QFETCH(QString, folder);
    CTree tree;
    ListingReader reader(tree);
    reader.Start("/images/replayed.iso");
    // The pages read a listing's bytes, as the runner's byte mode hands
    // them on.
    auto* runner = new CRunCommandThread;
    runner->m_bRawOutput = true;
    bool ended = false;
    connect(runner, &CRunCommandThread::standoutputbytes, this, [&](const QByteArray& bytes) { reader.ReadOutput(bytes); });
    connect(runner, &CRunCommandThread::sigfinished, this, [&] { ended = true; });
    runner->SetRunCmd(Util::GetCurrentExePath() + "/runnerhelper", {"cat", fixturePath(fixture)});
    runner->start();
    QVERIFY(TestSupport::waitUntil([&] { return ended; }));
    runner->release();
    reader.EndOfOutput();
    QVERIFY(reader.IsComplete());
    QCOMPARE(reader.RowCount(), rows);
    Item* item = tree.GetItem(file);
    QVERIFY(item);
    QVERIFY(!item->m_IsDir);
    QCOMPARE(item->m_Size.trimmed(), size);
    QVERIFY(tree.GetItem(folder) && tree.GetItem(folder)->m_IsDir);
}

void TestSevenZipReplay::extractionDeliversNamesAndProgress_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("someName");
    QTest::newRow("chosen entries") << "extract-nested.txt" << "dir one/sub/f g.txt";
    QTest::newRow("large file, several redraws") << "extract-large.txt" << "sub/huge.bin";
    QTest::newRow("unpack with a boot record") << "unpack-boot.txt" << "[BOOT]/Boot-NoEmul.img";
    QTest::newRow("unpack a real bootable image") << "unpack-grub-rescue.txt" << "boot/grub/grub.cfg";
    QTest::newRow("unpack UTF-8 names") << "unpack-utf8.txt" << QString::fromUtf8("文档/说明.txt");
    QTest::newRow("name not in the image") << "extract-missing-name.txt" << QString();
}

void TestSevenZipReplay::extractionDeliversNamesAndProgress()
{
    QFETCH(QString, fixture);
    QFETCH(QString, someName);
    const QByteArray recorded = TestSupport::readFile(fixturePath(fixture));
    const QStringList lines = replay(fixture);
    QVERIFY(lines.contains("Everything is Ok"));
    if (!someName.isEmpty())
        QVERIFY2(lines.contains("- " + someName), qPrintable(lines.join('\n')));
    else
        QVERIFY(lines.contains("No files to process"));

    // Every percentage the tool drew reaches the page, in order, once the
    // lines are cut at their backspaces.
    QList<int> drawn;
    static const QRegularExpression percent("(\\d+)%");
    for (auto it = percent.globalMatch(QString::fromLatin1(recorded)); it.hasNext();)
        drawn << it.next().captured(1).toInt();
    QList<int> delivered;
    for (const QString& line : lines) {
        QVERIFY(!line.contains('\r') && !line.contains('\n'));
        delivered << percentsIn(ArchiveTool::redrawParts(line));
    }
    QCOMPARE(delivered, drawn);
    QVERIFY(std::is_sorted(delivered.begin(), delivered.end()));
    if (fixture == "extract-large.txt")
        QVERIFY(delivered.size() > 2);
}

void TestSevenZipReplay::redrawParts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("plain line") << "- sub/huge.bin" << QStringList{"- sub/huge.bin"};
    QTest::newRow("first redraw then section")
        << "  0%\b\b\b\b    \b\b\b\b--" << QStringList{"  0%", "--"};
    QTest::newRow("progress with a name")
        << "  0%\b\b\b\b    \b\b\b\b 71% 3 - sub/huge.bin\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b"
           "                     \b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b"
        << QStringList{"  0%", " 71% 3 - sub/huge.bin"};
    QTest::newRow("only erasing") << "\b\b\b    \b\b\b" << QStringList();
}

void TestSevenZipReplay::redrawParts()
{
    QFETCH(QString, line);
    QFETCH(QStringList, parts);
    QCOMPARE(ArchiveTool::redrawParts(line), parts);
}

QUILLMERE_TEST_MAIN(TestSevenZipReplay)
#include "tst_sevenzipreplay.moc"
