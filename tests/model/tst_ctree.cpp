#include "support/TestSupport.h"

#include "model/CTree.h"

#include <QTreeWidgetItem>

namespace {

Item entry(const QString& path, bool isDir = false, const QString& size = QString(),
           const QString& time = QString())
{
    Item item;
    item.m_Path = path;
    item.m_IsDir = isDir;
    item.m_Size = size;
    item.m_Time = time;
    return item;
}

QStringList childPaths(const Item& folder)
{
    QStringList paths;
    for (const Item* child : folder.m_Children)
        paths << child->m_Path;
    return paths;
}

} // namespace

class TestCTree : public QObject
{
    Q_OBJECT
private slots:
    void itemNamesAndRelativePaths();
    void renameChangesOnlyTheLastComponent();
    void defaultItemIsAnEmptyFolder();
    void addCreatesImplicitParentFolders();
    void addRefusesEmptyAndDuplicatePaths();
    void childrenKeepInsertionOrder();
    void getItemWalksWholePaths();
    void oddSlashesMakeEmptyComponents();
    void renamedFolderIsFoundByItsNewPathOnly();
    void removeDestroysTheSubtreeAndKeepsOrder();
    void removeOfADuplicateRevealsTheNextOne();
    void addressesStayStableWhileTheTreeGrows();
    void copyIsDeepAndIndependent();
    void moveKeepsAddressesAndParents();
    void assignFromOwnDescendant();
    void totalSizeReadsSourceFilesOnDisk();
    void clearEmptiesNameAndRoot();
    void pointerTravelsThroughVariantAsItemStar();
    void largeFolderIsNotQuadratic();
};

void TestCTree::itemNamesAndRelativePaths()
{
    QCOMPARE(entry("a/b/c.txt").GetName(), QString("c.txt"));
    QCOMPARE(entry("a/b/c.txt").GetRelPath(), QString("a/b"));
    QCOMPARE(entry("c.txt").GetName(), QString("c.txt"));
    QCOMPARE(entry("c.txt").GetRelPath(), QString());
    QCOMPARE(entry("").GetName(), QString());
    QCOMPARE(entry("").GetRelPath(), QString());
    QCOMPARE(entry("a/b/").GetName(), QString());
    QCOMPARE(entry("a/b/").GetRelPath(), QString("a/b"));
    QCOMPARE(entry("/x").GetRelPath(), QString());
}

void TestCTree::renameChangesOnlyTheLastComponent()
{
    Item item = entry("a/b/c.txt");
    item.Rename("d.txt");
    QCOMPARE(item.m_Path, QString("a/b/d.txt"));
    Item top = entry("c.txt");
    top.Rename("e");
    QCOMPARE(top.m_Path, QString("e"));
}

void TestCTree::defaultItemIsAnEmptyFolder()
{
    Item item;
    QVERIFY(item.m_IsDir);
    QVERIFY(item.m_Path.isEmpty() && item.m_SrcPath.isEmpty() && item.m_Size.isEmpty() && item.m_Time.isEmpty());
    QVERIFY(item.m_Children.isEmpty());
    QVERIFY(!item.Parent());
    CTree tree;
    QVERIFY(tree.m_Name.isEmpty());
    QVERIFY(tree.m_Root.m_IsDir);
    QVERIFY(tree.m_Root.m_Path.isEmpty());
}

void TestCTree::addCreatesImplicitParentFolders()
{
    CTree tree;
    QVERIFY(tree.AddItem(entry("a/b/c.txt", false, "12", "2026-01-02 03:04:05")));
    Item* a = tree.GetItem("a");
    Item* ab = tree.GetItem("a/b");
    Item* file = tree.GetItem("a/b/c.txt");
    QVERIFY(a && ab && file);
    QVERIFY(a->m_IsDir && ab->m_IsDir && !file->m_IsDir);
    QVERIFY(ab->m_Size.isEmpty() && ab->m_Time.isEmpty());
    QCOMPARE(file->m_Size, QString("12"));
    QCOMPARE(file->Parent(), ab);
    QCOMPARE(ab->Parent(), a);
    QCOMPARE(a->Parent(), &tree.m_Root);

    QVERIFY(!tree.AddItem(entry("a/b", true, "0", "2026-01-02 03:04:05")));
    QVERIFY(tree.GetItem("a/b")->m_Time.isEmpty());
    QCOMPARE(tree.GetItem("a/b"), ab);
}

