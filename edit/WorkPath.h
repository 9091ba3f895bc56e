#pragma once

#include <QString>

// Rules for paths inside the Edit page's working folder: an entry's path
// or a new name must never lead out of it.
class WorkPath
{
public:
    // A relative path of non-empty components, none of them "." or "..".
    static bool staysInside(const QString& relativePath);
    // A single name that can replace an entry's last component.
    static bool isValidName(const QString& name);
};
