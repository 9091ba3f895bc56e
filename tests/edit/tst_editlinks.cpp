#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"

using namespace TestSupport;

// A folder holding a link to itself, added to a loaded image: the addition
// ends, the folder is added once and the saved image carries it without
// the link.
class TestEditLinks : public QObject
{
    Q_OBJECT
private slots:
    void loopingFolderIsAddedOnce()
    {
        const QString root = freshDir("links-root");
        writeFile(root + "/readme.txt", "read me\n");
        const QString iso = freshDir("links-image") + "/plain.iso";
        int code = -1;
        runTool("mkisofs", {"-quiet", "-R", "-o", iso, root}, &code);
        QCOMPARE(code, 0);
        const QString loop = freshDir("links-src") + "/loop";
        writeFile(loop + "/x.txt", "x");
        QVERIFY(QFile::link(".", loop + "/a"));

        EditPageDriver driver;
        CPage4* page = driver.openPage();
        QVERIFY(driver.load(page, iso));
        driver.add(page, {loop});
        QVERIFY(EditPageDriver::rowOf(page, "loop") >= 0);
        const QString output = freshDir("links-out") + "/saved.iso";
        QVERIFY(driver.save(page, output).join('|').contains("Save ISO file successfully!"));
        QCOMPARE(EditImages::contentListing(output), QStringList({"loop/", "loop/x.txt 1", "readme.txt 8"}));
    }
};

QUILLMERE_TEST_MAIN(TestEditLinks)
#include "tst_editlinks.moc"