void TestCTree::addRefusesEmptyAndDuplicatePaths()
{
    CTree tree;
    QVERIFY(!tree.AddItem(entry("")));
    QVERIFY(tree.m_Root.m_Children.isEmpty());
    QVERIFY(tree.AddItem(entry("x", false, "1")));
    QVERIFY(!tree.AddItem(entry("x", false, "2")));
    QCOMPARE(tree.m_Root.m_Children.size(), 1);
    QCOMPARE(tree.GetItem("x")->m_Size, QString("1"));
    QVERIFY(!tree.GetItem(""));
    tree.RemoveItem("");
    QCOMPARE(tree.m_Root.m_Children.size(), 1);
    // Case matters.
    QVERIFY(tree.AddItem(entry("X")));
    QCOMPARE(tree.m_Root.m_Children.size(), 2);
}

void TestCTree::childrenKeepInsertionOrder()
{
    CTree tree;
    tree.AddItem(entry("b"));
    tree.AddItem(entry("a"));
    tree.AddItem(entry("d/2"));
    tree.AddItem(entry("c"));
    tree.AddItem(entry("d/1"));
    QCOMPARE(childPaths(tree.m_Root), QStringList({"b", "a", "d", "c"}));
    QCOMPARE(childPaths(*tree.GetItem("d")), QStringList({"d/2", "d/1"}));
}

void TestCTree::getItemWalksWholePaths()
{
    CTree tree;
    tree.AddItem(entry("a/b/c.txt"));
    QVERIFY(!tree.GetItem("a/b/"));
    QVERIFY(!tree.GetItem("b"));
    QVERIFY(!tree.GetItem("a/c.txt"));
    QVERIFY(!tree.GetItem("a/b/c"));
    // An entry appended without the tree's checks is found by its whole
    // path, wherever it sits.
    Item* a = tree.GetItem("a");
    a->m_Children.append(entry("odd"));
    QVERIFY(!tree.GetItem("odd"));
    QVERIFY(tree.GetItem("a/odd") == nullptr);
}

void TestCTree::oddSlashesMakeEmptyComponents()
{
    CTree tree;
    QVERIFY(tree.AddItem(entry("/x")));
    QCOMPARE(tree.m_Root.m_Children.size(), 1);
    Item* emptyNamed = tree.m_Root.m_Children.at(0);
    QCOMPARE(emptyNamed->m_Path, QString());
    QVERIFY(emptyNamed->m_IsDir);
    QCOMPARE(childPaths(*emptyNamed), QStringList({"/x"}));
    QVERIFY(tree.GetItem("/x"));
    QVERIFY(tree.AddItem(entry("a//b")));
    QVERIFY(tree.GetItem("a//b"));
    QVERIFY(tree.GetItem("a/"));
    QVERIFY(!tree.GetItem("a/b"));
}

void TestCTree::renamedFolderIsFoundByItsNewPathOnly()
{
    CTree tree;
    tree.AddItem(entry("a/f"));
    tree.AddItem(entry("b"));
    Item* a = tree.GetItem("a");
    a->Rename("z");
    QCOMPARE(a->m_Path, QString("z"));
    QCOMPARE(tree.GetItem("z"), a);
    QVERIFY(!tree.GetItem("a"));
    QVERIFY(!tree.GetItem("z/f"));
    QCOMPARE(a->m_Children.at(0)->m_Path, QString("a/f"));
    // The old name is free again.
    QVERIFY(tree.AddItem(entry("a")));
    QCOMPARE(childPaths(tree.m_Root), QStringList({"z", "b", "a"}));
    // Renaming onto a taken name: the first in order is the one found.
    tree.GetItem("a")->Rename("b");
    QCOMPARE(tree.GetItem("b"), tree.m_Root.m_Children.at(1));
    tree.m_Root.m_Children.at(1)->Rename("y");
    QCOMPARE(tree.GetItem("b"), tree.m_Root.m_Children.at(2));
}

