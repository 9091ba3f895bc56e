// services/: the command runner, Util, the copier, each external tool's knowledge (7z, mkisofs, El Torito, disk tools).
// Includes no other folder of the library.
#pragma once

#include <QString>
#include <QStringList>

// What 7z's "-bsp2" output says while it extracts: its progress reports
// ("  45% 12 - folder/file.bin", the entry after " - " only while one is
// being written) and its error lines. The tool redraws its progress with
// backspaces, so one delivered line holds several redraws; they are read
// part by part as ArchiveTool::redrawParts cuts them, and the last report
// of a line is the tool's current state.
class ArchiveProgress
{
public:
    struct Report {
        int percent = 0; // 0 to 100
        QString entry;   // the entry being written, fit for display; empty when the report names none
    };

    // One redraw part: "% " at position 1 or later, before it a whole
    // number from 0 to 100 (the text's last word, blanks trimmed).
    static bool readPart(const QString& part, Report* report);
    // The line's last report; false when it holds none.
    static bool lastReport(const QString& line, Report* report);
    // The parts of the line in which the tool reports an error ("ERROR: ..."),
    // trimmed. Its "WARNINGS:" about the image (such as data after its
    // end) are no errors: the entries are written all the same.
    static QStringList errorLines(const QString& line);
    // The text without control characters and surrounding blanks.
    static QString displayText(const QString& text);
};
