#include "support/TestSupport.h"

#include "extract/CPage2.h"
#include "services/Util.h"
#include "shell/MainWindow.h"
#include "support/ModalAnswerer.h"
#include "widgets/CImageButton.h"
#include "widgets/CProgressDialog.h"
#include "widgets/SCheckBoxHeaderView.h"

#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString kGrubRescue = "/usr/lib/grub-rescue/grub-rescue-cdrom.iso";

QString makeImage(const QString& name, const QString& source)
{
    const QString iso = TestSupport::freshDir("images-" + name) + "/" + name + ".iso";
    int exitCode = -1;
    const QByteArray output = TestSupport::runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs",
                                                   {"-quiet", "-J", "-R", "-o", iso, source}, &exitCode);
    if (exitCode != 0)
        qFatal("mkisofs failed: %s", output.constData());
    return iso;
}

// Every file below root with its bytes, and every folder, as "path=bytes"
// and "path/".
QStringList contentOf(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString shown = path.mid(root.size() + 1);
        entries << (it.fileInfo().isDir() ? shown + "/" : shown + "=" + TestSupport::readFile(path).toHex());
    }
    entries.sort();
    return entries;
}

QStringList tableNames(QTableWidget* table)
{
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row)
        names << table->item(row, 0)->text();
    return names;
}

int rowOf(QTableWidget* table, const QString& name)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text() == name)
            return row;
    }
    qFatal("no row %s", qPrintable(name));
}

} // namespace

class TestPage2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void looksAsTheFormSays();
    void listsAnImageAsTreeAndTable();
    void cancelledFileDialogKeepsTheListing();
    void navigatesByTreeAndDoubleClick();
    void ticksByClickAndHeader();
    void withoutTicksShowsTheNotice();
    void extractsFromTheRoot();
    void extractsFromTwoLevelsDownToTheTop();
    void sameNamedFilesAreReplacedOnlyAsChosen_data();
    void sameNamedFilesAreReplacedOnlyAsChosen();
    void entriesOfTheOtherKindAreKept();
    void onlyTickedEntriesReachTheDestination();
    void namesWithBlanksAndOutsideAscii();
    void emptyImage();
    void folderOfTwoThousandFiles();
    void grubRescueImageWithItsBootImage();
    void unreadableFilesEndTheBusyState_data();
    void unreadableFilesEndTheBusyState();
    void toolErrorsAreNotReportedAsSuccess();
    void stopLeavesThePageUsable();
    void failedExtractionLeavesNothingInTheDestination();
    void opensFromTheHomeWindow();
    void followsTheLanguage();

private:
    bool load(const QString& iso);
    bool extractTo(const QString& destination, bool* succeeded = nullptr, QString* message = nullptr,
                   const QList<ModalAnswerer::Answer>& questions = {});
    void enter(const QString& folderName);
    void tick(const QString& name);

    QString m_Source;
    QString m_Iso;
    CPage2* m_Page = nullptr;
    QTreeWidget* m_Tree = nullptr;
    QTableWidget* m_List = nullptr;
};

void TestPage2::initTestCase()
{
    // The source of the main test image.
    m_Source = TestSupport::freshDir("source");
    TestSupport::writeFile(m_Source + "/file1", "root file one");
    TestSupport::writeFile(m_Source + "/readme.txt", "top readme");
    TestSupport::writeFile(m_Source + "/F/inner.txt", "inner of F");
    TestSupport::writeFile(m_Source + "/F/deep/leaf.bin", QByteArray(70000, '\x5a'));
    TestSupport::writeFile(m_Source + "/A/B/file1", "file1 two levels down");
    TestSupport::writeFile(m_Source + "/A/B/readme.txt", "readme two levels down");
    TestSupport::writeFile(m_Source + "/A/B/G/g.txt", "g in A/B/G");
    TestSupport::writeFile(m_Source + "/A/other.txt", "other in A");
    TestSupport::writeFile(m_Source + "/A/B/C/readme.txt", "a deeper readme");
    m_Iso = makeImage("main", m_Source);
}

void TestPage2::init()
{
    m_Page = new CPage2;
    m_Page->InitializeUI();
    m_Page->show();
    m_Tree = m_Page->findChild<QTreeWidget*>("tree");
    m_List = m_Page->findChild<QTableWidget*>("list");
    QVERIFY(m_Tree && m_List);
}