void TestCTree::removeDestroysTheSubtreeAndKeepsOrder()
{
    CTree tree;
    tree.AddItem(entry("a"));
    tree.AddItem(entry("b/c/d"));
    tree.AddItem(entry("e"));
    tree.RemoveItem("b");
    QCOMPARE(childPaths(tree.m_Root), QStringList({"a", "e"}));
    QVERIFY(!tree.GetItem("b/c/d"));
    tree.RemoveItem("nothing");
    tree.RemoveItem("a/");
    QCOMPARE(childPaths(tree.m_Root), QStringList({"a", "e"}));
    // The same path can be added again after removal.
    QVERIFY(tree.AddItem(entry("b/c/d")));
    QVERIFY(tree.GetItem("b/c"));
}

void TestCTree::removeOfADuplicateRevealsTheNextOne()
{
    CTree tree;
    Item* first = tree.m_Root.m_Children.append(entry("dup", false, "1"));
    Item* second = tree.m_Root.m_Children.append(entry("dup", false, "2"));
    QCOMPARE(tree.GetItem("dup"), first);
    tree.RemoveItem("dup");
    QCOMPARE(tree.GetItem("dup"), second);
    QCOMPARE(tree.m_Root.m_Children.size(), 1);
    QVERIFY(tree.m_Root.m_Children.remove(second));
    QVERIFY(!tree.GetItem("dup"));
    QVERIFY(!tree.m_Root.m_Children.remove(second));
}

void TestCTree::addressesStayStableWhileTheTreeGrows()
{
    CTree tree;
    tree.AddItem(entry("keep/inner"));
    Item* keep = tree.GetItem("keep");
    Item* inner = tree.GetItem("keep/inner");
    for (int i = 0; i < 3000; ++i) {
        tree.AddItem(entry(QString("n%1").arg(i)));
        tree.AddItem(entry(QString("keep/k%1").arg(i)));
    }
    tree.RemoveItem("n0");
    QCOMPARE(tree.GetItem("keep"), keep);
    QCOMPARE(tree.GetItem("keep/inner"), inner);
    QCOMPARE(inner->m_Path, QString("keep/inner"));
    QCOMPARE(keep->m_Children.size(), 3001);
}

void TestCTree::copyIsDeepAndIndependent()
{
    CTree tree;
    tree.m_Name = "x.iso";
    tree.AddItem(entry("a/b/c", false, "5"));
    CTree copy = tree;
    QCOMPARE(copy.m_Name, QString("x.iso"));
    Item* copied = copy.GetItem("a/b/c");
    QVERIFY(copied);
    QVERIFY(copied != tree.GetItem("a/b/c"));
    QCOMPARE(copied->Parent(), copy.GetItem("a/b"));
    QCOMPARE(copy.GetItem("a")->Parent(), &copy.m_Root);
    copy.RemoveItem("a/b");
    QVERIFY(tree.GetItem("a/b/c"));

    Item folder = *tree.GetItem("a");
    QVERIFY(!folder.Parent());
    QCOMPARE(folder.m_Children.at(0)->Parent(), &folder);
    QCOMPARE(folder.m_Children.at(0)->m_Children.at(0)->m_Size, QString("5"));
}

void TestCTree::moveKeepsAddressesAndParents()
{
    Item folder = entry("f", true);
    Item* child = folder.m_Children.append(entry("f/x"));
    Item moved(std::move(folder));
    QCOMPARE(moved.m_Children.at(0), child);
    QCOMPARE(child->Parent(), &moved);
    QVERIFY(folder.m_Children.isEmpty());

    CTree tree;
    tree.AddItem(entry("t"));
    Item* target = tree.GetItem("t");
    *target = std::move(moved);
    QCOMPARE(target->Parent(), &tree.m_Root);
    QCOMPARE(tree.GetItem("f"), target);
    QVERIFY(!tree.GetItem("t"));
    QCOMPARE(child->Parent(), target);
}

