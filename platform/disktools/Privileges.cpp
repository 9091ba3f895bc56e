#include "platform/disktools/Privileges.h"

#include "platform/disktools/AskpassChoice.h"
#include "platform/disktools/Console.h"
#include "platform/disktools/SystemTool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace {

QString userName(uid_t uid)
{
    const passwd* entry = getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

// sudo from the search path, leaving out the tools' own folder.
QString sudoProgram()
{
    QStringList folders;
    for (const QString& folder : qEnvironmentVariable("PATH").split(':', Qt::SkipEmptyParts)) {
        if (QFileInfo(folder).canonicalFilePath() != Privileges::toolsFolder())
            folders << folder;
    }
    return QStandardPaths::findExecutable("sudo", folders);
}

} // namespace

bool Privileges::isAdministrator()
{
    return geteuid() == 0;
}

Privileges::Owner Privileges::owner()
{
    Owner owner{uint(getuid()), uint(getgid()), userName(getuid())};
    bool uidOk = false;
    bool gidOk = false;
    const uint sudoUid = qEnvironmentVariable("SUDO_UID").toUInt(&uidOk);
    const uint sudoGid = qEnvironmentVariable("SUDO_GID").toUInt(&gidOk);
    if (isAdministrator() && uidOk && gidOk) {
        owner.uid = sudoUid;
        owner.gid = sudoGid;
        owner.name = qEnvironmentVariable("SUDO_USER", userName(sudoUid));
    }
    return owner;
}

QString Privileges::toolsFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString Privileges::applicationFolder()
{
    return QFileInfo(toolsFolder()).absolutePath();
}

QString Privileges::askpassProgram()
{
    const QString given = qEnvironmentVariable("SUDO_ASKPASS");
    if (!given.isEmpty())
        return given;
    const QString folder = applicationFolder() + "/translations/";
    const QString chosen = folder + AskpassChoice::fileFor(QLocale::system());
    return QFileInfo::exists(chosen) ? chosen : folder + "askpass.js";
}

int Privileges::rerunAsAdministrator(const QString& tool, const QStringList& arguments)
{
    const QString sudo = sudoProgram();
    if (sudo.isEmpty()) {
        Console::error(tool, "administrator rights are needed, and sudo is not installed");
        return 1;
    }
    qputenv("SUDO_ASKPASS", askpassProgram().toLocal8Bit());
    const QString error =
        SystemTool::replaceProcess(sudo, QStringList{"--askpass", "--", toolsFolder() + "/" + tool} + arguments);
    Console::error(tool, "could not run sudo: " + error);
    return 1;
}
