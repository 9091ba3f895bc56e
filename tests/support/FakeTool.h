#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A fake command-line tool (diskutil, hdiutil, drutil, mount or any name)
// put first on the PATH of the child processes this test program starts,
// so that code that runs the tool by its bare name reaches the fake.
//
//   FakeTool diskutil("diskutil");
//   diskutil.onFixture("list", TestSupport::sharedFixture("macos/diskutil-list-usb-apfs.txt"));
//   diskutil.onFixture("info *disk2", TestSupport::sharedFixture("macos/diskutil-info-usb-partition.txt"));
//   diskutil.on("partitionDisk *", FakeTool::Reply{"", 0, 1500});   // takes 1.5 s
//   diskutil.otherwise(FakeTool::Reply{"no such disk\n", 1});
//   ... code under test runs "diskutil info /dev/disk2" ...
//   QCOMPARE(diskutil.calls().last(), (QStringList{"info", "/dev/disk2"}));
//
// Patterns are matched against all arguments joined by single blanks, in
// the order they were added; the first that matches gives the reply. A
// pattern given again replaces its reply and keeps its place. Only
// "*" (any text) and "?" (one character) are special; "" matches a call
// without arguments. Without a matching pattern the fake prints nothing
// and exits with code 1, unless otherwise() says else.
//
// A reply first writes its written bytes, if any, to the file named by the
// argument that follows writtenAfter (a half-written image: "-o"), then
// prints its output on standard output after its delay, then exits
// with its exit code, or crashes (ends by SIGSEGV) when asked. A delayed
// fake ends at once on SIGTERM (exit code 143).
//
// The fake lives while the FakeTool object does; the folder stays on PATH
// for the rest of the test program. Set fakes up before starting the code
// under test: PATH is read when a child process is started. Arguments
// that contain line feeds are not recorded faithfully.
class FakeTool
{
public:
    struct Reply
    {
        QByteArray output;
        int exitCode = 0;
        int delayMs = 0;
        bool crash = false;
        QByteArray written = QByteArray();
        QString writtenAfter = QString();
    };

    explicit FakeTool(const QString& name);
    ~FakeTool();
    FakeTool(const FakeTool&) = delete;
    FakeTool& operator=(const FakeTool&) = delete;

    FakeTool& on(const QString& pattern, const Reply& reply);
    FakeTool& onFixture(const QString& pattern, const QString& fixturePath, int exitCode = 0, int delayMs = 0);
    FakeTool& otherwise(const Reply& reply);

    // The argument lists of every call so far, oldest first.
    QList<QStringList> calls() const;
    void clearCalls();
    // The calls of every fake of this test program in the order they were
    // made, each the tool's name followed by its arguments.
    static QList<QStringList> journal();
    static void clearJournal();

    QString path() const;
    // The folder that holds the fakes; first on PATH.
    static QString folder();

private:
    struct Rule
    {
        QString pattern;
        Reply reply;
    };
    void writeScript() const;
    QString replyFile(int index) const;
    QString callsFile() const;
    static QString journalFile();

    QString m_Name;
    QList<Rule> m_Rules;
    Reply m_Otherwise{QByteArray(), 1, 0, false};
};
