#include "support/TestSupport.h"

#include "burn/CBurnDialog.h"
#include "services/Util.h"
#include "services/InterfaceLanguages.h"
#include "shell/MainWindow.h"
#include "support/BurnPageDriver.h"
#include "support/OwnAppFolder.h"
#include "support/PickInFileDialog.h"
#include "widgets/CImageButton.h"
#include "widgets/CMyComboBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTranslator>

using namespace TestSupport;

class TestBurnPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formHasEveryWidget();
    void usbListOffersOnlyRemovableUsbDisks_data();
    void usbListOffersOnlyRemovableUsbDisks();
    void opticalListReselectsTheCurrentDrive();
    void rebuildsOnDropDownAndDriveChange();
    void labelIsUpperCaseAndElevenLong_data();
    void labelIsUpperCaseAndElevenLong();
    void gptKeepsFat32();
    void targetSwitchKeepsTheSelections();
    void browseKeepsThePathWhenCancelled();
    void askpassFollowsTheLanguage_data();
    void askpassFollowsTheLanguage();
    void followsALanguageChange();
    void homeWindowOpensThePage();
};

// The application folder of this copy gets a translations folder of its
// own, so that askpass programs can come and go.
void TestBurnPage::initTestCase()
{
    const QString folder = Util::GetCurrentExePath() + "/translations";
    const QString shared = QFileInfo(folder).canonicalFilePath();
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().mkpath(folder));
    for (const QString& file : QDir(shared).entryList(QDir::Files))
        QFile::link(shared + "/" + file, folder + "/" + file);
    writeFile(folder + "/askpass.js", "");
}

void TestBurnPage::formHasEveryWidget()
{
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    const BurnPageForm& f = page->form();
    QCOMPARE(page->BackGround(), QString(":/nwu/page1"));
    QCOMPARE(f.isofile->geometry(), QRect(219, 26, 306, 23));
    QVERIFY(f.isofile->isReadOnly());
    QCOMPARE(f.browser->normalPicture(), QString(":/nwu/Broswe1"));
    QCOMPARE(f.browser->pos(), QPoint(546, 26));
    QCOMPARE(f.dvdlist->geometry(), QRect(219, 137, 371, 23));
    QCOMPARE(f.usblist->geometry(), QRect(219, 222, 371, 23));
    QCOMPARE(f.ptlist->itemText(1), QString("GPT(required for UEFI boot)"));
    QCOMPARE(f.sysfilelist->itemText(1), QString("FAT"));
    QCOMPARE(f.volumelab->maxLength(), 11);
    QCOMPARE(f.burn->pos(), QPoint(473, 405));
    QCOMPARE(f.back->text(), QString("Back"));
    QCOMPARE(f.selectUSB->text(), QString("Select a target USB then click BURN button"));
    QVERIFY(f.rdvd->isChecked() && f.dvdlist->isEnabled());
    QVERIFY(!f.usblist->isEnabled() && !f.ptlist->isEnabled() && !f.sysfilelist->isEnabled());
    QTest::mouseClick(f.back, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return !page->isVisible(); }));
}

void TestBurnPage::usbListOffersOnlyRemovableUsbDisks_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("removable USB stick") << BurnPageDriver::stickInfo("/dev/disk2", 8000000000) << QStringList{"/dev/disk2"};
    QTest::newRow("fixed media") << BurnPageDriver::stickInfo("/dev/disk2", 8000000000, false) << QStringList();
    QTest::newRow("USB DVD drive") << readFile(sharedFixture("macos/diskutil-info-optical-dvd.txt")) << QStringList();
}

void TestBurnPage::usbListOffersOnlyRemovableUsbDisks()
{
    QFETCH(QByteArray, info);
    QFETCH(QStringList, listed);
    BurnPageDriver driver;
    driver.diskutil.on("info /dev/disk2", {info});
    CBurnDialog* page = driver.openPage();
    QStringList entries;
    for (int i = 0; i < page->form().usblist->count(); ++i)
        entries << page->form().usblist->itemText(i);
    QCOMPARE(entries, listed);
    // The internal disk and the synthesized container are never asked about.
    QCOMPARE(driver.diskutil.calls(), (QList<QStringList>{{"list"}, {"info", "/dev/disk2"}}));
}

