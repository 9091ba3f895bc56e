#include "support/OwnAppFolder.h"

#include "edit/CPage4.h"
#include "services/Util.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/HeldExtraction.h"
#include "support/ModalAnswerer.h"
#include "support/ProcessProbe.h"
#include "widgets/CProgressDialog.h"

using namespace TestSupport;

namespace {

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray fileInImage(const QString& iso, const QString& path)
{
    return runTool(Util::GetCurrentExePath() + "/7z/7z", {"e", "-so", iso, path});
}

// The run of the held extraction among this program's children.
qint64 heldExtractionProcess()
{
    for (qint64 pid : ProcessProbe::children()) {
        const QList<QByteArray> arguments = readFile(QString("/proc/%1/cmdline").arg(pid)).split('\0');
        if (arguments.size() > 2 && arguments.at(1).endsWith("7z/7z") && arguments.at(2) == "x")
            return pid;
    }
    return -1;
}

} // namespace

// Changes made while the whole-image extraction runs; the extraction is
// held by a stand-in 7z for as long as each test needs.
class TestEditPending : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    std::unique_ptr<HeldExtraction> m_Held;
    QString m_Iso;
    QString m_Root; // the files the image was made of
    QString m_Out;

    void rename(CPage4* page, const QString& from, const QString& to)
    {
        page->slotSelectAll(false);
        EditPageDriver::tick(page, from);
        ModalAnswerer answerer({ModalAnswerer::typeAndAccept(to)});
        page->OnRename();
    }

    void remove(CPage4* page, const QString& name)
    {
        page->slotSelectAll(false);
        EditPageDriver::tick(page, name);
        page->OnDelete();
    }

    // Held at the start: nothing of the image is on disk yet.
    CPage4* pageHeldAtStart()
    {
        CPage4* page = m_Driver.openPage();
        if (!m_Driver.startLoad(page, m_Iso) || !m_Held->waitUntilAt(HeldExtraction::Start))
            return nullptr;
        return page;
    }

    // A page whose image (a copy) loses its second half while its
    // extraction is held at the start, so that the real 7z fails.
    CPage4* pageLosingItsImage(const QString& name)
    {
        const QString iso = freshDir("broken-" + name) + "/broken.iso";
        CPage4* page = m_Driver.openPage();
        if (!QFile::copy(m_Iso, iso) || !m_Driver.startLoad(page, iso) ||
            !m_Held->waitUntilAt(HeldExtraction::Start) || !QFile::resize(iso, QFileInfo(iso).size() / 2))
            return nullptr;
        return page;
    }

    // Lets the extraction end once the page shows that it waits for it.
    ModalAnswerer::Answer releaseWhenWaiting(CPage4* page)
    {
        return [this, page](QWidget* modal) {
            if (EditPageDriver::progressPhase(modal) != "Extracting iso..." || !page->isExtracting())
                return false;
            m_Held->open(HeldExtraction::Start);
            m_Held->open(HeldExtraction::End);
            return true;
        };
    }

