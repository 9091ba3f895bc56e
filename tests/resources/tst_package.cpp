#include "support/TestSupport.h"

#include "services/Util.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <unistd.h>

// Builds the Debian package of this build tree, checks it with lintian,
// unpacks it into a scratch root and starts the application from there.
class TestPackage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void controlFields_data();
    void controlFields();
    void dependsNameTheProgramsAndQt_data();
    void dependsNameTheProgramsAndQt();
    void lintianFindsNoErrors();
    void filesLandWhereTheDesktopLooks_data();
    void filesLandWhereTheDesktopLooks();
    void iconsHaveTheirSizes();
    void desktopEntryOpensImages_data();
    void desktopEntryOpensImages();
    void desktopFilesValidate();
    void everyToolLinkResolves();
    void unpackedApplicationListsAnImage();

private:
    QString m_Deb;
    QString m_Root;
    QString m_Work;
};

namespace {

const QString kAppDir = "/usr/lib/quillmere";
const QString kDesktopEntry = "/usr/share/applications/app.quillmere.Quillmere.desktop";
const QString kMetainfo = "/usr/share/metainfo/app.quillmere.Quillmere.metainfo.xml";

// Lintian warnings that stay: the package is not uploaded to Debian, so
// there is no bug announcing it that its first changelog entry could close.
const QStringList kAcceptedWarnings = {"initial-upload-closes-no-bugs"};

QByteArray run(const QString& program, const QStringList& arguments, int* exitCode)
{
    if (QStandardPaths::findExecutable(program).isEmpty() && !QFileInfo(program).isExecutable())
        qFatal("%s is missing: install the test tools with scripts/setup tests", qPrintable(program));
    return TestSupport::runTool(program, arguments, exitCode);
}

QString linkText(const QString& path)
{
    char target[4096];
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return size < 0 ? QString() : QFile::decodeName(QByteArray(target, int(size)));
}

// The package names of a relationship field, without versions or
// alternatives' operators.
QStringList packageNames(const QString& field)
{
    QStringList names;
    for (const QString& part : field.split(QRegularExpression("[,|]"), Qt::SkipEmptyParts))
        names << part.trimmed().section(' ', 0, 0);
    return names;
}

// The Debian package that ships a program, found by its path as dpkg
// recorded it (before or after the merge of /bin into /usr/bin).
QString owningPackage(const QString& path)
{
    QStringList candidates{path, QFileInfo(path).canonicalFilePath()};
    if (path.startsWith("/usr/"))
        candidates << path.mid(4);
    for (const QString& candidate : candidates) {
        int exitCode = -1;
        const QByteArray output = TestSupport::runTool("dpkg", {"-S", candidate}, &exitCode);
        if (exitCode == 0)
            return QString::fromUtf8(output).section(':', 0, 0).section(',', 0, 0).trimmed();
    }
    return QString();
}

// Every link of the application folder with the path it reaches once
// installed (a link in the folder is resolved against the installed root).
QMap<QString, QString> installedLinks(const QString& root)
{
    QMap<QString, QString> links;
    QDirIterator it(root + kAppDir, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!it.fileInfo().isSymLink())
            continue;
        const QString installed = path.mid(root.size());
        const QString target = linkText(path);
        links.insert(installed, QDir::cleanPath(target.startsWith('/')
                                                    ? target
                                                    : QFileInfo(installed).path() + "/" + target));
    }
    return links;
}

} // namespace

