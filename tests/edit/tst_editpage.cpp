#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"
#include "widgets/CProgressDialog.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>

using namespace TestSupport;

namespace {

const QString kGrub = "/usr/lib/grub-rescue/grub-rescue-cdrom.iso";
const QString kIpxe = "/usr/lib/ipxe/ipxe.iso";

} // namespace

class TestEditPage : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    QString m_Dir;

    CPage4* openPage() { return m_Driver.openPage(); }
    bool load(CPage4* page, const QString& iso) { return m_Driver.load(page, iso); }
    QStringList save(CPage4* page, const QString& output) { return m_Driver.save(page, output); }
    static QTableWidget* table(CPage4* page) { return EditPageDriver::table(page); }
    static int rowOf(CPage4* page, const QString& name) { return EditPageDriver::rowOf(page, name); }
    static void clickRow(CPage4* page, int row, int x) { EditPageDriver::clickRow(page, row, x); }
    static bool isChecked(CPage4* page, int row) { return EditPageDriver::isChecked(page, row); }

    void saveKeepsBootEntries(const QString& iso)
    {
        CPage4* page = openPage();
        QVERIFY(load(page, iso));
        const QString output = m_Dir + "/" + QFileInfo(iso).completeBaseName() + "-copy.iso";
        const QStringList texts = save(page, output);
        QVERIFY2(texts.join('|').contains("Save ISO file successfully!"), qPrintable(texts.join('|')));
        QCOMPARE(EditImages::bootEntries(output), EditImages::bootEntries(iso));
        QCOMPARE(EditImages::contentListing(output), EditImages::contentListing(iso));
        QVERIFY(!page->lastSaveArguments().contains("boot.bin"));
        QVERIFY(!QFileInfo::exists(page->workFolder() + "[BOOT]"));
    }

