#include "services/MkisofsFailure.h"

#include "services/MkisofsProgress.h"

#include <QRegularExpression>

namespace {

bool isToolLine(const QString& line)
{
    static const QRegularExpression toolPrefix("^(genisoimage|mkisofs|xorriso)\\s*:\\s");
    return toolPrefix.match(line).hasMatch();
}

bool isNoteOrProgress(const QString& line)
{
    return line.startsWith("I:") || line.contains(QLatin1String(MkisofsProgress::Phrase));
}

} // namespace

QString MkisofsFailure::clean(const QString& line)
{
    QString text;
    text.reserve(line.size());
    for (const QChar c : line)
        text += (c.category() == QChar::Other_Control) ? QChar(' ') : c;
    return text.simplified();
}

QString MkisofsFailure::errorLine(const QStringList& lines)
{
    for (int i = lines.size() - 1; i >= 0; --i) {
        QString line = clean(lines[i]);
        if (!isToolLine(line))
            continue;
        // The tool writes its message in parts, which can arrive as lines of
        // their own: "genisoimage: No such file or directory. " then
        // "Unable to open disc image file '/x/a.iso'."
        for (int next = i + 1; next < lines.size() && next <= i + 2; ++next) {
            const QString part = clean(lines[next]);
            if (part.isEmpty() || isNoteOrProgress(part) || isToolLine(part))
                break;
            line += " " + part;
        }
        return line;
    }
    QStringList last;
    for (int i = lines.size() - 1; i >= 0 && last.size() < 2; --i) {
        const QString line = clean(lines[i]);
        if (!line.isEmpty() && !isNoteOrProgress(line))
            last.prepend(line);
    }
    return last.join('\n');
}
