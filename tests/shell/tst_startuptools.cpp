#include "support/TestSupport.h"

#include "shell/Languages.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "services/Util.h"

#include <QProcess>

using namespace TestSupport;

// Start-up's share of the disk tools: their folder first on the search
// path, and sudo's password prompt in the interface language.
class TestStartupTools : public QObject
{
    Q_OBJECT
private slots:
    void diskToolsComeFirstOnPath();
    void askpassFollowsTheLanguage_data();
    void askpassFollowsTheLanguage();
    void languageMenuChangesTheAskpass();
};

void TestStartupTools::diskToolsComeFirstOnPath()
{
    const QByteArray before = qgetenv("PATH");
    const QString folder = Util::GetCurrentExePath();
    Startup::putDiskToolsOnPath(folder);
    Startup::putDiskToolsOnPath(folder);
    const QStringList path = qEnvironmentVariable("PATH").split(':');
    QCOMPARE(path.first(), folder + "/disktools");
    QCOMPARE(path.count(folder + "/disktools"), 1);
    QVERIFY(path.size() > 1);
    // Programs started by bare name find the application's tools.
    QProcess which;
    which.start("sh", {"-c", "for tool in diskutil hdiutil drutil mount; do command -v $tool; done"});
    QVERIFY(which.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(which.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
             (QStringList{folder + "/disktools/diskutil", folder + "/disktools/hdiutil",
                          folder + "/disktools/drutil", folder + "/disktools/mount"}));
    qputenv("PATH", before);
}

void TestStartupTools::askpassFollowsTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("English") << 31 << "askpass.js";
    QTest::newRow("Dutch") << 151 << "askpass_nl.js";
    QTest::newRow("Chinese") << 25 << "askpass_zh.js";
    QTest::newRow("none recognised") << 0 << "askpass.js";
}

void TestStartupTools::askpassFollowsTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, prompt);
    const QString folder = freshDir("askpass-app");
    for (const char* name : {"askpass.js", "askpass_nl.js", "askpass_zh.js"})
        writeFile(folder + "/translations/" + QString(name), "#!/bin/sh\n");
    Startup::chooseAskpass(folder, language);
    QCOMPARE(qEnvironmentVariable("SUDO_ASKPASS"), folder + "/translations/" + prompt);
    // A language whose prompt is missing falls back to English.
    QFile::remove(folder + "/translations/" + prompt);
    Startup::chooseAskpass(folder, language);
    QCOMPARE(qEnvironmentVariable("SUDO_ASKPASS"), folder + "/translations/askpass.js");
}

void TestStartupTools::languageMenuChangesTheAskpass()
{
    MainWindow window;
    window.onSwitzerland();
    QCOMPARE(qEnvironmentVariable("SUDO_ASKPASS"), Util::GetCurrentExePath() + "/translations/askpass_sv.js");
    window.onEnglish();
    QCOMPARE(qEnvironmentVariable("SUDO_ASKPASS"), Util::GetCurrentExePath() + "/translations/askpass.js");
}

QUILLMERE_TEST_MAIN(TestStartupTools)
#include "tst_startuptools.moc"
