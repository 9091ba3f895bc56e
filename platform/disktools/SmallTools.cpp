#include "platform/disktools/SmallTools.h"

#include "platform/disktools/Console.h"
#include "platform/disktools/MountListFormatter.h"
#include "platform/disktools/OpticalDrives.h"
#include "platform/disktools/SystemState.h"
#include "platform/disktools/SystemTool.h"

#include <QFileInfo>


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
    const QString error = SystemTool::replaceProcess(path, arguments);
    Console::error(program, "could not run " + path + ": " + error);
    return 126;
}
