#include "support/TestSupport.h"

#include "copydisk/CPage5.h"
#include "services/Util.h"
#include "shell/MainWindow.h"
#include "support/CopyDiskPageDriver.h"
#include "support/PickInFileDialog.h"
#include "support/ProcessProbe.h"
#include "widgets/CImageButton.h"
#include "widgets/CProgressDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTranslator>

#include <unistd.h>

using namespace TestSupport;
using Tools = CopyDiskPageDriver::Tools;
Q_DECLARE_METATYPE(FakeTool::Reply)

namespace {

QStringList listed(const CPage5* page)
{
    QStringList drives;
    for (int i = 0; i < page->form().dvdlist->count(); ++i)
        drives << page->form().dvdlist->itemText(i) + "|" + page->form().dvdlist->itemData(i).toString();
    return drives;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray recorded(const QString& name)
{
    return readFile(sharedFixture("macos/" + name));
}

const ModalAnswerer::Answer ok = ModalAnswerer::clickButton("btnok");
const QString usbWriter = "HL-DT-ST DVDRAM GP65NS60 PF00 (/dev/disk4)|/dev/disk4";

} // namespace

class TestCopyDiskPage : public QObject
{
    Q_OBJECT
private slots:
    void formHasEveryWidget();
    void driveList_data();
    void driveList();
    void listFollowsRebuildsAndTheWindow();
    void startRefuses_data();
    void startRefuses();
    void mountPointOfTheChosenDisc_data();
    void mountPointOfTheChosenDisc();
    void progress_data();
    void progress();
    void failedCopyLeavesTheOutputAlone_data();
    void failedCopyLeavesTheOutputAlone();
    void copiesTheDisc_data();
    void copiesTheDisc();
    void endingThePageDuringACopyLeavesNothing_data();
    void endingThePageDuringACopyLeavesNothing();
    void eject_data();
    void eject();
    void followsALanguageChange();
};

void TestCopyDiskPage::formHasEveryWidget()
{
    CopyDiskPageDriver driver;
    CPage5* page = driver.openPage();
    const CPage5Form& f = page->form();
    QCOMPARE(page->BackGround(), QString(":/nwu/page5"));
    QCOMPARE(f.makeimage->text(), QString("Make Image From Disc"));
    QCOMPARE(f.makeimage->font().weight(), 75);
    const QList<QPoint> labels{{32, 25}, {44, 85}, {44, 108}, {43, 238}, {43, 273}, {44, 311}};
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(f.labels().at(i)->pos(), labels.at(i));
    QCOMPARE(f.dvdlist->geometry(), QRect(44, 147, 476, 26));
    QCOMPARE(f.formatlist->geometry(), QRect(183, 270, 191, 27));
    QCOMPARE(f.formatlist->itemText(0), QString("ISO Format"));
    QCOMPARE(f.lineEdit->geometry(), QRect(44, 334, 476, 28));
    QVERIFY(f.lineEdit->isReadOnly());
    QCOMPARE(f.eject->normalPicture() + f.browser->normalPicture(), QString(":/nwu/refresh1:/nwu/filedialog1"));
    QCOMPARE(f.eject->pos() + f.browser->pos(), QPoint(549, 147) + QPoint(549, 334));
    QCOMPARE(f.back->text() + f.start->text(), QString("BackStart"));
    QCOMPARE(f.back->pos() + f.start->pos(), QPoint(44, 417) + QPoint(709, 417));

    const QString output = freshDir("browse") + "/disc.iso";
    ModalAnswerer answerer({saveInFileDialog(output), ModalAnswerer::cancelFileDialog()});
    QTest::mouseClick(f.browser, Qt::LeftButton);
    QCOMPARE(f.lineEdit->text(), output);
    page->OnBrowser();
    QCOMPARE(f.lineEdit->text(), QString()); // a cancelled dialog empties the field
    QTest::mouseClick(f.back, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return !page->isVisible(); }));
}

