#include "extract/ToolErrorText.h"

#include "services/ArchiveProgress.h"

QString ToolErrorText::Summary(const QStringList& errors, int shown)
{
    QStringList lines;
    for (const QString& error : errors.mid(0, shown))
        lines << ArchiveProgress::displayText(error);
    if (errors.size() > shown)
        lines << tr("(and %n more)", "", errors.size() - shown);
    return lines.join("\n");
}
