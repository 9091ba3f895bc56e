#pragma once

#include <QString>

// The boot step of a USB burn: the script "mkbootable" beside the program,
// run as administrator through "sudo --askpass" by "/bin/bash -c" with a
// command line of its own; the password prompt is one of the askpass
// programs in the translations folder. Everything the command prints goes
// to a log file in the application's data folder.
class BootStep
{
public:
    static QString scriptPath();         // application folder + "/mkbootable"
    static QString translationsFolder(); // application folder + "/translations/"
    static QString logPath();            // data folder + "/system.log"

    // The command for "/bin/bash -c". Every value stands quoted for the
    // shell, so that blanks, quotes, ";" or "$" in a mount point (it
    // carries the volume label) reach the script as one argument.
    static QString command(const QString& askpass, const QString& script, const QString& device,
                           const QString& mountPoint, const QString& log);
    // One word for the shell: the text in single quotes, each of its own
    // single quotes written as '\''.
    static QString shellQuoted(const QString& text);

    // The last line with text in the log of the latest boot step.
    static QString lastLogLine();
};