void TestCopyDiskPage::driveList_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QStringList>("drives");
    QTest::addColumn<int>("current");
    const QByteArray header = " Vendor   Product           Rev \n";
    const QByteArray internal = recorded("drutil-status-internal-cd.txt");
    const QString optiarc = "OPTIARC DVD RW AD-5960S 2AP5 (/dev/disk1)";
    QTest::newRow("words between runs of blanks")
        << header + "  VENDOR   DVD-RW    MODEL12   REV1\n         Type: DVD-R       Name: /dev/disk2\n" << ""
        << QStringList{"VENDOR DVD-RW MODEL12 REV1 (/dev/disk2)|/dev/disk2"} << 0;
    QTest::newRow("recorded writer") << recorded("drutil-status-usb-dvd.txt") << "" << QStringList{usbWriter} << 0;
    QTest::newRow("name without a header") << QByteArray("    Type: DVD-ROM    Name: /dev/disk2\n") << ""
                                           << QStringList{" (/dev/disk2)|/dev/disk2"} << 0;
    QTest::newRow("no drive") << QByteArray() << "" << QStringList() << -1;
    QTest::newRow("the remembered drive again") << recorded("drutil-status-usb-dvd.txt") + internal << optiarc
                                                << QStringList{usbWriter, optiarc + "|/dev/disk1"} << 1;
    QTest::newRow("the remembered drive is gone") << recorded("drutil-status-usb-dvd.txt") << optiarc
                                                  << QStringList{usbWriter} << 0;
}

void TestCopyDiskPage::driveList()
{
    QFETCH(QByteArray, status);
    QFETCH(QString, remembered);
    QFETCH(QStringList, drives);
    QFETCH(int, current);
    CopyDiskPageDriver driver;
    driver.drutil->on("status", {status});
    CPage5::dvdCurrent = remembered;
    CPage5* page = driver.openPage();
    QCOMPARE(listed(page), drives);
    QCOMPARE(page->form().dvdlist->currentIndex(), current);
}

void TestCopyDiskPage::listFollowsRebuildsAndTheWindow()
{
    CopyDiskPageDriver driver;
    driver.drutil->on("status", {recorded("drutil-status-internal-cd.txt") + recorded("drutil-status-usb-dvd.txt")});
    CPage5::dvdCurrent.clear();
    CPage5* page = driver.openPage();
    page->form().dvdlist->setCurrentIndex(1);
    page->InitializeDVDComboBox();
    QVERIFY(waitUntil([&] { return !page->isListing(); }));
    QCOMPARE(page->form().dvdlist->currentIndex(), 1);
    QCOMPARE(driver.openPage()->form().dvdlist->currentIndex(), 1); // a new page too

    MainWindow home;
    home.show();
    QTest::mouseClick(home.findChild<QWidget*>("copy"), Qt::LeftButton);
    auto* opened = qobject_cast<CPage5*>(home.currentPage());
    QVERIFY(opened && opened->isVisible() && opened->parentWidget() == &home);
    QCOMPARE(opened->pos(), QPoint(1, 107));
    QVERIFY(waitUntil([&] { return !opened->isListing(); }));
    driver.drutil->on("status", {recorded("drutil-status-usb-dvd.txt")});
    emit home.sigdrivechange();
    QVERIFY(waitUntil([&] { return !opened->isListing() && listed(opened) == QStringList{usbWriter}; }));
}

void TestCopyDiskPage::startRefuses_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QString>("mountLine");
    QTest::addColumn<bool>("withOutput");
    QTest::addColumn<QString>("message");
    const QByteArray usb = recorded("drutil-status-usb-dvd.txt");
    const QString notMounted = "No disc is mounted in the drive /dev/disk4.";
    QTest::newRow("no drive") << QByteArray() << "" << true << "Please select the iso file to save";
    QTest::newRow("no output file") << usb << "" << false << "Please select the iso file to save.";
    QTest::newRow("disc not mounted") << usb << "" << true << notMounted;
    QTest::newRow("another drive's disc") << usb << "/dev/disk41s1 on %1 (cd9660, local)\n" << true << notMounted;
    QTest::newRow("mount point gone") << usb << "/dev/disk4 on %1/gone (cd9660, local)\n" << true << notMounted;
}