void TestPage2::cleanup()
{
    delete m_Page;
    m_Page = nullptr;
}

bool TestPage2::load(const QString& iso)
{
    QSignalSpy ended(m_Page, &CPage2::listingEnded);
    ModalAnswerer answerer({ModalAnswerer::typePath(iso)});
    QTest::mouseClick(m_Page->findChild<CImageButton*>("loadiso"), Qt::LeftButton);
    return TestSupport::waitUntil([&] { return ended.count() == 1; }, 30000) && ended.at(0).at(0).toBool();
}

bool TestPage2::extractTo(const QString& destination, bool* succeeded, QString* message,
                          const QList<ModalAnswerer::Answer>& questions)
{
    QSignalSpy ended(m_Page, &CPage2::extractionEnded);
    ModalAnswerer answerer({ModalAnswerer::typePath(destination)});
    for (const ModalAnswerer::Answer& answer : questions)
        answerer.add(answer);
    // Only the final message: a question nobody expected is not answered by it.
    answerer.add(ModalAnswerer::clickButton("btnok", "CommDialog"));
    m_Page->OnExtract();
    const bool done = TestSupport::waitUntil([&] { return ended.count() == 1 && answerer.allAnswered(); }, 30000);
    if (succeeded)
        *succeeded = done && ended.at(0).at(0).toBool();
    if (message)
        *message = answerer.lastText();
    return done;
}

void TestPage2::enter(const QString& folderName)
{
    const int row = rowOf(m_List, folderName);
    m_List->setCurrentCell(row, 1);
    m_Page->OnListViewDoubleClicked();
}

void TestPage2::tick(const QString& name)
{
    m_List->item(rowOf(m_List, name), 0)->setCheckState(Qt::Checked);
}

