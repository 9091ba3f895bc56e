#include "platform/disktools/SmallTools.h"

#include "platform/disktools/Console.h"
#include "platform/disktools/MountListFormatter.h"
#include "platform/disktools/OpticalDrives.h"
#include "platform/disktools/SystemState.h"
#include "platform/disktools/SystemTool.h"

#include <QByteArray>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

int SmallTools::drutil(const QStringList& arguments)
{
    if (arguments != QStringList{"status"}) {
        Console::error("drutil", "usage: drutil status");
        return 1;
    }
    Console::out(OpticalTexts::driveStatus(OpticalDrives::list()));
    return 0;
}

int SmallTools::mount(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return passOn("mount", arguments);
    Console::out(MountListFormatter::format(SystemState::mounts()));
    return 0;
}

int SmallTools::passOn(const QString& program, const QStringList& arguments)
{
    const QString path = SystemTool::path(program);
    if (path.isEmpty()) {
        Console::error(program, "the system's " + program + " is not installed");
        return 127;
    }
    QList<QByteArray> words{QFile::encodeName(path)};
    for (const QString& argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    Console::error(program, "could not run " + path + ": " + QString::fromLocal8Bit(strerror(errno)));
    return 126;
}