void TestCopyDiskPage::startRefuses()
{
    QFETCH(QByteArray, status);
    QFETCH(QString, mountLine);
    QFETCH(bool, withOutput);
    QFETCH(QString, message);
    CopyDiskPageDriver driver;
    driver.drutil->on("status", {status});
    driver.mount->on("", {CopyDiskPageDriver::mountTable(mountLine.arg(driver.discFolder()))});
    CPage5* page = driver.openPage();
    const QString folder = freshDir("refused");
    const QStringList texts = driver.copy(page, withOutput ? folder + "/disc.iso" : QString(), {ok});
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first().startsWith(message), qPrintable(texts.first()));
    QVERIFY(driver.hdiutil->calls().isEmpty());
    QCOMPARE(entries(folder), QStringList());
}

void TestCopyDiskPage::mountPointOfTheChosenDisc_data()
{
    QTest::addColumn<QString>("mountLines"); // %1 the disc of /dev/disk4, %2 another folder
    QTest::newRow("blanks in the volume name") << "/dev/disk4 on %1 (cd9660, local, nodev, nosuid, read-only)\n";
    QTest::newRow("several partitions: the last wins")
        << "/dev/disk4s1 on %2 (hfs, local)\n/dev/disk4s2 on %1 (cd9660, local)\n";
    QTest::newRow("another drive's disc after ours")
        << "/dev/disk4s1 on %1 (cd9660, local)\n/dev/disk41s1 on %2 (cd9660, local)\n/dev/disk40 on %2 (udf)\n";
}

// hdiutil is started on the mount point of the chosen drive's own disc.
void TestCopyDiskPage::mountPointOfTheChosenDisc()
{
    QFETCH(QString, mountLines);
    CopyDiskPageDriver driver;
    const QString other = freshDir("other volumes") + "/OTHER DISC";
    QVERIFY(QDir().mkpath(other));
    driver.mount->on("", {CopyDiskPageDriver::mountTable(
                            mountLines.replace("%1", driver.discFolder()).replace("%2", other))});
    CPage5* page = driver.openPage();
    driver.copy(page, freshDir("chosen") + "/disc.iso", {ok});
    QCOMPARE(page->mountPoint(), driver.discFolder());
    QCOMPARE(driver.hdiutil->calls().value(0).mid(7), QStringList{driver.discFolder()});
}

void TestCopyDiskPage::progress_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("value");
    const QByteArray quarter = "DRStatusPercentCompleteKey: 0.25\n";
    QTest::newRow("a quarter") << quarter << 2500;
    QTest::newRow("zero changes nothing") << quarter + "DRStatusPercentCompleteKey: 0\n" << 2500;
    QTest::newRow("text changes nothing") << quarter + "DRStatusPercentCompleteKey: soon\r\nreading\n" << 2500;
    QTest::newRow("done") << quarter + "DRStatusPercentCompleteKey: 1\n" << 10000;
    QTest::newRow("past the end") << QByteArray("DRStatusPercentCompleteKey: 1.5\n") << 10000;
}

// The fake writes no image: each run ends with a message after its lines.
void TestCopyDiskPage::progress()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, value);
    CopyDiskPageDriver driver;
    driver.hdiutil->on("makehybrid *", {lines});
    CPage5* page = driver.openPage();
    const QString folder = freshDir("progress");
    driver.copy(page, folder + "/disc.iso", {ok});
    QCOMPARE(page->progressDialog()->value(), value);
    const QStringList call = driver.hdiutil->calls().value(0);
    QCOMPARE(call.mid(0, 6), (QStringList{"makehybrid", "-iso", "-joliet", "-debug", "-ov", "-o"}));
    QVERIFY(call.value(6).startsWith(folder + "/.disc.iso."));
    QCOMPARE(call.mid(7), QStringList{driver.discFolder()});
}