void TestPage2::looksAsTheFormSays()
{
    QCOMPARE(m_Page->size(), QSize(858, 472));
    QCOMPARE(m_Tree->geometry(), QRect(39, 54, 213, 350));
    QCOMPARE(m_List->geometry(), QRect(249, 54, 561, 350));
    QVERIFY(m_Tree->isHeaderHidden());
    QCOMPARE(m_List->columnCount(), 4);
    QCOMPARE(m_List->horizontalHeaderItem(1)->text(), QString(" Size"));
    QCOMPARE(m_List->columnWidth(0), 149);
    QCOMPARE(m_List->columnWidth(3), 139);
    QVERIFY(qobject_cast<SCheckBoxHeaderView*>(m_List->horizontalHeader()));
    QCOMPARE(m_List->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(m_Page->findChild<CImageButton*>("loadiso")->pos(), QPoint(721, 17));
    QCOMPARE(m_Page->findChild<CImageButton*>("back")->pos(), QPoint(39, 417));
    QCOMPARE(m_Page->findChild<CImageButton*>("extract")->pos(), QPoint(700, 417));
    QCOMPARE(m_Page->findChild<CImageButton*>("extract")->text(), QString("Extract"));
    QCOMPARE(m_Page->findChild<QLabel*>("isoextract")->text(), QString("ISO Extract"));
    QCOMPARE(m_Page->menu()->actions().size(), 1);
    QCOMPARE(m_Page->menu()->actions().at(0)->text(), QString("Extract(&E)"));
    // A language change rebuilds the menu with one entry.
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(m_Page, &change);
    QCOMPARE(m_Page->menu()->actions().size(), 1);
}

void TestPage2::listsAnImageAsTreeAndTable()
{
    QVERIFY(load(m_Iso));
    QVERIFY(m_Page->isEnabled());
    QVERIFY(m_Page->findChild<CImageButton*>("extract")->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_Tree->topLevelItemCount(), 1);
    QTreeWidgetItem* top = m_Tree->topLevelItem(0);
    QCOMPARE(top->text(0), QString("main.iso"));
    QVERIFY(top->isExpanded());
    QVERIFY(!top->icon(0).isNull());
    QCOMPARE(Item::FromVariant(top->data(0, Qt::UserRole)), &m_Page->tree().m_Root);
    QStringList topFolders;
    for (int i = 0; i < top->childCount(); ++i)
        topFolders << top->child(i)->text(0);
    QCOMPARE(topFolders, QStringList({"A", "F"}));
    // The table shows the root's entries in listing order.
    QStringList expected;
    for (const Item* child : m_Page->tree().m_Root.m_Children)
        expected << child->GetName();
    QCOMPARE(tableNames(m_List), expected);
    const int folder = rowOf(m_List, "F");
    QVERIFY(m_List->item(folder, 1)->text().isEmpty());
    QCOMPARE(m_List->item(folder, 2)->text(), QString("Folder"));
    QCOMPARE(m_List->item(folder, 0)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(m_List->item(folder, 0)->checkState(), Qt::Unchecked);
    const int file = rowOf(m_List, "file1");
    QVERIFY(!m_List->item(file, 1)->text().isEmpty());
    QVERIFY(!m_List->item(file, 0)->data(Qt::UserRole).isValid());
    QVERIFY(m_List->item(file, 3)->text().startsWith("20"));
    // A folder deep down carries its own Item.
    QTreeWidgetItem* rowB = CPage2::GetTreeWidgetItemByData(top, m_Page->tree().GetItem("A/B"));
    QVERIFY(rowB);
    QCOMPARE(rowB->text(0), QString("B"));
    QVERIFY(!CPage2::GetTreeWidgetItemByData(nullptr, m_Page->tree().GetItem("A/B")));
    QVERIFY(!CPage2::GetTreeWidgetItemByData(top, nullptr));
}

void TestPage2::cancelledFileDialogKeepsTheListing()
{
    QVERIFY(load(m_Iso));
    Item* shown = m_Page->currentItem();
    {
        ModalAnswerer answerer({ModalAnswerer::cancelFileDialog()});
        m_Page->OnLoadISO();
        QVERIFY(answerer.allAnswered());
    }
    QVERIFY(!m_Page->isListing());
    QCOMPARE(m_Page->currentItem(), shown);
    QCOMPARE(m_Tree->topLevelItem(0)->text(0), QString("main.iso"));
    QVERIFY(m_List->rowCount() > 0);
}

void TestPage2::navigatesByTreeAndDoubleClick()
{
    QVERIFY(load(m_Iso));
    enter("A");
    QCOMPARE(m_Page->currentItem(), m_Page->tree().GetItem("A"));
    QCOMPARE(tableNames(m_List), QStringList({"B", "other.txt"}));
    enter("B");
    QCOMPARE(m_Page->currentItem()->m_Path, QString("A/B"));
    QTreeWidgetItem* rowB = m_Tree->selectedItems().value(0);
    QVERIFY(rowB);
    QCOMPARE(rowB->text(0), QString("B"));
    QVERIFY(rowB->isExpanded());
    QVERIFY(rowB->parent()->isExpanded());
    // A file does nothing.
    enter("file1");
    QCOMPARE(m_Page->currentItem()->m_Path, QString("A/B"));
    // A click on a tree row shows that folder.
    QTreeWidgetItem* rowF = m_Tree->topLevelItem(0)->child(1);
    QCOMPARE(rowF->text(0), QString("F"));
    m_Tree->scrollToItem(rowF);
    QTest::mouseClick(m_Tree->viewport(), Qt::LeftButton, Qt::NoModifier, m_Tree->visualItemRect(rowF).center());
    QCOMPARE(m_Page->currentItem(), m_Page->tree().GetItem("F"));
    QCOMPARE(tableNames(m_List), QStringList({"deep", "inner.txt"}));
}

void TestPage2::ticksByClickAndHeader()
{
    QVERIFY(load(m_Iso));
    const int row = rowOf(m_List, "readme.txt");
    QTableWidgetItem* name = m_List->item(row, 0);
    const QRect cell = m_List->visualItemRect(m_List->item(row, 2));
    // A click right of the check box toggles the row.
    QCursor::setPos(m_List->mapToGlobal(QPoint(100, 30)));
    m_Page->OnListViewClicked(m_List->item(row, 2));
    QCOMPARE(name->checkState(), Qt::Checked);
    m_Page->OnListViewClicked(name);
    QCOMPARE(name->checkState(), Qt::Unchecked);
    // At the check box itself the box handles it.
    QCursor::setPos(m_List->mapToGlobal(QPoint(10, 30)));
    m_Page->OnListViewClicked(name);
    QCOMPARE(name->checkState(), Qt::Unchecked);
    m_Page->OnListViewClicked(nullptr);
    QTableWidgetItem loose("x");
    m_Page->OnListViewClicked(&loose);
    // A real click in the Type cell reaches the same slot.
    QCursor::setPos(m_List->viewport()->mapToGlobal(cell.center()));
    QTest::mouseClick(m_List->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QCOMPARE(name->checkState(), Qt::Checked);

    // The header's box ticks every row of this table only.
    auto* header = qobject_cast<SCheckBoxHeaderView*>(m_List->horizontalHeader());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(30, header->height() / 2));
    for (int r = 0; r < m_List->rowCount(); ++r)
        QCOMPARE(m_List->item(r, 0)->checkState(), Qt::Checked);
    m_Page->slotSelectAll(false);
    for (int r = 0; r < m_List->rowCount(); ++r)
        QCOMPARE(m_List->item(r, 0)->checkState(), Qt::Unchecked);
    m_Page->slotSelectAll(true);
    enter("A");
    for (int r = 0; r < m_List->rowCount(); ++r)
        QCOMPARE(m_List->item(r, 0)->checkState(), Qt::Unchecked);
}

void TestPage2::withoutTicksShowsTheNotice()
{
    QVERIFY(load(m_Iso));
    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "GerneralDialog")});
    m_Page->OnExtract();
    QVERIFY(answerer.allAnswered());
    QVERIFY(answerer.lastText().contains("Please select the files or folders you want to extract"));
    QVERIFY(!m_Page->isExtracting());
}

