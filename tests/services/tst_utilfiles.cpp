#include "support/TestSupport.h"

#include "services/FileReport.h"
#include "services/Util.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>

using namespace TestSupport;

namespace {

QByteArray pattern(qint64 size)
{
    QByteArray data(int(size), Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 131 + i / 4093) & 0xff);
    return data;
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Makes every write beyond the limit fail, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_Saved);
        m_OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Saved);
        std::signal(SIGXFSZ, m_OldHandler);
    }

private:
    rlimit m_Saved{};
    void (*m_OldHandler)(int) = nullptr;
};

} // namespace

class TestUtilFiles : public QObject
{
    Q_OBJECT
private slots:
    void copiesAndCountsEveryByte();
    void copyKeepsTheModificationTime();
    void copyOntoItselfChangesNothing();
    void copyOfAMissingSourceFails();
    void replacesAnExistingDestination();
    void readErrorFailsAndKeepsTheOldDestination();
    void fullDiskFailsWithoutATruncatedCopy();
    void failuresNameTheFirstPathAndWhy_data();
    void failuresNameTheFirstPathAndWhy();
    void folderCopyReplacesFilesAndSkipsHidden();
    void folderCopyKeepsItsName();
    void folderCopySurvivesALinkCycle();
    void sizeIgnoresTrailingSlashAndHiddenFiles();
    void sizeEndsOnALinkCycle();
    void removeFileLeavesFullFolders();
    void removeDirRemovesTheLinkNotItsTarget();
    void oddNamesWorkEverywhere_data();
    void oddNamesWorkEverywhere();
};

void TestUtilFiles::copiesAndCountsEveryByte()
{
    const QString dir = freshDir("count");
    const QByteArray data = pattern(3 * 1024 * 1024 + 12345);
    const QString source = writeFile(dir + "/big.bin", data);
    const QString destination = dir + "/new/deeper/big.bin";
    Util::copyedsize = 0;
    QVERIFY(Util::FileCopy(source, destination));
    QCOMPARE(readFile(destination), data);
    QCOMPARE(qint64(Util::copyedsize), qint64(data.size()));
    QCOMPARE(entriesOf(dir + "/new/deeper"), QStringList{"big.bin"});
    QCOMPARE(readFile(source), data);
}

void TestUtilFiles::copyKeepsTheModificationTime()
{
    const QString dir = freshDir("time");
    const QString source = writeFile(dir + "/old.txt", "kept");
    const QDateTime then = QDateTime::fromString("2019-05-04T03:02:01", Qt::ISODate);
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(then, QFileDevice::FileModificationTime));
    }
    QVERIFY(Util::FileCopy(source, dir + "/copy/old.txt"));
    QCOMPARE(QFileInfo(dir + "/copy/old.txt").lastModified(), then);
}

void TestUtilFiles::copyOntoItselfChangesNothing()
{
    const QString dir = freshDir("self");
    const QString source = writeFile(dir + "/a.txt", "keep me");
    QVERIFY(Util::FileCopy(source, source));
    QVERIFY(Util::FileCopy(source, dir + "//./a.txt"));
    QVERIFY(QFile::link(source, dir + "/link.txt"));
    QVERIFY(Util::FileCopy(source, dir + "/link.txt"));
    QCOMPARE(readFile(source), QByteArray("keep me"));
    QCOMPARE(entriesOf(dir), QStringList({"a.txt", "link.txt"}));
}

void TestUtilFiles::copyOfAMissingSourceFails()
{
    const QString dir = freshDir("missing");
    QVERIFY(!Util::FileCopy(dir + "/nothing", dir + "/out"));
    QVERIFY(!Util::FileCopy(dir, dir + "/folder-as-file"));
    QCOMPARE(entriesOf(dir), QStringList());
}

