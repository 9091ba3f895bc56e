#include "support/OwnAppFolder.h"

#include "create/CPage3.h"
#include "extract/CPage2.h"
#include "services/ArchiveTool.h"
#include "services/Util.h"
#include "shell/EndSignals.h"
#include "shell/MainWindow.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/HeldExtraction.h"
#include "support/ModalAnswerer.h"
#include "support/PickInFileDialog.h"
#include "support/PipeAtPath.h"
#include "support/ProcessProbe.h"
#include "widgets/CImageButton.h"

#include <QRadioButton>
#include <QTableWidget>

#include <csignal>
#include <memory>

using namespace TestSupport;

// The whole program is ended during work: by its close control, or by
// SIGTERM or SIGHUP as the desktop ends it at logout. Each run is a copy of
// this program (a scenario) with the real main window, so that its exit is
// real; the test looks at what is left once it has gone.
namespace {

const char kScenario[] = "QUILLMERE_CLOSE_SCENARIO";
const char kFolder[] = "QUILLMERE_CLOSE_FOLDER";

// Ticks every row of the Extract page's table.
void tickAll(CPage2* page)
{
    page->slotSelectAll(true);
}

// Starts a Create of folder/src into folder/out/kept.iso; ready once
// mkisofs runs.
void startCreate(MainWindow& window, const QString& folder, std::function<bool()>* ready)
{
    QTest::mouseClick(window.findChild<CImageButton*>("create"), Qt::LeftButton);
    auto* page = qobject_cast<CPage3*>(window.currentPage());
    ModalAnswerer collect({pickInFileDialog({folder + "/src/Tree"})});
    page->OnAddDir();
    page->findChild<QRadioButton*>("jolet")->setChecked(true);
    auto* answerer = new ModalAnswerer(EditPageDriver::chooseOutput(folder + "/out/kept.iso"), page);
    QTimer::singleShot(0, page, [page] { page->OnCreate(); });
    *ready = [page, answerer] {
        if (!answerer->allAnswered() || !page->isCreating())
            return false;
        for (qint64 pid : ProcessProbe::children()) {
            const QByteArray name = readFile(QString("/proc/%1/comm").arg(pid)).trimmed();
            if (name == "genisoimage" || name == "mkisofs")
                return true;
        }
        return false;
    };
}

// Extracts everything of folder/image.iso into folder/dest; ready once 7z
// has unpacked it into the page's staging folder and is held there.
void startExtract(MainWindow& window, const QString& folder, HeldExtraction& held,
                  std::function<bool()>* ready)
{
    QTest::mouseClick(window.findChild<CImageButton*>("extract"), Qt::LeftButton);
    auto* page = qobject_cast<CPage2*>(window.currentPage());
    QSignalSpy listed(page, &CPage2::listingEnded);
    page->OpenImage(folder + "/image.iso");
    waitUntil([&] { return listed.count() == 1; }, 30000);
    tickAll(page);
    new ModalAnswerer({ModalAnswerer::typePath(folder + "/dest")}, page);
    QTimer::singleShot(0, page, [page] { page->OnExtract(); });
    *ready = [&held] { return held.isAt(HeldExtraction::End); };
}

// The copy's side: starts the work, says "ready" with a file and clicks
// the close control once the test asks for it with another.
int runScenario()
{
    const QString scenario = qEnvironmentVariable(kScenario);
    const QString folder = qEnvironmentVariable(kFolder);
    MainWindow window;
    window.show();
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &window, &MainWindow::onClose);
    std::unique_ptr<HeldExtraction> held;
    std::function<bool()> ready = [] { return false; };
    if (scenario == "create") {
        startCreate(window, folder, &ready);
    } else {
        held = std::make_unique<HeldExtraction>();
        held->closeGates();
        held->open(HeldExtraction::Start);
        startExtract(window, folder, *held, &ready);
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (ready() && !QFile::exists(folder + "/ready"))
            writeFile(folder + "/ready", QByteArray());
        if (QFile::exists(folder + "/close-now"))
            QTest::mouseClick(window.findChild<CImageButton*>("close"), Qt::LeftButton);
    });
    poll.start(20);
    QTimer::singleShot(120000, [] { QCoreApplication::exit(3); });
    return QCoreApplication::exec();
}