void TestPage2::extractsFromTheRoot()
{
    QVERIFY(load(m_Iso));
    tick("file1");
    tick("F");
    const QString dest = TestSupport::freshDir("dest-root");
    bool succeeded = false;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY2(succeeded, qPrintable(message));
    QCOMPARE(message, QString("Extract files successfully."));
    QCOMPARE(contentOf(dest), QStringList({"F/", "F/deep/", "F/deep/leaf.bin=" + QByteArray(70000, '\x5a').toHex(),
                                           "F/inner.txt=" + QByteArray("inner of F").toHex(),
                                           "file1=" + QByteArray("root file one").toHex()}));
    QVERIFY(m_Page->isEnabled());
    // Ticks and folder stay as they were.
    QCOMPARE(m_List->item(rowOf(m_List, "F"), 0)->checkState(), Qt::Checked);
}

void TestPage2::extractsFromTwoLevelsDownToTheTop()
{
    QVERIFY(load(m_Iso));
    enter("A");
    enter("B");
    tick("file1");
    tick("G");
    const QString dest = TestSupport::freshDir("dest-deep");
    bool succeeded = false;
    QVERIFY(extractTo(dest, &succeeded));
    QVERIFY(succeeded);
    QCOMPARE(contentOf(dest), QStringList({"G/", "G/g.txt=" + QByteArray("g in A/B/G").toHex(),
                                           "file1=" + QByteArray("file1 two levels down").toHex()}));
}

void TestPage2::sameNamedFilesAreReplacedOnlyAsChosen_data()
{
    // answers: one per question, "+all" ticks "Apply to all" first;
    // "readme" replaces only the readme and skips the others.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("replace, apply to all") << QStringList{"btnok+all"} << QStringList{};
    QTest::newRow("skip, apply to all") << QStringList{"btnskip+all"}
                                        << QStringList{"file1", "readme.txt", "G/g.txt"};
    QTest::newRow("one by one") << QStringList{"readme", "readme", "readme"} << QStringList{"file1", "G/g.txt"};
    QTest::newRow("cancel") << QStringList{"btncancel"} << QStringList{};
}

