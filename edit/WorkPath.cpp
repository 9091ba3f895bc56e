#include "edit/WorkPath.h"

#include <QDir>
#include <QStringList>

bool WorkPath::staysInside(const QString& relativePath)
{
    if (relativePath.isEmpty() || relativePath.startsWith('/') || relativePath.contains('\\'))
        return false;
    for (const QString& part : relativePath.split('/')) {
        if (!isValidName(part))
            return false;
    }
    return true;
}

bool WorkPath::isValidName(const QString& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/')
        && !name.contains('\\') && !name.contains(QChar(0));
}

QString WorkPath::resolve(const QString& folder, const QString& relativePath)
{
    if (!staysInside(relativePath))
        return QString();
    const QString path = folder + relativePath;
    // A last check on the cleaned path, whatever the rules above let through.
    if (!QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + "/"))
        return QString();
    return path;
}