QList<qint64> descendantsOf(qint64 pid)
{
    QList<qint64> all;
    for (qint64 child : ProcessProbe::childrenOf(pid))
        all << child << descendantsOf(child);
    return all;
}

// A scenario that has exited at once has left its stand-in for 7z in
// place of the real one.
void putBackArchiveTool()
{
    const QString tool = ArchiveTool::program();
    if (!QFileInfo::exists(tool + ".real"))
        return;
    QFile::remove(tool);
    QFile::rename(tool + ".real", tool);
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestCloseDuringWork : public QObject
{
    Q_OBJECT

private:
    QString m_Source;
    QString m_Image;

private slots:
    void initTestCase()
    {
        m_Source = freshDir("close-source");
        for (int i = 0; i < 8; ++i)
            writeFile(m_Source + QString("/Tree/file %1.bin").arg(i), EditImages::randomBytes(300000));
        m_Image = freshDir("close-image") + "/image.iso";
        int code = -1;
        runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs",
                {"-quiet", "-R", "-o", m_Image, m_Source + "/Tree"}, &code);
        QCOMPARE(code, 0);
    }

    void endsTheToolsAndLeavesNothingHalfWritten_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("how");
        for (const char* scenario : {"create", "extract"})
            for (const char* how : {"close", "SIGTERM", "SIGHUP"})
                QTest::newRow(qPrintable(QString("%1, %2").arg(scenario, how))) << scenario << how;
    }

    void endsTheToolsAndLeavesNothingHalfWritten()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, how);
        const QString folder = freshDir("close-" + scenario + "-" + how);
        QDir().mkpath(folder + "/src/Tree");
        for (const QString& name : entriesOf(m_Source + "/Tree"))
            QFile::copy(m_Source + "/Tree/" + name, folder + "/src/Tree/" + name);
        QFile::copy(m_Image, folder + "/image.iso");
        const QString kept = writeFile(folder + "/out/kept.iso", "an earlier image\n");
        const QString mine = writeFile(folder + "/dest/mine.txt", "the user's own file\n");
        // mkisofs fills the pipe and waits there, in the middle of the image.
        std::unique_ptr<PipeAtPath> pipe;
        if (scenario == "create") {
            pipe = std::make_unique<PipeAtPath>(kept + ".part");
            QVERIFY(pipe->isOpen());
        }

        QProcess copy;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kScenario, scenario);
        environment.insert(kFolder, folder);
        copy.setProcessEnvironment(environment);
        copy.setProcessChannelMode(QProcess::ForwardedChannels);
        copy.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(copy.waitForStarted(30000));
        const bool ready = waitUntil(
            [&] {
                return QFile::exists(folder + "/ready") && (!pipe || pipe->waitingBytes() > 0);
            },
            30000);
        if (!ready) {
            copy.kill();
            copy.waitForFinished();
            putBackArchiveTool();
        }
        QVERIFY(ready);
        const QList<qint64> tools = descendantsOf(copy.processId());
        QVERIFY(!tools.isEmpty());

        if (how == "close")
            writeFile(folder + "/close-now", QByteArray());
        else
            ::kill(pid_t(copy.processId()), how == "SIGTERM" ? SIGTERM : SIGHUP);
        const bool finished = copy.waitForFinished(20000);
        putBackArchiveTool();
        QVERIFY(finished);
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy.exitCode(), 0);

        for (qint64 pid : tools)
            QVERIFY2(waitUntil([pid] { return !ProcessProbe::exists(pid); }, 3000),
                     qPrintable(QString("process %1 still runs").arg(pid)));
        QCOMPARE(readFile(kept), QByteArray("an earlier image\n"));
        QCOMPARE(readFile(mine), QByteArray("the user's own file\n"));
        QCOMPARE(entriesOf(folder + "/out"), QStringList({"kept.iso"}));
        QCOMPARE(entriesOf(folder + "/dest"), QStringList({"mine.txt"}));
    }
};

int main(int argc, char** argv)
{
    AppResources::init();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (!OwnAppFolder::isCopy())
        return OwnAppFolder::runCopy(argc, argv);
    OwnAppFolder::endWithParent();
    if (qEnvironmentVariableIsSet(kScenario))
        return runScenario();
    TestCloseDuringWork test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_closeduringwork.moc"
