#include "support/TestSupport.h"

#include "services/ArchiveTool.h"
#include "services/Util.h"
#include "support/RunRecorder.h"

#include <QLoggingCategory>

class TestArchiveTool : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void programLiesInTheApplicationFolder();
    void arguments_data();
    void arguments();
    void realListingThroughTheRunner();
    void realExtractionThroughTheRunner();

private:
    QString m_Iso;
    QString makeImage();
};

void TestArchiveTool::initTestCase()
{
    QLoggingCategory::setFilterRules("quillmere.runner.debug=false");
    m_Iso = makeImage();
    QVERIFY(QFileInfo(m_Iso).size() > 0);
}

QString TestArchiveTool::makeImage()
{
    const QString root = TestSupport::freshDir("image-content");
    TestSupport::writeFile(root + "/readme.txt", "hello\n");
    TestSupport::writeFile(root + "/docs/guide one.txt", QByteArray(3000, 'g'));
    const QString iso = TestSupport::freshDir("images") + "/small.iso";
    int exitCode = -1;
    TestSupport::runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs",
                         {"-quiet", "-J", "-r", "-o", iso, root}, &exitCode);
    return exitCode == 0 ? iso : QString();
}

void TestArchiveTool::programLiesInTheApplicationFolder()
{
    QCOMPARE(ArchiveTool::program(), Util::GetCurrentExePath() + "/7z/7z");
    QVERIFY(QFileInfo(ArchiveTool::program()).isExecutable());
}

void TestArchiveTool::arguments_data()
{
    QTest::addColumn<QStringList>("actual");
    QTest::addColumn<QStringList>("expected");
    const QString iso = "/images/my disc.iso";
    QTest::newRow("list") << ArchiveTool::listArgs(iso) << QStringList{"l", "-spd", "--", iso};
    QTest::newRow("list UTF-8") << ArchiveTool::listArgsUtf8(iso)
                                << QStringList{"-scsUTF-8", "l", "-spd", "--", iso};
    QTest::newRow("extract chosen")
        << ArchiveTool::extractArgs(iso, "/data/x.list")
        << QStringList{"x", "-y", "-bb3", "-bsp2", "-spd", "-scsUTF-8", "-ir-@/data/x.list", "--", iso};
    QTest::newRow("unpack all")
        << ArchiveTool::unpackAllArgs("/data/tmp/", iso)
        << QStringList{"x", "-y", "-bb3", "-bsp2", "-spd", "-o/data/tmp/", "--", iso};
    QTest::newRow("unpack to drive")
        << ArchiveTool::unpackToDriveArgs("/Volumes/USB", iso, false)
        << QStringList{"x", "-bsp2", "-spd", "-y", "-o/Volumes/USB/", "--", iso};
    QTest::newRow("unpack to drive without install.wim")
        << ArchiveTool::unpackToDriveArgs("/Volumes/USB", iso, true)
        << QStringList{"x", "-bsp2", "-spd", "-xr!install.wim", "-y", "-o/Volumes/USB/", "--", iso};
}

void TestArchiveTool::arguments()
{
    QFETCH(QStringList, actual);
    QFETCH(QStringList, expected);
    QCOMPARE(actual, expected);
}

void TestArchiveTool::realListingThroughTheRunner()
{
    const QStringList lines = RunRecorder::runToEnd(ArchiveTool::program(), ArchiveTool::listArgs(m_Iso));
    const QStringList separators = lines.filter("-------------------");
    QCOMPARE(separators.size(), 2);
    const int first = lines.indexOf(separators[0]);
    const int second = lines.indexOf(separators[1], first + 1);
    const QStringList rows = lines.mid(first + 1, second - first - 1);
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows.filter(QRegularExpression(" D.... .* docs$")).size() == 1);
    QVERIFY(rows.filter(QRegularExpression(" 3000 .* docs/guide one\\.txt$")).size() == 1);
    QVERIFY(rows.filter(QRegularExpression(" 6 .* readme\\.txt$")).size() == 1);
}

void TestArchiveTool::realExtractionThroughTheRunner()
{
    const QString dest = TestSupport::freshDir("extracted");
    const QString list = TestSupport::writeFile(TestSupport::freshDir("list") + "/x.list",
                                                ArchiveTool::listFileText({"docs"}));
    RunResult result;
    const QStringList lines = RunRecorder::runToEnd(
        ArchiveTool::program(), ArchiveTool::extractArgs(m_Iso, list), &result, 30000, dest);
    QVERIFY(result.succeeded());
    QCOMPARE(TestSupport::readFile(dest + "/docs/guide one.txt"), QByteArray(3000, 'g'));
    QVERIFY(!QFile::exists(dest + "/readme.txt"));
    QVERIFY(!lines.filter("Everything is Ok").isEmpty());
}

QUILLMERE_TEST_MAIN(TestArchiveTool)
#include "tst_archivetool.moc"