// The ticked entries of A/B meet three same-named files of the user's; a
// folder named like one of them is merged into, and the rest of the
// destination is never touched.
void TestPage2::sameNamedFilesAreReplacedOnlyAsChosen()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, kept);
    QVERIFY(load(m_Iso));
    enter("A");
    enter("B");
    tick("file1");
    tick("readme.txt");
    tick("G");
    const QString dest = TestSupport::freshDir("dest-same-names");
    const QMap<QString, QByteArray> fromImage{
        {"file1", "file1 two levels down"}, {"readme.txt", "readme two levels down"}, {"G/g.txt", "g in A/B/G"}};
    for (const QString& path : fromImage.keys())
        TestSupport::writeFile(dest + "/" + path, "the user's " + path.toUtf8());
    TestSupport::writeFile(dest + "/G/mine.txt", "the user's own file in G");
    TestSupport::writeFile(dest + "/A/keep.txt", "the user's folder named like the image's top folder");
    const QStringList before = contentOf(dest);

    const bool cancelled = answers == QStringList{"btncancel"};
    QList<ModalAnswerer::Answer> questions;
    for (const QString& answer : answers) {
        if (answer.endsWith("+all"))
            questions << ModalAnswerer::clickButton("applytoall", "ReplaceFileDialog");
        if (answer == "readme") {
            questions << [](QWidget* modal) {
                auto* label = modal->findChild<QLabel*>("label");
                const bool readme = label && label->text().contains("readme.txt");
                return ModalAnswerer::clickButton(readme ? "btnok" : "btnskip", "ReplaceFileDialog")(modal);
            };
        } else {
            questions << ModalAnswerer::clickButton(answer.section('+', 0, 0), "ReplaceFileDialog");
        }
    }
    if (cancelled) {
        // Nothing is started, so no message follows.
        QSignalSpy ended(m_Page, &CPage2::extractionEnded);
        ModalAnswerer answerer({ModalAnswerer::typePath(dest), questions.first()});
        // Closes a further question at once; the page itself is modal too,
        // but no events run after OnExtract has returned.
        answerer.closeUnexpected();
        m_Page->OnExtract();
        QVERIFY(ended.count() == 1 && !ended.at(0).at(0).toBool());
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), QStringList());
        QCOMPARE(contentOf(dest), before);
        return;
    }
    bool succeeded = false;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message, questions));
    QVERIFY2(succeeded, qPrintable(message));
    for (const QString& path : fromImage.keys()) {
        const QByteArray expected = kept.contains(path) ? "the user's " + path.toUtf8() : fromImage.value(path);
        QCOMPARE(TestSupport::readFile(dest + "/" + path), expected);
    }
    QCOMPARE(TestSupport::readFile(dest + "/G/mine.txt"), QByteArray("the user's own file in G"));
    QCOMPARE(QDir(dest).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"A", "file1", "G", "readme.txt"}));
    QCOMPARE(QDir(dest + "/A").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"keep.txt"});
    QCOMPARE(message.contains("kept"), !kept.isEmpty());
    for (const QString& path : kept)
        QVERIFY2(message.contains("\"" + path + "\""), qPrintable(message));
}

void TestPage2::entriesOfTheOtherKindAreKept()
{
    QVERIFY(load(m_Iso));
    tick("F");
    tick("file1");
    const QString dest = TestSupport::freshDir("dest-other-kind");
    TestSupport::writeFile(dest + "/F", "a file where the image has a folder");
    bool succeeded = true;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY(!succeeded);
    QVERIFY(!message.contains("successfully"));
    QVERIFY2(message.contains(": F."), qPrintable(message));
    QCOMPARE(TestSupport::readFile(dest + "/F"), QByteArray("a file where the image has a folder"));
    QCOMPARE(TestSupport::readFile(dest + "/file1"), QByteArray("root file one"));
    // The extracted folder is kept where the message says.
    const QStringList kept = QDir(dest).entryList({"quillmere-extract-*"}, QDir::Dirs);
    QCOMPARE(kept.size(), 1);
    QVERIFY(message.contains(kept.at(0)));
    QCOMPARE(TestSupport::readFile(dest + "/" + kept.at(0) + "/F/inner.txt"), QByteArray("inner of F"));
}

void TestPage2::onlyTickedEntriesReachTheDestination()
{
    // The tool's "-r" also takes same-named entries deeper in the image.
    QVERIFY(load(m_Iso));
    tick("readme.txt");
    const QString dest = TestSupport::freshDir("dest-only-ticked");
    TestSupport::writeFile(dest + "/A/B/readme.txt", "the user's file at a path the image also has");
    bool succeeded = false;
    QVERIFY(extractTo(dest, &succeeded));
    QVERIFY(succeeded);
    QCOMPARE(contentOf(dest), QStringList({"A/", "A/B/",
                                           "A/B/readme.txt=" + QByteArray("the user's file at a path the image also has").toHex(),
                                           "readme.txt=" + QByteArray("top readme").toHex()}));
}