void TestUtilFiles::replacesAnExistingDestination()
{
    const QString dir = freshDir("replace");
    const QString source = writeFile(dir + "/new.txt", "new");
    const QString destination = writeFile(dir + "/old.txt", "a much longer old content");
    QVERIFY(Util::FileCopy(source, destination));
    QCOMPARE(readFile(destination), QByteArray("new"));
    QDir().mkpath(dir + "/emptyfolder");
    QVERIFY(Util::FileCopy(source, dir + "/emptyfolder"));
    QCOMPARE(readFile(dir + "/emptyfolder"), QByteArray("new"));
}

void TestUtilFiles::readErrorFailsAndKeepsTheOldDestination()
{
    // Reading this process's memory file from offset 0 fails with an I/O error.
    const QString unreadable = "/proc/self/mem";
    QVERIFY(QFileInfo(unreadable).isFile());
    const QString dir = freshDir("readerror");
    QVERIFY(!Util::FileCopy(unreadable, dir + "/copy"));
    QCOMPARE(entriesOf(dir), QStringList());
    writeFile(dir + "/copy", "previous");
    QVERIFY(!Util::FileCopy(unreadable, dir + "/copy"));
    QCOMPARE(readFile(dir + "/copy"), QByteArray("previous"));
    QCOMPARE(entriesOf(dir), QStringList{"copy"});
}

void TestUtilFiles::fullDiskFailsWithoutATruncatedCopy()
{
    const QString dir = freshDir("full");
    const QString source = writeFile(dir + "/in/big.bin", pattern(5 * 1024 * 1024));
    bool copied = true;
    {
        FileSizeLimit limit(2 * 1024 * 1024 + 100);
        copied = Util::FileCopy(source, dir + "/out/big.bin");
    }
    QVERIFY(!copied);
    QCOMPARE(entriesOf(dir + "/out"), QStringList());
    // A folder copy stops at the failing file and reports it.
    {
        FileSizeLimit limit(1024 * 1024);
        copied = Util::DirCopy(dir + "/in", dir + "/out2");
    }
    QVERIFY(!copied);
    QCOMPARE(entriesOf(dir + "/out2"), QStringList());
}

void TestUtilFiles::failuresNameTheFirstPathAndWhy_data()
{
    QTest::addColumn<QString>("entry");  // made in the source folder
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("failed"); // relative to the test's folder
    QTest::newRow("unreadable") << "mem" << int(FileReport::CannotRead) << "src/b-link";
    QTest::newRow("folder in the way") << "inway" << int(FileReport::InTheWay) << "dst/b-file";
}

// A folder copy goes on past a failing entry and reports it; the copy's
// bytes go to the report's own counter.
void TestUtilFiles::failuresNameTheFirstPathAndWhy()
{
    QFETCH(QString, entry);
    QFETCH(int, kind);
    QFETCH(QString, failed);
    const QString dir = freshDir("report-" + entry);
    writeFile(dir + "/src/a.txt", "a");
    writeFile(dir + "/src/c.txt", "c");
    if (entry == "mem")
        QVERIFY(QFile::link("/proc/self/mem", dir + "/src/b-link"));
    else {
        writeFile(dir + "/src/b-file", "new");
        writeFile(dir + "/dst/b-file/mine.txt", "mine");
    }
    std::atomic<qint64> written{0};
    FileReport report;
    report.written = &written;
    Util::copyedsize = 0;
    QVERIFY(!Util::DirCopy(dir + "/src", dir + "/dst", &report));
    QCOMPARE(int(report.kind), kind);
    QCOMPARE(report.path, dir + "/" + failed);
    QCOMPARE(report.failures, 1);
    QCOMPARE(readFile(dir + "/dst/a.txt"), QByteArray("a"));
    QCOMPARE(readFile(dir + "/dst/c.txt"), QByteArray("c"));
    if (entry == "inway")
        QCOMPARE(readFile(dir + "/dst/b-file/mine.txt"), QByteArray("mine"));
    QVERIFY(written >= 2);
    QCOMPARE(qint64(Util::copyedsize), qint64(0));
}

