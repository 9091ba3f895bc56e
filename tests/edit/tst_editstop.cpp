#include "support/OwnAppFolder.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/HeldExtraction.h"
#include "support/ModalAnswerer.h"
#include "support/PipeAtPath.h"
#include "support/ProcessProbe.h"
#include "widgets/CProgressDialog.h"

using namespace TestSupport;

namespace {

// mkisofs among this program's children, or -1.
qint64 mkisofsProcess()
{
    for (qint64 pid : ProcessProbe::children()) {
        const QByteArray name = readFile(QString("/proc/%1/comm").arg(pid)).trimmed();
        if (name == "genisoimage" || name == "mkisofs")
            return pid;
    }
    return -1;
}

// Presses Stop once the progress dialog shows the phase and the condition
// holds.
ModalAnswerer::Answer stopWhen(const QString& phase, const std::function<bool()>& ready)
{
    return [phase, ready](QWidget* modal) {
        if (EditPageDriver::progressPhase(modal) != phase || !ready())
            return false;
        return ModalAnswerer::clickButton("btncancel")(modal);
    };
}

// Counts (and closes) every dialog that shows up.
ModalAnswerer::Answer anyDialog()
{
    return [](QWidget* modal) {
        QTimer::singleShot(0, modal, [modal] { modal->close(); });
        return true;
    };
}

// Lets whatever a stopped run may still have sent on its way arrive;
// returns how many dialogs that brought up.
int straysAfterSettling()
{
    ModalAnswerer stray({anyDialog()});
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
    return stray.answered();
}

} // namespace

class TestEditStop : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    QString m_Iso;
    QString m_Out;

private slots:
    void initTestCase()
    {
        m_Iso = EditImages::buildIsolinuxImage(freshDir("iso-stop"));
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        m_Out = freshDir("stop-out");
    }

    void stopWhileSavingKeepsTheEarlierFile()
    {
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        const QString output = writeFile(m_Out + "/kept.iso", "an earlier image\n");
        PipeAtPath pipe(output + ".part");
        QVERIFY(pipe.isOpen());

        qint64 mkisofs = -1;
        const auto writing = [&] {
            mkisofs = mkisofsProcess();
            return page->isSaving() && mkisofs > 0 && pipe.waitingBytes() > 0;
        };
        ModalAnswerer answerer(EditPageDriver::chooseOutput(output));
        answerer.add(stopWhen("Saving ISO file...", writing));
        page->OnSave();
        QVERIFY(waitUntil([&] { return answerer.allAnswered() && !page->isSaving(); }, 60000));

        QCOMPARE(straysAfterSettling(), 0);
        QVERIFY(!page->progressDialog()->isVisible());
        QVERIFY(!ProcessProbe::exists(mkisofs));
        QVERIFY(!QFileInfo::exists(output + ".part"));
        QCOMPARE(readFile(output), QByteArray("an earlier image\n"));

        QVERIFY(m_Driver.save(page, output).endsWith("Save ISO file successfully!"));
        QCOMPARE(EditImages::contentListing(output), EditImages::contentListing(m_Iso));
        QVERIFY(!QFileInfo::exists(output + ".part"));
    }

    // Stop while the page waits for the extraction ends the save only: the
    // extraction goes on, and changes made before reach the next save.
    void stopWhileWaitingForTheExtractionSavesNothing()
    {
        HeldExtraction held;
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.startLoad(page, m_Iso));
        QVERIFY(held.waitUntilAt(HeldExtraction::Start));
        EditPageDriver::tick(page, "old.txt");
        page->OnDelete();

        const QString output = m_Out + "/never.iso";
        ModalAnswerer answerer({ModalAnswerer::typePath(output), stopWhen("Extracting iso...", [] { return true; })});
        page->OnSave();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(straysAfterSettling(), 0);
        QVERIFY(!page->isSaving());
        QVERIFY(page->isExtracting());
        QCOMPARE(mkisofsProcess(), -1);
        QVERIFY(!QFileInfo::exists(output));
        QVERIFY(!QFileInfo::exists(output + ".part"));

        held.open(HeldExtraction::Start);
        held.open(HeldExtraction::End);
        QVERIFY(waitUntil([&] { return !page->isExtracting(); }));
        QVERIFY(m_Driver.save(page, output).endsWith("Save ISO file successfully!"));
        QStringList expected = EditImages::contentListing(m_Iso);
        expected.removeAll("old.txt 14");
        QCOMPARE(EditImages::contentListing(output), expected);
    }
};

QUILLMERE_TEST_MAIN_IN_OWN_FOLDER(TestEditStop)
#include "tst_editstop.moc"