void TestBurnPage::opticalListReselectsTheCurrentDrive()
{
    BurnPageDriver driver;
    const QByteArray two = readFile(sharedFixture("macos/drutil-status-internal-cd.txt")) +
                           readFile(sharedFixture("macos/drutil-status-usb-dvd.txt"));
    driver.drutil.on("status", {two});
    CBurnDialog::dvdCurrent.clear();
    CBurnDialog* page = driver.openPage();
    CMyComboBox* list = page->form().dvdlist;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(list->itemText(1), QString("HL-DT-ST DVDRAM GP65NS60 PF00 (/dev/disk4)"));
    QCOMPARE(list->itemData(1).toString(), QString("/dev/disk4"));
    list->setCurrentIndex(1);
    page->InitializeUSBAndDVDComboBox(1);
    QCOMPARE(list->currentIndex(), 1);
    // A new page selects the drive the last one had.
    QCOMPARE(driver.openPage()->form().dvdlist->currentIndex(), 1);
    // Any other type leaves both lists alone.
    driver.drutil.on("status", {});
    page->InitializeUSBAndDVDComboBox(3);
    QCOMPARE(list->count(), 2);
}

void TestBurnPage::rebuildsOnDropDownAndDriveChange()
{
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    page->form().rusb->setChecked(true);
    driver.diskutil.clearCalls();
    driver.drutil.clearCalls();
    QTest::mouseClick(page->form().usblist, Qt::LeftButton);
    QCOMPARE(driver.diskutil.calls().size(), 2);
    QCOMPARE(driver.drutil.calls().size(), 0);
    page->form().usblist->hidePopup();
    MainWindow home;
    home.onBurn();
    driver.diskutil.clearCalls();
    emit home.sigdrivechange();
    QCOMPARE(driver.diskutil.calls().size(), 2);
    QCOMPARE(driver.drutil.calls().size(), 2);
}

void TestBurnPage::labelIsUpperCaseAndElevenLong_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower case") << "data" << "DATA";
    QTest::newRow("fifteen characters") << "abcdefghijklmno" << "ABCDEFGHIJK";
    QTest::newRow("other characters stay") << "a;b c'd" << "A;B C'D";
}

void TestBurnPage::labelIsUpperCaseAndElevenLong()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    page->form().rusb->setChecked(true);
    QLineEdit* label = page->form().volumelab;
    QTest::keyClicks(label, typed.left(3));
    label->insert(typed.mid(3)); // the rest as a paste
    QCOMPARE(label->text(), shown);
}

void TestBurnPage::gptKeepsFat32()
{
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    const BurnPageForm& f = page->form();
    f.rusb->setChecked(true);
    f.sysfilelist->setCurrentIndex(1);
    f.ptlist->setCurrentIndex(1);
    QCOMPARE(f.sysfilelist->currentText(), QString("FAT32"));
    QVERIFY(!f.sysfilelist->isEnabled());
    f.rdvd->setChecked(true);
    f.rusb->setChecked(true);
    QVERIFY(!f.sysfilelist->isEnabled());
    f.ptlist->setCurrentIndex(0);
    QVERIFY(f.sysfilelist->isEnabled());
    QCOMPARE(f.sysfilelist->currentText(), QString("FAT32"));
}

