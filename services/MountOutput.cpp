#include "services/MountOutput.h"

#include <QRegularExpression>

namespace {

// The length of the device field of a line that begins with device:
// the device, then "s" and digits for a partition, then white space.
int deviceFieldLength(const QString& line, const QString& device)
{
    if (device.isEmpty() || !line.startsWith(device))
        return -1;
    static const QRegularExpression partition("^(s[0-9]+)?\\s");
    const QRegularExpressionMatch match = partition.match(line.mid(device.size()));
    return match.hasMatch() ? device.size() + match.capturedLength(1) : -1;
}

} // namespace

QString MountOutput::mountPoint(const QString& rawLine, const QString& device)
{
    QString line = rawLine;
    line.remove('\r').remove('\n');
    const int field = deviceFieldLength(line, device);
    if (field < 0)
        return QString();
    const int start = line.indexOf('/', field);
    if (start < 0)
        return QString();
    // The options are the last parenthesised part; a "(" inside a volume
    // name ("/Volumes/Photos (2019)") belongs to the mount point.
    const int options = line.lastIndexOf(" (");
    const int end = options > start ? options : line.size();
    return line.mid(start, end - start).trimmed();
}

QString MountOutput::lastMountPoint(const QStringList& lines, const QString& device)
{
    QString found;
    for (const QString& line : lines) {
        const QString point = mountPoint(line, device);
        if (!point.isEmpty())
            found = point;
    }
    return found;
}
