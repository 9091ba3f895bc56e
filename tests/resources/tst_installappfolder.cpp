#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

// The install walk (cmake/InstallAppFolder.cmake) over a made-up application
// folder holding every kind of entry the build may lay out.
class TestInstallAppFolder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void entriesBecomeWhatTheInstallNeeds_data();
    void entriesBecomeWhatTheInstallNeeds();
    void linkIntoTheBuildFolderIsRefused();

private:
    QString m_Build;
    QString m_Installed;
};

namespace {

const QString kAppDir = "/usr/lib/quillmere";

void makeLink(const QString& target, const QString& link)
{
    QDir().mkpath(QFileInfo(link).path());
    if (!QFile::link(target, link))
        qFatal("cannot link %s", qPrintable(link));
}

QString writeWithMode(const QString& path, const QByteArray& content, QFile::Permissions mode)
{
    TestSupport::writeFile(path, content);
    QFile::setPermissions(path, mode);
    return path;
}

// Runs the walk from app to DESTDIR/usr/lib/quillmere.
QByteArray install(const QString& build, const QString& destdir, int* exitCode)
{
    const QString script = TestSupport::writeFile(
        build + "/walk.cmake",
        QString("set(ENV{DESTDIR} \"%1\")\n"
                "include(\"%2/cmake/InstallAppFolder.cmake\")\n"
                "quillmere_install_app_folder(\"%3/app\" \"%4\" \"%3\" \"\")\n")
            .arg(destdir, QUILLMERE_SOURCE_DIR, build, kAppDir)
            .toUtf8());
    return TestSupport::runTool(QUILLMERE_CMAKE, {"-P", script}, exitCode);
}

// The text a link holds, unresolved; empty for anything but a link.
QString linkText(const QString& path)
{
    char target[4096];
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return size < 0 ? QString() : QFile::decodeName(QByteArray(target, int(size)));
}

int unixMode(const QString& path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

} // namespace

void TestInstallAppFolder::initTestCase()
{
    const QString base = TestSupport::freshDir("walk");
    m_Build = base + "/build";
    const QString app = m_Build + "/app";
    const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup;
    // A program: this test's own.
    QDir().mkpath(app);
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), app + "/quillmere"));
    writeWithMode(app + "/mkbootable", "#!/bin/bash\nexit 0\n", rw);
    writeWithMode(app + "/translations/qt_en.qm", "catalogue", rw | QFile::ExeOwner | QFile::ExeGroup);
    writeWithMode(app + "/quillmere-askpass", "#!/bin/sh\n", rw);
    writeWithMode(app + "/disktools/quillmere-disktools", "#!/bin/sh\n", rw);
    TestSupport::writeFile(app + "/config.dat", "");
    makeLink("/usr/bin/7z", app + "/7z/7z");
    makeLink("/etc/hostname", app + "/outside/hostname");
    makeLink(app + "/disktools/quillmere-disktools", app + "/disktools/diskutil");
    makeLink("../quillmere-askpass", app + "/translations/askpass_zh.js");
    makeLink("/usr/share", app + "/share");

    m_Installed = base + "/root" + kAppDir;
    int exitCode = -1;
    const QByteArray output = install(m_Build, base + "/root", &exitCode);
    QVERIFY2(exitCode == 0, output.constData());
}

void TestInstallAppFolder::entriesBecomeWhatTheInstallNeeds_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("mode");
    QTest::newRow("program") << "quillmere" << QString() << 0755;
    QTest::newRow("script made executable") << "mkbootable" << QString() << 0755;
    QTest::newRow("data file not executable") << "translations/qt_en.qm" << QString() << 0644;
    QTest::newRow("log switch left out") << "config.dat" << QString() << -1;
    QTest::newRow("system program, same top folder: relative") << "7z/7z" << "../../../bin/7z" << 0;
    QTest::newRow("other top folder: absolute") << "outside/hostname" << "/etc/hostname" << 0;
    QTest::newRow("into the folder, absolute: to the installed entry")
        << "disktools/diskutil" << "quillmere-disktools" << 0;
    QTest::newRow("into the folder, relative: kept") << "translations/askpass_zh.js" << "../quillmere-askpass" << 0;
    QTest::newRow("link to a folder stays a link") << "share" << "../../share" << 0;
}

void TestInstallAppFolder::entriesBecomeWhatTheInstallNeeds()
{
    QFETCH(QString, entry);
    QFETCH(QString, link);
    QFETCH(int, mode);
    const QString path = m_Installed + "/" + entry;
    QCOMPARE(linkText(path), link);
    if (link.isEmpty())
        QCOMPARE(QString::number(unixMode(path), 8), QString::number(mode, 8));
}

void TestInstallAppFolder::linkIntoTheBuildFolderIsRefused()
{
    const QString build = TestSupport::freshDir("walk-refused") + "/build";
    TestSupport::writeFile(build + "/testbin/7z/7z", "#!/bin/sh\n");
    makeLink(build + "/testbin/7z/7z", build + "/app/7z/7z");
    int exitCode = -1;
    const QByteArray output = install(build, build + "/../root", &exitCode);
    QVERIFY(exitCode != 0);
    QVERIFY2(output.simplified().contains("in the build folder"), output.constData());
}

QUILLMERE_TEST_MAIN(TestInstallAppFolder)
#include "tst_installappfolder.moc"
