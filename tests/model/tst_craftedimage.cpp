#include "support/CraftedImage.h"
#include "support/TestSupport.h"

// The crafted-image helper writes the names asked for into the image, as
// 7z lists them, and leaves the contents where they were.
class TestCraftedImage : public QObject
{
    Q_OBJECT
private slots:
    void namesReachTheListing_data();
    void namesReachTheListing();
    void contentStaysWithItsName();
};

namespace {

// The paths of 7z's table for the image, names in UTF-8 bytes.
QList<QByteArray> listedPaths(const QString& iso)
{
    int exitCode = -1;
    const QByteArray output = TestSupport::runTool("7z", {"-scsUTF-8", "l", iso}, &exitCode);
    QList<QByteArray> paths;
    bool inTable = false;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("-------------------")) {
            inTable = !inTable;
            continue;
        }
        if (inTable)
            paths << line.mid(53);
    }
    return paths;
}

} // namespace

void TestCraftedImage::namesReachTheListing_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("listed");
    // 7z itself lists a name "." under the image's name and ".." as ".".
    QTest::newRow("parent") << QByteArray() << QByteArray("..") << QByteArray(".");
    QTest::newRow("dot") << QByteArray() << QByteArray(".") << QByteArray("t");
    QTest::newRow("climbs") << QByteArray() << QByteArray("../x") << QByteArray("../x");
    QTest::newRow("climbs deeper") << QByteArray("a") << QByteArray("b/../../e") << QByteArray("a/b/../../e");
    QTest::newRow("absolute") << QByteArray() << QByteArray("/tmp/x") << QByteArray("/tmp/x");
    QTest::newRow("hyphens") << QByteArray() << QByteArray(24, '-') << QByteArray(24, '-');
    QTest::newRow("carriage return") << QByteArray("a") << QByteArray("c\rr") << QByteArray("a/c\rr");
    QTest::newRow("line feed") << QByteArray() << QByteArray("l\nf") << QByteArray("l_f");
    QTest::newRow("two-byte character") << QByteArray() << QByteArray("\xc3\xa9t\xc3\xa9")
                                        << QByteArray("\xc3\xa9t\xc3\xa9");
}

void TestCraftedImage::namesReachTheListing()
{
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, listed);
    CraftedImage image;
    QList<QByteArray> path = folder.isEmpty() ? QList<QByteArray>() : CraftedImage::path(folder);
    image.addFile(path << name);
    image.addFile({"plain"});
    const QString iso = TestSupport::freshDir("crafted") + "/t.iso";
    QString error;
    QVERIFY2(image.write(iso, &error), qPrintable(error));
    const QList<QByteArray> paths = listedPaths(iso);
    QVERIFY2(paths.contains(listed), paths.join('|').constData());
    QVERIFY(paths.contains("plain"));
}

void TestCraftedImage::contentStaysWithItsName()
{
    CraftedImage image;
    image.addFile({"first"}, "one\n");
    image.addFile({"f", "second"}, "two\n");
    image.addFolder({"empty"});
    const QString dir = TestSupport::freshDir("crafted-content");
    QVERIFY(image.write(dir + "/t.iso"));
    int exitCode = -1;
    TestSupport::runTool("7z", {"x", "-y", "-o" + dir + "/out", dir + "/t.iso"}, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(TestSupport::readFile(dir + "/out/first"), QByteArray("one\n"));
    QCOMPARE(TestSupport::readFile(dir + "/out/f/second"), QByteArray("two\n"));
    QVERIFY(QFileInfo(dir + "/out/empty").isDir());
}

QUILLMERE_TEST_MAIN(TestCraftedImage)
#include "tst_craftedimage.moc"
