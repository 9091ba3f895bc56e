#include "support/TestSupport.h"

#include "edit/SubtreePaths.h"
#include "edit/WorkPath.h"
#include "model/CTree.h"

class TestEditRules : public QObject
{
    Q_OBJECT

private slots:
    void pathsStayInsideTheWorkingFolder()
    {
        QVERIFY(WorkPath::staysInside("docs/readme.txt"));
        QVERIFY(WorkPath::staysInside("a..b/c"));
        QVERIFY(!WorkPath::staysInside("../etc/passwd"));
        QVERIFY(!WorkPath::staysInside("docs/../../x"));
        QVERIFY(!WorkPath::staysInside("/etc"));
        QVERIFY(!WorkPath::staysInside("docs//x"));
        QVERIFY(!WorkPath::staysInside(""));
        QVERIFY(WorkPath::isValidName("new name.txt"));
        QVERIFY(!WorkPath::isValidName("a/b"));
        QVERIFY(!WorkPath::isValidName(".."));
        QVERIFY(!WorkPath::isValidName("."));
    }

    void renamedFolderCarriesItsEntries()
    {
        CTree tree;
        for (const char* path : {"docs/readme.txt", "docs/guide/one.txt", "docs/guide/two.txt", "other.txt"}) {
            Item item;
            item.m_Path = path;
            item.m_IsDir = false;
            QVERIFY(tree.AddItem(item));
        }
        Item* docs = tree.GetItem("docs");
        Item* two = tree.GetItem("docs/guide/two.txt");
        docs->Rename("manuals");
        SubtreePaths::follow(docs);
        QCOMPARE(tree.GetItem("manuals/guide/two.txt"), two);
        QVERIFY(!tree.GetItem("docs/guide/two.txt"));
        QCOMPARE(tree.GetItem("manuals/guide")->m_Children.at(0)->m_Path, QString("manuals/guide/one.txt"));
        QCOMPARE(tree.GetItem("manuals")->m_Children.at(0)->GetName(), QString("readme.txt"));
        Item added;
        added.m_Path = "manuals/guide/three.txt";
        added.m_IsDir = false;
        QVERIFY(tree.AddItem(added));
        QCOMPARE(tree.GetItem("manuals/guide")->m_Children.size(), 3);
    }
};

QUILLMERE_TEST_MAIN(TestEditRules)
#include "tst_editrules.moc"
