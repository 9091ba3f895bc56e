#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"
#include "widgets/CImageButton.h"
#include "widgets/SCheckBoxHeaderView.h"

#include <QDir>
#include <QFileInfo>
#include <QTableWidget>

using namespace TestSupport;

// The Edit page as a user meets it: unsaved changes are asked for before
// they are lost, rows and names show at once and in full, and buttons
// that cannot act yet say why.
class TestEditChanges : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    QString m_Dir;
    QString m_Iso;
    QString m_Other;

    static void click(CPage4* page, const char* name)
    {
        QTest::mouseClick(page->findChild<CImageButton*>(name), Qt::LeftButton);
    }

    CPage4* pageWithAChange()
    {
        CPage4* page = m_Driver.openPage();
        if (!m_Driver.load(page, m_Iso))
            return nullptr;
        EditPageDriver::tick(page, "old.txt");
        page->OnDelete();
        return page;
    }

private slots:
    void initTestCase()
    {
        m_Dir = freshDir("editchanges");
        m_Iso = EditImages::buildIsolinuxImage(freshDir("iso-changes"));
        m_Other = EditImages::buildIsolinuxImage(freshDir("iso-other"));
    }

    void unsavedChangesAreAskedFor_data()
    {
        QTest::addColumn<QString>("leave");  // "back" or "load"
        QTest::addColumn<QString>("answer"); // "btnok" (Save), "btndiscard" or "btncancel"
        QTest::newRow("Back, saved first") << "back" << "btnok";
        QTest::newRow("Back, not saved") << "back" << "btndiscard";
        QTest::newRow("Back cancelled") << "back" << "btncancel";
        QTest::newRow("Load ISO, saved first") << "load" << "btnok";
        QTest::newRow("Load ISO, not saved") << "load" << "btndiscard";
        QTest::newRow("Load ISO cancelled") << "load" << "btncancel";
    }

    void unsavedChangesAreAskedFor()
    {
        QFETCH(QString, leave);
        QFETCH(QString, answer);
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = pageWithAChange();
        QVERIFY(page && page->isModified());
        const QString saved = m_Dir + "/" + leave + "-" + answer + ".iso";
        ModalAnswerer answerer({ModalAnswerer::clickButton(answer, "SaveChangesDialog")});
        if (answer == "btnok")
            answerer.add(EditPageDriver::chooseOutput(saved).first());
        if (answer == "btnok")
            answerer.add(ModalAnswerer::clickButton("btnok", "CommDialog"));
        if (leave == "load" && answer != "btncancel")
            answerer.add(ModalAnswerer::typePath(m_Other));
        click(page, leave == "back" ? "back" : "loadiso");
        QVERIFY(waitUntil([&] { return answerer.allAnswered() && !page->isSaving(); }, 60000));

        QCOMPARE(answerer.texts().first().contains("are not saved yet"), true);
        QCOMPARE(QFileInfo::exists(saved), answer == "btnok");
        if (answer == "btnok")
            QVERIFY(!EditImages::contentListing(saved).join('|').contains("old.txt"));
        const bool left = answer != "btncancel";
        if (leave == "back") {
            QCOMPARE(page->isVisible(), !left);
        } else {
            QVERIFY(page->isVisible());
            if (left)
                QVERIFY(waitUntil([&] { return page->isListed(); }));
            QCOMPARE(EditPageDriver::rowOf(page, "old.txt") >= 0, left);
        }
        QCOMPARE(page->isModified(), !left);
    }

    void noQuestionWithoutChanges()
    {
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        const QString unpacked = QDir(page->workFolder() + "..").absolutePath();
        QVERIFY(QFileInfo(unpacked + "/image/old.txt").isFile());
        ModalAnswerer answerer({ModalAnswerer::clickButton("btncancel", "SaveChangesDialog")});
        click(page, "back");
        QVERIFY(!page->isVisible());
        QCOMPARE(answerer.answered(), 0);
        // The page is left for good: its unpacked image does not wait for the program's end.
        QVERIFY(waitUntil([&] { return !QFileInfo::exists(unpacked); }));
    }

    void saveWithNothingLoadedSaysSo()
    {
        CPage4* page = m_Driver.openPage();
        ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "CommDialog")});
        click(page, "save");
        QVERIFY(answerer.allAnswered());
        QVERIFY2(answerer.lastText().contains("Please load an ISO image first"), qPrintable(answerer.lastText()));
    }

    void addedRowShowsItsCheckBoxAtOnce()
    {
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        const QString added = writeFile(freshDir("added") + "/added.txt", "added\n");
        m_Driver.add(page, {added});
        const int row = EditPageDriver::rowOf(page, "added.txt");
        QVERIFY(row >= 0);
        QVERIFY(EditPageDriver::table(page)->item(row, 0)->data(Qt::CheckStateRole).isValid());
        EditPageDriver::clickRow(page, row, 10); // on the box itself
        QVERIFY(EditPageDriver::isChecked(page, row));
        QVERIFY(page->isModified());
    }

    void headerBoxTicksEveryRow()
    {
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        auto* header = page->findChild<SCheckBoxHeaderView*>();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
        for (int row = 0; row < EditPageDriver::table(page)->rowCount(); ++row)
            QVERIFY(EditPageDriver::isChecked(page, row));
    }

    void renamedNameShowsInFull_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a little longer") << "old-but-longer.txt";
        QTest::newRow("twice the column") << "a name that needs twice the width of its column.txt";
    }

    void renamedNameShowsInFull()
    {
        QFETCH(QString, name);
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        EditPageDriver::tick(page, "old.txt");
        {
            ModalAnswerer answerer({ModalAnswerer::typeAndAccept(name)});
            page->OnRename();
            QVERIFY(waitUntil([&] { return answerer.allAnswered(); }));
        }
        QTableWidget* list = EditPageDriver::table(page);
        const int row = EditPageDriver::rowOf(page, name);
        QVERIFY(row >= 0);
        // Check box, icon and text fit the column: the name is not cut.
        const int textWidth = list->fontMetrics().horizontalAdvance(name);
        QVERIFY2(list->columnWidth(0) >= textWidth + 40,
                 qPrintable(QString("%1 < %2").arg(list->columnWidth(0)).arg(textWidth + 40)));
        int total = 0;
        for (int column = 0; column < list->columnCount(); ++column)
            total += list->columnWidth(column);
        QCOMPARE(total, (list->width() - 2) / 4 * 4); // the table's width stays shared
    }
};

QUILLMERE_TEST_MAIN(TestEditChanges)
#include "tst_editchanges.moc"
