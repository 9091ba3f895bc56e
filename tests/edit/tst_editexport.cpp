#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"

#include <QDirIterator>

using namespace TestSupport;

namespace {

// Every file below the folder with its bytes, and every folder as "path/".
QMap<QString, QByteArray> folderContent(const QString& folder)
{
    QMap<QString, QByteArray> content;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(folder).relativeFilePath(path);
        if (it.fileInfo().isDir())
            content.insert(relative + "/", QByteArray());
        else
            content.insert(relative, readFile(path));
    }
    return content;
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestEditExport : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    QString m_Iso;
    QString m_Root; // the files the image was made of

    // Exports the ticked rows into the folder; returns the texts of the
    // messages the page showed.
    QStringList exportTo(CPage4* page, const QString& folder)
    {
        ModalAnswerer answerer({EditImages::typePath(folder), ModalAnswerer::clickButton("btnok")});
        page->OnExport();
        waitUntil([&] { return answerer.allAnswered(); });
        return answerer.texts();
    }

private slots:
    void initTestCase()
    {
        const QString dir = freshDir("iso-export");
        m_Iso = EditImages::buildIsolinuxImage(dir);
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        m_Root = dir + "/root";
    }

    void exportsFilesAndFoldersOfTheImage()
    {
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        EditPageDriver::tick(page, "old.txt");
        EditPageDriver::tick(page, "docs");
        const QString target = freshDir("export-image");

        const QStringList texts = exportTo(page, target);
        QCOMPARE(texts.value(1), QString("Export Successfully !"));
        QCOMPARE(entriesOf(target), (QStringList{"docs", "old.txt"}));
        QCOMPARE(readFile(target + "/old.txt"), readFile(m_Root + "/old.txt"));
        QCOMPARE(folderContent(target + "/docs"), folderContent(m_Root + "/docs"));
        QCOMPARE(folderContent(target + "/docs").size(), 3);
    }

    // Added entries are copied from where they were added, as they are there
    // at the time of the export, not from their copies in the working folder.
    void exportsAddedEntriesFromTheirSource()
    {
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        const QString source = freshDir("export-source");
        writeFile(source + "/added.txt", "as added\n");
        writeFile(source + "/folder/inner.txt", "inner as added\n");
        writeFile(source + "/folder/sub/deep.bin", QByteArray(40000, 'd'));
        m_Driver.add(page, {source + "/added.txt", source + "/folder"});
        QVERIFY(EditPageDriver::rowOf(page, "added.txt") >= 0);
        QVERIFY(EditPageDriver::rowOf(page, "folder") >= 0);
        const QString work = page->workFolder();
        QVERIFY(waitUntil([&] {
            return readFile(work + "added.txt") == "as added\n" && readFile(work + "folder/inner.txt").size() > 0 &&
                   readFile(work + "folder/sub/deep.bin").size() == 40000;
        }));

        writeFile(source + "/added.txt", "changed after adding\n");
        writeFile(source + "/folder/inner.txt", "inner changed\n");
        EditPageDriver::tick(page, "added.txt");
        EditPageDriver::tick(page, "folder");
        const QString target = freshDir("export-added");
        QCOMPARE(exportTo(page, target).value(1), QString("Export Successfully !"));
        QCOMPARE(entriesOf(target), (QStringList{"added.txt", "folder"}));
        QCOMPARE(readFile(target + "/added.txt"), QByteArray("changed after adding\n"));
        QCOMPARE(folderContent(target + "/folder"), folderContent(source + "/folder"));
        QCOMPARE(readFile(work + "added.txt"), QByteArray("as added\n"));
    }

    void asksForATickedRowFirst()
    {
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        // The folder dialog must not follow the message: it would be
        // answered (cancelled) here and counted.
        ModalAnswerer answerer({ModalAnswerer::clickButton("btnok"), ModalAnswerer::cancelFileDialog()});
        page->OnExport();
        QCOMPARE(answerer.answered(), 1);
        QCOMPARE(answerer.lastText(), QString("Please select files or folders in the list first."));
    }
};

QUILLMERE_TEST_MAIN(TestEditExport)
#include "tst_editexport.moc"
