#include "services/DiskTools.h"

#include <algorithm>

namespace {
QString inQuotes(const QString& text)
{
    return "\"" + QString(text).replace("\"", "\"\"\"") + "\"";
}
} // namespace

QString DiskTools::commandLineArgument(const QString& argument)
{
    const bool plain = !argument.contains('"') &&
                       std::none_of(argument.begin(), argument.end(), [](QChar c) { return c.isSpace(); });
    return plain ? argument : inQuotes(argument);
}

QString DiskTools::listCommand()
{
    return "diskutil list";
}

QString DiskTools::infoCommand(const QString& device)
{
    return "diskutil info " + commandLineArgument(device);
}

QString DiskTools::mountImageCommand(const QString& imagePath)
{
    return "hdiutil mount " + inQuotes(imagePath);
}

QString DiskTools::unmountCommand(const QString& mountPoint, bool force)
{
    return QString(force ? "hdiutil unmount -force " : "hdiutil unmount ") + commandLineArgument(mountPoint);
}

DiskTools::ToolCall DiskTools::partitionDisk(const QString& device, const QString& personality,
                                             const QString& volumeName)
{
    return {"diskutil", {"partitionDisk", device, "1", "MBR", personality, volumeName, "R"}};
}

DiskTools::ToolCall DiskTools::driveStatus()
{
    return {"drutil", {"status"}};
}

DiskTools::ToolCall DiskTools::burn(const QString& imagePath, const QString& device)
{
    QStringList args{"burn"};
    if (!device.isEmpty())
        args << "-device" << device;
    args << "-verbose" << "-noverifyburn" << imagePath;
    return {"hdiutil", args};
}

DiskTools::ToolCall DiskTools::makeHybrid(const QString& outputPath, const QString& sourceFolder)
{
    return {"hdiutil", {"makehybrid", "-iso", "-joliet", "-debug", "-ov", "-o", outputPath, sourceFolder}};
}

DiskTools::ToolCall DiskTools::eject(const QString& device)
{
    return {"hdiutil", {"eject", device}};
}

DiskTools::ToolCall DiskTools::mountTable()
{
    return {"mount", {}};
}

DiskTools::ShellCall DiskTools::unmountDisk(const QString& device)
{
    return {"diskutil", "unmountDisk " + commandLineArgument(device)};
}

DiskTools::ShellCall DiskTools::sync()
{
    return {"sync", QString()};
}