private slots:
    void initTestCase() { m_Dir = freshDir("editpage"); }

    void savedIsolinuxImageKeepsItsBoot()
    {
        const QString iso = EditImages::buildIsolinuxImage(freshDir("iso-plain"));
        if (iso.isEmpty())
            QSKIP("isolinux not installed");
        saveKeepsBootEntries(iso);
    }

    void savedGrubImageKeepsItsBoot()
    {
        if (!QFile::exists(kGrub))
            QSKIP("grub-rescue-pc not installed");
        saveKeepsBootEntries(kGrub);
    }

    void savedIpxeImageKeepsBothEntries()
    {
        if (!QFile::exists(kIpxe))
            QSKIP("ipxe not installed");
        saveKeepsBootEntries(kIpxe);
        QCOMPARE(EditImages::bootEntries(kIpxe).size(), 2);
    }

    void editsReachTheSavedImageAndNothingElse()
    {
        const QString iso = EditImages::buildIsolinuxImage(freshDir("iso-edit"));
        if (iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = openPage();
        QVERIFY(load(page, iso));
        QVERIFY(rowOf(page, "[BOOT]") < 0);

        const QString added = writeFile(freshDir("addsrc") + "/added.txt", "added\n");
        {
            ModalAnswerer answerer({ModalAnswerer::typePath(added)});
            page->OnAdd();
        }
        QVERIFY(rowOf(page, "added.txt") >= 0);

        clickRow(page, rowOf(page, "docs"), 40);
        QVERIFY(isChecked(page, rowOf(page, "docs")));
        {
            ModalAnswerer answerer({ModalAnswerer::typeAndAccept("manuals")});
            page->OnRename();
            QVERIFY(answerer.allAnswered());
        }
        QCOMPARE(rowOf(page, "docs"), -1);
        page->slotSelectAll(false);
        clickRow(page, rowOf(page, "old.txt"), 40);
        page->OnDelete();
        QCOMPARE(rowOf(page, "old.txt"), -1);

        const QString output = m_Dir + "/edited.iso";
        QVERIFY(save(page, output).join('|').contains("Save ISO file successfully!"));
        QStringList expected;
        for (const QString& entry : EditImages::contentListing(iso)) {
            if (entry.startsWith("old.txt"))
                continue;
            expected << (entry.startsWith("docs") ? "manuals" + entry.mid(4) : entry);
        }
        expected << "added.txt 6";
        expected.sort();
        QCOMPARE(EditImages::contentListing(output), expected);
        QCOMPARE(EditImages::bootEntries(output), EditImages::bootEntries(iso));
    }

    void checkBoxesSearchAndNavigation()
    {
        const QString iso = EditImages::buildIsolinuxImage(freshDir("iso-browse"));
        if (iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = openPage();
        QVERIFY(load(page, iso));
        QTableWidget* list = table(page);
        const int rows = list->rowCount();
        QVERIFY(rows >= 4);
        // On the check box the box itself toggles, and only once.
        clickRow(page, 0, 10);
        QVERIFY(isChecked(page, 0));
        clickRow(page, 0, 40);
        QVERIFY(!isChecked(page, 0));
        clickRow(page, 1, 40);
        QVERIFY(isChecked(page, 1));
        page->slotSelectAll(true);
        for (int row = 0; row < rows; ++row)
            QVERIFY(isChecked(page, row));

        auto* search = page->findChild<QLineEdit*>("search");
        search->setText("nothing-matches");
        QCOMPARE(list->rowCount(), 0);
        QVERIFY(page->findChild<QTreeWidget*>("tree")->topLevelItem(0)->childCount() > 0);
        search->setText("OLD");
        QCOMPARE(list->rowCount(), 1);
        search->setText("do");
        QCOMPARE(list->item(0, 0)->text(), QString("docs"));
        list->setCurrentCell(0, 0);
        page->OnListViewDoubleClicked();
        QCOMPARE(page->currentItem()->m_Path, QString("docs"));
        QCOMPARE(list->rowCount(), 0); // the filter still applies inside the folder
        search->clear();
        QCOMPARE(list->rowCount(), 2);
    }

    void refusesNamesThatLeaveTheWorkingFolder()
    {
        const QString iso = EditImages::buildIsolinuxImage(freshDir("iso-names"));
        if (iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = openPage();
        QVERIFY(load(page, iso));
        const QString outside = freshDir("outside");
        writeFile(outside + "/victim.txt", "keep me");
        clickRow(page, rowOf(page, "old.txt"), 40);
        for (const QString& name : {QString("../../outside/moved.txt"), QString(".."), QString("a/b")}) {
            ModalAnswerer answerer({ModalAnswerer::typeAndAccept(name), ModalAnswerer::clickButton("btnok")});
            page->OnRename();
            QVERIFY(waitUntil([&] { return answerer.allAnswered(); }));
            QVERIFY(answerer.lastText().contains("cannot be used as a name"));
            QVERIFY(rowOf(page, "old.txt") >= 0);
        }
        QVERIFY(waitUntil([&] { return QFile::exists(page->workFolder() + "old.txt"); }));
        QCOMPARE(QDir(outside).entryList(QDir::Files), QStringList{"victim.txt"});
    }

    void failedSaveIsNeverASuccess()
    {
        const QString iso = EditImages::buildIsolinuxImage(freshDir("iso-fail"));
        if (iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = openPage();
        QVERIFY(load(page, iso));
        // mkisofs cannot write where a folder stands in the way.
        const QString output = m_Dir + "/blocked.iso";
        QVERIFY(QDir().mkpath(output + ".part"));
        const QStringList texts = save(page, output);
        QVERIFY(!texts.join('|').contains("successfully"));
        QVERIFY2(texts.join('|').contains("could not be saved"), qPrintable(texts.join('|')));
        QVERIFY(!QFile::exists(output));
    }

    void twoPagesKeepTheirOwnWork()
    {
        const QString iso = EditImages::buildIsolinuxImage(freshDir("iso-two"));
        if (iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* first = openPage();
        QVERIFY(load(first, iso));
        CPage4* second = openPage();
        QVERIFY(load(second, iso));
        QVERIFY(first->workFolder() != second->workFolder());
        QVERIFY(first->bootImageFile() != second->bootImageFile());
        QTest::qWait(300);
        QVERIFY(QFile::exists(first->workFolder() + "isolinux/isolinux.bin"));
        const QString oldFolder = second->workFolder();
        QVERIFY(load(second, iso));
        QVERIFY(waitUntil([&] { return !QFileInfo::exists(oldFolder); }));
        QVERIFY(QFile::exists(second->workFolder() + "isolinux/isolinux.bin"));
        QVERIFY(QFile::exists(first->workFolder() + "isolinux/isolinux.bin"));
    }
};

QUILLMERE_TEST_MAIN(TestEditPage)
#include "tst_editpage.moc"
