#include "platform/disktools/ToolProgress.h"

#include <QRegularExpression>

std::optional<double> ToolProgress::fromRecorder(const QString& line)
{
    static const QRegularExpression written("([0-9]+) of +([0-9]+) MB written");
    const QRegularExpressionMatch match = written.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const double total = match.captured(2).toDouble();
    if (total <= 0)
        return std::nullopt;
    return qBound(0.0, match.captured(1).toDouble() / total, 1.0);
}

std::optional<double> ToolProgress::fromImageWriter(const QString& line)
{
    static const QRegularExpression done("^ *([0-9]+(\\.[0-9]+)?)% done");
    const QRegularExpressionMatch match = done.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    return qBound(0.0, match.captured(1).toDouble() / 100.0, 1.0);
}

QString ToolProgress::line(double fraction)
{
    return "DRStatusPercentCompleteKey: " + QString::number(fraction, 'g', 6) + "\n";
}