private slots:
    void initTestCase()
    {
        const QString dir = freshDir("iso-pending");
        m_Iso = EditImages::buildIsolinuxImage(dir);
        m_Root = dir + "/root";
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        m_Out = freshDir("pending-out");
        m_Held = std::make_unique<HeldExtraction>();
    }

    void init() { m_Held->closeGates(); }

    // Each change below undoes what an earlier one did unless they run in
    // the order made: the added old.txt would be renamed and deleted, the
    // added docs folder would be merged into the renamed one.
    void changesWaitForTheExtractionAndKeepTheirOrder()
    {
        CPage4* page = pageHeldAtStart();
        QVERIFY(page);
        const QString work = page->workFolder();
        const QString source = freshDir("pending-source");
        writeFile(source + "/old.txt", "replacement\n");
        writeFile(source + "/docs/new.txt", "new\n");

        rename(page, "old.txt", "older.txt");
        m_Driver.add(page, {source + "/old.txt"});
        remove(page, "older.txt");
        rename(page, "docs", "manuals");
        m_Driver.add(page, {source + "/docs"});
        QCOMPARE(EditPageDriver::rowNames(page), (QStringList{"data", "manuals", "isolinux", "old.txt", "docs"}));
        QVERIFY(page->isExtracting());
        QCOMPARE(entriesOf(work), QStringList());

        // 7z has written the image, and still nothing has been changed.
        m_Held->open(HeldExtraction::Start);
        QVERIFY(m_Held->waitUntilAt(HeldExtraction::End));
        QVERIFY(page->isExtracting());
        QCOMPARE(readFile(work + "old.txt"), QByteArray("to be deleted\n"));
        QVERIFY(QFile::exists(work + "docs/readme.txt"));
        QVERIFY(!QFile::exists(work + "docs/new.txt"));
        QVERIFY(!QFile::exists(work + "manuals"));

        m_Held->open(HeldExtraction::End);
        QVERIFY(waitUntil([&] { return !page->isExtracting(); }));
        QVERIFY(waitUntil([&] { return QFile::exists(work + "docs/new.txt"); }));
        QVERIFY(waitUntil([&] { return entriesOf(work).size() == 5; }));
        QCOMPARE(entriesOf(work), (QStringList{"data", "docs", "isolinux", "manuals", "old.txt"}));
        QCOMPARE(readFile(work + "old.txt"), QByteArray("replacement\n"));
        QCOMPARE(entriesOf(work + "docs"), QStringList{"new.txt"});
        QCOMPARE(entriesOf(work + "manuals"), (QStringList{"guide", "readme.txt"}));

        const QString output = m_Out + "/ordered.iso";
        QVERIFY(m_Driver.save(page, output).join('|').contains("Save ISO file successfully!"));
        QStringList expected;
        for (const QString& entry : EditImages::contentListing(m_Iso)) {
            if (entry.startsWith("old.txt"))
                expected << "old.txt 12";
            else
                expected << (entry.startsWith("docs") ? "manuals" + entry.mid(4) : entry);
        }
        expected << "docs/" << "docs/new.txt 4";
        expected.sort();
        QCOMPARE(EditImages::contentListing(output), expected);
        QCOMPARE(fileInImage(output, "old.txt"), QByteArray("replacement\n"));
    }

    void saveWaitsForTheExtraction()
    {
        CPage4* page = pageHeldAtStart();
        QVERIFY(page);
        const QString added = writeFile(freshDir("pending-save") + "/late.txt", "added while unpacking\n");
        m_Driver.add(page, {added});

        const QString output = m_Out + "/waited.iso";
        ModalAnswerer answerer(
            {ModalAnswerer::typePath(output), releaseWhenWaiting(page), ModalAnswerer::clickButton("btnok")});
        page->OnSave();
        QVERIFY(waitUntil([&] { return !page->isSaving() && answerer.allAnswered(); }, 60000));
        QCOMPARE(answerer.lastText(), QString("Save ISO file successfully!"));
        QCOMPARE(fileInImage(output, "late.txt"), QByteArray("added while unpacking\n"));
        QVERIFY(EditImages::contentListing(output).contains("old.txt 14"));
    }

    // An image that loses its end while the save waits for its extraction:
    // the page says that it could not be unpacked and saves nothing,
    // rather than an image that lacks files.
    void saveWaitingForAFailingExtractionSavesNothing()
    {
        CPage4* page = pageLosingItsImage("save");
        QVERIFY(page);
        const QString output = m_Out + "/broken-copy.iso";
        ModalAnswerer answerer(
            {ModalAnswerer::typePath(output), releaseWhenWaiting(page), ModalAnswerer::clickButton("btnok")});
        page->OnSave();
        QVERIFY(answerer.allAnswered());
        QVERIFY2(answerer.lastText().contains("could not be unpacked completely"), qPrintable(answerer.lastText()));
        QVERIFY(!page->isSaving());
        QVERIFY(!page->progressDialog()->isVisible());
        QVERIFY(!QFileInfo::exists(output));
    }

    void exportWaitingForAFailingExtractionIsNoSuccess()
    {
        CPage4* page = pageLosingItsImage("export");
        QVERIFY(page);
        EditPageDriver::tick(page, "data");
        EditPageDriver::tick(page, "old.txt");
        // The last answer would take a success message.
        ModalAnswerer answerer({ModalAnswerer::typePath(freshDir("broken-export")), releaseWhenWaiting(page),
                                ModalAnswerer::clickButton("btnok"), ModalAnswerer::clickButton("btnok")});
        page->OnExport();
        QCOMPARE(answerer.answered(), 3);
        QVERIFY2(answerer.lastText().contains("could not be unpacked completely"), qPrintable(answerer.lastText()));
        QVERIFY(!page->progressDialog()->isVisible());
    }

    // After an extraction that failed, the image's entries are refused at
    // once; entries added from disk still go out.
    void exportAfterAFailedExtractionTakesOnlyAddedEntries()
    {
        CPage4* page = pageLosingItsImage("later-export");
        QVERIFY(page);
        const QString added = writeFile(freshDir("failed-source") + "/notes.txt", "mine\n");
        m_Driver.add(page, {added});
        {
            ModalAnswerer failure({ModalAnswerer::clickButton("btnok")});
            m_Held->open(HeldExtraction::Start);
            m_Held->open(HeldExtraction::End);
            QVERIFY(waitUntil([&] { return !page->isExtracting() && failure.allAnswered(); }));
            QVERIFY(failure.lastText().contains("could not be unpacked completely"));
        }
        EditPageDriver::tick(page, "old.txt");
        EditPageDriver::tick(page, "notes.txt");
        // A folder dialog in place of the refusal is cancelled and fails.
        const ModalAnswerer::Answer folderDialog = ModalAnswerer::cancelFileDialog();
        bool askedForAFolder = false;
        ModalAnswerer refusal({[&](QWidget* modal) {
            askedForAFolder = folderDialog(modal);
            return askedForAFolder || ModalAnswerer::clickButton("btnok")(modal);
        }});
        page->OnExport();
        QVERIFY(!askedForAFolder);
        QCOMPARE(refusal.answered(), 1);
        QVERIFY2(refusal.lastText().contains("not unpacked completely"), qPrintable(refusal.lastText()));

        page->slotSelectAll(false);
        EditPageDriver::tick(page, "notes.txt");
        const QString target = freshDir("failed-export");
        ModalAnswerer answerer({ModalAnswerer::typePath(target), ModalAnswerer::clickButton("btnok")});
        page->OnExport();
        QVERIFY(waitUntil([&] { return answerer.allAnswered(); }));
        QCOMPARE(answerer.lastText(), QString("Export Successfully !"));
        QCOMPARE(readFile(target + "/notes.txt"), QByteArray("mine\n"));
    }

    // The export copies out of the working folder: it must wait for the
    // image to be there and for the rename made before.
    void exportWaitsForTheHeldChanges()
    {
        CPage4* page = pageHeldAtStart();
        QVERIFY(page);
        rename(page, "docs", "manuals");
        EditPageDriver::tick(page, "manuals");
        const QString target = freshDir("pending-export");
        ModalAnswerer answerer(
            {ModalAnswerer::typePath(target), releaseWhenWaiting(page), ModalAnswerer::clickButton("btnok")});
        page->OnExport();
        QVERIFY(waitUntil([&] { return answerer.allAnswered(); }));
        QCOMPARE(answerer.lastText(), QString("Export Successfully !"));
        QCOMPARE(entriesOf(target), QStringList{"manuals"});
        QCOMPARE(entriesOf(target + "/manuals"), (QStringList{"guide", "readme.txt"}));
        QCOMPARE(readFile(target + "/manuals/readme.txt"), readFile(m_Root + "/docs/readme.txt"));
    }

    // Loading again ends the held extraction and drops the changes made
    // for the first load: none of them may reach the new working folder.
    void loadingAgainDropsTheHeldChanges()
    {
        CPage4* page = pageHeldAtStart();
        QVERIFY(page);
        remove(page, "old.txt");
        rename(page, "data", "renamed");
        const qint64 first = heldExtractionProcess();
        QVERIFY(first > 0);

        m_Held->closeGates();
        QVERIFY(m_Driver.startLoad(page, m_Iso));
        QVERIFY(!ProcessProbe::exists(first));
        QVERIFY(m_Held->waitUntilAt(HeldExtraction::Start));
        m_Held->open(HeldExtraction::Start);
        m_Held->open(HeldExtraction::End);
        QVERIFY(waitUntil([&] { return !page->isExtracting(); }));

        const QString output = m_Out + "/reloaded.iso";
        QVERIFY(m_Driver.save(page, output).join('|').contains("Save ISO file successfully!"));
        QCOMPARE(EditImages::contentListing(output), EditImages::contentListing(m_Iso));
    }

    void cleanupTestCase() { m_Held.reset(); }
};

QUILLMERE_TEST_MAIN_IN_OWN_FOLDER(TestEditPending)
#include "tst_editpending.moc"