void TestCopyDiskPage::failedCopyLeavesTheOutputAlone_data()
{
    QTest::addColumn<FakeTool::Reply>("reply");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the tool's own error")
        << FakeTool::Reply{"DRStatusPercentCompleteKey: 0.3\nhdiutil: makehybrid failed - No space left on device\n", 1,
                           0, false, "half an image", "-o"}
        << "hdiutil: makehybrid failed - No space left on device";
    QTest::newRow("failure without a word") << FakeTool::Reply{"", 2} << "hdiutil ended with exit status 2.";
    QTest::newRow("success without an image") << FakeTool::Reply{"", 0} << "hdiutil ended without writing the image.";
    QTest::newRow("crash") << FakeTool::Reply{"", 0, 0, true, "half an image", "-o"} << "hdiutil ended unexpectedly.";
}

void TestCopyDiskPage::failedCopyLeavesTheOutputAlone()
{
    QFETCH(FakeTool::Reply, reply);
    QFETCH(QString, reason);
    CopyDiskPageDriver driver;
    driver.hdiutil->on("makehybrid *", reply);
    CPage5* page = driver.openPage();
    const QString folder = freshDir("failed");
    const QString output = writeFile(folder + "/disc.iso", "the user's own file");
    QCOMPARE(driver.copy(page, output, {ok}), QStringList{"The disc could not be copied:\n" + reason});
    QCOMPARE(readFile(output), QByteArray("the user's own file"));
    QCOMPARE(entries(folder), QStringList{"disc.iso"});
}

void TestCopyDiskPage::copiesTheDisc_data()
{
    QTest::addColumn<bool>("mounted");
    QTest::newRow("a folder named as the mount point") << false;
    QTest::newRow("the mounted disc of a file drive") << true;
}

// The image is written by the application's own hdiutil; in the second
// row every tool is the application's own.
void TestCopyDiskPage::copiesTheDisc()
{
    QFETCH(bool, mounted);
    if (mounted && (geteuid() != 0 || !QFileInfo("/usr/bin/fuseiso").isExecutable()))
        QSKIP("mounting an image needs root and fuseiso");
    CopyDiskPageDriver driver(mounted ? Tools::RealTools : Tools::RealHdiutil);
    const QString tools = Util::GetCurrentExePath() + "/disktools/";
    QString drive = "/dev/disk4";
    QString disc = driver.discFolder();
    int status = -1;
    if (mounted) {
        drive = freshDir("drive") + "/disc.bin";
        runTool("mkisofs", {"-quiet", "-J", "-R", "-o", drive, driver.discFolder()}, &status);
        qputenv("QUILLMERE_TEST_OPTICAL_DRIVE", QFile::encodeName(drive));
        disc = QString::fromUtf8(runTool(tools + "hdiutil", {"mount", drive}, &status)).section('\t', 2).trimmed();
        QCOMPARE(status, 0);
    }
    auto unmount = qScopeGuard([&] {
        if (mounted)
            runTool(tools + "hdiutil", {"unmount", "-force", disc});
        qunsetenv("QUILLMERE_TEST_OPTICAL_DRIVE");
    });
    CPage5* page = driver.openPage();
    page->form().dvdlist->setCurrentIndex(page->form().dvdlist->findData(drive));
    QVERIFY(page->form().dvdlist->currentIndex() >= 0);
    const QString folder = freshDir("copy") + "/my images";
    const QString first = writeFile(folder + "/disc.iso", "an older image");
    const QStringList content{"README.TXT 8", "setup", "setup/data.bin 300000"};
    // A second copy after the first one ended leaves the first image whole.
    for (const QString& output : {first, folder + "/second.iso"}) {
        QCOMPARE(driver.copy(page, output, {ok}), QStringList{"Copy CD/DVD successfully!"});
        QCOMPARE(page->mountPoint(), disc);
        QCOMPARE(page->progressDialog()->value(), 10000);
        QCOMPARE(CopyDiskPageDriver::imageContent(output), content);
    }
    QCOMPARE(CopyDiskPageDriver::imageContent(first), content);
    QCOMPARE(entries(folder), (QStringList{"disc.iso", "second.iso"}));
    const QString unpacked = freshDir("unpacked");
    runTool("7z", {"x", "-o" + unpacked, first}, &status);
    for (const QString file : {"README.TXT", "setup/data.bin"})
        QVERIFY2(readFile(unpacked + "/" + file) == readFile(driver.discFolder() + "/" + file), qPrintable(file));
    if (mounted) {
        QTest::mouseClick(page->form().eject, Qt::LeftButton);
        QVERIFY(waitUntil([&] { return !page->isEjecting(); }, 30000));
        QVERIFY(!runTool(tools + "mount", {}).contains(drive.toUtf8()));
    }
}

