#pragma once

#include <QString>
#include <QStringList>

// The system's disk tools (diskutil, hdiutil, drutil, mount, sync), started
// by their bare names so that the search path finds them. Each invocation
// comes in the form its caller starts it in:
//   ToolCall      program and argument list, for CRunCommandThread
//   command line  one text, for CRunCommandThread without arguments or a
//                 QProcess started directly; split by QProcess::splitCommand
//   ShellCall     program and argument text, for Util::callexternapp
class DiskTools
{
public:
    struct ToolCall
    {
        QString program;
        QStringList args;
        bool operator==(const ToolCall& other) const { return program == other.program && args == other.args; }
    };
    struct ShellCall
    {
        QString program;
        QString arguments;
        bool operator==(const ShellCall& other) const
        {
            return program == other.program && arguments == other.arguments;
        }
    };

    // Command lines.
    static QString listCommand();                                  // diskutil list
    static QString infoCommand(const QString& device);             // diskutil info DEVICE
    static QString mountImageCommand(const QString& imagePath);    // hdiutil mount "IMAGE"
    static QString unmountCommand(const QString& mountPoint, bool force); // hdiutil unmount [-force] POINT

    // Argument lists.
    static ToolCall partitionDisk(const QString& device, const QString& personality, const QString& volumeName);
    static ToolCall driveStatus();                                 // drutil status
    // hdiutil burn [-device DEVICE] -verbose -noverifyburn IMAGE: the drive
    // is named whenever it is known.
    static ToolCall burn(const QString& imagePath, const QString& device = QString());
    static ToolCall makeHybrid(const QString& outputPath, const QString& sourceFolder);
    static ToolCall eject(const QString& device);
    static ToolCall mountTable();                                  // mount, collected at the end

    // Short calls through Util::callexternapp.
    static ShellCall unmountDisk(const QString& device);
    static ShellCall sync();

    // One argument of a command line: unchanged when it needs no quotes,
    // otherwise in double quotes with its own double quotes tripled, so
    // that QProcess::splitCommand gives it back whole.
    static QString commandLineArgument(const QString& argument);
};
