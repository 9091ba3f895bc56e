#include "services/HdiutilOutput.h"

#include <QStringList>

QString HdiutilOutput::mountPoint(const QString& output)
{
    for (const QString& line : output.split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() < 3)
            continue;
        const QString point = fields.at(2).trimmed();
        if (!point.isEmpty())
            return point;
    }
    return QString();
}

int HdiutilOutput::percentComplete(const QString& rawLine)
{
    const QString key = "DRStatusPercentCompleteKey";
    QString line = rawLine;
    line.remove('\r').remove('\n');
    if (!line.contains(key))
        return -1;
    const QString rest = line.remove(key + ":").trimmed();
    if (rest.isEmpty())
        return -1;
    const double fraction = rest.toDouble();
    if (!(fraction > 0))
        return -1;
    return fraction >= 1 ? 100 : int(fraction * 100);
}
