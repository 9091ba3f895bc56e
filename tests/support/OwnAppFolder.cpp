#include "OwnAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

namespace OwnAppFolder {

namespace {

const char kMarker[] = "QUILLMERE_OWN_APP_FOLDER";

// Each tool folder of the application folder ("7z", "cdrtools", ...) holds
// links to the system's programs; the copy links to the same programs.
void linkToolFolders(const QString& from, const QString& to)
{
    const QFileInfoList entries = QDir(from).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : entries) {
        if (folder.isSymLink())
            continue;
        QDir().mkpath(to + "/" + folder.fileName());
        for (const QFileInfo& tool : QDir(folder.filePath()).entryInfoList(QDir::Files)) {
            QFile::link(tool.canonicalFilePath(), to + "/" + folder.fileName() + "/" + tool.fileName());
        }
    }
}

} // namespace

bool isCopy()
{
    return qEnvironmentVariableIsSet(kMarker);
}

int runCopy(int argc, char** argv)
{
    const QString from = QCoreApplication::applicationDirPath();
    const QString to = TestSupport::freshDir("own-app-folder");
    const QString program = to + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (!QFile::copy(QCoreApplication::applicationFilePath(), program))
        qFatal("cannot copy the test program to %s", qPrintable(to));
    linkToolFolders(from, to);
    QFile::link(QFileInfo(from + "/translations").canonicalFilePath(), to + "/translations");
    if (QFileInfo::exists(from + "/mkbootable"))
        QFile::link(QFileInfo(from + "/mkbootable").canonicalFilePath(), to + "/mkbootable");

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kMarker, "1");
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::ForwardedChannels);
    copy.start(program, arguments);
    if (!copy.waitForStarted(30000) || !copy.waitForFinished(-1))
        qFatal("the copy of the test program in %s did not run", qPrintable(to));
    return copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : 1;
}

void endWithParent()
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
}

} // namespace OwnAppFolder
