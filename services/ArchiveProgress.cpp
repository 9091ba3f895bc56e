#include "services/ArchiveProgress.h"

#include "services/ArchiveTool.h"

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

} // namespace

bool ArchiveProgress::readPart(const QString& part, Report* report)
{
    const int sign = part.indexOf(QLatin1String("% "));
    if (sign < 1)
        return false;
    QString number = part.left(sign).trimmed();
    number = number.mid(number.lastIndexOf(' ') + 1);
    bool isNumber = false;
    const int percent = number.toInt(&isNumber);
    if (!isNumber || percent < 0 || percent > 100)
        return false;
    report->percent = percent;
    const int dash = part.indexOf(QLatin1String(" - "), sign);
    report->entry = dash < 0 ? QString() : displayText(part.mid(dash + 3));
    return true;
}

bool ArchiveProgress::lastReport(const QString& line, Report* report)
{
    const QStringList parts = ArchiveTool::redrawParts(line);
    for (auto it = parts.crbegin(); it != parts.crend(); ++it) {
        if (readPart(*it, report))
            return true;
    }
    return false;
}

QStringList ArchiveProgress::errorLines(const QString& line)
{
    QStringList errors;
    for (const QString& part : ArchiveTool::redrawParts(line)) {
        const QString text = displayText(part);
        if (text.startsWith(QLatin1String("ERROR")))
            errors << text;
    }
    return errors;
}

QString ArchiveProgress::displayText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isControl(c))
            kept.append(c);
    }
    return kept.trimmed();
}
