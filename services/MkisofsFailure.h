#pragma once

#include <QString>
#include <QStringList>

// Picks the line that says why a mkisofs run failed from its output.
class MkisofsFailure
{
public:
    // The tool's own error line ("genisoimage: No space left on device. ..."),
    // joined with the parts of it that arrived as lines of their own, else the last lines that are neither notes ("I: ...") nor progress;
    // empty when the output holds nothing of the kind.
    static QString errorLine(const QStringList& lines);
    // Control characters and surrounding blanks removed, for display.
    static QString clean(const QString& line);
};
