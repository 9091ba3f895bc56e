#pragma once

#include <QString>
#include <QStringList>

// Administrator rights. A user who is not root gets the writing steps run
// again through "sudo --askpass", with the password prompt of the
// interface language: SUDO_ASKPASS when the application set it, otherwise
// the prompt of the system's language in the translations folder.
class Privileges
{
public:
    struct Owner
    {
        uint uid = 0;
        uint gid = 0;
        QString name;
    };

    static bool isAdministrator();
    // The user the volumes are mounted for: the one who called sudo, or
    // the one running the tool.
    static Owner owner();
    // Replaces this process by "sudo --askpass -- TOOL ARGUMENTS" (the tool
    // by its absolute path). Returns only when that cannot be done, with
    // the exit status to end with.
    static int rerunAsAdministrator(const QString& tool, const QStringList& arguments);
    // The folder of the tools and the application folder above it.
    static QString toolsFolder();
    static QString applicationFolder();
    static QString askpassProgram();
};