void TestUtilFiles::folderCopyReplacesFilesAndSkipsHidden()
{
    const QString dir = freshDir("dircopy");
    writeFile(dir + "/src/a.txt", "A");
    writeFile(dir + "/src/sub/b.txt", "B");
    writeFile(dir + "/src/sub/deep/c.txt", "C");
    writeFile(dir + "/src/.hidden", "H");
    QDir().mkpath(dir + "/src/empty");
    writeFile(dir + "/dst/a.txt", "old A");
    writeFile(dir + "/dst/other.txt", "stays");
    QVERIFY(Util::DirCopy(dir + "/src", dir + "/dst"));
    QCOMPARE(readFile(dir + "/dst/a.txt"), QByteArray("A"));
    QCOMPARE(readFile(dir + "/dst/sub/deep/c.txt"), QByteArray("C"));
    QCOMPARE(readFile(dir + "/dst/other.txt"), QByteArray("stays"));
    QVERIFY(QFileInfo(dir + "/dst/empty").isDir());
    QVERIFY(!QFile::exists(dir + "/dst/.hidden"));
    QCOMPARE(readFile(dir + "/src/a.txt"), QByteArray("A"));
    QVERIFY(Util::DirCopy(dir + "/src", dir + "/fresh/chain"));
    QCOMPARE(readFile(dir + "/fresh/chain/sub/b.txt"), QByteArray("B"));
}

void TestUtilFiles::folderCopyKeepsItsName()
{
    const QString dir = freshDir("dircopy2");
    writeFile(dir + "/Photos/x.jpg", "X");
    QVERIFY(Util::DirCopy2(dir + "/Photos", dir + "/target"));
    QCOMPARE(readFile(dir + "/target/Photos/x.jpg"), QByteArray("X"));
    QVERIFY(Util::DirCopy2(dir + "/Photos/", dir + "/target2"));
    QCOMPARE(readFile(dir + "/target2/Photos/x.jpg"), QByteArray("X"));
}

void TestUtilFiles::folderCopySurvivesALinkCycle()
{
    const QString dir = freshDir("copycycle");
    writeFile(dir + "/src/f.txt", "F");
    QVERIFY(QFile::link(dir + "/src", dir + "/src/loop"));
    QVERIFY(Util::DirCopy(dir + "/src", dir + "/dst"));
    QCOMPARE(readFile(dir + "/dst/f.txt"), QByteArray("F"));
    // Copying a folder into its own subfolder does not copy the copy again.
    QVERIFY(Util::DirCopy2(dir + "/src", dir + "/src/inner"));
    QCOMPARE(readFile(dir + "/src/inner/src/f.txt"), QByteArray("F"));
    QVERIFY(!QFileInfo::exists(dir + "/src/inner/src/inner/src"));
}

void TestUtilFiles::sizeIgnoresTrailingSlashAndHiddenFiles()
{
    const QString dir = freshDir("size");
    writeFile(dir + "/t/a", QByteArray(1000, 'a'));
    writeFile(dir + "/t/s/b", QByteArray(24, 'b'));
    writeFile(dir + "/t/s/.c", QByteArray(500, 'c'));
    writeFile(dir + "/t/.h/d", QByteArray(700, 'd'));
    writeFile(dir + "/outside/e", QByteArray(10, 'e'));
    QVERIFY(QFile::link(dir + "/outside", dir + "/t/s/linked"));
    QCOMPARE(Util::DirSize(dir + "/t"), qint64(1034));
    QCOMPARE(Util::DirSize(dir + "/t/"), qint64(1034));
    QCOMPARE(Util::DirSize(dir + "/none"), qint64(0));
}

