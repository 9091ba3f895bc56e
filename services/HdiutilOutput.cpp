#include "services/HdiutilOutput.h"

#include <QRegularExpression>
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

int HdiutilOutput::percentComplete(const QString& line)
{
    const double fraction = fractionComplete(line);
    return fraction < 0 ? -1 : int(fraction * 100);
}

double HdiutilOutput::fractionComplete(const QString& rawLine)
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
    return qMin(fraction, 1.0);
}

QString HdiutilOutput::failureLine(const QStringList& lines)
{
    static const QRegularExpression failure("\\b(failed|error)\\b", QRegularExpression::CaseInsensitiveOption);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (failure.match(*line).hasMatch()) {
            QString text = *line;
            text.remove(QRegularExpression("[\\x00-\\x1f\\x7f]"));
            return text.trimmed();
        }
    }
    return QString();
}
