#include "services/Util.h"

QString Util::QT2String(const QDateTime& time)
{
    return time.toString("yyyy-MM-dd hh:mm:ss");
}

QString Util::SizeToString(qint64 bytes)
{
    static const char* const units[] = {"B", "KB", "MB", "GB"};
    double value = double(bytes);
    int unit = 0;
    while (unit < 3 && value > 1024) {
        value /= 1024;
        ++unit;
    }
    QString number = QString::number(value, 'f', 2);
    if (number.endsWith(".00"))
        number.chop(3);
    return number + " " + units[unit];
}

QString Util::ReplaceBlank(const QString& text)
{
    QString result = text;
    while (result.contains("  "))
        result.replace("  ", " ");
    return result;
}