void TestUtilFiles::sizeEndsOnALinkCycle()
{
    const QString dir = freshDir("sizecycle");
    writeFile(dir + "/t/a", QByteArray(100, 'a'));
    writeFile(dir + "/t/s/b", QByteArray(20, 'b'));
    QVERIFY(QFile::link(dir + "/t", dir + "/t/s/up"));
    QVERIFY(QFile::link("../s", dir + "/t/s/self"));
    QCOMPARE(Util::DirSize(dir + "/t"), qint64(120));
}

void TestUtilFiles::removeFileLeavesFullFolders()
{
    const QString dir = freshDir("remove");
    const QString file = writeFile(dir + "/f.txt", "x");
    writeFile(dir + "/full/inside", "y");
    QDir().mkpath(dir + "/empty");
    Util::RemoveFile(file);
    Util::RemoveFile(dir + "/full");
    Util::RemoveFile(dir + "/empty");
    Util::RemoveFile(dir + "/never-was");
    QVERIFY(!Util::IsFileExists(file));
    QVERIFY(Util::IsFileExists(dir + "/full/inside"));
    QVERIFY(!Util::IsFileExists(dir + "/empty"));
    QVERIFY(QFile::link(dir + "/gone", dir + "/dangling"));
    Util::RemoveFile(dir + "/dangling");
    QCOMPARE(entriesOf(dir), QStringList{"full"});
}

void TestUtilFiles::removeDirRemovesTheLinkNotItsTarget()
{
    const QString dir = freshDir("removedir");
    writeFile(dir + "/keep/precious", "p");
    writeFile(dir + "/tree/a/b/c", "c");
    QVERIFY(QFile::link(dir + "/keep", dir + "/tree/a/linktokeep"));
    QVERIFY(QFile::link(dir + "/keep", dir + "/toplink"));
    Util::RemoveDir(dir + "/tree");
    Util::RemoveDir(dir + "/toplink");
    Util::RemoveDir(QString());
    QVERIFY(!QFileInfo::exists(dir + "/tree"));
    QVERIFY(!QFileInfo(dir + "/toplink").isSymLink());
    QCOMPARE(readFile(dir + "/keep/precious"), QByteArray("p"));
}

void TestUtilFiles::oddNamesWorkEverywhere_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks") << "my  file name";
    QTest::newRow("quotes") << "it's \"quoted\"";
    QTest::newRow("non-ASCII") << "Überschrift 日本語 ñ";
    QTest::newRow("leading dash") << "-rf --help";
    QTest::newRow("shell characters") << "$HOME;`x`&|*?";
}

void TestUtilFiles::oddNamesWorkEverywhere()
{
    QFETCH(QString, name);
    const QString dir = freshDir("odd/" + name);
    const QString folder = dir + "/" + name;
    const QString file = writeFile(folder + "/" + name + ".txt", "odd");
    QVERIFY(Util::IsFileExists(file));
    QVERIFY(Util::FileCopy(file, dir + "/" + name + " copy/" + name));
    QCOMPARE(readFile(dir + "/" + name + " copy/" + name), QByteArray("odd"));
    QVERIFY(Util::DirCopy(folder, dir + "/-" + name));
    QCOMPARE(readFile(dir + "/-" + name + "/" + name + ".txt"), QByteArray("odd"));
    QVERIFY(Util::DirCopy2(folder, dir + "/" + name + " 2"));
    QCOMPARE(readFile(dir + "/" + name + " 2/" + name + "/" + name + ".txt"), QByteArray("odd"));
    QCOMPARE(Util::DirSize(dir + "/"), qint64(4 * 3));
    Util::RemoveFile(dir + "/" + name + " copy/" + name);
    QVERIFY(!Util::IsFileExists(dir + "/" + name + " copy/" + name));
    Util::RemoveDir(folder);
    QVERIFY(!Util::IsFileExists(folder));
    QVERIFY(Util::IsFileExists(dir + "/-" + name + "/" + name + ".txt"));
}

QUILLMERE_TEST_MAIN(TestUtilFiles)
#include "tst_utilfiles.moc"
