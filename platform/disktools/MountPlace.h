#pragma once

#include <QString>
#include <functional>

// Where the tools mount volumes: /media/USER/NAME, as the desktop does,
// with NAME made from the volume's label.
class MountPlace
{
public:
    static QString userFolder(const QString& user);
    // The label as a folder name: "/" and control characters become "_".
    // Plain names (for image mount points, whose readers drop white space)
    // also turn blanks and anything outside ASCII into "_".
    static QString folderName(const QString& label, bool plain);
    // The first of "NAME", "NAME 1", "NAME 2", ... ("NAME_1" when plain)
    // inside folder that isTaken does not refuse; empty after 1000 refusals.
    static QString firstFree(const QString& folder, const QString& name, bool plain,
                             const std::function<bool(const QString&)>& isTaken);
};
