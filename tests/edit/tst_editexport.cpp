#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"

#include "services/CFileCopy.h"

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
        ModalAnswerer answerer({ModalAnswerer::typePath(folder), ModalAnswerer::clickButton("btnok")});
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

    // A folder with content where the exported file would go stays as it
    // is, and the page says so instead of announcing success.
    void exportIntoAFolderInTheWayFails()
    {
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        EditPageDriver::tick(page, "old.txt");
        const QString target = freshDir("export-in-the-way");
        writeFile(target + "/old.txt/mine.txt", "the user's\n");

        const QStringList texts = exportTo(page, target);
        QVERIFY(!texts.contains("Export Successfully !"));
        QVERIFY2(texts.value(1).contains(target + "/old.txt"), qPrintable(texts.join(" | ")));
        QCOMPARE(readFile(target + "/old.txt/mine.txt"), QByteArray("the user's\n"));
    }

    // Save after an add that could not be copied names the failed entry and
    // writes no image; once the entry is deleted, Save goes ahead.
    void saveAfterAFailedAddRefuses()
    {
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        const QString source = freshDir("save-failed-add");
        writeFile(source + "/pics/fine.txt", "fine\n");
        // Reading this process's memory file from offset 0 fails.
        QVERIFY(QFile::link("/proc/self/mem", source + "/pics/gone.png"));
        m_Driver.add(page, {source + "/pics"});
        QVERIFY(waitUntil([&] { return !page->fileCopy()->IsBusy(); }));

        const QString output = freshDir("save-failed-add-out") + "/out.iso";
        const QStringList texts = m_Driver.save(page, output);
        QVERIFY2(texts.join(" ").contains(source + "/pics/gone.png"), qPrintable(texts.join(" | ")));
        QVERIFY(!QFileInfo::exists(output));

        EditPageDriver::tick(page, "pics");
        page->OnDelete();
        QVERIFY(EditPageDriver::rowOf(page, "pics") < 0);
        QVERIFY(waitUntil([&] { return !page->fileCopy()->IsBusy(); }));
        const QStringList again = m_Driver.save(page, output);
        QVERIFY2(again.join(" ").contains("Save ISO file successfully!"), qPrintable(again.join(" | ").replace("\n", " ")));
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
