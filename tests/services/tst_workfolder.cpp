#include "support/TestSupport.h"

#include "services/Util.h"
#include "services/WorkFolder.h"

#include <QDir>
#include <QProcess>
#include <QSysInfo>

class TestWorkFolder : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void eachPageGetsItsOwnEmptyFolder();
    void removeStaleSparesLivePagesAndTakesTheRest();
    void folderOfADeadRunIsStale();
    void lockLivesBesideTheFolderNotInIt();
    void folderHeldByAnotherLiveProcessIsSpared();
    void plantedLinkGoesAsALink();
    void ownFoldersAreThePrivateOfTheUser();

private:
    static QString deadPid();
};

void TestWorkFolder::init()
{
    QDir(WorkFolder::baseFolder()).removeRecursively();
}

QString TestWorkFolder::deadPid()
{
    QProcess child;
    child.start("/bin/true", QStringList());
    child.waitForStarted();
    const qint64 pid = child.processId();
    child.waitForFinished();
    return QString::number(pid);
}

void TestWorkFolder::eachPageGetsItsOwnEmptyFolder()
{
    WorkFolder first("create");
    WorkFolder second("create");
    WorkFolder edit("edit");
    QVERIFY(first.isValid() && second.isValid() && edit.isValid());
    QVERIFY(first.path() != second.path());
    QVERIFY(first.path().startsWith(Util::GetTempDir() + "/work/create-"));
    QVERIFY(edit.path().startsWith(Util::GetTempDir() + "/work/edit-"));
    QVERIFY(first.path().endsWith('/'));
    QCOMPARE(first.pathWithoutSlash() + "/", first.path());
    QVERIFY(QDir(first.path()).exists());
    QVERIFY(QDir(first.path()).isEmpty());
}

void TestWorkFolder::removeStaleSparesLivePagesAndTakesTheRest()
{
    auto live = std::make_unique<WorkFolder>("create");
    auto closed = std::make_unique<WorkFolder>("edit");
    TestSupport::writeFile(live->path() + "kept/a.txt", "live");
    TestSupport::writeFile(closed->path() + "gone/b.txt", "closed");
    const QString closedPath = closed->path();
    closed.reset();
    const QString unlocked = WorkFolder::baseFolder() + "create-no-lock";
    TestSupport::writeFile(unlocked + "/c.txt", "x");

    WorkFolder::removeStale();
    QCOMPARE(TestSupport::readFile(live->path() + "kept/a.txt"), QByteArray("live"));
    QVERIFY(!QFileInfo::exists(closedPath));
    QVERIFY(!QFileInfo::exists(unlocked));
    const QStringList left = QDir(WorkFolder::baseFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(left.size(), 2); // the live folder and its lock file

    const QString livePath = live->path();
    live.reset();
    WorkFolder::removeStale();
    QVERIFY(!QFileInfo::exists(livePath));
    QVERIFY(QDir(WorkFolder::baseFolder()).isEmpty());
}

void TestWorkFolder::folderOfADeadRunIsStale()
{
    const QString folder = WorkFolder::baseFolder() + "create-1-1-00001";
    TestSupport::writeFile(folder + "/staged.bin", "old");
    TestSupport::writeFile(folder + ".lock", (deadPid() + "\n" + QCoreApplication::applicationName() + "\n"
                                              + QSysInfo::machineHostName() + "\n")
                                                 .toUtf8());
    WorkFolder::removeStale();
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(!QFileInfo::exists(folder + ".lock"));
}

void TestWorkFolder::lockLivesBesideTheFolderNotInIt()
{
    WorkFolder page("create");
    QVERIFY(QFileInfo::exists(page.pathWithoutSlash() + ".lock"));
    QVERIFY(QDir(page.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestWorkFolder::folderHeldByAnotherLiveProcessIsSpared()
{
    QProcess other;
    other.start("sleep", {"30"});
    QVERIFY(other.waitForStarted());
    const QString folder = WorkFolder::baseFolder() + "edit-other-run";
    TestSupport::writeFile(folder + "/unpacked.bin", "busy");
    TestSupport::writeFile(folder + ".lock", (QString::number(other.processId()) + "\nsleep\n"
                                              + QSysInfo::machineHostName() + "\n")
                                                 .toUtf8());
    WorkFolder::removeStale();
    QCOMPARE(TestSupport::readFile(folder + "/unpacked.bin"), QByteArray("busy"));
    other.kill();
    other.waitForFinished();
    WorkFolder::removeStale();
    QVERIFY(!QFileInfo::exists(folder));
}

// A link under work/ to a folder of the user's (named like a page's folder
// without a lock) is removed; the folder it points to keeps every file.
void TestWorkFolder::plantedLinkGoesAsALink()
{
    const QString user = TestSupport::freshDir("workfolder-user");
    TestSupport::writeFile(user + "/keep/a.txt", "mine");
    QDir().mkpath(WorkFolder::baseFolder());
    const QString link = WorkFolder::baseFolder() + "edit-planted";
    QVERIFY(QFile::link(user, link));
    WorkFolder::removeStale();
    QVERIFY(!QFileInfo(link).isSymLink());
    QCOMPARE(TestSupport::readFile(user + "/keep/a.txt"), QByteArray("mine"));
    QVERIFY(QFileInfo(user).isDir());
}

void TestWorkFolder::ownFoldersAreThePrivateOfTheUser()
{
    const auto modeOf = [](const QString& path) {
        return QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                                | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    };
    // A data folder an earlier run left open to everyone is narrowed.
    QVERIFY(QFile::setPermissions(Util::GetTempDir(), QFileDevice::Permissions(0x7777)));
    QDir(WorkFolder::baseFolder()).removeRecursively();
    WorkFolder page("create");
    QVERIFY(page.isValid());
    QCOMPARE(int(modeOf(Util::GetTempDir())), 0);
    QCOMPARE(int(modeOf(WorkFolder::baseFolder())), 0);
    QVERIFY(QFileInfo(Util::GetTempDir()).permissions() & QFile::WriteOwner);
}

QUILLMERE_TEST_MAIN(TestWorkFolder)
#include "tst_workfolder.moc"
