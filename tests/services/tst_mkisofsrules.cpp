#include "support/TestSupport.h"

#include "create/CreateChecks.h"
#include "services/MkisofsArgs.h"
#include "services/MkisofsFailure.h"
#include "services/MkisofsProgress.h"
#include "create/PartialImage.h"
#include "model/CTree.h"
#include "services/Util.h"

#include <QFile>

class TestMkisofsRules : public QObject
{
    Q_OBJECT
private slots:
    void progressLinesGiveHundredthsOfAPercent_data();
    void progressLinesGiveHundredthsOfAPercent();
    void argumentListsOfTheThreeTypes();
    void failureShowsTheToolsOwnLine();
    void failureLinesFromRealRuns();
    void largeFilesAreFoundAnywhereInTheCollection();
    void longJolietNamesAreFoundAnywhere_data();
    void longJolietNamesAreFoundAnywhere();
    void partialImageRemovesOnlyWhatTheRunWrote();
};

void TestMkisofsRules::progressLinesGiveHundredthsOfAPercent_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("value"); // -1: not a progress line
    QTest::newRow("recorded") << "  3.36% done, estimate finish Tue Dec  8 03:59:17 2026" << 336;
    QTest::newRow("two decimals") << " 45.67% done, estimate finish Tue Dec  8 03:59:17 2026" << 4567;
    QTest::newRow("top") << "100.00% done, estimate finish Tue Dec  8 03:59:17 2026" << 10000;
    QTest::newRow("all hundredths") << " 99.99% done, estimate finish x" << 9999;
    QTest::newRow("truncated") << " 12.349% done, estimate finish x" << 1234;
    QTest::newRow("not a number") << "abc% done, estimate finish x" << 0;
    QTest::newRow("at position 0") << "% done, estimate finish x" << -1;
    QTest::newRow("note") << "I: -input-charset not specified, using utf-8" << -1;
    QTest::newRow("summary") << "2097573 extents written (4096 MB)" << -1;
    QTest::newRow("other case") << " 10.00% Done, estimate finish x" << -1;
}

void TestMkisofsRules::progressLinesGiveHundredthsOfAPercent()
{
    QFETCH(QString, line);
    QFETCH(int, value);
    const std::optional<int> read = MkisofsProgress::value(line);
    QCOMPARE(read.has_value(), value >= 0);
    if (read)
        QCOMPARE(*read, value);
}

void TestMkisofsRules::argumentListsOfTheThreeTypes()
{
    using T = MkisofsArgs::ImageType;
    const QString stage = "/data/work/create-1";
    QCOMPARE(MkisofsArgs::build(T::Udf, "/x/a.iso", stage),
             QStringList({"-udf", "-R", "-r", "-o", "/x/a.iso", stage}));
    QCOMPARE(MkisofsArgs::build(T::Joliet, "/x/my image.iso", stage),
             QStringList({"-joliet", "-joliet-long", "-R", "-r", "-o", "/x/my image.iso", stage}));
    QCOMPARE(MkisofsArgs::build(T::Iso9660, "/x/a.iso", stage), QStringList({"-l", "-R", "-r", "-o", "/x/a.iso", stage}));
    QCOMPARE(MkisofsArgs::build(T::Udf, "/x/a.iso", stage, true),
             QStringList({"-udf", "-allow-limited-size", "-R", "-r", "-o", "/x/a.iso", stage}));
    QCOMPARE(MkisofsArgs::build(T::Joliet, "/x/a.iso", stage, true).size(), 7);
    QCOMPARE(MkisofsArgs::program(), Util::GetCurrentExePath() + "/cdrtools/mkisofs");
}

void TestMkisofsRules::failureShowsTheToolsOwnLine()
{
    QCOMPARE(MkisofsFailure::errorLine({"I: -input-charset not specified, using utf-8 (detected in locale settings)",
                                        "genisoimage: No space left on device. Cannot fwrite 32768*1",
                                        "  9.00% done, estimate finish x"}),
             QString("genisoimage: No space left on device. Cannot fwrite 32768*1"));
    QCOMPARE(MkisofsFailure::errorLine({"I: note", "File src/huge.bin is larger than 4GiB-1.",
                                        "-allow-limited-size was not specified. Aborting."}),
             QString("File src/huge.bin is larger than 4GiB-1.\n-allow-limited-size was not specified. Aborting."));
    QCOMPARE(MkisofsFailure::errorLine({"I: note", "genisoimage: No such file or directory. ",
                                        "Unable to open disc image file '/proc/a.iso'."}),
             QString("genisoimage: No such file or directory. Unable to open disc image file '/proc/a.iso'."));
    QCOMPARE(MkisofsFailure::errorLine({"I: only a note", " 50.00% done, estimate finish x"}), QString());
    QCOMPARE(MkisofsFailure::clean("mkisofs: bad\b\b  \t thing  "), QString("mkisofs: bad thing"));
}