void TestPage2::namesWithBlanksAndOutsideAscii()
{
    const QString source = TestSupport::freshDir("source-names");
    TestSupport::writeFile(source + "/dir one/sub dir/f g.txt", "blanks");
    TestSupport::writeFile(source + "/dir one/sub dir/Ünïcødé 日本語.txt", "non-ascii");
    TestSupport::writeFile(source + "/dir one/sub dir/-y", "looks like a switch");
    TestSupport::writeFile(source + "/dir one/sub dir/@list", "looks like a list file");
    TestSupport::writeFile(source + "/Ærø/ß.bin", QByteArray(3000, '\x01'));
    const QString iso = makeImage("names", source);
    QVERIFY(load(iso));
    QCOMPARE(tableNames(m_List), QStringList({"dir one", "Ærø"}));
    enter("dir one");
    enter("sub dir");
    m_Page->slotSelectAll(true);
    const QString dest = TestSupport::freshDir("dest-names");
    bool succeeded = false;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY2(succeeded, qPrintable(message));
    QCOMPARE(contentOf(dest), contentOf(source + "/dir one/sub dir"));

    m_Tree->setCurrentItem(m_Tree->topLevelItem(0));
    m_Page->OnTreeCurrentChanged();
    m_Page->slotSelectAll(false);
    tick("Ærø");
    const QString dest2 = TestSupport::freshDir("dest-names-2");
    QVERIFY(extractTo(dest2, &succeeded));
    QVERIFY(succeeded);
    QCOMPARE(contentOf(dest2), QStringList({"Ærø/", "Ærø/ß.bin=" + QByteArray(3000, '\x01').toHex()}));
}

void TestPage2::emptyImage()
{
    const QString iso = makeImage("empty", TestSupport::freshDir("source-empty"));
    QVERIFY(load(iso));
    QCOMPARE(m_Tree->topLevelItemCount(), 1);
    QCOMPARE(m_Tree->topLevelItem(0)->childCount(), 0);
    QCOMPARE(m_List->rowCount(), 0);
    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "GerneralDialog")});
    m_Page->OnExtract();
    QVERIFY(answerer.allAnswered());
}

void TestPage2::folderOfTwoThousandFiles()
{
    const QString source = TestSupport::freshDir("source-many");
    for (int i = 0; i < 2000; ++i)
        TestSupport::writeFile(QString("%1/many/file %2.txt").arg(source).arg(i, 4, 10, QChar('0')),
                               QByteArray::number(i * 7919));
    const QString iso = makeImage("many", source);
    QVERIFY(load(iso));
    enter("many");
    QCOMPARE(m_List->rowCount(), 2000);
    QCOMPARE(m_List->item(1999, 0)->text(), QString("file 1999.txt"));
    auto* header = qobject_cast<SCheckBoxHeaderView*>(m_List->horizontalHeader());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(30, header->height() / 2));
    const QString dest = TestSupport::freshDir("dest-many");
    bool succeeded = false;
    QVERIFY(extractTo(dest, &succeeded));
    QVERIFY(succeeded);
    QCOMPARE(contentOf(dest), contentOf(source + "/many"));
}

void TestPage2::grubRescueImageWithItsBootImage()
{
    if (!QFileInfo::exists(kGrubRescue))
        QSKIP("grub-rescue-pc is not installed");
    QVERIFY(load(kGrubRescue));
    QCOMPARE(tableNames(m_List), QStringList({"boot", "boot.catalog", "[BOOT]"}));
    enter("[BOOT]");
    tick("Boot-NoEmul.img");
    const QString dest = TestSupport::freshDir("dest-grub-boot");
    bool succeeded = false;
    QVERIFY(extractTo(dest, &succeeded));
    QVERIFY(succeeded);
    const QString reference = TestSupport::freshDir("grub-eltorito") + "/boot.img";
    TestSupport::runTool("geteltorito", {"-o", reference, kGrubRescue});
    QVERIFY(QFileInfo(reference).size() > 0);
    QCOMPARE(TestSupport::readFile(dest + "/Boot-NoEmul.img"), TestSupport::readFile(reference));

    // A file two levels down, compared with an independent reader.
    m_Tree->setCurrentItem(m_Tree->topLevelItem(0));
    m_Page->OnTreeCurrentChanged();
    enter("boot");
    enter("grub");
    tick("grub.cfg");
    const QString dest2 = TestSupport::freshDir("dest-grub-cfg");
    QVERIFY(extractTo(dest2, &succeeded));
    QVERIFY(succeeded);
    const QByteArray expected = TestSupport::runTool("isoinfo", {"-R", "-i", kGrubRescue, "-x", "/boot/grub/grub.cfg"});
    QVERIFY(!expected.isEmpty());
    QCOMPARE(contentOf(dest2), QStringList({"grub.cfg=" + expected.toHex()}));
}

