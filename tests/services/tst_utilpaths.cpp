#include "support/TestSupport.h"

#include "services/Util.h"

#include <QFile>
#include <QRegularExpression>

class TestUtilPaths : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void foldersExistWithoutTrailingSlash();
    void logIsWrittenOnlyWithTheSwitchFile();
    void callexternappQuotesTheProgram();
    void writeMulLinesReplacesTheContent();

private:
    QString switchFile() const { return Util::GetCurrentExePath() + "/config.dat"; }
    QString logFile() const { return Util::GetTempDir() + "/log.txt"; }
};

void TestUtilPaths::cleanup()
{
    QFile::remove(switchFile());
}

void TestUtilPaths::foldersExistWithoutTrailingSlash()
{
    const QString data = Util::GetTempDir();
    QVERIFY(!data.isEmpty());
    QVERIFY(!data.endsWith('/'));
    QVERIFY(QFileInfo(data).isDir());
    QVERIFY(QFileInfo(Util::GetCurrentExePath() + "/7z/7z").isExecutable());
    QVERIFY(QFileInfo(Util::GetCurrentExePath() + "/cdrtools/mkisofs").isExecutable());
    QVERIFY(QFileInfo(Util::GetCurrentExePath() + "/wimlib-imagex/wimlib-imagex").isExecutable());
}

void TestUtilPaths::logIsWrittenOnlyWithTheSwitchFile()
{
    QFile::remove(logFile());
    Util::WriteLog("not written");
    QVERIFY(!QFile::exists(logFile()));

    TestSupport::writeFile(switchFile(), "");
    Util::WriteLog("first entry");
    Util::WriteLog("second entry");
    const QStringList lines = QString::fromUtf8(TestSupport::readFile(logFile())).split('\n');
    QCOMPARE(lines.size(), 3);
    const QRegularExpression entry("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d (.*)$");
    QCOMPARE(entry.match(lines[0]).captured(1), QString("first entry"));
    QCOMPARE(entry.match(lines[1]).captured(1), QString("second entry"));
    QCOMPARE(lines[2], QString());
}

void TestUtilPaths::callexternappQuotesTheProgram()
{
    const QString dir = TestSupport::freshDir("tool folder with blanks");
    const QString tool = dir + "/say hello";
    // The tool takes a moment, so that the call certainly outlasts the
    // timer below: a call that ends before its wait begins has nothing to prove.
    TestSupport::writeFile(tool, "#!/bin/sh\nsleep 0.3\nprintf '%s|' \"$@\"\n");
    QFile::setPermissions(tool, QFile::permissions(tool) | QFile::ExeOwner);
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    const QString result = Util::callexternapp(tool, "one \"two words\"");
    QCOMPARE(result, QString("one|two words|"));
    QVERIFY(timerRan); // the interface stayed live during the call
    QCOMPARE(Util::callexternapp(dir + "/missing tool", "x"), QString());
}

void TestUtilPaths::writeMulLinesReplacesTheContent()
{
    const QString path = TestSupport::freshDir("lines") + "/out.txt";
    TestSupport::writeFile(path, "old content\n");
    QVERIFY(Util::WriteMulLinesToFile({"a", "b c"}, path));
    QCOMPARE(TestSupport::readFile(path), QByteArray("a\nb c\n"));
    QVERIFY(Util::WriteMulLinesToFile({}, path));
    QCOMPARE(TestSupport::readFile(path), QByteArray());
    QVERIFY(!Util::WriteMulLinesToFile({"x"}, TestSupport::freshDir("lines") + "/no/such/folder/f"));
}

QUILLMERE_TEST_MAIN(TestUtilPaths)
#include "tst_utilpaths.moc"
