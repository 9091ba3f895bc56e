#include "services/Util.h"

QString Util::QT2String(const QDateTime& time)
{
    return time.toString("yyyy-MM-dd hh:mm:ss");
}

namespace {

const char* const kSizeUnits[] = {"B", "KB", "MB", "GB"};

// The size as the double division gives it: value / 1024 while above 1024,
// up to GB, shown with two decimals, ".00" dropped.
QString sizeToStringByDouble(qint64 bytes)
{
    double value = double(bytes);
    int unit = 0;
    while (unit < 3 && value > 1024) {
        value /= 1024;
        ++unit;
    }
    QString number = QString::number(value, 'f', 2);
    if (number.endsWith(".00"))
        number.chop(3);
    return number + " " + kSizeUnits[unit];
}

} // namespace

// The same text in integers: dividing by powers of two is exact in a
// double, so hundredths rounded half up match the double's decimal text.
// Tables show thousands of sizes; this is several times faster.
QString Util::SizeToString(qint64 bytes)
{
    const qint64 exactLimit = qint64(1) << 53;
    if (bytes < 0 || bytes >= exactLimit)
        return sizeToStringByDouble(bytes);
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