void TestPage2::unreadableFilesEndTheBusyState_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text file") << QByteArray("this is not a disc image\n");
    QTest::newRow("empty file") << QByteArray();
}

void TestPage2::unreadableFilesEndTheBusyState()
{
    QFETCH(QByteArray, content);
    QVERIFY(load(m_Iso));
    const QString bad = TestSupport::writeFile(TestSupport::freshDir("bad") + "/bad.iso", content);
    QSignalSpy ended(m_Page, &CPage2::listingEnded);
    ModalAnswerer answerer({ModalAnswerer::typePath(bad), ModalAnswerer::clickButton("btnok")});
    m_Page->OnLoadISO();
    QVERIFY(TestSupport::waitUntil([&] { return ended.count() == 1 && answerer.allAnswered(); }, 30000));
    QVERIFY(!ended.at(0).at(0).toBool());
    QVERIFY2(answerer.lastText().contains("could not be read as a disc image"), qPrintable(answerer.lastText()));
    QVERIFY(answerer.lastText().contains("bad.iso"));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(m_Page->findChild<CImageButton*>("loadiso")->isEnabled());
    QVERIFY(m_Page->findChild<CImageButton*>("back")->isEnabled());
    QCOMPARE(m_Tree->topLevelItemCount(), 0);
    QCOMPARE(m_List->rowCount(), 0);
    QVERIFY(!m_Page->currentItem());
    // The page still lists a good image afterwards.
    QVERIFY(load(m_Iso));
    QCOMPARE(m_Tree->topLevelItem(0)->text(0), QString("main.iso"));
}

void TestPage2::toolErrorsAreNotReportedAsSuccess()
{
    // Files may grow to 50,000 bytes only, as on a disk that is full: the
    // tool fails to write the 70,000-byte leaf.
    QVERIFY(load(m_Iso));
    tick("F");
    tick("file1");
    const QString dest = TestSupport::freshDir("dest-full");
    TestSupport::writeFile(dest + "/F/deep/leaf.bin", "the user's leaf");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit limited = original;
    limited.rlim_cur = 50000;
    setrlimit(RLIMIT_FSIZE, &limited);
    bool succeeded = true;
    QString message;
    // The user chose to replace the leaf: a failed run replaces nothing.
    const bool done =
        extractTo(dest, &succeeded, &message, {ModalAnswerer::clickButton("btnok", "ReplaceFileDialog")});
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, SIG_DFL);
    QVERIFY(done);
    QVERIFY(!succeeded);
    QVERIFY2(!message.contains("successfully"), qPrintable(message));
    QVERIFY2(message.contains("ERROR"), qPrintable(message));
    // Nothing of the destination was replaced by a broken copy.
    QCOMPARE(TestSupport::readFile(dest + "/F/deep/leaf.bin"), QByteArray("the user's leaf"));
    QVERIFY(!QFileInfo::exists(dest + "/file1"));
    QVERIFY(m_Page->isEnabled());
}

void TestPage2::stopLeavesThePageUsable()
{
    const QString source = TestSupport::freshDir("source-big");
    {
        QFile big(source + "/big.bin");
        QVERIFY(big.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, '\x33');
        for (int i = 0; i < 40; ++i)
            big.write(block);
    }
    const QString iso = makeImage("big", source);
    QFile::remove(source + "/big.bin");
    QVERIFY(load(iso));
    tick("big.bin");
    QSignalSpy ended(m_Page, &CPage2::extractionEnded);
    const QString dest = TestSupport::freshDir("dest-stop");
    ModalAnswerer answerer({ModalAnswerer::typePath(dest)});
    m_Page->OnExtract();
    QVERIFY(m_Page->isExtracting());
    QVERIFY(!m_Page->isEnabled());
    QVERIFY(m_Page->progressDialog()->isVisible());
    // Stopped before the event loop runs again, so the tool cannot have
    // been seen to end first.
    m_Page->OnStopExtract();
    QVERIFY(!m_Page->isExtracting());
    QVERIFY(m_Page->isEnabled());
    QVERIFY(!m_Page->progressDialog()->isVisible());
    QTest::qWait(300);
    QCOMPARE(ended.count(), 0);
    // The staging folder goes once the tool has ended.
    QVERIFY(TestSupport::waitUntil([&] { return QDir(dest).isEmpty(); }, 10000));
    QFile::remove(iso);
}