void TestCTree::assignFromOwnDescendant()
{
    CTree tree;
    tree.AddItem(entry("a/b/c", false, "7"));
    Item* a = tree.GetItem("a");
    *a = *a->m_Children.at(0);
    QCOMPARE(a->m_Path, QString("a/b"));
    QCOMPARE(a->m_Children.at(0)->m_Size, QString("7"));
    QCOMPARE(tree.GetItem("a/b"), a);

    Item owner = entry("o", true);
    owner.m_Children.append(entry("o/p", true))->m_Children.append(entry("o/p/q"));
    owner = std::move(*owner.m_Children.at(0));
    QCOMPARE(owner.m_Path, QString("o/p"));
    QCOMPARE(owner.m_Children.size(), 1);
    QCOMPARE(owner.m_Children.at(0)->m_Path, QString("o/p/q"));
    QCOMPARE(owner.m_Children.at(0)->Parent(), &owner);
}

void TestCTree::totalSizeReadsSourceFilesOnDisk()
{
    CTree listed;
    listed.AddItem(entry("a/b", false, "1000"));
    QCOMPARE(listed.TotalSize(), qint64(0));

    const QString dir = TestSupport::freshDir("ctree-size");
    CTree tree;
    Item one = entry("one", false, "999");
    one.m_SrcPath = TestSupport::writeFile(dir + "/one", QByteArray(10, 'x'));
    Item two = entry("sub/two");
    two.m_SrcPath = TestSupport::writeFile(dir + "/two", QByteArray(32, 'y'));
    Item gone = entry("sub/gone");
    gone.m_SrcPath = TestSupport::writeFile(dir + "/gone", QByteArray(5, 'z'));
    Item folderWithSource = entry("srcdir", true);
    folderWithSource.m_SrcPath = dir;
    tree.AddItem(one);
    tree.AddItem(two);
    tree.AddItem(gone);
    tree.AddItem(folderWithSource);
    QCOMPARE(tree.TotalSize(), qint64(47));
    QFile::remove(dir + "/gone");
    QCOMPARE(tree.TotalSize(), qint64(42));
    QCOMPARE(tree.InnerDirSize(*tree.GetItem("sub")), qint64(32));
}

void TestCTree::clearEmptiesNameAndRoot()
{
    CTree tree;
    tree.m_Name = "image.iso";
    tree.m_Root.m_Size = "3";
    tree.m_Root.m_IsDir = false;
    tree.AddItem(entry("a/b"));
    tree.Clear();
    QVERIFY(tree.m_Name.isEmpty());
    QVERIFY(tree.m_Root.m_Children.isEmpty());
    QVERIFY(tree.m_Root.m_Size.isEmpty());
    QVERIFY(tree.m_Root.m_IsDir);
    QVERIFY(!tree.GetItem("a"));
    QVERIFY(tree.AddItem(entry("a/b")));
}

void TestCTree::pointerTravelsThroughVariantAsItemStar()
{
    CTree tree;
    tree.AddItem(entry("f", true));
    Item* folder = tree.GetItem("f");
    QTreeWidgetItem row;
    row.setData(0, Qt::UserRole, Item::ToVariant(folder));
    QCOMPARE(Item::FromVariant(row.data(0, Qt::UserRole)), folder);
    QCOMPARE(row.data(0, Qt::UserRole).value<Item*>(), folder);
    QCOMPARE(QMetaType::type("Item *"), Item::MetaTypeId());
    QCOMPARE(QMetaType::type("Item*"), Item::MetaTypeId());
    QCOMPARE(QMetaType::sizeOf(Item::MetaTypeId()), 8);

    row.setData(0, Qt::UserRole, 1);
    QVERIFY(!Item::FromVariant(row.data(0, Qt::UserRole)));
    QVERIFY(!Item::FromVariant(QVariant()));
    QVERIFY(!Item::FromVariant(QVariant(QString("f"))));
}

void TestCTree::largeFolderIsNotQuadratic()
{
    // 60,000 entries in one folder, then as many look-ups: with a linear
    // scan per entry this alone would run into the test's time limit.
    CTree tree;
    for (int i = 0; i < 60000; ++i)
        tree.AddItem(entry(QString("big/file %1.dat").arg(i)));
    for (int i = 0; i < 60000; ++i)
        QVERIFY(tree.GetItem(QString("big/file %1.dat").arg(i)));
    QCOMPARE(tree.GetItem("big")->m_Children.size(), 60000);
    QCOMPARE(tree.GetItem("big")->m_Children.last()->m_Path, QString("big/file 59999.dat"));
}

QUILLMERE_TEST_MAIN(TestCTree)
#include "tst_ctree.moc"
