#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"

using namespace TestSupport;

namespace {

const QString kIpxe = "/usr/lib/ipxe/ipxe.iso";

} // namespace

// A saved copy is the same kind of image as the one loaded: its labels, its
// Joliet names and the boot entries whose files the user kept, read back
// with isoinfo and xorriso.
class TestEditCopy : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    QString m_Dir;
    QMap<QString, QString> m_Images;

    QString image(const QString& name)
    {
        const QString iso = m_Images.value(name);
        if (iso.isEmpty() || !QFile::exists(iso))
            return QString();
        return iso;
    }

    QString makeImage(const QString& name, const QStringList& options)
    {
        const QString root = freshDir("root-" + name);
        writeFile(root + "/readme.txt", "read me\n");
        writeFile(root + "/docs/A rather long name of a manual page.txt", "manual\n");
        const QString iso = m_Dir + "/" + name + ".iso";
        int code = -1;
        runTool("mkisofs", QStringList{"-quiet", "-R"} << options << "-o" << iso << root, &code);
        return code == 0 ? iso : QString();
    }

    // Deletes the named row, answering the question about its boot entry
    // when one comes.
    QStringList deleteRow(CPage4* page, const QString& name, bool confirm)
    {
        page->slotSelectAll(false);
        EditPageDriver::tick(page, name);
        ModalAnswerer answerer({ModalAnswerer::clickButton(confirm ? "btnok" : "btncancel", "CommDialog")});
        page->OnDelete();
        waitUntil([&] { return answerer.allAnswered(); }, 500);
        return answerer.texts();
    }

    void renameRow(CPage4* page, const QString& name, const QString& newName)
    {
        page->slotSelectAll(false);
        EditPageDriver::tick(page, name);
        ModalAnswerer answerer({ModalAnswerer::typeAndAccept(newName)});
        page->OnRename();
        QVERIFY(waitUntil([&] { return answerer.allAnswered(); }));
    }

private slots:
    void initTestCase()
    {
        m_Dir = freshDir("editcopy");
        m_Images["isolinux"] = EditImages::buildIsolinuxImage(freshDir("iso-copy"));
        m_Images["ipxe"] = kIpxe;
        m_Images["labelled"] = makeImage("labelled", {"-J", "-V", "Label With Blanks", "-publisher",
                                                      "The Publisher", "-p", "Someone", "-A", "An Application"});
        m_Images["plain"] = makeImage("plain", {"-V", "PLAIN"});
    }

    void copyKeepsLabelsAndJolietNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("joliet");
        QTest::newRow("ipxe.iso") << "ipxe" << true;
        QTest::newRow("isolinux image with Joliet") << "isolinux" << true;
        QTest::newRow("all four labels, a long Joliet name") << "labelled" << true;
        QTest::newRow("no Joliet") << "plain" << false;
    }

    void copyKeepsLabelsAndJolietNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, joliet);
        const QString iso = image(name);
        if (iso.isEmpty())
            QSKIP("the image is not available here");
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, iso));
        const QString copy = m_Dir + "/" + name + "-labels.iso";
        QVERIFY(m_Driver.save(page, copy).join('|').contains("Save ISO file successfully!"));
        QCOMPARE(EditImages::volumeLabels(copy), EditImages::volumeLabels(iso));
        QCOMPARE(EditImages::jolietNames(copy), EditImages::jolietNames(iso));
        QCOMPARE(EditImages::jolietNames(copy).isEmpty(), !joliet);
    }

    void bootFilesAreFollowed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("change");  // "delete NAME", "keep NAME" (question answered No) or "rename OLD NEW"
        QTest::addColumn<QString>("question"); // what the question must name, empty: no question
        QTest::addColumn<QStringList>("bootPaths");
        QTest::newRow("UEFI image deleted") << "ipxe" << "delete efi.img" << "on UEFI computers"
                                            << QStringList{"/isolinux.bin"};
        QTest::newRow("UEFI image kept when No is answered")
            << "ipxe" << "keep efi.img" << "on UEFI computers" << QStringList{"/isolinux.bin", "/efi.img"};
        QTest::newRow("BIOS loader deleted") << "ipxe" << "delete isolinux.bin" << "on BIOS computers"
                                             << QStringList{"/efi.img"};
        QTest::newRow("UEFI image renamed") << "ipxe" << "rename efi.img uefi.img" << ""
                                            << QStringList{"/isolinux.bin", "/uefi.img"};
        QTest::newRow("folder of the loader renamed") << "isolinux" << "rename isolinux boot" << ""
                                                      << QStringList{"/boot/isolinux.bin"};
        QTest::newRow("folder of the loader deleted") << "isolinux" << "delete isolinux" << "on BIOS computers"
                                                      << QStringList{};
        QTest::newRow("catalog deleted: no question, still booting")
            << "ipxe" << "delete boot.cat" << "" << QStringList{"/isolinux.bin", "/efi.img"};
    }

    void bootFilesAreFollowed()
    {
        QFETCH(QString, name);
        QFETCH(QString, change);
        QFETCH(QString, question);
        QFETCH(QStringList, bootPaths);
        const QString iso = image(name);
        if (iso.isEmpty())
            QSKIP("the image is not available here");
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, iso));
        const QStringList words = change.split(' ');
        const QString entry = words.at(1);
        QStringList expected = EditImages::contentListing(iso);
        if (words.first() == "rename") {
            renameRow(page, entry, words.at(2));
            for (QString& line : expected) {
                if (line == entry || line.startsWith(entry + " ") || line.startsWith(entry + "/"))
                    line = words.at(2) + line.mid(entry.size());
            }
            expected.sort();
        } else {
            const QStringList texts = deleteRow(page, entry, words.first() == "delete");
            if (question.isEmpty())
                QCOMPARE(texts, QStringList());
            else
                QVERIFY2(texts.join('|').contains(question) && texts.join('|').contains("\"" + entry + "\""),
                         qPrintable(texts.join('|')));
            QCOMPARE(EditPageDriver::rowOf(page, entry) >= 0, words.first() == "keep");
            QCOMPARE(page->isModified(), words.first() == "delete");
            if (words.first() == "delete") {
                for (int i = expected.size() - 1; i >= 0; --i) {
                    const QString& line = expected.at(i);
                    if (line == entry || line.startsWith(entry + " ") || line.startsWith(entry + "/"))
                        expected.removeAt(i);
                }
            }
        }
        const QString copy = m_Dir + "/" + name + "-" + QString(change).replace(' ', '-') + ".iso";
        QVERIFY(m_Driver.save(page, copy).join('|').contains("Save ISO file successfully!"));
        QCOMPARE(EditImages::bootImagePaths(copy), bootPaths);
        // Nothing that the list did not show: no stand-in boot image, no
        // catalog under a name of its own.
        QCOMPARE(EditImages::contentListing(copy), expected);
    }
};

QUILLMERE_TEST_MAIN(TestEditCopy)
#include "tst_editcopy.moc"