// A cut-off image: the tool writes empty and cut-off files before it fails.
void TestPage2::failedExtractionLeavesNothingInTheDestination()
{
    const QString iso = TestSupport::freshDir("truncated") + "/cut.iso";
    {
        QFile whole("/usr/lib/ipxe/ipxe.iso");
        if (!whole.open(QIODevice::ReadOnly))
            QSKIP("ipxe not installed");
        TestSupport::writeFile(iso, whole.read(300000));
    }
    QVERIFY(load(iso));
    for (int row = 0; row < m_List->rowCount(); ++row)
        m_List->item(row, 0)->setCheckState(Qt::Checked);
    const QString dest = TestSupport::freshDir("dest-truncated");
    TestSupport::writeFile(dest + "/mine.txt", "the user's");
    bool succeeded = true;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY(!succeeded);
    QVERIFY(!message.contains("successfully"));
    QVERIFY(TestSupport::waitUntil([&] { return QDir(dest).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) ==
                                                QStringList{"mine.txt"}; }, 10000));
}

void TestPage2::opensFromTheHomeWindow()
{
    MainWindow window;
    window.show();
    window.onExtract();
    auto* page = qobject_cast<CPage2*>(window.currentPage());
    QVERIFY(page);
    QCOMPARE(page->parentWidget(), &window);
    QCOMPARE(page->pos(), QPoint(1, 107));
    QVERIFY(page->isVisible());
    QVERIFY(!page->IsMoveable());
    QCOMPARE(page->BackGround(), QString(":/nwu/page2"));
    QTest::mouseClick(page->findChild<CImageButton*>("back"), Qt::LeftButton);
    QVERIFY(!page->isVisible());
}

QUILLMERE_TEST_MAIN(TestPage2)
namespace {

QStringList pageTexts(CPage2* page)
{
    QStringList texts;
    for (const char* name : {"loadiso", "back", "extract"})
        texts << page->findChild<CImageButton*>(name)->text();
    for (const char* name : {"isoextract", "descript"})
        texts << page->findChild<QLabel*>(name)->text();
    auto* list = page->findChild<QTableWidget*>("list");
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->horizontalHeaderItem(column)->text();
    for (QAction* entry : page->menu()->actions())
        texts << entry->text();
    return texts;
}

} // namespace

// Captions, labels, column titles and the menu follow the language; a
// folder's type stays "Folder"; the menu made anew still extracts.
void TestPage2::followsTheLanguage()
{
    QVERIFY(load(m_Iso));
    const QStringList english = pageTexts(m_Page);
    QCOMPARE(english.mid(0, 3), (QStringList{"Load ISO", "Back", "Extract"}));
    QTranslator german;
    QVERIFY(german.load(Util::GetCurrentExePath() + "/translations/qt_de.qm"));
    QCoreApplication::installTranslator(&german);
    QCoreApplication::processEvents();
    const QStringList translated = pageTexts(m_Page);
    QCOMPARE(translated,
             (QStringList{"ISO laden", QString::fromUtf8("Zurück"), "Extrahieren", "ISO extrahieren",
                          "Extrahieren Sie beliebige Inhalte direkt aus einer ISO-Image-Datei auf Ihren Computer.",
                          "Dateiname", QString::fromUtf8(" Größe"), "Typ", "Datum", "&Extrahieren"}));
    m_Page->RefreshTable();
    QCOMPARE(m_List->item(rowOf(m_List, "F"), 2)->text(), QString("Folder"));

    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "GerneralDialog")});
    m_Page->menu()->actions().first()->trigger();
    QVERIFY(answerer.allAnswered());
    QVERIFY2(answerer.lastText().contains(QString::fromUtf8("Bitte wählen Sie die Dateien oder Ordner aus")),
             qPrintable(answerer.lastText()));

    QCoreApplication::removeTranslator(&german);
    QCoreApplication::processEvents();
    QCOMPARE(pageTexts(m_Page), english);
}

#include "tst_page2.moc"