void TestCopyDiskPage::endingThePageDuringACopyLeavesNothing_data()
{
    QTest::addColumn<bool>("byTheWindow");
    QTest::newRow("page deleted") << false;
    QTest::newRow("window's close control") << true; // what it does before the program ends
}

void TestCopyDiskPage::endingThePageDuringACopyLeavesNothing()
{
    QFETCH(bool, byTheWindow);
    CopyDiskPageDriver driver;
    driver.hdiutil->on("makehybrid *", {"", 0, 20000, false, "half an image", "-o"});
    MainWindow home;
    CPage5* page = driver.openPage();
    if (byTheWindow) {
        delete page;
        home.show();
        QTest::mouseClick(home.findChild<QWidget*>("copy"), Qt::LeftButton);
        page = qobject_cast<CPage5*>(home.currentPage());
        QVERIFY(page && waitUntil([&] { return !page->isListing(); }));
    }
    const QString folder = freshDir("ended");
    page->form().lineEdit->setText(folder + "/disc.iso");
    QTest::mouseClick(page->form().start, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return QFileInfo(page->writePath()).size() > 0; }));
    QCOMPARE(entries(folder), QStringList{QFileInfo(page->writePath()).fileName()});
    // The copy cannot be stopped from its progress dialog.
    QVERIFY(!page->progressDialog()->findChild<CImageButton*>("btncancel")->isEnabled());
    if (byTheWindow)
        home.endPagesWork();
    else
        delete page;
    QVERIFY(waitUntil([] { return ProcessProbe::children().isEmpty(); }));
    QCOMPARE(entries(folder), QStringList());
}

void TestCopyDiskPage::eject_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("ejected") << 0 << QStringList();
    QTest::newRow("busy") << 1 << QStringList{"The disc could not be ejected:\nhdiutil: eject failed - Resource busy"};
}

void TestCopyDiskPage::eject()
{
    QFETCH(int, exitCode);
    QFETCH(QStringList, texts);
    CopyDiskPageDriver driver;
    driver.hdiutil->on("eject *", {exitCode ? "hdiutil: eject failed - Resource busy\n" : "", exitCode});
    CPage5* page = driver.openPage();
    ModalAnswerer answerer({ok});
    answerer.closeUnexpected();
    QTest::mouseClick(page->form().eject, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return !page->isEjecting() && !QApplication::activeModalWidget(); }));
    QCOMPARE(answerer.texts() + answerer.unexpected(), texts);
    QCOMPARE(driver.hdiutil->calls(), (QList<QStringList>{{"eject", "/dev/disk4"}}));
}

void TestCopyDiskPage::followsALanguageChange()
{
    CopyDiskPageDriver driver;
    CPage5* page = driver.openPage();
    QTranslator german;
    QVERIFY(german.load(Util::GetCurrentExePath() + "/translations/qt_de.qm"));
    QCoreApplication::installTranslator(&german);
    QVERIFY(waitUntil([&] { return page->form().start->text() != "Start"; }));
    const QString texts = page->form().select->text() + "|" + page->form().formatlist->itemText(0) + "|" +
                          page->form().back->text();
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(texts, QString("CD/DVD-Laufwerk wählen:|ISO-Format|Zurück"));
    QVERIFY(waitUntil([&] { return page->form().start->text() == "Start"; }));
}

QUILLMERE_TEST_MAIN(TestCopyDiskPage)
#include "tst_copydiskpage.moc"
