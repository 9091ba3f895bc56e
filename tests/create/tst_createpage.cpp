#include "support/TestSupport.h"

#include "create/CPage3.h"
#include "shell/MainWindow.h"
#include "create/CollectionRows.h"
#include "services/CFileCopy.h"
#include "support/ModalAnswerer.h"
#include "support/PickInFileDialog.h"
#include "widgets/CImageButton.h"
#include "widgets/CMyTreeWidget.h"

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>

class TestCreatePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formHasEveryWidget();
    void filesGoToTheTopLevelOnceEach();
    void folderRowsNestLikeTheFolderWithoutHiddenEntries();
    void additionsGoIntoASelectedFolderOrBesideASelectedFile();
    void removeTakesRowsItemsAndTheStagedCopy();
    void cancelledDialogsChangeNothing();
    void gaugeShowsTheShareOfFiveGiB();
    void pressOnEmptySpaceClearsTheSelection();
    void contextMenuOffersAddAndRemove();
    void languageChangeKeepsTheTotal();
    void pagesNeverShareStaging();
    void homeWindowOpensANewPageOnEachClick();

private:
    void addFiles(CPage3& page, const QStringList& files);
    void addDir(CPage3& page, const QString& dir);
    static QTreeWidgetItem* rowOf(CPage3& page, const QString& path);
    static bool staged(CPage3& page);

    QString m_Src;
};

void TestCreatePage::initTestCase()
{
    m_Src = TestSupport::freshDir("page-src");
    TestSupport::writeFile(m_Src + "/a file.txt", "first file");
    TestSupport::writeFile(m_Src + "/été ü.txt", "non-ASCII name");
    TestSupport::writeFile(m_Src + "/D/b.txt", "bee");
    TestSupport::writeFile(m_Src + "/D/S/c.txt", "sea");
    TestSupport::writeFile(m_Src + "/D/.hidden", "hidden");
    TestSupport::writeFile(m_Src + "/x.txt", "ex");
    TestSupport::writeFile(m_Src + "/y.txt", "why");
}

void TestCreatePage::addFiles(CPage3& page, const QStringList& files)
{
    ModalAnswerer answerer({pickInFileDialog(files)});
    page.OnAddFile();
    QVERIFY(answerer.allAnswered());
}

void TestCreatePage::addDir(CPage3& page, const QString& dir)
{
    ModalAnswerer answerer({pickInFileDialog({dir})});
    page.OnAddDir();
    QVERIFY(answerer.allAnswered());
}

QTreeWidgetItem* TestCreatePage::rowOf(CPage3& page, const QString& path)
{
    QTreeWidgetItemIterator it(page.form().list);
    for (; *it; ++it)
        if (CollectionRows::pathOf(*it) == path)
            return *it;
    return nullptr;
}

bool TestCreatePage::staged(CPage3& page)
{
    return TestSupport::waitUntil([&] { return !page.fileCopy()->IsBusy(); }, 20000);
}

