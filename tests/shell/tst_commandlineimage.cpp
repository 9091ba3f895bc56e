#include "support/TestSupport.h"

#include "extract/CPage2.h"
#include "services/Util.h"
#include "shell/CommandLineImage.h"
#include "shell/MainWindow.h"
#include "support/ModalAnswerer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTreeWidget>

class TestCommandLineImage : public QObject
{
    Q_OBJECT
private slots:
    void picksTheImageArgument_data();
    void picksTheImageArgument();
    void opensTheExtractPageWithTheImageListed();
    void missingImageIsReportedOnAnEmptyPage();
};

void TestCommandLineImage::picksTheImageArgument_data()
{
    const QString here = QDir::currentPath();
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("image");
    QTest::newRow("program only") << QStringList{"quillmere"} << QString();
    QTest::newRow("absolute") << QStringList{"quillmere", "/data/disc.iso"} << QString("/data/disc.iso");
    QTest::newRow("relative, made absolute") << QStringList{"quillmere", "sub/disc.iso"} << here + "/sub/disc.iso";
    QTest::newRow("upper-case suffix") << QStringList{"quillmere", "/d/DISC.ISO"} << QString("/d/DISC.ISO");
    QTest::newRow("blanks in the name") << QStringList{"quillmere", "/d/my disc.iso"} << QString("/d/my disc.iso");
    QTest::newRow("other file") << QStringList{"quillmere", "/d/notes.txt"} << QString();
    QTest::newRow("suffix inside the name") << QStringList{"quillmere", "/d/disc.iso.txt"} << QString();
    QTest::newRow("named iso without a suffix") << QStringList{"quillmere", "/d/iso"} << QString();
    QTest::newRow("option ignored") << QStringList{"quillmere", "--reverse", "/d/a.iso"} << QString("/d/a.iso");
    QTest::newRow("first image wins") << QStringList{"quillmere", "x.txt", "/d/a.iso", "/d/b.iso"}
                                      << QString("/d/a.iso");
    QTest::newRow("program's own name is no image") << QStringList{"/opt/a.iso"} << QString();
}

void TestCommandLineImage::picksTheImageArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, image);
    QCOMPARE(CommandLineImage::fromArguments(arguments), image);
}

void TestCommandLineImage::opensTheExtractPageWithTheImageListed()
{
    const QString source = TestSupport::freshDir("source");
    TestSupport::writeFile(source + "/readme.txt", "top readme");
    TestSupport::writeFile(source + "/boot/inner.txt", "inner");
    const QString iso = TestSupport::freshDir("image") + "/Opened Disc.iso";
    int exitCode = -1;
    TestSupport::runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs", {"-quiet", "-J", "-R", "-o", iso, source},
                         &exitCode);
    QCOMPARE(exitCode, 0);

    MainWindow window;
    window.show();
    // A message (a failed listing) is closed so that the test ends, and fails it below.
    ModalAnswerer unexpected({ModalAnswerer::clickButton("btnok")});
    window.openImage(iso);
    auto* page = qobject_cast<CPage2*>(window.currentPage());
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QCOMPARE(page->pos(), QPoint(1, 107));
    QSignalSpy ended(page, &CPage2::listingEnded);
    QVERIFY(ended.wait(20000));
    QCOMPARE(ended.first().first().toBool(), true);
    QCOMPARE(unexpected.texts(), QStringList());
    QCOMPARE(page->isoPath(), iso);
    auto* tree = page->findChild<QTreeWidget*>("tree");
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("Opened Disc.iso"));
    auto* list = page->findChild<QTableWidget*>("list");
    QStringList names;
    for (int row = 0; row < list->rowCount(); ++row)
        names << list->item(row, 0)->text();
    names.sort();
    QCOMPARE(names, QStringList({"boot", "readme.txt"}));
}

void TestCommandLineImage::missingImageIsReportedOnAnEmptyPage()
{
    const QString missing = TestSupport::freshDir("none") + "/gone.iso";
    MainWindow window;
    window.show();
    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok")});
    window.openImage(missing);
    QVERIFY(answerer.allAnswered());
    QCOMPARE(answerer.lastText(),
             QString("The file %1 does not exist. Choose an ISO image with Load ISO.").arg(missing));
    auto* page = qobject_cast<CPage2*>(window.currentPage());
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QVERIFY(!page->isListing());
    QVERIFY(page->isoPath().isEmpty());
    QCOMPARE(page->findChild<QTreeWidget*>("tree")->topLevelItemCount(), 0);
    // The page stays usable: Load ISO is enabled.
    QVERIFY(page->findChild<QWidget*>("loadiso")->isEnabled());
}

QUILLMERE_TEST_MAIN(TestCommandLineImage)
#include "tst_commandlineimage.moc"