void TestBurnPage::targetSwitchKeepsTheSelections()
{
    BurnPageDriver driver;
    driver.drutil.on("status", {readFile(sharedFixture("macos/drutil-status-internal-cd.txt")) +
                                readFile(sharedFixture("macos/drutil-status-usb-dvd.txt"))});
    CBurnDialog* page = driver.openPage();
    page->form().dvdlist->setCurrentIndex(1);
    page->form().rusb->setChecked(true);
    QVERIFY(page->form().usblist->isEnabled() && !page->form().dvdlist->isEnabled());
    page->form().rdvd->setChecked(true);
    QCOMPARE(page->form().dvdlist->currentIndex(), 1);
    QCOMPARE(page->form().usblist->currentText(), QString("/dev/disk2"));
}

void TestBurnPage::browseKeepsThePathWhenCancelled()
{
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    const QString iso = writeFile(freshDir("browse") + "/Image.ISO", "x");
    {
        ModalAnswerer answerer({pickInFileDialog({iso})});
        QTest::mouseClick(page->form().browser, Qt::LeftButton);
    }
    QCOMPARE(page->form().isofile->text(), iso);
    ModalAnswerer answerer({ModalAnswerer::cancelFileDialog()});
    page->onBrowser();
    QCOMPARE(page->form().isofile->text(), iso);
}

void TestBurnPage::askpassFollowsTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("dutchPresent");
    QTest::addColumn<QString>("askpass");
    QTest::newRow("Dutch") << 151 << true << "askpass_nl.js";
    QTest::newRow("Dutch missing") << 151 << false << "askpass.js";
    QTest::newRow("none recognised") << 0 << true << "askpass.js";
    QTest::newRow("English") << 31 << true << "askpass.js";
}

void TestBurnPage::askpassFollowsTheLanguage()
{
    QFETCH(int, language);
    QFETCH(bool, dutchPresent);
    QFETCH(QString, askpass);
    const QString dutch = Util::GetCurrentExePath() + "/translations/askpass_nl.js";
    QFile::remove(dutch);
    if (dutchPresent)
        writeFile(dutch, "");
    golbalLangue = language;
    BurnPageDriver driver;
    QStringList args;
    driver.openPage()->getParameterlist(args, "/dev/disk2", "/Volumes/NONAME");
    golbalLangue = 0;
    QCOMPARE(args.size(), 2);
    QCOMPARE(args.first(), QString("-c"));
    const QString app = Util::GetCurrentExePath();
    QCOMPARE(args.last(), QString("SUDO_ASKPASS='%1/translations/%2' sudo --askpass '%1/mkbootable' '/dev/disk2' "
                                  "'/Volumes/NONAME' > '%3/system.log' 2>&1")
                              .arg(app, askpass, Util::GetTempDir()));
}

void TestBurnPage::followsALanguageChange()
{
    BurnPageDriver driver;
    CBurnDialog* page = driver.openPage();
    QTranslator german;
    QVERIFY(german.load(Util::GetCurrentExePath() + "/translations/qt_de.qm"));
    QCoreApplication::installTranslator(&german);
    QVERIFY(waitUntil([&] { return page->form().back->text() != "Back"; }));
    const QString back = page->form().back->text();
    const QString label = page->form().volumelabel->text();
    const QString gpt = page->form().ptlist->itemText(1);
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(back, QString("Zurück"));
    QCOMPARE(label, QString("Volumebezeichnung"));
    QCOMPARE(gpt, QString("GPT (für UEFI-Start nötig)"));
    QVERIFY(waitUntil([&] { return page->form().back->text() == "Back"; }));
}

void TestBurnPage::homeWindowOpensThePage()
{
    BurnPageDriver driver;
    MainWindow home;
    home.show();
    QTest::mouseClick(home.findChild<QWidget*>("burn"), Qt::LeftButton);
    auto* page = qobject_cast<CBurnDialog*>(home.currentPage());
    QVERIFY(page && page->isVisible());
    QCOMPARE(page->parentWidget(), &home);
    QCOMPARE(page->pos(), QPoint(1, 107));
    QCOMPARE(page->form().usblist->itemText(0), QString("/dev/disk2"));
}

QUILLMERE_TEST_MAIN_IN_OWN_FOLDER(TestBurnPage)
#include "tst_burnpage.moc"