void TestPackage::initTestCase()
{
    m_Work = TestSupport::freshDir("package");
    int exitCode = -1;
    QByteArray output = run(QUILLMERE_CPACK,
                            {"-G", "DEB", "--config", QUILLMERE_BINARY_DIR "/CPackConfig.cmake", "-B", m_Work + "/out"},
                            &exitCode);
    QVERIFY2(exitCode == 0, output.constData());
    const QStringList debs = QDir(m_Work + "/out").entryList({"*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    m_Deb = m_Work + "/out/" + debs.first();
    m_Root = m_Work + "/root";
    output = run("dpkg-deb", {"-x", m_Deb, m_Root}, &exitCode);
    QVERIFY2(exitCode == 0, output.constData());
}

void TestPackage::controlFields_data()
{
    int exitCode = -1;
    const QString architecture = QString::fromUtf8(run("dpkg", {"--print-architecture"}, &exitCode)).trimmed();
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("Package") << "Package" << "^quillmere$";
    QTest::newRow("Version from the project") << "Version" << "^" + QRegularExpression::escape(QUILLMERE_DEB_VERSION) + "$";
    QTest::newRow("Architecture") << "Architecture" << "^" + architecture + "$";
    QTest::newRow("Maintainer with an address") << "Maintainer" << "^[^<>]+ <[^@<>]+@[^@<>]+>$";
    QTest::newRow("Description: synopsis and a long text")
        << "Description" << "^burn, extract, create and edit ISO disc images\n( .+\n){5,} .+$";
}

void TestPackage::controlFields()
{
    QFETCH(QString, field);
    QFETCH(QString, pattern);
    int exitCode = -1;
    const QString value = QString::fromUtf8(run("dpkg-deb", {"-f", m_Deb, field}, &exitCode)).trimmed();
    QVERIFY2(QRegularExpression(pattern).match(value).hasMatch(), qPrintable(field + ": " + value));
}

void TestPackage::dependsNameTheProgramsAndQt_data()
{
    QTest::addColumn<QString>("package");
    for (const char* name : {"p7zip-full", "genisoimage", "wimtools", "syslinux", "syslinux-common", "mtools",
                             "dosfstools", "fdisk", "xorriso", "sudo", "eject", "fuseiso", "fusefat",
                             "libqt5core5a", "libqt5gui5", "libqt5widgets5", "libc6", "libstdc++6"})
        QTest::newRow(name) << QString(name);
}

void TestPackage::dependsNameTheProgramsAndQt()
{
    QFETCH(QString, package);
    int exitCode = -1;
    const QString depends = QString::fromUtf8(run("dpkg-deb", {"-f", m_Deb, "Depends"}, &exitCode));
    QVERIFY2(packageNames(depends).contains(package), qPrintable(depends));
}

void TestPackage::lintianFindsNoErrors()
{
    int exitCode = -1;
    const QString report = QString::fromUtf8(run("lintian", {"--fail-on", "none", m_Deb}, &exitCode));
    QCOMPARE(exitCode, 0);
    QStringList unexpected;
    const QRegularExpression finding("^([EW]): quillmere[^:]*: (\\S+)");
    for (const QString& line : report.split('\n')) {
        const QRegularExpressionMatch match = finding.match(line);
        if (match.hasMatch() && (match.captured(1) == "E" || !kAcceptedWarnings.contains(match.captured(2))))
            unexpected << line;
    }
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
}

void TestPackage::filesLandWhereTheDesktopLooks_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("launcher on PATH") << "/usr/bin/quillmere" << true;
    QTest::newRow("program") << kAppDir + "/quillmere" << true;
    QTest::newRow("English catalogue") << kAppDir + "/translations/qt_en.qm" << false;
    QTest::newRow("desktop entry") << kDesktopEntry << false;
    QTest::newRow("AppStream metadata") << kMetainfo << false;
    QTest::newRow("manual page") << "/usr/share/man/man1/quillmere.1.gz" << false;
    QTest::newRow("copyright") << "/usr/share/doc/quillmere/copyright" << false;
    QTest::newRow("changelog") << "/usr/share/doc/quillmere/changelog.Debian.gz" << false;
}

void TestPackage::filesLandWhereTheDesktopLooks()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(m_Root + path);
    QVERIFY2(file.isFile(), qPrintable(path)); // a link is followed inside the root
    QCOMPARE(file.isExecutable(), executable);
    if (path == "/usr/bin/quillmere")
        QCOMPARE(file.canonicalFilePath(), QFileInfo(m_Root + kAppDir + "/quillmere").canonicalFilePath());
}

void TestPackage::iconsHaveTheirSizes()
{
    const QDir hicolor(m_Root + "/usr/share/icons/hicolor");
    const QStringList sizes = hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const char* size : {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        QVERIFY2(sizes.contains(size), size);
    for (const QString& size : sizes) {
        const QImage icon(hicolor.filePath(size + "/apps/quillmere.png"));
        QCOMPARE(QString("%1x%2").arg(icon.width()).arg(icon.height()), size);
        // Drawn, not empty: the middle is opaque.
        QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
    }
}

void TestPackage::desktopEntryOpensImages_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("Exec passes the file") << "Exec=quillmere %f";
    QTest::newRow("Icon") << "Icon=quillmere";
    QTest::newRow("Categories") << "Categories=Utility;DiscBurning;Archiving;";
    QTest::newRow("MimeType") << "MimeType=application/x-cd-image;application/x-iso9660-image;";
}

