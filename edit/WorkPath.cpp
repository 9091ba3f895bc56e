#include "edit/WorkPath.h"

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
