#include "services/Util.h"

QString Util::QT2String(const QDateTime& time)
{
    return time.toString("yyyy-MM-dd hh:mm:ss");
}

namespace {
const char* const kSizeUnits[] = {"B", "KB", "MB", "GB"};
}

// The size divided by 1024 while above 1024, up to GB, with two decimals
// and ".00" dropped. Worked out in integers: a double divided by powers of
// two is exact, so hundredths rounded half up give the text its decimal
// printing gives, several times faster (tables show thousands of sizes).
QString Util::SizeToString(qint64 bytes)
{
    int unit = 0;
    qint64 divisor = 1;
    while (unit < 3 && bytes > divisor * 1024) {
        divisor *= 1024;
        ++unit;
    }
    if (unit == 0)
        return QString::number(bytes) + " B";
    const qint64 whole = bytes / divisor;
    const qint64 rest = bytes % divisor;
    qint64 hundredths = rest * 100 / divisor;
    const qint64 remainder = rest * 100 % divisor;
    if (2 * remainder >= divisor)
        ++hundredths;
    qint64 integral = whole;
    if (hundredths == 100) {
        ++integral;
        hundredths = 0;
    }
    QString text = QString::number(integral);
    if (hundredths != 0) {
        text += '.';
        text += QChar('0' + int(hundredths / 10));
        text += QChar('0' + int(hundredths % 10));
    }
    return text + " " + kSizeUnits[unit];
}

QString Util::ReplaceBlank(const QString& text)
{
    QString result = text;
    while (result.contains("  "))
        result.replace("  ", " ");
    return result;
}