void TestPackage::desktopEntryOpensImages()
{
    QFETCH(QString, line);
    const QStringList lines = QString::fromUtf8(TestSupport::readFile(m_Root + kDesktopEntry)).split('\n');
    QVERIFY2(lines.contains(line), qPrintable(line));
}

void TestPackage::desktopFilesValidate()
{
    int exitCode = -1;
    QByteArray output = run("desktop-file-validate", {m_Root + kDesktopEntry}, &exitCode);
    QVERIFY2(exitCode == 0 && !output.contains("error:") && !output.contains("warning:"), output.constData());
    output = run("appstreamcli", {"validate", "--no-net", m_Root + kMetainfo}, &exitCode);
    QVERIFY2(exitCode == 0, output.constData());
    const QString version = QString(QUILLMERE_DEB_VERSION).section('-', 0, 0);
    QVERIFY(TestSupport::readFile(m_Root + kMetainfo).contains("<release version=\"" + version.toUtf8() + "\""));
}

// A link into the package must reach its entry; a link out of it must reach
// a program of this system whose Debian package the Depends name.
void TestPackage::everyToolLinkResolves()
{
    const QMap<QString, QString> links = installedLinks(m_Root);
    for (const char* tool : {"/7z/7z", "/cdrtools/mkisofs", "/wimlib-imagex/wimlib-imagex", "/isohybrid/isohybrid"})
        QVERIFY2(links.contains(kAppDir + tool), tool);
    int exitCode = -1;
    const QStringList depends =
        packageNames(QString::fromUtf8(run("dpkg-deb", {"-f", m_Deb, "Depends"}, &exitCode)));
    for (auto it = links.constBegin(); it != links.constEnd(); ++it) {
        const QString& target = it.value();
        if (target.startsWith(kAppDir + "/")) {
            QVERIFY2(QFileInfo::exists(m_Root + target), qPrintable(it.key() + " -> " + target));
            continue;
        }
        QVERIFY2(QFileInfo(target).isExecutable(), qPrintable(it.key() + " -> " + target));
        const QString package = owningPackage(target);
        QVERIFY2(depends.contains(package), qPrintable(it.key() + " -> " + target + " of " + package));
    }
}

// The unpacked application, started by its launcher with an image as the
// desktop entry passes it, lists the image through its tool links. The log,
// switched on in the unpacked folder only, shows that it ran from there.
void TestPackage::unpackedApplicationListsAnImage()
{
    const QMap<QString, QString> links = installedLinks(m_Root);
    for (const QString& target : links) {
        // The programs of the Depends, as they are installed on this system.
        if (!target.startsWith(kAppDir + "/") && !QFileInfo::exists(m_Root + target)) {
            QDir().mkpath(QFileInfo(m_Root + target).path());
            QVERIFY(QFile::link(target, m_Root + target));
        }
    }
    TestSupport::writeFile(m_Root + kAppDir + "/config.dat", "");
    const QString source = TestSupport::freshDir("image-source");
    TestSupport::writeFile(source + "/readme.txt", "listed from the package");
    const QString iso = m_Work + "/Packaged Disc.iso";
    int exitCode = -1;
    TestSupport::runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs", {"-quiet", "-o", iso, source}, &exitCode);
    QCOMPARE(exitCode, 0);

    QProcess application;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_DATA_HOME", m_Work + "/data");
    application.setProcessEnvironment(environment);
    application.setProcessChannelMode(QProcess::MergedChannels);
    application.start(m_Root + "/usr/bin/quillmere", {iso});
    QVERIFY(application.waitForStarted());
    const QString log = m_Work + "/data/quillmere/log.txt";
    const bool listed = TestSupport::waitUntil(
        [&] { return TestSupport::readFile(log).contains("finished unzip") || application.state() == QProcess::NotRunning; },
        30000);
    const bool stillRunning = application.state() == QProcess::Running;
    application.kill();
    application.waitForFinished();
    const QByteArray said = TestSupport::readFile(log) + application.readAll();
    QVERIFY2(listed && stillRunning, said.constData());
    QVERIFY2(said.contains("CPage2::InitializeUI() is called!!"), said.constData());
}

QUILLMERE_TEST_MAIN(TestPackage)
#include "tst_package.moc"