void TestCreatePage::formHasEveryWidget()
{
    CPage3 page;
    const CPage3Form& f = page.form();
    QCOMPARE(page.BackGround(), QString(":/nwu/page3"));
    QCOMPARE(f.filebackup->text(), QString("File & Folder Backup"));
    QCOMPARE(f.filebackup->pos(), QPoint(41, 15));
    QCOMPARE(f.list->objectName(), QString("list"));
    QCOMPARE(f.list->geometry(), QRect(39, 48, 789, 226));
    QCOMPARE(f.list->columnCount(), 5);
    QCOMPARE(f.list->headerItem()->text(2), QString(" Size"));
    QCOMPARE(f.list->columnWidth(4), (789 - 2) / 5);
    QCOMPARE(f.list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(f.backtype->text(), QString("Backup Type:"));
    QVERIFY(f.jolet->isChecked());
    QCOMPARE(f.jolet->text(), QString("ISO9660 Jolet"));
    QCOMPARE(f.udf->pos(), QPoint(499, 298));
    f.udf->setChecked(true);
    QVERIFY(!f.jolet->isChecked() && !f.iso9600->isChecked());
    QCOMPARE(f.widget->geometry(), QRect(39, 333, 789, 62));
    QCOMPARE(f.totalsize->text(), QString("Total Size : 0 KB"));
    QCOMPARE(f.label_2->text(), QString("Max Size : 5 GB"));
    QCOMPARE(f.label_2->geometry().right() + 1, 789 - 90);
    QCOMPARE(f.progressBar->geometry(), QRect(10, 26, 769, 27));
    QCOMPARE(f.progressBar->value(), 0);
    QCOMPARE(f.create->text(), QString("Create ISO"));
    QCOMPARE(f.create->normalPicture(), QString(":/nwu/Create-IOS1"));
    QVERIFY(f.create->textStyle() != 0 && f.addfile->textStyle() != 0); // captions are drawn
    QCOMPARE(f.back->pos(), QPoint(599, 417));
    QCOMPARE(f.addfile->pos(), QPoint(209, 419));
    QVERIFY(page.stageDir().endsWith('/'));
    QVERIFY(QFileInfo(page.stageDir()).isDir());

    page.show();
    QTest::mouseClick(f.back, Qt::LeftButton);
    QVERIFY(TestSupport::waitUntil([&] { return !page.isVisible(); }));
}

void TestCreatePage::filesGoToTheTopLevelOnceEach()
{
    CPage3 page;
    addFiles(page, {m_Src + "/a file.txt", m_Src + "/été ü.txt"});
    addFiles(page, {m_Src + "/x.txt"});
    addFiles(page, {m_Src + "/a file.txt"}); // already there: skipped
    QCOMPARE(page.form().list->topLevelItemCount(), 3);
    QTreeWidgetItem* row = rowOf(page, "a file.txt");
    QVERIFY(row);
    QCOMPARE(row->text(0), QString("a file.txt"));
    QCOMPARE(row->text(1), QString());
    QCOMPARE(row->text(2), QString("10 B"));
    QVERIFY(page.tree().GetItem("été ü.txt"));
    QCOMPARE(page.tree().GetItem("a file.txt")->m_SrcPath, m_Src + "/a file.txt");
    QVERIFY(staged(page));
    QCOMPARE(TestSupport::readFile(page.stageDir() + "été ü.txt"), QByteArray("non-ASCII name"));
    QCOMPARE(page.form().totalsize->text(), QString("Total Size: 26 B"));
}

void TestCreatePage::folderRowsNestLikeTheFolderWithoutHiddenEntries()
{
    CPage3 page;
    addDir(page, m_Src + "/D");
    for (const char* path : {"D", "D/b.txt", "D/S", "D/S/c.txt"})
        QVERIFY2(page.tree().GetItem(path), path);
    QVERIFY(!page.tree().GetItem("D/.hidden"));
    QTreeWidgetItem* folder = rowOf(page, "D");
    QCOMPARE(page.form().list->topLevelItemCount(), 1);
    QCOMPARE(folder->childCount(), 2);
    QCOMPARE(folder->text(3), QString("Folder"));
    QCOMPARE(folder->data(0, Qt::UserRole).toInt(), 1);
    QTreeWidgetItem* file = rowOf(page, "D/S/c.txt");
    QCOMPARE(file->parent(), rowOf(page, "D/S"));
    QCOMPARE(file->text(1), QString("D/S"));
    QVERIFY(staged(page));
    QCOMPARE(TestSupport::readFile(page.stageDir() + "D/S/c.txt"), QByteArray("sea"));
    QVERIFY(!QFileInfo::exists(page.stageDir() + "D/.hidden"));
    QCOMPARE(page.tree().TotalSize(), qint64(6));
}

void TestCreatePage::additionsGoIntoASelectedFolderOrBesideASelectedFile()
{
    CPage3 page;
    addDir(page, m_Src + "/D");
    rowOf(page, "D/S")->setSelected(true);
    addFiles(page, {m_Src + "/x.txt"});
    QTreeWidgetItem* x = rowOf(page, "D/S/x.txt");
    QVERIFY(x);
    QCOMPARE(x->parent(), rowOf(page, "D/S"));

    page.form().list->clearSelection();
    rowOf(page, "D/b.txt")->setSelected(true);
    addFiles(page, {m_Src + "/y.txt"});
    QTreeWidgetItem* y = rowOf(page, "D/y.txt");
    QVERIFY(y);
    QCOMPARE(y->parent(), rowOf(page, "D"));
    QVERIFY(page.tree().GetItem("D/y.txt"));

    addDir(page, m_Src + "/D"); // beside b.txt again: D/D
    QVERIFY(rowOf(page, "D/D/S/c.txt"));
    QCOMPARE(rowOf(page, "D/D")->parent(), rowOf(page, "D"));

    // Every row's place spells its path, and its staged copy is there.
    QVERIFY(staged(page));
    QTreeWidgetItemIterator it(page.form().list);
    for (; *it; ++it) {
        QStringList names;
        for (QTreeWidgetItem* r = *it; r; r = r->parent())
            names.prepend(r->text(0));
        QCOMPARE(names.join('/'), CollectionRows::pathOf(*it));
        QVERIFY2(QFileInfo::exists(page.stageDir() + names.join('/')), qPrintable(names.join('/')));
    }
    QCOMPARE(TestSupport::readFile(page.stageDir() + "D/S/x.txt"), QByteArray("ex"));
}

void TestCreatePage::removeTakesRowsItemsAndTheStagedCopy()
{
    CPage3 page;
    addDir(page, m_Src + "/D");
    addFiles(page, {m_Src + "/x.txt"});
    QVERIFY(staged(page));
    rowOf(page, "D/S")->setSelected(true);
    page.OnRemove();
    QVERIFY(!rowOf(page, "D/S") && !rowOf(page, "D/S/c.txt"));
    QVERIFY(!page.tree().GetItem("D/S"));
    QVERIFY(page.tree().GetItem("D/b.txt"));
    QVERIFY(staged(page));
    QVERIFY(!QFileInfo::exists(page.stageDir() + "D/S"));
    QVERIFY(QFileInfo::exists(page.stageDir() + "D/b.txt"));
    QCOMPARE(page.form().totalsize->text(), QString("Total Size: 5 B"));

    page.form().list->clearSelection();
    page.OnRemove(); // nothing selected: nothing happens
    QCOMPARE(page.form().list->topLevelItemCount(), 2);
}

void TestCreatePage::cancelledDialogsChangeNothing()
{
    CPage3 page;
    ModalAnswerer answerer({ModalAnswerer::cancelFileDialog(), ModalAnswerer::cancelFileDialog()});
    page.OnAddFile();
    page.OnAddDir();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(page.form().list->topLevelItemCount(), 0);
    QVERIFY(!page.fileCopy()->IsBusy());
}

void TestCreatePage::gaugeShowsTheShareOfFiveGiB()
{
    QCOMPARE(CPage3::gaugeValue(0), 0);
    QCOMPARE(CPage3::gaugeValue(qint64(5) << 29), 50); // 2.5 GiB
    QCOMPARE(CPage3::gaugeValue((qint64(5) << 30) - 1), 99);
    QCOMPARE(CPage3::gaugeValue(qint64(5) << 30), 100);
    QCOMPARE(CPage3::gaugeValue(qint64(50) << 30), 100);
}

void TestCreatePage::pressOnEmptySpaceClearsTheSelection()
{
    CPage3 page;
    page.show();
    addFiles(page, {m_Src + "/x.txt"});
    QWidget* viewport = page.form().list->viewport();
    const QRect first = page.form().list->visualItemRect(rowOf(page, "x.txt"));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, first.center());
    QCOMPARE(page.form().list->selectedItems().size(), 1);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() - 5));
    QVERIFY(page.form().list->selectedItems().isEmpty());
}