void TestMkisofsRules::failureLinesFromRealRuns()
{
    const QString src = TestSupport::freshDir("rules-src");
    TestSupport::writeFile(src + "/a.txt", "a");
    int code = 0;
    QByteArray out = TestSupport::runTool(MkisofsArgs::program(),
                                          MkisofsArgs::build(MkisofsArgs::ImageType::Joliet, src + "/no/such/a.iso", src),
                                          &code);
    QVERIFY(code != 0);
    QString line = MkisofsFailure::errorLine(QString::fromUtf8(out).split('\n'));
    QVERIFY2(line.contains("Unable to open disc image file"), qPrintable(line));

    out = TestSupport::runTool(MkisofsArgs::program(),
                               MkisofsArgs::build(MkisofsArgs::ImageType::Udf, src + "/b.iso", src + "/missing"), &code);
    QVERIFY(code != 0);
    line = MkisofsFailure::errorLine(QString::fromUtf8(out).split('\n'));
    QVERIFY2(line.contains("missing"), qPrintable(line));
}

void TestMkisofsRules::largeFilesAreFoundAnywhereInTheCollection()
{
    const QString dir = TestSupport::freshDir("rules-large");
    const QString small = TestSupport::writeFile(dir + "/small.bin", "s");
    QFile just(dir + "/just below.bin");
    QVERIFY(just.open(QIODevice::WriteOnly) && just.resize(CreateChecks::LargeFileSize - 1));
    just.close();
    QFile huge(dir + "/huge.bin");
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(CreateChecks::LargeFileSize)); // sparse
    huge.close();

    CTree tree;
    QVERIFY(CreateChecks::isEmpty(tree));
    auto file = [](const QString& path, const QString& source) {
        Item item;
        item.m_Path = path;
        item.m_SrcPath = source;
        item.m_IsDir = false;
        return item;
    };
    tree.AddItem(file("small.bin", small));
    tree.AddItem(file("D/S/just below.bin", dir + "/just below.bin"));
    QVERIFY(!CreateChecks::isEmpty(tree));
    QVERIFY(!CreateChecks::holdsLargeFile(tree));
    tree.AddItem(file("D/S/T/huge.bin", dir + "/huge.bin"));
    QVERIFY(CreateChecks::holdsLargeFile(tree));
    tree.RemoveItem("D");
    QVERIFY(!CreateChecks::holdsLargeFile(tree));
}

void TestMkisofsRules::longJolietNamesAreFoundAnywhere_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("103 characters") << QString(103, 'a') << false;
    QTest::newRow("104 characters") << QString(104, 'b') << true;
    QTest::newRow("a long folder") << QString(110, 'c') + "/x.txt" << true;
    QTest::newRow("deep inside") << "d/e/" + QString(120, 'f') << true;
    QTest::newRow("103 non-ASCII characters") << QString(103, QChar(0x00e9)) << false;
}

void TestMkisofsRules::longJolietNamesAreFoundAnywhere()
{
    QFETCH(QString, path);
    QFETCH(bool, shortened);
    CTree tree;
    Item item;
    item.m_Path = path;
    tree.AddItem(item);
    QStringList expected;
    if (shortened) {
        const QString longPart = path.split('/').filter(QRegularExpression(".{104,}")).value(0);
        expected << path.left(path.indexOf(longPart) + longPart.size());
    }
    QCOMPARE(CreateChecks::longJolietNames(tree), expected);
}

void TestMkisofsRules::partialImageRemovesOnlyWhatTheRunWrote()
{
    const QString dir = TestSupport::freshDir("rules-partial");
    PartialImage fresh(dir + "/new.iso");
    TestSupport::writeFile(dir + "/new.iso", "half an image");
    QVERIFY(fresh.discard());
    QVERIFY(!QFile::exists(dir + "/new.iso"));

    const QString kept = TestSupport::writeFile(dir + "/kept.iso", "the user's old image");
    PartialImage untouched(kept);
    QVERIFY(!untouched.discard()); // the tool failed before writing it
    QCOMPARE(TestSupport::readFile(kept), QByteArray("the user's old image"));

    PartialImage overwritten(kept);
    TestSupport::writeFile(kept, "truncated");
    QVERIFY(overwritten.discard());

    QVERIFY(!PartialImage("/dev/null").discard());
    QVERIFY(QFile::exists("/dev/null"));
}

QUILLMERE_TEST_MAIN(TestMkisofsRules)
#include "tst_mkisofsrules.moc"
