#include "services/DiskInfoParser.h"

#include <QStringList>

QString DiskInfoParser::text(const QByteArray& output)
{
    const int zero = output.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? output : output.left(zero));
}

qint64 DiskInfoParser::diskSize(const QString& info)
{
    const QString bytesEnd = " Bytes)";
    for (const QString& line : info.split('\n')) {
        if (!line.contains("Disk Size:") || !line.contains(bytesEnd))
            continue;
        const int end = line.indexOf(bytesEnd);
        const int open = line.lastIndexOf('(', end);
        if (open <= 0)
            return 0;
        return line.mid(open + 1, end - open - 1).trimmed().toLongLong();
    }
    return 0;
}

QString DiskInfoParser::mountPoint(const QString& info)
{
    for (const QString& line : info.split('\n')) {
        if (!line.contains("Mount Point:"))
            continue;
        const int slash = line.indexOf('/');
        if (slash > 0)
            return line.mid(slash).trimmed();
    }
    return QString();
}

bool DiskInfoParser::isOptical(const QString& info)
{
    return info.contains("Optical Drive Type:");
}

bool DiskInfoParser::isUsb(const QString& info)
{
    for (const QString& line : info.split('\n')) {
        if (line.contains("Protocol:") && line.contains("USB"))
            return true;
    }
    return false;
}

bool DiskInfoParser::isRemovable(const QString& info)
{
    const QString key = "Removable Media:";
    for (const QString& line : info.split('\n')) {
        const int at = line.indexOf(key);
        if (at >= 0 && line.indexOf("Removable", at + 1) > at)
            return true;
    }
    return false;
}

bool DiskInfoParser::isRemovableUsb(const QString& info)
{
    return !isOptical(info) && isUsb(info) && isRemovable(info);
}