void TestCreatePage::contextMenuOffersAddAndRemove()
{
    CPage3 page;
    page.show();
    emit page.form().list->customContextMenuRequested(QPoint(5, 5));
    QMenu* menu = page.findChild<QMenu*>();
    QVERIFY(TestSupport::waitUntil([&] { return menu && menu->isVisible(); }));
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QString("|") : action->text());
    QCOMPARE(texts, QStringList({"Add Files(&F)", "Add Dirs(&D)", "|", "Remove(&R)"}));
    menu->hide();
}

void TestCreatePage::languageChangeKeepsTheTotal()
{
    CPage3 page;
    addFiles(page, {m_Src + "/x.txt"});
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&page, &change);
    QCOMPARE(page.form().totalsize->text(), QString("Total Size: 2 B"));
    QCOMPARE(page.form().remove->text(), QString("Remove"));
    QCOMPARE(page.findChild<QMenu*>()->actions().size(), 4);
}

void TestCreatePage::pagesNeverShareStaging()
{
    auto older = std::make_unique<CPage3>();
    addFiles(*older, {m_Src + "/x.txt"});
    QVERIFY(staged(*older));
    CPage3 newer; // a new page cleans up, but never a live page's folder
    QVERIFY(newer.stageDir() != older->stageDir());
    QVERIFY(staged(newer));
    QCOMPARE(TestSupport::readFile(older->stageDir() + "x.txt"), QByteArray("ex"));
}

void TestCreatePage::homeWindowOpensANewPageOnEachClick()
{
    MainWindow window;
    window.show();
    auto* button = window.findChild<CImageButton*>("create");
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    auto* first = qobject_cast<CPage3*>(window.currentPage());
    QVERIFY(first);
    QCOMPARE(first->parentWidget(), &window);
    QCOMPARE(first->pos(), QPoint(1, 107));
    QVERIFY(!first->IsMoveable());
    QVERIFY(first->isVisible());
    QTest::mouseClick(first->form().back, Qt::LeftButton);
    QVERIFY(TestSupport::waitUntil([&] { return !first->isVisible(); }));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(window.currentPage() != first);
    QVERIFY(qobject_cast<CPage3*>(window.currentPage()));
}

QUILLMERE_TEST_MAIN(TestCreatePage)
#include "tst_createpage.moc"
